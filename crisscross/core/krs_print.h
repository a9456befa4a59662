#pragma once
// What a criss-cross hands to its outputs, without any window: the printed
// page, the spreadsheet workbook and the picture window's grid.

#include "crisscross/core/krs_document.h"
#include "document/core/picture_drawing.h"
#include "platform/core/canvas.h"
#include "platform/core/workbook.h"

// The printed page, in the printer's device pixels from the top-left corner
// of the printable area: the blank puzzle in the grid frame of the print
// pieces (document/core/print_layout.h), blocked cells black and no digits,
// then the numbers as running text and the digit key.
namespace krsprint {
inline constexpr int listFontSize = 12;  // points
inline constexpr int listGap = 205;      // from the grid's 70 × rows to the first line of numbers

// A cell of the print: 70 pixels apart, from (99 + 70 (column − 1),
// 99 + 70 (row − 1)) to 69 pixels right and 74 down of it (the right and
// bottom edge excluded), so that a row overlaps the next by 4 pixels.
struct CellBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};
CellBox cellBox(int column, int row);
}  // namespace krsprint

// Draws the whole printout of `document` on `canvas`, which stands on its
// first page: the grid frame, every cell a rectangle (a blocked one filled
// black), then, in `font`'s family at 12 points, the numbers one after the
// other, each followed by "; " when the next one is longer and by ", "
// otherwise, the last by nothing; then, when there is a digit key, a new line
// with them. The list wraps at the right limit and goes on on further pages.
// A grid too wide or too high for the page is drawn smaller, the list with
// it (printlayout::gridPrintScale).
void drawCrissCrossPrint(Canvas& canvas, const KrsDocument& document, const CanvasFont& font);

// Fills a workbook for the spreadsheet export: sheet 2 "Vyplneny" holds the
// grid with its digits from column B, each playable cell framed thinly, each
// blocked cell solid black, the grid framed thickly, and the numbers in
// column A; sheet 1 "Nevyplneny" the same without digits. Sheet 2 is current
// afterwards with "A1" selected. False when the workbook refused a cell.
bool fillCrissCrossWorkbook(Workbook& book, const KrsDocument& document);

// Hands the grid to the picture window: every cell's text, hidden cells
// marked blocked, the size.
void fillCrissCrossPicture(PictureGrid& picture, const KrsDocument& document);
