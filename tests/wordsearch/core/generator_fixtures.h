#pragma once
// Helpers for the generator tests: random sources that record or script their
// draws, and a listener that keeps the window's side of a run (labels, red
// shapes, placed-word list, state) the way the word-search window applies it.

#include "platform/core/random.h"
#include "support/core/cp1250_text.h"
#include "wordsearch/core/generator.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// Passes every draw on to another source and keeps (n, value) of each.
class RecordingRandom final : public RandomSource {
public:
    explicit RecordingRandom(RandomSource& inner) : inner_(inner) {}
    int random(int n) override {
        const int value = inner_.random(n);
        draws.emplace_back(n, value);
        return value;
    }
    std::vector<std::pair<int, int>> draws;

private:
    RandomSource& inner_;
};

// Gives the scripted values in order and keeps the n of each draw. When the
// script runs out it asks the run to stop and answers 0, so a test with a short
// script ends instead of drawing for ever.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom(std::vector<int> values, GeneratorControl& control)
        : values_(std::move(values)), control_(control) {}
    int random(int n) override;
    std::vector<int> asked;  // n of every draw
    bool ranOut = false;

private:
    std::vector<int> values_;
    std::size_t next_ = 0;
    GeneratorControl& control_;
};

struct Placement {
    std::string word;
    std::vector<CellText> cells;
};

// The window as the reports leave it. Safe to read from another thread through
// wait() and the locked accessors; plain fields only after the run has ended.
class WindowModel final : public GeneratorListener {
public:
    explicit WindowModel(const GeneratorSetup& setup);

    void statusChanged(const std::string& text) override;
    void wordPlaced(const std::string& word, const std::vector<CellText>& cells) override;
    void secretPhrasePlaced(const std::vector<CellText>& cells) override;
    void lettersCleared() override;
    void pausedOnFailure() override;
    void reportFailure() override;
    void wordsTooFew(std::int64_t letters, int cells) override;
    void finishGeneration(const std::vector<CellText>& upperCasedCells) override;

    // Waits until `ready` holds (checked under the lock after every report);
    // false if that took longer than a minute, which only a hung run does.
    bool wait(const std::function<bool(const WindowModel&)>& ready);
    int reportCount() const;

    // Called after each report is applied, on the reporting thread, with the
    // report's name ("status", "word", "phrase", "cleared", "paused", "failed",
    // "too few", "finished").
    std::function<void(const std::string&)> afterReport;

    int cols;
    int rows;
    WsCells cells;
    std::vector<std::string> listBox;     // `ListBox1`, in the order the words came
    std::vector<Placement> placements;    // words of the current pass
    std::vector<std::string> statuses;
    std::vector<std::string> log;         // every report with its details, for comparing runs
    std::vector<std::string> conflicts;   // a word written over another letter, a red or a hidden cell
    int clearings = 0;
    bool paused = false;
    bool failed = false;
    bool finished = false;
    std::int64_t tooFewLetters = -1;  // the counts of wordsTooFew, -1 until reported
    int tooFewCells = -1;

private:
    void reported(const std::string& name);
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int reports_ = 0;
};

// An empty grid of the given size with the listed cells hidden.
GeneratorSetup gridSetup(int cols, int rows, const std::vector<std::pair<int, int>>& hidden = {});

// Deterministic made-up words over a small alphabet (with "c" and "h", so the
// digraph turns up), lengths 2 to maxLength, in the pool's order.
std::vector<std::string> madeUpPool(std::uint32_t seed, int count, int maxLength);

// The text of a placed word as its cells show it ("ch" in one cell when `chAsOneLetter`).
std::vector<std::string> cellTextsOf(const std::string& word, bool chAsOneLetter);
