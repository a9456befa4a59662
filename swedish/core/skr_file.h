#pragma once
// The Swedish crossword's document file (.skr).
//
// Lines, each ending CR LF: columns, rows; then for every cell, rows outer
// and columns inner, a block of 36 lines:
//    1      whether the cell is shown: "TRUE" or "FALSE" (reading: "FALSE" in
//           any letter case hides the cell, any other text shows it)
//    2      its text: empty, one character, "ch" or "@" (a hidden cell)
//    3      its colour: 16777215 a letter cell, 255 a secret-phrase cell, 0 a
//           clue cell (a selection's highlight is never stored)
//    4      the number of clue lines in use, 0 to 10
//    5–34   all ten clue lines, also those beyond the number in use: text
//           (at most 100 characters; reading cuts a longer one), top, font
//           size (32-bit numbers each)
//    35, 36 the horizontal and the vertical letter use, 0 or 1
// A file of c columns and r rows therefore has 2 + 36 × c × r lines.
//
// Texts are Windows-1250 bytes, written and read as they stand.

#include "document/core/cell_matrix.h"
#include "document/core/document_codec.h"
#include "platform/core/textfile.h"
#include "swedish/core/legend.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace swedish {

inline constexpr std::int32_t kSkrWhite = 16777215;  // a letter cell
inline constexpr std::int32_t kSkrRed = 255;         // a secret-phrase cell
inline constexpr std::int32_t kSkrBlack = 0;         // a clue cell
inline constexpr int kSkrCellLines = 36;

struct SkrCell {
    bool visible = true;
    std::string text;
    std::int32_t colour = kSkrWhite;
    LegendCell legend;
    std::uint8_t useAcross = 0;
    std::uint8_t useDown = 0;
    friend bool operator==(const SkrCell&, const SkrCell&) = default;
};

struct SkrDocument : CellMatrix<SkrCell> {

    // Every cell shown, empty, white, without clues, unused.
    static SkrDocument blank(int columns, int rows) { return blankMatrix<SkrDocument>(columns, rows); }


    friend bool operator==(const SkrDocument&, const SkrDocument&) = default;

};

// The number of lines of a file of that size.
std::size_t skrLineCount(int columns, int rows);

// Reads and checks a whole .skr file: sizes 2 to 40, cell texts as above,
// colours 16777215, 255 or 0, counts 0 to 10, tops and font sizes 32-bit
// numbers, letter uses 0 or 1, no early end; clue texts are cut to 100
// characters. Lines after the last cell are not read.
ReadResult<SkrDocument> parseSkr(std::string_view bytes);
ReadResult<SkrDocument> readSkrFile(const std::filesystem::path& path);

// The exact lines of the file, without line ends.
std::vector<std::string> skrLines(const SkrDocument& document);

// Whether the document can be written so that reading gives it back: a size
// of 2 to 40 with a cell for each place, every value one the reader takes,
// and no line break in any text.
bool skrStorable(const SkrDocument& document);

// Writes the file at exactly `path` (apply withDocumentExtension first),
// atomically. False when it could not be written or the document is not
// storable; the previous file is then left as it was.
bool writeSkrFile(const std::filesystem::path& path, const SkrDocument& document);

inline constexpr DocumentCodec<SkrDocument> skrCodec{readSkrFile, writeSkrFile};

}  // namespace swedish
