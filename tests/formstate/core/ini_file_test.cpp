#include "formstate/core/ini_file.h"
#include "formstate/core/ini_routines.h"

#include "fakes.h"
#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace formstate;

namespace {

TEST(IniText, EditsKeepEveryForeignLineInItsPlace) {
    const std::string before = cp("; made by hand\r\n"
                                  "stray=before any section\r\n"
                                  "[Hlavní okno]\r\n"
                                  "Flags=0\r\n"
                                  "garbage without an equals sign\n"
                                  "\r\n"
                                  "[Jiné]\r\n"
                                  "Key = spaced value \r\n");
    IniText ini = IniText::parse(before);
    EXPECT_EQ(ini.bytes(), cp("; made by hand\r\nstray=before any section\r\n[Hlavní okno]\r\nFlags=0\r\n"
                              "garbage without an equals sign\r\n\r\n[Jiné]\r\nKey = spaced value \r\n"))
        << "a line without its CR is written with it";
    EXPECT_EQ(ini.value("", "stray"), std::nullopt) << "keys before the first section are ignored";
    EXPECT_EQ(ini.value(cp("HLAVNÍ OKNO"), "flags"), "0") << "names ignore case, Czech letters too";
    EXPECT_EQ(ini.value(cp("jiné"), "KEY"), "spaced value");

    ini.setValue(cp("Hlavní okno"), "Flags", "1");           // in place
    ini.setValue(cp("hlavní okno"), "ShowCmd", "3");         // appended after the section's last line
    ini.setValue("Okno exportu do obr", "SpinEdit1_Value", "45");  // a new section at the end
    EXPECT_EQ(ini.bytes(), cp("; made by hand\r\nstray=before any section\r\n[Hlavní okno]\r\nFlags=1\r\n"
                              "garbage without an equals sign\r\nShowCmd=3\r\n\r\n[Jiné]\r\nKey = spaced value \r\n"
                              "[Okno exportu do obr]\r\nSpinEdit1_Value=45\r\n"));

    ini.eraseSection(cp("JINÉ"));
    EXPECT_FALSE(ini.hasSection(cp("Jiné")));
    EXPECT_EQ(ini.value("Okno exportu do obr", "SpinEdit1_Value"), "45");
    EXPECT_EQ(IniText::parse(ini.bytes()), ini) << "what is written reads as the same lines";
}

TEST(IniText, ReadsTrimmedUnquotedValuesOfBoundedLength) {
    const std::string longValue(3000, 'x');
    const IniText ini = IniText::parse("[s]\na=  \"quoted\"  \nb='single'\nc=\"mixed'\nd=\"\ne=" + longValue + "\n");
    EXPECT_EQ(ini.value("s", "a"), "quoted");
    EXPECT_EQ(ini.value("s", "b"), "single");
    EXPECT_EQ(ini.value("s", "c"), "\"mixed'");
    EXPECT_EQ(ini.value("s", "d"), "\"");
    EXPECT_EQ(ini.value("s", "e")->size(), maxValueLength);
    EXPECT_EQ(ini.value("s", "missing"), std::nullopt);
    EXPECT_EQ(ini.value("t", "a"), std::nullopt);
}

TEST(IniText, TheWriterRefusesNamesThatWouldNotReadBack) {
    IniText ini;
    for (const char* key : {"a\nb", "a=b", "", "  ", "[key", ";key", "a\rb"})
        EXPECT_THROW(ini.setValue("s", key, "v"), std::invalid_argument) << key;
    for (const char* section : {"a]b", "a\nb", "a\r"})
        EXPECT_THROW(ini.setValue(section, "k", "v"), std::invalid_argument) << section;
    EXPECT_TRUE(ini.lines().empty()) << "nothing half-written";

    ini.setValue("s", "k", "two\r\nlines\nand\rmore");
    EXPECT_EQ(ini.value("s", "k"), "two lines and more") << "each line break became one blank";
    EXPECT_EQ(ini.bytes(), "[s]\r\nk=two lines and more\r\n");
}

TEST(IniRoutines, QuotedValuesReadBackAsTheyWerePut) {
    const TempFolder folder;
    struct Case {
        std::string value;
        std::string line;  // as written in the file
    };
    const Case cases[] = {
        {"\"a\"", "k=\"\"a\"\""},
        {"'b'", "k=\"'b'\""},
        {"a\"", "k=a\""},
        {"\"", "k=\""},
    };
    for (const Case& c : cases) {
        IniFile ini(folder / "q.ini");
        iniPutString(&ini, "s", "k", c.value);
        ini.commit();
        EXPECT_EQ(folder.read("q.ini"), "[s]\r\n" + c.line + "\r\n") << c.value;
        IniFile again(folder / "q.ini");
        EXPECT_EQ(iniGetString(&again, "s", "k", "default"), c.value);
    }
    EXPECT_EQ(iniGetString(nullptr, "s", "k", "default"), "default") << "no ini object: the default";
}

TEST(IniRoutines, IntegersReadHexadecimalAndFallBackBeyondThirtyTwoBits) {
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {
        {"0x1F", 31}, {"0X7fffffff", 2147483647}, {"0x", -7}, {"0x100000000", -7}, {"0xG", -7},
        {"12abc", -7}, {"99999999999", -7}, {"-2147483648", -2147483647 - 1}, {"-5", -5}, {"", -7},
    };
    for (const Case& c : cases) {
        IniText text = IniText::parse(std::string("[s]\r\nk=") + c.stored + "\r\n");
        const TempFolder folder;
        folder.write("i.ini", text.bytes());
        IniFile ini(folder / "i.ini");
        EXPECT_EQ(iniGetInteger(&ini, "s", "k", -7), c.expected) << c.stored;
    }
}

TEST(IniFile, WritesOnceAtCommitAndNeverOverAFileItCouldNotRead) {
    const TempFolder folder;
    const auto path = folder / "deep" / "er" / "mindgrid.ini";
    {
        IniFile ini(path);
        ini.writeInteger("s", "a", 1);
        ini.writeBool("s", "b", true);
        EXPECT_FALSE(std::filesystem::exists(path)) << "nothing reaches the file before the commit";
        ini.commit();
        EXPECT_EQ(folder.read("deep/er/mindgrid.ini"), "[s]\r\na=1\r\nb=1\r\n") << "the folder was made";
    }
    // A file larger than any ini reads as empty and is left alone.
    const std::string huge = "[s]\r\nk=" + std::string(iniFileLimit, 'x') + "\r\n";
    folder.write("huge.ini", huge);
    IniFile big(folder / "huge.ini");
    EXPECT_EQ(big.readString("s", "k", "default"), "default");
    big.writeString("s", "k", "small");
    try {
        big.commit();
        ADD_FAILURE() << "the unreadable file was overwritten";
    } catch (const IniWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + (folder / "huge.ini").string());
    }
    EXPECT_EQ(folder.read("huge.ini").size(), huge.size());

