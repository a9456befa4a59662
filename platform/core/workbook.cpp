#include "platform/core/workbook.h"

#include "platform/core/czech.h"

#include <algorithm>
#include <stdexcept>

namespace {

bool validCell(int row, int column) {
    return row >= 1 && row <= Workbook::maxRows && column >= 1 && column <= Workbook::maxColumns;
}

bool validStyle(int style) { return style >= borders::unchanged && style <= borders::thick; }

}  // namespace

Workbook::Workbook(int sheetCount) {
    if (sheetCount < 1) throw std::invalid_argument("a workbook has at least one sheet");
    for (int i = 1; i <= sheetCount; ++i) sheets_.push_back(Sheet{"List" + std::to_string(i), {}, {}});
}

bool Workbook::setCurrentSheet(int sheet) {
    if (sheet < 1 || sheet > sheetCount()) return false;
    current_ = sheet;
    return true;
}

const std::string& Workbook::sheetName(int sheet) const { return sheets_.at(static_cast<std::size_t>(sheet - 1)).name; }

bool Workbook::setSheetName(int sheet, std::string_view name) {
    if (sheet < 1 || sheet > sheetCount()) return false;
    if (name.empty() || name.size() > static_cast<std::size_t>(maxSheetNameLength)) return false;
    if (name.find_first_of(":\\/?*[]") != std::string_view::npos) return false;
    const std::string upper = czechUpperCase(name);
    for (int other = 1; other <= sheetCount(); ++other)
        if (other != sheet && czechUpperCase(sheetName(other)) == upper) return false;
    sheets_[static_cast<std::size_t>(sheet - 1)].name = std::string(name);
    return true;
}

int Workbook::lastRow() const { return sheet().cells.empty() ? 0 : sheet().cells.rbegin()->first.first; }

int Workbook::lastColumn() const {
    int last = 0;
    for (const auto& [place, cell] : sheet().cells) last = std::max(last, place.second);
    return last;
}

bool Workbook::clearRange(int row1, int column1, int row2, int column2) {
    const bool allColumns = column1 == -1 && column2 == -1;
    if (allColumns) {
        column1 = 1;
        column2 = maxColumns;
    }
    if (!validCell(row1, column1) || !validCell(row2, column2)) return false;
    if (row1 > row2) std::swap(row1, row2);
    if (column1 > column2) std::swap(column1, column2);
    auto& cells = sheet().cells;
    for (auto it = cells.lower_bound({row1, 0}); it != cells.end() && it->first.first <= row2;) {
        const int column = it->first.second;
        if (column >= column1 && column <= column2) it = cells.erase(it);
        else ++it;
    }
    return true;
}

bool Workbook::selectCell(std::string_view reference) {
    const auto place = parseCellReference(reference);
    if (!place) return false;
    sheet().selection = {place->first, place->second, place->first, place->second};
    return true;
}

bool Workbook::selectRange(int row1, int column1, int row2, int column2) {
    if (!validCell(row1, column1) || !validCell(row2, column2)) return false;
    sheet().selection = {std::min(row1, row2), std::min(column1, column2), std::max(row1, row2),
                         std::max(column1, column2)};
    return true;
}

CellRange Workbook::selection() const { return sheet().selection; }

CellRange Workbook::selection(int sheet) const { return sheets_.at(static_cast<std::size_t>(sheet - 1)).selection; }

Cell& Workbook::cellAt(int row, int column) { return sheet().cells[{row, column}]; }

// A cell that has neither text nor formatting is no cell at all.
void Workbook::dropIfPlain(int row, int column) {
    auto& cells = sheet().cells;
    const auto it = cells.find({row, column});
    if (it != cells.end() && it->second.text.empty() && it->second.format == CellFormat{}) cells.erase(it);
}

template <typename Change>
void Workbook::forSelection(Change change) {
    const CellRange range = sheet().selection;
    for (int row = range.row1; row <= range.row2; ++row)
        for (int column = range.column1; column <= range.column2; ++column) {
            change(cellAt(row, column).format, row, column);
            dropIfPlain(row, column);
        }
}

