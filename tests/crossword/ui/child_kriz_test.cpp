#include "tests/document/core/shown_bars.h"
#include "tests/document/ui/candidates.h"
#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "crossword/ui/child_kriz.h"
#include "document/ui/size_form.h"
#include "stores/core/word_stores.h"
#include "document/ui/designer_form.h"
#include "document/ui/direction_form.h"
#include "document/ui/picture_form.h"
#include "platform/ui/cell_grid_widget.h"
#include "platform/ui/file_messages.h"
#include "support/core/ci.h"
#include "support/core/cp1250_text.h"
#include "support/ui/modal.h"
#include "support/core/temp_folder.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QSpinBox>

#include <algorithm>
#include <filesystem>

using CrosswordWindowTest = DocumentWindowTest<TMDIChildKriz, crosswordDocument>;

TEST_F(CrosswordWindowTest, ANewWindowHasItsGridWordStoresActionsAndMenus) {
    start();
    dictionaryWords.addKey("pes");
    dictionaryWords.addKey("kos");
    userWords.addKey("lev");
    auto* window = newDocument();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(walkKeys(window->documentDictionaryWords), (std::vector<std::string>{"pes", "kos"}));
    EXPECT_EQ(walkKeys(window->documentUserWords), std::vector<std::string>{"lev"});

    // Cells with the start cursor and hidden bars over their right and bottom edge.
    const CellGrid& grid = window->grid();
    EXPECT_EQ(grid.currentCols(), 10);
    EXPECT_EQ(grid.cellShapes()[4][7]->cursor, cellcursor::startCursor);
    EXPECT_EQ(grid.cellLabels()[4][7]->cursor, cellcursor::startCursor);
    ASSERT_TRUE(grid.rightBars()[10][10].has_value());
    ASSERT_TRUE(grid.bottomBars()[10][10].has_value());
    EXPECT_FALSE(grid.rightBars()[10][10]->visible);
    EXPECT_FALSE(grid.bottomBars()[10][10]->visible);

    expectActions(window, {
                              {"acVelikost", "&Velikost", true},
                              {"acNavrhar", "&Návrhář", true},
                              {"acSmazatpismena", "S&mazat písmena", true},
                              {"vytvoritlegendu", "&Vytvořit legendu", true},
                              {"dokoncitkrizovku", "&Dokončit křížovku", false},
                              {"opravitkrizovku", "&Opravit křížovku", false},
                              {"IsTajenka", "Tajenka", false},
                              {"smazatslovo", "Smazat", false},
                              {"btnvodorovne", "", false},
                              {"btnsvisle", "", false},
                              {"aczvolsablonu", "&Zvol šablonu", true},
                              {"aculozsablonu", "&Ulož šablonu", true},
                              {"aculoz", "&Uložit", true, QKeySequence(Qt::CTRL | Qt::Key_S)},
                              {"aculozjako", "Uložit j&ako...", true},
                              {"actisk", "&Tisk", true, QKeySequence(Qt::CTRL | Qt::Key_P)},
                              {"acExport", "&Export do Excelu", true},
                              {"acExportObr", "Uložit jako &obrázek", true},
                          });
    EXPECT_EQ(window->btnvodorovne->toolTip(), QStringLiteral("Označí okraje slova vodorovně"));
    EXPECT_EQ(window->btnsvisle->toolTip(), QStringLiteral("Označí okraje slova svisle"));
    EXPECT_EQ(window->acSmazatpismena->statusTip(), QStringLiteral("Smaže písmena z křížovky a zachová úpravy a tajenku"));
    EXPECT_EQ(menuContents(window->menuupravy), "acVelikost acNavrhar - acSmazatpismena");
    EXPECT_EQ(menuContents(window->menutvorba), "vytvoritlegendu dokoncitkrizovku");
    EXPECT_EQ(menuContents(window->menusablony), "aczvolsablonu aculozsablonu");
}

TEST_F(CrosswordWindowTest, ResizingKeepsTheBarsOfTheCellsThatStay) {
    TMindgridMainForm* frame = start();
    auto* window = newDocument();
    ASSERT_NE(window, nullptr);
    window->letterUse[2][3] = {letteruse::placed, letteruse::secretPhrase};
    window->grid().setRightBarVisible(2, 3, true);

    whenDialog<Tnastavvelform>([](Tnastavvelform* form) {
        form->SpinEdit1->setValue(12);
        form->SpinEdit2->setValue(8);
        form->BitBtn1->click();
    });
    frame->ToolButton6->click();
    EXPECT_EQ(window->grid().currentCols(), 12);
    EXPECT_TRUE(window->grid().rightBars()[2][3]->visible) << "bars of cells that stay are kept";
    ASSERT_TRUE(window->grid().bottomBars()[12][8].has_value());
    EXPECT_FALSE(window->grid().hasCell(10, 10));
}

namespace {

// A crossword in the running frame, cells of 20 pixels, and a user's hands.
class CrosswordFillTest : public CrosswordWindowTest {
protected:
    void SetUp() override {
        CrosswordWindowTest::SetUp();
        writeConfig({0, 0, 0, 0, 20, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0});  // "ch" as one letter, all stores
    }

    TMDIChildKriz* startCrossword(std::initializer_list<const char*> dictionary) {
        start();
        for (const char* word : dictionary) dictionaryWords.addKey(word);
        return newDocument();
    }

