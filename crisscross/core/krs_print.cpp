#include "crisscross/core/krs_print.h"

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
    if (document.lastLegendLine < 0) return;
    list.newLine(printlayout::lineStep);
    for (int line = 0; line <= document.lastLegendLine && line < krs::digitCount; ++line)
        list.write(document.legendLines[static_cast<std::size_t>(line)]);
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
    bool ok = true;
    // The grid stands beside the numbers, from column B.
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const KrsCell& cell = document.cell(column, row);
            const std::string reference = cellReference(column + 1, row);
            if (cell.hidden()) {
                ok = book.selectCell(reference) && book.fillSelection(patterns::solid, colors::black, colors::black) &&
                     ok;
                continue;
            }
            if (withDigits) ok = book.setCellText(row, column + 1, cell.text) && ok;
            ok = book.selectCell(reference) &&
                 book.setBorder(borders::unchanged, borders::thin, borders::thin, borders::thin, borders::thin, 0,
                                colors::black, colors::black, colors::black, colors::black, colors::black) &&
                 ok;
        }
    ok = book.selectRange(1, 2, document.rows, document.columns + 1) &&
         book.setBorder(borders::thick, borders::unchanged, borders::unchanged, borders::unchanged, borders::unchanged,
                        0, colors::black, colors::black, colors::black, colors::black, colors::black) &&
         ok;
    int row = 1;
    for (const std::string& number : document.numberList) ok = book.setCellText(row++, 1, number) && ok;
    return ok;
}

}  // namespace

bool fillCrissCrossWorkbook(Workbook& book, const KrsDocument& document) {
    bool ok = book.setSheetName(1, "Nevyplneny") && book.setSheetName(2, "Vyplneny");
    ok = book.setCurrentSheet(2) && fillSheet(book, document, true) && ok;
    ok = book.setCurrentSheet(1) && fillSheet(book, document, false) && ok;
    return book.setCurrentSheet(2) && book.selectCell("A1") && ok;
}

void fillCrissCrossPicture(PictureGrid& picture, const KrsDocument& document) { fillPictureCells(picture, document); }
