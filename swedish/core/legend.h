#pragma once
// The clue cells of the Swedish crossword: every cell of the window owns a
// record of up to ten clue lines, each placed at its own height inside the
// cell and drawn in its own font size. A line whose text is exactly
// "*oddělovač*" is a separator: a rule across the cell at its top.
//
// Heights are in units of a 140 × 140 cell (on paper one unit is one printer
// pixel at 300 pixels per inch). A text line's glyphs start 4 units below its
// top; texts are centred across the cell. Tops have no bound: a line may
// stand above or below its cell.
//
// Also here: the two words a clue cell gives its clues for (the word to its
// right and the word below it), the clues the clue stores suggest for them,
// and the editor's 45 × 45 preview of a record.

#include "document/core/cell_grid.h"
#include "platform/core/canvas.h"
#include "stores/core/clue_index.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace swedish {

inline constexpr int kLegendLineCount = 10;           // lines a record holds
inline constexpr std::size_t kLegendTextLength = 100;  // characters of a line's text
// "*oddělovač*" in Windows-1250.
inline constexpr std::string_view kLegendSeparator = "*odd\xECl" "ova\xE8*";
inline constexpr std::int32_t kSeparatorTop = 70;
inline constexpr std::int32_t kSeparatorFontSize = 6;
inline constexpr std::int32_t kNewTextTop = 50;
// The font sizes lines are drawn in; a size outside stays in its record and
// is drawn at the nearer bound.
inline constexpr std::int32_t kSmallestFontSize = 1;
inline constexpr std::int32_t kLargestFontSize = 200;

struct LegendLine {
    std::string text;  // Windows-1250, at most 100 characters
    std::int32_t top = 0;
    std::int32_t fontSize = 0;

    bool isSeparator() const { return text == kLegendSeparator; }
    friend bool operator==(const LegendLine&, const LegendLine&) = default;
};

// A text as a line may hold it: cut to 100 characters, every CR and LF a
// blank (a line break would split the line in the file).
std::string legendText(std::string_view text);

// The font size a line is drawn in: its own, brought into 1 to 200.
int drawnFontSize(std::int32_t fontSize);

// Where a position is drawn: as it is, but a line far off its cell (tops
// have no bound) at most a million pixels from the origin, which lies off
// every page and preview and within what every device can hold.
inline constexpr std::int64_t kFarthestPosition = 1000000;
int drawnPosition(std::int64_t position);

// One clue cell's lines. All ten lines are held (and stored in files), also
// those beyond the count; the count is always 0 to 10.
class LegendCell {
public:
    int count() const { return count_; }
    // Sets the count; false, and nothing changed, outside 0 to 10.
    bool setCount(int count);

    // Line `number` from 1 to 10.
    const LegendLine& line(int number) const { return lines_[index(number)]; }
    // The text goes through legendText.
    void setLine(int number, std::string_view text, std::int32_t top, std::int32_t fontSize);
    void setText(int number, std::string_view text);
    void setFontSize(int number, std::int32_t fontSize) { lines_[index(number)].fontSize = fontSize; }
    // Moves the line by `delta` units, stopping at the ends of the 32-bit range.
    void moveLine(int number, int delta);

    // Appends a text line "Text " + its number at top 50 in `fontSize`, or a
    // separator at top 70 in size 6. False, and nothing added, with ten lines.
    bool appendText(std::int32_t fontSize);
    bool appendSeparator();

    // No lines in use; the ten lines keep their contents.
    void clear() { count_ = 0; }

    friend bool operator==(const LegendCell&, const LegendCell&) = default;

private:
    static std::size_t index(int number);

    int count_ = 0;
    std::array<LegendLine, kLegendLineCount> lines_{};
};

// The table of every cell's record, [col][row] from 1 like the grid.
using LegendTable = std::array<std::array<LegendCell, 41>, 41>;

// The words of a clue cell: the run of letter cells to its right and the
// run below it, each up to the first cell that is hidden or black or the
// grid's edge; each cell gives its text, "?" when it is empty. Highlighted
// cells (grey, silver) count as the letter cells they are. Empty when the
// neighbour is no letter cell or there is none.
struct LegendWords {
    std::string across;
    std::string down;
};
LegendWords legendWords(const CellGrid& grid, int col, int row);

// The clues the stores hold for the two words: the pairs of `builtin`, then
// those of `user`, whose word equals the word exactly (letter case counts),
// a clue held twice listed twice; each list in Czech order.
struct LegendSuggestions {
    std::vector<std::string> across;
    std::vector<std::string> down;
};
LegendSuggestions legendSuggestions(const LegendWords& words, ClueIndex& builtin, ClueIndex& user);

// The editor's preview: 45 pixels for the 140 units of a cell (a factor of
// 0.32). Positions are rounded to the nearest pixel.
namespace preview {
inline constexpr int size = 45;
// The y of a separator at `top`: round(8 × top / 25).
int separatorY(std::int64_t top);
// The y of a text line at `top`: round(8 × (top + 4) / 25).
int textY(std::int64_t top);
}  // namespace preview

// Draws the preview with the canvas's pen and brush: the frame (0, 0, 45,
// 45), then lines 1 to count in order: a separator across the whole width, a
// text centred at x 22 − width ÷ 2 in its font size (drawnFontSize).
void drawLegendPreview(Canvas& canvas, const LegendCell& legend);

}  // namespace swedish
