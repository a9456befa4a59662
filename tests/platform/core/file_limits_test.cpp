// Reading a file never takes more than its kind allows: the byte reader's
// limit, the lazy line walk and memory running out while parsing.

#include "platform/core/textfile.h"
#include "support/core/big_files.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <new>
#include <string>

namespace {

using K = FileError::Kind;

}  // namespace

TEST(FileBytes, AreReadUpToTheLimitOfTheirKind) {
    TempFolder folder;
    folder.write("ten.txt", "0123456789");
    folder.write("empty.txt", "");
    folder.write("sub/inner.txt", "x");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    struct Case {
        const char* what;
        std::filesystem::path path;
        std::uint64_t limit;
        std::optional<std::string> bytes;  // nothing: an error of `kind`
        K kind = K::CannotOpen;
        std::uint64_t size = 0;            // TooLarge: the size reported (0: more than the limit)
    };
    const Case cases[] = {
        {"exactly the limit", folder / "ten.txt", 10, "0123456789"},
        {"an empty file", folder / "empty.txt", 0, ""},
        {"one byte over", folder / "ten.txt", 9, std::nullopt, K::TooLarge, 10},
        {"missing", folder / "missing.txt", 100, std::nullopt, K::CannotOpen},
        {"a folder", folder / "sub", 100, std::nullopt, K::CannotOpen},
        // Neither waits for a writer nor reads for ever.
        {"a FIFO", folder / "fifo", 100, std::nullopt, K::CannotOpen},
        {"an endless device", "/dev/zero", 100, std::nullopt, K::CannotOpen},
        // Files under /proc tell a size of 0: the limit holds while reading.
        {"a file that tells no size", "/proc/self/maps", 16, std::nullopt, K::TooLarge, 0},
    };
    for (const Case& c : cases) {
        const ReadResult<std::string> read = readFileBytes(c.path, c.limit);
        if (c.bytes) {
            ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.what;
            EXPECT_EQ(std::get<std::string>(read), *c.bytes) << c.what;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<FileError>(read)) << c.what;
        const FileError& error = std::get<FileError>(read);
        EXPECT_EQ(error.kind, c.kind) << c.what;
        EXPECT_EQ(error.line, 0) << c.what;
        if (c.kind != K::TooLarge) continue;
        EXPECT_EQ(error.limit, c.limit) << c.what;
        if (c.size) EXPECT_EQ(error.size, c.size) << c.what;
        else EXPECT_GT(error.size, c.limit) << c.what;
    }
}

TEST(LineCursor, WalksTheLinesWithoutATableOfThem) {
    // 32 million empty lines: a table of them would take 512 MB.
    const std::string text(32u << 20, '\n');
    std::size_t count = 0;
    const std::uint64_t rise = peakMemoryRise([&] {
        const auto read = parseWholeFile(text, [](LineCursor& lines) {
            while (!lines.atEnd()) lines.text();
            return lines.lineNumber();
        });
        ASSERT_TRUE(std::holds_alternative<int>(read));
        count = static_cast<std::size_t>(std::get<int>(read));
        forEachLine(text, [&count](std::string_view) { --count; });
    });
    EXPECT_EQ(count, 0u) << "the cursor and forEachLine walk the same lines";
    EXPECT_LT(rise, text.size() / 4) << "peak memory rose by " << rise << " bytes";
}

TEST(LineCursor, ATextLineHoldingACrIsRefusedSoThatWhatOpensCanBeSaved) {
    // Each file: a number line, then two text lines.
    struct Case {
        const char* text;
        std::optional<std::string> second;  // the second text line, or nothing when refused
        FileError error;
    };
    const Case cases[] = {
        {"5\r\na\r\nb\r\n", "b", {}},
        {"5\r\r\na\r\r\nb\r", "b", {}},        // CRs before an LF or at the end are line ends
        {"5\na\nb", "b", {}},
        {"5\r\na\rb\r\nc\r\n", std::nullopt, {K::BadValue, 2}},
        {"5\r\na\r\n\rb\r\n", std::nullopt, {K::BadValue, 3}},
        {"5\r5\r\na\r\nb\r\n", std::nullopt, {K::NotANumber, 1}},
    };
    for (const Case& c : cases) {
        const auto read = parseWholeFile(c.text, [](LineCursor& lines) {
            lines.number(0, 100);
            lines.text();
            return std::string(lines.text());
        });
        if (c.second) {
            ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.text;
            EXPECT_EQ(std::get<std::string>(read), *c.second) << c.text;
        } else {
            ASSERT_TRUE(std::holds_alternative<FileError>(read)) << c.text;
            EXPECT_EQ(std::get<FileError>(read).kind, c.error.kind) << c.text;
            EXPECT_EQ(std::get<FileError>(read).line, c.error.line) << c.text;
        }
    }
}

TEST(WholeFile, MemoryRunningOutIsThatFilesFailure) {
    const auto exhausted = [](LineCursor& lines) -> int {
        lines.text();
        throw std::bad_alloc();
    };
    const auto parsed = parseWholeFile("x\r\n", exhausted);
    ASSERT_TRUE(std::holds_alternative<FileError>(parsed));
    EXPECT_EQ(std::get<FileError>(parsed).kind, K::OutOfMemory);

    TempFolder folder;
    const auto read = readWholeFile(folder.write("a.txt", "x\r\n"), 100, exhausted);
    ASSERT_TRUE(std::holds_alternative<FileError>(read));
    EXPECT_EQ(std::get<FileError>(read).kind, K::OutOfMemory);
}
