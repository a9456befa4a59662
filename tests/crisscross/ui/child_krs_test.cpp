#include "tests/crisscross/ui/krs_window_fixture.h"

#include "crisscross/ui/digit_table_form.h"
#include "document/ui/designer_form.h"
#include "document/ui/phrase_form.h"
#include "platform/ui/codec.h"
#include "platform/ui/file_chooser.h"
#include "platform/ui/file_messages.h"
#include "support/ui/modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>

#include <climits>
#include <optional>

namespace fs = std::filesystem;

namespace {

std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

using Rows = std::vector<std::string>;

// How the secret-phrase and digit-table dialogs are answered in one action:
// the phrase typed (nothing: cancel), the letters typed into the table
// (digit → letter) and whether the table is confirmed. Records the letters
// the table showed.
struct PhraseAnswers {
    explicit PhraseAnswers(std::optional<QString> typed, std::vector<std::pair<int, QString>> typedLetters = {},
                           bool confirm = true)
        : phrase(std::move(typed)), letters(std::move(typedLetters)), confirmTable(confirm) {}

    std::optional<QString> phrase;
    std::vector<std::pair<int, QString>> letters;
    bool confirmTable = true;
    QStringList tableShown;
    int tablesShown = 0;

    void answer(QWidget* dialog) {
        if (auto* form = qobject_cast<Ttajenkaform*>(dialog)) {
            EXPECT_EQ(form->letterLimit(), 10);
            if (!phrase) {
                form->BitBtn2->click();
                return;
            }
            form->inputboxtajenka->setText(*phrase);
            form->BitBtn1->click();
        } else if (auto* table = qobject_cast<Tkrspiscisform*>(dialog)) {
            ++tablesShown;
            tableShown = table->letters();
            for (const auto& [digit, letter] : letters) table->StringGrid1->item(1, digit)->setText(letter);
            if (confirmTable) table->btnok->click();
            else table->reject();
        } else {
            ADD_FAILURE() << "an unexpected dialog " << dialog->objectName().toStdString();
            static_cast<QDialog*>(dialog)->reject();
        }
    }
};

// The text the digit table shows for digit d's entry: what fits its cell
// between the style's text margins, and nothing of a cell outside the table.
QString shownEntry(const QTableWidget* table, int digit) {
    const QRect cell = table->visualRect(table->model()->index(1, digit));
    if (!table->viewport()->rect().contains(cell)) return QStringLiteral("(cut off)");
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    return table->fontMetrics().elidedText(table->item(1, digit)->text(), Qt::ElideRight, cell.width() - 2 * margin);
}

void run(QAction* action, PhraseAnswers& answers) {
    ModalAnswers modal([&](QWidget* dialog) { answers.answer(dialog); });
    action->trigger();
}

}  // namespace

TEST_F(KrsWindowTest, ANewWindowHasItsGridNumberListActionsAndMenus) {
    start();
    auto* window = newDocument();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->grid().currentCols(), 10);
    EXPECT_EQ(window->grid().cellShapes()[3][3]->cursor, cellcursor::platformDefault);
    EXPECT_FALSE(window->grid().rightBars()[3][3].has_value());
    EXPECT_EQ(window->Splitter1->widget(0), window->ScrollBox1);
    EXPECT_EQ(window->Splitter1->widget(1), window->ListBox1);
    EXPECT_EQ(window->ListBox1->count(), 0);
    EXPECT_EQ(window->lastDigitKeyLine, -1);
    EXPECT_FALSE(window->hasSecretPhrase);
    EXPECT_EQ(window->SaveDialog1->filter, QStringLiteral("Kris-krosy (*.krs)|*.krs"));

    expectActions(window, {
                              {"acVelikost", "&Velikost", true},
                              {"acNavrhar", "Návrhář", true},
                              {"zadattajenku", "&Tajenka", true},
                              {"prirazenicisel", "&Přiřadit čísla", true},
                              {"smazatpismena", "S&mazat písmena", true},
                              {"vytvoritkrsnotopakovat", "&Vytvořit kris-kros bez možnosti opakovat čísla", true},
                              {"vytvoritkrsopakovat", "Vytvořit kris-kros s možností &opakovat čísla", true},
                              {"aczvolsablonu", "&Zvol šablonu", true},
                              {"aculozsablonu", "&Ulož šablonu", true},
                              {"aculoz", "&Uložit", true, QKeySequence(Qt::CTRL | Qt::Key_S)},
                              {"aculozjako", "Uložit j&ako...", true},
                              {"actisk", "&Tisk", true, QKeySequence(Qt::CTRL | Qt::Key_P)},
                              {"acexport", "&Export do Excelu", true},
                              {"acExportObr", "Uložit jako &obrázek", true},
                          });
    EXPECT_EQ(menuContents(window->menuupravy), "acVelikost acNavrhar zadattajenku prirazenicisel - smazatpismena");
    EXPECT_EQ(menuContents(window->menutvorba), "vytvoritkrsnotopakovat vytvoritkrsopakovat");
    EXPECT_EQ(menuContents(window->menusablony), "aczvolsablonu aculozsablonu");

    // The digit table made at start-up.
    ASSERT_NE(krspiscisform, nullptr);
    EXPECT_EQ(krspiscisform->windowTitle(), QStringLiteral("Kris-kros"));
    EXPECT_EQ(krspiscisform->StringGrid1->columnCount(), 10);
    EXPECT_EQ(krspiscisform->StringGrid1->rowCount(), 2);
    EXPECT_EQ(krspiscisform->StringGrid1->columnWidth(9), 18);
    EXPECT_EQ(krspiscisform->StringGrid1->rowHeight(1), 18);
    EXPECT_EQ(krspiscisform->StringGrid1->item(0, 7)->text(), QStringLiteral("7"));
    EXPECT_FALSE(krspiscisform->StringGrid1->item(0, 7)->flags() & Qt::ItemIsEditable) << "row 0 is fixed";
    EXPECT_TRUE(krspiscisform->StringGrid1->item(1, 7)->flags() & Qt::ItemIsEditable);
}

