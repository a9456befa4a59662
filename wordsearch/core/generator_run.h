#pragma once
// The generator thread of a word-search window: one OsmGenerator run at a time
// on a worker thread, reporting through the window's GeneratorListener.
//
// How the window drives it (all calls from the window's thread):
//   - start:   Tosm::start with a setup made from the window (first run); a
//              refusal (TableFull) leaves nothing running.
//   - pause:   requestStop(); the run ends after the step it is in. The window
//              takes its paused state at once.
//   - resume:  stop() (waits for the paused run's thread to end; it never waits
//              for the window), then apply every report of that run still queued
//              on the window's side, then copy the grid and start again with
//              firstRun = false.
//   - order:   setRandomOrder(); the running run reads it at its next pick.
//   - cancel and close: stop(), then apply or drop the queued reports. The
//              destructor stops and waits as well, so a window that owns its Tosm
//              can never outlive the thread that reports to it.
// The worker never waits for the window: the listener only hands reports over.

#include "platform/core/random.h"
#include "wordsearch/core/generator.h"

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// The table of generator runs shared by all word-search windows: 100 entries,
// numbered 1 to 100; 0 stands for "no run". An entry is taken when a run
// starts and given back when its thread ends.
class GeneratorTable {
public:
    static constexpr int kSize = 100;

    int acquire();  // the lowest free entry, or 0 when all are in use
    void release(int slot);
    int inUse() const;

private:
    mutable std::mutex mutex_;
    std::array<bool, kSize + 1> used_{};
};

// The table of the running program.
GeneratorTable& generatorTable();

class Tosm {
public:
    // A restart of a run that keeps failing does not begin sooner than this
    // after the pass before it began.
    static constexpr std::chrono::milliseconds kMinimumPassTime{10};

    // `listener` and `random` must outlive this object.
    explicit Tosm(GeneratorListener& listener, RandomSource& random = programRandom(),
                  GeneratorTable& table = generatorTable());
    ~Tosm();  // stops the run and waits for its thread
    Tosm(const Tosm&) = delete;
    Tosm& operator=(const Tosm&) = delete;

    enum class StartResult { Started, TableFull };

    // Ends a run still going first (stop()), then takes a table entry and
    // starts the new run. TableFull: all entries are in use; nothing started.
    StartResult start(GeneratorSetup setup);

    // Asks the run to stop and returns at once.
    void requestStop();
    // Asks the run to stop and waits until its thread has ended.
    void stop();
    // "Vkládání" changed: the running run reads it at its next pick.
    void setRandomOrder(bool randomOrder);

    // True from start until the run's thread has ended.
    bool running() const;
    // The table entry of the run started last (1..100), 0 if none was started.
    int generatorSlot() const { return slot_; }
    // How the last run ended, once its thread has ended.
    std::optional<GeneratorOutcome> outcome() const;

private:
    struct Run;

    GeneratorListener& listener_;
    RandomSource& random_;
    GeneratorTable& table_;
    std::unique_ptr<Run> run_;
    int slot_ = 0;
};
