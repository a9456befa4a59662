// grilpad's criss-cross file (.krs): what reads is a puzzle within the reader's limits that the
// writer can store, and the puzzle written back reads as the same puzzle.

#include "crisscross/core/krs_file.h"
#include "crisscross/core/krs_phrase.h"
#include "document/core/document_kinds.h"
#include "tests/fuzz/fuzz_check.h"

#include <algorithm>
#include <variant>

namespace {

bool holdsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool validCell(const KrsCell& cell) {
    return (cell.text.empty() || cell.text == hiddenCellText || (cell.text.size() == 1 && digits(cell.text))) &&
           (cell.colour == colors::white || cell.colour == colors::red);
}

bool validNumber(const std::string& number) {
    return !number.empty() && number.size() <= static_cast<std::size_t>(krs::maxNumberLength) && digits(number);
}

bool storable(const KrsDocument& document) {
    const auto noBreaks = [](const auto& texts) { return std::none_of(texts.begin(), texts.end(), holdsLineBreak); };
    return !holdsLineBreak(document.codedSecretPhrase) && !holdsLineBreak(document.secretPhrase) &&
           noBreaks(document.digitTable) && noBreaks(document.digitKey);
}

bool shortTexts(const KrsDocument& document) {
    const auto short255 = [](const std::string& text) { return text.size() <= krs::maxTextLength; };
    return short255(document.codedSecretPhrase) && short255(document.secretPhrase) &&
           std::all_of(document.digitTable.begin(), document.digitTable.end(), short255) &&
           std::all_of(document.digitKey.begin(), document.digitKey.end(), short255);
}

bool validLetterUses(const KrsDocument& document) {
    for (int column = 0; column <= maxGridSide; ++column)
        for (int row = 0; row <= maxGridSide; ++row) {
            const LetterUse use = document.letterUse[column][row];
            const bool inside = column >= 1 && column <= document.columns && row >= 1 && row <= document.rows;
            for (const std::uint8_t byte : {use.horizontal, use.vertical})
                if (inside ? byte != letteruse::unused && byte != letteruse::secretPhrase : byte != 0) return false;
        }
    return true;
}

}  // namespace

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const KrsReadResult read = parseKrs(bytes);
    if (const auto* error = std::get_if<FileError>(&read)) {
        checkRefusal(*error, bytes);
        return 0;
    }
    const KrsDocument& document = std::get<KrsDocument>(read);
    fuzzCheck(document.columns >= minGridSide && document.columns <= maxGridSide && document.rows >= minGridSide &&
                  document.rows <= maxGridSide,
              "a grid side outside 2..40 was read");
    fuzzCheck(document.cells.size() == static_cast<std::size_t>(document.columns * document.rows),
              "the cells do not match the grid size");
    fuzzCheck(std::all_of(document.cells.begin(), document.cells.end(), validCell), "a cell text or colour not allowed");
    fuzzCheck(document.numberList.size() <= static_cast<std::size_t>(krs::maxNumbers) &&
                  std::all_of(document.numberList.begin(), document.numberList.end(), validNumber),
              "a number list not allowed");
    fuzzCheck(validLetterUses(document), "a letter-use byte not allowed");
    fuzzCheck(document.lastDigitKeyLine >= -1 && document.lastDigitKeyLine < krs::digitCount,
              "a last digit-key line out of range");
    fuzzCheck(phraseFitsDigits(document.secretPhrase),
              "a phrase of more than ten letters was read");
    fuzzCheck(shortTexts(document), "a text longer than 255 characters was kept");
    fuzzCheck(storable(document), "a puzzle opened that holds a line break the writer cannot store");

    const KrsReadResult again = parseKrs(writtenBytes(krsLines(document)));
    const auto* reread = std::get_if<KrsDocument>(&again);
    fuzzCheck(reread != nullptr, "the written puzzle does not read again");
    fuzzCheck(*reread == document, "the written puzzle reads as another puzzle");
    return 0;
}
