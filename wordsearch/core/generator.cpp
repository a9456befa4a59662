#include "wordsearch/core/generator.h"

#include "document/core/phrase_letters.h"
#include "platform/core/czech.h"
#include "wordsearch/core/listed_reading.h"
#include "wordsearch/core/word_pool.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

const std::string kStatusPlacingFirstWord = "Vkl\xE1" "d\xE1m prvn\xED slovo...";
const std::string kStatusPlacingSecretPhrase = "Vkl\xE1" "d\xE1m tajenku...";
const std::string kStatusSearchingWords = "Vyhled\xE1v\xE1m vhodn\xE1 slova...";

std::string processSecretPhrase(std::string_view typedPhrase, bool chAsOneLetter) {
    std::string out = chAsOneLetter ? joinDigraphs(typedPhrase, kDigraphPlaceholder) : std::string(typedPhrase);
    std::erase(out, ' ');
    return out;
}

namespace {

// ---------------------------------------------------------------------------
// The grid copy. Cells live in a 42 x 42 byte array with a frame of "outside"
// cells around the largest grid, so a walk along a line stops at the frame
// without bounds checks. Index = row * kStride + col, the numbering of
// ListedReading, which takes these cell numbers as they are.

constexpr int kStride = ListedReading::kStride;
constexpr int kCellCount = ListedReading::kCellCount;

constexpr unsigned char kEmpty = 0;
constexpr unsigned char kOpaque = 0x01;   // a cell whose text is no single letter ("ch" read back)
constexpr unsigned char kOutside = 0x02;  // the frame and everything beyond cols x rows
constexpr unsigned char kHidden = hiddenCellText[0];
constexpr unsigned char kSecret = 0xA9;   // "©": a letter of the secret phrase

// A letter byte of a word: pool words never hold the marks above (see word_pool.h).
bool isLetterCode(unsigned char c) { return c > kOutside && c != kHidden && c != kSecret; }

// Directions in the order of the direction procedures.
enum Dir { E, W, S, N, SE, NW, SW, NE };
constexpr int kDx[8] = {1, -1, 0, 0, 1, -1, -1, 1};
constexpr int kDy[8] = {0, 0, 1, -1, 1, -1, 1, -1};
constexpr int kOpposite[8] = {W, E, N, S, NW, SE, NE, SW};
constexpr int step(int dir) { return kDx[dir] + kDy[dir] * kStride; }

// Empty cells first: the orders by Random(4).
constexpr int kEmptyFirstOrders[4][8] = {
    {SW, NW, NE, SE, W, E, S, N},
    {SE, NE, SW, NW, E, W, N, S},
    {NE, SE, NW, SW, N, S, E, W},
    {NW, SW, SE, NE, S, N, W, E},
};
// Crossing first: the orders by Random(8) below 4.
constexpr int kCrossingFirstOrders[4][8] = {
    {SW, NW, NE, SE, W, E, S, N},
    {SE, NE, SW, NW, W, E, S, N},
    {NE, SE, NW, SW, W, E, S, N},
    {NW, SW, SE, NE, W, E, S, N},
};
// The fixed order of the second pass of either strategy.
constexpr int kFixedOrder[8] = {NW, SW, SE, NE, N, W, S, E};

// A set of cells, iterated in reading order (row by row, column by column).
class CellSet {
public:
    void set(int cell) { words_[cell >> 6] |= std::uint64_t{1} << (cell & 63); }
    void reset(int cell) { words_[cell >> 6] &= ~(std::uint64_t{1} << (cell & 63)); }
    void clear() { words_.fill(0); }

    // Calls f(cell) for each cell in order until f returns true; true if it did.
    template <class F>
    bool findIf(F&& f) const {
        for (int w = 0; w < kWords; ++w) {
            for (std::uint64_t bits = words_[w]; bits != 0; bits &= bits - 1) {
                if (f(w * 64 + std::countr_zero(bits))) return true;
            }
        }
        return false;
    }

private:
    static constexpr int kWords = (kCellCount + 63) / 64;
    std::array<std::uint64_t, kWords> words_{};
};

// ---------------------------------------------------------------------------
// The words not yet drawn in this pass, in the pool's order: one bit per word
// in blocks of 64, and a Fenwick tree over the blocks' counts, so the k-th
// remaining word is found and removed touching a few cache lines only.

class RemainingWords {
public:
    void fill(int count) {
        size_ = count;
        count_ = count;
        blocks_ = (count + 63) / 64;
        bits_.assign(static_cast<std::size_t>(blocks_), ~std::uint64_t{0});
        if (count % 64 != 0) bits_.back() = (std::uint64_t{1} << (count % 64)) - 1;
        tree_.assign(static_cast<std::size_t>(blocks_) + 1, 0);
        for (int b = 1; b <= blocks_; ++b) {
            tree_[b] += std::popcount(bits_[b - 1]);
            const int parent = b + (b & -b);
            if (parent <= blocks_) tree_[parent] += tree_[b];
        }
        top_ = blocks_ == 0 ? 0 : static_cast<int>(std::bit_floor(static_cast<unsigned>(blocks_)));
    }
    int count() const { return count_; }

    // The pool index of the remaining word at `position` (0-based).
    int at(int position) const {
        int block = 0;  // blocks before the one searched for
        int rest = position;
        for (int bit = top_; bit != 0; bit >>= 1) {
            const int next = block + bit;
            const int below = next <= blocks_ ? tree_[next] : rest + 1;
            const bool take = below <= rest;  // no branch: the outcome is a coin toss
            block = take ? next : block;
            rest -= take ? below : 0;
        }
        // The rest-th set bit of the block's word: skip whole bytes first.
        std::uint64_t word = bits_[block];
        int base = block * 64;
        for (int count = bitsInByte(word); count <= rest; count = bitsInByte(word)) {
            rest -= count;
            word >>= 8;
            base += 8;
        }
        for (; rest > 0; --rest) word &= word - 1;
        return base + std::countr_zero(word);
    }
    void remove(int poolIndex) {
        const int block = poolIndex / 64;
        bits_[block] &= ~(std::uint64_t{1} << (poolIndex % 64));
        for (int b = block + 1; b <= blocks_; b += b & -b) tree_[b] -= 1;
        --count_;
    }

private:
    // Set bits in the low byte (the build targets machines without a popcount instruction).
    static int bitsInByte(std::uint64_t word) {
        static constexpr auto table = [] {
            std::array<std::uint8_t, 256> t{};
            for (int i = 0; i < 256; ++i) t[i] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(i)));
            return t;
        }();
        return table[word & 0xFF];
    }

    std::vector<std::uint64_t> bits_;
    std::vector<int> tree_;
    int size_ = 0;
    int count_ = 0;
    int blocks_ = 0;
    int top_ = 0;
};

