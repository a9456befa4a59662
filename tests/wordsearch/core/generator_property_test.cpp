// The generator over many seeded grids: what every finished puzzle must satisfy,
// and the same reports and draws as the plain reference transcription.
// The analyzer's own check of finished puzzles, with real words, is in
// tests/analyzer/core/generated_puzzle_test.cpp.

#include "generator_fixtures.h"
#include "platform/core/czech.h"
#include "reference_generator.h"
#include "wordsearch/core/generator.h"
#include "wordsearch/core/reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <type_traits>

namespace {

struct Scenario {
    GeneratorSetup setup;
    int stopAfterClearings = 0;  // 0: never
    int stopAfterWords = 0;      // 0: never
};

// A seeded grid with hidden cells, a pool of made-up words, a phrase and settings.
Scenario scenario(std::uint32_t seed, int minSide, int maxSide) {
    LinearRandom r(seed * 2654435761u + 17);
    Scenario s;
    GeneratorSetup& g = s.setup;
    g.cols = minSide + r.random(maxSide - minSide + 1);
    g.rows = minSide + r.random(maxSide - minSide + 1);
    const int hiddenShare = r.random(4);  // none, or about 1 in 20, 10 or 7
    for (int col = 1; col <= g.cols; ++col) {
        for (int row = 1; row <= g.rows; ++row) {
            if (hiddenShare > 0 && r.random(20) < hiddenShare) g.cells.at(col, row).text = "@";
        }
    }
    // A visible cell with no visible neighbour could only take a one-letter word,
    // which the word loop never places: hide it too.
    for (int col = 1; col <= g.cols; ++col) {
        for (int row = 1; row <= g.rows; ++row) {
            bool alone = true;
            for (int dc = -1; dc <= 1; ++dc) {
                for (int dr = -1; dr <= 1; ++dr) {
                    const int c = col + dc;
                    const int r2 = row + dr;
                    if ((dc != 0 || dr != 0) && c >= 1 && c <= g.cols && r2 >= 1 && r2 <= g.rows &&
                        g.cells.at(c, r2).text != "@") {
                        alone = false;
                    }
                }
            }
            if (alone) g.cells.at(col, row).text = "@";
        }
    }
    g.words = madeUpPool(seed, std::max(60, g.cols * g.rows * 3), 3 + r.random(6));
    g.chAsOneLetter = r.random(2) == 1;
    g.preferEmptyCells = r.random(2) == 1;
    g.randomOrder = r.random(4) != 0;
    const std::string letters = "abcehkloprsty\xE1";
    std::string typed;
    const int phraseLength = r.random(std::min(g.cols, g.rows) * 2);
    for (int i = 0; i < phraseLength; ++i) typed += letters[r.random(static_cast<int>(letters.size()))];
    g.secretPhrase = processSecretPhrase(typed, g.chAsOneLetter);
    g.onFailure = OnFailure::Restart;
    return s;
}

// The same, varied further for the comparison: resumed runs over grids that
// already hold letters and red cells, every on-failure choice, stops mid-run.
Scenario comparisonScenario(std::uint32_t seed, int minSide, int maxSide) {
    Scenario s = scenario(seed, minSide, maxSide);
    GeneratorSetup& g = s.setup;
    LinearRandom r(seed + 99);
    g.onFailure = static_cast<OnFailure>(r.random(3));
    g.words.resize(g.words.size() * (1 + r.random(4)) / 4);
    if (r.random(3) == 0) {
        g.firstRun = false;
        const char* texts[] = {"a", "e", "k", "ch", "o", "x", "\xE1", "s"};
        for (int col = 1; col <= g.cols; ++col) {
            for (int row = 1; row <= g.rows; ++row) {
                WsCell& c = g.cells.at(col, row);
                if (c.text == "@" || r.random(4) != 0) continue;
                c.text = texts[r.random(8)];
                c.red = r.random(5) == 0;
            }
        }
        // A red cell left empty, which the run must fill.
        if (g.cells.at(1, 1).text.empty()) g.cells.at(1, 1).red = true;
        g.placedWords = {"", "ka", "sok", "Ka"};  // "Ka" reads as "ka": neither may lie anywhere
    }
    s.stopAfterClearings = 1 + r.random(3);
    if (r.random(4) == 0) s.stopAfterWords = 1 + r.random(10);
    // Now and then a pool whose letters may be too few to fill the grid.
    if (r.random(5) == 0) {
        const auto few = static_cast<std::size_t>(1 + r.random(g.cols * g.rows / 3 + 1));
        g.words.resize(std::min(g.words.size(), few));
    }
    return s;
}

template <class Generator>
GeneratorOutcome run(const Scenario& s, RandomSource& random, WindowModel& window, GeneratorControl& control,
                     GeneratorStats* stats = nullptr) {
    int words = 0;
    window.afterReport = [&](const std::string& name) {
        if (name == "cleared" && window.clearings == s.stopAfterClearings) control.requestStop();
        if (name == "word" && ++words == s.stopAfterWords) control.requestStop();
    };
    control.setRandomOrder(s.setup.randomOrder);
    Generator generator(s.setup, random, window, control);
    const GeneratorOutcome outcome = generator.generate();
    if constexpr (std::is_same_v<Generator, OsmGenerator>) {
        if (stats) *stats = generator.stats();
    }
    window.afterReport = nullptr;
    return outcome;
}

std::string reversed(const std::string& text) { return std::string(text.rbegin(), text.rend()); }

// Everything a finished puzzle must satisfy, as the window shows it.
void checkFinishedPuzzle(const GeneratorSetup& setup, const WindowModel& window) {
    const auto& cells = window.cells;
    EXPECT_TRUE(window.conflicts.empty()) << window.conflicts.front();
    // Hidden cells untouched, no visible cell empty.
    for (int col = 1; col <= setup.cols; ++col) {
        for (int row = 1; row <= setup.rows; ++row) {
            const bool hidden = setup.cells.at(col, row).text == "@";
            EXPECT_EQ(cells.at(col, row).text == "@", hidden) << col << "," << row;
            EXPECT_FALSE(cells.at(col, row).text.empty()) << col << "," << row;
            EXPECT_FALSE(hidden && cells.at(col, row).red) << col << "," << row;
        }
    }
    // Every word on a straight line of neighbouring cells, reading correctly,
    // using no red or hidden cell; every visible cell not red lies in some word.
    std::vector<std::vector<bool>> covered(setup.cols + 1, std::vector<bool>(setup.rows + 1, false));
    for (const auto& placement : window.placements) {
        SCOPED_TRACE(placement.word);
        const auto texts = cellTextsOf(placement.word, setup.chAsOneLetter);
        ASSERT_EQ(placement.cells.size(), texts.size());
        const int dx = texts.size() > 1 ? placement.cells[1].col - placement.cells[0].col : 0;
        const int dy = texts.size() > 1 ? placement.cells[1].row - placement.cells[0].row : 0;
        EXPECT_TRUE(texts.size() == 1 || (std::abs(dx) <= 1 && std::abs(dy) <= 1 && (dx != 0 || dy != 0)));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const CellText& c = placement.cells[i];
            EXPECT_EQ(c.col, placement.cells[0].col + static_cast<int>(i) * dx);
            EXPECT_EQ(c.row, placement.cells[0].row + static_cast<int>(i) * dy);
            ASSERT_TRUE(c.col >= 1 && c.col <= setup.cols && c.row >= 1 && c.row <= setup.rows);
            EXPECT_EQ(c.text, texts[i]);
            EXPECT_EQ(cells.at(c.col, c.row).text, czechUpperCase(texts[i]));
            EXPECT_FALSE(cells.at(c.col, c.row).red);
            covered[c.col][c.row] = true;
        }
    }
    std::string redLetters;
    for (int row = 1; row <= setup.rows; ++row) {
        for (int col = 1; col <= setup.cols; ++col) {
            const WsCell& c = cells.at(col, row);
            if (c.red) {
                redLetters += c.text;
            } else if (c.text != "@") {
                EXPECT_TRUE(covered[col][row]) << col << "," << row;
            }
        }
    }
    // The red cells, row by row, spell the phrase.
    std::string phrase;
    for (const char ch : setup.secretPhrase) phrase += ch == '#' ? std::string("ch") : std::string(1, ch);
    EXPECT_EQ(redLetters, czechUpperCase(phrase));
    // The finished grid, read as the analyzer reads it, holds every listed word
    // exactly once, none of them across a red cell.
    std::vector<reading::Letter> letters;
    for (int row = 1; row <= setup.rows; ++row) {
        for (int col = 1; col <= setup.cols; ++col) {
            letters.push_back(reading::convertCell(cells.at(col, row).text, setup.chAsOneLetter));
        }
    }
    const reading::LetterGrid grid(setup.cols, setup.rows, letters);
    for (const std::string& word : window.listBox) {
        const auto wordLetters = reading::convertWord(word, setup.chAsOneLetter);
        int lies = 0;
        grid.forEachOccurrence(wordLetters, [&](int start, reading::Direction d) {
            ++lies;
            for (std::size_t k = 0; k < wordLetters.size(); ++k) {
                const int cell = start + static_cast<int>(k) * grid.step(d);
                EXPECT_FALSE(cells.at(cell % setup.cols + 1, cell / setup.cols + 1).red) << word << " across the phrase";
            }
            return true;
        });
        EXPECT_EQ(lies, 1) << word;
    }
    // No word inside another or inside another's reverse.
    const auto& words = window.listBox;
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (std::size_t j = 0; j < words.size(); ++j) {
            if (i == j) continue;
            EXPECT_EQ(words[j].find(words[i]), std::string::npos) << words[i] << " in " << words[j];
            EXPECT_EQ(reversed(words[j]).find(words[i]), std::string::npos) << words[i] << " in reversed " << words[j];
        }
    }
}

}  // namespace

