#include "analyzer/core/puzzle.h"
#include "wordsearch/core/osm_file.h"

#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

using namespace analyzer;

namespace {

std::string fileOf(int width, int height, const std::vector<std::string>& cells, const std::vector<std::string>& tail,
                   const char* end = "\r\n") {
    std::string text = std::to_string(width) + end + std::to_string(height) + end;
    for (const std::string& cell : cells) text += cell + end + "16777215" + end;
    for (const std::string& line : tail) text += line + end;
    return text;
}

}  // namespace

TEST(OsmReading, KeepsTheTypedPhraseAndEverythingAsItStands) {
    TempFolder folder;
    const std::string text = fileOf(3, 1, {"CH", " ", "@"}, {"CH#", " pes a ko\xE8ka ", "3", " ch ", "", "pes"});
    folder.write("rebus.osm", text);
    for (const std::string& asked : {(folder / "rebus").string(), (folder / "rebus.osm").string()}) {
        const LoadResult result = loadOsm(asked);
        ASSERT_TRUE(std::holds_alternative<LoadedPuzzle>(result)) << asked;
        const auto& loaded = std::get<LoadedPuzzle>(result);
        EXPECT_EQ(loaded.path, (folder / "rebus.osm").string());
        const Puzzle& p = loaded.puzzle;
        EXPECT_EQ(p.width, 3);
        EXPECT_EQ(p.height, 1);
        EXPECT_EQ(p.cells, (std::vector<std::string>{"CH", " ", "@"}));
        EXPECT_EQ(p.solutionPhrase, " pes a ko\xE8ka ");
        EXPECT_EQ(p.words, (std::vector<std::string>{" ch ", "", "pes"}));
        EXPECT_TRUE(p.loadedFromFile);
        EXPECT_TRUE(p.isComplete());  // a blank and "@" count as filled
    }
    // The folder part does not count for the extension rule.
    folder.write("x.osm/rebus.osm", text);
    EXPECT_TRUE(std::holds_alternative<LoadedPuzzle>(loadOsm((folder / "x.osm" / "rebus").string())));
}

TEST(OsmReading, CompletenessAndSizes) {
    struct Case {
        const char* what;
        std::string text;
        bool complete;
    };
    const Case cases[] = {
        {"an empty cell", fileOf(2, 1, {"A", ""}, {"", "", "0"}), false},
        {"width 0", fileOf(0, 3, {}, {"", "", "1", "pes"}), true},
        {"LF line ends", fileOf(2, 1, {"A", "B"}, {"", "ab", "0"}, "\n"), true},
        {"the largest grid", fileOf(255, 2, std::vector<std::string>(510, "A"), {"", "", "0"}), true},
        {"the most words", fileOf(2, 1, {"A", "B"}, [] {
             std::vector<std::string> tail{"", "", "6000"};
             tail.resize(6003, "pe");
             return tail;
         }()), true},
    };
    for (const Case& c : cases) {
        const ReadResult<Puzzle> read = parseOsmPuzzle(c.text);
        ASSERT_TRUE(std::holds_alternative<Puzzle>(read)) << c.what;
        EXPECT_EQ(std::get<Puzzle>(read).isComplete(), c.complete) << c.what;
    }
}

TEST(OsmReading, RejectsWhatExceedsTheLimitsOrIsBroken) {
    using K = FileError::Kind;
    struct Case {
        const char* what;
        std::string text;
        FileError expected;
    };
    const Case cases[] = {
        {"width 256", fileOf(256, 1, {}, {}), {K::OutOfRange, 1}},
        {"height 256", fileOf(1, 256, {}, {}), {K::OutOfRange, 2}},
        {"negative width", fileOf(-1, 1, {}, {}), {K::OutOfRange, 1}},
        {"6,001 words", fileOf(1, 1, {"A"}, {"", "", "6001"}), {K::OutOfRange, 7}},
        {"negative word count", fileOf(1, 1, {"A"}, {"", "", "-2"}), {K::OutOfRange, 7}},
        {"width not a number", "abc\r\n1\r\n", {K::NotANumber, 1}},
        {"colour not a number", "1\r\n1\r\nA\r\nwhite\r\n", {K::NotANumber, 4}},
        {"word count not a number", fileOf(1, 1, {"A"}, {"", "", "3 words"}), {K::NotANumber, 7}},
        {"ends inside the cells", "2\r\n1\r\nA\r\n16777215\r\n", {K::EndOfFile, 5}},
        {"ends inside the words", fileOf(1, 1, {"A"}, {"", "", "2", "p"}), {K::EndOfFile, 9}},
        {"empty file", "", {K::EndOfFile, 1}},
        // No file that opens holds a text a word search could not save again.
        {"CR inside a cell", fileOf(2, 1, {"A", "B\rC"}, {"", "", "0"}), {K::BadValue, 5}},
        {"CR inside a word", fileOf(1, 1, {"A"}, {"", "", "1", "p\res"}), {K::BadValue, 8}},
    };
    for (const Case& c : cases) {
        const ReadResult<Puzzle> read = parseOsmPuzzle(c.text);
        const auto* error = std::get_if<FileError>(&read);
        if (!error) {
            ADD_FAILURE() << c.what << " was accepted";
            continue;
        }
        EXPECT_EQ(error->kind, c.expected.kind) << c.what;
        EXPECT_EQ(error->line, c.expected.line) << c.what;
    }
    TempFolder folder;
    folder.write("bad.osm", "1\r\n256\r\n");
    const LoadResult bad = loadOsm((folder / "bad.osm").string());
    ASSERT_TRUE(std::holds_alternative<FileError>(bad));
    EXPECT_EQ(std::get<FileError>(bad).line, 2);
    const LoadResult missing = loadOsm((folder / "missing").string());
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_EQ(std::get<FileError>(missing).kind, K::CannotOpen);
}

