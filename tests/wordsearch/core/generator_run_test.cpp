// The generator thread: start, pause and resume, order switch, cancel, close,
// the run table, and runs that stop themselves. Every wait here waits for an
// event, never for time.

#include "generator_fixtures.h"
#include "platform/core/czech.h"
#include "wordsearch/core/generator_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace {

// Holds the worker inside a report until the test lets it go on.
class Gate {
public:
    void arriveAndWait() {
        std::unique_lock lock(mutex_);
        reached_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
    }
    void waitUntilReached() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return reached_; });
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool reached_ = false;
    bool released_ = false;
};

GeneratorSetup puzzle(int side, std::uint32_t seed) {
    GeneratorSetup setup = gridSetup(side, side, {{2, 2}, {side, 1}});
    setup.words = madeUpPool(seed, side * side * 4, 7);
    setup.secretPhrase = "tajenka";
    setup.onFailure = OnFailure::Restart;
    setup.preferEmptyCells = true;  // as shipped: these grids then fill in a pass or two
    return setup;
}

// The window's grid as a resumed run starts from it.
GeneratorSetup resumedFrom(const GeneratorSetup& first, const WindowModel& window) {
    GeneratorSetup setup = first;
    setup.cells = window.cells;
    setup.placedWords = window.listBox;
    setup.firstRun = false;
    return setup;
}

void expectFull(const GeneratorSetup& setup, const WindowModel& window) {
    EXPECT_TRUE(window.finished);
    EXPECT_TRUE(window.conflicts.empty());
    for (int col = 1; col <= setup.cols; ++col) {
        for (int row = 1; row <= setup.rows; ++row) {
            EXPECT_FALSE(window.cells.at(col, row).text.empty()) << col << "," << row;
            EXPECT_EQ(window.cells.at(col, row).text == "@", setup.cells.at(col, row).text == "@");
        }
    }
}

}  // namespace

TEST(GeneratorRun, RunsToTheEndOnItsThreadAndGivesItsTableEntryBack) {
    GeneratorTable table;
    const GeneratorSetup setup = puzzle(9, 1);
    WindowModel window(setup);
    LinearRandom random(1);
    Tosm run(window, random, table);
    ASSERT_EQ(run.start(setup), Tosm::StartResult::Started);
    EXPECT_EQ(run.generatorSlot(), 1);
    ASSERT_TRUE(window.wait([](const WindowModel& w) { return w.finished; }));
    run.stop();
    EXPECT_FALSE(run.running());
    EXPECT_EQ(run.outcome(), GeneratorOutcome::Completed);
    EXPECT_EQ(table.inUse(), 0);
    ASSERT_GE(window.statuses.size(), 3u);
    EXPECT_EQ(window.statuses[0], cp("Vkládám první slovo..."));
    EXPECT_EQ(window.statuses[1], cp("Vkládám tajenku..."));
    EXPECT_EQ(window.statuses[2], cp("Vyhledávám vhodná slova..."));
    expectFull(setup, window);
}

TEST(GeneratorRun, PausedRunResumesOnTheSameGridAndFinishesIt) {
    GeneratorTable table;
    const GeneratorSetup setup = puzzle(10, 3);
    WindowModel window(setup);
    Gate gate;
    int words = 0;
    window.afterReport = [&](const std::string& name) {
        if (name == "word" && ++words == 3) gate.arriveAndWait();
    };
    LinearRandom random(2);
    Tosm run(window, random, table);
    ASSERT_EQ(run.start(setup), Tosm::StartResult::Started);
    gate.waitUntilReached();
    run.requestStop();  // the pause button; it does not wait
    gate.release();
    run.stop();  // resume first waits for the paused run
    EXPECT_EQ(run.outcome(), GeneratorOutcome::Stopped);
    window.afterReport = nullptr;
    EXPECT_EQ(window.listBox.size(), 3u);
    EXPECT_FALSE(window.finished);

    WsCells atPause = window.cells;
    ASSERT_EQ(run.start(resumedFrom(setup, window)), Tosm::StartResult::Started);
    ASSERT_TRUE(window.wait([](const WindowModel& w) { return w.finished || w.clearings > 0; }));
    run.stop();
    ASSERT_EQ(window.clearings, 0) << "the resumed run gave up and started over";
    expectFull(setup, window);
    EXPECT_EQ(window.statuses.back(), cp("Vyhledávám vhodná slova..."));
    // The letters and the red phrase cells of the paused grid stay where they were.
    for (int col = 1; col <= setup.cols; ++col) {
        for (int row = 1; row <= setup.rows; ++row) {
            const WsCell& before = atPause.at(col, row);
            if (before.text.empty()) continue;
            EXPECT_EQ(window.cells.at(col, row).text, czechUpperCase(before.text));
            EXPECT_EQ(window.cells.at(col, row).red, before.red);
        }
    }
}

TEST(GeneratorRun, AlphabeticalOrderTakesEffectAtTheNextPick) {
    GeneratorTable table;
    GeneratorSetup setup = puzzle(10, 3);
    setup.onFailure = OnFailure::Stop;
    WindowModel window(setup);
    Gate gate;
    window.afterReport = [&](const std::string& name) {
        if (name == "word" && window.listBox.size() == 1) gate.arriveAndWait();
    };
    LinearRandom random(3);
    Tosm run(window, random, table);
    ASSERT_EQ(run.start(setup), Tosm::StartResult::Started);
    gate.waitUntilReached();  // the first word is placed; the word loop has not begun
    run.setRandomOrder(false);
    gate.release();
    ASSERT_TRUE(window.wait([](const WindowModel& w) { return w.finished || w.failed; }));
    run.stop();
    ASSERT_GE(window.listBox.size(), 4u);
    std::vector<std::ptrdiff_t> positions;
    for (std::size_t i = 1; i < window.listBox.size(); ++i) {
        positions.push_back(std::find(setup.words.begin(), setup.words.end(), window.listBox[i]) - setup.words.begin());
    }
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
}

