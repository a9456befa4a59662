// The criss-cross printout on the recording canvas (A4 at 300 pixels per
// inch, 30 pixels a character at 12 points) and the spreadsheet workbook,
// read back with an independent reader.

#include "crisscross/core/krs_print.h"
#include "document/core/print_layout.h"
#include "support/core/temp_folder.h"
#include "support/core/workbook_reader.h"
#include "support/core/placed_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Kind = RecordingCanvas::Kind;
using Box = std::tuple<int, int, int, int>;

KrsDocument puzzle(int columns, int rows, std::vector<std::string> numbers = {}) {
    KrsDocument document = KrsDocument::blank(columns, rows);
    for (KrsCell& cell : document.cells) cell.text = "7";
    document.numberList = std::move(numbers);
    return document;
}

RecordingCanvas printed(const KrsDocument& document) {
    RecordingCanvas canvas;
    drawCrissCrossPrint(canvas, document, printlayout::labelFont());
    return canvas;
}

Box boxOf(const RecordingCanvas::Operation& op) { return {op.left, op.top, op.right, op.bottom}; }

}  // namespace

TEST(CrissCrossPrint, TheBlankGridStandsInItsFrameAndTheNumbersFollowBelow) {
    KrsDocument document = puzzle(10, 10, {"12"});
    document.cell(3, 2).text = "@";
    const RecordingCanvas canvas = printed(document);
    const auto rectangles = canvas.operationsOf(Kind::Rectangle);
    ASSERT_EQ(rectangles.size(), 101u);
    EXPECT_EQ(boxOf(rectangles[0]), Box(98, 99, 801, 805)) << "the frame";

    // Rows outer, columns inner: cell (3, 2) is the thirteenth, black; the
    // cells after it are white again. Rows overlap by four pixels.
    EXPECT_EQ(boxOf(rectangles[1]), Box(99, 99, 168, 173));
    EXPECT_EQ(boxOf(rectangles[13]), Box(239, 169, 308, 243));
    EXPECT_EQ(rectangles[13].brush, colors::black);
    EXPECT_EQ(rectangles[12].brush, colors::white);
    EXPECT_EQ(rectangles[14].brush, colors::white);
    EXPECT_EQ(boxOf(rectangles[100]), Box(729, 729, 798, 803));
    EXPECT_TRUE(canvas.operationsOf(Kind::Fill).empty());

    // No digit of the grid is printed: the only text is the number list.
    const auto written = canvas.operationsOf(Kind::Text);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(std::tie(written[0].text, written[0].left, written[0].top), std::make_tuple(std::string("12"), 100, 905));
    EXPECT_EQ(written[0].font, (CanvasFont{"Courier New", 12, false}));
}

TEST(CrissCrossPrint, NumbersAreSeparatedByLengthAndTheKeyFollowsOnANewLine) {
    struct Case {
        const char* name;
        int lastDigitKeyLine;
        std::vector<Placed> texts;
    };
    const std::vector<Placed> numbers = {{"12, ", 100, 905, 1},
                                         {"34; ", 220, 905, 1},
                                         {"567, ", 340, 905, 1},
                                         {"890; ", 490, 905, 1},
                                         {"1234", 640, 905, 1}};
    std::vector<Placed> withDigitKey = numbers;
    withDigitKey.emplace_back("0 = a, ", 100, 965, 1);
    withDigitKey.emplace_back("1 = ch.", 310, 965, 1);
    const Case cases[] = {{"no digit key", -1, numbers}, {"a digit key of two lines", 1, withDigitKey}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KrsDocument document = puzzle(10, 10, {"12", "34", "567", "890", "1234"});
        document.digitKey = {"0 = a, ", "1 = ch.", "old"};
        document.lastDigitKeyLine = c.lastDigitKeyLine;
        EXPECT_EQ(placedTexts(printed(document)), c.texts);
    }
}

TEST(CrissCrossPrint, ALongListWrapsAtTheRightLimitAndGoesOnOnTheNextPage) {
    // 900 numbers of "100, " each 150 pixels wide: fifteen a line, 42 lines
    // on the first page below a 10 × 10 grid, the rest on the second.
    std::vector<std::string> numbers;
    for (int n = 100; n < 1000; ++n) numbers.push_back(std::to_string(n));
    KrsDocument document = puzzle(10, 10, numbers);
    document.digitKey[0] = "0 = a.";
    document.lastDigitKeyLine = 0;
    const RecordingCanvas canvas = printed(document);
    const std::vector<Placed> placed = placedTexts(canvas);
    ASSERT_EQ(placed.size(), 901u);
    EXPECT_EQ(canvas.pageCount(), 2);
    for (const auto& [text, x, y, page] : placed) {
        EXPECT_LT(x + 30 * static_cast<int>(text.size()), 2480 - 100) << text;
        EXPECT_LT(y, 3508 - 100) << text;
    }
    EXPECT_EQ(placed[15], Placed("115, ", 100, 965, 1)) << "the sixteenth number begins the second line";
    EXPECT_EQ(placed[42 * 15], Placed("730, ", 100, 100, 2)) << "the first number of page 2";
    EXPECT_EQ(std::get<1>(placed.back()), 100) << "the digit key on a line of its own";
}

