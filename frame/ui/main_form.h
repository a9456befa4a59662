#pragma once
// The main window of grilpad: a frame of document windows (one per puzzle).
//
// At the top a row of text buttons with drop-down menus stands in for a menu
// bar (`ToolBar1`), with buttons for the active document window at its right
// edge (`systemtoolbar`); below it the two dockable tool bars "Standardní"
// (`ToolBar2`) and "Úpravy" (`ToolBar3`); the status bar shows the long part of
// the hint under the pointer.
//
// The frame is the host of every document window (document_host.h). While a
// document window is active the frame binds `ToolButton2`, `ToolButton6`,
// `ToolButton7` (with bindButton) and the menu items `Uloit1`, `Uloitjako1`,
// `Tisk2`, `Export2`, `Uloitjakoobrzek1` (with MenuItem::setAction) to the
// window's own actions named in its kind's row, and lends the window's
// drop-down menus to `toolupravy`, `tooltvorba` and `toolsablony`; when the
// window loses activation or closes the frame binds them back to its disabled
// placeholder actions (`FileSave1`, `FileSaveAs1`, `FilePrint`, `FileExport`,
// `FileObr`, `acVelikost`, `acNavrhar`).

#include "document/ui/document_host.h"
#include "frame/ui/dock_tool_bar.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class DocumentWindow;
class FileChooser;
class MenuItem;
class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QStatusBar;
class QToolBar;
class QToolButton;
class TFormStorage;
class Tinitform;