    // A file where the folder should be: the commit fails and says where.
    folder.write("blocked", "");
    IniFile blocked(folder / "blocked" / "mindgrid.ini");
    blocked.writeString("s", "k", "v");
    EXPECT_THROW(blocked.commit(), IniWriteError);

    // Without a path reads give defaults and writes go nowhere, silently.
    IniFile none(std::nullopt);
    none.writeString("s", "k", "v");
    EXPECT_EQ(none.readString("s", "k", "d"), "d");
    EXPECT_NO_THROW(none.commit());
}

TEST(IniFile, ABareNameLiesInTheConfigFolderOfTheUser) {
    const char* home = std::getenv("HOME");
    const std::optional<std::string> savedHome = home ? std::optional<std::string>(home) : std::nullopt;
    struct Case {
        const char* config;  // nullptr: unset
        const char* home;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"/cfg", "/home/u", "/cfg/mindgrid/mindgrid.ini"},
        {"relative", "/home/u", "/home/u/.config/mindgrid/mindgrid.ini"},
        {nullptr, "/home/u", "/home/u/.config/mindgrid/mindgrid.ini"},
        {nullptr, nullptr, std::nullopt},
        {"", "", std::nullopt},
    };
    for (const Case& c : cases) {
        const fake::ConfigHome config(c.config ? c.config : "");
        if (!c.config) unsetenv("XDG_CONFIG_HOME");
        if (c.home) setenv("HOME", c.home, 1);
        else unsetenv("HOME");
        const auto path = iniFilePath("mindgrid.ini");
        EXPECT_EQ(path ? std::optional<std::string>(path->string()) : std::nullopt, c.expected)
            << (c.config ? c.config : "(unset)") << " " << (c.home ? c.home : "(unset)");
        EXPECT_EQ(iniFilePath("/abs/x.ini"), std::filesystem::path("/abs/x.ini"));
    }
    if (savedHome) setenv("HOME", savedHome->c_str(), 1);
    else unsetenv("HOME");
}

}  // namespace
