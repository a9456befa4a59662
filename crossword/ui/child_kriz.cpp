#include "crossword/ui/child_kriz.h"

#include "document/core/grid_shape.h"
#include "document/core/picture_drawing.h"
#include "document/ui/document_files.h"
#include "frame/core/documents.h"
#include "platform/ui/actions.h"
#include "platform/ui/cell_grid_widget.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {

// A clue grid: two columns of 150 pixels, row 0 holding the headings.
QTableWidget* makeClueGrid(QWidget* parent, const char* name, const QString& heading) {
    auto* grid = new QTableWidget(1, 2, parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, 150);
    grid->setColumnWidth(1, 150);
    for (int col = 0; col < 2; ++col) {
        auto* item = new QTableWidgetItem(col == 0 ? heading : QStringLiteral("Legenda"));
        item->setFlags(Qt::ItemIsEnabled);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        grid->setItem(0, col, item);
    }
    return grid;
}

QToolButton* makeButton(QWidget* parent, QAction* action, const QString& text = {}) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    if (!text.isEmpty()) button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

TMDIChildKriz::TMDIChildKriz()
    : SlotWindow(crosswordDocument, Behaviour{SlotRules{.blackCellsBlock = false, .endBars = true}, true, false}) {
    const GridActions gridActions = addGridActions(QStringLiteral("&Návrhář"));
    acVelikost = gridActions.size;
    acNavrhar = gridActions.designer;
    menuupravy->addSeparator();
    acSmazatpismena = addDocumentAction("acSmazatpismena", QStringLiteral("S&mazat písmena"), menuupravy);
    setHint(acSmazatpismena, QStringLiteral("Smaže písmena z křížovky a zachová úpravy a tajenku"));

    vytvoritlegendu = addDocumentAction("vytvoritlegendu", QStringLiteral("&Vytvořit legendu"), menutvorba);
    dokoncitkrizovku = addDocumentAction("dokoncitkrizovku", QStringLiteral("&Dokončit křížovku"), menutvorba, false);

    const TemplateActions templates = addTemplateActions();
    aczvolsablonu = templates.open;
    aculozsablonu = templates.save;

    opravitkrizovku = addDocumentAction("opravitkrizovku", QStringLiteral("&Opravit křížovku"), nullptr, false);
    IsTajenka = addDocumentAction("IsTajenka", QStringLiteral("Tajenka"), nullptr, false);
    addDeleteWordAction(QStringLiteral("Smazat"), nullptr);
    btnvodorovne = addDocumentAction("btnvodorovne", QString(), nullptr, false);
    setHint(btnvodorovne, QStringLiteral("Označí okraje slova vodorovně"));
    btnsvisle = addDocumentAction("btnsvisle", QString(), nullptr, false);
    setHint(btnsvisle, QStringLiteral("Označí okraje slova svisle"));

    const FileActions file = addFileActions();
    aculoz = file.save;
    aculozjako = file.saveAs;
    actisk = file.print;
    acExport = file.spreadsheetExport;
    acExportObr = file.pictureExport;

    // Cells show the start cursor and carry a bar over their right and bottom edge.
    CellGrid::Kind kind;
    kind.cursor = cellcursor::startCursor;
    kind.edgeBars = true;
    kind.cellReset = [this](int col, int row) { letterUse[col][row] = LetterUse{}; };
    grid().setKind(std::move(kind));

    // The clue lists, shown in legend mode in place of the word entry.
    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    StringGrid2 = makeClueGrid(Panel4, "StringGrid2", QStringLiteral("Slova vodorovně"));
    StringGrid1 = makeClueGrid(Panel4, "StringGrid1", QStringLiteral("Slova svisle"));
    auto* lists = new QVBoxLayout(Panel4);
    lists->setContentsMargins(0, 0, 0, 0);
    lists->addWidget(StringGrid2, 1);
    lists->addWidget(StringGrid1, 1);
    Panel4->hide();

    // The buttons of the selection and of going back to building.
    Panel5 = new QWidget(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    auto* buttons = new QHBoxLayout(Panel5);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(makeButton(Panel5, btnvodorovne, QStringLiteral("↔")));
    buttons->addWidget(makeButton(Panel5, btnsvisle, QStringLiteral("↕")));
    buttons->addWidget(makeButton(Panel5, IsTajenka));
    buttons->addWidget(makeButton(Panel5, smazatslovo));
    buttons->addWidget(makeButton(Panel5, opravitkrizovku));
    buttons->addStretch();

    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("client"));
    auto* side = new QVBoxLayout;
    side->addWidget(Panel6, 1);
    side->addWidget(Panel4, 1);
    auto* sideWidget = new QWidget(client);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(320);
    side->setContentsMargins(0, 0, 0, 0);
    auto* body = new QHBoxLayout;
    body->addWidget(ScrollBox1, 1);
    body->addWidget(sideWidget);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    client->setMinimumSize(240, 160);
    layout->addLayout(body, 1);
    layout->addWidget(Panel5);

    connect(btnvodorovne, &QAction::triggered, this, &TMDIChildKriz::btnvodorovneExecute);
    connect(btnsvisle, &QAction::triggered, this, &TMDIChildKriz::btnsvisleExecute);
    connect(IsTajenka, &QAction::triggered, this, &TMDIChildKriz::IsTajenkaExecute);
    connect(acSmazatpismena, &QAction::triggered, this, &TMDIChildKriz::acSmazatpismenaExecute);
    connect(opravitkrizovku, &QAction::triggered, this, &TMDIChildKriz::opravitkrizovkuExecute);
    connect(acNavrhar, &QAction::triggered, this, &TMDIChildKriz::acNavrharExecute);
    connect(acExportObr, &QAction::triggered, this, &TMDIChildKriz::acExportObrExecute);
    connect(aczvolsablonu, &QAction::triggered, this, &TMDIChildKriz::aczvolsablonuExecute);
    connect(aculozsablonu, &QAction::triggered, this, &TMDIChildKriz::aculozsablonuExecute);

    setWidget(client);
    resize(760, 480);
}

