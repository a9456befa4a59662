// grilpad's word-search file (.osm): what reads is a document within the reader's limits that
// the writer can store, and the document written back reads as the same document.

#include "tests/fuzz/fuzz_check.h"
#include "wordsearch/core/osm_file.h"
#include "wordsearch/core/reading.h"

#include <algorithm>
#include <variant>

namespace {

// The writer refuses a text holding a line break (it would shift every later line), so no
// document that opens may hold one: it could never be saved again.
bool holdsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool storable(const OsmDocument& document) {
    return !holdsLineBreak(document.processedPhrase) && !holdsLineBreak(document.typedPhrase) &&
           std::none_of(document.cells.begin(), document.cells.end(),
                        [](const OsmCell& cell) { return holdsLineBreak(cell.text); }) &&
           std::none_of(document.words.begin(), document.words.end(), holdsLineBreak);
}

}  // namespace

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const OsmReadResult read = parseOsm(bytes);
    if (const auto* error = std::get_if<FileError>(&read)) {
        checkRefusal(*error, bytes);
        return 0;
    }
    const OsmDocument& document = std::get<OsmDocument>(read);
    fuzzCheck(document.columns >= minGridSide && document.columns <= maxGridSide && document.rows >= minGridSide &&
                  document.rows <= maxGridSide,
              "a grid side outside 2..40 was read");
    fuzzCheck(document.cells.size() == static_cast<std::size_t>(document.columns * document.rows),
              "the cells do not match the grid size");
    fuzzCheck(document.processedPhrase.size() <= kOsmMaxPhraseLength &&
                  document.typedPhrase.size() <= kOsmMaxPhraseLength,
              "a phrase longer than 255 characters was kept");
    fuzzCheck(storable(document), "a document opened that holds a line break the writer cannot store");
    fuzzCheck(std::all_of(document.cells.begin(), document.cells.end(),
                          [](const OsmCell& cell) { return isLetterCellText(cell.text, DigraphCase::anyCase); }),
              "a cell text no grid cell can hold was read");
    fuzzCheck(std::all_of(document.words.begin(), document.words.end(),
                          [&](const std::string& word) {
                              return reading::fewestCells(word) <= longestWord(document.columns, document.rows);
                          }),
              "a word longer than the grid was read");

    const OsmReadResult again = parseOsm(writtenBytes(osmLines(document)));
    const auto* reread = std::get_if<OsmDocument>(&again);
    fuzzCheck(reread != nullptr, "the written document does not read again");
    fuzzCheck(*reread == document, "the written document reads as another document");
    return 0;
}
