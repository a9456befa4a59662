#include "swedish/core/legend.h"

#include "support/core/cp1250_text.h"
#include "tests/swedish/core/printers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace swedish;

namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

TEST(LegendCell, TheCountStaysWithinZeroToTenAndClearingKeepsTheLines) {
    LegendCell cell;
    EXPECT_EQ(cell.count(), 0);
    for (const int bad : {-1, 11, int32Max}) EXPECT_FALSE(cell.setCount(bad)) << bad;
    EXPECT_EQ(cell.count(), 0);

    for (int n = 1; n <= 9; ++n) ASSERT_TRUE(cell.appendText(8));
    ASSERT_TRUE(cell.appendSeparator());
    EXPECT_EQ(cell.line(3), (LegendLine{"Text 3", 50, 8}));
    EXPECT_EQ(cell.line(10), (LegendLine{std::string(kLegendSeparator), 70, 6}));
    EXPECT_TRUE(cell.line(10).isSeparator());
    EXPECT_FALSE(cell.appendText(8)) << "an eleventh line";
    EXPECT_FALSE(cell.appendSeparator());
    EXPECT_EQ(cell.count(), 10);

    cell.setLine(1, cp("Řeka"), -5, 12);
    cell.clear();
    EXPECT_EQ(cell.count(), 0);
    EXPECT_EQ(cell.line(1), (LegendLine{cp("Řeka"), -5, 12})) << "the lines stay";
    ASSERT_TRUE(cell.appendText(7));
    EXPECT_EQ(cell.line(1), (LegendLine{"Text 1", 50, 7})) << "numbering starts again";
    EXPECT_EQ(cell.line(2).text, "Text 2") << "the lines beyond the count stay";
}

TEST(LegendCell, TextsAreCutToOneHundredCharactersAndLineBreaksBecomeBlanks) {
    LegendCell cell;
    cell.setText(1, std::string(150, 'x'));
    EXPECT_EQ(cell.line(1).text, std::string(100, 'x'));
    cell.setLine(2, "horn\xED\r\nto\nk", 0, 6);
    EXPECT_EQ(cell.line(2).text, "horn\xED  to k");
    EXPECT_FALSE(cell.line(2).isSeparator());
    cell.setText(3, kLegendSeparator);
    EXPECT_TRUE(cell.line(3).isSeparator());
    EXPECT_EQ(cp("*oddělovač*"), std::string(kLegendSeparator));
}

TEST(LegendCell, MovingALineStopsAtTheEndsOfTheIntegerRange) {
    LegendCell cell;
    cell.setLine(1, "a", int32Max, 6);
    cell.moveLine(1, 1);
    EXPECT_EQ(cell.line(1).top, int32Max);
    cell.moveLine(1, -1);
    EXPECT_EQ(cell.line(1).top, int32Max - 1);
    cell.setLine(1, "a", int32Min, 6);
    cell.moveLine(1, -1);
    EXPECT_EQ(cell.line(1).top, int32Min);
}

// ---- the words of a clue cell --------------------------------------------------------

// A 6 × 4 grid:   row 1:  B  p  e  s  B  k
//                 row 2:  a  .  ch H  B  o    (H hidden, "." empty)
//                 row 3:  B  x  y  z  w  B
//                 row 4:  s  B  r  q  .  .
// B black (clue cells); (3, 3) is highlighted grey, (4, 3) silver.
struct WordGrid {
    WordGrid() {
        grid.resizeGrid(6, 4, 20);
        const char* rows[4][6] = {{"B", "p", "e", "s", "B", "k"},
                                  {"a", "", "ch", "H", "B", "o"},
                                  {"B", "x", "y", "z", "w", "B"},
                                  {"s", "B", "r", "q", "", ""}};
        for (int row = 1; row <= 4; ++row)
            for (int col = 1; col <= 6; ++col) {
                const std::string text = rows[row - 1][col - 1];
                if (text == "B") grid.setBrush(col, row, colors::black);
                else if (text == "H") grid.setHidden(col, row, true);
                else grid.setText(col, row, text);
            }
        grid.setBrush(3, 3, colors::gray);
        grid.setBrush(4, 3, colors::silver);
    }
    CellGrid grid;
};

