#pragma once
// The one puzzle the analyzer checks: its grid, its word list and its secret
// phrase, read from a word-search file or typed in through the wizard.
//
// Texts are Windows-1250 bytes as they stand in the file or as typed.

#include "platform/core/textfile.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace analyzer {

inline constexpr int kMaxPuzzleSize = 255;  // columns and rows
inline constexpr int kMaxWords = 6000;

struct Puzzle {
    int width = 0;
    int height = 0;
    std::vector<std::string> cells;  // rows outer, columns inner: "@" hidden, "CH" the letter CH
    std::vector<std::string> words;  // in the order read or typed
    std::string solutionPhrase;      // as stored, not normalised; empty for a typed puzzle
    bool loadedFromFile = false;

    static Puzzle blank(int width, int height);

    // Column and row count from 1.
    const std::string& cell(int column, int row) const { return cells[index(column, row)]; }
    std::string& cell(int column, int row) { return cells[index(column, row)]; }

    // Every cell holds a text ("@" counts); only a complete puzzle is checked.
    bool isComplete() const;

private:
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(column - 1);
    }
};

struct LoadedPuzzle {
    Puzzle puzzle;
    std::string path;  // the path read, with ".osm" when the extension rule added it
};

using LoadResult = std::variant<LoadedPuzzle, FileError>;

// The analyzer's reading of a word-search file: sizes 0 to 255, at most 6,000
// words; the cell colours and the first (processed) phrase line are read and
// dropped, the second (typed) phrase is kept; cells and words are kept exactly
// as they stand, and refused when they hold a CR, when a cell holds more than
// one character, "ch" in any case or "@", or when a word is longer than the
// longer side of the grid (as grilpad reads them, see osm_file.h). A file over fileLimit::document
// is refused unread. The whole file is checked before anything is answered.
ReadResult<Puzzle> parseOsmPuzzle(std::string_view bytes);
LoadResult loadOsm(const std::string& path);  // applies the extension rule first

}  // namespace analyzer
