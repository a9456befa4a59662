#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "document/ui/size_form.h"
#include "stores/core/word_stores.h"
#include "support/ui/modal.h"
#include "swedish/ui/child_svekriz.h"

#include <QPushButton>
#include <QSpinBox>

using SwedishWindowTest = DocumentWindowTest<TMDIChildSveKriz, swedishDocument>;

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

    // The frame shows the window's controls; the exports stay disabled.
    EXPECT_FALSE(frame->Export2->isEnabled());
    EXPECT_FALSE(frame->Uloitjakoobrzek1->isEnabled());
    EXPECT_TRUE(frame->Uloit1->isEnabled());
    EXPECT_TRUE(frame->toolupravy->isEnabled());
}
