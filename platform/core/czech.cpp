#include "platform/core/czech.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr unsigned char kLower[] = {0x9A, 0x9D, 0x9E, 0xE1, 0xE8, 0xE9, 0xEC, 0xED,
                                    0xEF, 0xF2, 0xF3, 0xF8, 0xF9, 0xFA, 0xFD};
constexpr unsigned char kUpper[] = {0x8A, 0x8D, 0x8E, 0xC1, 0xC8, 0xC9, 0xCC, 0xCD,
                                    0xCF, 0xD2, 0xD3, 0xD8, 0xD9, 0xDA, 0xDD};

struct CaseTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    CaseTables() {
        for (int i = 0; i < 256; ++i) upper[i] = lower[i] = static_cast<unsigned char>(i);
        for (int c = 'a'; c <= 'z'; ++c) {
            upper[c] = static_cast<unsigned char>(c - 'a' + 'A');
            lower[c - 'a' + 'A'] = static_cast<unsigned char>(c);
        }
        for (std::size_t i = 0; i < std::size(kLower); ++i) {
            upper[kLower[i]] = kUpper[i];
            lower[kUpper[i]] = kLower[i];
        }
    }
};

const CaseTables& caseTables() {
    static const CaseTables tables;
    return tables;
}

// Collation weights of one byte after folding case: a primary weight (the letter)
// and a secondary weight (its accent). 'c' is special: followed by 'h' it is the
// letter "ch".
struct Weight {
    std::uint16_t primary = 0;
    std::uint8_t secondary = 0;
};

struct CollationTable {
    std::array<Weight, 256> weight{};
    std::uint16_t chPrimary = 0;
    // Each primary weight's rank among all primary weights, from 1: fewer than
    // 512, so that seven ranks fit into one 64-bit number.
    std::array<std::uint16_t, 512> rank{};

    CollationTable() {
        // Everything that is no letter or digit sorts first, by its byte value.
        for (int i = 0; i < 256; ++i) weight[i] = {static_cast<std::uint16_t>(1 + i), 0};
        for (int d = 0; d <= 9; ++d) weight['0' + d] = {static_cast<std::uint16_t>(300 + d), 0};

        // Primary letters in Czech alphabetical order; "ch" takes its place after h.
        const char* alphabet[] = {"a", "b", "c", "\xE8", "d", "e", "f", "g", "h", "ch", "i",
                                  "j", "k", "l", "m", "n", "o", "p", "q", "r", "\xF8", "s",
                                  "\x9A", "t", "u", "v", "w", "x", "y", "z", "\x9E"};
        std::uint16_t next = 400;
        for (const char* letter : alphabet) {
            const std::string_view l(letter);
            if (l == "ch") {
                chPrimary = next;
            } else {
                const auto c = static_cast<unsigned char>(l[0]);
                weight[c] = {next, 0};
            }
            next += 2;
        }
        // Accented letters that are not letters of their own: base letter + accent rank.
        struct Accent {
            unsigned char letter;
            char base;
            std::uint8_t rank;
        };
        const Accent accents[] = {
            {0xE1, 'a', 1}, {0xE4, 'a', 2}, {0xE2, 'a', 3}, {0xE3, 'a', 4}, {0xB9, 'a', 5},
            {0xE6, 'c', 1}, {0xE7, 'c', 2}, {0xEF, 'd', 1}, {0xF0, 'd', 2},
            {0xE9, 'e', 1}, {0xEC, 'e', 2}, {0xEB, 'e', 3}, {0xEA, 'e', 4},
            {0xED, 'i', 1}, {0xEE, 'i', 2}, {0xE5, 'l', 1}, {0xBE, 'l', 2}, {0xB3, 'l', 3},
            {0xF2, 'n', 1}, {0xF1, 'n', 2}, {0xF3, 'o', 1}, {0xF4, 'o', 2}, {0xF6, 'o', 3},
            {0xF5, 'o', 4}, {0xE0, 'r', 1}, {0x9C, 's', 1}, {0xBA, 's', 2}, {0xDF, 's', 3},
            {0x9D, 't', 1}, {0xFE, 't', 2}, {0xFA, 'u', 1}, {0xF9, 'u', 2}, {0xFC, 'u', 3},
            {0xFB, 'u', 4}, {0xFD, 'y', 1}, {0x9F, 'z', 1}, {0xBF, 'z', 2},
        };
        for (const Accent& a : accents)
            weight[a.letter] = {weight[static_cast<unsigned char>(a.base)].primary, a.rank};

        rank[chPrimary] = 1;
        for (const Weight& w : weight) rank[w.primary] = 1;
        std::uint16_t ranked = 0;
        for (std::uint16_t& r : rank)
            if (r != 0) r = ++ranked;
    }
};

