#include "frame_fixture.h"

#include "frame/ui/about_box.h"
#include "frame/ui/new_form.h"
#include "platform/ui/actions.h"
#include "platform/ui/desktop.h"
#include "platform/ui/printing.h"
#include "stores/core/word_stores.h"
#include "support/ui/modal.h"

#include <QCursor>
#include <QLabel>
#include <QStatusTipEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>

namespace {

// Answers the new-document dialog with one kind, or cancels it.
void answerNewDocument(QRadioButton* Tnovyform::*choice) {
    whenDialog<Tnovyform>([choice](Tnovyform* form) {
        if (!choice) {
            form->BitBtn2->click();
            return;
        }
        (form->*choice)->click();
        form->BitBtn1->click();
    });
}

QStringList windowMenuCaptions() {
    QStringList list;
    const QList<QAction*> items = MindgridMainForm->menuokno->actions();
    for (qsizetype i = items.indexOf(MindgridMainForm->N7) + 1; i < items.size(); ++i) list << items[i]->text();
    return list;
}

QString checkedWindowItem() {
    for (QAction* item : MindgridMainForm->menuokno->actions())
        if (item->isCheckable() && item->isChecked()) return item->objectName();
    return {};
}

}  // namespace

TEST_F(FrameTest, StartsWithTheShippedDataAndExitsOnFileExit) {
    for (const char* name : {"mindgrid.cfg", "zacatek.cur", "konec.cur", "cestina.slv", "kriz.dat", "osmslov.sav",
                             "krislov.sav"})
        std::filesystem::copy_file(std::filesystem::path(GRILPAD_PROGRAM_DIR) / name, folder / name);
    setUpApplication();
    TMindgridMainForm* frame = start();

    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Mindgrid!"));
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
    EXPECT_TRUE(frame->ToolBar2->isVisible());
    EXPECT_TRUE(frame->ToolBar3->isVisible());
    EXPECT_EQ(frameSettings.cellSize(), 25);
    EXPECT_EQ(wordSearchSettings.failureReaction(), FailureReaction::Restart);
    EXPECT_TRUE(wordSearchSettings.preferWholeWords());
    ASSERT_EQ(captions(), QStringList{QStringLiteral("Osmisměrka1")});
    EXPECT_FALSE(windows().first()->isMaximized());
    // The start window lies wholly inside the frame's free area.
    const QRect area = MindgridMainForm->clientArea()->viewport()->rect();
    EXPECT_TRUE(area.contains(windows().first()->geometry())) << "window outside the frame's area";
    // The grid cursors: start mark as cursor 3, end mark as cursor 2, hot spot at the arrow's tip.
    for (int number : {2, 3}) {
        const QCursor cursor = desktop::screenCursor(number);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << number;
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << number;
        EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1)) << number;
    }
    const QImage start = desktop::screenCursor(3).pixmap().toImage();
    const QImage end = desktop::screenCursor(2).pixmap().toImage();
    EXPECT_GT(qGreen(start.pixel(23, 23)), 2 * qRed(start.pixel(23, 23))) << "green start mark";
    EXPECT_GT(qRed(end.pixel(23, 23)), 2 * qGreen(end.pixel(23, 23))) << "red end mark";
    EXPECT_EQ(qAlpha(start.pixel(30, 2)), 0) << "transparent around the arrow";

    QTimer::singleShot(0, frame->FileExit1, &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
    settle();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(windows().isEmpty());
    // The shipped dictionary was read behind the splash; the user's words are written at exit.
    EXPECT_GT(wordSearchWords.size(), 100000u);
    EXPECT_FALSE(walkKeys(builtinWords).empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "slovausr.slv"));
    EXPECT_FALSE(std::filesystem::exists(folder / "legendy.sav")) << "clues were never used";
}

