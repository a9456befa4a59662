// The Excel 5.0/95 workbook file: a "Book" stream of BIFF5 records inside a
// compound file. The stream holds the workbook globals (code page, fonts, cell
// formats, colour palette, the list of sheets) followed by one block of records
// per sheet (its cells, window and selection).

#include "platform/core/ole2.h"
#include "platform/core/textfile.h"
#include "platform/core/workbook.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

// Record types.
constexpr std::uint16_t recDimensions = 0x0000;
constexpr std::uint16_t recEof = 0x000A;
constexpr std::uint16_t recSelection = 0x001D;
constexpr std::uint16_t recFormat = 0x001E;
constexpr std::uint16_t recFont = 0x0031;
constexpr std::uint16_t recWindow1 = 0x003D;
constexpr std::uint16_t recCodePage = 0x0042;
constexpr std::uint16_t recBoundSheet = 0x0085;
constexpr std::uint16_t recPalette = 0x0092;
constexpr std::uint16_t recXf = 0x00E0;
constexpr std::uint16_t recBlank = 0x0201;
constexpr std::uint16_t recLabel = 0x0204;
constexpr std::uint16_t recWindow2 = 0x023E;
constexpr std::uint16_t recStyle = 0x0293;
constexpr std::uint16_t recBof = 0x0809;

constexpr std::uint16_t codePage1250 = 1250;
constexpr std::uint8_t centralEuropeanCharset = 238;
// Excel 5.0's build and year in the BOF record.
constexpr std::uint16_t buildId = 2412;
constexpr std::uint16_t buildYear = 1993;

// The first index of the palette; 8 to 63 are the 56 changeable colours.
constexpr int paletteBase = 8;
// The palette a new Excel 5.0 workbook starts from, as (r, g, b).
constexpr std::array<std::array<int, 3>, 56> defaultPalette{{
    {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},     {0, 0, 255},     {255, 255, 0},
    {255, 0, 255},   {0, 255, 255},   {128, 0, 0},     {0, 128, 0},     {0, 0, 128},     {128, 128, 0},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {153, 153, 255}, {153, 51, 102},
    {255, 255, 204}, {204, 255, 255}, {102, 0, 102},   {255, 128, 128}, {0, 102, 204},   {204, 204, 255},
    {0, 0, 128},     {255, 0, 255},   {255, 255, 0},   {0, 255, 255},   {128, 0, 128},   {128, 0, 0},
    {0, 128, 128},   {0, 0, 255},     {0, 204, 255},   {204, 255, 255}, {204, 255, 204}, {255, 255, 153},
    {153, 204, 255}, {255, 153, 204}, {204, 153, 255}, {227, 227, 227}, {51, 102, 255},  {51, 204, 204},
    {153, 204, 0},   {255, 204, 0},   {255, 153, 0},   {255, 102, 0},   {102, 102, 153}, {150, 150, 150},
    {0, 51, 102},    {51, 153, 102},  {0, 51, 0},      {51, 51, 0},     {153, 51, 0},    {153, 51, 102},
    {51, 51, 153},   {51, 51, 51},
}};
// The first sixteen entries are the basic colours and are never replaced.
constexpr int basicColours = 16;

// Pattern colour indexes that stand for the window's text and background.
constexpr std::uint16_t systemForeground = 0x40;
constexpr std::uint16_t systemBackground = 0x41;

class Bytes {
public:
    void u8(unsigned v) { s_ += static_cast<char>(v & 0xFF); }
    void u16(unsigned v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    // A text with a one-byte length (BIFF5 names).
    void shortText(std::string_view text) {
        u8(static_cast<unsigned>(text.size()));
        s_ += text;
    }
    void append(std::string_view bytes) { s_ += bytes; }
    const std::string& str() const { return s_; }
    std::size_t size() const { return s_.size(); }

private:
    std::string s_;
};

class Stream {
public:
    void record(std::uint16_t type, const Bytes& data) {
        if (data.size() > 2080) throw std::length_error("record too long");
        out_.u16(type);
        out_.u16(static_cast<unsigned>(data.size()));
        out_.append(data.str());
    }
    std::size_t size() const { return out_.size(); }
    const std::string& str() const { return out_.str(); }

private:
    Bytes out_;
};

// The 56 palette colours with the workbook's own colours put in place of the
// least basic ones when they are not there already.
class Palette {
public:
    Palette() {
        for (std::size_t i = 0; i < defaultPalette.size(); ++i)
            colours_[i] = colors::fromRgb(defaultPalette[i][0], defaultPalette[i][1], defaultPalette[i][2]);
    }

