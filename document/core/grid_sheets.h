#pragma once
// What the spreadsheet exports of the crossword and the criss-cross share:
// a workbook of two sheets, the blank puzzle and the filled one, each with the
// grid drawn from column B.

#include "platform/core/workbook.h"

#include <functional>
#include <string_view>

namespace gridsheets {

// Sets the sides given of every selected cell in black (`outline` those on the
// selection's edge) and leaves the sides given as borders::unchanged.
bool setBlackBorder(Workbook& book, int outline, int left, int right, int top, int bottom);

// Names sheet 1 `blankName` and sheet 2 `filledName`, fills sheet 2 with
// fill(true) and then sheet 1 with fill(false), each while it is current;
// sheet 2 is current afterwards with "A1" selected. Every step is tried;
// false when any was refused.
bool fillBlankAndFilled(Workbook& book, std::string_view blankName, std::string_view filledName,
                        const std::function<bool(bool filled)>& fill);

// The grid of `document` (a CellMatrix whose cells know `hidden()`) on the
// current sheet, grid column c in sheet column c + 1 and grid row r in sheet
// row r: a hidden cell solid black; every other cell in a thin box, after
// which `cell(column, row)` adds the kind's own (a text, a fill, thick sides)
// while that cell is selected; last a thick frame round the grid. False when
// any step was refused.
template <class Matrix, class CellWork>
bool fillGrid(Workbook& book, const Matrix& document, CellWork&& cell) {
    using borders::thin;
    using borders::unchanged;
    bool ok = true;
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const bool selected = book.selectCell(cellReference(column + 1, row));
            if (document.cell(column, row).hidden()) {
                ok = selected && book.fillSelection(patterns::solid, colors::black, colors::black) && ok;
                continue;
            }
            ok = selected && setBlackBorder(book, unchanged, thin, thin, thin, thin) && ok;
            ok = cell(column, row) && ok;
        }
    return book.selectRange(1, 2, document.rows, document.columns + 1) &&
           setBlackBorder(book, borders::thick, unchanged, unchanged, unchanged, unchanged) && ok;
}

}  // namespace gridsheets