    static QPoint centre(int col, int row) {
        const CellRect r = cellgeometry::label(col, row, frameSettings.cellSize());
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    static void click(TMDIChildKriz* window, int col, int row) {
        QTest::mouseClick(window->cellGrid, Qt::LeftButton, {}, centre(col, row));
    }
    static void select(TMDIChildKriz* window, int c1, int r1, int c2, int r2) {
        click(window, c1, r1);
        click(window, c2, r2);
    }
    static bool searched(TMDIChildKriz* window) {
        return QTest::qWaitFor([window] {
            const QString status = window->infopanel->text();
            return status == QStringLiteral("Nalezená slova") || status == QStringLiteral("Žádné slovo nebylo nalezeno");
        });
    }
    static std::string row(const TMDIChildKriz* window, int r) {
        std::string line;
        for (int c = 1; c <= window->grid().currentCols(); ++c) {
            const std::string text = window->grid().cellText(c, r);
            line += text.empty() ? "." : text;
        }
        return line;
    }
    static std::vector<std::string> bars(const TMDIChildKriz* window) { return shownBars(window->grid()); }
    // Every cell's letter uses, "hv" each, a row a line.
    static std::vector<std::string> uses(const TMDIChildKriz* window) {
        std::vector<std::string> lines;
        for (int r = 1; r <= window->grid().currentRows(); ++r) {
            std::string line;
            for (int c = 1; c <= window->grid().currentCols(); ++c)
                line += std::to_string(window->letterUse[c][r].horizontal) +
                        std::to_string(window->letterUse[c][r].vertical) + " ";
            lines.push_back(line);
        }
        return lines;
    }
    static Color brush(const TMDIChildKriz* window, int col, int row) {
        return window->grid().cellShapes()[col][row]->brush;
    }
};

TEST_F(CrosswordFillTest, TheEndMarkButtonsAndTajenkaShowTheBarsOfTheirSelection) {
    TMDIChildKriz* window = startCrossword({});
    window->grid().setText(3, 2, "t");
    window->letterUse[4][2] = {letteruse::secretPhrase, letteruse::secretPhrase};
    const std::vector<std::string> usesBefore = uses(window);

    struct Case {
        const char* what;
        CellPos first, second;
        QAction* TMDIChildKriz::*button;
        std::vector<std::string> bars;
    };
    const Case cases[] = {
        {"↔ on one cell", {4, 4}, {4, 4}, &TMDIChildKriz::btnvodorovne, {"R3.4", "R4.4"}},
        {"↔ in column 1: its own bar only", {1, 5}, {1, 5}, &TMDIChildKriz::btnvodorovne, {"R1.5"}},
        {"↕ on one cell", {4, 4}, {4, 4}, &TMDIChildKriz::btnsvisle, {"B4.3", "B4.4"}},
        {"↕ in row 1: its own bar only", {6, 1}, {6, 1}, &TMDIChildKriz::btnsvisle, {"B6.1"}},
        {"Tajenka across, clicked right to left", {6, 2}, {3, 2}, &TMDIChildKriz::IsTajenka, {"R2.2", "R6.2"}},
        {"Tajenka down", {2, 3}, {2, 7}, &TMDIChildKriz::IsTajenka, {"B2.2", "B2.7"}},
        {"Tajenka from column 1", {1, 8}, {4, 8}, &TMDIChildKriz::IsTajenka, {"R4.8"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int col = 1; col <= 10; ++col)
            for (int r = 1; r <= 10; ++r) {
                window->grid().setRightBarVisible(col, r, false);
                window->grid().setBottomBarVisible(col, r, false);
            }
        select(window, c.first.col, c.first.row, c.second.col, c.second.row);
        (window->*c.button)->trigger();
        EXPECT_EQ(bars(window), c.bars);
    }
    EXPECT_EQ(row(window, 2), "..t.......") << "letters stay";
    EXPECT_EQ(uses(window), usesBefore) << "letter uses stay";
}

TEST_F(CrosswordFillTest, SmazatPismenaKeepsTheSecretLettersAndEveryUseAndHidesTheBars) {
    TMDIChildKriz* window = startCrossword({});
    CellGrid& grid = window->grid();
    const struct {
        int col;
        const char* text;
        LetterUse use;
    } cells[] = {
        {1, "a", {letteruse::placed, letteruse::unused}},
        {2, "b", {letteruse::secretPhrase, letteruse::unused}},
        {3, "c", {letteruse::unused, letteruse::secretPhrase}},
        {4, "ch", {letteruse::placed, letteruse::placed}},
        {6, "d", {letteruse::secretPhrase, letteruse::secretPhrase}},
    };
    for (const auto& cell : cells) {
        grid.setText(cell.col, 1, cell.text);
        window->letterUse[cell.col][1] = cell.use;
    }
    grid.setHidden(5, 1, true);
    grid.setBrush(6, 1, colors::red);
    grid.setRightBarVisible(1, 1, true);
    grid.setBottomBarVisible(3, 1, true);
    grid.setRightBarVisible(10, 10, true);
    const std::vector<std::string> usesBefore = uses(window);

    window->acSmazatpismena->trigger();
    EXPECT_EQ(row(window, 1), ".bc.@d....");
    EXPECT_TRUE(grid.isHidden(5, 1));
    EXPECT_EQ(brush(window, 6, 1), colors::red);
    EXPECT_EQ(uses(window), usesBefore);
    EXPECT_EQ(bars(window), std::vector<std::string>{});
}

TEST_F(CrosswordFillTest, ATemplateOfTheSameSizeEmptiesTheGridAndDropsTheSelection) {
    TMDIChildKriz* window = startCrossword({"pes"});
    CellGrid& grid = window->grid();
    grid.setText(4, 4, "x");
    grid.setBrush(5, 5, colors::red);
    grid.setHidden(9, 9, true);
    grid.setRightBarVisible(2, 2, true);
    grid.setBottomBarVisible(3, 3, true);
    window->letterUse[4][4] = {letteruse::placed, letteruse::secretPhrase};
    select(window, 1, 1, 3, 1);
    ASSERT_TRUE(searched(window));
    ASSERT_EQ(candidates(window), QStringList{"pes"});

    // 10 × 10 with (2, 1) and (10, 10) hidden; (9, 9) is shown again.
    std::string lines = "10\r\n10\r\n";
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 10; ++c) lines += (c == 2 && r == 1) || (c == 10 && r == 10) ? "0\r\n" : "1\r\n";
    folder.write("Sablony/ctverec.sbl", lines);
    desktop.answerFile(displayPath(folder / "Sablony" / "ctverec"));
    window->aczvolsablonu->trigger();

    EXPECT_EQ(row(window, 1), ".@........");
    EXPECT_EQ(row(window, 4), "..........");
    EXPECT_EQ(row(window, 9), "..........");
    EXPECT_EQ(row(window, 10), ".........@");
    EXPECT_FALSE(grid.isHidden(9, 9));
    EXPECT_EQ(brush(window, 5, 5), colors::white);
    EXPECT_EQ(brush(window, 1, 1), colors::white) << "no highlight left";
    EXPECT_EQ(bars(window), std::vector<std::string>{});
    EXPECT_EQ(uses(window), uses(newDocument())) << "every use free";
    EXPECT_EQ(window->engine().selection().firstCell.col, 0);
    EXPECT_TRUE(candidates(window).isEmpty());
    EXPECT_TRUE(window->infopanel->text().isEmpty());
    EXPECT_FALSE(window->smazatslovo->isEnabled());
    EXPECT_FALSE(window->IsTajenka->isEnabled());
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char(' ')).toStdString();
}

TEST_F(CrosswordFillTest, TheDictionaryChoiceListsTheWordsOfItsOwnStores) {
    start();
    dictionaryWords.addKey("pes");
    userWords.addKey("lev");
    builtinWords.addKey("kos");
    TMDIChildKriz* window = newDocument();
    ASSERT_NE(window, nullptr);
    const struct {
        int choice;
        QStringList listed;
    } cases[] = {
        {0, {"kos", "lev", "pes"}},  // all
        {1, {"kos"}},                // the crossword words only
        {2, {"lev"}},                // the user's words only
    };
    for (const auto& c : cases) {
        crosswordSettings.bytes[3] = static_cast<std::uint8_t>(c.choice);
        select(window, 1, 1, 3, 1);
        ASSERT_TRUE(searched(window)) << c.choice;
        EXPECT_EQ(candidates(window), c.listed) << c.choice;
    }
}

TEST_F(CrosswordFillTest, TypedWordsCountChAsTheSettingSaysAndOnlyNewOnesJoinTheUserWords) {
    TMDIChildKriz* window = startCrossword({"pes"});
    userWords.addKey("lev");
    window->documentUserWords.addKey("lev");
    builtinWords.addKey("kos");

    // "Vložit" takes a word of as many letters as the slot has cells.
    select(window, 1, 2, 4, 2);
    ASSERT_TRUE(searched(window));
    const struct {
        bool chAsOne;
        const char* typed;
        bool enabled;
    } typings[] = {{true, "chata", true}, {true, "chat", false}, {false, "chata", false}, {false, "chat", true}};
    for (const auto& t : typings) {
        crosswordSettings.bytes[2] = t.chAsOne ? 1 : 0;
        window->inputword->clear();
        window->inputword->setText(QString::fromLatin1(t.typed));
        EXPECT_EQ(window->vlozitbutton->isEnabled(), t.enabled) << t.typed << " ch as one letter " << t.chAsOne;
    }
    window->inputword->clear();

    // Inserted words the dictionary or the user's words hold are not added.
    crosswordSettings.bytes[1] = 1;
    int r = 4;
    for (const char* word : {"pes", "lev", "kos"}) {
        select(window, 1, r, 3, r);
        ASSERT_TRUE(searched(window)) << word;
        window->inputword->setText(QString::fromLatin1(word));
        window->vlozitbutton->click();
        EXPECT_EQ(row(window, r), std::string(word) + ".......");
        ++r;
    }
    EXPECT_EQ(walkKeys(userWords), (std::vector<std::string>{"lev", "kos"}));
    EXPECT_EQ(walkKeys(window->documentUserWords), (std::vector<std::string>{"lev", "kos"}));
}

TEST_F(CrosswordFillTest, AFileOpensFieldByFieldAndSavesBackAsItWas) {
    TMDIChildKriz* window = startCrossword({});
    ASSERT_NE(window, nullptr);
    const std::string bytes = folder.read(testDataFolder() / "crossword" / "fixtures" / "building.kri");
    folder.write("stavba.kri", bytes);
    MindgridMainForm->openFileByExtension(displayPath(folder / "stavba.kri"));
    ASSERT_EQ(windows().size(), 2);
    auto* opened = qobject_cast<TMDIChildKriz*>(windows().last());
    ASSERT_NE(opened, nullptr);
    ASSERT_EQ(opened->grid().currentCols(), 3);
    EXPECT_EQ(row(opened, 1), "chat");
    EXPECT_EQ(row(opened, 2), "@.u");
    EXPECT_EQ(brush(opened, 2, 1), colors::red);
    EXPECT_EQ(bars(opened), (std::vector<std::string>{"R3.1", "B3.1", "R2.2", "B3.2"}));
    EXPECT_EQ(uses(opened), (std::vector<std::string>{"10 22 11 ", "00 00 01 "}));

    ASSERT_TRUE(opened->saveToFile(displayPath(folder / "kopie.kri")));
    EXPECT_EQ(folder.read("kopie.kri"), bytes);
}

TEST_F(CrosswordFillTest, TwoClicksHighlightTheSlotAndListTheWordsThatFitSorted) {
    TMDIChildKriz* window = startCrossword({"pes", "les", "kos", "les", "stan", "chata"});
    builtinWords.addKey("Les");
    window->grid().setBrush(2, 1, colors::red);

    select(window, 1, 1, 3, 1);
    EXPECT_EQ(window->grid().cellShapes()[1][1]->brush, colors::gray);
    EXPECT_EQ(window->grid().cellShapes()[2][1]->brush, colors::silver);
    ASSERT_TRUE(searched(window));
    EXPECT_EQ(window->infopanel->text(), QStringLiteral("Nalezená slova"));
    EXPECT_EQ(candidates(window), (QStringList{"kos", "Les", "les", "les", "pes"})) << "duplicates stay";
    EXPECT_TRUE(window->smazatslovo->isEnabled());
    EXPECT_TRUE(window->IsTajenka->isEnabled());

    // A double click puts the word in, with the bar after it.
    doubleClickCandidate(window, 4);
    EXPECT_EQ(row(window, 1), "pes.......");
    EXPECT_TRUE(window->grid().rightBars()[3][1]->visible);

    // With "ch" as one letter, a four-cell slot takes "chata".
    select(window, 1, 3, 1, 6);
    ASSERT_TRUE(searched(window));
    EXPECT_EQ(candidates(window), (QStringList{"chata", "stan"}));
    chooseCandidate(window, 0);
    QTest::keyClick(window->ListBox1, Qt::Key_Return);
    EXPECT_EQ(window->grid().cellText(1, 3), "ch");
    EXPECT_EQ(window->grid().cellText(1, 6), "a");
}

TEST_F(CrosswordFillTest, WithTheShippedDataEachCandidateIsListedOnceAndEachChoiceListsItsOwnWords) {
    const std::filesystem::path shipped(GRILPAD_PROGRAM_DIR);
    if (!std::filesystem::exists(shipped / "cestina.slv") || !std::filesystem::exists(shipped / "kriz.dat"))
        SKIP_OR_FAIL_IN_CI("the shipped dictionary cestina.slv and crossword words kriz.dat are not built");
    for (const char* name : {"mindgrid.cfg", "cestina.slv", "kriz.dat", "krislov.sav"})
        std::filesystem::copy_file(shipped / name, folder / name, std::filesystem::copy_options::overwrite_existing);
    TMDIChildKriz* window = startCrossword({});
    ASSERT_EQ(crosswordSettings.candidateSource(), CandidateSource::All);
    // The first word of a sorted list that stands there twice; empty when none does.
    const auto listedTwice = [](const QStringList& words) {
        const auto twice = std::adjacent_find(words.begin(), words.end());
        return twice == words.end() ? QString() : *twice;
    };

    // An empty slot of nine cells: some twenty thousand words, none twice.
    select(window, 1, 1, 9, 1);
    ASSERT_TRUE(searched(window));
    QStringList words = candidates(window);
    EXPECT_GT(words.size(), 20000);
    EXPECT_EQ(listedTwice(words), QString());

    // Three cells: Czech words and crossword words, each once; each choice lists its own.
    struct Case {
        CandidateSource choice;
        int pes;  // a word of the Czech dictionary
        int ibm;  // a crossword word
    };
    for (const Case c : {Case{CandidateSource::All, 1, 1}, Case{CandidateSource::BuiltinOnly, 0, 1},
                         Case{CandidateSource::UserOnly, 0, 0}}) {
        crosswordSettings.bytes[3] = static_cast<std::uint8_t>(c.choice);
        select(window, 1, 3, 3, 3);
        ASSERT_TRUE(searched(window));
        words = candidates(window);
        EXPECT_EQ(listedTwice(words), QString()) << static_cast<int>(c.choice);
        EXPECT_EQ(words.count(QStringLiteral("pes")), c.pes) << static_cast<int>(c.choice);
        EXPECT_EQ(words.count(QStringLiteral("ibm")), c.ibm) << static_cast<int>(c.choice);
    }
}

TEST_F(CrosswordFillTest, AfterARejectedSelectionTheOldCandidatesChangeNothing) {
    TMDIChildKriz* window = startCrossword({"pes"});
    select(window, 1, 1, 3, 1);
    ASSERT_TRUE(searched(window));
    ASSERT_EQ(candidates(window), QStringList{"pes"});

    select(window, 1, 1, 2, 2);  // a diagonal
    EXPECT_EQ(window->infopanel->text(), QStringLiteral("Špatný výběr polí"));
    EXPECT_EQ(candidates(window), QStringList{"pes"}) << "the list stays as it was";
    chooseCandidate(window, 0);
    window->ListBox1DblClick();
    window->ListBox1KeyPress(Qt::Key_Return);
    window->inputword->setText(QStringLiteral("pes"));
    EXPECT_FALSE(window->vlozitbutton->isEnabled());
    window->smazatslovoExecute();
    EXPECT_EQ(row(window, 1), "..........");
    EXPECT_EQ(row(window, 2), "..........");
}

TEST_F(CrosswordFillTest, ShrinkingUnderTheHoverFrameAndASelectionIsSafe) {
    TMDIChildKriz* window = startCrossword({"pes"});
    window->resizeGrid(20, 20);
    QTest::mouseMove(window->cellGrid, centre(15, 15));
    window->cellMouseMove(15, 15);
    ASSERT_EQ(window->hoverCell(), (CellPos{15, 15}));
    select(window, 12, 15, 18, 15);
    click(window, 14, 14);  // a first click is waiting

    window->resizeGrid(10, 10);
    EXPECT_EQ(window->hoverCell(), (CellPos{1, 1}));
    EXPECT_EQ(window->engine().selection().firstCell.col, 0);
    EXPECT_FALSE(window->engine().selection().waitingForSecondClick);
    EXPECT_TRUE(candidates(window).isEmpty() && window->infopanel->text().isEmpty());
    EXPECT_EQ(window->grid().cellShapes()[5][5]->cursor, cellcursor::startCursor);

    for (int col = 1; col <= 10; ++col) QTest::mouseMove(window->cellGrid, centre(col, col));
    select(window, 1, 10, 3, 10);
    ASSERT_TRUE(searched(window));
    EXPECT_EQ(candidates(window), QStringList{"pes"});
}

TEST_F(CrosswordFillTest, ATypedWordWithALetterTheCodePageLacksOrNoLetterAtAllIsRefused) {
    TMDIChildKriz* window = startCrossword({});
    crosswordSettings.bytes[1] = 1;  // inserted words go to the user's words
    select(window, 1, 1, 3, 1);
    ASSERT_TRUE(searched(window));
    for (const char* typed : {"pe@", "a b", "p3s", "pé;"}) {
        desktop.boxes.clear();
        window->inputword->setText(QString::fromUtf8(typed));
        window->vlozitbuttonClick();
        EXPECT_EQ(desktop.boxTexts(), QStringList{TMDIChildKriz::cannotInsert()}) << typed;
        EXPECT_TRUE(window->inputword->text().isEmpty());
    }
    EXPECT_EQ(row(window, 1), "..........");
    EXPECT_TRUE(walkKeys(userWords).empty());
    EXPECT_TRUE(walkKeys(window->documentUserWords).empty());

    // A good word goes in and into both user word lists, typed in capitals or not.
    window->inputword->setText(QStringLiteral("Kůň"));
    EXPECT_EQ(window->inputword->text(), QStringLiteral("kůň")) << "the edit takes lower case";
    window->vlozitbuttonClick();
    EXPECT_EQ(window->grid().cellText(2, 1), cp("ů"));
    EXPECT_EQ(walkKeys(userWords), std::vector<std::string>{cp("kůň")});
    EXPECT_EQ(walkKeys(window->documentUserWords), std::vector<std::string>{cp("kůň")});
}

TEST_F(CrosswordFillTest, TheEndMarkButtonsKeepTheirPicturesThroughEverySelection) {
    TMDIChildKriz* window = startCrossword({});
    const auto button = [window](QAction* action) -> QToolButton* {
        for (QToolButton* b : window->Panel5->findChildren<QToolButton*>())
            if (b->defaultAction() == action) return b;
        return nullptr;
    };
    struct Step {
        const char* what;
        int c1, r1, c2, r2;
        bool enabled;
    };
    const Step steps[] = {
        {"before any selection", 0, 0, 0, 0, false},
        {"one cell", 4, 4, 4, 4, true},
        {"a run", 1, 1, 3, 1, false},
        {"one cell again", 2, 5, 2, 5, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.c1) {
            select(window, step.c1, step.r1, step.c2, step.r2);
            ASSERT_TRUE(searched(window));
        }
        for (QAction* action : {window->btnvodorovne, window->btnsvisle}) {
            QToolButton* shown = button(action);
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->isEnabled(), step.enabled);
            EXPECT_EQ(shown->toolButtonStyle(), Qt::ToolButtonIconOnly);
            EXPECT_FALSE(shown->icon().isNull()) << "the picture stays";
            EXPECT_EQ(shown->icon().cacheKey(), action->icon().cacheKey());
            EXPECT_EQ(shown->toolTip(), action->toolTip());
        }
    }
    EXPECT_NE(window->btnvodorovne->icon().cacheKey(), window->btnsvisle->icon().cacheKey());
}

