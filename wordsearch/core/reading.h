#pragma once
// How a finished word search is read: the letters of a listed word and of a
// grid cell, the eight directions, and the search for every place a word lies.
// grilpad's generator and the analyzer both read through this, so a word
// "found" means the same in the program that makes a puzzle and in the one
// that checks it.
//
// Letters: a word is upper-cased (a to z and the Czech letters); a grid cell is
// compared as it stands, its whole text against one letter, so a lower-case
// grid matches nothing. With "ch as one letter" the two-letter CH is one letter:
// "ch" in any case inside a word, and "CH" (upper case only) inside a cell.
// Texts are Windows-1250 bytes.

#include <array>
#include <atomic>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace reading {

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
// The fewest cells `word` takes in any puzzle: its letters as convertWord
// gives them with "ch" as one letter.
std::size_t fewestCells(std::string_view word);
// The same into `out`, which is cleared first, so a caller can reuse one buffer.
void convertWord(std::string_view word, bool chAsOneLetter, std::vector<Letter>& out);
Letter convertCell(std::string_view text, bool chAsOneLetter);
// What a cell that shows `text` while a puzzle is made reads once the finished
// puzzle is upper-cased.
Letter convertShownCell(std::string_view text, bool chAsOneLetter);

// The grid as letters (rows outer, columns inner), with an index of the cells
// where each letter stands and of the cells where each pair of letters begins
// in each direction. Both keep the reading order, so occurrences come out start
// cell by start cell, and at one start cell direction by direction.
class LetterGrid {
public:
    LetterGrid(int width, int height, std::vector<Letter> letters);

    int width() const { return width_; }

    // Calls visit(startCell, direction) for every occurrence of `word`, in order,
    // until visit answers false. Answers false when `cancel` was seen set.
    // A word of one letter lies in all eight directions at each of its cells.
    template <class Visit>
    bool forEachOccurrence(const std::vector<Letter>& word, const std::atomic<bool>& cancel, Visit&& visit) const;

    // The same with nothing to cancel it.
    template <class Visit>
    void forEachOccurrence(const std::vector<Letter>& word, Visit&& visit) const {
        static const std::atomic<bool> never{false};
        forEachOccurrence(word, never, visit);
    }

    int step(Direction d) const {
        const DirectionStep& s = directionStep(d);
        return s.columnStep + s.rowStep * width_;
    }

private:
    int idOf(Letter l) const { return l < 0 || l > kChLetter ? -1 : ids_[static_cast<std::size_t>(l)]; }
    int idAt(std::size_t cell) const { return ids_[static_cast<std::size_t>(letters_[cell])]; }
    std::size_t pairKey(int a, int b, int d) const {
        return (static_cast<std::size_t>(a) * static_cast<std::size_t>(kinds_) + static_cast<std::size_t>(b)) * 8 +
               static_cast<std::size_t>(d);
    }
    template <class F>
    void forEachPair(F&& f) const;
    // The first two letters are known to match; checks the rest.
    bool matchesFrom(const std::vector<Letter>& word, int cell, int d, int length) const;

    int width_;
    int height_;
    std::vector<Letter> letters_;
    std::array<int, kChLetter + 1> ids_{};  // letter -> dense id, -1 when not in the grid
    int kinds_ = 0;
    std::vector<int> singleStart_, singleCells_;
    std::vector<int> pairStart_, pairCells_;
};

template <class Visit>
bool LetterGrid::forEachOccurrence(const std::vector<Letter>& word, const std::atomic<bool>& cancel,
                                   Visit&& visit) const {
    if (word.empty()) return true;
    const int first = idOf(word[0]);
    if (first < 0) return true;
    long long work = 0;
    auto cancelled = [&] { return (++work & 0xFFFF) == 0 && cancel.load(std::memory_order_relaxed); };

    if (word.size() == 1) {
        for (int s = singleStart_[first]; s < singleStart_[first + 1]; ++s)
            for (int d = 0; d < 8; ++d) {
                if (cancelled()) return false;
                if (!visit(singleCells_[static_cast<std::size_t>(s)], static_cast<Direction>(d))) return true;
            }
        return true;
    }

    const int second = idOf(word[1]);
    if (second < 0) return true;
    const int length = static_cast<int>(word.size());
    std::array<const int*, 8> next{};
    std::array<const int*, 8> end{};
    for (int d = 0; d < 8; ++d) {
        const std::size_t key = pairKey(first, second, d);
        next[d] = pairCells_.data() + pairStart_[key];
        end[d] = pairCells_.data() + pairStart_[key + 1];
    }
    for (;;) {
        // The smallest start cell among the eight directions; on a tie the
        // direction that comes first.
        int direction = -1;
        int cell = INT_MAX;
        for (int d = 0; d < 8; ++d)
            if (next[d] != end[d] && *next[d] < cell) {
                cell = *next[d];
                direction = d;
            }
        if (direction < 0) return true;
        ++next[direction];
        if (cancelled()) return false;
        if (matchesFrom(word, cell, direction, length) && !visit(cell, static_cast<Direction>(direction)))
            return true;
    }
}

}  // namespace reading
