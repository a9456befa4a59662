#pragma once
// Kinds of puzzle document and how the frame lays out their windows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// documentKind: the four kinds of puzzle, as stored in settings and window tags.
enum DocumentKind : int {
    noDocument = 0,
    wordSearchDocument = 1,  // .osm
    crosswordDocument = 2,   // .kri
    crissCrossDocument = 3,  // .krs
    swedishDocument = 4,     // .skr
};

// Every puzzle grid of grilpad has 2 to 40 columns and 2 to 40 rows; a file or
// template with another size is refused.
inline constexpr int minGridSide = 2;
inline constexpr int maxGridSide = 40;

// The side of a grid cell on the screen, in pixels.
inline constexpr int minCellSize = 20;
inline constexpr int maxCellSize = 40;
constexpr int clampCellSize(int cellSize) {
    return cellSize < minCellSize ? minCellSize : cellSize > maxCellSize ? maxCellSize : cellSize;
}

// The text of a hidden (blocked) cell in every kind of grid and file.
inline constexpr std::string_view hiddenCellText = "@";

// The extension rule of document and template paths: when the file-name part
// (after the last "/") does not contain `extension` (case-sensitive, anywhere),
// `extension` is appended. "rebus" -> "rebus.osm", "a.osm.txt" stays.
std::string withDocumentExtension(std::string_view path, std::string_view extension);

// A document window keeps its path in its caption, "Kind (path)": the path is
// the text between the first "(" and the last ")". Nothing when the caption
// holds no such pair or the path between them is empty (the window was never
// saved). Works on UTF-8 and Windows-1250 text alike.
std::optional<std::string> pathFromCaption(std::string_view caption);

// The kind a file belongs to, from the extension of its file name compared
// without regard to letter case; noDocument for any other extension.
DocumentKind documentKindOfPath(std::string_view path);

// Tiling of document windows. `sideBySide` puts the windows next to each
// other in columns (vertical tiling); otherwise they lie one above another in
// rows (horizontal tiling). Two or three windows share one column or row; more
// windows form a grid of about square shape whose last column (or row) takes
// the windows left over. Together the pieces cover the whole area.
struct TileRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TileRect&) const = default;
};
std::vector<TileRect> tileWindows(int count, int areaWidth, int areaHeight, bool sideBySide);