TEST_F(CrosswordFillTest, ClosingTheDirectionQuestionDropsTheInsertionAndTheDeletion) {
    TMDIChildKriz* window = startCrossword({});
    select(window, 4, 4, 4, 4);
    ASSERT_TRUE(searched(window));
    EXPECT_TRUE(window->btnvodorovne->isEnabled());

    whenDialog<Tvodsviform>([](Tvodsviform* form) { form->reject(); });  // Esc
    window->inputword->setText(QStringLiteral("a"));
    window->vlozitbuttonClick();
    EXPECT_EQ(window->grid().cellText(4, 4), "");

    whenDialog<Tvodsviform>([](Tvodsviform* form) { form->Button2->click(); });  // "Svisle"
    window->inputword->setText(QStringLiteral("a"));
    window->vlozitbuttonClick();
    EXPECT_EQ(window->grid().cellText(4, 4), "a");
    EXPECT_EQ(window->letterUse[4][4], (LetterUse{letteruse::unused, letteruse::placed}));
    EXPECT_TRUE(window->grid().bottomBars()[4][4]->visible);
    EXPECT_TRUE(window->grid().bottomBars()[4][3]->visible);

    whenDialog<Tvodsviform>([](Tvodsviform* form) { form->reject(); });
    window->smazatslovoExecute();
    EXPECT_EQ(window->grid().cellText(4, 4), "a");
}

