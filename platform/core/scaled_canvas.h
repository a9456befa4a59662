#pragma once
// Drawing a layout smaller than it was measured, so that it fits the page.
//
// A ScaledCanvas stands in front of another canvas with a factor f
// (0 < f ≤ 1). Layout code draws on it in its own (logical) pixels, exactly as
// it would on the page at full size; the wrapper hands every operation on with
//   - every coordinate round(f × value),
//   - every font size max(1, round(f × size)) (by its magnitude, as the
//     canvas reads a size),
//   - the pen width max(1, round(f × width)),
//   - pen colour, brush colour, font family and weight, new pages unchanged.
// What the layout measures comes back in logical pixels: the page is
// inner size ÷ f (rounded down, so that the scaled layout never passes the
// page), a text is its width or height in the scaled font ÷ f (rounded up, so
// that pieces of running text never run into each other), and pixels per inch
// are inner ÷ f. Running text therefore wraps and breaks pages as it would on
// a page 1 ÷ f times as large.
//
// At f = 1 the wrapper changes nothing: the inner canvas receives exactly
// the operations, tools and pen position it would have received directly.
//
// The wrapper starts with the inner canvas's tools and pen position (taken
// as logical values) and, when it goes, leaves the inner canvas with its own
// tools and pen position, scaled, as drawing on it directly would have.

#include "platform/core/canvas.h"

#include <string_view>

class ScaledCanvas : public Canvas {
public:
    // Throws std::invalid_argument unless 0 < factor ≤ 1.
    ScaledCanvas(Canvas& inner, double factor);
    ~ScaledCanvas() override;
    ScaledCanvas(const ScaledCanvas&) = delete;
    ScaledCanvas& operator=(const ScaledCanvas&) = delete;

    double factor() const { return factor_; }

    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;
    int pageWidth() const override;
    int pageHeight() const override;
    int pixelsPerInchX() const override;
    int pixelsPerInchY() const override;

protected:
    void drawRectangle(int left, int top, int right, int bottom) override;
    void drawFill(int left, int top, int right, int bottom) override;
    void drawLine(CanvasPoint from, CanvasPoint to) override;
    void drawText(int x, int y, std::string_view text) override;
    void startPage() override;

private:
    int scaled(int value) const;
    CanvasFont scaledFont() const;
    // Gives the inner canvas this canvas's pen, brush and font, scaled.
    void passTools();

    Canvas& inner_;
    double factor_;
};

// The factor that brings content of the given size onto a page:
// min(1, pageWidth ÷ contentWidth, pageHeight ÷ contentHeight). A side whose
// page or content size is not positive does not count.
double scaleToFit(int pageWidth, int pageHeight, int contentWidth, int contentHeight);
