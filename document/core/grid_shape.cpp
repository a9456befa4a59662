#include "document/core/grid_shape.h"

#include "document/core/slot_engine.h"

GridShape shapeOfGrid(const CellGrid& grid) {
    GridShape shape = GridShape::blank(grid.currentCols(), grid.currentRows());
    for (int row = 1; row <= shape.rows; ++row)
        for (int column = 1; column <= shape.columns; ++column) {
            GridShape::Cell& cell = shape.cell(column, row);
            cell.shown = !grid.isHidden(column, row);
            cell.colour = unhighlighted(grid.cellShapes()[column][row]->brush);
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

void applyShape(CellGrid& grid, const GridShape& shape, HiddenCellText hidden) {
    if (shape.columns != grid.currentCols() || shape.rows != grid.currentRows()) return;
    CellGrid::Batch batch(grid);
    for (int row = 1; row <= shape.rows; ++row)
        for (int column = 1; column <= shape.columns; ++column) {
            const GridShape::Cell& given = shape.cell(column, row);
            if (given.shown || hidden == HiddenCellText::mark) grid.setHidden(column, row, !given.shown);
            else grid.setCellVisible(column, row, false);
            grid.setBrush(column, row, given.colour);
        }
}
