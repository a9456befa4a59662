// The frame's controls: its actions, drop-down menus, menu row, tool bars,
// status bar, window state and file choosers, and their captions.

#include "frame/ui/main_form_controls.h"

#include "document/core/document_kinds.h"
#include "document/ui/icons.h"
#include "formstate/ui/form_storage.h"
#include "frame/ui/dock_tool_bar.h"
#include "frame/ui/main_form.h"
#include "platform/ui/actions.h"
#include "platform/ui/codec.h"
#include "platform/ui/file_chooser.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QHBoxLayout>
#include <QHoverEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVariant>

namespace {

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

void setRowMenu(QToolButton* button, QMenu* menu) {
    button->setMenu(menu);
    if (!menu || menu->property("rowButton").value<QObject*>() == button) return;
    menu->setProperty("rowButton", QVariant::fromValue<QObject*>(button));
    // After the menu's own hiding is through.
    QObject::connect(menu, &QMenu::aboutToHide, button,
                     [button] { QTimer::singleShot(0, button, [button] { settleMenuButton(button); }); });
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
