#pragma once
// A plain implementation of the analyzer's check, written straight from its
// description, kept only to compare the real one against: cell and word texts
// with a marker character for CH, start cells found by rescanning the grid,
// every occurrence searched again in every pass. Given the same puzzle and the
// same draws it must list exactly what runAnalysis lists.

#include "analyzer/core/puzzle.h"
#include "platform/core/random.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The eight directions in the order the check tries them at a start cell, with
// the names its lists show (Windows-1250). Written out here, not taken from the
// analyzer, so that a direction moved or renamed there shows as a difference.
struct ReferenceDirection {
    int columnStep;
    int rowStep;
    std::string_view name;
};
inline constexpr std::array<ReferenceDirection, 8> kReferenceDirections{{
    {+1, 0, "vpravo"},
    {-1, 0, "vlevo"},
    {0, +1, "dol\xF9"},
    {0, -1, "nahoru"},
    {+1, +1, "1-3"},
    {-1, -1, "3-1"},
    {-1, +1, "2-4"},
    {+1, -1, "4-2"},
}};

// The byte that stands for the letter CH in the texts of the plain check. A
// puzzle holding this byte in a cell or word is outside what it can compare.
inline constexpr char kReferenceChMarker = '\xAE';

class ReferenceCheck {
public:
    // What a check lists, each entry as formatEntry writes it.
    struct Outcome {
        std::vector<std::string> found, notFound, duplicates, forward, backward, random;
        std::string remaining;
        bool matches = false;
    };

    // `puzzle` must outlive this object.
    ReferenceCheck(const analyzer::Puzzle& puzzle, bool chAsOneLetter);

    // The whole check; the random striking order draws one number per word.
    Outcome run(RandomSource& random);

private:
    struct Found {
        int column, row, direction;
    };

    std::string& cell(int column, int row);
    int& mark(int column, int row);
    std::string convert(std::string word) const;
    bool findNextStart(char letter);
    bool matches(const std::string& word, int column, int row, int direction);
    std::vector<Found> occurrences(const std::string& listed);
    static std::string entry(const std::string& word, const Found& found);
    void strike(const std::string& listed, std::vector<std::string>& extras);

    const analyzer::Puzzle& puzzle_;
    bool ch_;
    std::vector<std::string> work_;
    std::vector<int> marks_;
    int cursorColumn_ = 0, cursorRow_ = 1, startColumn_ = 1, startRow_ = 1;
};
