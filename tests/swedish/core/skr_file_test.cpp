#include "swedish/core/skr_file.h"

#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"
#include "tests/swedish/core/printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

namespace swedish {
namespace {

std::string fixture(const std::string& name) {
    ReadResult<std::string> bytes = readFileBytes(testDataFolder() / "swedish" / "fixtures" / name, fileLimit::document);
    EXPECT_TRUE(std::holds_alternative<std::string>(bytes)) << name;
    return std::holds_alternative<std::string>(bytes) ? std::get<std::string>(std::move(bytes)) : std::string();
}

std::string joined(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

SkrDocument parsed(std::string_view bytes) {
    const ReadResult<SkrDocument> read = parseSkr(bytes);
    if (const auto* error = std::get_if<FileError>(&read)) {
        ADD_FAILURE() << "refused at line " << error->line;
        return {};
    }
    return std::get<SkrDocument>(read);
}

TEST(SkrFile, ACellIsThirtySixLines) {
    // The hand-written file of 3 × 2 cells.
    const std::string bytes = fixture("small.skr");
    const auto lineCount = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    EXPECT_EQ(lineCount, 218u);
    EXPECT_EQ(skrLineCount(3, 2), lineCount);

    const std::vector<std::string> lines = skrLines(SkrDocument::blank(2, 2));
    ASSERT_EQ(lines.size(), 146u);
    const std::vector<std::string> firstCell(lines.begin() + 2, lines.begin() + 8);
    EXPECT_EQ(firstCell, (std::vector<std::string>{"TRUE", "", "16777215", "0", "", "0"}));
    EXPECT_EQ(lines[37], "0");
    EXPECT_EQ(lines[38], "TRUE") << "the next cell";
}

TEST(SkrFile, AHandWrittenFileReadsAndWritesBackByteForByte) {
    const std::string bytes = fixture("small.skr");
    const SkrDocument document = parsed(bytes);
    ASSERT_EQ(document.columns, 3);
    ASSERT_EQ(document.rows, 2);
    EXPECT_FALSE(document.cell(1, 1).visible);
    EXPECT_EQ(document.cell(1, 1).text, "@");
    EXPECT_EQ(document.cell(2, 1).text, "ch");
    EXPECT_EQ(document.cell(2, 1).useAcross, 1);
    EXPECT_EQ(document.cell(3, 1).colour, kSkrRed);
    EXPECT_EQ(document.cell(3, 1).useDown, 1);
    const LegendCell& clues = document.cell(1, 2).legend;
    EXPECT_EQ(document.cell(1, 2).colour, kSkrBlack);
    ASSERT_EQ(clues.count(), 2);
    EXPECT_EQ(clues.line(1), (LegendLine{cp("Řeka"), 50, 8}));
    EXPECT_TRUE(clues.line(2).isSeparator());
    EXPECT_EQ(clues.line(3), (LegendLine{cp("stará řeka"), -12, 7})) << "kept beyond the count";
    EXPECT_EQ(document.cell(2, 2).text, cp("ž"));

    EXPECT_EQ(joined(skrLines(document)), bytes);
    TempFolder folder;
    ASSERT_TRUE(writeSkrFile(folder / "copy.skr", document));
    EXPECT_EQ(folder.read("copy.skr"), bytes);

    // The same file with LF line ends, and the last line without its end.
    std::string lf = joined(skrLines(document), "\n");
    lf.pop_back();
    EXPECT_EQ(parsed(lf), document);
}

TEST(SkrFile, OnlyFalseInAnyCaseHidesACell) {
    for (const char* shown : {"TRUE", "true", "ano", "", "FALSE "}) {
        SkrDocument document = SkrDocument::blank(2, 2);
        std::vector<std::string> lines = skrLines(document);
        lines[2] = shown;
        EXPECT_TRUE(parsed(joined(lines)).cell(1, 1).visible) << shown;
    }
    for (const char* hidden : {"FALSE", "false", "False", "fAlSe"}) {
        std::vector<std::string> lines = skrLines(SkrDocument::blank(2, 2));
        lines[2] = hidden;
        EXPECT_FALSE(parsed(joined(lines)).cell(1, 1).visible) << hidden;
    }
}

TEST(SkrFile, ALongClueTextIsCut) {
    std::vector<std::string> lines = skrLines(SkrDocument::blank(2, 2));
    lines[6] = std::string(140, 'x');
    EXPECT_EQ(parsed(joined(lines)).cell(1, 1).legend.line(1).text, std::string(100, 'x'));
}

TEST(SkrFile, ABadFileIsRefusedNamingItsLine) {
    // Lines of the first cell: 3 visibility, 4 text, 5 colour, 6 count, 7 to
    // 36 the clue lines, 37 and 38 the letter uses.
    struct Case {
        const char* what;
        int line;
        std::string value;
        FileError::Kind kind;
    };
    using K = FileError::Kind;
    const Case cases[] = {
        {"no columns", 1, "0", K::OutOfRange},
        {"one column", 1, "1", K::OutOfRange},
        {"41 columns", 1, "41", K::OutOfRange},
        {"41 rows", 2, "41", K::OutOfRange},
        {"a size that is no number", 1, "abc", K::NotANumber},
        {"a size with a blank", 2, " 3", K::NotANumber},
        {"a text of three letters", 4, "xyz", K::BadValue},
        {"a text of two letters", 4, "CH", K::BadValue},
        {"the highlight's grey", 5, "8421504", K::OutOfRange},
        {"a colour outside 32 bits", 5, "4294967296", K::OutOfRange},
        {"eleven lines", 6, "11", K::OutOfRange},
        {"a count below 0", 6, "-1", K::OutOfRange},
        {"a top outside 32 bits", 8, "2147483648", K::OutOfRange},
        {"a font size that is no number", 9, "6pt", K::NotANumber},
        {"a letter use of 2", 37, "2", K::OutOfRange},
        {"a letter use of -1", 38, "-1", K::OutOfRange},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = skrLines(SkrDocument::blank(2, 2));
        lines[static_cast<std::size_t>(c.line - 1)] = c.value;
        const ReadResult<SkrDocument> read = parseSkr(joined(lines));
        const auto* error = std::get_if<FileError>(&read);
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_EQ(error->line, c.line) << c.what;
        EXPECT_EQ(error->kind, c.kind) << c.what;
    }

    // A file cut short, in the last cell.
    std::vector<std::string> lines = skrLines(SkrDocument::blank(2, 2));
    lines.resize(140);
    const ReadResult<SkrDocument> read = parseSkr(joined(lines));
    const auto* error = std::get_if<FileError>(&read);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->kind, FileError::Kind::EndOfFile);
    EXPECT_EQ(error->line, 141);
    EXPECT_TRUE(std::holds_alternative<FileError>(readSkrFile(testDataFolder() / "swedish" / "none.skr")));
}

TEST(SkrFile, TheWriterRefusesWhatItCouldNotGiveBackAndKeepsTheOldFile) {
    TempFolder folder;
    const auto path = folder.write("keep.skr", "old\r\n");
    struct Case {
        const char* what;
        void (*spoil)(SkrDocument&);
    };
    const Case cases[] = {
        {"a line break in a cell text", [](SkrDocument& d) { d.cell(1, 1).text = "\n"; }},
        {"a cell text of three letters", [](SkrDocument& d) { d.cell(2, 1).text = "abc"; }},
        {"the highlight's silver", [](SkrDocument& d) { d.cell(1, 2).colour = 12632256; }},
        {"a letter use of 2", [](SkrDocument& d) { d.cell(2, 2).useDown = 2; }},
        {"cells missing", [](SkrDocument& d) { d.cells.pop_back(); }},
        {"a size the reader refuses", [](SkrDocument& d) { d = SkrDocument::blank(41, 1); }},
    };
    for (const Case& c : cases) {
        SkrDocument document = SkrDocument::blank(2, 2);
        c.spoil(document);
        EXPECT_FALSE(skrStorable(document)) << c.what;
        EXPECT_FALSE(writeSkrFile(path, document)) << c.what;
        EXPECT_EQ(folder.read("keep.skr"), "old\r\n") << c.what;
    }
    EXPECT_TRUE(writeSkrFile(path, SkrDocument::blank(2, 2)));
}

}  // namespace
}  // namespace swedish