    void use(Color c) {
        c &= 0xFFFFFF;
        if (find(c) >= 0) return;
        if (nextFree_ >= basicColours) {
            colours_[static_cast<std::size_t>(nextFree_)] = c;
            --nextFree_;
        }
    }

    // The palette index of a colour: its own entry, or the nearest one when
    // the workbook uses more colours than the palette holds.
    std::uint16_t index(Color c) const {
        c &= 0xFFFFFF;
        int found = find(c);
        if (found < 0) {
            long best = -1;
            for (int i = 0; i < static_cast<int>(colours_.size()); ++i) {
                const Color p = colours_[static_cast<std::size_t>(i)];
                const long dr = colors::redOf(p) - colors::redOf(c);
                const long dg = colors::greenOf(p) - colors::greenOf(c);
                const long db = colors::blueOf(p) - colors::blueOf(c);
                const long d = dr * dr + dg * dg + db * db;
                if (best < 0 || d < best) {
                    best = d;
                    found = i;
                }
            }
        }
        return static_cast<std::uint16_t>(paletteBase + found);
    }

    void write(Stream& out) const {
        Bytes data;
        data.u16(static_cast<unsigned>(colours_.size()));
        for (Color c : colours_) data.u32(c);  // red, green, blue, 0: the colour value's own byte order
        out.record(recPalette, data);
    }

private:
    int find(Color c) const {
        for (int i = 0; i < static_cast<int>(colours_.size()); ++i)
            if (colours_[static_cast<std::size_t>(i)] == c) return i;
        return -1;
    }

    std::array<Color, 56> colours_{};
    int nextFree_ = 55;
};

template <typename T>
std::size_t indexOf(std::vector<T>& list, const T& value) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == value) return i;
    list.push_back(value);
    return list.size() - 1;
}

struct Formats {
    // Fonts in record order; the first four are the default font (the
    // records before the gap at index 4 that BIFF leaves).
    std::vector<CellFont> fonts{CellFont{}, CellFont{}, CellFont{}, CellFont{}};
    // Cell formats from XF index 16 on (0 to 14 are styles, 15 the plain cell).
    std::vector<CellFormat> cells;
    Palette palette;

    std::uint16_t fontIndex(const CellFont& font) {
        if (font == CellFont{}) return 0;
        const std::size_t i = indexOf(fonts, font);
        return static_cast<std::uint16_t>(i < 4 ? i : i + 1);
    }
    // Lists the format, and its font, when it is new.
    std::uint16_t xfIndex(const CellFormat& format) {
        if (format == CellFormat{}) return 15;
        fontIndex(format.font);
        return static_cast<std::uint16_t>(16 + indexOf(cells, format));
    }
};

constexpr std::uint16_t biffLineStyle(int style) {
    // thin and thick (medium) have the same numbers in the file
    return style == borders::thin ? 1 : style == borders::thick ? 2 : 0;
}

void writeFont(Stream& out, const CellFont& font, const Palette& palette) {
    Bytes data;
    data.u16(static_cast<unsigned>(font.size * 20));  // twips
    data.u16((font.bold ? 0x01u : 0u) | (font.italic ? 0x02u : 0u) | (font.underline ? 0x04u : 0u) |
             (font.strikeout ? 0x08u : 0u) | (font.outline ? 0x10u : 0u) | (font.shadow ? 0x20u : 0u));
    data.u16(palette.index(font.color));
    data.u16(font.bold ? 700 : 400);
    data.u16(0);                       // no superscript or subscript
    data.u8(font.underline ? 1 : 0);   // single underline
    data.u8(0);                        // family not given
    data.u8(centralEuropeanCharset);
    data.u8(0);
    data.shortText(font.name);
    out.record(recFont, data);
}

