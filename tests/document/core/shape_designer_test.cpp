#include "document/core/shape_designer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Press = ShapeDesigner::Press;

TEST(ShapeDesigner, EachToolChangesTheCellsItsOwnWay) {
    ShapeDesigner designer;
    ASSERT_EQ(designer.resizeGrid(4, 3, 20), CellGrid::ResizeResult::resized);
    designer.tools = {.showHide = true, .secretPhrase = true, .clue = true};
    designer.setCellColor(1, 1, colors::red);
    designer.setCellColor(2, 1, colors::black);
    designer.begin();
    EXPECT_EQ(designer.mode(), ShapeDesigner::showHideMode);

    // Show/hide: the shape goes and comes back; the label stays to be clicked.
    EXPECT_EQ(designer.press(3, 2, false), Press::changed);
    EXPECT_FALSE(designer.cellShown(3, 2));
    EXPECT_TRUE(designer.grid().cellLabels()[3][2]->visible);
    EXPECT_EQ(designer.press(3, 2, true), Press::changed);
    EXPECT_TRUE(designer.cellShown(3, 2));
    EXPECT_EQ(designer.press(5, 1, false), Press::nothing) << "outside the grid";

    struct Step {
        int mode;
        int col, row;
        bool right;
        Color before, after;
    };
    designer.press(4, 3, false);  // a hidden cell is recoloured like any other
    const Step steps[] = {
        {ShapeDesigner::secretPhraseMode, 1, 1, false, colors::red, colors::white},
        {ShapeDesigner::secretPhraseMode, 1, 1, false, colors::white, colors::red},
        {ShapeDesigner::secretPhraseMode, 2, 1, false, colors::black, colors::red},
        {ShapeDesigner::secretPhraseMode, 3, 1, true, colors::white, colors::red},  // any button
        {ShapeDesigner::secretPhraseMode, 4, 3, false, colors::white, colors::red},
        {ShapeDesigner::clueMode, 1, 1, false, colors::red, colors::black},
        {ShapeDesigner::clueMode, 1, 1, false, colors::black, colors::white},
        {ShapeDesigner::clueMode, 4, 3, true, colors::red, colors::black},
    };
    for (const Step& s : steps) {
        designer.setMode(s.mode);
        ASSERT_EQ(designer.cellColor(s.col, s.row), s.before);
        EXPECT_EQ(designer.press(s.col, s.row, s.right), Press::changed);
        EXPECT_EQ(designer.cellColor(s.col, s.row), s.after) << "mode " << s.mode << " at " << s.col << "," << s.row;
    }
    EXPECT_FALSE(designer.cellShown(4, 3));

    // Every use starts with the show/hide tool.
    designer.begin();
    EXPECT_EQ(designer.mode(), ShapeDesigner::showHideMode);
}

// A criss-cross caller: a 3 × 2 grid whose red cells are (1,1), (2,1), (3,1)
// and (1,2); the phrase is coded as "3141".
struct CrissCrossUse {
    ShapeDesigner designer;
    void start(const std::string& inFirstRedCell = {}) {
        designer.resizeGrid(3, 2, 20);
        for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {3, 1}, {1, 2}}) designer.setCellColor(col, row, colors::red);
        designer.setCellText(1, 1, inFirstRedCell);
        designer.tools = {.showHide = true, .secretPhrase = true, .digits = true};
        designer.fullDigits = "3141";
        designer.begin();
        designer.setMode(ShapeDesigner::secretPhraseMode);
    }
};

