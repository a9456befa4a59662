// The Swedish crossword's file at its largest: 40 × 40 cells, every one with
// ten clue lines of 100 characters (57,602 lines). Prints the median time to
// parse it and to write its lines into memory; both should stay well under
// 100 ms, so that opening and saving never keep the window waiting.

#include "swedish/core/skr_file.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <variant>
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

swedish::SkrDocument fullDocument() {
    swedish::SkrDocument document = swedish::SkrDocument::blank(40, 40);
    int n = 0;
    for (swedish::SkrCell& cell : document.cells) {
        cell.colour = ++n % 4 == 0 ? swedish::kSkrBlack : swedish::kSkrWhite;
        if (cell.colour != swedish::kSkrBlack) cell.text.assign(1, 'a');
        for (int line = 1; line <= swedish::kLegendLineCount; ++line)
            cell.legend.setLine(line, std::string(100, static_cast<char>('a' + line)), -1000 * line, 6 + line);
        cell.legend.setCount(swedish::kLegendLineCount);
        cell.useAcross = 1;
    }
    return document;
}

std::string bytesOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void skrFile(benchmark::State& state) {
    const swedish::SkrDocument document = fullDocument();
    const std::string file = bytesOf(swedish::skrLines(document));
    std::vector<double> parse, write;
    for (auto _ : state) {
        auto start = Clock::now();
        const ReadResult<swedish::SkrDocument> read = swedish::parseSkr(file);
        parse.push_back(millisecondsSince(start));
        if (!std::holds_alternative<swedish::SkrDocument>(read)) {
            state.SkipWithError("the file does not read");
            return;
        }
        start = Clock::now();
        const std::string written = bytesOf(swedish::skrLines(std::get<swedish::SkrDocument>(read)));
        write.push_back(millisecondsSince(start));
        benchmark::DoNotOptimize(written.size());
    }
    state.counters["lines"] = static_cast<double>(swedish::skrLineCount(40, 40));
    state.counters["bytes"] = static_cast<double>(file.size());
    state.counters["parse_median_ms"] = median(parse);
    state.counters["write_median_ms"] = median(write);
}

BENCHMARK(skrFile)->Iterations(11)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
