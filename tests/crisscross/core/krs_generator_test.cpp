// Number generation: the runs, the draws, the three tests before the first
// draw, the search that takes over from whole fills, the repeat check and
// the worker. Draws are scripted or seeded; every wait waits for the
// worker's result, never for time.

#include "crisscross/core/krs_document.h"
#include "crisscross/core/krs_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <initializer_list>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace {

// A grid drawn as text, one string a row: '.' a free cell, '#' a blocked
// cell, any other character a cell holding that character.
CrissCrossSetup grid(const std::vector<std::string>& rows, bool oneDigit = false, bool repeats = false) {
    CrissCrossSetup setup;
    setup.rows = static_cast<int>(rows.size());
    setup.columns = static_cast<int>(rows.front().size());
    for (const std::string& row : rows)
        for (const char c : row) setup.cells.push_back(c == '.' ? "" : c == '#' ? "@" : std::string(1, c));
    setup.allowOneDigitNumbers = oneDigit;
    setup.repeatAllowed = repeats;
    return setup;
}

CrissCrossFill fillOf(const CrissCrossSetup& setup) {
    return CrissCrossFill(setup.columns, setup.rows, setup.cells, setup.allowOneDigitNumbers);
}

// The rows given, each followed by a blocked row; `times` copies of `repeated` first.
std::vector<std::string> stacked(const std::string& repeated, int times, std::vector<std::string> more = {}) {
    std::vector<std::string> rows;
    for (int i = 0; i < times; ++i) more.insert(more.begin(), repeated);
    for (const std::string& row : more) {
        rows.push_back(row);
        rows.push_back(std::string(row.size(), '#'));
    }
    return rows;
}

// Whether no two numbers are equal (the list sorted).
bool allDiffer(std::vector<std::string> numbers) {
    sortNumbers(numbers);
    return std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
}

// Hands out the draws it was given, then zeros; counts every draw. Each draw
// is one of ten digits unless `anyRange` (the search draws among the digits
// a cell has not tried yet). A test can wait until a run has drawn a
// number of times or has ended.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> draws = {}, bool anyRange = false)
        : draws_(draws.begin(), draws.end()), anyRange_(anyRange) {}
    int random(int n) override {
        std::lock_guard lock(mutex_);
        ++count_;
        changed_.notify_all();
        EXPECT_TRUE(anyRange_ || n == 10) << n;
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
    bool anyRange_;
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
            setup.drawnAttempts = 1;
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
        ScriptedRandom random({1, 2, 3, 4, 5, 6});
        const CrissCrossResult result = generateCrissCross(c.setup, random, goOn);
        EXPECT_EQ(result.outcome, CrissCrossOutcome::completed);
        EXPECT_EQ(result.repeatsAllowedAfterAll, c.forced);
    }
}

