#pragma once
// The shape of a grid, as every kind of puzzle hands it to the shape designer
// and takes it back: which cells are shown (a hidden cell is blocked), the
// colour of each cell (white a normal cell, red a secret-phrase cell, black a
// clue cell) and the text the designer shows in a cell (the digits a
// criss-cross places in its red cells; empty for the other kinds).

#include "document/core/cell_grid.h"
#include "document/core/cell_matrix.h"
#include "document/core/shape_designer.h"
#include "platform/core/color.h"

#include <cstddef>
#include <string>
#include <vector>

struct GridShapeCell {
    bool shown = true;
    Color colour = colors::white;
    std::string text;
    friend bool operator==(const GridShapeCell&, const GridShapeCell&) = default;
};

struct GridShape : CellMatrix<GridShapeCell> {
    using Cell = GridShapeCell;

    // Every cell shown, white and without text.
    static GridShape blank(int columns, int rows) { return blankMatrix<GridShape>(columns, rows); }

    friend bool operator==(const GridShape&, const GridShape&) = default;
};

// The shape of a document's grid: each cell shown unless it is hidden, in its
// colour (the grey and silver of a selected run as the white and red they
// stand for); no texts.
GridShape shapeOfGrid(const CellGrid& grid);

// Copies the shape into the designer, whose grid has the shape's size already.
void loadDesigner(ShapeDesigner& designer, const GridShape& shape);
// The shape the designer holds, with the texts of its cells.
GridShape designerShape(const ShapeDesigner& designer);

// What a cell the designer hides does with its text.
enum class HiddenCellText {
    mark,  // it holds "@": its letter or digit is gone
    keep,  // it keeps its text, which shows again with the cell (the Swedish crossword)
};

// Gives a document's grid the shape's visibility and colours: a cell hidden
// now holds "@" or keeps its text, as `hidden` says; a cell shown again
// loses an "@" (a blocked cell's mark is no letter) and keeps any other text.
// Texts of the shape are not applied (the kinds that use them take them
// themselves). A shape of another size than the grid changes nothing.
void applyShape(CellGrid& grid, const GridShape& shape, HiddenCellText hidden = HiddenCellText::mark);
