// Puzzles made by grilpad's generator from the shipped dictionary, written as
// word-search files and checked by the analyzer's core: every listed word lies
// exactly once, where the generator put it; no striking order finds a word
// struck already; the letters left over spell the phrase; the bottom lamp.
// Sizes 8 x 8 to 25 x 25, hidden cells, with and without a phrase, "ch" as one
// letter or as two, both placement strategies (crossing first on 25 x 25 grids
// too), and runs paused after a few words and resumed from what the window
// then shows.

#include "analyzer/core/analysis.h"
#include "analyzer/core/puzzle.h"
#include "analyzer/core/results.h"
#include "platform/core/textfile.h"
#include "support/core/ci.h"
#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"
#include "wordsearch/core/generator.h"
#include "wordsearch/core/osm_file.h"
#include "wordsearch/core/word_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <variant>

using namespace analyzer;

namespace {

using Cells = std::vector<std::pair<int, int>>;

// Plays the word-search window: keeps what the run shows in the cells and the
// list, and where each listed word went. A paused run stops after a number of
// words, as the pause button would.
class RecordingWindow final : public GeneratorListener {
public:
    RecordingWindow(const GeneratorSetup& setup, GeneratorControl& control)
        : document(OsmDocument::blank(setup.cols, setup.rows)), control_(&control) {
        for (int row = 1; row <= setup.rows; ++row)
            for (int col = 1; col <= setup.cols; ++col) document.cell(col, row).text = setup.cells.at(col, row).text;
    }

    void statusChanged(const std::string&) override {}
    void wordPlaced(const std::string& word, const std::vector<CellText>& cells) override {
        Cells& place = places[word];
        place.clear();
        for (const CellText& c : cells) {
            document.cell(c.col, c.row) = OsmCell{c.text, kOsmWhite};
            place.emplace_back(c.col, c.row);
        }
        if (++wordsThisRun == pauseAfterWords) control_->requestStop();
    }
    void secretPhrasePlaced(const std::vector<CellText>& cells) override {
        for (const CellText& c : cells) document.cell(c.col, c.row) = OsmCell{c.text, kOsmRed};
    }
    void lettersCleared() override {
        places.clear();
        for (OsmCell& cell : document.cells)
            if (!cell.hidden()) cell = OsmCell{};
        if (++restarts == 6) control_->requestStop();
    }
    void pausedOnFailure() override {}
    void reportFailure() override {}
    void finishGeneration(const std::vector<CellText>& upperCasedCells) override {
        for (const CellText& c : upperCasedCells) document.cell(c.col, c.row).text = c.text;
    }

    // The window's state after a pause, as a resumed run starts from it.
    GeneratorSetup resumedSetup(GeneratorSetup setup, GeneratorControl& control) {
        for (int row = 1; row <= setup.rows; ++row)
            for (int col = 1; col <= setup.cols; ++col) {
                const OsmCell& cell = document.cell(col, row);
                setup.cells.at(col, row) = WsCell{cell.text, cell.colour == kOsmRed};
            }
        setup.placedWords = listedWords();
        setup.firstRun = false;
        control_ = &control;
        pauseAfterWords = 0;
        wordsThisRun = 0;
        return setup;
    }

    // The placed-word list as the window keeps it: sorted.
    std::vector<std::string> listedWords() const {
        std::vector<std::string> words;
        for (const auto& [word, place] : places) words.push_back(word);
        sortAsListed(words);
        return words;
    }

    OsmDocument document;
    std::map<std::string, Cells> places;  // the cells of each listed word, first letter first
    int pauseAfterWords = 0;              // 0: never
    int restarts = 0;

private:
    GeneratorControl* control_;
    int wordsThisRun = 0;
};

std::vector<std::string> shippedWords() {
    const auto lines = readLines(std::filesystem::path(GRILPAD_PROGRAM_DIR) / "cestina.slv");
    return lines ? *lines : std::vector<std::string>{};
}

struct Scenario {
    GeneratorSetup setup;
    std::string typedPhrase;
    int pauseAfterWords = 0;  // 0: one run
};

Scenario scenario(std::uint32_t seed, const std::vector<std::string>& pool) {
    LinearRandom r(seed * 7919u + 3);
    Scenario s;
    GeneratorSetup& g = s.setup;
    g.cols = 8 + r.random(18);
    g.rows = 8 + r.random(18);
    if (r.random(2) == 1) {
        // About one cell in twelve hidden, never a visible cell without a visible neighbour.
        for (int col = 1; col <= g.cols; ++col)
            for (int row = 1; row <= g.rows; ++row)
                if (r.random(12) == 0) g.cells.at(col, row).text = hiddenCellText;
        for (int col = 1; col <= g.cols; ++col)
            for (int row = 1; row <= g.rows; ++row) {
                bool alone = true;
                for (int dc = -1; dc <= 1; ++dc)
                    for (int dr = -1; dr <= 1; ++dr) {
                        const int c = col + dc, w = row + dr;
                        if ((dc != 0 || dr != 0) && c >= 1 && c <= g.cols && w >= 1 && w <= g.rows &&
                            g.cells.at(c, w).text != hiddenCellText)
                            alone = false;
                    }
                if (alone) g.cells.at(col, row).text = hiddenCellText;
            }
    }
    const char* phrases[] = {"", "jaro leto", "chata na horách", "pes a kočka", "osmisměrka pro všechny"};
    s.typedPhrase = cp(phrases[r.random(5)]);
    g.chAsOneLetter = r.random(2) == 1;
    g.secretPhrase = processSecretPhrase(s.typedPhrase, g.chAsOneLetter);
    g.preferEmptyCells = r.random(4) != 0;
    g.onFailure = OnFailure::Restart;
    g.words = pool;
    if (r.random(3) == 0) s.pauseAfterWords = 1 + r.random(g.cols * g.rows / 8);
    return s;
}

// The same on a 25 x 25 grid filled crossing first. Only cells are added, so
// no visible cell stands alone.
Scenario crossingFirstScenario(std::uint32_t seed, const std::vector<std::string>& pool) {
    Scenario s = scenario(seed, pool);
    s.setup.cols = s.setup.rows = 25;
    s.setup.preferEmptyCells = false;
    return s;
}

}  // namespace

