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

    aculoz = addDocumentAction("aculoz", QStringLiteral("&Uložit"));
    aculoz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    aculoz->setIcon(toolImage(8));
    aculozjako = addDocumentAction("aculozjako", QStringLiteral("Uložit j&ako..."));
    actisk = addDocumentAction("actisk", QStringLiteral("&Tisk"));
    actisk->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actisk->setIcon(toolImage(14));
    acexport = addDocumentAction("acexport", QStringLiteral("&Export do Excelu"));
    acExportObr = addDocumentAction("acExportObr", QStringLiteral("Uložit jako &obrázek"));

    connect(acVelikost, &QAction::triggered, this, &TMDIChildKrs::acVelikostExecute);

    CellGrid::Kind kind;
    kind.cellReset = [this](int col, int row) { letterUse[col][row] = LetterUse{}; };
    grid().setKind(std::move(kind));

    setWidget(ScrollBox1);
}

void TMDIChildKrs::loadFromFile(const QString& path) {
    // Reading the file is still to come; the caption already names it.
    setWindowTitle(fileCaption(path));
}

void TMDIChildKrs::acVelikostExecute() { runSizeDialog(); }
