#include "swedish/core/skr_print.h"

#include "platform/core/scaled_canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace swedish {

namespace skrprint {

double printScale(int pageWidth, int pageHeight, int columns, int rows, int frameWidth) {
    return scaleToFit(pageWidth, pageHeight, 140 * columns + 198 + frameWidth, 139 * rows + 148 + frameWidth);
}

}  // namespace skrprint

namespace {

Color fillOf(std::int32_t colour, const SkrPrintOptions& options) {
    switch (colour) {
    case kSkrBlack: return options.clueFill;
    case kSkrRed: return options.secretFill;
    default: return options.letterFill;
    }
}

void bar(Canvas& canvas, int left, int top, int right, int bottom) {
    if (left >= right || top >= bottom) return;  // a width of 0: no bars
    canvas.setBrushColor(colors::black);
    canvas.fillRect(left, top, right, bottom);
    canvas.setBrushColor(colors::white);
}

void drawClueLines(Canvas& canvas, const LegendCell& legend, int j, int i) {
    const int left = 140 * j + 58;
    for (int number = 1; number <= legend.count(); ++number) {
        const LegendLine& line = legend.line(number);
        canvas.setFontSize(drawnFontSize(line.fontSize));
        if (line.isSeparator()) {
            const int y = drawnPosition(std::int64_t{139} * i + 8 + line.top);
            canvas.moveTo(left, y);
            canvas.lineTo(left + 140, y);
            continue;
        }
        const int width = std::abs(canvas.textWidth(line.text));
        canvas.textOut(140 * j + 128 - width / 2, drawnPosition(std::int64_t{139} * i + 12 + line.top), line.text);
    }
}

}  // namespace

void drawSwedishPrint(Canvas& canvas, const SkrDocument& document, const SkrPrintOptions& options) {
    const int w = std::clamp(options.frameWidth, 0, skrprint::largestFrameWidth);
    const int cols = document.columns;
    const int rows = document.rows;
    ScaledCanvas page(canvas, skrprint::printScale(canvas.pageWidth(), canvas.pageHeight(), cols, rows, w));
    page.setFontFamily(skrprint::fontFamily);
    page.setPenColor(colors::black);
    page.setPenWidth(1);
    page.setBrushColor(colors::white);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) {
            const SkrCell& cell = document.cell(j, i);
            const int left = 140 * j + 58;
            const int right = 140 * j + 198;
            if (cell.visible) {
                page.setBrushColor(fillOf(cell.colour, options));
                page.rectangle(left, 139 * i + 8, right, 139 * i + 148);
                page.setBrushColor(colors::white);
            }
            if (j == 1) bar(page, 198 - w, 139 * i + 9, 198 + w, 139 * i + 148);
            if (j == cols) bar(page, 140 * cols + 198 - w, 139 * i + 9, 140 * cols + 198 + w, 139 * i + 148);
            if (i == 1) bar(page, left, 148 - w, right, 147 + w);
            if (i == rows) bar(page, left, 139 * rows + 149 - w, right, 139 * rows + 148 + w);
            // Clue lines belong to the clue cells of the puzzle; what a letter
            // or hidden cell kept of its time as a clue cell is not printed.
            if (cell.visible && cell.colour == kSkrBlack) drawClueLines(page, cell.legend, j, i);
        }
}

}  // namespace swedish
