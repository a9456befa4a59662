#include "reference_generator.h"

#include "platform/core/czech.h"
#include "wordsearch/core/word_pool.h"

#include <algorithm>
#include <utility>

using reading::Letter;

namespace {

using Order = std::vector<std::pair<int, int>>;

const std::pair<int, int> E{1, 0}, W{-1, 0}, S{0, 1}, N{0, -1}, SE{1, 1}, NW{-1, -1}, SW{-1, 1}, NE{1, -1};

const Order kTableA[4] = {
    {SW, NW, NE, SE, W, E, S, N},
    {SE, NE, SW, NW, E, W, N, S},
    {NE, SE, NW, SW, N, S, E, W},
    {NW, SW, SE, NE, S, N, W, E},
};
const Order kTableB[4] = {
    {SW, NW, NE, SE, W, E, S, N},
    {SE, NE, SW, NW, W, E, S, N},
    {NE, SE, NW, SW, W, E, S, N},
    {NW, SW, SE, NE, W, E, S, N},
};
const Order kFixed = {NW, SW, SE, NE, N, W, S, E};

const std::string kSecretMark = "\xA9";
const std::string kUnreadable = "\x01";  // a cell text that equals no letter

std::string withPlaceholder(const std::string& word) {
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == 'c' && i + 1 < word.size() && word[i + 1] == 'h') {
            out += '#';
            ++i;
        } else {
            out += word[i];
        }
    }
    return out;
}

std::string shown(char letter) { return letter == '#' ? std::string("ch") : std::string(1, letter); }

}  // namespace

ReferenceGenerator::ReferenceGenerator(const GeneratorSetup& setup, RandomSource& random,
                                       GeneratorListener& listener, GeneratorControl& control)
    : random_(random), listener_(listener), control_(control), setup_(setup) {
    cols_ = std::clamp(setup.cols, 1, maxGridSide);
    rows_ = std::clamp(setup.rows, 1, maxGridSide);
    labels_ = setup.cells;
    for (int col = 1; col <= cols_; ++col) {
        for (int row = 1; row <= rows_; ++row) {
            const std::string& text = labels_.at(col, row).text;
            if (text.empty() || text == "@") {
                cell(col, row) = text;
            } else if (setup.chAsOneLetter && text == "ch") {
                cell(col, row).assign(1, '#');
            } else if (text.size() == 1 && isUsablePoolWord(text)) {
                cell(col, row) = text;
            } else {
                cell(col, row) = kUnreadable;
            }
        }
    }
    allWords_ = setup.words;
    remainingWords_ = allWords_;
    placedList_ = setup.placedWords;
}

bool ReferenceGenerator::isGridFull() const {
    for (int row = 1; row <= rows_; ++row) {
        for (int col = 1; col <= cols_; ++col) {
            if (copy_[col][row].empty()) return false;
        }
    }
    return true;
}

bool ReferenceGenerator::isWordUnsuitable(const std::string& word) const {
    const std::string rev(word.rbegin(), word.rend());
    for (const auto& placed : placedList_) {
        if (placed.empty()) continue;
        if (placed.find(word) != std::string::npos || word.find(placed) != std::string::npos ||
            placed.find(rev) != std::string::npos || rev.find(placed) != std::string::npos) {
            return true;
        }
    }
    return !mayLieOnce(word);
}

// The grid as the finished puzzle reads it: every label upper-cased, an empty
// cell reading nothing.
std::vector<Letter> ReferenceGenerator::readingOfCells() const {
    std::vector<Letter> letters;
    for (int row = 1; row <= rows_; ++row) {
        for (int col = 1; col <= cols_; ++col) {
            const std::string& text = labels_.at(col, row).text;
            letters.push_back(text.empty() ? reading::kNoLetter : reading::convertShownCell(text, setup_.chAsOneLetter));
        }
    }
    return letters;
}

// A cell a listed word could run through: it reads a letter, and when hidden
// only if some listed word holds the hidden mark.
bool ReferenceGenerator::readsLetterAt(int col, int row) const {
    if (col < 1 || col > cols_ || row < 1 || row > rows_) return false;
    const std::string& text = labels_.at(col, row).text;
    if (text.empty()) return false;
    if (text == "@") {
        return std::any_of(placedList_.begin(), placedList_.end(),
                           [](const std::string& w) { return w.find('@') != std::string::npos; });
    }
    return reading::convertShownCell(text, setup_.chAsOneLetter) != reading::kNoLetter;
}

