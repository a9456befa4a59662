#include "crossword/core/kri_print.h"

#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"
#include "support/core/workbook_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace crossword {
namespace {

// What an independent reader finds in the written workbook of `crossword`.
std::vector<std::string> exported(const KriDocument& crossword) {
    Workbook book;
    EXPECT_TRUE(fillCrosswordWorkbook(book, crossword));
    TempFolder folder;
    EXPECT_TRUE(writeWorkbook(book, folder / "krizovka.xls"));
    return workbookLines(folder / "krizovka.xls");
}

// The cells of one sheet: row|column|text|pattern|fill|top|bottom|left|right|font|points|bold.
std::vector<std::string> sheetCells(const std::vector<std::string>& lines, int sheet) {
    std::vector<std::string> found;
    const std::string prefix = "cell|" + std::to_string(sheet) + "|";
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
    return found;
}

// The cell of `row`, `column` in one sheet's cells, or "" when it has none.
std::string cellOf(const std::vector<std::string>& cells, int row, int column) {
    const std::string prefix = std::to_string(row) + "|" + std::to_string(column) + "|";
    for (const std::string& cell : cells)
        if (cell.rfind(prefix, 0) == 0) return cell.substr(prefix.size());
    return "";
}

TEST(CrosswordExport, TheBlankAndTheFilledSheetHoldTheGridWithItsBordersAndTheLists) {
    SKIP_WITHOUT_XLRD();
    // 3 × 2: "pes" across row 1 with its end mark on the last cell, row 2 blocked.
    KriDocument crossword = KriDocument::blank(3, 2);
    crossword.cell(1, 1).text = "p";
    crossword.cell(2, 1).text = "e";
    crossword.cell(3, 1).text = "s";
    crossword.cell(3, 1).rightBar = true;
    for (int c = 1; c <= 3; ++c) crossword.cell(c, 2).text = "@";
    crossword.across = {{"pes", cp("zvíře"), 1, 1}};

    const auto lines = exported(crossword);
    const std::string all = joinedLines(lines);
    EXPECT_EQ(lines.front(), "sheet|1|Nevyplnena|0") << all;
    EXPECT_TRUE(holdsLine(lines, "sheet|2|Vyplnena|1")) << "the second sheet is the one selected\n" << all;

    // B1 to D1 in thin boxes, D1 with its thick right border, B2 to D2 solid
    // black, a thick frame round B1 to D2; the lists in column A with the
    // empty list down as one empty row.
    const auto sheet = [](const std::string& a2, const std::string& b1, const std::string& c1, const std::string& d1) {
        return std::vector<std::string>{
            "1|1|Vodorovně:|0|-|0:-|0:-|0:-|0:-|Arial|10|1",
            "1|2|" + b1 + "|0|-|2:000000|1:000000|2:000000|1:000000|Arial|10|0",
            "1|3|" + c1 + "|0|-|2:000000|1:000000|1:000000|1:000000|Arial|10|0",
            "1|4|" + d1 + "|0|-|2:000000|1:000000|1:000000|2:000000|Arial|10|0",
            "2|1|" + a2 + "|0|-|0:-|0:-|0:-|0:-|Arial|10|0",
            "2|2||1|000000|0:-|2:000000|2:000000|0:-|Arial|10|0",
            "2|3||1|000000|0:-|2:000000|0:-|0:-|Arial|10|0",
            "2|4||1|000000|0:-|2:000000|0:-|2:000000|Arial|10|0",
            "4|1|Svisle:|0|-|0:-|0:-|0:-|0:-|Arial|10|1",
        };
    };
    EXPECT_EQ(sheetCells(lines, 1), sheet("zvíře", "", "", "")) << all;
    EXPECT_EQ(sheetCells(lines, 2), sheet("pes", "p", "e", "s")) << all;
}

TEST(CrosswordExport, SecretCellsAreSilverAndEveryBarThickensTheCellsItEnds) {
    SKIP_WITHOUT_XLRD();
    // 3 × 3: "k" ends a word down above the blocked (1, 2); "o" is a letter
    // of the secret phrase with a bar on its right; "ch" fills (3, 3).
    KriDocument crossword = KriDocument::blank(3, 3);
    crossword.cell(1, 1) = {"k", kKriWhite, true, false, 1, 1};
    crossword.cell(1, 2).text = "@";
    crossword.cell(2, 1) = {"o", 255, false, true, 0, 2};
    crossword.cell(3, 3).text = "ch";
    const auto lines = exported(crossword);
    const std::string all = joinedLines(lines);
    struct Case {
        int row, column;
        std::string blank, filled;  // pattern|fill|top|bottom|left|right, after the text
    };
    const Case cases[] = {
        {1, 2, "|0|-|2:000000|2:000000|2:000000|1:000000", "k|0|-|2:000000|2:000000|2:000000|1:000000"},
        {2, 2, "|1|000000|0:-|0:-|2:000000|0:-", "|1|000000|0:-|0:-|2:000000|0:-"},  // only black
        {1, 3, "|1|C0C0C0|2:000000|1:000000|1:000000|2:000000", "o|1|C0C0C0|2:000000|1:000000|1:000000|2:000000"},
        {1, 4, "|0|-|2:000000|1:000000|2:000000|2:000000", "|0|-|2:000000|1:000000|2:000000|2:000000"},
        {3, 4, "|0|-|1:000000|2:000000|1:000000|2:000000", "ch|0|-|1:000000|2:000000|1:000000|2:000000"},
    };
    const auto blank = sheetCells(lines, 1);
    const auto filled = sheetCells(lines, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << ", column " << c.column);
        EXPECT_EQ(cellOf(blank, c.row, c.column), c.blank + "|Arial|10|0") << all;
        EXPECT_EQ(cellOf(filled, c.row, c.column), c.filled + "|Arial|10|0") << all;
    }
}

