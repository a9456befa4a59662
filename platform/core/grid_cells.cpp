#include "platform/core/grid_cells.h"

#include <algorithm>
#include <utility>

GridCells::~GridCells() {
    if (listener_) listener_->cellsGone();
}

bool GridCells::hasCell(int col, int row) const { return inRange(col, row) && shapes_[col][row].has_value(); }

void GridCells::changed(int col, int row) {
    if (batch_ > 0) {
        layoutDirty_ = true;
        return;
    }
    if (listener_) listener_->cellChanged(col, row);
}

void GridCells::endBatch() {
    if (batch_ == 0 || --batch_ > 0) return;
    const bool layout = std::exchange(layoutDirty_, false);
    const bool cursors = std::exchange(cursorsDirty_, false);
    if (layout) recomputeExtent();
    if (!listener_) return;
    if (layout)
        listener_->layoutChanged();
    else if (cursors)
        listener_->cursorsChanged();
}

void GridCells::setText(int col, int row, std::string text) {
    if (!hasCell(col, row)) return;
    auto& label = *labels_.slot(col, row);
    if (label.text == text) return;
    label.text = std::move(text);
    changed(col, row);
}

void GridCells::setBrush(int col, int row, Color colour) {
    if (!hasCell(col, row)) return;
    auto& shape = *shapes_.slot(col, row);
    if (shape.brush == colour) return;
    shape.brush = colour;
    changed(col, row);
}

void GridCells::setPen(int col, int row, Color colour, int width) {
    if (!hasCell(col, row)) return;
    auto& shape = *shapes_.slot(col, row);
    width = std::max(width, 0);
    if (shape.pen == colour && shape.penWidth == width) return;
    shape.pen = colour;
    shape.penWidth = width;
    changed(col, row);
}

void GridCells::setShapeVisible(int col, int row, bool visible) {
    if (!hasCell(col, row)) return;
    auto& shape = *shapes_.slot(col, row);
    if (shape.visible == visible) return;
    shape.visible = visible;
    changed(col, row);
}

void GridCells::setLabelVisible(int col, int row, bool visible) {
    if (!hasCell(col, row)) return;
    auto& label = *labels_.slot(col, row);
    if (label.visible == visible) return;
    label.visible = visible;
    changed(col, row);
}

void GridCells::setCellVisible(int col, int row, bool visible) {
    if (!hasCell(col, row)) return;
    auto& shape = *shapes_.slot(col, row);
    auto& label = *labels_.slot(col, row);
    if (shape.visible == visible && label.visible == visible) return;
    shape.visible = visible;
    label.visible = visible;
    changed(col, row);
}

void GridCells::setCursor(int col, int row, int cursor) {
    if (!hasCell(col, row)) return;
    auto& shape = *shapes_.slot(col, row);
    auto& label = *labels_.slot(col, row);
    if (shape.cursor == cursor && label.cursor == cursor) return;
    shape.cursor = cursor;
    label.cursor = cursor;
    if (batch_ > 0)
        cursorsDirty_ = true;
    else if (listener_)
        listener_->cursorsChanged();
}

void GridCells::setRightBarVisible(int col, int row, bool visible) {
    if (!inRange(col, row) || !rightBars_.slot(col, row)) return;
    auto& bar = *rightBars_.slot(col, row);
    if (bar.visible == visible) return;
    bar.visible = visible;
    changed(col, row);
}

void GridCells::setBottomBarVisible(int col, int row, bool visible) {
    if (!inRange(col, row) || !bottomBars_.slot(col, row)) return;
    auto& bar = *bottomBars_.slot(col, row);
    if (bar.visible == visible) return;
    bar.visible = visible;
    changed(col, row);
}

void GridCells::createCell(int col, int row, const CellShape& shape, const CellLabel& label) {
    if (!inRange(col, row)) return;
    beginBatch();
    if (hasCell(col, row)) removeCell(col, row);
    shapes_.slot(col, row) = shape;
    labels_.slot(col, row) = label;
    order_.push_back({col, row});
    ranks_[col * tableSpan + row] = nextRank_++;
    ++sizeCount_[shape.bounds.width];
    layoutDirty_ = true;
    endBatch();
}

void GridCells::createEdgeBars(int col, int row, const EdgeBar& right, const EdgeBar& bottom) {
    if (!hasCell(col, row)) return;
    beginBatch();
    rightBars_.slot(col, row) = right;
    bottomBars_.slot(col, row) = bottom;
    layoutDirty_ = true;
    endBatch();
}

void GridCells::removeCell(int col, int row) {
    if (!hasCell(col, row)) return;
    beginBatch();
    const int size = shapes_.slot(col, row)->bounds.width;
    if (--sizeCount_[size] == 0) sizeCount_.erase(size);
    shapes_.slot(col, row).reset();
    labels_.slot(col, row).reset();
    rightBars_.slot(col, row).reset();
    bottomBars_.slot(col, row).reset();
    std::erase_if(order_, [&](const Position& p) { return p.col == col && p.row == row; });
    ranks_[col * tableSpan + row] = 0;
    layoutDirty_ = true;
    endBatch();
}

void GridCells::recomputeExtent() {
    int width = 0;
    int height = 0;
    auto take = [&](const CellRect& r) {
        width = std::max(width, r.right());
        height = std::max(height, r.bottom());
    };
    for (const Position& p : order_) {
        take(shapes_[p.col][p.row]->bounds);
        take(labels_[p.col][p.row]->bounds);
        if (const auto& bar = rightBars_[p.col][p.row]) take(bar->bounds);
        if (const auto& bar = bottomBars_[p.col][p.row]) take(bar->bounds);
    }
    extentWidth_ = width;
    extentHeight_ = height;
}
