#include "frame/ui/main_form.h"

#include "document/core/document_kinds.h"
#include "document/ui/designer_form.h"
#include "document/ui/direction_form.h"
#include "document/ui/document_window.h"
#include "document/ui/icons.h"
#include "document/ui/phrase_form.h"
#include "document/ui/picture_form.h"
#include "document/ui/size_form.h"
#include "formstate/ui/form_storage.h"
#include "frame/core/config.h"
#include "frame/core/window_tiling.h"
#include "frame/ui/about_box.h"
#include "frame/ui/config_messages.h"
#include "frame/ui/dock_tool_bar.h"
#include "frame/ui/init_form.h"
#include "frame/ui/main_form_controls.h"
#include "frame/ui/new_form.h"
#include "frame/ui/settings_form.h"
#include "platform/core/folders.h"
#include "platform/core/random.h"
#include "platform/ui/actions.h"
#include "platform/ui/background.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/file_chooser.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/printing.h"
#include "stores/core/word_stores.h"
#include "stores/ui/store_files.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <array>

TMindgridMainForm* MindgridMainForm = nullptr;

namespace {

// Window-menu items of document windows form this group.
constexpr int windowItemGroup = 10;

// A document window's size that shows it whole, and the size the frame last
// gave it to come near that.
constexpr const char* wantedSizeKey = "wantedSize";
constexpr const char* fittedSizeKey = "fittedSize";

// A control of the frame that shows an action of the active document window:
// a tool button or a menu item, the frame's placeholder it shows otherwise,
// and which of the window's actions it shows (named in the kind's row).
struct LentControl {
    QToolButton* button;  // nullptr for a menu item
    MenuItem* item;       // nullptr for a tool button
    QAction* placeholder;
    const char* LentActions::*action;
    // Kept by a window that loses activation, until another window becomes
    // active or the window closes.
    bool keptWhileInactive;

    QAction* shown() const { return button ? button->defaultAction() : item->action(); }
    void show(QAction* action) const {
        if (button) bindButton(button, action);
        else item->setAction(action);
    }
};

std::array<LentControl, 8> lentControls(const TMindgridMainForm& frame) {
    return {{
        {frame.ToolButton6, nullptr, frame.acVelikost, &LentActions::size, true},
        {frame.ToolButton7, nullptr, frame.acNavrhar, &LentActions::designer, true},
        {frame.ToolButton2, nullptr, frame.FileSave1, &LentActions::save, false},
        {nullptr, frame.Uloit1, frame.FileSave1, &LentActions::save, false},
        {nullptr, frame.Uloitjako1, frame.FileSaveAs1, &LentActions::saveAs, false},
        {nullptr, frame.Tisk2, frame.FilePrint, &LentActions::print, false},
        {nullptr, frame.Export2, frame.FileExport, &LentActions::spreadsheetExport, false},
        {nullptr, frame.Uloitjakoobrzek1, frame.FileObr, &LentActions::pictureExport, false},
    }};
}

}  // namespace

TMindgridMainForm::TMindgridMainForm(const QStringList& parameters)
    : parameters_(parameters), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    MindgridMainForm = this;
    setObjectName(QStringLiteral("MindgridMainForm"));
    setWindowTitle(QStringLiteral("Mindgrid!"));
    setWindowIcon(programIcon());
    resize(537, 350);
    createComponents();
    setDocumentHost(this);
    FormCreate();
}

TMindgridMainForm::~TMindgridMainForm() {
    // A frame shown and never closed keeps its state, while its controls are all there.
    FormStorage1->formDestroy();
    // The document windows go with the area after this destructor has run:
    // nothing they or the area report may reach the frame any more.
    mdiArea_->disconnect(this);
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) window->disconnect(this);
    activeDocument_ = nullptr;
    if (documentHost() == this) setDocumentHost(nullptr);
    if (MindgridMainForm == this) MindgridMainForm = nullptr;
}

