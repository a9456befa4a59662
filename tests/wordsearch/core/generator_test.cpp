// The word-search generator with scripted draws: where the first word and the
// secret phrase go, the direction orders, the suitability test, the digraph,
// runs that cannot succeed, and the pool and phrase preparation.

#include "generator_fixtures.h"
#include "wordsearch/core/generator.h"
#include "wordsearch/core/word_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace {

struct Result {
    GeneratorOutcome outcome;
    std::unique_ptr<WindowModel> window;
};

// Runs the generator on `setup` with `random`; `stopAfter` names a report after
// which the test asks the run to stop (empty: never).
Result runGenerator(const GeneratorSetup& setup, RandomSource& random, GeneratorControl& control,
                    const std::string& stopAfter = "") {
    Result run{GeneratorOutcome::Stopped, std::make_unique<WindowModel>(setup)};
    run.window->afterReport = [&](const std::string& name) {
        if (name == stopAfter) control.requestStop();
    };
    control.setRandomOrder(setup.randomOrder);
    OsmGenerator generator(setup, random, *run.window, control);
    run.outcome = generator.generate();
    run.window->afterReport = nullptr;
    return run;
}

std::vector<CellText> cellsOf(const std::vector<std::tuple<int, int, const char*>>& list) {
    std::vector<CellText> out;
    for (const auto& [col, row, text] : list) out.push_back(CellText{col, row, text});
    return out;
}

}  // namespace

