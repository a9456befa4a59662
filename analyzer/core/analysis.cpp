#include "analyzer/core/analysis.h"

#include "frame/core/documents.h"
#include "platform/core/czech.h"

#include <algorithm>
#include <climits>

namespace analyzer {

namespace {

unsigned char upperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

}  // namespace

// Not joinDigraphs (platform/core/czech.h), on purpose: a listed word, in any
// case, is upper-cased and compared with the cells of a finished puzzle as they
// stand, where the letter is an upper-case "CH". So "ch" in any case joins
// inside a word, only "CH" counts as a whole cell, and the letter is kChLetter,
// which no byte of a word or cell can equal (a placeholder byte could).
std::vector<Letter> convertWord(std::string_view word, bool chAsOneLetter) {
    std::vector<Letter> letters;
    letters.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        if (chAsOneLetter && i + 1 < word.size() && upperAscii(c) == 'C' &&
            upperAscii(static_cast<unsigned char>(word[i + 1])) == 'H') {
            letters.push_back(kChLetter);
            ++i;
        } else {
            letters.push_back(czechUpperChar(c));
        }
    }
    return letters;
}

Letter convertCell(std::string_view text, bool chAsOneLetter) {
    if (text.size() == 1) return static_cast<unsigned char>(text[0]);
    if (chAsOneLetter && text == "CH") return kChLetter;
    return kNoLetter;
}

std::vector<std::pair<int, int>> occurrenceCells(const Occurrence& occurrence) {
    const DirectionStep& step = directionStep(occurrence.direction);
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < occurrence.letters; ++i)
        cells.emplace_back(occurrence.column + i * step.columnStep, occurrence.row + i * step.rowStep);
    return cells;
}

std::string formatEntry(const Occurrence& occurrence) {
    std::string text = occurrence.word;
    text += "  ";
    text += std::to_string(occurrence.column);
    text += ',';
    text += std::to_string(occurrence.row);
    text += " : ";
    text += directionStep(occurrence.direction).name;
    return text;
}

void EntryList::add(Occurrence occurrence) {
    ++total;
    if (entries.size() < kMaxListEntries) entries.push_back(std::move(occurrence));
}

std::string normalizeSolutionPhrase(std::string_view phrase) {
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!phrase.empty() && isSpace(phrase.front())) phrase.remove_prefix(1);
    while (!phrase.empty() && isSpace(phrase.back())) phrase.remove_suffix(1);
    std::string text;
    for (const char c : phrase)
        if (c != ' ') text += c;
    return czechUpperCase(text);
}

void sortAsListed(std::vector<std::string>& words) { std::stable_sort(words.begin(), words.end(), CzechLess{}); }

namespace {

// The grid as letters, with an index of the cells where each letter stands and
// of the cells where each pair of letters begins in each direction. Both keep
// the reading order, so occurrences come out start cell by start cell, and at
// one start cell direction by direction.
class LetterGrid {
public:
    LetterGrid(const Puzzle& puzzle, bool chAsOneLetter) : width_(puzzle.width), height_(puzzle.height) {
        const std::size_t count = puzzle.cells.size();
        letters_.resize(count);
        for (std::size_t i = 0; i < count; ++i) letters_[i] = convertCell(puzzle.cells[i], chAsOneLetter);

        ids_.fill(-1);
        for (const Letter l : letters_)
            if (l != kNoLetter && ids_[static_cast<std::size_t>(l)] < 0) ids_[static_cast<std::size_t>(l)] = kinds_++;

        // Cells of each letter.
        singleStart_.assign(static_cast<std::size_t>(kinds_) + 1, 0);
        for (const Letter l : letters_)
            if (l != kNoLetter) ++singleStart_[static_cast<std::size_t>(ids_[static_cast<std::size_t>(l)]) + 1];
        for (int k = 0; k < kinds_; ++k) singleStart_[k + 1] += singleStart_[k];
        singleCells_.resize(static_cast<std::size_t>(singleStart_.back()));
        std::vector<int> fill(singleStart_.begin(), singleStart_.end() - 1);
        for (std::size_t i = 0; i < count; ++i)
            if (letters_[i] != kNoLetter) singleCells_[static_cast<std::size_t>(fill[idAt(i)]++)] = static_cast<int>(i);

        // Cells where a pair of letters begins, per direction.
        const std::size_t buckets = static_cast<std::size_t>(kinds_) * static_cast<std::size_t>(kinds_) * 8;
        pairStart_.assign(buckets + 1, 0);
        forEachPair([&](std::size_t key, int) { ++pairStart_[key + 1]; });
        for (std::size_t k = 0; k < buckets; ++k) pairStart_[k + 1] += pairStart_[k];
        pairCells_.resize(static_cast<std::size_t>(pairStart_.back()));
        std::vector<int> pairFill(pairStart_.begin(), pairStart_.end() - 1);
        forEachPair([&](std::size_t key, int cell) { pairCells_[static_cast<std::size_t>(pairFill[key]++)] = cell; });
    }

