#include "crossword/core/clue_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace crossword {
namespace {

using Kind = LegendProblem::Kind;

// A crossword grid drawn as text, a row a line: a letter is a cell holding it,
// "." an empty cell, "#" a hidden cell, "|" after a cell its right bar; "*"
// after a cell marks it as a secret-phrase cell both ways, ">" across only
// and "^" down only. Bottom bars are set apart.
struct Drawn {
    explicit Drawn(std::vector<std::string> rows) {
        const auto isMark = [](char c) { return c == '|' || c == '*' || c == '>' || c == '^'; };
        int cols = 0;
        for (const std::string& row : rows) {
            int n = 0;
            for (const char c : row) n += !isMark(c);
            cols = std::max(cols, n);
        }
        CellGrid::Kind kind;
        kind.edgeBars = true;
        grid.setKind(std::move(kind));
        grid.resizeGrid(std::max(cols, 2), std::max(static_cast<int>(rows.size()), 2), 20);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            int col = 0;
            for (const char c : rows[r]) {
                const int row = static_cast<int>(r) + 1;
                if (c == '|') grid.setRightBarVisible(col, row, true);
                else if (c == '*') letterUse[col][row] = {letteruse::secretPhrase, letteruse::secretPhrase};
                else if (c == '>') letterUse[col][row].horizontal = letteruse::secretPhrase;
                else if (c == '^') letterUse[col][row].vertical = letteruse::secretPhrase;
                else if (c == '#') grid.setHidden(++col, row, true);
                else if (c == '.') ++col;
                else grid.setText(++col, row, std::string(1, c));
            }
        }
    }
    Legend legend() const { return buildLegend(grid, letterUse); }

    CellGrid grid;
    LetterUseTable letterUse{};
};

std::vector<std::string> words(const CrosswordWordTable& table) {
    std::vector<std::string> list;
    for (const ClueRow& entry : table)
        list.push_back(entry.word + " " + std::to_string(entry.line) + "." + std::to_string(entry.ordinal) +
                       (entry.clue.empty() ? "" : " " + entry.clue));
    return list;
}

TEST(Legend, RowsAreCutIntoWordsAtTheirBars) {
    struct Case {
        const char* what;
        std::vector<std::string> grid;
        std::vector<std::string> across;
        std::vector<LegendProblem> problems;
    };
    constexpr Direction row = Direction::across;  // every problem here lies in a row
    const Case cases[] = {
        {"no bars", {"pes", "kos"}, {}, {}},
        {"two words, the rest after the last bar ignored", {"pes|kos|xy"}, {"pes 1.1", "kos 1.2"}, {}},
        {"a word through a hidden cell", {"ab#cd|"}, {"ab@cd 1.1"}, {{Kind::unclosed, row, 1, 1, "abcd"}}},
        {"a hidden cell alone between bars", {"a|#|b|"}, {"a 1.1", "b 1.2"}, {}},
        {"a row starting hidden starts at its first bar", {"#|pes|"}, {"pes 1.1"}, {}},
        {"a row starting hidden without a bar", {"#pes"}, {}, {}},
        {"an empty cell in a word", {"p.s|kos|"}, {"ps 1.1", "kos 1.2"}, {{Kind::incomplete, row, 1, 1, ""}}},
        {"an empty cell before a word", {".|kos|"}, {"kos 1.1"}, {{Kind::incomplete, row, 1, 1, ""}}},
        {"an empty piece between words", {"a|..|b|"}, {"a 1.1", "b 1.2"}, {{Kind::incomplete, row, 1, 2, ""}}},
        {"an empty cell and a hidden one: unclosed only", {"a.#b|"}, {"a@b 1.1"}, {{Kind::unclosed, row, 1, 1, "ab"}}},
        {"every empty piece has its own number",
         {"..|..|..|"},
         {},
         {{Kind::incomplete, row, 1, 1, ""}, {Kind::incomplete, row, 1, 2, ""}, {Kind::incomplete, row, 1, 3, ""}}},
        {"pieces are counted as they stand, the entries by the words with letters",
         {"..|a#b|#|c.|"},
         {"a@b 1.1", "c 1.2"},
         {{Kind::incomplete, row, 1, 1, ""}, {Kind::unclosed, row, 1, 2, "ab"}, {Kind::incomplete, row, 1, 3, ""}}},
    };
    for (const Case& c : cases) {
        const Legend legend = Drawn(c.grid).legend();
        EXPECT_EQ(words(legend.across), c.across) << c.what;
        std::vector<LegendProblem> across;
        for (const LegendProblem& p : legend.problems)
            if (p.direction == Direction::across) across.push_back(p);
        EXPECT_EQ(across, c.problems) << c.what;
    }
}

