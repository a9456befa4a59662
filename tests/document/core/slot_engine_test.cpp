#include "document/core/slot_engine.h"
#include "tests/document/core/shown_bars.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr Direction across = Direction::across;
constexpr Direction down = Direction::down;

// A grid of `cols` × `rows` cells with word-end bars, as a crossword has,
// with its letter-use table and an engine on it.
struct Puzzle {
    explicit Puzzle(int cols = 6, int rows = 4, SlotRules rules = {}) : engine(grid, letterUse, rules) {
        CellGrid::Kind kind;
        kind.edgeBars = rules.endBars;
        grid.setKind(std::move(kind));
        grid.resizeGrid(cols, rows, 20);
    }
    bool select(CellPos first, CellPos second) {
        engine.firstClick(first);
        return engine.secondClick(second);
    }
    std::string text(int col, int row) const { return grid.cellText(col, row); }
    std::string row(int r) const {
        std::string line;
        for (int c = 1; c <= grid.currentCols(); ++c) line += text(c, r).empty() ? "." : text(c, r);
        return line;
    }
    bool rightBar(int col, int row) const { return grid.rightBars()[col][row]->visible; }
    bool bottomBar(int col, int row) const { return grid.bottomBars()[col][row]->visible; }
    std::vector<std::string> bars() const { return shownBars(grid); }

    CellGrid grid;
    LetterUseTable letterUse{};
    SlotEngine engine;
};

// The fixture of the selection tests: 6 × 4, cell (4, 2) hidden, (2, 3) red.
struct ShapedPuzzle : Puzzle {
    ShapedPuzzle() {
        grid.setHidden(4, 2, true);
        grid.setBrush(2, 3, colors::red);
    }
};

TEST(SlotEngine, TwoClicksSelectARowOrColumnOfUsableCellsOrOneCell) {
    struct Case {
        const char* what;
        CellPos first, second;
        bool accepted;
        int length;
        bool valid;
        std::optional<Direction> direction;  // after the selection; one cell keeps the direction before
        bool single;
    };
    const Case cases[] = {
        {"a row, right to left", {5, 1}, {2, 1}, true, 4, true, across, false},
        {"a column", {2, 4}, {2, 1}, true, 4, true, down, false},
        {"a row through a hidden cell", {1, 2}, {6, 2}, false, 0, false, {}, false},
        {"a column through a hidden cell", {4, 1}, {4, 3}, false, 0, false, {}, false},
        {"a diagonal", {1, 1}, {3, 3}, false, 0, false, {}, false},
        {"the same cell", {3, 3}, {3, 3}, true, 1, false, across, true},
        {"the same hidden cell", {4, 2}, {4, 2}, false, 0, false, across, false},
    };
    for (const Case& c : cases) {
        ShapedPuzzle p;
        // A selection before, so that a rejected one shows what it keeps.
        ASSERT_TRUE(p.select({1, 4}, {3, 4}));
        const bool accepted = p.select(c.first, c.second);
        const SlotEngine::Selection& s = p.engine.selection();
        EXPECT_EQ(accepted, c.accepted) << c.what;
        EXPECT_EQ(s.selectionCurrent, c.accepted) << c.what;
        EXPECT_EQ(s.selectionValid, c.valid) << c.what;
        EXPECT_EQ(s.singleCellSelection, c.single) << c.what;
        if (c.accepted) {
            EXPECT_EQ(s.slotLength, c.length) << c.what;
        } else {
            EXPECT_EQ(s.slotLength, 3) << c.what << ": a rejected selection keeps the length";
        }
        if (c.direction) {
            EXPECT_EQ(s.selectionDirection, *c.direction) << c.what;
        }
    }
}

TEST(SlotEngine, TheSelectionIsHighlightedUntilTheNextFirstClick) {
    ShapedPuzzle p;
    ASSERT_TRUE(p.select({2, 1}, {2, 4}));
    EXPECT_EQ(p.grid.cellShapes()[2][1]->brush, colors::gray);
    EXPECT_EQ(p.grid.cellShapes()[2][3]->brush, colors::silver) << "a red cell shows silver";
    EXPECT_EQ(p.grid.cellShapes()[3][1]->brush, colors::white);

    p.engine.firstClick({5, 1});
    EXPECT_EQ(p.grid.cellShapes()[2][1]->brush, colors::white);
    EXPECT_EQ(p.grid.cellShapes()[2][3]->brush, colors::red);
    EXPECT_FALSE(p.engine.selection().selectionCurrent) << "a first click ends the selection";

    // A change of the grid drops the selection and its highlight.
    ASSERT_TRUE(p.engine.secondClick({5, 4}));
    p.engine.dropSelection();
    EXPECT_EQ(p.grid.cellShapes()[5][3]->brush, colors::white);
    EXPECT_EQ(p.engine.selection().firstCell.col, 0);
    EXPECT_FALSE(p.engine.selection().selectionCurrent);
}

