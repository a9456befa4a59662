#include "platform/ui/background.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

// The work waits for a timer of the GUI thread: it can only fire when the
// windows' event loop keeps running while the work runs.
TEST(RunInBackground, KeepsTheEventLoopRunningAndReturnsWhenDone) {
    std::atomic<bool> timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    const auto gui = std::this_thread::get_id();
    std::thread::id workerThread;
    bool sawTimer = false;
    runInBackground([&] {
        workerThread = std::this_thread::get_id();
        for (int i = 0; i < 1000 && !timerFired; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        sawTimer = timerFired;
    });
    EXPECT_NE(workerThread, gui);
    EXPECT_TRUE(sawTimer);
}

TEST(RunInBackground, PassesOnWhatTheWorkThrows) {
    EXPECT_THROW(runInBackground([] { throw std::runtime_error("broken"); }), std::runtime_error);
    bool ran = false;
    runInBackground([&] { ran = true; });  // quick work right after: no leftover quit
    EXPECT_TRUE(ran);
}

}  // namespace
