#pragma once
// Grid templates (.sbl): the shape of a grid without its letters, shared by
// every puzzle kind. Lines, each ending CR LF: columns, rows, then one line per
// cell, rows outer and columns inner: "1" for a cell in use, "0" for a hidden
// one. Any number but 0 reads as a cell in use.

#include "platform/core/textfile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct GridTemplate {
    int columns = 0;
    int rows = 0;
    std::vector<bool> visible;  // rows outer, columns inner; columns * rows entries

    static GridTemplate allVisible(int columns, int rows);

    // Column and row count from 1.
    bool isVisible(int column, int row) const { return visible[index(column, row)]; }
    void setVisible(int column, int row, bool value) { visible[index(column, row)] = value; }

    friend bool operator==(const GridTemplate&, const GridTemplate&) = default;

private:
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns) +
               static_cast<std::size_t>(column - 1);
    }
};

inline constexpr std::string_view kGridTemplateExtension = ".sbl";

using GridTemplateReadResult = ReadResult<GridTemplate>;

// Reads and checks a whole template (sizes 2 to 40, every cell line a number;
// a file over fileLimit::gridTemplate is refused unread).
GridTemplateReadResult parseGridTemplate(std::string_view bytes);
GridTemplateReadResult readGridTemplate(const std::filesystem::path& path);

std::vector<std::string> gridTemplateLines(const GridTemplate& grid);

// Writes the template at exactly `path`; false when it could not be written (or
// the cells do not match the size), the previous file then left as it was.
bool writeGridTemplate(const std::filesystem::path& path, const GridTemplate& grid);

// The folder "Sablony" beside the program where templates are kept.
std::filesystem::path gridTemplateFolder();
// The same folder, created when it is missing, for the first template saved there
// (when that fails the path is still answered and saving there fails).
std::filesystem::path ensureGridTemplateFolder();
