#pragma once
// The secret phrase of a criss-cross written as digits: each distinct letter
// of the phrase (blanks do not count; "ch" is one letter when the setting
// says so) stands for one digit, and the table of digits tells the solver
// which. The coded phrase is what the designer places into the red cells.

#include "crisscross/core/krs_document.h"

#include <optional>
#include <string>
#include <string_view>

// The automatic table: the distinct letters of the phrase in the order they
// first appear, compared exactly, take the digits 0, 1, 2, ...; a digit
// without a letter gets one blank, and the letter "ch" is written "ch".
// Nothing when the phrase holds more than ten distinct letters.
std::optional<DigitTable> assignDigitsToLetters(std::string_view secretPhrase, bool chAsOneLetter);

// The phrase as digits: for each of its letters in order, every digit whose
// table entry is exactly that letter ("ch" for the joined letter), in
// ascending order; a letter no digit stands for adds nothing. At most 255
// digits.
std::string encodeTajenka(std::string_view secretPhrase, const DigitTable& table, bool chAsOneLetter);

// Whether the phrase's distinct letters fit the ten digits with "ch" as one
// letter or as two: a stored puzzle does not say which way it was made.
bool phraseFitsDigits(std::string_view secretPhrase);

// True when the text holds nothing but the digits 0 to 9 (an empty text too).
bool allDigits(std::string_view text);
