#include "document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include <QMenu>
#include <QToolButton>

TEST_F(FrameTest, TheActiveWindowLendsItsOwnActionsAndMenus) {
    TMindgridMainForm* frame = start();
    struct Case {
        int kind;
        QStringList lent;  // size, designer, save (button and item), save as, print, export, picture export
        bool creationMenu;
    };
    const QStringList common = {"acVelikost", "acNavrhar", "aculoz", "aculoz",
                                "aculozjako", "actisk",    "acExport", "acExportObr"};
    QStringList crissCross = common;
    crissCross[6] = "acexport";
    const Case cases[] = {
        {1, common, true},
        {4, {"Velikost", "acNavrhar", "uloz", "uloz", "ulozjako", "print", "acExport", "acExportObr"}, false},
        {2, common, true},  // after a Swedish crossword, "Tvorba" is enabled again
        {3, crissCross, true},
    };
    for (const Case& c : cases) {
        DocumentWindow* window = newWindow(c.kind);
        ASSERT_EQ(frame->clientArea()->activeSubWindow(), window);
        const QList<QObject*> shown = sharedControlTargets();
        for (int i = 0; i < c.lent.size(); ++i) {
            EXPECT_TRUE(belongsTo(shown[i], window)) << c.kind << " control " << i;
            EXPECT_EQ(shown[i] ? shown[i]->objectName() : QString(), c.lent[i]) << c.kind << " control " << i;
        }
        EXPECT_EQ(shown.mid(8), (QList<QObject*>{window->menuupravy, window->menutvorba, window->menusablony}));
        EXPECT_TRUE(frame->toolupravy->isEnabled());
        EXPECT_EQ(frame->tooltvorba->isEnabled(), c.creationMenu) << c.kind;
        EXPECT_TRUE(frame->toolsablony->isEnabled());
        EXPECT_EQ(windowMenuItems().filter(QStringLiteral("*")), QStringList{window->objectName() + "*"});
    }

    // The borrowed controls run the window's own actions.
    auto* window = qobject_cast<DocumentWindow*>(frame->clientArea()->activeSubWindow());
    int saved = 0;
    QObject::connect(window->findChild<QAction*>(QStringLiteral("aculoz")), &QAction::triggered, [&saved] { ++saved; });
    frame->ToolButton2->click();
    frame->Uloit1->trigger();
    EXPECT_EQ(saved, 2);

    // Losing activation gives back all but the size and designer buttons.
    window->FormDeactivate();
    EXPECT_EQ(sharedControlTargets().mid(2, 6),
              (QList<QObject*>{frame->FileSave1, frame->FileSave1, frame->FileSaveAs1, frame->FilePrint,
                               frame->FileExport, frame->FileObr}));
    EXPECT_TRUE(belongsTo(frame->ToolButton6->defaultAction(), window));
    EXPECT_TRUE(belongsTo(frame->ToolButton7->defaultAction(), window));
    for (QToolButton* button : {frame->toolupravy, frame->tooltvorba, frame->toolsablony}) {
        EXPECT_EQ(button->menu(), nullptr);
        EXPECT_FALSE(button->isEnabled());
    }
}

TEST_F(FrameTest, ClosingAWindowGivesTheControlsBackBeforeItGoes) {
    TMindgridMainForm* frame = start();
    DocumentWindow* first = newWindow(2);
    DocumentWindow* second = newWindow(2);
    ASSERT_EQ(windowMenuItems(), (QStringList{"okno1", "okno2*"}));
    frame->windowMenuClick(frame->windowMenuItem(QStringLiteral("okno1")));
    EXPECT_EQ(windowMenuItems(), (QStringList{"okno1*", "okno2"}));
    frame->clientArea()->setActiveSubWindow(second);
    EXPECT_EQ(windowMenuItems(), (QStringList{"okno1", "okno2*"}));

    // Closing the active window: exactly its item goes, nothing on the frame
    // points at its actions or menus any more, and the other window takes over.
    QPointer<DocumentWindow> closing = second;
    frame->FileClose1->trigger();
    ASSERT_TRUE(closing) << "not freed yet";
    for (QObject* target : sharedControlTargets()) EXPECT_FALSE(belongsTo(target, closing));
    EXPECT_EQ(windowMenuItems(), (QStringList{"okno1*"}));
    EXPECT_TRUE(belongsTo(frame->ToolButton6->defaultAction(), first));
    settle();
    ASSERT_FALSE(closing);

    // A window that closes while another one is active leaves that one's controls alone.
    DocumentWindow* third = newWindow(4);
    const QList<QObject*> lentByThird = sharedControlTargets();
    first->close();
    EXPECT_EQ(sharedControlTargets(), lentByThird);
    EXPECT_TRUE(frame->toolupravy->isEnabled());
    EXPECT_EQ(windowMenuItems(), (QStringList{"okno3*"}));
    settle();

    // The last window: the frame's placeholders everywhere, until another window comes.
    third->close();
    EXPECT_EQ(sharedControlTargets(),
              (QList<QObject*>{frame->acVelikost, frame->acNavrhar, frame->FileSave1, frame->FileSave1, frame->FileSaveAs1,
                               frame->FilePrint, frame->FileExport, frame->FileObr, nullptr, nullptr, nullptr}));
    for (QToolButton* button : {frame->toolupravy, frame->tooltvorba, frame->toolsablony})
        EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(windowMenuItems().isEmpty());
    settle();

    // With the windows freed, every shared control and menu still works.
    for (QToolButton* button : {frame->ToolButton2, frame->ToolButton6, frame->ToolButton7, frame->toolupravy,
                                frame->tooltvorba, frame->toolsablony}) {
        button->click();
        button->showMenu();
    }
    for (MenuItem* item : {frame->Uloit1, frame->Uloitjako1, frame->Tisk2, frame->Export2, frame->Uloitjakoobrzek1}) {
        EXPECT_FALSE(item->isEnabled());
        item->trigger();
    }
    reactivate(frame);
    for (QMenu* menu : {frame->menusoubor, frame->Export1->menu(), frame->menuokno}) {
        menu->popup(frame->mapToGlobal(QPoint(10, 10)));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu)) << menu->objectName().toStdString();
        menu->hide();
    }
}

TEST_F(FrameTest, NewAndOpenedWindowsStartMaximisedWhenTheSettingsSaySo) {
    for (int maximised : {0, 1}) {
        writeConfig({0, 0, maximised, 0, 25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        TMindgridMainForm* frame = start();
        EXPECT_EQ(newWindow(3)->isMaximized(), maximised != 0) << maximised;
        frame->openFileByExtension(QStringLiteral("/tmp/hádanka.kri"));
        ASSERT_EQ(windows().size(), 2);
        EXPECT_EQ(windows().last()->isMaximized(), maximised != 0) << maximised;
        destroyForms();
    }
}
