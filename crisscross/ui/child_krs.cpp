#include "crisscross/ui/child_krs.h"

#include "frame/core/documents.h"

#include <QAction>
#include <QMenu>

TMDIChildKrs::TMDIChildKrs() : DocumentWindow(crissCrossDocument) {
    const GridActions gridActions = addGridActions(QStringLiteral("Návrhář"));
    acVelikost = gridActions.size;
    acNavrhar = gridActions.designer;
    zadattajenku = addDocumentAction("zadattajenku", QStringLiteral("&Tajenka"), menuupravy);
    prirazenicisel = addDocumentAction("prirazenicisel", QStringLiteral("&Přiřadit čísla"), menuupravy);
    menuupravy->addSeparator();
    smazatpismena = addDocumentAction("smazatpismena", QStringLiteral("S&mazat písmena"), menuupravy);

    vytvoritkrsnotopakovat = addDocumentAction(
        "vytvoritkrsnotopakovat", QStringLiteral("&Vytvořit kris-kros bez možnosti opakovat čísla"), menutvorba);
    vytvoritkrsopakovat = addDocumentAction(
        "vytvoritkrsopakovat", QStringLiteral("Vytvořit kris-kros s možností &opakovat čísla"), menutvorba);

    const TemplateActions templates = addTemplateActions();
    aczvolsablonu = templates.open;
    aculozsablonu = templates.save;

    const FileActions file = addFileActions();
    aculoz = file.save;
    aculozjako = file.saveAs;
    actisk = file.print;
    acexport = file.spreadsheetExport;
    acExportObr = file.pictureExport;

    CellGrid::Kind kind;
    kind.cellReset = [this](int col, int row) { letterUse[col][row] = LetterUse{}; };
    grid().setKind(std::move(kind));

    setWidget(ScrollBox1);
}
