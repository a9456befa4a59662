// The clue memory of the crossword's legend: filling 3,200 rows (1,600 words
// each way, half of them known) from the clue stores, and remembering them,
// against a user clue store of 100,000 pairs (words of "cestina.slv", some of
// them twice) and the shipped "krizleg.dat". Prints the median time of each
// and the time to build the indexes.

#include "bench/bench_support.h"
#include "crossword/core/clue_lists.h"
#include "stores/core/clue_index.h"
#include "stores/core/word_stores.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace bench;

struct Data {
    StringPairList userClues;
    std::vector<crossword::ClueRow> rows;
    bool ready = false;
};

// The stores and the rows, made once.
Data& data() {
    static Data made = [] {
        Data d;
        resetWordStores();
        wordSearchDictionaryNames = {"cestina"};
        loadSlvDictionary(GRILPAD_PROGRAM_DIR);
        loadLegends(GRILPAD_PROGRAM_DIR);
        const std::vector<std::string>& words = wordSearchWords;
        if (words.size() < 100000 || builtinLegends.size() == 0 || builtinLegends.keyAt(0).empty()) return d;
        // 100,000 pairs; every tenth word a second time, with another clue.
        for (std::size_t i = 0; d.userClues.size() < 100000; ++i) {
            d.userClues.addPair(words[i], "napoveda " + std::to_string(i));
            if (i % 10 == 0) d.userClues.addPair(words[i], "druha " + std::to_string(i));
        }
        // 3,200 rows: every other one a word the user store knows.
        for (int k = 0; k < 3200; ++k) {
            const std::size_t i = static_cast<std::size_t>(k) * 29;
            const std::string word = k % 2 == 0 ? words[i] : "nezname" + std::to_string(k);
            d.rows.push_back({word, "", k / 40 + 1, k % 40 + 1});
        }
        d.ready = true;
        return d;
    }();
    return made;
}

void clueMemory(benchmark::State& state) {
    Data& d = data();
    if (!d.ready) {
        state.SkipWithError("the shipped cestina.slv and krizleg.dat are not built");
        return;
    }
    std::vector<double> build, fill, remember;
    for (auto _ : state) {
        StringPairList user = d.userClues;
        std::vector<crossword::ClueRow> rows = d.rows;
        auto start = Clock::now();
        ClueIndex builtinIndex(builtinLegends);
        ClueIndex userIndex(user);
        builtinIndex.clue("");  // the indexes take the stores in
        userIndex.clue("");
        build.push_back(millisecondsSince(start));

        start = Clock::now();
        crossword::fillLegendsFromMemory(rows, builtinIndex, userIndex);
        fill.push_back(millisecondsSince(start));

        for (std::size_t k = 0; k < rows.size(); k += 3) rows[k].clue = "nova " + std::to_string(k);
        start = Clock::now();
        crossword::rememberLegends(rows, userIndex);
        remember.push_back(millisecondsSince(start));
        benchmark::DoNotOptimize(user.size());
    }
    state.counters["index_build_ms"] = median(build);
    state.counters["fill_median_ms"] = median(fill);
    state.counters["remember_median_ms"] = median(remember);
    state.counters["user_pairs"] = static_cast<double>(d.userClues.size());
}

BENCHMARK(clueMemory)->Iterations(11)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
