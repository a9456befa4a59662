#pragma once
// The picture of a document grid that the picture export window shows and
// saves as a bitmap: one square per cell, blocked cells black, the cell texts
// centred when asked for, and for crosswords the secret-phrase cells in a
// colour of their own and the word-end bars.

#include "document/core/document_kinds.h"
#include "platform/core/canvas.h"
#include "platform/core/color.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

// What a document window hands to the picture window. Cells are indexed
// [column][row], both counted from 0 here.
struct PictureGrid {
    static constexpr int maxCells = maxGridSide;
    template <class T>
    using Table = std::array<std::array<T, maxCells>, maxCells>;

    // Values of cellMarks.
    static constexpr std::uint8_t openCell = 0;
    static constexpr std::uint8_t blockedCell = 1;  // blocked or hidden
    static constexpr std::uint8_t secretCell = 2;   // part of the secret phrase (crossword)
    // Values of the bar marks.
    static constexpr std::uint8_t barShown = 0;
    static constexpr std::uint8_t noBar = 1;

    PictureGrid();

    Table<std::string> cellTexts;  // Windows-1250, what each cell shows
    Table<std::uint8_t> cellMarks;
    int gridCols = 0;
    int gridRows = 0;
    // Crossword only: barShown where a horizontal word ends at the cell's right
    // edge (rightBarMarks) or a vertical word at its bottom edge (bottomBarMarks).
    Table<std::uint8_t> rightBarMarks;
    Table<std::uint8_t> bottomBarMarks;
};

// Takes a document's size and every cell's text into the picture, hidden
// cells blocked and the others open.
template <class Matrix>
void fillPictureCells(PictureGrid& picture, const Matrix& document) {
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const auto& cell = document.cell(column, row);
            picture.cellTexts[column - 1][row - 1] = cell.text;
            picture.cellMarks[column - 1][row - 1] = cell.hidden() ? PictureGrid::blockedCell : PictureGrid::openCell;
        }
    picture.gridCols = document.columns;
    picture.gridRows = document.rows;
}

// How the picture window draws a grid: drawGrid (a word search, a
// criss-cross) or drawCrosswordGrid (a crossword); nothing before a caller
// has said which.
enum class PictureStyle { none, plainGrid, crosswordGrid };

// The window's options, as its controls hold them.
struct PictureOptions {
    static constexpr int minCellSize = 4;
    static constexpr int maxCellSize = 200;
    static constexpr int minFontSize = 1;
    static constexpr int maxFontSize = 200;
    static constexpr int minBarHalfWidth = 0;
    static constexpr int maxBarHalfWidth = 50;

    int cellSize = 30;         // pixels
    int fontSize = 12;         // points
    int barHalfWidth = 2;      // pixels: a bar is twice as thick
    bool fillCells = false;    // write the cell texts
    bool showBars = false;     // draw the word-end bars (crossword)
    Color secretColor = colors::silver;

    // The same options with every number brought into its range.
    PictureOptions clamped() const;
    friend bool operator==(const PictureOptions&, const PictureOptions&) = default;
};

struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The picture's size: the cell size times the columns and rows.
PictureSize pictureSize(const PictureGrid& grid, const PictureOptions& options);

// A word search or criss-cross: white cells with their texts, blocked cells
// black. The font is the canvas's own family at the chosen size.
void drawGrid(Canvas& canvas, const PictureGrid& grid, const PictureOptions& options);

// A crossword: white cells and secret-phrase cells (in their colour) with
// their texts in "Courier New", blocked cells black, then the word-end bars
// centred on the cell edges, over the neighbouring cells' borders.
void drawCrosswordGrid(Canvas& canvas, const PictureGrid& grid, const PictureOptions& options);

// The file a picture is saved to: the chosen path with ".bmp" appended
// unless its file name already holds ".bmp" somewhere, in any letter case.
std::filesystem::path withPictureExtension(const std::filesystem::path& chosen);