// Two letters at least, not the same backwards, read as itself in its cells,
// no listed word read alike, and nowhere in the grid yet.
bool ReferenceGenerator::mayLieOnce(const std::string& drawn) const {
    const std::vector<Letter> letters = reading::convertWord(drawn, setup_.chAsOneLetter);
    if (letters.size() < 2 || std::equal(letters.begin(), letters.end(), letters.rbegin())) return false;
    const std::string w = setup_.chAsOneLetter ? withPlaceholder(drawn) : drawn;
    std::vector<Letter> inCells;
    for (const char c : w) inCells.push_back(c == '#' ? reading::kChLetter : czechUpperChar(static_cast<unsigned char>(c)));
    if (inCells != letters) return false;
    for (const auto& listed : placedList_) {
        if (reading::convertWord(listed, setup_.chAsOneLetter) == letters) return false;
    }
    const reading::LetterGrid grid(cols_, rows_, readingOfCells());
    bool found = false;
    grid.forEachOccurrence(letters, [&](int, reading::Direction) {
        found = true;
        return false;
    });
    return !found;
}

// No listed word inside the word, forwards or backwards.
bool ReferenceGenerator::holdsNoListedWord(const std::string& drawn) const {
    const std::vector<Letter> letters = reading::convertWord(drawn, setup_.chAsOneLetter);
    for (const auto& listed : placedList_) {
        std::vector<Letter> inner = reading::convertWord(listed, setup_.chAsOneLetter);
        if (inner.empty()) continue;
        for (int pass = 0; pass < 2; ++pass) {
            if (std::search(letters.begin(), letters.end(), inner.begin(), inner.end()) != letters.end()) return false;
            std::reverse(inner.begin(), inner.end());
        }
    }
    return true;
}

// The whole grid as the analyzer would read it: every listed word (and the
// word being placed, which must lie exactly once) lies at most once, not across
// a phrase cell, and with a cell that no other listed word covers.
bool ReferenceGenerator::readsCleanly(const std::string* current) const {
    const reading::LetterGrid grid(cols_, rows_, readingOfCells());
    std::vector<std::string> entries = placedList_;
    if (current) entries.push_back(*current);
    std::vector<std::vector<int>> places;  // the cells of each word that lies somewhere
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::vector<Letter> letters = reading::convertWord(entries[i], setup_.chAsOneLetter);
        if (letters.empty()) continue;
        int lies = 0;
        grid.forEachOccurrence(letters, [&](int start, reading::Direction d) {
            if (++lies == 1) {
                places.emplace_back();
                for (std::size_t k = 0; k < letters.size(); ++k) places.back().push_back(start + static_cast<int>(k) * grid.step(d));
            }
            return true;
        });
        if (lies > 1 || (current && i + 1 == entries.size() && lies != 1)) return false;
    }
    std::vector<int> covered(static_cast<std::size_t>(cols_ * rows_), 0);
    for (const auto& cells : places) {
        for (const int cell : cells) {
            if (copy_[cell % cols_ + 1][cell / cols_ + 1] == kSecretMark) return false;
            ++covered[static_cast<std::size_t>(cell)];
        }
    }
    for (const auto& cells : places) {
        if (std::none_of(cells.begin(), cells.end(), [&](int cell) { return covered[static_cast<std::size_t>(cell)] == 1; })) {
            return false;
        }
    }
    return true;
}

// The word written from (col, row) in steps (dx, dy) on empty cells or its own
// letters: kept when the grid then reads cleanly, taken back otherwise.
bool ReferenceGenerator::acceptsWritten(int col, int row, int dx, int dy, const std::string& w,
                                        const std::string& drawn) {
    const int n = static_cast<int>(w.size());
    std::vector<std::pair<std::string, WsCell>> saved;
    for (int i = 0; i < n; ++i) {
        saved.emplace_back(cell(col + i * dx, row + i * dy), labels_.at(col + i * dx, row + i * dy));
        writeLetter(col + i * dx, row + i * dy, w[i]);
    }
    const bool clean = readsCleanly(&drawn);
    for (int i = 0; i < n; ++i) {
        cell(col + i * dx, row + i * dy) = saved[i].first;
        labels_.at(col + i * dx, row + i * dy) = saved[i].second;
    }
    return clean;
}

bool ReferenceGenerator::advance() {
    ++x_;
    if (x_ > cols_) {
        x_ = 1;
        ++y_;
    }
    return y_ <= rows_;
}

bool ReferenceGenerator::findFirstEmptyCell() {
    x_ = 0;
    y_ = 1;
    return findNextEmptyCell();
}

bool ReferenceGenerator::findNextEmptyCell() {
    while (advance()) {
        if (cell(x_, y_).empty()) return true;
    }
    return false;
}

