#include "crossword/core/clue_lists.h"

#include "document/core/document_kinds.h"

#include <algorithm>

namespace crossword {

namespace {

// One direction of the grid seen as lines of cells: rows across, columns down.
class Lines {
public:
    Lines(const CellGrid& grid, const LetterUseTable& letterUse, Direction direction)
        : grid_(grid), letterUse_(letterUse), direction_(direction) {}

    Direction direction() const { return direction_; }

    int count() const { return across() ? grid_.currentRows() : grid_.currentCols(); }
    int length() const { return across() ? grid_.currentCols() : grid_.currentRows(); }

    bool hidden(int line, int place) const { return grid_.isHidden(col(line, place), row(line, place)); }
    std::string text(int line, int place) const { return grid_.cellText(col(line, place), row(line, place)); }
    // The bar that ends a word of this direction in the cell.
    bool bar(int line, int place) const {
        const int c = col(line, place), r = row(line, place);
        const auto& bars = across() ? grid_.rightBars() : grid_.bottomBars();
        return bars[c][r] && bars[c][r]->visible;
    }
    bool secret(int line, int place) const {
        const LetterUse& use = letterUse_[static_cast<std::size_t>(col(line, place))][static_cast<std::size_t>(row(line, place))];
        return use[direction_] == letteruse::secretPhrase;
    }

private:
    bool across() const { return direction_ == Direction::across; }
    int col(int line, int place) const { return across() ? place : line; }
    int row(int line, int place) const { return across() ? line : place; }

    const CellGrid& grid_;
    const LetterUseTable& letterUse_;
    Direction direction_;
};

bool holdsLetter(std::string_view word) { return word.find_first_not_of(hiddenCellText) != std::string_view::npos; }

std::string withoutMarks(std::string_view word) {
    std::string kept;
    for (const char c : word)
        if (c != hiddenCellText[0]) kept += c;
    return kept;
}

// The split of every line at its bars, with the problems of its pieces in
// their order: a word through a hidden cell, a piece with an empty cell.
CrosswordWordTable split(const Lines& lines, std::vector<LegendProblem>& problems) {
    CrosswordWordTable table;
    for (int line = 1; line <= lines.count(); ++line) {
        int ordinal = 0;  // the words holding a letter, as the entries count them
        int piece = 0;    // the pieces with a cell that is not hidden, as the user counts them off the grid
        int start = 0;
        // A line whose first cell is hidden starts at its first bar.
        if (lines.hidden(line, 1)) {
            start = 0;
            for (int place = 1; place <= lines.length(); ++place)
                if (lines.bar(line, place)) {
                    start = place;
                    break;
                }
            if (start == 0) continue;  // no bar: no word in this line
        }
        for (;;) {
            int end = 0;
            for (int place = start + 1; place <= lines.length(); ++place)
                if (lines.bar(line, place)) {
                    end = place;
                    break;
                }
            if (end == 0) break;  // what follows the last bar belongs to no word

            std::string word;
            bool empty = false;
            bool throughHidden = false;
            bool shown = false;
            for (int place = start + 1; place <= end; ++place) {
                const std::string text = lines.text(line, place);
                if (lines.hidden(line, place)) {
                    throughHidden = true;
                } else {
                    shown = true;
                    if (text.empty()) empty = true;
                }
                word += text;
            }
            const bool letters = holdsLetter(word);
            if (letters) ++ordinal;
            if (shown) ++piece;
            // A piece of hidden cells alone makes an entry that the compaction removes.
            if (!word.empty()) table.push_back({word, {}, line, ordinal});
            if (throughHidden && letters)
                problems.push_back({LegendProblem::Kind::unclosed, lines.direction(), line, piece, withoutMarks(word)});
            else if (empty && !throughHidden)
                problems.push_back({LegendProblem::Kind::incomplete, lines.direction(), line, piece, {}});
            start = end;
        }
    }
    return table;
}

// Pieces of hidden cells alone go; words that run through a hidden cell stay.
void compact(CrosswordWordTable& table) {
    std::erase_if(table, [](const ClueRow& entry) { return !holdsLetter(entry.word); });
}

// A run of secret-phrase cells that is a word of its line gets the clue "tajenka".
void markSecretPhrase(const Lines& lines, CrosswordWordTable& table) {
    for (int line = 1; line <= lines.count(); ++line) {
        std::string run;
        const auto close = [&] {
            if (run.empty()) return;
            const auto found = std::find_if(table.begin(), table.end(), [&](const ClueRow& entry) {
                return entry.line == line && entry.word == run;
            });
            if (found != table.end()) found->clue = std::string(secretPhraseClue);
            run.clear();
        };
        for (int place = 1; place <= lines.length(); ++place) {
            if (lines.secret(line, place)) run += lines.text(line, place);
            else close();
        }
        close();
    }
}

}  // namespace

Legend buildLegend(const CellGrid& grid, const LetterUseTable& letterUse) {
    Legend legend;
    const Lines rows(grid, letterUse, Direction::across);
    const Lines columns(grid, letterUse, Direction::down);
    legend.across = split(rows, legend.problems);
    legend.down = split(columns, legend.problems);
    compact(legend.across);
    compact(legend.down);
    markSecretPhrase(rows, legend.across);
    markSecretPhrase(columns, legend.down);
    return legend;
}

std::vector<ClueRow> legendRows(const CrosswordWordTable& table, const std::vector<ClueRow>& before,
                                ClueIndex& builtinClues, ClueIndex& userClues) {
    std::vector<ClueRow> rows = table;
    for (ClueRow& row : rows) row.clue.clear();
    // A typed clue goes to the same word at the same place; failing that (a
    // word came or went before it in its line) to the same word of the same
    // line. Each earlier row hands its clue on once.
    std::vector<bool> handedOn(before.size(), false);
    std::vector<bool> given(rows.size(), false);
    const auto carry = [&](bool samePlace) {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (given[r]) continue;
            for (std::size_t b = 0; b < before.size(); ++b) {
                const ClueRow& old = before[b];
                if (handedOn[b] || old.word != rows[r].word || old.line != rows[r].line) continue;
                if (samePlace && old.ordinal != rows[r].ordinal) continue;
                rows[r].clue = old.clue;
                handedOn[b] = given[r] = true;
                break;
            }
        }
    };
    carry(true);
    carry(false);
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (table[r].clue == secretPhraseClue) rows[r].clue = table[r].clue;
    fillLegendsFromMemory(rows, builtinClues, userClues);
    return rows;
}

void fillLegendsFromMemory(std::vector<ClueRow>& rows, ClueIndex& builtinClues, ClueIndex& userClues) {
    for (ClueRow& row : rows) {
        if (row.clue == secretPhraseClue) continue;
        if (auto clue = builtinClues.clue(row.word)) row.clue = std::move(*clue);
        if (auto clue = userClues.clue(row.word)) row.clue = std::move(*clue);
    }
}

void rememberLegends(const std::vector<ClueRow>& rows, ClueIndex& userClues) {
    for (const ClueRow& row : rows) {
        if (row.clue == secretPhraseClue || row.word.empty() || row.word.find(hiddenCellText) != std::string::npos)
            continue;
        userClues.remember(row.word, row.clue);
    }
}

const ClueRow* firstOverlongClue(const std::vector<ClueRow>& rows) {
    const auto overlong = std::find_if(rows.begin(), rows.end(),
                                       [](const ClueRow& row) { return row.clue.size() > kMaxClueLength; });
    return overlong == rows.end() ? nullptr : &*overlong;
}

}  // namespace crossword