TEST(FirstWord, GoesWhereTheDrawsPutIt) {
    struct Case {
        const char* name;
        int cols, rows;
        std::vector<std::pair<int, int>> hidden;
        std::vector<std::string> pool;
        bool chAsOneLetter;
        std::vector<int> draws;
        std::vector<int> asked;  // n of each draw
        std::vector<CellText> cells;
        std::string listed;
    };
    // Every pool ends with a word longer than any of these grids, never drawn
    // here: without its letters the pool could never fill the grid, and the
    // run would end before its first word.
    const std::string filler(64, 'z');
    const std::vector<Case> cases = {
        // word 2 of 4 ("osel"); start column Random(6 - 4) + 1 = 2; row Random(5) + 1 = 4
        {"east", 6, 5, {}, {"kos", "lev", "osel", filler}, false, {2, 1, 3}, {4, 2, 5},
         cellsOf({{2, 4, "o"}, {3, 4, "s"}, {4, 4, "e"}, {5, 4, "l"}}), "osel"},
        // east blocked at (3,2); south from column Random(6) + 1 = 5, row e + 1 = 2
        {"south", 6, 6, {{3, 2}}, {"kos", "lev", "osel", filler}, false, {2, 1, 1, 4}, {4, 2, 6, 6},
         cellsOf({{5, 2, "o"}, {5, 3, "s"}, {5, 4, "e"}, {5, 5, "l"}}), "osel"},
        // south blocked at (5,3) too; south-east from a fresh column draw
        {"south-east", 6, 6, {{3, 2}, {5, 3}}, {"kos", "lev", "osel", filler}, false, {2, 1, 1, 4, 0},
         {4, 2, 6, 6, 6}, cellsOf({{1, 2, "o"}, {2, 3, "s"}, {3, 4, "e"}, {4, 5, "l"}}), "osel"},
        // e = 3: east (4..7, 1) hits (5,1), south (2, 4..7) hits (2,6), south-east
        // from column 6 leaves the grid; north-east from (1,4) fits
        {"north-east", 8, 8, {{5, 1}, {2, 6}}, {"kos", "lev", "osel", filler}, false, {2, 3, 0, 1, 5, 0},
         {4, 4, 8, 8, 8, 8}, cellsOf({{1, 4, "o"}, {2, 3, "s"}, {3, 2, "e"}, {4, 1, "l"}}), "osel"},
        // a word longer than the grid is drawn again at once; a word whose four
        // tries all fail is drawn again with fresh draws
        {"drawn again", 5, 5, {{2, 1}}, {"abcdefgh", "kos", filler}, false, {0, 1, 0, 0, 1, 1, 0, 1, 1, 2},
         {3, 3, 2, 5, 5, 5, 5, 3, 2, 5}, cellsOf({{2, 3, "k"}, {3, 3, "o"}, {4, 3, "s"}}), "kos"},
        // a word that reads the same backwards would lie twice: drawn again at once, like one too long
        {"palindrome drawn again", 6, 5, {}, {"kos", "oko", filler}, false, {1, 0, 0, 2}, {3, 3, 3, 5},
         cellsOf({{1, 3, "k"}, {2, 3, "o"}, {3, 3, "s"}}), "kos"},
        // with "ch" as one letter a five-letter word takes four cells, the first showing "ch"
        {"digraph on", 6, 6, {}, {"chata", filler}, true, {0, 1, 2}, {2, 2, 6},
         cellsOf({{2, 3, "ch"}, {3, 3, "a"}, {4, 3, "t"}, {5, 3, "a"}}), "chata"},
        {"digraph off", 6, 6, {}, {"chata", filler}, false, {0, 0, 2}, {2, 1, 6},
         cellsOf({{1, 3, "c"}, {2, 3, "h"}, {3, 3, "a"}, {4, 3, "t"}, {5, 3, "a"}}), "chata"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GeneratorSetup setup = gridSetup(c.cols, c.rows, c.hidden);
        setup.words = c.pool;
        setup.chAsOneLetter = c.chAsOneLetter;
        GeneratorControl control;
        ScriptedRandom random(c.draws, control);
        const Result run = runGenerator(setup, random, control, "word");
        EXPECT_FALSE(random.ranOut);
        EXPECT_EQ(random.asked, c.asked);
        ASSERT_EQ(run.window->placements.size(), 1u);
        EXPECT_EQ(run.window->placements[0].cells, c.cells);
        EXPECT_EQ(run.window->listBox, std::vector<std::string>{c.listed});
        EXPECT_EQ(run.outcome, GeneratorOutcome::Stopped);
    }
}

TEST(SecretPhrase, LettersGoToDrawnCellsAndAreGivenOutInReadingOrder) {
    GeneratorSetup setup = gridSetup(10, 10);
    // "kos" is drawn first; the long word, never drawn here, gives the pool
    // letters enough to fill the 96 cells the phrase leaves.
    setup.words = {"kos", std::string(93, 'z')};
    setup.secretPhrase = "lesy";
    GeneratorControl control;
    // First word at (1..3, 5). Phrase draws (col - 1, row - 1) from Random(9):
    // (8,3), (1,1), (2,5) which the first word holds and is drawn again as (9,9), then (4,3).
    ScriptedRandom random({0, 0, 4, 7, 2, 0, 0, 1, 4, 8, 8, 3, 2}, control);
    const Result run = runGenerator(setup, random, control, "phrase");
    EXPECT_FALSE(random.ranOut);
    EXPECT_EQ(random.asked, (std::vector<int>{2, 7, 10, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
    const auto expected = cellsOf({{1, 1, "l"}, {4, 3, "e"}, {8, 3, "s"}, {9, 9, "y"}});
    EXPECT_EQ(run.window->log[run.window->log.size() - 2], "phrase 1,1=l 4,3=e 8,3=s 9,9=y");
    for (const auto& c : expected) {
        EXPECT_TRUE(run.window->cells.at(c.col, c.row).red);
        EXPECT_EQ(run.window->cells.at(c.col, c.row).text, c.text);
    }
    EXPECT_EQ(run.window->statuses, (std::vector<std::string>{cp("Vkládám první slovo..."), cp("Vkládám tajenku..."),
                                                             cp("Vyhledávám vhodná slova...")}));
}

// The direction orders. Each case builds a grid where every direction is open
// from one anchor, draws the order, and then closes the directions one by one
// in the order found: the word must take them in exactly the table's order.
namespace {

const std::map<std::pair<int, int>, std::string> kDirectionNames = {
    {{1, 0}, "E"},  {{-1, 0}, "W"},  {{0, 1}, "S"},  {{0, -1}, "N"},
    {{1, 1}, "SE"}, {{-1, -1}, "NW"}, {{-1, 1}, "SW"}, {{1, -1}, "NE"},
};
const std::map<std::string, std::pair<int, int>> kSteps = [] {
    std::map<std::string, std::pair<int, int>> steps;
    for (const auto& [step, name] : kDirectionNames) steps[name] = step;
    return steps;
}();

std::string directionOf(const Placement& placement) {
    return kDirectionNames.at({placement.cells[1].col - placement.cells[0].col,
                               placement.cells[1].row - placement.cells[0].row});
}

// 7 x 7, everything hidden but a star around (4,4): the centre empty, then "b",
// "c" and an empty cell (hidden when the direction is closed) along each direction.
// Only the word "abcd" read outwards from the centre fits, in any open direction.
GeneratorSetup starGrid(const std::set<std::string>& closed) {
    GeneratorSetup setup = gridSetup(7, 7);
    for (int col = 1; col <= 7; ++col)
        for (int row = 1; row <= 7; ++row) setup.cells.at(col, row).text = "@";
    setup.cells.at(4, 4).text = "";
    for (const auto& [name, step] : kSteps) {
        setup.cells.at(4 + step.first, 4 + step.second).text = "b";
        setup.cells.at(4 + 2 * step.first, 4 + 2 * step.second).text = "c";
        setup.cells.at(4 + 3 * step.first, 4 + 3 * step.second).text = closed.count(name) ? "@" : "";
    }
    setup.words = {"abcd"};
    return setup;
}

// 5 x 5, empty but for "a" in the centre; closed directions hide the centre's neighbour.
GeneratorSetup crossingGrid(const std::set<std::string>& closed) {
    GeneratorSetup setup = gridSetup(5, 5);
    setup.cells.at(3, 3).text = "a";
    for (const auto& name : closed) setup.cells.at(3 + kSteps.at(name).first, 3 + kSteps.at(name).second).text = "@";
    setup.words = {"ab"};
    return setup;
}

std::vector<std::string> orderFound(const std::function<GeneratorSetup(const std::set<std::string>&)>& grid,
                                    bool preferEmptyCells, const std::vector<int>& draws) {
    std::vector<std::string> order;
    std::set<std::string> closed;
    for (int i = 0; i < 8; ++i) {
        GeneratorSetup setup = grid(closed);
        setup.firstRun = false;
        setup.preferEmptyCells = preferEmptyCells;
        setup.onFailure = OnFailure::Stop;
        GeneratorControl control;
        ScriptedRandom random(draws, control);
        const Result run = runGenerator(setup, random, control);
        EXPECT_FALSE(random.ranOut);
        if (run.window->placements.size() != 1) {
            ADD_FAILURE() << "no placement with " << closed.size() << " directions closed";
            break;
        }
        order.push_back(directionOf(run.window->placements[0]));
        closed.insert(order.back());
    }
    return order;
}

}  // namespace

TEST(DirectionOrders, EmptyCellsFirstFollowsTheDrawnOrder) {
    const std::vector<std::vector<std::string>> tableA = {
        {"SW", "NW", "NE", "SE", "W", "E", "S", "N"},
        {"SE", "NE", "SW", "NW", "E", "W", "N", "S"},
        {"NE", "SE", "NW", "SW", "N", "S", "E", "W"},
        {"NW", "SW", "SE", "NE", "S", "N", "W", "E"},
    };
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(orderFound(starGrid, true, {0, r}), tableA[r]);
    }
}

TEST(DirectionOrders, CrossingFirstFollowsTheDrawnOrderAtTheCrossedLetter) {
    const std::vector<std::vector<std::string>> tableB = {
        {"SW", "NW", "NE", "SE", "W", "E", "S", "N"},
        {"SE", "NE", "SW", "NW", "W", "E", "S", "N"},
        {"NE", "SE", "NW", "SW", "W", "E", "S", "N"},
        {"NW", "SW", "SE", "NE", "W", "E", "S", "N"},
    };
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(orderFound(crossingGrid, false, {0, r}), tableB[r]);
    }
}

TEST(DirectionOrders, SecondPassUsesTheFixedOrder) {
    // Crossing first, both crossed letters ("b", "c") given up by draws of 4..7;
    // the empty-cell pass then anchors "a" on the centre.
    EXPECT_EQ(orderFound(starGrid, false, {0, 5, 7}),
              (std::vector<std::string>{"NW", "SW", "SE", "NE", "N", "W", "S", "E"}));
}

// "k", a hole, "s": "kos" closes the hole with its two other letters already
// there. Crossing first, both crossed letters given up, the empty-cell pass
// anchors "o" on the hole itself; empty cells first, its crossing pass
// anchors "k" on (1,1).
TEST(DirectionOrders, AHoleClosedInOnAllSidesIsFilledByEitherStrategy) {
    struct Case {
        bool preferEmptyCells;
        std::vector<int> draws;
        std::vector<int> asked;
    };
    const Case cases[] = {
        {false, {0, 5, 6}, {1, 8, 8}},
        {true, {0, 2}, {1, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preferEmptyCells ? "empty cells first" : "crossing first");
        GeneratorSetup setup = gridSetup(3, 1);
        setup.cells.at(1, 1).text = "k";
        setup.cells.at(3, 1).text = "s";
        setup.words = {"kos"};
        setup.firstRun = false;
        setup.preferEmptyCells = c.preferEmptyCells;
        setup.onFailure = OnFailure::Stop;
        GeneratorControl control;
        ScriptedRandom random(c.draws, control);
        const Result run = runGenerator(setup, random, control);
        EXPECT_EQ(random.asked, c.asked);
        EXPECT_EQ(run.outcome, GeneratorOutcome::Completed);
        ASSERT_EQ(run.window->placements.size(), 1u);
        EXPECT_EQ(run.window->placements[0].cells, cellsOf({{1, 1, "k"}, {2, 1, "o"}, {3, 1, "s"}}));
    }
}

TEST(Suitability, WordsOverlappingPlacedWordsAreDropped) {
    struct Case {
        std::vector<std::string> placed;
        std::string word;
        bool dropped;
    };
    const std::vector<Case> cases = {
        {{"kolo"}, "kolo", true},     // already placed
        {{"kolo"}, "olok", true},     // the reverse of a placed word
        {{"kolo"}, "kol", true},      // inside a placed word
        {{"kolo"}, "lok", true},      // its reverse inside a placed word
        {{"kolo"}, "okolo", true},    // holds a placed word
        {{"kolo"}, "xolok", true},    // its reverse holds a placed word
        {{"kolo"}, "kolem", false},
        {{"kolo"}, "Kol", false},     // letter case counts here
        {{"kolo"}, "Kolo", true},     // but both read KOLO: they would lie in the same cells
        {{"", "les"}, "kolo", false}, // an empty list entry matches nothing
        {{"o"}, "kolo", true},
        {{"chata"}, "hata", true},    // the test sees "ch" as two letters
        {{"chata"}, "atahc", true},
        {{"vrch", "pes", "kos"}, "sok", true},
        {{"vrch", "pes", "kos"}, "sep", true},
        {{"vrch", "pes", "kos"}, "vrah", false},
        {{"les"}, "oko", true},       // the same backwards: it would lie twice in its own cells
        {{"les"}, "Chata", true},     // read as CH A T A, which its five cells would not show
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        GeneratorSetup setup = gridSetup(6, 6);
        setup.firstRun = false;
        setup.onFailure = OnFailure::Stop;
        setup.chAsOneLetter = true;
        setup.placedWords = c.placed;
        setup.words = {c.word};
        GeneratorControl control;
        LinearRandom random(7);
        const Result run = runGenerator(setup, random, control);
        EXPECT_EQ(run.window->placements.empty(), c.dropped);
        EXPECT_EQ(run.outcome, GeneratorOutcome::Failed);
    }
}

// A resumed grid that already reads a listed word twice, across the phrase,
// or without a cell of its own can never be finished cleanly: the pass fails
// before its first draw. One that reads cleanly goes on to draw words.
TEST(Suitability, AGridThatDoesNotReadCleanlyFailsBeforeItsFirstDraw) {
    struct Case {
        const char* name;
        std::vector<std::string> listed;
        std::vector<std::pair<int, int>> red;
        bool chAsOneLetter;
        bool clean;
    };
    // p  e s a _
    // k  o l o @
    // ch a t a @
    const std::vector<Case> cases = {
        {"every word once", {"pes", "kolo", "sa"}, {}, false, true},
        {"a listed word that lies nowhere", {"pes", "kolo", "auto"}, {}, false, true},
        {"a word of one letter lies eight times in each cell", {"pes", "a"}, {}, false, false},
        {"read backwards too", {"pes", "lo"}, {}, false, false},
        {"a palindrome lies twice in its own cells", {"ata"}, {}, false, false},
        {"inside another word: no cell of its own", {"pes", "es"}, {}, false, false},
        {"crossed on every cell, diagonally too", {"pes", "kolo", "po"}, {}, false, false},
        {"a word and its reverse share their cells", {"pes", "sep"}, {}, false, false},
        {"two entries read alike", {"pes", "Pes"}, {}, false, false},
        {"hidden cells read \"@\" for a listed word that holds it", {"pes", "@"}, {}, false, false},
        {"across a letter of the phrase", {"pes", "kolo"}, {{2, 1}}, false, false},
        {"a red cell that no word crosses", {"pes", "kolo"}, {{4, 1}}, false, true},
        {"\"ch\" one letter: the digraph cell starts \"chat\"", {"chat", "cha"}, {}, true, false},
        {"\"ch\" two letters: the digraph cell reads nothing", {"chat", "cha"}, {}, false, true},
    };
    const char* rows[3][4] = {{"p", "e", "s", "a"}, {"k", "o", "l", "o"}, {"ch", "a", "t", "a"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GeneratorSetup setup = gridSetup(5, 3, {{5, 2}, {5, 3}});
        for (int row = 1; row <= 3; ++row)
            for (int col = 1; col <= 4; ++col) setup.cells.at(col, row).text = rows[row - 1][col - 1];
        for (const auto& [col, row] : c.red) setup.cells.at(col, row).red = true;
        setup.placedWords = c.listed;
        setup.words = {"auto"};
        setup.chAsOneLetter = c.chAsOneLetter;
        setup.firstRun = false;
        setup.onFailure = OnFailure::Stop;
        GeneratorControl control;
        ScriptedRandom random({}, control);
        const Result run = runGenerator(setup, random, control);
        EXPECT_EQ(random.asked.empty(), !c.clean);
        EXPECT_EQ(run.outcome, c.clean ? GeneratorOutcome::Stopped : GeneratorOutcome::Failed);
    }
}

TEST(WordOrder, AlphabeticalOrderDrawsInPoolOrderButTheFirstWordAtRandom) {
    GeneratorSetup setup = gridSetup(12, 12);
    setup.words = madeUpPool(3, 300, 6);
    setup.randomOrder = false;
    setup.onFailure = OnFailure::Stop;
    GeneratorControl control;
    LinearRandom inner(11);
    RecordingRandom random(inner);
    const Result run = runGenerator(setup, random, control);
    ASSERT_GE(run.window->listBox.size(), 3u);
    EXPECT_EQ(random.draws.front().first, static_cast<int>(setup.words.size()));
    std::vector<std::size_t> positions;
    for (std::size_t i = 1; i < run.window->listBox.size(); ++i) {
        const auto at = std::find(setup.words.begin(), setup.words.end(), run.window->listBox[i]);
        positions.push_back(static_cast<std::size_t>(at - setup.words.begin()));
    }
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
}

TEST(RunEnds, AGridFullAtTheStartIsUpperCasedAndFinishedWithoutDraws) {
    GeneratorSetup setup = gridSetup(3, 2, {{2, 2}});
    const char* letters[3][2] = {{"a", "ch"}, {"\xE8", "@"}, {"x", "B"}};
    for (int col = 1; col <= 3; ++col)
        for (int row = 1; row <= 2; ++row) setup.cells.at(col, row).text = letters[col - 1][row - 1];
    setup.words = {"abc"};
    for (const bool firstRun : {true, false}) {
        setup.firstRun = firstRun;
        GeneratorControl control;
        ScriptedRandom random({}, control);
        const Result run = runGenerator(setup, random, control);
        EXPECT_EQ(run.outcome, GeneratorOutcome::Completed);
        EXPECT_TRUE(random.asked.empty());
        EXPECT_EQ(run.window->statuses, std::vector<std::string>{cp("Vyhledávám vhodná slova...")});
        EXPECT_EQ(run.window->log.back(), "finished 1,1=A 2,1=\xC8 3,1=X 1,2=CH 2,2=@ 3,2=B");
    }
}

TEST(RunEnds, OnlyRedCellsHoldingALetterAreKeptForThePhrase) {
    // Row 1: empty, red but empty, empty. Row 2: a red "x", empty, empty.
    // "abc" can only take row 1, "de" only the rest of row 2.
    GeneratorSetup setup = gridSetup(3, 2);
    setup.cells.at(2, 1).red = true;
    setup.cells.at(1, 2) = WsCell{"x", true};
    setup.words = {"abc", "de"};
    setup.firstRun = false;
    setup.onFailure = OnFailure::Stop;
    setup.randomOrder = false;
    for (const bool preferEmpty : {true, false}) {
        setup.preferEmptyCells = preferEmpty;
        GeneratorControl control;
        LinearRandom random(5);
        const Result run = runGenerator(setup, random, control);
        EXPECT_EQ(run.outcome, GeneratorOutcome::Completed);
        EXPECT_FALSE(run.window->cells.at(2, 1).text.empty());
        EXPECT_EQ(run.window->cells.at(1, 2).text, "X");
        for (const auto& placement : run.window->placements)
            for (const auto& c : placement.cells) EXPECT_FALSE(c.col == 1 && c.row == 2);
    }
}

// Runs that cannot succeed end, whatever the on-failure choice; a restarting
// one goes on until it is stopped.
TEST(RunEnds, ImpossiblePuzzlesEndByTheOnFailureChoice) {
    struct Case {
        const char* name;
        GeneratorSetup setup;
    };
    std::vector<Case> cases;
    {
        // Every straight line the first word may take crosses the hidden diagonal.
        GeneratorSetup s = gridSetup(4, 4, {{1, 1}, {2, 2}, {3, 3}, {4, 4}});
        s.words = {"abcd", "efgh", "ijkl"};  // letters for the 12 cells
        cases.push_back({"no first word fits", s});
    }
    {
        GeneratorSetup s = gridSetup(5, 5);
        s.words = {"abcdefghijklm", "lmnopqrstuvw"};  // letters for the 25 cells
        cases.push_back({"every word longer than the grid", s});
    }
    {
        // Each word reads the same backwards, so none can lie once anywhere.
        GeneratorSetup s = gridSetup(4, 4);
        s.words = {"anna", "oko", "ala", "nejen", "ece"};
        cases.push_back({"no word can lie once", s});
    }
    {
        // Four cells off the last column and row, five letters.
        GeneratorSetup s = gridSetup(3, 3);
        s.words = {"ab", "cd"};
        s.secretPhrase = "lesik";
        cases.push_back({"phrase longer than its cells", s});
    }
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const OnFailure choice : {OnFailure::Restart, OnFailure::Pause, OnFailure::Stop}) {
            c.setup.onFailure = choice;
            GeneratorControl control;
            LinearRandom random(3);
            Result run{GeneratorOutcome::Stopped, std::make_unique<WindowModel>(c.setup)};
            run.window->afterReport = [&](const std::string& name) {
                if (name == "cleared" && run.window->clearings == 3) control.requestStop();
            };
            OsmGenerator generator(c.setup, random, *run.window, control);
            run.outcome = generator.generate();
            switch (choice) {
            case OnFailure::Restart:
                EXPECT_EQ(run.outcome, GeneratorOutcome::Stopped);
                EXPECT_EQ(run.window->clearings, 3);
                EXPECT_EQ(generator.stats().passes, 3);
                break;
            case OnFailure::Pause:
                EXPECT_EQ(run.outcome, GeneratorOutcome::PausedOnFailure);
                EXPECT_EQ(run.window->log.back(), "paused");
                EXPECT_TRUE(control.stopRequested());
                break;
            case OnFailure::Stop:
                EXPECT_EQ(run.outcome, GeneratorOutcome::Failed);
                EXPECT_EQ(run.window->log.back(), "failed");
                break;
            }
            for (int col = 1; col <= c.setup.cols; ++col) {
                for (int row = 1; row <= c.setup.rows; ++row) {
                    EXPECT_FALSE(run.window->cells.at(col, row).red);
                    if (c.setup.cells.at(col, row).text == "@") {
                        EXPECT_EQ(run.window->cells.at(col, row).text, "@");
                    }
                }
            }
        }
    }
}

// A pool whose letters cannot fill the free cells, less the phrase's, even
// once each ends the run before the first word, whatever the on-failure
// choice, with the two counts; a restart could never change them. One letter
// more and the run goes on.
TEST(RunEnds, APoolTooSmallToFillTheGridEndsTheRunWithItsCounts) {
    struct Case {
        const char* name;
        GeneratorSetup setup;
        std::int64_t letters;  // -1: the run goes on
        int cells;
    };
    std::vector<Case> cases;
    {
        GeneratorSetup s = gridSetup(40, 40);
        s.words = {"auto", "kolo", "pes", "strom", "a b", "x@y"};  // the last two are never placed
        cases.push_back({"four words on 40 x 40", s, 16, 1600});
    }
    {
        GeneratorSetup s = gridSetup(3, 3);
        s.words = {"chata", "chyba"};
        s.chAsOneLetter = true;
        cases.push_back({"\"ch\" one letter: 8 letters for 9 cells", s, 8, 9});
        s.chAsOneLetter = false;
        cases.push_back({"\"ch\" two letters: 10 letters for 9 cells", s, -1, 0});
    }
    {
        GeneratorSetup s = gridSetup(4, 4);
        s.words = {"abcdef", "ghijkl"};
        s.secretPhrase = " abc ";
        cases.push_back({"the phrase's three letters leave 13 cells", s, 12, 13});
        s.secretPhrase = "abcd";
        cases.push_back({"the phrase's four letters leave 12 cells", s, -1, 0});
    }
    {
        // Hidden cells and cells that hold letters already are not free.
        GeneratorSetup s = gridSetup(4, 4, {{1, 1}, {4, 1}, {1, 4}, {4, 4}});
        s.cells.at(2, 2).text = "a";
        s.cells.at(3, 3).text = "ch";
        s.chAsOneLetter = true;
        s.words = {"pes", "kolo", "de"};
        cases.push_back({"hidden cells and letters", s, 9, 10});
    }
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const OnFailure choice : {OnFailure::Restart, OnFailure::Pause, OnFailure::Stop}) {
            SCOPED_TRACE(static_cast<int>(choice));
            c.setup.onFailure = choice;
            GeneratorControl control;
            LinearRandom inner(5);
            RecordingRandom random(inner);
            // A run that went on is stopped at its first restart.
            const Result run = runGenerator(c.setup, random, control, "cleared");
            const std::string tooFew = "too few " + std::to_string(c.letters) + " " + std::to_string(c.cells);
            if (c.letters < 0) {
                EXPECT_NE(run.outcome, GeneratorOutcome::WordsTooFew);
                EXPECT_EQ(run.window->tooFewLetters, -1);
                continue;
            }
            EXPECT_EQ(run.outcome, GeneratorOutcome::WordsTooFew);
            EXPECT_TRUE(control.stopRequested());
            EXPECT_EQ(run.window->log.back(), tooFew);
            EXPECT_EQ(run.window->log[run.window->log.size() - 2], "status " + kStatusPlacingFirstWord);
            EXPECT_EQ(std::make_pair(run.window->tooFewLetters, run.window->tooFewCells),
                      std::make_pair(c.letters, c.cells));
            EXPECT_TRUE(run.window->failed);
            EXPECT_FALSE(run.window->paused);
            EXPECT_TRUE(random.draws.empty()) << "ended before the first draw";
            EXPECT_EQ(run.window->clearings, 0);
        }
    }

    // A resumed run fills what it can first; starting over then ends it.
    GeneratorSetup resumed = gridSetup(40, 40);
    resumed.words = {"auto", "kolo", "pes", "strom"};
    resumed.firstRun = false;
    resumed.onFailure = OnFailure::Restart;
    GeneratorControl control;
    LinearRandom random(5);
    WindowModel window(resumed);
    window.afterReport = [&](const std::string& name) {
        if (name == "cleared" && window.clearings == 2) control.requestStop();
    };
    OsmGenerator generator(resumed, random, window, control);
    EXPECT_EQ(generator.generate(), GeneratorOutcome::WordsTooFew);
    EXPECT_EQ(window.clearings, 1);
    EXPECT_EQ(window.log.back(), "too few 16 1600");
}

