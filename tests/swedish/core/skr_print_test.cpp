#include "swedish/core/skr_print.h"

#include "support/core/cp1250_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace swedish {
namespace {

using Kind = RecordingCanvas::Kind;
using Op = RecordingCanvas::Operation;

struct Box {
    int left, top, right, bottom;
    friend bool operator==(const Box&, const Box&) = default;
};
Box box(const Op& op) { return {op.left, op.top, op.right, op.bottom}; }

std::vector<Box> boxes(const RecordingCanvas& canvas, Kind kind) {
    std::vector<Box> found;
    for (const Op& op : canvas.operationsOf(kind)) found.push_back(box(op));
    return found;
}

bool has(const std::vector<Box>& all, const Box& wanted) {
    return std::find(all.begin(), all.end(), wanted) != all.end();
}

// A 10 × 10 puzzle printed on A4 at 300 pixels per inch with bars of 4.
RecordingCanvas printed(const SkrDocument& document, SkrPrintOptions options = {}) {
    RecordingCanvas canvas;
    drawSwedishPrint(canvas, document, options);
    return canvas;
}

TEST(SkrPrint, CellsStandAtTheirPlacesFilledByTheirKind) {
    SkrDocument document = SkrDocument::blank(10, 10);
    document.cell(3, 2).colour = kSkrBlack;
    document.cell(4, 2).colour = kSkrRed;
    document.cell(5, 2).text = "x";  // letters are never printed
    const SkrPrintOptions options{4, colors::silver, colors::red, colors::blue};
    const RecordingCanvas canvas = printed(document, options);

    const std::vector<Op> squares = canvas.operationsOf(Kind::Rectangle);
    ASSERT_EQ(squares.size(), 100u);
    struct Case {
        int col, row;
        Box where;
        Color fill;
    };
    for (const Case& c : {Case{3, 2, {478, 286, 618, 426}, colors::silver}, Case{4, 2, {618, 286, 758, 426}, colors::red},
                          Case{1, 1, {198, 147, 338, 287}, colors::blue}}) {
        const Op& square = squares[static_cast<std::size_t>((c.row - 1) * 10 + c.col - 1)];
        EXPECT_EQ(box(square), c.where) << c.col << "." << c.row;
        EXPECT_EQ(square.brush, c.fill) << c.col << "." << c.row;
        EXPECT_EQ(square.pen, colors::black);
        EXPECT_EQ(square.font.family, "Arial CE");
    }
    EXPECT_TRUE(canvas.operationsOf(Kind::Text).empty());
}

TEST(SkrPrint, TheFrameBarsRunAlongTheGridsEdgesOnly) {
    const RecordingCanvas canvas = printed(SkrDocument::blank(10, 10));
    const std::vector<Box> bars = boxes(canvas, Kind::Fill);
    EXPECT_EQ(bars.size(), 40u);
    for (const Box& wanted : {Box{194, 287, 202, 426}, Box{478, 144, 618, 151}, Box{1594, 287, 1602, 426},
                              Box{478, 1535, 618, 1542}})
        EXPECT_TRUE(has(bars, wanted)) << wanted.left << "," << wanted.top;
    for (const Op& bar : canvas.operationsOf(Kind::Fill)) EXPECT_EQ(bar.brush, colors::black);

    EXPECT_TRUE(printed(SkrDocument::blank(10, 10), {0}).operationsOf(Kind::Fill).empty()) << "w 0 draws no bars";
}

TEST(SkrPrint, AHiddenBorderCellLeavesAGapInTheSquaresButNotInTheFrame) {
    SkrDocument document = SkrDocument::blank(10, 10);
    document.cell(1, 1).visible = false;
    document.cell(1, 1).colour = kSkrBlack;
    document.cell(1, 1).legend.appendText(8);
    const RecordingCanvas canvas = printed(document);
    const std::vector<Box> squares = boxes(canvas, Kind::Rectangle);
    EXPECT_EQ(squares.size(), 99u);
    EXPECT_FALSE(has(squares, {198, 147, 338, 287}));
    const std::vector<Box> bars = boxes(canvas, Kind::Fill);
    EXPECT_TRUE(has(bars, {194, 148, 202, 287}));
    EXPECT_TRUE(has(bars, {198, 144, 338, 151}));
    EXPECT_TRUE(canvas.operationsOf(Kind::Text).empty()) << "no lines of a hidden cell";
}

TEST(SkrPrint, ClueLinesStandInTheirClueCellsOnly) {
    SkrDocument document = SkrDocument::blank(10, 10);
    SkrCell& clue = document.cell(3, 2);
    clue.colour = kSkrBlack;
    clue.legend.appendText(8);
    clue.legend.setText(1, cp("Řeka"));
    clue.legend.appendSeparator();
    clue.legend.appendText(300);  // drawn in 200 points
    clue.legend.setLine(3, "X", -20, 300);
    clue.legend.setLine(4, "beyond the count", 0, 8);
    // A letter cell keeps the lines it had as a clue cell: none are printed.
    document.cell(5, 5).legend = clue.legend;

    const RecordingCanvas canvas = printed(document);
    const std::vector<Op> texts = canvas.operationsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, cp("Řeka"));
    EXPECT_EQ(texts[0].font.pointSize, 8);
    EXPECT_EQ(texts[0].font.family, "Arial CE");
    EXPECT_EQ((Box{texts[0].left, texts[0].top, 0, 0}), (Box{508, 340, 0, 0}));
    EXPECT_EQ(texts[0].brush, colors::white) << "on a white ground";
    EXPECT_EQ(texts[1].font.pointSize, 200);
    EXPECT_EQ(texts[1].top, 139 * 2 + 12 - 20);
    const std::vector<Box> lines = boxes(canvas, Kind::Line);
    EXPECT_EQ(lines, std::vector<Box>{(Box{478, 356, 618, 356})});
}

