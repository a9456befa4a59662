// Draws the two grid cursors shipped beside grilpad and writes them as Windows
// cursor files: "zacatek.cur" (an arrow with a green start mark) and
// "konec.cur" (an arrow with a red end mark), 32 × 32 pixels, 32-bit colour
// with an AND mask, hot spot at the tip of the arrow.
//
//   tool_make_cursors <output folder>

#include "platform/core/textfile.h"
#include "tools/dib.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int side = 32;
constexpr int hotX = 1;
constexpr int hotY = 1;

struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};
using Picture = std::array<std::array<Pixel, side>, side>;  // [y][x], top row first

// The arrow: a left edge straight down from the tip, a diagonal edge, and a tail.
bool insideArrow(int x, int y) {
    const int dx = x - hotX;
    const int dy = y - hotY;
    if (dx < 0 || dy < 0) return false;
    if (dy <= 15) return dx <= dy * 2 / 3 + 0;  // the head
    // The tail: a slanted bar from the middle of the head downwards.
    if (dy <= 20) return dx >= (dy - 15) / 2 + 3 && dx <= (dy - 15) / 2 + 6;
    return false;
}

void drawArrow(Picture& picture) {
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (!insideArrow(x, y)) continue;
            // Black outline where a neighbour lies outside, white inside.
            const bool edge = !insideArrow(x - 1, y) || !insideArrow(x + 1, y) || !insideArrow(x, y - 1) ||
                              !insideArrow(x, y + 1);
            picture[y][x] = edge ? Pixel{0, 0, 0, 255} : Pixel{255, 255, 255, 255};
        }
    }
}

// A filled disc with a dark rim around (cx, cy).
void drawMark(Picture& picture, int cx, int cy, int radius, Pixel fill) {
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d2 > radius * radius) continue;
            const bool rim = d2 > (radius - 1) * (radius - 1);
            picture[y][x] = rim ? Pixel{0, 0, 0, 255} : fill;
        }
    }
}

std::string cursorFile(const Picture& picture) {
    constexpr std::uint32_t colourBytes = side * side * 4;
    constexpr std::uint32_t maskBytes = side * (side / 8);  // one bit a pixel, rows of 4 bytes
    constexpr std::uint32_t imageBytes = 40 + colourBytes + maskBytes;

    std::string out;
    // File header: reserved, type 2 (cursor), one image.
    put16(out, 0);
    put16(out, 2);
    put16(out, 1);
    // Directory entry: size, colours, reserved, hot spot, image size and offset.
    out += static_cast<char>(side);
    out += static_cast<char>(side);
    out += '\0';
    out += '\0';
    put16(out, hotX);
    put16(out, hotY);
    put32(out, imageBytes);
    put32(out, 6 + 16);
    // Bitmap header: the height counts the colour rows and the mask rows.
    putInfoHeader(out, side, side * 2, 32, colourBytes + maskBytes);
    // Colour rows from the bottom up, blue green red alpha.
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; ++x) {
            const Pixel& p = picture[y][x];
            putPixel(out, p.r, p.g, p.b);
            out += static_cast<char>(p.a);
        }
    }
    // Mask rows from the bottom up: a set bit lets the screen show through.
    for (int y = side - 1; y >= 0; --y) {
        for (int byte = 0; byte < side / 8; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (picture[y][byte * 8 + bit].a == 0) bits |= 0x80u >> bit;
            out += static_cast<char>(bits);
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];

    Picture start{};
    drawArrow(start);
    drawMark(start, 23, 23, 6, Pixel{30, 170, 40, 255});
    Picture end{};
    drawArrow(end);
    drawMark(end, 23, 23, 6, Pixel{210, 30, 30, 255});

    if (!writeFileAtomic(folder / "zacatek.cur", cursorFile(start)) ||
        !writeFileAtomic(folder / "konec.cur", cursorFile(end))) {
        std::fprintf(stderr, "%s: cannot write the cursor files in %s\n", argv[0], folder.c_str());
        return 1;
    }
    return 0;
}
