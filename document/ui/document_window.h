#pragma once
// Document windows: one window per open puzzle inside the frame, and how such
// a window shares the frame's controls.
//
// Every kind of puzzle window (word search, crossword, criss-cross, Swedish
// crossword) derives from DocumentWindow. While a window is the active one it
// lends its own actions to the frame's shared controls (the save, size and
// designer tool buttons and the save, save-as, print and export menu items)
// and its three drop-down menus `menuupravy`, `menutvorba` and `menusablony`
// to the menu-row buttons `toolupravy`, `tooltvorba` and `toolsablony`. When
// it loses activation it gives the frame's placeholders back (the size and
// designer buttons stay with it until another window takes them); when it
// closes it gives back whatever of its own the frame still shows, removes its
// window-menu item and frees its word lists, before the window itself goes.
//
// The kinds differ only in the names of the actions they lend, in whether the
// "Tvorba" button is enabled for them (see LentActions), in the word lists the
// frame hands them (see DocumentWordLists) and in what their grid adds to the
// plain cells (CellGrid::Kind).
//
// The frame creates windows by kind through the registry below, so that the
// frame's library does not depend on the libraries of the puzzle kinds.

#include "document/core/cell_grid.h"

#include <QMdiSubWindow>
#include <QScrollArea>

#include <functional>
#include <string>
#include <vector>

class CellGridWidget;
class QAction;
class QMenu;
class StringPairList;

// The actions of a kind's window that the frame's controls show while the
// window is active, by object name.
struct LentActions {
    const char* size;               // `ToolButton6`
    const char* designer;           // `ToolButton7`
    const char* save;               // `ToolButton2` and `Uloit1`
    const char* saveAs;             // `Uloitjako1`
    const char* print;              // `Tisk2`
    const char* spreadsheetExport;  // `Export2`
    const char* pictureExport;      // `Uloitjakoobrzek1`
    bool creationMenuEnabled;       // `tooltvorba` enabled (it gets the menu either way)
};

// The row of documentKind 1 to 4.
const LentActions& lentActions(int kind);

// The word lists a window keeps a copy of; the frame fills them when it
// creates the window, the window frees them when it closes. A list the kind
// does not keep stays nullptr.
struct DocumentWordLists {
    std::vector<std::string>* wordSearchWords = nullptr;  // a copy of the frame's word-search words
    StringPairList* dictionaryWords = nullptr;            // a copy of dictionaryWords
    StringPairList* userWords = nullptr;                  // a copy of userWords
};

class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // A window of documentKind `kind`, deleted when it closes.
    explicit DocumentWindow(int kind);
    ~DocumentWindow() override;

    int documentKind() const { return kind_; }

    // The cells of the document.
    CellGrid& grid() { return grid_; }
    const CellGrid& grid() const { return grid_; }

    // Gives the document cols × rows cells (2 to 40 each) of the frame's cell
    // size, with the progress window; every cell inside the new size ends up
    // empty and white. The same size as before changes nothing.
    virtual CellGrid::ResizeResult resizeGrid(int cols, int rows);
    // Reads the document from `path`. A window that could not read its file
    // says so through loadFailed(); the frame then closes it again.
    virtual void loadFromFile(const QString& path) = 0;
    bool loadFailed() const { return loadFailed_; }

    // Shows the file `path` in the caption (kind name + " (" + path + ")"), and
    // in the frame's window-menu item of this window.
    void setFileCaption(const QString& path);

    // The frame's hand-over at creation: the lists of DocumentWordLists get a
    // copy of the frame's words.
    void receiveWordLists();

    // The protocol with the frame (see the top of this file). The frame calls
    // the first two as the active window changes; closing calls the third.
    void FormActivate();
    void FormDeactivate();
    void FormClose();

    QMenu* menuupravy;
    QMenu* menutvorba;
    QMenu* menusablony;
    QScrollArea* ScrollBox1;
    CellGridWidget* cellGrid;

protected:
    // An action of this window, in `menu` when one is given. Its shortcut
    // works while the focus is inside this window.
    QAction* addDocumentAction(const char* name, const QString& caption, QMenu* menu = nullptr, bool enabled = true);

    void setWordLists(const DocumentWordLists& lists) { wordLists_ = lists; }

    // For loadFromFile: the file could not be read and the window shows nothing of it.
    void setLoadFailed() { loadFailed_ = true; }

    // The caption of a window that shows the file `path`: kind name + " (" + path + ")".
    QString fileCaption(const QString& path) const;

    // The size action of every kind: the size dialog preset with the current
    // size, then resizeGrid with the columns and rows chosen.
    void runSizeDialog();

    // What has to end before the window may go (runs first when it closes).
    virtual void stopWork() {}

    void closeEvent(QCloseEvent* event) override;

private:
    QAction* ownAction(const char* name) const;
    bool owns(const QObject* object) const;
    void freeWordLists();

    int kind_;
    CellGrid grid_;
    DocumentWordLists wordLists_;
    bool closed_ = false;
    bool loadFailed_ = false;
};

// Makes a new window of one kind.
using DocumentFactory = std::function<DocumentWindow*()>;

// Registers (or replaces) how windows of `kind` are made.
void registerDocumentKind(int kind, DocumentFactory factory);
// A new window of `kind`, or nullptr when no kind of that number is registered.
DocumentWindow* createDocumentWindow(int kind);
