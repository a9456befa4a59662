#include "document/ui/grid_progress.h"

#include "platform/ui/desktop.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <new>

Twaitform::Twaitform(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("waitform"));
    // It only shows how far the work is: the window the user works in keeps
    // the activation and the keys.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setWindowTitle(QStringLiteral("Mindgrid!"));
    Label1 = new QLabel(QStringLiteral("Upravuji prostředí...."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimumWidth(260);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    setFixedSize(sizeHint());
    if (owner) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
}

GridProgress::~GridProgress() { close(); }

Twaitform* GridProgress::createWindow(QWidget* owner) { return new Twaitform(owner); }

QString progressWindowFailure() {
    return QStringLiteral("Chyba při otevírání okna pro ukazatel průběhu. Pravděpodobně není dostatek paměti.");
}

bool GridProgress::open(int) {
    try {
        window_ = createWindow(owner_);
    } catch (const std::bad_alloc&) {
        desktop::warning(owner_, progressWindowFailure());
        return false;
    }
    window_->ProgressBar1->setValue(0);
    window_->show();
    return true;
}

void GridProgress::step(int, int percent) {
    if (window_) window_->ProgressBar1->setValue(percent);
}

void GridProgress::close() { delete window_.data(); }

CellGrid::ResizeResult resizeGridWithProgress(QWidget* owner, CellGrid& grid, int cols, int rows, int cellSize) {
    QWidget* top = owner ? owner->window() : nullptr;
    const bool wasActive = top && top->isActiveWindow();
    CellGrid::ResizeResult result;
    {
        GridProgress progress(owner);
        result = grid.resizeGrid(cols, rows, cellSize, &progress);
    }
    // The progress window takes the activation while it is shown. Where no
    // window manager hands it back when it goes, the window it belonged to
    // would stay inactive (and a document window would keep its actions off
    // the frame's controls), so it is asked back here; the request follows
    // the progress window's own in the window system's queue.
    if (wasActive && result == CellGrid::ResizeResult::resized) top->activateWindow();
    return result;
}
