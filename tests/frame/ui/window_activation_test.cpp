// The document window the user just made, opened or picked from the window
// menu is the one in front, the active one, checked in the menu and the one
// whose actions the frame's shared controls run; with the settings' "maximise
// windows" byte on and off.

#include "frame_fixture.h"
#include "tests/document/ui/document_checks.h"

#include "frame/ui/new_form.h"
#include "support/ui/modal.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

// The document window under `point` of the area's viewport, as the user sees it.
QMdiSubWindow* windowShownAt(const QPoint& point) {
    QWidget* widget = MindgridMainForm->clientArea()->viewport()->childAt(point);
    for (; widget; widget = widget->parentWidget())
        if (auto* window = qobject_cast<QMdiSubWindow*>(widget)) return window;
    return nullptr;
}

// Everything that says which window the user works in names `window`.
void expectInFront(QMdiSubWindow* window, bool maximised, const char* step) {
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
}

// "Nový" with the kind chosen in its dialog.
void newDocument(QRadioButton* Tnovyform::*choice) {
    whenDialog<Tnovyform>([choice](Tnovyform* form) {
        (form->*choice)->click();
        form->BitBtn1->click();
    });
    MindgridMainForm->FileNew1->trigger();
}

QMdiSubWindow* windowNamed(const QString& name) {
    for (QMdiSubWindow* window : MindgridMainForm->clientArea()->subWindowList())
        if (window->objectName() == name) return window;
    return nullptr;
}

}  // namespace

TEST_F(FrameTest, TheWindowJustMadeOpenedOrPickedIsInFrontAndLendsTheControls) {
    for (const bool maximise : {false, true}) {
        SCOPED_TRACE(maximise ? "windows open maximised" : "windows open as they are");
        writeConfig({1, 1, maximise ? 1 : 0, 0, 25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        TMindgridMainForm* frame = start();
        frame->resize(800, 600);
        reactivate(frame);

        // Each step, and the same once the frame has its activation back
        // (the dialogs and the progress window of a new grid take it away).
        const auto check = [&](const QString& name, bool maximised, const char* step) {
            expectInFront(windowNamed(name), maximised, step);
            reactivate(frame);
            expectInFront(windowNamed(name), maximised, step);
        };

        newDocument(&Tnovyform::radioosm);
        check(QStringLiteral("okno1"), maximise, "the first new window");
        newDocument(&Tnovyform::radiokri);
        check(QStringLiteral("okno2"), maximise, "a new window over another");

        desktop.answerFile(QStringLiteral("/home/jana/krizovka.skr"));
        frame->FileOpen1->trigger();
        check(QStringLiteral("okno3"), maximise, "an opened window");

        frame->windowMenuClick(frame->windowMenuItem(QStringLiteral("okno1")));
        check(QStringLiteral("okno1"), maximise, "picked in the window menu");
        frame->windowMenuItem(QStringLiteral("okno2"))->trigger();
        check(QStringLiteral("okno2"), maximise, "clicked in the window menu");

        // A file that cannot be read leaves the window the user works in as it was.
        desktop.answerFile(QStringLiteral("/home/jana/necitelny.osm"));
        frame->FileOpen1->trigger();
        settle();
        EXPECT_EQ(names(), (QStringList{"okno1", "okno2", "okno3"}));
        check(QStringLiteral("okno2"), maximise, "after a file that could not be opened");

        // A minimised window picked in the menu opens again.
        if (!maximise) {
            windowNamed(QStringLiteral("okno3"))->showMinimized();
            frame->windowMenuClick(frame->windowMenuItem(QStringLiteral("okno3")));
            check(QStringLiteral("okno3"), false, "a minimised window picked in the window menu");
        }
        destroyForms();
    }
}
