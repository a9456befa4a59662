#pragma once
// Looking up the clue of a word in a clue store without walking it: the
// first pair of each word, as a walk from the first pair finds it.
//
// A clue store (word;clue pairs, see word_stores.h) may hold a word more than
// once; a walk always stops at the word's first pair, so that pair is the
// one the index answers and the one `remember` overwrites. Pairs appended to
// the store later are taken in at the next look-up; an empty key ends the
// store for the index as it ends a walk.

#include "stores/core/string_pair_list.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class ClueIndex {
public:
    explicit ClueIndex(StringPairList& clues) : clues_(clues) {}
    ClueIndex(const ClueIndex&) = delete;
    ClueIndex& operator=(const ClueIndex&) = delete;

    // The clue of the word's first pair; nothing when the store does not hold the word.
    std::optional<std::string> clue(std::string_view word);
    // Sets the clue of the word's first pair (also to an empty clue), or
    // appends a pair when the store does not hold the word and the clue is
    // not empty. A word that is empty or holds "@" is never stored: an empty
    // key would end every walk of the store.
    void remember(const std::string& word, const std::string& clue);

private:
    void takeInNewPairs();

    StringPairList& clues_;
    std::unordered_map<std::string, std::size_t> first_;  // word -> place of its first pair
    std::size_t taken_ = 0;
    bool ended_ = false;
};

// The index of a clue store (builtinLegends, userLegends), made at its first
// use; resetClueIndexes forgets them all (when the stores are read anew).
ClueIndex& clueIndex(StringPairList& clues);
void resetClueIndexes();
