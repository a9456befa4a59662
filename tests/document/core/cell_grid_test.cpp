#include "document/core/cell_grid.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Fills every cell inside the size with a letter and a colour, so a test can
// see which cells a resize emptied.
void scribble(CellGrid& grid) {
    for (int col = 1; col <= grid.currentCols(); ++col)
        for (int row = 1; row <= grid.currentRows(); ++row) {
            grid.setText(col, row, "x");
            grid.setBrush(col, row, colors::red);
        }
}

struct RecordingProgress : CellGrid::Progress {
    bool opens = true;
    int opened = -1;
    std::vector<int> percents;
    bool closed = false;
    bool open(int totalSteps) override {
        opened = totalSteps;
        return opens;
    }
    void step(int done, int percent) override {
        EXPECT_EQ(done, static_cast<int>(percents.size()) + 1);
        percents.push_back(percent);
    }
    void close() override { closed = true; }
};

struct RecordingListener : GridCellsListener {
    std::vector<std::string> log;
    void cellChanged(int col, int row) override { log.push_back(std::to_string(col) + "." + std::to_string(row)); }
    void layoutChanged() override { log.push_back("layout"); }
    void cursorsChanged() override { log.push_back("cursors"); }
    void cellsGone() override { log.push_back("gone"); }
};

}  // namespace

TEST(CellGrid, ANewGridHasItsCellsNumberedVisibleEmptyAndWhite) {
    CellGrid grid;
    EXPECT_EQ(grid.resizeGrid(10, 10, 20), CellGrid::ResizeResult::resized);
    EXPECT_EQ(grid.currentCols(), 10);
    EXPECT_EQ(grid.currentRows(), 10);
    for (int col = 1; col <= 40; ++col)
        for (int row = 1; row <= 40; ++row) {
            const bool inside = col <= 10 && row <= 10;
            ASSERT_EQ(grid.hasCell(col, row), inside) << col << "." << row;
            if (!inside) continue;
            const CellShape& shape = *grid.cellShapes()[col][row];
            const CellLabel& label = *grid.cellLabels()[col][row];
            EXPECT_TRUE(shape.visible && label.visible);
            EXPECT_EQ(shape.brush, colors::white);
            EXPECT_EQ(label.text, "");
            EXPECT_EQ(label.hint, std::to_string(col) + "." + std::to_string(row));
        }
    EXPECT_EQ(grid.stackingOrder().size(), 100u);
}

