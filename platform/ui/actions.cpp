#include "platform/ui/actions.h"

#include <QToolButton>
#include <QWidget>

QString shortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QAction* action, const QString& hint) {
    action->setToolTip(shortHint(hint));
    action->setStatusTip(longHint(hint));
}

void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(shortHint(hint));
    widget->setStatusTip(longHint(hint));
}

void enableActions(std::initializer_list<QAction*> actions, bool on) {
    for (QAction* action : actions) action->setEnabled(on);
}

MenuItem::MenuItem(const QString& name, QObject* parent) : QAction(parent) {
    setObjectName(name);
    connect(this, &QAction::triggered, this, [this] {
        if (action_ && action_->isEnabled()) action_->trigger();
    });
    setEnabled(false);
}

void MenuItem::setAction(QAction* action) {
    disconnect(changed_);
    disconnect(destroyed_);
    action_ = action;
    if (action) {
        changed_ = connect(action, &QAction::changed, this, &MenuItem::follow);
        // A window that closes without giving the item back leaves it empty.
        destroyed_ = connect(action, &QObject::destroyed, this, [this] { setEnabled(false); });
    }
    follow();
}

void MenuItem::follow() {
    if (!action_) {
        setEnabled(false);
        return;
    }
    // The menu shows the bound action's shortcut after a tab, as it shows a
    // shortcut of its own; the item takes none, so the key stays with the one
    // action that answers it, wherever the focus is.
    const QKeySequence shortcut = action_->shortcut();
    setText(shortcut.isEmpty() ? action_->text()
                               : action_->text() + QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText));
    setIcon(action_->icon());
    setToolTip(action_->toolTip());
    setStatusTip(action_->statusTip());
    setCheckable(action_->isCheckable());
    setChecked(action_->isChecked());
    setVisible(action_->isVisible());
    setEnabled(action_->isEnabled());
}

void bindButton(QToolButton* button, QAction* action) {
    for (QAction* old : button->actions())
        if (old != action) button->removeAction(old);
    button->setDefaultAction(action);
}
