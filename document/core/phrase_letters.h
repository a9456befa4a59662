#pragma once
// The letters of a secret phrase as the criss-cross counts and codes them:
// every blank removed and, when "ch" counts as one letter, every lower-case
// "ch" held as the one byte chPlaceholder (platform/core/czech.h). The phrase
// dialog counts these letters (at most ten may differ) and the criss-cross
// gives each of them a digit.

#include <cstddef>
#include <string>
#include <string_view>

// `phrase` (Windows-1250) without its blanks, "ch" joined to chPlaceholder when
// `chAsOneLetter`. Blanks go first, so "c h" is "ch" too.
std::string phraseLetters(std::string_view phrase, bool chAsOneLetter);

// How many different bytes phraseLetters holds.
int distinctPhraseLetters(std::string_view phrase, bool chAsOneLetter);

// `text` without the blanks and control bytes (0x00 to 0x20) at either end.
std::string_view trimmedBlanks(std::string_view text);

// A typed phrase (or a text typed for its letters) as a puzzle keeps it:
// trimmedBlanks(text), then cut to its first `maxLength` bytes. The cut comes
// last, so what it keeps may end in blanks of the middle.
std::string trimmedPhrase(std::string_view text, std::size_t maxLength);
