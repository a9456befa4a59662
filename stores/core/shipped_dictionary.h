#pragma once
// Which words of the hunspell list go into the shipped Czech dictionary and
// into the shipped crossword words (tools/build_dictionary.cpp). Windows-1250
// text.

#include <optional>
#include <string>
#include <string_view>

// A word of the shipped Czech dictionary: 2 to 15 letters, lower-case Czech
// letters only (no proper names, no abbreviations written in capitals), and a
// syllable: a vowel (a e i o u y and their accented forms), or a syllabic "r"
// or "l" standing between two other consonants ("vlk", "krk", "prst", "smrt",
// "čtvrt"). Unit symbols and abbreviations with no syllable ("cm", "ft", "db",
// "kg") and fragments ("br", "hl", "brr") are left out; those with a vowel
// ("cca", "dpi", "kcal", "dtto") stay.
bool isShippedDictionaryWord(std::string_view word);

// The crossword word a hunspell stem gives: the stem in lower case when it is
// 2 to 15 Czech letters of either case and no proper name. A proper name
// begins with a capital that a lower-case letter follows ("Praha", "Novák",
// "McDonald", "MHz"); abbreviations in capitals ("IBM", "ČSSD", "XIV") and
// stems that begin in lower case ("kg", "kWh", "brr") are crossword words.
// The crossword words shipped are those the Czech dictionary does not hold.
std::optional<std::string> shippedCrosswordWord(std::string_view stem);