TEST(CrissCrossPrint, PrintingTwiceGivesTheSameOperations) {
    KrsDocument document = puzzle(12, 9, {"11", "4", "903"});
    document.cell(1, 1).text = "@";
    document.lastDigitKeyLine = 0;
    document.digitKey[0] = "5 = x.";
    const RecordingCanvas first = printed(document);
    const RecordingCanvas second = printed(document);
    ASSERT_EQ(first.operations().size(), second.operations().size());
    for (std::size_t i = 0; i < first.operations().size(); ++i) {
        const auto& a = first.operations()[i];
        const auto& b = second.operations()[i];
        EXPECT_EQ(std::tie(a.kind, a.left, a.top, a.right, a.bottom, a.text, a.brush, a.font),
                  std::tie(b.kind, b.left, b.top, b.right, b.bottom, b.text, b.brush, b.font));
    }
}

TEST(CrissCrossPrint, AGridWiderThanThePageIsDrawnSmallerToFit) {
    // 33 columns fit A4 (2480 pixels) as they are.
    const RecordingCanvas fits = printed(puzzle(33, 10, {"12", "34"}));
    EXPECT_EQ(fits.operationsOf(Kind::Rectangle)[0].right, 2411);
    EXPECT_EQ(placedTexts(fits)[0], Placed("12, ", 100, 905, 1));

    // 40 columns (a frame to 2901) are drawn smaller, with as much room right
    // of the frame as left of it, the numbers with them.
    const RecordingCanvas wide = printed(puzzle(40, 10, {"12", "34"}));
    const auto frame = wide.operationsOf(Kind::Rectangle)[0];
    EXPECT_LT(frame.right, 2480 - frame.left + 1);
    EXPECT_GT(frame.right, 2480 - frame.left - 4);
    for (const auto& op : wide.operations()) EXPECT_LE(op.right, 2480);
    const Placed first = placedTexts(wide)[0];
    EXPECT_LT(std::get<2>(first), 905) << "the list moved up with the smaller grid";
    EXPECT_LT(std::get<1>(first), 100);
}

TEST(CrissCrossExport, BothSheetsHoldTheGridAndTheNumbersAndOnlyOneTheDigits) {
    // 40 columns: the last grid column is sheet column 41, AO.
    KrsDocument document = puzzle(40, 3, {"12", "345"});
    document.cell(1, 3).text = "@";
    document.cell(2, 1).text = "4";
    Workbook book;
    ASSERT_TRUE(fillCrissCrossWorkbook(book, document));
    EXPECT_EQ(book.currentSheet(), 2);
    EXPECT_EQ(book.selection(2), (CellRange{1, 1, 1, 1})) << "A1";

    TempFolder folder;
    ASSERT_TRUE(writeWorkbook(book, folder / "kriskros.xls"));
    SKIP_WITHOUT_XLRD();
    const auto lines = workbookLines(folder / "kriskros.xls");
    const std::string all = joinedLines(lines);
    const auto holds = [&](const std::string& line) { return holdsLine(lines, line); };
    EXPECT_TRUE(holds("sheet|1|Nevyplneny|0")) << all;
    EXPECT_TRUE(holds("sheet|2|Vyplneny|1")) << all;
    for (const char* sheet : {"1", "2"}) {
        SCOPED_TRACE(sheet);
        const std::string s = sheet;
        // The blocked cell of grid column 1, row 3 is B3, black, on the thick frame's left and bottom edge.
        EXPECT_TRUE(holds("cell|" + s + "|3|2||1|000000|0:-|2:000000|2:000000|0:-|Arial|10|0")) << all;
        // The numbers in column A.
        EXPECT_TRUE(holds("cell|" + s + "|1|1|12|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
        EXPECT_TRUE(holds("cell|" + s + "|2|1|345|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    }
    // A digit on "Vyplneny" only, in its thin box; the last column AO on the thick frame's right.
    EXPECT_TRUE(holds("cell|2|1|3|4|0|-|2:000000|1:000000|1:000000|1:000000|Arial|10|0")) << all;
    EXPECT_TRUE(holds("cell|1|1|3||0|-|2:000000|1:000000|1:000000|1:000000|Arial|10|0")) << all;
    EXPECT_TRUE(holds("cell|2|2|41|7|0|-|1:000000|1:000000|1:000000|2:000000|Arial|10|0")) << all;
    EXPECT_FALSE(holds("cell|2|2|42|7|0|-|1:000000|1:000000|1:000000|2:000000|Arial|10|0")) << all;
}

TEST(CrissCrossExport, ACellTheWorkbookCannotHoldFailsTheFill) {
    KrsDocument document = puzzle(2, 2);
    document.cell(1, 1).text = std::string(300, '7');
    Workbook book;
    EXPECT_FALSE(fillCrissCrossWorkbook(book, document));
}
