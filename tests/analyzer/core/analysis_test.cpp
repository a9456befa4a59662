#include "analyzer/core/analysis.h"

#include "platform/core/czech.h"
#include "puzzle_builder.h"
#include "reference_check.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <thread>

using namespace analyzer;

namespace {

std::vector<std::string> formatted(const std::vector<Occurrence>& list) {
    std::vector<std::string> lines;
    for (const Occurrence& o : list) lines.push_back(formatEntry(o));
    return lines;
}
std::vector<std::string> formatted(const EntryList& list) {
    EXPECT_EQ(list.omitted(), 0u);
    return formatted(list.entries);
}

AnalysisResult check(const Puzzle& puzzle, bool chAsOneLetter = true) {
    LinearRandom random;
    std::atomic<bool> cancel{false};
    auto result = runAnalysis(puzzle, AnalysisOptions{chAsOneLetter}, random, cancel);
    EXPECT_TRUE(result.has_value());
    return result.value_or(AnalysisResult{});
}

// Answers the draws it was given, in order.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> draws) : draws_(std::move(draws)) {}
    int random(int) override {
        const int value = draws_.front();
        draws_.pop_front();
        return value;
    }

private:
    std::deque<int> draws_;
};

}  // namespace

TEST(Analysis, Table) {
    using V = std::vector<std::string>;
    struct Case {
        const char* what;
        Puzzle puzzle;
        bool chAsOneLetter;
        V found, notFound, duplicates, forward, backward, random;
        std::string remaining;
        bool matches;
    };
    const Case cases[] = {
        {"a word placed once, phrase with blanks and lower case",
         letterPuzzle({"PESX", "YZQW", "KLMN"}, {"pes"}, " x yzq wklmn "), true,
         {"pes  1,1 : vpravo"}, {}, {}, {}, {}, {}, "XYZQWKLMN", true},
        {"a palindrome is found once from each end",
         letterPuzzle({"ABAX", "YZQW"}, {"aba"}, "XYZQW"), true,
         {"aba  1,1 : vpravo"}, {}, {"aba  3,1 : vlevo"}, {"aba  3,1 : vlevo"}, {"aba  3,1 : vlevo"},
         {"aba  3,1 : vlevo"}, "XYZQW", true},
        {"a word inside a longer word is extra only when the longer one is struck first",
         letterPuzzle({"LESY", "XXXX"}, {"les", "lesy"}, "xxxx"), true,
         {"les  1,1 : vpravo", "lesy  1,1 : vpravo"}, {}, {}, {}, {"les  1,1 : vpravo"}, {}, "XXXX", true},
        {"directions upwards and diagonal, a missing word",
         letterPuzzle({"PLXK", "XEOX", "XSSX"}, {"kos", "pes", "sel", "mys"}, "xxxxx"), true,
         {"kos  4,1 : 2-4", "pes  1,1 : 1-3", "sel  2,3 : nahoru"}, {"mys"}, {}, {}, {}, {}, "XXXXX", true},
        {"CH in a word meets CH in a cell", puzzleOf({{"CH", "A", "T", "A"}}, {"Chata"}), true,
         {"Chata  1,1 : vpravo"}, {}, {}, {}, {}, {}, "", true},
        {"a cell Ch is no letter", puzzleOf({{"Ch", "A", "T", "A"}}, {"Chata"}, "chata"), true,
         {}, {"Chata"}, {}, {}, {}, {}, "ChATA", false},
        {"CH as two letters", puzzleOf({{"C", "H", "A", "T", "A"}}, {"Chata"}), false,
         {"Chata  1,1 : vpravo"}, {}, {}, {}, {}, {}, "", true},
        {"CH as two letters meets no CH cell", puzzleOf({{"CH", "A", "T", "A"}}, {"Chata"}, "chata"), false,
         {}, {"Chata"}, {}, {}, {}, {}, "CHATA", true},
        {"the character 174 is no CH",
         puzzleOf({{"CH", "A", "X"}, {"X", "X", "X"}, {"\xAE", "B", "X"}}, {"\xAE" "a", "chb"}, "cha xxxx \xAE" "bx"),
         true, {}, {"\xAE" "a", "chb"}, {}, {}, {}, {}, "CHAXXXX\xAE" "BX", true},
        {"a lower-case grid matches no word", letterPuzzle({"pes"}, {"pes", "PES"}, "pes"), true,
         {}, {"pes", "PES"}, {}, {}, {}, {}, "pes", false},
        {"Czech letters are upper-cased in words", letterPuzzle({"\xC8\xC1P", "XXX"}, {"\xE8\xE1p"}, "xxx"), true,
         {"\xE8\xE1p  1,1 : vpravo"}, {}, {}, {}, {}, {}, "XXX", true},
        {"hidden cells are never left over", letterPuzzle({"PES@", "@XY@"}, {"pes"}, "xy"), true,
         {"pes  1,1 : vpravo"}, {}, {}, {}, {}, {}, "XY", true},
        {"an empty word is not found and stops nothing", letterPuzzle({"PES"}, {"", "pes"}, ""), true,
         {"pes  1,1 : vpravo"}, {""}, {}, {}, {}, {}, "", true},
        {"no words, the phrase decides", letterPuzzle({"AB"}, {}, " a b "), true,
         {}, {}, {}, {}, {}, {}, "AB", true},
        {"no words and no phrase", letterPuzzle({"AB"}, {}, ""), true, {}, {}, {}, {}, {}, {}, "AB", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AnalysisResult result = check(c.puzzle, c.chAsOneLetter);
        EXPECT_EQ(formatted(result.found), c.found);
        EXPECT_EQ(result.notFound, c.notFound);
        EXPECT_EQ(formatted(result.duplicates), c.duplicates);
        EXPECT_EQ(formatted(result.forwardExtras), c.forward);
        EXPECT_EQ(formatted(result.backwardExtras), c.backward);
        EXPECT_EQ(formatted(result.randomExtras), c.random);
        EXPECT_EQ(result.remainingLetters, c.remaining);
        EXPECT_EQ(result.phraseMatches, c.matches);
    }
}

TEST(Analysis, OneLetterWordInKCellsLiesEightTimesInEach) {
    for (int k = 1; k <= 3; ++k) {
        std::string row = "XXXXX";
        for (int i = 0; i < k; ++i) row[static_cast<std::size_t>(2 * i)] = 'A';
        const AnalysisResult result = check(letterPuzzle({row, "XXXXX"}, {"a"}));
        ASSERT_EQ(result.found.size(), 1u);
        EXPECT_EQ(formatEntry(result.found[0]), "a  1,1 : vpravo");
        EXPECT_EQ(result.duplicates.total, static_cast<std::size_t>(8 * k - 1)) << k;
        EXPECT_EQ(formatEntry(result.duplicates.entries.at(0)), "a  1,1 : vlevo");
        for (const EntryList* extras : {&result.forwardExtras, &result.backwardExtras, &result.randomExtras})
            EXPECT_EQ(extras->total, static_cast<std::size_t>(7 * k)) << k;
    }
}

TEST(Analysis, ResultListsKeepSixThousandEntriesAndCountTheRest) {
    // The largest grid, all one letter, and the one-letter word five times:
    // millions of occurrences.
    Puzzle puzzle = Puzzle::blank(kMaxPuzzleSize, kMaxPuzzleSize);
    for (auto& cell : puzzle.cells) cell = "A";
    puzzle.words.assign(5, "a");
    const std::size_t cells = puzzle.cells.size();
    const AnalysisResult result = check(puzzle);
    EXPECT_EQ(result.found.size(), 5u);
    EXPECT_EQ(result.duplicates.total, 5 * (8 * cells - 1));
    ASSERT_EQ(result.duplicates.entries.size(), kMaxListEntries);
    EXPECT_EQ(result.duplicates.omitted(), 5 * (8 * cells - 1) - kMaxListEntries);
    EXPECT_EQ(formatEntry(result.duplicates.entries.back()), "a  241,3 : vpravo");  // 7 + 749 * 8 + 1 kept
    for (const EntryList* extras : {&result.forwardExtras, &result.backwardExtras, &result.randomExtras}) {
        EXPECT_EQ(extras->total, 7 * cells + 4 * 8 * cells);
        EXPECT_EQ(extras->entries.size(), kMaxListEntries);
    }
    EXPECT_EQ(result.remainingLetters, "");
    EXPECT_TRUE(result.phraseMatches);

    // Exactly 2^21 occurrences for the first sixteen words: the seventeenth is
    // found all the same.
    Puzzle square = Puzzle::blank(128, 128);
    for (auto& cell : square.cells) cell = "A";
    square.words.assign(17, "a");
    const AnalysisResult many = check(square);
    EXPECT_EQ(many.found.size(), 17u);
    EXPECT_TRUE(many.notFound.empty());
    EXPECT_EQ(many.duplicates.total, 17 * (8 * square.cells.size() - 1));
}

TEST(Analysis, RecordsKeepWordsWithSeparators) {
    // "x : x" holds the blanks and colon that separate the parts of a listed entry.
    const AnalysisResult result = check(puzzleOf({{"X", " ", ":", " ", "X"}, {"@", "@", "@", "@", "@"}}, {"x : x"}));
    ASSERT_EQ(result.found.size(), 1u);
    EXPECT_EQ(result.found[0], (Occurrence{"x : x", 1, 1, Direction::Right, 5}));
    ASSERT_EQ(result.duplicates.entries.size(), 1u);
    EXPECT_EQ(result.duplicates.entries[0], (Occurrence{"x : x", 5, 1, Direction::Left, 5}));
    EXPECT_EQ(formatEntry(result.duplicates.entries[0]), "x : x  5,1 : vlevo");
}

TEST(Analysis, OccurrenceCoversItsCellsWithChAsOneCell) {
    const AnalysisResult result =
        check(puzzleOf({{"X", "X", "X", "X", "X"}, {"X", "X", "X", "X", "X"}, {"X", "CH", "A", "T", "A"}}, {"chata"}));
    ASSERT_EQ(result.found.size(), 1u);
    EXPECT_EQ(result.found[0].letters, 4);
    EXPECT_EQ(occurrenceCells(result.found[0]), (std::vector<std::pair<int, int>>{{2, 3}, {3, 3}, {4, 3}, {5, 3}}));
    EXPECT_EQ(occurrenceCells(Occurrence{"abc", 4, 1, Direction::DownLeft, 3}),
              (std::vector<std::pair<int, int>>{{4, 1}, {3, 2}, {2, 3}}));
}

TEST(Analysis, RandomOrderDrawsFromTheSortedWordList) {
    // Listed "lesy" before "les"; the pool is sorted, so draw 1 strikes "lesy" first.
    const Puzzle puzzle = letterPuzzle({"LESY", "XXXX"}, {"lesy", "les"}, "xxxx");
    std::atomic<bool> cancel{false};
    ScriptedRandom lesyFirst({1, 0});
    const auto a = runAnalysis(puzzle, {}, lesyFirst, cancel);
    ASSERT_TRUE(a);
    EXPECT_EQ(formatted(a->randomExtras), std::vector<std::string>{"les  1,1 : vpravo"});
    ScriptedRandom lesFirst({0, 0});
    const auto b = runAnalysis(puzzle, {}, lesFirst, cancel);
    ASSERT_TRUE(b);
    EXPECT_TRUE(b->randomExtras.entries.empty());
    EXPECT_EQ(formatted(b->forwardExtras), std::vector<std::string>{"les  1,1 : vpravo"});
    EXPECT_TRUE(b->backwardExtras.entries.empty());
}

TEST(Analysis, GeneratorIsTheProgramsUnseededOneAndChecksContinueIt) {
    LinearRandom fresh;
    std::vector<int> draws;
    for (int i = 0; i < 8; ++i) draws.push_back(fresh.random(10));
    EXPECT_EQ(draws, (std::vector<int>{0, 0, 8, 2, 2, 6, 3, 1}));

    // A check draws one number per word, so the next check goes on from there.
    LinearRandom used;
    std::atomic<bool> cancel{false};
    ASSERT_TRUE(runAnalysis(letterPuzzle({"LESY", "XXXX"}, {"les", "lesy", "x"}), {}, used, cancel));
    LinearRandom expected;
    for (int n = 3; n >= 1; --n) expected.random(n);
    EXPECT_EQ(used.state(), expected.state());
}

TEST(Analysis, IncompletePuzzleIsNotSearched) {
    const Puzzle puzzle = puzzleOf({{"P", "E", "S"}, {"", "X", "X"}}, {"pes"}, "xx");
    LinearRandom random;
    std::atomic<bool> cancel{false};
    const auto result = runAnalysis(puzzle, {}, random, cancel);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, AnalysisResult{});
    EXPECT_EQ(random.state(), 0u);
}

