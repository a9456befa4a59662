#pragma once
// Document windows: one window per open puzzle inside the frame, and what
// every kind of puzzle window is made of.
//
// Every kind (word search, crossword, criss-cross, Swedish crossword) derives
// from DocumentWindow and adds its own rules; what they share lives here:
// - the grid of cells with the size dialog;
// - the window protocol with the frame: while a window is the active one it
//   lends its own actions (named in its kind's row, see DocumentKindInfo) and
//   its three drop-down menus `menuupravy`, `menutvorba` and `menusablony` to
//   the frame's shared controls; the frame does the lending through the host
//   (document_host.h). Closing frees the window's word lists;
// - the file flow: "Uložit", "Uložit jako" and opening, with the extension
//   rule, the overwrite question, the messages and the caption. A kind gives
//   only its codec and the conversion between its document and the window
//   (setDocumentFile);
// - the outputs through the host: printing, the spreadsheet export, the
//   picture window and the shape designer.
//
// The frame creates windows by kind through the registry below, so that the
// frame's library does not depend on the libraries of the puzzle kinds.

#include "document/core/cell_grid.h"
#include "document/core/document_codec.h"
#include "document/core/document_kinds.h"
#include "document/core/grid_shape.h"
#include "document/core/letter_use.h"
#include "document/core/picture_drawing.h"
#include "document/core/shape_designer.h"
#include "document/ui/excel_form.h"
#include "platform/core/canvas.h"
#include "platform/ui/printing.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollArea>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class CellGridWidget;
class DocumentHost;
class FileChooser;
class QAction;
class QMenu;
class StringPairList;

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
    // A window of documentKind `kind` (1 to 4), deleted when it closes.
    explicit DocumentWindow(int kind);
    ~DocumentWindow() override;

    int documentKind() const { return kind_.kind; }
    const DocumentKindInfo& kindInfo() const { return kind_; }

    // The cells of the document.
    CellGrid& grid() { return grid_; }
    const CellGrid& grid() const { return grid_; }
    // Per cell [col][row]: how its letter came there (see letter_use.h), in
    // the kinds that fill their grid word by word or mark a secret phrase's
    // cells. Every cell inside a new size starts unused.
    LetterUseTable letterUse{};

    // Gives the document cols × rows cells (2 to 40 each) of the host's cell
    // size, with the progress window; every cell inside the new size ends up
    // empty and white. The same size as before changes nothing.
    virtual CellGrid::ResizeResult resizeGrid(int cols, int rows);

    // The size that shows every control of the window uncut and the whole
    // grid, frame and title included.
    QSize wantedSize();

    // Opens the document at `path` (the kind's extension appended by the
    // extension rule). The whole file is read and checked first; only a good
    // file changes the window, which then shows the path in its caption. A
    // file that cannot be read is reported and loadFailed() is set: the frame
    // then closes the window again.
    virtual void loadFromFile(const QString& path);
    bool loadFailed() const { return loadFailed_; }
    // Writes the document to `path` (extension rule). False, after a message,
    // when it could not be written; the file there before is then whole.
    bool saveToFile(const QString& path);
    // "Uložit": to the path in the caption; a window without one saves as.
    void saveDocument();
    // "Uložit jako": the kind's chooser `SaveDialog1`; the caption shows the
    // name as chosen, the file written has the extension; when the extension
    // turns the name into one of an existing file, the user is asked first.
    void saveDocumentAs();

    // Shows the file `path` in the caption (kind name + " (" + path + ")"), and
    // in the frame's window-menu item of this window.
    void setFileCaption(const QString& path);
    // The caption of a window that shows the file `path`; of a window of
    // documentKind `kind` that does.
    QString fileCaption(const QString& path) const;
    static QString fileCaption(int kind, const QString& path);

    // The frame's hand-over at creation: the lists of DocumentWordLists get a
    // copy of the frame's words.
    void receiveWordLists();

    // "Návrhář": the grid's shape (shapeOfGrid, with what designerOpening
    // adds) goes to the shape designer through the host. On OK the grid takes
    // the designed visibility and colours (applyShape, a cell hidden now
    // marked or keeping its text as addGridActions was told), then the kind
    // takes back what else it keeps (shapeDesigned). "Storno" changes nothing.
    void acNavrharExecute();

    // "Zvol šablonu": a template read whole gives the grid its size and which
    // cells are shown (see loadGridTemplate); the kind empties first what it
    // keeps of the old grid (clearForTemplate) and takes the new one up after
    // (templateLoaded). A template that cannot be read changes nothing.
    void aczvolsablonuExecute();
    // "Ulož šablonu": the grid's size and shown cells go to a template file.
    void aculozsablonuExecute();

    // An action of this window by its object name; nullptr when it has none.
    QAction* ownAction(const char* name) const;

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
    FileChooser* SaveDialog1;  // "Uložit jako", filtered to the kind's files

