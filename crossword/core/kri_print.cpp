#include "crossword/core/kri_print.h"

#include "document/core/grid_sheets.h"
#include "document/core/letter_use.h"
#include "document/core/print_layout.h"
#include "platform/core/scaled_canvas.h"

#include <algorithm>
#include <string_view>

namespace crossword {

namespace kriprint {

std::string label(int number, LabelStyle style) {
    if (style == LabelStyle::letters && number >= 1 && number <= 191)
        return std::string(1, static_cast<char>(static_cast<unsigned char>(64 + number)));
    return std::to_string(number);
}

CanvasFont font(int pointSize) {
    CanvasFont printFont = printlayout::labelFont();
    printFont.pointSize = pointSize;
    return printFont;
}

double printScale(int pageWidth, int pageHeight, int columns, int rows, const PrintSizes& sizes) {
    const PrintSizes in = clampedPrintSizes(sizes);
    const int s = in.cellSize;
    const int t = in.separatorHalfWidth;
    // The outer edges of the frame's bars (right and bottom excluded).
    const int right = gridLeft + s * columns + t;
    const int bottom = gridTop - rows + s * rows + t;
    if (right <= pageWidth && bottom <= pageHeight) return 1.0;
    return scaleToFit(pageWidth, pageHeight, right + gridLeft - t, bottom + gridTop - t);
}

}  // namespace kriprint

namespace {

using namespace kriprint;

// Where the cells of row `n` and column `i` start and end; the bars of the
// frame and the separators are measured from the same edges.
struct Pitch {
    int s;
    int left(int i) const { return gridLeft + s * (i - 1); }
    int right(int i) const { return gridLeft + s * i; }
    int top(int n) const { return gridTop - n + s * (n - 1); }
    int bottom(int n) const { return gridTop - n + s * n; }
};

void fillBlack(Canvas& canvas, int left, int top, int right, int bottom) {
    canvas.setBrushColor(colors::black);
    canvas.fillRect(left, top, right, bottom);
    canvas.setBrushColor(colors::white);
}

// Where a row label starts: a label of one character at `rowLabelRight` − f,
// a longer one (the numbers from 10 on) so that it ends where its last
// character would end alone; and never so far right that it reaches the
// frame's left bar.
int rowLabelLeft(Canvas& canvas, const std::string& text, int f, int t) {
    const int width = canvas.textWidth(text);
    const int aligned = rowLabelRight - f + canvas.textWidth(std::string_view(text).substr(text.size() - 1)) - width;
    return std::min(aligned, gridLeft - t - width);
}

void drawGrid(Canvas& canvas, const PrintedCrossword& crossword, const PrintOptions& options) {
    const Pitch p{options.sizes.cellSize};
    const int t = options.sizes.separatorHalfWidth;
    const int f = canvas.fontPixelHeight();
    const int cols = crossword.columns;
    const int rows = crossword.rows;

    // The column labels end above the frame's top bar.
    const int columnLabelTop = std::min(columnLabelBottom, gridTop - t) - f;
    for (int n = 1; n <= cols; ++n)
        canvas.textOut(p.left(n) + p.s / 2 - f / 2, columnLabelTop, label(n, options.columnLabels));

    for (int n = 1; n <= rows; ++n) {
        const std::string rowLabel = label(n, options.rowLabels);
        canvas.textOut(rowLabelLeft(canvas, rowLabel, f, t), p.top(n) + p.s / 2 - f / 2, rowLabel);
        for (int i = 1; i <= cols; ++i) {
            if (crossword.cell(i, n).hidden)
                fillBlack(canvas, p.left(i), p.top(n), p.right(i), p.bottom(n));
            else
                canvas.rectangle(p.left(i), p.top(n), p.right(i), p.bottom(n));
            // The frame: the bars over the grid's outer edges.
            if (i == 1) fillBlack(canvas, gridLeft - t, p.top(n) + 1, gridLeft + t, p.bottom(n));
            if (i == cols) fillBlack(canvas, p.right(i) - t, p.top(n) + 1, p.right(i) + t, p.bottom(n));
            if (n == 1) fillBlack(canvas, p.left(i), gridTop - t, p.right(i), gridTop - 1 + t);
            if (n == rows) fillBlack(canvas, p.left(i), p.bottom(n) + 1 - t, p.right(i), p.bottom(n) + t);
        }
    }

    if (!options.separators) return;
    // The bars inside the grid; those over its outer edges are the frame's.
    for (int n = 1; n <= rows; ++n)
        for (int i = 1; i <= cols; ++i) {
            const PrintedCell& cell = crossword.cell(i, n);
            if (cell.rightBar && i < cols) fillBlack(canvas, p.right(i) - t, p.top(n) + 1, p.right(i) + t, p.bottom(n));
            if (cell.bottomBar && n < rows) fillBlack(canvas, p.left(i), p.bottom(n) - t, p.right(i), p.bottom(n) - 1 + t);
        }
}

// One list as running text: the heading and the label of the first word's
// line, then every clue followed by "; ", the label of its line before the
// first clue of each further line.
void writeList(printlayout::RunningText& text, std::string_view heading, const CrosswordWordTable& table,
               LabelStyle style) {
    int previousLine = 0;
    for (std::size_t k = 0; k < table.size(); ++k) {
        const ClueRow& entry = table[k];
        std::string piece;
        if (k == 0)
            piece = std::string(heading) + ": " + label(entry.line, style) + ": ";
        else if (entry.line != previousLine)
            piece = label(entry.line, style) + ": ";
        piece += entry.clue;
        piece += "; ";
        previousLine = entry.line;
        text.write(piece);
    }
}

}  // namespace

void drawCrosswordPrint(Canvas& page, const PrintedCrossword& crossword, const PrintOptions& chosen) {
    PrintOptions options = chosen;
    options.sizes = clampedPrintSizes(chosen.sizes);
    ScaledCanvas canvas(page, printScale(page.pageWidth(), page.pageHeight(), crossword.columns, crossword.rows,
                                         options.sizes));
    canvas.setPenColor(colors::black);
    canvas.setBrushColor(colors::white);
    canvas.setFont(font(options.sizes.labelFontSize));
    if (options.grid) drawGrid(canvas, crossword, options);
    if (!options.across && !options.down) return;

    canvas.setFont(font(options.sizes.clueFontSize));
    printlayout::RunningText text(canvas, options.sizes.cellSize * crossword.rows + listGap);
    if (options.across) writeList(text, "Vodorovn\xEC", crossword.across, options.rowLabels);
    if (options.down && !crossword.down.empty()) {
        text.newLine(downListGap);
        writeList(text, "Svisle", crossword.down, options.columnLabels);
    }
}

// ---- the spreadsheet export --------------------------------------------------------

namespace {

constexpr std::string_view acrossHeading = "Vodorovn\xEC:";
constexpr std::string_view downHeading = "Svisle:";

bool boldHeading(Workbook& book, int row) {
    if (!book.selectCell(cellReference(1, row))) return false;
    CellFont heading = book.selectionFont();
    heading.bold = true;
    heading.size = 10;
    return book.setSelectionFont(heading);
}

// One sheet: the grid with or without its letters, then the lists of words
// (`words`) or of clues.
bool fillSheet(Workbook& book, const KriDocument& crossword, bool words) {
    using borders::thick;
    using borders::unchanged;
    using gridsheets::setBlackBorder;
    bool ok = gridsheets::fillGrid(book, crossword, [&](int c, int r) {
        const KriCell& cell = crossword.cell(c, r);
        bool done = true;
        if (LetterUse{cell.useAcross, cell.useDown}.secret())
            done = book.fillSelection(patterns::solid, colors::silver, colors::black);
        if (words) done = book.setCellText(r, c + 1, cell.text) && done;
        // The ends of the words, each side by its own call.
        if (cell.bottomBar) done = setBlackBorder(book, unchanged, unchanged, unchanged, unchanged, thick) && done;
        if (r > 1 && crossword.cell(c, r - 1).bottomBar)
            done = setBlackBorder(book, unchanged, unchanged, unchanged, thick, unchanged) && done;
        if (cell.rightBar) done = setBlackBorder(book, unchanged, unchanged, thick, unchanged, unchanged) && done;
        if (c > 1 && crossword.cell(c - 1, r).rightBar)
            done = setBlackBorder(book, unchanged, thick, unchanged, unchanged, unchanged) && done;
        return done;
    });

    // A clue grid without words still has its one empty row.
    static const std::vector<ClueRow> emptyGrid(1);
    const std::vector<ClueRow>& across = crossword.across.empty() ? emptyGrid : crossword.across;
    const std::vector<ClueRow>& down = crossword.down.empty() ? emptyGrid : crossword.down;
    const auto text = [words](const ClueRow& row) -> const std::string& { return words ? row.word : row.clue; };
    ok = book.setCellText(1, 1, acrossHeading) && ok;
    int row = 2;
    for (const ClueRow& entry : across) ok = book.setCellText(row++, 1, text(entry)) && ok;
    const int downRow = ++row;  // one empty row between the lists
    ok = book.setCellText(row++, 1, downHeading) && ok;
    for (const ClueRow& entry : down) ok = book.setCellText(row++, 1, text(entry)) && ok;

    ok = boldHeading(book, 1) && ok;
    ok = boldHeading(book, downRow) && ok;
    return ok;
}

}  // namespace

bool fillCrosswordWorkbook(Workbook& book, const KriDocument& crossword) {
    return gridsheets::fillBlankAndFilled(book, "Nevyplnena", "Vyplnena",
                                          [&](bool filled) { return fillSheet(book, crossword, filled); });
}

void fillCrosswordPicture(PictureGrid& picture, const KriDocument& crossword) {
    fillPictureCells(picture, crossword);
    for (int row = 1; row <= crossword.rows; ++row)
        for (int col = 1; col <= crossword.columns; ++col) {
            const KriCell& cell = crossword.cell(col, row);
            // A hidden cell stays blocked, whatever its letter use says.
            if (!cell.hidden() && LetterUse{cell.useAcross, cell.useDown}.secret())
                picture.cellMarks[col - 1][row - 1] = PictureGrid::secretCell;
            picture.rightBarMarks[col - 1][row - 1] = cell.rightBar ? PictureGrid::barShown : PictureGrid::noBar;
            picture.bottomBarMarks[col - 1][row - 1] = cell.bottomBar ? PictureGrid::barShown : PictureGrid::noBar;
        }
}

}  // namespace crossword
