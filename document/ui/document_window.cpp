#include "document/ui/document_window.h"

#include "document/core/picture_drawing.h"
#include "document/ui/designer_form.h"
#include "document/ui/document_files.h"
#include "document/ui/document_host.h"
#include "document/ui/grid_progress.h"
#include "document/ui/icons.h"
#include "document/ui/phrase_form.h"
#include "document/ui/picture_form.h"
#include "document/ui/size_form.h"
#include "platform/ui/actions.h"
#include "platform/ui/cell_grid_widget.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/file_chooser.h"
#include "stores/core/string_pair_list.h"
#include "stores/core/word_stores.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QScrollArea>
#include <QVBoxLayout>

#include <map>
#include <stdexcept>

namespace {

DocumentHost*& hostSlot() {
    static DocumentHost* host = nullptr;
    return host;
}

std::map<int, DocumentFactory>& registry() {
    static std::map<int, DocumentFactory> factories;
    return factories;
}

const DocumentKindInfo& infoOf(int kind) {
    static constexpr DocumentKindInfo noKind{noDocument, "", "", "", {"", "", "", "", "", "", ""}, false};
    const DocumentKindInfo* info = documentKindInfo(kind);
    return info ? *info : noKind;
}

// The scroll box of a document's grid asks for room for every cell (the
// platform's scroll area asks for no more than a share of the screen), so a
// window laid out at its size hint shows the whole grid.
class GridScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return (widget() ? widget()->sizeHint() : QSize(0, 0)) + QSize(frame, frame);
    }
};

QMenu* makeMenu(QWidget* parent, const char* name) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

DocumentHost* documentHost() { return hostSlot(); }
void setDocumentHost(DocumentHost* host) { hostSlot() = host; }

void registerDocumentKind(int kind, DocumentFactory factory) { registry()[kind] = std::move(factory); }

DocumentWindow* createDocumentWindow(int kind) {
    const auto found = registry().find(kind);
    if (found == registry().end() || !found->second) return nullptr;
    return found->second();
}

DocumentWindow::DocumentWindow(int kind) : kind_(infoOf(kind)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", kind);
    menuupravy = makeMenu(this, "menuupravy");
    menutvorba = makeMenu(this, "menutvorba");
    menusablony = makeMenu(this, "menusablony");

    // The kinds place the scroll box in their own layout.
    ScrollBox1 = new GridScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    cellGrid = new CellGridWidget;
    cellGrid->setObjectName(QStringLiteral("cellGrid"));
    cellGrid->setCells(&grid_);
    ScrollBox1->setWidget(cellGrid);

    setCellKind({});

    SaveDialog1 = new FileChooser(QStringLiteral("SaveDialog1"), FileChooser::Mode::Save, this);
    SaveDialog1->filter = toQString(chooserFilter(kind_));
    resize(440, 340);
}

DocumentWindow::~DocumentWindow() {
    // The painter must let go of the cells before they go.
    cellGrid->setCells(nullptr);
}

DocumentHost* DocumentWindow::host() const { return documentHost(); }

QSize DocumentWindow::wantedSize() {
    // The grid's size may have changed since the layout last asked.
    ScrollBox1->updateGeometry();
    if (QWidget* client = widget(); client && client->layout()) client->layout()->activate();
    return sizeHint();
}

CellGrid::ResizeResult DocumentWindow::resizeGrid(int cols, int rows) {
    return resizeGridWithProgress(this, grid_, cols, rows, cellSize());
}

int DocumentWindow::cellSize() const { return host() ? host()->cellSize() : minCellSize; }

QString DocumentWindow::fileCaption(const QString& path) const { return fileCaption(documentKind(), path); }

QString DocumentWindow::fileCaption(int kind, const QString& path) {
    return toQString(infoOf(kind).name) + QStringLiteral(" (") + path + QLatin1Char(')');
}

void DocumentWindow::setFileCaption(const QString& path) {
    setWindowTitle(fileCaption(path));
    if (DocumentHost* frame = host()) frame->captionChanged(*this);
}

void DocumentWindow::receiveWordLists() {
    if (wordLists_.wordSearchWords) *wordLists_.wordSearchWords = wordSearchWords;
    if (wordLists_.dictionaryWords) dictionaryWords.copyTo(*wordLists_.dictionaryWords);
    if (wordLists_.userWords) userWords.copyTo(*wordLists_.userWords);
}

void DocumentWindow::freeWordLists() {
    if (wordLists_.wordSearchWords) std::vector<std::string>().swap(*wordLists_.wordSearchWords);
    if (wordLists_.dictionaryWords) wordLists_.dictionaryWords->done();
    if (wordLists_.userWords) wordLists_.userWords->done();
}

QAction* DocumentWindow::addDocumentAction(const char* name, const QString& caption, QMenu* menu, bool enabled) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    // Every window has its own save and print shortcuts; only the window
    // that holds the focus may answer them.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    if (menu) menu->addAction(action);
    return action;
}

