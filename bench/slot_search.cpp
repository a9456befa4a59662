// Finding the words that fit a slot of a crossword, on the shipped data:
// "cestina.slv" as the dictionary words, "kriz.dat" as the built-in words,
// every store (choice 0). Slots of 3, 6 and 12 letter units with 0, 1 and 3
// letters fixed, taken from real words; "ch" as one letter, the 6-unit slots
// also without. Prints per case the median time of a query through the index
// and of a plain walk of the stores in the same run, their ratio and the hits;
// and the time and memory the index takes to build.

#include "stores/core/word_index.h"
#include "stores/core/word_stores.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

bool loadShippedStores() {
    static const bool loaded = [] {
        resetWordStores();
        crosswordDictionaryNames = {"cestina"};
        loadCrosswordWords(GRILPAD_PROGRAM_DIR);
        return !dictionaryWords.firstKey().empty();
    }();
    return loaded;
}

// `count` patterns of `length` units with `fixed` letters taken from real
// words of that length, spread over the dictionary.
std::vector<SlotPattern> patterns(int length, int fixed, bool chAsOne, int count) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < dictionaryWords.size() && !dictionaryWords.keyAt(i).empty(); ++i) {
        const std::string& word = dictionaryWords.keyAt(i);
        if (word.find('@') != std::string::npos) continue;
        const std::string units = letterUnits(word, chAsOne);
        if (static_cast<int>(units.size()) == length) words.push_back(units);
    }
    std::vector<SlotPattern> result;
    if (words.empty()) return result;
    for (int k = 0; k < count; ++k) {
        const std::string& word = words[words.size() * static_cast<std::size_t>(k) / static_cast<std::size_t>(count)];
        SlotPattern pattern;
        pattern.units.resize(static_cast<std::size_t>(length));
        for (int f = 0; f < fixed; ++f) {
            const std::size_t place = static_cast<std::size_t>((f * 7 + k) % length);
            pattern.units[place] = static_cast<unsigned char>(word[place]);
        }
        result.push_back(std::move(pattern));
    }
    return result;
}

std::size_t plainWalk(const SlotPattern& pattern, bool chAsOne) {
    std::size_t hits = 0;
    for (StringPairList* store : {&dictionaryWords, &userWords, &builtinWords})
        for (const std::string* word = &store->firstKey(); !word->empty(); word = &store->nextKey())
            if (word->find('@') == std::string::npos && pattern.matches(letterUnits(*word, chAsOne))) ++hits;
    return hits;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

using Clock = std::chrono::steady_clock;
double microsecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void buildIndex(benchmark::State& state) {
    if (!loadShippedStores()) {
        state.SkipWithError("the shipped cestina.slv and kriz.dat are not built");
        return;
    }
    const double before = peakMemoryMiB();
    double milliseconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        WordIndex index(dictionaryWords, state.range(0) != 0);
        index.find(SlotPattern{{std::nullopt}}, [](const std::string&) {});  // takes the words in
        milliseconds = microsecondsSince(start) / 1000.0;
        benchmark::DoNotOptimize(&index);
    }
    state.counters["build_ms"] = milliseconds;
    state.counters["peak_MiB_growth"] = peakMemoryMiB() - before;
}

void findSlotWords(benchmark::State& state) {
    if (!loadShippedStores()) {
        state.SkipWithError("the shipped cestina.slv and kriz.dat are not built");
        return;
    }
    const int length = static_cast<int>(state.range(0));
    const int fixed = static_cast<int>(state.range(1));
    const bool chAsOne = state.range(2) != 0;
    const std::vector<SlotPattern> queries = patterns(length, fixed, chAsOne, 25);
    CandidateStores stores{&sharedWordIndex(dictionaryWords, chAsOne), &sharedWordIndex(userWords, chAsOne),
                           &sharedWordIndex(builtinWords, chAsOne)};
    findCandidates(SlotPattern{{std::nullopt}}, stores);  // the indexes are built before timing

    std::vector<double> indexed, walked;
    double hits = 0;
    for (auto _ : state) {
        for (const SlotPattern& pattern : queries) {
            auto start = Clock::now();
            const std::vector<std::string> found = findCandidates(pattern, stores);
            indexed.push_back(microsecondsSince(start));
            start = Clock::now();
            const std::size_t walkedHits = plainWalk(pattern, chAsOne);
            walked.push_back(microsecondsSince(start));
            if (walkedHits != found.size()) state.SkipWithError("the index and the walk disagree");
            hits += static_cast<double>(found.size());
        }
    }
    const double index = median(indexed);
    const double walk = median(walked);
    state.counters["index_median_us"] = index;
    state.counters["walk_median_us"] = walk;
    state.counters["walk_over_index"] = index > 0 ? walk / index : 0;
    state.counters["hits_per_query"] = hits / static_cast<double>(indexed.size());
}

BENCHMARK(buildIndex)->ArgName("ch")->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(findSlotWords)
    ->ArgNames({"units", "fixed", "ch"})
    ->ArgsProduct({{3, 6, 12}, {0, 1, 3}, {1}})
    ->ArgsProduct({{6}, {0, 1, 3}, {0}})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
