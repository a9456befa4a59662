#include "platform/core/canvas.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Kind = RecordingCanvas::Kind;

TEST(RecordingCanvas, RecordsEveryOperationWithTheToolsInForce) {
    RecordingCanvas canvas;
    canvas.rectangle(98, 99, 801, 805);
    canvas.setBrushColor(colors::black);
    canvas.fillRect(239, 169, 308, 243);
    canvas.setBrushColor(colors::white);
    canvas.setPenColor(colors::blue);
    canvas.setPenWidth(2);
    canvas.moveTo(10, 20);
    canvas.lineTo(150, 20);
    canvas.setFont({"Courier New", 14, true});
    canvas.textOut(257, 180, "A");

    const auto& ops = canvas.operations();
    ASSERT_EQ(ops.size(), 4u);

    EXPECT_EQ(ops[0].kind, Kind::Rectangle);
    EXPECT_EQ((std::array{ops[0].left, ops[0].top, ops[0].right, ops[0].bottom}), (std::array{98, 99, 801, 805}));
    EXPECT_EQ(ops[0].pen, colors::black);  // the canvas starts with a black one-pixel pen on a white brush
    EXPECT_EQ(ops[0].penWidth, 1);
    EXPECT_EQ(ops[0].brush, colors::white);

    EXPECT_EQ(ops[1].kind, Kind::Fill);
    EXPECT_EQ((std::array{ops[1].left, ops[1].top, ops[1].right, ops[1].bottom}), (std::array{239, 169, 308, 243}));
    EXPECT_EQ(ops[1].brush, colors::black);

    EXPECT_EQ(ops[2].kind, Kind::Line);
    EXPECT_EQ((std::array{ops[2].left, ops[2].top, ops[2].right, ops[2].bottom}), (std::array{10, 20, 150, 20}));
    EXPECT_EQ(ops[2].pen, colors::blue);
    EXPECT_EQ(ops[2].penWidth, 2);

    EXPECT_EQ(ops[3].kind, Kind::Text);
    EXPECT_EQ(ops[3].text, "A");
    EXPECT_EQ(ops[3].left, 257);
    EXPECT_EQ(ops[3].top, 180);
    EXPECT_EQ(ops[3].font, (CanvasFont{"Courier New", 14, true}));
    EXPECT_EQ(ops[3].brush, colors::white);
}

// Running text: each textOut leaves the pen where the next piece continues.
TEST(RecordingCanvas, PenFollowsLinesAndText) {
    RecordingCanvas canvas;  // 300 pixels per inch
    canvas.setFontSize(12);  // 30 pixels a character
    canvas.moveTo(100, 905);
    EXPECT_EQ(canvas.penPos(), (CanvasPoint{100, 905}));
    canvas.textOut(canvas.penPos().x, 905, "K\xD9\xD2, ");  // "KŮŇ, " in Windows-1250
    EXPECT_EQ(canvas.penPos(), (CanvasPoint{100 + 5 * 30, 905})) << "one byte a character";
    canvas.textOut(canvas.penPos().x, 905, "LES");
    EXPECT_EQ(canvas.penPos(), (CanvasPoint{340, 905}));

    canvas.moveTo(5, 5);
    canvas.lineTo(5, 50);
    canvas.lineTo(60, 50);
    EXPECT_EQ(canvas.penPos(), (CanvasPoint{60, 50}));
    const auto lines = canvas.operationsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ((std::array{lines[1].left, lines[1].top, lines[1].right, lines[1].bottom}), (std::array{5, 50, 60, 50}));

    // A new page keeps the pen and the tools; the layout code moves the pen itself.
    canvas.newPage();
    EXPECT_EQ(canvas.penPos(), (CanvasPoint{60, 50}));
    EXPECT_EQ(canvas.font().pointSize, 12);
    EXPECT_EQ(canvas.pageCount(), 2);
}

TEST(RecordingCanvas, FixedWidthMetricFollowsSizeAndResolution) {
    struct Case {
        int pointSize, ppi;
        int charWidth, height;
    };
    // width per byte = size × ppi / 120; height = size × ppi / 72, rounded
    const Case cases[] = {
        {12, 300, 30, 50},
        {14, 300, 35, 58},
        {10, 96, 8, 13},
        {8, 600, 40, 67},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas(1000, 1000, c.ppi);
        canvas.setFontSize(c.pointSize);
        SCOPED_TRACE(testing::Message() << c.pointSize << " pt at " << c.ppi << " ppi");
        EXPECT_EQ(canvas.textWidth("ABCD"), 4 * c.charWidth);
        EXPECT_EQ(canvas.textWidth(""), 0);
        EXPECT_EQ(canvas.textHeight("A"), c.height);
        EXPECT_EQ(canvas.fontPixelHeight(), c.height);
    }
}

TEST(RecordingCanvas, ReportsItsPage) {
    const RecordingCanvas a4;
    EXPECT_EQ(a4.pageWidth(), 2480);
    EXPECT_EQ(a4.pageHeight(), 3508);
    EXPECT_EQ(a4.pixelsPerInchX(), 300);
    EXPECT_EQ(a4.pageCount(), 1);

    const RecordingCanvas small(700, 900, 600);
    EXPECT_EQ(small.pageWidth(), 700);
    EXPECT_EQ(small.pageHeight(), 900);
    EXPECT_EQ(small.pixelsPerInchY(), 600);
}

}  // namespace