TEST(SkrPrint, FarTopsAndLargeGridsStayWithinWhatThePageHolds) {
    SkrDocument far = SkrDocument::blank(10, 10);
    far.cell(10, 10).colour = kSkrBlack;
    far.cell(10, 10).legend.appendText(6);
    far.cell(10, 10).legend.setLine(1, "dole", std::numeric_limits<std::int32_t>::max(), 6);
    far.cell(10, 10).legend.appendSeparator();
    far.cell(10, 10).legend.setLine(2, std::string(kLegendSeparator), std::numeric_limits<std::int32_t>::min(), 6);
    const RecordingCanvas farCanvas = printed(far);
    ASSERT_EQ(farCanvas.operationsOf(Kind::Text).size(), 1u);
    EXPECT_EQ(farCanvas.operationsOf(Kind::Text)[0].top, 1000000) << "off the page, without overflowing";
    ASSERT_EQ(farCanvas.operationsOf(Kind::Line).size(), 1u);
    EXPECT_EQ(farCanvas.operationsOf(Kind::Line)[0].top, -1000000);

    // 40 × 40 is 5,802 pixels wide at full size: drawn smaller, wholly on the page.
    SkrDocument large = SkrDocument::blank(40, 40);
    large.cell(40, 40).colour = kSkrBlack;
    large.cell(40, 40).legend.appendText(8);
    const RecordingCanvas canvas = printed(large, {50});
    ASSERT_EQ(canvas.operationsOf(Kind::Rectangle).size(), 1600u);
    for (const Op& op : canvas.operations()) {
        EXPECT_GE(std::min(op.left, op.right), 0);
        EXPECT_GE(std::min(op.top, op.bottom), 0);
        EXPECT_LE(std::max(op.left, op.right), canvas.pageWidth());
        EXPECT_LE(std::max(op.top, op.bottom), canvas.pageHeight());
    }
    const std::vector<Op> squares = canvas.operationsOf(Kind::Rectangle);
    const double f = skrprint::printScale(2480, 3508, 40, 40, 50);
    EXPECT_NEAR(f, 2480.0 / 5848.0, 1e-12);
    EXPECT_EQ(box(squares.back()), (Box{static_cast<int>(std::lround(f * 5658)), static_cast<int>(std::lround(f * 5568)),
                                        static_cast<int>(std::lround(f * 5798)), static_cast<int>(std::lround(f * 5708))}));
    ASSERT_EQ(canvas.operationsOf(Kind::Text).size(), 1u);
    EXPECT_EQ(canvas.operationsOf(Kind::Text)[0].font.pointSize, std::max(1L, std::lround(f * 8)));
    EXPECT_EQ(skrprint::printScale(2480, 3508, 10, 10, 4), 1.0);
}

}  // namespace
}  // namespace swedish
