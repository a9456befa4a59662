#include "document/core/print_layout.h"

#include "platform/core/scaled_canvas.h"
#include "support/core/placed_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Kind = RecordingCanvas::Kind;
using printlayout::RunningText;

TEST(PrintPieces, TheLabelFontAndTheGridFrame) {
    EXPECT_EQ(printlayout::labelFont(), (CanvasFont{"Courier New", 8, false}));

    struct Case {
        int columns, rows;
        std::array<int, 4> frame;
    };
    const Case cases[] = {
        {1, 1, {98, 99, 171, 175}},
        {10, 10, {98, 99, 801, 805}},
        {7, 44, {98, 99, 591, 3185}},
        {40, 40, {98, 99, 2901, 2905}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.columns << " × " << c.rows);
        RecordingCanvas canvas;
        canvas.setPenColor(colors::red);
        printlayout::drawGridFrame(canvas, c.columns, c.rows);
        ASSERT_EQ(canvas.operations().size(), 1u);
        const auto& frame = canvas.operations()[0];
        EXPECT_EQ(frame.kind, Kind::Rectangle);
        EXPECT_EQ((std::array{frame.left, frame.top, frame.right, frame.bottom}), c.frame);
        EXPECT_EQ(frame.pen, colors::red) << "drawn with the canvas's pen";
        EXPECT_EQ(printlayout::frameRight(c.columns), c.frame[2]);
        EXPECT_EQ(printlayout::frameBottom(c.rows), c.frame[3]);
        // The last cell, from 99 + 70 (c − 1), lies inside the frame.
        EXPECT_LT(99 + 70 * c.columns, c.frame[2]);
        EXPECT_LT(99 + 70 * c.rows, c.frame[3]);
    }
}

// Pieces written on an A4 page at 300 pixels per inch in 12 points: 30 pixels
// a character, the right limit at 2380, the bottom limit at 3408.
struct Script {
    const char* what;
    int base;
    // A piece, or a new line when `piece` is empty: (piece, undrawn tail it is measured with, step).
    std::vector<std::tuple<std::string, std::string, int>> steps;
    std::vector<Placed> expected;
};

std::string letters(int count) { return std::string(static_cast<std::size_t>(count), 'x'); }

// Writes the script's pieces and new lines in 12 points.
void run(const Script& script, RecordingCanvas& canvas) {
    canvas.setFont({"Courier New", 12, false});
    RunningText text(canvas, script.base);
    for (const auto& [piece, tail, step] : script.steps) {
        if (piece.empty())
            text.newLine(step);
        else if (tail.empty())
            text.write(piece);
        else
            text.write(piece, tail);
    }
}

