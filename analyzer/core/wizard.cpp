#include "analyzer/core/wizard.h"

#include "document/core/document_kinds.h"
#include "document/core/phrase_letters.h"
#include "platform/core/czech.h"

#include <algorithm>

namespace analyzer {

EntryWizard::EntryWizard() {
    restartLetters();
    updateButtons();
}

void EntryWizard::setSpinSize(int columns, int rows) {
    spinColumns_ = std::clamp(columns, 0, kMaxPuzzleSize);
    spinRows_ = std::clamp(rows, 0, kMaxPuzzleSize);
}

// Asked whenever the buttons are updated (after every page change) and when
// "Zpět" is pressed: on the word page a changed size is taken over, which
// throws the letters typed so far away.
int EntryWizard::priorPageIndex() {
    if (page_ == WordPage && (spinColumns_ != width_ || spinRows_ != height_)) {
        width_ = spinColumns_;
        height_ = spinRows_;
        restartLetters();
    }
    return page_ > SizePage ? page_ - 1 : -1;
}

void EntryWizard::next() {
    if (page_ >= LetterPage) return;
    page_ = static_cast<Page>(page_ + 1);
    updateButtons();
}

void EntryWizard::prior() {
    const int target = priorPageIndex();
    if (target < 0) return;
    page_ = static_cast<Page>(target);
    updateButtons();
}

EntryWizard::WordEntry EntryWizard::enterWord(std::string_view text) {
    text = trimmedBlanks(text);
    if (text.empty()) return WordEntry::Blank;
    if (words_.size() >= static_cast<std::size_t>(kMaxWords)) return WordEntry::Full;
    std::string word = czechLowerCase(text);
    words_.insert(std::upper_bound(words_.begin(), words_.end(), word, CzechLess{}), std::move(word));
    return WordEntry::Added;
}

void EntryWizard::removeWord(std::size_t index) {
    if (index < words_.size()) words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(index));
}

void EntryWizard::restartLetters() {
    column_ = 1;
    row_ = 1;
    letterEntry_ = true;
    finish_ = false;
    cells_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), std::string());
}

void EntryWizard::enterLetter(std::string_view text) {
    if (!letterEntry_) return;
    // A grid with no columns or no rows has no cell to fill.
    if (column_ <= width_ && row_ <= height_) {
        const std::size_t cell = static_cast<std::size_t>(row_ - 1) * static_cast<std::size_t>(width_) +
                                 static_cast<std::size_t>(column_ - 1);
        cells_[cell] = text.empty() ? std::string(hiddenCellText) : czechUpperCase(text);
    }
    if (++column_ > width_) {
        column_ = 1;
        ++row_;
    }
    if (row_ > height_) {
        letterEntry_ = false;
        finish_ = true;
    }
}

Puzzle EntryWizard::finish() const {
    Puzzle puzzle;
    puzzle.width = width_;
    puzzle.height = height_;
    puzzle.cells = cells_;
    puzzle.words = words_;
    puzzle.loadedFromFile = false;
    return puzzle;
}

}  // namespace analyzer
