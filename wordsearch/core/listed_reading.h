#pragma once
// What a word search the generator is filling will read once it is finished,
// as the analyzer reads it (wordsearch/core/reading.h): the listed words (the
// placed-word list) and every place where the grid reads one of them, kept up
// to date as words are written, so that a placement is judged by the cells it
// fills instead of by a search of the whole grid.
//
// The grid reads cleanly when
//  - every listed word lies at most once: a word that reads the same backwards
//    lies twice in its own cells, a word of one letter eight times in one cell;
//  - no listed word lies across a letter of the secret phrase, which a solver
//    must find left over;
//  - every word that lies somewhere has a cell that no other listed word
//    covers, so that no order of striking finds it struck already (an "extra"
//    word of the analyzer);
//  - no two listed words read alike (they would lie in the same cells).
//
// Cells are numbered as the generator numbers them, row * kStride + col, with a
// frame of cells that read nothing around the largest grid.

#include "document/core/document_kinds.h"
#include "wordsearch/core/reading.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class ListedReading {
public:
    using Letter = reading::Letter;
    static constexpr int kStride = maxGridSide + 2;
    static constexpr int kCellCount = kStride * kStride;

    explicit ListedReading(bool chAsOneLetter);

    // Forgets every listed word and every cell.
    void clear();
    // Adds a word of the list, as the list shows it ("ch" spelled out). Words
    // are listed before the cells are set.
    void list(std::string_view word);

    // Every cell reads nothing again; the listed words stay.
    void clearCells();
    // What a cell of the grid shows as a pass starts ("" empty, "@" hidden, a
    // letter, "ch", or whatever else the user typed), and whether it holds a
    // letter of the secret phrase.
    void setCell(int cell, std::string_view shown, bool phrase);
    // Finds every place where a listed word lies, from scratch. True when the
    // grid reads cleanly; the placements below assume it does.
    bool rescan();
    // Whether the cell reads a letter that a listed word could hold.
    bool readsLetter(int cell) const { return read_[static_cast<std::size_t>(cell)] != reading::kNoLetter; }

    // The word about to be placed: as drawn ("ch" spelled out) and as its
    // letters go into the cells ("#" for the digraph when it is one letter).
    void select(std::string_view drawn, std::string_view gridForm);
    // Whether the word can lie once anywhere: two letters at least, not the
    // same backwards, read as itself where its letters go, no listed word read
    // alike, and not read anywhere in the grid yet.
    bool currentMayLieOnce();
    // Whether no listed word lies inside the word, forwards or backwards: on a
    // line away from every letter the word then lies once and alone.
    bool currentHoldsNoListedWord() const;
    // Whether the grid still reads cleanly with the word's letters on its cells
    // from `start` in steps of `step` (the cells are empty or hold its letters).
    // Looks only at what can change: the places through the cells it fills.
    bool accepts(int start, int step);
    // The placement `accepts` took last is written: its cells read the word,
    // and the word is listed where it lies.
    void commit(int start, int step);

private:
    void forgetReadings();  // all that the cells taught, not the cells

    static constexpr int kCurrent = -2;  // the word being placed, not listed yet
    static constexpr std::array<int, 4> kLines = {1, kStride, kStride + 1, kStride - 1};

    struct Node {
        int forward = -1;   // the listed word that ends here
        int backward = -1;  // the listed word whose reverse ends here
    };
    struct Place {
        int id;
        int start;
        int step;
        int length;
    };

    // Child nodes by (node, letter), open addressing.
    class Edges {
    public:
        void clear();
        int find(int node, Letter letter) const;
        void insert(int node, Letter letter, int child);

    private:
        static std::uint64_t key(int node, Letter letter) {
            return static_cast<std::uint64_t>(node) << 9 | static_cast<std::uint64_t>(letter);
        }
        std::size_t slotOf(std::uint64_t key) const {
            return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 24) & (keys_.size() - 1);
        }
        std::vector<std::uint64_t> keys_;  // key + 1; 0 free
        std::vector<int> children_;
        std::size_t used_ = 0;
    };

    int idOf(const std::vector<Letter>& letters) const;
    int addWord(const std::vector<Letter>& letters);
    int insertPath(const std::vector<Letter>& letters, bool reversed);

    // Calls visit(id, length) for every listed word that lies from `start` in
    // steps of `step`, longer than `skip` cells; stops when visit answers false.
    template <class Visit>
    bool walkFrom(int start, int step, int skip, Visit&& visit) const;
    bool placesThrough(int cell, int step, int back);
    bool found(int id, int start, int step, int length);
    bool keepsOwnCells();
    void cover(int cell, int id);
    void noteAround(int cell);
    void noteLetter(int cell);
    bool readsSomewhere() const;

    static int pairIndex(Letter a, Letter b) { return a * (reading::kChLetter + 1) + b; }
    static int tripleIndex(Letter a, Letter b, Letter c) {
        const auto t = static_cast<std::uint32_t>((a * 257 + b) * 257 + c);
        return static_cast<int>((t * 0x9E3779B1u) >> 16);
    }

    bool chAsOneLetter_;
    bool hiddenMarkListed_ = false;  // a listed word holds "@", so hidden cells read it

    std::vector<Node> nodes_;
    Edges edges_;
    int deepest_ = 0;                // letters of the longest listed word
    std::vector<int> entries_;       // list entries reading as each word
    std::vector<int> lies_;          // places where each word lies
    std::vector<int> ownCells_;      // cells of each word that no other word covers

    std::array<Letter, kCellCount> read_{};
    std::array<bool, kCellCount> phrase_{};
    std::array<std::uint16_t, kCellCount> covered_{};
    std::array<int, kCellCount> coverXor_{};       // the ids covering a cell, xor-ed: the one when it is one
    std::array<std::uint8_t, kCellCount> pending_{};
    std::vector<std::vector<int>> cellsWith_;      // by letter
    std::vector<std::uint64_t> pairs_;             // neighbouring letters somewhere, both ways
    std::vector<std::uint64_t> triples_;           // three in a line somewhere (folded)

    std::vector<Letter> current_;
    bool currentReadsAsItself_ = false;
    std::vector<Place> places_;  // the new places of the last placement judged
    int currentLies_ = 0;
    int judgedStart_ = -1;
    int judgedStep_ = 0;
    std::vector<int> touched_;
    std::vector<std::pair<int, int>> lost_;  // (id, own cells lost)
};
