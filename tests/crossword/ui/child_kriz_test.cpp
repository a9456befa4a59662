#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "crossword/ui/child_kriz.h"
#include "document/ui/size_form.h"
#include "stores/core/word_stores.h"
#include "support/ui/modal.h"

#include <QPushButton>
#include <QSpinBox>

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