TEST(Legend, ColumnsAreCutAtTheirBottomBarsAndNumberedByColumn) {
    Drawn drawn({"ab", "cd", "ef"});
    drawn.grid.setBottomBarVisible(1, 2, true);
    drawn.grid.setBottomBarVisible(1, 3, true);
    drawn.grid.setBottomBarVisible(2, 3, true);
    const Legend legend = drawn.legend();
    EXPECT_EQ(words(legend.down), (std::vector<std::string>{"ac 1.1", "e 1.2", "bdf 2.1"}));
    EXPECT_TRUE(legend.problems.empty());
}

TEST(Legend, ClosedSecretPhraseRunsAreWordsCalledTajenka) {
    // "ta" is a closed secret run; "ko" is secret too but the word there is "sko".
    const Legend legend = Drawn({"pes|t*a*|sk*o*|"}).legend();
    EXPECT_EQ(words(legend.across), (std::vector<std::string>{"pes 1.1", "ta 1.2 tajenka", "sko 1.3"}));

    // Each direction reads its own byte: "pes" is secret across only, "ab"
    // down only; the one-letter words across through "ab" are no secret words.
    Drawn oneWay({"a^|p>e>s>|", "b^|"});
    oneWay.grid.setBottomBarVisible(1, 2, true);
    const Legend ownBytes = oneWay.legend();
    EXPECT_EQ(words(ownBytes.across), (std::vector<std::string>{"a 1.1", "pes 1.2 tajenka", "b 2.1"}));
    EXPECT_EQ(words(ownBytes.down), std::vector<std::string>{"ab 1.1 tajenka"});
    EXPECT_TRUE(ownBytes.problems.empty());
}

TEST(Legend, AFullFortyByFortyGridOfOneLetterWordsListsEveryWord) {
    CellGrid grid;
    CellGrid::Kind kind;
    kind.edgeBars = true;
    grid.setKind(std::move(kind));
    grid.resizeGrid(40, 40, 20);
    for (int col = 1; col <= 40; ++col)
        for (int row = 1; row <= 40; ++row) {
            grid.setText(col, row, "a");
            grid.setRightBarVisible(col, row, true);
            grid.setBottomBarVisible(col, row, true);
        }
    const LetterUseTable use{};
    const Legend legend = buildLegend(grid, use);
    ASSERT_EQ(legend.across.size(), 1600u);
    EXPECT_EQ(legend.down.size(), 1600u);
    EXPECT_EQ(legend.across.back(), (ClueRow{"a", "", 40, 40}));
}

StringPairList cluesOf(std::initializer_list<std::pair<std::string, std::string>> pairs) {
    StringPairList list;
    for (const auto& [word, clue] : pairs) list.addPair(word, clue);
    return list;
}

TEST(Legend, CluesComeFromEarlierRowsTheStoresAndTheSecretPhrase) {
    StringPairList builtin = cluesOf({{"pes", "zvire"}, {"kos", "ptak"}, {"pes", "jiný"}});
    StringPairList user = cluesOf({{"kos", "cerny ptak"}});
    ClueIndex builtinIndex(builtin), userIndex(user);
    const CrosswordWordTable table = {
        {"pes", "", 1, 1}, {"kos", "", 1, 2}, {"lev", "", 2, 1}, {"ta", "tajenka", 2, 2}, {"lis", "", 3, 1}};
    // Typed before: "lev" stays where it is, "lis" moved within its line (its
    // clue follows), "pes" stood in another line and "kos" was another word there.
    const std::vector<ClueRow> before = {
        {"lev", "kral", 2, 1}, {"lis", "lis na vino", 3, 2}, {"ta", "x", 2, 2}, {"pes", "x", 4, 1}, {"sob", "x", 1, 2}};
    const std::vector<ClueRow> rows = legendRows(table, before, builtinIndex, userIndex);
    EXPECT_EQ(rows, (std::vector<ClueRow>{{"pes", "zvire", 1, 1},
                                          {"kos", "cerny ptak", 1, 2},  // the user's clue wins
                                          {"lev", "kral", 2, 1},
                                          {"ta", "tajenka", 2, 2},
                                          {"lis", "lis na vino", 3, 1}}));
}