// ---------------------------------------------------------------------------
// The placed-word list as the suitability test needs it. A word is unsuitable
// when it or its reverse occurs in a placed word, or a placed word occurs in it
// or in its reverse. The index keeps every substring of every placed word and
// every placed word with its reverse, hashed, so a test costs a few lookups per
// substring of the drawn word instead of a scan of the whole list.

class PlacedWordIndex {
public:
    void clear() {
        arena_.clear();
        substrings_.clear();
        wholes_.clear();
        wholeLengths_ = 0;
        longWholes_ = false;
        wholeStarts_.clear();
        pairsInside_.clear();
        lettersInside_.clear();
        triplesInside_.clear();
        oneLetterWords_.clear();
    }

    void add(std::string_view word) {
        if (word.empty()) return;
        const std::size_t n = word.size();
        if (n == 1) {
            oneLetterWords_.set(pair(word[0], 0));
        } else {
            wholeStarts_.set(pair(word[0], word[1]));
            wholeStarts_.set(pair(word[n - 1], word[n - 2]));
        }
        for (std::size_t i = 0; i < n; ++i) {
            lettersInside_.set(pair(word[i], 0));
            if (i + 1 < n) pairsInside_.set(pair(word[i], word[i + 1]));
            if (i + 2 < n) triplesInside_.set(triple(word[i], word[i + 1], word[i + 2]));
        }
        const auto offset = static_cast<std::uint32_t>(arena_.size());
        arena_.append(word);
        arena_.append(word.rbegin(), word.rend());
        const std::uint32_t reverseOffset = offset + static_cast<std::uint32_t>(word.size());
        const auto length = static_cast<std::uint32_t>(word.size());
        for (std::uint32_t i = 0; i < length; ++i) {
            std::uint64_t h = 0;
            for (std::uint32_t j = i; j < length; ++j) {
                h = extend(h, arena_[offset + j]);
                substrings_.insert(arena_, h, offset + i, j - i + 1);
            }
        }
        wholes_.insert(arena_, hashOf(word), offset, length);
        wholes_.insert(arena_, hashOf(std::string_view(arena_).substr(reverseOffset, length)), reverseOffset, length);
        if (length < 64) {
            wholeLengths_ |= std::uint64_t{1} << length;
        } else {
            longWholes_ = true;
        }
    }

    // `reversed` is `word` read backwards.
    bool rejects(std::string_view word, std::string_view reversed) const {
        if (wholes_.empty() || word.empty()) return false;
        const std::size_t n = word.size();
        // A placed word (or its reverse) inside the word: only where the word
        // holds a one-letter placed word, or the first two letters of one.
        for (std::size_t i = 0; i < n; ++i) {
            if (oneLetterWords_.test(pair(word[i], 0))) return true;
            if (i + 1 == n || !wholeStarts_.test(pair(word[i], word[i + 1]))) continue;
            std::uint64_t h = extend(0, word[i]);
            for (std::size_t j = i + 1; j < n; ++j) {
                h = extend(h, word[j]);
                const std::size_t length = j - i + 1;
                const bool wanted = length < 64 ? ((wholeLengths_ >> length) & 1) != 0 : longWholes_;
                if (wanted && wholes_.contains(arena_, h, word.substr(i, length))) return true;
            }
        }
        // The word or its reverse inside a placed word: only if its first two
        // letters stand together somewhere in the placed words.
        if (n == 1) return lettersInside_.test(pair(word[0], 0));
        auto mayBeInside = [this](std::string_view w) {
            return w.size() == 2 ? pairsInside_.test(pair(w[0], w[1])) : triplesInside_.test(triple(w[0], w[1], w[2]));
        };
        if (mayBeInside(word) && substrings_.contains(arena_, hashOf(word), word)) return true;
        return mayBeInside(reversed) && substrings_.contains(arena_, hashOf(reversed), reversed);
    }

private:
    // A set of byte pairs (a letter and 0 for single letters).
    class PairSet {
    public:
        void set(int p) { bits_[p >> 6] |= std::uint64_t{1} << (p & 63); }
        bool test(int p) const { return ((bits_[p >> 6] >> (p & 63)) & 1) != 0; }
        void clear() { bits_.fill(0); }

    private:
        std::array<std::uint64_t, 1024> bits_{};
    };
    static int pair(char a, char b) { return static_cast<unsigned char>(a) << 8 | static_cast<unsigned char>(b); }
    // Three letters folded into the 16 bits of a PairSet; different triples may share a bit.
    static int triple(char a, char b, char c) {
        const std::uint32_t t = static_cast<unsigned char>(a) << 16 | static_cast<unsigned char>(b) << 8 |
                                static_cast<unsigned char>(c);
        return static_cast<int>((t * 0x9E3779B1u) >> 16);
    }

    static std::uint64_t extend(std::uint64_t h, char c) {
        return h * 0x100000001B3ull + static_cast<unsigned char>(c) + 1;
    }
    static std::uint64_t hashOf(std::string_view text) {
        std::uint64_t h = 0;
        for (const char c : text) h = extend(h, c);
        return h;
    }

    // Open addressing over (hash, piece of the arena); equal texts are stored once.
    class Table {
    public:
        bool empty() const { return used_ == 0; }
        void clear() {
            slots_.clear();
            used_ = 0;
        }
        void insert(const std::string& arena, std::uint64_t hash, std::uint32_t offset, std::uint32_t length) {
            if ((used_ + 1) * 2 > slots_.size()) grow(arena);
            const std::string_view text(arena.data() + offset, length);
            for (std::size_t i = slotOf(hash);; i = (i + 1) & (slots_.size() - 1)) {
                Slot& slot = slots_[i];
                if (slot.length == 0) {
                    slot = Slot{hash, offset, length};
                    ++used_;
                    return;
                }
                if (slot.hash == hash && std::string_view(arena.data() + slot.offset, slot.length) == text) return;
            }
        }
        bool contains(const std::string& arena, std::uint64_t hash, std::string_view text) const {
            if (used_ == 0) return false;
            for (std::size_t i = slotOf(hash);; i = (i + 1) & (slots_.size() - 1)) {
                const Slot& slot = slots_[i];
                if (slot.length == 0) return false;
                if (slot.hash == hash && std::string_view(arena.data() + slot.offset, slot.length) == text) {
                    return true;
                }
            }
        }