TEST_F(FrameTest, WithoutASettingsFileStartsOnZeroSettings) {
    struct Case {
        bool present;
        std::string bytes;
        QString warning;
    };
    const Case cases[] = {
        {false, "", QStringLiteral("Nelze otevřít konfigurační soubor.")},
        {true, std::string(15, '\x01'), QStringLiteral("Nelze číst z konfiguračního souboru.")},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder / "mindgrid.cfg");
        if (c.present) folder.write("mindgrid.cfg", c.bytes);
        desktop.boxes.clear();
        TMindgridMainForm* frame = start();
        EXPECT_EQ(desktop.boxTexts(), QStringList{c.warning});
        EXPECT_EQ(desktop.boxes.value(0).kind, desktop::DesktopHooks::Box::Warning);
        EXPECT_EQ(configRecord, ConfigRecord{});
        EXPECT_FALSE(frame->ToolBar2->isVisible());
        EXPECT_FALSE(frame->ToolBar3->isVisible());
        EXPECT_TRUE(windows().isEmpty()) << "no window at start";
        destroyForms();
    }
}

TEST_F(FrameTest, ActionsCarryTheirCaptionsHintsAndShortcuts) {
    writeConfig(exampleConfig);
    TMindgridMainForm* frame = start();
    struct Case {
        const char* name;
        QString caption;
        QString tip;
        QString status;
        QKeySequence shortcut;
        bool enabled;
    };
    const Case cases[] = {
        {"FileNew1", "&Nový", "Nový", "Vytvoří nový soubor", QKeySequence("Ctrl+N"), true},
        {"FileOpen1", "&Otevřít", "Otevřít", "Otevře existující soubor", QKeySequence("Ctrl+O"), true},
        {"FileSave1", "&Uložit", "Uložit", "Uloží soubor", QKeySequence("Ctrl+S"), false},
        {"FileSaveAs1", "Uložit j&ako...", "Uložit jako", "Uloží soubor pod jiným jménem", {}, false},
        {"FileExit1", "&Konec", "Konec", "Ukončí aplikaci", {}, true},
        {"FilePrint", "&Tisk", "Tisk", "Vytiskne soubor", {}, false},
        {"FileExport", "&Export do Excelu", "Export do Excelu", "Uloží soubor ve formátu MS Excel", {}, false},
        {"FileObr", "Uložit jako &obrázek", "Export do obrázku", "Uloží soubor jako obrázek BMP", {}, false},
        {"FilePrinterSetup", "&Vlastnosti tisku", "Vlastnosti tisku", "Zobrazí nastavení pro tiskárnu", {}, true},
        {"nastaveni", "&Nastavení", "Zobrazí nastavení pro Mindgrid!", "Zobrazí nastavení pro Mindgrid!", {}, true},
        {"acobsaharejstrik", "&Obsah a rejstřík", "Obsah a rejstřík", "Zobrazí nápovědu", QKeySequence("F1"), true},
        {"acVelikost", "", "", "", {}, false},
        {"acNavrhar", "acNavrhar", "", "", {}, false},
    };
    const QObject* actionList = frame->findChild<QObject*>(QStringLiteral("ActionList1"));
    ASSERT_NE(actionList, nullptr);
    for (const Case& c : cases) {
        auto* action = actionList->findChild<QAction*>(QLatin1String(c.name));
        ASSERT_NE(action, nullptr) << c.name;
        EXPECT_EQ(action->text(), c.caption) << c.name;
        if (!c.tip.isEmpty()) {
            EXPECT_EQ(action->toolTip(), c.tip) << c.name;
        }
        EXPECT_EQ(action->statusTip(), c.status) << c.name;
        EXPECT_EQ(action->shortcut(), c.shortcut) << c.name;
        EXPECT_EQ(action->isEnabled(), c.enabled) << c.name;
    }
    // The window actions work on document windows only, so they wait for one.
    EXPECT_TRUE(frame->WindowCascade1->isEnabled()) << "the start window is there";
    EXPECT_EQ(frame->ToolBar2->windowTitle(), QStringLiteral("Standardní"));
    EXPECT_EQ(frame->ToolBar3->windowTitle(), QStringLiteral("Úpravy"));
    // Without a document window the shared controls show the frame's own actions.
    frame->FileClose1->trigger();
    settle();
    ASSERT_TRUE(windows().isEmpty());

    // Menu items and tool buttons show their actions; the status bar gets the long hint.
    // An item shows its action's shortcut and holds none: the action alone answers the key.
    EXPECT_EQ(frame->Nov1->text(), QStringLiteral("&Nový\tCtrl+N"));
    EXPECT_TRUE(frame->Nov1->shortcut().isEmpty());
    EXPECT_EQ(frame->Zavt1->text(), QStringLiteral("&Zavřít"));
    EXPECT_FALSE(frame->Uloit1->isEnabled());
    EXPECT_EQ(frame->Export1->text(), QStringLiteral("&Export"));
    EXPECT_EQ(frame->ToolButton9->defaultAction(), frame->FileNew1);
    EXPECT_EQ(frame->ToolButton9->toolTip(), QStringLiteral("Nový"));
    EXPECT_EQ(frame->ToolButton9->statusTip(), QStringLiteral("Vytvoří nový soubor"));
    QStatusTipEvent tip(frame->ToolButton9->statusTip());
    QApplication::sendEvent(frame->ToolButton9, &tip);
    EXPECT_EQ(frame->StatusBar->currentMessage(), QStringLiteral("Vytvoří nový soubor"));

    // The menu row: three buttons wait for a document window to lend its menus.
    EXPECT_EQ(frame->toolsoubor->text(), QStringLiteral("&Soubor"));
    EXPECT_EQ(frame->toolsoubor->menu(), frame->menusoubor);
    for (QToolButton* button : {frame->toolupravy, frame->tooltvorba, frame->toolsablony}) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_EQ(button->menu(), nullptr);
    }
    QStringList items;
    for (QAction* item : frame->menusoubor->actions()) items << item->objectName();
    EXPECT_EQ(items.join(' '), QStringLiteral("Nov1 Otevt1 Zavt1 N4 Uloit1 Uloitjako1 Export1 N5 Tisk2 Vlastnostitisku1 N6 Konec1"));
}

