#include "wordsearch/core/listed_reading.h"

#include "platform/core/czech.h"

#include <algorithm>
#include <cassert>
#include <climits>

using reading::kChLetter;
using reading::kNoLetter;
using reading::Letter;

// ---- child nodes -------------------------------------------------------------

void ListedReading::Edges::clear() {
    keys_.assign(1024, 0);
    children_.assign(1024, 0);
    used_ = 0;
}

int ListedReading::Edges::find(int node, Letter letter) const {
    const std::uint64_t k = key(node, letter);
    for (std::size_t i = slotOf(k);; i = (i + 1) & (keys_.size() - 1)) {
        if (keys_[i] == 0) return -1;
        if (keys_[i] == k + 1) return children_[i];
    }
}

void ListedReading::Edges::insert(int node, Letter letter, int child) {
    if ((used_ + 1) * 2 > keys_.size()) {
        std::vector<std::uint64_t> oldKeys(keys_.size() * 2, 0);
        std::vector<int> oldChildren(children_.size() * 2, 0);
        oldKeys.swap(keys_);
        oldChildren.swap(children_);
        for (std::size_t i = 0; i < oldKeys.size(); ++i) {
            if (oldKeys[i] == 0) continue;
            std::size_t j = slotOf(oldKeys[i] - 1);
            while (keys_[j] != 0) j = (j + 1) & (keys_.size() - 1);
            keys_[j] = oldKeys[i];
            children_[j] = oldChildren[i];
        }
    }
    const std::uint64_t k = key(node, letter);
    std::size_t i = slotOf(k);
    while (keys_[i] != 0) i = (i + 1) & (keys_.size() - 1);
    keys_[i] = k + 1;
    children_[i] = child;
    ++used_;
}

// ---- the listed words ----------------------------------------------------------

ListedReading::ListedReading(bool chAsOneLetter)
    : chAsOneLetter_(chAsOneLetter),
      cellsWith_(static_cast<std::size_t>(kChLetter) + 1),
      pairs_((static_cast<std::size_t>(kChLetter + 1) * (kChLetter + 1) + 63) / 64),
      triples_(65536 / 64) {
    clear();
}

void ListedReading::clear() {
    nodes_.assign(1, Node{});
    edges_.clear();
    deepest_ = 0;
    entries_.clear();
    lies_.clear();
    ownCells_.clear();
    hiddenMarkListed_ = false;
    clearCells();
}

void ListedReading::list(std::string_view word) {
    const std::vector<Letter> letters = reading::convertWord(word, chAsOneLetter_);
    if (letters.empty()) return;  // lies nowhere
    if (std::find(letters.begin(), letters.end(), Letter{hiddenCellText[0]}) != letters.end()) {
        hiddenMarkListed_ = true;
    }
    const int id = idOf(letters);
    if (id >= 0) {
        ++entries_[static_cast<std::size_t>(id)];
    } else {
        addWord(letters);
    }
}

int ListedReading::idOf(const std::vector<Letter>& letters) const {
    int node = 0;
    for (const Letter l : letters) {
        node = edges_.find(node, l);
        if (node < 0) return -1;
    }
    return nodes_[static_cast<std::size_t>(node)].forward;
}

int ListedReading::addWord(const std::vector<Letter>& letters) {
    const int id = static_cast<int>(entries_.size());
    entries_.push_back(1);
    lies_.push_back(0);
    ownCells_.push_back(0);
    nodes_[static_cast<std::size_t>(insertPath(letters, false))].forward = id;
    nodes_[static_cast<std::size_t>(insertPath(letters, true))].backward = id;
    deepest_ = std::max(deepest_, static_cast<int>(letters.size()));
    return id;
}

int ListedReading::insertPath(const std::vector<Letter>& letters, bool reversed) {
    int node = 0;
    const std::size_t n = letters.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Letter l = letters[reversed ? n - 1 - i : i];
        int child = edges_.find(node, l);
        if (child < 0) {
            child = static_cast<int>(nodes_.size());
            nodes_.push_back(Node{});
            edges_.insert(node, l, child);
        }
        node = child;
    }
    return node;
}

// ---- the cells -------------------------------------------------------------------

void ListedReading::clearCells() {
    read_.fill(kNoLetter);
    phrase_.fill(false);
    pending_.fill(0);
    forgetReadings();
}

