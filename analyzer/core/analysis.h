#pragma once
// The check of a word-search puzzle.
//
// Every listed word is searched in eight directions. The check records where
// each word first lies, which words are missing, every further occurrence
// (duplicates), and, in three striking orders (list order, reverse order and a
// random order), every occurrence whose cells were all struck already (extra
// words). Finally the letters left unstruck are compared with the secret phrase.
//
// Letters, directions and the search for a word are the word-search core's
// (wordsearch/core/reading.h), so grilpad's generator reads a puzzle the same way.

#include "analyzer/core/puzzle.h"
#include "platform/core/random.h"
#include "wordsearch/core/reading.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace analyzer {

using reading::convertCell;
using reading::convertWord;
using reading::Direction;
using reading::directionStep;
using reading::DirectionStep;
using reading::kDirections;
using reading::Letter;

// One place where a word lies: the word as listed, the cell of its first letter
// (from 1) and its direction.
struct Occurrence {
    std::string word;
    int column = 0;
    int row = 0;
    Direction direction = Direction::Right;
    int letters = 0;  // length of the converted word: the number of cells it covers

    friend bool operator==(const Occurrence&, const Occurrence&) = default;
};

// The cells of an occurrence, first letter first, as (column, row).
std::vector<std::pair<int, int>> occurrenceCells(const Occurrence& occurrence);

// How an occurrence is listed: the word, two blanks, "column,row", " : " and the
// direction name.
std::string formatEntry(const Occurrence& occurrence);

// A result list keeps at most this many entries; `total` counts them all.
inline constexpr std::size_t kMaxListEntries = 6000;

struct EntryList {
    std::vector<Occurrence> entries;
    std::size_t total = 0;

    void add(Occurrence occurrence);
    std::size_t omitted() const { return total - entries.size(); }
    friend bool operator==(const EntryList&, const EntryList&) = default;
};

struct AnalysisOptions {
    bool chAsOneLetter = true;
};

struct AnalysisResult {
    std::vector<Occurrence> found;       // first occurrence of every found word, in list order
    std::vector<std::string> notFound;   // in list order
    EntryList duplicates;                // every further occurrence
    EntryList forwardExtras;             // striking in list order
    EntryList backwardExtras;            // striking in reverse order
    EntryList randomExtras;              // striking in random order
    std::string remainingLetters;        // unstruck visible cells, reading order, CH as "CH"
    bool phraseMatches = false;

    friend bool operator==(const AnalysisResult&, const AnalysisResult&) = default;
};

// How the puzzle was made, as its own cells tell: a cell holding the two
// letters CH means CH was one letter; no such cell while a listed word holds
// "ch" means it was two. Anything else tells nothing (no word with "ch").
std::optional<bool> chAsOneLetterShown(const Puzzle& puzzle);

// Trimmed, every blank removed, upper-cased: what the leftover letters must equal.
std::string normalizeSolutionPhrase(std::string_view phrase);

// The order of the words in the sorted word lists, which is also the pool the
// random striking order draws from.
void sortAsListed(std::vector<std::string>& words);

// Progress runs from 0 to this value: one step per word in each of five passes.
inline int analysisProgressMaximum(const Puzzle& puzzle) { return 5 * static_cast<int>(puzzle.words.size()); }

// The whole check. Safe to run on a worker thread while the caller keeps
// `puzzle` alive and unchanged. `cancel` is read before every word and often
// during a long search; once it is set the check ends and answers nothing.
// `progress`, when given, is set after every word. The random striking order
// draws one number per word from `random`. An incomplete puzzle is not searched:
// its result is empty and its phrase does not match.
std::optional<AnalysisResult> runAnalysis(const Puzzle& puzzle, const AnalysisOptions& options, RandomSource& random,
                                          const std::atomic<bool>& cancel, std::atomic<int>* progress = nullptr);

}  // namespace analyzer