TEST_F(FrameTest, MenuRowButtonsLookAtRestOnceTheirMenuHasClosed) {
    writeConfig(exampleConfig);  // a start window lends its three menus too
    TMindgridMainForm* frame = start();
    frame->move(0, 0);
    reactivate(frame);
    const QPoint away = frame->StatusBar->mapToGlobal(frame->StatusBar->rect().center());
    for (QToolButton* button : {frame->toolsoubor, frame->toolupravy, frame->tooltvorba, frame->toolsablony,
                                frame->toolnastroje, frame->toolokno, frame->toolnapoveda}) {
        SCOPED_TRACE(button->objectName().toStdString());
        QMenu* menu = button->menu();
        ASSERT_NE(menu, nullptr);
        const QPoint over = button->mapToGlobal(button->rect().center());
        QCursor::setPos(over);
        ASSERT_TRUE(QTest::qWaitFor([button] { return button->underMouse(); }));
        QCursor::setPos(away);
        ASSERT_TRUE(QTest::qWaitFor([button] { return !button->underMouse(); }));
        const QImage atRest = button->grab().toImage();

        // The user points at the button, presses it, goes down to the first
        // item and closes the menu there. While the menu holds the pointer, X
        // tells the button nothing of the pointer leaving it; the offscreen
        // platform does, so the button is put back as X leaves it.
        QCursor::setPos(over);
        ASSERT_TRUE(QTest::qWaitFor([button] { return button->underMouse(); }));
        bool opened = false;
        QTimer::singleShot(0, menu, [&] {
            opened = QTest::qWaitForWindowExposed(menu);
            button->setAttribute(Qt::WA_UnderMouse, true);
            QCursor::setPos(menu->mapToGlobal(menu->actionGeometry(menu->actions().first()).center()));
            menu->hide();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(opened);

        EXPECT_TRUE(QTest::qWaitFor([button] { return !button->underMouse(); }));
        EXPECT_FALSE(button->isDown());
        EXPECT_FALSE(button->isChecked());
        EXPECT_EQ(button->grab().toImage(), atRest) << "drawn as if still pressed or pointed at";
    }
}

TEST_F(FrameTest, SharedControlsFollowTheActionTheyAreBoundTo) {
    start();
    TMindgridMainForm* frame = MindgridMainForm;
    int saved = 0;
    auto* save = new QAction(QStringLiteral("&Uložit"));
    setHint(save, QStringLiteral("Uložit|Uloží osmisměrku"));
    QObject::connect(save, &QAction::triggered, [&saved] { ++saved; });

    frame->Uloit1->setAction(save);
    bindButton(frame->ToolButton2, save);
    EXPECT_TRUE(frame->Uloit1->isEnabled());
    EXPECT_EQ(frame->Uloit1->statusTip(), QStringLiteral("Uloží osmisměrku"));
    frame->Uloit1->trigger();
    frame->ToolButton2->click();
    EXPECT_EQ(saved, 2);
    save->setEnabled(false);
    EXPECT_FALSE(frame->Uloit1->isEnabled()) << "the item follows its action";

    // Given back: the frame's placeholder, and no drop-down of former actions.
    frame->Uloit1->setAction(frame->FileSave1);
    bindButton(frame->ToolButton2, frame->FileSave1);
    EXPECT_EQ(frame->ToolButton2->actions(), QList<QAction*>{frame->FileSave1});
    EXPECT_FALSE(frame->Uloit1->isEnabled());

    // An item whose action goes away without being given back turns empty.
    frame->Tisk2->setAction(save);
    delete save;
    EXPECT_FALSE(frame->Tisk2->isEnabled());
    frame->Tisk2->trigger();
    EXPECT_EQ(saved, 2);
}

TEST_F(FrameTest, NewDocumentsAreCountedAndNamed) {
    TMindgridMainForm* frame = start();
    ASSERT_EQ(frame->windowCounter, 0);
    desktop.boxes.clear();

    answerNewDocument(&Tnovyform::radioosm);
    frame->FileNew1->trigger();
    answerNewDocument(&Tnovyform::radiokri);
    frame->FileNew1->trigger();
    answerNewDocument(nullptr);  // cancelled: no window, no number used up
    frame->FileNew1->trigger();
    answerNewDocument(&Tnovyform::radiokrs);
    frame->FileNew1->trigger();
    // The dialog keeps its last choice.
    whenDialog<Tnovyform>([](Tnovyform* form) {
        EXPECT_TRUE(form->radiokrs->isChecked());
        form->radiosvekri->click();
        form->BitBtn1->click();
    });
    frame->FileNew1->trigger();

    const QStringList expected = {QStringLiteral("Osmisměrka1"), QStringLiteral("Klasická křížovka2"),
                                  QStringLiteral("Kris-kros3"), QStringLiteral("Švédská křížovka4")};
    ASSERT_EQ(captions(), expected);
    EXPECT_EQ(names(), (QStringList{"okno1", "okno2", "okno3", "okno4"}));
    EXPECT_EQ(windows().last()->property("tag").toInt(), 4);
    EXPECT_EQ(windowMenuCaptions(), expected);
    EXPECT_EQ(checkedWindowItem(), QStringLiteral("okno4"));

    // An extension that names no kind is refused, but still uses up a number.
    frame->openFileByExtension(QStringLiteral("/home/jana/slova.txt"));
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Z přípony souboru nelze určit typ křížovky.")});
    ASSERT_EQ(windows().size(), 4);
    desktop.answerFile(QStringLiteral("/home/jana/TAJENKA.OSM"));
    frame->FileOpen1->trigger();
    EXPECT_EQ(windows().last()->windowTitle(), QStringLiteral("Osmisměrka (/home/jana/TAJENKA.OSM)"));
    EXPECT_EQ(windows().last()->objectName(), QStringLiteral("okno6"));
    // An opened window reads its file; a new one is a 10 × 10 grid.
    auto* opened = dynamic_cast<FakeDocument*>(windows().last());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->documentKind(), 1);
    EXPECT_EQ(opened->loadedFrom, QStringLiteral("/home/jana/TAJENKA.OSM"));
    EXPECT_EQ(opened->grid().currentCols(), 0);
    auto* created = dynamic_cast<FakeDocument*>(windows().first());
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->loadedFrom.isEmpty());
    EXPECT_EQ(created->grid().currentCols(), 10);
    EXPECT_EQ(created->grid().currentRows(), 10);
    frame->FileOpen1->trigger();  // chooser cancelled
    EXPECT_EQ(frame->windowCounter, 6);
}

