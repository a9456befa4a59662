#pragma once
// The classic crossword's document file (.kri).
//
// Lines, each ending CR LF: columns, rows; for every cell, rows outer and
// columns inner: its text ("@" for a hidden cell), its colour, whether its
// bottom bar and its right bar are shown ("TRUE"/"FALSE"); two reserved texts
// (empty); whether the crossword is finished and whether it is in legend mode;
// the clue grid of the words across: its number of rows n (at least 1), n
// records of word, clue, line and number, and one spare record ("", "", 0, 0);
// the same for the words down; then for every cell its two letter-use bytes
// (across, down: 0, 1 or 2).
//
// A clue grid without words is one empty row in the file and no row in the
// document. Texts are Windows-1250 bytes, written and read as they stand.

#include "document/core/cell_matrix.h"
#include "crossword/core/clue_lists.h"
#include "document/core/document_codec.h"
#include "document/core/document_kinds.h"
#include "platform/core/textfile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace crossword {

inline constexpr std::int32_t kKriWhite = 16777215;
inline constexpr std::size_t kKriMaxReservedText = 255;
// A grid of 40 × 40 one-letter words has 1,600 words in each direction.
inline constexpr std::int64_t kKriMaxClueRows = 1600;

struct KriCell {
    std::string text;  // "@" for a hidden cell
    std::int32_t colour = kKriWhite;
    bool bottomBar = false;
    bool rightBar = false;
    std::uint8_t useAcross = 0;
    std::uint8_t useDown = 0;
    bool hidden() const { return text == hiddenCellText; }
    friend bool operator==(const KriCell&, const KriCell&) = default;
};

struct KriDocument : CellMatrix<KriCell> {
    std::string reservedText1;
    std::string reservedText2;
    bool finished = false;
    bool legendMode = false;
    std::vector<ClueRow> across;  // the rows of the clue grid of the words across
    std::vector<ClueRow> down;

    static KriDocument blank(int columns, int rows) { return blankMatrix<KriDocument>(columns, rows); }


    friend bool operator==(const KriDocument&, const KriDocument&) = default;

};

// Reads and checks a whole .kri file: sizes 2 to 40, cell texts empty, one
// character, "ch" or "@", colours 32-bit numbers, letter uses 0 to 2, no early
// end. A yes-or-no line is "TRUE" or "FALSE" in any case, and any other text
// reads as "FALSE". A clue grid holds at most 1,600 rows; a count of 0 or below
// reads as 1. The reserved texts are cut to 255 characters.
ReadResult<KriDocument> parseKri(std::string_view bytes);
ReadResult<KriDocument> readKriFile(const std::filesystem::path& path);

// The exact lines of the file, without line ends.
std::vector<std::string> kriLines(const KriDocument& document);

// Writes the file at exactly `path`, atomically. False when it could not be
// written, or when the document cannot be stored as it is: cells that do not
// match the size, a cell text the reader refuses, a text holding a line break,
// a letter use above 2, more clue rows than 1,600. The previous file is then left as it was.
bool writeKriFile(const std::filesystem::path& path, const KriDocument& document);

inline constexpr DocumentCodec<KriDocument> kriCodec{readKriFile, writeKriFile};

}  // namespace crossword
