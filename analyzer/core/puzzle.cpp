#include "analyzer/core/puzzle.h"

#include "wordsearch/core/osm_file.h"

#include <algorithm>

namespace analyzer {

Puzzle Puzzle::blank(int width, int height) {
    Puzzle puzzle;
    puzzle.width = width;
    puzzle.height = height;
    puzzle.cells.resize(static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0)));
    return puzzle;
}

bool Puzzle::isComplete() const {
    return std::none_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); });
}

Puzzle parseOsmPuzzle(std::string_view bytes) {
    LineCursor lines(splitLines(bytes));
    OsmDocument document = parseOsmLines(lines, OsmLimits{0, kMaxPuzzleSize, kMaxWords});
    Puzzle puzzle;
    puzzle.width = document.columns;
    puzzle.height = document.rows;
    puzzle.cells.reserve(document.cells.size());
    for (OsmCell& cell : document.cells) puzzle.cells.push_back(std::move(cell.text));
    puzzle.words = std::move(document.words);
    puzzle.solutionPhrase = std::move(document.typedPhrase);
    puzzle.loadedFromFile = true;
    return puzzle;
}

LoadResult loadOsm(const std::string& path) {
    const std::string extended = withDocumentExtension(path, ".osm");
    const auto bytes = readFileBytes(extended);
    if (!bytes) return FileError{FileError::Kind::CannotOpen, 0};
    try {
        return LoadedPuzzle{parseOsmPuzzle(*bytes), extended};
    } catch (const FileFormatError& e) {
        return e.error;
    }
}

}  // namespace analyzer
