#include "platform/ui/placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <QWindow>

void centreWindow(QWidget* window, QWidget* over) {
    QRect size = window->frameGeometry();
    if (size.isEmpty()) size = QRect(QPoint(), window->sizeHint());
    QRect area;
    if (over && over->isVisible()) {
        area = over->frameGeometry();
        if (window->windowHandle() && over->windowHandle())
            window->windowHandle()->setTransientParent(over->windowHandle());
    } else {
        QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        if (!screen) return;
        area = screen->availableGeometry();
    }
    size.moveCenter(area.center());
    window->move(size.topLeft());
}

QWidget* mainWindowOf(QWidget* widget) {
    QWidget* window = widget ? widget->window() : nullptr;
    while (window && window->parentWidget()) window = window->parentWidget()->window();
    return window;
}

QWidget* programMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget)) return widget;
    return nullptr;
}
