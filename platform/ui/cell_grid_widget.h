#pragma once
// One painted widget for a whole grid of cells (see GridCells), meant to sit
// in a QScrollArea. It draws the cells in the order they were created, finds
// the cell under a point by arithmetic, and reports presses, clicks and mouse
// movement per cell. Only the labels of cells react to the mouse, as only they
// carry the puzzle windows' handlers; a hidden part is transparent to it.

#include "platform/core/grid_cells.h"

#include <QHash>
#include <QPoint>
#include <QWidget>

class CellGridWidget : public QWidget, private GridCellsListener {
    Q_OBJECT
public:
    explicit CellGridWidget(QWidget* parent = nullptr);
    ~CellGridWidget() override;

    // Paints these cells and follows their changes; nullptr shows nothing.
    void setCells(GridCells* cells);
    GridCells* cells() const { return cells_; }

    // What lies on top at a point of the widget.
    struct Hit {
        enum class Part { none, shape, label, bar };
        Part part = Part::none;
        int col = 0;
        int row = 0;
        friend bool operator==(const Hit&, const Hit&) = default;
    };
    Hit hitTest(QPoint point) const;

    // Shows the labels' hints ("col.row") as tool tips; off at first.
    void setHintsShown(bool shown) { hintsShown_ = shown; }
    bool hintsShown() const { return hintsShown_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // A mouse button went down on a cell's label.
    void cellPressed(int col, int row, Qt::MouseButton button);
    // The left button went down and up on the same cell's label.
    void cellClicked(int col, int row);
    // The pointer moved over a cell's label (every move).
    void cellMouseMove(int col, int row);
    // The pointer came onto a cell's label, or left it.
    void cellEntered(int col, int row);
    void cellLeft(int col, int row);
    // The pointer moved over the background, outside every cell.
    void backgroundMouseMove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void cellChanged(int col, int row) override;
    void layoutChanged() override;
    void cursorsChanged() override;
    void cellsGone() override;

    QRect cellRect(int col, int row) const;
    void applyExtent();
    void updateCursor();
    void leaveCell();
    const QFont& labelFont(int fontHeight);

    GridCells* cells_ = nullptr;
    bool hintsShown_ = false;
    Hit pressed_;
    Hit hovered_;                  // the label under the pointer, if any
    QPoint lastPos_{-1, -1};       // the pointer's last place over the widget
    QHash<int, QFont> fonts_;
};
