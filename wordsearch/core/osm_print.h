#pragma once
// What a word search hands to its outputs, without any window: the printed
// page, the spreadsheet workbook, the picture window's grid and the shape
// designer's cells (and the shape the designer hands back).

#include "document/core/cell_grid.h"
#include "document/core/picture_drawing.h"
#include "document/core/shape_designer.h"
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

// The shape of a word search's grid as the shape designer edits it: which
// cells are in use and their colours.
struct OsmShape {
    struct Cell {
        bool shown = true;
        Color colour = colors::white;
        friend bool operator==(const Cell&, const Cell&) = default;
    };
    int columns = 0;
    int rows = 0;
    std::vector<Cell> cells;  // rows outer, columns inner

    const Cell& cell(int column, int row) const {
        return cells[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns) +
                     static_cast<std::size_t>(column - 1)];
    }
    friend bool operator==(const OsmShape&, const OsmShape&) = default;
};

// Copies the document's shape into the designer, whose grid has the
// document's size already: a cell is shown exactly when it is not hidden, in
// the document's colour.
void loadDesignerShape(ShapeDesigner& designer, const OsmDocument& document);
// The shape the designer holds.
OsmShape designerShape(const ShapeDesigner& designer);

// Gives the word search the shape the designer handed back. A cell that is
// now shown keeps its letter, and loses the "@" of a hidden cell; a cell that
// is now hidden holds "@". Every cell takes the shape's colour. Shapes of
// another size than the document change nothing.
void applyOsmShape(OsmDocument& document, const OsmShape& shape);
// The same on the word-search window's grid, where a hidden cell has its
// shape and label invisible.
void applyOsmShape(CellGrid& grid, const OsmShape& shape);
