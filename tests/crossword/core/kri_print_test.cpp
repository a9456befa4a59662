#include "crossword/core/kri_print.h"
#include "support/core/placed_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <tuple>
#include <vector>

namespace crossword {
namespace {

using Kind = RecordingCanvas::Kind;
using Box = std::tuple<int, int, int, int>;

const std::string across = "Vodorovn\xEC: ";

// A 10 × 10 crossword: cell (5, 5) hidden; bars right of (3, 2) and (10, 4),
// below (3, 2) and (6, 10); clues across in rows 1 and 2, down in columns 1 and 3.
PrintedCrossword tenByTen() {
    PrintedCrossword crossword = PrintedCrossword::blank(10, 10);
    crossword.cell(5, 5).hidden = true;
    crossword.cell(3, 2).rightBar = true;
    crossword.cell(10, 4).rightBar = true;
    crossword.cell(3, 2).bottomBar = true;
    crossword.cell(6, 10).bottomBar = true;
    crossword.across = {{"xx", "X", 1, 1}, {"yy", "Y", 1, 2}, {"zz", "Z", 2, 1}};
    crossword.down = {{"pp", "P", 1, 1}, {"qq", "Q", 3, 1}};
    return crossword;
}

// A table of words, one a clue, on the lines given.
CrosswordWordTable words(const std::vector<std::pair<int, std::string>>& clues) {
    CrosswordWordTable table;
    for (const auto& [line, clue] : clues) table.push_back({"w", clue, line, 1});
    return table;
}

std::vector<Box> boxesOf(const RecordingCanvas& canvas, Kind kind) {
    std::vector<Box> boxes;
    for (const auto& op : canvas.operationsOf(kind)) boxes.emplace_back(op.left, op.top, op.right, op.bottom);
    return boxes;
}

long occurrences(const std::vector<Box>& boxes, const Box& box) { return std::count(boxes.begin(), boxes.end(), box); }

// The texts below the grid: the clue lists.
std::vector<Placed> clueTexts(const RecordingCanvas& canvas, int gridBottom = 1000) {
    std::vector<Placed> placed;
    for (const Placed& text : placedTexts(canvas))
        if (std::get<2>(text) > gridBottom || std::get<3>(text) > 1) placed.push_back(text);
    return placed;
}

RecordingCanvas printed(const PrintedCrossword& crossword, const PrintOptions& options = {}, int pageWidth = 2480,
                        int pageHeight = 3508) {
    RecordingCanvas canvas(pageWidth, pageHeight, 300);
    drawCrosswordPrint(canvas, crossword, options);
    return canvas;
}

TEST(CrosswordPrint, TheGridStandsAtThePitchOfItsCellsWithItsFrameAndSeparators) {
    const RecordingCanvas canvas = printed(tenByTen());

    // Cell outlines: rows are S − 1 apart, so neighbouring rows share a line.
    const std::vector<Box> outlines = boxesOf(canvas, Kind::Rectangle);
    ASSERT_EQ(outlines.size(), 99u) << "every visible cell, the hidden one filled instead";
    EXPECT_EQ(outlines[0], Box(198, 147, 280, 229));
    EXPECT_EQ(outlines[10], Box(198, 228, 280, 310)) << "cell (1, 2)";
    for (const auto& op : canvas.operationsOf(Kind::Rectangle)) {
        EXPECT_EQ(op.pen, colors::black);
        EXPECT_EQ(op.brush, colors::white);
    }

    // Fills: the hidden cell over its own rectangle, the frame's bars round
    // the grid, and the two separators inside it; none from the bars over
    // the grid's right and bottom edge.
    const std::vector<Box> fills = boxesOf(canvas, Kind::Fill);
    EXPECT_EQ(fills.size(), 1u + 40u + 2u);
    for (const auto& op : canvas.operationsOf(Kind::Fill)) EXPECT_EQ(op.brush, colors::black);
    EXPECT_EQ(occurrences(fills, Box(526, 471, 608, 553)), 1) << "hidden cell (5, 5)";
    EXPECT_EQ(occurrences(fills, Box(194, 148, 202, 229)), 1) << "left bar of row 1";
    EXPECT_EQ(occurrences(fills, Box(198, 144, 280, 151)), 1) << "top bar of column 1";
    EXPECT_EQ(occurrences(fills, Box(1014, 391, 1022, 472)), 1) << "right bar of row 4: the frame's, no separator";
    EXPECT_EQ(occurrences(fills, Box(608, 955, 690, 962)), 1) << "bottom bar of column 6, the frame's";
    EXPECT_EQ(occurrences(fills, Box(608, 954, 690, 961)), 0) << "no separator below row 10";
    EXPECT_EQ(occurrences(fills, Box(440, 229, 448, 310)), 1) << "right separator of (3, 2)";
    EXPECT_EQ(occurrences(fills, Box(362, 306, 444, 313)), 1) << "bottom separator of (3, 2)";

    // Labels: numbered columns above, lettered rows on the left, "Courier New" at 12 points (50 pixels).
    const auto all = placedTexts(canvas);
    ASSERT_GE(all.size(), 20u);
    EXPECT_EQ(all[0], Placed("1", 214, 94, 1));
    EXPECT_EQ(all[9], Placed("10", 952, 94, 1));
    EXPECT_EQ(all[10], Placed("A", 143, 163, 1));
    EXPECT_EQ(all[11], Placed("B", 143, 244, 1));
    EXPECT_EQ(canvas.operationsOf(Kind::Text)[0].font, (CanvasFont{"Courier New", 12, false}));
    EXPECT_EQ(canvas.pageCount(), 1);
}

TEST(CrosswordPrint, LabelsAreLettersFromCodeSixtyFiveOrNumbers) {
    struct Case {
        int number;
        LabelStyle style;
        std::string expected;
    };
    const Case cases[] = {
        {1, LabelStyle::letters, "A"},   {26, LabelStyle::letters, "Z"},  {27, LabelStyle::letters, "["},
        {40, LabelStyle::letters, "h"},  {1, LabelStyle::numbers, "1"},   {40, LabelStyle::numbers, "40"},
        {0, LabelStyle::letters, "0"},   {191, LabelStyle::letters, "\xFF"}, {192, LabelStyle::letters, "192"},
        {-70, LabelStyle::letters, "-70"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kriprint::label(c.number, c.style), c.expected) << c.number << " " << static_cast<int>(c.style);

    // Each group labels its own side: lettered columns, numbered rows.
    PrintOptions options;
    options.rowLabels = LabelStyle::numbers;
    options.columnLabels = LabelStyle::letters;
    const auto all = placedTexts(printed(PrintedCrossword::blank(30, 2), options));
    ASSERT_EQ(all.size(), 32u);
    EXPECT_EQ(std::get<0>(all[26]), "[");
    EXPECT_EQ(std::get<0>(all[29]), "^");
    EXPECT_EQ(std::get<0>(all[30]), "1");
    EXPECT_EQ(std::get<0>(all[31]), "2");
}

TEST(CrosswordPrint, EveryLabelStandsClearOfTheFrame) {
    // 12 × 12 cells of 82 pixels; labels in 12 points (50 pixels high, 30 a
    // character) or 20 (83 high, 50 a character).
    struct Case {
        const char* what;
        LabelStyle rows;
        int separatorHalfWidth, labelFontSize;
        std::vector<Placed> expected;  // some of the labels
    };
    const Case cases[] = {
        {"numbered rows from 10 on end where the single digits end",
         LabelStyle::numbers, 4, 12,
         {{"1", 214, 94, 1}, {"1", 143, 163, 1}, {"9", 143, 811, 1}, {"10", 113, 892, 1}, {"12", 113, 1054, 1}}},
        {"larger labels",
         LabelStyle::numbers, 4, 20,
         {{"1", 198, 61, 1}, {"9", 110, 795, 1}, {"10", 60, 876, 1}}},
        {"a thick frame keeps the labels off it",
         LabelStyle::letters, 40, 12,
         {{"1", 214, 58, 1}, {"A", 128, 163, 1}, {"L", 128, 1054, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintOptions options;
        options.rowLabels = c.rows;
        options.sizes.separatorHalfWidth = c.separatorHalfWidth;
        options.sizes.labelFontSize = c.labelFontSize;
        const RecordingCanvas canvas = printed(PrintedCrossword::blank(12, 12), options);
        const std::vector<Placed> labels = placedTexts(canvas);
        for (const Placed& label : c.expected)
            EXPECT_EQ(std::count(labels.begin(), labels.end(), label), 1) << std::get<0>(label);
        const std::vector<Box> bars = boxesOf(canvas, Kind::Fill);
        ASSERT_FALSE(bars.empty());
        for (const auto& text : canvas.operationsOf(Kind::Text))
            for (const auto& [l, t, r, b] : bars)
                EXPECT_TRUE(text.right <= l || r <= text.left || text.bottom <= t || b <= text.top)
                    << text.text << " at " << text.left << ", " << text.top << " meets the bar at " << l << ", " << t;
    }
}

TEST(CrosswordPrint, CluesRunBelowTheGridLineByLineWrapAndGoOnToFurtherPages) {
    // 12 points at 300 pixels per inch: 30 pixels a character. The lists
    // start at 82 × 10 + 249 = 1069; the right limit of the page is 2380.
    const std::string w50(50, 'w');
    const std::string w60(60, 'w');
    struct Case {
        const char* what;
        CrosswordWordTable across, down;
        int pageHeight;
        std::vector<Placed> expected;
        int pages;
    };
    const std::vector<Case> cases = {
        {"the label of a line before its first clue, the list down 90 pixels lower",
         words({{1, "X"}, {1, "Y"}, {2, "Z"}}),
         words({{1, "P"}, {3, "Q"}}),
         3508,
         {{across + "A: X; ", 100, 1069, 1},
          {"Y; ", 610, 1069, 1},
          {"B: Z; ", 700, 1069, 1},
          {"Svisle: 1: P; ", 100, 1159, 1},
          {"3: Q; ", 520, 1159, 1}},
         1},
        {"a piece reaching the right limit goes 60 pixels lower, and a line it nearly fills ends after it",
         words({{1, "X"}, {2, w60}, {2, "Z"}}),
         words({{1, "P"}}),
         3508,
         {{across + "A: X; ", 100, 1069, 1},
          {"B: " + w60 + "; ", 100, 1129, 1},
          {"Z; ", 100, 1189, 1},
          {"Svisle: 1: P; ", 100, 1279, 1}},
         1},
        {"a clue wider than a line starts a line of its own and is broken at its blanks",
         words({{1, "X"}, {2, w50 + " " + w50 + " " + w50}}),
         words({{1, "P"}}),
         3508,
         {{across + "A: X; ", 100, 1069, 1},
          {"B: " + w50, 100, 1129, 1},
          {w50, 100, 1189, 1},
          {w50 + "; ", 100, 1249, 1},
          {"Svisle: 1: P; ", 100, 1399, 1}},
         1},
        {"a list past the bottom limit ends its page and goes on at the top of the next",
         words({{1, w50}, {2, w50}, {3, w50}, {4, w50}, {5, w50}}),
         {},
         1400,
         {{across + "A: " + w50 + "; ", 100, 1069, 1},
          {"B: " + w50 + "; ", 100, 1129, 1},
          {"C: " + w50 + "; ", 100, 1189, 1},
          {"D: " + w50 + "; ", 100, 1249, 1},
          {"E: " + w50 + "; ", 100, 100, 2}},
         2},
        {"no page is started after the last piece",
         words({{1, w50}, {2, w50}, {3, w50}, {4, w50}}),
         {},
         1400,
         {{across + "A: " + w50 + "; ", 100, 1069, 1},
          {"B: " + w50 + "; ", 100, 1129, 1},
          {"C: " + w50 + "; ", 100, 1189, 1},
          {"D: " + w50 + "; ", 100, 1249, 1}},
         1},
        {"the list down starts on the new page",
         words({{1, w50}, {2, w50}, {3, w50}, {4, w50}}),
         words({{1, "P"}}),
         1400,
         {{across + "A: " + w50 + "; ", 100, 1069, 1},
          {"B: " + w50 + "; ", 100, 1129, 1},
          {"C: " + w50 + "; ", 100, 1189, 1},
          {"D: " + w50 + "; ", 100, 1249, 1},
          {"Svisle: 1: P; ", 100, 190, 2}},
         2},
        {"an empty list across prints nothing, the list down still starts 90 pixels lower",
         {},
         words({{1, "P"}}),
         3508,
         {{"Svisle: 1: P; ", 100, 1159, 1}},
         1},
        {"an empty list down prints nothing", words({{1, "X"}}), {}, 3508, {{across + "A: X; ", 100, 1069, 1}}, 1},
        {"both lists empty", {}, {}, 3508, {}, 1},
        {"Czech letters are one byte each",
         words({{1, "\xE8\xE1p"}, {1, "\x9Eluna"}}),
         {},
         3508,
         {{across + "A: \xE8\xE1p; ", 100, 1069, 1}, {"\x9Eluna; ", 100 + 19 * 30, 1069, 1}},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintedCrossword crossword = PrintedCrossword::blank(10, 10);
        crossword.across = c.across;
        crossword.down = c.down;
        const RecordingCanvas canvas = printed(crossword, {}, 2480, c.pageHeight);
        EXPECT_EQ(clueTexts(canvas), c.expected);
        EXPECT_EQ(canvas.pageCount(), c.pages);
        for (const auto& op : canvas.operationsOf(Kind::Text)) EXPECT_LE(op.right, 2380) << op.text;
    }
}

TEST(CrosswordPrint, TheOptionsChooseWhatIsPrinted) {
    struct Case {
        const char* what;
        void (*choose)(PrintOptions&);
        std::size_t outlines, fills, texts;
        int downListTop;  // where "Svisle" stands; 0 when it is not printed
    };
    const Case cases[] = {
        {"everything", [](PrintOptions&) {}, 99, 43, 25, 1159},
        {"no grid: the lists alone", [](PrintOptions& o) { o.grid = false; }, 0, 0, 5, 1159},
        {"no separators", [](PrintOptions& o) { o.separators = false; }, 99, 41, 25, 1159},
        {"no lists: the grid alone", [](PrintOptions& o) { o.across = o.down = false; }, 99, 43, 20, 0},
        {"no list across", [](PrintOptions& o) { o.across = false; }, 99, 43, 22, 1159},
        {"no list down", [](PrintOptions& o) { o.down = false; }, 99, 43, 23, 0},
        {"clues in a font of their own",
         [](PrintOptions& o) {
             o.sizes.clueFontSize = 8;  // 20 pixels a character
         },
         99, 43, 25, 1159},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintOptions options;
        c.choose(options);
        const RecordingCanvas canvas = printed(tenByTen(), options);
        EXPECT_EQ(canvas.operationsOf(Kind::Rectangle).size(), c.outlines);
        EXPECT_EQ(canvas.operationsOf(Kind::Fill).size(), c.fills);
        EXPECT_EQ(canvas.operationsOf(Kind::Text).size(), c.texts);
        int downTop = 0;
        for (const auto& op : canvas.operationsOf(Kind::Text)) {
            if (op.text.rfind("Svisle: ", 0) == 0) downTop = op.top;
            const int size = op.top > 1000 ? options.sizes.clueFontSize : options.sizes.labelFontSize;
            EXPECT_EQ(op.font.pointSize, size) << op.text;
        }
        EXPECT_EQ(downTop, c.downListTop);
        EXPECT_EQ(canvas.pageCount(), 1);
    }
}

TEST(CrosswordPrint, SizesOutOfRangeDrawAsTheirBounds) {
    const auto drawn = [](const PrintSizes& sizes) {
        PrintOptions options;
        options.sizes = sizes;
        std::vector<std::tuple<Kind, int, int, int, int, std::string, int>> ops;
        const RecordingCanvas canvas = printed(tenByTen(), options);
        for (const auto& op : canvas.operations())
            ops.emplace_back(op.kind, op.left, op.top, op.right, op.bottom, op.text, op.font.pointSize);
        return ops;
    };
    EXPECT_EQ(drawn({INT_MAX, INT_MAX, INT_MIN, INT_MAX}), drawn({400, 200, 1, 50}));
    EXPECT_EQ(drawn({INT_MIN, 0, -3, -1}), drawn({10, 1, 1, 0}));
}

TEST(CrosswordPrint, AGridWiderOrHigherThanThePageIsDrawnSmallerToFitIt) {
    // At the defaults 27 columns fit on A4 upright (their frame ends at 2416)
    // and 40 rows (at 3392); 28 columns do not.
    struct Case {
        int columns, rows;
        bool fullSize;
    };
    for (const Case c : {Case{27, 10, true}, Case{10, 40, true}, Case{28, 10, false}, Case{40, 40, false}}) {
        SCOPED_TRACE(testing::Message() << c.columns << " × " << c.rows);
        const RecordingCanvas canvas = printed(PrintedCrossword::blank(c.columns, c.rows));
        int right = 0, bottom = 0;
        for (const Kind kind : {Kind::Rectangle, Kind::Fill})
            for (const auto& [l, t, r, b] : boxesOf(canvas, kind)) {
                EXPECT_GE(l, 0);
                EXPECT_GE(t, 0);
                right = std::max(right, r);
                bottom = std::max(bottom, b);
            }
        EXPECT_LE(right, 2480);
        EXPECT_LE(bottom, 3508);
        EXPECT_EQ(boxesOf(canvas, Kind::Rectangle)[0] == Box(198, 147, 280, 229), c.fullSize);
    }
}

}  // namespace
}  // namespace crossword
