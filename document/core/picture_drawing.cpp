#include "document/core/picture_drawing.h"

#include <algorithm>
#include <cctype>

PictureGrid::PictureGrid() {
    for (auto& column : cellMarks) column.fill(openCell);
    for (auto& column : rightBarMarks) column.fill(noBar);
    for (auto& column : bottomBarMarks) column.fill(noBar);
}

PictureOptions PictureOptions::clamped() const {
    PictureOptions result = *this;
    result.cellSize = std::clamp(cellSize, minCellSize, maxCellSize);
    result.fontSize = std::clamp(fontSize, minFontSize, maxFontSize);
    result.barHalfWidth = std::clamp(barHalfWidth, minBarHalfWidth, maxBarHalfWidth);
    return result;
}

namespace {

// The size the caller gave, kept within the tables.
int columnsOf(const PictureGrid& grid) { return std::clamp(grid.gridCols, 0, PictureGrid::maxCells); }
int rowsOf(const PictureGrid& grid) { return std::clamp(grid.gridRows, 0, PictureGrid::maxCells); }

// What both drawings begin with: the font size and a white brush under the
// canvas's default pen.
void startPicture(Canvas& canvas, const PictureOptions& options) {
    canvas.setFontSize(options.fontSize);
    canvas.setBrushColor(colors::white);
    canvas.setPenColor(colors::black);
    canvas.setPenWidth(1);
}

// The cell at column j, row i (from 0) with the brush's fill, and its text
// centred in it when the texts are to be written.
void drawCell(Canvas& canvas, const PictureGrid& grid, const PictureOptions& options, int j, int i, bool withText) {
    const int s = options.cellSize;
    canvas.rectangle(s * j, s * i, s * (j + 1), s * (i + 1));
    if (!withText || !options.fillCells) return;
    const std::string& text = grid.cellTexts[j][i];
    if (text.empty()) return;
    const int width = canvas.textWidth(text);
    const int height = canvas.textHeight(text);
    canvas.textOut(s * j + (s / 2 - width / 2), s * i + (s / 2 - height / 2), text);
}

// A cell in another colour; the brush is white again afterwards.
void drawColouredCell(Canvas& canvas, const PictureGrid& grid, const PictureOptions& options, int j, int i,
                      Color colour, bool withText) {
    canvas.setBrushColor(colour);
    drawCell(canvas, grid, options, j, i, withText);
    canvas.setBrushColor(colors::white);
}

}  // namespace

PictureSize pictureSize(const PictureGrid& grid, const PictureOptions& options) {
    const int s = options.clamped().cellSize;
    return {s * columnsOf(grid), s * rowsOf(grid)};
}

void drawGrid(Canvas& canvas, const PictureGrid& grid, const PictureOptions& given) {
    const PictureOptions options = given.clamped();
    startPicture(canvas, options);
    for (int i = 0; i < rowsOf(grid); ++i)
        for (int j = 0; j < columnsOf(grid); ++j) {
            if (grid.cellMarks[j][i] != PictureGrid::openCell)
                drawColouredCell(canvas, grid, options, j, i, colors::black, false);
            else
                drawCell(canvas, grid, options, j, i, true);
        }
}

void drawCrosswordGrid(Canvas& canvas, const PictureGrid& grid, const PictureOptions& given) {
    const PictureOptions options = given.clamped();
    startPicture(canvas, options);
    canvas.setFontFamily("Courier New");
    const int cols = columnsOf(grid);
    const int rows = rowsOf(grid);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            switch (grid.cellMarks[j][i]) {
            case PictureGrid::openCell:
                drawCell(canvas, grid, options, j, i, true);
                break;
            case PictureGrid::secretCell:
                drawColouredCell(canvas, grid, options, j, i, options.secretColor, true);
                break;
            default:
                drawColouredCell(canvas, grid, options, j, i, colors::black, false);
                break;
            }
        }
    if (!options.showBars) return;

    // Bars 2t thick centred on the edges, after all cells so that they cover
    // the borders of the cells beside them.
    const int s = options.cellSize;
    const int t = options.barHalfWidth;
    canvas.setBrushColor(colors::black);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            if (grid.cellMarks[j][i] == PictureGrid::blockedCell) continue;
            if (grid.rightBarMarks[j][i] == PictureGrid::barShown)
                canvas.fillRect(s * (j + 1) - t, s * i, s * (j + 1) + t, s * (i + 1));
            if (grid.bottomBarMarks[j][i] == PictureGrid::barShown)
                canvas.fillRect(s * j, s * (i + 1) - t, s * (j + 1), s * (i + 1) + t);
        }
    canvas.setBrushColor(colors::white);
}

std::filesystem::path withPictureExtension(const std::filesystem::path& chosen) {
    std::string name = chosen.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name.find(".bmp") != std::string::npos) return chosen;
    std::filesystem::path appended = chosen;
    appended += ".bmp";
    return appended;
}
