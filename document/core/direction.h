#pragma once
// The two directions a word runs in a grid: across, along a row from left to
// right, and down, along a column from top to bottom. Where a direction is
// passed or chosen it is a Direction; data kept for both directions is a pair
// of fields named across and down (or horizontal and vertical, as the files
// call them).

enum class Direction { across, down };

// The other direction, the one that crosses `direction`.
constexpr Direction crossing(Direction direction) {
    return direction == Direction::across ? Direction::down : Direction::across;
}
