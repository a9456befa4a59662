#pragma once
// Which words of the hunspell list go into the shipped Czech dictionary
// (tools/build_dictionary.cpp). Windows-1250 text.

#include <string_view>

// A word a Czech solver knows as a word: 2 to 15 letters, lower-case Czech
// letters only (no proper names), and a syllable: a vowel (a e i o u y and
// their accented forms), or a syllabic "r" or "l" standing between two other
// consonants ("vlk", "krk", "prst", "smrt", "čtvrt"). Abbreviations and unit
// symbols ("cm", "ft", "db", "kg") and fragments ("br", "hl", "brr") have none.
bool isShippedDictionaryWord(std::string_view word);
