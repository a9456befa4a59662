#include "crisscross/core/krs_print.h"

void fillCrissCrossPicture(PictureGrid& picture, const KrsDocument& document) {
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const KrsCell& cell = document.cell(column, row);
            picture.cellTexts[column - 1][row - 1] = cell.text;
            picture.cellMarks[column - 1][row - 1] = cell.hidden() ? PictureGrid::blockedCell : PictureGrid::openCell;
        }
    picture.gridCols = document.columns;
    picture.gridRows = document.rows;
}
