#include "crossword/core/print_sizes.h"

#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace crossword {

// Readable failures.
void PrintTo(const PrintSizes& s, std::ostream* out) {
    *out << "{" << s.cellSize << ", " << s.labelFontSize << ", " << s.clueFontSize << ", " << s.separatorHalfWidth
         << "}";
}

namespace {

TEST(PrintSizes, TheFileGivesWhatItHoldsUpToItsFirstBadLineAndValuesOutOfRangeGoToTheBounds) {
    struct Case {
        const char* what;
        const char* bytes;  // nullptr: no file
        PrintSizes expected;
    };
    const Case cases[] = {
        {"no file", nullptr, {82, 12, 12, 4}},
        {"an empty file", "", {82, 12, 12, 4}},
        {"four sizes", "90\r\n14\r\n10\r\n6\r\n", {90, 14, 10, 6}},
        {"LF line ends and no end after the last", "90\n14\n10\n6", {90, 14, 10, 6}},
        {"a line that is no number ends the reading", "90\r\n14\r\nabc\r\n6\r\n", {90, 14, 12, 4}},
        {"a blank before the number is no number", "90\r\n 14\r\n10\r\n6\r\n", {90, 12, 12, 4}},
        {"two lines only", "90\r\n14\r\n", {90, 14, 12, 4}},
        {"below the ranges", "9\r\n0\r\n-5\r\n-1\r\n", {10, 1, 1, 0}},
        {"above the ranges, and reading goes on", "401\r\n201\r\n100000\r\n51\r\n", {400, 200, 200, 50}},
        {"numbers too large for any integer", "99999999999999999999999\r\n-99999999999999999999\r\n+7\r\n50\r\n",
         {400, 1, 7, 50}},
        {"lines after the fourth are not read", "90\r\n14\r\n10\r\n6\r\nx\r\n", {90, 14, 10, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        if (c.bytes) folder.write("velikosti.sav", c.bytes);
        EXPECT_EQ(readPrintSizes(folder / "velikosti.sav"), c.expected);
    }
}

TEST(PrintSizes, SizesNotReadKeepTheValuesTheReadingStartedFrom) {
    const PrintSizes start{100, 20, 18, 9};
    EXPECT_EQ(printSizesFromLines({"50", "x"}, start), (PrintSizes{50, 20, 18, 9}));
    EXPECT_EQ(printSizesFromLines({}, start), start);
}

TEST(PrintSizes, AreWrittenAsFourLinesAndReadBack) {
    TempFolder folder;
    const PrintSizes sizes{400, 1, 200, 0};
    ASSERT_TRUE(writePrintSizes(folder / "velikosti.sav", sizes));
    EXPECT_EQ(folder.read("velikosti.sav"), "400\r\n1\r\n200\r\n0\r\n");
    EXPECT_EQ(readPrintSizes(folder / "velikosti.sav"), sizes);
}

}  // namespace
}  // namespace crossword
