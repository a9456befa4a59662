#include "platform/ui/painter_canvas.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Draws on a white image through the canvas.
template <typename Draw>
QImage drawn(int width, int height, Draw draw) {
    QImage image = whiteImage(width, height);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

struct Probe {
    int x, y;
    QRgb expected;
};

void expectPixels(const QImage& image, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(image.pixel(p.x, p.y) & 0xFFFFFF, p.expected & 0xFFFFFF) << "at (" << p.x << ", " << p.y << ")";
}

constexpr QRgb white = 0xFFFFFF, black = 0x000000, red = 0xFF0000, silver = 0xC0C0C0, blue = 0x0000FF;

TEST(PainterCanvas, RectanglesLeaveOutTheirRightAndBottomEdge) {
    const QImage image = drawn(60, 60, [](Canvas& c) {
        c.setBrushColor(colors::black);
        c.fillRect(10, 10, 20, 20);
        c.setBrushColor(colors::red);  // 0x0000FF: red in the low byte
        c.rectangle(30, 10, 40, 20);
        c.setPenColor(colors::blue);
        c.setPenWidth(2);
        c.setBrushColor(colors::silver);
        c.rectangle(10, 30, 20, 40);
        c.fillRect(50, 50, 50, 55);  // empty
        c.fillRect(55, 55, 52, 58);  // inverted
    });
    expectPixels(image, {
        // filled: 10..19 both ways
        {10, 10, black}, {19, 19, black}, {20, 19, white}, {19, 20, white}, {9, 10, white},
        // rectangle: black one-pixel outline at 30 and 39, red inside, nothing at 40
        {30, 10, black}, {39, 19, black}, {31, 11, red}, {38, 18, red}, {40, 15, white}, {35, 20, white},
        // a two-pixel pen grows inwards
        {10, 30, blue}, {11, 31, blue}, {12, 32, silver}, {18, 38, blue}, {19, 39, blue}, {20, 39, white},
        {50, 50, white}, {53, 56, white},
    });
}

TEST(PainterCanvas, LinesLeaveOutTheirEndPoint) {
    const QImage image = drawn(40, 40, [](Canvas& c) {
        c.moveTo(5, 5);
        c.lineTo(15, 5);   // right
        c.lineTo(15, 15);  // down
        c.lineTo(5, 15);   // left
    });
    expectPixels(image, {
        {5, 5, black}, {14, 5, black}, {15, 5, black} /* start of the second line */, {15, 14, black},
        {15, 15, black} /* start of the third */, {6, 15, black}, {5, 15, white}, {16, 5, white},
    });
}

TEST(PainterCanvas, TextStandsBelowAndRightOfItsPointOnTheBrushColour) {
    int width = 0, height = 0;
    CanvasPoint pen;
    const QImage image = drawn(200, 120, [&](Canvas& c) {
        c.setFont({"Arial CE", 24});  // 32 pixels at 96 pixels per inch
        c.setBrushColor(colors::silver);
        c.textOut(40, 30, "HH");
        width = c.textWidth("HH");
        height = c.textHeight("HH");
        pen = c.penPos();
    });
    EXPECT_EQ(pen, (CanvasPoint{40 + width, 30}));
    ASSERT_GT(width, 20);
    ASSERT_GT(height, 25);

    // The text's box is painted in the brush colour from its top-left corner.
    expectPixels(image, {{41, 30, silver}, {40 + width - 1, 30 + height - 1, silver}, {39, 30, white},
                         {41, 29, white}, {40 + width, 31, white}});
    // The letters lie inside the box, in its upper part: the top of the box is
    // the font's ascent line, not the baseline.
    int top = image.height(), bottom = -1, left = image.width();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 80) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    EXPECT_GE(top, 30);
    EXPECT_LT(top, 30 + height / 3);
    EXPECT_LT(bottom, 30 + height);
    EXPECT_GE(left, 40);
    EXPECT_LT(left, 40 + width / 4);
}

TEST(PainterCanvas, TextIsWindows1250) {
    const QString czech = QStringLiteral("Čř");
    const QImage viaCanvas = drawn(120, 60, [](Canvas& c) {
        c.setFont({"Courier New", 20});
        c.textOut(5, 5, "\xC8\xF8");  // "Čř" in Windows-1250
    });
    QImage direct = whiteImage(120, 60);
    {
        QPainter painter(&direct);
        PainterCanvas canvas(painter);
        canvas.setFont({"Courier New", 20});
        const QFont font = canvas.qtFont();
        const QFontMetrics metrics(font, &direct);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(5, 5 + metrics.ascent(), czech);
    }
    EXPECT_TRUE(viaCanvas == direct) << "the bytes are read as Windows-1250, not as Latin-1";
}

TEST(PainterCanvas, MissingFamiliesAreReplacedByInstalledOnes) {
    for (const char* family : {"Courier New", "Arial CE", "Times New Roman", "MS Sans Serif", "No Such Font"}) {
        const QString used = PainterCanvas::installedFamily(QString::fromLatin1(family));
        EXPECT_TRUE(QFontDatabase::hasFamily(used)) << family << " -> " << used.toStdString();
    }
    const QString courier = PainterCanvas::installedFamily(QStringLiteral("Courier New"));
    EXPECT_TRUE(QFontDatabase::isFixedPitch(courier)) << courier.toStdString();

    QImage image = whiteImage(300, 200);
    image.setDotsPerMeterX(11811);  // 300 pixels per inch
    image.setDotsPerMeterY(11811);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    EXPECT_EQ(canvas.pageWidth(), 300);
    EXPECT_EQ(canvas.pageHeight(), 200);
    EXPECT_EQ(canvas.pixelsPerInchY(), 300);
    canvas.setFont({"Courier New", 12, true});
    EXPECT_EQ(canvas.qtFont().pixelSize(), 50);
    EXPECT_TRUE(canvas.qtFont().bold());
}

}  // namespace
