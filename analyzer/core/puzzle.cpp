#include "analyzer/core/puzzle.h"

#include "wordsearch/core/osm_file.h"

#include <algorithm>
#include <utility>

namespace analyzer {

namespace {

// The grid, the words and the typed phrase of a word-search document.
Puzzle puzzleOf(OsmDocument document) {
    Puzzle puzzle;
    puzzle.width = document.columns;
    puzzle.height = document.rows;
    puzzle.cells.reserve(document.cells.size());
    for (OsmCell& cell : document.cells) puzzle.cells.push_back(std::move(cell.text));
    puzzle.words = std::move(document.words);
    puzzle.solutionPhrase = std::move(document.typedPhrase);
    return puzzle;
}

}  // namespace

Puzzle Puzzle::blank(int width, int height) { return puzzleOf(OsmDocument::blank(width, height)); }

bool Puzzle::isComplete() const {
    return std::none_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); });
}

namespace {

Puzzle parsePuzzleLines(LineCursor& lines) {
    Puzzle puzzle = puzzleOf(parseOsmLines(lines, OsmLimits{0, kMaxPuzzleSize, kMaxWords}));
    puzzle.loadedFromFile = true;
    return puzzle;
}

}  // namespace

ReadResult<Puzzle> parseOsmPuzzle(std::string_view bytes) { return parseWholeFile(bytes, parsePuzzleLines); }

LoadResult loadOsm(const std::string& path) {
    const std::string extended = withDocumentExtension(path, ".osm");
    ReadResult<Puzzle> read = readWholeFile(extended, fileLimit::document, parsePuzzleLines);
    if (auto* error = std::get_if<FileError>(&read)) return *error;
    return LoadedPuzzle{std::move(std::get<Puzzle>(read)), extended};
}

}  // namespace analyzer
