// Whatever kind of window the user worked in, the window made or opened next
// is the one in front, active, checked in "Okno", lending the shared controls
// and holding the keys: over every pair of the four kinds.

#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "crisscross/ui/child_krs.h"
#include "crossword/ui/child_kriz.h"
#include "platform/ui/codec.h"
#include "platform/ui/file_messages.h"
#include "swedish/ui/child_svekriz.h"
#include "wordsearch/ui/child_osm.h"

#include <map>

namespace {

class WindowPairsTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        registerDocumentKind(wordSearchDocument, [] { return new TMDIChildOsm; });
        registerDocumentKind(crosswordDocument, [] { return new TMDIChildKriz; });
        registerDocumentKind(crissCrossDocument, [] { return new TMDIChildKrs; });
        registerDocumentKind(swedishDocument, [] { return new TMDIChildSveKriz; });
        writeConfig({1, 1, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }
};

TEST_F(WindowPairsTest, TheWindowMadeOrOpenedNextIsInFrontWhateverKindWasActive) {
    TMindgridMainForm* frame = start();
    frame->resize(1000, 700);
    reactivate(frame);
    const DocumentKind kinds[] = {wordSearchDocument, crosswordDocument, crissCrossDocument, swedishDocument};

    // A file of every kind, as a window of that kind saves it.
    std::map<int, QString> files;
    for (const DocumentKind kind : kinds) {
        DocumentWindow* window = newWindow(kind);
        ASSERT_NE(window, nullptr);
        files[kind] = displayPath(folder / "hadanka") + toQString(window->kindInfo().extension);
        ASSERT_TRUE(window->saveToFile(files[kind]));
        window->close();
    }
    settle();

    for (const DocumentKind first : kinds) {
        for (const DocumentKind second : kinds) {
            for (const bool opened : {false, true}) {
                SCOPED_TRACE((TMindgridMainForm::documentKindName(first) + (opened ? " then opened " : " then new ") +
                              TMindgridMainForm::documentKindName(second))
                                 .toStdString());
                newDocumentChosen(first);
                reactivate(frame);
                if (opened) {
                    desktop.answerFile(files[second]);
                    frame->FileOpen1->trigger();
                } else {
                    newDocumentChosen(second);
                }
                // Once the dialogs and the progress window have gone, the
                // window system gives the frame its activation back.
                reactivate(frame);
                ASSERT_EQ(windows().size(), 2);
                expectInFront(windows().last(), false, "the second window");
                frame->FormCloseQuery();
                settle();
            }
        }
    }
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char(' ')).toStdString();
}

}  // namespace
