#pragma once
// The clue lists of a classic crossword ("legenda"): every row and every
// column of the grid is cut into words at the end-mark bars, the words across
// are listed by row and the words down by column, each with its number within
// its line; words of the secret phrase get the clue "tajenka", known clues come
// from the clue stores, and the user types the rest.

#include "document/core/cell_grid.h"
#include "document/core/direction.h"
#include "document/core/letter_use.h"
#include "platform/core/workbook.h"
#include "stores/core/clue_index.h"

#include <string>
#include <vector>

namespace crossword {

// The clue of a word of the secret phrase.
inline constexpr std::string_view secretPhraseClue = "tajenka";

// One word of a list, as the word tables and the rows of the clue grids hold
// it: its cells' texts joined ("ch" cells give "ch", hidden cells "@"), its
// clue, its row (across) or column (down), and its number within that line
// counting only words that hold a letter.
struct ClueRow {
    std::string word;
    std::string clue;
    int line = 0;
    int ordinal = 0;
    friend bool operator==(const ClueRow&, const ClueRow&) = default;
};

// `crosswordWordTable`: the words of one direction in their order; its count
// is its size, and it grows as the grid needs (a 40 × 40 grid of one-letter
// words has 1,600 words each way).
using CrosswordWordTable = std::vector<ClueRow>;

// A piece of a row or column that is no proper word, for the user to mend
// with "Opravit křížovku".
struct LegendProblem {
    enum class Kind {
        unclosed,    // the word runs through a hidden cell: a bar is missing
        incomplete,  // a cell of the piece holds no letter
    };
    Kind kind = Kind::unclosed;
    Direction direction = Direction::across;
    int line = 0;
    // The piece's number in its line as the user counts the pieces off the
    // grid: every piece with a cell that is not hidden counts, one without
    // letters too (the entries count only words holding a letter).
    int ordinal = 0;
    std::string word;  // unclosed: the word without its "@"
    friend bool operator==(const LegendProblem&, const LegendProblem&) = default;
};

struct Legend {
    CrosswordWordTable across;
    CrosswordWordTable down;
    std::vector<LegendProblem> problems;  // across, then down, each line by line and piece by piece
};

// `buildLegend`'s construction from the grid, its bars and its letter uses:
// the words of both directions, checked and compacted, with "tajenka" for
// each run of secret-phrase cells that is a word of its line.
//
// A line is cut at every visible bar (the right bar across, the bottom bar
// down), from its start (or from its first bar when its first cell is hidden)
// to its last bar; what follows the last bar belongs to no word. A piece
// holding only hidden cells makes no entry; a piece running through a hidden
// cell keeps its entry and is reported as unclosed; a piece with an empty
// cell is reported as incomplete and, when it holds letters, keeps its entry.
Legend buildLegend(const CellGrid& grid, const LetterUseTable& letterUse);

// The most characters a clue may have: what one cell of a workbook holds, so
// that the spreadsheet export can write every clue.
inline constexpr std::size_t kMaxClueLength = Workbook::maxTextLength;

// The first row whose clue is longer than kMaxClueLength; nullptr when every
// clue fits. A clue store or a file made elsewhere may hold a longer one.
const ClueRow* firstOverlongClue(const std::vector<ClueRow>& rows);

// The clue grid's rows for a freshly built table. A clue typed before stays
// with its word: a row takes the clue of the earlier row with the same word,
// line and number, or else of the same word in the same line (a word came or
// went before it); other rows start empty, never taking the clue of another
// word. Then a word of the secret phrase shows "tajenka", and the others the
// clue the stores know (fillLegendsFromMemory): the built-in clue, replaced
// by the user's own.
std::vector<ClueRow> legendRows(const CrosswordWordTable& table, const std::vector<ClueRow>& before,
                                ClueIndex& builtinClues, ClueIndex& userClues);

// `fillLegendsFromMemory` for rows as they stand: every row whose clue is not
// "tajenka" takes the built-in clue of its word, then the user's, where known.
void fillLegendsFromMemory(std::vector<ClueRow>& rows, ClueIndex& builtinClues, ClueIndex& userClues);

// `rememberLegends`: the clue of every row goes to the user's clue store (an
// emptied clue too, for a word the store knows). Rows of the secret phrase,
// rows whose word holds "@" and rows without a word are not remembered.
void rememberLegends(const std::vector<ClueRow>& rows, ClueIndex& userClues);

}  // namespace crossword
