#include "wordsearch/core/osm_print.h"
#include "support/core/placed_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Kind = RecordingCanvas::Kind;

// A 10 × 10 word search of letters with the given words.
OsmDocument wordSearch(std::vector<std::string> words = {}) {
    OsmDocument document = OsmDocument::blank(10, 10);
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column) document.cell(column, row).text = "a";
    document.words = std::move(words);
    return document;
}

// The text operations drawn in the word list's font.
std::vector<RecordingCanvas::Operation> wordListTexts(const RecordingCanvas& canvas) {
    std::vector<RecordingCanvas::Operation> found;
    for (const auto& op : canvas.operations())
        if (op.kind == Kind::Text && op.font.pointSize == osmprint::wordListFontSize) found.push_back(op);
    return found;
}

// (text, x, y, page from 1) of every word-list text, in drawing order.
std::vector<Placed> placedWords(const RecordingCanvas& canvas) {
    return placedTexts(canvas, [](const auto& op) { return op.font.pointSize == osmprint::wordListFontSize; });
}

TEST(WordSearchPrint, TheGridStandsInItsFrameAtSeventyPixelsACell) {
    // Column 3, row 2 in each state a cell can be in, on an A4 page at 300
    // pixels per inch. The cell covers x 239 to 308 and y 169 to 238; a letter
    // of the recording canvas is 35 pixels wide and 58 high at 14 points.
    struct Case {
        std::string text;
        Kind kind;
        int left, top, right, bottom;
    };
    const Case cases[] = {
        {"a", Kind::Text, 256, 175, 0, 0},
        {"CH", Kind::Text, 239, 175, 0, 0},
        {"ch", Kind::Text, 239, 175, 0, 0},  // as shown before the puzzle is finished
        {"@", Kind::Fill, 239, 169, 309, 239},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        OsmDocument document = wordSearch({"pes"});
        document.cell(3, 2).text = c.text;
        RecordingCanvas canvas;
        drawWordSearchPrint(canvas, document, osmprint::labelFont());

        const auto& ops = canvas.operations();
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(ops[0].kind, Kind::Rectangle);
        EXPECT_EQ(std::tie(ops[0].left, ops[0].top, ops[0].right, ops[0].bottom), std::make_tuple(98, 99, 801, 805));
        EXPECT_EQ(ops[0].brush, colors::white);
        EXPECT_EQ(ops[0].pen, colors::black);

        // Rows outer, columns inner: the cell is the twelfth drawn.
        const auto& cell = ops[1 + 10 + 2];
        EXPECT_EQ(cell.kind, c.kind);
        EXPECT_EQ(cell.left, c.left);
        EXPECT_EQ(cell.top, c.top);
        if (c.kind == Kind::Fill) {
            EXPECT_EQ(std::tie(cell.right, cell.bottom), std::tie(c.right, c.bottom));
            EXPECT_EQ(cell.brush, colors::black);
            EXPECT_EQ(ops[1 + 10 + 3].brush, colors::white) << "the brush is white again after a hidden cell";
        } else {
            EXPECT_EQ(cell.text, c.text);
            EXPECT_EQ(cell.font, (CanvasFont{"Courier New", 14, false}));
        }

        const auto words = wordListTexts(canvas);
        ASSERT_EQ(words.size(), 1u);
        EXPECT_EQ(std::tie(words[0].left, words[0].top), std::make_tuple(100, 905));
        EXPECT_EQ(words[0].text, "pes") << "the last word has no separator";
        EXPECT_EQ(words[0].font, (CanvasFont{"Courier New", 12, false}));
        EXPECT_EQ(canvas.pageCount(), 1);
    }
}

