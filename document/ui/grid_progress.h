#pragma once
// The progress window shown while a grid gets a new size, and the resize of a
// document grid with it.

#include "document/core/cell_grid.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QProgressBar;

class Twaitform : public QWidget {
    Q_OBJECT
public:
    // A window of its own, owned by `owner` and centred on owner's main window.
    explicit Twaitform(QWidget* owner);

    QLabel* Label1;
    QProgressBar* ProgressBar1;
};

// Opens Twaitform for a resize and moves its bar along. The model work is
// fast, so no events are processed between cells: the bar takes each new
// percentage (and repaints itself when its drawn length changes), and nothing
// else can reach the window while its cells are half built.
class GridProgress : public CellGrid::Progress {
public:
    explicit GridProgress(QWidget* owner) : owner_(owner) {}
    virtual ~GridProgress();
    GridProgress(const GridProgress&) = delete;
    GridProgress& operator=(const GridProgress&) = delete;

    bool open(int totalSteps) override;
    void step(int done, int percent) override;
    void close() override;

    Twaitform* window() const { return window_; }

protected:
    // Makes the window; throws std::bad_alloc when there is no memory for it.
    virtual Twaitform* createWindow(QWidget* owner);

private:
    QWidget* owner_;
    QPointer<Twaitform> window_;
};

// "Chyba při otevírání okna pro ukazatel průběhu. ..."
QString progressWindowFailure();

// resizeGrid of a document window's grid (or the designer's) with the progress
// window; when that window cannot be made, a warning and nothing changes.
CellGrid::ResizeResult resizeGridWithProgress(QWidget* owner, CellGrid& grid, int cols, int rows, int cellSize);