    private:
        struct Slot {
            std::uint64_t hash = 0;
            std::uint32_t offset = 0;
            std::uint32_t length = 0;  // 0: free
        };
        std::size_t slotOf(std::uint64_t hash) const {
            return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ull) >> 20) & (slots_.size() - 1);
        }
        void grow(const std::string& arena) {
            std::vector<Slot> old = std::move(slots_);
            slots_.assign(std::max<std::size_t>(64, old.size() * 2), Slot{});
            used_ = 0;
            for (const Slot& slot : old) {
                if (slot.length != 0) insert(arena, slot.hash, slot.offset, slot.length);
            }
        }
        std::vector<Slot> slots_;
        std::size_t used_ = 0;
    };

    std::string arena_;   // every placed word followed by its reverse
    Table substrings_;    // every substring of a placed word
    Table wholes_;        // every placed word and its reverse
    std::uint64_t wholeLengths_ = 0;
    bool longWholes_ = false;
    PairSet wholeStarts_;     // first two letters of each placed word and of its reverse
    PairSet oneLetterWords_;  // placed words of one letter
    PairSet pairsInside_;     // neighbouring letters anywhere in a placed word
    PairSet lettersInside_;   // letters anywhere in a placed word
    PairSet triplesInside_;   // three neighbouring letters anywhere in a placed word (folded)
};

// The run's pool: the setup's words in their order, read in place (the setup
// outlives the run). A word that poolWord (word_pool.h) would not accept as it
// stands can still be drawn but is never placed. A word's form in the grid,
// with "#" for the digraph when it is one letter, is made when needed.
class WordList {
public:
    void assign(const std::vector<std::string>& words, bool digraphAsOne) {
        words_ = &words;
        digraphAsOne_ = digraphAsOne;
    }
    int size() const { return static_cast<int>(words_->size()); }
    std::string_view drawn(int i) const { return (*words_)[i]; }

    // No blank, control character or grid mark ("@", "©", "#").
    static bool usable(std::string_view word) {
        static const std::array<bool, 256> refused = [] {
            std::array<bool, 256> table{};
            for (int c = 0; c <= 0x20; ++c) table[c] = true;
            for (const int c : {0x7F, int{kHidden}, 0xA9, int{'#'}}) table[c] = true;
            return table;
        }();
        bool bad = word.empty();
        for (const char ch : word) bad |= refused[static_cast<unsigned char>(ch)];
        return !bad;
    }

    // The grid form of word i; valid until the next call. Most words hold no
    // "ch" and are handed back as they stand, with no copy.
    std::string_view grid(int i) {
        const std::string_view word = drawn(i);
        if (!digraphAsOne_ || word.find("ch") == std::string_view::npos) return word;
        joinDigraphs(word, kDigraphPlaceholder, scratch_);
        return scratch_;
    }

    // The letters of all usable words, "ch" counted as the setting says.
    std::int64_t usableLetters() const {
        std::int64_t letters = 0;
        for (int i = 0; i < size(); ++i) {
            const std::string_view word = drawn(i);
            if (usable(word)) letters += static_cast<std::int64_t>(letterUnitCount(word, digraphAsOne_));
        }
        return letters;
    }

private:
    const std::vector<std::string>* words_ = nullptr;
    bool digraphAsOne_ = false;
    std::string scratch_;
};

std::string shownText(unsigned char letter) {
    return letter == static_cast<unsigned char>(kDigraphPlaceholder) ? std::string("ch")
                                                                     : std::string(1, static_cast<char>(letter));
}

}  // namespace

// ---------------------------------------------------------------------------

struct OsmGenerator::Impl {
    Impl(const GeneratorSetup& setup, RandomSource& random, GeneratorListener& listener, GeneratorControl& control)
        : random(random), listener(listener), control(control), listed(setup.chAsOneLetter) {
        cols = std::clamp(setup.cols, 1, maxGridSide);
        rows = std::clamp(setup.rows, 1, maxGridSide);
        firstRun = setup.firstRun;
        chAsOneLetter = setup.chAsOneLetter;
        preferEmptyCells = setup.preferEmptyCells;
        onFailure = setup.onFailure;
        // Blanks and control characters at the ends of the phrase are not placed.
        secretPhrase = std::string(trimmedBlanks(setup.secretPhrase));
        labels = setup.cells;

        words.assign(setup.words, chAsOneLetter);
        poolLetters = words.usableLetters();
        remaining.fill(words.size());
        for (const auto& word : setup.placedWords) addPlacedWord(word);

        grid.fill(kOutside);
        for (int row = 1; row <= rows; ++row) {
            for (int col = 1; col <= cols; ++col) grid[index(col, row)] = codeOfLabel(labels.at(col, row).text);
        }
        rebuildCellSets();
    }

    static int index(int col, int row) { return row * kStride + col; }
    static int colOf(int cell) { return cell % kStride; }
    static int rowOf(int cell) { return cell / kStride; }

    // The copy of a cell as a run starts: a single letter stands for itself;
    // a cell that shows the digraph holds the placeholder when the digraph is
    // one letter; any other text equals no letter.
    unsigned char codeOfLabel(const std::string& text) const {
        if (text.empty()) return kEmpty;
        if (text == hiddenCellText) return kHidden;
        if (chAsOneLetter && text == "ch") return static_cast<unsigned char>(kDigraphPlaceholder);
        if (text.size() == 1 && isUsablePoolWord(text)) return static_cast<unsigned char>(text[0]);
        return kOpaque;
    }