// The plain searches of the stores, as reference for the indexed fill and
// remember (the stores here hold no empty key).
void walkFill(std::vector<ClueRow>& rows, StringPairList& builtin, StringPairList& user) {
    for (ClueRow& row : rows) {
        if (row.clue == secretPhraseClue) continue;
        for (StringPairList* store : {&builtin, &user})
            if (const StringPairList::Node* pair = store->find(row.word)) row.clue = pair->value;
    }
}

void walkRemember(const std::vector<ClueRow>& rows, StringPairList& user) {
    for (const ClueRow& row : rows) {
        if (row.clue == secretPhraseClue || row.word.empty() || row.word.find('@') != std::string::npos) continue;
        if (StringPairList::Node* pair = user.find(row.word)) pair->value = row.clue;
        else if (!row.clue.empty()) user.addPair(row.word, row.clue);
    }
}

std::vector<std::pair<std::string, std::string>> pairsOf(const StringPairList& list) {
    std::vector<std::pair<std::string, std::string>> pairs;
    list.forEachPair([&pairs](const StringPairList::Node& pair) { pairs.emplace_back(pair.key, pair.value); });
    return pairs;
}

TEST(Legend, RememberingKeepsEveryPairAndStoresOnlyRealWords) {
    const auto storesBefore = [] {
        return std::pair{cluesOf({{"pes", "a"}, {"kos", "b"}, {"pes", "c"}}),
                         cluesOf({{"kos", "d"}, {"lev", "e"}, {"kos", "f"}, {"sob", "g"}})};
    };
    const std::vector<ClueRow> rows = {
        {"kos", "", 1, 1},          // an emptied clue overwrites the stored one
        {"lev", "selma", 1, 2},
        {"lev", "kral zvirat", 2, 1},  // the same word again: the later clue stays
        {"novy", "slovo", 2, 2},
        {"ta", "tajenka", 3, 1},
        {"a@b", "x", 3, 2},
        {"", "prazdny radek", 0, 0},
        {"pes", "", 4, 1},          // unknown to the user, no clue: nothing added
    };
    auto [builtin, user] = storesBefore();
    ClueIndex userIndex(user);
    rememberLegends(rows, userIndex);
    auto [builtinWalked, userWalked] = storesBefore();
    walkRemember(rows, userWalked);
    EXPECT_EQ(pairsOf(user), pairsOf(userWalked));
    EXPECT_EQ(pairsOf(user), (std::vector<std::pair<std::string, std::string>>{
                                 {"kos", ""}, {"lev", "kral zvirat"}, {"kos", "f"}, {"sob", "g"}, {"novy", "slovo"}}));

    // What was remembered is what a later fill finds, as a walk finds it.
    std::vector<ClueRow> fill = {{"kos", "?", 1, 1}, {"pes", "", 1, 2}, {"novy", "", 1, 3}, {"ta", "tajenka", 1, 4}};
    std::vector<ClueRow> walked = fill;
    ClueIndex builtinIndex(builtin);
    fillLegendsFromMemory(fill, builtinIndex, userIndex);
    walkFill(walked, builtin, user);
    EXPECT_EQ(fill, walked);
    EXPECT_EQ(fill[0].clue, "");
    EXPECT_EQ(fill[1].clue, "a");
    EXPECT_EQ(fill[2].clue, "slovo");
}

}  // namespace
}  // namespace crossword
