#include "platform/core/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

int Canvas::fontPixelHeight() const {
    // point size × pixels per inch ÷ 72, rounded half away from zero
    const long long scaled = static_cast<long long>(std::abs(font_.pointSize)) * pixelsPerInchY();
    return static_cast<int>((scaled + 36) / 72);
}

void Canvas::lineTo(int x, int y) {
    const CanvasPoint to{x, y};
    drawLine(pen_, to);
    pen_ = to;
}

void Canvas::textOut(int x, int y, std::string_view text) {
    drawText(x, y, text);
    pen_ = {x + textWidth(text), y};
}

void Canvas::newPage() { startPage(); }

std::vector<RecordingCanvas::Operation> RecordingCanvas::operationsOf(Kind kind) const {
    std::vector<Operation> found;
    std::copy_if(operations_.begin(), operations_.end(), std::back_inserter(found),
                 [kind](const Operation& op) { return op.kind == kind; });
    return found;
}

int RecordingCanvas::pageCount() const {
    return 1 + static_cast<int>(std::count_if(operations_.begin(), operations_.end(),
                                              [](const Operation& op) { return op.kind == Kind::NewPage; }));
}

int RecordingCanvas::textWidth(std::string_view text) {
    const int perCharacter = std::abs(font().pointSize) * pixelsPerInchX() / 120;
    return static_cast<int>(text.size()) * perCharacter;
}

int RecordingCanvas::textHeight(std::string_view) { return fontPixelHeight(); }

RecordingCanvas::Operation RecordingCanvas::record(Kind kind, int left, int top, int right, int bottom) const {
    Operation op;
    op.kind = kind;
    op.left = left;
    op.top = top;
    op.right = right;
    op.bottom = bottom;
    op.pen = penColor();
    op.penWidth = penWidth();
    op.brush = brushColor();
    op.font = font();
    return op;
}

void RecordingCanvas::drawRectangle(int left, int top, int right, int bottom) {
    operations_.push_back(record(Kind::Rectangle, left, top, right, bottom));
}

void RecordingCanvas::drawFill(int left, int top, int right, int bottom) {
    operations_.push_back(record(Kind::Fill, left, top, right, bottom));
}

void RecordingCanvas::drawLine(CanvasPoint from, CanvasPoint to) {
    operations_.push_back(record(Kind::Line, from.x, from.y, to.x, to.y));
}

void RecordingCanvas::drawText(int x, int y, std::string_view text) {
    Operation op = record(Kind::Text, x, y, x + textWidth(text), y + textHeight(text));
    op.text = std::string(text);
    operations_.push_back(std::move(op));
}

void RecordingCanvas::startPage() { operations_.push_back(record(Kind::NewPage, 0, 0, 0, 0)); }
