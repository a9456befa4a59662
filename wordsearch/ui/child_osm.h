#pragma once
// The word-search window ("osmisměrka"): the grid of letters, the word-search
// words it was given and the actions of its three drop-down menus.

#include "frame/ui/document_window.h"

#include <string>
#include <vector>

class QAction;

class TMDIChildOsm : public DocumentWindow {
    Q_OBJECT
public:
    TMDIChildOsm();

    void loadFromFile(const QString& path) override;

    void acVelikostExecute();

    // The frame's word-search words as they were when the window was made.
    std::vector<std::string> documentWordSearchWords;

    // `menuupravy`
    QAction* acVelikost;
    QAction* acNavrhar;
    QAction* aczadattajenku;
    QAction* acupravitslova;
    QAction* acVlozitslova;
    QAction* acanalyzovat;
    QAction* acsmazatpismena;
    // `menutvorba`
    QAction* generujosmismerku;
    QAction* zrusitgenerovani;
    QAction* acstartstop;
    // `menusablony`
    QAction* aczvolsablonu;
    QAction* aculozsablonu;
    // Lent to the frame's save, print and export controls.
    QAction* aculoz;
    QAction* aculozjako;
    QAction* actisk;
    QAction* acExport;
    QAction* acExportObr;
};
