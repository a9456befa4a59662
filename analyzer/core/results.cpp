#include "analyzer/core/results.h"

namespace analyzer {

Lamps updateLeds(const AnalysisResult& result, bool loadedFromFile, bool puzzleComplete) {
    if (!puzzleComplete) return {};
    const std::size_t missing = result.notFound.size();
    const std::size_t duplicates = result.duplicates.total;
    const bool noExtras =
        result.forwardExtras.total == 0 && result.backwardExtras.total == 0 && result.randomExtras.total == 0;
    if (missing == 0 && duplicates == 0 && noExtras && result.phraseMatches) return {false, false, true};
    if (duplicates == 0 && result.phraseMatches) return {false, true, false};
    if (loadedFromFile) return {true, false, false};
    if (missing > 0 || duplicates > 0) return {true, false, false};
    return {false, false, true};
}

std::vector<std::string> memoLines(const std::string& solutionPhrase, const AnalysisResult& result) {
    std::vector<std::string> lines{"Tajenka: " + solutionPhrase};
    if (result.phraseMatches) {
        lines.emplace_back("Stav : V po\xF8\xE1" "dku");
    } else {
        lines.emplace_back("Stav : Neshoduje se");
        lines.push_back("Tajenka po vy\x9Akrt\xE1n\xED v\x9A" "ech slov: " + result.remainingLetters);
    }
    return lines;
}

}  // namespace analyzer