TEST_F(CrosswordFillTest, AfterTheDesignerDeletingAWordClearsItsLetters) {
    TMindgridMainForm* frame = start();
    dictionaryWords.addKey("pes");
    auto* window = newDocument();
    ASSERT_NE(window, nullptr);
    select(window, 1, 2, 3, 2);
    ASSERT_TRUE(searched(window));
    chooseCandidate(window, 0);
    window->ListBox1DblClick();
    ASSERT_EQ(row(window, 2), "pes.......");

    // The designer: (2, 2) red, (9, 9) hidden, OK.
    whenDialog<Tnavrharform>([](Tnavrharform* form) {
        form->designer().setCellColor(2, 2, colors::red);
        form->designer().setCellShown(9, 9, false);
        form->BitBtn1->click();
    });
    frame->ToolButton7->click();
    EXPECT_EQ(window->letterUse[1][2], (LetterUse{letteruse::placed, letteruse::unused}));
    EXPECT_EQ(window->letterUse[2][2], (LetterUse{letteruse::secretPhrase, letteruse::secretPhrase}));
    EXPECT_TRUE(window->grid().isHidden(9, 9));
    EXPECT_EQ(window->engine().selection().firstCell.col, 0) << "the designer drops the selection";

    select(window, 1, 2, 3, 2);
    ASSERT_TRUE(searched(window));
    window->smazatslovoExecute();
    EXPECT_EQ(row(window, 2), ".e........") << "the secret letter stays, the others go";

    // The designer again, taking the red back: that cell is no longer secret.
    whenDialog<Tnavrharform>([](Tnavrharform* form) {
        form->designer().setCellColor(2, 2, colors::white);
        form->BitBtn1->click();
    });
    frame->ToolButton7->click();
    EXPECT_EQ(window->letterUse[2][2], LetterUse{});
}