// grilpad and the analyzer read the cells and words of a word search alike: a
// cell holds nothing, one character, the letter CH in any case or "@", and no
// word is longer than the longer side of the grid, "ch" counted as one letter.
TEST(OsmReading, CellsAndWordsAreRefusedAloneByBothReaders) {
    using K = FileError::Kind;
    using E = FileError::Expected;
    struct Case {
        const char* what;
        std::string text;
        int line;          // the line refused; 0 when the file opens
        E expected;
        std::int64_t max;  // the most letters of a word
        bool grilpad;      // grilpad reads it the same (its sizes are 2 to 40)
    };
    const auto grid4x2 = [](const std::vector<std::string>& cells, const std::vector<std::string>& words) {
        std::vector<std::string> tail{"", "", std::to_string(words.size())};
        tail.insert(tail.end(), words.begin(), words.end());
        std::vector<std::string> all = cells;
        all.resize(8, "A");
        return fileOf(4, 2, all, tail);
    };
    const Case cases[] = {
        {"a cell of three letters", grid4x2({"A", "ABC"}, {}), 5, E::CellText, 0, true},
        {"a cell of 300 letters", grid4x2({std::string(300, 'x')}, {}), 3, E::CellText, 0, true},
        {"two hidden marks", grid4x2({"@@"}, {}), 3, E::CellText, 0, true},
        {"CH inside a longer cell", grid4x2({"ACHB"}, {}), 3, E::CellText, 0, true},
        {"CH in every case, a blank, a hidden cell", grid4x2({"CH", "ch", "Ch", "cH", " ", "@", "\xE8"}, {}), 0,
         E::Unsaid, 0, true},
        {"words as long as the grid", grid4x2({}, {"pess", "chata", "CHATA", "cHata", "", " ch "}), 0, E::Unsaid, 0,
         true},
        {"a word one letter too long", grid4x2({}, {"pes", "chatar"}), 23, E::WordLetters, 4, true},
        {"ch as two letters in a spelling", grid4x2({}, {"c h"}), 0, E::Unsaid, 0, true},
        {"a word of 8 million letters", grid4x2({}, {std::string(8'000'000, 'x')}), 22, E::WordLetters, 4, true},
        {"the longest line of the largest grid", fileOf(255, 1, std::vector<std::string>(255, "A"),
                                                         {"", "", "1", std::string(255, 'a')}), 0, E::Unsaid, 0, false},
        {"longer than the largest grid", fileOf(1, 255, std::vector<std::string>(255, "A"),
                                                {"", "", "1", std::string(256, 'a')}), 516, E::WordLetters, 255, false},
        {"a grid without columns", fileOf(0, 3, {}, {"", "", "2", "pes", ""}), 0, E::Unsaid, 0, false},
        {"a grid without cells", fileOf(0, 0, {}, {"", "", "2", "", "a"}), 7, E::WordLetters, 0, false},
    };
    for (const Case& c : cases) {
        const ReadResult<Puzzle> analyzer = parseOsmPuzzle(c.text);
        const OsmReadResult grilpad = parseOsm(c.text);
        if (c.line == 0) {
            EXPECT_TRUE(std::holds_alternative<Puzzle>(analyzer)) << c.what;
            EXPECT_TRUE(!c.grilpad || std::holds_alternative<OsmDocument>(grilpad)) << c.what;
            continue;
        }
        std::vector<const FileError*> errors{std::get_if<FileError>(&analyzer)};
        if (c.grilpad) errors.push_back(std::get_if<FileError>(&grilpad));
        for (const FileError* error : errors) {
            ASSERT_NE(error, nullptr) << c.what << " opens";
            EXPECT_EQ(error->kind, K::BadValue) << c.what;
            EXPECT_EQ(error->line, c.line) << c.what;
            EXPECT_EQ(error->expected, c.expected) << c.what;
            EXPECT_EQ(error->max, c.max) << c.what;
        }
    }
}
