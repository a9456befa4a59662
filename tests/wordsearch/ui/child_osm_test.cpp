#include "tests/wordsearch/ui/osm_window_fixture.h"

#include "document/ui/document_files.h"
#include "document/ui/phrase_form.h"
#include "document/ui/size_form.h"
#include "platform/core/czech.h"
#include "platform/ui/cell_grid_widget.h"
#include "support/ui/modal.h"
#include "wordsearch/core/generator_run.h"
#include "wordsearch/core/osm_file.h"
#include "wordsearch/ui/analyzer_start.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include <cstdlib>

namespace {

const QString created = QStringLiteral("1111011001 Pozastavit");
const QString generating = QStringLiteral("0000000110 Pozastavit");
const QString paused = QStringLiteral("0100000111 Spustit");
const QString finished = QStringLiteral("0001110000 Pozastavit");
const QString failed = QStringLiteral("0000010001 Pozastavit");
const QString cancelled = QStringLiteral("1111010001 Pozastavit");

// Answers the size dialog with a new size (after checking what it was preset
// with), or cancels it when `cols` is 0.
void answerSize(int presetCols, int presetRows, int cols, int rows) {
    whenDialog<Tnastavvelform>([=](Tnastavvelform* form) {
        EXPECT_EQ(form->SpinEdit1->value(), presetCols);
        EXPECT_EQ(form->SpinEdit2->value(), presetRows);
        if (cols == 0) {
            form->BitBtn2->click();
            return;
        }
        form->SpinEdit1->setValue(cols);
        form->SpinEdit2->setValue(rows);
        form->BitBtn1->click();
    });
}

// Types `phrase` into the secret-phrase dialog and confirms it (or cancels).
void enterPhrase(TMDIChildOsm* window, const QString& phrase, bool confirm = true) {
    whenDialog<Ttajenkaform>([=](Ttajenkaform* form) {
        EXPECT_EQ(form->letterLimit(), Ttajenkaform::noLetterLimit);
        form->inputboxtajenka->setText(phrase);
        (confirm ? form->BitBtn1 : form->BitBtn2)->click();
    });
    window->aczadattajenku->trigger();
}

// The letters of the red cells, read row by row.
std::string redLetters(const TMDIChildOsm* window) {
    std::string letters;
    for (int row = 1; row <= window->grid().currentRows(); ++row)
        for (int col = 1; col <= window->grid().currentCols(); ++col)
            if (window->grid().cellShapes()[col][row]->brush == colors::red)
                letters += window->grid().cellLabels()[col][row]->text;
    return letters;
}

}  // namespace

