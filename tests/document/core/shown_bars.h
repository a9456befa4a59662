#pragma once
// The word-end bars a grid shows, for tests that check which bars an action
// put up or took down.

#include "document/core/cell_grid.h"

#include <string>
#include <vector>

// Every bar shown, row by row and column by column: "R3.2" the right bar of
// cell (3, 2), "B3.2" its bottom bar.
inline std::vector<std::string> shownBars(const CellGrid& grid) {
    std::vector<std::string> shown;
    for (int row = 1; row <= grid.currentRows(); ++row)
        for (int col = 1; col <= grid.currentCols(); ++col) {
            const std::string cell = std::to_string(col) + "." + std::to_string(row);
            if (grid.rightBars()[col][row] && grid.rightBars()[col][row]->visible) shown.push_back("R" + cell);
            if (grid.bottomBars()[col][row] && grid.bottomBars()[col][row]->visible) shown.push_back("B" + cell);
        }
    return shown;
}