TEST_F(FrameTest, WindowMenuFollowsTheActiveWindow) {
    TMindgridMainForm* frame = start();
    for (int i = 0; i < 3; ++i) {
        ++frame->windowCounter;
        frame->createChild(QStringLiteral("Kris-kros%1").arg(frame->windowCounter), 3, {}, false);
    }
    ASSERT_EQ(windows().size(), 3);
    EXPECT_EQ(checkedWindowItem(), QStringLiteral("okno3"));
    frame->windowMenuClick(frame->windowMenuItem(QStringLiteral("okno1")));
    EXPECT_EQ(frame->clientArea()->activeSubWindow()->objectName(), QStringLiteral("okno1"));
    EXPECT_EQ(checkedWindowItem(), QStringLiteral("okno1"));
    frame->clientArea()->setActiveSubWindow(windows()[1]);  // clicked by the user
    EXPECT_EQ(checkedWindowItem(), QStringLiteral("okno2"));

    // Closing the active window frees exactly its item.
    frame->FileClose1->trigger();
    settle();
    EXPECT_EQ(names(), (QStringList{"okno1", "okno3"}));
    EXPECT_EQ(windowMenuCaptions(), (QStringList{"Kris-kros1", "Kris-kros3"}));

    // The buttons for the active document: minimise, restore, close.
    QMdiSubWindow* active = frame->clientArea()->activeSubWindow();
    ASSERT_NE(active, nullptr);
    frame->ToolButton4->click();
    EXPECT_TRUE(active->isMinimized());
    frame->clientArea()->setActiveSubWindow(active);
    frame->ToolButton5->click();
    EXPECT_FALSE(active->isMinimized());
    frame->ToolButton16->click();
    settle();
    EXPECT_EQ(windows().size(), 1);
}

