// Showing the candidates of a slot: 10,000 words sorted into the candidate
// list of a crossword window, in one batch (offscreen).

#include "stores/ui/sorted_words.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> hits(int count) {
    const char letters[] = "abcdeghijklmnoprstuvyz\xE1\xE8\xE9\xEC\xED\xF8\x9A\x9E";
    std::vector<std::string> words;
    unsigned state = 4711;
    for (int i = 0; i < count; ++i) {
        std::string word(6, 'a');
        for (char& c : word) {
            state = state * 1103515245u + 12345u;
            c = letters[(state >> 16) % (sizeof letters - 1)];
        }
        words.push_back(word);
    }
    return words;
}

void fillCandidateList(benchmark::State& state) {
    QListWidget list;
    list.resize(200, 400);
    list.show();
    const std::vector<std::string> words = hits(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        showSortedWordsWithDuplicates(&list, words);
        QApplication::processEvents();  // the one repaint
    }
    state.counters["items"] = list.count();
}

BENCHMARK(fillCandidateList)->Arg(10000)->Iterations(11)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