TEST(GeneratedPuzzles, TheAnalyzerFindsEveryWordOnceAndThePhraseLeftOver) {
    const std::vector<std::string> dictionary = shippedWords();
    if (dictionary.empty()) SKIP_OR_FAIL_IN_CI("the shipped dictionary cestina.slv is not built");
    const std::vector<std::string> pool = buildWordPool(WordSource::Dictionaries, dictionary, {});

    TempFolder folder;
    int resumedCompleted = 0;
    int withPhrase = 0;
    for (std::uint32_t seed = 1; seed <= 46; ++seed) {
        const Scenario s = seed <= 40 ? scenario(seed, pool) : crossingFirstScenario(seed, pool);
        const GeneratorSetup& setup = s.setup;
        SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(setup.cols) + " x " +
                     std::to_string(setup.rows) + (setup.chAsOneLetter ? ", ch one letter" : "") +
                     (setup.preferEmptyCells ? ", empty cells first" : ", crossing first"));

        GeneratorControl control;
        RecordingWindow window(setup, control);
        window.pauseAfterWords = s.pauseAfterWords;
        LinearRandom random(seed);
        GeneratorOutcome outcome = OsmGenerator(setup, random, window, control).generate();
        GeneratorControl resumeControl;
        const bool resumed = outcome == GeneratorOutcome::Stopped && s.pauseAfterWords > 0 && window.restarts < 6;
        if (resumed) {
            const GeneratorSetup again = window.resumedSetup(setup, resumeControl);
            outcome = OsmGenerator(again, random, window, resumeControl).generate();
        }
        ASSERT_EQ(outcome, GeneratorOutcome::Completed) << "not finished in six passes";
        resumedCompleted += resumed ? 1 : 0;
        withPhrase += s.typedPhrase.empty() ? 0 : 1;

        window.document.processedPhrase = setup.secretPhrase;
        window.document.typedPhrase = s.typedPhrase;
        window.document.words = window.listedWords();
        const auto path = folder / ("puzzle" + std::to_string(seed) + ".osm");
        ASSERT_TRUE(writeOsmFile(path, window.document));
        const LoadResult loaded = loadOsm(path.string());
        ASSERT_TRUE(std::holds_alternative<LoadedPuzzle>(loaded));
        const Puzzle& puzzle = std::get<LoadedPuzzle>(loaded).puzzle;
        ASSERT_TRUE(puzzle.isComplete());

        LinearRandom analyzerRandom;
        const std::atomic<bool> cancel{false};
        const auto result = runAnalysis(puzzle, AnalysisOptions{setup.chAsOneLetter}, analyzerRandom, cancel);
        ASSERT_TRUE(result);
        EXPECT_TRUE(result->notFound.empty()) << result->notFound.front();
        EXPECT_EQ(result->duplicates.total, 0u) << formatEntry(result->duplicates.entries.front());
        EXPECT_EQ(result->forwardExtras.total + result->backwardExtras.total + result->randomExtras.total, 0u);
        EXPECT_TRUE(result->phraseMatches) << "left over: " << result->remainingLetters;
        EXPECT_EQ(updateLeds(*result, true, true), (Lamps{false, false, true}));
        // Each word lies where the generator put it.
        ASSERT_EQ(result->found.size(), window.places.size());
        for (const Occurrence& o : result->found) EXPECT_EQ(occurrenceCells(o), window.places.at(o.word)) << o.word;
    }
    EXPECT_GT(resumedCompleted, 5);
    EXPECT_GT(withPhrase, 20);
}
