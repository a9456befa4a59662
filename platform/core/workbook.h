#pragma once
// A spreadsheet workbook as the puzzle exports fill it, and the writer of its
// file: an Excel 5.0/95 workbook (BIFF5 records in an OLE2 compound file) whose
// texts are in code page 1250.
//
// The model works like the spreadsheet control the exports were written for:
// sheets are counted from 1 and one of them is current; rows and columns are
// counted from 1; formatting applies to the current sheet's selection, which is
// one cell or a rectangle of cells. Every operation checks its arguments and
// returns false, changing nothing, when they are out of range.

#include "platform/core/color.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Line styles of a cell side, as the border operation takes them.
namespace borders {
constexpr int unchanged = -1;  // leave that side as it is
constexpr int none = 0;
constexpr int thin = 1;
constexpr int thick = 2;  // written as the spreadsheet's medium (two-pixel) line
}  // namespace borders

// Fill patterns: 0 none, 1 solid in the foreground colour, 2 to 18 the
// spreadsheet's hatchings of foreground on background.
namespace patterns {
constexpr int none = 0;
constexpr int solid = 1;
constexpr int last = 18;
}  // namespace patterns

struct CellFont {
    std::string name = "Arial";
    int size = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    Color color = colors::black;
    bool outline = false;
    bool shadow = false;
    friend bool operator==(const CellFont&, const CellFont&) = default;
};

struct CellSide {
    int style = borders::none;
    Color color = colors::black;
    friend bool operator==(const CellSide&, const CellSide&) = default;
};

struct CellFormat {
    int pattern = patterns::none;
    Color foreground = colors::black;
    Color background = colors::white;
    CellSide left, right, top, bottom;
    CellFont font;
    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

struct Cell {
    std::string text;  // Windows-1250
    CellFormat format;
};

// A rectangle of cells, corners included.
struct CellRange {
    int row1 = 1, column1 = 1, row2 = 1, column2 = 1;
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

class Workbook {
public:
    static constexpr int maxRows = 16384;
    static constexpr int maxColumns = 256;
    static constexpr int maxTextLength = 255;       // bytes of one cell's text
    static constexpr int maxSheetNameLength = 31;

    // A workbook of `sheetCount` empty sheets named "List1", "List2", ...;
    // sheet 1 is current and every sheet has "A1" selected.
    explicit Workbook(int sheetCount = 2);

    int sheetCount() const { return static_cast<int>(sheets_.size()); }
    int currentSheet() const { return current_; }
    bool setCurrentSheet(int sheet);

    const std::string& sheetName(int sheet) const;
    // A name of 1 to 31 characters without : \ / ? * [ ], not used by another
    // sheet (letter case ignored).
    bool setSheetName(int sheet, std::string_view name);

    // The last row and column of the current sheet that hold text or
    // formatting; 0 when the sheet is empty.
    int lastRow() const;
    int lastColumn() const;

    // Clears texts and formats of the current sheet in the range; a column of
    // −1 in both places stands for all columns.
    bool clearRange(int row1, int column1, int row2, int column2);

    // Selects one cell by its name ("A1", "AE12"; letters in either case).
    bool selectCell(std::string_view reference);
    // Selects a rectangle; the corners may be given in any order.
    bool selectRange(int row1, int column1, int row2, int column2);
    CellRange selection() const;

    // The text of one cell of the current sheet.
    bool setCellText(int row, int column, std::string_view text);

    // Fills every cell of the selection.
    bool fillSelection(int pattern, Color foreground, Color background);

    // Borders of the selection: `left`, `right`, `top` and `bottom` set those
    // sides of every selected cell, `outline` the sides on the selection's
    // edge (after the others); a style of borders::unchanged leaves the side as
    // it is. `shade` is accepted for the callers' sake and draws nothing.
    bool setBorder(int outline, int left, int right, int top, int bottom, int shade, Color outlineColor,
                   Color leftColor, Color rightColor, Color topColor, Color bottomColor);

    // The font of the selection's first cell, and a new font for every
    // selected cell. Sizes from 1 to 409 points.
    CellFont selectionFont() const;
    bool setSelectionFont(const CellFont& font);

    // A cell of any sheet, or nothing when it holds neither text nor format.
    const Cell* cell(int sheet, int row, int column) const;
    // Every cell of a sheet that holds text or format, by row, then column.
    const std::map<std::pair<int, int>, Cell>& cells(int sheet) const;
    CellRange selection(int sheet) const;

private:
    struct Sheet {
        std::string name;
        std::map<std::pair<int, int>, Cell> cells;  // (row, column)
        CellRange selection;
    };

    Sheet& sheet() { return sheets_[static_cast<std::size_t>(current_ - 1)]; }
    const Sheet& sheet() const { return sheets_[static_cast<std::size_t>(current_ - 1)]; }
    Cell& cellAt(int row, int column);
    void dropIfPlain(int row, int column);
    template <typename Change>
    void forSelection(Change change);

    std::vector<Sheet> sheets_;
    int current_ = 1;
};

// The name of a column: 1 -> "A", 26 -> "Z", 27 -> "AA", 702 -> "ZZ", 703 -> "AAA".
// Empty for a column below 1.
std::string columnName(int column);
// The A1-style name of a cell: its column's name followed by the row in decimal.
std::string cellReference(int column, int row);
// Reads a cell name back as (row, column); nothing when it is none.
std::optional<std::pair<int, int>> parseCellReference(std::string_view reference);

// The path a workbook is written to: the chosen path with ".xls" appended unless
// its file name already ends in exactly ".xls" (letter case counts, so
// "x.XLS" becomes "x.XLS.xls").
std::filesystem::path withWorkbookExtension(const std::filesystem::path& chosen);

// The whole file of the workbook.
std::string workbookFile(const Workbook& book);
// Writes the workbook file through a temporary file and a rename; false when
// that failed, and then the file at `path` is as it was before.
bool writeWorkbook(const Workbook& book, const std::filesystem::path& path);