QAction* DocumentWindow::ownAction(const char* name) const {
    return findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

DocumentWindow::GridActions DocumentWindow::addGridActions(const QString& designerCaption,
                                                          const ShapeDesigner::Tools& designerTools,
                                                          HiddenCellText hiddenByDesigner) {
    GridActions actions{};
    actions.size = addDocumentAction(kind_.lent.size, QStringLiteral("&Velikost"), menuupravy);
    actions.size->setIcon(toolImage(19));
    connect(actions.size, &QAction::triggered, this, &DocumentWindow::runSizeDialog);
    actions.designer = addDocumentAction(kind_.lent.designer, designerCaption, menuupravy);
    actions.designer->setIcon(toolImage(29));
    designerTools_ = designerTools;
    hiddenByDesigner_ = hiddenByDesigner;
    connect(actions.designer, &QAction::triggered, this, &DocumentWindow::acNavrharExecute);
    return actions;
}

DocumentWindow::TemplateActions DocumentWindow::addTemplateActions() {
    const TemplateActions actions{addDocumentAction("aczvolsablonu", QStringLiteral("&Zvol šablonu"), menusablony),
                                  addDocumentAction("aculozsablonu", QStringLiteral("&Ulož šablonu"), menusablony)};
    connect(actions.open, &QAction::triggered, this, &DocumentWindow::aczvolsablonuExecute);
    connect(actions.save, &QAction::triggered, this, &DocumentWindow::aculozsablonuExecute);
    return actions;
}

void DocumentWindow::aczvolsablonuExecute() {
    if (loadGridTemplate(this, [this] { clearForTemplate(); })) templateLoaded();
}

void DocumentWindow::aculozsablonuExecute() { saveGridTemplate(this); }

void DocumentWindow::clearForTemplate() {
    grid_.clearCells();
    letterUse = {};
}

DocumentWindow::FileActions DocumentWindow::addFileActions() { return addFileActions(FileActionTexts{}); }

void DocumentWindow::setCellKind(CellGrid::Kind kind) {
    kind.cellReset = [this](int col, int row) { letterUse[col][row] = LetterUse{}; };
    grid_.setKind(std::move(kind));
}

QLabel* DocumentWindow::makeInfoPanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QStringLiteral("infopanel"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setWordWrap(true);
    panel->setMinimumHeight(34);
    return panel;
}

void DocumentWindow::setClient(QWidget* client, std::initializer_list<SideItem> side, int sideWidth, QLayout* above,
                               QWidget* below) {
    auto* column = new QWidget(client);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    for (const SideItem& item : side) columnLayout->addWidget(item.widget, item.stretch);
    column->setFixedWidth(sideWidth);

    auto* body = new QHBoxLayout;
    body->addWidget(ScrollBox1, 1);
    body->addWidget(column);

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    client->setMinimumSize(240, 160);
    if (above) layout->addLayout(above);
    layout->addLayout(body, 1);
    if (below) layout->addWidget(below);
    setWidget(client);
}

DocumentWindow::FileActions DocumentWindow::addFileActions(const FileActionTexts& texts) {
    const LentActions& names = kind_.lent;
    FileActions actions{};
    actions.save = addDocumentAction(names.save, texts.save);
    actions.save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actions.save->setIcon(toolImage(8));
    actions.saveAs = addDocumentAction(names.saveAs, texts.saveAs);
    actions.print = addDocumentAction(names.print, texts.print);
    actions.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actions.print->setIcon(toolImage(14));
    actions.spreadsheetExport = addDocumentAction(names.spreadsheetExport, texts.spreadsheetExport, nullptr,
                                                  texts.exportsEnabled);
    actions.pictureExport = addDocumentAction(names.pictureExport, texts.pictureExport, nullptr, texts.exportsEnabled);
    if (!texts.saveHint.isEmpty()) setHint(actions.save, texts.saveHint);
    if (!texts.saveAsHint.isEmpty()) setHint(actions.saveAs, texts.saveAsHint);
    if (!texts.printHint.isEmpty()) setHint(actions.print, texts.printHint);
    return actions;
}

void DocumentWindow::connectFileActions() {
    if (QAction* save = ownAction(kind_.lent.save))
        connect(save, &QAction::triggered, this, &DocumentWindow::saveDocument, Qt::UniqueConnection);
    if (QAction* saveAs = ownAction(kind_.lent.saveAs))
        connect(saveAs, &QAction::triggered, this, &DocumentWindow::saveDocumentAs, Qt::UniqueConnection);
}

// ---- files ----------------------------------------------------------------

bool DocumentWindow::saveToFile(const QString& path) {
    const QString file = withExtension(path, kind_.extension);
    documentSaving();
    if (!file_ || !file_->write(localPath(file))) {
        desktop::warning(this, writeFailureText(file));
        return false;
    }
    return true;
}

void DocumentWindow::saveDocumentAs() {
    if (!SaveDialog1->execute(this)) return;
    // The caption keeps the name as chosen; the file gets the extension.
    const QString chosen = SaveDialog1->fileName();
    if (!mayWriteExtended(this, chosen, kind_.extension)) return;
    if (saveToFile(chosen)) setFileCaption(chosen);
}

void DocumentWindow::saveDocument() {
    const auto path = pathFromCaption(windowTitle().toStdString());
    if (!path) {
        saveDocumentAs();
        return;
    }
    saveToFile(QString::fromStdString(*path));
}

void DocumentWindow::loadFromFile(const QString& path) {
    if (!file_) {  // a window that has no file of its own cannot open one
        setLoadFailed();
        return;
    }
    const QString file = withExtension(path, kind_.extension);
    const std::variant<bool, FileError> opened = file_->open(localPath(file));
    if (const auto* error = std::get_if<FileError>(&opened)) {
        desktop::warning(this, documentReadFailureText(file, *error));
        setLoadFailed();
        return;
    }
    if (!std::get<bool>(opened)) {
        setLoadFailed();
        return;
    }
    setFileCaption(file);
}

// ---- outputs ----------------------------------------------------------------

printing::PrintResult DocumentWindow::printDocument(const std::function<void(Canvas&)>& draw) {
    QPrinter* printer = host() ? host()->printer() : nullptr;
    if (!printer) return printing::PrintResult::Cancelled;
    return printing::printDocument(*printer, this, windowTitle(), draw);
}

std::optional<WorkbookExport> DocumentWindow::exportBook(const std::function<bool(Workbook&)>& fill) {
    FileChooser* chooser = host() ? host()->exportChooser() : nullptr;
    if (!chooser || !chooser->execute(this)) return std::nullopt;
    return exportWorkbook(this, chooser->fileName(), [&](Workbook& book) {
        // A cell the workbook cannot hold fails the export rather than going
        // missing from the file.
        if (!fill(book)) throw std::runtime_error("the puzzle does not fit the workbook");
    });
}

void DocumentWindow::showPicture(const PictureGrid& picture, PictureStyle style) {
    Tpictureform* form = host() ? host()->pictureWindow() : nullptr;
    if (!form) return;
    static_cast<PictureGrid&>(*form) = picture;
    form->setStyle(style);
    form->exec();
}

void DocumentWindow::acNavrharExecute() {
    GridShape shape = shapeOfGrid(grid_);
    DesignerOffer offer{.tools = designerTools_, .digits = {}};
    designerOpening(shape, offer);
    const std::optional<GridShape> designed = design(shape, offer);
    if (!designed) return;
    applyShape(grid_, *designed, hiddenByDesigner_);
    shapeDesigned(*designed);
}

std::optional<GridShape> DocumentWindow::design(const GridShape& shape, const DesignerOffer& offer) {
    Tnavrharform* form = host() ? host()->designer() : nullptr;
    if (!form) return std::nullopt;
    const CellGrid::ResizeResult resized = form->resizeGrid(shape.columns, shape.rows, cellSize());
    if (resized != CellGrid::ResizeResult::resized && resized != CellGrid::ResizeResult::sameSize) return std::nullopt;
    loadDesigner(form->designer(), shape);
    form->setTools(offer.tools);
    form->designer().fullDigits = offer.digits;
    if (form->exec() != QDialog::Accepted) return std::nullopt;
    return designerShape(form->designer());
}

std::optional<std::string> DocumentWindow::askSecretPhrase(const std::string& phrase, int letterLimit,
                                                           bool chAsOneLetter) {
    Ttajenkaform* form = host() ? host()->phraseDialog() : nullptr;
    if (!form) return std::nullopt;
    form->setLetterLimit(letterLimit);
    form->setChAsOneLetter(chAsOneLetter);
    form->setPhrase(toQString(phrase));
    if (form->exec() != QDialog::Accepted) return std::nullopt;
    const auto typed = fromQString(form->phrase());
    if (!typed) desktop::warning(this, codePageRefusal());
    return typed;
}

// ---- the window protocol ------------------------------------------------------

void DocumentWindow::runSizeDialog() {
    Tnastavvelform* form = host() ? host()->sizeDialog() : nullptr;
    if (!form) return;
    form->setGridSize(grid_.currentCols(), grid_.currentRows());
    if (form->exec() != QDialog::Accepted) return;
    resizeGrid(form->columns(), form->rows());
}

void DocumentWindow::FormActivate() {
    if (closed_) return;
    if (DocumentHost* frame = host()) frame->windowActivated(*this);
}

void DocumentWindow::FormDeactivate() {
    if (closed_) return;
    if (DocumentHost* frame = host()) frame->windowDeactivated(*this);
}

void DocumentWindow::FormClose() {
    if (closed_) return;
    closed_ = true;
    stopWork();
    if (DocumentHost* frame = host()) frame->windowClosing(*this);
    freeWordLists();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    FormClose();
    QMdiSubWindow::closeEvent(event);
}
