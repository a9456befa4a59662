#pragma once
// The cells of a grid as documents, snapshots and shapes hold them:
// columns × rows cells, rows outer and columns inner, addressed from 1.

#include <algorithm>
#include <cstddef>
#include <vector>

template <class Cell>
struct CellMatrix {
    int columns = 0;
    int rows = 0;
    std::vector<Cell> cells;  // rows outer, columns inner; columns × rows entries

    // Gives the matrix columns × rows cells as a new cell is.
    void resize(int newColumns, int newRows) {
        columns = newColumns;
        rows = newRows;
        cells.assign(static_cast<std::size_t>(std::max(columns, 0)) * static_cast<std::size_t>(std::max(rows, 0)), Cell{});
    }
    // Whether there are as many cells as the size says (writers store nothing else).
    bool matchesSize() const {
        return columns >= 0 && rows >= 0 &&
               cells.size() == static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    }

    // Column and row count from 1.
    Cell& cell(int column, int row) { return cells[index(column, row)]; }
    const Cell& cell(int column, int row) const { return cells[index(column, row)]; }

    friend bool operator==(const CellMatrix&, const CellMatrix&) = default;

private:
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns) +
               static_cast<std::size_t>(column - 1);
    }
};

// A new document (or shape) of a size: every cell as a new cell is.
template <class Matrix>
Matrix blankMatrix(int columns, int rows) {
    Matrix matrix;
    matrix.resize(columns, rows);
    return matrix;
}