// Everything learnt from the cells, which a rescan learns again.
void ListedReading::forgetReadings() {
    covered_.fill(0);
    coverXor_.fill(0);
    for (auto& cells : cellsWith_) cells.clear();
    std::fill(pairs_.begin(), pairs_.end(), 0);
    std::fill(triples_.begin(), triples_.end(), 0);
    std::fill(lies_.begin(), lies_.end(), 0);
    std::fill(ownCells_.begin(), ownCells_.end(), 0);
    places_.clear();
    judgedStart_ = -1;
}

// A hidden cell reads its mark "@" like any other one-character text; no word
// the generator places holds it, so it matters only when a listed word does.
void ListedReading::setCell(int cell, std::string_view shown, bool phrase) {
    Letter letter = kNoLetter;
    if (!shown.empty() && (shown != hiddenCellText || hiddenMarkListed_)) {
        letter = reading::convertShownCell(shown, chAsOneLetter_);
    }
    read_[static_cast<std::size_t>(cell)] = letter;
    phrase_[static_cast<std::size_t>(cell)] = phrase;
}

bool ListedReading::rescan() {
    forgetReadings();

    for (int cell = 0; cell < kCellCount; ++cell) {
        if (readsLetter(cell)) noteLetter(cell);
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!readsLetter(cell)) continue;
        noteAround(cell);
        for (const int line : kLines) {
            walkFrom(cell, line, 0, [&](int id, int length) {
                places_.push_back(Place{id, cell, line, length});
                return true;
            });
        }
    }
    bool clean = true;
    for (const Place& p : places_) ++lies_[static_cast<std::size_t>(p.id)];
    for (const Place& p : places_) {
        const auto id = static_cast<std::size_t>(p.id);
        if (lies_[id] > 1 || entries_[id] > 1) clean = false;
        for (int k = 0; k < p.length; ++k) {
            const int cell = p.start + k * p.step;
            if (phrase_[static_cast<std::size_t>(cell)]) clean = false;
            cover(cell, p.id);
        }
    }
    for (const Place& p : places_) {
        if (ownCells_[static_cast<std::size_t>(p.id)] == 0) clean = false;
    }
    places_.clear();
    return clean;
}

void ListedReading::cover(int cell, int id) {
    const auto c = static_cast<std::size_t>(cell);
    if (covered_[c] == 1) --ownCells_[static_cast<std::size_t>(coverXor_[c])];
    ++covered_[c];
    coverXor_[c] ^= id;
    if (covered_[c] == 1) ++ownCells_[static_cast<std::size_t>(id)];
}

void ListedReading::noteLetter(int cell) {
    cellsWith_[static_cast<std::size_t>(read_[static_cast<std::size_t>(cell)])].push_back(cell);
}

// Records the pairs and triples of letters in a line that the cell is part of.
// A neighbour that reads a letter lies inside the grid, so the cell beyond it
// is at most the frame.
void ListedReading::noteAround(int cell) {
    auto at = [this](int c) { return read_[static_cast<std::size_t>(c)]; };
    auto pair = [this](Letter a, Letter b) {
        for (const int p : {pairIndex(a, b), pairIndex(b, a)}) {
            pairs_[static_cast<std::size_t>(p) >> 6] |= std::uint64_t{1} << (p & 63);
        }
    };
    auto triple = [this](Letter a, Letter b, Letter c) {
        for (const int t : {tripleIndex(a, b, c), tripleIndex(c, b, a)}) {
            triples_[static_cast<std::size_t>(t) >> 6] |= std::uint64_t{1} << (t & 63);
        }
    };
    const Letter here = at(cell);
    for (const int line : kLines) {
        const Letter before = at(cell - line);
        const Letter after = at(cell + line);
        if (before != kNoLetter) {
            pair(before, here);
            const Letter farBefore = at(cell - 2 * line);
            if (farBefore != kNoLetter) triple(farBefore, before, here);
            if (after != kNoLetter) triple(before, here, after);
        }
        if (after != kNoLetter) {
            pair(here, after);
            const Letter farAfter = at(cell + 2 * line);
            if (farAfter != kNoLetter) triple(here, after, farAfter);
        }
    }
}

