#include "wordsearch/core/reading.h"

#include "platform/core/czech.h"

namespace reading {

namespace {

unsigned char upperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

// Whether the letter CH, in any case, begins at `i` of `word`.
bool digraphAt(std::string_view word, std::size_t i) {
    return i + 1 < word.size() && upperAscii(static_cast<unsigned char>(word[i])) == 'C' &&
           upperAscii(static_cast<unsigned char>(word[i + 1])) == 'H';
}

}  // namespace

// Not joinDigraphs (platform/core/czech.h), on purpose: a listed word, in any
// case, is upper-cased and compared with the cells of a finished puzzle as they
// stand, where the letter is an upper-case "CH". So "ch" in any case joins
// inside a word, only "CH" counts as a whole cell, and the letter is kChLetter,
// which no byte of a word or cell can equal (a placeholder byte could).
std::vector<Letter> convertWord(std::string_view word, bool chAsOneLetter) {
    std::vector<Letter> letters;
    convertWord(word, chAsOneLetter, letters);
    return letters;
}

void convertWord(std::string_view word, bool chAsOneLetter, std::vector<Letter>& letters) {
    letters.clear();
    letters.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        if (chAsOneLetter && digraphAt(word, i)) {
            letters.push_back(kChLetter);
            ++i;
        } else {
            letters.push_back(czechUpperChar(c));
        }
    }
}

std::size_t fewestCells(std::string_view word) {
    std::size_t cells = 0;
    for (std::size_t i = 0; i < word.size(); ++i, ++cells)
        if (digraphAt(word, i)) ++i;
    return cells;
}

Letter convertCell(std::string_view text, bool chAsOneLetter) {
    if (text.size() == 1) return static_cast<unsigned char>(text[0]);
    if (chAsOneLetter && text == "CH") return kChLetter;
    return kNoLetter;
}

Letter convertShownCell(std::string_view text, bool chAsOneLetter) {
    return convertCell(czechUpperCase(text), chAsOneLetter);
}

LetterGrid::LetterGrid(int width, int height, std::vector<Letter> letters)
    : width_(width), height_(height), letters_(std::move(letters)) {
    const std::size_t count = letters_.size();
    ids_.fill(-1);
    for (const Letter l : letters_)
        if (l != kNoLetter && ids_[static_cast<std::size_t>(l)] < 0) ids_[static_cast<std::size_t>(l)] = kinds_++;

    // Cells of each letter.
    singleStart_.assign(static_cast<std::size_t>(kinds_) + 1, 0);
    for (const Letter l : letters_)
        if (l != kNoLetter) ++singleStart_[static_cast<std::size_t>(ids_[static_cast<std::size_t>(l)]) + 1];
    for (int k = 0; k < kinds_; ++k) singleStart_[k + 1] += singleStart_[k];
    singleCells_.resize(static_cast<std::size_t>(singleStart_.back()));
    std::vector<int> fill(singleStart_.begin(), singleStart_.end() - 1);
    for (std::size_t i = 0; i < count; ++i)
        if (letters_[i] != kNoLetter) singleCells_[static_cast<std::size_t>(fill[idAt(i)]++)] = static_cast<int>(i);

    // Cells where a pair of letters begins, per direction.
    const std::size_t buckets = static_cast<std::size_t>(kinds_) * static_cast<std::size_t>(kinds_) * 8;
    pairStart_.assign(buckets + 1, 0);
    forEachPair([&](std::size_t key, int) { ++pairStart_[key + 1]; });
    for (std::size_t k = 0; k < buckets; ++k) pairStart_[k + 1] += pairStart_[k];
    pairCells_.resize(static_cast<std::size_t>(pairStart_.back()));
    std::vector<int> pairFill(pairStart_.begin(), pairStart_.end() - 1);
    forEachPair([&](std::size_t key, int cell) { pairCells_[static_cast<std::size_t>(pairFill[key]++)] = cell; });
}

template <class F>
void LetterGrid::forEachPair(F&& f) const {
    for (int row = 0; row < height_; ++row)
        for (int column = 0; column < width_; ++column) {
            const std::size_t cell =
                static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(column);
            if (letters_[cell] == kNoLetter) continue;
            for (int d = 0; d < 8; ++d) {
                const int c = column + kDirections[static_cast<std::size_t>(d)].columnStep;
                const int r = row + kDirections[static_cast<std::size_t>(d)].rowStep;
                if (c < 0 || c >= width_ || r < 0 || r >= height_) continue;
                const std::size_t neighbour =
                    static_cast<std::size_t>(r) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(c);
                if (letters_[neighbour] == kNoLetter) continue;
                f(pairKey(idAt(cell), idAt(neighbour), d), static_cast<int>(cell));
            }
        }
}

bool LetterGrid::matchesFrom(const std::vector<Letter>& word, int cell, int d, int length) const {
    if (length == 2) return true;
    const DirectionStep& s = kDirections[static_cast<std::size_t>(d)];
    const int column = cell % width_ + s.columnStep * (length - 1);
    const int row = cell / width_ + s.rowStep * (length - 1);
    if (column < 0 || column >= width_ || row < 0 || row >= height_) return false;
    const int stride = s.columnStep + s.rowStep * width_;
    for (int i = 2; i < length; ++i)
        if (letters_[static_cast<std::size_t>(cell + i * stride)] != word[static_cast<std::size_t>(i)]) return false;
    return true;
}

}  // namespace reading
