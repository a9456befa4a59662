#pragma once
// What printing and picture export draw on.
//
// Coordinates are device pixels, x to the right and y downwards from the top-left
// corner of the page (or picture). The conventions are those the program's
// layouts were measured with:
//   - rectangle and fillRect cover the pixels from left to right − 1 and from
//     top to bottom − 1: the right and bottom edge are excluded, so a cell drawn
//     from x to x + 70 and the next one from x + 70 share no pixel; an empty or
//     inverted rectangle draws nothing;
//   - rectangle draws its outline with the pen (one pixel wide for width 1; a
//     wider pen grows inwards) and its inside with the brush; fillRect uses the
//     brush alone;
//   - lineTo draws from the pen position to the point, without the end point,
//     and leaves the pen there;
//   - textOut places the text by the top-left corner of its box, draws it in
//     black on the brush colour, and leaves the pen at the end of the text on the
//     same line (x + textWidth, y);
//   - fonts are chosen by family and point size (and bold); the point size turns
//     into pixels by the page's pixels per inch, and a family that is not
//     installed is replaced by a similar one (implementations say how).
// Colours are the program's colour values (platform/core/color.h).
// Text is Windows-1250, one byte a character.

#include "platform/core/color.h"

#include <string>
#include <string_view>
#include <vector>

struct CanvasPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

struct CanvasFont {
    std::string family = "MS Sans Serif";  // the platform's default canvas font
    int pointSize = 8;
    bool bold = false;
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    void setPenColor(Color color) { penColor_ = color; }
    void setPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
    void setBrushColor(Color color) { brushColor_ = color; }
    Color penColor() const { return penColor_; }
    int penWidth() const { return penWidth_; }
    Color brushColor() const { return brushColor_; }

    void setFont(const CanvasFont& font) { font_ = font; }
    void setFontFamily(std::string family) { font_.family = std::move(family); }
    void setFontSize(int pointSize) { font_.pointSize = pointSize; }
    void setFontBold(bool bold) { font_.bold = bold; }
    const CanvasFont& font() const { return font_; }
    // The font's height in pixels: its point size at the page's vertical
    // pixels per inch, rounded to the nearest pixel (never negative).
    int fontPixelHeight() const;

    void rectangle(int left, int top, int right, int bottom) { drawRectangle(left, top, right, bottom); }
    void fillRect(int left, int top, int right, int bottom) { drawFill(left, top, right, bottom); }
    void moveTo(int x, int y) { pen_ = {x, y}; }
    void lineTo(int x, int y);
    CanvasPoint penPos() const { return pen_; }
    void textOut(int x, int y, std::string_view text);

    virtual int textWidth(std::string_view text) = 0;
    virtual int textHeight(std::string_view text) = 0;

    // Ends the current page and starts an empty one. Pen, brush, font and the
    // pen position stay as they were.
    void newPage();

    virtual int pageWidth() const = 0;   // device pixels
    virtual int pageHeight() const = 0;  // device pixels
    virtual int pixelsPerInchX() const = 0;
    virtual int pixelsPerInchY() const = 0;

protected:
    virtual void drawRectangle(int left, int top, int right, int bottom) = 0;
    virtual void drawFill(int left, int top, int right, int bottom) = 0;
    virtual void drawLine(CanvasPoint from, CanvasPoint to) = 0;
    virtual void drawText(int x, int y, std::string_view text) = 0;
    virtual void startPage() = 0;

private:
    Color penColor_ = colors::black;
    int penWidth_ = 1;
    Color brushColor_ = colors::white;
    CanvasFont font_;
    CanvasPoint pen_;
};

// Records every drawing operation with its exact coordinates and the pen, brush
// and font in force, for tests that compare layouts.
//
// Text is measured with a fixed-width metric so that layouts come out exact:
// every byte of a text is pointSize × pixelsPerInchX / 120 pixels wide (integer
// division; 30 pixels for 12 points at 300 pixels per inch) and a text is
// fontPixelHeight() high (50 pixels for 12 points at 300 pixels per inch).
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Rectangle, Fill, Line, Text, NewPage };
    struct Operation {
        Kind kind = Kind::Rectangle;
        int left = 0, top = 0, right = 0, bottom = 0;  // a line runs from (left, top) to (right, bottom)
        std::string text;                              // text only
        Color pen = 0;
        int penWidth = 1;
        Color brush = 0;
        CanvasFont font;
    };

    // A page of A4 at 300 pixels per inch unless told otherwise.
    explicit RecordingCanvas(int pageWidth = 2480, int pageHeight = 3508, int pixelsPerInch = 300)
        : width_(pageWidth), height_(pageHeight), ppi_(pixelsPerInch) {}

    const std::vector<Operation>& operations() const { return operations_; }
    // The operations of one kind, in drawing order.
    std::vector<Operation> operationsOf(Kind kind) const;
    // Pages drawn on: 1 plus the number of newPage calls.
    int pageCount() const;

    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;
    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    int pixelsPerInchX() const override { return ppi_; }
    int pixelsPerInchY() const override { return ppi_; }

protected:
    void drawRectangle(int left, int top, int right, int bottom) override;
    void drawFill(int left, int top, int right, int bottom) override;
    void drawLine(CanvasPoint from, CanvasPoint to) override;
    void drawText(int x, int y, std::string_view text) override;
    void startPage() override;

private:
    Operation record(Kind kind, int left, int top, int right, int bottom) const;

    int width_;
    int height_;
    int ppi_;
    std::vector<Operation> operations_;
};
