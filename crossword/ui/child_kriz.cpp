#include "crossword/ui/child_kriz.h"

#include "crossword/ui/clue_tables.h"
#include "crossword/ui/print_form.h"

#include "document/core/document_kinds.h"
#include "document/core/grid_shape.h"
#include "document/core/picture_drawing.h"
#include "document/ui/icons.h"
#include "frame/core/config.h"
#include "platform/ui/actions.h"
#include "platform/ui/cell_grid_widget.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/typed_text.h"
#include "stores/core/word_stores.h"
#include "stores/ui/store_files.h"

#include <QAction>
#include <QHBoxLayout>
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

// A button that follows its action, showing the action's image when it has
// one and its caption otherwise.
QToolButton* makeButton(QWidget* parent, QAction* action) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(action->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    return button;
}

}  // namespace

TMDIChildKriz::TMDIChildKriz()
    : SlotWindow(crosswordDocument, Behaviour{SlotRules{.blackCellsBlock = false, .endBars = true}, true, false}) {
    const GridActions gridActions = addGridActions(QStringLiteral("&Návrhář"), {.showHide = true, .secretPhrase = true});
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
    // Buttons with an image and no caption.
    btnvodorovne = addDocumentAction("btnvodorovne", QString(), nullptr, false);
    btnvodorovne->setIcon(wordEndsImage(Direction::across));
    setHint(btnvodorovne, QStringLiteral("Označí okraje slova vodorovně"));
    btnsvisle = addDocumentAction("btnsvisle", QString(), nullptr, false);
    btnsvisle->setIcon(wordEndsImage(Direction::down));
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
    setCellKind(std::move(kind));

    // The clue lists, shown in legend mode in place of the word entry.
    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    StringGrid2 = makeClueTable(Panel4, "StringGrid2", QStringLiteral("Slova vodorovně"));
    StringGrid1 = makeClueTable(Panel4, "StringGrid1", QStringLiteral("Slova svisle"));
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
    buttons->addWidget(makeButton(Panel5, btnvodorovne));
    buttons->addWidget(makeButton(Panel5, btnsvisle));
    buttons->addWidget(makeButton(Panel5, IsTajenka));
    buttons->addWidget(makeButton(Panel5, smazatslovo));
    buttons->addWidget(makeButton(Panel5, opravitkrizovku));
    buttons->addStretch();

    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("client"));
    setClient(client, {{Panel6, 1}, {Panel4, 1}}, 320, nullptr, Panel5);

    connect(vytvoritlegendu, &QAction::triggered, this, &TMDIChildKriz::vytvoritlegenduExecute);
    connect(dokoncitkrizovku, &QAction::triggered, this, &TMDIChildKriz::dokoncitkrizovkuExecute);
    connect(btnvodorovne, &QAction::triggered, this, &TMDIChildKriz::btnvodorovneExecute);
    connect(btnsvisle, &QAction::triggered, this, &TMDIChildKriz::btnsvisleExecute);
    connect(IsTajenka, &QAction::triggered, this, &TMDIChildKriz::IsTajenkaExecute);
    connect(acSmazatpismena, &QAction::triggered, this, &TMDIChildKriz::acSmazatpismenaExecute);
    connect(opravitkrizovku, &QAction::triggered, this, &TMDIChildKriz::opravitkrizovkuExecute);
    connect(acExportObr, &QAction::triggered, this, &TMDIChildKriz::acExportObrExecute);
    connect(actisk, &QAction::triggered, this, &TMDIChildKriz::actiskExecute);
    connect(acExport, &QAction::triggered, this, &TMDIChildKriz::acExportExecute);

    for (const Direction direction : {Direction::across, Direction::down}) {
        showClueRows(direction, {});
        connect(clueGrid(direction), &QTableWidget::itemChanged, this,
                [this, direction](QTableWidgetItem* item) { clueEdited(direction, item); });
    }
    setDocumentFile<crossword::KriDocument>(
        crossword::kriCodec, [this] { return toDocument(); },
        [this](const crossword::KriDocument& document) { return showDocument(document); });

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
    // Saving a template stays as it was in the other phases (a file opened
    // in them turns it off, building turns it on).
    if (building) aculozsablonu->setEnabled(true);
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
    if (engine().selection().singleCellSelection) slotEngine().showWordEnds(Direction::across);
}

void TMDIChildKriz::btnsvisleExecute() {
    if (engine().selection().singleCellSelection) slotEngine().showWordEnds(Direction::down);
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
            if (!cells.isHidden(col, row) && !letterUse[col][row].secret()) cells.setText(col, row, {});
            cells.setRightBarVisible(col, row, false);
            cells.setBottomBarVisible(col, row, false);
        }
}

// ---- templates, designer, picture -------------------------------------------------------

