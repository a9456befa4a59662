// A typed phrase as the word search and the criss-cross keep it: blanks and
// control bytes (up to 0x20) go at both ends and nowhere else, every byte
// above stays (Windows-1250 letters among them), and the cut to the kept
// length comes after the trim.

#include "document/core/phrase_letters.h"
#include "support/core/cp1250_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PhraseTrimming, BlanksAndControlBytesGoAtTheEndsOnly) {
    struct Case {
        const char* name;
        std::string text;
        std::string trimmed;
    };
    const Case cases[] = {
        {"blanks and line ends", "  chata \t\r\n", "chata"},
        {"control bytes", std::string("\0\x01" "a b\x1F", 6), "a b"},
        {"blanks inside stay", cp(" na   horách "), cp("na   horách")},
        {"nothing but blanks", " \t\r\n ", ""},
        {"nothing", "", ""},
        {"the first byte above a blank", "!a!", "!a!"},
        {"DEL and a no-break space", "\x7F" "a\xA0", "\x7F" "a\xA0"},
        {"Czech letters at the ends", cp("čáp žně"), cp("čáp žně")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(trimmedBlanks(c.text), c.trimmed);
        EXPECT_EQ(trimmedPhrase(c.text, 255), c.trimmed);
    }
}

TEST(PhraseTrimming, TheCutComesAfterTheTrim) {
    EXPECT_EQ(trimmedPhrase("   abcdef", 4), "abcd");
    EXPECT_EQ(trimmedPhrase(" abcd\t", 4), "abcd");
    EXPECT_EQ(trimmedPhrase("ab     cd", 4), "ab  ");  // blanks of the middle may end what is kept
    EXPECT_EQ(trimmedPhrase(std::string(300, 'x') + "  ", 255), std::string(255, 'x'));
}

}  // namespace
