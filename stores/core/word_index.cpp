#include "stores/core/word_index.h"

#include "platform/core/czech.h"

#include <map>
#include <memory>
#include <utility>

bool SlotPattern::matches(std::string_view wordUnits) const {
    if (impossible || wordUnits.size() != units.size()) return false;
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i] && static_cast<unsigned char>(wordUnits[i]) != *units[i]) return false;
    return true;
}

std::string letterUnits(std::string_view word, bool chAsOneLetter) {
    return chAsOneLetter ? joinDigraphs(word, chPlaceholder) : std::string(word);
}

WordIndex::WordIndex(const StringPairList& words, bool chAsOneLetter)
    : words_(words), chAsOne_(chAsOneLetter), generation_(words.generation()) {}

void WordIndex::takeInNewWords() {
    if (words_.generation() != generation_) {
        // The store was filled anew: start again.
        groups_.clear();
        taken_ = 0;
        ended_ = false;
        generation_ = words_.generation();
    }
    std::string units;
    while (!ended_ && taken_ < words_.size()) {
        const std::string& word = words_.keyAt(taken_);
        if (word.empty()) {
            ended_ = true;  // a walk ends here; so does the index
            break;
        }
        const auto place = static_cast<std::uint32_t>(taken_++);
        if (word.find(chPlaceholder) != std::string::npos) continue;
        if (chAsOne_) joinDigraphs(word, chPlaceholder, units);
        const std::string_view unitsOfWord = chAsOne_ ? std::string_view(units) : std::string_view(word);
        if (groups_.size() <= unitsOfWord.size()) groups_.resize(unitsOfWord.size() + 1);
        Group& group = groups_[unitsOfWord.size()];
        group.units.append(unitsOfWord);
        group.places.push_back(place);
    }
}

void WordIndex::find(const SlotPattern& pattern, const std::function<void(const std::string&)>& hit) {
    takeInNewWords();
    const std::size_t length = pattern.length();
    if (pattern.impossible || length == 0 || length >= groups_.size()) return;
    const Group& group = groups_[length];

    // The fixed cells: where and which letter unit.
    std::vector<std::pair<std::size_t, char>> fixed;
    for (std::size_t i = 0; i < length; ++i)
        if (pattern.units[i]) fixed.emplace_back(i, static_cast<char>(*pattern.units[i]));

    const char* units = group.units.data();
    for (const std::uint32_t place : group.places) {
        bool fits = true;
        for (const auto& [at, letter] : fixed)
            if (units[at] != letter) {
                fits = false;
                break;
            }
        if (fits) hit(words_.keyAt(place));
        units += length;
    }
}

std::size_t WordIndex::memoryBytes() const {
    std::size_t bytes = sizeof *this + groups_.capacity() * sizeof(Group);
    for (const Group& group : groups_)
        bytes += group.units.capacity() + group.places.capacity() * sizeof(std::uint32_t);
    return bytes;
}

std::vector<std::string> findCandidates(const SlotPattern& pattern, const CandidateStores& stores) {
    std::vector<std::string> found;
    const auto add = [&found](const std::string& word) { found.push_back(word); };
    for (WordIndex* index : {stores.dictionary, stores.user, stores.builtin})
        if (index) index->find(pattern, add);
    return found;
}

namespace {

std::map<std::pair<const StringPairList*, bool>, std::unique_ptr<WordIndex>>& sharedIndexes() {
    static std::map<std::pair<const StringPairList*, bool>, std::unique_ptr<WordIndex>> indexes;
    return indexes;
}

}  // namespace

WordIndex& sharedWordIndex(const StringPairList& words, bool chAsOneLetter) {
    std::unique_ptr<WordIndex>& index = sharedIndexes()[{&words, chAsOneLetter}];
    if (!index) index = std::make_unique<WordIndex>(words, chAsOneLetter);
    return *index;
}

void resetSharedWordIndexes() { sharedIndexes().clear(); }
