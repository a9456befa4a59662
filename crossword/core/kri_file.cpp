#include "crossword/core/kri_file.h"

#include "document/core/document_kinds.h"

#include <algorithm>

namespace crossword {

namespace {

std::vector<ClueRow> readClueGrid(LineCursor& lines) {
    // A count of 0 or below is read as 1: the grid keeps its one row, which
    // the record below fills as it would fill the row of a count of 1.
    const std::int64_t count = std::max<std::int64_t>(lines.number(INT32_MIN, kKriMaxClueRows), 1);
    std::vector<ClueRow> rows;
    for (std::int64_t k = 0; k <= count; ++k) {  // the last record is the spare one
        ClueRow row;
        row.word = lines.text();
        row.clue = lines.text();
        row.line = static_cast<int>(lines.number(INT32_MIN, INT32_MAX));
        row.ordinal = static_cast<int>(lines.number(INT32_MIN, INT32_MAX));
        if (k < count) rows.push_back(std::move(row));
    }
    // A grid without words is one empty row.
    if (rows.size() == 1 && rows.front().word.empty()) rows.clear();
    return rows;
}

KriDocument parseKriLines(LineCursor& lines) {
    KriDocument document;
    const int columns = static_cast<int>(lines.number(minGridSide, maxGridSide));
    const int rows = static_cast<int>(lines.number(minGridSide, maxGridSide));
    document.resize(columns, rows);
    for (KriCell& cell : document.cells) {
        cell.text = readLetterCell(lines, DigraphCase::lowerOnly);
        cell.colour = static_cast<std::int32_t>(lines.number(INT32_MIN, INT32_MAX));
        // A yes-or-no line other than "TRUE" or "FALSE" reads as no.
        cell.bottomBar = lines.boolean(false);
        cell.rightBar = lines.boolean(false);
    }
    document.reservedText1 = lines.text().substr(0, kKriMaxReservedText);
    document.reservedText2 = lines.text().substr(0, kKriMaxReservedText);
    document.finished = lines.boolean(false);
    document.legendMode = lines.boolean(false);
    document.across = readClueGrid(lines);
    document.down = readClueGrid(lines);
    for (KriCell& cell : document.cells) {
        cell.useAcross = static_cast<std::uint8_t>(lines.number(0, 2));
        cell.useDown = static_cast<std::uint8_t>(lines.number(0, 2));
    }
    return document;
}

void writeClueGrid(std::vector<std::string>& lines, const std::vector<ClueRow>& rows) {
    // A grid without words is one empty row; the spare record follows the last row.
    static const std::vector<ClueRow> emptyGrid(1);
    const std::vector<ClueRow>& written = rows.empty() ? emptyGrid : rows;
    lines.push_back(std::to_string(written.size()));
    for (const ClueRow& row : written) {
        lines.push_back(row.word);
        lines.push_back(row.clue);
        lines.push_back(std::to_string(row.line));
        lines.push_back(std::to_string(row.ordinal));
    }
    lines.insert(lines.end(), {"", "", "0", "0"});
}

bool storable(const KriDocument& document) {
    if (!document.matchesSize())
        return false;
    if (holdsLineBreak(document.reservedText1) || holdsLineBreak(document.reservedText2)) return false;
    for (const KriCell& cell : document.cells)
        if (!isLetterCellText(cell.text, DigraphCase::lowerOnly) || holdsLineBreak(cell.text) || cell.useAcross > 2 ||
            cell.useDown > 2)
            return false;
    for (const auto* grid : {&document.across, &document.down}) {
        if (static_cast<std::int64_t>(grid->size()) > kKriMaxClueRows) return false;
        for (const ClueRow& row : *grid)
            if (holdsLineBreak(row.word) || holdsLineBreak(row.clue)) return false;
    }
    return true;
}

}  // namespace

ReadResult<KriDocument> parseKri(std::string_view bytes) { return parseWholeFile(bytes, parseKriLines); }

ReadResult<KriDocument> readKriFile(const std::filesystem::path& path) {
    return readWholeFile(path, fileLimit::document, parseKriLines);
}

std::vector<std::string> kriLines(const KriDocument& document) {
    std::vector<std::string> lines;
    lines.reserve(document.cells.size() * 6 + (document.across.size() + document.down.size()) * 4 + 20);
    lines.push_back(std::to_string(document.columns));
    lines.push_back(std::to_string(document.rows));
    for (const KriCell& cell : document.cells) {
        lines.push_back(cell.text);
        lines.push_back(std::to_string(cell.colour));
        lines.push_back(cell.bottomBar ? "TRUE" : "FALSE");
        lines.push_back(cell.rightBar ? "TRUE" : "FALSE");
    }
    lines.push_back(document.reservedText1);
    lines.push_back(document.reservedText2);
    lines.push_back(document.finished ? "TRUE" : "FALSE");
    lines.push_back(document.legendMode ? "TRUE" : "FALSE");
    writeClueGrid(lines, document.across);
    writeClueGrid(lines, document.down);
    for (const KriCell& cell : document.cells) {
        lines.push_back(std::to_string(cell.useAcross));
        lines.push_back(std::to_string(cell.useDown));
    }
    return lines;
}

bool writeKriFile(const std::filesystem::path& path, const KriDocument& document) {
    if (!storable(document)) return false;
    return writeLinesAtomic(path, kriLines(document));
}

}  // namespace crossword
