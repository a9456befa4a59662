// Loading the word stores: the shipped dictionary into the word-search list, the
// whole start-up load of the shipped data, and a generated word file of one
// million lines into a store. Prints times and the peak memory of the process.

#include "bench/bench_support.h"
#include "platform/core/textfile.h"
#include "stores/core/word_stores.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace bench;

namespace fs = std::filesystem;

std::size_t walkLength(const StringPairList& list) {
    std::size_t n = 0;
    list.forEachPair([&n](const StringPairList::Node&) { ++n; });
    return n;
}

// A folder holding "slovausr.slv" of one million generated words of 3 to 12 letters.
class MillionWordFolder {
public:
    MillionWordFolder() {
        std::string pattern = (fs::temp_directory_path() / "grilpad-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
        const char letters[] = "abcdeghijklmnoprstuvyz\xE1\xE8\xE9\xEC\xED\xF8\x9A\x9E";
        LineWriter out;
        unsigned state = 12345;
        std::string word;
        for (int i = 0; i < 1'000'000; ++i) {
            state = state * 1103515245u + 12345u;
            word.assign(3 + (state >> 16) % 10, 'a');
            for (char& c : word) {
                state = state * 1103515245u + 12345u;
                c = letters[(state >> 16) % (sizeof letters - 1)];
            }
            out.line(word);
        }
        if (!out.commit(path_ / "slovausr.slv")) std::abort();
    }
    ~MillionWordFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

const fs::path shipped = GRILPAD_PROGRAM_DIR;

void ShippedDictionaryIntoWordSearchWords(benchmark::State& state) {
    resetWordStores();
    wordSearchDictionaryNames = {"cestina"};
    for (auto _ : state) {
        loadSlvDictionary(shipped);
        benchmark::DoNotOptimize(wordSearchWords.data());
    }
    if (wordSearchWords.empty()) state.SkipWithError("no cestina.slv in the program folder; build shipped_data");
    state.counters["words"] = static_cast<double>(wordSearchWords.size());
    state.counters["peak_MiB"] = peakMemoryMiB();
}

void StartUpLoadOfTheShippedData(benchmark::State& state) {
    for (auto _ : state) {
        resetWordStores();
        loadOsmDictionarySelection(shipped);
        loadDictionaryList(shipped);
        loadCrosswordWords(shipped);
        loadSlvDictionary(shipped);
    }
    state.counters["builtin"] = static_cast<double>(walkLength(builtinWords));
    state.counters["dictionary"] = static_cast<double>(walkLength(dictionaryWords));
    state.counters["word_search"] = static_cast<double>(wordSearchWords.size());
    state.counters["peak_MiB"] = peakMemoryMiB();
}

void MillionLineWordFileIntoAStore(benchmark::State& state) {
    static const MillionWordFolder folder;
    resetWordStores();
    for (auto _ : state) {
        loadCrosswordWords(folder.path());
        benchmark::DoNotOptimize(&userWords);
    }
    state.counters["words"] = static_cast<double>(walkLength(userWords));
    state.counters["peak_MiB"] = peakMemoryMiB();
}

}  // namespace

BENCHMARK(ShippedDictionaryIntoWordSearchWords)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(StartUpLoadOfTheShippedData)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(MillionLineWordFileIntoAStore)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("peak memory of the whole run: %.1f MiB\n", peakMemoryMiB());
    return 0;
}
