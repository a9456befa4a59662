#include "stores/core/clue_index.h"

#include <map>
#include <memory>

void ClueIndex::takeInNewPairs() {
    if (clues_.size() < taken_) {
        // The store was emptied and filled anew.
        first_.clear();
        taken_ = 0;
        ended_ = false;
    }
    while (!ended_ && taken_ < clues_.size()) {
        const std::string& key = clues_.keyAt(taken_);
        if (key.empty()) {
            ended_ = true;
            break;
        }
        first_.try_emplace(key, taken_);
        ++taken_;
    }
}

std::optional<std::string> ClueIndex::clue(std::string_view word) {
    takeInNewPairs();
    const auto found = first_.find(std::string(word));
    if (found == first_.end()) return std::nullopt;
    return clues_.valueAt(found->second);
}

void ClueIndex::remember(const std::string& word, const std::string& clue) {
    if (word.empty() || word.find('@') != std::string::npos) return;
    takeInNewPairs();
    const auto found = first_.find(word);
    if (found != first_.end()) {
        clues_.setValueAt(found->second, clue);
        return;
    }
    if (clue.empty() || ended_) return;
    clues_.addPair(word, clue);
    takeInNewPairs();
}

namespace {

std::map<const StringPairList*, std::unique_ptr<ClueIndex>>& indexes() {
    static std::map<const StringPairList*, std::unique_ptr<ClueIndex>> all;
    return all;
}

}  // namespace

ClueIndex& clueIndex(StringPairList& clues) {
    std::unique_ptr<ClueIndex>& index = indexes()[&clues];
    if (!index) index = std::make_unique<ClueIndex>(clues);
    return *index;
}

void resetClueIndexes() { indexes().clear(); }
