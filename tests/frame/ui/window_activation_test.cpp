// The document window the user just made, opened or picked from the window
// menu is the one in front, the active one, checked in the menu and the one
// whose actions the frame's shared controls run; with the settings' "maximise
// windows" byte on and off.

#include "frame_fixture.h"
#include "tests/document/ui/document_checks.h"

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

        newDocumentChosen(wordSearchDocument);
        check(QStringLiteral("okno1"), maximise, "the first new window");
        newDocumentChosen(crosswordDocument);
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
