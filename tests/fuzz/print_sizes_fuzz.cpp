// The crossword's print sizes ("velikosti.sav"): whatever the file holds, every size read lies
// within its range, and the sizes written back read as the same sizes.

#include "crossword/core/print_sizes.h"
#include "tests/fuzz/fuzz_check.h"

GRILPAD_FUZZ_TARGET {
    std::vector<std::string> lines;
    for (const std::string_view line : splitLines(fuzzBytes(data, size))) lines.emplace_back(line);
    const crossword::PrintSizes sizes = crossword::printSizesFromLines(lines);
    fuzzCheck(crossword::clampedPrintSizes(sizes) == sizes, "a size outside its range was read");
    const std::vector<std::string> written = crossword::printSizesLines(sizes);
    fuzzCheck(written.size() == 4, "the file is not written as four lines");
    const std::string bytes = writtenBytes(written);
    std::vector<std::string> reread;
    for (const std::string_view line : splitLines(bytes)) reread.emplace_back(line);
    fuzzCheck(crossword::printSizesFromLines(reread, crossword::PrintSizes{10, 1, 1, 0}) == sizes,
              "the written sizes read as other sizes");
    return 0;
}
