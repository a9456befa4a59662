#include "document/core/slot_engine.h"

#include "platform/core/czech.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The cell text of one letter unit.
std::string unitText(unsigned char unit, bool chAsOneLetter) {
    if (chAsOneLetter && unit == static_cast<unsigned char>(chPlaceholder)) return "ch";
    return std::string(1, static_cast<char>(unit));
}

}  // namespace

SlotEngine::SlotEngine(CellGrid& grid, LetterUseTable& letterUse, SlotRules rules)
    : grid_(grid), letterUse_(letterUse), rules_(rules) {}

bool SlotEngine::usable(int col, int row) const {
    if (col < 1 || row < 1 || col > grid_.currentCols() || row > grid_.currentRows()) return false;
    if (!grid_.hasCell(col, row) || grid_.isHidden(col, row)) return false;
    return !(rules_.blackCellsBlock && grid_.cellShapes()[col][row]->brush == colors::black);
}

std::uint8_t& SlotEngine::use(Direction direction, int col, int row) {
    return letterUse_[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)][direction];
}

void SlotEngine::setBar(Direction direction, int col, int row, bool visible) {
    if (direction == Direction::across) grid_.setRightBarVisible(col, row, visible);
    else grid_.setBottomBarVisible(col, row, visible);
}

// ---- selection --------------------------------------------------------------

void SlotEngine::firstClick(CellPos cell) {
    if (selection_.firstCell.col != 0) clearSelection();
    selection_.firstCell = cell;
    selection_.waitingForSecondClick = true;
    selection_.selectionCurrent = false;
}

bool SlotEngine::secondClick(CellPos cell) {
    selection_.secondCell = cell;
    selection_.waitingForSecondClick = false;
    return checkSelection();
}

bool SlotEngine::usableRun(CellPos from, CellPos to) const {
    const int dc = to.col > from.col ? 1 : to.col < from.col ? -1 : 0;
    const int dr = to.row > from.row ? 1 : to.row < from.row ? -1 : 0;
    for (CellPos cell = from;; cell = {cell.col + dc, cell.row + dr}) {
        if (!usable(cell.col, cell.row)) return false;
        if (cell == to) return true;
    }
}

void SlotEngine::highlight(int col, int row) {
    grid_.setBrush(col, row, highlighted(grid_.cellShapes()[col][row]->brush));
    highlighted_.push_back({col, row});
}

bool SlotEngine::checkSelection() {
    Selection& s = selection_;
    const CellPos first = s.firstCell;
    const CellPos second = s.secondCell;
    const bool sameCell = first == second;
    if (sameCell || (first.col != second.col && first.row != second.row)) {
        s.selectionValid = false;  // one cell keeps the direction it had
    } else {
        s.selectionValid = true;
        s.selectionDirection = first.col == second.col ? Direction::down : Direction::across;
        if (!usableRun(first, second)) s.selectionValid = false;
    }

    if (sameCell && usable(first.col, first.row)) {
        s.slotLength = 1;
        highlight(first.col, first.row);
        s.singleCellSelection = true;
        s.selectionCurrent = true;
        return true;
    }
    s.singleCellSelection = false;
    if (!s.selectionValid) {
        s.selectionCurrent = false;  // the slot length stays that of the selection before
        return false;
    }
    const bool across = s.selectionDirection == Direction::across;
    s.slotLength = std::abs(across ? second.col - first.col : second.row - first.row) + 1;
    for (int i = 0; i < s.slotLength; ++i) {
        const CellPos cell = slotCell(i);
        highlight(cell.col, cell.row);
    }
    s.selectionCurrent = true;
    return true;
}

void SlotEngine::clearSelection() {
    GridCells::Batch batch(grid_);
    for (const CellPos& cell : highlighted_) {
        if (!grid_.hasCell(cell.col, cell.row)) continue;
        const Color brush = grid_.cellShapes()[cell.col][cell.row]->brush;
        if (unhighlighted(brush) != brush) grid_.setBrush(cell.col, cell.row, unhighlighted(brush));
    }
    highlighted_.clear();
}

void SlotEngine::dropSelection() {
    clearSelection();
    const Direction direction = selection_.selectionDirection;
    selection_ = Selection{};
    selection_.selectionDirection = direction;
}

// ---- the slot ---------------------------------------------------------------

CellPos SlotEngine::slotStart() const {
    const Selection& s = selection_;
    if (s.singleCellSelection) return s.firstCell;
    if (s.selectionDirection == Direction::across)
        return {std::min(s.firstCell.col, s.secondCell.col), s.firstCell.row};
    return {s.firstCell.col, std::min(s.firstCell.row, s.secondCell.row)};
}

CellPos SlotEngine::slotCell(int i) const {
    const CellPos start = slotStart();
    return selection_.selectionDirection == Direction::across ? CellPos{start.col + i, start.row}
                                                              : CellPos{start.col, start.row + i};
}

bool SlotEngine::slotUsable() const {
    if (!selection_.selectionCurrent || selection_.slotLength < 1) return false;
    for (int i = 0; i < selection_.slotLength; ++i) {
        const CellPos cell = slotCell(i);
        if (!usable(cell.col, cell.row)) return false;
    }
    return true;
}