// A run that can never finish, ended by cancel (stop) or by closing the window
// (destroying its Tosm); either returns only after the worker has ended.
TEST(GeneratorRun, CancelAndCloseEndARunThatRestartsForEver) {
    GeneratorSetup setup = gridSetup(3, 3);
    setup.words = {"ab", "cd"};
    setup.secretPhrase = "lesik";  // more letters than cells off the last column and row
    setup.onFailure = OnFailure::Restart;
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "close" : "cancel");
        GeneratorTable table;
        WindowModel window(setup);
        LinearRandom random(4);
        {
            Tosm run(window, random, table);
            ASSERT_EQ(run.start(setup), Tosm::StartResult::Started);
            ASSERT_TRUE(window.wait([](const WindowModel& w) { return w.clearings >= 2; }));
            if (!close) {
                run.stop();
                EXPECT_FALSE(run.running());
                EXPECT_EQ(run.outcome(), GeneratorOutcome::Stopped);
            }
        }
        // The worker gives its table entry back as the very last thing it does.
        EXPECT_EQ(table.inUse(), 0);
        EXPECT_FALSE(window.finished || window.failed || window.paused);
    }
}

TEST(GeneratorRun, ItsOwnPauseAndTheUsersPauseDoNotLockEachOther) {
    GeneratorTable table;
    // (3,3) has no visible neighbour: no word ever fills it. The words'
    // letters are as many as the free cells.
    GeneratorSetup setup = gridSetup(3, 3, {{2, 2}, {2, 3}, {3, 2}});
    setup.words = {"abc", "def"};
    setup.onFailure = OnFailure::Pause;
    LinearRandom random(6);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        WindowModel window(setup);
        Tosm run(window, random, table);
        ASSERT_EQ(run.start(setup), Tosm::StartResult::Started);
        run.requestStop();  // races with the run pausing itself
        run.stop();
        const auto outcome = run.outcome();
        ASSERT_TRUE(outcome.has_value());
        EXPECT_TRUE(*outcome == GeneratorOutcome::Stopped || *outcome == GeneratorOutcome::PausedOnFailure);
        EXPECT_EQ(window.paused, *outcome == GeneratorOutcome::PausedOnFailure);
        EXPECT_EQ(table.inUse(), 0);
    }
}

TEST(GeneratorRun, AFullTableRefusesToStart) {
    GeneratorTable table;
    for (int i = 0; i < GeneratorTable::kSize; ++i) ASSERT_EQ(table.acquire(), i + 1);
    const GeneratorSetup setup = puzzle(6, 7);
    WindowModel window(setup);
    LinearRandom random(7);
    Tosm run(window, random, table);
    EXPECT_EQ(run.start(setup), Tosm::StartResult::TableFull);
    EXPECT_EQ(run.generatorSlot(), 0);
    EXPECT_FALSE(run.running());
    EXPECT_EQ(window.reportCount(), 0);

    table.release(37);
    ASSERT_EQ(run.start(setup), Tosm::StartResult::Started);
    EXPECT_EQ(run.generatorSlot(), 37);
    run.stop();
    EXPECT_EQ(table.inUse(), GeneratorTable::kSize - 1);
}

TEST(GeneratorRun, TwoWindowsGenerateAtOnceWithoutTouchingEachOther) {
    GeneratorTable table;
    const GeneratorSetup setupA = puzzle(9, 8);
    const GeneratorSetup setupB = puzzle(12, 9);
    WindowModel windowA(setupA);
    WindowModel windowB(setupB);
    // Run A's first report holds its worker, and so its table entry, until run
    // B has started: both runs are under way at once however the threads are
    // scheduled.
    Gate bStarted;
    bool firstReportOfA = true;  // touched by A's worker only
    windowA.afterReport = [&](const std::string&) {
        if (std::exchange(firstReportOfA, false)) bStarted.arriveAndWait();
    };
    LinearRandom random(8);  // one generator for the program, drawn from by both threads
    Tosm runA(windowA, random, table);
    Tosm runB(windowB, random, table);
    // Declared after the runs, so a failed assertion lets A go before they join.
    struct ReleaseOnExit {
        Gate& gate;
        ~ReleaseOnExit() { gate.release(); }
    } releaseA{bStarted};
    ASSERT_EQ(runA.start(setupA), Tosm::StartResult::Started);
    ASSERT_EQ(runB.start(setupB), Tosm::StartResult::Started);
    bStarted.release();
    EXPECT_EQ(runA.generatorSlot(), 1);
    EXPECT_EQ(runB.generatorSlot(), 2);
    ASSERT_TRUE(windowA.wait([](const WindowModel& w) { return w.finished; }));
    ASSERT_TRUE(windowB.wait([](const WindowModel& w) { return w.finished; }));
    runA.stop();
    runB.stop();
    windowA.afterReport = nullptr;
    expectFull(setupA, windowA);
    expectFull(setupB, windowB);
    EXPECT_EQ(table.inUse(), 0);
}
