#include "crisscross/core/krs_print.h"

#include "document/core/grid_sheets.h"
#include "document/core/print_layout.h"
#include "platform/core/scaled_canvas.h"

#include <string>

namespace krsprint {

CellBox cellBox(int column, int row) {
    const int left = printlayout::frameLeft + 1 + printlayout::gridPitch * (column - 1);
    const int top = printlayout::frameTop + printlayout::gridPitch * (row - 1);
    return {left, top, left + 69, top + 74};
}

}  // namespace krsprint

namespace {

void drawGrid(Canvas& canvas, const KrsDocument& document) {
    printlayout::drawGridFrame(canvas, document.columns, document.rows);
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const krsprint::CellBox box = krsprint::cellBox(column, row);
            const bool blocked = document.cell(column, row).hidden();
            if (blocked) canvas.setBrushColor(colors::black);
            canvas.rectangle(box.left, box.top, box.right, box.bottom);
            if (blocked) canvas.setBrushColor(colors::white);
        }
}

void drawNumbers(Canvas& canvas, const KrsDocument& document) {
    printlayout::RunningText list(canvas, printlayout::gridPitch * document.rows + krsprint::listGap);
    const std::vector<std::string>& numbers = document.numberList;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        std::string item = numbers[i];
        if (i + 1 < numbers.size()) item += numbers[i + 1].size() > numbers[i].size() ? "; " : ", ";
        list.write(item);
    }
    if (document.lastDigitKeyLine < 0) return;
    list.newLine(printlayout::lineStep);
    for (int line = 0; line <= document.lastDigitKeyLine && line < krs::digitCount; ++line)
        list.write(document.digitKey[static_cast<std::size_t>(line)]);
}

}  // namespace

void drawCrissCrossPrint(Canvas& canvas, const KrsDocument& document, const CanvasFont& font) {
    ScaledCanvas page(canvas, printlayout::gridPrintScale(canvas.pageWidth(), canvas.pageHeight(), document.columns,
                                                          document.rows));
    page.setFont(font);
    drawGrid(page, document);
    page.setFontSize(krsprint::listFontSize);
    drawNumbers(page, document);
}

namespace {

bool fillSheet(Workbook& book, const KrsDocument& document, bool withDigits) {
    // The grid stands beside the numbers, from column B.
    bool ok = gridsheets::fillGrid(book, document, [&](int column, int row) {
        return !withDigits || book.setCellText(row, column + 1, document.cell(column, row).text);
    });
    int row = 1;
    for (const std::string& number : document.numberList) ok = book.setCellText(row++, 1, number) && ok;
    return ok;
}

}  // namespace

bool fillCrissCrossWorkbook(Workbook& book, const KrsDocument& document) {
    return gridsheets::fillBlankAndFilled(book, "Nevyplneny", "Vyplneny",
                                          [&](bool filled) { return fillSheet(book, document, filled); });
}

void fillCrissCrossPicture(PictureGrid& picture, const KrsDocument& document) { fillPictureCells(picture, document); }
