// Criss-cross number generation alone, no window, on shapes like those of
// grid templates: 15 x 15, 25 x 25 and 40 x 40 grids whose blocked cells cut
// the rows into runs of 2 to 8 cells and keep the columns within 8 as well.
// Each shape runs plain, with ten fixed secret-phrase digits, and with
// one-digit numbers allowed; each with and without repeated numbers.
// Two more grids show the two ways a no-repeat generation can end early:
//   forced40   a 40 x 40 shape with a cell alone in its row and column and
//              one-digit numbers on: two numbers bound to be equal, found
//              before the first draw;
//   hopeless40 a 40 x 40 grid of long runs with eleven runs "5?5" whose free
//              middles cannot all differ: it ends when the attempts run out.
//
// The shape argument: 0 plain, 1 phrase digits, 2 one-digit numbers,
// 3 forced40, 4 hopeless40. Each iteration is one generation from a fresh
// seed with the program's attempt limit. Printed per configuration:
//   median_ms  median time of a generation, whatever its end
//   completed  share of generations that filled the grid
//   allowed    share that went on with repeats allowed (the message)
//   attempts   mean attempts per generation
//   runs       numbers in the grid

#include "bench/bench_support.h"
#include "crisscross/core/krs_generator.h"
#include "platform/core/random.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <string>
#include <vector>

namespace {

constexpr int kLongestRun = 8;

// A template-like shape: rows cut into runs of 2 to 8 free cells by blocked
// cells, then every column run longer than 8 cut inside. A few runs of one
// cell remain, as in real templates.
CrissCrossSetup templateShape(int side, std::uint32_t seed) {
    LinearRandom random(seed);
    CrissCrossSetup setup;
    setup.columns = setup.rows = side;
    setup.cells.assign(static_cast<std::size_t>(side * side), "");
    const auto at = [&](int col, int row) -> std::string& {
        return setup.cells[static_cast<std::size_t>((row - 1) * side + (col - 1))];
    };
    for (int row = 1; row <= side; ++row) {
        int col = 1 + random.random(2);
        if (col == 2) at(1, row) = "@";
        for (;;) {
            col += 2 + random.random(kLongestRun - 1);
            if (col > side) break;
            at(col, row) = "@";
            ++col;
        }
    }
    for (bool cut = true; cut;) {
        cut = false;
        for (int col = 1; col <= side; ++col) {
            int length = 0;
            for (int row = 1; row <= side; ++row) {
                length = at(col, row) == "@" ? 0 : length + 1;
                if (length > kLongestRun) {
                    at(col, row - random.random(kLongestRun - 2) - 1) = "@";
                    cut = true;
                    length = 0;
                }
            }
        }
    }
    return setup;
}

// Ten free cells spread over the grid hold the digits 0 to 9 of a coded phrase.
void placePhraseDigits(CrissCrossSetup& setup) {
    int placed = 0;
    const std::size_t step = setup.cells.size() / 11;
    for (std::size_t i = step; i < setup.cells.size() && placed < 10; i += step) {
        while (i < setup.cells.size() && !setup.cells[i].empty()) ++i;
        if (i < setup.cells.size()) setup.cells[i] = std::string(1, static_cast<char>('0' + placed++));
    }
}

CrissCrossSetup forcedShape() {
    CrissCrossSetup setup = templateShape(40, 40);
    // Cell (20, 20) alone in its row and its column.
    for (const auto& [col, row] : {std::pair{19, 20}, {21, 20}, {20, 19}, {20, 21}})
        setup.cells[static_cast<std::size_t>((row - 1) * 40 + (col - 1))] = "@";
    setup.cells[static_cast<std::size_t>(19 * 40 + 19)] = "";
    setup.allowOneDigitNumbers = true;
    return setup;
}

CrissCrossSetup hopelessShape() {
    CrissCrossSetup setup;
    setup.columns = setup.rows = 40;
    setup.cells.assign(40 * 40, "");
    for (int row = 1; row <= 22; ++row) {
        const bool odd = row % 2 == 1;
        const char* start[] = {odd ? "5" : "@", odd ? "" : "@", odd ? "5" : "@", "@"};
        for (int col = 1; col <= 4; ++col) setup.cells[static_cast<std::size_t>((row - 1) * 40 + col - 1)] = start[col - 1];
    }
    return setup;
}

enum Shape { plain, phraseDigits, oneDigit, forced, hopeless };

void generation(benchmark::State& state) {
    const auto shape = static_cast<Shape>(state.range(1));
    CrissCrossSetup setup = shape == forced     ? forcedShape()
                            : shape == hopeless ? hopelessShape()
                                                : templateShape(static_cast<int>(state.range(0)), 7);
    if (shape == phraseDigits) placePhraseDigits(setup);
    if (shape == oneDigit) setup.allowOneDigitNumbers = true;
    setup.repeatAllowed = state.range(2) != 0;

    const std::atomic<bool> goOn{false};
    std::vector<double> milliseconds;
    long long attempts = 0;
    int completed = 0;
    int allowed = 0;
    std::uint32_t seed = 0;
    for (auto _ : state) {
        LinearRandom random(++seed);
        const auto start = bench::Clock::now();
        const CrissCrossResult result = generateCrissCross(setup, random, goOn);
        const double took = bench::millisecondsSince(start);
        benchmark::DoNotOptimize(result.numbers.data());
        milliseconds.push_back(took);
        attempts += result.attempts;
        completed += result.outcome == CrissCrossOutcome::completed ? 1 : 0;
        allowed += result.repeatsAllowedAfterAll ? 1 : 0;
    }
    const auto runs = static_cast<double>(milliseconds.size());
    state.counters["median_ms"] = bench::median(milliseconds);
    state.counters["completed"] = completed / runs;
    state.counters["allowed"] = allowed / runs;
    state.counters["attempts"] = static_cast<double>(attempts) / runs;
    state.counters["runs"] = CrissCrossFill(setup.columns, setup.rows, setup.cells, setup.allowOneDigitNumbers).runCount();
}

BENCHMARK(generation)
    ->ArgNames({"side", "shape", "repeats"})
    ->ArgsProduct({{15, 25, 40}, {plain, phraseDigits, oneDigit}, {0, 1}})
    ->Args({40, forced, 0})
    ->Args({40, hopeless, 0})
    ->Iterations(21)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
