#include "platform/core/random.h"
#include "platform/core/textfile.h"
#include "support/core/child_process.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <thread>

TEST(LineReader, AcceptsBothLineEndsAndKeepsContent) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {" x \t\r\n", {" x \t"}},        // blanks inside a line stay
        {"a\rb\r\n", {"a\rb"}},           // a lone CR is content
        {"\n", {""}},
        {"A\r\r\nB\r\r\r\n", {"A", "B"}},  // a run of CRs before the LF is part of the line end
        {"a\r\rb\r", {"a\r\rb"}},          // so are CRs at the very end, and nothing else
        {"\r\n\r", {"", ""}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> got;
        for (auto line : splitLines(c.text)) got.emplace_back(line);
        EXPECT_EQ(got, c.lines) << "text: " << c.text;
    }
}

TEST(LineReader, MissingFileIsNoFile) {
    TempFolder folder;
    EXPECT_FALSE(readLines(folder / "missing.txt").has_value());
    folder.write("sub/inner.txt", "x");
    EXPECT_FALSE(readLines(folder / "sub").has_value()) << "a folder is no file";
    folder.write("two.txt", "x\r\ny");
    EXPECT_EQ(readLines(folder / "two.txt"), (std::vector<std::string>{"x", "y"}));
}

TEST(NumberParser, IsStrict) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"0", 0},      {"40", 40},     {"-3", -3},   {"+7", 7},     {"007", 7},
        {"", {}},      {"-", {}},      {" 1", {}},   {"1 ", {}},    {"abc", {}},
        {"1.5", {}},   {"0x10", {}},   {"41", {}},   {"-101", {}},  {"99999999999999999999", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseNumber(c.text, -100, 40), c.value) << "text: " << c.text;
    EXPECT_EQ(parseNumber("-9223372036854775808", INT64_MIN, INT64_MAX), INT64_MIN);
}

TEST(LineCursor, NamesTheLineThatFailed) {
    const std::string text = "5\r\nTRUE\r\nfalse\r\nx\r\n";
    LineCursor cursor(text);
    EXPECT_EQ(cursor.number(0, 10), 5);
    EXPECT_TRUE(cursor.boolean(false));
    EXPECT_FALSE(cursor.boolean(true));
    try {
        cursor.number(0, 10);
        FAIL() << "x is no number";
    } catch (const FileFormatError& e) {
        EXPECT_EQ(e.error.kind, FileError::Kind::NotANumber);
        EXPECT_EQ(e.error.line, 4);
    }
    try {
        cursor.text();
        FAIL() << "the file has ended";
    } catch (const FileFormatError& e) {
        EXPECT_EQ(e.error.kind, FileError::Kind::EndOfFile);
        EXPECT_EQ(e.error.line, 5);
    }
    LineCursor range("41");
    try {
        range.number(2, 40);
        FAIL();
    } catch (const FileFormatError& e) {
        EXPECT_EQ(e.error.kind, FileError::Kind::OutOfRange);
    }
}

// A refused line carries what it should have held, for the message.
TEST(LineCursor, SaysWhatARefusedLineShouldHaveHeld) {
    using K = FileError::Kind;
    using E = FileError::Expected;
    struct Case {
        const char* line;
        std::function<void(LineCursor&)> read;
        K kind;
        E expected;
        std::int64_t min, max;
        std::vector<std::int64_t> allowed;
    };
    const auto size = [](LineCursor& c) { c.number(2, 40); };
    const auto colour = [](LineCursor& c) { c.numberOf({16777215, 255}); };
    const Case cases[] = {
        {"41", size, K::OutOfRange, E::Number, 2, 40, {}},
        // However many digits: a number, out of range.
        {"12345678901234567890123456", size, K::OutOfRange, E::Number, 2, 40, {}},
        {"-12345678901234567890123456", size, K::OutOfRange, E::Number, 2, 40, {}},
        {"+", size, K::NotANumber, E::Unsaid, 0, 0, {}},
        {"4 0", size, K::NotANumber, E::Unsaid, 0, 0, {}},
        {"0", colour, K::OutOfRange, E::Number, 0, 0, {16777215, 255}},
        {"99999999999999999999", colour, K::OutOfRange, E::Number, 0, 0, {16777215, 255}},
        {"white", colour, K::NotANumber, E::Unsaid, 0, 0, {}},
        {"a\rb", [](LineCursor& c) { c.text(); }, K::BadValue, E::TextWithoutCR, 0, 0, {}},
        {"xyz", [](LineCursor& c) { c.text(), c.refuse(E::WordLetters, 7); }, K::BadValue, E::WordLetters, 0, 7, {}},
    };
    for (const Case& c : cases) {
        const std::string text = std::string("1\r\n") + c.line + "\r\n";
        LineCursor cursor(text);
        cursor.number(0, 1);
        try {
            c.read(cursor);
            ADD_FAILURE() << c.line << " was taken";
        } catch (const FileFormatError& e) {
            EXPECT_EQ(e.error.line, 2) << c.line;
            EXPECT_EQ(e.error.kind, c.kind) << c.line;
            EXPECT_EQ(e.error.expected, c.expected) << c.line;
            EXPECT_EQ(e.error.min, c.min) << c.line;
            EXPECT_EQ(e.error.max, c.max) << c.line;
            EXPECT_EQ(e.error.allowed, c.allowed) << c.line;
        }
    }
    // The colour that is allowed reads.
    LineCursor good("255");
    EXPECT_EQ(good.numberOf({16777215, 255}), 255);
}

