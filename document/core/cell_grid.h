#pragma once
// The cell grid of a document window (and of the shape designer): which cells
// exist, where they lie and how a grid gets a new size.
//
// Every cell inside the size has a shape and a label (see GridCells); a cell's
// place and size come from the cell size in force when the cell was created,
// so after a change of that setting old and new cells may differ in size.

#include "document/core/document_kinds.h"
#include "platform/core/grid_cells.h"

#include <functional>

static_assert(maxGridSide <= GridCells::maxCells, "the cell tables hold every grid");

class CellGrid : public GridCells {
public:
    // What a kind of puzzle adds to the plain grid of the word search.
    struct Kind {
        int cursor = cellcursor::platformDefault;  // on shape and label of every new cell
        bool edgeBars = false;                     // a right and a bottom bar per cell, black and hidden
        // The kind's own work for every cell inside a new size, old or new,
        // after it was emptied.
        std::function<void(int col, int row)> cellReset;
    };

    // Shown while a resize runs: open before the first cell with the number of
    // steps; false when it cannot be opened, which abandons the resize. Then
    // one step per cell with the percentage done, and close at the end.
    class Progress {
    public:
        virtual bool open(int totalSteps) = 0;
        virtual void step(int done, int percent) = 0;
        virtual void close() = 0;

    protected:
        ~Progress() = default;
    };

    enum class ResizeResult {
        resized,
        sameSize,    // nothing to do, nothing cleared
        outOfRange,  // a size outside 2 to 40: refused, nothing changed
        noProgress,  // the progress display could not be opened: cells and size unchanged
    };

    void setKind(Kind kind) { kind_ = std::move(kind); }

    int currentCols() const { return currentCols_; }
    int currentRows() const { return currentRows_; }

    // Hidden cells. A hidden (blocked) cell shows neither its shape nor its
    // label and holds the text "@"; this is the one place that says so.
    bool isHidden(int col, int row) const { return hasCell(col, row) && !cellShapes()[col][row]->visible; }
    // Hides the cell, or shows it again; a cell shown again loses the "@" (other texts stay).
    void setHidden(int col, int row, bool hidden);
    // The cell's text as files and outputs hold it: "@" for a hidden cell, else what its label shows.
    std::string cellText(int col, int row) const;
    // The inverse: "@" hides the cell, any other text shows the cell with that text.
    void setCellText(int col, int row, std::string text);

    // Empties every cell inside the size: no text (a hidden cell keeps its
    // mark), white, no bars; which cells are shown stays.
    void clearCells();

    // Gives the grid cols × rows cells. Cells outside the new size are freed,
    // missing ones are created with `cellSize` (kept within 20 to 40), and
    // every cell inside the new size ends up visible, empty and white.
    ResizeResult resizeGrid(int cols, int rows, int cellSize, Progress* progress = nullptr);

    // The label's font height for a cell size: negative, the character height in pixels.
    static int fontHeight(int cellSize) { return 9 - cellSize; }
    // done × 100 / total rounded to the nearest integer, halves to even.
    static int percentDone(int done, int total);

private:
    void createCellAt(int col, int row, int cellSize);

    Kind kind_;
    int currentCols_ = 0;
    int currentRows_ = 0;
};
