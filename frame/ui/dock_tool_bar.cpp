#include "frame/ui/dock_tool_bar.h"

#include <QByteArray>
#include <QDataStream>
#include <QMainWindow>
#include <QMoveEvent>

#include <algorithm>

TDockToolBar::TDockToolBar(QWidget* parent) : QToolBar(parent) {
    // Like the bars of a control bar, they dock in the area at the top and nowhere else.
    setAllowedAreas(Qt::TopToolBarArea);
    setFloatable(false);
}

QPoint TDockToolBar::shownPlace() const {
    const auto* window = qobject_cast<const QMainWindow*>(parentWidget());
    const int areaTop = window && window->menuWidget() ? window->menuWidget()->geometry().bottom() + 1 : 0;
    return {x(), y() - areaTop};
}

int TDockToolBar::left() const { return isVisible() ? shownPlace().x() : place_.x(); }

int TDockToolBar::top() const { return isVisible() ? shownPlace().y() : place_.y(); }

void TDockToolBar::moveEvent(QMoveEvent* event) {
    QToolBar::moveEvent(event);
    if (isVisible()) place_ = shownPlace();
}

namespace {

// Puts the bars in rows, each at its place, through the state the window
// keeps of its tool bars (rows of bars by name, each with whether it is
// shown and the room it takes in its row). False when the window refuses
// the state.
bool restoreRows(QMainWindow* window, const QList<TDockToolBar*>& bars) {
    QList<QList<TDockToolBar*>> rows;
    for (qsizetype i = 0; i < bars.size(); ++i) {
        if (i == 0 || bars[i]->place().y() != bars[i - 1]->place().y()) rows.append(QList<TDockToolBar*>());
        rows.last().append(bars[i]);
    }
    QByteArray state;
    QDataStream out(&state, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_0);
    constexpr qint32 stateMark = 0xff;
    constexpr quint8 toolBarsMark = 0xfc;
    constexpr qint32 topArea = 2;
    out << stateMark << qint32(0) << toolBarsMark << qint32(rows.size());
    for (const QList<TDockToolBar*>& row : rows) {
        out << topArea << qint32(row.size());
        for (qsizetype i = 0; i < row.size(); ++i) {
            // The bar before a moved one takes the room up to it, as
            // dragging the moved one along the row leaves it; a place within
            // the bar before leaves the two packed.
            qint32 room = -1;
            if (i + 1 < row.size()) {
                const int gap = row[i + 1]->place().x() - row[i]->place().x();
                if (gap > row[i]->sizeHint().width()) room = gap;
            }
            out << row[i]->objectName() << quint8(row[i]->isHidden() ? 0 : 1) << qint32(row[i]->place().x()) << room
                << quint32(0) << quint32(0);  // not floating
        }
    }
    return window->restoreState(state);
}

}  // namespace

void layOutToolBars(QMainWindow* window, QList<TDockToolBar*> bars) {
    std::stable_sort(bars.begin(), bars.end(), [](const TDockToolBar* a, const TDockToolBar* b) {
        return a->place().y() != b->place().y() ? a->place().y() < b->place().y() : a->place().x() < b->place().x();
    });
    if (restoreRows(window, bars)) return;
    // Rows alone, each packed to the left: each bar in turn goes to the end
    // of the area; a row left empty goes with it.
    for (qsizetype i = 0; i < bars.size(); ++i) {
        if (i > 0 && bars[i]->place().y() != bars[i - 1]->place().y()) window->addToolBarBreak(Qt::TopToolBarArea);
        const bool hidden = bars[i]->isHidden();
        window->addToolBar(Qt::TopToolBarArea, bars[i]);
        bars[i]->setHidden(hidden);
    }
}
