#pragma once
// Windows-1250 bytes from the UTF-8 literals of a test.

#include "platform/core/cp1250.h"

#include <string>
#include <string_view>

// Throws when the text has a character the code page cannot hold.
inline std::string cp(std::string_view utf8) { return cp1250::utf8ToCp1250(utf8).value(); }
