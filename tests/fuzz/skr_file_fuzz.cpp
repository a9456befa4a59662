// The Swedish crossword's file (.skr): what reads is a document within the reader's limits that
// the writer can store, and the document written back reads as the same document.

#include "document/core/document_kinds.h"
#include "swedish/core/skr_file.h"
#include "tests/fuzz/fuzz_check.h"

#include <variant>

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const ReadResult<swedish::SkrDocument> read = swedish::parseSkr(bytes);
    if (const auto* error = std::get_if<FileError>(&read)) {
        checkRefusal(*error, bytes);
        return 0;
    }
    const swedish::SkrDocument& document = std::get<swedish::SkrDocument>(read);
    fuzzCheck(document.columns >= minGridSide && document.columns <= maxGridSide && document.rows >= minGridSide &&
                  document.rows <= maxGridSide,
              "a grid side outside 2..40 was read");
    fuzzCheck(document.cells.size() == static_cast<std::size_t>(document.columns * document.rows),
              "the cells do not match the grid size");
    for (const swedish::SkrCell& cell : document.cells) {
        fuzzCheck(cell.legend.count() >= 0 && cell.legend.count() <= swedish::kLegendLineCount,
                  "a clue count outside 0..10 was read");
        for (int number = 1; number <= swedish::kLegendLineCount; ++number)
            fuzzCheck(cell.legend.line(number).text.size() <= swedish::kLegendTextLength,
                      "a clue text longer than 100 characters was kept");
    }
    // Every document that opens can be saved again.
    fuzzCheck(swedish::skrStorable(document), "a document opened that the writer refuses");

    const std::vector<std::string> lines = swedish::skrLines(document);
    fuzzCheck(lines.size() == swedish::skrLineCount(document.columns, document.rows),
              "the lines written are not 2 + 36 per cell");
    const ReadResult<swedish::SkrDocument> again = swedish::parseSkr(writtenBytes(lines));
    const auto* reread = std::get_if<swedish::SkrDocument>(&again);
    fuzzCheck(reread != nullptr, "the written document does not read again");
    fuzzCheck(*reread == document, "the written document reads as another document");
    return 0;
}