bool ReferenceGenerator::findFirstLetterCell(char letter) {
    x_ = 0;
    y_ = 1;
    return findNextLetterCell(letter);
}

bool ReferenceGenerator::findNextLetterCell(char letter) {
    while (advance()) {
        if (cell(x_, y_) == std::string(1, letter)) return true;
    }
    return false;
}

void ReferenceGenerator::writeLetter(int col, int row, char letter) {
    cell(col, row) = std::string(1, letter);
    labels_.at(col, row).text = shown(letter);
}

void ReferenceGenerator::addToList(const std::string& drawn, const std::vector<CellText>& cells) {
    placedList_.push_back(drawn);
    listener_.wordPlaced(drawn, cells);
}

// `anchorCounts`: an empty anchor cell is the empty cell the word needs (the
// empty-cell pass of crossing first); otherwise another cell must be empty.
bool ReferenceGenerator::tryPlace(int dx, int dy, const std::string& w, const std::string& drawn,
                                  bool anchorCounts) {
    const int n = static_cast<int>(w.size());
    auto inside = [this](int col, int row) { return col >= 1 && col <= cols_ && row >= 1 && row <= rows_; };
    bool anyEmpty = false;
    for (int i = 1; i <= n - k_; ++i) {
        const int col = x_ + i * dx;
        const int row = y_ + i * dy;
        if (!inside(col, row)) return false;
        const std::string& c = cell(col, row);
        if (c.empty()) {
            anyEmpty = true;
        } else if (c != std::string(1, w[k_ + i - 1])) {
            return false;
        }
    }
    for (int i = 1; i <= k_ - 1; ++i) {
        const int col = x_ - i * dx;
        const int row = y_ - i * dy;
        if (!inside(col, row)) return false;
        const std::string& c = cell(col, row);
        if (c.empty()) {
            anyEmpty = true;
        } else if (c != std::string(1, w[k_ - i - 1])) {
            return false;
        }
    }
    if (anchorCounts && cell(x_, y_).empty()) anyEmpty = true;
    if (!anyEmpty) return false;
    if (!acceptsWritten(x_ - (k_ - 1) * dx, y_ - (k_ - 1) * dy, dx, dy, w, drawn)) return false;
    for (int i = 1; i <= n - k_; ++i) writeLetter(x_ + i * dx, y_ + i * dy, w[k_ + i - 1]);
    for (int i = 1; i <= k_ - 1; ++i) writeLetter(x_ - i * dx, y_ - i * dy, w[k_ - i - 1]);
    writeLetter(x_, y_, w[k_ - 1]);
    std::vector<CellText> cells;
    for (int i = 0; i < n; ++i) {
        const int col = x_ + (i - (k_ - 1)) * dx;
        const int row = y_ + (i - (k_ - 1)) * dy;
        cells.push_back(CellText{col, row, shown(w[i])});
    }
    addToList(drawn, cells);
    return true;
}

bool ReferenceGenerator::tryOrder(const Order& order, const std::string& w, const std::string& drawn,
                                  bool anchorCounts) {
    for (const auto& [dx, dy] : order) {
        if (tryPlace(dx, dy, w, drawn, anchorCounts)) return true;
    }
    return false;
}

void ReferenceGenerator::placeWord(const std::string& drawn) {
    const std::string w = setup_.chAsOneLetter ? withPlaceholder(drawn) : drawn;
    const int n = static_cast<int>(w.size());
    if (setup_.preferEmptyCells) {
        const int r = random_.random(4);
        for (const auto& [dx, dy] : kTableA[r]) {
            for (k_ = 1; k_ <= n; ++k_) {
                if (findFirstEmptyCell()) {
                    do {
                        if (tryPlace(dx, dy, w, drawn)) return;
                    } while (findNextEmptyCell());
                }
            }
        }
        for (k_ = 1; k_ <= n; ++k_) {
            if (findFirstLetterCell(w[k_ - 1])) {
                do {
                    if (tryOrder(kFixed, w, drawn)) return;
                } while (findNextLetterCell(w[k_ - 1]));
            }
        }
    } else {
        for (k_ = 1; k_ <= n; ++k_) {
            if (!findFirstLetterCell(w[k_ - 1])) continue;
            for (;;) {
                const int r = random_.random(8);
                if (r >= 4) break;
                if (tryOrder(kTableB[r], w, drawn)) return;
                if (!findNextLetterCell(w[k_ - 1])) break;
            }
        }
        for (k_ = 1; k_ <= n; ++k_) {
            if (findFirstEmptyCell()) {
                do {
                    if (tryOrder(kFixed, w, drawn, true)) return;
                } while (findNextEmptyCell());
            }
        }
    }
}

