// The analyzer's reading of a word-search file, and the check of what it reads.
//
// - What reads is a puzzle within the analyzer's limits, and written back as a word-search
//   file it reads as the same puzzle.
// - Where the limits of both overlap, the analyzer and grilpad read a file alike.
// - The check of a read puzzle, with "ch" as one letter and without, runs through, answers only
//   occurrences that really lie in the grid, and lists exactly what the plain reference check
//   of the analyzer's tests lists, with the same random draws.

#include "analyzer/core/analysis.h"
#include "analyzer/core/puzzle.h"
#include "document/core/document_kinds.h"
#include "platform/core/random.h"
#include "tests/analyzer/core/reference_check.h"
#include "tests/fuzz/fuzz_check.h"
#include "wordsearch/core/osm_file.h"
#include "wordsearch/core/reading.h"

#include <algorithm>
#include <atomic>
#include <variant>

using namespace analyzer;

namespace {

constexpr std::size_t kMaxCheckedWordCells = 20000;

bool samePuzzle(const Puzzle& a, const Puzzle& b) {
    return a.width == b.width && a.height == b.height && a.cells == b.cells && a.words == b.words &&
           a.solutionPhrase == b.solutionPhrase && a.loadedFromFile == b.loadedFromFile;
}

// The puzzle as a word-search file: white cells, no processed phrase.
std::string puzzleBytes(const Puzzle& puzzle) {
    OsmDocument document = OsmDocument::blank(puzzle.width, puzzle.height);
    for (std::size_t i = 0; i < puzzle.cells.size(); ++i) document.cells[i].text = puzzle.cells[i];
    document.typedPhrase = puzzle.solutionPhrase;
    document.words = puzzle.words;
    return writtenBytes(osmLines(document));
}

void checkAgainstGrilpad(std::string_view bytes, const ReadResult<Puzzle>& read) {
    const OsmReadResult grilpad = parseOsm(bytes);
    const auto* document = std::get_if<OsmDocument>(&grilpad);
    const auto* puzzle = std::get_if<Puzzle>(&read);
    if (document && document->words.size() <= static_cast<std::size_t>(kMaxWords)) {
        fuzzCheck(puzzle != nullptr, "the analyzer refuses a file grilpad reads");
        std::vector<std::string> cells;
        for (const OsmCell& cell : document->cells) cells.push_back(cell.text);
        fuzzCheck(puzzle->width == document->columns && puzzle->height == document->rows && puzzle->cells == cells &&
                      puzzle->words == document->words,
                  "the analyzer reads another grid or other words than grilpad");
        fuzzCheck(puzzle->solutionPhrase.substr(0, kOsmMaxPhraseLength) == document->typedPhrase,
                  "the analyzer reads another phrase than grilpad");
    }
    if (puzzle && puzzle->width >= minGridSide && puzzle->width <= maxGridSide && puzzle->height >= minGridSide &&
        puzzle->height <= maxGridSide)
        fuzzCheck(document != nullptr, "grilpad refuses a file the analyzer reads with a grid it can hold");
}

// An occurrence covers exactly its word's letters, inside the grid.
void checkOccurrence(const Puzzle& puzzle, const Occurrence& occurrence, bool chAsOneLetter) {
    const std::vector<Letter> letters = convertWord(occurrence.word, chAsOneLetter);
    fuzzCheck(std::find(puzzle.words.begin(), puzzle.words.end(), occurrence.word) != puzzle.words.end(),
              "an occurrence of a word that is not listed");
    fuzzCheck(occurrence.letters == static_cast<int>(letters.size()) && !letters.empty(),
              "an occurrence covers another number of cells than its word has letters");
    std::size_t i = 0;
    for (const auto& [column, row] : occurrenceCells(occurrence)) {
        fuzzCheck(column >= 1 && column <= puzzle.width && row >= 1 && row <= puzzle.height,
                  "an occurrence runs out of the grid");
        fuzzCheck(convertCell(puzzle.cell(column, row), chAsOneLetter) == letters[i++],
                  "an occurrence covers a cell that does not hold its letter");
    }
}

void checkList(const Puzzle& puzzle, const EntryList& list, bool chAsOneLetter) {
    fuzzCheck(list.entries.size() == std::min(list.total, kMaxListEntries),
              "a result list keeps another number of entries than it counts, up to its limit");
    for (const Occurrence& occurrence : list.entries) checkOccurrence(puzzle, occurrence, chAsOneLetter);
}

std::vector<std::string> formatted(const std::vector<Occurrence>& list) {
    std::vector<std::string> lines;
    for (const Occurrence& occurrence : list) lines.push_back(formatEntry(occurrence));
    return lines;
}

// A result list keeps the first entries of the reference's list, up to its limit, and counts all.
bool listsAlike(const EntryList& list, const std::vector<std::string>& reference) {
    if (list.total != reference.size()) return false;
    return formatted(list.entries) ==
           std::vector<std::string>(reference.begin(), reference.begin() + static_cast<std::ptrdiff_t>(
                                                                             list.entries.size()));
}

bool holdsReferenceMarker(const Puzzle& puzzle) {
    auto holds = [](const std::string& text) { return text.find(kReferenceChMarker) != std::string::npos; };
    return std::any_of(puzzle.cells.begin(), puzzle.cells.end(), holds) ||
           std::any_of(puzzle.words.begin(), puzzle.words.end(), holds);
}

void compareWithReference(const Puzzle& puzzle, bool chAsOneLetter, const AnalysisResult& result,
                          const LinearRandom& random) {
    if (holdsReferenceMarker(puzzle)) return;
    LinearRandom referenceRandom;
    const ReferenceCheck::Outcome expected = ReferenceCheck(puzzle, chAsOneLetter).run(referenceRandom);
    fuzzCheck(formatted(result.found) == expected.found && result.notFound == expected.notFound,
              "the found or missing words differ from the plain check");
    fuzzCheck(listsAlike(result.duplicates, expected.duplicates), "the duplicates differ from the plain check");
    fuzzCheck(listsAlike(result.forwardExtras, expected.forward) &&
                  listsAlike(result.backwardExtras, expected.backward) &&
                  listsAlike(result.randomExtras, expected.random),
              "the extra words differ from the plain check");
    fuzzCheck(result.remainingLetters == expected.remaining && result.phraseMatches == expected.matches,
              "the leftover letters or the phrase differ from the plain check");
    fuzzCheck(random.state() == referenceRandom.state(), "the check drew other random numbers than the plain check");
}

void checkAnalysis(const Puzzle& puzzle, bool chAsOneLetter) {
    LinearRandom random;
    const std::atomic<bool> cancel{false};
    std::atomic<int> progress{-1};
    const auto result = runAnalysis(puzzle, AnalysisOptions{chAsOneLetter}, random, cancel, &progress);
    fuzzCheck(result.has_value(), "a check that was not cancelled answered nothing");
    if (!puzzle.isComplete()) {
        fuzzCheck(*result == AnalysisResult{} && progress.load() == 0, "an incomplete puzzle was checked");
        return;
    }
    fuzzCheck(progress.load() == analysisProgressMaximum(puzzle), "the progress of a finished check is not full");

    // Every listed word is found or missing, in list order.
    auto found = result->found.begin();
    auto missing = result->notFound.begin();
    for (const std::string& word : puzzle.words) {
        if (found != result->found.end() && found->word == word) ++found;
        else if (missing != result->notFound.end() && *missing == word) ++missing;
        else fuzzCheck(false, "a listed word is neither found nor missing in its place");
    }
    fuzzCheck(found == result->found.end() && missing == result->notFound.end(),
              "more words found or missing than listed");

    for (const Occurrence& occurrence : result->found) checkOccurrence(puzzle, occurrence, chAsOneLetter);
    checkList(puzzle, result->duplicates, chAsOneLetter);
    checkList(puzzle, result->forwardExtras, chAsOneLetter);
    checkList(puzzle, result->backwardExtras, chAsOneLetter);
    checkList(puzzle, result->randomExtras, chAsOneLetter);
    compareWithReference(puzzle, chAsOneLetter, *result, random);
}

}  // namespace

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const ReadResult<Puzzle> read = parseOsmPuzzle(bytes);
    checkAgainstGrilpad(bytes, read);
    if (const auto* error = std::get_if<FileError>(&read)) {
        checkRefusal(*error, bytes);
        return 0;
    }
    const Puzzle& puzzle = std::get<Puzzle>(read);
    fuzzCheck(puzzle.width >= 0 && puzzle.width <= kMaxPuzzleSize && puzzle.height >= 0 &&
                  puzzle.height <= kMaxPuzzleSize && puzzle.words.size() <= static_cast<std::size_t>(kMaxWords),
              "a puzzle outside the analyzer's limits was read");
    fuzzCheck(puzzle.cells.size() == static_cast<std::size_t>(puzzle.width * puzzle.height),
              "the cells do not match the grid size");
    fuzzCheck(std::all_of(puzzle.cells.begin(), puzzle.cells.end(),
                          [](const std::string& cell) { return isLetterCellText(cell, DigraphCase::anyCase); }),
              "a cell text no grid cell can hold was read");
    fuzzCheck(std::all_of(puzzle.words.begin(), puzzle.words.end(),
                          [&](const std::string& word) {
                              return reading::fewestCells(word) <= longestWord(puzzle.width, puzzle.height);
                          }),
              "a word longer than the grid was read");

    const ReadResult<Puzzle> again = parseOsmPuzzle(puzzleBytes(puzzle));
    const auto* reread = std::get_if<Puzzle>(&again);
    fuzzCheck(reread != nullptr, "the puzzle written as a word-search file does not read again");
    fuzzCheck(samePuzzle(*reread, puzzle), "the puzzle written as a word-search file reads as another puzzle");

    // The check's work grows with the words times the cells (a one-letter word lies eight times
    // on every cell of its letter, in each of five passes): a larger puzzle is only read, so
    // that every input stays quick (a 50 x 50 grid of one letter with 3,000 such words takes
    // half a minute under the sanitizers).
    if (puzzle.words.size() * puzzle.cells.size() > kMaxCheckedWordCells) return 0;
    checkAnalysis(puzzle, true);
    checkAnalysis(puzzle, false);
    return 0;
}
