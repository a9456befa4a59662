// Grid templates (.sbl): what reads is a template within the grid limits, and the template
// written back reads as the same template.

#include "document/core/document_kinds.h"
#include "document/core/grid_template.h"
#include "tests/fuzz/fuzz_check.h"

#include <variant>

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const GridTemplateReadResult read = parseGridTemplate(bytes);
    if (const auto* error = std::get_if<FileError>(&read)) {
        checkRefusal(*error, bytes);
        return 0;
    }
    const GridTemplate& grid = std::get<GridTemplate>(read);
    fuzzCheck(grid.columns >= minGridSide && grid.columns <= maxGridSide && grid.rows >= minGridSide &&
                  grid.rows <= maxGridSide,
              "a grid side outside 2..40 was read");
    fuzzCheck(grid.visible.size() == static_cast<std::size_t>(grid.columns * grid.rows),
              "the cells do not match the grid size");

    const GridTemplateReadResult again = parseGridTemplate(writtenBytes(gridTemplateLines(grid)));
    const auto* reread = std::get_if<GridTemplate>(&again);
    fuzzCheck(reread != nullptr, "the written template does not read again");
    fuzzCheck(*reread == grid, "the written template reads as another template");
    return 0;
}
