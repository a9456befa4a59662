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
#include <QCursor>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVariant>

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

QAction* makeAction(QObject* list, const char* name, const char* category, int image = -1,
                    const QKeySequence& shortcut = {}) {
    auto* action = new QAction(list);
    action->setObjectName(QLatin1String(name));
    action->setProperty("category", QLatin1String(category));
    if (image >= 0) action->setIcon(toolImage(image));
    action->setShortcut(shortcut);
    return action;
}

// A placeholder: disabled, no handler, replaced on the controls by the active document window.
QAction* makePlaceholder(QObject* list, const char* name, const char* category, int image = -1,
                         const QKeySequence& shortcut = {}) {
    QAction* action = makeAction(list, name, category, image, shortcut);
    action->setEnabled(false);
    return action;
}

MenuItem* makeItem(QMenu* menu, const char* name, QAction* action) {
    auto* item = new MenuItem(QLatin1String(name), menu);
    item->setAction(action);
    menu->addAction(item);
    return item;
}

QAction* makeSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

// A button of the menu row once its menu has closed. The pointer went to the
// menu while the menu held it, and the crossings X reports during such a hold
// never reach the button: it would go on taking the pointer for being over it
// and stay drawn raised, like a pressed one. It is told where the pointer is.
void settleMenuButton(QToolButton* button) {
    if (button->isDown()) button->setDown(false);
    const QPoint pointer = button->mapFromGlobal(QCursor::pos());
    if (!button->underMouse() || (button->isVisible() && button->rect().contains(pointer))) return;
    // What the window system sends when the pointer leaves a widget.
    button->setAttribute(Qt::WA_UnderMouse, false);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    QHoverEvent hoverLeave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(QCursor::pos()), QPointF(pointer));
    QCoreApplication::sendEvent(button, &hoverLeave);
    button->update();
}

// Gives a button of the menu row its drop-down menu (nullptr: none). A menu
// lent again and again is watched once.
void setRowMenu(QToolButton* button, QMenu* menu) {
    button->setMenu(menu);
    if (!menu || menu->property("rowButton").value<QObject*>() == button) return;
    menu->setProperty("rowButton", QVariant::fromValue<QObject*>(button));
    // After the menu's own hiding is through.
    QObject::connect(menu, &QMenu::aboutToHide, button,
                     [button] { QTimer::singleShot(0, button, [button] { settleMenuButton(button); }); });
}

// A button of the menu row: flat, text only, opens its drop-down menu at once.
QToolButton* makeMenuButton(QToolBar* bar, const char* name, QMenu* menu) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    if (menu) setRowMenu(button, menu);
    else button->setEnabled(false);  // until a document window lends its menu
    bar->addWidget(button);
    return button;
}

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

// A tool button bound to an action, following its tool bar's look.
QToolButton* makeToolButton(QToolBar* bar, const char* name, QAction* action) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setIconSize(bar->iconSize());
    button->setToolButtonStyle(bar->toolButtonStyle());
    QObject::connect(bar, &QToolBar::iconSizeChanged, button, &QToolButton::setIconSize);
    QObject::connect(bar, &QToolBar::toolButtonStyleChanged, button, &QToolButton::setToolButtonStyle);
    bindButton(button, action);
    bar->addWidget(button);
    return button;
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

