#pragma once
// Looking up the clues of a word in a clue store without walking it.
//
// A clue store (word;clue pairs, see word_stores.h) may hold a word more than
// once. A walk that looks for a word stops at its first pair, so that pair
// is the one `clue` answers and the one `remember` overwrites; `clues` gives
// every pair of the word, in the order a walk of the whole store meets them.
// Pairs appended to the store later are taken in at the next look-up, and a
// store filled anew (StringPairList::generation) is read anew; an empty key
// ends the store for the index as it ends a walk. Clues are read from the
// store at each look-up, so a clue changed in place is seen at once.

#include "stores/core/string_pair_list.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ClueIndex {
public:
    explicit ClueIndex(StringPairList& clues) : clues_(clues), generation_(clues.generation()) {}
    ClueIndex(const ClueIndex&) = delete;
    ClueIndex& operator=(const ClueIndex&) = delete;

    // The clue of the word's first pair; nothing when the store does not hold the word.
    std::optional<std::string> clue(std::string_view word);
    // The clues of every pair of the word, in walk order; none for a word the
    // store does not hold (an empty word among them).
    std::vector<std::string> clues(std::string_view word);
    // Sets the clue of the word's first pair (also to an empty clue), or
    // appends a pair when the store does not hold the word and the clue is
    // not empty. A word that is empty or holds "@" is never stored: an empty
    // key would end every walk of the store.
    void remember(const std::string& word, const std::string& clue);

private:
    void takeInNewPairs();

    // Where a word's pairs stand: the first and the last, the others chained
    // through next_.
    struct Places {
        std::size_t first;
        std::size_t last;
    };
    static constexpr std::size_t noPlace = static_cast<std::size_t>(-1);

    StringPairList& clues_;
    std::unordered_map<std::string, Places> places_;
    std::vector<std::size_t> next_;  // per place taken: the next place of the same word, or noPlace
    std::uint64_t generation_;       // of the store when its places were taken
    std::size_t taken_ = 0;
    bool ended_ = false;
};

// The index of a clue store (builtinLegends, userLegends), made at its first
// use; resetClueIndexes forgets them all (when the stores are read anew).
ClueIndex& clueIndex(StringPairList& clues);
void resetClueIndexes();
