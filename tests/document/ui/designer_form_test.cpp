#include "document/ui/designer_form.h"

#include "platform/ui/cell_grid_widget.h"
#include "support/ui/modal.h"
#include "support/ui/scripted_desktop.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <utility>

namespace {

// A point inside a cell's label, where the user clicks.
QPoint inCell(Tnavrharform& form, int col, int row) {
    const CellRect& r = form.designer().grid().cellLabels()[col][row]->bounds;
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

void mouse(Tnavrharform& form, QEvent::Type type, int col, int row, Qt::MouseButton button = Qt::NoButton) {
    QWidget* grid = form.cellGrid;
    const QPoint pos = inCell(form, col, row);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), QPointF(grid->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(grid, &event);
}

void click(Tnavrharform& form, int col, int row, Qt::MouseButton button) {
    mouse(form, QEvent::MouseButtonPress, col, row, button);
    mouse(form, QEvent::MouseButtonRelease, col, row, button);
}

const std::pair<int, int> redCells[] = {{1, 1}, {2, 1}, {3, 1}, {1, 2}};

// The criss-cross caller: a 3 × 2 grid, four red cells, the first of which
// the document filled in an earlier use; the phrase coded as "3141".
void prepareCrissCross(Tnavrharform& form) {
    form.resizeGrid(3, 2, minCellSize);
    ShapeDesigner& d = form.designer();
    for (auto [col, row] : redCells) d.setCellColor(col, row, colors::red);
    d.setCellText(1, 1, "3");
    d.setCellShown(3, 2, false);
    form.setTools({.showHide = true, .secretPhrase = true, .digits = true});
    d.fullDigits = "3141";
}

TEST(NavrharForm, ACrissCrossUsePlacesTheRemainingDigitsAndHandsThemBackOnOk) {
    ScriptedDesktop desktop;
    Tnavrharform form;
    prepareCrissCross(form);
    whenModal([&](QWidget*) {
        EXPECT_TRUE(form.Panel4->isVisible());
        EXPECT_EQ(form.Label1->text(), QStringLiteral("Zbývá určit: 141"));
        EXPECT_TRUE(form.acSmazat_Zobrazit->isChecked());
        EXPECT_TRUE(form.acTajenka->isEnabled());
        EXPECT_FALSE(form.acLegenda->isEnabled());

        form.acTajenka->trigger();
        click(form, 2, 1, Qt::RightButton);
        EXPECT_EQ(form.Label1->text(), QStringLiteral("Zbývá určit: 41"));
        click(form, 3, 2, Qt::RightButton);  // a white (and hidden) cell takes no digit
        click(form, 3, 1, Qt::RightButton);
        click(form, 1, 2, Qt::RightButton);
        EXPECT_EQ(form.Label1->text(), QStringLiteral("Zbývá určit: "));
        click(form, 2, 1, Qt::RightButton);
        click(form, 2, 2, Qt::LeftButton);  // the left button colours
        form.BitBtn1->click();
    });
    ASSERT_EQ(form.exec(), QDialog::Accepted);

    const ShapeDesigner& d = form.designer();
    std::string placed;
    for (auto [col, row] : redCells) placed += d.cellText(col, row);
    EXPECT_EQ(placed, "3141");
    EXPECT_EQ(d.remainingDigits(), "");
    EXPECT_EQ(d.cellColor(2, 2), colors::red);
    EXPECT_FALSE(d.cellShown(3, 2));
    EXPECT_EQ(desktop.boxTexts(), QStringList{Tnavrharform::allDigitsPlaced()});
}

TEST(NavrharForm, StornoHandsNothingBackAndTheNextUseStartsClean) {
    ScriptedDesktop desktop;
    Tnavrharform form;
    prepareCrissCross(form);
    whenModal([&](QWidget*) {
        form.acTajenka->trigger();
        click(form, 2, 1, Qt::RightButton);
        form.SpeedButton1->click();  // "Smazat čísla" empties every cell, also the caller's
        EXPECT_EQ(form.designer().cellText(1, 1), "");
        EXPECT_EQ(form.Label1->text(), QStringLiteral("Zbývá určit: 3141"));
        click(form, 3, 1, Qt::RightButton);
        EXPECT_EQ(form.Label1->text(), QStringLiteral("Zbývá určit: 141"));
        form.BitBtn2->click();
    });
    ASSERT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_EQ(form.designer().remainingDigits(), "141") << "as at the start of the use";

    // Same size again: the digit the cancelled use placed is gone.
    form.resizeGrid(3, 2, minCellSize);
    EXPECT_EQ(form.designer().cellText(3, 1), "");
}

TEST(NavrharForm, ShowingOffersTheToolsOfTheCallersKind) {
    Tnavrharform form;
    form.resizeGrid(4, 4, minCellSize);
    struct Case {
        const char* kind;
        ShapeDesigner::Tools tools;
        bool tajenka, legenda;
    };
    const Case cases[] = {
        {"word search", {.showHide = true}, false, false},
        {"crossword", {.showHide = true, .secretPhrase = true}, true, false},
        {"criss-cross without a phrase", {.showHide = true}, false, false},
        {"Swedish crossword", {.showHide = true, .secretPhrase = true, .clue = true}, true, true},
    };
    for (const Case& c : cases) {
        form.setTools(c.tools);
        form.show();
        EXPECT_TRUE(form.acSmazat_Zobrazit->isEnabled() && form.acSmazat_Zobrazit->isChecked()) << c.kind;
        EXPECT_EQ(form.acTajenka->isEnabled(), c.tajenka) << c.kind;
        EXPECT_EQ(form.acLegenda->isEnabled(), c.legenda) << c.kind;
        EXPECT_EQ(form.designer().mode(), ShapeDesigner::showHideMode);
        EXPECT_FALSE(form.Panel4->isVisible());
        form.designer().setMode(ShapeDesigner::secretPhraseMode);  // not the start of the next use
        form.reject();
    }
}

TEST(NavrharForm, TheCellUnderThePointerIsFramedBlueAndClicksFollowTheTool) {
    Tnavrharform form;
    form.resizeGrid(5, 5, minCellSize);
    form.setTools({.showHide = true, .secretPhrase = true, .clue = true});
    form.show();
    const auto frame = [&](int col, int row) {
        const CellShape& shape = *form.designer().grid().cellShapes()[col][row];
        return std::pair{shape.pen, shape.penWidth};
    };

    mouse(form, QEvent::MouseMove, 2, 2);
    EXPECT_EQ(frame(2, 2), (std::pair{colors::blue, 2}));
    mouse(form, QEvent::MouseMove, 3, 2);
    EXPECT_EQ(frame(2, 2), (std::pair{colors::black, 1}));
    EXPECT_EQ(frame(3, 2), (std::pair{colors::blue, 2}));

    // Show/hide, and the hidden cell's label still takes the next click.
    click(form, 3, 2, Qt::LeftButton);
    EXPECT_FALSE(form.designer().cellShown(3, 2));
    click(form, 3, 2, Qt::LeftButton);
    EXPECT_TRUE(form.designer().cellShown(3, 2));
    form.acLegenda->trigger();
    click(form, 3, 2, Qt::LeftButton);
    EXPECT_EQ(form.designer().cellColor(3, 2), colors::black);

    form.reject();
    EXPECT_EQ(frame(3, 2), (std::pair{colors::black, 1}));
    EXPECT_EQ((std::pair{form.designer().hoverCol(), form.designer().hoverRow()}), (std::pair{1, 1}));
}

}  // namespace