bool Workbook::setCellText(int row, int column, std::string_view text) {
    if (!validCell(row, column) || text.size() > static_cast<std::size_t>(maxTextLength)) return false;
    cellAt(row, column).text = std::string(text);
    dropIfPlain(row, column);
    return true;
}

bool Workbook::fillSelection(int pattern, Color foreground, Color background) {
    if (pattern < patterns::none || pattern > patterns::last) return false;
    forSelection([&](CellFormat& format, int, int) {
        format.pattern = pattern;
        // An unfilled cell keeps the plain colours, so it compares equal to an
        // untouched one.
        format.foreground = pattern == patterns::none ? CellFormat{}.foreground : foreground;
        format.background = pattern == patterns::none ? CellFormat{}.background : background;
    });
    return true;
}

bool Workbook::setBorder(int outline, int left, int right, int top, int bottom, int /*shade*/, Color outlineColor,
                         Color leftColor, Color rightColor, Color topColor, Color bottomColor) {
    if (!validStyle(outline) || !validStyle(left) || !validStyle(right) || !validStyle(top) || !validStyle(bottom))
        return false;
    const auto apply = [](CellSide& side, int style, Color color) {
        if (style == borders::unchanged) return;
        side.style = style;
        side.color = style == borders::none ? CellSide{}.color : color;
    };
    const CellRange range = sheet().selection;
    forSelection([&](CellFormat& format, int row, int column) {
        apply(format.left, left, leftColor);
        apply(format.right, right, rightColor);
        apply(format.top, top, topColor);
        apply(format.bottom, bottom, bottomColor);
        if (column == range.column1) apply(format.left, outline, outlineColor);
        if (column == range.column2) apply(format.right, outline, outlineColor);
        if (row == range.row1) apply(format.top, outline, outlineColor);
        if (row == range.row2) apply(format.bottom, outline, outlineColor);
    });
    return true;
}

CellFont Workbook::selectionFont() const {
    const CellRange range = sheet().selection;
    const Cell* first = cell(current_, range.row1, range.column1);
    return first ? first->format.font : CellFont{};
}

bool Workbook::setSelectionFont(const CellFont& font) {
    if (font.size < 1 || font.size > 409 || font.name.empty() || font.name.size() > 255) return false;
    forSelection([&](CellFormat& format, int, int) { format.font = font; });
    return true;
}

const Cell* Workbook::cell(int sheet, int row, int column) const {
    const auto& cells = this->cells(sheet);
    const auto it = cells.find({row, column});
    return it == cells.end() ? nullptr : &it->second;
}

const std::map<std::pair<int, int>, Cell>& Workbook::cells(int sheet) const {
    return sheets_.at(static_cast<std::size_t>(sheet - 1)).cells;
}

std::string columnName(int column) {
    std::string name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.insert(name.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return name;
}

std::string cellReference(int column, int row) { return columnName(column) + std::to_string(row); }

std::optional<std::pair<int, int>> parseCellReference(std::string_view reference) {
    std::size_t i = 0;
    long long column = 0;
    for (; i < reference.size(); ++i) {
        char c = reference[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + (c - 'A' + 1);
        if (column > Workbook::maxColumns) return std::nullopt;
    }
    if (i == 0 || i == reference.size()) return std::nullopt;
    long long row = 0;
    for (; i < reference.size(); ++i) {
        const char c = reference[i];
        if (c < '0' || c > '9') return std::nullopt;
        row = row * 10 + (c - '0');
        if (row > Workbook::maxRows) return std::nullopt;
    }
    if (row < 1) return std::nullopt;
    return std::pair<int, int>{static_cast<int>(row), static_cast<int>(column)};
}

std::filesystem::path withWorkbookExtension(const std::filesystem::path& chosen) {
    // The extension is what follows the file name's last point (also for a
    // name that is nothing but ".xls").
    const std::string name = chosen.filename().string();
    const std::size_t point = name.rfind('.');
    if (point != std::string::npos && name.compare(point, std::string::npos, ".xls") == 0) return chosen;
    std::filesystem::path result = chosen;
    result += ".xls";
    return result;
}