protected:
    // An action of this window, in `menu` when one is given. Its shortcut
    // works while the focus is inside this window.
    QAction* addDocumentAction(const char* name, const QString& caption, QMenu* menu = nullptr, bool enabled = true);

    // The first two actions of `menuupravy`, named as the kind's row says:
    // "&Velikost", which runs the size dialog, and the shape designer, which
    // runs acNavrharExecute, both with their pictures. `designerTools`: the
    // tools the designer offers for this kind; `hiddenByDesigner`: what a cell
    // the designer hides does with its text.
    struct GridActions {
        QAction* size;
        QAction* designer;
    };
    GridActions addGridActions(const QString& designerCaption, const ShapeDesigner::Tools& designerTools,
                               HiddenCellText hiddenByDesigner = HiddenCellText::mark);
    // "&Zvol šablonu" and "&Ulož šablonu" in `menusablony`, which run the two
    // handlers above.
    struct TemplateActions {
        QAction* open;
        QAction* save;
    };
    TemplateActions addTemplateActions();

    // The actions a window lends to the frame's file menu and buttons, named
    // as its kind's row says. Each kind words them a little differently.
    struct FileActionTexts {
        QString save = QStringLiteral("&Uložit");
        QString saveAs = QStringLiteral("Uložit j&ako...");
        QString print = QStringLiteral("&Tisk");
        QString spreadsheetExport = QStringLiteral("&Export do Excelu");
        QString pictureExport = QStringLiteral("Uložit jako &obrázek");
        QString saveHint, saveAsHint, printHint;  // none by default
        bool exportsEnabled = true;
    };
    struct FileActions {
        QAction* save;
        QAction* saveAs;
        QAction* print;
        QAction* spreadsheetExport;
        QAction* pictureExport;
    };
    // Makes the five actions ("Uložit" with Ctrl+S, "Tisk" with Ctrl+P, both
    // with their pictures). Once the kind has a file (setDocumentFile), the
    // two save actions run the file flow.
    FileActions addFileActions(const FileActionTexts& texts);
    FileActions addFileActions();  // with the usual texts

    // What the cells of this kind add to those of the plain grid (see
    // CellGrid::Kind); every cell inside a new size also gets its letter uses
    // reset.
    void setCellKind(CellGrid::Kind kind);

    // The sunken panel beside the grid where the window tells what it is doing.
    static QLabel* makeInfoPanel(QWidget* parent);

    // Lays out `client` as every kind's window is laid out and makes it the
    // window's widget: the grid on the left, a column `sideWidth` pixels wide
    // on the right holding `side` (each widget with its stretch), and an
    // optional row above both and widget below. The window may be smaller than
    // its controls want: the grid scrolls and the row above is cut off at the
    // right, rather than the whole window running out of the frame.
    struct SideItem {
        QWidget* widget;
        int stretch;
    };
    void setClient(QWidget* client, std::initializer_list<SideItem> side, int sideWidth, QLayout* above = nullptr,
                   QWidget* below = nullptr);

    // The kind's document file: its codec, the document the window holds
    // (for saving), and how a document read whole goes into the window (false
    // when it could not, after telling the user: the window stays unopened).
    template <class Document>
    void setDocumentFile(const DocumentCodec<Document>& codec, std::function<Document()> toDocument,
                         std::function<bool(const Document&)> show) {
        file_ = std::make_unique<KindFile<Document>>(codec, std::move(toDocument), std::move(show));
        connectFileActions();
    }

    // The outputs, through the host. Printing goes to the frame's printer,
    // the job titled with the caption; `draw` draws every page.
    printing::PrintResult printDocument(const std::function<void(Canvas&)>& draw);
    // The spreadsheet export: the frame's export chooser, then the workbook
    // `fill` fills (false when a cell cannot be held: the export fails with
    // its message). Nothing when the user cancelled the chooser.
    std::optional<WorkbookExport> exportBook(const std::function<bool(Workbook&)>& fill);
    // The picture window with the grid handed over, drawn in `style`.
    void showPicture(const PictureGrid& picture, PictureStyle style);

    // The host's phrase dialog holding `phrase` (Windows-1250): on OK the
    // text typed, in Windows-1250; nothing on "Storno", without a dialog, or
    // when the text holds a character the code page cannot (after telling the
    // user). `letterLimit` is how many distinct characters the phrase may
    // hold (Ttajenkaform::noLetterLimit: any), "ch" one with `chAsOneLetter`.
    std::optional<std::string> askSecretPhrase(const std::string& phrase, int letterLimit, bool chAsOneLetter);

    // What the designer step (acNavrharExecute) offers the user: the tools
    // (as addGridActions was told) and the digits placed into red cells (a
    // criss-cross's coded phrase, with tools.digits).
    struct DesignerOffer {
        ShapeDesigner::Tools tools;
        std::string digits;
    };
    // As the designer opens, the kind may add to the shape handed over and to
    // what is offered.
    virtual void designerOpening(GridShape& /*shape*/, DesignerOffer& /*offer*/) {}
    // On OK, after the grid took the designed shape: what else the kind takes back.
    virtual void shapeDesigned(const GridShape& /*designed*/) {}

    DocumentHost* host() const;
    // The side of a grid cell the host's settings give.
    int cellSize() const;

    void setWordLists(const DocumentWordLists& lists) { wordLists_ = lists; }

    // For the kind's `show`: the file could not be put into the window.
    void setLoadFailed() { loadFailed_ = true; }

    // The size action of every kind: the size dialog preset with the current
    // size, then resizeGrid with the columns and rows chosen.
    void runSizeDialog();

    // Before a template's grid: every cell inside the size empty, white,
    // without bars and letter uses; which cells are shown stays. A kind that
    // keeps more of the old grid's work drops it here too.
    virtual void clearForTemplate();
    // After a template's grid went in.
    virtual void templateLoaded() {}

    // Just before the document is written to a file.
    virtual void documentSaving() {}

    // What has to end before the window may go (runs first when it closes).
    virtual void stopWork() {}

    void closeEvent(QCloseEvent* event) override;

