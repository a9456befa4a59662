// Number generation: the runs, the draws, the two tests before the first
// draw, the attempt limit, the repeat check and the worker. Draws are
// scripted; every wait waits for the worker's result, never for time.

#include "crisscross/core/krs_document.h"
#include "crisscross/core/krs_generator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

namespace {

// A grid drawn as text, one string a row: '.' a free cell, '#' a blocked
// cell, any other character a cell holding that character.
CrissCrossSetup grid(std::initializer_list<std::string> rows, bool oneDigit = false, bool repeats = false) {
    CrissCrossSetup setup;
    setup.rows = static_cast<int>(rows.size());
    setup.columns = static_cast<int>(rows.begin()->size());
    for (const std::string& row : rows)
        for (const char c : row) setup.cells.push_back(c == '.' ? "" : c == '#' ? "@" : std::string(1, c));
    setup.allowOneDigitNumbers = oneDigit;
    setup.repeatAllowed = repeats;
    return setup;
}

CrissCrossFill fillOf(const CrissCrossSetup& setup) {
    return CrissCrossFill(setup.columns, setup.rows, setup.cells, setup.allowOneDigitNumbers);
}

// Hands out the draws it was given, then zeros; counts every draw. A test
// can wait until a run has drawn a number of times or has ended.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> draws = {}) : draws_(draws.begin(), draws.end()) {}
    int random(int n) override {
        std::lock_guard lock(mutex_);
        ++count_;
        changed_.notify_all();
        EXPECT_EQ(n, 10);
        if (draws_.empty()) return 0;
        const int value = draws_.front();
        draws_.pop_front();
        return value;
    }
    int count() {
        std::lock_guard lock(mutex_);
        return count_;
    }
    // The run drawing from this source handed over its result.
    void runEnded() {
        std::lock_guard lock(mutex_);
        ended_ = true;
        changed_.notify_all();
    }
    // Waits until `draws` draws were made or the run ended; true when the run
    // is still going after that many draws.
    bool drawsWhileRunning(int draws) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return count_ >= draws || ended_; });
        return !ended_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<int> draws_;
    int count_ = 0;
    bool ended_ = false;
};

const std::atomic<bool> goOn{false};

// Rows of "..#..#.." between blocked rows: three two-digit runs a row and
// no column runs (one-digit numbers off).
CrissCrossSetup twoDigitRuns(int count) {
    CrissCrossSetup setup;
    setup.columns = 8;
    for (int made = 0; made < count; made += 3) {
        const int here = std::min(3, count - made);
        const std::string row = here == 3 ? "..#..#.." : here == 2 ? "..#..###" : "..######";
        for (const char c : row + "########") setup.cells.push_back(c == '.' ? "" : "@");
        setup.rows += 2;
    }
    return setup;
}

}  // namespace