// ---- phases -------------------------------------------------------------------

TMDIChildKriz::Phase TMDIChildKriz::phase() const {
    if (finished) return Phase::finished;
    return legendMode ? Phase::legend : Phase::building;
}

void TMDIChildKriz::applyPhase() {
    const Phase now = phase();
    const bool building = now == Phase::building;
    ScrollBox1->setEnabled(building);
    Panel6->setVisible(building);
    Panel4->setVisible(!building);
    for (QAction* action : {vytvoritlegendu, acVelikost, acSmazatpismena, acNavrhar, aczvolsablonu})
        action->setEnabled(building);
    dokoncitkrizovku->setEnabled(now == Phase::legend);
    opravitkrizovku->setEnabled(now == Phase::legend);
    if (now == Phase::finished)
        for (QAction* action : {smazatslovo, IsTajenka, btnvodorovne, btnsvisle}) action->setEnabled(false);
}

void TMDIChildKriz::opravitkrizovkuExecute() {
    // Back to building: the grid reacts again and the lists no longer stand
    // for it. The word tables, the clue grids and `finished` stay.
    legendMode = false;
    applyPhase();
    ListBox1->clear();
    infopanel->clear();
}

// ---- the selection's own buttons --------------------------------------------------

void TMDIChildKriz::selectionLost() {
    for (QAction* action : {btnvodorovne, btnsvisle, IsTajenka}) action->setEnabled(false);
}

void TMDIChildKriz::selectionChecked(bool single) {
    btnvodorovne->setEnabled(single);
    btnsvisle->setEnabled(single);
    IsTajenka->setEnabled(!single);
}

void TMDIChildKriz::btnvodorovneExecute() {
    if (engine().selection().singleCellSelection) slotEngine().showWordEnds(SlotEngine::horizontal);
}

void TMDIChildKriz::btnsvisleExecute() {
    if (engine().selection().singleCellSelection) slotEngine().showWordEnds(SlotEngine::vertical);
}

