// Puzzles made by grilpad's generator, written as word-search files and read
// back by the analyzer: every listed word is found where the generator put it,
// with "ch" as one letter or as two. Short words of a real dictionary also form
// again by chance where other words cross (the generator only keeps a word out
// when it lies inside another listed word); the analyzer reports those as
// duplicates, and the generator's place is one of them. A puzzle where no word
// formed across a phrase cell has its secret phrase left over; one without
// duplicates lights the bottom lamp.

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
#include <string>
#include <utility>
#include <variant>

using namespace analyzer;

namespace {

using Cells = std::vector<std::pair<int, int>>;

// Plays the word-search window: keeps what the run shows in the cells and lists.
class RecordingWindow final : public GeneratorListener {
public:
    explicit RecordingWindow(int cols, int rows) : document(OsmDocument::blank(cols, rows)) {}

    void statusChanged(const std::string&) override {}
    void wordPlaced(const std::string& word, const std::vector<CellText>& cells) override {
        words.push_back(word);
        places.emplace_back();
        for (const CellText& c : cells) {
            document.cell(c.col, c.row).text = c.text;
            places.back().emplace_back(c.col, c.row);
        }
    }
    void secretPhrasePlaced(const std::vector<CellText>& cells) override {
        for (const CellText& c : cells) {
            document.cell(c.col, c.row).text = c.text;
            document.cell(c.col, c.row).colour = kOsmRed;
        }
    }
    void lettersCleared() override { ADD_FAILURE() << "a run that stops on failure never starts again"; }
    void pausedOnFailure() override {}
    void reportFailure() override {}
    void finishGeneration(const std::vector<CellText>& upperCasedCells) override {
        for (const CellText& c : upperCasedCells) document.cell(c.col, c.row).text = c.text;
    }

    OsmDocument document;
    std::vector<std::string> words;
    std::vector<Cells> places;  // the cells of each placed word, first letter first
};

std::vector<std::string> shippedWords(std::size_t minimumLength) {
    const auto lines = readLines(std::filesystem::path(GRILPAD_PROGRAM_DIR) / "cestina.slv");
    std::vector<std::string> words;
    if (!lines) return words;
    for (const std::string& line : *lines)
        if (line.size() >= minimumLength) words.push_back(line);
    return words;
}

}  // namespace

TEST(GeneratedPuzzles, AnalyzerFindsEveryWordAndThePhraseInWhatTheGeneratorWrote) {
    const std::vector<std::string> dictionary = shippedWords(2);
    if (dictionary.empty()) SKIP_OR_FAIL_IN_CI("the shipped dictionary cestina.slv is not built");
    const std::vector<std::string> pool = buildWordPool(WordSource::Dictionaries, dictionary, {});

    TempFolder folder;
    int completed = 0;
    int wordsLyingOnce = 0, wordsLyingAgain = 0, phrasesLeftOver = 0, withoutDuplicates = 0;
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        const bool chAsOneLetter = seed % 2 == 0;
        const std::string typedPhrase = cp("chata na horách");
        GeneratorSetup setup;
        setup.cols = 12;
        setup.rows = 11;
        setup.cells.at(4, 4).text = "@";
        setup.cells.at(9, 7).text = "@";
        setup.words = pool;
        setup.secretPhrase = processSecretPhrase(typedPhrase, chAsOneLetter);
        setup.chAsOneLetter = chAsOneLetter;
        setup.preferEmptyCells = true;
        setup.onFailure = OnFailure::Stop;

        RecordingWindow window(setup.cols, setup.rows);
        window.document.cell(4, 4).text = "@";
        window.document.cell(9, 7).text = "@";
        LinearRandom random(seed);
        GeneratorControl control;
        OsmGenerator generator(setup, random, window, control);
        if (generator.generate() != GeneratorOutcome::Completed) continue;
        ++completed;

        window.document.processedPhrase = setup.secretPhrase;
        window.document.typedPhrase = typedPhrase;
        window.document.words = window.words;
        const auto path = folder / ("puzzle" + std::to_string(seed) + ".osm");
        ASSERT_TRUE(writeOsmFile(path, window.document));

        const LoadResult loaded = loadOsm(path.string());
        ASSERT_TRUE(std::holds_alternative<LoadedPuzzle>(loaded)) << "seed " << seed;
        const Puzzle& puzzle = std::get<LoadedPuzzle>(loaded).puzzle;
        ASSERT_TRUE(puzzle.isComplete()) << "seed " << seed;

        LinearRandom analyzerRandom;
        const std::atomic<bool> cancel{false};
        const auto result = runAnalysis(puzzle, AnalysisOptions{chAsOneLetter}, analyzerRandom, cancel);
        ASSERT_TRUE(result) << "seed " << seed;
        EXPECT_TRUE(result->notFound.empty()) << "seed " << seed << ": " << result->notFound.front();
        EXPECT_EQ(result->found.size(), window.words.size()) << "seed " << seed;

        // Each word lies where the generator put it: its first occurrence when
        // it lies once, one of its occurrences when it also formed elsewhere.
        ASSERT_EQ(result->duplicates.omitted(), 0u) << "seed " << seed;
        ASSERT_EQ(window.places.size(), window.words.size());
        for (std::size_t i = 0; i < window.words.size(); ++i) {
            const std::string& word = window.words[i];
            SCOPED_TRACE("seed " + std::to_string(seed) + ", " + word);
            const auto found = std::find_if(result->found.begin(), result->found.end(),
                                            [&](const Occurrence& o) { return o.word == word; });
            ASSERT_NE(found, result->found.end());
            std::vector<Cells> places{occurrenceCells(*found)};
            for (const Occurrence& o : result->duplicates.entries)
                if (o.word == word) places.push_back(occurrenceCells(o));
            if (places.size() == 1) {
                ++wordsLyingOnce;
                EXPECT_EQ(places[0], window.places[i]) << formatEntry(*found);
            } else {
                ++wordsLyingAgain;
                EXPECT_NE(std::find(places.begin(), places.end(), window.places[i]), places.end());
            }
        }
        // The words cover every cell but the phrase's, so the phrase is left
        // over unless a word also formed across one of its cells.
        bool phraseCellsFree = true;
        for (const std::vector<Occurrence>* list : {&result->found, &result->duplicates.entries})
            for (const Occurrence& o : *list)
                for (const auto& [column, row] : occurrenceCells(o))
                    phraseCellsFree = phraseCellsFree && window.document.cell(column, row).colour != kOsmRed;
        if (phraseCellsFree) {
            ++phrasesLeftOver;
            EXPECT_TRUE(result->phraseMatches) << "seed " << seed << " leaves " << result->remainingLetters;
        }
        if (result->duplicates.total == 0) {
            ++withoutDuplicates;
            EXPECT_TRUE(result->phraseMatches) << "seed " << seed << " leaves " << result->remainingLetters;
            EXPECT_EQ(updateLeds(*result, true, true), (Lamps{false, false, true})) << "seed " << seed;
        }
    }
    EXPECT_GT(completed, 12) << "the generator should fill most of these grids in one pass";
    EXPECT_GT(wordsLyingOnce, 0);
    EXPECT_GT(wordsLyingAgain, 0);
    EXPECT_GT(phrasesLeftOver, 0);
    EXPECT_GT(withoutDuplicates, 0);
}
