// From a selected slot to its candidates on screen, after the window's timer:
// an empty slot of 8 letter units ("ch" as one letter) over the shipped
// dictionary "cestina.slv" and the built-in words "kriz.dat", with the user's
// words holding the dictionary once more (a user who added it as his own:
// every word found twice), 44,638 hits. Prints the median of each part: the
// search, the Czech sort, and showing them in the candidate list of a
// crossword window with its one repaint (offscreen); and the default stores
// alone (each word once).

#include "bench/bench_support.h"
#include "document/ui/candidate_list.h"
#include "platform/core/czech.h"
#include "stores/core/word_index.h"
#include "stores/core/word_stores.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace bench;

void listCandidates(benchmark::State& state) {
    if (!loadShippedCrosswordStores()) {
        state.SkipWithError("the shipped cestina.slv is not built");
        return;
    }
    StringPairList doubled;  // the user's words: the dictionary once more
    if (state.range(0) != 0) dictionaryWords.copyTo(doubled);
    WordIndex user(doubled, true);
    const CandidateStores stores{&sharedWordIndex(dictionaryWords, true), &user, &sharedWordIndex(builtinWords, true)};
    const SlotPattern slot{std::vector<std::optional<unsigned char>>(8)};
    findCandidates(slot, stores);  // the indexes are built before timing

    CandidateList list;
    list.resize(200, 400);
    list.show();
    QApplication::processEvents();
    std::vector<double> search, sort, show, total;
    std::size_t hits = 0;
    for (auto _ : state) {
        list.clear();
        QApplication::processEvents();
        const auto start = Clock::now();
        std::vector<std::string> words = findCandidates(slot, stores);
        search.push_back(millisecondsSince(start));
        auto part = Clock::now();
        sortCzechThenBytes(words);
        sort.push_back(millisecondsSince(part));
        part = Clock::now();
        hits = words.size();
        list.showWords(std::move(words));
        QApplication::processEvents();  // the one repaint
        show.push_back(millisecondsSince(part));
        total.push_back(millisecondsSince(start));
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.counters["search_ms"] = median(search);
    state.counters["sort_ms"] = median(sort);
    state.counters["show_ms"] = median(show);
    state.counters["total_ms"] = median(total);
}

BENCHMARK(listCandidates)->ArgName("doubled")->Arg(1)->Arg(0)->Iterations(11)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