void TMindgridMainForm::createComponents() {
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("ClientArea"));
    mdiArea_->setBackground(palette().brush(QPalette::Dark));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    mdiArea_->viewport()->installEventFilter(this);

    // ActionList1
    auto* list = new QObject(this);
    list->setObjectName(QStringLiteral("ActionList1"));
    actionList_ = list;
    FileNew1 = makeAction(list, "FileNew1", "File", 6, QKeySequence(Qt::CTRL | Qt::Key_N));
    FileOpen1 = makeAction(list, "FileOpen1", "File", 7, QKeySequence(Qt::CTRL | Qt::Key_O));
    FileClose1 = makeAction(list, "FileClose1", "File");
    FileSave1 = makePlaceholder(list, "FileSave1", "File", 8, QKeySequence(Qt::CTRL | Qt::Key_S));
    FileSaveAs1 = makePlaceholder(list, "FileSaveAs1", "File");
    FileExit1 = makeAction(list, "FileExit1", "File", 23);
    FilePrint = makePlaceholder(list, "FilePrint", "File", 14);
    FileExport = makePlaceholder(list, "FileExport", "File");
    FileObr = makePlaceholder(list, "FileObr", "File");
    FilePrinterSetup = makeAction(list, "FilePrinterSetup", "File");
    WindowCascade1 = makeAction(list, "WindowCascade1", "Window", 17);
    WindowTileHorizontal1 = makeAction(list, "WindowTileHorizontal1", "Window", 15);
    WindowTileVertical1 = makeAction(list, "WindowTileVertical1", "Window", 16);
    WindowMinimizeAll1 = makeAction(list, "WindowMinimizeAll1", "Window");
    HelpAbout1 = makeAction(list, "HelpAbout1", "Help");
    nastaveni = makeAction(list, "nastaveni", "Nastroje", 22);
    acobsaharejstrik = makeAction(list, "acobsaharejstrik", "Help", 11, QKeySequence(Qt::Key_F1));
    acVelikost = makePlaceholder(list, "acVelikost", "Upravy", 19);
    acNavrhar = makePlaceholder(list, "acNavrhar", "Upravy", 29);
    // Shortcuts work while the frame (or any of its document windows) is active.
    addActions(list->findChildren<QAction*>(Qt::FindDirectChildrenOnly));

    connect(FileNew1, &QAction::triggered, this, &TMindgridMainForm::FileNew1Execute);
    connect(FileOpen1, &QAction::triggered, this, &TMindgridMainForm::FileOpen1Execute);
    connect(FileClose1, &QAction::triggered, this, &TMindgridMainForm::FileClose1Execute);
    connect(FileExit1, &QAction::triggered, this, &TMindgridMainForm::FileExit1Execute);
    connect(FilePrinterSetup, &QAction::triggered, this, &TMindgridMainForm::FilePrinterSetupExecute);
    connect(WindowCascade1, &QAction::triggered, this, &TMindgridMainForm::WindowCascade1Execute);
    connect(WindowTileHorizontal1, &QAction::triggered, this, &TMindgridMainForm::WindowTileHorizontal1Execute);
    connect(WindowTileVertical1, &QAction::triggered, this, &TMindgridMainForm::WindowTileVertical1Execute);
    connect(WindowMinimizeAll1, &QAction::triggered, this, &TMindgridMainForm::WindowMinimizeAll1Execute);
    connect(HelpAbout1, &QAction::triggered, this, &TMindgridMainForm::HelpAbout1Execute);
    connect(nastaveni, &QAction::triggered, this, &TMindgridMainForm::nastaveniExecute);
    connect(acobsaharejstrik, &QAction::triggered, this, &TMindgridMainForm::acobsaharejstrikExecute);

    // Drop-down menus.
    menusoubor = new QMenu(this);
    menusoubor->setObjectName(QStringLiteral("menusoubor"));
    Nov1 = makeItem(menusoubor, "Nov1", FileNew1);
    Otevt1 = makeItem(menusoubor, "Otevt1", FileOpen1);
    Zavt1 = makeItem(menusoubor, "Zavt1", FileClose1);
    makeSeparator(menusoubor, "N4");
    Uloit1 = makeItem(menusoubor, "Uloit1", FileSave1);
    Uloitjako1 = makeItem(menusoubor, "Uloitjako1", FileSaveAs1);
    auto* exportMenu = new QMenu(menusoubor);
    exportMenu->setObjectName(QStringLiteral("Export1Menu"));
    Export1 = menusoubor->addMenu(exportMenu);
    Export1->setObjectName(QStringLiteral("Export1"));
    Export2 = makeItem(exportMenu, "Export2", FileExport);
    Uloitjakoobrzek1 = makeItem(exportMenu, "Uloitjakoobrzek1", FileObr);
    makeSeparator(menusoubor, "N5");
    Tisk2 = makeItem(menusoubor, "Tisk2", FilePrint);
    Vlastnostitisku1 = makeItem(menusoubor, "Vlastnostitisku1", FilePrinterSetup);
    makeSeparator(menusoubor, "N6");
    Konec1 = makeItem(menusoubor, "Konec1", FileExit1);

    menunastroje = new QMenu(this);
    menunastroje->setObjectName(QStringLiteral("menunastroje"));
    Nastaven2 = makeItem(menunastroje, "Nastaven2", nastaveni);

    menuokno = new QMenu(this);
    menuokno->setObjectName(QStringLiteral("menuokno"));
    Nasebe1 = makeItem(menuokno, "Nasebe1", WindowCascade1);
    Vodorovn1 = makeItem(menuokno, "Vodorovn1", WindowTileHorizontal1);
    Svisle1 = makeItem(menuokno, "Svisle1", WindowTileVertical1);
    Minimalizovatve1 = makeItem(menuokno, "Minimalizovatve1", WindowMinimizeAll1);
    N7 = makeSeparator(menuokno, "N7");
    windowItems_ = new QActionGroup(menuokno);
    windowItems_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);

    menunapoveda = new QMenu(this);
    menunapoveda->setObjectName(QStringLiteral("menunapoveda"));
    Obsaharejstrik1 = makeItem(menunapoveda, "Obsaharejstrik1", acobsaharejstrik);
    Oprogramu1 = makeItem(menunapoveda, "Oprogramu1", HelpAbout1);

    // Panel1: the menu row, with the buttons for the active document at its right edge.
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    ToolBar1 = new QToolBar(Panel1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    toolsoubor = makeMenuButton(ToolBar1, "toolsoubor", menusoubor);
    toolupravy = makeMenuButton(ToolBar1, "toolupravy", nullptr);
    tooltvorba = makeMenuButton(ToolBar1, "tooltvorba", nullptr);
    toolsablony = makeMenuButton(ToolBar1, "toolsablony", nullptr);
    toolnastroje = makeMenuButton(ToolBar1, "toolnastroje", menunastroje);
    toolokno = makeMenuButton(ToolBar1, "toolokno", menuokno);
    toolnapoveda = makeMenuButton(ToolBar1, "toolnapoveda", menunapoveda);

    systemtoolbar = new QToolBar(Panel1);
    systemtoolbar->setObjectName(QStringLiteral("systemtoolbar"));
    systemtoolbar->setMovable(false);
    systemtoolbar->setFloatable(false);
    systemtoolbar->setIconSize(QSize(12, 12));
    systemtoolbar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto systemButton = [this](const char* name, QStyle::StandardPixmap picture, const QString& hint) {
        auto* button = new QToolButton(systemtoolbar);
        button->setObjectName(QLatin1String(name));
        button->setAutoRaise(true);
        button->setIcon(style()->standardIcon(picture));
        setHint(button, hint);
        systemtoolbar->addWidget(button);
        return button;
    };
    ToolButton4 = systemButton("ToolButton4", QStyle::SP_TitleBarMinButton,
                               QStringLiteral("Minimalizovat okno aktivního dokumentu"));
    ToolButton5 = systemButton("ToolButton5", QStyle::SP_TitleBarNormalButton,
                               QStringLiteral("Obnovit okno aktivního dokumentu"));
    ToolButton16 = systemButton("ToolButton16", QStyle::SP_TitleBarCloseButton,
                                QStringLiteral("Zavřít okno aktivního dokumentu"));
    connect(ToolButton4, &QToolButton::clicked, this, &TMindgridMainForm::ToolButton4Click);
    connect(ToolButton5, &QToolButton::clicked, this, &TMindgridMainForm::ToolButton5Click);
    connect(ToolButton16, &QToolButton::clicked, this, &TMindgridMainForm::ToolButton16Click);

    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(ToolBar1);
    row->addStretch(1);
    row->addWidget(systemtoolbar);
    setMenuWidget(Panel1);

    // The dockable tool bars.
    ToolBar2 = new TDockToolBar(this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setIconSize(QSize(16, 16));
    ToolButton9 = makeToolButton(ToolBar2, "ToolButton9", FileNew1);
    ToolButton1 = makeToolButton(ToolBar2, "ToolButton1", FileOpen1);
    ToolButton2 = makeToolButton(ToolBar2, "ToolButton2", FileSave1);
    ToolBar2->addSeparator()->setObjectName(QStringLiteral("ToolButton3"));
    ToolButton8 = makeToolButton(ToolBar2, "ToolButton8", WindowCascade1);
    ToolButton10 = makeToolButton(ToolBar2, "ToolButton10", WindowTileHorizontal1);
    ToolButton11 = makeToolButton(ToolBar2, "ToolButton11", WindowTileVertical1);
    addToolBar(Qt::TopToolBarArea, ToolBar2);

    ToolBar3 = new TDockToolBar(this);
    ToolBar3->setObjectName(QStringLiteral("ToolBar3"));
    ToolBar3->setIconSize(QSize(16, 16));
    ToolButton6 = makeToolButton(ToolBar3, "ToolButton6", acVelikost);
    ToolButton7 = makeToolButton(ToolBar3, "ToolButton7", acNavrhar);
    addToolBar(Qt::TopToolBarArea, ToolBar3);

    FormStorage1 = new TFormStorage(this);
    FormStorage1->setIniFileName(QStringLiteral("mindgrid.ini"));
    FormStorage1->setIniSection(QStringLiteral("Hlavní okno"));
    FormStorage1->setStoredProps({QStringLiteral("ToolBar2.Left"), QStringLiteral("ToolBar3.Left"),
                                  QStringLiteral("ToolBar2.Top"), QStringLiteral("ToolBar3.Top")});
    FormStorage1->OnRestorePlacement = [this] { layOutToolBars(this, {ToolBar2, ToolBar3}); };

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(StatusBar);

    OpenDialog = new FileChooser(QStringLiteral("OpenDialog"), FileChooser::Mode::Open, this);
    ExportDialog = new FileChooser(QStringLiteral("ExportDialog"), FileChooser::Mode::Save, this);
    SaveSabDialog = new FileChooser(QStringLiteral("SaveSabDialog"), FileChooser::Mode::Save, this);
    OpenSabDialog = new FileChooser(QStringLiteral("OpenSabDialog"), FileChooser::Mode::Open, this);
    SaveSabDialog->filter = OpenSabDialog->filter = QStringLiteral("šablony Mindgrid! (*.sbl)|*.sbl");

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &TMindgridMainForm::subWindowActivated);
    updateWindowActions();
}