class TMindgridMainForm : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    // `parameters`: the program's command line without the program itself.
    // Creating the frame runs FormCreate (settings, cursors, word stores).
    explicit TMindgridMainForm(const QStringList& parameters = {});
    ~TMindgridMainForm() override;

    // Document windows created since the program started; never goes back.
    int windowCounter = 0;

    // "Osmisměrka", "Klasická křížovka", "Kris-kros", "Švédská křížovka" for
    // documentKind 1 to 4 (from the kind's row); empty for any other number.
    static QString documentKindName(int kind);

    // Creates the document window of `kind` (see registerDocumentKind), named
    // "okno" + windowCounter, hands it its word lists, lists it in the window
    // menu and shows it as the active window (maximised when the settings say
    // so); until then it stays hidden and takes nothing from the active one.
    // With `openFile` it loads `path`, otherwise it is a new 10 × 10 document.
    // It gets the size that shows its controls and its grid whole, as far as
    // the frame's area allows, and grows with the area until the user sizes
    // it. nullptr when no window of that kind can be made, or when the file
    // could not be read (the window is closed again).
    QMdiSubWindow* createChild(const QString& caption, int kind, const QString& path, bool openFile);
    // Counts a window and creates a new document of `kind`, captioned with
    // the kind's name and the count: "Osmisměrka3".
    QMdiSubWindow* createNewChild(int kind);
    // Counts a window, then opens `path` as the kind its extension names, or
    // warns that the extension names no kind.
    void openFileByExtension(const QString& path);

    // The area that holds the document windows.
    QMdiArea* clientArea() const { return mdiArea_; }

    // The window menu lists every document window after `N7` as a radio item
    // named like the window. Clicking one checks it and makes its window the
    // active one, in front (a minimised one opens again).
    void windowMenuClick(QAction* item);
    QAction* windowMenuItem(const QString& windowName) const;
    // Checks the item of `windowName` alone (when its window becomes active).
    void checkWindowMenuItem(const QString& windowName);
    // Frees the first item of `windowName` (when its window closes).
    void removeWindowMenuItem(const QString& windowName);

    // What the frame lends its document windows.
    QPrinter* printer() override { return printer_.get(); }
    FileChooser* exportChooser() override { return ExportDialog; }
    FileChooser* templateSaveChooser() override { return SaveSabDialog; }
    FileChooser* templateOpenChooser() override { return OpenSabDialog; }
    Tpictureform* pictureWindow() override;
    Tnavrharform* designer() override;
    Tnastavvelform* sizeDialog() override;
    Tvodsviform* directionQuestion() override;
    Ttajenkaform* phraseDialog() override;
    int cellSize() override;
    WordFillSettings wordFillSettings() override;
    void captionChanged(DocumentWindow& window) override;
    void windowActivated(DocumentWindow& window) override;
    void windowDeactivated(DocumentWindow& window) override;
    void windowClosing(DocumentWindow& window) override;

    // The text of the start-up window while the word stores load.
    void setSplashText(const QString& text);

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void FormClose();
    void loadCaptions();
    void FileNew1Execute();
    void FileOpen1Execute();
    void FileClose1Execute();
    void FileExit1Execute();
    void FilePrinterSetupExecute();
    void WindowCascade1Execute();
    void WindowTileHorizontal1Execute();
    void WindowTileVertical1Execute();
    void WindowMinimizeAll1Execute();
    void HelpAbout1Execute();
    void nastaveniExecute();
    void acobsaharejstrikExecute();
    void ToolButton4Click();
    void ToolButton5Click();
    void ToolButton16Click();

    // Menu bar, tool bars and status bar.
    QWidget* Panel1;
    QToolBar* ToolBar1;
    QToolButton* toolsoubor;
    QToolButton* toolupravy;
    QToolButton* tooltvorba;
    QToolButton* toolsablony;
    QToolButton* toolnastroje;
    QToolButton* toolokno;
    QToolButton* toolnapoveda;
    QToolBar* systemtoolbar;
    QToolButton* ToolButton4;
    QToolButton* ToolButton5;
    QToolButton* ToolButton16;
    TDockToolBar* ToolBar2;
    QToolButton* ToolButton9;
    QToolButton* ToolButton1;
    QToolButton* ToolButton2;
    QToolButton* ToolButton8;
    QToolButton* ToolButton10;
    QToolButton* ToolButton11;
    TDockToolBar* ToolBar3;
    QToolButton* ToolButton6;
    QToolButton* ToolButton7;
    QStatusBar* StatusBar;

    // Actions (`ActionList1`).
    QAction* FileNew1;
    QAction* FileOpen1;
    QAction* FileClose1;
    QAction* FileSave1;
    QAction* FileSaveAs1;
    QAction* FileExit1;
    QAction* FilePrint;
    QAction* FileExport;
    QAction* FileObr;
    QAction* FilePrinterSetup;
    QAction* WindowCascade1;
    QAction* WindowTileHorizontal1;
    QAction* WindowTileVertical1;
    QAction* WindowMinimizeAll1;
    QAction* HelpAbout1;
    QAction* nastaveni;
    QAction* acobsaharejstrik;
    QAction* acVelikost;
    QAction* acNavrhar;

    // Drop-down menus and their items.
    QMenu* menusoubor;
    QMenu* menunastroje;
    QMenu* menuokno;
    QMenu* menunapoveda;
    MenuItem* Nov1;
    MenuItem* Otevt1;
    MenuItem* Zavt1;
    MenuItem* Uloit1;
    MenuItem* Uloitjako1;
    QAction* Export1;
    MenuItem* Export2;
    MenuItem* Uloitjakoobrzek1;
    MenuItem* Tisk2;
    MenuItem* Vlastnostitisku1;
    MenuItem* Konec1;
    MenuItem* Nastaven2;
    MenuItem* Nasebe1;
    MenuItem* Vodorovn1;
    MenuItem* Svisle1;
    MenuItem* Minimalizovatve1;
    QAction* N7;
    MenuItem* Obsaharejstrik1;
    MenuItem* Oprogramu1;

    // The placement of the frame and the places of ToolBar2 and ToolBar3,
    // kept between runs in "mindgrid.ini", section "Hlavní okno": restored
    // each time the frame is shown, before FormShow; saved when it closes.
    TFormStorage* FormStorage1;

    // File choosers the document windows use.
    FileChooser* OpenDialog;
    FileChooser* ExportDialog;
    FileChooser* SaveSabDialog;
    FileChooser* OpenSabDialog;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Gives the frame's own actions back to the buttons and menu items that
    // show an action `lent` accepts, takes such menus from the menu-row
    // buttons and such actions' keys from the frame; the size and designer
    // buttons only with `sizeAndDesigner`.
    void giveBackControls(const std::function<bool(const QObject*)>& lent, bool sizeAndDesigner);
    // Builds the frame's controls; loadCaptions gives them their texts (both
    // in main_form_controls.cpp).
    void createComponents();
    // The active document window changed: the one before gives the shared
    // controls back, the new one lends its own.
    void subWindowActivated(QMdiSubWindow* window);
    void updateWindowActions();
    void tile(bool sideBySide);
    // Gives a document window the size it wants, as far as the area's room
    // beside and below its place allows.
    void fitToArea(QMdiSubWindow* window);

    // The word and clue stores: created and loaded at start-up (while the
    // start-up window shows), written back when the frame closes.
    void loadStores();
    void saveStores();

    QStringList parameters_;
    QMdiArea* mdiArea_;
    QObject* actionList_;  // ActionList1, the parent of the frame's own actions
    QActionGroup* windowItems_;
    QPointer<DocumentWindow> activeDocument_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<Tinitform> splash_;
    bool closed_ = false;
};

// The frame of the running program.
extern TMindgridMainForm* MindgridMainForm;
