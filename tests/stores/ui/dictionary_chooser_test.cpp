#include "stores/ui/dictionary_chooser.h"

#include "stores/core/word_stores.h"
#include "support/core/cp1250_text.h"
#include "support/core/program_folder.h"
#include "support/ui/modal.h"
#include "support/ui/scripted_desktop.h"
#include "tests/frame/core/frame_state.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

std::vector<int> selectedRows(const QListWidget* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) rows.push_back(i);
    return rows;
}

class DictionaryChooser : public ProgramFolderTest {
protected:
    DictionaryChooser() : ProgramFolderTest(resetWordStores) {}
    void files(std::initializer_list<const char*> names) {
        for (const char* name : names) folder.write(name, "slovo\r\n");
    }
    // The buttons' enabled state: >, >>, <, <<, OK.
    static std::vector<bool> buttons(const Tslovnikyform& form) {
        return {form.IncludeBtn->isEnabled(), form.IncAllBtn->isEnabled(), form.ExcludeBtn->isEnabled(),
                form.ExAllBtn->isEnabled(), form.BitBtn1->isEnabled()};
    }
};

TEST_F(DictionaryChooser, OffersTheDictionariesOfTheProgramFolder) {
    files({"a.slv", "b.slv", "slovausr.slv", "Test.SLV", "c.Slv", "notes.txt", "slv", "SlovaUsr.slv"});
    fs::create_directory(folder / "folder.slv");
    struct Case {
        int tag;
        std::vector<std::string> wordSearch, crossword;
        QStringList offered, chosen;
    };
    const Case cases[] = {
        {1, {}, {}, {"a", "b", "c", "SlovaUsr", "slovausr", "Test"}, {}},
        {2, {}, {}, {"a", "b", "c", "SlovaUsr", "Test"}, {}},
        // Only the exact name counts as chosen.
        {1, {"test", "b"}, {"Test"}, {"a", "c", "SlovaUsr", "slovausr", "Test"}, {"b"}},
        {2, {"test", "b"}, {"Test"}, {"a", "b", "c", "SlovaUsr"}, {"Test"}},
        // The choice's order; a chosen name without its file is not shown.
        {1, {"c", "gone", "a", "c"}, {}, {"b", "SlovaUsr", "slovausr", "Test"}, {"c", "a"}},
        {7, {"a"}, {"a"}, {"a", "b", "c", "SlovaUsr", "slovausr", "Test"}, {}},
    };
    for (const Case& c : cases) {
        wordSearchDictionaryNames = c.wordSearch;
        crosswordDictionaryNames = c.crossword;
        Tslovnikyform form;
        form.Tag = c.tag;
        form.show();
        const std::string name = "tag " + std::to_string(c.tag) + ", first choice " +
                                 (c.wordSearch.empty() ? std::string("-") : c.wordSearch[0]);
        EXPECT_EQ(entries(form.SrcList), c.offered) << name;
        EXPECT_EQ(entries(form.DstList), c.chosen) << name;
        EXPECT_EQ(form.BitBtn1->isEnabled(), !c.chosen.isEmpty()) << name;
        EXPECT_EQ(form.IncludeBtn->isEnabled(), !c.offered.isEmpty()) << name;
    }
}

TEST_F(DictionaryChooser, OffersCzechNamesInCzechOrder) {
    files({"\xC4\x8D" "aj.slv", "cukr.slv", "hrad.slv", "chata.slv", "d.slv"});  // čaj
    wordSearchDictionaryNames = {};
    Tslovnikyform form;
    form.Tag = 1;
    form.show();
    EXPECT_EQ(entries(form.SrcList), (QStringList{"cukr", "čaj", "d", "hrad", "chata"}));
    form.IncAllBtnClick();
    EXPECT_EQ(form.chosenNames(), (std::vector<std::string>{"cukr", cp("čaj"), "d", "hrad", "chata"}));
}

