#pragma once
// Letter case, ordering and the letter "ch" of Czech text held as Windows-1250 bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Upper-cases a to z and the fifteen Czech letters
// š ť ž á č é ě í ď ň ó ř ů ú ý (0x9A 0x9D 0x9E 0xE1 0xE8 0xE9 0xEC 0xED 0xEF 0xF2 0xF3 0xF8 0xF9 0xFA 0xFD)
// to Š Ť Ž Á Č É Ě Í Ď Ň Ó Ř Ů Ú Ý; every other byte stays as it is.
unsigned char czechUpperChar(unsigned char c);
std::string czechUpperCase(std::string_view text);

// The exact inverse over the same letters.
unsigned char czechLowerChar(unsigned char c);
std::string czechLowerCase(std::string_view text);

// Case-insensitive Czech ordering, as a Czech user expects in a sorted word list:
// "ch" is one letter between h and i; č, ř, š, ž are letters of their own after
// c, r, s, z; other accents (á, é, ě, í, ď, ň, ó, ť, ú, ů, ý) only break ties
// between words that are otherwise equal. Letter case never matters, so
// "Pes" and "pes" compare equal while "pas" and "pás" do not.
// Answers a negative number, zero or a positive number.
int czechCompare(std::string_view a, std::string_view b);

struct CzechLess {
    bool operator()(std::string_view a, std::string_view b) const { return czechCompare(a, b) < 0; }
};
// The same, with the bytes deciding between texts that differ in letter case
// only, so that each spelling has a fixed place.
struct CzechThenBytesLess {
    bool operator()(std::string_view a, std::string_view b) const {
        const int order = czechCompare(a, b);
        return order != 0 ? order < 0 : a < b;
    }
};

// Sorts texts by CzechThenBytesLess, as std::sort with it would, only faster:
// each text's first letters are read once into a number whose order agrees
// with czechCompare, and whole texts are compared only where those agree.
void sortCzechThenBytes(std::vector<std::string>& texts);

// The byte that stands for a "ch" joined into one letter in the letter units
// of the puzzles: the words of the stores, the cells of a slot, the letters
// of a criss-cross phrase. (The word search's generator joins "ch" into a
// byte of its own.)
inline constexpr char chPlaceholder = '@';

// "ch" as one letter: every lower-case "ch", taken from the left, becomes
// `placeholder` ("chch" is two letters, "cch" is "c" and one letter); every
// other byte, "CH" and "Ch" too, stays as it is.
std::string joinDigraphs(std::string_view text, char placeholder);
// The same into `out`, which is cleared first, so a caller can reuse one buffer.
void joinDigraphs(std::string_view text, char placeholder, std::string& out);

// The length of a text in letters: the length joinDigraphs gives when
// `chAsOneLetter`, the byte length otherwise.
std::size_t letterUnitCount(std::string_view text, bool chAsOneLetter);
