#pragma once
// The pieces of the device-independent bitmaps that the tools write into BMP
// and cursor files: little-endian fields, the 40-byte information header in
// front of the pixels, and the pixels' byte order.

#include <cstdint>
#include <string>

inline void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

inline void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// `height` as the header states it (a cursor counts its mask rows too);
// `imageBytes` the pixel data that follows, `pixelsPerMetre` 0 when unstated.
inline void putInfoHeader(std::string& out, std::uint32_t width, std::uint32_t height, std::uint16_t bitsPerPixel,
                          std::uint32_t imageBytes, std::uint32_t pixelsPerMetre = 0) {
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);  // planes
    put16(out, bitsPerPixel);
    put32(out, 0);  // no compression
    put32(out, imageBytes);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0);  // colours used: all
    put32(out, 0);  // important colours: all
}

// One pixel as the files store it: blue, green, red.
inline void putPixel(std::string& out, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    out += static_cast<char>(b);
    out += static_cast<char>(g);
    out += static_cast<char>(r);
}
