#pragma once
// Actions, the menu items and tool buttons that show them, and hints.
//
// A frame control is bound to one action at a time and shows that action's
// caption, hint, image, shortcut and enabled state. A document window that
// becomes active binds the shared controls to its own actions and gives the
// frame's placeholders back when it loses activation or closes.

#include <QAction>
#include <QPointer>

#include <initializer_list>

class QToolButton;
class QWidget;

// A hint "short|long": the short part is the tool tip, the long part goes to
// the status bar. Without "|" both are the whole text.
QString shortHint(const QString& hint);
QString longHint(const QString& hint);
void setHint(QAction* action, const QString& hint);
void setHint(QWidget* widget, const QString& hint);

// Turns every one of `actions` on or off.
void enableActions(std::initializer_list<QAction*> actions, bool on);

// A menu item that stands for the action it is bound to: it shows the action
// (its shortcut too, as text after a tab, holding none itself) and triggering
// it runs the action's own handler.
class MenuItem : public QAction {
    Q_OBJECT
public:
    MenuItem(const QString& name, QObject* parent);

    void setAction(QAction* action);  // nullptr leaves the item empty and disabled
    QAction* action() const { return action_; }

private:
    void follow();

    QPointer<QAction> action_;
    QMetaObject::Connection changed_;
    QMetaObject::Connection destroyed_;
};

// Binds a tool button to `action` alone (the action it showed before is
// dropped from it, so it never turns into a drop-down button).
void bindButton(QToolButton* button, QAction* action);
