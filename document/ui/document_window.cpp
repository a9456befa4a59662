#include "document/ui/document_window.h"

#include "frame/core/config.h"
#include "frame/core/documents.h"
#include "stores/core/string_pair_list.h"
#include "stores/core/word_stores.h"
#include "platform/ui/actions.h"
#include "document/ui/grid_progress.h"
#include "frame/ui/main_form.h"
#include "document/ui/size_form.h"
#include "platform/ui/cell_grid_widget.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QScrollArea>
#include <QToolButton>

#include <map>

namespace {

// What each kind lends to the frame. The Swedish crossword has no use for the
// "Tvorba" menu, and its two export actions are never enabled.
constexpr LentActions lentActionTable[] = {
    // size, designer, save, save as, print, spreadsheet export, picture export, "Tvorba" enabled
    {"acVelikost", "acNavrhar", "aculoz", "aculozjako", "actisk", "acExport", "acExportObr", true},  // word search
    {"acVelikost", "acNavrhar", "aculoz", "aculozjako", "actisk", "acExport", "acExportObr", true},  // crossword
    {"acVelikost", "acNavrhar", "aculoz", "aculozjako", "actisk", "acexport", "acExportObr", true},  // criss-cross
    {"Velikost", "acNavrhar", "uloz", "ulozjako", "print", "acExport", "acExportObr", false},        // Swedish
};

constexpr LentActions noActions = {"", "", "", "", "", "", "", false};

std::map<int, DocumentFactory>& registry() {
    static std::map<int, DocumentFactory> factories;
    return factories;
}

QMenu* makeMenu(QWidget* parent, const char* name) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void lendMenu(QToolButton* button, QMenu* menu, bool enabled) {
    button->setMenu(menu);
    button->setEnabled(enabled);
}

}  // namespace

const LentActions& lentActions(int kind) {
    if (kind < wordSearchDocument || kind > swedishDocument) return noActions;
    return lentActionTable[kind - wordSearchDocument];
}

void registerDocumentKind(int kind, DocumentFactory factory) { registry()[kind] = std::move(factory); }

DocumentWindow* createDocumentWindow(int kind) {
    const auto found = registry().find(kind);
    if (found == registry().end() || !found->second) return nullptr;
    return found->second();
}

DocumentWindow::DocumentWindow(int kind) : kind_(kind) {
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", kind);
    menuupravy = makeMenu(this, "menuupravy");
    menutvorba = makeMenu(this, "menutvorba");
    menusablony = makeMenu(this, "menusablony");

    // The kinds place the scroll box in their own layout.
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    cellGrid = new CellGridWidget;
    cellGrid->setObjectName(QStringLiteral("cellGrid"));
    cellGrid->setCells(&grid_);
    ScrollBox1->setWidget(cellGrid);
    resize(440, 340);
}

DocumentWindow::~DocumentWindow() {
    // The painter must let go of the cells before they go.
    cellGrid->setCells(nullptr);
}

CellGrid::ResizeResult DocumentWindow::resizeGrid(int cols, int rows) {
    return resizeGridWithProgress(this, grid_, cols, rows, frameSettings.cellSize());
}

QString DocumentWindow::fileCaption(const QString& path) const {
    return TMindgridMainForm::documentKindName(kind_) + QStringLiteral(" (") + path + QLatin1Char(')');
}

void DocumentWindow::setFileCaption(const QString& path) {
    const QString caption = fileCaption(path);
    setWindowTitle(caption);
    if (TMindgridMainForm* frame = MindgridMainForm)
        if (QAction* item = frame->windowMenuItem(objectName())) item->setText(caption);
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

bool DocumentWindow::owns(const QObject* object) const {
    for (; object; object = object->parent())
        if (object == this) return true;
    return false;
}

void DocumentWindow::runSizeDialog() {
    if (!nastavvelform) return;
    nastavvelform->setGridSize(grid_.currentCols(), grid_.currentRows());
    if (nastavvelform->exec() != QDialog::Accepted) return;
    resizeGrid(nastavvelform->columns(), nastavvelform->rows());
}

void DocumentWindow::FormActivate() {
    TMindgridMainForm* frame = MindgridMainForm;
    if (!frame || closed_) return;
    frame->checkWindowMenuItem(objectName());

    const LentActions& own = lentActions(kind_);
    bindButton(frame->ToolButton6, ownAction(own.size));
    bindButton(frame->ToolButton7, ownAction(own.designer));
    bindButton(frame->ToolButton2, ownAction(own.save));
    frame->Uloit1->setAction(ownAction(own.save));
    frame->Uloitjako1->setAction(ownAction(own.saveAs));
    frame->Tisk2->setAction(ownAction(own.print));
    frame->Export2->setAction(ownAction(own.spreadsheetExport));
    frame->Uloitjakoobrzek1->setAction(ownAction(own.pictureExport));

    lendMenu(frame->toolupravy, menuupravy, true);
    lendMenu(frame->tooltvorba, menutvorba, own.creationMenuEnabled);
    lendMenu(frame->toolsablony, menusablony, true);
}

void DocumentWindow::FormDeactivate() {
    TMindgridMainForm* frame = MindgridMainForm;
    if (!frame || closed_) return;
    bindButton(frame->ToolButton2, frame->FileSave1);
    for (QToolButton* button : {frame->toolupravy, frame->tooltvorba, frame->toolsablony}) button->setMenu(nullptr);
    frame->Uloit1->setAction(frame->FileSave1);
    frame->Uloitjako1->setAction(frame->FileSaveAs1);
    frame->Export2->setAction(frame->FileExport);
    frame->Tisk2->setAction(frame->FilePrint);
    frame->Uloitjakoobrzek1->setAction(frame->FileObr);
    for (QToolButton* button : {frame->toolupravy, frame->tooltvorba, frame->toolsablony}) button->setEnabled(false);
    // The size and designer buttons stay with this window until another one
    // becomes active or this one closes.
}

void DocumentWindow::FormClose() {
    if (closed_) return;
    closed_ = true;
    stopWork();

    if (TMindgridMainForm* frame = MindgridMainForm) {
        frame->removeWindowMenuItem(objectName());
        // Everything of this window that a frame control still shows is given
        // back now, while it exists, and nothing else: a window that closes
        // while another one is active leaves that window's controls alone.
        struct ButtonBack {
            QToolButton* button;
            QAction* placeholder;
        };
        for (const ButtonBack& b : {ButtonBack{frame->ToolButton2, frame->FileSave1},
                                    ButtonBack{frame->ToolButton6, frame->acVelikost},
                                    ButtonBack{frame->ToolButton7, frame->acNavrhar}})
            if (owns(b.button->defaultAction())) bindButton(b.button, b.placeholder);
        struct ItemBack {
            MenuItem* item;
            QAction* placeholder;
        };
        for (const ItemBack& i : {ItemBack{frame->Uloit1, frame->FileSave1}, ItemBack{frame->Uloitjako1, frame->FileSaveAs1},
                                  ItemBack{frame->Export2, frame->FileExport}, ItemBack{frame->Uloitjakoobrzek1, frame->FileObr},
                                  ItemBack{frame->Tisk2, frame->FilePrint}})
            if (owns(i.item->action())) i.item->setAction(i.placeholder);
        // The menus go with the window, so no button may keep one.
        for (QToolButton* button : {frame->toolupravy, frame->tooltvorba, frame->toolsablony}) {
            if (!owns(button->menu())) continue;
            button->setMenu(nullptr);
            button->setEnabled(false);
        }
    }
    freeWordLists();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    FormClose();
    QMdiSubWindow::closeEvent(event);
}
