#include "swedish/ui/child_svekriz.h"

#include "frame/core/documents.h"
#include "platform/ui/actions.h"

#include <QAction>
#include <QMenu>

TMDIChildSveKriz::TMDIChildSveKriz() : DocumentWindow(swedishDocument) {
    const GridActions gridActions = addGridActions(QStringLiteral("&Návrhář"));
    Velikost = gridActions.size;
    setHint(Velikost, QStringLiteral("Velikost|Změní velikost"));
    acNavrhar = gridActions.designer;
    setHint(acNavrhar, QStringLiteral("Návrhář|Pomocí návrháře můžete upravit tvar a umístění tajenky a legendy"));
    smazatslovo = addDocumentAction("smazatslovo", QStringLiteral("&Smazat slovo"), menuupravy, false);
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

    // Cells show the start cursor.
    CellGrid::Kind kind;
    kind.cursor = cellcursor::startCursor;
    kind.cellReset = [this](int col, int row) { letterUse[col][row] = LetterUse{}; };
    grid().setKind(std::move(kind));

    setWordLists({.dictionaryWords = &documentDictionaryWords, .userWords = &documentUserWords});
    setWidget(ScrollBox1);
}
