#include "crossword/core/print_sizes.h"

#include "platform/core/textfile.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace crossword {

namespace {

// Four numbers with their line ends take a few dozen bytes; the reader
// refuses anything larger than this before reading it.
constexpr std::uint64_t printSizesFileLimit = 64 * 1024;

// A line as a size of `range`: a number, brought into the range; a run of
// digits too long for any integer goes to the bound of its sign. Nothing for
// a line that is no number.
std::optional<int> sizeOfLine(std::string_view line, SizeRange range) {
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    constexpr auto highest = std::numeric_limits<std::int64_t>::max();
    if (const auto number = parseNumber(line, lowest, highest)) {
        if (*number < range.min) return range.min;
        if (*number > range.max) return range.max;
        return static_cast<int>(*number);
    }
    const bool negative = !line.empty() && line.front() == '-';
    const std::string_view digits = line.substr(!line.empty() && (line.front() == '-' || line.front() == '+') ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    return negative ? range.min : range.max;
}

}  // namespace

PrintSizes clampedPrintSizes(PrintSizes sizes) {
    sizes.cellSize = cellSizeRange.clamp(sizes.cellSize);
    sizes.labelFontSize = fontSizeRange.clamp(sizes.labelFontSize);
    sizes.clueFontSize = fontSizeRange.clamp(sizes.clueFontSize);
    sizes.separatorHalfWidth = separatorRange.clamp(sizes.separatorHalfWidth);
    return sizes;
}

PrintSizes printSizesFromLines(const std::vector<std::string>& lines, PrintSizes start) {
    PrintSizes sizes = start;
    struct Field {
        int PrintSizes::*size;
        SizeRange range;
    };
    static constexpr Field fields[] = {
        {&PrintSizes::cellSize, cellSizeRange},
        {&PrintSizes::labelFontSize, fontSizeRange},
        {&PrintSizes::clueFontSize, fontSizeRange},
        {&PrintSizes::separatorHalfWidth, separatorRange},
    };
    std::size_t line = 0;
    for (const Field& field : fields) {
        if (line >= lines.size()) break;
        const auto size = sizeOfLine(lines[line++], field.range);
        if (!size) break;
        sizes.*field.size = *size;
    }
    return sizes;
}

PrintSizes readPrintSizes(const std::filesystem::path& path, PrintSizes start) {
    const auto lines = readLines(path, printSizesFileLimit);
    if (!lines) return start;
    return printSizesFromLines(*lines, start);
}

std::vector<std::string> printSizesLines(const PrintSizes& sizes) {
    return {std::to_string(sizes.cellSize), std::to_string(sizes.labelFontSize), std::to_string(sizes.clueFontSize),
            std::to_string(sizes.separatorHalfWidth)};
}

bool writePrintSizes(const std::filesystem::path& path, const PrintSizes& sizes) {
    return writeLinesAtomic(path, printSizesLines(sizes));
}

}  // namespace crossword
