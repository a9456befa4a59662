#include "crisscross/ui/child_krs.h"

#include "frame/core/documents.h"
#include "document/ui/icons.h"

#include <QAction>
#include <QMenu>

TMDIChildKrs::TMDIChildKrs() : DocumentWindow(crissCrossDocument) {
    acVelikost = addDocumentAction("acVelikost", QStringLiteral("&Velikost"), menuupravy);
    acVelikost->setIcon(toolImage(19));
    acNavrhar = addDocumentAction("acNavrhar", QStringLiteral("Návrhář"), menuupravy);
    acNavrhar->setIcon(toolImage(29));
    zadattajenku = addDocumentAction("zadattajenku", QStringLiteral("&Tajenka"), menuupravy);
    prirazenicisel = addDocumentAction("prirazenicisel", QStringLiteral("&Přiřadit čísla"), menuupravy);
    menuupravy->addSeparator();
    smazatpismena = addDocumentAction("smazatpismena", QStringLiteral("S&mazat písmena"), menuupravy);

    vytvoritkrsnotopakovat = addDocumentAction(
        "vytvoritkrsnotopakovat", QStringLiteral("&Vytvořit kris-kros bez možnosti opakovat čísla"), menutvorba);
    vytvoritkrsopakovat = addDocumentAction(
        "vytvoritkrsopakovat", QStringLiteral("Vytvořit kris-kros s možností &opakovat čísla"), menutvorba);

    aczvolsablonu = addDocumentAction("aczvolsablonu", QStringLiteral("&Zvol šablonu"), menusablony);
    aculozsablonu = addDocumentAction("aculozsablonu", QStringLiteral("&Ulož šablonu"), menusablony);

    const FileActions file = addFileActions();
    aculoz = file.save;
    aculozjako = file.saveAs;
    actisk = file.print;
    acexport = file.spreadsheetExport;
    acExportObr = file.pictureExport;

    connect(acVelikost, &QAction::triggered, this, &TMDIChildKrs::acVelikostExecute);

    CellGrid::Kind kind;
    kind.cellReset = [this](int col, int row) { letterUse[col][row] = LetterUse{}; };
    grid().setKind(std::move(kind));

    setWidget(ScrollBox1);
}

void TMDIChildKrs::acVelikostExecute() { runSizeDialog(); }
