#include "document/core/cell_grid.h"

#include <algorithm>
#include <string>

int CellGrid::percentDone(int done, int total) {
    if (total <= 0) return 0;
    const long long scaled = static_cast<long long>(done) * 100;
    long long quotient = scaled / total;
    const long long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && quotient % 2 != 0)) ++quotient;
    return static_cast<int>(quotient);
}

void CellGrid::setHidden(int col, int row, bool hidden) {
    if (!hasCell(col, row)) return;
    setCellVisible(col, row, !hidden);
    if (hidden) setText(col, row, std::string(hiddenCellText));
    else if (cellLabels()[col][row]->text == hiddenCellText) setText(col, row, {});
}

std::string CellGrid::cellText(int col, int row) const {
    if (!hasCell(col, row)) return {};
    return isHidden(col, row) ? std::string(hiddenCellText) : cellLabels()[col][row]->text;
}

void CellGrid::setCellText(int col, int row, std::string text) {
    if (!hasCell(col, row)) return;
    const bool hidden = text == hiddenCellText;
    setCellVisible(col, row, !hidden);
    setText(col, row, std::move(text));
}

void CellGrid::clearCells() {
    Batch batch(*this);
    for (int row = 1; row <= currentRows_; ++row)
        for (int col = 1; col <= currentCols_; ++col) {
            if (!isHidden(col, row)) setText(col, row, {});
            setBrush(col, row, colors::white);
            setRightBarVisible(col, row, false);
            setBottomBarVisible(col, row, false);
        }
}

void CellGrid::createCellAt(int col, int row, int cellSize) {
    CellShape shape;
    shape.bounds = cellgeometry::shape(col, row, cellSize);
    shape.cursor = kind_.cursor;
    CellLabel label;
    label.bounds = cellgeometry::label(col, row, cellSize);
    label.fontHeight = fontHeight(cellSize);
    label.hint = std::to_string(col) + "." + std::to_string(row);
    label.cursor = kind_.cursor;
    createCell(col, row, shape, label);
    if (kind_.edgeBars)
        createEdgeBars(col, row, EdgeBar{cellgeometry::rightBar(col, row, cellSize), false},
                       EdgeBar{cellgeometry::bottomBar(col, row, cellSize), false});
}

CellGrid::ResizeResult CellGrid::resizeGrid(int cols, int rows, int cellSize, Progress* progress) {
    if (cols < minGridSide || cols > maxGridSide || rows < minGridSide || rows > maxGridSide)
        return ResizeResult::outOfRange;
    if (cols == currentCols_ && rows == currentRows_) return ResizeResult::sameSize;

    const int spanCols = std::max(currentCols_, cols);
    const int spanRows = std::max(currentRows_, rows);
    const int total = spanCols * spanRows;
    if (progress && !progress->open(total)) return ResizeResult::noProgress;

    cellSize = clampCellSize(cellSize);
    int done = 0;
    {
        Batch batch(*this);
        for (int row = 1; row <= spanRows; ++row) {
            for (int col = 1; col <= spanCols; ++col) {
                if (col > cols || row > rows) {
                    if (hasCell(col, row)) removeCell(col, row);
                } else {
                    if (!hasCell(col, row)) createCellAt(col, row, cellSize);
                    setCellVisible(col, row, true);
                    setText(col, row, {});
                    setBrush(col, row, colors::white);
                    if (kind_.cellReset) kind_.cellReset(col, row);
                }
                ++done;
                if (progress) progress->step(done, percentDone(done, total));
            }
        }
        currentCols_ = cols;
        currentRows_ = rows;
    }
    if (progress) progress->close();
    return ResizeResult::resized;
}
