#pragma once
// The canvas on a QPainter: printers, PDF files and images.
//
// Shapes are drawn as whole pixels (no smoothing), so a rectangle covers exactly
// the pixels the Canvas conventions name. Text is converted from Windows-1250 at
// this edge and placed so that the top of its box (the font's ascent line) lies
// at the y given. Font sizes turn into pixels by the device's logical pixels per
// inch; families that are not installed are replaced (see installedFamily).

#include "platform/core/canvas.h"

#include <QFont>
#include <QString>

#include <functional>

class QPainter;

class PainterCanvas : public Canvas {
public:
    // Draws with `painter` on its device. `nextPage` starts a new page on the
    // device (QPrinter::newPage); without it newPage does nothing.
    explicit PainterCanvas(QPainter& painter, std::function<bool()> nextPage = {});

    // False once the device refused a new page.
    bool pagesOk() const { return pagesOk_; }

    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;
    int pageWidth() const override;
    int pageHeight() const override;
    int pixelsPerInchX() const override;
    int pixelsPerInchY() const override;

    // The font the painter uses for the canvas font.
    QFont qtFont() const;

    // The installed family that stands in for `family`: the family itself when
    // installed; else the same name without a trailing " CE" (the Central
    // European variants of the Windows fonts); else a metric-compatible or
    // similar family of the same kind (fixed pitch for Courier, serif for Times,
    // sans serif otherwise); else the desktop's general font.
    static QString installedFamily(const QString& family);

protected:
    void drawRectangle(int left, int top, int right, int bottom) override;
    void drawFill(int left, int top, int right, int bottom) override;
    void drawLine(CanvasPoint from, CanvasPoint to) override;
    void drawText(int x, int y, std::string_view text) override;
    void startPage() override;

private:
    void fill(int left, int top, int right, int bottom, Color color);

    QPainter& painter_;
    std::function<bool()> nextPage_;
    bool pagesOk_ = true;
};
