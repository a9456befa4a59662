#include "analyzer/core/puzzle.h"

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
    const std::string text = fileOf(3, 1, {"CH", " ", "@"}, {"CH#", " pes a ko\xE8ka ", "3", " Word ", "", "pes"});
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
        EXPECT_EQ(p.words, (std::vector<std::string>{" Word ", "", "pes"}));
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
             tail.resize(6003, "pes");
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
        {"ends inside the words", fileOf(1, 1, {"A"}, {"", "", "2", "pes"}), {K::EndOfFile, 9}},
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
