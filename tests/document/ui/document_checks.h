#pragma once
// Looking at document windows and at what the frame shows of them, for the
// tests of the frame and of each kind of puzzle window, and the fixture of
// those windows.

#include "tests/frame/ui/frame_fixture.h"

#include "document/ui/document_window.h"
#include "frame/ui/main_form.h"
#include "platform/ui/actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
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
