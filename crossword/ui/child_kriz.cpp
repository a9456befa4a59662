#include "crossword/ui/child_kriz.h"

#include "frame/core/documents.h"
#include "platform/ui/actions.h"

#include <QAction>
#include <QMenu>

TMDIChildKriz::TMDIChildKriz() : DocumentWindow(crosswordDocument) {
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
    smazatslovo = addDocumentAction("smazatslovo", QStringLiteral("Smazat"), nullptr, false);
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

    setWordLists({.dictionaryWords = &documentDictionaryWords, .userWords = &documentUserWords});
    setWidget(ScrollBox1);
}