void TMindgridMainForm::FormCreate() {
    loadCaptions();
    loadConfigOrWarn(this);  // on failure every setting stays zero
    seedProgramRandomFromClock();
    // The two cursors of the grids; a missing file leaves the arrow.
    if (auto cursor = desktop::loadCursorFile(QStringLiteral("zacatek.cur"))) desktop::setScreenCursor(3, *cursor);
    if (auto cursor = desktop::loadCursorFile(QStringLiteral("konec.cur"))) desktop::setScreenCursor(2, *cursor);
    windowCounter = 0;

    splash_ = new Tinitform(this);
    splash_->show();
    QApplication::processEvents();
    loadStores();
    delete splash_;

    ToolBar2->setVisible(frameSettings.showStandardToolBar());
    ToolBar3->setVisible(frameSettings.showEditToolBar());
}

void TMindgridMainForm::loadStores() {
    // Empty stores first, then the dictionary choices, then the words; the
    // clue stores are read when a clue feature first needs them.
    resetWordStores();
    loadOsmDictionarySelection();
    loadDictionaryList();
    setSplashText(QStringLiteral("Načítají se slova pro křížovky..."));
    runInBackground([] { loadCrosswordWords(); });
    setSplashText(QStringLiteral("Načítají se slova pro osmisměrky..."));
    runInBackground([] { loadSlvDictionary(); });
}

void TMindgridMainForm::saveStores() {
    // The user's words, then the user's clues if they were read during this run.
    saveWordStores(this);
}

void TMindgridMainForm::setSplashText(const QString& text) {
    if (splash_) splash_->setText(text);
}

void TMindgridMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;  // the window system restoring the window
    FormShow();  // FormStorage1 has restored the placement by now
}

void TMindgridMainForm::FormShow() {
    if (parameters_.isEmpty()) {
        const int kind = frameSettings.startWindowKind();
        if (kind != noDocument) createNewChild(kind);
        return;
    }
    // A path with blanks may arrive split into several parameters.
    QString path;
    for (const QString& parameter : parameters_) path += parameter + QLatin1Char(' ');
    openFileByExtension(trimControls(path));
}

void TMindgridMainForm::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    FormCloseQuery();  // closing is always allowed
    closed_ = true;
    FormClose();
    event->accept();
}

void TMindgridMainForm::FormCloseQuery() {
    // From the bottom of the window stack to the active window; no window asks anything.
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::StackingOrder)) window->close();
}

void TMindgridMainForm::FormClose() {
    // A window state that cannot be written is told once and keeps nothing
    // else from being written: the user's words and clues are saved all the same.
    FormStorage1->saveStateReported();
    saveStores();
}

QString TMindgridMainForm::documentKindName(int kind) {
    const DocumentKindInfo* info = documentKindInfo(kind);
    return info ? toQString(info->name) : QString();
}

// ---- the host of the document windows --------------------------------------

Tpictureform* TMindgridMainForm::pictureWindow() { return pictureform; }

Tnavrharform* TMindgridMainForm::designer() { return navrharform; }

Tnastavvelform* TMindgridMainForm::sizeDialog() { return nastavvelform; }

Tvodsviform* TMindgridMainForm::directionQuestion() { return vodsviform; }

Ttajenkaform* TMindgridMainForm::phraseDialog() { return tajenkaform; }

int TMindgridMainForm::cellSize() { return frameSettings.cellSize(); }

WordFillSettings TMindgridMainForm::wordFillSettings() {
    return {crosswordSettings.chAsOneLetter(), crosswordSettings.candidateSource(),
            crosswordSettings.addWordsToUserStore()};
}

void TMindgridMainForm::captionChanged(DocumentWindow& window) {
    if (QAction* item = windowMenuItem(window.objectName())) item->setText(window.windowTitle());
}

