// Which hunspell stems the shipped dictionary and the shipped crossword words keep.

#include "stores/core/shipped_dictionary.h"
#include "support/core/cp1250_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(ShippedDictionary, KeepsWordsASolverKnows) {
    struct Case {
        const char* word;  // UTF-8
        bool kept;
    };
    const Case cases[] = {
        // abbreviations and unit symbols: no syllable
        {"bm", false}, {"br", false}, {"cm", false}, {"db", false}, {"ft", false}, {"ml", false},
        {"pf", false}, {"vf", false}, {"kg", false}, {"http", false}, {"pst", false},
        // abbreviations and symbols with a vowel stay
        {"cca", true}, {"dpi", true}, {"kcal", true}, {"dtto", true},
        // an "r" or "l" next to a vowel-less neighbour of its kind, or at an end, is no syllable
        {"hl", false}, {"brr", false}, {"rbl", false},
        // a syllabic "r" or "l" between consonants
        {"vlk", true}, {"krk", true}, {"prst", true}, {"smrt", true}, {"čtvrt", true}, {"skrz", true},
        {"mlha", true},
        // ordinary words, with and without accents
        {"pes", true}, {"les", true}, {"žába", true}, {"ty", true}, {"ať", true},
        // not words of the shipped kind: proper names, other characters, lengths
        {"Praha", false}, {"e-mail", false}, {"a", false}, {"nejneobhospodařovávatelnější", false},
        {"abcdefghijklmno", true}, {"abcdefghijklmnop", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isShippedDictionaryWord(cp(c.word)), c.kept) << c.word;
}

TEST(ShippedDictionary, CrosswordWordsAreAbbreviationsAndSymbolsInLowerCaseButNoNames) {
    struct Case {
        const char* stem;      // UTF-8
        const char* word;      // UTF-8; nullptr: not a crossword word
    };
    const Case cases[] = {
        // abbreviations in capitals, symbols and syllable-less words
        {"IBM", "ibm"}, {"ČSSD", "čssd"}, {"XIV", "xiv"}, {"kg", "kg"}, {"kWh", "kwh"}, {"brr", "brr"},
        {"pH", "ph"},
        // proper names: a capital and then a lower-case letter
        {"Praha", nullptr}, {"Ob", nullptr}, {"McDonald", nullptr}, {"MHz", nullptr},
        // other characters than Czech letters, lengths
        {"e-mail", nullptr}, {"CD-ROM", nullptr}, {"MÄR", nullptr}, {"A", nullptr},
        {"ABCDEFGHIJKLMNO", "abcdefghijklmno"}, {"ABCDEFGHIJKLMNOP", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> word = shippedCrosswordWord(cp(c.stem));
        EXPECT_EQ(word, c.word ? std::optional<std::string>(cp(c.word)) : std::nullopt) << c.stem;
    }
}
