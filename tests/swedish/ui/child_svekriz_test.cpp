#include "tests/document/ui/candidates.h"
#include "tests/document/ui/document_checks.h"
#include "tests/swedish/ui/swedish_test_forms.h"
#include "tests/frame/ui/frame_fixture.h"

#include "document/ui/designer_form.h"
#include "document/ui/direction_form.h"
#include "document/ui/size_form.h"
#include "platform/ui/cell_grid_widget.h"
#include "platform/ui/file_messages.h"
#include "stores/core/word_stores.h"
#include "support/core/cp1250_text.h"
#include "support/ui/modal.h"
#include "swedish/ui/child_svekriz.h"
#include "swedish/ui/legend_form.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

TEST_F(SwedishWindowTest, ANewWindowHasItsGridWordStoresActionsAndMenus) {
    TMindgridMainForm* frame = start();
    dictionaryWords.addKey("pes");
    userWords.addKey("lev");
    userWords.addKey("pes");
    auto* window = newDocument();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(walkKeys(window->documentDictionaryWords), std::vector<std::string>{"pes"});
    EXPECT_EQ(walkKeys(window->documentUserWords), (std::vector<std::string>{"lev", "pes"}));

    EXPECT_EQ(window->grid().currentCols(), 10);
    EXPECT_EQ(window->grid().cellLabels()[5][6]->cursor, cellcursor::startCursor);
    EXPECT_FALSE(window->grid().rightBars()[5][6].has_value()) << "no word-end bars";

    expectActions(window, {
                              {"Velikost", "&Velikost", true},
                              {"acNavrhar", "&Návrhář", true},
                              {"smazatslovo", "&Smazat slovo", false},
                              {"smazatpismena", "S&mazat písmena", true},
                              {"aczvolsablonu", "&Zvol šablonu", true},
                              {"aculozsablonu", "&Ulož šablonu", true},
                              {"uloz", "&Uložit", true, QKeySequence(Qt::CTRL | Qt::Key_S)},
                              {"ulozjako", "Uložit j&ako...", true},
                              {"print", "&Tisk", true, QKeySequence(Qt::CTRL | Qt::Key_P)},
                              {"acExport", "Export do &Excelu", false},
                              {"acExportObr", "Uložit jako &obrázek", false},
                          });
    struct Hint {
        QAction* action;
        QString tip;
        QString status;
    };
    for (const Hint& h : {Hint{window->Velikost, "Velikost", "Změní velikost"},
                          Hint{window->smazatslovo, "Smaže slovo z křížovky", "Smaže slovo z křížovky"},
                          Hint{window->ulozjako, "Uložit jako", "Uloží aktivní soubor pod jiným jménem"},
                          Hint{window->uloz, "Uložit", "Uloží aktivní soubor"},
                          Hint{window->print, "Tisk", "Vytiskne křížovku"},
                          Hint{window->smazatpismena, "Smazat", "Smaže písmena z křížovky ale zachová úpravy"},
                          Hint{window->aczvolsablonu, "Zvol šablonu", "Upraví rastr podle šablony"},
                          Hint{window->aculozsablonu, "Ulož šablonu", "Uloží tvar rastru jako šablonu"},
                          Hint{window->acNavrhar, "Návrhář",
                               "Pomocí návrháře můžete upravit tvar a umístění tajenky a legendy"}}) {
        EXPECT_EQ(h.action->toolTip(), h.tip) << h.action->objectName().toStdString();
        EXPECT_EQ(h.action->statusTip(), h.status) << h.action->objectName().toStdString();
    }
    EXPECT_EQ(menuContents(window->menuupravy), "Velikost acNavrhar smazatslovo - smazatpismena");
    EXPECT_EQ(menuContents(window->menutvorba), "");
    EXPECT_EQ(menuContents(window->menusablony), "aczvolsablonu aculozsablonu");

    // The frame shows the window's controls; "Tvorba" and the exports stay disabled.
    EXPECT_FALSE(frame->Export2->isEnabled());
    EXPECT_FALSE(frame->Uloitjakoobrzek1->isEnabled());
    EXPECT_FALSE(frame->tooltvorba->isEnabled());
    EXPECT_TRUE(frame->Uloit1->isEnabled());
    EXPECT_TRUE(frame->toolupravy->isEnabled());
    EXPECT_TRUE(frame->toolsablony->isEnabled());
}

