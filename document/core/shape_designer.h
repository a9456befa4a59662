#pragma once
// The shape designer's grid and rules, without its window.
//
// A document window copies the shape of its grid into the designer (which
// cells are shown and their colours: white a normal cell, red a secret-phrase
// cell, black a clue cell), the user changes it with one of three tools, and
// the window copies the result back. The caller says which tools its kind
// offers. A caller with digits (a criss-cross puzzle with a secret phrase)
// also lets the user place the phrase's digits, one by one, into the red
// cells with the right mouse button.
//
// One use: resizeGrid (which also empties every cell's text), the caller's
// cells, begin (when the window is shown), presses, then finish with the
// result. After OK the caller reads each cell's visibility and colour, and a
// criss-cross caller the texts of the red cells: the digits placed in them.

#include "document/core/cell_grid.h"
#include "platform/core/color.h"

#include <string>

class ShapeDesigner {
public:
    enum Mode { showHideMode = 1, secretPhraseMode = 2, clueMode = 3 };

    // Which tools a caller offers, and whether it has digits to place (the
    // digit panel is shown then).
    struct Tools {
        bool showHide = false;
        bool secretPhrase = false;
        bool clue = false;
        bool digits = false;
        friend bool operator==(const Tools&, const Tools&) = default;
    };

    // What a press on a cell did.
    enum class Press {
        nothing,
        changed,       // visibility or colour
        digitPlaced,
        noDigitsLeft,  // every digit is placed already: the user is told
    };

    ShapeDesigner();

    CellGrid& grid() { return grid_; }
    const CellGrid& grid() const { return grid_; }
    int cols() const { return grid_.currentCols(); }
    int rows() const { return grid_.currentRows(); }

    // Gives the grid cols × rows cells (new ones of `cellSize` pixels, all of
    // them shown, empty and white) and empties the texts of every cell, so
    // that no use sees what an earlier one left.
    CellGrid::ResizeResult resizeGrid(int cols, int rows, int cellSize, CellGrid::Progress* progress = nullptr);

    // A cell's shape; its label stays, so a hidden cell can be clicked again.
    void setCellShown(int col, int row, bool shown);
    bool cellShown(int col, int row) const;
    void setCellColor(int col, int row, Color colour);
    Color cellColor(int col, int row) const;  // white for a cell that does not exist
    void setCellText(int col, int row, std::string text);
    std::string cellText(int col, int row) const;

    Tools tools;
    // With tools.digits: the coded secret phrase as digits, one character a digit.
    std::string fullDigits;
    // The digits still to place, in order.
    const std::string& remainingDigits() const { return remaining_; }

    int mode() const { return mode_; }
    void setMode(int mode);

    // The start of a use, when the window is shown: the show/hide tool, and
    // for a caller with digits the digits still to place: the full digits
    // less those the red cells hold already.
    void begin();
    // The end of a use. Without OK the digits still to place are those of
    // the start again, so a cancelled use hands nothing back.
    void finish(bool accepted);

    // A mouse button went down on a cell.
    Press press(int col, int row, bool rightButton);
    // Places the next digit into a red cell whose text is empty.
    Press assignDigit(int col, int row);
    // Empties every cell's text; all digits are to be placed again.
    void clearDigits();

    // The frame of the cell under the pointer: blue and two pixels wide. The
    // cell it left gets its plain frame back.
    void hover(int col, int row);
    // The pointer left the cells: the plain frame again.
    void leaveCells();
    // The window closes: the plain frame again, and the hover cell is (1, 1).
    void resetHover();
    int hoverCol() const { return hoverCol_; }
    int hoverRow() const { return hoverRow_; }

private:
    CellGrid grid_;
    int mode_ = showHideMode;
    std::string remaining_;
    std::string remainingAtBegin_;
    int hoverCol_ = 1;
    int hoverRow_ = 1;
};