SlotPattern SlotEngine::pattern(bool chAsOneLetter) const {
    SlotPattern pattern;
    if (!slotUsable()) {
        pattern.impossible = true;
        return pattern;
    }
    for (int i = 0; i < selection_.slotLength; ++i) {
        const CellPos cell = slotCell(i);
        const std::string& text = grid_.cellLabels()[cell.col][cell.row]->text;
        if (text.empty()) pattern.units.emplace_back();
        else if (chAsOneLetter && text == "ch") pattern.units.emplace_back(static_cast<unsigned char>(chPlaceholder));
        else if (text.size() == 1 && text[0] != chPlaceholder)
            pattern.units.emplace_back(static_cast<unsigned char>(text[0]));
        else {
            pattern.units.emplace_back();
            pattern.impossible = true;  // no letter unit reads like this cell
        }
    }
    return pattern;
}

bool SlotEngine::wordFitsSlot(std::string_view word, bool chAsOneLetter) const {
    // A word's own "@" would read as the placeholder of "ch".
    if (word.find(chPlaceholder) != std::string_view::npos || !slotUsable()) return false;
    const std::string units = letterUnits(word, chAsOneLetter);
    if (static_cast<int>(units.size()) != selection_.slotLength) return false;
    for (int i = 0; i < selection_.slotLength; ++i) {
        const CellPos cell = slotCell(i);
        const std::string& text = grid_.cellLabels()[cell.col][cell.row]->text;
        if (!text.empty() && text != unitText(static_cast<unsigned char>(units[static_cast<std::size_t>(i)]), chAsOneLetter))
            return false;
    }
    return true;
}

bool SlotEngine::insertWord(std::string_view word, bool chAsOneLetter) {
    if (word.empty() || word.find(chPlaceholder) != std::string_view::npos || !slotUsable())
        return false;
    const std::string units = letterUnits(word, chAsOneLetter);
    if (static_cast<int>(units.size()) != selection_.slotLength) return false;
    const Direction direction = selection_.selectionDirection;
    {
        GridCells::Batch batch(grid_);
        for (int i = 0; i < selection_.slotLength; ++i) {
            const CellPos cell = slotCell(i);
            grid_.setText(cell.col, cell.row, unitText(static_cast<unsigned char>(units[static_cast<std::size_t>(i)]), chAsOneLetter));
            std::uint8_t& byte = use(direction, cell.col, cell.row);
            if (byte == letteruse::unused) byte = letteruse::placed;
        }
    }
    showWordEnds(direction);
    return true;
}

void SlotEngine::showWordEnds(Direction direction) {
    if (!rules_.endBars || !selection_.selectionCurrent) return;
    const CellPos start = slotStart();
    const int length = selection_.slotLength;
    const CellPos last = direction == Direction::across ? CellPos{start.col + length - 1, start.row}
                                                        : CellPos{start.col, start.row + length - 1};
    setBar(direction, last.col, last.row, true);
    if (direction == Direction::across && start.col > 1) setBar(direction, start.col - 1, start.row, true);
    if (direction == Direction::down && start.row > 1) setBar(direction, start.col, start.row - 1, true);
}

bool SlotEngine::deleteWord() {
    if (!selection_.selectionCurrent) return false;
    const Selection& s = selection_;
    const Direction direction = s.selectionDirection;
    const bool across = direction == Direction::across;
    // Along the word: its first and last place (inside the grid) and the line it stands in.
    const CellPos end = s.singleCellSelection ? s.firstCell : s.secondCell;
    const int lastPlace = across ? grid_.currentCols() : grid_.currentRows();
    const int first = across ? s.firstCell.col : s.firstCell.row;
    const int other = across ? end.col : end.row;
    const int from = std::min(first, other);
    const int to = std::min(lastPlace, std::max(first, other));
    const int line = across ? s.firstCell.row : s.firstCell.col;
    const auto at = [across, line](int place) { return across ? CellPos{place, line} : CellPos{line, place}; };

    GridCells::Batch batch(grid_);
    for (int place = from; place <= to; ++place) {
        const CellPos cell = at(place);
        if (rules_.endBars) {
            // The bar before the word stays when a word of this direction ends there.
            if (place == from && from > 1) {
                const CellPos before = at(from - 1);
                if (use(direction, before.col, before.row) == letteruse::unused)
                    setBar(direction, before.col, before.row, false);
            }
            // The bar after the word stays when the next cell belongs to another
            // word of this direction; at the grid's edge it goes.
            if (place == to && to < lastPlace) {
                const CellPos after = at(to + 1);
                if (use(direction, after.col, after.row) == letteruse::unused) setBar(direction, cell.col, cell.row, false);
            } else {
                setBar(direction, cell.col, cell.row, false);
            }
        }
        std::uint8_t& byte = use(direction, cell.col, cell.row);
        if (byte == letteruse::placed) {
            byte = letteruse::unused;
            if (use(crossing(direction), cell.col, cell.row) == letteruse::unused)
                grid_.setText(cell.col, cell.row, {});
        }
    }
    return true;
}