const CollationTable& collation() {
    static const CollationTable table;
    return table;
}

// Full case fold for ordering (covers the Central European letters beyond Czech too).
unsigned char foldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A: case 0x8C: case 0x8D: case 0x8E: case 0x8F: return static_cast<unsigned char>(c + 0x10);
        case 0xA3: return 0xB3;
        case 0xA5: return 0xB9;
        case 0xAA: return 0xBA;
        case 0xAF: return 0xBF;
        case 0xBC: return 0xBE;
        default: break;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7 && c != 0xDF) return static_cast<unsigned char>(c + 0x20);
    return c;
}

// Walks a text letter by letter, "ch" counting as one letter.
class LetterCursor {
public:
    explicit LetterCursor(std::string_view text) : text_(text) {}
    bool next(Weight& out) {
        if (pos_ >= text_.size()) return false;
        const CollationTable& table = collation();
        const unsigned char c = foldCase(static_cast<unsigned char>(text_[pos_++]));
        if (c == 'c' && pos_ < text_.size() && foldCase(static_cast<unsigned char>(text_[pos_])) == 'h') {
            ++pos_;
            out = {table.chPrimary, 0};
            return true;
        }
        out = table.weight[c];
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

template <typename Field>
int compareBy(std::string_view a, std::string_view b, Field field) {
    LetterCursor ca(a), cb(b);
    Weight wa, wb;
    for (;;) {
        const bool ha = ca.next(wa);
        const bool hb = cb.next(wb);
        if (!ha || !hb) return ha ? 1 : (hb ? -1 : 0);
        const int fa = field(wa), fb = field(wb);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
}

// The ranks of the primary weights of the first seven letters, 9 bits each,
// the first letter highest; 0 for letters past the end. Where two texts'
// numbers differ, their primary weights differ within those letters, and so
// czechCompare orders them as the numbers do.
std::uint64_t primaryPrefix(std::string_view text) {
    constexpr int kLetters = 7;
    const CollationTable& table = collation();
    LetterCursor cursor(text);
    Weight w;
    std::uint64_t prefix = 0;
    for (int i = 0; i < kLetters; ++i) prefix = prefix << 9 | (cursor.next(w) ? table.rank[w.primary] : 0u);
    return prefix;
}

}  // namespace

unsigned char czechUpperChar(unsigned char c) { return caseTables().upper[c]; }
unsigned char czechLowerChar(unsigned char c) { return caseTables().lower[c]; }

std::string czechUpperCase(std::string_view text) {
    std::string out(text);
    for (char& ch : out) ch = static_cast<char>(czechUpperChar(static_cast<unsigned char>(ch)));
    return out;
}

std::string czechLowerCase(std::string_view text) {
    std::string out(text);
    for (char& ch : out) ch = static_cast<char>(czechLowerChar(static_cast<unsigned char>(ch)));
    return out;
}

int czechCompare(std::string_view a, std::string_view b) {
    if (const int primary = compareBy(a, b, [](const Weight& w) { return int{w.primary}; }))
        return primary;
    return compareBy(a, b, [](const Weight& w) { return int{w.secondary}; });
}

void sortCzechThenBytes(std::vector<std::string>& texts) {
    struct Entry {
        std::uint64_t prefix;
        std::uint32_t index;
    };
    std::vector<Entry> entries;
    entries.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        entries.push_back({primaryPrefix(texts[i]), static_cast<std::uint32_t>(i)});
    std::sort(entries.begin(), entries.end(), [&texts](const Entry& a, const Entry& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        const std::string& textA = texts[a.index];
        const std::string& textB = texts[b.index];
        return textA != textB && CzechThenBytesLess{}(textA, textB);
    });
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const Entry& entry : entries) sorted.push_back(std::move(texts[entry.index]));
    texts = std::move(sorted);
}

void joinDigraphs(std::string_view text, char placeholder, std::string& out) {
    out.clear();
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("ch", from)) != std::string_view::npos; from = at + 2) {
        out.append(text.substr(from, at - from));
        out += placeholder;
    }
    out.append(text.substr(from));
}

std::string joinDigraphs(std::string_view text, char placeholder) {
    std::string out;
    joinDigraphs(text, placeholder, out);
    return out;
}

std::size_t letterUnitCount(std::string_view text, bool chAsOneLetter) {
    std::size_t count = text.size();
    if (!chAsOneLetter) return count;
    // Two occurrences of "ch" never overlap, so each one found saves a byte.
    for (std::size_t at = text.find("ch"); at != std::string_view::npos; at = text.find("ch", at + 2)) --count;
    return count;
}
