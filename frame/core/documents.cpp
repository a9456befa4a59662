#include "frame/core/documents.h"

#include <string>

namespace {

// What each kind lends to the frame. The Swedish crossword has no use for the
// "Tvorba" menu, and its two export actions are never enabled.
constexpr DocumentKindInfo kinds[] = {
    {wordSearchDocument, "Osmism\xECrka", "Osmism\xECrky", ".osm",  // Osmisměrka, Osmisměrky
     {"acVelikost", "acNavrhar", "aculoz", "aculozjako", "actisk", "acExport", "acExportObr"}, true},
    {crosswordDocument, "Klasick\xE1 k\xF8\xED\x9Eovka", "Klasick\xE9 k\xF8\xED\x9Eovky", ".kri",  // Klasická křížovka
     {"acVelikost", "acNavrhar", "aculoz", "aculozjako", "actisk", "acExport", "acExportObr"}, true},
    {crissCrossDocument, "Kris-kros", "Kris-krosy", ".krs",
     {"acVelikost", "acNavrhar", "aculoz", "aculozjako", "actisk", "acexport", "acExportObr"}, true},
    {swedishDocument, "\x8Av\xE9" "dsk\xE1 k\xF8\xED\x9Eovka", "\x8Av\xE9" "dsk\xE9 k\xF8\xED\x9Eovky", ".skr",  // Švédská křížovka
     {"Velikost", "acNavrhar", "uloz", "ulozjako", "print", "acExport", "acExportObr"}, false},
};

}  // namespace

std::span<const DocumentKindInfo> documentKinds() { return kinds; }

bool isLetterCellText(std::string_view text, DigraphCase digraph) {
    if (text.size() <= 1 || text == "ch") return true;
    return digraph == DigraphCase::anyCase && text.size() == 2 && (text[0] == 'c' || text[0] == 'C') &&
           (text[1] == 'h' || text[1] == 'H');
}

std::string_view readLetterCell(LineCursor& lines, DigraphCase digraph) {
    const std::string_view text = lines.text();
    if (!isLetterCellText(text, digraph)) lines.refuse(FileError::Expected::CellText);
    return text;
}

const DocumentKindInfo* documentKindInfo(int kind) {
    for (const DocumentKindInfo& info : kinds)
        if (info.kind == kind) return &info;
    return nullptr;
}

std::string chooserFilter(const DocumentKindInfo& kind) {
    const std::string pattern = "*" + std::string(kind.extension);
    return std::string(kind.filesName) + " (" + pattern + ")|" + pattern;
}

DocumentKind documentKindOfPath(std::string_view path) {
    const auto slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot == std::string_view::npos) return noDocument;
    std::string extension(name.substr(dot));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const DocumentKindInfo& info : kinds)
        if (extension == info.extension) return info.kind;
    return noDocument;
}

std::vector<TileRect> tileWindows(int count, int areaWidth, int areaHeight, bool sideBySide) {
    std::vector<TileRect> tiles;
    if (count <= 0) return tiles;
    int perStrip = 1;  // windows in each strip but the last: the whole root of count
    while ((perStrip + 1) * (perStrip + 1) <= count) ++perStrip;
    const int strips = count / perStrip;

    // Strips run across the primary length; windows split the strip along the other one.
    const int primary = sideBySide ? areaWidth : areaHeight;
    const int secondary = sideBySide ? areaHeight : areaWidth;
    int placed = 0;
    for (int s = 0; s < strips; ++s) {
        const int inStrip = s + 1 < strips ? perStrip : count - placed;
        const int stripStart = primary * s / strips;
        const int stripEnd = primary * (s + 1) / strips;
        for (int w = 0; w < inStrip; ++w) {
            const int start = secondary * w / inStrip;
            const int end = secondary * (w + 1) / inStrip;
            if (sideBySide) tiles.push_back({stripStart, start, stripEnd - stripStart, end - start});
            else tiles.push_back({start, stripStart, end - start, stripEnd - stripStart});
        }
        placed += inStrip;
    }
    return tiles;
}

std::string withDocumentExtension(std::string_view path, std::string_view extension) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string result(path);
    if (name.find(extension) == std::string_view::npos) result += extension;
    return result;
}

std::optional<std::string> pathFromCaption(std::string_view caption) {
    const std::size_t open = caption.find('(');
    const std::size_t close = caption.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close <= open + 1) return std::nullopt;
    return std::string(caption.substr(open + 1, close - open - 1));
}