void TMindgridMainForm::windowActivated(DocumentWindow& window) {
    checkWindowMenuItem(window.objectName());
    const DocumentKindInfo& kind = window.kindInfo();
    for (const LentControl& control : lentControls(*this)) {
        QAction* action = window.ownAction(kind.lent.*control.action);
        control.show(action);
        // While the window is the active one its keys (Ctrl+S, Ctrl+P) answer
        // wherever the focus is in the frame, as the frame's own keys do.
        if (action) addAction(action);
    }

    const auto lendMenu = [](QToolButton* button, QMenu* menu, bool enabled) {
        setRowMenu(button, menu);
        button->setEnabled(enabled);
    };
    lendMenu(toolupravy, window.menuupravy, true);
    lendMenu(tooltvorba, window.menutvorba, kind.creationMenuEnabled);
    lendMenu(toolsablony, window.menusablony, true);
}

void TMindgridMainForm::windowDeactivated(DocumentWindow&) {
    // The size and designer buttons stay with the window until another one
    // becomes active or it closes.
    giveBackControls([](const QObject*) { return true; }, false);
}

void TMindgridMainForm::windowClosing(DocumentWindow& window) {
    removeWindowMenuItem(window.objectName());
    // Everything of this window that a frame control still shows is given
    // back now, while it exists, and nothing else: a window that closes while
    // another one is active leaves that window's controls alone.
    giveBackControls(
        [&window](const QObject* object) {
            for (; object; object = object->parent())
                if (object == &window) return true;
            return false;
        },
        true);
}

void TMindgridMainForm::giveBackControls(const std::function<bool(const QObject*)>& lent, bool sizeAndDesigner) {
    for (const LentControl& control : lentControls(*this)) {
        if (control.keptWhileInactive && !sizeAndDesigner) continue;
        if (lent(control.shown())) control.show(control.placeholder);
    }
    for (QAction* action : actions())
        if (action->parent() != actionList_ && lent(action)) removeAction(action);
    // The menus go with their window, so no button may keep one.
    for (QToolButton* button : {toolupravy, tooltvorba, toolsablony}) {
        if (!lent(button->menu())) continue;
        button->setMenu(nullptr);
        button->setEnabled(false);
    }
}

QMdiSubWindow* TMindgridMainForm::createChild(const QString& caption, int kind, const QString& path, bool openFile) {
    DocumentWindow* window = createDocumentWindow(kind);
    if (!window) return nullptr;
    const QSize designed = window->size();
    // The window joins the area no larger than the area, so that the area
    // places it where all of it can be seen; its size comes when it is whole.
    const QSize room = mdiArea_->viewport()->size();
    if (!room.isEmpty()) window->resize(designed.boundedTo(room));
    window->setWindowTitle(caption);
    window->setProperty("tag", kind);
    const QString name = QStringLiteral("okno") + QString::number(windowCounter);
    window->setObjectName(name);
    // A window deleted without being closed takes its item along too.
    connect(window, &QObject::destroyed, this, [this, name] { removeWindowMenuItem(name); });

    // The window joins the area hidden and stays so until it is whole: a
    // subwindow that is shown or maximised becomes the area's active window
    // at once, and a half-made one would take the activation (and the shared
    // controls) from the window the user is working in, even when its file
    // then turns out unreadable.
    mdiArea_->addSubWindow(window);
    window->receiveWordLists();
    if (openFile) window->loadFromFile(path);
    else window->resizeGrid(10, 10);
    if (window->loadFailed()) {
        // The window has told the user why; it goes before it was ever listed
        // or shown. Out of the area first, so that its going activates no
        // other window: the one active before stays as it was.
        mdiArea_->removeSubWindow(window);
        window->close();
        return nullptr;
    }

    // The window shows its controls uncut and its whole grid, as far as the
    // free area allows; it is never smaller than it was designed.
    window->setProperty(wantedSizeKey, window->wantedSize().expandedTo(designed));
    fitToArea(window);

    auto* item = new QAction(caption, menuokno);
    item->setObjectName(name);
    item->setProperty("tag", windowCounter);
    item->setProperty("groupIndex", windowItemGroup);
    item->setCheckable(true);
    windowItems_->addAction(item);
    menuokno->addAction(item);
    connect(item, &QAction::triggered, this, [this, item] { windowMenuClick(item); });
    if (frameSettings.maximiseWindows()) window->showMaximized();
    windowMenuClick(item);
    updateWindowActions();
    return window;
}