TEST(ShapeDesigner, RightClicksPlaceTheDigitsOneByOneIntoEmptyRedCells) {
    CrissCrossUse use;
    use.start();
    ShapeDesigner& d = use.designer;
    EXPECT_EQ(d.remainingDigits(), "3141");

    EXPECT_EQ(d.press(2, 2, true), Press::nothing) << "a white cell takes no digit";
    EXPECT_EQ(d.cellColor(2, 2), colors::white);
    EXPECT_EQ(d.press(2, 1, true), Press::digitPlaced);
    EXPECT_EQ(d.press(2, 1, true), Press::nothing) << "a cell with a digit keeps it";
    EXPECT_EQ(d.press(1, 1, true), Press::digitPlaced);
    EXPECT_EQ(d.cellText(2, 1), "3");
    EXPECT_EQ(d.cellText(1, 1), "1");
    EXPECT_EQ(d.remainingDigits(), "41");
    EXPECT_EQ(d.cellColor(1, 1), colors::red) << "placing a digit keeps the colour";

    // A left click still toggles the colour.
    EXPECT_EQ(d.press(3, 2, false), Press::changed);
    EXPECT_EQ(d.cellColor(3, 2), colors::red);
    EXPECT_EQ(d.press(3, 1, true), Press::digitPlaced);
    EXPECT_EQ(d.press(1, 2, true), Press::digitPlaced);
    EXPECT_EQ(d.remainingDigits(), "");
    EXPECT_EQ(d.press(3, 2, true), Press::noDigitsLeft);
    EXPECT_EQ(d.cellText(3, 2), "");

    d.clearDigits();
    EXPECT_EQ(d.remainingDigits(), "3141");
    for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {3, 1}, {1, 2}}) EXPECT_EQ(d.cellText(col, row), "");

    // Without digits to place the right button colours like the left one.
    d.tools = {.showHide = true, .secretPhrase = true};
    EXPECT_EQ(d.press(1, 1, true), Press::changed);
    EXPECT_EQ(d.cellColor(1, 1), colors::white);
}

TEST(ShapeDesigner, NoDigitIsPlacedTwiceAndOnlyOkHandsDigitsBack) {
    CrissCrossUse use;
    ShapeDesigner& d = use.designer;

    // The document's red cell already holds the first digit from an earlier use.
    use.start("3");
    EXPECT_EQ(d.remainingDigits(), "141");
    d.press(2, 1, true);
    EXPECT_EQ(d.cellText(2, 1), "1");
    d.finish(true);
    EXPECT_EQ(d.remainingDigits(), "41");

    // Storno: the placed digit is not handed back as placed.
    use.start("3");
    d.press(2, 1, true);
    d.press(3, 1, true);
    EXPECT_EQ(d.remainingDigits(), "1");
    d.finish(false);
    EXPECT_EQ(d.remainingDigits(), "141");

    // A new use of the same size starts from clean labels: what the last use
    // placed is gone, and a digit no longer in the phrase is not taken off.
    use.start("7");
    EXPECT_EQ(d.cellText(2, 1), "");
    EXPECT_EQ(d.cellText(3, 1), "");
    EXPECT_EQ(d.remainingDigits(), "3141");

    // Without a phrase nothing is to be placed.
    d.tools.digits = false;
    d.begin();
    EXPECT_EQ(d.remainingDigits(), "");
}

TEST(ShapeDesigner, TheHoverFrameFollowsThePointerAndGoesAwayOnClosing) {
    ShapeDesigner d;
    d.resizeGrid(5, 5, 20);
    const auto frame = [&](int col, int row) {
        const CellShape& shape = *d.grid().cellShapes()[col][row];
        return std::pair{shape.pen, shape.penWidth};
    };
    const std::pair plain{colors::black, 1};
    const std::pair blue{colors::blue, 2};

    d.hover(2, 3);
    EXPECT_EQ(frame(2, 3), blue);
    d.hover(4, 4);
    EXPECT_EQ(frame(2, 3), plain);
    EXPECT_EQ(frame(4, 4), blue);
    d.leaveCells();
    EXPECT_EQ(frame(4, 4), plain);
    d.hover(5, 5);
    d.finish(true);
    EXPECT_EQ(frame(5, 5), plain);
    EXPECT_EQ((std::pair{d.hoverCol(), d.hoverRow()}), (std::pair{1, 1}));

    // A hover cell freed by a smaller grid is simply gone.
    d.hover(5, 5);
    d.resizeGrid(3, 3, 20);
    d.leaveCells();
    EXPECT_FALSE(d.grid().hasCell(5, 5));
}

}  // namespace
