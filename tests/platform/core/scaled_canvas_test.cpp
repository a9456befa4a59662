#include "platform/core/scaled_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

// Every field of an operation, for comparing operation lists whole.
auto fields(const Operation& op) {
    return std::tuple(op.kind, op.left, op.top, op.right, op.bottom, op.text, op.pen, op.penWidth, op.brush,
                      op.font.family, op.font.pointSize, op.font.bold);
}

std::vector<decltype(fields(Operation{}))> allFields(const RecordingCanvas& canvas) {
    std::vector<decltype(fields(Operation{}))> all;
    for (const auto& op : canvas.operations()) all.push_back(fields(op));
    return all;
}

std::array<int, 4> box(const Operation& op) { return {op.left, op.top, op.right, op.bottom}; }

// Something of everything a layout does: tools, shapes, lines, running text
// that goes on from the pen, a measurement, a new page, odd font sizes, and a
// pen moved at the end without drawing.
void drawEverything(Canvas& canvas) {
    canvas.setFont({"Courier New", 14, false});
    canvas.rectangle(98, 99, 801, 805);
    canvas.setBrushColor(colors::black);
    canvas.fillRect(239, 169, 308, 243);
    canvas.setBrushColor(colors::white);
    canvas.setPenColor(colors::red);
    canvas.setPenWidth(3);
    canvas.moveTo(11, 21);
    canvas.lineTo(151, 21);
    canvas.lineTo(151, 95);
    canvas.setFontSize(12);
    canvas.setFontBold(true);
    canvas.textOut(101, 905, "Ko\xE8ka, ");
    canvas.textOut(canvas.penPos().x, 905, "pes");
    canvas.textOut(canvas.penPos().x + canvas.textWidth("  "), 905, "les");
    canvas.newPage();
    canvas.setFontSize(0);
    canvas.textOut(100, 100, "nula");
    canvas.setFontSize(-9);
    canvas.textOut(100, 161, "minus");
    canvas.moveTo(333, 777);
}

TEST(ScaledCanvas, AtFullSizeTheInnerCanvasGetsExactlyWhatItWouldGetDirectly) {
    RecordingCanvas direct;
    RecordingCanvas inner;
    for (RecordingCanvas* canvas : {&direct, &inner}) {  // tools in force before the layout starts
        canvas->setPenColor(colors::blue);
        canvas->setFont({"Arial", 10, false});
        canvas->moveTo(5, 6);
    }
    direct.fillRect(1, 2, 3, 4);
    drawEverything(direct);
    {
        ScaledCanvas scaled(inner, 1.0);
        scaled.fillRect(1, 2, 3, 4);  // with the inner canvas's tools
        EXPECT_EQ(scaled.pageWidth(), inner.pageWidth());
        EXPECT_EQ(scaled.pageHeight(), inner.pageHeight());
        EXPECT_EQ(scaled.pixelsPerInchX(), inner.pixelsPerInchX());
        EXPECT_EQ(scaled.pixelsPerInchY(), inner.pixelsPerInchY());
        EXPECT_EQ(scaled.textWidth("abc"), inner.textWidth("abc"));
        EXPECT_EQ(scaled.textHeight("abc"), inner.textHeight("abc"));
        drawEverything(scaled);
    }
    EXPECT_EQ(allFields(inner), allFields(direct));
    // Afterwards the inner canvas stands as drawing on it directly left it.
    EXPECT_EQ(inner.penPos(), direct.penPos());
    EXPECT_EQ(inner.font(), direct.font());
    EXPECT_EQ(inner.penColor(), direct.penColor());
    EXPECT_EQ(inner.penWidth(), direct.penWidth());
    EXPECT_EQ(inner.brushColor(), direct.brushColor());
}

TEST(ScaledCanvas, AtHalfSizeEveryCoordinateFontAndPenIsHalved) {
    RecordingCanvas inner;  // A4 at 300 pixels per inch
    {
        ScaledCanvas scaled(inner, 0.5);
        drawEverything(scaled);
    }
    // Halves of odd numbers round away from zero.
    struct Case {
        Kind kind;
        std::array<int, 4> box;
        int pointSize;
        int penWidth;
        std::string text;
    };
    const Case expected[] = {
        {Kind::Rectangle, {49, 50, 401, 403}, 7, 1, ""},
        {Kind::Fill, {120, 85, 154, 122}, 7, 1, ""},
        {Kind::Line, {6, 11, 76, 11}, 7, 2, ""},                   // width 3 → 1.5 → 2
        {Kind::Line, {76, 11, 76, 48}, 7, 2, ""},
        {Kind::Text, {51, 453, 51 + 7 * 15, 453 + 25}, 6, 2, "Ko\xE8ka, "},  // 6 points: 15 pixels a character
        {Kind::Text, {156, 453, 156 + 3 * 15, 478}, 6, 2, "pes"},
        {Kind::Text, {231, 453, 231 + 3 * 15, 478}, 6, 2, "les"},
        {Kind::NewPage, {0, 0, 0, 0}, 6, 2, ""},
        {Kind::Text, {50, 50, 50 + 4 * 2, 50 + 4}, 1, 2, "nula"},   // at least 1 point: 2 pixels a character
        {Kind::Text, {50, 81, 50 + 5 * 12, 81 + 21}, 5, 2, "minus"},  // a size counts by its magnitude
    };
    const auto& ops = inner.operations();
    ASSERT_EQ(ops.size(), std::size(expected));
    for (std::size_t i = 0; i < ops.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ops[i].kind, expected[i].kind);
        EXPECT_EQ(box(ops[i]), expected[i].box);
        EXPECT_EQ(ops[i].font.pointSize, expected[i].pointSize);
        EXPECT_EQ(ops[i].penWidth, expected[i].penWidth);
        EXPECT_EQ(ops[i].text, expected[i].text);
    }
    // Colours, family and weight go through as they are.
    EXPECT_EQ(ops[0].font, (CanvasFont{"Courier New", 7, false}));
    EXPECT_EQ(ops[1].brush, colors::black);
    EXPECT_EQ(ops[2].pen, colors::red);
    EXPECT_EQ(ops[4].font, (CanvasFont{"Courier New", 6, true}));
    EXPECT_EQ(inner.penPos(), (CanvasPoint{167, 389})) << "the pen is left where the layout left it, scaled";
}

