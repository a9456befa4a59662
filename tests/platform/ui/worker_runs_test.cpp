#include "platform/ui/worker_runs.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

TEST(WorkerRuns, OnlyWhatTheCurrentRunReportsReachesTheWindowInOrder) {
    QObject window;
    std::vector<int> delivered;
    WorkerRuns<int> runs(&window, [&](std::vector<int>& batch) {
        delivered.insert(delivered.end(), batch.begin(), batch.end());
    });
    const int first = runs.begin();
    EXPECT_TRUE(runs.running());
    std::thread worker([&] {
        for (int i = 1; i <= 1000; ++i) runs.send(first, i);
    });
    worker.join();
    EXPECT_TRUE(delivered.empty()) << "only on the window's thread";
    QCoreApplication::sendPostedEvents(&window);
    std::vector<int> expected;
    for (int i = 1; i <= 1000; ++i) expected.push_back(i);
    EXPECT_EQ(delivered, expected);

    // An ended run is cut off: what it reports still, or reported before it ended, goes nowhere.
    runs.send(first, 1001);
    runs.end();
    EXPECT_FALSE(runs.running());
    runs.send(first, 1002);
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_EQ(delivered.size(), 1000u);

    // The next run has a number of its own.
    const int second = runs.begin();
    EXPECT_NE(second, first);
    runs.send(first, -1);
    runs.send(second, 7);
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_EQ(delivered.back(), 7);
    EXPECT_EQ(delivered.size(), 1001u);
}

TEST(WorkerRuns, AWindowThatGoesBeforeItsReportsAreTakenIsNeverCalled) {
    auto window = std::make_unique<QObject>();
    bool called = false;
    {
        WorkerRuns<int> runs(window.get(), [&](std::vector<int>&) { called = true; });
        runs.send(runs.begin(), 1);
        window.reset();
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(called);
}
