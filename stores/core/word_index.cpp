#include "stores/core/word_index.h"

#include "platform/core/czech.h"

#include <map>
#include <utility>

namespace {

constexpr char kPlaceholder = '@';

}  // namespace

bool SlotPattern::matches(std::string_view wordUnits) const {
    if (impossible || wordUnits.size() != units.size()) return false;
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i] && static_cast<unsigned char>(wordUnits[i]) != *units[i]) return false;
    return true;
}

std::string letterUnits(std::string_view word, bool chAsOneLetter) {
    return chAsOneLetter ? joinDigraphs(word, kPlaceholder) : std::string(word);
}

WordIndex::WordIndex(const StringPairList& words, bool chAsOneLetter) : words_(words), chAsOne_(chAsOneLetter) {}

void WordIndex::takeInNewWords() {
    if (words_.size() < taken_) {
        // The store was emptied and filled anew: start again.
        buckets_.clear();
        taken_ = 0;
        ended_ = false;
    }
    while (!ended_ && taken_ < words_.size()) {
        const std::string& word = words_.keyAt(taken_);
        if (word.empty()) {
            ended_ = true;  // a walk ends here; so does the index
            break;
        }
        const auto place = static_cast<std::uint32_t>(taken_++);
        if (word.find(kPlaceholder) != std::string::npos) continue;
        std::string units = letterUnits(word, chAsOne_);
        const std::size_t length = units.size();
        if (buckets_.size() <= length) buckets_.resize(length + 1);
        if (!buckets_[length]) {
            buckets_[length] = std::make_unique<Bucket>();
            buckets_[length]->byLetter.resize(length);
        }
        Bucket& bucket = *buckets_[length];
        const auto number = static_cast<std::uint32_t>(bucket.places.size());
        for (std::size_t i = 0; i < length; ++i)
            bucket.byLetter[i][static_cast<unsigned char>(units[i])].push_back(number);
        bucket.places.push_back(place);
        bucket.units.push_back(std::move(units));
    }
}

void WordIndex::find(const SlotPattern& pattern, const std::function<void(const std::string&)>& hit) {
    takeInNewWords();
    const std::size_t length = pattern.length();
    if (pattern.impossible || length == 0 || length >= buckets_.size() || !buckets_[length]) return;
    const Bucket& bucket = *buckets_[length];

    // The fixed cell with the fewest words is where the search starts.
    const std::vector<std::uint32_t>* fewest = nullptr;
    for (std::size_t i = 0; i < length; ++i) {
        if (!pattern.units[i]) continue;
        const std::vector<std::uint32_t>& having = bucket.byLetter[i][*pattern.units[i]];
        if (!fewest || having.size() < fewest->size()) fewest = &having;
    }
    if (!fewest) {
        for (const std::uint32_t place : bucket.places) hit(words_.keyAt(place));
        return;
    }
    for (const std::uint32_t number : *fewest)
        if (pattern.matches(bucket.units[number])) hit(words_.keyAt(bucket.places[number]));
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