TEST_F(FrameTest, WindowsCanBeArranged) {
    writeConfig({0, 0, 1, 0, 25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // windows open maximised
    TMindgridMainForm* frame = start();
    frame->resize(800, 600);
    for (int i = 0; i < 2; ++i) {
        ++frame->windowCounter;
        frame->createChild(QStringLiteral("Osmisměrka%1").arg(frame->windowCounter), 1, {}, false);
        ASSERT_EQ(windows().size(), i + 1);
        EXPECT_TRUE(windows().last()->isMaximized());
    }
    const QSize area = frame->clientArea()->viewport()->size();

    frame->WindowTileVertical1->trigger();
    QRect first = windows()[0]->geometry();
    QRect second = windows()[1]->geometry();
    EXPECT_FALSE(windows()[0]->isMaximized());
    EXPECT_EQ(first.top(), second.top()) << "side by side";
    EXPECT_EQ(first.height(), area.height());
    EXPECT_EQ(first.width() + second.width(), area.width());

    frame->WindowTileHorizontal1->trigger();
    first = windows()[0]->geometry();
    second = windows()[1]->geometry();
    EXPECT_EQ(first.left(), second.left()) << "one above the other";
    EXPECT_EQ(first.width(), area.width());
    EXPECT_EQ(first.height() + second.height(), area.height());

    frame->WindowCascade1->trigger();
    EXPECT_NE(windows()[0]->geometry().topLeft(), windows()[1]->geometry().topLeft());

    frame->WindowMinimizeAll1->trigger();
    for (QMdiSubWindow* window : windows()) EXPECT_TRUE(window->isMinimized());
}

TEST_F(FrameTest, TheCommandLineOpensOneFile) {
    struct Case {
        QStringList parameters;
        QString caption;  // empty: refused
    };
    const Case cases[] = {
        // An unquoted path with a blank arrives as two parameters.
        {{"/home/jana/moje", "křížovky/první.kri"}, "Klasická křížovka (/home/jana/moje křížovky/první.kri)"},
        {{"\t/tmp/a.skr\x01"}, "Švédská křížovka (/tmp/a.skr)"},
        {{"/tmp/seznam.txt"}, ""},
    };
    writeConfig(exampleConfig);  // the start window is not opened with a command line
    for (const Case& c : cases) {
        desktop.boxes.clear();
        start(c.parameters);
        EXPECT_EQ(MindgridMainForm->windowCounter, 1);
        if (c.caption.isEmpty()) {
            EXPECT_TRUE(windows().isEmpty());
            EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Z přípony souboru nelze určit typ křížovky.")});
        } else {
            EXPECT_EQ(captions(), QStringList{c.caption});
            EXPECT_TRUE(desktop.boxes.isEmpty());
        }
        destroyForms();
    }
}

TEST_F(FrameTest, TheSettingsChooseTheWindowAtStart) {
    const std::pair<int, QStringList> cases[] = {
        {0, {}}, {1, {"Osmisměrka1"}}, {4, {"Švédská křížovka1"}}, {5, {}}, {200, {}},
    };
    for (auto [kind, expected] : cases) {
        writeConfig({1, 1, 0, kind, 25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        start();
        EXPECT_EQ(captions(), expected) << kind;
        destroyForms();
    }
}

TEST_F(FrameTest, ClosingTheFrameClosesEveryDocumentWithoutQuestions) {
    TMindgridMainForm* frame = start();
    for (int i = 0; i < 3; ++i) {
        ++frame->windowCounter;
        frame->createChild(QStringLiteral("Osmisměrka%1").arg(frame->windowCounter), 1, {}, false);
    }
    frame->close();
    settle();
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_TRUE(windowMenuCaptions().isEmpty());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(desktop.boxes.size(), 1) << "only the missing settings file";
}

TEST_F(FrameTest, HelpOpensTheHelpFileBesideTheProgram) {
    TMindgridMainForm* frame = start();
    desktop.boxes.clear();
    frame->acobsaharejstrik->trigger();
    EXPECT_EQ(desktop.boxTexts(),
              QStringList{QStringLiteral("Soubor nápovědy mindgrid.hlp nebyl ve složce programu nalezen.")});
    EXPECT_TRUE(desktop.opened.isEmpty());

    folder.write("mindgrid.hlp", "help");
    desktop.boxes.clear();
    frame->acobsaharejstrik->trigger();
    EXPECT_TRUE(desktop.boxes.isEmpty());
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString((folder / "mindgrid.hlp").string()))});

    desktop.openSucceeds = false;
    frame->acobsaharejstrik->trigger();
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Soubor nápovědy mindgrid.hlp nelze otevřít.")});
}

TEST_F(FrameTest, AboutBoxLinksOpenWithTheDesktop) {
    TMindgridMainForm* frame = start();
    whenDialog<TAboutBox>([](TAboutBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("O programu"));
        EXPECT_EQ(box->Version->text(), QStringLiteral("Verze 2.1"));
        box->OKButton->click();
    });
    frame->HelpAbout1->trigger();

    desktop.boxes.clear();
    AboutBox->weblabelClick();
    AboutBox->maillabelClick();
    EXPECT_EQ(desktop.opened, (QList<QUrl>{QUrl(TAboutBox::webAddress), QUrl("mailto:" + TAboutBox::mailAddress)}));
    EXPECT_TRUE(desktop.boxes.isEmpty());
    desktop.openSucceeds = false;
    AboutBox->weblabelClick();
    AboutBox->maillabelClick();
    EXPECT_EQ(desktop.boxTexts(), (QStringList{QStringLiteral("Chyba při spouštění prohlížeče."),
                                               QStringLiteral("Chyba při spouštění poštovního klienta.")}));
    EXPECT_EQ(desktop.boxes.value(0).kind, desktop::DesktopHooks::Box::Warning);
}

