#include "stores/core/clue_index.h"

#include <map>
#include <memory>

void ClueIndex::takeInNewPairs() {
    if (clues_.generation() != generation_) {
        // The store was filled anew: start again.
        places_.clear();
        next_.clear();
        taken_ = 0;
        ended_ = false;
        generation_ = clues_.generation();
    }
    while (!ended_ && taken_ < clues_.size()) {
        const std::string& key = clues_.keyAt(taken_);
        if (key.empty()) {
            ended_ = true;
            break;
        }
        next_.push_back(noPlace);
        const auto [found, added] = places_.try_emplace(key, Places{taken_, taken_});
        if (!added) {
            next_[found->second.last] = taken_;
            found->second.last = taken_;
        }
        ++taken_;
    }
}

std::optional<std::string> ClueIndex::clue(std::string_view word) {
    takeInNewPairs();
    const auto found = places_.find(std::string(word));
    if (found == places_.end()) return std::nullopt;
    return clues_.valueAt(found->second.first);
}

std::vector<std::string> ClueIndex::clues(std::string_view word) {
    takeInNewPairs();
    std::vector<std::string> found;
    const auto entry = places_.find(std::string(word));
    if (entry == places_.end()) return found;
    for (std::size_t place = entry->second.first; place != noPlace; place = next_[place])
        found.push_back(clues_.valueAt(place));
    return found;
}

void ClueIndex::remember(const std::string& word, const std::string& clue) {
    if (word.empty() || word.find('@') != std::string::npos) return;
    takeInNewPairs();
    const auto found = places_.find(word);
    if (found != places_.end()) {
        clues_.setValueAt(found->second.first, clue);
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
