#include "wordsearch/core/osm_file.h"

#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

std::string joinLines(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

// A finished 10 x 10 puzzle: upper-case letters with a CH, a Czech letter, a
// hidden cell, two red phrase cells, and 12 placed words.
OsmDocument finishedPuzzle() {
    OsmDocument document = OsmDocument::blank(10, 10);
    const std::string letters = "ABCDEFGHIJKLMNOPRSTUVZ";
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            document.cell(column, row).text = std::string(1, letters[static_cast<std::size_t>(row * 7 + column * 3) % letters.size()]);
    document.cell(3, 2).text = "CH";
    document.cell(4, 2).text = "\xC8";  // Č
    document.cell(10, 10).text = "@";
    document.cell(5, 5).colour = kOsmRed;
    document.cell(6, 5).colour = kOsmRed;
    document.processedPhrase = "#ATA";
    document.typedPhrase = "chata";
    document.words = {"auto", "bez", "d\xF9m", "chata", "kolo", "les", "mez", "nos", "pes", "rak", "sova", "\x9Akola"};
    return document;
}

}  // namespace

TEST(OsmFile, FinishedPuzzleSavesTo217LinesAndRoundTripsByteForByte) {
    TempFolder folder;
    const OsmDocument original = finishedPuzzle();
    const auto path = folder / "rebus.osm";
    ASSERT_TRUE(writeOsmFile(path, original));

    const std::string bytes = folder.read("rebus.osm");
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ++lineEnds;
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
    EXPECT_EQ(lineEnds, 217u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    // Size, then text and colour of each cell, rows outer.
    const auto lines = splitLines(bytes);
    EXPECT_EQ(lines[0], "10");
    EXPECT_EQ(lines[1], "10");
    EXPECT_EQ(lines[2], original.cell(1, 1).text);
    EXPECT_EQ(lines[3], "16777215");
    EXPECT_EQ(lines[2 + 2 * (10 + 2)], "CH");                // column 3, row 2
    EXPECT_EQ(lines[2 + 2 * (4 * 10 + 4) + 1], "255");       // colour of column 5, row 5
    EXPECT_EQ(lines[200], "@");                               // column 10, row 10
    EXPECT_EQ(lines[202], "#ATA");
    EXPECT_EQ(lines[203], "chata");
    EXPECT_EQ(lines[204], "12");
    EXPECT_EQ(lines[216], "\x9Akola");

    const OsmReadResult loaded = readOsmFile(path);
    ASSERT_TRUE(std::holds_alternative<OsmDocument>(loaded));
    const auto& document = std::get<OsmDocument>(loaded);
    EXPECT_EQ(document, original);
    EXPECT_TRUE(document.isComplete());

    ASSERT_TRUE(writeOsmFile(folder / "again.osm", document));
    EXPECT_EQ(folder.read("again.osm"), bytes);
}

TEST(OsmFile, NonSquareGridsOfTheLargestSideKeepColumnsAndRowsApart) {
    TempFolder folder;
    for (const auto& [columns, rows] : {std::pair{40, 23}, std::pair{23, 40}}) {
        SCOPED_TRACE(std::to_string(columns) + " x " + std::to_string(rows));
        // Every cell tells its place: a letter and a colour of its own.
        OsmDocument original = OsmDocument::blank(columns, rows);
        for (int row = 1; row <= rows; ++row)
            for (int column = 1; column <= columns; ++column)
                original.cell(column, row) =
                    OsmCell{std::string(1, static_cast<char>('A' + (column + 3 * row) % 26)), column * 1000 + row};
        original.cell(columns, 1).text = "@";
        original.words = {"les", "pes"};
        const auto path = folder / "wide.osm";
        ASSERT_TRUE(writeOsmFile(path, original));

        const std::string bytes = folder.read("wide.osm");
        const auto lines = splitLines(bytes);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(2 + 2 * columns * rows + 3 + 2));
        EXPECT_EQ(lines[0], std::to_string(columns));
        EXPECT_EQ(lines[1], std::to_string(rows));
        EXPECT_EQ(lines[2 + 2 * (columns - 1)], "@");  // the last column of row 1
        EXPECT_EQ(lines[2 + 2 * columns + 1], "1002");  // the colour of column 1, row 2

        const OsmReadResult loaded = readOsmFile(path);
        ASSERT_TRUE(std::holds_alternative<OsmDocument>(loaded));
        EXPECT_EQ(std::get<OsmDocument>(loaded), original);
    }
}

TEST(OsmFile, IncompletePuzzleRoundTripsWithItsEmptyCells) {
    TempFolder folder;
    OsmDocument original = finishedPuzzle();
    original.cell(2, 7).text.clear();  // a visible cell the generator has not filled yet
    original.cell(8, 1).text = "ch";   // not yet upper-cased
    ASSERT_TRUE(writeOsmFile(folder / "paused.osm", original));
    EXPECT_EQ(splitLines(folder.read("paused.osm"))[2 + 2 * (6 * 10 + 1)], "");

    const OsmReadResult loaded = readOsmFile(folder / "paused.osm");
    ASSERT_TRUE(std::holds_alternative<OsmDocument>(loaded));
    EXPECT_EQ(std::get<OsmDocument>(loaded), original);
    EXPECT_FALSE(std::get<OsmDocument>(loaded).isComplete());
    ASSERT_TRUE(writeOsmFile(folder / "again.osm", std::get<OsmDocument>(loaded)));
    EXPECT_EQ(folder.read("again.osm"), folder.read("paused.osm"));
}

