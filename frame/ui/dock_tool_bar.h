#pragma once
// The frame's two dockable tool bars ("Standardní", "Úpravy") publish their
// place in the tool-bar area as the properties Left and Top, which the
// window state keeps between runs ("ToolBar2.Left", ...). A bar that is shown
// tells where it lies; a hidden one the place it last had or was given.
// layOutToolBars puts the bars back: an equal Top means one row, ordered by
// Left; a larger Top a later row. In a row a bar after the first starts at
// its Left (the first one of a row starts at the left edge).

#include <QList>
#include <QToolBar>

class QMainWindow;

class TDockToolBar : public QToolBar {
    Q_OBJECT
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)

public:
    explicit TDockToolBar(QWidget* parent = nullptr);

    // Pixels from the left of the window, and from the top of the tool-bar area.
    int left() const;
    int top() const;
    void setLeft(int left) { place_.setX(left); }
    void setTop(int top) { place_.setY(top); }

    // The place last given or last seen while shown.
    QPoint place() const { return place_; }

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    QPoint shownPlace() const;

    QPoint place_;
};

// Rows of the top tool-bar area of `window` from the places of `bars`.
void layOutToolBars(QMainWindow* window, QList<TDockToolBar*> bars);