TEST(LegendWords, TheRunsRightAndBelowEndAtABlackOrHiddenCellOrTheEdge) {
    const WordGrid fixture;
    struct Case {
        const char* what;
        int col, row;
        const char* across;
        const char* down;
    };
    const Case cases[] = {
        {"both words", 1, 1, "pes", "a"},
        {"highlighted cells count as letter cells", 1, 3, "xyzw", "s"},
        {"the last column has nothing to its right; an empty cell reads ?", 6, 3, "", "?"},
        {"a black neighbour gives no word", 5, 1, "k", ""},
        {"the last row has nothing below", 2, 4, "rq??", ""},
        {"a word down to the last row", 5, 2, "o", "w?"},
        {"a hidden cell ends the word; ch stays as it is", 1, 2, "?ch", ""},
    };
    for (const Case& c : cases) {
        const LegendWords words = legendWords(fixture.grid, c.col, c.row);
        EXPECT_EQ(words.across, c.across) << c.what;
        EXPECT_EQ(words.down, c.down) << c.what;
    }
}

// ---- suggestions ---------------------------------------------------------------------

TEST(LegendSuggestions, ExactWordsOfBothStoresInCzechOrderWithDuplicates) {
    StringPairList builtin;
    builtin.addPair("pes", cp("čtyřnohý přítel"));
    builtin.addPair("Pes", "souhvezdi");  // another word: letter case counts
    builtin.addPair("les", "porost");
    builtin.addPair("pes", "hafan");
    StringPairList user;
    user.addPair("pes", "hafan");  // the same clue again: listed twice
    user.addPair("pes", "Azor");
    ClueIndex builtinIndex(builtin), userIndex(user);

    const LegendSuggestions both = legendSuggestions({"pes", "pes"}, builtinIndex, userIndex);
    const std::vector<std::string> expected = {"Azor", cp("čtyřnohý přítel"), "hafan", "hafan"};
    EXPECT_EQ(both.across, expected) << "one word feeds both boxes";
    EXPECT_EQ(both.down, expected);

    const LegendSuggestions split = legendSuggestions({"les", "p?s"}, builtinIndex, userIndex);
    EXPECT_EQ(split.across, std::vector<std::string>{"porost"});
    EXPECT_TRUE(split.down.empty()) << "a word with an empty cell";
    EXPECT_TRUE(legendSuggestions({"", "PES"}, builtinIndex, userIndex).down.empty());

    // A clue the user remembers later is found at the next look-up.
    userIndex.remember("les", "bor");
    EXPECT_EQ(legendSuggestions({"les", ""}, builtinIndex, userIndex).across,
              (std::vector<std::string>{"bor", "porost"}));
}

// ---- the preview ---------------------------------------------------------------------

TEST(LegendPreview, FrameSeparatorsAndCentredTextsAtAThirdOfTheirUnits) {
    LegendCell cell;
    ASSERT_TRUE(cell.appendSeparator());  // top 70
    ASSERT_TRUE(cell.appendText(6));
    cell.setLine(2, "Text 1", 50, 6);
    ASSERT_TRUE(cell.appendText(6));
    cell.setLine(3, "ab", -10, 0);  // size 0 is drawn in 1 point
    ASSERT_TRUE(cell.appendText(6));
    cell.setLine(4, "c", 0, 500);   // drawn in 200 points
    cell.setLine(5, "beyond the count", 0, 6);

    RecordingCanvas canvas(45, 45, 96);
    drawLegendPreview(canvas, cell);
    using Kind = RecordingCanvas::Kind;
    const auto rectangles = canvas.operationsOf(Kind::Rectangle);
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ((std::vector<int>{rectangles[0].left, rectangles[0].top, rectangles[0].right, rectangles[0].bottom}),
              (std::vector<int>{0, 0, 45, 45}));
    const auto lines = canvas.operationsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ((std::vector<int>{lines[0].left, lines[0].top, lines[0].right, lines[0].bottom}),
              (std::vector<int>{0, 22, 45, 22}));
    const auto texts = canvas.operationsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Text 1");
    EXPECT_EQ(texts[0].font.pointSize, 6);
    EXPECT_EQ((std::vector<int>{texts[0].left, texts[0].top}), (std::vector<int>{10, 17}));
    EXPECT_EQ(texts[1].top, -2) << "above the cell";
    EXPECT_EQ(texts[1].font.pointSize, 1);
    EXPECT_EQ(texts[2].font.pointSize, 200);
}

TEST(LegendPreview, PositionsRoundToTheNearestPixelWithoutOverflow) {
    struct Case {
        std::int64_t top;
        int separatorY;
        int textY;
    };
    const Case cases[] = {
        {70, 22, 24},  {50, 16, 17},  {-10, -3, -2}, {0, 0, 1},
        {int32Max, 687194767, 687194768},
        {int32Min, -687194767, -687194766},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(preview::separatorY(c.top), c.separatorY) << c.top;
        EXPECT_EQ(preview::textY(c.top), c.textY) << c.top;
    }
    EXPECT_EQ(drawnFontSize(int32Min), 1);
    EXPECT_EQ(drawnFontSize(int32Max), 200);
    EXPECT_EQ(drawnFontSize(12), 12);
}

}  // namespace