TEST_F(FrameTest, PrinterSetUpSaysWhenThereIsNoPrinter) {
    TMindgridMainForm* frame = start();
    const auto realCheck = printing::printerCheck();
    printing::printerCheck() = [] { return false; };
    desktop.boxes.clear();
    frame->FilePrinterSetup->trigger();
    EXPECT_EQ(desktop.boxTexts(),
              QStringList{QStringLiteral("Není nainstalována žádná tiskárna. Tisk se uloží do souboru PDF.")});

    printing::printerCheck() = [] { return true; };
    bool shown = false;
    whenModal([&shown](QWidget* dialog) {
        shown = dialog != nullptr;
        if (dialog) qobject_cast<QDialog*>(dialog)->reject();
    });
    frame->FilePrinterSetup->trigger();
    printing::printerCheck() = realCheck;
    EXPECT_TRUE(shown);
    EXPECT_EQ(frame->printer(), MindgridMainForm->printer()) << "one printer for every print";
}

TEST_F(FrameTest, ShortcutsRunTheirActionOnceWhereverTheFocusIs) {
    TMindgridMainForm* frame = start();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));

    // With no document window the frame's keys run its actions, each once,
    // and the keys of a document window run nothing.
    struct KeyCase {
        const char* key;
        QStringList ran;
    };
    for (const KeyCase& c : {KeyCase{"Ctrl+N", {"FileNew1"}}, KeyCase{"Ctrl+O", {"FileOpen1"}},
                             KeyCase{"F1", {"acobsaharejstrik"}}, KeyCase{"Ctrl+S", {}}, KeyCase{"Ctrl+P", {}}}) {
        SCOPED_TRACE(c.key);
        if (c.ran.contains(QStringLiteral("FileNew1")))
            whenDialog<Tnovyform>([](Tnovyform* form) { form->BitBtn2->click(); });
        EXPECT_EQ(actionsRunBy(QKeySequence(QString::fromLatin1(c.key))), c.ran);
    }
    EXPECT_EQ(desktop.fileCaptions, QStringList{QStringLiteral("Otevřít")});
    EXPECT_TRUE(windows().isEmpty());

    desktop.boxes.clear();
    QTest::keyClick(frame, Qt::Key_F1);
    EXPECT_EQ(desktop.boxes.size(), 1) << "from the frame";

    ++frame->windowCounter;
    QMdiSubWindow* window = frame->createChild(QStringLiteral("Osmisměrka1"), 1, {}, false);
    reactivate(frame);
    window->widget()->setFocusPolicy(Qt::StrongFocus);
    window->widget()->setFocus();
    QTest::keyClick(window->widget(), Qt::Key_F1);
    EXPECT_EQ(desktop.boxes.size(), 2) << "from a document window";

    // A menu that has been open once does not take the shortcut over.
    frame->menunapoveda->popup(frame->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame->menunapoveda));
    frame->menunapoveda->hide();
    QTest::keyClick(window->widget(), Qt::Key_F1);
    EXPECT_EQ(desktop.boxes.size(), 3) << "after the menu was open";
}