TEST(CrosswordExport, TheListDownStartsTwoRowsAfterTheListAcross) {
    SKIP_WITHOUT_XLRD();
    KriDocument crossword = KriDocument::blank(3, 3);
    crossword.across = {{"pes", cp("zvíře"), 1, 1}, {"les", "", 2, 1}, {"kos", cp("pták s háčkem ťŽ"), 3, 1}};
    for (int k = 1; k <= 5; ++k) crossword.down.push_back({"w" + std::to_string(k), "c" + std::to_string(k), k % 3 + 1, 1});
    const auto lines = exported(crossword);
    const std::string all = joinedLines(lines);
    const auto blank = sheetCells(lines, 1);
    const auto filled = sheetCells(lines, 2);
    const std::string plain = "|0|-|0:-|0:-|0:-|0:-|Arial|10|";
    for (const auto* cells : {&blank, &filled}) {
        EXPECT_EQ(cellOf(*cells, 1, 1), std::string("Vodorovně:") + plain + "1") << all;
        EXPECT_EQ(cellOf(*cells, 6, 1), "Svisle:" + plain + "1") << all;
        EXPECT_EQ(cellOf(*cells, 5, 1), "") << "one empty row between the lists";
        EXPECT_EQ(cellOf(*cells, 12, 1), "");
    }
    EXPECT_EQ(cellOf(blank, 2, 1), std::string("zvíře") + plain + "0");
    EXPECT_EQ(cellOf(blank, 3, 1), "") << "an empty clue";
    EXPECT_EQ(cellOf(blank, 4, 1), std::string("pták s háčkem ťŽ") + plain + "0");
    EXPECT_EQ(cellOf(filled, 4, 1), "kos" + plain + "0");
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(cellOf(blank, 6 + k, 1), "c" + std::to_string(k) + plain + "0");
        EXPECT_EQ(cellOf(filled, 6 + k, 1), "w" + std::to_string(k) + plain + "0");
    }
}

TEST(CrosswordExport, AFortyColumnGridEndsInColumnAO) {
    SKIP_WITHOUT_XLRD();
    KriDocument crossword = KriDocument::blank(40, 2);
    crossword.cell(26, 1).text = "@";  // sheet column 27, "AA"
    crossword.cell(40, 2).text = "z";
    const auto filled = sheetCells(exported(crossword), 2);
    EXPECT_EQ(cellOf(filled, 1, 27), "|1|000000|2:000000|0:-|0:-|0:-|Arial|10|0");
    EXPECT_EQ(cellOf(filled, 2, 41), "z|0|-|1:000000|2:000000|1:000000|2:000000|Arial|10|0");
    for (const std::string& cell : filled) EXPECT_EQ(cell.find("|42|"), std::string::npos) << cell;
}

TEST(CrosswordExport, AClueLongerThanACellHoldsIsRefused) {
    for (const std::size_t length : {255u, 256u}) {
        KriDocument crossword = KriDocument::blank(2, 2);
        crossword.down = {{"ab", std::string(length, 'x'), 1, 1}};
        Workbook book;
        EXPECT_EQ(fillCrosswordWorkbook(book, crossword), length <= 255) << length;
    }
}

}  // namespace
}  // namespace crossword