TEST(CrissCrossCounting, RunsThatOutnumberTheirNumbersAreCaughtBeforeAnyDraw) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        bool caught;
    };
    const Case cases[] = {
        {"eleven runs 5?5", stacked("5.5", 11), true},
        {"ten runs 5?5", stacked("5.5", 10), false},
        {"ten runs 5? and a fixed 55", stacked("5.", 10, {"55"}), true},
        {"nine runs 5?, a run ?5 and a fixed 55", stacked("5.", 9, {".5", "55"}), false},
        {"ten runs 5?5 and two runs 55?", stacked("5.5", 10, {"55.", "55."}), false},
        {"ten runs 5?5, a run 55? and a fixed 555", stacked("5.5", 10, {"55.", "555"}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CrissCrossSetup setup = grid(c.rows);
        CrissCrossFill fill = fillOf(setup);
        EXPECT_FALSE(fill.feasibilityTrips());
        EXPECT_FALSE(fill.runsForcedEqual());
        EXPECT_EQ(fill.runsOutnumberTheirNumbers(), c.caught);

        LinearRandom random(3);
        const CrissCrossResult result = generateCrissCross(setup, random, goOn);
        ASSERT_EQ(result.outcome, CrissCrossOutcome::completed);
        EXPECT_EQ(result.repeatsAllowedAfterAll, c.caught);
        EXPECT_EQ(result.attempts == 1 && !result.searched, c.caught) << "caught before the first draw";
        EXPECT_EQ(allDiffer(result.numbers), !c.caught);
    }
}

// Grids whose whole fills almost never give numbers that differ: the search
// finds them, every seed a fill of its own, fixed digits kept.
TEST(CrissCrossSearch, GridsWhoseWholeFillsRarelyDifferGetNumbersThatDiffer) {
    std::vector<std::string> columnAndPair;  // column 1 of rows 1-10 and columns 4-5 of all 20 rows
    for (int row = 1; row <= 20; ++row) columnAndPair.push_back(row <= 10 ? ".##.." : "###..");
    std::vector<std::string> withDigits = columnAndPair;
    withDigits[0][3] = '3';
    withDigits[4][0] = '7';
    withDigits[19][4] = '0';
    struct Case {
        const char* name;
        CrissCrossSetup setup;
    };
    const Case cases[] = {
        {"5 x 20, ten one-digit runs and twenty of two digits", grid(columnAndPair, true)},
        {"the same with three digits fixed", grid(withDigits, true)},
        {"ten one-digit runs", grid({"..........", "##########"}, true)},
        {"ten runs 5?5", grid(stacked("5.5", 10))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::set<std::vector<std::string>> fills;
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            LinearRandom random(seed);
            const CrissCrossResult result = generateCrissCross(c.setup, random, goOn);
            ASSERT_EQ(result.outcome, CrissCrossOutcome::completed) << "seed " << seed;
            EXPECT_FALSE(result.repeatsAllowedAfterAll) << "seed " << seed;
            EXPECT_TRUE(allDiffer(result.numbers)) << "seed " << seed;
            for (std::size_t i = 0; i < c.setup.cells.size(); ++i) {
                if (!c.setup.cells[i].empty()) {
                    EXPECT_EQ(result.cells[i], c.setup.cells[i]) << "cell " << i;
                }
            }
            fills.insert(result.cells);
        }
        EXPECT_EQ(fills.size(), 6u);
    }
}

// Gives the digits of a number, lowest first, one per draw.
class DigitsOf : public RandomSource {
public:
    explicit DigitsOf(long long value) : value_(value) {}
    int random(int) override {
        const int digit = static_cast<int>(value_ % 10);
        value_ /= 10;
        return digit;
    }

private:
    long long value_;
};

// On small grids every fill can be tried: the search finds numbers that
// differ exactly when one of them has them.
TEST(CrissCrossSearch, FindsNumbersThatDifferExactlyWhenSomeFillHasThem) {
    LinearRandom shapes(31);
    LinearRandom draws(8);
    int found = 0;
    int none = 0;
    for (int puzzle = 0; puzzle < 1000; ++puzzle) {
        const int columns = 1 + shapes.random(6);
        const int rows = 1 + shapes.random(6);
        std::vector<std::string> cells;
        int freeCells = 0;
        for (int i = 0; i < columns * rows; ++i) {
            const int kind = shapes.random(10);
            const bool free = kind >= 7 && freeCells < 4;
            freeCells += free ? 1 : 0;
            const int digit = shapes.random(2) == 0 ? 5 : shapes.random(10);
            cells.push_back(free ? "" : kind < 3 ? "@" : std::string(1, static_cast<char>('0' + digit)));
        }
        const bool oneDigit = shapes.random(2) == 1;
        CrissCrossFill every(columns, rows, cells, oneDigit);
        bool exists = false;
        long long fillCount = 1;
        for (int i = 0; i < freeCells; ++i) fillCount *= 10;
        for (long long value = 0; value < fillCount && !exists; ++value) {
            DigitsOf digits(value);
            every.draw(digits);
            exists = !every.hasRepeat();
        }

        CrissCrossFill fill(columns, rows, cells, oneDigit);
        long long steps = 0;
        const CrissCrossFill::SearchEnd end = fill.searchDistinct(draws, goOn, steps);
        ASSERT_EQ(end == CrissCrossFill::SearchEnd::found, exists) << "puzzle " << puzzle;
        ASSERT_NE(end, CrissCrossFill::SearchEnd::stopped);
        if (!exists) {
            ++none;
            continue;
        }
        ++found;
        EXPECT_FALSE(fill.hasRepeat()) << "puzzle " << puzzle;
        const std::vector<std::string> filled = fill.cells();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].empty()) {
                EXPECT_TRUE(filled[i].size() == 1 && std::isdigit(static_cast<unsigned char>(filled[i][0])));
            } else {
                EXPECT_EQ(filled[i], cells[i]);
            }
        }
    }
    EXPECT_GT(found, 100);
    EXPECT_GT(none, 50);
}