TEST_F(CrosswordFillTest, ThePictureWindowGetsTextsStatesAndBars) {
    TMDIChildKriz* window = startCrossword({});
    window->grid().setText(1, 1, "a");
    window->grid().setRightBarVisible(1, 1, true);
    window->letterUse[2][1] = {letteruse::secretPhrase, letteruse::secretPhrase};
    window->letterUse[3][1] = {letteruse::secretPhrase, letteruse::secretPhrase};
    window->grid().setHidden(3, 1, true);  // a hidden secret cell is blocked
    PictureGrid shown;
    whenDialog<Tpictureform>([&shown](Tpictureform* form) {
        shown = *form;
        EXPECT_EQ(form->style(), PictureStyle::crosswordGrid);
        form->Button3->click();
    });
    window->acExportObr->trigger();
    EXPECT_EQ(shown.gridCols, 10);
    EXPECT_EQ(shown.cellTexts[0][0], "a");
    EXPECT_EQ(shown.cellMarks[0][0], PictureGrid::openCell);
    EXPECT_EQ(shown.cellMarks[1][0], PictureGrid::secretCell);
    EXPECT_EQ(shown.cellMarks[2][0], PictureGrid::blockedCell);
    EXPECT_EQ(shown.rightBarMarks[0][0], PictureGrid::barShown);
    EXPECT_EQ(shown.bottomBarMarks[0][0], PictureGrid::noBar);
}

