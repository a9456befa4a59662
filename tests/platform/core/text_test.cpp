#include "platform/core/cp1250.h"
#include "platform/core/czech.h"
#include "support/core/cp1250_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

TEST(Cp1250, EveryByteSurvivesARoundTripThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const char32_t c = cp1250::toUnicode(static_cast<unsigned char>(b));
        const auto back = cp1250::fromUnicode(c);
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, b) << "byte " << b;
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(cp1250::utf8ToCp1250(cp1250::cp1250ToUtf8(one)), one) << "byte " << b;
    }
}

TEST(Cp1250, CzechLettersHaveTheirCodes) {
    EXPECT_EQ(cp1250::utf8ToCp1250("žluťoučký kůň úpěl ďábelské ódy"),
              "\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1\x62\x65lsk\xE9 \xF3\x64y");
    EXPECT_EQ(cp1250::cp1250ToUtf8("\x8A\x8D\x8E\xC8\xD8"), "ŠŤŽČŘ");
}

TEST(Cp1250, RefusesWhatTheCodePageCannotHold) {
    EXPECT_FALSE(cp1250::utf8ToCp1250("日本").has_value());
    EXPECT_FALSE(cp1250::utf8ToCp1250("\xC3").has_value());       // cut short
    EXPECT_FALSE(cp1250::utf8ToCp1250("a\x80" "b").has_value());  // stray continuation byte
    EXPECT_FALSE(cp1250::fromUnicode(0x0416).has_value());         // Cyrillic Ж
}

TEST(Cp1250, RefusesMalformedUtf8AndTakesWellFormedText) {
    struct Case {
        const char* what;
        std::string utf8;
        std::optional<std::string> cp1250;  // nothing: refused
    };
    const Case cases[] = {
        // Malformed forms of characters the code page holds: decoded loosely,
        // each would slip in as that character.
        {"overlong NUL", "\xC0\x80", std::nullopt},
        {"overlong NUL inside a text", "a\xC0\x80" "b", std::nullopt},
        {"overlong NUL in three bytes", "\xE0\x80\x80", std::nullopt},
        {"overlong NUL in four bytes", "\xF0\x80\x80\x80", std::nullopt},
        {"overlong A", "\xC1\x81", std::nullopt},
        {"overlong euro sign", "\xF0\x82\x82\xAC", std::nullopt},
        {"surrogate", "\xED\xA0\x80", std::nullopt},
        {"past U+10FFFF", "\xF4\x90\x80\x80", std::nullopt},
        {"lead byte past U+10FFFF", "\xF8\x88\x80\x80\x80", std::nullopt},
        {"cut short after two of three bytes", "\xE2\x82", std::nullopt},
        {"cut short after one of four bytes", "a\xF0", std::nullopt},
        {"cut short before the next letter", "\xC5" "a", std::nullopt},
        // Well-formed text the code page holds, also at the edges of each length.
        {"Czech letters", "Příliš žluťoučký kůň ĎÁBEL",
         "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xCF\xC1" "BEL"},
        {"NUL itself", std::string(1, '\0'), std::string(1, '\0')},
        {"U+0081 in two bytes", "\xC2\x81", "\x81"},
        {"euro sign in three bytes", "\xE2\x82\xAC", "\x80"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(cp1250::utf8ToCp1250(c.utf8), c.cp1250) << c.what;
}

TEST(CzechCase, UpperAndLowerArePairsOverExactlyTheListedLetters) {
    const std::string lower = "abcdefghijklmnopqrstuvwxyz\x9A\x9D\x9E\xE1\xE8\xE9\xEC\xED\xEF\xF2\xF3\xF8\xF9\xFA\xFD";
    const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\x8A\x8D\x8E\xC1\xC8\xC9\xCC\xCD\xCF\xD2\xD3\xD8\xD9\xDA\xDD";
    EXPECT_EQ(czechUpperCase(lower), upper);
    EXPECT_EQ(czechLowerCase(upper), lower);
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        const bool listedLower = lower.find(static_cast<char>(c)) != std::string::npos;
        const bool listedUpper = upper.find(static_cast<char>(c)) != std::string::npos;
        if (!listedLower) {
            EXPECT_EQ(czechUpperChar(c), c) << "byte " << b;
        }
        if (!listedUpper) {
            EXPECT_EQ(czechLowerChar(c), c) << "byte " << b;
        }
    }
    // Letters of other languages in the code page stay as they are.
    EXPECT_EQ(czechUpperCase("\xE4\xF6\xB3#@1"), "\xE4\xF6\xB3#@1");
}

TEST(CzechOrdering, SortsAsACzechDictionary) {
    const std::vector<std::string> expected = {
        cp("a"),    cp("á"),     cp("ahoj"),  cp("byt"),  cp("cibule"), cp("čaj"),  cp("dům"),
        cp("hrad"), cp("chata"), cp("chléb"), cp("izba"), cp("pas"),    cp("pás"),  cp("pes"),
        cp("rak"),  cp("řeka"),  cp("sud"),   cp("šum"),  cp("zub"),    cp("žena"),
    };
    std::vector<std::string> shuffled(expected.rbegin(), expected.rend());
    std::rotate(shuffled.begin(), shuffled.begin() + 7, shuffled.end());
    std::stable_sort(shuffled.begin(), shuffled.end(), CzechLess{});
    EXPECT_EQ(shuffled, expected);
}

TEST(CzechOrdering, IgnoresCaseOnly) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"Pes", "pes", 0},   {"CHATA", "chata", 0}, {"Chata", "cHata", 0}, {"pas", "p\xE1s", -1},
        {"\x8E" "ena", "\x9E" "ena", 0}, {"pes", "pesek", -1}, {"", "a", -1}, {"1", "a", -1},
    };
    for (const Case& c : cases) {
        const int r = czechCompare(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
        const int back = czechCompare(c.b, c.a);
        EXPECT_EQ((back > 0) - (back < 0), -c.sign) << c.b << " vs " << c.a;
    }
}

