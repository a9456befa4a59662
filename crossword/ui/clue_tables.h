#pragma once
// The clue grids of the crossword window: one table of two columns per
// direction, the words (read only) and their clues (typed). Row k shows word
// k of the list and carries where the word stands, so that the file and the
// next legend get it back; row 0 is the heading row, whose texts stand in
// the table's header. A list without words shows one empty row.

#include "crossword/core/clue_lists.h"

#include <string>
#include <vector>

class QString;
class QTableWidget;
class QWidget;

// A clue grid named `name` with the word column headed `heading`: columns of
// 150 pixels; a typed clue is one line of text the code page can hold, of at
// most kMaxClueLength characters.
QTableWidget* makeClueTable(QWidget* parent, const char* name, const QString& heading);

// Shows the rows, the clues editable.
void fillClueTable(QTableWidget* table, const std::vector<crossword::ClueRow>& rows);
// The rows as the table shows them, with the clues typed so far; none for a
// list without words.
std::vector<crossword::ClueRow> clueTableRows(const QTableWidget* table);
// The text of one cell of the table (nothing where the cell is empty).
std::string clueTableText(const QTableWidget* table, int row, int column);