QMdiSubWindow* TMindgridMainForm::createNewChild(int kind) {
    ++windowCounter;
    return createChild(documentKindName(kind) + QString::number(windowCounter), kind, QString(), false);
}

void TMindgridMainForm::fitToArea(QMdiSubWindow* window) {
    const QSize wanted = window->property(wantedSizeKey).toSize();
    QSize room = mdiArea_->viewport()->size();
    if (window->isVisible()) room -= QSize(std::max(0, window->x()), std::max(0, window->y()));
    if (!wanted.isValid() || room.isEmpty() || window->isMaximized() || window->isMinimized()) return;
    QSize size = wanted.boundedTo(room);
    // A side cut short gets a scroll bar, which takes room from the other side.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    if (size.height() < wanted.height()) size.setWidth(std::min(room.width(), wanted.width() + bar));
    if (size.width() < wanted.width()) size.setHeight(std::min(room.height(), wanted.height() + bar));
    window->resize(size);
    window->setProperty(fittedSizeKey, window->size());
}

bool TMindgridMainForm::eventFilter(QObject* watched, QEvent* event) {
    // A window made while the frame was smaller (the first one is made while
    // the frame is still on its way to its full size) grows with the area
    // towards its wanted size, as long as the user has not sized it.
    if (watched == mdiArea_->viewport() && event->type() == QEvent::Resize)
        for (QMdiSubWindow* window : mdiArea_->subWindowList())
            if (window->size() == window->property(fittedSizeKey).toSize()) fitToArea(window);
    return QMainWindow::eventFilter(watched, event);
}

void TMindgridMainForm::openFileByExtension(const QString& path) {
    ++windowCounter;
    const DocumentKind kind = documentKindOfPath(path.toStdString());
    if (kind == noDocument) {
        desktop::warning(this, QStringLiteral("Z přípony souboru nelze určit typ křížovky."));
        return;
    }
    createChild(DocumentWindow::fileCaption(kind, path), kind, path, true);
}

void TMindgridMainForm::windowMenuClick(QAction* item) {
    for (QAction* other : windowItems_->actions()) other->setChecked(false);
    item->setChecked(true);
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (window->objectName() != item->objectName()) continue;
        // A minimised window chosen from the menu opens again.
        if (window->isMinimized()) window->showNormal();
        else window->show();
        mdiArea_->setActiveSubWindow(window);
        // The keys go to the window the user picked: a window with nothing
        // that takes the focus takes it itself, rather than leaving it on the
        // frame's menu row (it is given when the frame is next active).
        if (!window->isAncestorOf(focusWidget())) window->setFocus(Qt::OtherFocusReason);
    }
}

QAction* TMindgridMainForm::windowMenuItem(const QString& windowName) const {
    for (QAction* item : windowItems_->actions())
        if (item->objectName() == windowName) return item;
    return nullptr;
}

void TMindgridMainForm::checkWindowMenuItem(const QString& windowName) {
    for (QAction* item : windowItems_->actions()) item->setChecked(item->objectName() == windowName);
}

void TMindgridMainForm::removeWindowMenuItem(const QString& windowName) {
    if (QAction* item = windowMenuItem(windowName)) delete item;
}

void TMindgridMainForm::subWindowActivated(QMdiSubWindow* window) {
    auto* next = qobject_cast<DocumentWindow*>(window);
    if (next != activeDocument_) {
        if (activeDocument_) activeDocument_->FormDeactivate();
        activeDocument_ = next;
        if (next) next->FormActivate();
    }
    updateWindowActions();
}

