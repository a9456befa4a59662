#pragma once
// The four sizes of the crossword print and their file "velikosti.sav" beside
// the program: four lines, the cell size, the label font size, the clue font
// size and the separator half width, in decimal.

#include <filesystem>
#include <string>
#include <vector>

namespace crossword {

// The values a size may take; anything outside goes to the nearest bound.
struct SizeRange {
    int min;
    int max;
    int clamp(int value) const { return value < min ? min : value > max ? max : value; }
};
inline constexpr SizeRange cellSizeRange{10, 400};    // printer pixels
inline constexpr SizeRange fontSizeRange{1, 200};     // points
inline constexpr SizeRange separatorRange{0, 50};     // printer pixels

struct PrintSizes {
    int cellSize = 82;            // S: from one cell to the next, in printer pixels
    int labelFontSize = 12;       // the row and column labels, in points
    int clueFontSize = 12;        // the clue lists, in points
    int separatorHalfWidth = 4;   // T: half the thickness of the frame and the separators
    friend bool operator==(const PrintSizes&, const PrintSizes&) = default;
};

// Every size brought into its range.
PrintSizes clampedPrintSizes(PrintSizes sizes);

// The sizes of the lines of "velikosti.sav", read in order from `start`: each
// line that is a number gives its size, brought into range (a number too
// large for any integer counts as the bound on its side); the first line that
// is no number, or the end of the lines, ends the reading and the sizes not
// read keep their values from `start`.
PrintSizes printSizesFromLines(const std::vector<std::string>& lines, PrintSizes start = {});

// Reads the file; a missing or unreadable file, or one larger than a file of
// four numbers can be, gives `start` as it is.
PrintSizes readPrintSizes(const std::filesystem::path& path, PrintSizes start = {});

// The four lines of the file.
std::vector<std::string> printSizesLines(const PrintSizes& sizes);
// Writes the file atomically; false when that failed (the old file is then whole).
bool writePrintSizes(const std::filesystem::path& path, const PrintSizes& sizes);

}  // namespace crossword