TEST(RunningText, WrapsAtTheRightLimitAndBreaksPagesAtTheBottom) {
    const std::string line = letters(76);  // exactly 2280 pixels: from 100 to the right limit
    const std::vector<Script> scripts = {
        {"pieces follow each other from the pen on one line",
         500,
         {{"ab", "", 0}, {"cde", "", 0}, {"f", "", 0}},
         {{"ab", 100, 500, 1}, {"cde", 160, 500, 1}, {"f", 250, 500, 1}}},
        {"a piece that would reach the right limit goes to the next line, 60 lower",
         500,
         {{"ab", "", 0}, {letters(75), "", 0}, {"z", "", 0}},
         {{"ab", 100, 500, 1}, {letters(75), 100, 560, 1}, {"z", 100, 620, 1}}},
        {"reaching the limit exactly counts; one character short does not",
         500,
         {{"ab", "", 0}, {letters(74), "", 0}, {"ab", "", 0}, {letters(73), "", 0}},
         {{"ab", 100, 500, 1}, {letters(74), 100, 560, 1}, {"ab", 100, 620, 1}, {letters(73), 160, 620, 1}}},
        {"after a piece its own width is tested again: a line it half filled ends",
         500,
         {{letters(40), "", 0}, {"a", "", 0}},
         {{letters(40), 100, 500, 1}, {"a", 100, 560, 1}}},
        {"a piece as wide as a whole line leaves an empty line before it",
         500,
         {{line, "", 0}, {"a", "", 0}},
         {{line, 100, 560, 1}, {"a", 100, 620, 1}}},
        {"the width tested may take in a tail that is not drawn",
         500,
         {{"ab", letters(8), 0}, {"cd", letters(72), 0}, {"ef", "", 0}},
         {{"ab", 100, 500, 1}, {"cd", 100, 560, 1}, {"ef", 100, 620, 1}}},
        {"a line at the bottom limit starts a new page; its text starts at 100",
         3288,
         {{letters(40), "", 0}, {letters(40), "", 0}, {letters(40), "", 0}, {letters(40), "", 0}},
         {{letters(40), 100, 3288, 1}, {letters(40), 100, 3348, 1}, {letters(40), 100, 100, 2},
          {letters(40), 100, 160, 2}}},
        {"a text that starts below the bottom limit starts on a new page",
         3565,
         {{"konec", "", 0}},
         {{"konec", 100, 100, 2}}},
        {"a new line goes the given step lower, at 100, after the tests due",
         500,
         {{"ab", "", 0}, {"", "", 90}, {"cd", "", 0}, {letters(40), "", 0}, {"", "", 60}, {"ef", "", 0}},
         {{"ab", 100, 500, 1}, {"cd", 100, 590, 1}, {letters(40), 160, 590, 1}, {"ef", 100, 710, 1}}},
        {"a new line below the bottom limit: the next piece starts a new page",
         3348,
         {{"ab", "", 0}, {"", "", 90}, {"cd", "", 0}},
         {{"ab", 100, 3348, 1}, {"cd", 100, 100, 2}}},
    };
    for (const Script& script : scripts) {
        SCOPED_TRACE(script.what);
        RecordingCanvas canvas;
        run(script, canvas);
        EXPECT_EQ(placedTexts(canvas), script.expected);
    }
}

TEST(RunningText, BreaksAPieceWiderThanALineAtBlanksOrWhereTheLineIsFull) {
    const std::string a40(40, 'a'), b40(40, 'b');
    const std::vector<Script> scripts = {
        {"at the start of a line it starts there; a line ends at its last blank that fits",
         500,
         {{a40 + " " + b40 + " konec", "", 0}},
         {{a40, 100, 500, 1}, {b40 + " konec", 100, 560, 1}}},
        {"after other text it starts a line of its own",
         500,
         {{"ab; ", "", 0}, {a40 + " " + b40 + " konec", "", 0}},
         {{"ab; ", 100, 500, 1}, {a40, 100, 560, 1}, {b40 + " konec", 100, 620, 1}}},
        {"the blanks where a line ends are not drawn, a blank right after a full line included",
         500,
         {{letters(76) + "   yy", "", 0}},
         {{letters(76), 100, 500, 1}, {"yy", 100, 560, 1}}},
        {"a run without blanks is broken where the line is full; its last line's width is tested after it",
         500,
         {{letters(200), "", 0}, {"z", "", 0}},
         {{letters(76), 100, 500, 1}, {letters(76), 100, 560, 1}, {letters(48), 100, 620, 1}, {"z", 100, 680, 1}}},
        {"its further lines break pages as new lines do",
         3348,
         {{letters(200), "", 0}},
         {{letters(76), 100, 3348, 1}, {letters(76), 100, 100, 2}, {letters(48), 100, 160, 2}}},
        {"a tail that is not drawn is measured, never drawn",
         500,
         {{letters(75), ", ", 0}},
         {{letters(75), 100, 500, 1}}},
    };
    for (const Script& script : scripts) {
        SCOPED_TRACE(script.what);
        RecordingCanvas canvas;
        run(script, canvas);
        EXPECT_EQ(placedTexts(canvas), script.expected);
        for (const auto& op : canvas.operationsOf(Kind::Text)) EXPECT_LE(op.right, 2380) << op.text;
    }
}