// When every digit fails at a cell, the search goes back to the latest cell
// of the runs that stood in the way, and that cell answers for them as well.
TEST(CrissCrossSearch, StepsBackToTheCellsThatStoodInTheWay) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;  // 'a' to 'c' free cells
        std::vector<int> picks;
        std::string digits;  // of the free cells, in reading order
    };
    const Case cases[] = {
        // a = 1 leaves c nothing but the fixed runs 10 to 19.
        {"past a cell of its own run",
         stacked("ac", 1, {"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"}), {1}, "00"},
        // a and c take 7, 8 or 9 (runs "5?"), b 8 or 9 (a run "66?"), and the
        // column "bc" none of 88, 89, 98, 99. With a = 7, c fails for b = 8 and
        // b = 9; b, whose own runs never meet a's, then goes back to a for c.
        {"over a cell that fails for another's sake",
         {"#5a", "###", "66b", "#5c", "###", "50#", "51#", "52#", "53#", "54#", "55#", "56#", "88#", "89#", "98#",
          "99#", "660", "661", "662", "663", "664", "665", "666", "667"},
         {7}, "887"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> rows = c.rows;
        std::vector<std::size_t> freePlaces;
        for (std::string& row : rows)
            for (char& cell : row)
                if (cell >= 'a' && cell <= 'c') cell = '.';
        const CrissCrossSetup setup = grid(rows);
        for (std::size_t i = 0; i < setup.cells.size(); ++i)
            if (setup.cells[i].empty()) freePlaces.push_back(i);
        CrissCrossFill fill = fillOf(setup);
        ScriptedRandom picks(c.picks, true);
        long long steps = 0;
        ASSERT_EQ(fill.searchDistinct(picks, goOn, steps), CrissCrossFill::SearchEnd::found);
        std::string digits;
        for (const std::size_t i : freePlaces) digits += fill.cells()[i];
        EXPECT_EQ(digits, c.digits);
        EXPECT_FALSE(fill.hasRepeat());
    }
}

TEST(CrissCrossSearch, TheStopFlagEndsASearch) {
    // Eleven runs "5?5": the search would try every way to give ten digits to them.
    CrissCrossFill fill = fillOf(grid(stacked("5.5", 11)));
    LinearRandom random(1);
    const std::atomic<bool> stopNow{true};
    long long steps = 0;
    EXPECT_EQ(fill.searchDistinct(random, stopNow, steps), CrissCrossFill::SearchEnd::stopped);
    EXPECT_EQ(steps, 256);
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
    setup.drawnAttempts = 1LL << 60;  // every draw 0: only the stop ends it
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

TEST(CrissCrossDigitKey, OneLinePerDigitInUseTheLastEndingInAFullStop) {
    DigitTable abc = {"a", "b", "c", " ", " ", " ", " ", " ", " ", " "};
    DigitKey lines;
    lines[3] = "old";
    EXPECT_EQ(buildDigitKey("abc", abc, lines), 2);
    EXPECT_EQ(lines[0], "0 = a, ");
    EXPECT_EQ(lines[1], "1 = b, ");
    EXPECT_EQ(lines[2], "2 = c.");
    EXPECT_EQ(lines[3], "old") << "lines after the last stay";

    DigitTable gaps = {" ", "", "x", " ", " ", " ", " ", " ", " ", "ch"};
    EXPECT_EQ(buildDigitKey("xch", gaps, lines), 1);
    EXPECT_EQ(lines[0], "2 = x, ");
    EXPECT_EQ(lines[1], "9 = ch.");

    // No digit in use, or no phrase: no digit key, and nothing written.
    DigitKey untouched = lines;
    DigitTable blank;
    blank.fill(" ");
    EXPECT_EQ(buildDigitKey("abc", blank, lines), -1);
    EXPECT_EQ(buildDigitKey("", abc, lines), -1);
    EXPECT_EQ(lines, untouched);
}
