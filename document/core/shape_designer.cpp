#include "document/core/shape_designer.h"

#include <utility>

ShapeDesigner::ShapeDesigner() {
    CellGrid::Kind kind;
    kind.cursor = cellcursor::handPoint;
    grid_.setKind(std::move(kind));
}

CellGrid::ResizeResult ShapeDesigner::resizeGrid(int cols, int rows, int cellSize, CellGrid::Progress* progress) {
    const CellGrid::ResizeResult result = grid_.resizeGrid(cols, rows, cellSize, progress);
    CellGrid::Batch batch(grid_);
    for (int col = 1; col <= grid_.currentCols(); ++col)
        for (int row = 1; row <= grid_.currentRows(); ++row) grid_.setText(col, row, {});
    return result;
}

void ShapeDesigner::setCellShown(int col, int row, bool shown) {
    grid_.setShapeVisible(col, row, shown);
    grid_.setLabelVisible(col, row, true);
}

bool ShapeDesigner::cellShown(int col, int row) const {
    return grid_.hasCell(col, row) && grid_.cellShapes()[col][row]->visible;
}

void ShapeDesigner::setCellColor(int col, int row, Color colour) { grid_.setBrush(col, row, colour); }

Color ShapeDesigner::cellColor(int col, int row) const {
    return grid_.hasCell(col, row) ? grid_.cellShapes()[col][row]->brush : colors::white;
}

void ShapeDesigner::setCellText(int col, int row, std::string text) { grid_.setText(col, row, std::move(text)); }

std::string ShapeDesigner::cellText(int col, int row) const {
    return grid_.hasCell(col, row) ? grid_.cellLabels()[col][row]->text : std::string();
}

void ShapeDesigner::setMode(int mode) {
    if (mode >= showHideMode && mode <= clueMode) mode_ = mode;
}

void ShapeDesigner::begin() {
    mode_ = showHideMode;
    remaining_.clear();
    if (tools.digits) {
        // A digit that a red cell holds already (placed in an earlier use and
        // kept by the document) is not placed a second time.
        remaining_ = fullDigits;
        for (int col = 1; col <= cols(); ++col)
            for (int row = 1; row <= rows(); ++row) {
                if (cellColor(col, row) != colors::red) continue;
                const std::string text = cellText(col, row);
                if (text.size() != 1 || text[0] < '0' || text[0] > '9') continue;
                if (const auto at = remaining_.find(text[0]); at != std::string::npos) remaining_.erase(at, 1);
            }
    }
    remainingAtBegin_ = remaining_;
}

void ShapeDesigner::finish(bool accepted) {
    if (!accepted) remaining_ = remainingAtBegin_;
    resetHover();
}

ShapeDesigner::Press ShapeDesigner::press(int col, int row, bool rightButton) {
    if (!grid_.hasCell(col, row)) return Press::nothing;
    const Color colour = cellColor(col, row);
    switch (mode_) {
    case showHideMode:
        setCellShown(col, row, !cellShown(col, row));
        return Press::changed;
    case secretPhraseMode:
        if (tools.digits && rightButton) return assignDigit(col, row);
        setCellColor(col, row, colour == colors::red ? colors::white : colors::red);
        return Press::changed;
    case clueMode:
        setCellColor(col, row, colour == colors::black ? colors::white : colors::black);
        return Press::changed;
    default:
        return Press::nothing;
    }
}

ShapeDesigner::Press ShapeDesigner::assignDigit(int col, int row) {
    if (!grid_.hasCell(col, row) || cellColor(col, row) != colors::red) return Press::nothing;
    if (remaining_.empty()) return Press::noDigitsLeft;
    if (!cellText(col, row).empty()) return Press::nothing;
    grid_.setText(col, row, remaining_.substr(0, 1));
    remaining_.erase(0, 1);
    return Press::digitPlaced;
}

void ShapeDesigner::clearDigits() {
    CellGrid::Batch batch(grid_);
    for (int col = 1; col <= cols(); ++col)
        for (int row = 1; row <= rows(); ++row) grid_.setText(col, row, {});
    remaining_ = fullDigits;
}

void ShapeDesigner::hover(int col, int row) {
    grid_.setPen(hoverCol_, hoverRow_, colors::black, 1);
    grid_.setPen(col, row, colors::blue, 2);
    hoverCol_ = col;
    hoverRow_ = row;
}

void ShapeDesigner::leaveCells() { grid_.setPen(hoverCol_, hoverRow_, colors::black, 1); }

void ShapeDesigner::resetHover() {
    leaveCells();
    hoverCol_ = 1;
    hoverRow_ = 1;
}