void TMDIChildKriz::shapeDesigned(const GridShape& designed) {
    // A red cell is a letter of the secret phrase both ways; a cell that is
    // no longer red (or is hidden now) is no longer one. Letters placed by
    // words keep their bytes, so deleting a word still knows them.
    for (int row = 1; row <= designed.rows; ++row)
        for (int col = 1; col <= designed.columns; ++col) {
            const GridShape::Cell& cell = designed.cell(col, row);
            LetterUse& use = letterUse[col][row];
            if (cell.shown && cell.colour == colors::red) {
                use = {letteruse::secretPhrase, letteruse::secretPhrase};
                continue;
            }
            if (use.horizontal == letteruse::secretPhrase) use.horizontal = letteruse::unused;
            if (use.vertical == letteruse::secretPhrase) use.vertical = letteruse::unused;
        }
    SlotWindow::shapeDesigned(designed);
}

void TMDIChildKriz::acExportObrExecute() {
    const auto picture = std::make_unique<PictureGrid>();
    crossword::fillCrosswordPicture(*picture, toDocument());
    showPicture(*picture, PictureStyle::crosswordGrid);
}

// ---- printing and the spreadsheet export ------------------------------------------------

crossword::PrintedCrossword TMDIChildKriz::printedCrossword() const {
    const CellGrid& cells = grid();
    crossword::PrintedCrossword printed = crossword::PrintedCrossword::blank(cells.currentCols(), cells.currentRows());
    for (int row = 1; row <= printed.rows; ++row)
        for (int col = 1; col <= printed.columns; ++col) {
            crossword::PrintedCell& cell = printed.cell(col, row);
            cell.hidden = cells.isHidden(col, row);
            cell.rightBar = cells.rightBars()[col][row]->visible;
            cell.bottomBar = cells.bottomBars()[col][row]->visible;
        }
    printed.across = acrossWords;
    printed.down = downWords;
    return printed;
}

void TMDIChildKriz::actiskExecute() {
    if (!tiskkriform || tiskkriform->exec() != QDialog::Accepted) return;
    const crossword::PrintOptions options = tiskkriform->options();
    const crossword::PrintedCrossword printed = printedCrossword();
    printDocument([&](Canvas& canvas) { crossword::drawCrosswordPrint(canvas, printed, options); });
}

void TMDIChildKriz::acExportExecute() {
    const crossword::KriDocument document = toDocument();
    // A clue that no cell of the workbook can hold is named before a file is chosen.
    struct ClueList {
        const std::vector<crossword::ClueRow>& rows;
        QString name;
    };
    for (const ClueList& list : {ClueList{document.across, QStringLiteral("vodorovně")},
                                 ClueList{document.down, QStringLiteral("svisle")}}) {
        const crossword::ClueRow* row = crossword::firstOverlongClue(list.rows);
        if (!row) continue;
        desktop::warning(this, QStringLiteral("Legenda slova \"%1\" (%2) má víc než %3 znaků a do buňky sešitu se "
                                              "nevejde. Zkraťte ji a export opakujte.")
                                   .arg(toQString(row->word), list.name, QString::number(crossword::kMaxClueLength)));
        return;
    }
    exportBook([&](Workbook& book) { return crossword::fillCrosswordWorkbook(book, document); });
}

// ---- clue lists -------------------------------------------------------------------------

QTableWidget* TMDIChildKriz::clueGrid(Direction direction) const {
    return direction == Direction::across ? StringGrid2 : StringGrid1;
}

void TMDIChildKriz::showClueRows(Direction direction, const std::vector<crossword::ClueRow>& rows) {
    fillClueTable(clueGrid(direction), rows);
}

std::vector<crossword::ClueRow> TMDIChildKriz::clueRows(Direction direction) const {
    return clueTableRows(clueGrid(direction));
}

namespace {

// One line of the box after a legend was built: where the piece stands and what is wrong with it.
QString problemLine(const crossword::LegendProblem& problem) {
    const QString where = problem.direction == Direction::across ? QStringLiteral("Chyba v řádku")
                                                                 : QStringLiteral("Chyba ve sloupci");
    if (problem.kind == crossword::LegendProblem::Kind::unclosed)
        return where + QStringLiteral(" %1. pravděpodobně není ukončeno slovo č. %2. (Zjištěné slovo:  %3).")
                           .arg(problem.line)
                           .arg(problem.ordinal)
                           .arg(toQString(problem.word));
    return where + QStringLiteral(" %1. slovo č. %2 není celé vyplněno.").arg(problem.line).arg(problem.ordinal);
}

// The line that counts the problems not listed.
QString moreProblems(std::size_t count) {
    if (count == 1) return QStringLiteral("A ještě 1 další chyba.");
    if (count <= 4) return QStringLiteral("A ještě %1 další chyby.").arg(count);
    return QStringLiteral("A ještě %1 dalších chyb.").arg(count);
}

}  // namespace

QString TMDIChildKriz::problemsText(const std::vector<crossword::LegendProblem>& problems) {
    QStringList lines;
    const std::size_t listed = std::min(problems.size(), listedProblems);
    for (std::size_t i = 0; i < listed; ++i) lines << problemLine(problems[i]);
    if (problems.size() > listed) lines << moreProblems(problems.size() - listed);
    lines << QStringLiteral("Klikněte na tlačítko \"Opravit křížovku\" a opravte křížovku.");
    return lines.join(QLatin1Char('\n'));
}

