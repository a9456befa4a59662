#pragma once
// Kinds of puzzle document and how the frame lays out their windows.

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