TEST_F(KrsWindowTest, ClearingTheDigitsKeepsTheSecretPhraseDigitsAndTheBlockedCells) {
    struct Case {
        const char* phrase;
        QString states;  // see states()
    };
    for (const Case& c : {Case{"", QStringLiteral("111011111")}, Case{"ab", QStringLiteral("111111111")}}) {
        SCOPED_TRACE(c.phrase);
        TMDIChildKrs* window = newKrs();
        ASSERT_NE(window, nullptr);
        draw(window, {"12#", "b3r", "#45"});
        window->secretPhrase = c.phrase;
        window->numberList = {"12", "345"};
        window->ListBox1->addItems({QStringLiteral("12"), QStringLiteral("345")});
        for (QAction* action : {window->acVelikost, window->zadattajenku, window->prirazenicisel})
            action->setEnabled(false);

        window->smazatpismena->trigger();
        EXPECT_EQ(picture(window), (Rows{"..#", "b.r", "#.."}));
        EXPECT_EQ(window->ListBox1->count(), 0);
        EXPECT_TRUE(window->numberList.empty()) << "the list box shows the one list";
        EXPECT_EQ(states(window), c.states);
    }
}

TEST_F(KrsWindowTest, ATemplateOfAnotherSizeResizesTheGridAndEmptiesIt) {
    TMindgridMainForm* frame = start();
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    draw(window, {"12#4", "b3r.", "#456"});
    window->numberList = {"12"};
    window->ListBox1->addItem(QStringLiteral("12"));
    window->secretPhrase = "ab";
    for (QAction* action : {window->acVelikost, window->zadattajenku, window->prirazenicisel}) action->setEnabled(false);

    folder.write("Sablony/tvar.sbl", crlf({"3", "2", "1", "0", "1", "1", "1", "0"}));
    desktop.answerFile(displayPath(folder / "Sablony" / "tvar"));
    window->aczvolsablonu->trigger();
    EXPECT_EQ(frame->OpenSabDialog->initialFolder, displayPath(folder / "Sablony"));
    EXPECT_EQ(picture(window), (Rows{".#.", "..#"}));
    EXPECT_EQ(window->ListBox1->count(), 0);
    EXPECT_TRUE(window->numberList.empty());
    EXPECT_EQ(states(window), QStringLiteral("111111111"));
    EXPECT_EQ(window->secretPhrase, "ab") << "the phrase stays";

    // A template of the same size empties the cells too, blocked ones shown again.
    draw(window, {"1r#", "b3r"});
    desktop.answerFile(displayPath(folder / "Sablony" / "tvar.sbl"));
    window->aczvolsablonu->trigger();
    EXPECT_EQ(picture(window), (Rows{".#.", "..#"}));
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

TEST_F(KrsWindowTest, TheDesignerMarksSecretPhraseCellsAndItsDigitsBecomeTheirTexts) {
    start();
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    Tnavrharform& form = *navrharform;
    draw(window, {"r5.", "b.r"});
    window->hasSecretPhrase = true;
    window->codedSecretPhrase = "1213";

    whenModal([&](QWidget* dialog) {
        ASSERT_EQ(dialog, &form);
        const ShapeDesigner& designer = form.designer();
        EXPECT_EQ(form.tools(), (ShapeDesigner::Tools{true, true, false, true}));
        EXPECT_EQ(designer.fullDigits, "1213");
        EXPECT_EQ(designer.cellText(1, 2), "1") << "the digit of a red cell is shown";
        EXPECT_EQ(designer.cellText(2, 1), "") << "other cells show none";
        EXPECT_EQ(designer.remainingDigits(), "213") << "the 1 is placed already";
        form.acTajenka->trigger();
        form.cellMouseDown(1, 1, Qt::RightButton);  // 2 into the red cell (1, 1)
        form.cellMouseDown(3, 1, Qt::LeftButton);   // (3, 1) red
        form.cellMouseDown(3, 1, Qt::RightButton);  // 1 into it
        form.cellMouseDown(3, 2, Qt::LeftButton);   // (3, 2) white again
        form.cellMouseDown(2, 1, Qt::LeftButton);   // (2, 1) red, its 5 not shown
        form.acSmazat_Zobrazit->trigger();
        form.cellMouseDown(2, 2, Qt::LeftButton);  // (2, 2) hidden
        form.BitBtn1->click();
    });
    window->acNavrharExecute();
    EXPECT_EQ(picture(window), (Rows{"crb", "b#."}));

    // "Storno" changes nothing, whatever was clicked.
    const KrsDocument before = window->toDocument();
    whenModal([&](QWidget*) {
        form.acTajenka->trigger();
        form.cellMouseDown(1, 2, Qt::LeftButton);
        form.acSmazatTajenku->trigger();
        form.BitBtn2->click();
    });
    window->acNavrharExecute();
    EXPECT_EQ(window->toDocument(), before);

    // Without a phrase there are no digits to place.
    window->hasSecretPhrase = false;
    whenModal([&](QWidget*) {
        EXPECT_FALSE(form.tools().digits);
        EXPECT_FALSE(form.acTajenka->isEnabled());
        form.BitBtn2->click();
    });
    window->acNavrharExecute();
}

TEST_F(KrsWindowTest, AGenerationFillsTheFreeCellsListsTheNumbersAndBuildsTheKey) {
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    draw(window, {"..", ".b"});
    window->secretPhrase = "ab";
    window->digitTable = {"a", "b", " ", " ", " ", " ", " ", " ", " ", " "};
    // Rows and columns of the first attempt are all 11; the second gives 21
    // twice; the third 45, 11, 41, 51.
    ScriptedDraws draws({1, 1, 1, 2, 1, 1, 4, 5, 1});
    window->randomSource = &draws;

    window->vytvoritkrsnotopakovat->trigger();
    EXPECT_TRUE(window->generating());
    EXPECT_EQ(states(window), QStringLiteral("000000000")) << "nothing changes the grid under the run";
    ASSERT_TRUE(eventually([&] { return !window->generating(); }));
    EXPECT_EQ(draws.count(), 9);
    EXPECT_EQ(picture(window), (Rows{"45", "1b"}));
    EXPECT_EQ(listed(window), (QStringList{"11", "41", "45", "51"}));
    EXPECT_EQ(window->numberList, (std::vector<std::string>{"11", "41", "45", "51"}));
    EXPECT_EQ(window->lastDigitKeyLine, 1);
    EXPECT_EQ(window->digitKey[0], "0 = a, ");
    EXPECT_EQ(window->digitKey[1], "1 = b.");
    EXPECT_EQ(states(window), QStringLiteral("010011111")) << "size and phrase are fixed now";
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

// Every draw 0: whole fills never give numbers that differ, so where some
// exist the search finds them, taking the lowest digit left at every cell.
TEST_F(KrsWindowTest, NumbersThatCannotDifferAllowRepeatsOnceAndOthersAreSearchedFor) {
    struct Case {
        const char* name;
        Rows grid;
        bool oneDigit;
        bool repeatAction;
        std::optional<QString> box;
        std::vector<std::string> numbers;  // empty: not looked at
    };
    Rows fiveRuns;  // eleven runs "5?5" with free middles: ten digits cannot make them differ
    for (int i = 0; i < 11; ++i) {
        fiveRuns.push_back("5.5");
        fiveRuns.push_back("###");
    }
    start();
    const Case cases[] = {
        {"a lone cell is two equal numbers", {"..#.", "####"}, true, false, TMDIChildKrs::repeatsAllowedText(), {}},
        {"the same with repeats allowed", {"..#.", "####"}, true, true, std::nullopt, {}},
        {"a filled grid generated again", {"12", "21"}, false, false, TMDIChildKrs::repeatsAllowedText(), {}},
        {"more runs than their numbers", fiveRuns, false, false, TMDIChildKrs::repeatsAllowedText(), {}},
        {"ten one-digit runs", {"..........", "##########"}, true, false, std::nullopt,
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0123456789"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.boxes.clear();
        setCrissCrossSettings(c.oneDigit, false);
        TMDIChildKrs* window = newKrs();
        ASSERT_NE(window, nullptr);
        window->resizeGrid(static_cast<int>(c.grid[0].size()), static_cast<int>(c.grid.size()));
        CellGrid& grid = window->grid();
        for (int row = 1; row <= grid.currentRows(); ++row)
            for (int col = 1; col <= grid.currentCols(); ++col) {
                const char cell = c.grid[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
                if (cell != '.') grid.setCellText(col, row, cell == '#' ? "@" : std::string(1, cell));
            }
        ScriptedDraws draws;
        window->randomSource = &draws;

        (c.repeatAction ? window->vytvoritkrsopakovat : window->vytvoritkrsnotopakovat)->trigger();
        ASSERT_TRUE(eventually([&] { return !window->generating(); }));
        EXPECT_EQ(desktop.boxTexts(), c.box ? QStringList{*c.box} : QStringList{});
        EXPECT_FALSE(window->numberList.empty());
        if (!c.numbers.empty()) {
            EXPECT_EQ(window->numberList, c.numbers);
        }
        EXPECT_EQ(states(window), QStringLiteral("010011111"));
        window->close();
    }
}

TEST_F(KrsWindowTest, StornoEndsTheRunAtOnceAndChangesNothing) {
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    draw(window, {"..", ".."});
    ScriptedDraws draws;  // every draw 0: the numbers never differ
    window->randomSource = &draws;
    window->drawnAttempts = LLONG_MAX;
    window->progressDelayMs = 0;
    window->zadattajenku->setEnabled(false);
    const QString statesBefore = states(window);
    const KrsDocument before = window->toDocument();

    window->vytvoritkrsnotopakovat->trigger();
    ASSERT_TRUE(eventually([&] { return window->progressWindow->isVisible(); }));
    window->progressWindow->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    EXPECT_FALSE(window->generating());
    EXPECT_FALSE(window->progressWindow->isVisible());
    const int drawn = draws.count();
    QApplication::processEvents();
    EXPECT_EQ(draws.count(), drawn) << "the worker has ended";
    EXPECT_EQ(window->toDocument(), before);
    EXPECT_EQ(states(window), statesBefore);
    EXPECT_TRUE(desktop.boxes.isEmpty());
}

TEST_F(KrsWindowTest, ClosingTheWindowMidRunWaitsForTheWorker) {
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    ScriptedDraws draws;
    window->randomSource = &draws;
    window->drawnAttempts = LLONG_MAX;
    window->vytvoritkrsnotopakovat->trigger();
    ASSERT_TRUE(eventually([&] { return draws.count() > 1000; }));  // it is drawing
    QPointer<TMDIChildKrs> closing = window;
    window->close();
    ASSERT_TRUE(closing);
    EXPECT_FALSE(window->generating());
    const int drawn = draws.count();
    settle();
    EXPECT_EQ(draws.count(), drawn) << "no draw after the window closed";
    EXPECT_TRUE(desktop.boxes.isEmpty());
}

TEST_F(KrsWindowTest, ANewPhraseGetsItsDigitsFromTheTableTheUserConfirms) {
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);

    // "abc": the table shows a, b, c and blanks; the user adds a under 5.
    PhraseAnswers first{QStringLiteral("  abc "), {{5, QStringLiteral(" a ")}}};
    run(window->zadattajenku, first);
    EXPECT_EQ(first.tableShown,
              (QStringList{"a", "b", "c", " ", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(window->secretPhrase, "abc");
    EXPECT_EQ(window->digitTable[5], "a");
    EXPECT_EQ(window->codedSecretPhrase, "0512");
    EXPECT_TRUE(window->hasSecretPhrase);
    EXPECT_TRUE(window->prirazenicisel->isEnabled());

    // The same phrase again keeps the user's table, and asks nothing more.
    PhraseAnswers same{QStringLiteral("abc")};
    run(window->zadattajenku, same);
    EXPECT_EQ(same.tablesShown, 0);
    EXPECT_EQ(window->codedSecretPhrase, "0512");

    // A new phrase whose table is cancelled is coded with the table assigned.
    PhraseAnswers cancelled{QStringLiteral("chata"), {{0, QStringLiteral("x")}}, false};
    run(window->zadattajenku, cancelled);
    EXPECT_EQ(cancelled.tablesShown, 1);
    EXPECT_EQ(window->codedSecretPhrase, "01232") << "digits, not letters";
    EXPECT_EQ(window->digitTable[0], "c");

    // An empty phrase over one clears the coded phrase.
    PhraseAnswers empty{QStringLiteral("   ")};
    run(window->zadattajenku, empty);
    EXPECT_EQ(window->secretPhrase, "");
    EXPECT_EQ(window->codedSecretPhrase, "");
    EXPECT_FALSE(window->hasSecretPhrase);
    EXPECT_FALSE(window->prirazenicisel->isEnabled());
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

TEST_F(KrsWindowTest, TheDigitTableShowsEveryEntryWhole) {
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    setCrissCrossSettings(false, true);
    QStringList given;
    QStringList typed;
    ModalAnswers answers([&](QWidget* dialog) {
        if (auto* form = qobject_cast<Ttajenkaform*>(dialog)) {
            form->inputboxtajenka->setText(QStringLiteral("chata"));
            form->BitBtn1->click();
        } else if (auto* table = qobject_cast<Tkrspiscisform*>(dialog)) {
            for (int digit = 0; digit < 10; ++digit) given << shownEntry(table->StringGrid1, digit);
            table->StringGrid1->item(1, 4)->setText(QStringLiteral("ch"));
            table->StringGrid1->item(1, 9)->setText(QStringLiteral("šťastný"));
            for (int digit : {4, 9}) typed << shownEntry(table->StringGrid1, digit);
            EXPECT_EQ(table->StringGrid1->columnWidth(1), 18) << "a column of one letter keeps its width";
            table->btnok->click();
        }
    });
    window->zadattajenku->trigger();
    EXPECT_EQ(given, (QStringList{"ch", "a", "t", " ", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(typed, (QStringList{"ch", "šťastný"}));
    EXPECT_EQ(window->codedSecretPhrase, "04121");
}

TEST_F(KrsWindowTest, APhraseOfMoreThanTenLettersOrATableThatCannotBeStoredChangesNothing) {
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    setCrissCrossSettings(false, true);
    PhraseAnswers ten{QStringLiteral("abdefgijkch")};
    run(window->zadattajenku, ten);
    EXPECT_EQ(window->codedSecretPhrase, "0123456789");
    const KrsDocument before = window->toDocument();

    struct Case {
        const char* name;
        QAction* action;
        PhraseAnswers answers;
        QString box;
    };
    setCrissCrossSettings(false, false);  // "ch" is two letters now
    Case cases[] = {
        {"eleven letters", window->zadattajenku, PhraseAnswers{QStringLiteral("abdefgijkhc")},
         TMDIChildKrs::tooManyLettersText()},
        {"a letter outside the code page", window->prirazenicisel,
         PhraseAnswers{std::nullopt, {{3, QStringLiteral("ж")}}}, codePageRefusal()},
        {"a line break", window->prirazenicisel, PhraseAnswers{std::nullopt, {{3, QStringLiteral("a\nb")}}},
         QStringLiteral("Písmena v tabulce nesmí obsahovat konec řádku.")},
        {"a cancelled table", window->prirazenicisel,
         PhraseAnswers{std::nullopt, {{3, QStringLiteral("q")}}, false}, QString()},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.boxes.clear();
        run(c.action, c.answers);
        EXPECT_EQ(desktop.boxTexts(), c.box.isEmpty() ? QStringList{} : QStringList{c.box});
        EXPECT_EQ(window->toDocument(), before);
    }

    // A confirmed table codes the phrase as the setting now has it.
    PhraseAnswers confirmed{std::nullopt, {{9, QStringLiteral("h")}}};
    run(window->prirazenicisel, confirmed);
    EXPECT_EQ(confirmed.tableShown[9], QStringLiteral("ch"));
    EXPECT_EQ(window->codedSecretPhrase, "0123456789") << "a to k keep 0 to 8, h is 9, c has none";
}
