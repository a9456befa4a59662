#include "formstate/ui/qt_form.h"

#include "formstate/ui/form_storage.h"
#include "platform/ui/codec.h"
#include "platform/ui/placement.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <cmath>

namespace formstate {

namespace {

std::string text(const QString& value) { return fromQString(value).value_or(std::string()); }

PlacementRect rectOf(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

}  // namespace

WindowPlacement QtForm::placement() const {
    WindowPlacement p;
    p.showCmd = form_->isMinimized()                          ? showCmd::minimised
                : form_->isMaximized() || form_->isFullScreen() ? showCmd::maximised
                                                                : showCmd::normal;
    QRect normal = form_->normalGeometry();
    if (!normal.isValid()) normal = form_->geometry();
    p.normal = rectOf(normal);
    return p;
}

void QtForm::setPlacement(const WindowPlacement& p) {
    form_->setGeometry(p.normal.left, p.normal.top, p.normal.width(), p.normal.height());
}

WindowState QtForm::windowState() const {
    if (form_->isMinimized()) return WindowState::Minimised;
    return form_->isMaximized() ? WindowState::Maximised : WindowState::Normal;
}

void QtForm::setWindowState(WindowState state) {
    Qt::WindowStates states = form_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == WindowState::Maximised) states |= Qt::WindowMaximized;
    if (state == WindowState::Minimised) states |= Qt::WindowMinimized;
    form_->setWindowState(states);
}

bool QtForm::isMainForm() const {
    const QWidget* main = programMainWindow();
    return !main || main == form_;
}

bool QtForm::isChildWindow() const { return qobject_cast<QMdiSubWindow*>(form_->parentWidget()) != nullptr; }

bool QtForm::isFrameWindow() const {
    const auto* window = qobject_cast<QMainWindow*>(form_);
    return window && qobject_cast<QMdiArea*>(window->centralWidget());
}

bool QtForm::hasDefaultPosition() const { return !form_->testAttribute(Qt::WA_Moved); }
bool QtForm::isVisible() const { return form_->isVisible(); }
bool QtForm::isSizeable() const { return form_->minimumSize() != form_->maximumSize(); }
PlacementRect QtForm::bounds() const { return rectOf(form_->geometry()); }

int QtForm::screenPixelsPerInch() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

std::vector<PlacementRect> QtForm::freeAreas() const {
    const QScreen* primary = QGuiApplication::primaryScreen();
    std::vector<PlacementRect> result;
    if (primary) result.push_back(rectOf(primary->availableGeometry()));
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary) result.push_back(rectOf(screen->availableGeometry()));
    return result;
}

FrameMargins QtForm::frameMargins() const {
    const QRect outer = form_->frameGeometry();
    const QRect inner = form_->geometry();
    if (outer != inner)
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    // Before the window system has framed the window (as when it is
    // first shown): about a title bar above, a border at the sides and
    // a wider one below, where window systems put a grip.
    const QStyle* style = form_->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, form_);
    const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, form_);
    return {border, titleBar + border, border, 2 * border};
}

Component& QtForm::component() { return *storage_->component(form_); }
std::string QtForm::className() const { return form_->metaObject()->className(); }

std::string QtForm::activeControlName() const {
    const QWidget* focused = form_->focusWidget();
    return focused ? text(focused->objectName()) : std::string();
}

void QtForm::focusControl(const std::string& name) {
    if (name.empty()) return;
    for (QWidget* child : form_->findChildren<QWidget*>())
        if (sameName(text(child->objectName()), name) && child->isEnabled() && child->focusPolicy() != Qt::NoFocus) {
            child->setFocus();
            return;
        }
}

QSize QtForm::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

}  // namespace formstate
