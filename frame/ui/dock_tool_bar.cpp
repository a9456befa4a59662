#include "frame/ui/dock_tool_bar.h"

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

void layOutToolBars(QMainWindow* window, QList<TDockToolBar*> bars) {
    std::stable_sort(bars.begin(), bars.end(), [](const TDockToolBar* a, const TDockToolBar* b) {
        return a->place().y() != b->place().y() ? a->place().y() < b->place().y() : a->place().x() < b->place().x();
    });
    // Each bar in turn goes to the end of the area; a row left empty goes with it.
    for (qsizetype i = 0; i < bars.size(); ++i) {
        if (i > 0 && bars[i]->place().y() != bars[i - 1]->place().y()) window->addToolBarBreak(Qt::TopToolBarArea);
        const bool hidden = bars[i]->isHidden();
        window->addToolBar(Qt::TopToolBarArea, bars[i]);
        bars[i]->setHidden(hidden);
    }
}
