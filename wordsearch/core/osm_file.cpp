#include "wordsearch/core/osm_file.h"

#include "wordsearch/core/reading.h"

#include <algorithm>

std::size_t longestWord(int columns, int rows) { return static_cast<std::size_t>(std::max({columns, rows, 0})); }

bool OsmDocument::isComplete() const {
    return std::none_of(cells.begin(), cells.end(), [](const OsmCell& c) { return c.text.empty(); });
}

OsmDocument parseOsmLines(LineCursor& lines, const OsmLimits& limits) {
    OsmDocument document;
    const int columns = static_cast<int>(lines.number(limits.minSize, limits.maxSize));
    const int rows = static_cast<int>(lines.number(limits.minSize, limits.maxSize));
    document.resize(columns, rows);
    for (OsmCell& cell : document.cells) {
        cell.text = readLetterCell(lines, DigraphCase::anyCase);
        cell.colour = static_cast<std::int32_t>(lines.number(INT32_MIN, INT32_MAX));
    }
    document.processedPhrase = lines.text();
    document.typedPhrase = lines.text();
    const std::int64_t count = lines.number(0, limits.maxWords);
    // A word longer than the longer side of the grid can never lie in it, nor
    // be found there.
    const std::size_t longestLine = longestWord(document.columns, document.rows);
    // No reserve by the announced count: a file that announces more words than it
    // holds ends at its last line.
    for (std::int64_t i = 0; i < count; ++i) {
        const std::string_view word = lines.text();
        if (reading::fewestCells(word) > longestLine)
            lines.refuse(FileError::Expected::WordLetters, static_cast<std::int64_t>(longestLine));
        document.words.emplace_back(word);
    }
    return document;
}

namespace {

// grilpad's reading: the puzzle sizes of every grid, phrases cut to 255 characters.
OsmDocument parseGrilpadOsm(LineCursor& lines) {
    OsmDocument document = parseOsmLines(lines, OsmLimits{});
    if (document.processedPhrase.size() > kOsmMaxPhraseLength) document.processedPhrase.resize(kOsmMaxPhraseLength);
    if (document.typedPhrase.size() > kOsmMaxPhraseLength) document.typedPhrase.resize(kOsmMaxPhraseLength);
    return document;
}

}  // namespace

OsmReadResult parseOsm(std::string_view bytes) { return parseWholeFile(bytes, parseGrilpadOsm); }

OsmReadResult readOsmFile(const std::filesystem::path& path) {
    return readWholeFile(path, fileLimit::document, parseGrilpadOsm);
}

std::vector<std::string> osmLines(const OsmDocument& document) {
    std::vector<std::string> lines;
    lines.reserve(document.cells.size() * 2 + document.words.size() + 5);
    lines.push_back(std::to_string(document.columns));
    lines.push_back(std::to_string(document.rows));
    for (const OsmCell& cell : document.cells) {
        lines.push_back(cell.text);
        lines.push_back(std::to_string(cell.colour));
    }
    lines.push_back(document.processedPhrase);
    lines.push_back(document.typedPhrase);
    lines.push_back(std::to_string(document.words.size()));
    lines.insert(lines.end(), document.words.begin(), document.words.end());
    return lines;
}

bool writeOsmFile(const std::filesystem::path& path, const OsmDocument& document) {
    if (!document.matchesSize())
        return false;
    // A line break inside a text would shift every later line of the file.
    const bool breaks = holdsLineBreak(document.processedPhrase) || holdsLineBreak(document.typedPhrase) ||
                        std::any_of(document.cells.begin(), document.cells.end(),
                                    [](const OsmCell& c) { return holdsLineBreak(c.text); }) ||
                        std::any_of(document.words.begin(), document.words.end(),
                                    [](const std::string& w) { return holdsLineBreak(w); });
    if (breaks) return false;
    // Nothing the reader would refuse.
    const std::size_t longestLine = longestWord(document.columns, document.rows);
    for (const OsmCell& cell : document.cells)
        if (!isLetterCellText(cell.text, DigraphCase::anyCase)) return false;
    for (const std::string& word : document.words)
        if (reading::fewestCells(word) > longestLine) return false;
    return writeLinesAtomic(path, osmLines(document));
}