TEST(ScaledCanvas, MeasuresInLogicalPixels) {
    RecordingCanvas inner;  // 2480 × 3508 at 300 pixels per inch
    struct Case {
        double factor;
        int pointSize;
        int pageWidth, pageHeight, ppi;
        int width;  // of "abcd"
    };
    const Case cases[] = {
        // 6 points: 15 pixels a character, 30 logical: as wide as 12 points at full size.
        {0.5, 12, 4960, 7016, 600, 120},
        // 14 points become 7: 17 pixels a character (17.5 cut down), 68 ÷ 0.5 = 136 for four.
        {0.5, 14, 4960, 7016, 600, 136},
        // 12 × 0.8 = 9.6 → 10 points: 25 pixels a character, 100 ÷ 0.8 = 125 for four.
        {0.8, 12, 3100, 4385, 375, 125},
        // 12 × 0.3 = 3.6 → 4 points: 10 pixels, 40 ÷ 0.3 = 133.3, rounded up.
        {0.3, 12, 8266, 11693, 1000, 134},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.factor << " at " << c.pointSize << " pt");
        ScaledCanvas scaled(inner, c.factor);
        scaled.setFontSize(c.pointSize);
        EXPECT_EQ(scaled.pageWidth(), c.pageWidth);
        EXPECT_EQ(scaled.pageHeight(), c.pageHeight);
        EXPECT_EQ(scaled.pixelsPerInchX(), c.ppi);
        EXPECT_EQ(scaled.pixelsPerInchY(), c.ppi);
        EXPECT_EQ(scaled.textWidth("abcd"), c.width);
        EXPECT_EQ(scaled.textWidth(""), 0);
        // The logical page scaled back never passes the real one.
        EXPECT_LE(std::lround(c.factor * scaled.pageWidth()), inner.pageWidth());
        EXPECT_LE(std::lround(c.factor * scaled.pageHeight()), inner.pageHeight());
    }
}

TEST(ScaledCanvas, RunningTextPiecesFollowEachOtherWithoutOverlapping) {
    // Written one after another from the pen, pieces must not run into each
    // other however the font size and the factor round.
    for (const double factor : {0.5, 0.75, 2.0 / 3.0, 0.83, 0.3}) {
        for (const int pointSize : {8, 12, 14}) {
            SCOPED_TRACE(testing::Message() << factor << " at " << pointSize << " pt");
            RecordingCanvas inner;
            {
                ScaledCanvas scaled(inner, factor);
                scaled.setFontSize(pointSize);
                scaled.moveTo(100, 905);
                for (const char* piece : {"pes, ", "ko\xE8ka, ", "x", "les, ", "\xE8\x9A\xF8"})
                    scaled.textOut(scaled.penPos().x, 905, piece);
            }
            const auto texts = inner.operationsOf(Kind::Text);
            ASSERT_EQ(texts.size(), 5u);
            for (std::size_t i = 1; i < texts.size(); ++i) {
                EXPECT_GE(texts[i].left, texts[i - 1].right) << texts[i].text;
                EXPECT_LE(texts[i].left, texts[i - 1].right + 1) << "and leave no gap but rounding";
            }
        }
    }
}

TEST(ScaledCanvas, RefusesAFactorOutsideZeroToOne) {
    RecordingCanvas inner;
    for (const double factor : {0.0, -0.5, 1.01, 2.0, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(factor);
        EXPECT_THROW((ScaledCanvas{inner, factor}), std::invalid_argument);
    }
    EXPECT_NO_THROW((ScaledCanvas{inner, 1e-6}));
}

TEST(ScaleToFit, TakesTheSideThatFitsWorst) {
    struct Case {
        int pageWidth, pageHeight, contentWidth, contentHeight;
        double factor;
    };
    const Case cases[] = {
        {2480, 3508, 1000, 1000, 1.0},          // fits: full size, never larger
        {2480, 3508, 2480, 3508, 1.0},          // exactly
        {2480, 3508, 4960, 3000, 0.5},          // too wide
        {2480, 3508, 2000, 7016, 0.5},          // too high
        {2480, 3508, 3100, 7016, 0.5},          // both, the height more
        {2480, 3508, 2999, 3004, 2480.0 / 2999},
        {2480, 3508, 0, 7016, 0.5},             // a side without size does not count
        {0, 3508, 4960, 1000, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.contentWidth << " × " << c.contentHeight);
        EXPECT_DOUBLE_EQ(scaleToFit(c.pageWidth, c.pageHeight, c.contentWidth, c.contentHeight), c.factor);
    }
}

}  // namespace
