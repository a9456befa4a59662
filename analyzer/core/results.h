#pragma once
// How the outcome of a check is summed up: the three lamps and the lines under
// the result lists.

#include "analyzer/core/analysis.h"

#include <string>
#include <vector>

namespace analyzer {

struct Lamps {
    bool top = false;     // something is wrong
    bool middle = false;  // the phrase matches and no word lies twice, but a word is missing or extra
    bool bottom = false;  // all is well

    friend bool operator==(const Lamps&, const Lamps&) = default;
};

// The lamps after a finished check, from the full counts of the result lists.
// A puzzle from the wizard has no phrase: there the bottom lamp means that no
// word is missing or lies twice. An incomplete puzzle lights nothing.
Lamps updateLeds(const AnalysisResult& result, bool loadedFromFile, bool puzzleComplete);

// The lines that explain the phrase comparison (Windows-1250): the phrase as
// stored, then whether the leftover letters match it, and when not, what they are.
std::vector<std::string> memoLines(const std::string& solutionPhrase, const AnalysisResult& result);

}  // namespace analyzer