    void rebuildCellSets() {
        slotsStale = true;
        empty.clear();
        emptyCount = 0;
        for (auto& set : letterCells) set.clear();
        letterCount.fill(0);
        for (int row = 1; row <= rows; ++row) {
            for (int col = 1; col <= cols; ++col) {
                const int cell = index(col, row);
                const unsigned char c = grid[cell];
                if (c == kEmpty) {
                    empty.set(cell);
                    ++emptyCount;
                } else if (isLetterCode(c)) {
                    letterCells[c].set(cell);
                    ++letterCount[c];
                }
            }
        }
    }

    // How many open cells (empty or holding a letter) follow each cell in each
    // direction before the frame, a hidden, secret or unreadable cell. Letters
    // never close a line, so this holds for the whole word loop of a pass.
    void computeOpenRuns() {
        slotsStale = true;
        auto open = [this](int cell) {
            const unsigned char c = grid[cell];
            return c == kEmpty || isLetterCode(c);
        };
        for (int dir = 0; dir < 8; ++dir) {
            const int s = step(dir);
            auto visit = [&](int cell) {
                const int next = cell + s;
                openRun[dir][cell] = open(next) ? static_cast<unsigned char>(openRun[dir][next] + 1) : 0;
            };
            // Work from the far end of the direction so the next cell is known first.
            if (s > 0) {
                for (int row = rows; row >= 1; --row)
                    for (int col = cols; col >= 1; --col) visit(index(col, row));
            } else {
                for (int row = 1; row <= rows; ++row)
                    for (int col = 1; col <= cols; ++col) visit(index(col, row));
            }
        }
    }

    void setCell(int cell, unsigned char code) {
        const unsigned char old = grid[cell];
        if (old == code) return;
        slotsStale = true;
        if (old == kEmpty) {
            empty.reset(cell);
            --emptyCount;
        } else if (isLetterCode(old)) {
            letterCells[old].reset(cell);
            --letterCount[old];
        }
        grid[cell] = code;
        if (code == kEmpty) {
            empty.set(cell);
            ++emptyCount;
        } else if (isLetterCode(code)) {
            letterCells[code].set(cell);
            ++letterCount[code];
        }
    }

    void addPlacedWord(std::string_view word) {
        placed.add(word);
        listed.list(word);
    }

    // `Tosm.isWordUnsuitable`, for the selected word: it overlaps a placed word
    // (the test sees the word as drawn, "ch" spelled out), or it could not lie
    // once in the finished puzzle wherever it went (see ListedReading).
    bool isWordUnsuitable() {
        reversed.assign(currentDrawn.rbegin(), currentDrawn.rend());
        return placed.rejects(currentDrawn, reversed) || !listed.currentMayLieOnce();
    }

    // The word being placed: as drawn and in its grid form.
    void select(int wordIndex) {
        currentDrawn = words.drawn(wordIndex);
        current = words.grid(wordIndex);
        listed.select(currentDrawn, current);
    }

    // What every cell reads as the pass goes on from here, and where the listed
    // words lie. False when the grid does not read cleanly: some listed word lies
    // twice, across a letter of the phrase, or without a cell of its own. No
    // word placed now could mend that, so the pass fails.
    bool readCells() {
        listed.clearCells();
        for (int row = 1; row <= rows; ++row) {
            for (int col = 1; col <= cols; ++col) {
                const int cell = index(col, row);
                listed.setCell(cell, labels.at(col, row).text, grid[cell] == kSecret);
            }
        }
        return listed.rescan();
    }