TEST(CrissCrossRuns, RowsComeFirstAndOneDigitRunsCountOnlyWhenAllowed) {
    struct Case {
        const char* name;
        CrissCrossSetup setup;
        std::vector<std::string> numbers;
    };
    const Case cases[] = {
        {"a full 2 x 2", grid({"ab", "cd"}), {"ab", "cd", "ac", "bd"}},
        {"a lone cell, one digit off", grid({"5#", "##"}), {}},
        {"a lone cell, one digit on: in its row and its column", grid({"5#", "##"}, true), {"5", "5"}},
        {"blocked cells split a run", grid({"12#3", "#45#"}, true), {"12", "3", "45", "1", "24", "5", "3"}},
        {"free cells read as not drawn", grid({"1.", "##"}), {"1?"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fillOf(c.setup).numbers(), c.numbers);
    }
}

TEST(CrissCrossDraws, OneDrawPerFreeCellInReadingOrderAndFixedDigitsStay) {
    // Column 2 of row 1 holds 7, column 3 of row 2 is blocked.
    CrissCrossSetup setup = grid({".7.", "..#"}, false, true);
    ScriptedRandom random({1, 2, 3, 4});
    const CrissCrossResult result = generateCrissCross(setup, random, goOn);
    ASSERT_EQ(result.outcome, CrissCrossOutcome::completed);
    EXPECT_EQ(random.count(), 4);
    EXPECT_EQ(result.attempts, 1);
    EXPECT_EQ(result.cells, (std::vector<std::string>{"1", "7", "2", "3", "4", "@"}));
    EXPECT_EQ(result.numbers, (std::vector<std::string>{"13", "34", "74", "172"})) << "sorted";
}

TEST(CrissCrossDraws, NumbersThatRepeatAreDrawnAgain) {
    // The first attempt gives 11, 11, 11, 11; the second 12, 34, 13, 24.
    ScriptedRandom random({1, 1, 1, 1, 1, 2, 3, 4});
    const CrissCrossResult result = generateCrissCross(grid({"..", ".."}), random, goOn);
    ASSERT_EQ(result.outcome, CrissCrossOutcome::completed);
    EXPECT_EQ(result.attempts, 2);
    EXPECT_FALSE(result.repeatsAllowedAfterAll);
    EXPECT_EQ(result.cells, (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(result.numbers, (std::vector<std::string>{"12", "13", "24", "34"}));

    // With repeats allowed the first attempt stands.
    ScriptedRandom again({1, 1, 1, 1});
    const CrissCrossResult repeated = generateCrissCross(grid({"..", ".."}, false, true), again, goOn);
    EXPECT_EQ(repeated.attempts, 1);
    EXPECT_EQ(repeated.numbers, (std::vector<std::string>{"11", "11", "11", "11"}));
}

TEST(CrissCrossFeasibility, MoreNumbersOfALengthThanItHoldsAllowRepeatsAtOnce) {
    CrissCrossSetup eleven;
    eleven.columns = 11;
    eleven.rows = 1;
    eleven.cells.assign(11, "");
    eleven.allowOneDigitNumbers = true;
    CrissCrossSetup ten = eleven;
    ten.columns = 10;
    ten.cells.assign(10, "");
    struct Case {
        const char* name;
        CrissCrossSetup setup;
        bool trips;
    };
    const Case cases[] = {
        {"21 two-digit runs", twoDigitRuns(21), true},
        {"20 two-digit runs", twoDigitRuns(20), false},
        {"11 one-digit numbers", eleven, true},
        {"10 one-digit numbers", ten, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fillOf(c.setup).feasibilityTrips(), c.trips);
        if (!c.trips) continue;
        // Every draw 0: all numbers equal, which the no-repeat action takes
        // in its first attempt with the message; the repeat action says nothing.
        for (const bool repeats : {false, true}) {
            CrissCrossSetup setup = c.setup;
            setup.repeatAllowed = repeats;
            setup.maxAttempts = 1;
            ScriptedRandom random;
            const CrissCrossResult result = generateCrissCross(setup, random, goOn);
            EXPECT_EQ(result.outcome, CrissCrossOutcome::completed);
            EXPECT_EQ(result.attempts, 1);
            EXPECT_EQ(result.repeatsAllowedAfterAll, !repeats);
        }
    }
}

TEST(CrissCrossForcedRuns, RunsBoundToBeEqualAreCaughtBeforeAnyDraw) {
    struct Case {
        const char* name;
        CrissCrossSetup setup;
        bool forced;
    };
    const Case cases[] = {
        {"a lone free cell counted twice", grid({".#", "##"}, true), true},
        {"equal fixed runs", grid({"12#12", "#####"}), true},
        {"a filled grid generated again", grid({"11", "11"}), true},
        {"runs 5?5 with free cells of their own", grid({"5.5#5.5", "#######"}), false},
        {"runs 5? with free cells of their own", grid({"5.#5.", "#####"}), false},
        {"a free cell in two runs at other places", grid({"..", ".#"}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fillOf(c.setup).runsForcedEqual(), c.forced);
        CrissCrossSetup setup = c.setup;
        setup.maxAttempts = c.forced ? 1 : setup.maxAttempts;
        ScriptedRandom random({1, 2, 3, 4, 5, 6});
        const CrissCrossResult result = generateCrissCross(setup, random, goOn);
        EXPECT_EQ(result.outcome, CrissCrossOutcome::completed);
        EXPECT_EQ(result.repeatsAllowedAfterAll, c.forced);
    }
}

TEST(CrissCrossAttempts, NumbersThatCannotDifferEndAtTheLimitWithNothingFilled) {
    // Eleven runs "5?5" with their own free middles: ten digits cannot make
    // them differ, and neither test before the draws sees it.
    CrissCrossSetup setup;
    setup.columns = 3;
    for (int i = 0; i < 11; ++i) {
        for (const char* cell : {"5", "", "5", "@", "@", "@"}) setup.cells.push_back(cell);
        setup.rows += 2;
    }
    setup.maxAttempts = 40;
    CrissCrossFill fill = fillOf(setup);
    EXPECT_FALSE(fill.feasibilityTrips());
    EXPECT_FALSE(fill.runsForcedEqual());

    LinearRandom random(7);
    const CrissCrossResult result = generateCrissCross(setup, random, goOn);
    EXPECT_EQ(result.outcome, CrissCrossOutcome::attemptsExhausted);
    EXPECT_EQ(result.attempts, 40);
    EXPECT_TRUE(result.cells.empty());
    EXPECT_TRUE(result.numbers.empty());
}

TEST(CrissCrossRepeatCheck, AgreesWithComparingEveryPairOnRandomFills) {
    LinearRandom shapes(2024);
    LinearRandom draws(99);
    int repeats = 0;
    int distinct = 0;
    for (int puzzle = 0; puzzle < 300; ++puzzle) {
        const int columns = 2 + shapes.random(5);
        const int rows = 2 + shapes.random(5);
        std::vector<std::string> cells;
        for (int i = 0; i < columns * rows; ++i) {
            const int kind = shapes.random(10);
            cells.push_back(kind < 2 ? "@" : kind < 4 ? std::string(1, static_cast<char>('0' + shapes.random(10))) : "");
        }
        CrissCrossFill fill(columns, rows, cells, shapes.random(2) == 1);
        for (int attempt = 0; attempt < 20; ++attempt) {
            fill.draw(draws);
            const std::vector<std::string> numbers = fill.numbers();
            bool pairwise = false;
            for (std::size_t i = 1; i < numbers.size() && !pairwise; ++i)
                for (std::size_t j = 0; j < i && !pairwise; ++j) pairwise = numbers[i] == numbers[j];
            ASSERT_EQ(fill.hasRepeat(), pairwise) << "puzzle " << puzzle << ", attempt " << attempt;
            ++(pairwise ? repeats : distinct);
        }
    }
    EXPECT_GT(repeats, 100);
    EXPECT_GT(distinct, 100);
}

TEST(CrissCrossWorker, TheStopFlagEndsARunAndTheResultSaysSo) {
    CrissCrossSetup setup = grid({"..", ".."});
    setup.maxAttempts = 1LL << 60;  // every draw 0: only the stop ends it
    ScriptedRandom random;

    std::atomic<bool> stopNow{true};
    EXPECT_EQ(generateCrissCross(setup, random, stopNow).outcome, CrissCrossOutcome::stopped);
    EXPECT_EQ(random.count(), 0);

    std::promise<CrissCrossResult> delivered;
    std::future<CrissCrossResult> handedOver = delivered.get_future();
    {
        CrissCrossWorker worker(random);
        worker.start(setup, [&](CrissCrossResult result) {
            delivered.set_value(std::move(result));
            random.runEnded();
        });
        ASSERT_TRUE(random.drawsWhileRunning(100)) << "the run ended before it was stopped";
        EXPECT_TRUE(worker.running());
        worker.stop();
        EXPECT_FALSE(worker.running());
    }
    // The run's thread has ended: its result is there or never comes.
    ASSERT_EQ(handedOver.wait_for(std::chrono::seconds(0)), std::future_status::ready) << "no result handed over";
    const CrissCrossResult result = handedOver.get();
    EXPECT_EQ(result.outcome, CrissCrossOutcome::stopped);
    EXPECT_GT(result.attempts, 0);
    EXPECT_TRUE(result.cells.empty());
}

TEST(CrissCrossWorker, ACompletedRunHandsOverItsResult) {
    ScriptedRandom random({1, 2, 3, 4});
    std::promise<CrissCrossResult> delivered;
    CrissCrossWorker worker(random);
    worker.start(grid({"..", ".."}), [&](CrissCrossResult result) { delivered.set_value(std::move(result)); });
    const CrissCrossResult result = delivered.get_future().get();
    EXPECT_EQ(result.outcome, CrissCrossOutcome::completed);
    EXPECT_EQ(result.numbers, (std::vector<std::string>{"12", "13", "24", "34"}));
}

TEST(CrissCrossNumbers, ShorterFirstThenByBytes) {
    std::vector<std::string> numbers = {"310", "12", "7", "305", "12", "0"};
    sortNumbers(numbers);
    EXPECT_EQ(numbers, (std::vector<std::string>{"0", "7", "12", "12", "305", "310"}));
}

TEST(CrissCrossKey, OneLinePerDigitInUseTheLastEndingInAFullStop) {
    DigitTable abc = {"a", "b", "c", " ", " ", " ", " ", " ", " ", " "};
    LegendLines lines;
    lines[3] = "old";
    EXPECT_EQ(buildKeyLines("abc", abc, lines), 2);
    EXPECT_EQ(lines[0], "0 = a, ");
    EXPECT_EQ(lines[1], "1 = b, ");
    EXPECT_EQ(lines[2], "2 = c.");
    EXPECT_EQ(lines[3], "old") << "lines after the last stay";

    DigitTable gaps = {" ", "", "x", " ", " ", " ", " ", " ", " ", "ch"};
    EXPECT_EQ(buildKeyLines("xch", gaps, lines), 1);
    EXPECT_EQ(lines[0], "2 = x, ");
    EXPECT_EQ(lines[1], "9 = ch.");

    // No digit in use, or no phrase: no key, and nothing written.
    LegendLines untouched = lines;
    DigitTable blank;
    blank.fill(" ");
    EXPECT_EQ(buildKeyLines("abc", blank, lines), -1);
    EXPECT_EQ(buildKeyLines("", abc, lines), -1);
    EXPECT_EQ(lines, untouched);
}
