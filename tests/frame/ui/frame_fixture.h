#pragma once
// A program folder of its own, a scripted desktop and the forms of the
// running program for every window test of the frame. Document windows are
// FakeDocuments unless a test registers the real kinds after SetUp.

#include "fake_documents.h"

#include "frame/core/config.h"
#include "frame/ui/application.h"
#include "frame/ui/main_form.h"
#include "support/core/program_folder.h"
#include "support/ui/scripted_desktop.h"
#include "tests/frame/core/frame_state.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRect>
#include <QSize>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}

// 01 01 00 02 19 01 01 01 00 00 01 00 01 01 00 01: both tool bars, a new
// crossword at start, cells of 25 pixels, a failed generation pauses.
inline const std::initializer_list<int> exampleConfig = {0x01, 0x01, 0x00, 0x02, 0x19, 0x01, 0x01, 0x01,
                                                          0x00, 0x00, 0x01, 0x00, 0x01, 0x01, 0x00, 0x01};

class FrameTest : public ProgramFolderTest {
protected:
    FrameTest() : ProgramFolderTest(clearSettings) {}
    void SetUp() override {
        ProgramFolderTest::SetUp();
        registerFakeDocuments();
    }
    void TearDown() override {
        destroyForms();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProgramFolderTest::TearDown();
    }

    void writeConfig(std::initializer_list<int> values) {
        std::string bytes;
        for (int v : values) bytes += static_cast<char>(v);
        folder.write("mindgrid.cfg", bytes);
    }
    std::string savedConfig() const { return folder.read("mindgrid.cfg"); }

    // Creates the program's forms and shows the frame, as the program starts.
    TMindgridMainForm* start(const QStringList& parameters = {}) {
        createForms(parameters);
        MindgridMainForm->show();
        return MindgridMainForm;
    }

    // The progress window of a new grid takes the activation for a moment;
    // with no window manager to give it back, the test does.
    static void reactivate(QWidget* frame) {
        QApplication::processEvents();
        frame->activateWindow();
        // What the shortcuts and the focus go by, not only the window system's word.
        ASSERT_TRUE(QTest::qWaitFor([frame] { return QApplication::activeWindow() == frame; }));
    }

    // The names of the actions of the frame and its windows that `key` runs,
    // pressed where the focus is in the active frame (a dialog the last key
    // opened has taken the activation away). A key that two actions answer at
    // once runs neither.
    static QStringList actionsRunBy(const QKeySequence& key) {
        if (QApplication::activeWindow() != MindgridMainForm) reactivate(MindgridMainForm);
        QStringList ran;
        QList<QMetaObject::Connection> watches;
        for (QAction* action : MindgridMainForm->findChildren<QAction*>())
            watches << QObject::connect(action, &QAction::triggered, [&ran, action] { ran << action->objectName(); });
        QWidget* focus = QApplication::focusWidget();
        QTest::keySequence(focus ? focus : MindgridMainForm, key);
        for (const QMetaObject::Connection& watch : watches) QObject::disconnect(watch);
        return ran;
    }

    // Lets closed windows go.
    static void settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QList<QMdiSubWindow*> windows() {
        return MindgridMainForm->clientArea()->subWindowList(QMdiArea::CreationOrder);
    }
    static QStringList captions() {
        QStringList list;
        for (QMdiSubWindow* window : windows()) list << window->windowTitle();
        return list;
    }
    static QStringList names() {
        QStringList list;
        for (QMdiSubWindow* window : windows()) list << window->objectName();
        return list;
    }

    ScriptedDesktop desktop;
};
