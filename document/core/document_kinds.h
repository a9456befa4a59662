#pragma once
// Kinds of puzzle document: one row per kind with everything the frame and the
// document base need to know of it, and the limits every grid keeps to.

#include "platform/core/textfile.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// documentKind: the four kinds of puzzle, as stored in settings and window tags.
enum DocumentKind : int {
    noDocument = 0,
    wordSearchDocument = 1,  // .osm
    crosswordDocument = 2,   // .kri
    crissCrossDocument = 3,  // .krs
    swedishDocument = 4,     // .skr
};

// Every puzzle grid of grilpad has 2 to 40 columns and 2 to 40 rows; a file or
// template with another size is refused.
inline constexpr int minGridSide = 2;
inline constexpr int maxGridSide = 40;

// The side of a grid cell on the screen, in pixels.
inline constexpr int minCellSize = 20;
inline constexpr int maxCellSize = 40;
constexpr int clampCellSize(int cellSize) {
    return cellSize < minCellSize ? minCellSize : cellSize > maxCellSize ? maxCellSize : cellSize;
}

// The text of a hidden (blocked) cell in every kind of grid and file.
inline constexpr std::string_view hiddenCellText = "@";

// How the letter "ch" may stand in a cell of a file: in lower case only, as
// the crossword and the Swedish crossword keep it, or in any case, as a word
// search that upper-cases its finished grid writes it.
enum class DigraphCase { lowerOnly, anyCase };

// Whether a letter cell of a file may hold `text`: nothing, one character, the
// letter "ch" or the hidden mark "@". Any longer text would spill over the
// grid and could not be printed or exported.
bool isLetterCellText(std::string_view text, DigraphCase digraph);

// The next line of a file as the text of a letter cell; any other text is
// refused naming the line.
std::string_view readLetterCell(LineCursor& lines, DigraphCase digraph);

// The actions of a kind's window that the frame's controls show while the
// window is active, by object name.
struct LentActions {
    const char* size;               // `ToolButton6`
    const char* designer;           // `ToolButton7`
    const char* save;               // `ToolButton2` and `Uloit1`
    const char* saveAs;             // `Uloitjako1`
    const char* print;              // `Tisk2`
    const char* spreadsheetExport;  // `Export2`
    const char* pictureExport;      // `Uloitjakoobrzek1`
};

// One kind of puzzle. Texts are Windows-1250.
struct DocumentKindInfo {
    DocumentKind kind;
    std::string_view name;         // the kind in a window's caption: "Osmisměrka"
    std::string_view filesName;    // such files in a file chooser: "Osmisměrky"
    std::string_view extension;    // ".osm"
    LentActions lent;
    bool creationMenuEnabled;      // the frame's "Tvorba" button is enabled (it gets the menu either way)
};

// The four kinds in documentKind order.
std::span<const DocumentKindInfo> documentKinds();
// The row of documentKind `kind`; nullptr for any other number.
const DocumentKindInfo* documentKindInfo(int kind);

// A file chooser's entry for files of one kind: "Osmisměrky (*.osm)|*.osm".
std::string chooserFilter(const DocumentKindInfo& kind);

// The extension rule of document and template paths: when the file-name part
// (after the last "/") does not contain `extension` (case-sensitive, anywhere),
// `extension` is appended. "rebus" -> "rebus.osm", "a.osm.txt" stays.
std::string withDocumentExtension(std::string_view path, std::string_view extension);

// A document window keeps its path in its caption, "Kind (path)": the path is
// the text between the first "(" and the last ")". Nothing when the caption
// holds no such pair or the path between them is empty (the window was never
// saved). Works on UTF-8 and Windows-1250 text alike.
std::optional<std::string> pathFromCaption(std::string_view caption);

// The kind a file belongs to, from the extension of its file name compared
// without regard to letter case; noDocument for any other extension.
DocumentKind documentKindOfPath(std::string_view path);