TEST(CzechOrdering, SortingManyTextsGivesTheOrderOfCzechThenBytes) {
    // Words that agree in their first seven letters and differ later, or that
    // differ only in the seventh ("c", "ch", "d"), in accents or in case.
    const std::vector<std::string> expected = {
        "abecedac", "abecedach", cp("abecedař"), "abecedas",    "abecedc",          "abecedd", "abecedch",
        "cibule",   "hrad",      "CHATA",        "chata",       "nejkrasnejsi", cp("nejkrásnější"), "pas",
        cp("pás"),  "Pes",       "pes",          "pes",
    };
    std::vector<std::string> texts(expected.rbegin(), expected.rend());
    std::rotate(texts.begin(), texts.begin() + 5, texts.end());
    sortCzechThenBytes(texts);
    EXPECT_EQ(texts, expected);
}

TEST(CzechDigraph, LowerCaseChFromTheLeftBecomesOneLetter) {
    struct Case {
        const char* text;
        char placeholder;
        const char* joined;
    };
    const Case cases[] = {
        {"", '#', ""},
        {"chata", '#', "#ata"},
        {"pochod", '@', "po@od"},
        {"prach", '#', "pra#"},
        {"ch", '@', "@"},
        {"chch", '#', "##"},
        {"cch", '#', "c#"},
        {"chh", '@', "@h"},
        {"CHATA", '#', "CHATA"},
        {"Chata cHata", '#', "Chata cHata"},
        {"Chata cch", '#', "Chata c#"},
        {"c h", '#', "c h"},
        {"\xE8h \xE8" "ch", '@', "\xE8h \xE8@"},  // "čh čch"
        {"c", '#', "c"},
    };
    std::string buffer = "left over";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(joinDigraphs(c.text, c.placeholder), c.joined);
        joinDigraphs(c.text, c.placeholder, buffer);
        EXPECT_EQ(buffer, c.joined) << "the buffer is cleared first";
        EXPECT_EQ(letterUnitCount(c.text, true), std::string_view(c.joined).size());
        EXPECT_EQ(letterUnitCount(c.text, false), std::string_view(c.text).size());
    }
}
