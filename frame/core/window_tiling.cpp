#include "frame/core/window_tiling.h"

std::vector<TileRect> tileWindows(int count, int areaWidth, int areaHeight, bool sideBySide) {
    std::vector<TileRect> tiles;
    if (count <= 0) return tiles;
    int perStrip = 1;  // windows in each strip but the last: the whole root of count
    while ((perStrip + 1) * (perStrip + 1) <= count) ++perStrip;
    const int strips = count / perStrip;

    // Strips run across the primary length; windows split the strip along the other one.
    const int primary = sideBySide ? areaWidth : areaHeight;
    const int secondary = sideBySide ? areaHeight : areaWidth;
    int placed = 0;
    for (int s = 0; s < strips; ++s) {
        const int inStrip = s + 1 < strips ? perStrip : count - placed;
        const int stripStart = primary * s / strips;
        const int stripEnd = primary * (s + 1) / strips;
        for (int w = 0; w < inStrip; ++w) {
            const int start = secondary * w / inStrip;
            const int end = secondary * (w + 1) / inStrip;
            if (sideBySide) tiles.push_back({stripStart, start, stripEnd - stripStart, end - start});
            else tiles.push_back({start, stripStart, end - start, stripEnd - stripStart});
        }
        placed += inStrip;
    }
    return tiles;
}
