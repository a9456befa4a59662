#pragma once
// Filling a grid word by word, as the crossword and the Swedish crossword do:
// two clicks select a straight run of cells (a slot), a word that fits is
// written into it, and a word is deleted again without destroying letters that
// crossing words or the secret phrase still need.
//
// The engine works on a window's cell grid and its letter-use table. What
// differs between the kinds is a rule set: which cells a slot may use, and
// whether a word shows bars over the cell edges after its end and before its
// start.
//
// Selection. The first click remembers a cell; the second click checks the
// run between the two: same row or column, every cell usable. A run of two
// or more cells is a word slot; both clicks on one usable cell select that
// cell alone (its direction is asked when a word goes in). The run is shown
// highlighted (white cells grey, red cells silver) until the next first click.
// A selection is current from a successful check until the next first click, a
// rejected check or a change of the grid (dropSelection); only a current
// selection takes or loses a word.
//
// Letter units. With "ch" as one letter every lower-case "ch" of a word is
// one unit and takes one cell, which then holds "ch" (see letterUnits).

#include "document/core/cell_grid.h"
#include "document/core/direction.h"
#include "document/core/letter_use.h"
#include "stores/core/word_index.h"

#include <string>
#include <string_view>
#include <vector>

// A selected run shows highlighted: its white cells grey and its red cells
// silver. unhighlighted() gives any cell's colour as it is without that.
inline Color highlighted(Color brush) { return brush == colors::red ? colors::silver : colors::gray; }
inline Color unhighlighted(Color brush) {
    return brush == colors::gray ? colors::white : brush == colors::silver ? colors::red : brush;
}

struct SlotRules {
    bool blackCellsBlock = false;  // a black cell (a clue cell) ends a slot
    bool endBars = true;           // words show end bars; deleting a word hides them
};

struct CellPos {
    int col = 0;
    int row = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

class SlotEngine {
public:
    struct Selection {
        CellPos firstCell;   // column 0: nothing selected yet
        CellPos secondCell;
        int slotLength = 0;
        bool waitingForSecondClick = false;
        bool selectionValid = false;      // a run of two or more usable cells
        Direction selectionDirection = Direction::down;
        bool singleCellSelection = false;
        bool selectionCurrent = false;    // the cells of the last successful check, still the same grid
    };

    SlotEngine(CellGrid& grid, LetterUseTable& letterUse, SlotRules rules);

    const Selection& selection() const { return selection_; }
    // The direction of a single selected cell, as the user chose it.
    void setDirection(Direction direction) { selection_.selectionDirection = direction; }

    // Whether a slot may use the cell: it exists, is not hidden and, by the
    // rules, not black.
    bool usable(int col, int row) const;

    // The first click: the previous highlight goes and `cell` starts a new selection.
    void firstClick(CellPos cell);
    // The second click: checks and highlights the selection; false when it is rejected.
    bool secondClick(CellPos cell);
    // Checks the two cells and highlights the run; see the top of this file.
    bool checkSelection();
    // Shows the highlighted cells in their own colours again.
    void clearSelection();
    // After the grid changed: no highlight, nothing selected, not waiting.
    void dropSelection();

    // The slot of the current selection: where it starts and the cell `i`
    // places further along (from 0).
    CellPos slotStart() const;
    CellPos slotCell(int i) const;
    // Whether every cell of the selected slot lies inside the grid and may be used.
    bool slotUsable() const;

    // The slot's cells as a search pattern.
    SlotPattern pattern(bool chAsOneLetter) const;
    // Whether `word` fits the selected slot: as many letter units as cells,
    // and each cell that holds a text holds exactly the word's letter there.
    bool wordFitsSlot(std::string_view word, bool chAsOneLetter) const;
    // Writes `word` into the selected slot: its letters, the letter use of the
    // direction (a free byte becomes "placed"), and the end bars. Letters
    // there are overwritten; the caller tests the fit. False, and nothing
    // changed, when no selection is current or a slot cell is not usable.
    bool insertWord(std::string_view word, bool chAsOneLetter);
    // Deletes the selected word: each cell the word's direction placed is
    // freed, and its letter goes unless the other direction placed it; the
    // word's bars go unless a neighbouring word needs them. Letters of the
    // secret phrase stay. False, and nothing changed, when no selection is current.
    bool deleteWord();
    // The bars that close a word of `direction` on the selected cells: after
    // the last cell, and before the first unless it stands at the grid's edge.
    void showWordEnds(Direction direction);

private:
    void highlight(int col, int row);
    bool usableRun(CellPos from, CellPos to) const;
    void setBar(Direction direction, int col, int row, bool visible);
    std::uint8_t& use(Direction direction, int col, int row);

    CellGrid& grid_;
    LetterUseTable& letterUse_;
    SlotRules rules_;
    Selection selection_;
    std::vector<CellPos> highlighted_;
};
