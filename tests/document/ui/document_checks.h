#pragma once
// Looking at document windows and at what the frame shows of them, for the
// tests of the frame and of each kind of puzzle window, and the fixture of
// those windows.

#include "tests/frame/ui/frame_fixture.h"

#include "document/ui/document_window.h"
#include "frame/ui/main_form.h"
#include "frame/ui/new_form.h"
#include "platform/ui/actions.h"
#include "support/ui/modal.h"

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <initializer_list>

// What the frame's shared controls show, in this order: ToolButton6,
// ToolButton7, ToolButton2, Uloit1, Uloitjako1, Tisk2, Export2,
// Uloitjakoobrzek1, then the menus of toolupravy, tooltvorba, toolsablony.
inline QList<QObject*> sharedControlTargets() {
    TMindgridMainForm* f = MindgridMainForm;
    return {f->ToolButton6->defaultAction(), f->ToolButton7->defaultAction(), f->ToolButton2->defaultAction(),
            f->Uloit1->action(),             f->Uloitjako1->action(),         f->Tisk2->action(),
            f->Export2->action(),            f->Uloitjakoobrzek1->action(),   f->toolupravy->menu(),
            f->tooltvorba->menu(),           f->toolsablony->menu()};
}

inline bool belongsTo(const QObject* object, const QObject* window) {
    for (; object; object = object->parent())
        if (object == window) return true;
    return false;
}

// The window-menu items after N7 by name, the checked one marked with "*".
inline QStringList windowMenuItems() {
    QStringList names;
    const QList<QAction*> items = MindgridMainForm->menuokno->actions();
    for (qsizetype i = items.indexOf(MindgridMainForm->N7) + 1; i < items.size(); ++i)
        names << items[i]->objectName() + (items[i]->isChecked() ? QStringLiteral("*") : QString());
    return names;
}

// The document window under `point` of the area's viewport, as the user sees it.
inline QMdiSubWindow* windowShownAt(const QPoint& point) {
    QWidget* widget = MindgridMainForm->clientArea()->viewport()->childAt(point);
    for (; widget; widget = widget->parentWidget())
        if (auto* window = qobject_cast<QMdiSubWindow*>(widget)) return window;
    return nullptr;
}

inline QMdiSubWindow* windowNamed(const QString& name) {
    for (QMdiSubWindow* window : MindgridMainForm->clientArea()->subWindowList())
        if (window->objectName() == name) return window;
    return nullptr;
}

// Everything that says which window the user works in names `window`: the
// area's active window, in front and not covered, checked in the window
// menu, lending the shared controls and holding the keyboard focus.
inline void expectInFront(QMdiSubWindow* window, bool maximised, const char* step) {
    ASSERT_NE(window, nullptr) << step;
    QMdiArea* area = MindgridMainForm->clientArea();
    const QString name = window->objectName();
    EXPECT_EQ(area->activeSubWindow(), window) << step;
    EXPECT_TRUE(window->isVisible()) << step;
    EXPECT_FALSE(window->isMinimized()) << step;
    EXPECT_EQ(window->isMaximized(), maximised) << step;
    EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), window) << step;
    EXPECT_EQ(windowShownAt(window->geometry().center()), window) << step << ": covered by another window";
    EXPECT_EQ(windowMenuItems().filter(QStringLiteral("*")), QStringList{name + QStringLiteral("*")}) << step;
    const QList<QObject*> shown = sharedControlTargets();
    for (qsizetype i = 0; i < shown.size(); ++i)
        EXPECT_TRUE(belongsTo(shown[i], window)) << step << ": shared control " << i << " is not lent by " << name.toStdString();
    EXPECT_TRUE(window->isAncestorOf(MindgridMainForm->focusWidget())) << step << ": the keys go elsewhere";
}

// "Nový" with `kind` chosen in its dialog.
inline void newDocumentChosen(int kind) {
    whenDialog<Tnovyform>([kind](Tnovyform* form) {
        QRadioButton* const choices[] = {form->radioosm, form->radiokri, form->radiokrs, form->radiosvekri};
        choices[kind - 1]->click();
        form->BitBtn1->click();
    });
    MindgridMainForm->FileNew1->trigger();
}

// A new document of `kind` as the frame makes it for "Nový".
inline DocumentWindow* newWindow(int kind) {
    TMindgridMainForm* frame = MindgridMainForm;
    ++frame->windowCounter;
    auto* window = qobject_cast<DocumentWindow*>(frame->createChild(
        TMindgridMainForm::documentKindName(kind) + QString::number(frame->windowCounter), kind, {}, false));
    EXPECT_NE(window, nullptr);
    return window;
}

// The frame with real document windows of one kind: `Window` is made for `kind`.
template <class Window, DocumentKind kind>
class DocumentWindowTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        registerDocumentKind(kind, [] { return new Window; });
    }

    // A new document window of that kind, as "Nový" makes it; nullptr when
    // another kind of window came.
    static Window* newDocument() { return qobject_cast<Window*>(newWindow(kind)); }
};

// A menu's actions by name, "-" for a separator.
inline QString menuContents(const QMenu* menu) {
    QStringList names;
    for (const QAction* action : menu->actions()) names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names.join(' ');
}

struct ActionCase {
    const char* name;
    QString caption;
    bool enabled;
    QKeySequence shortcut = {};
};

inline void expectActions(const DocumentWindow* window, std::initializer_list<ActionCase> cases) {
    for (const ActionCase& c : cases) {
        const auto* action = window->findChild<QAction*>(QLatin1String(c.name));
        ASSERT_NE(action, nullptr) << c.name;
        EXPECT_EQ(action->text(), c.caption) << c.name;
        EXPECT_EQ(action->isEnabled(), c.enabled) << c.name;
        EXPECT_EQ(action->shortcut(), c.shortcut) << c.name;
    }
}