TEST(RunningText, StartsNoEmptyPageAfterItsLastPiece) {
    // Each piece fills its line and stands on the last line above the bottom
    // limit: the tests after it would start a page. They run when something
    // follows, never after the very last piece.
    const std::string wide = std::string(60, 'w');
    for (const int pieces : {1, 2, 3}) {
        SCOPED_TRACE(pieces);
        RecordingCanvas canvas(2480, 1200, 300);  // the bottom limit at 1100
        canvas.setFont({"Courier New", 12, false});
        RunningText text(canvas, 1100 - 60 * pieces + 45);
        for (int i = 0; i < pieces; ++i) text.write(wide);
        EXPECT_EQ(canvas.pageCount(), 1);
        ASSERT_EQ(canvas.operationsOf(Kind::Text).size(), static_cast<std::size_t>(pieces));
        EXPECT_EQ(canvas.operationsOf(Kind::Text).back().top, 1085);
        // What follows goes to the next page.
        text.write("dal");
        EXPECT_EQ(placedTexts(canvas).back(), (Placed{"dal", 100, 100, 2}));
    }

    // Nothing written at all: no page, no operation.
    RecordingCanvas canvas;
    { RunningText text(canvas, 3565); }
    EXPECT_TRUE(canvas.operations().empty());
    EXPECT_EQ(canvas.penPos(), (CanvasPoint{100, 3565}));
}

TEST(RunningText, MeasuresEachPieceInTheFontInForce) {
    // A bold number in 14 points (35 pixels a character) and its text in 10
    // (25 pixels), as a list of clues writes them.
    RecordingCanvas canvas;
    RunningText text(canvas, 500);
    for (int i = 0; i < 4; ++i) {
        canvas.setFont({"Courier New", 14, true});
        text.write("12. ");
        canvas.setFont({"Courier New", 10, false});
        text.write(std::string(40, 'k') + ", ");
    }
    // A clue is measured in 10 points also when the tests after it run, after
    // the font has gone back to 14 points for the next number.
    const std::string clue = std::string(40, 'k') + ", ";
    const std::vector<Placed> expected = {
        {"12. ", 100, 500, 1},  {clue, 240, 500, 1},
        {"12. ", 1290, 500, 1}, {clue, 100, 560, 1},  // 1430 + 1050 passes 2380
        {"12. ", 1150, 560, 1}, {clue, 1290, 560, 1},  // 1150 + 1050 does not
        {"12. ", 100, 620, 1},  {clue, 240, 620, 1},   // 2340 + 1050 does
    };
    EXPECT_EQ(placedTexts(canvas), expected);
}

TEST(RunningText, OnAScaledCanvasWrapsAndBreaksPagesInLogicalPixels) {
    // At half size the page counts as 4960 × 7016: the right limit lies at
    // 4860 and the bottom limit at 6916, logical.
    RecordingCanvas page;
    {
        ScaledCanvas half(page, 0.5);
        half.setFont({"Courier New", 12, false});  // 6 points on the page: 30 logical pixels a character
        RunningText text(half, 6856);
        for (int i = 0; i < 5; ++i) text.write(std::string(78, 'a'));  // 2340 logical: two a line
    }
    const std::vector<Placed> expected = {
        {std::string(78, 'a'), 50, 3428, 1},
        {std::string(78, 'a'), 1220, 3428, 1},
        {std::string(78, 'a'), 50, 50, 2},
        {std::string(78, 'a'), 1220, 50, 2},
        {std::string(78, 'a'), 50, 80, 2},
    };
    EXPECT_EQ(placedTexts(page), expected);
    for (const auto& op : page.operationsOf(Kind::Text)) EXPECT_LE(op.right, page.pageWidth());
}

}  // namespace