TEST(Analysis, CancelEndsTheCheckWithNothing) {
    LinearRandom random;
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(runAnalysis(letterPuzzle({"PES"}, {"pes"}), {}, random, cancel));

    // A check that would run for a very long time, cancelled from another thread
    // once it is under way.
    Puzzle huge = Puzzle::blank(kMaxPuzzleSize, kMaxPuzzleSize);
    for (auto& cell : huge.cells) cell = "A";
    huge.words.assign(kMaxWords, "a");
    cancel = false;
    std::atomic<int> progress{-1};
    std::optional<AnalysisResult> result{AnalysisResult{}};
    std::atomic<bool> ended{false};
    std::jthread worker([&] {
        result = runAnalysis(huge, {}, random, cancel, &progress);
        ended = true;
    });
    while (progress.load() < 1 && !ended.load()) std::this_thread::yield();  // under way, or over by itself
    cancel = true;
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_LT(progress.load(), analysisProgressMaximum(huge));
}

TEST(Analysis, ProgressEndsAtFiveStepsPerWord) {
    const Puzzle puzzle = letterPuzzle({"LESY", "XXXX"}, {"les", "lesy", "mys"});
    LinearRandom random;
    std::atomic<bool> cancel{false};
    std::atomic<int> progress{-1};
    ASSERT_TRUE(runAnalysis(puzzle, {}, random, cancel, &progress));
    EXPECT_EQ(progress.load(), 15);
    EXPECT_EQ(analysisProgressMaximum(puzzle), 15);
}

