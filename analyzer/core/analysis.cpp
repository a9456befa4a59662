#include "analyzer/core/analysis.h"

#include "document/core/document_kinds.h"
#include "document/core/phrase_letters.h"
#include "platform/core/czech.h"

#include <algorithm>

namespace analyzer {

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
    std::string text;
    for (const char c : trimmedBlanks(phrase))
        if (c != ' ') text += c;
    return czechUpperCase(text);
}

std::optional<bool> chAsOneLetterShown(const Puzzle& puzzle) {
    auto holdsCh = [](std::string_view text) {
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            if ((text[i] == 'c' || text[i] == 'C') && (text[i + 1] == 'h' || text[i + 1] == 'H')) return true;
        return false;
    };
    for (const std::string& cell : puzzle.cells)
        if (cell.size() == 2 && holdsCh(cell)) return true;
    for (const std::string& word : puzzle.words)
        if (holdsCh(word)) return false;
    return std::nullopt;
}

void sortAsListed(std::vector<std::string>& words) { std::stable_sort(words.begin(), words.end(), CzechLess{}); }

namespace {

using reading::LetterGrid;

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

    std::vector<Letter> letters;
    letters.reserve(puzzle.cells.size());
    for (const std::string& cell : puzzle.cells) letters.push_back(convertCell(cell, options.chAsOneLetter));
    const LetterGrid grid(puzzle.width, puzzle.height, std::move(letters));
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