// Before the first word: the usable words' letters against the empty cells
// less the phrase's letters.
bool ReferenceGenerator::tooFewLetters() {
    std::string t = setup_.secretPhrase;
    while (!t.empty() && static_cast<unsigned char>(t.front()) <= 0x20) t.erase(t.begin());
    while (!t.empty() && static_cast<unsigned char>(t.back()) <= 0x20) t.pop_back();
    int cells = -static_cast<int>(t.size());
    for (int row = 1; row <= rows_; ++row) {
        for (int col = 1; col <= cols_; ++col) cells += cell(col, row).empty() ? 1 : 0;
    }
    std::int64_t letters = 0;
    for (const auto& drawn : allWords_) {
        if (!isUsablePoolWord(drawn)) continue;
        letters += static_cast<std::int64_t>((setup_.chAsOneLetter ? withPlaceholder(drawn) : drawn).size());
    }
    if (letters >= cells) return false;
    listener_.wordsTooFew(letters, cells);
    return true;
}

// Some word that could lie once and alone, and a line the draws reach for it
// that is empty with no letter next to any of its cells.
bool ReferenceGenerator::firstWordCanFit() const {
    auto emptyLine = [this](int col, int row, int dx, int dy, int n) {
        for (int i = 0; i < n; ++i) {
            const int c = col + i * dx;
            const int r = row + i * dy;
            if (c < 1 || c > cols_ || r < 1 || r > rows_ || !copy_[c][r].empty()) return false;
            for (int nc = c - 1; nc <= c + 1; ++nc)
                for (int nr = r - 1; nr <= r + 1; ++nr)
                    if (readsLetterAt(nc, nr)) return false;
        }
        return true;
    };
    for (const auto& drawn : remainingWords_) {
        if (!isUsablePoolWord(drawn)) continue;
        const std::string w = setup_.chAsOneLetter ? withPlaceholder(drawn) : drawn;
        const int n = static_cast<int>(w.size());
        if (n > cols_ || n > rows_) continue;
        if (!mayLieOnce(drawn) || !holdsNoListedWord(drawn)) continue;
        for (int e = 0; e < std::max(cols_ - n, 1); ++e) {
            for (int row = 1; row <= rows_; ++row) {
                if (emptyLine(e + 1, row, 1, 0, n)) return true;
            }
            for (int col = 1; col <= cols_; ++col) {
                if (emptyLine(col, e + 1, 0, 1, n) || emptyLine(col, e + 1, 1, 1, n) ||
                    emptyLine(col, e + 1, 1, -1, n)) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool ReferenceGenerator::placeFirstWord() {
    if (remainingWords_.empty() || !firstWordCanFit()) return false;
    for (;;) {
        const int m = random_.random(static_cast<int>(remainingWords_.size()));
        const std::string drawn = remainingWords_[m];
        const std::string w = setup_.chAsOneLetter ? withPlaceholder(drawn) : drawn;
        if (control_.stopRequested()) return true;
        if (!isUsablePoolWord(drawn)) continue;  // drawn again, like a word too long
        const int n = static_cast<int>(w.size());
        if (n > cols_ || n > rows_) continue;
        if (!mayLieOnce(drawn) || !holdsNoListedWord(drawn)) continue;  // could lie once nowhere
        const int e = random_.random(cols_ - n);
        auto fits = [&](int col, int row, int dx, int dy) {
            for (int i = 0; i < n; ++i) {
                const int c = col + i * dx;
                const int r = row + i * dy;
                if (c < 1 || c > cols_ || r < 1 || r > rows_ || !cell(c, r).empty()) return false;
            }
            return acceptsWritten(col, row, dx, dy, w, drawn);
        };
        int col = e + 1;
        int row = random_.random(rows_) + 1;
        int dx = 1;
        int dy = 0;
        if (!fits(col, row, dx, dy)) {
            col = random_.random(cols_) + 1;
            row = e + 1;
            dx = 0;
            dy = 1;
            if (!fits(col, row, dx, dy)) {
                col = random_.random(cols_) + 1;
                dx = 1;
                dy = 1;
                if (!fits(col, row, dx, dy)) {
                    col = random_.random(cols_) + 1;
                    dx = 1;
                    dy = -1;
                    if (!fits(col, row, dx, dy)) continue;
                }
            }
        }
        std::vector<CellText> cells;
        for (int i = 0; i < n; ++i) {
            writeLetter(col + i * dx, row + i * dy, w[i]);
            cells.push_back(CellText{col + i * dx, row + i * dy, shown(w[i])});
        }
        addToList(drawn, cells);
        remainingWords_.erase(remainingWords_.begin() + m);
        return true;
    }
}

bool ReferenceGenerator::placeSecretPhrase() {
    std::string t = setup_.secretPhrase;
    while (!t.empty() && static_cast<unsigned char>(t.front()) <= 0x20) t.erase(t.begin());
    while (!t.empty() && static_cast<unsigned char>(t.back()) <= 0x20) t.pop_back();
    const int n = static_cast<int>(t.size());
    int room = 0;
    for (int row = 1; row < rows_; ++row) {
        for (int col = 1; col < cols_; ++col) room += cell(col, row).empty() ? 1 : 0;
    }
    if (n > room) return false;
    for (int i = 0; i < n; ++i) {
        int col = 0;
        int row = 0;
        do {
            col = random_.random(cols_ - 1) + 1;
            row = random_.random(rows_ - 1) + 1;
        } while (!cell(col, row).empty());
        cell(col, row) = kSecretMark;
    }
    std::vector<CellText> cells;
    std::size_t next = 0;
    for (int row = 1; row <= rows_; ++row) {
        for (int col = 1; col <= cols_; ++col) {
            if (cell(col, row) != kSecretMark) continue;
            labels_.at(col, row).text = shown(t[next++]);
            labels_.at(col, row).red = true;
            cells.push_back(CellText{col, row, labels_.at(col, row).text});
        }
    }
    if (!cells.empty()) listener_.secretPhrasePlaced(cells);
    return true;
}

void ReferenceGenerator::protectSecretCells() {
    for (int row = 1; row <= rows_; ++row) {
        for (int col = 1; col <= cols_; ++col) {
            const WsCell& label = labels_.at(col, row);
            if (label.red && !label.text.empty() && label.text != "@") cell(col, row) = kSecretMark;
        }
    }
}

GeneratorOutcome ReferenceGenerator::generate() {
    bool first = setup_.firstRun;
    for (;;) {
        bool exhausted = false;
        if (!isGridFull()) {
            if (first) {
                listener_.statusChanged(kStatusPlacingFirstWord);
                if (tooFewLetters()) {
                    control_.requestStop();
                    return GeneratorOutcome::WordsTooFew;
                }
                if (!readsCleanly(nullptr) || !placeFirstWord()) {
                    exhausted = true;
                } else {
                    listener_.statusChanged(kStatusPlacingSecretPhrase);
                    exhausted = !placeSecretPhrase();
                }
            } else {
                protectSecretCells();
            }
        }
        if (!exhausted) {
            listener_.statusChanged(kStatusSearchingWords);
            exhausted = !readsCleanly(nullptr);
        }
        if (!exhausted) {
            for (;;) {
                if (isGridFull()) {
                    std::vector<CellText> cells;
                    for (int row = 1; row <= rows_; ++row) {
                        for (int col = 1; col <= cols_; ++col) {
                            labels_.at(col, row).text = czechUpperCase(labels_.at(col, row).text);
                            cells.push_back(CellText{col, row, labels_.at(col, row).text});
                        }
                    }
                    listener_.finishGeneration(cells);
                    return GeneratorOutcome::Completed;
                }
                if (control_.stopRequested()) return GeneratorOutcome::Stopped;
                for (;;) {
                    if (remainingWords_.empty()) {
                        exhausted = true;
                        break;
                    }
                    const int index =
                        control_.randomOrder() ? random_.random(static_cast<int>(remainingWords_.size())) : 0;
                    const std::string drawn = remainingWords_[index];
                    remainingWords_.erase(remainingWords_.begin() + index);
                    if (control_.stopRequested()) break;
                    if (!isUsablePoolWord(drawn) || isWordUnsuitable(drawn)) continue;  // dropped
                    placeWord(drawn);
                    break;
                }
                if (exhausted) break;
            }
        }
        switch (setup_.onFailure) {
        case OnFailure::Pause:
            control_.requestStop();
            listener_.pausedOnFailure();
            return GeneratorOutcome::PausedOnFailure;
        case OnFailure::Stop:
            listener_.reportFailure();
            control_.requestStop();
            return GeneratorOutcome::Failed;
        case OnFailure::Restart:
            break;
        }
        remainingWords_ = allWords_;
        placedList_.clear();
        for (int row = 1; row <= rows_; ++row) {
            for (int col = 1; col <= cols_; ++col) {
                if (cell(col, row) == "@") continue;
                cell(col, row).clear();
                labels_.at(col, row) = WsCell{};
            }
        }
        listener_.lettersCleared();
        if (control_.stopRequested()) return GeneratorOutcome::Stopped;
        first = true;
    }
}