TEST_F(OsmWindowTest, ANewWindowHasItsGridWordsActionsMenusAndControls) {
    start();
    wordSearchWords = {"auto", "kolo", "les"};
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    wordSearchWords.push_back("most");
    EXPECT_EQ(window->documentWordSearchWords, (std::vector<std::string>{"auto", "kolo", "les"}));

    // A plain 10 × 10 grid, painted in the scroll box.
    EXPECT_EQ(window->grid().currentCols(), 10);
    EXPECT_EQ(window->grid().currentRows(), 10);
    EXPECT_EQ(window->grid().cellLabels()[10][10]->hint, "10.10");
    EXPECT_EQ(window->grid().cellShapes()[1][1]->cursor, cellcursor::platformDefault);
    EXPECT_FALSE(window->grid().rightBars()[1][1].has_value());
    auto* scrollBox = window->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
    ASSERT_NE(scrollBox, nullptr);
    auto* painted = qobject_cast<CellGridWidget*>(scrollBox->widget());
    ASSERT_NE(painted, nullptr);
    EXPECT_EQ(painted->cells(), &window->grid());

    expectActions(window, {
                              {"acVelikost", "&Velikost", true},
                              {"acNavrhar", "Návrhář", true},
                              {"aczadattajenku", "&Tajenka", true},
                              {"acupravitslova", "&Přidat/odebrat slova", true},
                              {"acVlozitslova", "Vložit do &editoru slova ze slovníku", true},
                              {"acanalyzovat", "&Analyzovat", false},
                              {"acsmazatpismena", "&Začít znovu", true},
                              {"generujosmismerku", "&Vytvořit osmisměrku", true},
                              {"zrusitgenerovani", "&Zrušit vytváření osmisměrky", false},
                              {"acstartstop", "Pozastavit", false},
                              {"aczvolsablonu", "&Zvol šablonu", true},
                              {"aculozsablonu", "&Ulož šablonu", true},
                              {"aculoz", "&Uložit", true, QKeySequence(Qt::CTRL | Qt::Key_S)},
                              {"aculozjako", "Ulož j&ako", true},
                              {"actisk", "&Tisk", true, QKeySequence(Qt::CTRL | Qt::Key_P)},
                              {"acExport", "&Export do Excelu", true},
                              {"acExportObr", "Uložit jako &obrázek", true},
                          });
    EXPECT_EQ(phase(window), created);
    EXPECT_EQ(menuContents(window->menuupravy),
              "acVelikost acNavrhar aczadattajenku - acupravitslova acVlozitslova acanalyzovat - acsmazatpismena");
    EXPECT_EQ(menuContents(window->menutvorba), "generujosmismerku zrusitgenerovani - acstartstop");
    EXPECT_EQ(menuContents(window->menusablony), "aczvolsablonu aculozsablonu");

    // The generator's switches, the editor, the status and the placed words.
    EXPECT_EQ(window->startstopbtn->defaultAction(), window->acstartstop);
    EXPECT_EQ(window->RadioGroup2->title(), QStringLiteral("Vkládání"));
    EXPECT_EQ(window->RadioGroup2->button(1)->text(), QStringLiteral("Podle abecedy"));
    EXPECT_EQ(window->RadioGroup2->itemIndex(), 0);
    EXPECT_EQ(window->RadioGroup1->title(), QStringLiteral("Vkládat slova"));
    EXPECT_EQ(window->RadioGroup1->button(2)->text(), QStringLiteral("Ze slovníků"));
    EXPECT_EQ(window->RadioGroup1->itemIndex(), 0);
    EXPECT_TRUE(window->Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(window->infopanel->text().isEmpty());
    EXPECT_EQ(window->ListBox1->count(), 0);
    EXPECT_EQ(window->generatorSlot(), 0);
}

TEST_F(OsmWindowTest, TheSizeButtonResizesTheGridAndKeepsThePlacedWords) {
    TMindgridMainForm* frame = start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    window->grid().setText(1, 1, "a");
    window->ListBox1->addItem(QStringLiteral("pes"));

    answerSize(10, 10, 0, 0);
    frame->ToolButton6->click();
    EXPECT_EQ(text(window, 1, 1), "a") << "cancelled";

    answerSize(10, 10, 12, 8);
    frame->ToolButton6->click();
    EXPECT_EQ(window->grid().currentCols(), 12);
    EXPECT_EQ(window->grid().currentRows(), 8);
    EXPECT_EQ(text(window, 1, 1), "");
    EXPECT_EQ(window->ListBox1->count(), 1) << "the placed words stay";

    answerSize(12, 8, 3, 40);
    window->acVelikost->trigger();
    EXPECT_EQ(window->grid().currentCols(), 3);
    EXPECT_EQ(window->grid().currentRows(), 40);
}

TEST_F(OsmWindowTest, AfterAResizeTheWindowIsStillTheActiveOne) {
    TMindgridMainForm* frame = start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    reactivate(frame);
    ASSERT_EQ(frame->clientArea()->activeSubWindow(), window);

    // The progress window takes the activation for a moment (with no window
    // manager here to hand it back); the frame asks for it again.
    window->resizeGrid(12, 8);
    QApplication::processEvents();
    EXPECT_TRUE(eventually([&] { return frame->isActiveWindow() && frame->clientArea()->activeSubWindow() == window; }));
    EXPECT_TRUE(belongsTo(frame->ToolButton2->defaultAction(), window));
}

TEST_F(OsmWindowTest, ThePhaseWalkFromGeneratingToPausedCancelledAndStartingAgain) {
    start();
    setWordSearchSettings(false, true, false, FailureReaction::Pause);
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    hide(window, 10, 10);
    hide(window, 1, 10);
    enterPhrase(window, QStringLiteral("les"));
    // One word that fits: it becomes the first word, and the pass then runs
    // dry and pauses itself. The other fits no line of the grid; with its
    // letters the pool could fill the grid, so the run does not end at once.
    window->documentWordSearchWords = {"pes", std::string(100, 'z')};
    EXPECT_TRUE(templatesEnabled(window));

    window->generujosmismerku->trigger();
    EXPECT_EQ(phase(window), generating);
    EXPECT_FALSE(templatesEnabled(window));
    EXPECT_NE(window->generatorSlot(), 0);
    EXPECT_EQ(status(window), QStringLiteral("Připravuji slovníky..."));

    ASSERT_TRUE(eventually([&] { return phase(window) == paused; })) << phase(window).toStdString();
    EXPECT_EQ(status(window), QStringLiteral("Vytváření je pozastaveno"));
    EXPECT_EQ(window->generatorSlot(), 0);
    EXPECT_EQ(window->placedWords(), std::vector<std::string>{"pes"});
    EXPECT_EQ(redLetters(window), "les");
    EXPECT_FALSE(templatesEnabled(window));

    window->zrusitgenerovani->trigger();
    EXPECT_EQ(phase(window), cancelled);
    EXPECT_EQ(status(window), QStringLiteral("Vytváření bylo stornováno"));
    EXPECT_FALSE(window->workerAlive());
    EXPECT_EQ(redLetters(window), "les") << "the letters placed so far stay";
    EXPECT_FALSE(templatesEnabled(window));

    window->acsmazatpismena->trigger();
    EXPECT_EQ(phase(window), created);
    EXPECT_TRUE(templatesEnabled(window));
    EXPECT_EQ(window->ListBox1->count(), 0);
    EXPECT_EQ(window->typedSecretPhrase(), "les") << "the phrase itself stays";
    for (int row = 1; row <= 10; ++row) {
        for (int col = 1; col <= 10; ++col) {
            const bool hidden = (row == 10 && (col == 1 || col == 10));
            EXPECT_EQ(visible(window, col, row), !hidden) << col << "." << row;
            EXPECT_EQ(text(window, col, row), hidden ? "@" : "") << col << "." << row;
            if (!hidden) {
                EXPECT_EQ(brush(window, col, row), colors::white) << col << "." << row;
            }
        }
    }
}

TEST_F(OsmWindowTest, PauseShowsNothingMoreResumeTakesTheNewPoolAndClosingWaitsForTheWorker) {
    start();
    // A pass that can never fill the grid starts over and over until stopped.
    setWordSearchSettings(false, true, false, FailureReaction::Restart);
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    // The long word fits no line of the grid, but its letters let the pool fill it.
    const std::string unplaceable(100, 'z');
    window->documentWordSearchWords = {"pes", unplaceable};
    window->Memo1->setPlainText(QStringLiteral("kolo"));
    window->generujosmismerku->trigger();
    ASSERT_TRUE(eventually([&] { return status(window) != QStringLiteral("Připravuji slovníky..."); }));

    window->acstartstop->trigger();
    EXPECT_EQ(phase(window), paused);
    EXPECT_EQ(status(window), QStringLiteral("Vytváření je pozastaveno"));
    EXPECT_EQ(window->generatorSlot(), 0);
    ASSERT_TRUE(eventually([&] { return !window->workerAlive(); }));
    // Whatever the stopped run still reported is not shown: grid and list agree.
    const OsmDocument atPause = window->toDocument();
    QTest::qWait(50);
    EXPECT_EQ(window->toDocument(), atPause);
    for (const std::string& word : atPause.words) EXPECT_TRUE(word == "pes" || word == "kolo") << word;

    // While paused the word source may change; the resumed run gets that pool.
    window->RadioGroup1->button(2)->click();
    window->acstartstop->trigger();
    EXPECT_EQ(phase(window), generating);
    EXPECT_EQ(window->wordPool, (std::vector<std::string>{"pes", unplaceable}));
    EXPECT_NE(window->generatorSlot(), 0);
    window->RadioGroup2->button(1)->click();  // the order may switch while it runs

    QPointer<TMDIChildOsm> closing = window;
    window->close();
    EXPECT_EQ(generatorTable().inUse(), 0) << "close returned before the worker ended";
    settle();
    EXPECT_TRUE(closing.isNull());
}

TEST_F(OsmWindowTest, ImpossiblePuzzlesEndOrStayCancellable) {
    start();
    struct Case {
        const char* what;
        std::vector<std::string> words;
        QString phrase;
        FailureReaction failure;
    };
    const Case cases[] = {
        {"phrase longer than its cells", {"pes"}, QStringLiteral("abcdefgh"), FailureReaction::Stop},
        {"no word fits as the first word", {"dlouheslovo"}, QString(), FailureReaction::Stop},
        {"phrase longer than its cells, starting over", {"pes"}, QStringLiteral("abcdefgh"), FailureReaction::Restart},
        {"no first word, starting over", {"dlouheslovo"}, QString(), FailureReaction::Restart},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setWordSearchSettings(false, true, false, c.failure);
        TMDIChildOsm* window = newOsm();
        ASSERT_NE(window, nullptr);
        window->resizeGrid(3, 3);
        if (!c.phrase.isEmpty()) enterPhrase(window, c.phrase);
        window->documentWordSearchWords = c.words;
        window->generujosmismerku->trigger();
        if (c.failure == FailureReaction::Stop) {
            ASSERT_TRUE(eventually([&] { return status(window) == QStringLiteral("Osmisměrku nelze dokončit"); }));
            EXPECT_EQ(phase(window), failed);
            EXPECT_EQ(window->generatorSlot(), 0);
            EXPECT_TRUE(eventually([&] { return !window->workerAlive(); }));
        } else {
            // Starting over never ends by itself; the window still answers and cancels.
            QTest::qWait(30);
            EXPECT_EQ(phase(window), generating);
            window->zrusitgenerovani->trigger();
            EXPECT_FALSE(window->workerAlive());
            EXPECT_EQ(phase(window), cancelled);
        }
        window->close();
        settle();
    }
    EXPECT_EQ(generatorTable().inUse(), 0);
}

// Four words from the editor can never fill 40 × 40 cells: the run ends at
// once with a message, whatever the on-failure choice, instead of starting
// over for ever.
TEST_F(OsmWindowTest, WordsTooFewToFillTheGridEndTheRunWithAMessage) {
    start();
    for (const FailureReaction failure : {FailureReaction::Restart, FailureReaction::Pause, FailureReaction::Stop}) {
        SCOPED_TRACE(static_cast<int>(failure));
        setWordSearchSettings(false, true, false, failure);
        desktop.boxes.clear();
        TMDIChildOsm* window = newOsm();
        ASSERT_NE(window, nullptr);
        window->resizeGrid(40, 40);
        enterPhrase(window, QStringLiteral("les"));
        window->RadioGroup1->button(1)->click();  // "Z editoru"
        window->documentWordSearchWords = shippedWords();
        window->Memo1->setPlainText(QStringLiteral("pes\nkolo\nauto\nstrom"));
        window->generujosmismerku->trigger();

        ASSERT_TRUE(eventually([&] { return !desktop.boxes.isEmpty(); }));
        EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Slova nestačí k zaplnění osmisměrky: počet písmen ve "
                                                                 "slovech je 16, počet volných políček mimo tajenku "
                                                                 "je 1597.")});
        EXPECT_EQ(phase(window), failed);
        EXPECT_EQ(status(window), QStringLiteral("Osmisměrku nelze dokončit"));
        EXPECT_EQ(window->generatorSlot(), 0);
        EXPECT_TRUE(eventually([&] { return !window->workerAlive(); }));
        EXPECT_EQ(window->ListBox1->count(), 0);
        window->close();
        settle();
    }
    EXPECT_EQ(generatorTable().inUse(), 0);
}

