#pragma once
// Finding the words of a store that fit a slot of a grid, without walking the
// whole store for every slot.
//
// A slot is a run of cells: some hold a letter already, the others are free.
// A word fits when its length in letter units equals the slot's length and
// each fixed cell holds exactly the word's letter there. With "ch" as one
// letter, each lower-case "ch" of a word is one unit (the placeholder "@",
// see joinDigraphs) and fits a cell holding "ch"; otherwise a word is taken
// character by character. Words holding "@" themselves are never offered.
//
// The index keeps the letter units of one store's words grouped by their
// length in letter units, each group one contiguous array of equal-length
// records, and scans the group of a slot's length: a plain scan of a few
// megabytes answers any slot in well under a millisecond, which per-letter
// lists cannot beat by enough to pay for their memory. It answers exactly
// what a walk of the store answers: the same words in the store's order,
// duplicates kept. Words appended to the store later are taken in at the
// next search; a store filled anew (StringPairList::generation) is read anew.

#include "stores/core/string_pair_list.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The cells of a slot in order: a letter unit where the cell holds one (the
// placeholder for a cell holding "ch"), nothing where it is free.
struct SlotPattern {
    std::vector<std::optional<unsigned char>> units;
    // A cell holding text no word can match (two letters that are not "ch"
    // as one letter): nothing fits the slot.
    bool impossible = false;

    std::size_t length() const { return units.size(); }
    // Whether the letter units of a word (its joined form) fit.
    bool matches(std::string_view wordUnits) const;
};

// A word's letter units: the word itself, or with each lower-case "ch" joined
// into the placeholder "@".
std::string letterUnits(std::string_view word, bool chAsOneLetter);

class WordIndex {
public:
    // The index of `words`, which must outlive it.
    WordIndex(const StringPairList& words, bool chAsOneLetter);
    WordIndex(const WordIndex&) = delete;
    WordIndex& operator=(const WordIndex&) = delete;

    // Calls `hit` with every word that fits, as the store holds it, in the
    // store's order; first takes in words appended since the last search.
    void find(const SlotPattern& pattern, const std::function<void(const std::string&)>& hit);

    // The bytes the index holds (for the benchmarks).
    std::size_t memoryBytes() const;

private:
    // The words of one length in letter units, in store order.
    struct Group {
        std::string units;                  // the letter units of each word, one after the other
        std::vector<std::uint32_t> places;  // where each word stands in the store
    };

    void takeInNewWords();

    const StringPairList& words_;
    bool chAsOne_;
    std::uint64_t generation_;  // of the store when its places were read
    std::size_t taken_ = 0;  // store places read so far
    bool ended_ = false;     // an empty key ended the store, as it ends a walk
    std::vector<Group> groups_;  // by length in letter units
};

// Which stores the settings let offer candidates.
enum class CandidateSource { All = 0, BuiltinOnly = 1, UserOnly = 2 };

// The stores a search takes words from, in this order.
struct CandidateStores {
    WordIndex* dictionary = nullptr;  // the dictionary words
    WordIndex* user = nullptr;        // the user's words
    WordIndex* builtin = nullptr;     // the built-in crossword words
};

// Every word of the given stores that fits, store after store; a word in two
// stores comes twice.
std::vector<std::string> findCandidates(const SlotPattern& pattern, const CandidateStores& stores);

// The index of the frame's dictionary words or built-in words for one "ch"
// setting, built at its first use and shared by every window. These stores
// do not change after start-up, so every window's copy of them reads alike.
WordIndex& sharedWordIndex(const StringPairList& words, bool chAsOneLetter);
// Forgets every shared index (when the stores are read anew, and in tests).
void resetSharedWordIndexes();
