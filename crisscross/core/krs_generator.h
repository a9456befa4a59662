#pragma once
// Number generation of a criss-cross: every empty playable cell gets a random
// digit, every horizontal and vertical run of playable cells is a number, and
// the fill is drawn again until the numbers differ (unless equal numbers are
// allowed); the numbers then go into the list sorted.
//
// A number is the text of one run: the texts of consecutive playable cells of
// a row (left to right) or a column (top to bottom); rows come first, then
// columns. A run of one character counts only when one-digit numbers are
// allowed, and then a cell alone in its row and in its column is two numbers.
//
// An attempt draws one digit for every free cell, in reading order (rows
// outer), from the RandomSource; cells that hold a text keep it in every
// attempt. The runs are found once per generation.
//
// Before the first draw three tests decide whether the numbers can differ at
// all; when one says no, the generation goes on with equal numbers allowed
// (and the window tells the user once):
//   - more numbers of one length L than 10 × L (20 for two digits);
//   - two runs forced equal: the same cells and fixed texts at every place;
//   - some runs of one length can take fewer different numbers between them
//     than there are runs (eleven runs "5?5", say).
// When numbers must differ and a number of attempts still gave equal ones,
// a search takes over: it gives the free cells digits one by one in reading
// order, each drawn at random from the digits not tried there yet, and
// steps back when a run completed equals another. It finds numbers that
// differ whenever there are any; when it has tried everything, equal numbers
// are allowed as after the tests above.

#include "platform/core/random.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// The grid of one generation and its runs, ready for attempt after attempt.
class CrissCrossFill {
public:
    // `cells`: columns × rows texts, rows outer: "@" a blocked cell, "" a
    // free cell, anything else a fixed text.
    CrissCrossFill(int columns, int rows, std::vector<std::string> cells, bool allowOneDigitNumbers);

    int runCount() const { return static_cast<int>(runs_.size()); }

    // Some length has more numbers than 10 × L (20 for two digits) allow.
    bool feasibilityTrips() const;
    // Two runs are bound to give the same number whatever is drawn.
    bool runsForcedEqual() const;
    // Some runs of one length can take fewer different numbers between them
    // than there are runs, counting each run's fixed texts but not the free
    // cells it shares with other runs.
    bool runsOutnumberTheirNumbers() const;

    // One attempt: a digit from random(10) for every free cell, in reading order.
    void draw(RandomSource& random);
    // Whether two numbers of the current fill are equal.
    bool hasRepeat();

    enum class SearchEnd { found, none, stopped };
    // Digits for the free cells, in reading order, so that all numbers
    // differ: each cell draws from the digits it has not tried yet (random(10)
    // first, then random(9) and so on), and when none is left the search goes
    // back to the latest cell of the runs that stood in its way. `found`
    // leaves the fill in place; `none` means no fill has numbers that all
    // differ. `stop` is read every few hundred steps; `steps` counts the digits
    // tried.
    SearchEnd searchDistinct(RandomSource& random, const std::atomic<bool>& stop, long long& steps);

    // The numbers of the current fill, in the order of the runs (free cells
    // not drawn yet read as "?").
    std::vector<std::string> numbers() const;
    // The cell texts of the current fill, rows outer.
    std::vector<std::string> cells() const;

private:
    struct Run {
        int start = 0;      // in text_
        int length = 0;     // characters
        int direction = 0;  // 0 a row, 1 a column
        int firstFree = 0;  // its free cells: runFree_[firstFree, firstFree + freeCount)
        int freeCount = 0;
    };
    struct FreeCell {
        int cell = 0;                  // index into cells_
        int places[2] = {-1, -1};      // where its digit stands in text_ (row run, column run)
        int runs[2] = {-1, -1};        // the runs it belongs to (row, column)
        char digit = '?';              // the digit drawn last
    };
    std::string_view runText(const Run& run) const {
        return std::string_view(text_).substr(static_cast<std::size_t>(run.start), static_cast<std::size_t>(run.length));
    }
    // The i-th free cell of a run (an index into freeCells_).
    std::size_t freeCellOf(const Run& run, int i) const {
        return static_cast<std::size_t>(runFree_[static_cast<std::size_t>(run.firstFree + i)]);
    }
    void setDigit(FreeCell& cell, char digit);

    int columns_;
    int rows_;
    std::vector<std::string> cells_;
    std::vector<Run> runs_;
    std::vector<int> runFree_;             // the free cells of every run, run after run
    std::vector<std::string> forcedKeys_;  // per run: its fixed texts and free cells, in order
    std::string text_;                     // the texts of all runs, one after the other
    std::vector<FreeCell> freeCells_;      // reading order
    // The repeat test: an open-addressing table of run numbers, emptied by
    // raising the stamp.
    std::vector<std::int32_t> slotRun_;
    std::vector<std::uint32_t> slotStamp_;
    std::uint32_t stamp_ = 0;
};

struct CrissCrossSetup {
    // The whole fills drawn, when numbers must differ, before the search takes
    // over. Drawn whole, every fill whose numbers differ is as likely as any
    // other; most grids get one within a few draws, and a 40 × 40 grid draws a
    // hundred in a few milliseconds (bench/crisscross.cpp).
    static constexpr long long defaultDrawnAttempts = 100;

    int columns = 0;
    int rows = 0;
    std::vector<std::string> cells;  // rows outer: "@" blocked, "" free, else fixed
    bool allowOneDigitNumbers = false;
    bool repeatAllowed = false;
    long long drawnAttempts = defaultDrawnAttempts;
};

enum class CrissCrossOutcome {
    completed,
    stopped,  // the stop flag was raised: nothing to apply
    failed,   // the generation itself failed (memory): nothing to apply
};

struct CrissCrossResult {
    CrissCrossOutcome outcome = CrissCrossOutcome::stopped;
    // The numbers could not all differ, so equal ones were allowed after all.
    bool repeatsAllowedAfterAll = false;
    long long attempts = 0;     // whole fills drawn
    bool searched = false;      // the search took over
    long long searchSteps = 0;  // digits the search tried
    std::vector<std::string> cells;    // completed: the filled texts, rows outer
    std::vector<std::string> numbers;  // completed: sorted (numberLess)
};

// One whole generation; `stop` is read before every attempt and every few
// hundred steps of the search.
CrissCrossResult generateCrissCross(const CrissCrossSetup& setup, RandomSource& random,
                                    const std::atomic<bool>& stop);

// One generation at a time on a worker thread. `done` receives the result on
// the worker thread (also after a stop) and must only hand it over. The
// destructor stops the run and waits for its thread.
class CrissCrossWorker {
public:
    using Done = std::function<void(CrissCrossResult)>;

    explicit CrissCrossWorker(RandomSource& random);
    ~CrissCrossWorker();
    CrissCrossWorker(const CrissCrossWorker&) = delete;
    CrissCrossWorker& operator=(const CrissCrossWorker&) = delete;

    // Ends a run still going first (stop()).
    void start(CrissCrossSetup setup, Done done);
    // Asks the run to stop and returns at once.
    void requestStop();
    // Asks the run to stop and waits until its thread has ended.
    void stop();
    // True from start until the run's thread has ended.
    bool running() const;

private:
    struct Run;
    RandomSource& random_;
    std::unique_ptr<Run> run_;
};