    // Writes the current word along a line from `start`, reports it and enters it in the list.
    void writeWord(int start, int stepSize) {
        const std::string_view letters = current;
        std::vector<CellText> shown;
        shown.reserve(letters.size());
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const int cell = start + static_cast<int>(i) * stepSize;
            const auto letter = static_cast<unsigned char>(letters[i]);
            setCell(cell, letter);
            CellText text{colOf(cell), rowOf(cell), shownText(letter)};
            labels.at(text.col, text.row).text = text.text;
            shown.push_back(std::move(text));
        }
        placed.add(currentDrawn);
        listed.commit(start, stepSize);
        listener.wordPlaced(std::string(currentDrawn), shown);
    }

    // ---- direction procedures ---------------------------------------------

    // The word with letter `k` (1-based) on `anchor`, read in direction `dir`:
    // every other cell inside the grid, empty or holding its letter, at least
    // one cell of the word empty, and the finished puzzle would still read
    // every listed word once (ListedReading::accepts). Writes the word on
    // success. The anchor is empty or holds letter `k`; it counts as the empty
    // cell only when `anchorCounts` is set (the empty-cell pass of crossing
    // first, which would otherwise never fill a hole closed in on all sides).
    bool tryPlace(int dir, int k, int anchor, bool anchorCounts = false) {
        const std::string_view w = current;
        const int n = static_cast<int>(w.size());
        const int forward = n - k;
        const int backward = k - 1;
        if (openRun[dir][anchor] < forward || openRun[kOpposite[dir]][anchor] < backward) return false;
        const int s = step(dir);
        bool anyEmpty = false;
        int cell = anchor;
        for (int i = 1; i <= forward; ++i) {
            cell += s;
            const unsigned char c = grid[cell];
            if (c == kEmpty) {
                anyEmpty = true;
            } else if (c != static_cast<unsigned char>(w[k - 1 + i])) {
                return false;
            }
        }
        cell = anchor;
        for (int i = 1; i <= backward; ++i) {
            cell -= s;
            const unsigned char c = grid[cell];
            if (c == kEmpty) {
                anyEmpty = true;
            } else if (c != static_cast<unsigned char>(w[k - 1 - i])) {
                return false;
            }
        }
        anyEmpty = anyEmpty || (anchorCounts && grid[anchor] == kEmpty);
        if (!anyEmpty || !listed.accepts(anchor - backward * s, s)) return false;
        writeWord(anchor - backward * s, s);
        return true;
    }

    // Which placements exist at all for a word: a line that holds an empty cell
    // besides the one the word is anchored on (`twoEmpty`, what the empty-cell
    // pass of empty cells first can find), and a line that holds an empty cell
    // and a letter (`crossing`, what the crossing passes can find), each one
    // the reading accepts; the empty-cell pass of crossing first finds either.
    // Each pass finds the first such placement in its own order; this only
    // tells whether there is one, so a word that fits nowhere costs little.
    // Stops once `twoEmpty` is found when `stopAtTwoEmpty` is set, else once
    // both are.
    struct Reach {
        bool twoEmpty = false;
        bool crossing = false;
    };

    // An empty cell and a direction a word may run in through it: the cells
    // just ahead and behind, and how many open cells follow on each side.
    struct Slot {
        std::uint16_t anchor;
        std::uint8_t dir;
        std::uint8_t ahead;
        std::uint8_t behind;
        std::uint8_t roomAhead;
        std::uint8_t roomBehind;
        std::uint8_t span;  // the longest word through the anchor this way
    };

    static int pairBit(unsigned char behind, unsigned char ahead) { return (behind * 7 + ahead) & 63; }

    Slot slotAt(int anchor, int dir) const {
        const int s = step(dir);
        const int ahead = openRun[dir][anchor];
        const int behind = openRun[kOpposite[dir]][anchor];
        return Slot{static_cast<std::uint16_t>(anchor), static_cast<std::uint8_t>(dir), grid[anchor + s],
                    grid[anchor - s], static_cast<std::uint8_t>(ahead), static_cast<std::uint8_t>(behind),
                    static_cast<std::uint8_t>(ahead + behind + 1)};
    }

    // Near the end of a pass few cells are empty and most drawn words fit
    // nowhere. The slots are then kept in lists, made again after each write:
    // those with an empty cell beside the anchor (`openSlots`), and those
    // closed on both sides. A word can take a closed slot only
    //  - anchored on its first letter: its second letter ahead and its third
    //    on the next cell, or that cell empty (the pairs `firstLetters`);
    //  - anchored on its last letter: likewise backwards (`lastLetters`);
    //  - anchored on letter j in between: letter j - 1 behind and j + 1 ahead
    //    (`middleLetters`).
    // The pairs of all closed slots are gathered, so most words are turned away
    // by a few lookups before any slot is looked at.
    static constexpr int kFewEmptyCells = 64;
    class PairBits {
    public:
        void set(unsigned char a, unsigned char b) {
            const int p = a << 8 | b;
            std::uint64_t& word = bits_[p >> 6];
            if (word == 0) used_.push_back(static_cast<std::uint16_t>(p >> 6));
            word |= std::uint64_t{1} << (p & 63);
        }
        bool test(unsigned char a, unsigned char b) const {
            const int p = a << 8 | b;
            return ((bits_[p >> 6] >> (p & 63)) & 1) != 0;
        }
        void clear() {
            for (const std::uint16_t w : used_) bits_[w] = 0;
            used_.clear();
        }

    private:
        std::vector<std::uint64_t> bits_ = std::vector<std::uint64_t>(1024);
        std::vector<std::uint16_t> used_;
    };
    struct SlotLists {
        std::vector<Slot> openSlots;
        std::vector<Slot> closedSlots;
        PairBits firstLetters;   // (ahead, the cell after it)
        PairBits lastLetters;    // (behind, the cell before it)
        PairBits middleLetters;  // (behind, ahead)
        PairBits aheadLetters;   // (ahead, 0)
        PairBits behindLetters;  // (behind, 0)
    };

    const SlotLists& currentSlots() {
        if (slotsStale) {
            SlotLists& l = slotLists;
            l.openSlots.clear();
            l.closedSlots.clear();
            l.firstLetters.clear();
            l.lastLetters.clear();
            l.middleLetters.clear();
            l.aheadLetters.clear();
            l.behindLetters.clear();
            empty.findIf([&](int anchor) {
                for (int dir = 0; dir < 8; ++dir) {
                    const Slot slot = slotAt(anchor, dir);
                    if (slot.span < 2) continue;
                    if (slot.ahead == kEmpty || slot.behind == kEmpty) {
                        l.openSlots.push_back(slot);
                        continue;
                    }
                    l.closedSlots.push_back(slot);
                    const int s = step(dir);
                    l.firstLetters.set(slot.ahead, slot.roomAhead >= 2 ? grid[anchor + 2 * s] : kOutside);
                    l.lastLetters.set(slot.behind, slot.roomBehind >= 2 ? grid[anchor - 2 * s] : kOutside);
                    l.middleLetters.set(slot.behind, slot.ahead);
                    l.aheadLetters.set(slot.ahead, 0);
                    l.behindLetters.set(slot.behind, 0);
                }
                return false;
            });
            slotsStale = false;
        }
        return slotLists;
    }

    // Whether a word of n >= 2 letters may take some closed slot (see SlotLists).
    static bool mayTakeClosedSlot(const SlotLists& l, std::string_view w) {
        const int n = static_cast<int>(w.size());
        auto at = [&](int i) { return static_cast<unsigned char>(w[i]); };
        // Two letters: anchored on the first, the second is ahead; on the last, the first is behind.
        if (n == 2) return l.aheadLetters.test(at(1), 0) || l.behindLetters.test(at(0), 0);
        if (l.firstLetters.test(at(1), at(2)) || l.firstLetters.test(at(1), kEmpty)) return true;
        if (l.lastLetters.test(at(n - 2), at(n - 3)) || l.lastLetters.test(at(n - 2), kEmpty)) return true;
        for (int j = 1; j + 1 < n; ++j) {
            if (l.middleLetters.test(at(j - 1), at(j + 1))) return true;
        }
        return false;
    }

    Reach reach(bool stopAtTwoEmpty) {
        Reach result;
        const std::string_view w = current;
        const int n = static_cast<int>(w.size());
        if (n < 2 || n > std::max(cols, rows)) return result;
        const std::uint64_t all = (std::uint64_t{1} << n) - 1;
        const std::uint64_t last = std::uint64_t{1} << (n - 1);
        // With a letter or a closed cell on both sides of the anchor, the word
        // fits there only with its second letter ahead (anchored on its first),
        // its last but one behind (anchored on its last), or letter j - 1 behind
        // and j + 1 ahead: the pairs (w[j - 1], w[j + 1]), hashed into 64 bits.
        const auto second = static_cast<unsigned char>(w[1]);
        const auto lastButOne = static_cast<unsigned char>(w[n - 2]);
        std::uint64_t gappedPairs = 0;
        for (int j = 1; j + 1 < n; ++j) {
            gappedPairs |= std::uint64_t{1} << pairBit(static_cast<unsigned char>(w[j - 1]),
                                                       static_cast<unsigned char>(w[j + 1]));
        }
        // positions[c]: bit j - 1 set when letter j (1-based) is c; filled on
        // first need and all zero again when this returns.
        bool positionsFilled = false;

        // Whether the slot is worth a closer look.
        auto mayFit = [&](const Slot& slot) {
            return slot.span >= n &&
                   (slot.ahead == kEmpty || slot.behind == kEmpty || slot.ahead == second ||
                    slot.behind == lastButOne || ((gappedPairs >> pairBit(slot.behind, slot.ahead)) & 1) != 0);
        };
        // The closer look: every anchor position the neighbours and the room allow.
        auto look = [&](const Slot& slot) {
            const unsigned char ahead = slot.ahead;
            const unsigned char behind = slot.behind;
            if (!positionsFilled) {
                for (int j = 0; j < n; ++j) positions[static_cast<unsigned char>(w[j])] |= std::uint64_t{1} << j;
                positionsFilled = true;
            }
            // Bit j - 1: the word may have letter j on the anchor.
            std::uint64_t allowed = all;
            if (ahead != kEmpty) allowed &= isLetterCode(ahead) ? ((positions[ahead] >> 1) | last) : last;
            if (behind != kEmpty) allowed &= isLetterCode(behind) ? ((positions[behind] << 1) | 1) : 1;
            // Room: n - j cells ahead, j - 1 behind.
            const int lowest = std::max(1, n - slot.roomAhead);
            const int highest = std::min(n, slot.roomBehind + 1);
            allowed &= (all >> (lowest - 1)) << (lowest - 1);
            allowed &= all >> (n - highest);
            const int s = step(slot.dir);
            for (; allowed != 0; allowed &= allowed - 1) {
                const int k = std::countr_zero(allowed) + 1;
                int emptyCells = 1;
                int letterCells = 0;
                bool fits = true;
                int cell = slot.anchor - (k - 1) * s;
                for (int i = 0; i < n && fits; ++i, cell += s) {
                    if (i == k - 1) continue;
                    const unsigned char c = grid[cell];
                    if (c == kEmpty) {
                        ++emptyCells;
                    } else if (c == static_cast<unsigned char>(w[i])) {
                        ++letterCells;
                    } else {
                        fits = false;
                    }
                }
                if (!fits) continue;
                const bool twoEmpty = emptyCells >= 2;
                const bool crossing = letterCells >= 1;
                if (!(twoEmpty && !result.twoEmpty) && !(crossing && !result.crossing)) continue;
                if (!listed.accepts(slot.anchor - (k - 1) * s, s)) continue;
                result.twoEmpty = result.twoEmpty || twoEmpty;
                result.crossing = result.crossing || crossing;
                if (result.twoEmpty && (stopAtTwoEmpty || result.crossing)) return true;
            }
            return false;
        };

        if (emptyCount <= kFewEmptyCells) {
            const SlotLists& l = currentSlots();
            bool done = false;
            for (const Slot& slot : l.openSlots) {
                if (slot.span >= n && look(slot)) {
                    done = true;
                    break;
                }
            }
            if (!done && mayTakeClosedSlot(l, w)) {
                for (const Slot& slot : l.closedSlots) {
                    if (mayFit(slot) && look(slot)) break;
                }
            }
        } else {
            empty.findIf([&](int anchor) {
                for (int dir = 0; dir < 8; ++dir) {
                    const Slot slot = slotAt(anchor, dir);
                    if (mayFit(slot) && look(slot)) return true;
                }
                return false;
            });
        }
        if (positionsFilled) {
            for (const char ch : w) positions[static_cast<unsigned char>(ch)] = 0;
        }
        return result;
    }

    // ---- the passes of a placement ---------------------------------------

    // For each direction of `order`, each anchor position, each empty cell.
    bool emptyPassByDirection(const int (&order)[8]) {
        const int n = static_cast<int>(current.size());
        for (const int dir : order) {
            for (int k = 1; k <= n; ++k) {
                if (empty.findIf([&](int cell) { return tryPlace(dir, k, cell); })) return true;
            }
        }
        return false;
    }

    // For each anchor position, each empty cell, the eight directions in the
    // fixed order; the empty anchor is the empty cell the word needs, so a word
    // may close a hole whose other cells already hold its letters.
    bool emptyPassByCell() {
        const int n = static_cast<int>(current.size());
        for (int k = 1; k <= n; ++k) {
            if (empty.findIf([&](int cell) {
                    for (const int dir : kFixedOrder) {
                        if (tryPlace(dir, k, cell, true)) return true;
                    }
                    return false;
                })) {
                return true;
            }
        }
        return false;
    }

    // For each anchor position, each cell holding that letter, the fixed order.
    bool crossingPassFixed() {
        const std::string_view w = current;
        const int n = static_cast<int>(w.size());
        for (int k = 1; k <= n; ++k) {
            if (letterCells[static_cast<unsigned char>(w[k - 1])].findIf([&](int cell) {
                    for (const int dir : kFixedOrder) {
                        if (tryPlace(dir, k, cell)) return true;
                    }
                    return false;
                })) {
                return true;
            }
        }
        return false;
    }

    // Crossing first: at each cell holding letter k a draw of 8 either gives up
    // the letter (4 to 7) or picks the order of the eight tries there.
    bool crossingPassDrawn(bool canCross) {
        const std::string_view w = current;
        const int n = static_cast<int>(w.size());
        for (int k = 1; k <= n; ++k) {
            const auto letter = static_cast<unsigned char>(w[k - 1]);
            if (!canCross) {
                // No try can succeed: only the draws are made, one per cell until one gives up.
                for (int i = 0; i < letterCount[letter]; ++i) {
                    if (random.random(8) >= 4) break;
                }
                continue;
            }
            bool gaveUp = false;
            const bool placedHere = letterCells[letter].findIf([&](int cell) {
                const int r = random.random(8);
                if (r >= 4) {
                    gaveUp = true;
                    return true;
                }
                for (const int dir : kCrossingFirstOrders[r]) {
                    if (tryPlace(dir, k, cell)) return true;
                }
                return false;
            });
            if (placedHere && !gaveUp) return true;
        }
        return false;
    }

    // Places the drawn word or drops it.
    void placeWord() {
        if (preferEmptyCells) {
            const int r = random.random(4);
            const Reach can = reach(true);
            if (can.twoEmpty) {
                const bool placedNow = emptyPassByDirection(kEmptyFirstOrders[r]);
                assert(placedNow);
                (void)placedNow;
            } else if (can.crossing) {
                const bool placedNow = crossingPassFixed();
                assert(placedNow);
                (void)placedNow;
            }
        } else {
            const Reach can = reach(false);
            if (crossingPassDrawn(can.crossing)) return;
            if (can.twoEmpty || can.crossing) {
                const bool placedNow = emptyPassByCell();
                assert(placedNow);
                (void)placedNow;
            }
        }
    }

    // ---- start of a pass ------------------------------------------------

    // Whether some word of the pool can surely be placed as the first word:
    // some draw of the start row or column leaves an empty straight line for
    // it, none of whose cells has a letter next to it, and the word could lie
    // there once and alone (it lies nowhere yet, does not read the same
    // backwards, and holds no listed word). If a word of n cells can be placed
    // on such a line, so can any shorter one (a part of the same line, from a
    // start the draws reach as well), so it is enough to find the longest line
    // and look for a word that short. A grid whose only open lines run past
    // letters gets no first word: the pass fails rather than draw for ever.
    bool firstWordCanFit() {
        int longest = std::min(cols, rows);
        while (longest > 0 && !firstWordFits(longest)) --longest;
        for (int i = 0; i < words.size() && longest > 1; ++i) {
            if (!WordList::usable(words.drawn(i))) continue;
            select(i);
            if (static_cast<int>(current.size()) <= longest && listed.currentMayLieOnce() &&
                listed.currentHoldsNoListedWord()) {
                return true;
            }
        }
        return false;
    }

    bool lineEmpty(int col, int row, int dx, int dy, int n) const {
        for (int i = 0; i < n; ++i) {
            const int c = col + i * dx;
            const int r = row + i * dy;
            if (c < 1 || c > cols || r < 1 || r > rows || grid[index(c, r)] != kEmpty) return false;
        }
        return true;
    }

    // An empty line no cell of which has a neighbour that reads a letter.
    bool lineAlone(int col, int row, int dx, int dy, int n) const {
        if (!lineEmpty(col, row, dx, dy, n)) return false;
        for (int i = 0; i < n; ++i) {
            const int cell = index(col + i * dx, row + i * dy);
            for (int dir = 0; dir < 8; ++dir) {
                if (listed.readsLetter(cell + step(dir))) return false;
            }
        }
        return true;
    }

    bool firstWordFits(int n) const {
        const int draws = std::max(cols - n, 1);  // Random(cols - n) gives 0 when cols = n
        for (int e = 0; e < draws; ++e) {
            for (int row = 1; row <= rows; ++row) {
                if (lineAlone(e + 1, row, 1, 0, n)) return true;
            }
            for (int col = 1; col <= cols; ++col) {
                if (lineAlone(col, e + 1, 0, 1, n) || lineAlone(col, e + 1, 1, 1, n) ||
                    lineAlone(col, e + 1, 1, -1, n)) {
                    return true;
                }
            }
        }
        return false;
    }

    // `Tosm.placeFirstWord`: drawn at random until one fits in one of four tries.
    // A word that could lie once nowhere is drawn again at once, like one too
    // long; a try fits when its line is empty and the reading accepts the word
    // there. False when no word of the pool can surely fit.
    bool placeFirstWord() {
        if (remaining.count() == 0 || !firstWordCanFit()) return false;
        for (;;) {
            const int m = random.random(remaining.count());
            const int wordIndex = remaining.at(m);
            select(wordIndex);
            if (control.stopRequested()) return true;
            if (!WordList::usable(currentDrawn)) continue;
            const std::string_view w = current;
            const int n = static_cast<int>(w.size());
            if (n > cols || n > rows) continue;
            if (!listed.currentMayLieOnce() || !listed.currentHoldsNoListedWord()) continue;
            auto fitsAt = [&](int col, int row, int dx, int dy) {
                return lineEmpty(col, row, dx, dy, n) && listed.accepts(index(col, row), dx + dy * kStride);
            };
            const int e = random.random(cols - n);
            int col = e + 1;
            int row = random.random(rows) + 1;
            int dx = 1;
            int dy = 0;
            bool fits = fitsAt(col, row, dx, dy);
            if (!fits) {
                col = random.random(cols) + 1;
                row = e + 1;
                dx = 0;
                dy = 1;
                fits = fitsAt(col, row, dx, dy);
            }
            if (!fits) {
                col = random.random(cols) + 1;
                dx = 1;
                fits = fitsAt(col, row, dx, dy);
            }
            if (!fits) {
                col = random.random(cols) + 1;
                dy = -1;
                fits = fitsAt(col, row, dx, dy);
            }
            if (!fits) continue;
            writeWord(index(col, row), dx + dy * kStride);
            remaining.remove(wordIndex);
            return true;
        }
    }

    // `Tosm.placeSecretPhrase`: the phrase's letters on random empty cells off
    // the last column and row, then given out in reading order. False when the
    // phrase has more letters than there are such cells.
    bool placeSecretPhrase() {
        const int n = static_cast<int>(secretPhrase.size());
        int room = 0;
        for (int row = 1; row < rows; ++row) {
            for (int col = 1; col < cols; ++col) room += grid[index(col, row)] == kEmpty ? 1 : 0;
        }
        if (n > room) return false;
        for (int i = 0; i < n; ++i) {
            int cell = 0;
            do {
                const int col = random.random(cols - 1) + 1;
                const int row = random.random(rows - 1) + 1;
                cell = index(col, row);
            } while (grid[cell] != kEmpty);
            setCell(cell, kSecret);
        }
        std::vector<CellText> shown;
        std::size_t next = 0;
        for (int row = 1; row <= rows && next < secretPhrase.size(); ++row) {
            for (int col = 1; col <= cols && next < secretPhrase.size(); ++col) {
                if (grid[index(col, row)] != kSecret) continue;
                WsCell& label = labels.at(col, row);
                label.text = shownText(static_cast<unsigned char>(secretPhrase[next++]));
                label.red = true;
                shown.push_back(CellText{col, row, label.text});
            }
        }
        if (!shown.empty()) listener.secretPhrasePlaced(shown);
        return true;
    }

    // `Tosm.protectSecretCells`: red cells that hold a letter are the phrase's.
    void protectSecretCells() {
        for (int row = 1; row <= rows; ++row) {
            for (int col = 1; col <= cols; ++col) {
                const WsCell& label = labels.at(col, row);
                if (label.red && !label.text.empty() && label.text != hiddenCellText) setCell(index(col, row), kSecret);
            }
        }
    }

    // Whether the pool can never fill the grid: every free cell but the
    // phrase's must take a letter of some word, and a pass draws each word
    // once, so the usable words' letters must reach their number. A restart
    // empties the grid again, so the answer would stay the same.
    bool tooFewLetters() {
        const int cells = emptyCount - static_cast<int>(secretPhrase.size());
        if (poolLetters >= cells) return false;
        listener.wordsTooFew(poolLetters, cells);
        return true;
    }

    // ---- the run ---------------------------------------------------------

    enum class PassEnd { Full, Stopped, Exhausted, TooFewLetters };

    // A pass fails at once when the grid it starts from does not read cleanly,
    // or no longer does once the phrase is scattered (its letters may spell a
    // listed word): no later word could mend that.
    PassEnd runPass(bool first) {
        if (emptyCount > 0) {
            if (first) {
                listener.statusChanged(kStatusPlacingFirstWord);
                if (tooFewLetters()) return PassEnd::TooFewLetters;
                if (!readCells() || !placeFirstWord()) return PassEnd::Exhausted;
                listener.statusChanged(kStatusPlacingSecretPhrase);
                if (!placeSecretPhrase()) return PassEnd::Exhausted;
            } else {
                protectSecretCells();
            }
        }
        listener.statusChanged(kStatusSearchingWords);
        if (!readCells()) return PassEnd::Exhausted;
        computeOpenRuns();
        for (;;) {
            if (emptyCount == 0) return PassEnd::Full;
            if (control.stopRequested()) return PassEnd::Stopped;
            for (;;) {
                if (remaining.count() == 0) return PassEnd::Exhausted;
                const int position = control.randomOrder() ? random.random(remaining.count()) : 0;
                const int wordIndex = remaining.at(position);
                remaining.remove(wordIndex);
                ++stats.wordsTried;
                if (control.stopRequested()) break;
                if (!WordList::usable(words.drawn(wordIndex))) continue;
                select(wordIndex);
                if (isWordUnsuitable()) continue;
                placeWord();
                break;
            }
        }
    }

    // The restart of the on-failure choice: the pool back, the list and every
    // cell but the hidden ones emptied.
    void clearForRestart() {
        remaining.fill(words.size());
        placed.clear();
        listed.clear();
        for (int row = 1; row <= rows; ++row) {
            for (int col = 1; col <= cols; ++col) {
                const int cell = index(col, row);
                if (grid[cell] == kHidden) continue;
                grid[cell] = kEmpty;
                labels.at(col, row) = WsCell{};
            }
        }
        rebuildCellSets();
        listener.lettersCleared();
    }

    void upperCaseGrid() {
        std::vector<CellText> shown;
        shown.reserve(static_cast<std::size_t>(cols * rows));
        for (int row = 1; row <= rows; ++row) {
            for (int col = 1; col <= cols; ++col) {
                WsCell& label = labels.at(col, row);
                label.text = czechUpperCase(label.text);
                shown.push_back(CellText{col, row, label.text});
            }
        }
        listener.finishGeneration(shown);
    }

    GeneratorOutcome generate() {
        bool first = firstRun;
        for (;;) {
            ++stats.passes;
            const auto passStart = std::chrono::steady_clock::now();
            switch (runPass(first)) {
            case PassEnd::Full:
                upperCaseGrid();
                return GeneratorOutcome::Completed;
            case PassEnd::Stopped:
                return GeneratorOutcome::Stopped;
            case PassEnd::TooFewLetters:
                control.requestStop();
                return GeneratorOutcome::WordsTooFew;
            case PassEnd::Exhausted:
                break;
            }
            switch (onFailure) {
            case OnFailure::Pause:
                control.requestStop();
                listener.pausedOnFailure();
                return GeneratorOutcome::PausedOnFailure;
            case OnFailure::Stop:
                listener.reportFailure();
                control.requestStop();
                return GeneratorOutcome::Failed;
            case OnFailure::Restart:
                break;
            }
            clearForRestart();
            const auto elapsed = std::chrono::steady_clock::now() - passStart;
            if (elapsed < minimumPassTime) control.waitUnlessStopped(minimumPassTime - elapsed);
            if (control.stopRequested()) return GeneratorOutcome::Stopped;
            first = true;
        }
    }

    RandomSource& random;
    GeneratorListener& listener;
    GeneratorControl& control;

    int cols = 0;
    int rows = 0;
    bool firstRun = true;
    bool chAsOneLetter = false;
    bool preferEmptyCells = false;
    OnFailure onFailure = OnFailure::Restart;
    std::string secretPhrase;
    std::chrono::steady_clock::duration minimumPassTime{0};

    WsCells labels;                      // the window's labels as this run left them
    WordList words;
    std::int64_t poolLetters = 0;   // the letters of the usable words
    std::string_view currentDrawn;  // the current word, "ch" spelled out
    std::string_view current;       // the current word as it goes into the grid
    RemainingWords remaining;
    PlacedWordIndex placed;
    ListedReading listed;  // what the finished puzzle will read
    std::string reversed;

    std::array<unsigned char, kCellCount> grid{};
    CellSet empty;
    int emptyCount = 0;
    std::array<CellSet, 256> letterCells{};
    std::array<int, 256> letterCount{};
    std::array<std::array<unsigned char, kCellCount>, 8> openRun{};
    std::array<std::uint64_t, 256> positions{};
    SlotLists slotLists;
    bool slotsStale = true;

    GeneratorStats stats;
};

OsmGenerator::OsmGenerator(const GeneratorSetup& setup, RandomSource& random, GeneratorListener& listener,
                           GeneratorControl& control)
    : impl_(std::make_unique<Impl>(setup, random, listener, control)) {}

OsmGenerator::~OsmGenerator() = default;

void OsmGenerator::setMinimumPassTime(std::chrono::steady_clock::duration duration) {
    impl_->minimumPassTime = duration;
}

GeneratorOutcome OsmGenerator::generate() { return impl_->generate(); }

const GeneratorStats& OsmGenerator::stats() const { return impl_->stats; }
