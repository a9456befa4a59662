// Which hunspell stems the shipped dictionary keeps.

#include "stores/core/shipped_dictionary.h"
#include "support/core/cp1250_text.h"

#include <gtest/gtest.h>

TEST(ShippedDictionary, KeepsWordsASolverKnows) {
    struct Case {
        const char* word;  // UTF-8
        bool kept;
    };
    const Case cases[] = {
        // abbreviations and unit symbols: no syllable
        {"bm", false}, {"br", false}, {"cm", false}, {"db", false}, {"ft", false}, {"ml", false},
        {"pf", false}, {"vf", false}, {"kg", false}, {"http", false}, {"pst", false},
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
