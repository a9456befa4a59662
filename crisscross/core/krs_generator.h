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
// Before the first draw two tests decide whether the numbers can differ at
// all; when either says no, the generation goes on with equal numbers
// allowed (and the window tells the user once):
//   - more numbers of one length L than 10 × L (20 for two digits);
//   - two runs forced equal: the same cells and fixed texts at every place.
// Numbers that cannot differ for any other reason (eleven runs "5?5", say)
// end when the attempts run out, and nothing is filled.

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

    // One attempt: a digit from random(10) for every free cell, in reading order.
    void draw(RandomSource& random);
    // Whether two numbers of the current fill are equal.
    bool hasRepeat();

    // The numbers of the current fill, in the order of the runs (free cells
    // not drawn yet read as "?").
    std::vector<std::string> numbers() const;
    // The cell texts of the current fill, rows outer.
    std::vector<std::string> cells() const;

private:
    struct Run {
        int start = 0;   // in text_
        int length = 0;  // characters
    };
    struct FreeCell {
        int cell = 0;                  // index into cells_
        int places[2] = {-1, -1};      // where its digit stands in text_ (row run, column run)
        char digit = '?';              // the digit drawn last
    };
    std::string_view runText(const Run& run) const {
        return std::string_view(text_).substr(static_cast<std::size_t>(run.start), static_cast<std::size_t>(run.length));
    }

    int columns_;
    int rows_;
    std::vector<std::string> cells_;
    std::vector<Run> runs_;
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
    // The attempts a generation may take when numbers must differ: ten
    // one-digit numbers, the most that can differ, succeed within them 97
    // times in 100, and a 40 × 40 grid draws them in well under a fifth of
    // a second (bench/crisscross.cpp).
    static constexpr long long defaultMaxAttempts = 10000;

    int columns = 0;
    int rows = 0;
    std::vector<std::string> cells;  // rows outer: "@" blocked, "" free, else fixed
    bool allowOneDigitNumbers = false;
    bool repeatAllowed = false;
    long long maxAttempts = defaultMaxAttempts;
};

enum class CrissCrossOutcome {
    completed,
    stopped,            // the stop flag was raised: nothing to apply
    attemptsExhausted,  // no attempt gave numbers that differ: nothing to apply
    failed,             // the generation itself failed (memory): nothing to apply
};

struct CrissCrossResult {
    CrissCrossOutcome outcome = CrissCrossOutcome::stopped;
    // The numbers could not all differ, so equal ones were allowed after all.
    bool repeatsAllowedAfterAll = false;
    long long attempts = 0;
    std::vector<std::string> cells;    // completed: the filled texts, rows outer
    std::vector<std::string> numbers;  // completed: sorted (numberLess)
};

// One whole generation; `stop` is read before every attempt.
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
