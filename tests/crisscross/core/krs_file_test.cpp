// The .krs file: the fixtures read and write back byte for byte, and every
// line the reader refuses is named.

#include "crisscross/core/krs_file.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace {

std::string fixture(const char* name) {
    const auto lines = readFileBytes(testDataFolder() / "crisscross" / "fixtures" / name, fileLimit::document);
    EXPECT_TRUE(std::holds_alternative<std::string>(lines)) << name;
    return std::holds_alternative<std::string>(lines) ? std::get<std::string>(lines) : std::string();
}

std::size_t lineCount(std::string_view bytes) {
    std::size_t count = 0;
    for (const char c : bytes) count += c == '\n';
    return count;
}

// The bytes with line `number` (from 1) replaced.
std::string withLine(std::string_view bytes, int number, std::string_view replacement) {
    std::string out;
    int line = 1;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string_view::npos; start = end + 2, ++line) {
        out += line == number ? replacement : bytes.substr(start, end - start);
        out += "\r\n";
    }
    return out;
}

// The first `count` lines of the bytes.
std::string firstLines(std::string_view bytes, int count) {
    std::size_t end = 0;
    for (int line = 0; line < count; ++line) end = bytes.find("\r\n", end) + 2;
    return std::string(bytes.substr(0, end));
}

KrsDocument documentOf(const KrsReadResult& read) {
    EXPECT_TRUE(std::holds_alternative<KrsDocument>(read))
        << "line " << (std::holds_alternative<FileError>(read) ? std::get<FileError>(read).line : 0);
    return std::holds_alternative<KrsDocument>(read) ? std::get<KrsDocument>(read) : KrsDocument();
}

}  // namespace

TEST(KrsFile, EachFixtureReadsAndWritesBackByteForByte) {
    struct Case {
        const char* name;
        int columns;
        int rows;
        std::size_t numbers;
        std::size_t lines;
    };
    TempFolder folder;
    for (const Case& c : {Case{"blank_10x10.krs", 10, 10, 0, 426}, Case{"chata_5x4.krs", 5, 4, 10, 116},
                          Case{"four_numbers_2x2.krs", 2, 2, 4, 46}}) {
        SCOPED_TRACE(c.name);
        const std::string bytes = fixture(c.name);
        EXPECT_EQ(lineCount(bytes), c.lines);
        const KrsDocument document = documentOf(parseKrs(bytes));
        EXPECT_EQ(document.columns, c.columns);
        EXPECT_EQ(document.rows, c.rows);
        EXPECT_EQ(document.numberList.size(), c.numbers);

        ASSERT_TRUE(writeKrsFile(folder / c.name, document));
        EXPECT_EQ(folder.read(c.name), bytes);

        // Line ends of LF alone read the same.
        std::string lf = bytes;
        for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
        EXPECT_EQ(documentOf(parseKrs(lf)), document);
    }
}

