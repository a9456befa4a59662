#pragma once
// The check of a word-search puzzle.
//
// Every listed word is searched in eight directions. The check records where
// each word first lies, which words are missing, every further occurrence
// (duplicates), and, in three striking orders (list order, reverse order and a
// random order), every occurrence whose cells were all struck already (extra
// words). Finally the letters left unstruck are compared with the secret phrase.
//
// Letters: a word is upper-cased (a to z and the Czech letters); a grid cell is
// compared as it stands, its whole text against one letter, so a lower-case
// grid matches nothing. With "ch as one letter" the two-letter CH is one letter:
// "ch" in any case inside a word, and "CH" (upper case only) inside a cell.

#include "analyzer/core/puzzle.h"
#include "platform/core/random.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace analyzer {

// A letter of a converted word or grid cell: a byte value 0..255, or kChLetter
// for the letter CH. kChLetter lies outside the byte range, so it can never be
// confused with a character of a word or cell.
using Letter = int;
inline constexpr Letter kChLetter = 256;
inline constexpr Letter kNoLetter = -1;  // a cell that matches no letter (empty or several letters)

// The directions, in the order every search tries them at a start cell.
enum class Direction : std::uint8_t { Right, Left, Down, Up, DownRight, UpLeft, DownLeft, UpRight };

struct DirectionStep {
    Direction direction;
    std::string_view name;  // Windows-1250
    int columnStep;
    int rowStep;
};

// Rows grow downwards; the diagonal names give the corners a word runs from and
// to (1 top left, 2 top right, 3 bottom right, 4 bottom left).
inline constexpr std::array<DirectionStep, 8> kDirections{{
    {Direction::Right, "vpravo", +1, 0},
    {Direction::Left, "vlevo", -1, 0},
    {Direction::Down, "dol\xF9", 0, +1},
    {Direction::Up, "nahoru", 0, -1},
    {Direction::DownRight, "1-3", +1, +1},
    {Direction::UpLeft, "3-1", -1, -1},
    {Direction::DownLeft, "2-4", -1, +1},
    {Direction::UpRight, "4-2", +1, -1},
}};

inline const DirectionStep& directionStep(Direction d) { return kDirections[static_cast<std::size_t>(d)]; }

std::vector<Letter> convertWord(std::string_view word, bool chAsOneLetter);
Letter convertCell(std::string_view text, bool chAsOneLetter);

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
