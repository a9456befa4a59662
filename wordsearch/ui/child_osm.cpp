#include "wordsearch/ui/child_osm.h"

#include "frame/core/documents.h"
#include "frame/ui/icons.h"

#include <QAction>
#include <QMenu>

TMDIChildOsm::TMDIChildOsm() : DocumentWindow(wordSearchDocument) {
    acVelikost = addDocumentAction("acVelikost", QStringLiteral("&Velikost"), menuupravy);
    acVelikost->setIcon(toolImage(19));
    acNavrhar = addDocumentAction("acNavrhar", QStringLiteral("Návrhář"), menuupravy);
    acNavrhar->setIcon(toolImage(29));
    aczadattajenku = addDocumentAction("aczadattajenku", QStringLiteral("&Tajenka"), menuupravy);
    menuupravy->addSeparator();
    acupravitslova = addDocumentAction("acupravitslova", QStringLiteral("&Přidat/odebrat slova"), menuupravy);
    acVlozitslova = addDocumentAction("acVlozitslova", QStringLiteral("Vložit do &editoru slova ze slovníku"), menuupravy);
    acanalyzovat = addDocumentAction("acanalyzovat", QStringLiteral("&Analyzovat"), menuupravy, false);
    menuupravy->addSeparator();
    acsmazatpismena = addDocumentAction("acsmazatpismena", QStringLiteral("&Začít znovu"), menuupravy);

    generujosmismerku = addDocumentAction("generujosmismerku", QStringLiteral("&Vytvořit osmisměrku"), menutvorba);
    zrusitgenerovani =
        addDocumentAction("zrusitgenerovani", QStringLiteral("&Zrušit vytváření osmisměrky"), menutvorba, false);
    menutvorba->addSeparator();
    acstartstop = addDocumentAction("acstartstop", QStringLiteral("Pozastavit"), menutvorba, false);

    aczvolsablonu = addDocumentAction("aczvolsablonu", QStringLiteral("&Zvol šablonu"), menusablony);
    aculozsablonu = addDocumentAction("aculozsablonu", QStringLiteral("&Ulož šablonu"), menusablony);

    aculoz = addDocumentAction("aculoz", QStringLiteral("&Uložit"));
    aculoz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    aculoz->setIcon(toolImage(8));
    aculozjako = addDocumentAction("aculozjako", QStringLiteral("Ulož j&ako"));
    actisk = addDocumentAction("actisk", QStringLiteral("&Tisk"));
    actisk->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actisk->setIcon(toolImage(14));
    acExport = addDocumentAction("acExport", QStringLiteral("&Export do Excelu"));
    acExportObr = addDocumentAction("acExportObr", QStringLiteral("Uložit jako &obrázek"));

    connect(acVelikost, &QAction::triggered, this, &TMDIChildOsm::acVelikostExecute);

    setWordLists({.wordSearchWords = &documentWordSearchWords});
    setWidget(ScrollBox1);
}

void TMDIChildOsm::loadFromFile(const QString& path) {
    // Reading the file is still to come; the caption already names it.
    setWindowTitle(fileCaption(path));
}

void TMDIChildOsm::acVelikostExecute() { runSizeDialog(); }