template <class Visit>
bool ListedReading::walkFrom(int start, int step, int skip, Visit&& visit) const {
    int node = 0;
    int cell = start;
    for (int d = 0; d < deepest_; ++d, cell += step) {
        const Letter l = read_[static_cast<std::size_t>(cell)];
        if (l == kNoLetter) return true;
        node = edges_.find(node, l);
        if (node < 0) return true;
        if (d < skip) continue;
        const Node& n = nodes_[static_cast<std::size_t>(node)];
        if (n.forward >= 0 && !visit(n.forward, d + 1)) return false;
        if (n.backward >= 0 && !visit(n.backward, d + 1)) return false;
    }
    return true;
}

// ---- the current word -------------------------------------------------------------

void ListedReading::select(std::string_view drawn, std::string_view gridForm) {
    reading::convertWord(drawn, chAsOneLetter_, current_);
    currentReadsAsItself_ = current_.size() == gridForm.size();
    for (std::size_t i = 0; i < gridForm.size() && currentReadsAsItself_; ++i) {
        const auto g = static_cast<unsigned char>(gridForm[i]);
        const Letter shown = chAsOneLetter_ && g == '#' ? kChLetter : Letter{czechUpperChar(g)};
        currentReadsAsItself_ = shown == current_[i];
    }
}

bool ListedReading::currentMayLieOnce() {
    const std::size_t n = current_.size();
    if (n < 2) return false;
    if (std::equal(current_.begin(), current_.begin() + static_cast<std::ptrdiff_t>(n / 2), current_.rbegin())) {
        return false;
    }
    if (!currentReadsAsItself_ || idOf(current_) >= 0) return false;
    return !readsSomewhere();
}

bool ListedReading::currentHoldsNoListedWord() const {
    const std::size_t n = current_.size();
    for (std::size_t i = 0; i < n; ++i) {
        int node = 0;
        for (std::size_t j = i; j < n; ++j) {
            node = edges_.find(node, current_[j]);
            if (node < 0) break;
            const Node& at = nodes_[static_cast<std::size_t>(node)];
            if (at.forward >= 0 || at.backward >= 0) return false;
        }
    }
    return true;
}

// Whether the grid reads the current word somewhere already.
bool ListedReading::readsSomewhere() const {
    const std::size_t n = current_.size();
    auto seen = [](const std::vector<std::uint64_t>& bits, int i) {
        return ((bits[static_cast<std::size_t>(i) >> 6] >> (i & 63)) & 1) != 0;
    };
    if (!seen(pairs_, pairIndex(current_[0], current_[1]))) return false;
    if (n >= 3 && !seen(triples_, tripleIndex(current_[0], current_[1], current_[2]))) return false;
    for (const int cell : cellsWith_[static_cast<std::size_t>(current_[0])]) {
        for (const int line : kLines) {
            for (const int step : {line, -line}) {
                std::size_t k = 1;
                while (k < n && read_[static_cast<std::size_t>(cell + static_cast<int>(k) * step)] == current_[k]) ++k;
                if (k == n) return true;
            }
        }
    }
    return false;
}

bool ListedReading::accepts(int start, int step) {
    const int n = static_cast<int>(current_.size());
    places_.clear();
    currentLies_ = 0;
    judgedStart_ = -1;
    std::array<int, maxGridSide> fresh{};  // positions in the word of the cells it fills
    int freshCount = 0;
    for (int i = 0; i < n; ++i) {
        const auto cell = static_cast<std::size_t>(start + i * step);
        if (read_[cell] != kNoLetter) continue;
        fresh[static_cast<std::size_t>(freshCount++)] = i;
        read_[cell] = current_[static_cast<std::size_t>(i)];
    }
    // Every new place runs through a filled cell. Along the word's own line a
    // place is found from the first filled cell it covers; across it, each
    // line holds one filled cell.
    bool clean = true;
    for (int f = 0; f < freshCount && clean; ++f) {
        const int i = fresh[static_cast<std::size_t>(f)];
        const int back = f == 0 ? INT_MAX : i - fresh[static_cast<std::size_t>(f - 1)] - 1;
        clean = placesThrough(start + i * step, step, back);
    }
    for (int f = 0; f < freshCount && clean; ++f) {
        const int cell = start + fresh[static_cast<std::size_t>(f)] * step;
        for (const int line : kLines) {
            if (line == step || line == -step) continue;
            clean = placesThrough(cell, line, INT_MAX);
            if (!clean) break;
        }
    }
    for (int f = 0; f < freshCount; ++f) {
        read_[static_cast<std::size_t>(start + fresh[static_cast<std::size_t>(f)] * step)] = kNoLetter;
    }
    if (!clean || currentLies_ != 1 || !keepsOwnCells()) return false;
    judgedStart_ = start;
    judgedStep_ = step;
    return true;
}

