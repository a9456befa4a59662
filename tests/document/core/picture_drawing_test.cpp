#include "document/core/picture_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using Kind = RecordingCanvas::Kind;

// A canvas like the picture's own: 96 pixels per inch, so 12-point text is
// 9 pixels a character wide and 16 pixels high.
RecordingCanvas pictureCanvas() { return RecordingCanvas(1000, 1000, 96); }

// A 10 × 10 word search: letters everywhere, "ch" in column 3 of row 2
// (0-based 2, 1), hidden cells on the diagonal.
PictureGrid wordSearch() {
    PictureGrid grid;
    grid.gridCols = 10;
    grid.gridRows = 10;
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 10; ++r) {
            grid.cellTexts[c][r] = std::string(1, static_cast<char>('A' + c));
            grid.cellMarks[c][r] = c == r ? PictureGrid::blockedCell : PictureGrid::openCell;
            if (c == r) grid.cellTexts[c][r] = "@";
        }
    grid.cellTexts[2][1] = "CH";
    return grid;
}

const RecordingCanvas::Operation* rectangleAt(const RecordingCanvas& canvas, int left, int top) {
    for (const auto& op : canvas.operations())
        if (op.kind == Kind::Rectangle && op.left == left && op.top == top) return &op;
    return nullptr;
}

TEST(PictureDrawing, WordSearchAtTheDefaultsIsThreeHundredSquareWithBlackHiddenCellsAndNoText) {
    const PictureGrid grid = wordSearch();
    const PictureOptions defaults;
    EXPECT_EQ(pictureSize(grid, defaults), (PictureSize{300, 300}));

    RecordingCanvas canvas = pictureCanvas();
    canvas.setBrushColor(colors::red);  // whatever the canvas held before
    drawGrid(canvas, grid, defaults);
    const auto cells = canvas.operationsOf(Kind::Rectangle);
    ASSERT_EQ(cells.size(), 100u);
    EXPECT_TRUE(canvas.operationsOf(Kind::Text).empty());
    // Rows outer, columns inner, 30 pixels apart, right and bottom edge shared.
    EXPECT_EQ((std::array{cells[1].left, cells[1].top, cells[1].right, cells[1].bottom}), (std::array{30, 0, 60, 30}));
    EXPECT_EQ((std::array{cells[10].left, cells[10].top}), (std::array{0, 30}));
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 10; ++r) {
            const auto* cell = rectangleAt(canvas, 30 * c, 30 * r);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->brush, c == r ? colors::black : colors::white) << c << "," << r;
            EXPECT_EQ(cell->pen, colors::black);
            EXPECT_EQ(cell->penWidth, 1);
        }
    EXPECT_EQ(canvas.brushColor(), colors::white);
}

TEST(PictureDrawing, FilledCellsCentreTheirTextInTheCanvasFont) {
    const PictureGrid grid = wordSearch();
    PictureOptions options;
    options.fillCells = true;
    RecordingCanvas canvas = pictureCanvas();
    drawGrid(canvas, grid, options);

    const auto texts = canvas.operationsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 90u) << "hidden cells carry no text";
    const auto at = [&](const std::string& text, int x, int y) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const auto& op) { return op.text == text && op.left == x && op.top == y; });
    };
    // x = 30j + (15 − width div 2), y = 30i + (15 − 16 div 2)
    EXPECT_TRUE(at("A", 0 + 15 - 4, 30 + 7));      // column 0, row 1
    EXPECT_TRUE(at("CH", 60 + 15 - 9, 30 + 7));    // column 2, row 1
    EXPECT_TRUE(at("J", 270 + 15 - 4, 240 + 7));   // column 9, row 8
    EXPECT_EQ(texts[0].font, (CanvasFont{CanvasFont{}.family, 12, false}));
    EXPECT_EQ(texts[0].brush, colors::white);
}

