#pragma once
// "Analyzování": the dialog that runs a check and shows its progress.
//
// startCheck() shows the dialog (modal, without blocking the caller) and runs
// the check on a worker thread, on the dialog's own copy of the puzzle. The
// worker sets an atomic progress counter that the dialog shows, and hands its
// outcome back through a queued call. "Stornovat" (or closing the dialog)
// asks the worker to stop; the dialog closes as soon as the worker has
// returned, and a cancelled check reports nothing. A check that ran to its end
// is reported at once (checkDone) and leaves the full progress bar in view for
// about a second before the dialog closes by itself.

#include "analyzer/core/analysis.h"
#include "analyzer/core/puzzle.h"

#include <QDialog>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

namespace analyzer {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;  // stops and joins the worker

    // Shows the dialog and starts the check; false (and nothing happens) while
    // a check is still under way or the dialog is still open.
    bool startCheck(std::shared_ptr<const Puzzle> puzzle, AnalysisOptions options);

    // True from startCheck until the dialog has closed again.
    bool busy() const { return busy_; }

    // Stops a running worker and waits for it; nothing of that run is reported.
    // The dialog closes.
    void stopCheck();

    void Button1Click();
    void Timer1Timer();

    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QPushButton* Button1;
    QTimer* Timer1;

signals:
    // A check ran to its end.
    void checkDone(const analyzer::AnalysisResult& result);

public slots:
    void reject() override;  // the close box and Escape act as "Stornovat"

private:
    void workerReturned(unsigned run, std::optional<AnalysisResult> result);
    void closeDialog();
    void showProgress();

    std::jthread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::shared_ptr<std::atomic<int>> progress_;
    unsigned run_ = 0;         // numbers the runs, so a late report of a stopped run is dropped
    bool busy_ = false;
    bool checkFinished_ = false;  // the worker of the current run has returned
    QTimer progressTimer_;
};

}  // namespace analyzer
