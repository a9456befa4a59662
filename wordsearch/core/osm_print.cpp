#include "wordsearch/core/osm_print.h"

#include "document/core/print_layout.h"
#include "platform/core/scaled_canvas.h"

#include <string>

namespace osmprint {

CanvasFont labelFont() { return printlayout::labelFont(); }

CellBox cellBox(int column, int row) {
    const int left = printlayout::frameLeft + 1 + printlayout::gridPitch * (column - 1);
    const int top = printlayout::frameTop + printlayout::gridPitch * (row - 1);
    return {left, top, left + printlayout::gridPitch, top + printlayout::gridPitch};
}

double printScale(int pageWidth, int pageHeight, int columns, int rows) {
    return printlayout::gridPrintScale(pageWidth, pageHeight, columns, rows);
}

}  // namespace osmprint

namespace {

using namespace osmprint;

// A cell's text in the middle of its cell, by the text's own box: a fixed
// offset from the cell's corner lets a real font's letters reach the frame
// below the last row, and the two letters of "CH" stand off centre. A text
// larger than its cell (the two letters of "CH" on a grid drawn smaller,
// whose font size rounds up) is drawn a size smaller until it fits, so that
// its box, painted in the brush colour, covers no line of the frame.
void drawInCell(Canvas& canvas, const CellBox& box, const std::string& text) {
    const CanvasFont gridFont = canvas.font();
    int width = canvas.textWidth(text);
    int height = canvas.textHeight(text);
    while ((width > printlayout::gridPitch || height > printlayout::gridPitch) && canvas.font().pointSize > 1) {
        canvas.setFontSize(canvas.font().pointSize - 1);
        width = canvas.textWidth(text);
        height = canvas.textHeight(text);
    }
    canvas.textOut(box.left + (printlayout::gridPitch - width) / 2, box.top + (printlayout::gridPitch - height) / 2,
                   text);
    canvas.setFont(gridFont);
}

void drawGrid(Canvas& canvas, const OsmDocument& document) {
    printlayout::drawGridFrame(canvas, document.columns, document.rows);
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const OsmCell& cell = document.cell(column, row);
            const CellBox box = cellBox(column, row);
            if (cell.hidden()) {
                canvas.setBrushColor(colors::black);
                canvas.fillRect(box.left, box.top, box.right, box.bottom);
                canvas.setBrushColor(colors::white);
            } else if (!cell.text.empty()) {
                drawInCell(canvas, box, cell.text);
            }
        }
}

// The words run on like text below the grid, each but the last followed by
// ", ". Every word is measured with its separator, the last one too.
void drawWordList(Canvas& canvas, const OsmDocument& document) {
    printlayout::RunningText list(canvas, printlayout::gridPitch * document.rows + wordListGap);
    const std::size_t count = document.words.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& word = document.words[i];
        if (i + 1 == count)
            list.write(word, ", ");
        else
            list.write(word + ", ");
    }
}

}  // namespace

void drawWordSearchPrint(Canvas& canvas, const OsmDocument& document, const CanvasFont& font) {
    ScaledCanvas page(canvas, printScale(canvas.pageWidth(), canvas.pageHeight(), document.columns, document.rows));

    CanvasFont gridFont = font;
    gridFont.pointSize = gridFontSize;
    page.setFont(gridFont);
    drawGrid(page, document);

    CanvasFont listFont = font;
    listFont.pointSize = wordListFontSize;
    page.setFont(listFont);
    drawWordList(page, document);
}

bool fillWordSearchWorkbook(Workbook& book, const OsmDocument& document) {
    bool ok = book.setSheetName(1, "Osmismerka") && book.setSheetName(2, "List2") && book.setCurrentSheet(1);
    // The grid stands beside the word list, from column B.
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const OsmCell& cell = document.cell(column, row);
            if (cell.hidden())
                ok = book.selectCell(cellReference(column + 1, row)) &&
                     book.fillSelection(patterns::solid, colors::black, colors::black) && ok;
            else
                ok = book.setCellText(row, column + 1, cell.text) && ok;
        }
    ok = book.selectRange(1, 2, document.rows, document.columns + 1) &&
         book.setBorder(borders::thin, borders::unchanged, borders::unchanged, borders::unchanged, borders::unchanged,
                        0, colors::black, colors::black, colors::black, colors::black, colors::black) &&
         ok;
    int row = 1;
    for (const std::string& word : document.words) ok = book.setCellText(row++, 1, word) && ok;
    return ok;
}

void fillWordSearchPicture(PictureGrid& picture, const OsmDocument& document) { fillPictureCells(picture, document); }