TEST(KrsFile, APuzzleReadsIntoEveryFieldOfTheDocument) {
    const KrsDocument document = documentOf(parseKrs(fixture("chata_5x4.krs")));
    EXPECT_EQ(document.cell(1, 1), (KrsCell{"4", colors::white}));
    EXPECT_EQ(document.cell(2, 1), (KrsCell{"0", colors::red}));
    EXPECT_EQ(document.cell(4, 1), (KrsCell{"@", colors::white}));
    EXPECT_EQ(document.cell(5, 4), (KrsCell{"0", colors::white}));
    EXPECT_EQ(document.letterUse[2][3], (LetterUse{2, 2}));
    EXPECT_EQ(document.letterUse[3][3], (LetterUse{0, 0}));
    EXPECT_EQ(document.letterUse[6][1], (LetterUse{0, 0})) << "outside the grid";
    EXPECT_EQ(document.codedSecretPhrase, "0121");
    EXPECT_EQ(document.secretPhrase, "chata");
    EXPECT_EQ(document.numberList,
              (std::vector<std::string>{"21", "42", "65", "81", "83", "315", "407", "0121", "2619", "5390"}));
    EXPECT_EQ(document.digitTable, (DigitTable{"ch", "a", "t", " ", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(document.digitKey[0], "0 = ch, ");
    EXPECT_EQ(document.digitKey[2], "2 = t.");
    EXPECT_EQ(document.digitKey[3], "");
    EXPECT_EQ(document.lastDigitKeyLine, 2);
}

TEST(KrsFile, EveryBadLineIsNamed) {
    const std::string good = fixture("four_numbers_2x2.krs");
    // Lines of the 2 × 2: 1 columns, 2 rows, 3 to 10 the cells (text, colour),
    // 11 and 12 the phrases, 13 N, 14 to 17 the numbers, 18 to 25 the letter
    // uses, 26 to 35 the table, 36 to 45 the digit key, 46 its last line.
    struct Case {
        const char* name;
        std::string bytes;
        FileError::Kind kind;
        int line;
    };
    using K = FileError::Kind;
    const Case cases[] = {
        {"columns 1", withLine(good, 1, "1"), K::OutOfRange, 1},
        {"columns 41", withLine(good, 1, "41"), K::OutOfRange, 1},
        {"columns abc", withLine(good, 1, "abc"), K::NotANumber, 1},
        {"cell 12", withLine(good, 3, "12"), K::BadValue, 3},
        {"cell x", withLine(good, 5, "x"), K::BadValue, 5},
        {"colour abc", withLine(good, 4, "abc"), K::NotANumber, 4},
        {"colour black", withLine(good, 6, "0"), K::OutOfRange, 6},
        {"eleven letters", withLine(good, 12, "abcdefghijk"), K::BadValue, 12},
        {"N -1", withLine(good, 13, "-1"), K::OutOfRange, 13},
        {"N 1601", withLine(good, 13, "1601"), K::OutOfRange, 13},
        {"N more than the lines left", firstLines(good, 15), K::EndOfFile, 16},
        {"a number with a letter", withLine(good, 14, "1a"), K::BadValue, 14},
        {"an empty number", withLine(good, 15, ""), K::BadValue, 15},
        {"a number of 41 digits", withLine(good, 16, std::string(41, '7')), K::BadValue, 16},
        {"letter use 1", withLine(good, 19, "1"), K::OutOfRange, 19},
        {"last digit-key line 10", withLine(good, 46, "10"), K::OutOfRange, 46},
        {"last digit-key line -2", withLine(good, 46, "-2"), K::OutOfRange, 46},
        {"a table entry with a CR", withLine(good, 30, "a\rb"), K::BadValue, 30},
        {"no last digit-key line", firstLines(good, 45), K::EndOfFile, 46},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const KrsReadResult read = parseKrs(c.bytes);
        ASSERT_TRUE(std::holds_alternative<FileError>(read));
        EXPECT_EQ(std::get<FileError>(read).kind, c.kind);
        EXPECT_EQ(std::get<FileError>(read).line, c.line);
    }

    // What the reader takes at its limits.
    EXPECT_EQ(documentOf(parseKrs(withLine(good, 12, "abdefgijkch"))).secretPhrase, "abdefgijkch")
        << "ten letters with ch as one";
    // Saved with "ch" as two letters: ten that way, eleven with ch as one.
    EXPECT_EQ(documentOf(parseKrs(withLine(good, 12, "hcchabdefgij"))).secretPhrase, "hcchabdefgij")
        << "ten letters with ch as two";
    EXPECT_EQ(documentOf(parseKrs(withLine(good, 46, "9"))).lastDigitKeyLine, 9);
    EXPECT_EQ(documentOf(parseKrs(withLine(good, 14, std::string(40, '7')))).numberList[0], std::string(40, '7'));
}

TEST(KrsFile, TextsKeepTo255Characters) {
    std::string bytes = fixture("four_numbers_2x2.krs");
    bytes = withLine(bytes, 11, std::string(300, '1'));
    bytes = withLine(bytes, 12, std::string(300, 'a'));
    bytes = withLine(bytes, 26, std::string(300, 'b'));
    bytes = withLine(bytes, 36, std::string(300, 'c'));
    const KrsDocument document = documentOf(parseKrs(bytes));
    EXPECT_EQ(document.codedSecretPhrase, std::string(255, '1'));
    EXPECT_EQ(document.secretPhrase, std::string(255, 'a'));
    EXPECT_EQ(document.digitTable[9], std::string(255, 'b'));
    EXPECT_EQ(document.digitKey[9], std::string(255, 'c'));
}

TEST(KrsFile, ADocumentThatCannotBeStoredLeavesTheOldFileWhole) {
    TempFolder folder;
    const std::string old = fixture("four_numbers_2x2.krs");
    const auto path = folder.write("hadanka.krs", old);
    const KrsDocument document = documentOf(parseKrs(old));

    struct Case {
        const char* name;
        void (*spoil)(KrsDocument&);
    };
    const Case cases[] = {
        {"a phrase with a line break", [](KrsDocument& d) { d.secretPhrase = "a\nb"; }},
        {"a digit-key line with a CR", [](KrsDocument& d) { d.digitKey[4] = "a\r"; }},
        {"a table entry with a line break", [](KrsDocument& d) { d.digitTable[0] = "\n"; }},
        {"cells that do not match the size", [](KrsDocument& d) { d.cells.pop_back(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KrsDocument spoiled = document;
        c.spoil(spoiled);
        EXPECT_FALSE(writeKrsFile(path, spoiled));
        EXPECT_EQ(folder.read("hadanka.krs"), old);
    }
}
