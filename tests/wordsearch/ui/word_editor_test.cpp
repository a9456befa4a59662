#include "tests/wordsearch/ui/osm_window_fixture.h"

#include "stores/ui/dictionary_picker_form.h"
#include "stores/ui/word_editor_form.h"
#include "support/ui/modal.h"
#include "wordsearch/core/osm_file.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

}  // namespace

TEST_F(OsmWindowTest, TheWordListEditorAddsTrimmedNewWordsAndRemovesTheSelectedOne) {
    start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    window->ListBox1->addItem(QStringLiteral("les"));

    bool shown = false;
    whenDialog<Tupravitslovaform>([&](Tupravitslovaform* form) {
        shown = true;
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Přidat nebo odebrat zařazená slova"));
        EXPECT_EQ(items(form->ListBox1), QStringList{QStringLiteral("les")});
        EXPECT_TRUE(form->Edit1->text().isEmpty());
        // Typed words: trimmed, each spelling once, capitals a word of their own,
        // blanks alone nothing.
        for (const QString& typed : {QStringLiteral("  pes "), QStringLiteral("pes"), QStringLiteral("Pes"),
                                     QStringLiteral("   "), QString(), QStringLiteral("čáp")}) {
            form->Edit1->setText(typed);
            form->SpeedButton1->click();
            EXPECT_EQ(form->Edit1->text(), typed) << "the input keeps its text";
        }
        EXPECT_EQ(items(form->ListBox1), (QStringList{QStringLiteral("čáp"), QStringLiteral("les"),
                                                      QStringLiteral("Pes"), QStringLiteral("pes")}));
        // Nothing selected: "Vyjmout" leaves the list; then it takes the selected word.
        form->ListBox1->clearSelection();
        form->ListBox1->setCurrentItem(nullptr);
        form->SpeedButton2->click();
        EXPECT_EQ(form->ListBox1->count(), 4);
        form->ListBox1->setCurrentRow(1);
        form->SpeedButton2->click();
        EXPECT_EQ(items(form->ListBox1), (QStringList{QStringLiteral("čáp"), QStringLiteral("Pes"), QStringLiteral("pes")}));
        form->SpeedButton3->click();
    });
    window->acupravitslova->trigger();
    ASSERT_TRUE(shown);
    EXPECT_EQ(window->placedWords(), (std::vector<std::string>{"\xE8\xE1p", "Pes", "pes"}));
    EXPECT_EQ(window->toDocument().words, window->placedWords()) << "saving takes the edited list";

    // "Storno" after changes leaves the window's list as it was.
    whenDialog<Tupravitslovaform>([](Tupravitslovaform* form) {
        form->Edit1->setText(QStringLiteral("kolo"));
        form->SpeedButton1->click();
        form->SpeedButton4->click();
    });
    window->acupravitslova->trigger();
    EXPECT_EQ(window->placedWords(), (std::vector<std::string>{"\xE8\xE1p", "Pes", "pes"}));
}

// A word longer than the longer side of the grid could never lie in it, and
// no file could keep it: the editor refuses it ("ch" is one letter).
TEST_F(OsmWindowTest, TheWordListEditorRefusesAWordLongerThanTheGrid) {
    start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    window->resizeGrid(3, 4);
    whenDialog<Tupravitslovaform>([&](Tupravitslovaform* form) {
        for (const QString& typed : {QStringLiteral("chata"), QStringLiteral("pess"), QStringLiteral("chatar"),
                                     QStringLiteral("kolos"), QStringLiteral(" ryba ")}) {
            desktop.boxes.clear();
            form->Edit1->setText(typed);
            form->SpeedButton1->click();
            const bool tooLong = typed == QStringLiteral("chatar") || typed == QStringLiteral("kolos");
            EXPECT_EQ(desktop.boxTexts(),
                      tooLong ? QStringList{QStringLiteral("Slovo má víc písmen, než kolik se vejde do mřížky (nejvýše 4).")}
                              : QStringList{})
                << typed.toStdString();
        }
        form->SpeedButton3->click();
    });
    window->acupravitslova->trigger();
    EXPECT_EQ(window->placedWords(), (std::vector<std::string>{"chata", "pess", "ryba"}));
    const auto path = folder / "slova.osm";
    ASSERT_TRUE(writeOsmFile(path, window->toDocument()));
    EXPECT_TRUE(std::holds_alternative<OsmDocument>(readOsmFile(path))) << "what the list holds opens again";
}

TEST_F(OsmWindowTest, WordsOfAChosenDictionaryAreAppendedToTheEditor) {
    start();
    folder.write("zvirata.slv", "pes\r\nkocka\r\n");
    folder.write("auta.SLV", "tatra\nskoda\n");
    folder.write("pozn.txt", "nic\n");
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);

    const auto choose = [](int index, bool confirm, const std::function<void()>& before = {}) {
        whenDialog<Tvybratslovnikform>([=](Tvybratslovnikform* form) {
            EXPECT_EQ(form->windowTitle(), QStringLiteral("Vložit slova ze slovníku"));
            ASSERT_EQ(form->ComboBox1->count(), 2);
            EXPECT_EQ(form->ComboBox1->itemText(0), QStringLiteral("auta.SLV"));
            EXPECT_EQ(form->ComboBox1->itemText(1), QStringLiteral("zvirata.slv"));
            EXPECT_EQ(form->ComboBox1->currentIndex(), 0) << "the first is chosen";
            form->ComboBox1->setCurrentIndex(index);
            if (before) before();
            (confirm ? form->BitBtn1 : form->BitBtn2)->click();
        });
    };
    choose(1, false);
    window->acVlozitslova->trigger();
    EXPECT_TRUE(window->Memo1->toPlainText().isEmpty());

    // Every line, in order, also the words the editor holds already.
    choose(1, true);
    window->acVlozitslova->trigger();
    EXPECT_EQ(window->Memo1->toPlainText(), QStringLiteral("pes\nkocka"));
    choose(1, true);
    window->acVlozitslova->trigger();
    choose(0, true);
    window->acVlozitslova->trigger();
    const QString all = QStringLiteral("pes\nkocka\npes\nkocka\ntatra\nskoda");
    EXPECT_EQ(window->Memo1->toPlainText(), all);

    // A dictionary gone by the time it is read.
    choose(1, true, [&] { std::filesystem::remove(folder / "zvirata.slv"); });
    window->acVlozitslova->trigger();
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Chyba při otevírání slovníku zvirata.slv")});
    EXPECT_EQ(window->Memo1->toPlainText(), all);
}
