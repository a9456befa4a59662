#pragma once
// What a word search hands to its outputs, without any window: the printed
// page, the spreadsheet workbook and the picture window's grid.

#include "document/core/picture_drawing.h"
#include "platform/core/canvas.h"
#include "platform/core/color.h"
#include "platform/core/workbook.h"
#include "wordsearch/core/osm_file.h"

#include <vector>

// The printed page, in the printer's device pixels from the top-left corner
// of the printable area. The grid stands at a pitch of 70 pixels in the grid
// frame of the print pieces (document/core/print_layout.h); the placed words
// run below it as running text, separated by ", ", in lines 60 pixels apart
// (a word wider than a line is broken over lines), and continue on further pages.
namespace osmprint {
inline constexpr int gridFontSize = 14;      // points
inline constexpr int wordListFontSize = 12;  // points
inline constexpr int wordListGap = 205;      // from the grid's 70 × rows to the first line of words

// The font whose family the print uses (printlayout::labelFont()).
CanvasFont labelFont();

// The cell of `column`, `row` (from 1) in the grid frame: 70 pixels square
// from (99 + 70 (column − 1), 99 + 70 (row − 1)), the right and bottom edge
// excluded like the canvas's rectangles. A letter stands in the middle of
// its cell, a hidden cell is filled black exactly.
struct CellBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};
CellBox cellBox(int column, int row);

// The factor the print is drawn at on a page of the given size: 1 (full
// size) when the grid frame lies on the page; otherwise the grid is made
// smaller until its frame fits with as much room right of it as left of it
// (98 pixels) and below it as above it (99), everything else with it.
double printScale(int pageWidth, int pageHeight, int columns, int rows);
}  // namespace osmprint

// Draws the whole printout of `document` on `canvas`, which stands on its
// first page: the grid frame, every visible cell's text in the middle of its
// cell (measured with the canvas's text width and height, so that it keeps
// off the frame and the neighbouring cells; a text larger than the cell is
// drawn a size smaller until it fits), a black box for every hidden cell,
// then the placed words in their order, starting a new page when the words
// reach the bottom limit. `font` gives the family (and weight) of both texts.
// A grid too large for the page is drawn smaller (osmprint::printScale), the
// word list with it.
void drawWordSearchPrint(Canvas& canvas, const OsmDocument& document, const CanvasFont& font);

// Fills a workbook for the spreadsheet export: sheet 1 "Osmismerka" holds the
// placed words in column A, one a row, and the grid from column B (hidden
// cells solid black, the grid framed with thin lines); sheet 2 "List2" stays
// empty. Sheet 1 is current afterwards. False when the workbook refused a
// cell (a text too long for a spreadsheet cell, more words than it has rows).
bool fillWordSearchWorkbook(Workbook& book, const OsmDocument& document);

// Hands the grid to the picture window: every cell's text, hidden cells
// marked blocked, the size.
void fillWordSearchPicture(PictureGrid& picture, const OsmDocument& document);
