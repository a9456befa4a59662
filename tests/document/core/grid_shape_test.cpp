#include "document/core/grid_shape.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CellState {
    std::string text;
    bool hidden;
    Color colour;
    friend bool operator==(const CellState&, const CellState&) = default;
};

CellState stateOf(const CellGrid& grid, int col, int row) {
    return {grid.cellText(col, row), grid.isHidden(col, row), grid.cellShapes()[col][row]->brush};
}

TEST(GridShape, TheDesignersShapeHidesAndShowsCellsAndKeepsLetters) {
    CellGrid grid;
    grid.resizeGrid(2, 2, 25);
    grid.setText(1, 1, "a");
    grid.setText(2, 1, "b");
    grid.setHidden(1, 2, true);
    grid.setHidden(2, 2, true);
    const GridShape shape{2, 2, {{true, colors::red, ""}, {false, colors::white, ""}, {true, colors::white, ""},
                                 {false, colors::red, ""}}};

    applyShape(grid, shape);
    EXPECT_EQ(stateOf(grid, 1, 1), (CellState{"a", false, colors::red})) << "a letter stays, the colour is taken";
    EXPECT_EQ(stateOf(grid, 2, 1), (CellState{"@", true, colors::white})) << "hidden now";
    EXPECT_EQ(stateOf(grid, 1, 2), (CellState{"", false, colors::white})) << "shown again: empty";
    EXPECT_EQ(stateOf(grid, 2, 2), (CellState{"@", true, colors::red}));
    // Hiding takes shape and label; showing brings both back.
    EXPECT_FALSE(grid.cellLabels()[2][1]->visible);
    EXPECT_TRUE(grid.cellShapes()[1][2]->visible);
    EXPECT_TRUE(grid.cellLabels()[1][2]->visible);

    // The grid's shape is what was applied, without texts.
    EXPECT_EQ(shapeOfGrid(grid), shape);

    // A shape of another size changes nothing.
    applyShape(grid, GridShape::blank(3, 1));
    EXPECT_EQ(shapeOfGrid(grid), shape);
    EXPECT_EQ(grid.cellText(1, 1), "a");
}

TEST(GridShape, AShapeThatKeepsTextsHidesALetterAndShowsItAgain) {
    CellGrid grid;
    grid.resizeGrid(3, 2, 25);
    grid.setText(1, 1, "a");
    grid.setText(2, 1, "ch");
    grid.setHidden(3, 1, true);  // a template's blocked cell
    const auto labelText = [&](int col) { return grid.cellLabels()[col][1]->text; };

    GridShape shape = GridShape::blank(3, 2);
    shape.cell(1, 1) = {false, colors::red, ""};
    shape.cell(2, 1).colour = colors::black;
    applyShape(grid, shape, HiddenCellText::keep);
    EXPECT_TRUE(grid.isHidden(1, 1));
    EXPECT_FALSE(grid.cellLabels()[1][1]->visible);
    EXPECT_EQ(labelText(1), "a") << "hidden with its letter";
    EXPECT_EQ(grid.cellShapes()[1][1]->brush, colors::red);
    EXPECT_EQ(labelText(2), "ch");
    EXPECT_EQ(labelText(3), "") << "the mark of a blocked cell is no letter";

    applyShape(grid, GridShape::blank(3, 2), HiddenCellText::keep);
    EXPECT_FALSE(grid.isHidden(1, 1));
    EXPECT_EQ(labelText(1), "a") << "shown again with its letter";
}

TEST(GridShape, TheDesignerTakesAndGivesBackVisibilityColoursAndTexts) {
    GridShape shape = GridShape::blank(3, 2);
    shape.cell(2, 1) = {false, colors::white, ""};
    shape.cell(1, 2) = {true, colors::red, "7"};  // a digit a criss-cross placed
    shape.cell(3, 2) = {true, colors::black, ""};

    ShapeDesigner designer;
    designer.resizeGrid(3, 2, 25);
    loadDesigner(designer, shape);
    EXPECT_FALSE(designer.cellShown(2, 1));
    EXPECT_EQ(designer.cellColor(1, 2), colors::red);
    EXPECT_EQ(designer.cellText(1, 2), "7");
    EXPECT_EQ(designerShape(designer), shape);
}

}  // namespace
