#include "tests/frame/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "frame/core/word_stores.h"
#include "frame/ui/size_form.h"
#include "platform/ui/cell_grid_widget.h"
#include "support/ui/modal.h"
#include "wordsearch/ui/child_osm.h"

#include <QPushButton>
#include <QSpinBox>

namespace {

class WordSearchWindowTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        registerDocumentKind(wordSearchDocument, [] { return new TMDIChildOsm; });
    }
};

// Answers the size dialog with a new size (after checking what it was preset
// with), or cancels it when `cols` is 0.
void answerSize(int presetCols, int presetRows, int cols, int rows) {
    whenModal([=](QWidget* dialog) {
        auto* form = qobject_cast<Tnastavvelform*>(dialog);
        ASSERT_NE(form, nullptr) << "the size dialog did not open";
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

}  // namespace

TEST_F(WordSearchWindowTest, ANewWindowHasItsGridWordsActionsAndMenus) {
    start();
    wordSearchWords = {"auto", "kolo", "les"};
    auto* window = qobject_cast<TMDIChildOsm*>(newWindow(wordSearchDocument));
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
    EXPECT_EQ(menuContents(window->menuupravy),
              "acVelikost acNavrhar aczadattajenku - acupravitslova acVlozitslova acanalyzovat - acsmazatpismena");
    EXPECT_EQ(menuContents(window->menutvorba), "generujosmismerku zrusitgenerovani - acstartstop");
    EXPECT_EQ(menuContents(window->menusablony), "aczvolsablonu aculozsablonu");

    // Everything the frame borrows is the window's own.
    for (QObject* target : sharedControlTargets()) EXPECT_TRUE(belongsTo(target, window));
    EXPECT_TRUE(MindgridMainForm->tooltvorba->isEnabled());

    // Closing frees the word list before the window goes.
    window->close();
    EXPECT_TRUE(window->documentWordSearchWords.empty());
}

TEST_F(WordSearchWindowTest, TheSizeButtonResizesTheGridToTheChosenSize) {
    TMindgridMainForm* frame = start();
    auto* window = qobject_cast<TMDIChildOsm*>(newWindow(wordSearchDocument));
    ASSERT_NE(window, nullptr);
    window->grid().setText(1, 1, "a");

    answerSize(10, 10, 0, 0);
    frame->ToolButton6->click();
    EXPECT_EQ(window->grid().cellLabels()[1][1]->text, "a") << "cancelled";

    answerSize(10, 10, 12, 8);
    frame->ToolButton6->click();
    EXPECT_EQ(window->grid().currentCols(), 12);
    EXPECT_EQ(window->grid().currentRows(), 8);
    EXPECT_EQ(window->grid().cellLabels()[1][1]->text, "");

    answerSize(12, 8, 3, 40);
    window->acVelikost->trigger();
    EXPECT_EQ(window->grid().currentCols(), 3);
    EXPECT_EQ(window->grid().currentRows(), 40);
}
