// The word-search generator alone, no window: complete puzzles from the shipped
// Czech dictionary on empty grids of 15 x 15, 25 x 25 and 40 x 40, with and
// without the secret phrase "jaro leto", for both placement strategies
// (emptyFirst 1: empty cells first, as shipped; 0: crossing first).
//
// Each iteration is one puzzle from a fresh seed, restarted until it is full
// (on-failure choice "Začít znovu"), giving up after kMaxPasses passes. Each
// finished puzzle is then checked by the analyzer's core (not timed). Printed
// per configuration:
//   median_ms    median time from the generator's creation to the full grid,
//                over the puzzles that were finished (0 when none was)
//   single_pass  share of puzzles finished without a restart
//   finished     share of puzzles finished within kMaxPasses passes
//   duplicates   further places of listed words the analyzer finds, per
//                finished puzzle (the generator guarantees 0)
//   bottom_lamp  share of finished puzzles the analyzer passes: every word
//                once, nothing extra, the phrase left over
//   words        words placed per finished puzzle
//   words_per_s  words drawn by the word loop per second of generator time

#include "analyzer/core/analysis.h"
#include "analyzer/core/results.h"
#include "bench/bench_support.h"
#include "platform/core/cp1250.h"
#include "platform/core/textfile.h"
#include "stores/core/shipped_dictionary.h"
#include "wordsearch/core/generator.h"
#include "wordsearch/core/word_pool.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The shipped dictionary, or, when it has not been built, the same words taken
// from the hunspell list it is made from.
std::vector<std::string> loadWords(std::string& source) {
    const fs::path shipped = fs::path(GRILPAD_PROGRAM_DIR) / "cestina.slv";
    if (auto lines = readLines(shipped, fileLimit::wordStore)) {
        source = shipped.string();
        return *lines;
    }
    const fs::path hunspell = "/usr/share/hunspell/cs_CZ.dic";
    std::vector<std::string> words;
    if (auto lines = readLines(hunspell, fileLimit::wordStore)) {
        source = hunspell.string();
        for (std::size_t i = 1; i < lines->size(); ++i) {
            const std::string& line = (*lines)[i];
            auto word = cp1250::utf8ToCp1250(line.substr(0, line.find('/')));
            if (word && isShippedDictionaryWord(*word)) {
                words.push_back(std::move(*word));
            }
        }
    }
    return words;
}

struct Dictionary {
    std::string source;
    std::vector<std::string> pool;
};

const Dictionary& dictionary() {
    static const Dictionary loaded = [] {
        Dictionary d;
        d.pool = buildWordPool(WordSource::Dictionaries, loadWords(d.source), {});
        return d;
    }();
    return loaded;
}

constexpr int kMaxPasses = 5;

// Keeps the placed words and the finished grid; stops the run when it starts
// over for the kMaxPasses-th time.
class QuietWindow final : public GeneratorListener {
public:
    QuietWindow(GeneratorControl& control, int side) : control_(control), puzzle(analyzer::Puzzle::blank(side, side)) {}
    void statusChanged(const std::string&) override {}
    void wordPlaced(const std::string& word, const std::vector<CellText>& cells) override {
        benchmark::DoNotOptimize(cells.data());
        puzzle.words.push_back(word);
    }
    void secretPhrasePlaced(const std::vector<CellText>&) override {}
    void lettersCleared() override {
        puzzle.words.clear();
        if (++restarts == kMaxPasses) control_.requestStop();
    }
    void pausedOnFailure() override {}
    void reportFailure() override {}
    void finishGeneration(const std::vector<CellText>& cells) override {
        for (const CellText& c : cells) puzzle.cell(c.col, c.row) = c.text;
    }

private:
    GeneratorControl& control_;
    int restarts = 0;

public:
    analyzer::Puzzle puzzle;  // the finished grid and the placed words
};

void completePuzzle(benchmark::State& state) {
    const Dictionary& words = dictionary();
    if (words.pool.empty()) {
        state.SkipWithError("no dictionary: neither cestina.slv nor the hunspell list could be read");
        return;
    }
    GeneratorSetup setup;
    setup.cols = setup.rows = static_cast<int>(state.range(0));
    const std::string typedPhrase = state.range(1) != 0 ? "jaro leto" : "";
    setup.secretPhrase = processSecretPhrase(typedPhrase, setup.chAsOneLetter);
    setup.preferEmptyCells = state.range(2) != 0;
    setup.onFailure = OnFailure::Restart;
    setup.words = words.pool;

    std::vector<double> milliseconds;  // of the finished puzzles
    double seconds = 0;
    std::int64_t tried = 0;
    int puzzles = 0;
    int singlePass = 0;
    std::int64_t duplicates = 0;
    std::int64_t placed = 0;
    int bottomLamp = 0;
    std::uint32_t seed = 0;
    for (auto _ : state) {
        LinearRandom random(++seed);
        GeneratorControl control;
        QuietWindow window(control, setup.cols);
        const auto start = bench::Clock::now();
        OsmGenerator generator(setup, random, window, control);
        const GeneratorOutcome outcome = generator.generate();
        const double took = bench::millisecondsSince(start);
        ++puzzles;
        seconds += took / 1000.0;
        tried += generator.stats().wordsTried;
        if (outcome != GeneratorOutcome::Completed) continue;
        milliseconds.push_back(took);
        singlePass += generator.stats().passes == 1 ? 1 : 0;

        state.PauseTiming();
        window.puzzle.solutionPhrase = typedPhrase;
        placed += static_cast<std::int64_t>(window.puzzle.words.size());
        LinearRandom analyzerRandom;
        const std::atomic<bool> cancel{false};
        const auto result = analyzer::runAnalysis(window.puzzle, analyzer::AnalysisOptions{setup.chAsOneLetter},
                                                  analyzerRandom, cancel);
        if (result) {
            duplicates += static_cast<std::int64_t>(result->duplicates.total);
            bottomLamp += analyzer::updateLeds(*result, true, true) == analyzer::Lamps{false, false, true} ? 1 : 0;
        }
        state.ResumeTiming();
    }
    const double finished = std::max<double>(1, static_cast<double>(milliseconds.size()));
    state.counters["median_ms"] = bench::median(milliseconds);
    state.counters["single_pass"] = static_cast<double>(singlePass) / puzzles;
    state.counters["finished"] = static_cast<double>(milliseconds.size()) / puzzles;
    state.counters["duplicates"] = static_cast<double>(duplicates) / finished;
    state.counters["bottom_lamp"] = static_cast<double>(bottomLamp) / finished;
    state.counters["words"] = static_cast<double>(placed) / finished;
    state.counters["words_per_s"] = static_cast<double>(tried) / seconds;
}

BENCHMARK(completePuzzle)
    ->ArgNames({"side", "phrase", "emptyFirst"})
    ->ArgsProduct({{15, 25, 40}, {0, 1}, {1, 0}})
    ->Iterations(21)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const Dictionary& words = dictionary();
    benchmark::AddCustomContext("dictionary", words.source + " (" + std::to_string(words.pool.size()) + " words)");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