TEST_F(OsmWindowTest, TheWordPoolComesFromTheChosenSource) {
    start();
    setWordSearchSettings(false, true, false, FailureReaction::Pause);
    struct Case {
        int source;
        std::vector<std::string> dictionary;
        QString editor;
        std::vector<std::string> pool;  // empty: the start is refused
    };
    const Case cases[] = {
        {1, {"pes"}, QString(), {}},
        {0, {"pes"}, QStringLiteral("Pes"), {"pes"}},
        {0, {"les"}, QStringLiteral("pes\nles"), {"les", "pes"}},
        {1, {"les"}, QStringLiteral(" kolo \n\na@b\nauto"), {"auto", "kolo"}},
        {2, {"pes", "les"}, QStringLiteral("kolo"), {"les", "pes"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        desktop.boxes.clear();
        TMDIChildOsm* window = newOsm();
        ASSERT_NE(window, nullptr);
        window->RadioGroup1->button(c.source)->click();
        window->documentWordSearchWords = c.dictionary;
        window->Memo1->setPlainText(c.editor);
        window->generujosmismerku->trigger();
        if (c.pool.empty()) {
            EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral(
                                              "Ve slovníku nebo v editoru nejsou žádná slova. Generování nelze spustit.")});
            EXPECT_EQ(phase(window), created);
            EXPECT_TRUE(templatesEnabled(window));
            EXPECT_FALSE(window->workerAlive());
        } else {
            EXPECT_TRUE(desktop.boxes.isEmpty());
            EXPECT_EQ(window->wordPool, c.pool);
            window->zrusitgenerovani->trigger();
        }
        window->close();
        settle();
    }
}

