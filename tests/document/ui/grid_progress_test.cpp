#include "document/ui/grid_progress.h"

#include "support/ui/scripted_desktop.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

#include <new>
#include <vector>

namespace {

// Looks at the window at every step of a resize.
struct WatchingProgress : GridProgress {
    using GridProgress::GridProgress;
    std::vector<int> bar;
    bool shownOnTop = true;
    void step(int done, int percent) override {
        GridProgress::step(done, percent);
        ASSERT_NE(window(), nullptr);
        shownOnTop = shownOnTop && window()->isVisible() && (window()->windowFlags() & Qt::WindowStaysOnTopHint);
        bar.push_back(window()->ProgressBar1->value());
    }
};

struct OutOfMemory : GridProgress {
    using GridProgress::GridProgress;
    Twaitform* createWindow(QWidget*) override { throw std::bad_alloc(); }
};

}  // namespace

TEST(GridProgress, TheWindowRunsItsBarOverEveryCellAndGoesAway) {
    QWidget owner;
    CellGrid grid;
    grid.resizeGrid(10, 10, 20);
    WatchingProgress progress(&owner);
    ASSERT_EQ(grid.resizeGrid(12, 8, 20, &progress), CellGrid::ResizeResult::resized);
    ASSERT_EQ(progress.bar.size(), 120u);
    EXPECT_EQ(progress.bar[2], 2);
    EXPECT_EQ(progress.bar.back(), 100);
    EXPECT_TRUE(progress.shownOnTop);
    EXPECT_EQ(progress.window(), nullptr);
    EXPECT_EQ(owner.findChild<Twaitform*>(), nullptr);

    Twaitform look(&owner);
    EXPECT_EQ(look.windowTitle(), QStringLiteral("Mindgrid!"));
    EXPECT_EQ(look.Label1->text(), QStringLiteral("Upravuji prostředí...."));
    EXPECT_EQ(look.ProgressBar1->maximum(), 100);
}

TEST(GridProgress, WithoutMemoryForTheWindowTheGridStaysAsItWas) {
    ScriptedDesktop desktop;
    QWidget owner;
    CellGrid grid;
    grid.resizeGrid(10, 10, 20);
    grid.setText(10, 10, "a");
    OutOfMemory progress(&owner);
    EXPECT_EQ(grid.resizeGrid(5, 5, 20, &progress), CellGrid::ResizeResult::noProgress);
    ASSERT_EQ(desktop.boxTexts(),
              QStringList{"Chyba při otevírání okna pro ukazatel průběhu. Pravděpodobně není dostatek paměti."});
    EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Warning);
    EXPECT_EQ(grid.currentCols(), 10);
    EXPECT_EQ(grid.cellLabels()[10][10]->text, "a");
}

TEST(GridProgress, ADocumentGridIsResizedWithTheWindow) {
    QWidget owner;
    CellGrid grid;
    EXPECT_EQ(resizeGridWithProgress(&owner, grid, 40, 40, 20), CellGrid::ResizeResult::resized);
    EXPECT_EQ(grid.currentCols(), 40);
    EXPECT_EQ(resizeGridWithProgress(&owner, grid, 40, 40, 20), CellGrid::ResizeResult::sameSize);
    EXPECT_EQ(owner.findChild<Twaitform*>(), nullptr);
}