// Whatever the grid's size and the canvas's letters, each letter's box lies
// inside its own cell and clear of the frame's lines, and a hidden cell's box
// is its cell exactly: nothing runs into the frame or the next row.
TEST(WordSearchPrint, EveryLetterStaysInsideItsCellAndTheFrame) {
    struct Case {
        const char* what;
        int columns, rows;
        // The recording canvas's letters of 14 points are 14 × ppi ÷ 120
        // pixels wide and 14 × ppi ÷ 72 high.
        int pixelsPerInch;
        int pageWidth, pageHeight;
    };
    const Case cases[] = {
        {"ten by ten at 300 pixels per inch", 10, 10, 300, 2480, 3508},
        {"small letters", 10, 10, 200, 2480, 3508},
        {"letters as high as a real font's line, 66 pixels", 10, 10, 340, 2480, 3508},
        {"the widest grid on A4 at full size", 33, 48, 300, 2480, 3508},
        {"40 by 40 drawn smaller", 40, 40, 300, 2480, 3508},
        {"40 by 5 drawn much smaller", 40, 5, 300, 1200, 3508},
    };
    const std::string letters = "aCHch\xE8\x9A\xF8W";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OsmDocument document = OsmDocument::blank(c.columns, c.rows);
        for (int row = 1; row <= c.rows; ++row)
            for (int column = 1; column <= c.columns; ++column) {
                const int k = (row * 3 + column) % 6;
                const char letter = letters[static_cast<std::size_t>(k + row) % letters.size()];
                document.cell(column, row).text = k == 1 ? "CH" : k == 2 ? "ch" : k == 3 ? "@" : std::string(1, letter);
            }
        RecordingCanvas canvas(c.pageWidth, c.pageHeight, c.pixelsPerInch);
        drawWordSearchPrint(canvas, document, osmprint::labelFont());
        const double factor = osmprint::printScale(c.pageWidth, c.pageHeight, c.columns, c.rows);
        const auto device = [factor](int value) { return static_cast<int>(std::lround(factor * value)); };

        const auto& ops = canvas.operations();
        ASSERT_GT(ops.size(), static_cast<std::size_t>(c.columns * c.rows));
        const auto& frame = ops[0];
        ASSERT_EQ(frame.kind, Kind::Rectangle);
        std::size_t next = 1;  // cells are drawn row by row after the frame
        for (int row = 1; row <= c.rows; ++row)
            for (int column = 1; column <= c.columns; ++column) {
                SCOPED_TRACE(testing::Message() << "cell " << column << ", " << row);
                const osmprint::CellBox cell = osmprint::cellBox(column, row);
                const auto& op = ops[next++];
                const auto box = std::make_tuple(op.left, op.top, op.right, op.bottom);
                if (document.cell(column, row).hidden()) {
                    ASSERT_EQ(op.kind, Kind::Fill);
                    EXPECT_EQ(box, std::make_tuple(device(cell.left), device(cell.top), device(cell.right),
                                                   device(cell.bottom)));
                    continue;
                }
                ASSERT_EQ(op.kind, Kind::Text);
                EXPECT_GE(op.left, device(cell.left));
                EXPECT_GE(op.top, device(cell.top));
                EXPECT_LE(op.right, device(cell.right));
                EXPECT_LE(op.bottom, device(cell.bottom));
                // The frame's lines are its rectangle's outermost pixels.
                EXPECT_GT(op.left, frame.left);
                EXPECT_GT(op.top, frame.top);
                EXPECT_LT(op.right, frame.right);
                EXPECT_LT(op.bottom, frame.bottom);
            }
    }
}

