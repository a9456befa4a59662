#include "wordsearch/core/osm_print.h"

#include <string>

namespace osmprint {

CanvasFont labelFont() {
    // 11 pixels on a screen of 96 pixels per inch; the print sets its own sizes.
    return CanvasFont{"Courier New", 8, false};
}

CanvasPoint cellOrigin(int column, int row) { return {17 + cellPitch * (column - 1), 10 + cellPitch * (row - 1)}; }

}  // namespace osmprint

namespace {

using namespace osmprint;

void drawGrid(Canvas& canvas, const OsmDocument& document) {
    canvas.rectangle(frameLeft, frameTop, cellPitch * document.columns + 101, cellPitch * document.rows + 105);
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const OsmCell& cell = document.cell(column, row);
            const CanvasPoint origin = cellOrigin(column, row);
            if (cell.hidden()) {
                canvas.setBrushColor(colors::black);
                canvas.fillRect(origin.x + 82, origin.y + 89, origin.x + 151, origin.y + 163);
                canvas.setBrushColor(colors::white);
            } else if (!cell.text.empty()) {
                // The two letters of CH would stand off centre at the place of one.
                const int x = cell.text == "CH" ? origin.x + 83 : origin.x + 100;
                canvas.textOut(x, origin.y + 100, cell.text);
            }
        }
}

// The words run on like text: each but the last followed by ", ", a new line
// before a word that would reach the right limit and after a line that
// reached it, a new page when a line would start at the bottom limit.
void drawWordList(Canvas& canvas, const OsmDocument& document) {
    const int right = canvas.pageWidth() - pageMargin;
    const int bottom = canvas.pageHeight() - pageMargin;
    int lineOffset = 0;
    int base = cellPitch * document.rows + wordListGap;
    canvas.moveTo(wordListLeft, base);

    const auto keepInside = [&](const std::string& spaced) {
        if (canvas.penPos().x + canvas.textWidth(spaced) >= right) {
            lineOffset += lineStep;
            canvas.moveTo(wordListLeft, base + lineOffset);
        }
        if (canvas.penPos().y >= bottom) {
            canvas.newPage();
            lineOffset = 0;
            base = pageMargin;
            canvas.moveTo(wordListLeft, pageMargin);
        }
    };

    const std::size_t count = document.words.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& word = document.words[i];
        const std::string spaced = word + ", ";
        const bool last = i + 1 == count;
        keepInside(spaced);
        canvas.textOut(canvas.penPos().x, base + lineOffset, last ? word : spaced);
        // After the last word nothing follows: no further line, and above all
        // no empty page.
        if (!last) keepInside(spaced);
    }
}

}  // namespace

void drawWordSearchPrint(Canvas& canvas, const OsmDocument& document, const CanvasFont& font) {
    CanvasFont gridFont = font;
    gridFont.pointSize = gridFontSize;
    canvas.setFont(gridFont);
    drawGrid(canvas, document);

    CanvasFont listFont = font;
    listFont.pointSize = wordListFontSize;
    canvas.setFont(listFont);
    drawWordList(canvas, document);
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

void fillWordSearchPicture(PictureGrid& picture, const OsmDocument& document) {
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const OsmCell& cell = document.cell(column, row);
            picture.cellTexts[column - 1][row - 1] = cell.text;
            picture.cellMarks[column - 1][row - 1] = cell.hidden() ? PictureGrid::blockedCell : PictureGrid::openCell;
        }
    picture.gridCols = document.columns;
    picture.gridRows = document.rows;
}
