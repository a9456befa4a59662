#include "platform/core/scaled_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace {

// Divisions by the factor that should come out whole must not drift to the
// next number by the last bit of a double.
constexpr double slack = 1e-9;

int toInt(double value) { return static_cast<int>(value); }

}  // namespace

ScaledCanvas::ScaledCanvas(Canvas& inner, double factor) : inner_(inner), factor_(factor) {
    if (!(factor > 0.0 && factor <= 1.0)) throw std::invalid_argument("scale factor outside (0, 1]");
    setPenColor(inner.penColor());
    setPenWidth(inner.penWidth());
    setBrushColor(inner.brushColor());
    setFont(inner.font());
    moveTo(inner.penPos().x, inner.penPos().y);
}

ScaledCanvas::~ScaledCanvas() {
    passTools();
    inner_.moveTo(scaled(penPos().x), scaled(penPos().y));
}

int ScaledCanvas::scaled(int value) const {
    if (factor_ == 1.0) return value;
    return toInt(std::lround(factor_ * value));
}

CanvasFont ScaledCanvas::scaledFont() const {
    CanvasFont scaledFont = font();
    if (factor_ != 1.0) scaledFont.pointSize = std::max(1, scaled(std::abs(scaledFont.pointSize)));
    return scaledFont;
}

void ScaledCanvas::passTools() {
    inner_.setPenColor(penColor());
    inner_.setPenWidth(std::max(1, scaled(penWidth())));
    inner_.setBrushColor(brushColor());
    inner_.setFont(scaledFont());
}

int ScaledCanvas::textWidth(std::string_view text) {
    inner_.setFont(scaledFont());
    return toInt(std::ceil(inner_.textWidth(text) / factor_ - slack));
}

int ScaledCanvas::textHeight(std::string_view text) {
    inner_.setFont(scaledFont());
    return toInt(std::ceil(inner_.textHeight(text) / factor_ - slack));
}

int ScaledCanvas::pageWidth() const { return toInt(std::floor(inner_.pageWidth() / factor_ + slack)); }
int ScaledCanvas::pageHeight() const { return toInt(std::floor(inner_.pageHeight() / factor_ + slack)); }
int ScaledCanvas::pixelsPerInchX() const { return toInt(std::lround(inner_.pixelsPerInchX() / factor_)); }
int ScaledCanvas::pixelsPerInchY() const { return toInt(std::lround(inner_.pixelsPerInchY() / factor_)); }

void ScaledCanvas::drawRectangle(int left, int top, int right, int bottom) {
    passTools();
    inner_.rectangle(scaled(left), scaled(top), scaled(right), scaled(bottom));
}

void ScaledCanvas::drawFill(int left, int top, int right, int bottom) {
    passTools();
    inner_.fillRect(scaled(left), scaled(top), scaled(right), scaled(bottom));
}

void ScaledCanvas::drawLine(CanvasPoint from, CanvasPoint to) {
    passTools();
    inner_.moveTo(scaled(from.x), scaled(from.y));
    inner_.lineTo(scaled(to.x), scaled(to.y));
}

void ScaledCanvas::drawText(int x, int y, std::string_view text) {
    passTools();
    inner_.textOut(scaled(x), scaled(y), text);
}

void ScaledCanvas::startPage() {
    passTools();
    inner_.newPage();
}

double scaleToFit(int pageWidth, int pageHeight, int contentWidth, int contentHeight) {
    double factor = 1.0;
    if (pageWidth > 0 && contentWidth > 0) factor = std::min(factor, static_cast<double>(pageWidth) / contentWidth);
    if (pageHeight > 0 && contentHeight > 0) factor = std::min(factor, static_cast<double>(pageHeight) / contentHeight);
    return factor;
}