TEST(WordSearchPrint, WordsRunOnLikeTextAndWrapAtTheRightLimit) {
    // 12 points at 300 pixels per inch: 30 pixels a character; the right
    // limit of an A4 page is 2380.
    const std::string seventy(70, 'x');  // "xxx…, " is 2160 pixels wide
    struct Case {
        const char* what;
        std::vector<std::string> words;
        std::vector<Placed> expected;
    };
    const std::vector<Case> cases = {
        {"six words of ten letters fill a line, the seventh starts the next",
         std::vector<std::string>(8, "abcdefghij"),
         {{"abcdefghij, ", 100, 905, 1},
          {"abcdefghij, ", 460, 905, 1},
          {"abcdefghij, ", 820, 905, 1},
          {"abcdefghij, ", 1180, 905, 1},
          {"abcdefghij, ", 1540, 905, 1},
          {"abcdefghij, ", 1900, 905, 1},
          {"abcdefghij, ", 100, 965, 1},
          {"abcdefghij", 460, 965, 1}}},
        {"a word that would pass the limit goes to the next line, and a line it fills ends after it",
         {"pes", seventy, "les"},
         {{"pes, ", 100, 905, 1}, {seventy + ", ", 100, 965, 1}, {"les", 100, 1025, 1}}},
        {"\xE8" "esk\xE1 slova count one character a letter",
         {"\x9Ailha", "\xE8" "\xE1" "p"},
         {{"\x9Ailha, ", 100, 905, 1}, {"\xE8\xE1p", 100 + 7 * 30, 905, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingCanvas canvas;
        drawWordSearchPrint(canvas, wordSearch(c.words), osmprint::labelFont());
        EXPECT_EQ(placedWords(canvas), c.expected);
    }
}

TEST(WordSearchPrint, AListThatReachesTheBottomContinuesOnANewPage) {
    // A page 1200 pixels high: the bottom limit is 1100, so the lines at 905,
    // 965, 1025 and 1085 fit and the fifth starts a page at the top, 100.
    // Words of sixty letters take a line each.
    const std::string word(60, 'w');
    struct Case {
        int words;
        int pages;
        std::vector<Placed> expected;
    };
    const Case cases[] = {
        {0, 1, {}},  // an empty list: the grid alone, and the document ends
        {4, 1, {{word + ", ", 100, 905, 1}, {word + ", ", 100, 965, 1}, {word + ", ", 100, 1025, 1}, {word, 100, 1085, 1}}},
        {6,
         2,
         {{word + ", ", 100, 905, 1},
          {word + ", ", 100, 965, 1},
          {word + ", ", 100, 1025, 1},
          {word + ", ", 100, 1085, 1},
          {word + ", ", 100, 100, 2},
          {word, 100, 160, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        RecordingCanvas canvas(2480, 1200, 300);
        drawWordSearchPrint(canvas, wordSearch(std::vector<std::string>(static_cast<std::size_t>(c.words), word)),
                            osmprint::labelFont());
        EXPECT_EQ(canvas.pageCount(), c.pages) << "no empty page after the last word";
        EXPECT_EQ(placedWords(canvas), c.expected);
        EXPECT_EQ(canvas.operationsOf(Kind::Text).size(), 100u + static_cast<std::size_t>(c.words));
    }
}

TEST(WordSearchPrint, AGridIsDrawnAtFullSizeWhereverItsFrameLiesOnThePage) {
    // On A4 at 300 pixels per inch, upright and lying: the frame of c columns
    // ends at 70 c + 101, of r rows at 70 r + 105. Up to 33 columns fit
    // upright (2411 ≤ 2480) and up to 33 rows lying (2415 ≤ 2480); a larger
    // grid is drawn smaller, its frame with the same room on both sides
    // along the side that limits it.
    struct Page {
        int width, height;
        int fullColumns, fullRows;  // the largest grid drawn at full size
    };
    for (const Page page : {Page{2480, 3508, 33, 40}, Page{3508, 2480, 40, 33}}) {
        for (int columns = 1; columns <= 40; ++columns)
            for (const int rows : {1, 20, 33, 34, 40}) {
                SCOPED_TRACE(testing::Message() << columns << " × " << rows << " on " << page.width << " × "
                                                << page.height);
                RecordingCanvas canvas(page.width, page.height, 300);
                drawWordSearchPrint(canvas, OsmDocument::blank(columns, rows), osmprint::labelFont());
                ASSERT_EQ(canvas.operations().size(), 1u);
                const auto& frame = canvas.operations()[0];
                const double factor = osmprint::printScale(page.width, page.height, columns, rows);
                if (columns <= page.fullColumns && rows <= page.fullRows) {
                    EXPECT_EQ(factor, 1.0);
                    EXPECT_EQ(std::tie(frame.left, frame.top, frame.right, frame.bottom),
                              std::make_tuple(98, 99, 70 * columns + 101, 70 * rows + 105));
                } else {
                    EXPECT_LT(factor, 1.0);
                    EXPECT_GE(frame.left, 0);
                    EXPECT_GE(frame.top, 0);
                    EXPECT_LE(frame.right, page.width);
                    EXPECT_LE(frame.bottom, page.height);
                    const int roomRight = page.width - frame.right;
                    const int roomBelow = page.height - frame.bottom;
                    EXPECT_TRUE(std::abs(roomRight - frame.left) <= 1 || std::abs(roomBelow - frame.top) <= 1)
                        << "the limiting side keeps its margins: " << frame.left << ", " << roomRight << " / "
                        << frame.top << ", " << roomBelow;
                }
            }
    }
}

TEST(WordSearchPrint, A40By40GridStaysWhollyOnTheA4Page) {
    OsmDocument document = OsmDocument::blank(40, 40);
    for (int row = 1; row <= 40; ++row)
        for (int column = 1; column <= 40; ++column)
            document.cell(column, row).text = std::string(1, static_cast<char>('a' + (row + column) % 26));
    document.cell(40, 40).text = "CH";
    document.cell(40, 1).text = "@";
    document.cell(1, 40).text = "@";
    for (int i = 0; i < 400; ++i) document.words.push_back(std::string(static_cast<std::size_t>(3 + i * 7 % 30), 'w'));

    RecordingCanvas canvas;  // A4 at 300 pixels per inch
    drawWordSearchPrint(canvas, document, osmprint::labelFont());
    EXPECT_EQ(canvas.pageCount(), 3);
    int texts = 0;
    for (const auto& op : canvas.operations()) {
        if (op.kind == Kind::NewPage) continue;
        SCOPED_TRACE(op.text);
        EXPECT_GE(op.left, 0);
        EXPECT_GE(op.top, 0);
        EXPECT_LE(op.right, canvas.pageWidth());
        EXPECT_LE(op.bottom, canvas.pageHeight());
        texts += op.kind == Kind::Text;
    }
    EXPECT_EQ(texts, 40 * 40 - 2 + 400) << "every cell and every word is drawn";
    // 2480 ÷ 2999: 14 points become 12 and 12 points become 10.
    const auto& ops = canvas.operations();
    EXPECT_EQ(ops[1].font, (CanvasFont{"Courier New", 12, false}));
    EXPECT_EQ(ops.back().font, (CanvasFont{"Courier New", 10, false}));
    EXPECT_EQ(std::tie(ops[0].left, ops[0].top, ops[0].right, ops[0].bottom), std::make_tuple(81, 82, 2399, 2402));
}

TEST(WordSearchWorkbook, TheGridStandsBesideTheWordsWithHiddenCellsFilled) {
    // 30 columns: the hidden cell of column 30 is sheet column 31, "AE".
    OsmDocument document = OsmDocument::blank(30, 2);
    document.cell(1, 1).text = "k";
    document.cell(2, 1).text = "CH";
    document.cell(30, 2).text = "@";
    document.words = {"kolo", "\x9Akola"};
    Workbook book;
    ASSERT_TRUE(fillWordSearchWorkbook(book, document));

    EXPECT_EQ(book.sheetName(1), "Osmismerka");
    EXPECT_EQ(book.sheetName(2), "List2");
    EXPECT_EQ(book.currentSheet(), 1);
    EXPECT_TRUE(book.cells(2).empty());
    EXPECT_EQ(book.cell(1, 1, 2)->text, "k");
    EXPECT_EQ(book.cell(1, 1, 3)->text, "CH");
    EXPECT_EQ(book.cell(1, 1, 1)->text, "kolo");
    EXPECT_EQ(book.cell(1, 2, 1)->text, "\x9Akola");

    const Cell* hidden = book.cell(1, 2, 31);
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->format.pattern, patterns::solid);
    EXPECT_EQ(hidden->format.foreground, colors::black);
    EXPECT_EQ(hidden->text, "");
    EXPECT_EQ(book.cell(1, 1, 31)->format.pattern, patterns::none);

    // A thin frame round the grid B1:AE2, nothing inside it, nothing round the words.
    EXPECT_EQ(book.cell(1, 1, 2)->format.left.style, borders::thin);
    EXPECT_EQ(book.cell(1, 1, 2)->format.top.style, borders::thin);
    EXPECT_EQ(book.cell(1, 1, 2)->format.right.style, borders::none);
    EXPECT_EQ(hidden->format.right.style, borders::thin);
    EXPECT_EQ(hidden->format.bottom.style, borders::thin);
    EXPECT_EQ(book.cell(1, 1, 1)->format.right.style, borders::none);

    // A word longer than a spreadsheet cell holds is refused, not dropped quietly.
    document.words.push_back(std::string(300, 'x'));
    Workbook refused;
    EXPECT_FALSE(fillWordSearchWorkbook(refused, document));
}

}  // namespace