TEST_F(DictionaryChooser, MovesTheSelectionAndSelectsWhereItStood) {
    files({"a.slv", "b.slv", "c.slv", "d.slv", "e.slv"});
    Tslovnikyform form;
    form.Tag = 1;
    form.show();
    EXPECT_EQ(buttons(form), (std::vector<bool>{true, true, false, false, false}));

    // The 2nd and 4th of five: the 4th arrives first; the entry now 2nd is selected.
    form.SrcList->item(1)->setSelected(true);
    form.SrcList->item(3)->setSelected(true);
    form.IncludeBtn->click();
    EXPECT_EQ(entries(form.DstList), (QStringList{"d", "b"}));
    EXPECT_EQ(entries(form.SrcList), (QStringList{"a", "c", "e"}));
    EXPECT_EQ(selectedRows(form.SrcList), std::vector<int>{1});
    EXPECT_EQ(buttons(form), (std::vector<bool>{true, true, true, true, true}));

    // The selected row is clamped to the last entry left.
    form.SrcList->clearSelection();
    form.SrcList->item(2)->setSelected(true);
    form.IncludeBtn->click();
    EXPECT_EQ(selectedRows(form.SrcList), std::vector<int>{1});
    EXPECT_EQ(entries(form.DstList), (QStringList{"d", "b", "e"}));

    // Back to the left, which stays in order; with nothing selected the first entry gets selected.
    form.DstList->clearSelection();
    form.DstList->item(0)->setSelected(true);
    form.DstList->item(2)->setSelected(true);
    form.ExcludeBtn->click();
    EXPECT_EQ(entries(form.SrcList), (QStringList{"a", "c", "d", "e"}));
    EXPECT_EQ(entries(form.DstList), QStringList{"b"});
    EXPECT_EQ(selectedRows(form.DstList), std::vector<int>{0});
    form.SrcList->clearSelection();
    form.IncludeBtn->click();
    EXPECT_EQ(entries(form.SrcList), (QStringList{"a", "c", "d", "e"}));
    EXPECT_EQ(selectedRows(form.SrcList), std::vector<int>{0});

    // Everything over in list order, and everything back.
    form.IncAllBtn->click();
    EXPECT_EQ(entries(form.DstList), (QStringList{"b", "a", "c", "d", "e"}));
    EXPECT_EQ(form.SrcList->count(), 0);
    EXPECT_EQ(buttons(form), (std::vector<bool>{false, false, true, true, true}));
    form.ExAllBtn->click();
    EXPECT_EQ(entries(form.SrcList), (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(buttons(form), (std::vector<bool>{true, true, false, false, false}));
}

TEST_F(DictionaryChooser, OkReplacesTheChoiceAndWritesItsFile) {
    files({"a.slv", "b.slv", "c.slv"});
    struct Case {
        int tag;
        const char* file;
        DictionaryNameTable& table;
    };
    const Case cases[] = {{1, "osmslov.sav", wordSearchDictionaryNames}, {2, "krislov.sav", crosswordDictionaryNames}};
    dictionaryWords.addKey("loaded");
    for (const Case& c : cases) {
        c.table = {"gone", "b"};
        folder.write(c.file, "gone\r\nb\r\n");

        // Storno changes nothing.
        whenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("BitBtn2")->click(); });
        EXPECT_FALSE(runDictionaryChooser(nullptr, c.tag));
        EXPECT_EQ(c.table, (DictionaryNameTable{"gone", "b"}));
        EXPECT_EQ(folder.read(c.file), "gone\r\nb\r\n");

        whenDialog<Tslovnikyform>([](Tslovnikyform* form) {
            EXPECT_EQ(form->windowTitle(), QStringLiteral("Vyberte slovníky"));
            form->SrcList->item(1)->setSelected(true);  // c
            form->IncludeBtn->click();
            form->BitBtn1->click();
        });
        EXPECT_TRUE(runDictionaryChooser(nullptr, c.tag));
        EXPECT_EQ(c.table, (DictionaryNameTable{"b", "c"})) << c.file;
        EXPECT_EQ(folder.read(c.file), "b\r\nc\r\n") << c.file;
    }
    // The stores change only at the next start.
    EXPECT_EQ(walkKeys(dictionaryWords), std::vector<std::string>{"loaded"});
}

TEST_F(DictionaryChooser, AChoiceThatCannotBeWrittenIsReported) {
    files({"a.slv"});
    fs::create_directories(folder / "osmslov.sav" / "blocked");
    ScriptedDesktop desktop;
    whenDialog<Tslovnikyform>([](Tslovnikyform* form) {
        form->IncAllBtn->click();
        form->BitBtn1->click();
    });
    EXPECT_TRUE(runDictionaryChooser(nullptr, 1));
    EXPECT_EQ(wordSearchDictionaryNames, DictionaryNameTable{"a"});
    EXPECT_EQ(desktop.boxTexts(),
              QStringList{"Chyba při ukládání výběru slovníků. Výběr proto při příštím spuštění nebude platit."});
}

}  // namespace
