#include "document/core/print_layout.h"

#include "platform/core/scaled_canvas.h"

#include <algorithm>
#include <string>

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

void RunningText::moveDown(int step) {
    lineOffset_ += step;
    canvas_.moveTo(textLeft, base_ + lineOffset_);
}

void RunningText::keepOnPage() {
    if (canvas_.penPos().y >= bottom_) {
        canvas_.newPage();
        lineOffset_ = 0;
        base_ = pageMargin;
        canvas_.moveTo(textLeft, pageMargin);
    }
}

void RunningText::keepInside(int width) {
    if (canvas_.penPos().x + width >= right_) moveDown(lineStep);
    keepOnPage();
}

void RunningText::settle() {
    if (pendingWidth_) keepInside(*pendingWidth_);
    pendingWidth_.reset();
}

void RunningText::write(std::string_view piece) { write(piece, {}); }

void RunningText::write(std::string_view piece, std::string_view undrawnTail) {
    settle();
    std::string measured(piece);
    measured += undrawnTail;
    const int width = canvas_.textWidth(measured);
    if (width > right_ - textLeft) {
        writeBroken(piece, measured);
        return;
    }
    keepInside(width);
    canvas_.textOut(canvas_.penPos().x, base_ + lineOffset_, piece);
    pendingWidth_ = width;
}

RunningText::LineEnd RunningText::lineEnd(std::string_view text) {
    const int room = right_ - textLeft;
    const auto fits = [&](std::size_t length) { return canvas_.textWidth(text.substr(0, length)) <= room; };
    if (fits(text.size())) return {text.size(), text.size()};
    // The longest beginning that fits: `fitting` fits, `tooLong` does not.
    std::size_t fitting = 0;
    std::size_t tooLong = text.size();
    while (tooLong - fitting > 1) {
        const std::size_t middle = fitting + (tooLong - fitting) / 2;
        (fits(middle) ? fitting : tooLong) = middle;
    }
    // The last blank within it (or right after it) ends the line, when
    // something stands before that blank.
    const std::size_t blank = text.rfind(' ', fitting);
    if (blank != std::string_view::npos) {
        const std::size_t kept = text.find_last_not_of(' ', blank);
        if (kept != std::string_view::npos) {
            const std::size_t next = text.find_first_not_of(' ', blank);
            return {kept + 1, next == std::string_view::npos ? text.size() : next};
        }
    }
    const std::size_t length = std::max<std::size_t>(fitting, 1);
    return {length, length};
}

void RunningText::writeBroken(std::string_view piece, std::string_view measured) {
    if (canvas_.penPos().x != textLeft) moveDown(lineStep);
    keepOnPage();
    std::size_t start = 0;  // where the current line's text starts in `measured`
    for (;;) {
        const LineEnd end = lineEnd(measured.substr(start));
        // What is drawn of the line: the part of it that belongs to the piece.
        if (start < piece.size()) {
            const std::size_t length = std::min(end.length, piece.size() - start);
            canvas_.textOut(canvas_.penPos().x, base_ + lineOffset_, piece.substr(start, length));
        }
        if (start + end.next >= measured.size()) {
            pendingWidth_ = canvas_.textWidth(measured.substr(start, end.length));
            return;
        }
        start += end.next;
        moveDown(lineStep);
        keepOnPage();
    }
}

void RunningText::newLine(int step) {
    settle();
    moveDown(step);
}

}  // namespace printlayout
