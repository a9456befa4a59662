#include "document/core/grid_template.h"

#include "document/core/document_kinds.h"
#include "platform/core/folders.h"

GridTemplate GridTemplate::allVisible(int columns, int rows) {
    GridTemplate grid;
    grid.columns = columns;
    grid.rows = rows;
    grid.visible.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), true);
    return grid;
}

namespace {

GridTemplate parseTemplateLines(LineCursor& lines) {
    GridTemplate grid;
    grid.columns = static_cast<int>(lines.number(minGridSide, maxGridSide));
    grid.rows = static_cast<int>(lines.number(minGridSide, maxGridSide));
    grid.visible.resize(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));
    for (std::size_t i = 0; i < grid.visible.size(); ++i) grid.visible[i] = lines.number(INT32_MIN, INT32_MAX) != 0;
    return grid;
}

}  // namespace

GridTemplateReadResult parseGridTemplate(std::string_view bytes) { return parseWholeFile(bytes, parseTemplateLines); }

GridTemplateReadResult readGridTemplate(const std::filesystem::path& path) {
    return readWholeFile(path, fileLimit::gridTemplate, parseTemplateLines);
}

std::vector<std::string> gridTemplateLines(const GridTemplate& grid) {
    std::vector<std::string> lines;
    lines.reserve(grid.visible.size() + 2);
    lines.push_back(std::to_string(grid.columns));
    lines.push_back(std::to_string(grid.rows));
    for (const bool v : grid.visible) lines.push_back(v ? "1" : "0");
    return lines;
}

bool writeGridTemplate(const std::filesystem::path& path, const GridTemplate& grid) {
    if (grid.columns < 0 || grid.rows < 0 ||
        grid.visible.size() != static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows))
        return false;
    return writeLinesAtomic(path, gridTemplateLines(grid));
}

std::filesystem::path gridTemplateFolder() { return programFolder() / "Sablony"; }

std::filesystem::path ensureGridTemplateFolder() {
    const std::filesystem::path folder = gridTemplateFolder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}