TEST(Analysis, PhraseIsTrimmedFreedOfBlanksAndUpperCased) {
    EXPECT_EQ(normalizeSolutionPhrase("  pes a \xE8" "ert\t\r"), "PESA\xC8" "ERT");
    EXPECT_EQ(normalizeSolutionPhrase("Chata"), "CHATA");
    EXPECT_EQ(normalizeSolutionPhrase(" \t "), "");
}

TEST(Analysis, CellsTellHowCHWasRead) {
    struct Case {
        std::vector<std::string> cells;  // a 2 x 2 grid
        std::vector<std::string> words;
        std::optional<bool> chAsOneLetter;
    };
    const Case cases[] = {
        {{"CH", "A", "T", "A"}, {"chata"}, true},
        {{"ch", "A", "T", "A"}, {"pes"}, true},  // a CH cell tells even without a word
        {{"C", "H", "A", "T"}, {"chat"}, false},
        {{"C", "H", "A", "T"}, {"pes", "CHat"}, false},
        {{"C", "H", "P", "S"}, {"pes"}, std::nullopt},
        {{"P", "E", "S", "@"}, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        Puzzle puzzle = Puzzle::blank(2, 2);
        puzzle.cells = c.cells;
        puzzle.words = c.words;
        EXPECT_EQ(chAsOneLetterShown(puzzle), c.chAsOneLetter) << c.cells[0] << " " << c.words.size();
    }
}

// ---------------------------------------------------------------------------
// The real check against the plain one of reference_check.h.

namespace {

// A random complete puzzle over few letters, so that words overlap, repeat and
// run into each other; half of its words are read off the grid.
Puzzle randomPuzzle(std::mt19937& gen) {
    const std::vector<std::string> cellTexts = {"A", "B", "A", "B", "C", "H", "CH", "@", "Ch", "\xE1", "\xC1"};
    const std::vector<std::string> wordLetters = {"a", "b", "c", "h", "ch", "Ch", "cH", "\xE1", "@"};
    auto pick = [&](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
    Puzzle puzzle = Puzzle::blank(1 + pick(7), 1 + pick(7));
    for (auto& text : puzzle.cells) text = cellTexts[static_cast<std::size_t>(pick(static_cast<int>(cellTexts.size())))];
    const int count = pick(9);
    for (int i = 0; i < count; ++i) {
        std::string word;
        if (pick(2) == 0) {
            const ReferenceDirection& step = kReferenceDirections[static_cast<std::size_t>(pick(8))];
            int column = 1 + pick(puzzle.width), row = 1 + pick(puzzle.height);
            for (int length = 1 + pick(4); length > 0; --length, column += step.columnStep, row += step.rowStep) {
                if (column < 1 || column > puzzle.width || row < 1 || row > puzzle.height) break;
                std::string text = puzzle.cell(column, row);
                if (text == "CH" && pick(2) == 0) text = "ch";
                word += czechLowerCase(text);
            }
        } else {
            for (int length = pick(5); length > 0; --length)
                word += wordLetters[static_cast<std::size_t>(pick(static_cast<int>(wordLetters.size())))];
        }
        puzzle.words.push_back(word);
    }
    puzzle.solutionPhrase = pick(3) == 0 ? "" : "a b";
    return puzzle;
}

}  // namespace

TEST(Analysis, EqualsThePlainCheckOnRandomPuzzles) {
    std::mt19937 gen(20240611);
    for (int round = 0; round < 1500; ++round) {
        Puzzle puzzle = randomPuzzle(gen);
        const bool chAsOne = round % 2 == 0;
        // Give some puzzles the phrase their leftover letters spell.
        if (round % 3 == 0) {
            LinearRandom r;
            puzzle.solutionPhrase = " " + czechLowerCase(ReferenceCheck(puzzle, chAsOne).run(r).remaining);
        }
        LinearRandom referenceRandom, realRandom;
        const auto expected = ReferenceCheck(puzzle, chAsOne).run(referenceRandom);
        std::atomic<bool> cancel{false};
        const auto actual = runAnalysis(puzzle, AnalysisOptions{chAsOne}, realRandom, cancel);
        ASSERT_TRUE(actual);
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_EQ(formatted(actual->found), expected.found);
        EXPECT_EQ(actual->notFound, expected.notFound);
        EXPECT_EQ(formatted(actual->duplicates), expected.duplicates);
        EXPECT_EQ(formatted(actual->forwardExtras), expected.forward);
        EXPECT_EQ(formatted(actual->backwardExtras), expected.backward);
        EXPECT_EQ(formatted(actual->randomExtras), expected.random);
        EXPECT_EQ(actual->remainingLetters, expected.remaining);
        EXPECT_EQ(actual->phraseMatches, expected.matches);
        EXPECT_EQ(realRandom.state(), referenceRandom.state());
        if (HasFailure()) break;
    }
}
