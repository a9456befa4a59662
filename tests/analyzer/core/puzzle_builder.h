#pragma once
// Small puzzles for the analyzer's tests.

#include "analyzer/core/puzzle.h"

#include <initializer_list>
#include <string>
#include <vector>

// A puzzle from rows of cell texts.
inline analyzer::Puzzle puzzleOf(const std::vector<std::vector<std::string>>& rows, std::vector<std::string> words,
                                 std::string phrase = "", bool fromFile = true) {
    analyzer::Puzzle puzzle = analyzer::Puzzle::blank(rows.empty() ? 0 : static_cast<int>(rows[0].size()),
                                                      static_cast<int>(rows.size()));
    for (int row = 1; row <= puzzle.height; ++row)
        for (int column = 1; column <= puzzle.width; ++column)
            puzzle.cell(column, row) = rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
    puzzle.words = std::move(words);
    puzzle.solutionPhrase = std::move(phrase);
    puzzle.loadedFromFile = fromFile;
    return puzzle;
}

// A puzzle whose every cell is one character of the row strings.
inline analyzer::Puzzle letterPuzzle(std::initializer_list<std::string> rows, std::vector<std::string> words,
                                     std::string phrase = "", bool fromFile = true) {
    std::vector<std::vector<std::string>> cells;
    for (const std::string& row : rows) {
        cells.emplace_back();
        for (const char c : row) cells.back().push_back(std::string(1, c));
    }
    return puzzleOf(cells, std::move(words), std::move(phrase), fromFile);
}
