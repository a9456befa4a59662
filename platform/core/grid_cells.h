#pragma once
// The cells of a puzzle grid as the screen shows them: for each cell a shape
// (the filled rectangle with its frame), a label (the text over it) and, for
// the kinds that mark word ends, a right and a bottom edge bar. Cells are
// addressed column first, both counted from 1, up to 40 × 40.
//
// This is plain data; CellGridWidget (platform/ui) paints it and follows its
// changes through a GridCellsListener. Every change goes through the setters
// below so that the painter learns which cell to redraw.

#include "platform/core/color.h"

#include <cassert>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Mouse cursors of cells: 0 is the platform's default, a positive number is
// one of the program's screen cursors (3 the start cursor, 2 the end cursor),
// handPoint the pointing hand.
namespace cellcursor {
inline constexpr int platformDefault = 0;
inline constexpr int endCursor = 2;
inline constexpr int startCursor = 3;
inline constexpr int handPoint = -21;
}  // namespace cellcursor

struct CellRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }    // first pixel outside
    int bottom() const { return top + height; }   // first pixel outside
    bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

// Where the cells of a grid lie: cells of s pixels with a 1-pixel gap between
// them and a 1-pixel margin at the left and top. The size is that of the cell
// itself, so cells of different sizes can share a grid.
namespace cellgeometry {
inline CellRect shape(int col, int row, int size) {
    return {col + (col - 1) * size, row + (row - 1) * size, size, size};
}
// The text area: one pixel inside the shape.
inline CellRect label(int col, int row, int size) {
    return {col + (col - 1) * size + 1, row + (row - 1) * size + 1, size - 2, size - 2};
}
// Bars 3 pixels thick over the right and the bottom edge, reaching across the gap.
inline CellRect rightBar(int col, int row, int size) { return {col + col * size - 1, row + (row - 1) * size, 3, size}; }
inline CellRect bottomBar(int col, int row, int size) { return {col + (col - 1) * size, row + row * size - 1, size, 3}; }
}  // namespace cellgeometry

struct CellShape {
    CellRect bounds;
    bool visible = false;
    Color brush = colors::white;
    Color pen = colors::black;
    int penWidth = 1;                    // the frame is drawn inside the bounds
    int cursor = cellcursor::platformDefault;
};

struct CellLabel {
    CellRect bounds;
    bool visible = false;
    std::string text;                    // Windows-1250
    int fontHeight = 0;                  // negative: character height in pixels
    std::string hint;                    // "col.row"
    int cursor = cellcursor::platformDefault;
};

// A black bar over the right or bottom edge of a cell.
struct EdgeBar {
    CellRect bounds;
    bool visible = false;
};

class GridCellsListener {
public:
    // One cell looks different (its colour, frame, text or visibility).
    virtual void cellChanged(int col, int row) = 0;
    // Cells were created or freed, or many cells changed at once.
    virtual void layoutChanged() = 0;
    // Only cursors changed: nothing to repaint.
    virtual void cursorsChanged() = 0;
    // The cells are being destroyed; the listener must not touch them again.
    virtual void cellsGone() = 0;

protected:
    ~GridCellsListener() = default;
};

// A table of per-cell slots indexed [col][row] from 1; a slot is empty while
// its cell does not exist.
template <class T>
class CellTable {
public:
    static constexpr int span = 41;
    CellTable() : slots_(span * span) {}
    std::span<const std::optional<T>, span> operator[](int col) const {
        assert(col >= 0 && col < span);
        return std::span<const std::optional<T>, span>(slots_.data() + col * span, span);
    }
    std::optional<T>& slot(int col, int row) {
        assert(col >= 0 && col < span && row >= 0 && row < span);
        return slots_[col * span + row];
    }

private:
    std::vector<std::optional<T>> slots_;
};

class GridCells {
public:
    static constexpr int maxCells = 40;
    static constexpr int tableSpan = maxCells + 1;

    GridCells() = default;
    virtual ~GridCells();
    GridCells(const GridCells&) = delete;
    GridCells& operator=(const GridCells&) = delete;

    const CellTable<CellShape>& cellShapes() const { return shapes_; }
    const CellTable<CellLabel>& cellLabels() const { return labels_; }
    const CellTable<EdgeBar>& rightBars() const { return rightBars_; }
    const CellTable<EdgeBar>& bottomBars() const { return bottomBars_; }

    // True when the cell exists (col and row may lie anywhere).
    bool hasCell(int col, int row) const;

    // Changes of one existing cell; a cell that does not exist is left alone.
    void setText(int col, int row, std::string text);
    void setBrush(int col, int row, Color colour);
    void setPen(int col, int row, Color colour, int width);
    void setShapeVisible(int col, int row, bool visible);
    void setLabelVisible(int col, int row, bool visible);
    void setCellVisible(int col, int row, bool visible);  // shape and label together
    void setCursor(int col, int row, int cursor);          // shape and label together
    // Needs the bars created with createEdgeBars.
    void setRightBarVisible(int col, int row, bool visible);
    void setBottomBarVisible(int col, int row, bool visible);

    // Creation and removal, for the grid's owner. A new cell lies above every
    // cell created before it.
    void createCell(int col, int row, const CellShape& shape, const CellLabel& label);
    void createEdgeBars(int col, int row, const EdgeBar& right, const EdgeBar& bottom);
    void removeCell(int col, int row);  // with its bars

    // Cells in the order they were created: the painter draws them in this
    // order and the topmost cell at a point is the last one here.
    struct Position {
        int col = 0;
        int row = 0;
    };
    const std::vector<Position>& stackingOrder() const { return order_; }
    // Rises with every cell created: of two cells, the one with the higher
    // number lies on top. 0 for a cell that does not exist.
    std::uint64_t stackingRank(int col, int row) const { return inRange(col, row) ? ranks_[col * tableSpan + row] : 0; }
    // How many cells there are of each cell size in use.
    const std::map<int, int>& cellSizes() const { return sizeCount_; }

    // The right and bottom edge of everything there is to paint.
    int extentWidth() const { return extentWidth_; }
    int extentHeight() const { return extentHeight_; }

    // The listener learns about every change; nullptr for none.
    void setListener(GridCellsListener* listener) { listener_ = listener; }
    GridCellsListener* listener() const { return listener_; }

    // Between these two, per-cell notices are held back and one layoutChanged
    // is sent at the end (batches nest): for changes of many cells at once.
    void beginBatch() { ++batch_; }
    void endBatch();
    class Batch {
    public:
        explicit Batch(GridCells& cells) : cells_(cells) { cells_.beginBatch(); }
        ~Batch() { cells_.endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        GridCells& cells_;
    };

private:
    void changed(int col, int row);
    void recomputeExtent();
    static bool inRange(int col, int row) { return col >= 1 && col <= maxCells && row >= 1 && row <= maxCells; }

    CellTable<CellShape> shapes_;
    CellTable<CellLabel> labels_;
    CellTable<EdgeBar> rightBars_;
    CellTable<EdgeBar> bottomBars_;
    std::vector<Position> order_;
    std::vector<std::uint64_t> ranks_ = std::vector<std::uint64_t>(tableSpan * tableSpan);
    std::uint64_t nextRank_ = 1;
    std::map<int, int> sizeCount_;
    int extentWidth_ = 0;
    int extentHeight_ = 0;
    int batch_ = 0;
    bool layoutDirty_ = false;
    bool cursorsDirty_ = false;
    GridCellsListener* listener_ = nullptr;
};
