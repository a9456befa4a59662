#pragma once
// A plain transcription of the word-search generator, kept only to check the
// real one: string cells, linear scans, the cell finders and the direction
// procedures exactly as the algorithm states them, nothing cached. Whether the
// finished puzzle reads every listed word once is asked of the whole grid,
// through the search the analyzer uses, after writing each placement tried.
// Given the same setup and the same draws it must report exactly what
// OsmGenerator reports.

#include "wordsearch/core/generator.h"
#include "wordsearch/core/reading.h"

#include <string>
#include <vector>

class ReferenceGenerator {
public:
    ReferenceGenerator(const GeneratorSetup& setup, RandomSource& random, GeneratorListener& listener,
                       GeneratorControl& control);
    GeneratorOutcome generate();

private:
    std::string& cell(int col, int row) { return copy_[col][row]; }
    bool isGridFull() const;
    bool isWordUnsuitable(const std::string& word) const;
    std::vector<reading::Letter> readingOfCells() const;
    bool readsLetterAt(int col, int row) const;
    bool mayLieOnce(const std::string& drawn) const;
    bool holdsNoListedWord(const std::string& drawn) const;
    bool readsCleanly(const std::string* current) const;
    bool acceptsWritten(int col, int row, int dx, int dy, const std::string& w, const std::string& drawn);
    bool findFirstEmptyCell();
    bool findNextEmptyCell();
    bool findFirstLetterCell(char letter);
    bool findNextLetterCell(char letter);
    bool advance();
    bool tryPlace(int dx, int dy, const std::string& word, const std::string& drawn, bool anchorCounts = false);
    bool tryOrder(const std::vector<std::pair<int, int>>& order, const std::string& word, const std::string& drawn,
                  bool anchorCounts = false);
    void placeWord(const std::string& drawn);
    bool tooFewLetters();
    bool firstWordCanFit() const;
    bool placeFirstWord();
    bool placeSecretPhrase();
    void protectSecretCells();
    void writeLetter(int col, int row, char letter);
    void addToList(const std::string& drawn, const std::vector<CellText>& cells);

    RandomSource& random_;
    GeneratorListener& listener_;
    GeneratorControl& control_;
    GeneratorSetup setup_;
    int cols_;
    int rows_;
    std::string copy_[maxGridSide + 1][maxGridSide + 1];
    WsCells labels_;
    std::vector<std::string> allWords_;
    std::vector<std::string> remainingWords_;
    std::vector<std::string> placedList_;
    int x_ = 0;
    int y_ = 0;
    int k_ = 0;
};