TEST(PictureDrawing, CrosswordColoursSecretCellsAndDrawsBarsOverTheBorders) {
    PictureGrid grid;
    grid.gridCols = 3;
    grid.gridRows = 2;
    const char* letters[3][2] = {{"k", "@"}, {"o", "@"}, {"\xE8", "x"}};  // č
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r) grid.cellTexts[c][r] = letters[c][r];
    grid.cellMarks[0][1] = PictureGrid::blockedCell;
    grid.cellMarks[1][1] = PictureGrid::blockedCell;
    grid.cellMarks[1][0] = PictureGrid::secretCell;
    grid.rightBarMarks[2][0] = PictureGrid::barShown;   // the word ends in the last cell of row 0
    grid.bottomBarMarks[2][1] = PictureGrid::barShown;  // and a vertical one in column 2
    grid.rightBarMarks[0][1] = PictureGrid::barShown;   // marks of a blocked cell draw nothing

    PictureOptions options;
    options.fillCells = true;
    options.showBars = true;
    options.barHalfWidth = 3;
    options.secretColor = colors::fromRgb(0, 255, 0);
    RecordingCanvas canvas = pictureCanvas();
    drawCrosswordGrid(canvas, grid, options);

    EXPECT_EQ(rectangleAt(canvas, 0, 0)->brush, colors::white);
    EXPECT_EQ(rectangleAt(canvas, 30, 0)->brush, options.secretColor);
    EXPECT_EQ(rectangleAt(canvas, 0, 30)->brush, colors::black);
    const auto texts = canvas.operationsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1].text, "o");
    EXPECT_EQ(texts[1].brush, options.secretColor) << "the letter stands on the cell's colour";
    for (const auto& text : texts) EXPECT_EQ(text.font.family, "Courier New");
    EXPECT_EQ(texts[1].left, 30 + 15 - 4);

    const auto bars = canvas.operationsOf(Kind::Fill);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ((std::array{bars[0].left, bars[0].top, bars[0].right, bars[0].bottom}), (std::array{87, 0, 93, 30}));
    EXPECT_EQ((std::array{bars[1].left, bars[1].top, bars[1].right, bars[1].bottom}), (std::array{60, 57, 90, 63}));
    EXPECT_EQ(bars[0].brush, colors::black);
    // The bars come after every cell; nothing else is written into the picture.
    EXPECT_EQ(canvas.operations().back().kind, Kind::Fill);
    EXPECT_TRUE(std::none_of(texts.begin(), texts.end(), [](const auto& op) { return op.text == "Legenda"; }));

    RecordingCanvas withoutBars = pictureCanvas();
    options.showBars = false;
    drawCrosswordGrid(withoutBars, grid, options);
    EXPECT_TRUE(withoutBars.operationsOf(Kind::Fill).empty());
}

TEST(PictureDrawing, OptionsAndSizesStayWithinTheirRanges) {
    struct Case {
        int cell, font, bar;
        int wantCell, wantFont, wantBar;
    };
    const Case cases[] = {
        {30, 12, 2, 30, 12, 2},
        {0, 0, -1, 4, 1, 0},
        {-30, -12, -2, 4, 1, 0},
        {1000000, 500, 99, 200, 200, 50},
        {4, 1, 0, 4, 1, 0},
        {200, 200, 50, 200, 200, 50},
    };
    for (const Case& c : cases) {
        PictureOptions options;
        options.cellSize = c.cell;
        options.fontSize = c.font;
        options.barHalfWidth = c.bar;
        const PictureOptions clamped = options.clamped();
        EXPECT_EQ((std::array{clamped.cellSize, clamped.fontSize, clamped.barHalfWidth}),
                  (std::array{c.wantCell, c.wantFont, c.wantBar}))
            << c.cell << " " << c.font << " " << c.bar;
    }

    // A size beyond the tables is taken as the tables' size; the largest
    // picture is 40 cells of 200 pixels.
    PictureGrid grid;
    grid.gridCols = 55;
    grid.gridRows = -3;
    PictureOptions huge;
    huge.cellSize = 5000;
    EXPECT_EQ(pictureSize(grid, huge), (PictureSize{8000, 0}));
    RecordingCanvas canvas = pictureCanvas();
    grid.gridRows = 41;
    drawGrid(canvas, grid, {});
    EXPECT_EQ(canvas.operationsOf(Kind::Rectangle).size(), 1600u);
}

TEST(PictureDrawing, BmpIsAppendedUnlessTheFileNameHoldsItInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/puzzle", "/tmp/puzzle.bmp"},
        {"/tmp/puzzle.bmp", "/tmp/puzzle.bmp"},
        {"/tmp/puzzle.BMP", "/tmp/puzzle.BMP"},
        {"/tmp/puzzle.Bmp.old", "/tmp/puzzle.Bmp.old"},
        {"/tmp/puzzle.bm", "/tmp/puzzle.bm.bmp"},
        {"/tmp/x.bmp/puzzle", "/tmp/x.bmp/puzzle.bmp"},  // the folder does not count
    };
    for (const auto& [chosen, written] : cases) EXPECT_EQ(withPictureExtension(chosen).string(), written) << chosen;
}

}  // namespace