void writeStyleXf(Stream& out) {
    Bytes data;
    data.u16(0);       // font
    data.u16(0);       // number format "General"
    data.u16(0xFFF5);  // locked, a style, no parent
    data.u8(0x20);     // aligned to the bottom
    data.u8(0x00);
    data.u32(systemForeground | (systemBackground << 7));
    data.u32(0);
    out.record(recXf, data);
}

void writeCellXf(Stream& out, const CellFormat& format, std::uint16_t font, const Palette& palette) {
    Bytes data;
    data.u16(font);
    data.u16(0);       // number format "General"
    data.u16(0x0001);  // locked, a cell format whose parent is style 0
    data.u8(0x20);     // aligned to the bottom
    data.u8(0xFC);     // this format sets number format, font, alignment, borders, fill and protection
    const auto sideColour = [&](const CellSide& side) -> std::uint32_t {
        return side.style == borders::none ? 0u : palette.index(side.color);
    };
    const bool filled = format.pattern != patterns::none;
    const std::uint32_t fore = filled ? palette.index(format.foreground) : systemForeground;
    const std::uint32_t back = filled ? palette.index(format.background) : systemBackground;
    data.u32(fore | (back << 7) | (static_cast<std::uint32_t>(format.pattern) << 16) |
             (static_cast<std::uint32_t>(biffLineStyle(format.bottom.style)) << 22) | (sideColour(format.bottom) << 25));
    data.u32(biffLineStyle(format.top.style) | (biffLineStyle(format.left.style) << 3) |
             (biffLineStyle(format.right.style) << 6) | (sideColour(format.top) << 9) |
             (sideColour(format.left) << 16) | (sideColour(format.right) << 23));
    out.record(recXf, data);
}

Bytes bof(std::uint16_t kind) {
    Bytes data;
    data.u16(0x0500);
    data.u16(kind);
    data.u16(buildId);
    data.u16(buildYear);
    return data;
}

std::string sheetStream(const Workbook& book, int sheet, Formats& formats) {
    Stream out;
    out.record(recBof, bof(0x0010));

    const auto& cells = book.cells(sheet);
    Bytes dimensions;
    if (cells.empty()) {
        for (int i = 0; i < 5; ++i) dimensions.u16(0);
    } else {
        int firstColumn = Workbook::maxColumns, lastColumn = 1;
        for (const auto& [place, cell] : cells) {
            firstColumn = std::min(firstColumn, place.second);
            lastColumn = std::max(lastColumn, place.second);
        }
        dimensions.u16(static_cast<unsigned>(cells.begin()->first.first - 1));
        dimensions.u16(static_cast<unsigned>(cells.rbegin()->first.first));  // one past the last row
        dimensions.u16(static_cast<unsigned>(firstColumn - 1));
        dimensions.u16(static_cast<unsigned>(lastColumn));                   // one past the last column
        dimensions.u16(0);
    }
    out.record(recDimensions, dimensions);

    for (const auto& [place, cell] : cells) {
        Bytes data;
        data.u16(static_cast<unsigned>(place.first - 1));
        data.u16(static_cast<unsigned>(place.second - 1));
        data.u16(formats.xfIndex(cell.format));
        if (cell.text.empty()) {
            out.record(recBlank, data);
        } else {
            data.u16(static_cast<unsigned>(cell.text.size()));
            data.append(cell.text);
            out.record(recLabel, data);
        }
    }

    Bytes window;
    // grid lines, headers, zeros, automatic grid colour, outline symbols;
    // the current sheet is selected and shown
    window.u16(0x00B6 | (sheet == book.currentSheet() ? 0x0600 : 0));
    window.u16(0);
    window.u16(0);
    window.u32(0);
    out.record(recWindow2, window);

    const CellRange range = book.selection(sheet);
    Bytes selection;
    selection.u8(3);  // the only pane
    selection.u16(static_cast<unsigned>(range.row1 - 1));
    selection.u16(static_cast<unsigned>(range.column1 - 1));
    selection.u16(0);
    selection.u16(1);
    selection.u16(static_cast<unsigned>(range.row1 - 1));
    selection.u16(static_cast<unsigned>(range.row2 - 1));
    selection.u8(static_cast<unsigned>(range.column1 - 1));
    selection.u8(static_cast<unsigned>(range.column2 - 1));
    out.record(recSelection, selection);

    out.record(recEof, Bytes{});
    return out.str();
}