    int width() const { return width_; }

    // Calls visit(startCell, direction) for every occurrence of `word`, in order,
    // until visit answers false. Answers false when `cancel` was seen set.
    template <class Visit>
    bool forEachOccurrence(const std::vector<Letter>& word, const std::atomic<bool>& cancel, Visit&& visit) const {
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
    void forEachPair(F&& f) const {
        for (int row = 0; row < height_; ++row)
            for (int column = 0; column < width_; ++column) {
                const std::size_t cell = static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                                         static_cast<std::size_t>(column);
                if (letters_[cell] == kNoLetter) continue;
                for (int d = 0; d < 8; ++d) {
                    const int c = column + kDirections[static_cast<std::size_t>(d)].columnStep;
                    const int r = row + kDirections[static_cast<std::size_t>(d)].rowStep;
                    if (c < 0 || c >= width_ || r < 0 || r >= height_) continue;
                    const std::size_t neighbour =
                        static_cast<std::size_t>(r) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(c);
                    if (letters_[neighbour] == kNoLetter) continue;
                    f(pairKey(idAt(cell), idAt(neighbour), d), static_cast<int>(cell));
                }
            }
    }

    // The first two letters are known to match; checks the rest.
    bool matchesFrom(const std::vector<Letter>& word, int cell, int d, int length) const {
        if (length == 2) return true;
        const DirectionStep& s = kDirections[static_cast<std::size_t>(d)];
        const int column = cell % width_ + s.columnStep * (length - 1);
        const int row = cell / width_ + s.rowStep * (length - 1);
        if (column < 0 || column >= width_ || row < 0 || row >= height_) return false;
        const int stride = s.columnStep + s.rowStep * width_;
        for (int i = 2; i < length; ++i)
            if (letters_[static_cast<std::size_t>(cell + i * stride)] != word[static_cast<std::size_t>(i)]) return false;
        return true;
    }

    int width_;
    int height_;
    std::vector<Letter> letters_;
    std::array<int, kChLetter + 1> ids_{};  // letter -> dense id, -1 when not in the grid
    int kinds_ = 0;
    std::vector<int> singleStart_, singleCells_;
    std::vector<int> pairStart_, pairCells_;
};

// How many occurrences the first pass keeps for the later ones (8 bytes each).
constexpr std::size_t kKeptOccurrences = std::size_t{1} << 21;

Occurrence makeOccurrence(const std::string& word, const LetterGrid& grid, int cell, Direction d, int letters) {
    return Occurrence{word, cell % grid.width() + 1, cell / grid.width() + 1, d, letters};
}

}  // namespace

std::optional<AnalysisResult> runAnalysis(const Puzzle& puzzle, const AnalysisOptions& options, RandomSource& random,
                                          const std::atomic<bool>& cancel, std::atomic<int>* progress) {
    AnalysisResult result;
    if (progress) progress->store(0);
    if (!puzzle.isComplete()) return result;

    const LetterGrid grid(puzzle, options.chAsOneLetter);
    const int n = static_cast<int>(puzzle.words.size());
    std::vector<std::vector<Letter>> converted;
    converted.reserve(puzzle.words.size());
    for (const std::string& word : puzzle.words) converted.push_back(convertWord(word, options.chAsOneLetter));

    auto stop = [&] { return cancel.load(std::memory_order_relaxed); };
    auto report = [&](int value) {
        if (progress) progress->store(value, std::memory_order_relaxed);
    };

    // Every pass visits the same occurrences, so the first pass keeps them for
    // the others, within a bound; the words beyond it are searched again.
    struct Hit {
        int cell;
        Direction direction;
    };
    std::vector<std::vector<Hit>> hits(static_cast<std::size_t>(n));
    std::vector<bool> kept(static_cast<std::size_t>(n), false);
    std::size_t budget = kKeptOccurrences;
    auto forEachOccurrence = [&](int i, auto&& visit) {
        if (!kept[static_cast<std::size_t>(i)])
            return grid.forEachOccurrence(converted[static_cast<std::size_t>(i)], cancel, visit);
        std::size_t count = 0;
        for (const Hit& hit : hits[static_cast<std::size_t>(i)]) {
            if ((++count & 0xFFFF) == 0 && stop()) return false;
            if (!visit(hit.cell, hit.direction)) break;
        }
        return true;
    };

    // Pass 1: where each word first lies.
    for (int i = 0; i < n; ++i) {
        if (stop()) return std::nullopt;
        const std::string& word = puzzle.words[static_cast<std::size_t>(i)];
        const auto& letters = converted[static_cast<std::size_t>(i)];
        std::vector<Hit>& all = hits[static_cast<std::size_t>(i)];
        bool overflow = false;
        const bool completed = grid.forEachOccurrence(letters, cancel, [&](int cell, Direction d) {
            if (all.size() >= budget && !all.empty()) {  // the first one is always kept
                overflow = true;
                return false;
            }
            all.push_back({cell, d});
            return true;
        });
        if (!completed) return std::nullopt;
        if (all.empty()) {
            result.notFound.push_back(word);
        } else {
            result.found.push_back(
                makeOccurrence(word, grid, all[0].cell, all[0].direction, static_cast<int>(letters.size())));
        }
        if (overflow) {
            all = std::vector<Hit>();
        } else {
            kept[static_cast<std::size_t>(i)] = true;
            budget -= std::min(budget, all.size());
        }
        report(i + 1);
    }

    // Pass 2: every further occurrence.
    for (int i = 0; i < n; ++i) {
        if (stop()) return std::nullopt;
        const std::string& word = puzzle.words[static_cast<std::size_t>(i)];
        const int length = static_cast<int>(converted[static_cast<std::size_t>(i)].size());
        bool first = true;
        const bool completed = forEachOccurrence(i, [&](int cell, Direction d) {
            if (!first) result.duplicates.add(makeOccurrence(word, grid, cell, d, length));
            first = false;
            return true;
        });
        if (!completed) return std::nullopt;
        report(n + i + 1);
    }

    // Passes 3 to 5: strike every occurrence; one whose cells were all struck
    // already is an extra word.
    std::vector<std::uint8_t> marks(puzzle.cells.size());
    auto strike = [&](int i, EntryList& extras) {
        const std::string& word = puzzle.words[static_cast<std::size_t>(i)];
        const int length = static_cast<int>(converted[static_cast<std::size_t>(i)].size());
        return forEachOccurrence(i, [&](int cell, Direction d) {
            const int stride = grid.step(d);
            bool fresh = false;
            for (int k = 0; k < length && !fresh; ++k) fresh = marks[static_cast<std::size_t>(cell + k * stride)] == 0;
            if (fresh) {
                for (int k = 0; k < length; ++k) marks[static_cast<std::size_t>(cell + k * stride)] = 1;
            } else {
                extras.add(makeOccurrence(word, grid, cell, d, length));
            }
            return true;
        });
    };

    for (int i = 0; i < n; ++i) {
        if (stop() || !strike(i, result.forwardExtras)) return std::nullopt;
        report(2 * n + i + 1);
    }

    std::fill(marks.begin(), marks.end(), 0);
    for (int i = n - 1; i >= 0; --i) {
        if (stop() || !strike(i, result.backwardExtras)) return std::nullopt;
        report(3 * n + (n - i));
    }

    // The pool of the random order is the sorted word list.
    std::fill(marks.begin(), marks.end(), 0);
    std::vector<int> pool(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) pool[static_cast<std::size_t>(i)] = i;
    std::stable_sort(pool.begin(), pool.end(), [&](int a, int b) {
        return czechCompare(puzzle.words[static_cast<std::size_t>(a)], puzzle.words[static_cast<std::size_t>(b)]) < 0;
    });
    for (int struck = 1; struck <= n; ++struck) {
        if (stop()) return std::nullopt;
        const auto k = std::min(static_cast<std::size_t>(std::max(random.random(static_cast<int>(pool.size())), 0)),
                                pool.size() - 1);
        if (!strike(pool[k], result.randomExtras)) return std::nullopt;
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(k));
        report(4 * n + struck);
    }

    // The letters left over, in reading order.
    for (std::size_t i = 0; i < puzzle.cells.size(); ++i)
        if (marks[i] == 0 && puzzle.cells[i] != hiddenCellText) result.remainingLetters += puzzle.cells[i];
    result.phraseMatches = result.remainingLetters == normalizeSolutionPhrase(puzzle.solutionPhrase);
    return result;
}

}  // namespace analyzer