private:
    // A kind's file, whatever its document type.
    class DocumentFile {
    public:
        virtual ~DocumentFile() = default;
        virtual bool write(const std::filesystem::path& file) const = 0;
        // The error when the file could not be read; otherwise whether the
        // document went into the window.
        virtual std::variant<bool, FileError> open(const std::filesystem::path& file) const = 0;
    };
    template <class Document>
    class KindFile final : public DocumentFile {
    public:
        KindFile(const DocumentCodec<Document>& codec, std::function<Document()> toDocument,
                 std::function<bool(const Document&)> show)
            : codec_(codec), toDocument_(std::move(toDocument)), show_(std::move(show)) {}
        bool write(const std::filesystem::path& file) const override { return codec_.write(file, toDocument_()); }
        std::variant<bool, FileError> open(const std::filesystem::path& file) const override {
            const ReadResult<Document> read = codec_.read(file);
            if (const auto* error = std::get_if<FileError>(&read)) return *error;
            return show_(std::get<Document>(read));
        }

    private:
        DocumentCodec<Document> codec_;
        std::function<Document()> toDocument_;
        std::function<bool(const Document&)> show_;
    };

    void connectFileActions();
    void freeWordLists();
    // The shape designer with `shape` and what is offered. On OK the shape
    // the user made; nothing on "Storno", or when the designer's grid could
    // not be given the shape's size.
    std::optional<GridShape> design(const GridShape& shape, const DesignerOffer& offer);

    const DocumentKindInfo& kind_;
    CellGrid grid_;
    HiddenCellText hiddenByDesigner_ = HiddenCellText::mark;
    ShapeDesigner::Tools designerTools_;
    DocumentWordLists wordLists_;
    std::unique_ptr<DocumentFile> file_;
    bool closed_ = false;
    bool loadFailed_ = false;
};

// Makes a new window of one kind.
using DocumentFactory = std::function<DocumentWindow*()>;

// Registers (or replaces) how windows of `kind` are made.
void registerDocumentKind(int kind, DocumentFactory factory);
// A new window of `kind`, or nullptr when no kind of that number is registered.
DocumentWindow* createDocumentWindow(int kind);
