#pragma once
// What a classic crossword hands to its outputs, without any window: the
// printed blank puzzle and the spreadsheet workbook.

#include "crossword/core/clue_lists.h"
#include "crossword/core/kri_file.h"
#include "crossword/core/print_sizes.h"
#include "document/core/cell_matrix.h"
#include "document/core/picture_drawing.h"
#include "platform/core/canvas.h"
#include "platform/core/workbook.h"

#include <string>
#include <vector>

namespace crossword {

// How rows or columns are labelled on the print, as the dialog's radio
// groups number their items.
enum class LabelStyle {
    letters = 0,  // "A,B,C"
    numbers = 1,  // "1,2,3"
};

// What the print dialog chose.
struct PrintOptions {
    LabelStyle rowLabels = LabelStyle::letters;
    LabelStyle columnLabels = LabelStyle::numbers;
    PrintSizes sizes;
    bool grid = true;        // the labels, the grid, its frame and (with `separators`) the separators
    bool separators = true;  // the bars that end the words, as thick lines between the cells
    bool across = true;      // the clues across
    bool down = true;        // the clues down
};

// What the print shows of a crossword: the size, which cells are hidden,
// both bars of every cell, and the words of both directions with their lines
// and clues (the word tables, not the clue grids: clues typed into the grids
// count once the crossword is finished).
struct PrintedCell {
    bool hidden = false;
    bool rightBar = false;
    bool bottomBar = false;
};
struct PrintedCrossword : CellMatrix<PrintedCell> {
    CrosswordWordTable across;
    CrosswordWordTable down;

    static PrintedCrossword blank(int columns, int rows) { return blankMatrix<PrintedCrossword>(columns, rows); }
};

// The printed page, in the printer's device pixels from the top-left corner
// of the printable area, with S the cell size and T the separator half width:
// cell (c, r) covers x from 198 + S (c − 1) to 198 + S c and y from
// 148 − r + S (r − 1) to 148 − r + S r (rows are S − 1 apart, so neighbouring
// rows share their border line); the column labels stand above the grid and
// the row labels left of it, both clear of the frame; the frame and the
// separators are black bars 2 T thick over the cells' edges, and the clue
// lists run below the grid from y = S × rows + 249.
namespace kriprint {
inline constexpr int gridLeft = 198;
inline constexpr int gridTop = 148;
inline constexpr int rowLabelRight = 193;
inline constexpr int columnLabelBottom = 144;
inline constexpr int listGap = 249;       // from S × rows to the first line of clues
inline constexpr int downListGap = 90;    // from the last line across to the first line down

// The label of row or column `number`: the character of code 64 + number
// ("A" for 1, "[" for 27), or the number in decimal. A number whose code
// would lie outside the code page (below 1 or above 191) is written in decimal.
std::string label(int number, LabelStyle style);

// The print font, "Courier New", at `pointSize`.
CanvasFont font(int pointSize);

// The factor the print is drawn at on a page of the given size: 1 while the
// grid with its frame lies on the page; a larger grid is made smaller until
// it fits with as much room right of it and below it as left of it and
// above it, everything else with it.
double printScale(int pageWidth, int pageHeight, int columns, int rows, const PrintSizes& sizes);
}  // namespace kriprint

// Draws the whole printout on `canvas`, which stands on its first page:
// the column labels, row by row the row label, the cells (a visible cell as
// an outline, a hidden cell filled black) and the frame's bars, then the
// separators; then the clues across ("Vodorovně: A: …; …") and down
// ("Svisle: 1: …; …") as running text that wraps at the right limit (a clue
// wider than a line is broken at its blanks) and goes on to further pages,
// each clue with "; ", the label of its line before the first clue of every
// line. A list without words prints nothing; the list down starts 90 pixels
// below the last line across all the same. Nothing is started after the last
// piece. The options' sizes are brought into their ranges first.
void drawCrosswordPrint(Canvas& canvas, const PrintedCrossword& crossword, const PrintOptions& options);

// Fills a workbook for the spreadsheet export: sheet 1 "Nevyplnena" holds the
// blank grid and the clues, sheet 2 "Vyplnena" the grid with its letters and
// the words. The grid stands from column B (grid column c in sheet column
// c + 1, grid row r in sheet row r): hidden cells solid black, secret-phrase
// cells silver, every visible cell in a thin box, the bars as thick borders
// of the cells they end, a thick frame round the grid. Column A holds
// "Vodorovně:", the rows of the clue grid across (one empty row when it has
// no words), an empty row, "Svisle:" and the rows of the clue grid down; both
// headings bold at 10 points. Sheet 2 is current afterwards with "A1"
// selected. False when the workbook refused a cell (a text longer than a
// spreadsheet cell holds).
bool fillCrosswordWorkbook(Workbook& book, const KriDocument& crossword);

// Hands the grid to the picture window: every cell's text, hidden cells
// blocked, the secret phrase's cells marked, and both bars of every cell.
void fillCrosswordPicture(PictureGrid& picture, const KriDocument& crossword);

}  // namespace crossword
