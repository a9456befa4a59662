#include "platform/core/workbook.h"

#include "platform/core/ole2.h"
#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"
#include "support/core/workbook_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <map>
#include <sstream>
#include <tuple>

namespace {

// ---------------------------------------------------------------- names

TEST(CellNames, ColumnLettersThenRow) {
    struct Case {
        int column, row;
        const char* name;
    };
    const Case cases[] = {
        {1, 1, "A1"},     {2, 1, "B1"},      {26, 7, "Z7"},     {27, 3, "AA3"},     {31, 12, "AE12"},
        {41, 40, "AO40"}, {52, 1, "AZ1"},    {53, 1, "BA1"},    {702, 9, "ZZ9"},    {703, 10, "AAA10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cellReference(c.column, c.row), c.name);
        if (c.column <= Workbook::maxColumns) {
            EXPECT_EQ(parseCellReference(c.name), (std::pair{c.row, c.column})) << c.name;
        }
    }
    EXPECT_EQ(columnName(1), "A");
    EXPECT_EQ(columnName(26), "Z");
    EXPECT_EQ(columnName(0), "");

    EXPECT_EQ(parseCellReference("ae12"), (std::pair{12, 31})) << "letters in either case";
    for (const char* bad : {"", "A", "12", "A0", "1A", "A1B", "A-1", "IW1", "A16385", " A1"})
        EXPECT_FALSE(parseCellReference(bad).has_value()) << '"' << bad << '"';
}

TEST(CellNames, WorkbookExtensionIsAppendedUnlessExactlyXls) {
    const std::pair<const char*, const char*> cases[] = {
        {"x.XLS", "x.XLS.xls"},
        {"x.xls", "x.xls"},
        {"x", "x.xls"},
        {"x.xlsx", "x.xlsx.xls"},
        {"/tmp/a.xls/puzzle", "/tmp/a.xls/puzzle.xls"},
        {"/tmp/puzzle.osm", "/tmp/puzzle.osm.xls"},
        {"/tmp/.xls", "/tmp/.xls"},
    };
    for (const auto& [chosen, written] : cases) EXPECT_EQ(withWorkbookExtension(chosen).string(), written) << chosen;
}

// ---------------------------------------------------------------- model

TEST(Workbook, BordersSetSidesOfEveryCellAndOutlineOfTheEdge) {
    Workbook book;
    ASSERT_TRUE(book.selectRange(3, 4, 2, 2));  // corners in any order
    EXPECT_EQ(book.selection(), (CellRange{2, 2, 3, 4}));
    // A thin box round every cell, then a thick frame round the whole range.
    ASSERT_TRUE(book.setBorder(-1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0));
    ASSERT_TRUE(book.setBorder(2, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0));

    const auto sides = [&](int row, int column) {
        const Cell* cell = book.cell(1, row, column);
        return cell ? std::array{cell->format.top.style, cell->format.bottom.style, cell->format.left.style,
                                 cell->format.right.style}
                    : std::array{-9, -9, -9, -9};
    };
    //                       top bottom left right
    EXPECT_EQ(sides(2, 2), (std::array{2, 1, 2, 1}));
    EXPECT_EQ(sides(2, 3), (std::array{2, 1, 1, 1}));
    EXPECT_EQ(sides(2, 4), (std::array{2, 1, 1, 2}));
    EXPECT_EQ(sides(3, 2), (std::array{1, 2, 2, 1}));
    EXPECT_EQ(sides(3, 3), (std::array{1, 2, 1, 1}));
    EXPECT_EQ(sides(3, 4), (std::array{1, 2, 1, 2}));
    EXPECT_EQ(book.cell(1, 1, 1), nullptr);

    // One side of one cell, the rest unchanged.
    ASSERT_TRUE(book.selectCell("C3"));
    ASSERT_TRUE(book.setBorder(-1, -1, 2, -1, -1, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(sides(3, 3), (std::array{1, 2, 1, 2}));
    // Taking every side away again leaves a plain cell, which is no cell.
    ASSERT_TRUE(book.selectCell("F9"));
    ASSERT_TRUE(book.setBorder(1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0));
    ASSERT_TRUE(book.setBorder(0, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(book.cell(1, 9, 6), nullptr);
}

TEST(Workbook, FillsClearingAndExtentOfTheCurrentSheet) {
    Workbook book;
    EXPECT_EQ(book.sheetName(1), "List1");
    EXPECT_EQ(book.sheetName(2), "List2");
    EXPECT_EQ(book.lastRow(), 0);
    EXPECT_EQ(book.lastColumn(), 0);

    ASSERT_TRUE(book.setCellText(4, 1, "SLOVO"));
    ASSERT_TRUE(book.selectCell("C7"));
    ASSERT_TRUE(book.fillSelection(patterns::solid, colors::black, colors::black));
    EXPECT_EQ(book.lastRow(), 7);
    EXPECT_EQ(book.lastColumn(), 3);
    const Cell* filled = book.cell(1, 7, 3);
    ASSERT_NE(filled, nullptr);
    EXPECT_EQ(filled->format.pattern, patterns::solid);
    EXPECT_EQ(filled->format.foreground, colors::black);

    // Sheets are separate: the second is still empty.
    ASSERT_TRUE(book.setCurrentSheet(2));
    EXPECT_EQ(book.lastRow(), 0);
    EXPECT_EQ(book.selection(), (CellRange{1, 1, 1, 1}));
    ASSERT_TRUE(book.setCurrentSheet(1));

    // Rows 1 to 5 of all columns: the text goes, the fill in row 7 stays.
    ASSERT_TRUE(book.clearRange(1, -1, 5, -1));
    EXPECT_EQ(book.cell(1, 4, 1), nullptr);
    EXPECT_EQ(book.lastRow(), 7);
    // Taking the fill away leaves nothing.
    ASSERT_TRUE(book.fillSelection(patterns::none, colors::black, colors::black));
    EXPECT_EQ(book.lastRow(), 0);
}

TEST(Workbook, FontOfTheSelectionIsReadChangedAndWrittenBack) {
    Workbook book;
    ASSERT_TRUE(book.setCellText(1, 1, "Vodorovn\xEC:"));
    ASSERT_TRUE(book.selectCell("A1"));
    CellFont font = book.selectionFont();
    EXPECT_EQ(font, CellFont{}) << "a new cell has the workbook's default font";
    EXPECT_EQ(font.name, "Arial");
    EXPECT_EQ(font.size, 10);
    font.bold = true;
    font.size = 10;
    ASSERT_TRUE(book.setSelectionFont(font));
    EXPECT_TRUE(book.cell(1, 1, 1)->format.font.bold);
    EXPECT_EQ(book.cell(1, 1, 1)->text, "Vodorovn\xEC:");
}

// Everything out of range is refused and changes nothing.
TEST(Workbook, RefusesWhatTheFileCannotHold) {
    Workbook book;
    ASSERT_TRUE(book.setSheetName(1, "Osmismerka"));

    for (const std::string& name : {std::string(), std::string(32, 'x'), std::string("a/b"), std::string("a[1]"),
                                    std::string("ano?"), std::string("OSMISMERKA"), std::string("osmismerka")})
        EXPECT_FALSE(book.setSheetName(2, name)) << name;
    EXPECT_TRUE(book.setSheetName(2, std::string(31, 'x')));
    EXPECT_FALSE(book.setSheetName(3, "List3"));
    EXPECT_EQ(book.sheetName(2), std::string(31, 'x'));
    // Letter case is ignored for Czech letters too: "ŽLUŤ" and "žluť".
    ASSERT_TRUE(book.setSheetName(2, "\x8ELU\x8D"));
    EXPECT_FALSE(book.setSheetName(1, "\x9Elu\x9D"));

    EXPECT_FALSE(book.setCurrentSheet(0));
    EXPECT_FALSE(book.setCurrentSheet(3));
    EXPECT_EQ(book.currentSheet(), 1);

    EXPECT_FALSE(book.setCellText(0, 1, "a"));
    EXPECT_FALSE(book.setCellText(1, 257, "a"));
    EXPECT_FALSE(book.setCellText(16385, 1, "a"));
    EXPECT_FALSE(book.setCellText(1, 1, std::string(256, 'a')));
    EXPECT_TRUE(book.setCellText(16384, 256, std::string(255, 'a')));

    ASSERT_TRUE(book.selectCell("B2"));
    EXPECT_FALSE(book.selectCell("B0"));
    EXPECT_FALSE(book.selectRange(1, 1, 1, 300));
    EXPECT_EQ(book.selection(), (CellRange{2, 2, 2, 2}));
    EXPECT_FALSE(book.fillSelection(19, 0, 0));
    EXPECT_FALSE(book.fillSelection(-1, 0, 0));
    EXPECT_FALSE(book.setBorder(3, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0));
    EXPECT_FALSE(book.setBorder(-1, -2, -1, -1, -1, 0, 0, 0, 0, 0, 0));
    EXPECT_FALSE(book.setSelectionFont(CellFont{"Arial", 0}));
    EXPECT_FALSE(book.setSelectionFont(CellFont{"", 10}));
    EXPECT_EQ(book.cell(1, 2, 2), nullptr);
    EXPECT_FALSE(book.clearRange(0, 1, 5, 1));
}

// ---------------------------------------------------------------- file

struct ReadCell {
    std::string text;
    int pattern = 0;
    std::string fill;
    std::string top, bottom, left, right;  // "<style>:<rgb>"
    std::string font;
    int points = 0;
    bool bold = false;
};

struct ReadBook {
    std::vector<std::pair<std::string, bool>> sheets;  // name, selected
    std::map<std::tuple<int, int, int>, ReadCell> cells;  // sheet, row, column
    const ReadCell& at(int sheet, int row, int column) const { return cells.at({sheet, row, column}); }
};

std::vector<std::string> splitBars(const std::string& line) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(line);
    while (std::getline(in, part, '|')) parts.push_back(part);
    if (!line.empty() && line.back() == '|') parts.emplace_back();
    return parts;
}

// Reads a written workbook back with xlrd, an independent reader.
std::optional<ReadBook> readBack(const std::filesystem::path& file, std::string& output) {
    if (!runWorkbookReader("read_workbook.py", {file.string()}, output)) return std::nullopt;

    ReadBook book;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto f = splitBars(line);
        if (f.size() == 4 && f[0] == "sheet") {
            book.sheets.emplace_back(f[2], f[3] == "1");
        } else if (f.size() == 14 && f[0] == "cell") {
            ReadCell c{f[4], std::stoi(f[5]), f[6], f[7], f[8], f[9], f[10], f[11], std::stoi(f[12]), f[13] == "1"};
            book.cells[{std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3])}] = c;
        } else {
            return std::nullopt;  // a warning or an error of the reader
        }
    }
    return book;
}

#define READ_BACK(book, file)                                                                 \
    SKIP_WITHOUT_XLRD();                                                                      \
    std::string readerOutput;                                                                 \
    const std::optional<ReadBook> book##Read = readBack(file, readerOutput);                  \
    ASSERT_TRUE(book##Read.has_value()) << "xlrd said:\n" << readerOutput;                    \
    const ReadBook& book = *book##Read

// The shape of a word-search export: a word list in column A beside a grid
// from column B with hidden cells filled black and a frame of thin lines.
TEST(WorkbookFile, WordSearchExportReadsBackWithAnIndependentReader) {
    const std::string zlutoucky = cp("Žluťoučký");
    const std::string kun = cp("kůň");

    Workbook book;
    ASSERT_TRUE(book.setSheetName(1, "Osmismerka"));
    ASSERT_TRUE(book.setSheetName(2, "List2"));
    ASSERT_TRUE(book.setCurrentSheet(1));
    // Grid row 1: K, hidden, N; row 2: Ů, Ň, hidden.
    ASSERT_TRUE(book.setCellText(1, 2, "K"));
    ASSERT_TRUE(book.setCellText(1, 4, "N"));
    ASSERT_TRUE(book.setCellText(2, 2, "\xD9"));
    ASSERT_TRUE(book.setCellText(2, 3, "\xD2"));
    for (const char* hidden : {"C1", "D2"}) {
        ASSERT_TRUE(book.selectCell(hidden));
        ASSERT_TRUE(book.fillSelection(1, 0, 0));
    }
    ASSERT_TRUE(book.selectRange(1, 2, 2, 4));
    ASSERT_TRUE(book.setBorder(1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0));
    ASSERT_TRUE(book.setCellText(1, 1, zlutoucky));
    ASSERT_TRUE(book.setCellText(2, 1, kun));
    // a bold heading, and a silver secret-phrase cell in a thin box with a thick right side
    ASSERT_TRUE(book.selectCell("A1"));
    CellFont heading = book.selectionFont();
    heading.bold = true;
    heading.size = 10;
    ASSERT_TRUE(book.setSelectionFont(heading));
    ASSERT_TRUE(book.selectCell("B2"));
    ASSERT_TRUE(book.fillSelection(1, colors::silver, 0));
    ASSERT_TRUE(book.setBorder(-1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0));
    ASSERT_TRUE(book.setBorder(-1, -1, 2, -1, -1, 0, 0, 0, 0, 0, 0));
    ASSERT_TRUE(book.setCurrentSheet(2));
    ASSERT_TRUE(book.selectCell("A1"));

    TempFolder folder;
    const auto file = folder / "osmismerka.xls";
    ASSERT_TRUE(writeWorkbook(book, file));
    READ_BACK(read, file);

    ASSERT_EQ(read.sheets.size(), 2u);
    EXPECT_EQ(read.sheets[0], (std::pair<std::string, bool>{"Osmismerka", false}));
    EXPECT_EQ(read.sheets[1], (std::pair<std::string, bool>{"List2", true})) << "the current sheet is selected";

    EXPECT_EQ(read.at(1, 1, 1).text, "Žluťoučký");
    EXPECT_EQ(read.at(1, 2, 1).text, "kůň");
    EXPECT_EQ(read.at(1, 2, 2).text, "Ů");
    EXPECT_EQ(read.at(1, 2, 3).text, "Ň");

    for (const auto& [row, column] : {std::pair{1, 3}, std::pair{2, 4}}) {
        const ReadCell& hidden = read.at(1, row, column);
        EXPECT_EQ(hidden.pattern, 1) << row << "," << column;
        EXPECT_EQ(hidden.fill, "000000");
        EXPECT_EQ(hidden.text, "");
    }
    EXPECT_EQ(read.at(1, 1, 2).pattern, 0);
    EXPECT_EQ(read.at(1, 2, 2).fill, "C0C0C0");

    // The frame: thin lines on the outer sides only.
    const ReadCell& corner = read.at(1, 1, 2);
    EXPECT_EQ(corner.top, "1:000000");
    EXPECT_EQ(corner.left, "1:000000");
    EXPECT_EQ(corner.right, "0:-");
    EXPECT_EQ(corner.bottom, "0:-");
    EXPECT_EQ(read.at(1, 2, 4).right, "1:000000");
    EXPECT_EQ(read.at(1, 2, 4).bottom, "1:000000");
    // The boxed cell: thin all round but for its thick (medium) right side.
    const ReadCell& boxed = read.at(1, 2, 2);
    EXPECT_EQ(boxed.top, "1:000000");
    EXPECT_EQ(boxed.left, "1:000000");
    EXPECT_EQ(boxed.right, "2:000000");

    EXPECT_EQ(read.at(1, 1, 1).font, "Arial");
    EXPECT_EQ(read.at(1, 1, 1).points, 10);
    EXPECT_TRUE(read.at(1, 1, 1).bold);
    EXPECT_FALSE(read.at(1, 2, 1).bold);

    EXPECT_EQ(read.cells.count({2, 1, 1}), 0u) << "sheet 2 stays empty";
}

// Enough cells for a stream of many sectors and an allocation table of several
// sectors, and colours outside the standard palette.
TEST(WorkbookFile, LargeWorkbookWithColoursOfItsOwn) {
    const Color brown = colors::fromRgb(86, 52, 18);
    const Color moss = colors::fromRgb(10, 200, 30);
    Workbook book(3);
    for (int row = 1; row <= 300; ++row)
        for (int column = 1; column <= 41; ++column)
            ASSERT_TRUE(book.setCellText(row, column, cellReference(column, row)));
    ASSERT_TRUE(book.selectRange(5, 5, 6, 6));
    ASSERT_TRUE(book.fillSelection(1, brown, colors::white));
    ASSERT_TRUE(book.selectCell("AO300"));
    ASSERT_TRUE(book.fillSelection(1, moss, colors::white));
    ASSERT_TRUE(book.setSheetName(3, "T\xF8" "et\xED"));  // "Třetí"
    const std::string bytes = workbookFile(book);
    ASSERT_GT(bytes.size(), 128u * 512u) << "the allocation table spans several sectors";

    TempFolder folder;
    const auto file = folder / "velky.xls";
    ASSERT_TRUE(writeWorkbook(book, file));
    READ_BACK(read, file);

    ASSERT_EQ(read.sheets.size(), 3u);
    EXPECT_EQ(read.sheets[2].first, "Třetí");
    EXPECT_EQ(read.cells.size(), 300u * 41u);
    EXPECT_EQ(read.at(1, 1, 1).text, "A1");
    EXPECT_EQ(read.at(1, 300, 41).text, "AO300");
    EXPECT_EQ(read.at(1, 137, 27).text, "AA137");
    EXPECT_EQ(read.at(1, 6, 6).fill, "563412");
    EXPECT_EQ(read.at(1, 300, 41).fill, "0AC81E");
    EXPECT_TRUE(read.sheets[0].second);
}

// A workbook of empty sheets is a file of a few hundred bytes (all of it in the
// compound file's small-stream area).
TEST(WorkbookFile, EmptySheetsReadBack) {
    Workbook book;
    TempFolder folder;
    const auto file = folder / "prazdny.xls";
    ASSERT_TRUE(writeWorkbook(book, file));
    READ_BACK(read, file);
    ASSERT_EQ(read.sheets.size(), 2u);
    EXPECT_EQ(read.sheets[0].first, "List1");
    EXPECT_EQ(read.sheets[1].first, "List2");
    EXPECT_TRUE(read.cells.empty());
}

TEST(WorkbookFile, FailedWriteReportsAndLeavesNoFile) {
    TempFolder folder;
    Workbook book;
    ASSERT_TRUE(book.setCellText(1, 1, "x"));
    const auto missing = folder / "no-such-folder" / "a.xls";
    EXPECT_FALSE(writeWorkbook(book, missing));
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));

    const auto old = folder.write("b.xls", "old content");
    const auto blocked = folder.write("file", "not a folder") / "c.xls";
    EXPECT_FALSE(writeWorkbook(book, blocked));
    ASSERT_TRUE(writeWorkbook(book, old));
    EXPECT_NE(folder.read("b.xls"), "old content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2) << "no temporary file left";
}

// The compound file on its own: streams below, at and above the size where
// they leave the small-stream area, found by name through the directory tree.
TEST(CompoundFile, StreamsOfEverySizeAreFoundByName) {
    const auto content = [](std::size_t size, unsigned seed) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 31 + seed) % 251);
        return bytes;
    };
    const std::vector<CompoundStream> streams = {
        {"Book", content(5000, 1)},     {"a", content(10, 2)},         {"Empty", ""},
        {"Below", content(4095, 3)},    {"Large", content(70000, 4)},  {"AtCutoff", content(4096, 5)},
        {"Sixty4", content(64, 6)},
    };
    TempFolder folder;
    const auto file = folder.write("streams.cfb", compoundFile(streams));
    SKIP_WITHOUT_XLRD();
    std::vector<std::string> arguments{file.string()};
    for (const CompoundStream& s : streams) arguments.push_back(s.name);
    std::string output;
    ASSERT_TRUE(runWorkbookReader("read_streams.py", arguments, output)) << output;

    std::string expected;
    for (const CompoundStream& s : streams) {
        std::uint32_t checksum = 0;
        for (std::size_t i = 0; i < s.bytes.size(); ++i)
            checksum += static_cast<std::uint32_t>(static_cast<unsigned char>(s.bytes[i]) * (i + 1));
        expected += s.name + "|" + std::to_string(s.bytes.size()) + "|" + std::to_string(checksum) + "\n";
    }
    EXPECT_EQ(output, expected);

    EXPECT_THROW(compoundFile({{"Book", "x"}, {"BOOK", "y"}}), std::invalid_argument);
    EXPECT_THROW(compoundFile({{std::string(32, 'n'), "x"}}), std::invalid_argument);
}

}  // namespace
