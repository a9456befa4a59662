#include "swedish/core/skr_file.h"

#include "document/core/document_kinds.h"

#include <algorithm>

namespace swedish {

std::size_t skrLineCount(int columns, int rows) {
    return 2 + static_cast<std::size_t>(kSkrCellLines) * static_cast<std::size_t>(std::max(columns, 0)) *
                   static_cast<std::size_t>(std::max(rows, 0));
}

namespace {

constexpr std::int64_t int32Min = INT32_MIN;
constexpr std::int64_t int32Max = INT32_MAX;

bool isSkrColour(std::int64_t colour) { return colour == kSkrWhite || colour == kSkrRed || colour == kSkrBlack; }

SkrDocument parseSkrLines(LineCursor& lines) {
    SkrDocument document;
    const int columns = static_cast<int>(lines.number(minGridSide, maxGridSide));
    const int rows = static_cast<int>(lines.number(minGridSide, maxGridSide));
    document.resize(columns, rows);
    for (SkrCell& cell : document.cells) {
        // "FALSE" in any letter case hides the cell; any other text shows it.
        cell.visible = lines.boolean(true);
        cell.text = readLetterCell(lines, DigraphCase::lowerOnly);
        cell.colour = static_cast<std::int32_t>(lines.numberOf({kSkrWhite, kSkrRed, kSkrBlack}));
        cell.legend.setCount(static_cast<int>(lines.number(0, kLegendLineCount)));
        for (int number = 1; number <= kLegendLineCount; ++number) {
            const std::string_view text = lines.text();
            const auto top = static_cast<std::int32_t>(lines.number(int32Min, int32Max));
            const auto fontSize = static_cast<std::int32_t>(lines.number(int32Min, int32Max));
            cell.legend.setLine(number, text, top, fontSize);  // the text cut to 100 characters
        }
        cell.useAcross = static_cast<std::uint8_t>(lines.number(0, 1));
        cell.useDown = static_cast<std::uint8_t>(lines.number(0, 1));
    }
    return document;
}

}  // namespace

ReadResult<SkrDocument> parseSkr(std::string_view bytes) { return parseWholeFile(bytes, parseSkrLines); }

ReadResult<SkrDocument> readSkrFile(const std::filesystem::path& path) {
    return readWholeFile(path, fileLimit::document, parseSkrLines);
}

std::vector<std::string> skrLines(const SkrDocument& document) {
    std::vector<std::string> lines;
    lines.reserve(skrLineCount(document.columns, document.rows));
    lines.push_back(std::to_string(document.columns));
    lines.push_back(std::to_string(document.rows));
    for (const SkrCell& cell : document.cells) {
        lines.emplace_back(cell.visible ? "TRUE" : "FALSE");
        lines.push_back(cell.text);
        lines.push_back(std::to_string(cell.colour));
        lines.push_back(std::to_string(cell.legend.count()));
        for (int number = 1; number <= kLegendLineCount; ++number) {
            const LegendLine& line = cell.legend.line(number);
            lines.push_back(line.text);
            lines.push_back(std::to_string(line.top));
            lines.push_back(std::to_string(line.fontSize));
        }
        lines.push_back(std::to_string(cell.useAcross));
        lines.push_back(std::to_string(cell.useDown));
    }
    return lines;
}

bool skrStorable(const SkrDocument& document) {
    if (document.columns < minGridSide || document.columns > maxGridSide || document.rows < minGridSide ||
        document.rows > maxGridSide || !document.matchesSize())
        return false;
    for (const SkrCell& cell : document.cells) {
        if (!isLetterCellText(cell.text, DigraphCase::lowerOnly) || holdsLineBreak(cell.text) ||
            !isSkrColour(cell.colour) || cell.useAcross > 1 || cell.useDown > 1 || cell.legend.count() < 0 ||
            cell.legend.count() > kLegendLineCount)
            return false;
        for (int number = 1; number <= kLegendLineCount; ++number) {
            const std::string& text = cell.legend.line(number).text;
            if (text.size() > kLegendTextLength || holdsLineBreak(text)) return false;
        }
    }
    return true;
}

bool writeSkrFile(const std::filesystem::path& path, const SkrDocument& document) {
    if (!skrStorable(document)) return false;
    return writeLinesAtomic(path, skrLines(document));
}

}  // namespace swedish
