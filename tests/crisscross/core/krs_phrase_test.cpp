// The secret phrase as digits: the automatic table and the coding.

#include "crisscross/core/krs_phrase.h"
#include "support/core/cp1250_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DigitTable table(std::initializer_list<const char*> letters) {
    DigitTable result;
    result.fill(" ");
    std::size_t digit = 0;
    for (const char* letter : letters) result[digit++] = letter;
    return result;
}

}  // namespace

TEST(CrissCrossPhrase, EachDistinctLetterTakesTheNextDigit) {
    struct Case {
        const char* phrase;
        bool chAsOne;
        DigitTable assigned;
        const char* coded;
    };
    const Case cases[] = {
        {"abc", false, table({"a", "b", "c"}), "012"},
        {"ab ba", false, table({"a", "b"}), "0110"},
        {"chata", true, table({"ch", "a", "t"}), "0121"},
        {"chata", false, table({"c", "h", "a", "t"}), "01232"},
        {"c hata", true, table({"ch", "a", "t"}), "0121"},
        {"Aa", false, table({"A", "a"}), "01"},
        {"abcdefghij", false, table({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}), "0123456789"},
        {"", false, table({}), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phrase);
        const std::optional<DigitTable> assigned = assignDigitsToLetters(c.phrase, c.chAsOne);
        ASSERT_TRUE(assigned.has_value());
        EXPECT_EQ(*assigned, c.assigned);
        EXPECT_EQ(encodeTajenka(c.phrase, *assigned, c.chAsOne), c.coded);
    }
}

TEST(CrissCrossPhrase, TheCodeFollowsTheTableAsTheUserChangedIt) {
    // "a" also under 5: both digits, in ascending order, wherever a stands.
    DigitTable twice = table({"ch", "a", "t", " ", " ", "a"});
    EXPECT_EQ(encodeTajenka("chata", twice, true), "015215");
    // A letter whose entry was replaced drops out; "ch" counts only as the joined letter.
    EXPECT_EQ(encodeTajenka("chata", table({"ch", "x", "t"}), true), "02");
    EXPECT_EQ(encodeTajenka("chata", table({"ch", "a", "t"}), false), "121") << "c and h alone have no digit";
    // Czech letters are bytes like any other.
    const std::string phrase = cp("čáp");
    EXPECT_EQ(encodeTajenka(phrase, *assignDigitsToLetters(phrase, true), true), "012");
}

TEST(CrissCrossPhrase, ElevenDistinctLettersCannotBeCoded) {
    EXPECT_FALSE(assignDigitsToLetters("abcdefghijk", false).has_value());
    // "ch" as one letter makes ten of eleven.
    EXPECT_TRUE(assignDigitsToLetters("abdefgijkch", true).has_value());
    EXPECT_FALSE(assignDigitsToLetters("abdefgijkch", false).has_value());
}

TEST(CrissCrossPhrase, TheCodedPhraseKeepsTo255Digits) {
    const std::string phrase(300, 'a');
    EXPECT_EQ(encodeTajenka(phrase, table({"a"}), false), std::string(255, '0'));
    EXPECT_EQ(encodeTajenka("ab", table({"a", "b", "a", "b"}), false), "0213");
    EXPECT_TRUE(allDigits("0213"));
    EXPECT_FALSE(allDigits("ab"));
}
