#pragma once
// How the letter in a cell of a crossword, criss-cross or Swedish crossword
// came there: one byte for the horizontal and one for the vertical direction,
// per cell [col][row], both counted from 1 like the grid.

#include "document/core/direction.h"

#include <array>
#include <cstdint>

namespace letteruse {
inline constexpr std::uint8_t unused = 0;        // no word of this direction uses the cell
inline constexpr std::uint8_t placed = 1;        // a word of this direction put its letter here
inline constexpr std::uint8_t secretPhrase = 2;  // the cell belongs to the secret phrase
}  // namespace letteruse

struct LetterUse {
    std::uint8_t horizontal = letteruse::unused;
    std::uint8_t vertical = letteruse::unused;
    // The byte of one direction.
    std::uint8_t& operator[](Direction direction) { return direction == Direction::across ? horizontal : vertical; }
    std::uint8_t operator[](Direction direction) const {
        return direction == Direction::across ? horizontal : vertical;
    }
    // Whether the cell belongs to the secret phrase, either way.
    bool secret() const { return horizontal == letteruse::secretPhrase || vertical == letteruse::secretPhrase; }
    friend bool operator==(const LetterUse&, const LetterUse&) = default;
};

// Indexed [col][row] with 1 to 40 each; index 0 is unused.
using LetterUseTable = std::array<std::array<LetterUse, 41>, 41>;
