#pragma once
// The runs of a window's worker thread and what they report to the window.
//
// Each start makes a new run with a number of its own, the window's current
// run until it ends. A run reports from its worker thread: send() copies the
// report into a queue and returns at once, never waiting for the window. The
// window's thread takes the queue in batches and hands the window, in order,
// what the run current at that moment reported; what any other run reported
// is dropped. So ending a run (a pause, a cancel, closing the window) cuts it
// off at once, and nothing a stopped run still reports reaches the window.
// Should the window end the run while it works through a batch, it stops
// there (running() is false).
//
// The window stops and joins its worker before this object goes.

#include <QMetaObject>
#include <QObject>

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

template <class Report>
class WorkerRuns {
public:
    // `deliver` runs on `window`'s thread with each batch of the current run's reports.
    WorkerRuns(QObject* window, std::function<void(std::vector<Report>&)> deliver)
        : window_(window), deliver_(std::move(deliver)) {}
    WorkerRuns(const WorkerRuns&) = delete;
    WorkerRuns& operator=(const WorkerRuns&) = delete;

    // A new run, the current one from now on: its number, which its reports carry.
    int begin() { return current_ = ++counter_; }
    // No run is current any more.
    void end() { current_ = 0; }
    bool running() const { return current_ != 0; }

    // On the worker's thread: queues what run `run` reports for the window's thread.
    void send(int run, Report report) {
        {
            std::lock_guard lock(mutex_);
            queued_.emplace_back(run, std::move(report));
            if (drainQueued_) return;
            drainQueued_ = true;
        }
        QMetaObject::invokeMethod(window_, [this] { drain(); }, Qt::QueuedConnection);
    }

private:
    void drain() {
        std::vector<std::pair<int, Report>> taken;
        {
            std::lock_guard lock(mutex_);
            taken.swap(queued_);
            drainQueued_ = false;
        }
        std::vector<Report> batch;
        for (auto& [run, report] : taken)
            if (running() && run == current_) batch.push_back(std::move(report));
        if (!batch.empty()) deliver_(batch);
    }

    QObject* window_;
    std::function<void(std::vector<Report>&)> deliver_;
    // The window's thread only.
    int current_ = 0;  // 0: none
    int counter_ = 0;
    // Shared with the worker's thread.
    std::mutex mutex_;
    std::vector<std::pair<int, Report>> queued_;
    bool drainQueued_ = false;
};
