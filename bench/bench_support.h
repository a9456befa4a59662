#pragma once
// What the benchmark programs share: a clock, the median of measured times,
// the peak memory of the process, and the shipped crossword stores.

#include "stores/core/word_stores.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double microsecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The middle value; 0 for none.
inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// The process's peak resident memory so far, in MiB.
inline double peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

// The crossword stores as the shipped data fills them (the dictionary
// "cestina" and the built-in words), once per program; false when the
// program folder lacks them.
inline bool loadShippedCrosswordStores() {
    static const bool loaded = [] {
        resetWordStores();
        crosswordDictionaryNames = {"cestina"};
        loadCrosswordWords(GRILPAD_PROGRAM_DIR);
        return dictionaryWords.size() > 0 && !dictionaryWords.keyAt(0).empty() && builtinWords.size() > 0 &&
               !builtinWords.keyAt(0).empty();
    }();
    return loaded;
}

}  // namespace bench