TEST_F(OsmWindowTest, ASecondRunIsRefusedWhenEveryGeneratorEntryIsTaken) {
    start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    window->documentWordSearchWords = {"pes"};
    std::vector<int> taken;
    for (int slot; (slot = generatorTable().acquire()) != 0;) taken.push_back(slot);
    window->generujosmismerku->trigger();
    for (int slot : taken) generatorTable().release(slot);

    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_TRUE(desktop.boxes[0].text.contains(QStringLiteral("nelze začít vytvářet"))) << desktop.boxes[0].text.toStdString();
    EXPECT_EQ(phase(window), created);
    EXPECT_TRUE(templatesEnabled(window));
    EXPECT_EQ(window->generatorSlot(), 0);
    EXPECT_FALSE(window->workerAlive());
}

TEST_F(OsmWindowTest, TheSecretPhraseIsTrimmedAndProcessedAtEveryStart) {
    start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    const QString typed = QStringLiteral("  chata na horách ");
    const std::string asTyped = "chata na hor\xE1" "ch";

    setWordSearchSettings(true, true, false, FailureReaction::Pause);
    enterPhrase(window, typed);
    EXPECT_EQ(window->typedSecretPhrase(), asTyped);
    EXPECT_EQ(window->processedSecretPhrase(), "#atanahor\xE1#");

    setWordSearchSettings(false, true, false, FailureReaction::Pause);
    enterPhrase(window, typed);
    EXPECT_EQ(window->processedSecretPhrase(), "chatanahor\xE1" "ch");

    // Cancelled, or holding one of the grid's own marks: nothing changes.
    enterPhrase(window, QStringLiteral("jiná"), false);
    enterPhrase(window, QStringLiteral("a#b"));
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Tajenka nesmí obsahovat znaky @, # a ©.")});
    EXPECT_EQ(window->typedSecretPhrase(), asTyped);

    // The setting changed after the phrase was typed: the start uses the new one.
    setWordSearchSettings(true, true, false, FailureReaction::Pause);
    window->documentWordSearchWords = {"pes"};
    window->generujosmismerku->trigger();
    EXPECT_EQ(window->processedSecretPhrase(), "#atanahor\xE1#");
    window->zrusitgenerovani->trigger();
}