void TMindgridMainForm::loadCaptions() {
    struct Caption {
        QAction* action;
        const char16_t* caption;
        const char16_t* hint;
    };
    const Caption captions[] = {
        {FileNew1, u"&Nový", u"Nový|Vytvoří nový soubor"},
        {FileOpen1, u"&Otevřít", u"Otevřít|Otevře existující soubor"},
        {FileClose1, u"&Zavřít", u"Zavřít|Zavře aktivní okno"},
        {FileSave1, u"&Uložit", u"Uložit|Uloží soubor"},
        {FileSaveAs1, u"Uložit j&ako...", u"Uložit jako|Uloží soubor pod jiným jménem"},
        {FileExit1, u"&Konec", u"Konec|Ukončí aplikaci"},
        {FilePrint, u"&Tisk", u"Tisk|Vytiskne soubor"},
        {FileExport, u"&Export do Excelu", u"Export do Excelu|Uloží soubor ve formátu MS Excel"},
        {FileObr, u"Uložit jako &obrázek", u"Export do obrázku|Uloží soubor jako obrázek BMP"},
        {FilePrinterSetup, u"&Vlastnosti tisku", u"Vlastnosti tisku|Zobrazí nastavení pro tiskárnu"},
        {WindowCascade1, u"&Na sebe", u"Uspořádat okna na sebe|Uspořádá okna na sebe"},
        {WindowTileHorizontal1, u"&Vodorovně", u"Uspořádat okna vodorovně|Uspořádá okna vodorovně"},
        {WindowTileVertical1, u"&Svisle", u"Uspořádat okna svisle|Uspořádá okna svisle"},
        {WindowMinimizeAll1, u"&Minimalizovat vše", u"Minimalizovat všechna okna|Minimalizuje všechna okna"},
        {HelpAbout1, u"&O programu", u"O programu|Zobrazí verzi programu a adresy autora"},
        {nastaveni, u"&Nastavení", u"Zobrazí nastavení pro Mindgrid!"},
        {acobsaharejstrik, u"&Obsah a rejstřík", u"Obsah a rejstřík|Zobrazí nápovědu"},
        {acVelikost, u"", u""},
        {acNavrhar, u"acNavrhar", u""},
    };
    for (const Caption& c : captions) {
        c.action->setText(QString::fromUtf16(c.caption));
        setHint(c.action, QString::fromUtf16(c.hint));
    }
    Export1->setText(QStringLiteral("&Export"));

    toolsoubor->setText(QStringLiteral("&Soubor"));
    toolupravy->setText(QStringLiteral("Úpr&avy"));
    tooltvorba->setText(QStringLiteral("&Tvorba"));
    toolsablony->setText(QStringLiteral("&Šablony"));
    toolnastroje->setText(QStringLiteral("&Nástroje"));
    toolokno->setText(QStringLiteral("&Okno"));
    toolnapoveda->setText(QStringLiteral("Ná&pověda"));
    ToolBar2->setWindowTitle(QStringLiteral("Standardní"));
    ToolBar3->setWindowTitle(QStringLiteral("Úpravy"));

    // Every kind together, then one entry per kind.
    QStringList patterns;
    QStringList entries;
    for (const DocumentKindInfo& kind : documentKinds()) {
        patterns << QStringLiteral("*") + toQString(kind.extension);
        entries << toQString(chooserFilter(kind));
    }
    OpenDialog->filter = QStringLiteral("Všechny podporované typy") + QLatin1Char('|') + patterns.join(QLatin1Char(';')) +
                         QLatin1Char('|') + entries.join(QLatin1Char('|'));
    ExportDialog->filter = QStringLiteral("sešit Microsoft Excel 5.0/95") + QStringLiteral("|*.xls");
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