TEST(OsmFile, ReadsLfOnlyFilesAndCutsLongPhrases) {
    const std::string longPhrase(300, 'x');
    const std::vector<std::string> lines = {"2", "2", "A", "16777215", "B", "255", "@", "0", "CH", "-16777201",
                                            "AB#", longPhrase, "1", " ch"};
    for (const std::string& text : {joinLines(lines, "\n"), joinLines(lines, "\n").substr(0, joinLines(lines, "\n").size() - 1)}) {
        const OsmReadResult loaded = parseOsm(text);
        ASSERT_TRUE(std::holds_alternative<OsmDocument>(loaded));
        const auto& document = std::get<OsmDocument>(loaded);
        EXPECT_EQ(document.columns, 2);
        EXPECT_EQ(document.cell(2, 1), (OsmCell{"B", kOsmRed}));
        EXPECT_TRUE(document.cell(1, 2).hidden());
        EXPECT_EQ(document.cell(2, 2).colour, -16777201);
        EXPECT_EQ(document.typedPhrase, std::string(255, 'x'));
        EXPECT_EQ(document.words, std::vector<std::string>{" ch"});
    }
}

TEST(OsmFile, RejectsBadFilesNamingTheLine) {
    const std::vector<std::string> good = {"2", "2", "A", "16777215", "B", "255", "C", "16777215", "D", "16777215",
                                           "ABCD", "abcd", "2", "ab", "cd"};
    ASSERT_TRUE(std::holds_alternative<OsmDocument>(parseOsm(joinLines(good))));
    struct Case {
        const char* what;
        std::size_t line;  // index of the line replaced, or the count of lines kept when truncating
        const char* text;  // nullptr: truncate
        FileError expected;
    };
    using K = FileError::Kind;
    const Case cases[] = {
        {"columns 0", 0, "0", {K::OutOfRange, 1}},
        {"columns 1", 0, "1", {K::OutOfRange, 1}},
        {"columns 41", 0, "41", {K::OutOfRange, 1}},
        {"columns -3", 0, "-3", {K::OutOfRange, 1}},
        {"columns abc", 0, "abc", {K::NotANumber, 1}},
        {"rows 41", 1, "41", {K::OutOfRange, 2}},
        {"colour not a number", 5, "red", {K::NotANumber, 6}},
        {"colour with a blank", 3, " 255", {K::NotANumber, 4}},
        {"negative word count", 12, "-1", {K::OutOfRange, 13}},
        {"empty file", 0, nullptr, {K::EndOfFile, 1}},
        {"ends inside the cells", 7, nullptr, {K::EndOfFile, 8}},
        {"ends before the phrase", 10, nullptr, {K::EndOfFile, 11}},
        {"ends inside the words", 14, nullptr, {K::EndOfFile, 15}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = good;
        if (c.text) lines[c.line] = c.text;
        else lines.resize(c.line);
        const OsmReadResult result = parseOsm(joinLines(lines));
        ASSERT_TRUE(std::holds_alternative<FileError>(result)) << c.what;
        EXPECT_EQ(std::get<FileError>(result).kind, c.expected.kind) << c.what;
        EXPECT_EQ(std::get<FileError>(result).line, c.expected.line) << c.what;
    }
    TempFolder folder;
    const OsmReadResult missing = readOsmFile(folder / "none.osm");
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_EQ(std::get<FileError>(missing).kind, K::CannotOpen);
}

TEST(OsmFile, FailedSaveReportsFailureAndKeepsTheOldFile) {
    TempFolder folder;
    const auto path = folder.write("kept.osm", "old content\r\n");
    EXPECT_FALSE(writeOsmFile(folder / "no such folder" / "x.osm", finishedPuzzle()));

    OsmDocument lineBreak = finishedPuzzle();
    lineBreak.words[3] = "cha\r\nta";  // would shift every later line
    EXPECT_FALSE(writeOsmFile(path, lineBreak));
    OsmDocument wrongSize = finishedPuzzle();
    wrongSize.cells.pop_back();
    EXPECT_FALSE(writeOsmFile(path, wrongSize));
    EXPECT_EQ(folder.read("kept.osm"), "old content\r\n");
}

TEST(OsmFile, CaptionGivesBackThePathItWasSavedUnder) {
    struct Case {
        const char* caption;
        std::optional<std::string> path;
    };
    const Case cases[] = {
        {"Osmisměrka", std::nullopt},  // never saved: save runs save as
        {"Osmisměrka (/home/jana/rebus)", "/home/jana/rebus"},
        {"Osmisměrka (/home/jana/Hádanky (staré)/rebus.osm)", "/home/jana/Hádanky (staré)/rebus.osm"},
        {"Osmisměrka (/a)b)", "/a)b"},
        {"Osmisměrka (/home/jana/rebus", std::nullopt},
        {"Osmisměrka ()", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(pathFromCaption(c.caption), c.path) << c.caption;

    // Saved as a name typed without extension into a folder with parentheses,
    // the window's caption leads a later save to the very same file.
    TempFolder folder;
    const std::string chosen = (folder / "Hádanky (staré)" / "rebus").string();
    std::filesystem::create_directories(folder / "Hádanky (staré)");
    ASSERT_TRUE(writeOsmFile(withDocumentExtension(chosen, ".osm"), OsmDocument::blank(2, 2)));
    const auto path = pathFromCaption("Osmisměrka (" + chosen + ")");
    ASSERT_TRUE(path);
    EXPECT_EQ(withDocumentExtension(*path, ".osm"), chosen + ".osm");
    ASSERT_TRUE(writeOsmFile(withDocumentExtension(*path, ".osm"), finishedPuzzle()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "Hádanky (staré)"),
                            std::filesystem::directory_iterator{}), 1);
}
