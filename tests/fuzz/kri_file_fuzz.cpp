// The classic crossword's file (.kri): what reads is a crossword within the reader's limits that
// the writer can store, and the crossword written back reads as the same crossword.

#include "crossword/core/kri_file.h"
#include "document/core/document_kinds.h"
#include "tests/fuzz/fuzz_check.h"

#include <algorithm>
#include <variant>

namespace {

bool holdsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool storable(const crossword::KriDocument& document) {
    const auto rowsStorable = [](const std::vector<crossword::ClueRow>& rows) {
        return std::none_of(rows.begin(), rows.end(), [](const crossword::ClueRow& row) {
            return holdsLineBreak(row.word) || holdsLineBreak(row.clue);
        });
    };
    return !holdsLineBreak(document.reservedText1) && !holdsLineBreak(document.reservedText2) &&
           std::none_of(document.cells.begin(), document.cells.end(),
                        [](const crossword::KriCell& cell) {
                            return holdsLineBreak(cell.text) || cell.useAcross > 2 || cell.useDown > 2;
                        }) &&
           rowsStorable(document.across) && rowsStorable(document.down);
}

}  // namespace

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const ReadResult<crossword::KriDocument> read = crossword::parseKri(bytes);
    if (const auto* error = std::get_if<FileError>(&read)) {
        checkRefusal(*error, bytes);
        return 0;
    }
    const crossword::KriDocument& document = std::get<crossword::KriDocument>(read);
    fuzzCheck(document.columns >= minGridSide && document.columns <= maxGridSide && document.rows >= minGridSide &&
                  document.rows <= maxGridSide,
              "a grid side outside 2..40 was read");
    fuzzCheck(document.cells.size() == static_cast<std::size_t>(document.columns * document.rows),
              "the cells do not match the grid size");
    fuzzCheck(document.reservedText1.size() <= crossword::kKriMaxReservedText &&
                  document.reservedText2.size() <= crossword::kKriMaxReservedText,
              "a reserved text longer than 255 characters was kept");
    fuzzCheck(static_cast<std::int64_t>(document.across.size()) <= crossword::kKriMaxClueRows &&
                  static_cast<std::int64_t>(document.down.size()) <= crossword::kKriMaxClueRows,
              "more clue rows than a grid can have were read");
    fuzzCheck(storable(document), "a crossword opened that the writer cannot store");
    fuzzCheck(std::all_of(document.cells.begin(), document.cells.end(),
                          [](const crossword::KriCell& cell) {
                              return isLetterCellText(cell.text, DigraphCase::lowerOnly);
                          }),
              "a cell text no grid cell can hold was read");

    const ReadResult<crossword::KriDocument> again = crossword::parseKri(writtenBytes(crossword::kriLines(document)));
    const auto* reread = std::get_if<crossword::KriDocument>(&again);
    fuzzCheck(reread != nullptr, "the written crossword does not read again");
    fuzzCheck(*reread == document, "the written crossword reads as another crossword");
    return 0;
}