TEST(SlotEngine, AWordFitsWhenItsLetterUnitsMatchTheSlotExactly) {
    struct Case {
        const char* word;
        bool chAsOne;
        std::vector<std::string> cells;  // the slot's cell texts before
        bool fits;
    };
    const Case cases[] = {
        {"chata", true, {"", "", "", ""}, true},    // "ch" is one cell
        {"chata", false, {"", "", "", ""}, false},  // five cells wanted
        {"chata", true, {"ch", "", "t", ""}, true},
        {"chata", true, {"c", "", "", ""}, false},  // a "c" is no "ch"
        {"kachna", true, {"", "", "ch", "", ""}, true},
        {"kolos", true, {"", "", "ch", "", ""}, false},   // a "ch" cell takes only "ch"
        {"Pata", true, {"p", "", "", ""}, false},         // exact case
        {"pata", true, {"p", "", "", ""}, true},
        {"pe@a", true, {"", "", "", ""}, false},          // "@" is no letter
    };
    for (const Case& c : cases) {
        Puzzle p(6, 2);
        ASSERT_TRUE(p.select({1, 1}, {static_cast<int>(c.cells.size()), 1}));
        for (std::size_t i = 0; i < c.cells.size(); ++i) p.grid.setText(static_cast<int>(i) + 1, 1, c.cells[i]);
        EXPECT_EQ(p.engine.wordFitsSlot(c.word, c.chAsOne), c.fits) << c.word << " ch " << c.chAsOne;
        if (c.fits) {
            EXPECT_TRUE(p.engine.pattern(c.chAsOne).matches(letterUnits(c.word, c.chAsOne))) << c.word;
        }
    }
}

TEST(SlotEngine, AnInsertedWordHasItsLettersUsesAndEndBars) {
    Puzzle p(6, 3);
    // From column 1: only the bar after the last letter.
    ASSERT_TRUE(p.select({1, 2}, {4, 2}));
    ASSERT_TRUE(p.engine.insertWord("chata", true));
    EXPECT_EQ(p.row(2), "chata..");
    EXPECT_TRUE(p.rightBar(4, 2));
    for (int c = 1; c <= 3; ++c) EXPECT_FALSE(p.rightBar(c, 2)) << c;
    EXPECT_EQ(p.letterUse[2][2], (LetterUse{letteruse::placed, letteruse::unused}));

    // Down through a letter of the word across and a secret-phrase cell: the
    // bar before the word and after it; a byte already set stays.
    p.letterUse[2][3] = {letteruse::secretPhrase, letteruse::secretPhrase};
    ASSERT_TRUE(p.select({2, 2}, {2, 3}));
    ASSERT_TRUE(p.engine.insertWord("ar", true));
    EXPECT_TRUE(p.bottomBar(2, 1)) << "the bar before the word";
    EXPECT_TRUE(p.bottomBar(2, 3)) << "the bar after the word";
    EXPECT_EQ(p.letterUse[2][2], (LetterUse{letteruse::placed, letteruse::placed}));
    EXPECT_EQ(p.letterUse[2][3], (LetterUse{letteruse::secretPhrase, letteruse::secretPhrase}));

    // Nothing is written without a current selection, or into a slot of another length.
    p.engine.firstClick({5, 1});
    EXPECT_FALSE(p.engine.insertWord("x", true));
    ASSERT_TRUE(p.engine.secondClick({6, 1}));
    EXPECT_FALSE(p.engine.insertWord("xyz", true));
    EXPECT_EQ(p.row(1), "......");

    // The bars a word shows, wherever it stands: after it, and before it
    // unless it starts at the grid's first column or row.
    struct Case {
        const char* what;
        CellPos first, second;
        std::vector<std::string> bars;
    };
    const Case cases[] = {
        {"across from column 1", {1, 2}, {3, 2}, {"R3.2"}},
        {"across from column 2", {2, 2}, {4, 2}, {"R1.2", "R4.2"}},
        {"across to the last column", {6, 3}, {4, 3}, {"R3.3", "R6.3"}},
        {"down from row 1", {3, 1}, {3, 3}, {"B3.3"}},
        {"down from row 2", {5, 2}, {5, 4}, {"B5.1", "B5.4"}},
    };
    for (const Case& c : cases) {
        Puzzle fresh(6, 4);
        ASSERT_TRUE(fresh.select(c.first, c.second)) << c.what;
        ASSERT_TRUE(fresh.engine.insertWord("pes", false)) << c.what;
        EXPECT_EQ(fresh.bars(), c.bars) << c.what;
    }
}

