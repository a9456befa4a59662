#include "analyzer/ui/progress_form.h"

#include "platform/core/random.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace analyzer {

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Analyzování"));
    setWindowModality(Qt::ApplicationModal);

    Label1 = new QLabel(QStringLiteral("Analyzuji osmisměrku"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    Button1 = new QPushButton(QStringLiteral("Stornovat"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);

    progressTimer_.setInterval(50);
    connect(&progressTimer_, &QTimer::timeout, this, &TForm2::showProgress);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    layout->addWidget(ProgressBar1);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

TForm2::~TForm2() { stopCheck(); }

bool TForm2::startCheck(std::shared_ptr<const Puzzle> puzzle, AnalysisOptions options) {
    if (busy_ || worker_.joinable()) return false;
    busy_ = true;
    checkFinished_ = false;
    const unsigned run = ++run_;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    progress_ = std::make_shared<std::atomic<int>>(0);

    // With no words there is nothing to count; the bar then just fills at the end.
    const int maximum = analysisProgressMaximum(*puzzle);
    ProgressBar1->setRange(0, std::max(maximum, 1));
    ProgressBar1->setValue(0);

    if (QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();  // modal to the whole program, yet the caller goes on at once
    progressTimer_.start();

    worker_ = std::jthread([this, run, puzzle = std::move(puzzle), options, cancel = cancel_, progress = progress_] {
        std::optional<AnalysisResult> result = runAnalysis(*puzzle, options, programRandom(), *cancel, progress.get());
        QMetaObject::invokeMethod(
            this, [this, run, result = std::move(result)]() mutable { workerReturned(run, std::move(result)); },
            Qt::QueuedConnection);
    });
    return true;
}

void TForm2::showProgress() {
    if (progress_) ProgressBar1->setValue(std::min(progress_->load(std::memory_order_relaxed), ProgressBar1->maximum()));
}

void TForm2::workerReturned(unsigned run, std::optional<AnalysisResult> result) {
    if (run != run_) return;  // a run that was stopped: it shows nothing
    if (worker_.joinable()) worker_.join();
    progressTimer_.stop();
    checkFinished_ = true;
    // Cancelled, also when "Stornovat" came after the worker's last word but
    // before its outcome got here: the dialog closes and nothing is shown.
    if (!result || cancel_->load()) {
        closeDialog();
        return;
    }
    ProgressBar1->setValue(ProgressBar1->maximum());
    Timer1->start();
    emit checkDone(*result);
}

void TForm2::Button1Click() {
    if (cancel_) cancel_->store(true);
    if (checkFinished_) closeDialog();
}

void TForm2::Timer1Timer() {
    Timer1->stop();
    if (checkFinished_) Button1->click();
}

void TForm2::reject() { Button1Click(); }

void TForm2::closeDialog() {
    Timer1->stop();
    progressTimer_.stop();
    if (!busy_) return;
    busy_ = false;
    done(QDialog::Accepted);
}

void TForm2::stopCheck() {
    if (worker_.joinable()) {
        cancel_->store(true);
        worker_.join();
    }
    ++run_;
    checkFinished_ = true;
    closeDialog();
}

}  // namespace analyzer
