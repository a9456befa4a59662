#pragma once
// The letters of a secret phrase as the criss-cross counts and codes them:
// every blank removed and, when "ch" counts as one letter, every lower-case
// "ch" held as the one byte "@". The phrase dialog counts these letters (at
// most ten may differ) and the criss-cross gives each of them a digit.

#include <string>
#include <string_view>

// The byte that stands for "ch" among the letters of a phrase.
inline constexpr char phraseChLetter = '@';

// `phrase` (Windows-1250) without its blanks, "ch" joined to "@" when
// `chAsOneLetter`. Blanks go first, so "c h" is "ch" too.
std::string phraseLetters(std::string_view phrase, bool chAsOneLetter);

// How many different bytes phraseLetters holds.
int distinctPhraseLetters(std::string_view phrase, bool chAsOneLetter);
