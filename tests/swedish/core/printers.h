#pragma once
// Readable failures for the Swedish crossword's records.

#include "swedish/core/legend.h"

#include <ostream>

namespace swedish {
inline void PrintTo(const LegendLine& line, std::ostream* out) {
    *out << "{\"" << line.text << "\", " << line.top << ", " << line.fontSize << '}';
}
}  // namespace swedish
