#pragma once
// The pieces every kind's printout is made of, in the printer's device pixels
// from the top-left corner of the printable area: the font family of the
// prints, the frame of a grid at 70 pixels a cell, and running text that
// wraps at the right limit and continues on further pages.

#include "platform/core/canvas.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace printlayout {

inline constexpr int gridPitch = 70;   // a cell of the printed grids
inline constexpr int frameLeft = 98;   // the grid frame's left and top edge
inline constexpr int frameTop = 99;
inline constexpr int textLeft = 100;   // where every line of running text starts
inline constexpr int lineStep = 60;    // from one line of running text to the next
inline constexpr int pageMargin = 100; // the right and bottom limits lie this far inside the page;
                                       // a further page starts its text this far down

// The font whose family every print uses: "Courier New", 8 points (11 pixels
// high on a screen of 96 pixels per inch). The prints set their own sizes.
CanvasFont labelFont();

// The frame round a grid of 70-pixel cells, whose cell (c, r) from 1 covers
// x from 99 + 70 (c − 1) and y from 99 + 70 (r − 1): from (98, 99) to
// (70 × columns + 101, 70 × rows + 105), right and bottom edge excluded.
int frameRight(int columns);
int frameBottom(int rows);
// Draws that frame with the canvas's pen and brush.
void drawGridFrame(Canvas& canvas, int columns, int rows);
// The factor a print with that frame is drawn at on a page of the given
// size: 1 (full size) when the frame lies on the page; otherwise the whole
// print is made smaller until the frame fits with as much room right of it
// as left of it (98 pixels) and below it as above it (99).
double gridPrintScale(int pageWidth, int pageHeight, int columns, int rows);

// Text written piece after piece like running text: lines start at x 100,
// the first at `base`, the next ones 60 pixels lower each.
//
// Before a piece two tests run: when the pen's x plus the piece's width
// reaches the right limit (page width − 100), a new line starts; then when
// the pen's y has reached the bottom limit (page height − 100), a new page
// starts and its text starts at (100, 100). The piece is drawn where the pen
// stands, on the current line. After the piece the same two tests run again
// with the same width, so a line the piece has nearly filled ends after it.
// These tests after a piece are held back until something follows (a piece
// or a new line): after the very last piece none run, so that no empty page
// is started at the end.
//
// A piece wider than a whole line (from 100 to the right limit) starts a
// line of its own and is broken over as many lines as it needs, each line
// holding as much as fits: a line ends at a blank (the blanks where it ends
// are not drawn), and a run without blanks that does not fit is broken
// where the line is full. Each further line passes the bottom test as a new
// line does, and after the piece its last line's width is tested. So no
// text passes the right limit, unless a single character is wider than a line.
//
// The width tested is the piece's own, or that of the piece followed by a
// text that is not drawn (the word search measures each word with its
// separator, also the last one, which it writes alone).
//
// The pen position is the canvas's: nothing else may draw on the canvas
// while a RunningText is writing on it. Pieces take the canvas's font at
// the time they are written.
class RunningText {
public:
    // Starts the text at (100, base).
    RunningText(Canvas& canvas, int base);

    void write(std::string_view piece);
    void write(std::string_view piece, std::string_view undrawnTail);

    // Goes to a new line `step` pixels below the current one, at x 100 (after
    // the tests due after the piece before, if any). Whether it lies below
    // the bottom limit is tested before the next piece.
    void newLine(int step);

private:
    // Where one line of a text too wide for a line ends (`length`) and
    // where the rest of the text starts (`next`, past the blanks at the end).
    struct LineEnd {
        std::size_t length;
        std::size_t next;
    };
    LineEnd lineEnd(std::string_view text);
    void writeBroken(std::string_view piece, std::string_view measured);
    void keepInside(int width);
    void keepOnPage();
    void moveDown(int step);
    void settle();

    Canvas& canvas_;
    int right_;
    int bottom_;
    int base_;
    int lineOffset_ = 0;
    std::optional<int> pendingWidth_;  // the width of the last piece, while its tests are due
};

}  // namespace printlayout
