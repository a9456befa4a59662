// The analyzer's whole check (five passes and the phrase comparison) on a usual
// large puzzle and on the largest one the analyzer accepts.
// Targets on the development machine: under 20 ms and under 1 s.

#include "analyzer/core/analysis.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace analyzer;

namespace {

// A filled grid of random letters (some of them CH) and words read off it in
// every direction, so every word is found and the passes have work to do.
Puzzle buildPuzzle(int size, int wordCount) {
    std::mt19937 gen(static_cast<unsigned>(size * 7919 + wordCount));
    const std::vector<std::string> letters = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
                                              "O", "P", "R", "S", "T", "U", "V", "Y", "Z", "CH", "\xC8", "\xD8"};
    auto pick = [&](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
    Puzzle puzzle = Puzzle::blank(size, size);
    for (auto& cell : puzzle.cells) cell = letters[static_cast<std::size_t>(pick(static_cast<int>(letters.size())))];
    puzzle.loadedFromFile = true;
    while (static_cast<int>(puzzle.words.size()) < wordCount) {
        const auto& step = kDirections[static_cast<std::size_t>(pick(8))];
        const int length = 3 + pick(8);
        const int column = 1 + pick(size), row = 1 + pick(size);
        const int lastColumn = column + step.columnStep * (length - 1), lastRow = row + step.rowStep * (length - 1);
        if (lastColumn < 1 || lastColumn > size || lastRow < 1 || lastRow > size) continue;
        std::string word;
        for (int i = 0; i < length; ++i) word += puzzle.cell(column + i * step.columnStep, row + i * step.rowStep);
        puzzle.words.push_back(word);
    }
    return puzzle;
}

void wholeCheck(benchmark::State& state, int size, int wordCount) {
    const Puzzle puzzle = buildPuzzle(size, wordCount);
    std::atomic<bool> cancel{false};
    std::size_t found = 0;
    for (auto _ : state) {
        LinearRandom random;
        auto result = runAnalysis(puzzle, AnalysisOptions{}, random, cancel);
        found = result ? result->found.size() : 0;
        benchmark::DoNotOptimize(result);
    }
    state.counters["words"] = static_cast<double>(wordCount);
    state.counters["found"] = static_cast<double>(found);
}

}  // namespace

BENCHMARK_CAPTURE(wholeCheck, grid40x40_words300, 40, 300)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeCheck, grid255x255_words6000, 255, 6000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
