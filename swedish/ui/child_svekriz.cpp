#include "swedish/ui/child_svekriz.h"

#include "document/core/document_kinds.h"
#include "document/core/grid_shape.h"
#include "document/core/document_kinds.h"
#include "platform/ui/actions.h"
#include "platform/ui/placement.h"
#include "stores/ui/store_files.h"
#include "swedish/core/skr_print.h"
#include "swedish/ui/legend_form.h"
#include "swedish/ui/print_form.h"
#include "swedish/ui/swedish_forms.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>

TMDIChildSveKriz::TMDIChildSveKriz()
    : SlotWindow(swedishDocument, Behaviour{.rules = SlotRules{.blackCellsBlock = true, .endBars = false},
                                            .askDirectionOfOneLetter = false,
                                            .selectOnPress = true}) {
    // The designer changes visibility and colours only: a hidden cell keeps its
    // letter, to show it again with the cell, as its letter uses say it holds
    // one. Letter uses and clue records stay; only a template's "@" goes from
    // a cell shown again.
    const GridActions gridActions = addGridActions(
        QStringLiteral("&Návrhář"), {.showHide = true, .secretPhrase = true, .clue = true}, HiddenCellText::keep);
    Velikost = gridActions.size;
    setHint(Velikost, QStringLiteral("Velikost|Změní velikost"));
    acNavrhar = gridActions.designer;
    setHint(acNavrhar, QStringLiteral("Návrhář|Pomocí návrháře můžete upravit tvar a umístění tajenky a legendy"));
    addDeleteWordAction(QStringLiteral("&Smazat slovo"), menuupravy);
    setHint(smazatslovo, QStringLiteral("Smaže slovo z křížovky"));
    menuupravy->addSeparator();
    smazatpismena = addDocumentAction("smazatpismena", QStringLiteral("S&mazat písmena"), menuupravy);
    setHint(smazatpismena, QStringLiteral("Smazat|Smaže písmena z křížovky ale zachová úpravy"));

    const TemplateActions templates = addTemplateActions();
    aczvolsablonu = templates.open;
    setHint(aczvolsablonu, QStringLiteral("Zvol šablonu|Upraví rastr podle šablony"));
    aculozsablonu = templates.save;
    setHint(aculozsablonu, QStringLiteral("Ulož šablonu|Uloží tvar rastru jako šablonu"));

    FileActionTexts texts;
    texts.spreadsheetExport = QStringLiteral("Export do &Excelu");
    texts.saveHint = QStringLiteral("Uložit|Uloží aktivní soubor");
    texts.saveAsHint = QStringLiteral("Uložit jako|Uloží aktivní soubor pod jiným jménem");
    texts.printHint = QStringLiteral("Tisk|Vytiskne křížovku");
    texts.exportsEnabled = false;  // this kind has no exports
    const FileActions file = addFileActions(texts);
    uloz = file.save;
    ulozjako = file.saveAs;
    print = file.print;
    acExport = file.spreadsheetExport;
    acExportObr = file.pictureExport;

    // Cells show the start cursor; a resize frees the letter uses, never the clue records.
    CellGrid::Kind kind;
    kind.cursor = cellcursor::startCursor;
    setCellKind(std::move(kind));

    // The size action takes the hover frame off before the dialog.
    disconnect(Velikost, &QAction::triggered, this, nullptr);
    connect(Velikost, &QAction::triggered, this, &TMDIChildSveKriz::VelikostExecute);
    connect(smazatpismena, &QAction::triggered, this, &TMDIChildSveKriz::smazatpismenaExecute);
    connect(print, &QAction::triggered, this, &TMDIChildSveKriz::printExecute);
    setDocumentFile<swedish::SkrDocument>(
        swedish::skrCodec, [this] { return toDocument(); },
        [this](const swedish::SkrDocument& document) { return showDocument(document); });

    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("client"));
    setClient(client, {{Panel6, 1}}, 320);
    resize(760, 480);
}

bool TMDIChildSveKriz::cellTaken(int col, int row) {
    const CellGrid& cells = grid();
    if (!cells.hasCell(col, row) || cells.isHidden(col, row) || cells.cellShapes()[col][row]->brush != colors::black)
        return false;
    editLegend(col, row);
    return true;
}

void TMDIChildSveKriz::editLegend(int col, int row) {
    if (!grid().hasCell(col, row) || !svelegform) return;
    // The clue stores load before the editor shows, their notice over the main window.
    ensureLegendsLoaded(this);
    svelegform->setWords(swedish::legendWords(grid(), col, row));
    svelegform->legendRecordCopy = legendCell[col][row];
    const QPointer<TMDIChildSveKriz> self(this);
    const int result = svelegform->exec();
    if (self && result == QDialog::Accepted) legendCell[col][row] = svelegform->legendRecordCopy;
}

// ---- size, clearing, templates, designer ------------------------------------------------

void TMDIChildSveKriz::VelikostExecute() {
    resetHover();
    runSizeDialog();
}

void TMDIChildSveKriz::smazatpismenaExecute() {
    CellGrid& cells = grid();
    GridCells::Batch batch(cells);
    for (int row = 1; row <= cells.currentRows(); ++row)
        for (int col = 1; col <= cells.currentCols(); ++col) cells.setText(col, row, {});
}

// ---- the .skr file and the printout ---------------------------------------------------------

swedish::SkrDocument TMDIChildSveKriz::toDocument() const {
    const CellGrid& cells = grid();
    swedish::SkrDocument document = swedish::SkrDocument::blank(cells.currentCols(), cells.currentRows());
    for (int row = 1; row <= document.rows; ++row)
        for (int col = 1; col <= document.columns; ++col) {
            swedish::SkrCell& cell = document.cell(col, row);
            cell.visible = !cells.isHidden(col, row);
            cell.text = cells.cellLabels()[col][row]->text;
            cell.colour = static_cast<std::int32_t>(unhighlighted(cells.cellShapes()[col][row]->brush));
            cell.legend = legendCell[col][row];
            cell.useAcross = letterUse[col][row].horizontal;
            cell.useDown = letterUse[col][row].vertical;
        }
    return document;
}

bool TMDIChildSveKriz::showDocument(const swedish::SkrDocument& document) {
    if (resizeGrid(document.columns, document.rows) == CellGrid::ResizeResult::noProgress) return false;
    {
        CellGrid& cells = grid();
        GridCells::Batch batch(cells);
        for (int row = 1; row <= document.rows; ++row)
            for (int col = 1; col <= document.columns; ++col) {
                const swedish::SkrCell& cell = document.cell(col, row);
                // Shown or hidden as the file says, with the text it gives.
                cells.setCellVisible(col, row, cell.visible);
                cells.setText(col, row, cell.text);
                cells.setBrush(col, row, static_cast<Color>(cell.colour));
                legendCell[col][row] = cell.legend;
                letterUse[col][row] = {cell.useAcross, cell.useDown};
            }
    }
    gridChanged();
    return true;
}

void TMDIChildSveKriz::printExecute() {
    if (!tisksvekriform || tisksvekriform->exec() != QDialog::Accepted) return;
    const swedish::SkrPrintOptions options = tisksvekriform->options();
    const swedish::SkrDocument document = toDocument();
    printDocument([&](Canvas& canvas) { swedish::drawSwedishPrint(canvas, document, options); });
}