// Every place of a listed word or of the current word that covers `cell` and
// starts at most `back` cells before it, in steps of `step`.
bool ListedReading::placesThrough(int cell, int step, int back) {
    const int n = static_cast<int>(current_.size());
    const int longest = std::max(deepest_, n);
    for (int j = 0; j <= back && j < longest; ++j) {
        const int start = cell - j * step;
        if (!readsLetter(start)) break;
        if (!walkFrom(start, step, j, [&](int id, int length) { return found(id, start, step, length); })) {
            return false;
        }
        if (n <= j) continue;
        bool forward = true;
        bool backward = true;
        for (int k = 0; k < n && (forward || backward); ++k) {
            const Letter l = read_[static_cast<std::size_t>(start + k * step)];
            forward = forward && l == current_[static_cast<std::size_t>(k)];
            backward = backward && l == current_[static_cast<std::size_t>(n - 1 - k)];
        }
        if ((forward || backward) && !found(kCurrent, start, step, n)) return false;
    }
    return true;
}

// A new place: refused when its word lies elsewhere already or is listed
// twice, or when it covers a letter of the phrase.
bool ListedReading::found(int id, int start, int step, int length) {
    if (id == kCurrent) {
        if (++currentLies_ > 1) return false;
    } else {
        const auto i = static_cast<std::size_t>(id);
        if (lies_[i] > 0 || entries_[i] > 1) return false;
        for (const Place& p : places_) {
            if (p.id == id) return false;
        }
    }
    for (int k = 0; k < length; ++k) {
        if (phrase_[static_cast<std::size_t>(start + k * step)]) return false;
    }
    places_.push_back(Place{id, start, step, length});
    return true;
}

// Whether, with the new places, every word that lies somewhere keeps a cell of
// its own: the words whose last own cell a new place covers lose it, and each
// new place needs a cell no other place covers.
bool ListedReading::keepsOwnCells() {
    touched_.clear();
    lost_.clear();
    bool kept = true;
    for (const Place& p : places_) {
        for (int k = 0; k < p.length && kept; ++k) {
            const auto cell = static_cast<std::size_t>(p.start + k * p.step);
            if (pending_[cell]++ != 0) continue;
            touched_.push_back(static_cast<int>(cell));
            if (covered_[cell] != 1) continue;
            const int owner = coverXor_[cell];
            auto at = std::find_if(lost_.begin(), lost_.end(), [&](const auto& e) { return e.first == owner; });
            if (at == lost_.end()) at = lost_.insert(lost_.end(), {owner, 0});
            kept = ++at->second < ownCells_[static_cast<std::size_t>(owner)];
        }
    }
    for (const Place& p : places_) {
        bool own = false;
        for (int k = 0; k < p.length && !own && kept; ++k) {
            const auto cell = static_cast<std::size_t>(p.start + k * p.step);
            own = covered_[cell] == 0 && pending_[cell] == 1;
        }
        kept = kept && own;
    }
    for (const int cell : touched_) pending_[static_cast<std::size_t>(cell)] = 0;
    return kept;
}

void ListedReading::commit(int start, int step) {
    assert(start == judgedStart_ && step == judgedStep_);
    const int n = static_cast<int>(current_.size());
    touched_.clear();
    for (int i = 0; i < n; ++i) {
        const int cell = start + i * step;
        if (readsLetter(cell)) continue;
        read_[static_cast<std::size_t>(cell)] = current_[static_cast<std::size_t>(i)];
        noteLetter(cell);
        touched_.push_back(cell);
    }
    for (const int cell : touched_) noteAround(cell);
    const int id = addWord(current_);
    for (const Place& p : places_) {
        const int owner = p.id == kCurrent ? id : p.id;
        ++lies_[static_cast<std::size_t>(owner)];
        for (int k = 0; k < p.length; ++k) cover(p.start + k * p.step, owner);
    }
    places_.clear();
    judgedStart_ = -1;
}
