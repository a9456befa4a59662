// The legend editor's suggestions: what one showing of the editor looks up
// (the clues of the word across and of the word down) in generated clue
// stores of 100,000 pairs together, for words with no clue, one clue and 50
// clues. Prints the median time per showing and the time the first showing
// spends taking the stores into their indexes. The editor must never keep
// the window waiting: the aim is well under 20 ms per showing.

#include "stores/core/clue_index.h"
#include "swedish/core/legend.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// 50,000 pairs in each store: "slovo<n>" once each, and "mnoho" 25 times in each.
void fill(StringPairList& store, int first) {
    for (int n = first; n < first + 50000 - 25; ++n) store.addPair("slovo" + std::to_string(n), "napoveda " + std::to_string(n));
    for (int k = 0; k < 25; ++k) store.addPair("mnoho", "vyklad " + std::to_string(first + k));
}

void legendSuggestions(benchmark::State& state) {
    StringPairList builtin, user;
    fill(builtin, 0);
    fill(user, 100000);
    const std::vector<swedish::LegendWords> shows = {
        {"nic", "nikde"},            // no clue
        {"slovo777", "slovo100777"}, // one clue each
        {"mnoho", "mnoho"},          // 50 clues each
    };
    std::vector<double> first, perShow;
    std::size_t found = 0;
    for (auto _ : state) {
        ClueIndex builtinIndex(builtin);
        ClueIndex userIndex(user);
        auto start = Clock::now();
        found += swedish::legendSuggestions(shows[0], builtinIndex, userIndex).across.size();
        first.push_back(millisecondsSince(start));
        for (const swedish::LegendWords& words : shows) {
            start = Clock::now();
            const swedish::LegendSuggestions clues = swedish::legendSuggestions(words, builtinIndex, userIndex);
            perShow.push_back(millisecondsSince(start));
            found += clues.across.size() + clues.down.size();
        }
    }
    benchmark::DoNotOptimize(found);
    state.counters["first_show_with_index_ms"] = median(first);
    state.counters["show_median_ms"] = median(perShow);
    state.counters["show_max_ms"] = *std::max_element(perShow.begin(), perShow.end());
    state.counters["pairs"] = static_cast<double>(builtin.size() + user.size());
}

BENCHMARK(legendSuggestions)->Iterations(11)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
