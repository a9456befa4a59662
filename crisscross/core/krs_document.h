#pragma once
// A criss-cross number puzzle ("kris-kros") without its window: the grid of
// digits, which cells belong to the secret phrase, both forms of the phrase,
// the digit table, the sorted number list and the digit key.
//
// A cell text is empty (a playable cell still to be filled), one digit, or
// "@" for a blocked (hidden) cell. A secret-phrase cell is red and has both
// letter-use bytes 2; its digit, once placed, is kept by every generation.
// Texts are Windows-1250 bytes.

#include "document/core/cell_matrix.h"
#include "document/core/letter_use.h"
#include "platform/core/color.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace krs {
inline constexpr std::size_t maxTextLength = 255;  // phrases, table entries and digit-key lines
inline constexpr int digitCount = 10;
// The most numbers a grid yields: 20 runs in each of 40 rows and 40 columns.
inline constexpr int maxNumbers = 1600;
inline constexpr int maxNumberLength = 40;
}  // namespace krs

// digitTable[d]: the letter (or "ch") that digit d stands for.
using DigitTable = std::array<std::string, krs::digitCount>;
// The digit key printed after the numbers (which digit stands for which
// letter), lines 0 to lastDigitKeyLine.
using DigitKey = std::array<std::string, krs::digitCount>;

struct KrsCell {
    std::string text;  // "", one digit, or "@" for a blocked cell
    Color colour = colors::white;  // red for a secret-phrase cell

    bool hidden() const;
    friend bool operator==(const KrsCell&, const KrsCell&) = default;
};

struct KrsDocument : CellMatrix<KrsCell> {
    LetterUseTable letterUse{};  // [col][row] from 1; 0 outside the grid
    std::string codedSecretPhrase;  // the phrase as digits
    std::string secretPhrase;       // the phrase as typed, trimmed
    std::vector<std::string> numberList;  // sorted
    DigitTable digitTable;
    DigitKey digitKey;
    int lastDigitKeyLine = -1;  // −1: no digit key

    // Every cell playable, empty and white; no phrase, numbers or digit key.
    static KrsDocument blank(int columns, int rows) { return blankMatrix<KrsDocument>(columns, rows); }


    friend bool operator==(const KrsDocument&, const KrsDocument&) = default;

};

// The order of the number list: a shorter number first, numbers of one
// length by their bytes ("7" < "12", "305" < "310").
bool numberLess(std::string_view a, std::string_view b);
void sortNumbers(std::vector<std::string>& numbers);

// Whether a digit's table entry is in use: it holds something besides blanks.
bool digitInUse(std::string_view entry);

// The digit key of a phrase: for every digit in use, from 0 up, the next line
// reads "d = entry, "; the last one ends in "." instead of ", ". Answers the
// index of the last line written, or −1 when the phrase is empty or no digit
// is in use; lines after the last one written keep their old texts.
int buildDigitKey(std::string_view secretPhrase, const DigitTable& table, DigitKey& lines);
