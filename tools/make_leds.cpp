// Draws the analyzer's six lamp pictures, "led1on.bmp" … "led3off.bmp":
// round 16 × 16 lamps, 24-bit BMP files, on a light grey ground that the
// analyzer shows transparent (the colour of the bottom-left pixel).
//   led1: red (something is wrong), led2: green (all is well),
//   led3: yellow (the phrase matches, yet a word is missing or extra).
// Usage: tool_make_leds <folder>

#include "platform/core/textfile.h"
#include "tools/dib.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct Rgb {
    double r, g, b;
};

constexpr int kSize = 16;
constexpr Rgb kGround{192, 192, 192};
constexpr Rgb kRim{40, 40, 40};

std::uint8_t channel(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

// The colour of pixel (x, y), y counted from the top.
Rgb pixel(int x, int y, Rgb colour, bool on) {
    const double cx = 7.5, cy = 7.5;
    const double dx = x - cx, dy = y - cy;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance > 7.0) return kGround;
    if (distance > 6.0) return kRim;
    // Shaded like a dome lit from the top left; a lit lamp glows and shines.
    const double hx = x - 5.0, hy = y - 5.0;
    const double light = 1.0 - std::min(1.0, std::sqrt(hx * hx + hy * hy) / 9.0);
    const double base = on ? 0.75 + 0.35 * light : 0.25 + 0.2 * light;
    Rgb c{colour.r * base, colour.g * base, colour.b * base};
    if (on && hx * hx + hy * hy <= 2.5) c = Rgb{255, 255, 255};
    return c;
}

std::string bitmap(Rgb colour, bool on) {
    const std::uint32_t rowBytes = kSize * 3;  // 48: already a multiple of four
    const std::uint32_t imageBytes = rowBytes * kSize;
    std::string out;
    out += "BM";
    put32(out, 14 + 40 + imageBytes);
    put32(out, 0);
    put32(out, 14 + 40);
    putInfoHeader(out, kSize, kSize, 24, imageBytes, 2835);  // 72 pixels an inch
    for (int y = kSize - 1; y >= 0; --y)  // rows bottom up
        for (int x = 0; x < kSize; ++x) {
            const Rgb c = pixel(x, y, colour, on);
            putPixel(out, channel(c.r), channel(c.g), channel(c.b));
        }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    struct Lamp {
        const char* name;
        Rgb colour;
    };
    const Lamp lamps[] = {{"led1", {235, 30, 30}}, {"led2", {40, 215, 50}}, {"led3", {245, 205, 0}}};
    for (const Lamp& lamp : lamps)
        for (const bool on : {true, false}) {
            const std::filesystem::path path = folder / (std::string(lamp.name) + (on ? "on.bmp" : "off.bmp"));
            if (!writeFileAtomic(path, bitmap(lamp.colour, on))) {
                std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
                return 1;
            }
        }
    return 0;
}