void TMindgridMainForm::updateWindowActions() {
    // The checked window-menu item follows the active window, however it became active.
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow()) checkWindowMenuItem(active->objectName());
    // As on any multiple-document frame: closing needs an active window,
    // arranging needs at least one.
    const bool any = !mdiArea_->subWindowList().isEmpty();
    FileClose1->setEnabled(mdiArea_->activeSubWindow() != nullptr);
    for (QAction* action : {WindowCascade1, WindowTileHorizontal1, WindowTileVertical1, WindowMinimizeAll1})
        action->setEnabled(any);
}

void TMindgridMainForm::FileNew1Execute() {
    if (!novyform || novyform->exec() != QDialog::Accepted) return;
    createNewChild(novyform->documentKind());
}

void TMindgridMainForm::FileOpen1Execute() {
    if (OpenDialog->execute(this)) openFileByExtension(QFileInfo(OpenDialog->fileName()).absoluteFilePath());
}

void TMindgridMainForm::FileClose1Execute() { mdiArea_->closeActiveSubWindow(); }

void TMindgridMainForm::FileExit1Execute() { close(); }

void TMindgridMainForm::FilePrinterSetupExecute() {
    if (!printing::printerCheck()()) {
        desktop::message(this, QStringLiteral("Není nainstalována žádná tiskárna. Tisk se uloží do souboru PDF."));
        return;
    }
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("Vlastnosti tisku"));
    dialog.exec();
}

void TMindgridMainForm::WindowCascade1Execute() { mdiArea_->cascadeSubWindows(); }

void TMindgridMainForm::WindowTileHorizontal1Execute() { tile(false); }

void TMindgridMainForm::WindowTileVertical1Execute() { tile(true); }

void TMindgridMainForm::tile(bool sideBySide) {
    // Minimised windows stay where they are.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::StackingOrder))
        if (window->isVisible() && !window->isMinimized()) windows.prepend(window);  // active window first
    const QSize area = mdiArea_->viewport()->size();
    const auto tiles = tileWindows(static_cast<int>(windows.size()), area.width(), area.height(), sideBySide);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const TileRect& t = tiles[static_cast<std::size_t>(i)];
        if (windows[i]->isMaximized()) windows[i]->showNormal();
        windows[i]->setGeometry(t.x, t.y, t.width, t.height);
    }
}

void TMindgridMainForm::WindowMinimizeAll1Execute() {
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) window->showMinimized();
}

void TMindgridMainForm::HelpAbout1Execute() {
    if (AboutBox) AboutBox->exec();
}

void TMindgridMainForm::nastaveniExecute() {
    if (!nastaveniform || nastaveniform->exec() != QDialog::Accepted) return;
    ToolBar2->setVisible(nastaveniform->CheckBox11->isChecked());
    ToolBar3->setVisible(nastaveniform->CheckBox12->isChecked());
}

void TMindgridMainForm::acobsaharejstrikExecute() {
    const QString help = displayPath(programFile("mindgrid.hlp"));
    if (!QFileInfo::exists(help)) {
        desktop::warning(this, QStringLiteral("Soubor nápovědy mindgrid.hlp nebyl ve složce programu nalezen."));
        return;
    }
    if (!desktop::openWithDesktop(QUrl::fromLocalFile(help)))
        desktop::warning(this, QStringLiteral("Soubor nápovědy mindgrid.hlp nelze otevřít."));
}

void TMindgridMainForm::ToolButton4Click() {
    if (QMdiSubWindow* window = mdiArea_->activeSubWindow()) window->showMinimized();
}

void TMindgridMainForm::ToolButton5Click() {
    if (QMdiSubWindow* window = mdiArea_->activeSubWindow()) window->showNormal();
}

void TMindgridMainForm::ToolButton16Click() {
    if (QMdiSubWindow* window = mdiArea_->activeSubWindow()) window->close();
}
