#include "crossword/ui/child_kriz.h"

#include "crossword/ui/print_form.h"

#include "document/core/grid_shape.h"
#include "document/core/picture_drawing.h"
#include "document/ui/icons.h"
#include "frame/core/documents.h"
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
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
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

// The clue column takes one line of text the code page can hold, of at most
// the length one cell of a workbook holds (typed or pasted).
class ClueDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setValidator(new TypedTextValidator({.codePageOnly = true}, line));
            line->setMaxLength(static_cast<int>(crossword::kMaxClueLength));
        }
        return editor;
    }
};

// A clue grid: two columns of 150 pixels. Row k shows word k; row 0 is the
// heading row, whose texts stand in the grid's header, so that they stay in
// place while the rows below scroll (the row itself is not shown).
QTableWidget* makeClueGrid(QWidget* parent, const char* name, const QString& heading) {
    auto* grid = new QTableWidget(1, 2, parent);
    grid->setItemDelegate(new ClueDelegate(grid));
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    grid->setObjectName(QLatin1String(name));
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, 150);
    grid->setColumnWidth(1, 150);
    grid->setHorizontalHeaderLabels({heading, QStringLiteral("Legenda")});
    QHeaderView* headings = grid->horizontalHeader();
    headings->setSectionsClickable(false);
    headings->setHighlightSections(false);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = headings->font();
    bold.setBold(true);
    headings->setFont(bold);
    grid->setRowHidden(0, true);
    return grid;
}

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
    // Letters placed by words keep their bytes, so deleting a word still knows them.
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
    showPicture(*picture);
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

namespace {

QTableWidgetItem* cellItem(const std::string& text, bool editable) {
    auto* item = new QTableWidgetItem(toQString(text));
    item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

std::string itemText(const QTableWidget* grid, int row, int col) {
    const QTableWidgetItem* item = grid->item(row, col);
    return item ? fromQString(item->text()).value_or(std::string()) : std::string();
}

}  // namespace

QTableWidget* TMDIChildKriz::clueGrid(Direction direction) const {
    return direction == Direction::across ? StringGrid2 : StringGrid1;
}

void TMDIChildKriz::showClueRows(Direction direction, const std::vector<crossword::ClueRow>& rows) {
    QTableWidget* grid = clueGrid(direction);
    // Row k shows word k; a list without words shows one empty row.
    grid->setRowCount(static_cast<int>(std::max<std::size_t>(rows.size(), 1)) + 1);
    if (rows.empty()) {
        grid->setItem(1, 0, cellItem({}, false));
        grid->setItem(1, 1, cellItem({}, true));
        return;
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        QTableWidgetItem* word = cellItem(rows[k].word, false);
        // Where the word stands goes with it, for the file and the next legend.
        word->setData(Qt::UserRole, rows[k].line);
        word->setData(Qt::UserRole + 1, rows[k].ordinal);
        grid->setItem(static_cast<int>(k) + 1, 0, word);
        grid->setItem(static_cast<int>(k) + 1, 1, cellItem(rows[k].clue, true));
    }
}

std::vector<crossword::ClueRow> TMDIChildKriz::clueRows(Direction direction) const {
    const QTableWidget* grid = clueGrid(direction);
    std::vector<crossword::ClueRow> rows;
    for (int k = 1; k < grid->rowCount(); ++k) {
        crossword::ClueRow row{itemText(grid, k, 0), itemText(grid, k, 1), 0, 0};
        if (const QTableWidgetItem* word = grid->item(k, 0)) {
            row.line = word->data(Qt::UserRole).toInt();
            row.ordinal = word->data(Qt::UserRole + 1).toInt();
        }
        rows.push_back(std::move(row));
    }
    // The one empty row of a list without words is no row of the list.
    if (rows.size() == 1 && rows.front().word.empty()) rows.clear();
    return rows;
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
    if (item->row() >= 1 && k < table.size()) table[k].clue = itemText(item->tableWidget(), item->row(), 1);
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
        const auto entries = [](const std::vector<crossword::ClueRow>& rows) {
            crossword::CrosswordWordTable table;
            for (const crossword::ClueRow& row : rows) table.push_back({row.word, row.line, row.ordinal, row.clue});
            return table;
        };
        acrossWords = entries(document.across);
        downWords = entries(document.down);
    }
    gridChanged();
    applyPhase();
    if (legendMode) aculozsablonu->setEnabled(false);
    return true;
}