TEST_F(CrosswordFillTest, OpravitGoesBackToBuildingWithTheTemplatesOn) {
    TMDIChildKriz* window = startCrossword({});
    window->legendMode = true;
    window->applyPhase();
    EXPECT_FALSE(window->aczvolsablonu->isEnabled());
    EXPECT_TRUE(window->opravitkrizovku->isEnabled());
    EXPECT_FALSE(window->ScrollBox1->isEnabled());
    EXPECT_TRUE(window->Panel4->isVisibleTo(window));

    window->opravitkrizovku->trigger();
    EXPECT_FALSE(window->legendMode);
    EXPECT_TRUE(window->aczvolsablonu->isEnabled());
    EXPECT_TRUE(window->aculozsablonu->isEnabled());
    EXPECT_TRUE(window->ScrollBox1->isEnabled());
    EXPECT_FALSE(window->opravitkrizovku->isEnabled());
    EXPECT_FALSE(window->Panel4->isVisibleTo(window));
}

}  // namespace

namespace {

class CrosswordLegendTest : public CrosswordFillTest {
protected:
    static QString clueCell(const QTableWidget* grid, int row) {
        const QTableWidgetItem* item = grid->item(row, 1);
        return item ? item->text() : QString();
    }
    static QString wordCell(const QTableWidget* grid, int row) {
        const QTableWidgetItem* item = grid->item(row, 0);
        return item ? item->text() : QString();
    }
    static void typeClue(QTableWidget* grid, int row, const QString& clue) { grid->item(row, 1)->setText(clue); }