void TMDIChildKriz::vytvoritlegenduExecute() {
    ensureLegendsLoaded(this);
    legendMode = true;
    applyPhase();
    const crossword::Legend legend = crossword::buildLegend(grid(), letterUse);
    if (!legend.problems.empty()) desktop::message(this, problemsText(legend.problems));
    // A clue typed before stays with its word.
    const std::vector<crossword::ClueRow> acrossBefore = clueRows(Direction::across);
    const std::vector<crossword::ClueRow> downBefore = clueRows(Direction::down);
    acrossWords = legend.across;
    downWords = legend.down;
    ClueIndex& builtin = clueIndex(builtinLegends);
    ClueIndex& user = clueIndex(userLegends);
    showClueRows(Direction::across, crossword::legendRows(acrossWords, acrossBefore, builtin, user));
    showClueRows(Direction::down, crossword::legendRows(downWords, downBefore, builtin, user));
}

void TMDIChildKriz::clueEdited(Direction direction, const QTableWidgetItem* item) {
    // Once finished, the words' clues are those of the grids, so a clue
    // edited after "Dokončit" is printed as it is saved and exported.
    if (!finished || item->column() != 1) return;
    crossword::CrosswordWordTable& table = direction == Direction::across ? acrossWords : downWords;
    const std::size_t k = static_cast<std::size_t>(item->row()) - 1;
    if (item->row() >= 1 && k < table.size()) table[k].clue = clueTableText(item->tableWidget(), item->row(), 1);
}

void TMDIChildKriz::dokoncitkrizovkuExecute() {
    const std::vector<crossword::ClueRow> across = clueRows(Direction::across);
    const std::vector<crossword::ClueRow> down = clueRows(Direction::down);
    if (crosswordSettings.rememberClues()) {
        ClueIndex& user = clueIndex(userLegends);
        crossword::rememberLegends(across, user);
        crossword::rememberLegends(down, user);
    }
    // The clues of the grids become the clues of the words.
    for (std::size_t k = 0; k < acrossWords.size() && k < across.size(); ++k) acrossWords[k].clue = across[k].clue;
    for (std::size_t k = 0; k < downWords.size() && k < down.size(); ++k) downWords[k].clue = down[k].clue;
    finished = true;
    applyPhase();
}

// ---- the .kri file ---------------------------------------------------------------------------

crossword::KriDocument TMDIChildKriz::toDocument() const {
    const CellGrid& cells = grid();
    crossword::KriDocument document = crossword::KriDocument::blank(cells.currentCols(), cells.currentRows());
    for (int row = 1; row <= document.rows; ++row)
        for (int col = 1; col <= document.columns; ++col) {
            crossword::KriCell& cell = document.cell(col, row);
            cell.text = cells.cellText(col, row);
            cell.colour = static_cast<std::int32_t>(unhighlighted(cells.cellShapes()[col][row]->brush));
            cell.bottomBar = cells.bottomBars()[col][row]->visible;
            cell.rightBar = cells.rightBars()[col][row]->visible;
            cell.useAcross = letterUse[col][row].horizontal;
            cell.useDown = letterUse[col][row].vertical;
        }
    document.reservedText1 = reservedText1;
    document.reservedText2 = reservedText2;
    document.finished = finished;
    document.legendMode = legendMode;
    document.across = clueRows(Direction::across);
    document.down = clueRows(Direction::down);
    return document;
}

bool TMDIChildKriz::showDocument(const crossword::KriDocument& document) {
    if (resizeGrid(document.columns, document.rows) == CellGrid::ResizeResult::noProgress) return false;
    {
        CellGrid& cells = grid();
        GridCells::Batch batch(cells);
        for (int row = 1; row <= document.rows; ++row)
            for (int col = 1; col <= document.columns; ++col) {
                const crossword::KriCell& cell = document.cell(col, row);
                cells.setCellText(col, row, cell.text);
                cells.setBrush(col, row, static_cast<Color>(cell.colour));
                cells.setBottomBarVisible(col, row, cell.bottomBar);
                cells.setRightBarVisible(col, row, cell.rightBar);
                letterUse[col][row] = {cell.useAcross, cell.useDown};
            }
    }
    reservedText1 = document.reservedText1;
    reservedText2 = document.reservedText2;
    finished = document.finished;
    legendMode = document.legendMode;
    showClueRows(Direction::across, document.across);
    showClueRows(Direction::down, document.down);
    // In legend mode the words of the lists are the words of the tables; in
    // building they are what the next legend keeps the typed clues of.
    if (legendMode) {
        acrossWords = document.across;
        downWords = document.down;
    }
    gridChanged();
    applyPhase();
    if (legendMode) aculozsablonu->setEnabled(false);
    return true;
}
