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
// of the printable area. The grid stands at a pitch of 70 pixels in a frame
// from (98, 99); the placed words run below it like running text, separated
// by ", ", in lines 60 pixels apart, and continue on further pages.
namespace osmprint {
inline constexpr int cellPitch = 70;
inline constexpr int frameLeft = 98;
inline constexpr int frameTop = 99;
inline constexpr int gridFontSize = 14;      // points
inline constexpr int wordListFontSize = 12;  // points
inline constexpr int wordListLeft = 100;
inline constexpr int wordListGap = 205;      // from the grid's 70 × rows to the first line of words
inline constexpr int lineStep = 60;
inline constexpr int pageMargin = 100;       // right and bottom limits, and the top of a further page

// The font of the window's hidden measuring label, whose family the print
// uses: "Courier New", 11 pixels high on the screen.
CanvasFont labelFont();

// Where the cell of `column`, `row` (from 1) lies: the letter is drawn at
// (origin.x + 100, origin.y + 100).
CanvasPoint cellOrigin(int column, int row);
}  // namespace osmprint

// Draws the whole printout of `document` on `canvas`, which stands on its
// first page: the grid frame, every visible cell's text ("CH" a little to the
// left, so that it sits in the middle), a black box for every hidden cell,
// then the placed words in their order, starting a new page when the words
// reach the bottom limit. `font` gives the family (and weight) of both texts.
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