    // Inserts `word` across from (col, row) through the slot window, as a user would.
    static void putAcross(TMDIChildKriz* window, int col, int row, const char* word) {
        const int length = static_cast<int>(std::string(word).size());
        select(window, col, row, col + length - 1, row);
        ASSERT_TRUE(searched(window));
        window->inputword->setText(QString::fromLatin1(word));
        window->vlozitbuttonClick();
    }
};

TEST_F(CrosswordLegendTest, TheBoxListsTheFirstProblemsWithTheirLineAndWordThenHowManyMore) {
    using Kind = crossword::LegendProblem::Kind;
    const QString mend = QStringLiteral("Klikněte na tlačítko \"Opravit křížovku\" a opravte křížovku.");
    EXPECT_EQ(TMDIChildKriz::problemsText({{Kind::unclosed, Direction::across, 1, 1, "abcd"}}),
              QStringLiteral("Chyba v řádku 1. pravděpodobně není ukončeno slovo č. 1. (Zjištěné slovo:  abcd).\n") + mend);
    EXPECT_EQ(TMDIChildKriz::problemsText({{Kind::incomplete, Direction::down, 7, 2, ""}}),
              QStringLiteral("Chyba ve sloupci 7. slovo č. 2 není celé vyplněno.\n") + mend);

    // Ten are listed; the rest are counted.
    struct Case {
        int problems;
        QString more;  // empty: no line counts more
    };
    const Case cases[] = {
        {10, {}},
        {11, QStringLiteral("A ještě 1 další chyba.")},
        {14, QStringLiteral("A ještě 4 další chyby.")},
        {15, QStringLiteral("A ještě 5 dalších chyb.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problems);
        std::vector<crossword::LegendProblem> problems;
        for (int line = 1; line <= c.problems; ++line)
            problems.push_back({Kind::incomplete, Direction::across, line, 1, ""});
        QStringList expected;
        for (int line = 1; line <= 10; ++line)
            expected << QStringLiteral("Chyba v řádku %1. slovo č. 1 není celé vyplněno.").arg(line);
        if (!c.more.isEmpty()) expected << c.more;
        expected << mend;
        EXPECT_EQ(TMDIChildKriz::problemsText(problems), expected.join(QLatin1Char('\n')));
    }
}

TEST_F(CrosswordLegendTest, OneBuildOnAFaultyGridShowsOneBoxAndKeepsTheEntries) {
    // 40 × 40, no letters but a word through a hidden cell at the start of
    // row 1, and a bar right of every other cell: 1,596 faulty pieces across.
    TMDIChildKriz* window = startCrossword({});
    window->resizeGrid(40, 40);
    CellGrid& grid = window->grid();
    const char* start[] = {"a", "b", "@", "c", "d"};
    for (int col = 1; col <= 5; ++col) grid.setCellText(col, 1, start[col - 1]);
    for (int row = 1; row <= 40; ++row)
        for (int col = row == 1 ? 5 : 1; col <= 40; ++col) grid.setRightBarVisible(col, row, true);
    legendsLoaded = true;  // no clue stores: no box about them

    window->vytvoritlegenduExecute();
    QStringList expected = {QStringLiteral("Chyba v řádku 1. pravděpodobně není ukončeno slovo č. 1. (Zjištěné slovo:  abcd).")};
    for (int piece = 2; piece <= 10; ++piece)
        expected << QStringLiteral("Chyba v řádku 1. slovo č. %1 není celé vyplněno.").arg(piece);
    expected << QStringLiteral("A ještě 1586 dalších chyb.")
             << QStringLiteral("Klikněte na tlačítko \"Opravit křížovku\" a opravte křížovku.");
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Message);
    EXPECT_EQ(desktop.boxes[0].text, expected.join(QLatin1Char('\n')));

    // The word through the hidden cell stays in the list with its mark.
    ASSERT_EQ(window->acrossWords.size(), 1u);
    EXPECT_EQ(window->acrossWords[0], (crossword::ClueRow{"ab@cd", "", 1, 1}));
    EXPECT_EQ(wordCell(window->StringGrid2, 1), QStringLiteral("ab@cd"));
    EXPECT_TRUE(window->downWords.empty());
}

TEST_F(CrosswordLegendTest, TheHeadingsStayInPlaceWhileTheRowsScroll) {
    // 10 × 10 one-letter words: a hundred rows each way.
    TMDIChildKriz* window = startCrossword({});
    CellGrid& grid = window->grid();
    for (int row = 1; row <= 10; ++row)
        for (int col = 1; col <= 10; ++col) {
            grid.setCellText(col, row, "a");
            grid.setRightBarVisible(col, row, true);
            grid.setBottomBarVisible(col, row, true);
        }
    window->vytvoritlegenduExecute();
    struct Case {
        QTableWidget* clues;
        QString heading;
    };
    for (const Case& c : {Case{window->StringGrid2, QStringLiteral("Slova vodorovně")},
                          Case{window->StringGrid1, QStringLiteral("Slova svisle")}}) {
        SCOPED_TRACE(c.heading.toStdString());
        ASSERT_EQ(c.clues->rowCount(), 101);
        ASSERT_TRUE(c.clues->isVisible());
        c.clues->scrollToBottom();
        EXPECT_GT(c.clues->rowAt(0), 50) << "the rows have scrolled";
        const QHeaderView* headings = c.clues->horizontalHeader();
        EXPECT_TRUE(headings->isVisible());
        EXPECT_EQ(c.clues->horizontalHeaderItem(0)->text(), c.heading);
        EXPECT_EQ(c.clues->horizontalHeaderItem(1)->text(), QStringLiteral("Legenda"));
        EXPECT_LE(headings->geometry().bottom(), c.clues->viewport()->geometry().top()) << "above the rows";
        EXPECT_TRUE(c.clues->isRowHidden(0));
        EXPECT_EQ(wordCell(c.clues, 100), QStringLiteral("a"));
    }
}

TEST_F(CrosswordLegendTest, AFileOpenedInLegendModeOrFinishedOffersNoTemplateToSave) {
    startCrossword({});
    struct Case {
        const char* file;
        bool templates;
    };
    for (const Case& c : {Case{"building.kri", true}, Case{"legend.kri", false}, Case{"finished.kri", false}}) {
        SCOPED_TRACE(c.file);
        MindgridMainForm->openFileByExtension(displayPath(testDataFolder() / "crossword" / "fixtures" / c.file));
        auto* opened = qobject_cast<TMDIChildKriz*>(windows().last());
        ASSERT_NE(opened, nullptr);
        ASSERT_TRUE(opened->windowTitle().contains(QLatin1String(c.file)));
        EXPECT_EQ(opened->aculozsablonu->isEnabled(), c.templates);
        EXPECT_EQ(opened->aczvolsablonu->isEnabled(), c.templates);
        if (opened->legendMode && !opened->finished) {
            // Back to building, both are on again.
            opened->opravitkrizovku->trigger();
            EXPECT_TRUE(opened->aculozsablonu->isEnabled());
            EXPECT_TRUE(opened->aczvolsablonu->isEnabled());
        }
    }
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(CrosswordLegendTest, AClueEditedAfterFinishingIsPrintedAsItIsSavedAndExported) {
    TMDIChildKriz* window = startCrossword({});
    putAcross(window, 1, 1, "pes");
    window->vytvoritlegenduExecute();
    typeClue(window->StringGrid2, 1, QStringLiteral("zvíře"));
    window->dokoncitkrizovku->trigger();
    ASSERT_EQ(window->printedCrossword().across.at(0).clue, cp("zvíře"));

    typeClue(window->StringGrid2, 1, QStringLiteral("domácí zvíře"));
    EXPECT_EQ(window->printedCrossword().across.at(0).clue, cp("domácí zvíře"));
    EXPECT_EQ(window->toDocument().across.at(0).clue, cp("domácí zvíře")) << "what the export writes";
    const QString path = displayPath(folder / "hotova");
    ASSERT_TRUE(window->saveToFile(path));
    const auto saved = std::get<crossword::KriDocument>(crossword::readKriFile(folder / "hotova.kri"));
    EXPECT_EQ(saved.across.at(0).clue, cp("domácí zvíře"));
}

TEST_F(CrosswordLegendTest, ATypedClueStaysWithItsWordThroughOpravit) {
    TMDIChildKriz* window = startCrossword({});
    putAcross(window, 3, 1, "pes");
    window->vytvoritlegenduExecute();
    EXPECT_TRUE(window->legendMode);
    EXPECT_FALSE(window->ScrollBox1->isEnabled());
    ASSERT_EQ(wordCell(window->StringGrid2, 1), QStringLiteral("pes"));
    typeClue(window->StringGrid2, 1, QStringLiteral("zvíře"));

    // Back to building, a word before it in its row, and the legend again.
    window->opravitkrizovku->trigger();
    EXPECT_FALSE(window->legendMode);
    EXPECT_TRUE(window->aczvolsablonu->isEnabled() && window->aculozsablonu->isEnabled());
    window->grid().setRightBarVisible(7, 1, true);
    putAcross(window, 8, 1, "kos");
    window->grid().setRightBarVisible(2, 1, false);
    putAcross(window, 1, 1, "ok");
    window->vytvoritlegenduExecute();
    ASSERT_EQ(window->StringGrid2->rowCount(), 4);
    EXPECT_EQ(wordCell(window->StringGrid2, 1), QStringLiteral("ok"));
    EXPECT_EQ(clueCell(window->StringGrid2, 1), QString());
    EXPECT_EQ(wordCell(window->StringGrid2, 2), QStringLiteral("pes"));
    EXPECT_EQ(clueCell(window->StringGrid2, 2), QStringLiteral("zvíře")) << "the clue stays with its word";
    EXPECT_EQ(clueCell(window->StringGrid2, 3), QString());

    // Finishing takes the clues over, remembers them and freezes everything.
    crosswordSettings.bytes[0] = 1;  // remember the legend
    window->dokoncitkrizovku->trigger();
    EXPECT_TRUE(window->finished);
    EXPECT_EQ(window->acrossWords[1].clue, cp("zvíře"));
    EXPECT_EQ(userLegends.find("pes")->value, cp("zvíře"));
    EXPECT_FALSE(window->opravitkrizovku->isEnabled());
    EXPECT_FALSE(window->dokoncitkrizovku->isEnabled());
}

TEST_F(CrosswordLegendTest, AGridWithoutBarsHasEmptyListsAndAnEmptyRowTakesNoClue) {
    TMDIChildKriz* window = startCrossword({});
    window->grid().setText(1, 1, "a");
    window->vytvoritlegenduExecute();
    EXPECT_EQ(window->StringGrid2->rowCount(), 2);
    EXPECT_EQ(window->StringGrid1->rowCount(), 2);
    EXPECT_TRUE(window->acrossWords.empty());
    typeClue(window->StringGrid2, 1, QStringLiteral("nic"));
    crosswordSettings.bytes[0] = 1;
    window->dokoncitkrizovku->trigger();
    EXPECT_TRUE(walkPairs(userLegends).empty()) << "no pair with an empty word";
}

TEST_F(CrosswordLegendTest, SavingTakesTheHighlightOffAndReopensInItsPhase) {
    TMDIChildKriz* window = startCrossword({});
    putAcross(window, 1, 1, "pes");
    window->grid().setBrush(2, 2, colors::red);
    select(window, 1, 2, 3, 2);
    ASSERT_EQ(window->grid().cellShapes()[2][2]->brush, colors::silver);
    const crossword::KriDocument selected = window->toDocument();
    EXPECT_EQ(selected.cell(2, 2).colour, 255) << "the outputs take no highlight";
    EXPECT_EQ(selected.cell(1, 2).colour, 16777215);
    const QString path = displayPath(folder / "krizovka");
    ASSERT_TRUE(window->saveToFile(path));
    EXPECT_EQ(window->grid().cellShapes()[2][2]->brush, colors::red) << "the highlight is gone from the screen";
    const auto saved = std::get<crossword::KriDocument>(crossword::readKriFile(folder / "krizovka.kri"));
    EXPECT_EQ(saved.cell(2, 2).colour, 255);
    EXPECT_EQ(saved.cell(1, 2).colour, 16777215);

    // In legend mode it reopens with the grids shown, the grid frozen, Dokončit and Opravit on.
    window->vytvoritlegenduExecute();
    typeClue(window->StringGrid2, 1, QStringLiteral("zvíře"));
    ASSERT_TRUE(window->saveToFile(path));
    MindgridMainForm->openFileByExtension(path + QStringLiteral(".kri"));
    auto* reopened = qobject_cast<TMDIChildKriz*>(windows().last());
    ASSERT_NE(reopened, nullptr);
    ASSERT_NE(reopened, window);
    EXPECT_TRUE(reopened->legendMode);
    EXPECT_TRUE(reopened->Panel4->isVisibleTo(reopened));
    EXPECT_FALSE(reopened->ScrollBox1->isEnabled());
    EXPECT_TRUE(reopened->dokoncitkrizovku->isEnabled());
    EXPECT_TRUE(reopened->opravitkrizovku->isEnabled());
    EXPECT_EQ(clueCell(reopened->StringGrid2, 1), QStringLiteral("zvíře"));
    EXPECT_EQ(reopened->acrossWords.size(), 1u);

    // Finished: both off.
    reopened->dokoncitkrizovku->trigger();
    ASSERT_TRUE(reopened->saveToFile(path));
    MindgridMainForm->openFileByExtension(path + QStringLiteral(".kri"));
    auto* finished = qobject_cast<TMDIChildKriz*>(windows().last());
    ASSERT_NE(finished, nullptr);
    EXPECT_TRUE(finished->finished);
    EXPECT_FALSE(finished->dokoncitkrizovku->isEnabled());
    EXPECT_FALSE(finished->opravitkrizovku->isEnabled());
    ASSERT_EQ(finished->acrossWords.size(), 1u);
    EXPECT_EQ(finished->acrossWords[0].clue, cp("zvíře"));
}

TEST_F(CrosswordLegendTest, ABadFileIsReportedAndLeavesNoWindow) {
    startCrossword({});
    struct Case {
        std::string bytes;
        QString problem;  // after "Soubor … nelze načíst: "
    };
    const Case cases[] = {
        {"41\r\n2\r\n", QStringLiteral("velikost mřížky na řádku 1 musí být od 2 do 40.")},
        {"12345678901234567890123456\r\n2\r\n", QStringLiteral("velikost mřížky na řádku 1 musí být od 2 do 40.")},
        {"2\r\n2\r\nABC\r\n", QStringLiteral("na řádku 3 má být text políčka: nic, jeden znak, \"ch\" nebo \"@\".")},
        {"2\r\n2\r\na\r\n16777215\r\nFALSE\r\nFALSE\r\n" + std::string(300, 'x') + "\r\n",
         QStringLiteral("na řádku 7 má být text políčka: nic, jeden znak, \"ch\" nebo \"@\".")},
    };
    for (const Case& c : cases) {
        desktop.boxes.clear();
        folder.write("zla.kri", c.bytes);
        const int before = static_cast<int>(windows().size());
        const QString path = displayPath(folder / "zla.kri");
        MindgridMainForm->openFileByExtension(path);
        settle();
        EXPECT_EQ(static_cast<int>(windows().size()), before);
        EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Soubor ") + path + QStringLiteral(" nelze načíst: ") + c.problem});
    }
}

}  // namespace
