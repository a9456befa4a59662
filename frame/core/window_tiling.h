#pragma once
// How the frame lays out its document windows.

#include <vector>

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
