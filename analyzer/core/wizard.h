#pragma once
// The page logic of the wizard that lets the user type a puzzle in: the size on
// the first page, the words on the second, the letters cell by cell on the
// third; "Dokončit" hands the puzzle over.

#include "analyzer/core/puzzle.h"

#include <string>
#include <string_view>
#include <vector>

namespace analyzer {

class EntryWizard {
public:
    enum Page { SizePage = 0, WordPage = 1, LetterPage = 2 };
    enum class WordEntry { Added, Blank, Full };

    // Opens on the size page with the size 10 x 10 and the letter entry at column 1, row 1.
    EntryWizard();

    // The size shown in the two spin boxes (kept within 0 to 255). It becomes the
    // wizard's size only on arriving at the word page.
    void setSpinSize(int columns, int rows);
    int spinColumns() const { return spinColumns_; }
    int spinRows() const { return spinRows_; }

    Page page() const { return page_; }
    bool priorEnabled() const { return page_ > SizePage; }  // "Zpět"
    bool nextEnabled() const { return page_ < LetterPage; }  // "Další"
    void next();
    void prior();

    // Enter in the word box: the text, trimmed and in lower case, joins the
    // sorted list unless it is blank or the list is full (6,000 words).
    WordEntry enterWord(std::string_view text);
    void removeWord(std::size_t index);  // a double click on a word of the list
    const std::vector<std::string>& words() const { return words_; }

    // The size the letters are typed for, and the cell the next Enter fills.
    int width() const { return width_; }
    int height() const { return height_; }
    int column() const { return column_; }
    int row() const { return row_; }
    bool letterEntryEnabled() const { return letterEntry_; }
    bool finishEnabled() const { return finish_; }

    // Enter in the letter box: the text in upper case, or "@" (a hidden cell)
    // when empty, fills the current cell; the entry moves on row by row.
    void enterLetter(std::string_view text);

    // The typed puzzle ("Dokončit"): not from a file, no secret phrase. It is
    // complete exactly when every cell was typed in this run.
    Puzzle finish() const;

private:
    int priorPageIndex();
    void updateButtons() { priorPageIndex(); }
    void restartLetters();

    Page page_ = SizePage;
    int spinColumns_ = 10;
    int spinRows_ = 10;
    int width_ = 10;
    int height_ = 10;
    int column_ = 1;
    int row_ = 1;
    bool letterEntry_ = true;
    bool finish_ = false;
    std::vector<std::string> cells_;  // rows outer, columns inner
    std::vector<std::string> words_;
};

}  // namespace analyzer