// Both strategies finish every one of these grids: a hole closed in on all
// sides is filled by a word anchored on it.
TEST(GeneratorProperties, FinishedPuzzlesHoldEveryWordOnceAndSpellThePhrase) {
    for (std::uint32_t seed = 1; seed <= 160; ++seed) {
        SCOPED_TRACE(seed);
        Scenario s = scenario(seed, 4, 16);
        s.stopAfterClearings = 300;
        WindowModel window(s.setup);
        GeneratorControl control;
        LinearRandom random(seed);
        const GeneratorOutcome outcome = run<OsmGenerator>(s, random, window, control);
        ASSERT_EQ(outcome, GeneratorOutcome::Completed);
        checkFinishedPuzzle(s.setup, window);
    }
}

// The real generator against the plain transcription: the same reports (every
// letter of every cell, in order) and the same draws, over many seeds.
TEST(GeneratorProperties, MatchesThePlainTranscriptionDrawForDraw) {
    auto compare = [](const Scenario& s, std::uint32_t seed) {
        LinearRandom innerA(seed);
        LinearRandom innerB(seed);
        RecordingRandom randomA(innerA);
        RecordingRandom randomB(innerB);
        WindowModel windowA(s.setup);
        WindowModel windowB(s.setup);
        GeneratorControl controlA;
        GeneratorControl controlB;
        const GeneratorOutcome a = run<OsmGenerator>(s, randomA, windowA, controlA);
        const GeneratorOutcome b = run<ReferenceGenerator>(s, randomB, windowB, controlB);
        EXPECT_EQ(a, b);
        EXPECT_EQ(randomA.draws, randomB.draws);
        ASSERT_EQ(windowA.log.size(), windowB.log.size());
        for (std::size_t i = 0; i < windowA.log.size(); ++i) ASSERT_EQ(windowA.log[i], windowB.log[i]) << "report " << i;
        EXPECT_EQ(windowA.cells, windowB.cells);
    };
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        compare(comparisonScenario(seed, 2, 14), seed);
    }
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed + 5000);
        compare(comparisonScenario(seed + 5000, 25, 40), seed);
    }
}