// A yes-or-no line is TRUE or FALSE in any case; files made elsewhere may
// hold anything else, which reads as the caller's choice.
TEST(LineCursor, ReadsAnyOtherYesOrNoAsTheCallerSays) {
    struct Case {
        const char* line;
        bool otherwise;
        bool value;
    };
    const Case cases[] = {
        {"TRUE", false, true}, {"true", false, true}, {"tRuE", false, true}, {"FALSE", true, false},
        {"False", true, false}, {"ANO", false, false}, {"ANO", true, true}, {"", true, true},
        {"TRUE ", false, false}, {"1", true, true},
    };
    for (const Case& c : cases) {
        const std::string text = std::string(c.line) + "\r\n";
        LineCursor cursor(text);
        EXPECT_EQ(cursor.boolean(c.otherwise), c.value) << c.line << " otherwise " << c.otherwise;
    }
}

TEST(AtomicWriter, WritesCrLfLinesAndReplacesWhole) {
    TempFolder folder;
    const auto file = folder / "list.txt";
    ASSERT_TRUE(writeLinesAtomic(file, {"a", "", "\x9E"}));
    EXPECT_EQ(folder.read("list.txt"), "a\r\n\r\n\x9E\r\n");
    ASSERT_TRUE(writeLinesAtomic(file, {"b"}));
    EXPECT_EQ(folder.read("list.txt"), "b\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary left";
}

TEST(AtomicWriter, FailureLeavesTheOldFileWhole) {
    TempFolder folder;
    const auto file = folder.write("keep.txt", "old\r\n");
    // A path under a regular file fails for every user, root included.
    EXPECT_FALSE(writeLinesAtomic(file / "target", {"new"}));
    EXPECT_EQ(folder.read("keep.txt"), "old\r\n");
    // A folder the user may not write to; permissions do not bind root.
    if (::geteuid() != 0) {
        std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(writeLinesAtomic(file, {"new"}));
        std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
        EXPECT_EQ(folder.read("keep.txt"), "old\r\n");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary left";
}

TEST(AtomicWriter, FailedRenameLeavesNoTemporary) {
    TempFolder folder;
    EXPECT_FALSE(writeFileAtomic(folder / "no" / "such.txt", "x"));
    folder.write("taken/inner.txt", "keep");  // a folder where the file should go
    EXPECT_FALSE(writeFileAtomic(folder / "taken", "x"));
    EXPECT_EQ(folder.read("taken/inner.txt"), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    // A file everyone may write, of another user, in a shared folder with the
    // sticky bit: the temporary is made and written, and only the rename is
    // refused, since only the file's owner may replace it there.
    if (::geteuid() != 0) GTEST_SKIP() << "only root may make a file of another user";
    TempFolder shared;
    const auto file = shared.write("theirs.txt", "old");
    ASSERT_EQ(::chown(file.c_str(), 12345, 12345), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(shared.path().c_str(), 01777), 0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, shared.path().c_str(), IN_CREATE | IN_DELETE), 0);
    EXPECT_EQ(inUnprivilegedChild([&]() -> std::string { return writeFileAtomic(file, "new") ? "saved" : ""; }), "");

    // What happened in the folder meanwhile: the temporary came and went again.
    std::vector<std::string> events;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
        for (char* at = buffer; at < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            const std::string name = event->len ? event->name : "";
            events.push_back(((event->mask & IN_CREATE) ? "made " : "removed ") + name.substr(0, 9));
            at += sizeof(inotify_event) + event->len;
        }
    ::close(watch);
    EXPECT_EQ(events, (std::vector<std::string>{"made .grilpad-", "removed .grilpad-"}));
    EXPECT_EQ(shared.read("theirs.txt"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared.path()), {}), 1) << "no temporary left";
}

TEST(LinearRandom, FollowsItsRecurrenceFromAFreshState) {
    LinearRandom generator;
    std::vector<int> draws;
    for (int i = 0; i < 8; ++i) draws.push_back(generator.random(10));
    EXPECT_EQ(draws, (std::vector<int>{0, 0, 8, 2, 2, 6, 3, 1}));
    EXPECT_EQ(generator.random(0), 0);
    for (int i = 0; i < 1000; ++i) {
        const int r = generator.random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
    }
}

TEST(LinearRandom, IsSafeToShareBetweenThreads) {
    LinearRandom shared;
    std::vector<std::jthread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i) shared.random(100);
        });
    threads.clear();
    LinearRandom serial;
    for (int i = 0; i < 40000; ++i) serial.random(100);
    EXPECT_EQ(shared.state(), serial.state());
}
