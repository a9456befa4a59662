#include "swedish/core/legend.h"

#include "platform/core/czech.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <limits>

namespace swedish {

std::string legendText(std::string_view text) {
    std::string result(text.substr(0, kLegendTextLength));
    std::replace_if(result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return result;
}

int drawnFontSize(std::int32_t fontSize) { return std::clamp(fontSize, kSmallestFontSize, kLargestFontSize); }

int drawnPosition(std::int64_t position) {
    return static_cast<int>(std::clamp(position, -kFarthestPosition, kFarthestPosition));
}

// ---- the record ---------------------------------------------------------------

std::size_t LegendCell::index(int number) {
    assert(number >= 1 && number <= kLegendLineCount);
    return static_cast<std::size_t>(number - 1);
}

bool LegendCell::setCount(int count) {
    if (count < 0 || count > kLegendLineCount) return false;
    count_ = count;
    return true;
}

void LegendCell::setLine(int number, std::string_view text, std::int32_t top, std::int32_t fontSize) {
    lines_[index(number)] = {legendText(text), top, fontSize};
}

void LegendCell::setText(int number, std::string_view text) { lines_[index(number)].text = legendText(text); }

void LegendCell::moveLine(int number, int delta) {
    std::int32_t& top = lines_[index(number)].top;
    const std::int64_t moved = static_cast<std::int64_t>(top) + delta;
    top = static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

bool LegendCell::appendText(std::int32_t fontSize) {
    if (count_ >= kLegendLineCount) return false;
    ++count_;
    setLine(count_, "Text " + std::to_string(count_), kNewTextTop, fontSize);
    return true;
}

bool LegendCell::appendSeparator() {
    if (count_ >= kLegendLineCount) return false;
    ++count_;
    setLine(count_, kLegendSeparator, kSeparatorTop, kSeparatorFontSize);
    return true;
}

// ---- the words of a clue cell and their suggestions ----------------------------------

namespace {

bool letterCell(const CellGrid& grid, int col, int row) {
    return grid.hasCell(col, row) && !grid.isHidden(col, row) && grid.cellShapes()[col][row]->brush != colors::black;
}

std::string wordFrom(const CellGrid& grid, int col, int row, int dc, int dr) {
    std::string word;
    for (; col <= grid.currentCols() && row <= grid.currentRows() && letterCell(grid, col, row);
         col += dc, row += dr) {
        const std::string& text = grid.cellLabels()[col][row]->text;
        word += text.empty() ? std::string("?") : text;
    }
    return word;
}

void sortCzech(std::vector<std::string>& clues) {
    std::stable_sort(clues.begin(), clues.end(), CzechThenBytesLess{});
}

}  // namespace

LegendWords legendWords(const CellGrid& grid, int col, int row) {
    return {wordFrom(grid, col + 1, row, 1, 0), wordFrom(grid, col, row + 1, 0, 1)};
}

LegendSuggestions legendSuggestions(const LegendWords& words, ClueIndex& builtin, ClueIndex& user) {
    LegendSuggestions found;
    for (ClueIndex* store : {&builtin, &user}) {
        // A word with an empty cell ("?") is held by no store: the look-up finds nothing.
        for (std::string& clue : store->clues(words.across)) found.across.push_back(std::move(clue));
        for (std::string& clue : store->clues(words.down)) found.down.push_back(std::move(clue));
    }
    sortCzech(found.across);
    sortCzech(found.down);
    return found;
}

// ---- the preview ------------------------------------------------------------------------

namespace preview {

namespace {

// round(8 × value / 25) without floating point; never a half, since 25 is odd.
int scaled(std::int64_t value) {
    const std::int64_t numerator = 16 * value + 25;
    const std::int64_t quotient = numerator / 50;
    return static_cast<int>(numerator % 50 < 0 ? quotient - 1 : quotient);  // floor division
}

}  // namespace

int separatorY(std::int64_t top) { return scaled(top); }
int textY(std::int64_t top) { return scaled(top + 4); }

}  // namespace preview

void drawLegendPreview(Canvas& canvas, const LegendCell& legend) {
    canvas.rectangle(0, 0, preview::size, preview::size);
    for (int number = 1; number <= legend.count(); ++number) {
        const LegendLine& line = legend.line(number);
        if (line.isSeparator()) {
            const int y = drawnPosition(preview::separatorY(line.top));
            canvas.moveTo(0, y);
            canvas.lineTo(preview::size, y);
            continue;
        }
        canvas.setFontSize(drawnFontSize(line.fontSize));
        const int width = std::abs(canvas.textWidth(line.text));
        canvas.textOut(preview::size / 2 - width / 2, drawnPosition(preview::textY(line.top)), line.text);
    }
}

}  // namespace swedish