namespace {

// A Swedish crossword in the running frame, cells of 20 pixels, the clue
// stores counted as loaded, and a user's hands on the painted grid.
class SwedishFillTest : public SwedishWindowTest {
protected:
    void SetUp() override {
        SwedishWindowTest::SetUp();
        writeConfig({0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }

    TMDIChildSveKriz* startSwedish(std::initializer_list<const char*> dictionary = {}) {
        start();
        legendsLoaded = true;
        for (const char* word : dictionary) dictionaryWords.addKey(word);
        return newDocument();
    }

    static QPoint centre(int col, int row) {
        const CellRect r = cellgeometry::label(col, row, 20);
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    static void press(TMDIChildSveKriz* window, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->cellGrid, button, {}, centre(col, row));
    }
    static void select(TMDIChildSveKriz* window, int c1, int r1, int c2, int r2) {
        press(window, c1, r1);
        press(window, c2, r2);
    }
    static bool searched(TMDIChildSveKriz* window) {
        return QTest::qWaitFor([window] {
            const QString status = window->infopanel->text();
            return status == QStringLiteral("Nalezená slova") || status == QStringLiteral("Žádné slovo nebylo nalezeno");
        });
    }
    static std::string row(const TMDIChildSveKriz* window, int r) {
        std::string line;
        for (int c = 1; c <= window->grid().currentCols(); ++c) {
            const std::string text = window->grid().cellLabels()[c][r]->text;
            line += text.empty() ? "." : text;
        }
        return line;
    }
    static Color brush(const TMDIChildSveKriz* window, int col, int row) {
        return window->grid().cellShapes()[col][row]->brush;
    }
    // Types `word` and presses "Vložit".
    static void type(TMDIChildSveKriz* window, const char* word) {
        window->inputword->setText(QString::fromUtf8(word));
        window->vlozitbutton->click();
    }
    // The whole grid as text, colours and letter uses, to see that nothing changed.
    static std::string snapshot(const TMDIChildSveKriz* window) {
        std::string all;
        const CellGrid& grid = window->grid();
        for (int r = 1; r <= grid.currentRows(); ++r)
            for (int c = 1; c <= grid.currentCols(); ++c)
                all += grid.cellText(c, r) + "/" + std::to_string(grid.cellShapes()[c][r]->brush) + "/" +
                       std::to_string(window->letterUse[c][r].horizontal) +
                       std::to_string(window->letterUse[c][r].vertical) + " ";
        return all;
    }
};

TEST_F(SwedishFillTest, ASlotRunsOverLetterCellsOnlyAndOneCellTakesALetterWithoutAQuestion) {
    TMDIChildSveKriz* window = startSwedish({"pes", "lev"});
    window->grid().setBrush(4, 1, colors::black);
    window->grid().setHidden(4, 3, true);
    window->grid().setBrush(2, 5, colors::red);

    struct Case {
        const char* what;
        int c1, r1, c2, r2;
        bool good;
        QStringList listed;
    };
    const Case cases[] = {
        {"a run across a red cell", 1, 5, 3, 5, true, {"lev", "pes"}},
        {"a run across a clue cell", 2, 1, 6, 1, false, {}},
        {"a run across a hidden cell", 4, 2, 4, 4, false, {}},
        {"a column of letter cells", 7, 1, 7, 3, true, {"lev", "pes"}},
        {"one cell lists nothing", 6, 6, 6, 6, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        select(window, c.c1, c.r1, c.c2, c.r2);
        EXPECT_EQ(window->smazatslovo->isEnabled(), c.good);
        if (!c.good) {
            EXPECT_EQ(window->infopanel->text(), QStringLiteral("Špatný výběr polí"));
            EXPECT_EQ(brush(window, c.c1, c.r1), colors::white) << "no highlight";
            continue;
        }
        EXPECT_EQ(brush(window, c.c1, c.r1), colors::gray);
        ASSERT_TRUE(searched(window));
        EXPECT_EQ(candidates(window), c.listed);
    }
    EXPECT_EQ(brush(window, 2, 5), colors::red) << "the earlier highlight went at the next first press";

    // Vložit puts one letter into the single cell in the direction of the last
    // run (vertical), without asking: with no question dialog there, a
    // question would drop the letter.
    Tvodsviform* question = std::exchange(vodsviform, nullptr);
    type(window, "k");
    vodsviform = question;
    EXPECT_EQ(window->grid().cellText(6, 6), "k");
    EXPECT_EQ(window->letterUse[6][6], (LetterUse{letteruse::unused, letteruse::placed}));

    // After a run across, the next single cell goes across.
    select(window, 1, 8, 3, 8);
    select(window, 9, 9, 9, 9);
    vodsviform = nullptr;
    type(window, "o");
    vodsviform = question;
    EXPECT_EQ(window->letterUse[9][9], (LetterUse{letteruse::placed, letteruse::unused}));
}

TEST_F(SwedishFillTest, APressOnAClueCellEditsItsCluesAndTheSelectionGoesOnAfterwards) {
    TMDIChildSveKriz* window = startSwedish({"pes"});
    window->grid().setBrush(1, 1, colors::black);
    window->grid().setText(2, 1, "p");
    window->legendCell[1][1].appendText(8);

    press(window, 3, 4);  // the first press of a selection
    bool opened = false;
    whenDialog<Tsvelegform>([&opened](Tsvelegform* form) {
        opened = true;
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Tvorba legendy"));
        EXPECT_EQ(form->Label3->text(), QStringLiteral("p????????"));
        EXPECT_EQ(form->Label4->text(), QStringLiteral("?????????"));
        EXPECT_EQ(form->ComboBox1->count(), 1);
        form->BitBtn3->click();  // "Vložit text"
        form->BitBtn1->click();  // OK
    });
    press(window, 1, 1, Qt::RightButton);  // any button
    EXPECT_TRUE(opened);
    EXPECT_EQ(window->legendCell[1][1].count(), 2);
    EXPECT_EQ(window->legendCell[1][1].line(2).text, "Text 2");
    EXPECT_TRUE(window->engine().selection().waitingForSecondClick) << "the selection is untouched";
    EXPECT_EQ(brush(window, 1, 1), colors::black);

    press(window, 5, 4);
    ASSERT_TRUE(searched(window));
    EXPECT_EQ(candidates(window), QStringList{"pes"});
    EXPECT_EQ(brush(window, 4, 4), colors::gray);
}

TEST_F(SwedishFillTest, TheEditorSuggestsTheCluesOfBothWordsFromBothStores) {
    TMDIChildSveKriz* window = startSwedish();
    builtinLegends.addPair("pes", "hafan");
    builtinLegends.addPair("les", "porost");
    userLegends.addPair("pes", "Azor");
    userLegends.addPair("pes", "hafan");
    window->grid().setBrush(3, 3, colors::black);
    window->grid().setBrush(7, 3, colors::black);
    window->grid().setBrush(3, 7, colors::black);
    struct Letter {
        int col, row;
        const char* text;
    };
    for (const Letter& l : {Letter{4, 3, "p"}, Letter{5, 3, "e"}, Letter{6, 3, "s"}, Letter{3, 4, "l"},
                            Letter{3, 5, "e"}, Letter{3, 6, "s"}})
        window->grid().setText(l.col, l.row, l.text);

    QStringList across, down;
    whenDialog<Tsvelegform>([&](Tsvelegform* form) {
        for (int i = 0; i < form->ComboBox2->count(); ++i) across << form->ComboBox2->itemText(i);
        for (int i = 0; i < form->ComboBox3->count(); ++i) down << form->ComboBox3->itemText(i);
        EXPECT_EQ(form->ComboBox2->currentIndex(), 0);
        form->BitBtn2->click();
    });
    press(window, 3, 3);
    EXPECT_EQ(across, (QStringList{"Azor", "hafan", "hafan"}));
    EXPECT_EQ(down, QStringList{"porost"});
}

TEST_F(SwedishFillTest, AWordOfTwoStoresIsListedTwiceAndDeletingAWordKeepsTheCrossingLetters) {
    TMDIChildSveKriz* window = startSwedish({"pes"});
    builtinWords.addKey("pes");
    builtinWords.addKey("lev");
    select(window, 2, 1, 2, 3);
    ASSERT_TRUE(searched(window));
    EXPECT_EQ(candidates(window), (QStringList{"lev", "pes", "pes"}));
    chooseCandidate(window, 1);
    window->ListBox1DblClick();

    select(window, 1, 2, 3, 2);
    ASSERT_TRUE(searched(window));
    EXPECT_EQ(candidates(window), (QStringList{"lev", "pes", "pes"})) << "what fits the e of the word down";
    chooseCandidate(window, 0);
    window->ListBox1KeyPress(Qt::Key_Return);
    ASSERT_EQ(row(window, 2), "lev.......");
    EXPECT_FALSE(window->grid().rightBars()[3][2].has_value()) << "no end bars";

    window->smazatslovo->trigger();
    EXPECT_EQ(row(window, 2), ".e........") << "the letter of the word down stays";
    EXPECT_EQ(row(window, 1), ".p........");
    EXPECT_EQ(window->letterUse[2][2], (LetterUse{letteruse::unused, letteruse::placed}));
    EXPECT_EQ(brush(window, 1, 2), colors::gray) << "the run stays highlighted";
}

TEST_F(SwedishFillTest, SmazatPismenaEmptiesEveryTextAndKeepsShapesUsesAndClues) {
    TMDIChildSveKriz* window = startSwedish();
    CellGrid& grid = window->grid();
    grid.setText(1, 1, "a");
    grid.setText(2, 1, "ch");
    grid.setHidden(3, 1, true);
    grid.setBrush(4, 1, colors::black);
    grid.setBrush(5, 1, colors::red);
    window->letterUse[1][1] = {letteruse::placed, letteruse::unused};
    window->legendCell[4][1].appendSeparator();
    const swedish::LegendCell clues = window->legendCell[4][1];

    window->smazatpismena->trigger();
    EXPECT_EQ(row(window, 1), "..........") << "the @ of the hidden cell goes too";
    EXPECT_TRUE(grid.isHidden(3, 1));
    EXPECT_EQ(brush(window, 4, 1), colors::black);
    EXPECT_EQ(brush(window, 5, 1), colors::red);
    EXPECT_EQ(window->letterUse[1][1], (LetterUse{letteruse::placed, letteruse::unused}));
    EXPECT_EQ(window->legendCell[4][1], clues);
}

TEST_F(SwedishFillTest, TheDesignerKeepsLettersUsesAndClueRecordsAndDropsTheSelection) {
    TMDIChildSveKriz* window = startSwedish();
    ASSERT_NE(window, nullptr);
    TMindgridMainForm* frame = MindgridMainForm;
    select(window, 1, 2, 3, 2);
    type(window, "pes");
    ASSERT_EQ(row(window, 2), "pes.......");
    window->grid().setBrush(3, 3, colors::black);
    window->grid().setHidden(6, 6, true);
    window->legendCell[3][3].appendText(9);
    window->grid().setBrush(8, 8, colors::red);
    select(window, 7, 8, 9, 8);
    ASSERT_EQ(brush(window, 8, 8), colors::silver);

    // Clue cell → letter cell, (6, 6) shown again, the e of (2, 2) hidden.
    whenDialog<Tnavrharform>([&](Tnavrharform* form) {
        EXPECT_EQ(form->tools(), (ShapeDesigner::Tools{true, true, true, false}));
        EXPECT_EQ(form->designer().cellColor(8, 8), colors::red) << "silver goes as red";
        EXPECT_EQ(form->designer().cellColor(7, 8), colors::white) << "grey goes as white";
        form->designer().setCellColor(3, 3, colors::white);
        form->designer().setCellShown(6, 6, true);
        form->designer().setCellShown(2, 2, false);
        form->BitBtn1->click();
    });
    frame->ToolButton7->click();
    EXPECT_EQ(brush(window, 3, 3), colors::white);
    EXPECT_FALSE(window->grid().isHidden(6, 6));
    EXPECT_EQ(window->grid().cellLabels()[6][6]->text, "") << "a cell shown again loses its @";
    EXPECT_TRUE(window->grid().isHidden(2, 2));
    EXPECT_EQ(row(window, 2), "pes.......") << "a hidden cell keeps its letter";
    EXPECT_EQ(window->letterUse[2][2], (LetterUse{letteruse::placed, letteruse::unused}));
    EXPECT_EQ(window->engine().selection().firstCell.col, 0);
    EXPECT_FALSE(window->smazatslovo->isEnabled());

    // Letter cell → clue cell: the old lines are there; (2, 2) is shown
    // again with the letter its use byte speaks of.
    whenDialog<Tnavrharform>([](Tnavrharform* form) {
        form->designer().setCellColor(3, 3, colors::black);
        form->designer().setCellShown(2, 2, true);
        form->BitBtn1->click();
    });
    frame->ToolButton7->click();
    EXPECT_FALSE(window->grid().isHidden(2, 2));
    EXPECT_EQ(row(window, 2), "pes.......");
    EXPECT_EQ(window->letterUse[2][2], (LetterUse{letteruse::placed, letteruse::unused}));
    QStringList lines;
    whenDialog<Tsvelegform>([&lines](Tsvelegform* form) {
        for (int i = 0; i < form->ComboBox1->count(); ++i) lines << form->ComboBox1->itemText(i);
        form->BitBtn2->click();
    });
    press(window, 3, 3);
    EXPECT_EQ(lines, QStringList{"Text 1"});
}

TEST_F(SwedishFillTest, OnlyAGoodTemplateChangesTheGridAndClueRecordsStay) {
    TMDIChildSveKriz* window = startSwedish();
    window->grid().setBrush(2, 2, colors::black);
    window->grid().setText(1, 1, "a");
    window->letterUse[1][1] = {letteruse::placed, letteruse::placed};
    window->legendCell[2][2].appendText(6);
    select(window, 1, 5, 4, 5);
    const std::string before = snapshot(window);

    const std::filesystem::path templates = folder / "Sablony";
    folder.write("Sablony/zly.sbl", "3\r\n2\r\n1\r\n");
    for (const char* name : {"chybi", "zly"}) {
        SCOPED_TRACE(name);
        desktop.boxes.clear();
        desktop.answerFile(displayPath(templates / name));
        window->aczvolsablonu->trigger();
        EXPECT_EQ(desktop.boxes.size(), 1);
        EXPECT_EQ(snapshot(window), before);
    }

    folder.write("Sablony/tvar.sbl", "3\r\n2\r\n1\r\n0\r\n1\r\n1\r\n1\r\n1\r\n");
    desktop.answerFile(displayPath(templates / "tvar"));
    window->aczvolsablonu->trigger();
    ASSERT_EQ(window->grid().currentCols(), 3);
    EXPECT_EQ(row(window, 1), ".@.");
    EXPECT_TRUE(window->grid().isHidden(2, 1));
    EXPECT_EQ(brush(window, 2, 2), colors::white) << "the clue cell is a letter cell again";
    EXPECT_EQ(window->letterUse[1][1], LetterUse{});
    EXPECT_EQ(window->legendCell[2][2].count(), 1) << "its record stays";
    EXPECT_EQ(window->engine().selection().firstCell.col, 0);
}

TEST_F(SwedishFillTest, TheHoverFrameFollowsThePointerAndIsPlainOverTheEmptyPane) {
    TMDIChildSveKriz* window = startSwedish();
    ASSERT_NE(window, nullptr);
    const auto moveTo = [](QWidget* widget, QPoint pos) {
        QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    const auto frame = [&](int col, int row) {
        const CellShape& shape = *window->grid().cellShapes()[col][row];
        return std::pair{shape.pen, shape.penWidth};
    };
    const std::pair blue{colors::blue, 2};
    const std::pair plain{colors::black, 1};
    window->resizeGrid(5, 5);
    QWidget* pane = window->ScrollBox1->viewport();
    ASSERT_LT(window->cellGrid->width() + 20, pane->width()) << "the pane has room beside the grid";

    struct Step {
        const char* where;
        QWidget* widget;
        QPoint pos;
        std::pair<Color, int> frame33, frame43;
    };
    const Step steps[] = {
        {"onto (3, 3)", window->cellGrid, centre(3, 3), blue, plain},
        {"beside the grid", pane, QPoint(window->cellGrid->width() + 20, 10), plain, plain},
        {"back onto (3, 3)", window->cellGrid, centre(3, 3), blue, plain},
        {"into the gap between (3, 3) and (4, 3)", window->cellGrid, QPoint(cellgeometry::shape(4, 3, 20).left - 1,
                                                                         centre(3, 3).y()), plain, plain},
        {"onto (4, 3)", window->cellGrid, centre(4, 3), plain, blue},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.where);
        moveTo(step.widget, step.pos);
        EXPECT_EQ(frame(3, 3), step.frame33);
        EXPECT_EQ(frame(4, 3), step.frame43);
    }
    EXPECT_EQ(window->hoverCell(), (CellPos{4, 3}));
}

TEST_F(SwedishFillTest, ShrinkingUnderASelectionLeavesNothingToTouchTheFreedCells) {
    TMDIChildSveKriz* window = startSwedish({"pes"});
    window->resizeGrid(12, 12);
    select(window, 11, 2, 11, 4);
    ASSERT_TRUE(searched(window));
    ASSERT_EQ(candidates(window), QStringList{"pes"});
    whenDialog<Tnastavvelform>([](Tnastavvelform* form) {
        form->SpinEdit1->setValue(5);
        form->SpinEdit2->setValue(5);
        form->BitBtn1->click();
    });
    window->Velikost->trigger();
    ASSERT_EQ(window->grid().currentCols(), 5);
    EXPECT_EQ(window->engine().selection().firstCell.col, 0);
    EXPECT_TRUE(candidates(window).isEmpty());
    EXPECT_FALSE(window->smazatslovo->isEnabled());
    EXPECT_EQ(window->hoverCell(), (CellPos{1, 1}));
    const std::string before = snapshot(window);

    // What a user may still do with the old slot in mind changes nothing.
    window->ListBox1DblClick();
    type(window, "pes");
    window->smazatslovoExecute();
    press(window, 2, 2);
    press(window, 4, 4);  // a diagonal
    type(window, "pes");
    window->smazatslovoExecute();
    EXPECT_EQ(snapshot(window), before);
}

}  // namespace