std::string bookStream(const Workbook& book) {
    Formats formats;
    for (int sheet = 1; sheet <= book.sheetCount(); ++sheet)
        for (const auto& [place, cell] : book.cells(sheet)) {
            const CellFormat& f = cell.format;
            if (f.pattern != patterns::none) {
                formats.palette.use(f.foreground);
                formats.palette.use(f.background);
            }
            for (const CellSide* side : {&f.left, &f.right, &f.top, &f.bottom})
                if (side->style != borders::none) formats.palette.use(side->color);
            formats.palette.use(f.font.color);
        }

    // The sheets first, so that every format they use is known.
    std::vector<std::string> sheets;
    for (int sheet = 1; sheet <= book.sheetCount(); ++sheet) sheets.push_back(sheetStream(book, sheet, formats));

    Stream globals;
    globals.record(recBof, bof(0x0005));
    Bytes codePage;
    codePage.u16(codePage1250);
    globals.record(recCodePage, codePage);

    Bytes window;
    window.u16(0);
    window.u16(0);
    window.u16(0x3A5C);
    window.u16(0x23BE);
    window.u16(0x0038);  // horizontal and vertical scroll bars, sheet tabs
    window.u16(static_cast<unsigned>(book.currentSheet() - 1));
    window.u16(0);
    window.u16(1);
    window.u16(600);
    globals.record(recWindow1, window);

    for (const CellFont& font : formats.fonts) writeFont(globals, font, formats.palette);

    Bytes general;
    general.u16(0);
    general.shortText("General");
    globals.record(recFormat, general);

    for (int i = 0; i < 15; ++i) writeStyleXf(globals);
    writeCellXf(globals, CellFormat{}, 0, formats.palette);
    // Every font was listed while the sheets were written: fontIndex only
    // looks it up here.
    for (const CellFormat& format : formats.cells)
        writeCellXf(globals, format, formats.fontIndex(format.font), formats.palette);

    Bytes style;
    style.u16(0x8000);  // built-in style on XF 0
    style.u8(0);        // "Normal"
    style.u8(0xFF);
    globals.record(recStyle, style);

    formats.palette.write(globals);

    // The sheet list points at the sheets' positions in the stream, which are
    // known once the size of the globals is: the list's own size does not
    // depend on the positions.
    std::size_t listSize = 0;
    for (int sheet = 1; sheet <= book.sheetCount(); ++sheet) listSize += 4 + 7 + book.sheetName(sheet).size();
    std::size_t position = globals.size() + listSize + 4;  // + the closing EOF record
    for (int sheet = 1; sheet <= book.sheetCount(); ++sheet) {
        Bytes entry;
        entry.u32(static_cast<std::uint32_t>(position));
        entry.u8(0);  // visible
        entry.u8(0);  // worksheet
        entry.shortText(book.sheetName(sheet));
        globals.record(recBoundSheet, entry);
        position += sheets[static_cast<std::size_t>(sheet - 1)].size();
    }
    globals.record(recEof, Bytes{});

    std::string stream = globals.str();
    for (const std::string& sheet : sheets) stream += sheet;
    return stream;
}

}  // namespace

std::string workbookFile(const Workbook& book) { return compoundFile({{"Book", bookStream(book)}}); }

bool writeWorkbook(const Workbook& book, const std::filesystem::path& path) {
    std::string bytes;
    try {
        bytes = workbookFile(book);
    } catch (const std::exception&) {
        return false;
    }
    return writeFileAtomic(path, bytes);
}
