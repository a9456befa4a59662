#include "crisscross/core/krs_file.h"

#include "crisscross/core/krs_phrase.h"
#include "document/core/document_kinds.h"

#include <algorithm>

namespace {

constexpr std::int64_t whiteColour = colors::white;
constexpr std::int64_t redColour = colors::red;

std::string keptText(std::string_view line) { return std::string(line.substr(0, krs::maxTextLength)); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

KrsDocument parseKrsLines(LineCursor& lines) {
    KrsDocument document;
    const int columns = static_cast<int>(lines.number(minGridSide, maxGridSide));
    const int rows = static_cast<int>(lines.number(minGridSide, maxGridSide));
    document.resize(columns, rows);
    for (KrsCell& cell : document.cells) {
        const std::string_view text = lines.text();
        if (!(text.empty() || text == hiddenCellText || (text.size() == 1 && isDigit(text[0]))))
            lines.refuse(FileError::Expected::DigitCellText);
        cell.text = std::string(text);
        cell.colour = static_cast<Color>(lines.numberOf({whiteColour, redColour}));
    }
    document.codedSecretPhrase = keptText(lines.text());
    document.secretPhrase = keptText(lines.text());
    // Each distinct letter becomes one of ten digits, with "ch" as one letter
    // or as two, as the puzzle was made (the file does not say which).
    if (!phraseFitsDigits(document.secretPhrase)) lines.refuse(FileError::Expected::PhraseLetters, krs::digitCount);

    const std::int64_t count = lines.number(0, krs::maxNumbers);
    // No reserve by the announced count: a file that announces more numbers
    // than it holds ends at its last line.
    for (std::int64_t i = 0; i < count; ++i) {
        const std::string_view number = lines.text();
        if (number.empty() || number.size() > static_cast<std::size_t>(krs::maxNumberLength) || !allDigits(number))
            lines.refuse(FileError::Expected::Digits, krs::maxNumberLength);
        document.numberList.emplace_back(number);
    }
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            LetterUse& use = document.letterUse[column][row];
            for (std::uint8_t* byte : {&use.horizontal, &use.vertical}) {
                *byte = static_cast<std::uint8_t>(lines.numberOf({letteruse::unused, letteruse::secretPhrase}));
            }
        }
    for (int digit = krs::digitCount - 1; digit >= 0; --digit)
        document.digitTable[static_cast<std::size_t>(digit)] = keptText(lines.text());
    for (int line = krs::digitCount - 1; line >= 0; --line)
        document.digitKey[static_cast<std::size_t>(line)] = keptText(lines.text());
    document.lastDigitKeyLine = static_cast<int>(lines.number(-1, krs::digitCount - 1));
    return document;
}

}  // namespace

KrsReadResult parseKrs(std::string_view bytes) { return parseWholeFile(bytes, parseKrsLines); }

KrsReadResult readKrsFile(const std::filesystem::path& path) {
    return readWholeFile(path, fileLimit::document, parseKrsLines);
}

std::vector<std::string> krsLines(const KrsDocument& document) {
    std::vector<std::string> lines;
    lines.reserve(document.cells.size() * 4 + document.numberList.size() + 26);
    lines.push_back(std::to_string(document.columns));
    lines.push_back(std::to_string(document.rows));
    for (const KrsCell& cell : document.cells) {
        lines.push_back(cell.text);
        lines.push_back(std::to_string(cell.colour));
    }
    lines.push_back(document.codedSecretPhrase);
    lines.push_back(document.secretPhrase);
    lines.push_back(std::to_string(document.numberList.size()));
    lines.insert(lines.end(), document.numberList.begin(), document.numberList.end());
    for (int row = 1; row <= document.rows; ++row)
        for (int column = 1; column <= document.columns; ++column) {
            const LetterUse& use = document.letterUse[column][row];
            lines.push_back(std::to_string(use.horizontal));
            lines.push_back(std::to_string(use.vertical));
        }
    for (int digit = krs::digitCount - 1; digit >= 0; --digit)
        lines.push_back(document.digitTable[static_cast<std::size_t>(digit)]);
    for (int line = krs::digitCount - 1; line >= 0; --line)
        lines.push_back(document.digitKey[static_cast<std::size_t>(line)]);
    lines.push_back(std::to_string(document.lastDigitKeyLine));
    return lines;
}

bool writeKrsFile(const std::filesystem::path& path, const KrsDocument& document) {
    if (document.columns > maxGridSide || document.rows > maxGridSide || !document.matchesSize())
        return false;
    // A line break inside a text would shift every later line of the file.
    const auto anyBreak = [](const auto& texts) { return std::any_of(texts.begin(), texts.end(), holdsLineBreak); };
    const bool breaks = holdsLineBreak(document.codedSecretPhrase) || holdsLineBreak(document.secretPhrase) ||
                        std::any_of(document.cells.begin(), document.cells.end(),
                                    [](const KrsCell& cell) { return holdsLineBreak(cell.text); }) ||
                        anyBreak(document.numberList) || anyBreak(document.digitTable) ||
                        anyBreak(document.digitKey);
    if (breaks) return false;
    return writeLinesAtomic(path, krsLines(document));
}