TEST_F(OsmWindowTest, AGeneratedPuzzleIsFinishedCheckedSavedAndReopened) {
    TMindgridMainForm* frame = start();
    const std::vector<std::string> dictionary = shippedWords();
    ASSERT_FALSE(dictionary.empty());
    ASSERT_EQ(setenv("TMP", (folder / "").c_str(), 1), 0);
    setWordSearchSettings(true, true, true, FailureReaction::Restart);

    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    window->resizeGrid(12, 12);
    hide(window, 1, 1);
    hide(window, 12, 12);
    enterPhrase(window, QStringLiteral("chata"));
    window->documentWordSearchWords = dictionary;
    window->generujosmismerku->trigger();
    ASSERT_TRUE(eventually([&] { return status(window) == QStringLiteral("Osmisměrka je hotova..."); }));

    EXPECT_EQ(phase(window), finished);
    const QString finishedTemplates = templateStates(window);
    EXPECT_EQ(finishedTemplates, QStringLiteral("00")) << "a template would empty the finished grid";
    EXPECT_EQ(window->generatorSlot(), 0);
    EXPECT_TRUE(eventually([&] { return !window->workerAlive(); }));
    for (int row = 1; row <= 12; ++row) {
        for (int col = 1; col <= 12; ++col) {
            const std::string letter = text(window, col, row);
            EXPECT_FALSE(letter.empty()) << col << "." << row;
            EXPECT_EQ(letter, czechUpperCase(letter)) << col << "." << row;
        }
    }
    EXPECT_EQ(text(window, 1, 1), "@");
    EXPECT_FALSE(visible(window, 12, 12));
    EXPECT_EQ(redLetters(window), "CHATA");
    EXPECT_GT(window->ListBox1->count(), 5);

    // The analyzer started by itself on a copy of the finished puzzle.
    ASSERT_EQ(desktop.starts.size(), 1);
    EXPECT_EQ(desktop.starts[0].program, displayPath(programFile("analyzer")));
    ASSERT_EQ(desktop.starts[0].arguments.size(), 1);
    const QString copy = desktop.starts[0].arguments[0];
    EXPECT_TRUE(copy.startsWith(displayPath(folder.path())) && copy.endsWith(QStringLiteral("/test.osm")))
        << copy.toStdString();
    const OsmReadResult copied = readOsmFile(localPath(copy));
    ASSERT_TRUE(std::holds_alternative<OsmDocument>(copied));
    EXPECT_EQ(std::get<OsmDocument>(copied), window->toDocument());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Osmisměrka1")) << "the copy does not rename the window";

    // Saved, closed and opened again: the same grid, phrase and words.
    const OsmDocument generated = window->toDocument();
    const QString path = displayPath(folder / "hotova.osm");
    desktop.answerFile(path);
    window->aculozjako->trigger();
    window->close();
    settle();
    frame->openFileByExtension(path);
    ASSERT_EQ(windows().size(), 1);
    auto* reopened = qobject_cast<TMDIChildOsm*>(windows()[0]);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->toDocument(), generated);
    // Read from its file, the finished puzzle looks as it did after the run.
    EXPECT_EQ(phase(reopened), finished);
    EXPECT_EQ(templateStates(reopened), finishedTemplates);

    // Started again with the analyzer setting off, the next run starts nothing.
    setWordSearchSettings(true, true, false, FailureReaction::Restart);
    reopened->documentWordSearchWords = dictionary;
    reopened->acsmazatpismena->trigger();
    EXPECT_TRUE(reopened->RadioGroup1->isEnabled());
    EXPECT_EQ(templateStates(reopened), QStringLiteral("11"));
    reopened->generujosmismerku->trigger();
    ASSERT_TRUE(eventually([&] { return status(reopened) == QStringLiteral("Osmisměrka je hotova..."); }));
    EXPECT_EQ(desktop.starts.size(), 1);
    unsetenv("TMP");
}
