#include "document/core/print_layout.h"

#include "platform/core/scaled_canvas.h"

namespace printlayout {

CanvasFont labelFont() { return CanvasFont{"Courier New", 8, false}; }

int frameRight(int columns) { return gridPitch * columns + 101; }
int frameBottom(int rows) { return gridPitch * rows + 105; }

void drawGridFrame(Canvas& canvas, int columns, int rows) {
    canvas.rectangle(frameLeft, frameTop, frameRight(columns), frameBottom(rows));
}

double gridPrintScale(int pageWidth, int pageHeight, int columns, int rows) {
    const int right = frameRight(columns);
    const int bottom = frameBottom(rows);
    if (right <= pageWidth && bottom <= pageHeight) return 1.0;
    return scaleToFit(pageWidth, pageHeight, right + frameLeft, bottom + frameTop);
}

RunningText::RunningText(Canvas& canvas, int base)
    : canvas_(canvas),
      right_(canvas.pageWidth() - pageMargin),
      bottom_(canvas.pageHeight() - pageMargin),
      base_(base) {
    canvas_.moveTo(textLeft, base_);
}

void RunningText::keepInside(int width) {
    if (canvas_.penPos().x + width >= right_) {
        lineOffset_ += lineStep;
        canvas_.moveTo(textLeft, base_ + lineOffset_);
    }
    if (canvas_.penPos().y >= bottom_) {
        canvas_.newPage();
        lineOffset_ = 0;
        base_ = pageMargin;
        canvas_.moveTo(textLeft, pageMargin);
    }
}

void RunningText::settle() {
    if (pendingWidth_) keepInside(*pendingWidth_);
    pendingWidth_.reset();
}

void RunningText::write(std::string_view piece) { write(piece, piece); }

void RunningText::write(std::string_view piece, std::string_view measuredAs) {
    settle();
    const int width = canvas_.textWidth(measuredAs);
    keepInside(width);
    canvas_.textOut(canvas_.penPos().x, base_ + lineOffset_, piece);
    pendingWidth_ = width;
}

void RunningText::newLine(int step) {
    settle();
    lineOffset_ += step;
    canvas_.moveTo(textLeft, base_ + lineOffset_);
}

}  // namespace printlayout
