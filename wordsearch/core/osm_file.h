#pragma once
// The word-search document file (.osm), shared by grilpad and the analyzer.
//
// Lines, each ending CR LF: columns, rows; then for every cell, rows outer and
// columns inner, its text and its colour; then the processed secret phrase, the
// phrase as typed, the number of placed words and the words one a line.
// A cell text is empty, one letter, "ch"/"CH" for the letter CH, or "@" for a
// hidden cell. Colours are the 32-bit RGB values of the cell, in decimal. No
// word is longer than the longer side of the grid, counting "ch" as one letter.
//
// Texts are Windows-1250 bytes, written and read as they stand.

#include "document/core/cell_matrix.h"
#include "document/core/document_codec.h"
#include "document/core/document_kinds.h"
#include "platform/core/textfile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

inline constexpr std::int32_t kOsmWhite = 16777215;
inline constexpr std::int32_t kOsmRed = 255;  // a cell of the secret phrase

struct OsmCell {
    std::string text;  // "@" for a hidden cell
    std::int32_t colour = kOsmWhite;

    bool hidden() const { return text == hiddenCellText; }
    friend bool operator==(const OsmCell&, const OsmCell&) = default;
};

// Everything a word-search file holds.
struct OsmDocument : CellMatrix<OsmCell> {
    std::string processedPhrase;    // the phrase as the generator uses it ("#" for CH, no blanks)
    std::string typedPhrase;        // the phrase as the user typed it
    std::vector<std::string> words; // the placed words in the order of the file

    // An empty grid of the given size: every cell visible, empty and white.
    static OsmDocument blank(int columns, int rows) { return blankMatrix<OsmDocument>(columns, rows); }


    // Finished: every cell holds a text ("@" counts). An unfinished puzzle opens paused.
    bool isComplete() const;

    friend bool operator==(const OsmDocument&, const OsmDocument&) = default;

};

// grilpad keeps at most this many characters of each phrase line it reads.
inline constexpr std::size_t kOsmMaxPhraseLength = 255;

// What a reader accepts; grilpad and the analyzer read the same lines with
// different limits.
struct OsmLimits {
    int minSize = minGridSide;
    int maxSize = maxGridSide;
    std::int64_t maxWords = INT32_MAX;
};

// The most letters a listed word may have in a grid of that size ("ch" in any
// case counted as one letter, see reading::fewestCells): the longer side.
std::size_t longestWord(int columns, int rows);

// Reads the lines of an .osm file from `lines`, checking every line against
// `limits`, the cell texts (empty, one character, "ch" in any case or "@") and
// the length of every word (longestWord); throws FileFormatError naming the
// first bad line. Phrases and words are kept exactly as they stand.
OsmDocument parseOsmLines(LineCursor& lines, const OsmLimits& limits);

using OsmReadResult = ReadResult<OsmDocument>;

// grilpad's reading of a whole .osm file (sizes 2 to 40, phrases cut to 255
// characters; a file over fileLimit::document is refused unread). A text line
// holding a CR is refused (BadValue), since no document holding one could be
// saved again. Nothing is returned but a fully checked document or the error.
OsmReadResult parseOsm(std::string_view bytes);
OsmReadResult readOsmFile(const std::filesystem::path& path);

// The exact lines of the file, without line ends.
std::vector<std::string> osmLines(const OsmDocument& document);

// Writes the file at exactly `path` (apply withDocumentExtension first). False
// when it could not be written, or when the document cannot be stored: cells
// that do not match the size, a cell text or a word the reader refuses, or a
// text holding a line break (CR or LF), which no reading can give back. On
// false the previous file at `path` is left as it was.
bool writeOsmFile(const std::filesystem::path& path, const OsmDocument& document);

// The word search's document file, for the document window's file flow.
inline constexpr DocumentCodec<OsmDocument> osmCodec{readOsmFile, writeOsmFile};
