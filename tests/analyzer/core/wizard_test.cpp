#include "analyzer/core/wizard.h"

#include <gtest/gtest.h>

using namespace analyzer;

namespace {

void toLetterPage(EntryWizard& wizard, int columns, int rows) {
    wizard.setSpinSize(columns, rows);
    wizard.next();
    wizard.next();
    ASSERT_EQ(wizard.page(), EntryWizard::LetterPage);
}

}  // namespace

TEST(EntryWizardPages, ButtonsFollowThePage) {
    EntryWizard wizard;
    EXPECT_EQ(wizard.page(), EntryWizard::SizePage);
    EXPECT_FALSE(wizard.priorEnabled());
    EXPECT_TRUE(wizard.nextEnabled());
    wizard.prior();
    EXPECT_EQ(wizard.page(), EntryWizard::SizePage);
    wizard.next();
    EXPECT_TRUE(wizard.priorEnabled());
    EXPECT_TRUE(wizard.nextEnabled());
    wizard.next();
    EXPECT_EQ(wizard.page(), EntryWizard::LetterPage);
    EXPECT_FALSE(wizard.nextEnabled());
    wizard.next();
    EXPECT_EQ(wizard.page(), EntryWizard::LetterPage);
}

TEST(EntryWizardPages, ThreeByTwoWalk) {
    EntryWizard wizard;
    toLetterPage(wizard, 3, 2);
    EXPECT_EQ(wizard.width(), 3);
    EXPECT_EQ(wizard.height(), 2);
    EXPECT_EQ(wizard.enterWord("  Pes "), EntryWizard::WordEntry::Added);
    EXPECT_EQ(wizard.enterWord("   "), EntryWizard::WordEntry::Blank);
    EXPECT_EQ(wizard.enterWord("ABC"), EntryWizard::WordEntry::Added);
    EXPECT_EQ(wizard.enterWord("pes"), EntryWizard::WordEntry::Added);  // the same word may come twice
    EXPECT_EQ(wizard.words(), (std::vector<std::string>{"abc", "pes", "pes"}));

    const std::vector<std::string> typed = {"p", "e", "s", "", "ch", "x"};
    const std::vector<std::pair<int, int>> shown = {{2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        EXPECT_TRUE(wizard.letterEntryEnabled());
        EXPECT_FALSE(wizard.finishEnabled());
        wizard.enterLetter(typed[i]);
        if (i < shown.size()) {
            EXPECT_EQ(std::make_pair(wizard.column(), wizard.row()), shown[i]) << i;
        }
    }
    EXPECT_FALSE(wizard.letterEntryEnabled());
    EXPECT_TRUE(wizard.finishEnabled());
    wizard.enterLetter("z");  // the entry is closed

    const Puzzle puzzle = wizard.finish();
    EXPECT_EQ(puzzle.width, 3);
    EXPECT_EQ(puzzle.height, 2);
    EXPECT_EQ(puzzle.cells, (std::vector<std::string>{"P", "E", "S", "@", "CH", "X"}));
    EXPECT_EQ(puzzle.words, (std::vector<std::string>{"abc", "pes", "pes"}));
    EXPECT_EQ(puzzle.solutionPhrase, "");
    EXPECT_FALSE(puzzle.loadedFromFile);
    EXPECT_TRUE(puzzle.isComplete());
}

TEST(EntryWizardPages, ChangedSizeRestartsTheLettersAndUnchangedKeepsThem) {
    EntryWizard wizard;
    toLetterPage(wizard, 2, 2);
    wizard.enterLetter("a");
    wizard.enterLetter("b");

    // Back and forth with the same size: the entry goes on.
    wizard.prior();
    wizard.prior();
    wizard.next();
    wizard.next();
    EXPECT_EQ(std::make_pair(wizard.column(), wizard.row()), std::make_pair(1, 2));

    // Back to the size page, a new size: the entry starts again.
    wizard.prior();
    wizard.prior();
    wizard.setSpinSize(3, 1);
    EXPECT_EQ(wizard.width(), 2);  // taken over only on the word page
    wizard.next();
    EXPECT_EQ(wizard.width(), 3);
    EXPECT_EQ(std::make_pair(wizard.column(), wizard.row()), std::make_pair(1, 1));
    wizard.next();
    wizard.enterLetter("c");
    EXPECT_FALSE(wizard.finishEnabled());
    EXPECT_FALSE(wizard.finish().isComplete());

    // Spin values stay within the grid limits.
    wizard.setSpinSize(-5, 300);
    EXPECT_EQ(wizard.spinColumns(), 0);
    EXPECT_EQ(wizard.spinRows(), kMaxPuzzleSize);
}

TEST(EntryWizardPages, EmptyGridNeedsOneEnterAndStoresNothing) {
    EntryWizard wizard;
    toLetterPage(wizard, 0, 0);
    wizard.enterLetter("a");
    EXPECT_TRUE(wizard.finishEnabled());
    const Puzzle puzzle = wizard.finish();
    EXPECT_TRUE(puzzle.cells.empty());
    EXPECT_TRUE(puzzle.isComplete());
}

TEST(EntryWizardPages, WordListHoldsAtMostSixThousandWords) {
    EntryWizard wizard;
    for (int i = 0; i < kMaxWords; ++i) ASSERT_EQ(wizard.enterWord("w" + std::to_string(i)), EntryWizard::WordEntry::Added);
    EXPECT_EQ(wizard.enterWord("posledni"), EntryWizard::WordEntry::Full);
    EXPECT_EQ(wizard.words().size(), static_cast<std::size_t>(kMaxWords));
    wizard.removeWord(0);
    wizard.removeWord(static_cast<std::size_t>(kMaxWords));  // no such entry
    EXPECT_EQ(wizard.enterWord("posledni"), EntryWizard::WordEntry::Added);
}
