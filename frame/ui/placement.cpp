#include "frame/ui/placement.h"

#include <QGuiApplication>
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