TEST(SlotEngine, DeletingAWordKeepsWhatOtherWordsAndTheSecretPhraseNeed) {
    Puzzle p(10, 3);
    // "kolo" in columns 3-6 of row 2, "les" right after it (7-9), "ok" down
    // through column 4, and a secret letter in column 5.
    ASSERT_TRUE(p.select({3, 2}, {6, 2}));
    ASSERT_TRUE(p.engine.insertWord("kolo", false));
    ASSERT_TRUE(p.select({7, 2}, {9, 2}));
    ASSERT_TRUE(p.engine.insertWord("les", false));
    ASSERT_TRUE(p.select({4, 2}, {4, 3}));
    ASSERT_TRUE(p.engine.insertWord("ok", false));
    p.letterUse[5][2] = {letteruse::secretPhrase, letteruse::secretPhrase};
    ASSERT_TRUE(p.rightBar(2, 2));
    ASSERT_TRUE(p.rightBar(6, 2));

    ASSERT_TRUE(p.select({6, 2}, {3, 2}));
    ASSERT_TRUE(p.engine.deleteWord());
    EXPECT_EQ(p.row(2), "...ol.les.") << "the crossing letter and the secret letter stay";
    EXPECT_FALSE(p.rightBar(2, 2)) << "the bar before the word";
    EXPECT_TRUE(p.rightBar(6, 2)) << "the next word starts there";
    EXPECT_EQ(p.letterUse[4][2], (LetterUse{letteruse::unused, letteruse::placed}));
    EXPECT_EQ(p.letterUse[5][2], (LetterUse{letteruse::secretPhrase, letteruse::secretPhrase}));

    // A word that ends at the grid's last column loses its bar there.
    ASSERT_TRUE(p.select({8, 3}, {10, 3}));
    ASSERT_TRUE(p.engine.insertWord("pes", false));
    ASSERT_TRUE(p.rightBar(10, 3));
    ASSERT_TRUE(p.select({8, 3}, {10, 3}));
    ASSERT_TRUE(p.engine.deleteWord());
    EXPECT_FALSE(p.rightBar(10, 3));
    EXPECT_FALSE(p.rightBar(7, 3));
    EXPECT_EQ(p.row(3), "...k......");

    // A word ending just before the deleted one keeps the bar that ends it.
    ASSERT_TRUE(p.select({1, 1}, {3, 1}));
    ASSERT_TRUE(p.engine.insertWord("ano", false));
    ASSERT_TRUE(p.select({4, 1}, {6, 1}));
    ASSERT_TRUE(p.engine.insertWord("pes", false));
    ASSERT_TRUE(p.select({4, 1}, {6, 1}));
    ASSERT_TRUE(p.engine.deleteWord());
    EXPECT_EQ(p.row(1), "ano.......");
    EXPECT_TRUE(p.rightBar(3, 1)) << "the end of the word before";
    EXPECT_FALSE(p.rightBar(6, 1));

    // Without a current selection nothing goes.
    p.engine.firstClick({7, 2});
    EXPECT_FALSE(p.engine.deleteWord());
    EXPECT_EQ(p.row(2), "...ol.les.");
}

TEST(SlotEngine, WithSwedishRulesABlackCellEndsASlotAndWordsHaveNoBars) {
    const SlotRules swedish{.blackCellsBlock = true, .endBars = false};
    Puzzle p(6, 2, swedish);
    p.grid.setBrush(3, 1, colors::black);  // a clue cell
    EXPECT_FALSE(p.select({1, 1}, {5, 1})) << "a black cell breaks the run";
    EXPECT_FALSE(p.select({3, 1}, {3, 1})) << "a black cell is no slot";
    ASSERT_TRUE(p.select({4, 1}, {6, 1}));
    ASSERT_TRUE(p.engine.insertWord("pes", false));
    EXPECT_EQ(p.row(1), "...pes");
    EXPECT_EQ(p.letterUse[5][1], (LetterUse{letteruse::placed, letteruse::unused}));
    ASSERT_TRUE(p.engine.deleteWord());
    EXPECT_EQ(p.row(1), "......");
    EXPECT_EQ(p.letterUse[5][1], LetterUse{});
}

}  // namespace