TEST(RunEnds, AFirstWordThatFitsOnlyFromTheLastStartColumnIsStillPlaced) {
    // Only (2..4, 1) is visible: "abc" fits there from start column Random(5 - 3) + 1 = 2 only.
    GeneratorSetup setup = gridSetup(5, 4);
    for (int col = 1; col <= 5; ++col)
        for (int row = 1; row <= 4; ++row) setup.cells.at(col, row).text = "@";
    for (int col = 2; col <= 4; ++col) setup.cells.at(col, 1).text = "";
    setup.words = {"abc"};
    setup.onFailure = OnFailure::Stop;
    GeneratorControl control;
    LinearRandom random(9);
    const Result run = runGenerator(setup, random, control);
    EXPECT_EQ(run.outcome, GeneratorOutcome::Completed);
    EXPECT_EQ(run.window->log.back(),
              "finished 1,1=@ 2,1=A 3,1=B 4,1=C 5,1=@ 1,2=@ 2,2=@ 3,2=@ 4,2=@ 5,2=@ 1,3=@ 2,3=@ 3,3=@ 4,3=@ 5,3=@ "
              "1,4=@ 2,4=@ 3,4=@ 4,4=@ 5,4=@");
}

TEST(RunEnds, AResumedRunCrossesACellShowingTheDigraph) {
    // Row 1 shows "ch" and three empty cells; row 2 is hidden. "chata" takes
    // four cells with the digraph as one letter, so it must cross the "ch".
    GeneratorSetup setup = gridSetup(4, 2, {{1, 2}, {2, 2}, {3, 2}, {4, 2}});
    setup.cells.at(1, 1).text = "ch";
    setup.words = {"chata"};
    setup.chAsOneLetter = true;
    setup.firstRun = false;
    setup.onFailure = OnFailure::Stop;
    for (const bool preferEmpty : {true, false}) {
        setup.preferEmptyCells = preferEmpty;
        GeneratorControl control;
        LinearRandom random(2);
        const Result run = runGenerator(setup, random, control);
        EXPECT_EQ(run.outcome, GeneratorOutcome::Completed);
        EXPECT_EQ(run.window->log[run.window->log.size() - 2], "word chata 1,1=ch 2,1=a 3,1=t 4,1=a");
    }
}

