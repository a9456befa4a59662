#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "crisscross/ui/child_krs.h"


using CrissCrossWindowTest = DocumentWindowTest<TMDIChildKrs, crissCrossDocument>;

TEST_F(CrissCrossWindowTest, ANewWindowHasItsGridActionsAndMenus) {
    start();
    auto* window = newDocument();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->grid().currentCols(), 10);
    EXPECT_EQ(window->grid().cellShapes()[3][3]->cursor, cellcursor::platformDefault);
    EXPECT_FALSE(window->grid().rightBars()[3][3].has_value());

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
}
