#pragma once
// The printed Swedish crossword: the blank puzzle, without letters. Every
// cell shown is a square filled by its kind, a thick frame runs round the
// whole grid, and the clue cells carry their clue lines at their heights.
//
// In printer pixels at 300 pixels per inch (every print job runs at that
// resolution), from the top-left corner of the printable area; one unit of
// a clue cell is one pixel. For column j and row i (from 1):
//   cell       x from 140 j + 58 to 140 j + 198, y from 139 i + 8 to
//              139 i + 148 (neighbouring rows share their border line)
//   text line  x 140 j + 128 − width ÷ 2, y 139 i + 12 + top
//   separator  y 139 i + 8 + top, across the cell
//   bars       black, w (the half-width) either side of the grid's outer
//              edges: x 198 ± w beside column 1 and 140 cols + 198 ± w
//              beside the last, y 148 − w to 147 + w above row 1 and
//              139 rows + 149 − w to 139 rows + 148 + w below the last, each
//              the length of its cell (whether the cell is shown or not)
// A grid larger than the page is drawn smaller, everything with it, by
// f = min(1, page width ÷ (140 cols + 198 + w), page height ÷ (139 rows + 148 + w)).

#include "platform/core/canvas.h"
#include "platform/core/color.h"
#include "swedish/core/skr_file.h"

namespace swedish {

struct SkrPrintOptions {
    int frameWidth = 4;                 // w; 0 draws no bars
    Color clueFill = colors::silver;    // "Barva pole legendy"
    Color secretFill = colors::white;   // "Barva pole tajenky"
    Color letterFill = colors::white;   // "Barva normálního pole"
};

namespace skrprint {
inline constexpr int largestFrameWidth = 50;
inline constexpr const char* fontFamily = "Arial CE";
// The factor the print is drawn at on a page of that size.
double printScale(int pageWidth, int pageHeight, int columns, int rows, int frameWidth);
}  // namespace skrprint

// Draws the printout on the canvas's first page, cell by cell, rows outer:
// the cell's square (pen black, filled by its kind: white the letter cells,
// red the secret-phrase cells, black the clue cells; hidden cells are not
// drawn), the bars at the grid's edge, then, for a shown clue cell only,
// its clue lines in order (font sizes within 1 to 200 points, each text on
// a white ground).
void drawSwedishPrint(Canvas& canvas, const SkrDocument& document, const SkrPrintOptions& options);

}  // namespace swedish