TEST(CellGrid, CellGeometryFollowsTheCellSize) {
    struct Case {
        int size, col, row;
        CellRect shape, label;
        int fontHeight;
        CellRect rightBar, bottomBar;
    };
    const Case cases[] = {
        {20, 2, 3, {22, 43, 20, 20}, {23, 44, 18, 18}, -11, {41, 43, 3, 20}, {22, 62, 20, 3}},
        {20, 1, 1, {1, 1, 20, 20}, {2, 2, 18, 18}, -11, {20, 1, 3, 20}, {1, 20, 20, 3}},
        {25, 10, 4, {235, 79, 25, 25}, {236, 80, 23, 23}, -16, {259, 79, 3, 25}, {235, 103, 25, 3}},
        {40, 40, 40, {1600, 1600, 40, 40}, {1601, 1601, 38, 38}, -31, {1639, 1600, 3, 40}, {1600, 1639, 40, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("size " + std::to_string(c.size) + " cell " + std::to_string(c.col) + "." + std::to_string(c.row));
        CellGrid grid;
        CellGrid::Kind crossword;
        crossword.edgeBars = true;
        grid.setKind(crossword);
        ASSERT_EQ(grid.resizeGrid(40, 40, c.size), CellGrid::ResizeResult::resized);
        EXPECT_EQ(grid.cellShapes()[c.col][c.row]->bounds, c.shape);
        EXPECT_EQ(grid.cellLabels()[c.col][c.row]->bounds, c.label);
        EXPECT_EQ(grid.cellLabels()[c.col][c.row]->fontHeight, c.fontHeight);
        ASSERT_TRUE(grid.rightBars()[c.col][c.row] && grid.bottomBars()[c.col][c.row]);
        EXPECT_EQ(grid.rightBars()[c.col][c.row]->bounds, c.rightBar);
        EXPECT_EQ(grid.bottomBars()[c.col][c.row]->bounds, c.bottomBar);
        EXPECT_FALSE(grid.rightBars()[c.col][c.row]->visible || grid.bottomBars()[c.col][c.row]->visible);
    }
}

TEST(CellGrid, ResizingFreesCreatesAndEmptiesCellsInOneStepPerCell) {
    CellGrid grid;
    int reset = 0;
    grid.setKind({.cursor = cellcursor::startCursor, .edgeBars = true, .cellReset = [&](int, int) { ++reset; }});
    grid.resizeGrid(10, 10, 20);
    scribble(grid);
    grid.setCellVisible(4, 4, false);
    grid.setRightBarVisible(3, 3, true);
    reset = 0;

    RecordingProgress progress;
    EXPECT_EQ(grid.resizeGrid(12, 8, 20, &progress), CellGrid::ResizeResult::resized);

    EXPECT_EQ(progress.opened, 120);
    ASSERT_EQ(progress.percents.size(), 120u);
    EXPECT_EQ(progress.percents[2], 2);    // 2.5 rounds to even
    EXPECT_EQ(progress.percents[8], 8);    // 7.5 rounds to even
    EXPECT_EQ(progress.percents[0], 1);    // 0.83
    EXPECT_EQ(progress.percents.back(), 100);
    EXPECT_TRUE(progress.closed);

    EXPECT_EQ(reset, 96);
    for (int col = 1; col <= 40; ++col)
        for (int row = 1; row <= 40; ++row) {
            const bool inside = col <= 12 && row <= 8;
            ASSERT_EQ(grid.hasCell(col, row), inside) << col << "." << row;
            ASSERT_EQ(grid.rightBars()[col][row].has_value(), inside) << "bars go with their cell";
            if (!inside) continue;
            EXPECT_TRUE(grid.cellShapes()[col][row]->visible && grid.cellLabels()[col][row]->visible);
            EXPECT_EQ(grid.cellLabels()[col][row]->text, "");
            EXPECT_EQ(grid.cellShapes()[col][row]->brush, colors::white);
            EXPECT_EQ(grid.cellLabels()[col][row]->cursor, cellcursor::startCursor);
        }
    EXPECT_TRUE(grid.rightBars()[3][3]->visible) << "an existing cell keeps its bars";
}

TEST(CellGrid, TheSameSizeChangesNothing) {
    CellGrid grid;
    grid.resizeGrid(10, 8, 20);
    grid.resizeGrid(10, 10, 20);
    scribble(grid);
    RecordingProgress progress;
    EXPECT_EQ(grid.resizeGrid(10, 10, 30, &progress), CellGrid::ResizeResult::sameSize);
    EXPECT_EQ(progress.opened, -1);
    EXPECT_EQ(grid.cellLabels()[10][10]->text, "x");
    EXPECT_EQ(grid.cellShapes()[1][1]->brush, colors::red);
    EXPECT_EQ(grid.cellShapes()[1][1]->bounds.width, 20);
}

TEST(CellGrid, CellsKeepTheSizeTheyWereCreatedWith) {
    CellGrid grid;
    grid.resizeGrid(10, 10, 20);
    grid.resizeGrid(12, 12, 30);
    EXPECT_EQ(grid.cellShapes()[10][10]->bounds, (CellRect{190, 190, 20, 20}));
    EXPECT_EQ(grid.cellShapes()[11][1]->bounds, (CellRect{311, 1, 30, 30}));
    EXPECT_EQ(grid.cellShapes()[1][11]->bounds, (CellRect{1, 311, 30, 30}));
    EXPECT_EQ(grid.cellShapes()[12][12]->bounds, (CellRect{342, 342, 30, 30}));
    EXPECT_EQ(grid.cellLabels()[10][10]->fontHeight, -11);
    EXPECT_EQ(grid.cellLabels()[12][12]->fontHeight, -21);
    EXPECT_EQ(grid.extentWidth(), 372);
    EXPECT_EQ(grid.extentHeight(), 372);
}

TEST(CellGrid, SizesOutsideTwoToFortyAreRefusedAndCellSizesKeptWithinTwentyToForty) {
    CellGrid grid;
    grid.resizeGrid(10, 10, 20);
    scribble(grid);
    const std::pair<int, int> refused[] = {{1, 10}, {10, 1}, {41, 10}, {10, 41}, {0, 0}, {-3, 5}, {256, 256}};
    for (const auto& [cols, rows] : refused) {
        EXPECT_EQ(grid.resizeGrid(cols, rows, 20), CellGrid::ResizeResult::outOfRange) << cols << " × " << rows;
        EXPECT_EQ(grid.currentCols(), 10);
        EXPECT_EQ(grid.currentRows(), 10);
    }
    EXPECT_EQ(grid.cellLabels()[5][5]->text, "x");
    EXPECT_EQ(grid.resizeGrid(2, 40, 20), CellGrid::ResizeResult::resized);

    const std::pair<int, int> sizes[] = {{0, 20}, {-7, 20}, {19, 20}, {33, 33}, {41, 40}, {255, 40}};
    for (const auto& [setting, used] : sizes) {
        CellGrid fresh;
        ASSERT_EQ(fresh.resizeGrid(3, 3, setting), CellGrid::ResizeResult::resized);
        EXPECT_EQ(fresh.cellShapes()[3][3]->bounds, cellgeometry::shape(3, 3, used)) << "setting " << setting;
        EXPECT_EQ(fresh.cellLabels()[3][3]->bounds.width, used - 2);
    }
}

TEST(CellGrid, WithoutAProgressDisplayNothingChanges) {
    CellGrid grid;
    grid.resizeGrid(10, 10, 20);
    grid.resizeGrid(6, 7, 20);
    scribble(grid);
    RecordingProgress progress;
    progress.opens = false;
    EXPECT_EQ(grid.resizeGrid(12, 12, 20, &progress), CellGrid::ResizeResult::noProgress);
    EXPECT_TRUE(progress.percents.empty());
    EXPECT_EQ(grid.currentCols(), 6);
    EXPECT_EQ(grid.currentRows(), 7);
    EXPECT_FALSE(grid.hasCell(7, 1));
    EXPECT_EQ(grid.cellLabels()[6][7]->text, "x");
}

TEST(CellGrid, ThePainterHearsOfEachRealChangeAndOfAResizeOnce) {
    CellGrid grid;
    RecordingListener listener;
    grid.setListener(&listener);
    grid.resizeGrid(10, 10, 20);
    EXPECT_EQ(listener.log, std::vector<std::string>{"layout"});

    listener.log.clear();
    grid.setText(3, 4, "a");
    grid.setText(3, 4, "a");  // no change
    grid.setBrush(2, 2, colors::red);
    grid.setPen(5, 6, colors::blue, 2);
    grid.setCellVisible(7, 1, false);
    grid.setText(11, 1, "a");  // no such cell
    grid.setRightBarVisible(1, 1, true);  // a grid without bars
    grid.setCursor(1, 1, cellcursor::endCursor);
    EXPECT_EQ(listener.log, (std::vector<std::string>{"3.4", "2.2", "5.6", "7.1", "cursors"}));

    listener.log.clear();
    {
        GridCells::Batch batch(grid);
        for (int col = 1; col <= 10; ++col) grid.setCursor(col, 1, cellcursor::startCursor);
    }
    {
        GridCells::Batch batch(grid);
        for (int col = 1; col <= 10; ++col) grid.setText(col, 2, "b");
    }
    EXPECT_EQ(listener.log, (std::vector<std::string>{"cursors", "layout"}));

    listener.log.clear();
    grid.setListener(nullptr);
    {
        RecordingListener last;
        auto doomed = std::make_unique<CellGrid>();
        doomed->setListener(&last);
        doomed.reset();
        EXPECT_EQ(last.log, std::vector<std::string>{"gone"});
    }
}

TEST(CellGrid, AHiddenCellIsInvisibleAndReadsAsTheHiddenMark) {
    CellGrid grid;
    grid.resizeGrid(3, 2, 20);
    grid.setText(1, 1, "a");
    grid.setText(2, 1, "ch");

    // Hiding replaces the letter; showing again empties only the mark.
    grid.setHidden(1, 1, true);
    EXPECT_TRUE(grid.isHidden(1, 1));
    EXPECT_FALSE(grid.cellShapes()[1][1]->visible);
    EXPECT_FALSE(grid.cellLabels()[1][1]->visible);
    EXPECT_EQ(grid.cellText(1, 1), "@");
    grid.setHidden(1, 1, false);
    EXPECT_FALSE(grid.isHidden(1, 1));
    EXPECT_EQ(grid.cellText(1, 1), "");
    grid.setHidden(2, 1, false);
    EXPECT_EQ(grid.cellText(2, 1), "ch");

    // The file's text of a cell goes in and comes out unchanged.
    for (const std::string text : {"@", "", "x", "ch"}) {
        grid.setCellText(3, 2, text);
        EXPECT_EQ(grid.cellText(3, 2), text);
        EXPECT_EQ(grid.isHidden(3, 2), text == "@") << text;
    }

    // Cells outside the grid are neither hidden nor changed.
    grid.setHidden(4, 1, true);
    grid.setCellText(1, 3, "@");
    EXPECT_FALSE(grid.isHidden(4, 1));
    EXPECT_FALSE(grid.isHidden(1, 3));
    EXPECT_EQ(grid.cellText(4, 1), "");
}
