#include "document/core/grid_shape.h"

GridShape GridShape::blank(int columns, int rows) {
    GridShape shape;
    shape.columns = columns;
    shape.rows = rows;
    shape.cells.resize(static_cast<std::size_t>(columns > 0 ? columns : 0) * static_cast<std::size_t>(rows > 0 ? rows : 0));
    return shape;
}

GridShape shapeOfGrid(const CellGrid& grid) {
    GridShape shape = GridShape::blank(grid.currentCols(), grid.currentRows());
    for (int row = 1; row <= shape.rows; ++row)
        for (int column = 1; column <= shape.columns; ++column) {
            GridShape::Cell& cell = shape.cell(column, row);
            cell.shown = !grid.isHidden(column, row);
            // A selected run shows highlighted; its cells are white and red.
            const Color brush = grid.cellShapes()[column][row]->brush;
            cell.colour = brush == colors::gray ? colors::white : brush == colors::silver ? colors::red : brush;
        }
    return shape;
}

void loadDesigner(ShapeDesigner& designer, const GridShape& shape) {
    for (int row = 1; row <= shape.rows; ++row)
        for (int column = 1; column <= shape.columns; ++column) {
            const GridShape::Cell& cell = shape.cell(column, row);
            designer.setCellShown(column, row, cell.shown);
            designer.setCellColor(column, row, cell.colour);
            designer.setCellText(column, row, cell.text);
        }
}

GridShape designerShape(const ShapeDesigner& designer) {
    GridShape shape = GridShape::blank(designer.cols(), designer.rows());
    for (int row = 1; row <= shape.rows; ++row)
        for (int column = 1; column <= shape.columns; ++column)
            shape.cell(column, row) = {designer.cellShown(column, row), designer.cellColor(column, row),
                                       designer.cellText(column, row)};
    return shape;
}

void applyShape(CellGrid& grid, const GridShape& shape) {
    if (shape.columns != grid.currentCols() || shape.rows != grid.currentRows()) return;
    CellGrid::Batch batch(grid);
    for (int row = 1; row <= shape.rows; ++row)
        for (int column = 1; column <= shape.columns; ++column) {
            const GridShape::Cell& given = shape.cell(column, row);
            grid.setHidden(column, row, !given.shown);
            grid.setBrush(column, row, given.colour);
        }
}
