#include "formstate/core/ini_routines.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace formstate;

namespace {

TEST(TextRoutines, WordsAreRunsBetweenDelimiters) {
    struct Case {
        const char* text;
        int count;
        std::size_t secondPosition;
        const char* second;
        const char* fourth;
    };
    const Case cases[] = {
        {"10,20,547,370", 4, 4, "20", "370"},
        {" , 10 ,, 20 ", 2, 10, "20", ""},
        {"", 0, 0, "", ""},
        {",,,", 0, 0, "", ""},
        {"a b,c d", 4, 3, "b", "d"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wordCount(c.text, " ,"), c.count) << c.text;
        EXPECT_EQ(wordPosition(2, c.text, " ,"), c.secondPosition) << c.text;
        EXPECT_EQ(extractWord(2, c.text, " ,"), c.second) << c.text;
        EXPECT_EQ(extractWord(4, c.text, " ,"), c.fourth) << c.text;
    }
}

TEST(TextRoutines, ReplaceTextDoesNotSearchItsReplacementsAgain) {
    EXPECT_EQ(replaceText("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(replaceText("abab", "ab", "b"), "bb");
    EXPECT_EQ(replaceText("Abab", "ab", "x"), "Abx") << "case matters";
    EXPECT_EQ(replaceText("text", "", "x"), "text");
    EXPECT_EQ(replaceText("", "a", "b"), "");
}

TEST(TextRoutines, ScrambledValuesAreHexOfTheXorWithTheKey) {
    struct Case {
        const char* key;
        std::string text;
        const char* scrambled;
    };
    const Case cases[] = {
        {"", "AZ", "415a"},
        {"k", "AZ", "2a31"},                       // 'A' ^ 'k', 'Z' ^ 'k'
        {"ab", "abc", "000002"},                   // the key repeats
        {"key", std::string("\xE8\x00", 2), "8365"},  // any byte, a zero too
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scrambleStoredValue(c.key, c.text), c.scrambled) << c.key;
        EXPECT_EQ(unscrambleStoredValue(c.key, c.scrambled), c.text) << c.key;
    }
    EXPECT_EQ(unscrambleStoredValue("", "41zz4"), "A ") << "no hex pair gives a blank, an odd last digit is dropped";
    EXPECT_EQ(unscrambleStoredValue("", "41FF"), "A\xFF") << "upper-case digits read too";
}

TEST(TextRoutines, DefaultNames) {
    EXPECT_EQ(defaultIniFileName("/usr/bin/grilpad"), "grilpad.INI");
    EXPECT_EQ(defaultIniFileName("/opt/mindgrid.exe"), "mindgrid.INI");
    EXPECT_EQ(screenSuffix(1024, 768), "(1024x768)");

    fake::FakeComponent form("MainForm", "TMainForm");
    form.form = true;
    fake::FakeComponent panel("Panel1", "TPanel", &form);
    panel.control = true;
    panel.onForm = &form;
    fake::FakeComponent loose("Edit1", "TEdit");
    loose.control = true;
    loose.parent = &panel;
    fake::FakeComponent alone("Edit2", "TEdit");
    alone.control = true;
    fake::FakeComponent storage("FormStorage1", "TFormStorage", &form);
    fake::FakeComponent free("Thing", "TThing");
    EXPECT_EQ(defaultSectionName(nullptr), "");
    EXPECT_EQ(defaultSectionName(&form), "TMainForm");
    EXPECT_EQ(defaultSectionName(&panel), "TMainFormPanel1");
    EXPECT_EQ(defaultSectionName(&loose), "Panel1Edit1");
    EXPECT_EQ(defaultSectionName(&alone), "Edit2");
    EXPECT_EQ(defaultSectionName(&storage), "TMainForm.FormStorage1");
    EXPECT_EQ(defaultSectionName(&free), "Thing");
}

}  // namespace
