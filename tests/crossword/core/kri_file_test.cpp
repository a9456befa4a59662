#include "crossword/core/kri_file.h"

#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <variant>

namespace crossword {
namespace {

std::string fixture(const std::string& name) {
    ReadResult<std::string> bytes = readFileBytes(testDataFolder() / "crossword" / "fixtures" / name, fileLimit::document);
    EXPECT_TRUE(std::holds_alternative<std::string>(bytes)) << name;
    return std::holds_alternative<std::string>(bytes) ? std::get<std::string>(std::move(bytes)) : std::string();
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST(KriFile, ANewCrosswordIsSixHundredTwentyFourLines) {
    const std::vector<std::string> lines = kriLines(KriDocument::blank(10, 10));
    ASSERT_EQ(lines.size(), 624u);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "16777215");
    EXPECT_EQ(lines[4], "FALSE");
    EXPECT_EQ(lines[5], "FALSE");
    // After the cells: two reserved texts, finished, legend mode, then an
    // empty grid of words across: one empty row and the spare record.
    const std::vector<std::string> tail(lines.begin() + 402, lines.begin() + 424);
    EXPECT_EQ(tail, (std::vector<std::string>{"", "", "FALSE", "FALSE", "1", "", "", "0", "0", "", "", "0", "0",
                                              "1", "", "", "0", "0", "", "", "0", "0"}));
    EXPECT_EQ(lines.back(), "0");
    EXPECT_EQ(joined(lines), fixture("new.kri"));
}

TEST(KriFile, FilesReadAndWriteBackByteForByte) {
    for (const char* name : {"new.kri", "building.kri", "legend.kri", "finished.kri", "empty_lists.kri"}) {
        const std::string bytes = fixture(name);
        const ReadResult<KriDocument> read = parseKri(bytes);
        ASSERT_TRUE(std::holds_alternative<KriDocument>(read)) << name << " line " << std::get<FileError>(read).line;
        EXPECT_EQ(joined(kriLines(std::get<KriDocument>(read))), bytes) << name;
    }
    // What the building file holds, cell by cell: text, colour, bottom bar,
    // right bar, use across, use down. Cells (2, 2) and (3, 2) have one bar
    // each, and (1, 1) and (3, 2) one use each, so no field reads another's line.
    const KriDocument building = std::get<KriDocument>(parseKri(fixture("building.kri")));
    EXPECT_EQ(building.cells, (std::vector<KriCell>{{"ch", kKriWhite, false, false, 1, 0},
                                                    {"a", 255, false, false, 2, 2},
                                                    {"t", kKriWhite, true, true, 1, 1},
                                                    {"@", kKriWhite, false, false, 0, 0},
                                                    {"", kKriWhite, false, true, 0, 0},
                                                    {"u", kKriWhite, true, false, 0, 1}}));
    const KriDocument legend = std::get<KriDocument>(parseKri(fixture("legend.kri")));
    EXPECT_TRUE(legend.legendMode);
    EXPECT_FALSE(legend.finished);
    EXPECT_EQ(legend.across, (std::vector<ClueRow>{{"pes", cp("zvíře"), 1, 1}, {"oko", "", 2, 1}}));
    EXPECT_EQ(legend.down, (std::vector<ClueRow>{{"so", cp("hudební slabika"), 3, 1}}));
    // A grid without words reads as no rows, and writes as one empty row again.
    const KriDocument empty = std::get<KriDocument>(parseKri(fixture("empty_lists.kri")));
    EXPECT_TRUE(empty.across.empty());
    EXPECT_TRUE(empty.down.empty());

    // LF line ends read the same.
    std::string lf = fixture("legend.kri");
    std::erase(lf, '\r');
    ASSERT_TRUE(std::holds_alternative<KriDocument>(parseKri(lf)));
    EXPECT_EQ(std::get<KriDocument>(parseKri(lf)), legend);
}

TEST(KriFile, ABadFileIsRefusedNamingItsLine) {
    using K = FileError::Kind;
    std::vector<std::string> good;
    {
        const std::string bytes = fixture("legend.kri");
        const auto document = std::get<KriDocument>(parseKri(bytes));
        good = kriLines(document);
    }
    // legend.kri: 2 size lines, 6 cells of 4 lines (lines 3-26), reserved 27-28,
    // finished 29, legend mode 30, n 31, records 32-39, spare 40-43, m 44, ...
    struct Case {
        const char* what;
        int line;  // the line to replace, from 1
        std::string text;
        FileError expected;
    };
    const Case cases[] = {
        {"one column", 1, "1", {K::OutOfRange, 1}},
        {"41 columns", 1, "41", {K::OutOfRange, 1}},
        {"columns not a number", 1, "abc", {K::NotANumber, 1}},
        {"a size of 26 digits", 2, "12345678901234567890123456", {K::OutOfRange, 2}},
        {"a colour beyond 32 bits", 4, "4294967296", {K::OutOfRange, 4}},
        {"a cell of three letters", 3, "ABC", {K::BadValue, 3}},
        {"a cell of 300 letters", 7, std::string(300, 'x'), {K::BadValue, 7}},
        {"CH in capitals", 11, "CH", {K::BadValue, 11}},
        {"two hidden marks", 3, "@@", {K::BadValue, 3}},
        {"1,601 clue rows", 31, "1601", {K::OutOfRange, 31}},
        {"a clue count below 32 bits", 31, "-2147483649", {K::OutOfRange, 31}},
        {"a line number that is no number", 34, "x", {K::NotANumber, 34}},
        {"a letter use of 3", static_cast<int>(good.size()), "3", {K::OutOfRange, static_cast<int>(good.size())}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = good;
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        const ReadResult<KriDocument> read = parseKri(joined(lines));
        ASSERT_TRUE(std::holds_alternative<FileError>(read)) << c.what;
        EXPECT_EQ(std::get<FileError>(read).kind, c.expected.kind) << c.what;
        EXPECT_EQ(std::get<FileError>(read).line, c.expected.line) << c.what;
    }
    // Cut inside a clue record.
    const std::vector<std::string> cut(good.begin(), good.begin() + 34);
    const ReadResult<KriDocument> read = parseKri(joined(cut));
    ASSERT_TRUE(std::holds_alternative<FileError>(read));
    EXPECT_EQ(std::get<FileError>(read).kind, K::EndOfFile);
    EXPECT_EQ(std::get<FileError>(read).line, 35);
}

// Files made elsewhere may hold any text on a yes-or-no line, which reads as
// no, and a clue count of 0 or below, which reads as a count of 1.
TEST(KriFile, ReadsYesOrNoLinesAndClueCountsAsFilesMadeElsewhereHoldThem) {
    KriDocument document = KriDocument::blank(2, 2);
    document.across = {{"pes", cp("zvíře"), 1, 1}};
    document.cell(1, 1).text = "ch";
    document.cell(2, 1).text = "\xE8";  // č
    document.cell(1, 2).text = "@";
    const std::vector<std::string> good = kriLines(document);
    // Lines: 3 to 18 the cells (5 and 6 the bars of the first), 21 finished,
    // 22 legend mode, 23 the count of rows across.
    struct Case {
        const char* what;
        int line;
        std::string text;
        std::function<void(KriDocument&)> read;  // what the document reads as
    };
    const Case cases[] = {
        {"a bottom bar ANO", 5, "ANO", [](KriDocument&) {}},
        {"a right bar true", 6, "true", [](KriDocument& d) { d.cell(1, 1).rightBar = true; }},
        {"a right bar 1", 6, "1", [](KriDocument&) {}},
        {"finished in mixed case", 21, "tRUE", [](KriDocument& d) { d.finished = true; }},
        {"legend mode empty", 22, "", [](KriDocument&) {}},
        {"no rows across", 23, "0", [](KriDocument&) {}},
        {"-5 rows across", 23, "-5", [](KriDocument&) {}},
        {"the lowest 32-bit count", 23, "-2147483648", [](KriDocument&) {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = good;
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        const ReadResult<KriDocument> read = parseKri(joined(lines));
        ASSERT_TRUE(std::holds_alternative<KriDocument>(read)) << c.what;
        KriDocument expected = document;
        c.read(expected);
        EXPECT_EQ(std::get<KriDocument>(read), expected) << c.what;
    }
}

TEST(KriFile, TheWriterRefusesWhatItCannotStoreAndKeepsTheOldFile) {
    TempFolder folder;
    folder.write("a.kri", "old");
    KriDocument document = KriDocument::blank(2, 2);
    for (const auto& change : std::vector<std::function<void(KriDocument&)>>{
             [](KriDocument& d) { d.cell(1, 1).text = "a\r\nb"; },
             [](KriDocument& d) { d.cell(2, 1).text = "abc"; },
             [](KriDocument& d) { d.cell(1, 1).useDown = 3; },
             [](KriDocument& d) { d.cells.pop_back(); },
             [](KriDocument& d) { d.across.push_back({"x\ny", "", 1, 1}); },
             [](KriDocument& d) { d.across.assign(1601, ClueRow{"a", "", 1, 1}); },
         }) {
        KriDocument bad = document;
        change(bad);
        EXPECT_FALSE(writeKriFile(folder / "a.kri", bad));
        EXPECT_EQ(folder.read("a.kri"), "old");
    }
    EXPECT_TRUE(writeKriFile(folder / "a.kri", document));
    EXPECT_EQ(std::get<KriDocument>(readKriFile(folder / "a.kri")), document);
}

}  // namespace
}  // namespace crossword
