#pragma once
// Windows-1250, the code page of every text inside the program and in its files.
// One table serves both directions; the Qt edge (platform/ui/codec.h) and the
// build tools convert through these functions and nowhere else.

#include <optional>
#include <string>
#include <string_view>

namespace cp1250 {

// The Unicode code point of one Windows-1250 byte. The five bytes the code page
// leaves unassigned map to the C1 control with the same number, so every byte
// survives a round trip.
char32_t toUnicode(unsigned char byte);

// The Windows-1250 byte of a code point, or nothing when the code page has none.
std::optional<unsigned char> fromUnicode(char32_t codePoint);

// Whole texts between UTF-8 and Windows-1250. utf8ToCp1250 refuses (returns
// nothing) a text holding a character the code page cannot hold, or malformed
// UTF-8: stray or cut-short sequences, overlong forms, surrogates and numbers
// past U+10FFFF.
std::optional<std::string> utf8ToCp1250(std::string_view utf8);
std::string cp1250ToUtf8(std::string_view text);

}  // namespace cp1250