void TMDIChildKriz::IsTajenkaExecute() {
    // Closes the selected run as a word, so that the clue lists find it;
    // letters and letter uses stay.
    const SlotEngine::Selection& selection = engine().selection();
    if (!selection.singleCellSelection) slotEngine().showWordEnds(selection.selectionDirection);
}

// ---- clearing -----------------------------------------------------------------------

void TMDIChildKriz::acSmazatpismenaExecute() {
    CellGrid& cells = grid();
    GridCells::Batch batch(cells);
    for (int row = cells.currentRows(); row >= 1; --row)
        for (int col = cells.currentCols(); col >= 1; --col) {
            const LetterUse& use = letterUse[col][row];
            const bool secret = use.horizontal == letteruse::secretPhrase || use.vertical == letteruse::secretPhrase;
            if (!cells.isHidden(col, row) && !secret) cells.setText(col, row, {});
            cells.setRightBarVisible(col, row, false);
            cells.setBottomBarVisible(col, row, false);
        }
}

void TMDIChildKriz::clearGrid() {
    CellGrid& cells = grid();
    GridCells::Batch batch(cells);
    for (int row = 1; row <= cells.currentRows(); ++row)
        for (int col = 1; col <= cells.currentCols(); ++col) {
            if (!cells.isHidden(col, row)) cells.setText(col, row, {});
            cells.setBrush(col, row, colors::white);
            letterUse[col][row] = LetterUse{};
            cells.setRightBarVisible(col, row, false);
            cells.setBottomBarVisible(col, row, false);
        }
}

// ---- templates, designer, picture -------------------------------------------------------

void TMDIChildKriz::aczvolsablonuExecute() {
    if (loadGridTemplate(this, [this] { clearGrid(); })) gridChanged();
}

void TMDIChildKriz::aculozsablonuExecute() { saveGridTemplate(this); }

void TMDIChildKriz::acNavrharExecute() {
    grid().setPen(hoverCell().col, hoverCell().row, colors::black, 1);
    const auto shape = design(shapeOfGrid(grid()));
    if (!shape) return;
    applyShape(grid(), *shape);
    // A red cell is a letter of the secret phrase both ways; a cell that is
    // no longer red (or is hidden now) is no longer one. Letters placed by
    // words keep their bytes, so deleting a word still knows them.
    for (int row = 1; row <= shape->rows; ++row)
        for (int col = 1; col <= shape->columns; ++col) {
            const GridShape::Cell& cell = shape->cell(col, row);
            LetterUse& use = letterUse[col][row];
            if (cell.shown && cell.colour == colors::red) {
                use = {letteruse::secretPhrase, letteruse::secretPhrase};
                continue;
            }
            if (use.horizontal == letteruse::secretPhrase) use.horizontal = letteruse::unused;
            if (use.vertical == letteruse::secretPhrase) use.vertical = letteruse::unused;
        }
    gridChanged();
}

void TMDIChildKriz::acExportObrExecute() {
    const auto picture = std::make_unique<PictureGrid>();
    const CellGrid& cells = grid();
    for (int row = 1; row <= cells.currentRows(); ++row)
        for (int col = 1; col <= cells.currentCols(); ++col) {
            const LetterUse& use = letterUse[col][row];
            const bool secret = use.horizontal == letteruse::secretPhrase || use.vertical == letteruse::secretPhrase;
            picture->cellTexts[col - 1][row - 1] = cells.cellText(col, row);
            // A hidden cell is blocked, whatever its letter use says.
            picture->cellMarks[col - 1][row - 1] = cells.isHidden(col, row) ? PictureGrid::blockedCell
                                                   : secret                 ? PictureGrid::secretCell
                                                                            : PictureGrid::openCell;
            picture->rightBarMarks[col - 1][row - 1] =
                cells.rightBars()[col][row]->visible ? PictureGrid::barShown : PictureGrid::noBar;
            picture->bottomBarMarks[col - 1][row - 1] =
                cells.bottomBars()[col][row]->visible ? PictureGrid::barShown : PictureGrid::noBar;
        }
    picture->gridCols = cells.currentCols();
    picture->gridRows = cells.currentRows();
    showPicture(*picture);
}
