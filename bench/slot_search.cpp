// Finding the words that fit a slot of a crossword, on the shipped data:
// "cestina.slv" as the dictionary words, "kriz.dat" as the built-in words,
// every store (choice 0). Slots of 3, 6, 9 and 12 letter units with 0 to 3
// letters fixed, taken from real words; "ch" as one letter, the 6-unit slots
// also without.
//
// The anchor is the plainest structure that answers the same: per length in
// letter units one contiguous array of the words' units, scanned cell by cell
// through SlotPattern::matches. Prints per case the median time of a query
// through the stores' indexes and through the anchor, their ratio and the
// hits; and per store and "ch" setting the time and memory either takes to
// build.

#include "bench/bench_support.h"
#include "platform/core/czech.h"
#include "stores/core/word_index.h"
#include "stores/core/word_stores.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace bench;

// The anchor: one store's letter units by length, contiguous, in store order.
class FlatScan {
public:
    FlatScan(const StringPairList& words, bool chAsOne) : words_(words) {
        for (std::size_t place = 0; place < words.size() && !words.keyAt(place).empty(); ++place) {
            const std::string& word = words.keyAt(place);
            if (word.find(chPlaceholder) != std::string::npos) continue;
            const std::string units = letterUnits(word, chAsOne);
            if (groups_.size() <= units.size()) groups_.resize(units.size() + 1);
            groups_[units.size()].units += units;
            groups_[units.size()].places.push_back(static_cast<std::uint32_t>(place));
        }
    }
    void find(const SlotPattern& pattern, std::vector<std::string>& found) const {
        const std::size_t length = pattern.length();
        if (length == 0 || length >= groups_.size()) return;
        const Group& group = groups_[length];
        for (std::size_t k = 0; k < group.places.size(); ++k)
            if (pattern.matches(std::string_view(group.units).substr(k * length, length)))
                found.push_back(words_.keyAt(group.places[k]));
    }
    std::size_t memoryBytes() const {
        std::size_t bytes = groups_.capacity() * sizeof(Group);
        for (const Group& group : groups_) bytes += group.units.capacity() + group.places.capacity() * 4;
        return bytes;
    }

private:
    struct Group {
        std::string units;
        std::vector<std::uint32_t> places;
    };
    const StringPairList& words_;
    std::vector<Group> groups_;
};

// `count` patterns of `length` units with `fixed` letters taken from real
// words of that length, spread over the dictionary.
std::vector<SlotPattern> patterns(int length, int fixed, bool chAsOne, int count) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < dictionaryWords.size() && !dictionaryWords.keyAt(i).empty(); ++i) {
        const std::string& word = dictionaryWords.keyAt(i);
        if (word.find(chPlaceholder) != std::string::npos) continue;
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

// Builds the index or the anchor of one store: the dictionary (0) or the
// built-in words (1), "ch" as one letter or not.
void buildIndex(benchmark::State& state) {
    if (!loadShippedCrosswordStores()) {
        state.SkipWithError("the shipped cestina.slv and kriz.dat are not built");
        return;
    }
    const StringPairList& store = state.range(0) == 0 ? dictionaryWords : builtinWords;
    const bool chAsOne = state.range(1) != 0;
    std::vector<double> indexMs, anchorMs;
    double indexMiB = 0, anchorMiB = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        WordIndex index(store, chAsOne);
        index.find(SlotPattern{{std::nullopt}}, [](const std::string&) {});  // takes the words in
        indexMs.push_back(millisecondsSince(start));
        start = Clock::now();
        const FlatScan anchor(store, chAsOne);
        anchorMs.push_back(millisecondsSince(start));
        indexMiB = static_cast<double>(index.memoryBytes()) / (1024.0 * 1024.0);
        anchorMiB = static_cast<double>(anchor.memoryBytes()) / (1024.0 * 1024.0);
    }
    state.counters["index_build_ms"] = median(indexMs);
    state.counters["anchor_build_ms"] = median(anchorMs);
    state.counters["index_MiB"] = indexMiB;
    state.counters["anchor_MiB"] = anchorMiB;
}

void findSlotWords(benchmark::State& state) {
    if (!loadShippedCrosswordStores()) {
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
    const FlatScan anchors[] = {{dictionaryWords, chAsOne}, {userWords, chAsOne}, {builtinWords, chAsOne}};

    std::vector<double> indexed, scanned;
    double hits = 0;
    for (auto _ : state) {
        for (const SlotPattern& pattern : queries) {
            auto start = Clock::now();
            const std::vector<std::string> found = findCandidates(pattern, stores);
            indexed.push_back(microsecondsSince(start));
            start = Clock::now();
            std::vector<std::string> anchorFound;
            for (const FlatScan& anchor : anchors) anchor.find(pattern, anchorFound);
            scanned.push_back(microsecondsSince(start));
            if (anchorFound != found) state.SkipWithError("the index and the anchor disagree");
            hits += static_cast<double>(found.size());
        }
    }
    const double index = median(indexed);
    const double anchor = median(scanned);
    state.counters["index_median_us"] = index;
    state.counters["anchor_median_us"] = anchor;
    state.counters["anchor_over_index"] = index > 0 ? anchor / index : 0;
    state.counters["hits_per_query"] = hits / static_cast<double>(indexed.size());
}

BENCHMARK(buildIndex)->ArgNames({"store", "ch"})->ArgsProduct({{0, 1}, {1, 0}})->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(findSlotWords)
    ->ArgNames({"units", "fixed", "ch"})
    ->ArgsProduct({{3, 6, 9, 12}, {0, 1, 2, 3}, {1}})
    ->ArgsProduct({{6}, {0, 1, 2, 3}, {0}})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
