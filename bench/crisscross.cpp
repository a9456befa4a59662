// Criss-cross number generation alone, no window, on shapes like those of
// grid templates: 15 x 15, 25 x 25 and 40 x 40 grids whose blocked cells cut
// the rows into runs of 2 to 8 cells and keep the columns within 8 as well.
// Each shape runs plain, with ten fixed secret-phrase digits, and with
// one-digit numbers allowed; each with and without repeated numbers.
// Two more grids show the two ways a no-repeat generation ends at once with
// repeats allowed:
//   forced40   a 40 x 40 shape with a cell alone in its row and column and
//              one-digit numbers on: two numbers bound to be equal;
//   hopeless40 a 40 x 40 grid of long runs with eleven runs "5?5" whose free
//              middles cannot all differ.
// And two grids whose whole fills almost never give numbers that differ,
// with one-digit numbers on and no repeats, over 300 seeds, where the search
// takes over from the drawn fills:
//   pair5x20   5 x 20: column 1 of rows 1-10 and columns 4-5 of every row
//              (ten one-digit numbers, twenty of two digits);
//   ten10x2    one row of ten cells over a blocked row: ten one-digit numbers.
//
// The shape argument: 0 plain, 1 phrase digits, 2 one-digit numbers,
// 3 forced40, 4 hopeless40, 5 pair5x20, 6 ten10x2. Each iteration is one
// generation from a fresh seed with the program's settings. Printed per
// configuration:
//   median_ms  median time of a generation, whatever its end
//   max_ms     the longest generation
//   completed  share of generations that filled the grid
//   differ     share that filled it with numbers that all differ
//   allowed    share that went on with repeats allowed (the message)
//   searched   share in which the search took over from the drawn fills
//   attempts   mean whole fills drawn per generation
//   runs       numbers in the grid

#include "bench/bench_support.h"
#include "crisscross/core/krs_generator.h"
#include "platform/core/random.h"

#include <benchmark/benchmark.h>

#include <algorithm>
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

// Column 1 of rows 1-10 and columns 4-5 of all twenty rows.
CrissCrossSetup columnAndPairShape() {
    CrissCrossSetup setup;
    setup.columns = 5;
    setup.rows = 20;
    for (int row = 1; row <= 20; ++row)
        for (const char c : std::string(row <= 10 ? ".##.." : "###..")) setup.cells.push_back(c == '.' ? "" : "@");
    return setup;
}

CrissCrossSetup tenOneDigitShape() {
    CrissCrossSetup setup;
    setup.columns = 10;
    setup.rows = 2;
    setup.cells.assign(10, "");
    setup.cells.resize(20, "@");
    return setup;
}

enum Shape { plain, phraseDigits, oneDigit, forced, hopeless, columnAndPair, tenOneDigit };

CrissCrossSetup shapeOf(Shape shape, int side) {
    switch (shape) {
    case forced:
        return forcedShape();
    case hopeless:
        return hopelessShape();
    case columnAndPair:
        return columnAndPairShape();
    case tenOneDigit:
        return tenOneDigitShape();
    default:
        return templateShape(side, 7);
    }
}

void generation(benchmark::State& state) {
    const auto shape = static_cast<Shape>(state.range(1));
    CrissCrossSetup setup = shapeOf(shape, static_cast<int>(state.range(0)));
    if (shape == phraseDigits) placePhraseDigits(setup);
    if (shape == oneDigit || shape == columnAndPair || shape == tenOneDigit) setup.allowOneDigitNumbers = true;
    setup.repeatAllowed = state.range(2) != 0;

    const std::atomic<bool> goOn{false};
    std::vector<double> milliseconds;
    long long attempts = 0;
    int completed = 0;
    int differ = 0;
    int allowed = 0;
    int searched = 0;
    std::uint32_t seed = 0;
    for (auto _ : state) {
        LinearRandom random(++seed);
        const auto start = bench::Clock::now();
        const CrissCrossResult result = generateCrissCross(setup, random, goOn);
        const double took = bench::millisecondsSince(start);
        benchmark::DoNotOptimize(result.numbers.data());
        milliseconds.push_back(took);
        attempts += result.attempts;
        const bool filled = result.outcome == CrissCrossOutcome::completed;
        const auto& numbers = result.numbers;  // sorted: equal numbers stand together
        completed += filled ? 1 : 0;
        differ += filled && std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end() ? 1 : 0;
        allowed += result.repeatsAllowedAfterAll ? 1 : 0;
        searched += result.searched ? 1 : 0;
    }
    const auto runs = static_cast<double>(milliseconds.size());
    state.counters["median_ms"] = bench::median(milliseconds);
    state.counters["max_ms"] = *std::max_element(milliseconds.begin(), milliseconds.end());
    state.counters["completed"] = completed / runs;
    state.counters["differ"] = differ / runs;
    state.counters["allowed"] = allowed / runs;
    state.counters["searched"] = searched / runs;
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

BENCHMARK(generation)
    ->ArgNames({"side", "shape", "repeats"})
    ->Args({20, columnAndPair, 0})
    ->Args({10, tenOneDigit, 0})
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
