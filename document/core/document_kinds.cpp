#include "document/core/document_kinds.h"

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