TEST(SecretPhraseText, DigraphBecomesThePlaceholderAndBlanksGo) {
    const std::string typed = cp("chata na horách");
    EXPECT_EQ(processSecretPhrase(typed, true), cp("#atanahorá#"));
    EXPECT_EQ(processSecretPhrase(typed, false), cp("chatanahorách"));
    EXPECT_EQ(processSecretPhrase("Chata cch", true), "Chatac#");
}

TEST(WordPool, LinesAreTrimmedAndUnusableWordsSkipped) {
    EXPECT_EQ(poolWord("  les \t"), "les");
    EXPECT_EQ(poolWord("\x9Ala\x9D"), "\x9Ala\x9D");
    for (const char* bad : {"", "   ", "\t\r", "a@b", "a\xA9" "b", "a#b", "a b", "a\x01" "b", "@"}) {
        EXPECT_FALSE(poolWord(bad).has_value()) << bad;
    }
    EXPECT_TRUE(isUsablePoolWord("chata"));
    EXPECT_FALSE(isUsablePoolWord(" chata"));
}

TEST(WordPool, SourcesAndCaseVariants) {
    using Words = std::vector<std::string>;
    struct Case {
        WordSource source;
        Words dictionary;
        Words editor;
        Words pool;
    };
    const Words unordered = {"pes", "kos", "chata"};
    const Words ordered = {"cibule", "hrad", "chata", "kos", "pes"};  // as the dictionary copy keeps them
    const Words editor = {"Pes", " les ", "", "c@t", "Hrad", "auto", "les"};
    const std::vector<Case> cases = {
        {WordSource::Both, unordered, editor, {"auto", "Hrad", "chata", "kos", "les", "pes"}},
        {WordSource::Both, ordered, editor, {"auto", "cibule", "hrad", "chata", "kos", "les", "pes"}},
        {WordSource::Editor, ordered, editor, {"auto", "Hrad", "les", "Pes"}},
        {WordSource::Dictionaries, ordered, editor, ordered},
        {WordSource::Dictionaries, unordered, editor, {"chata", "kos", "pes"}},
        {WordSource::Editor, ordered, {}, {}},
        {WordSource::Editor, ordered, {"", "  "}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(buildWordPool(c.source, c.dictionary, c.editor), c.pool);
    }
}
