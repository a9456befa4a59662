#pragma once
// The criss-cross window ("kris-kros"): the grid of digits, which cells belong
// to the secret phrase and the actions of its drop-down menus.

#include "document/core/letter_use.h"
#include "document/ui/document_window.h"

class QAction;

class TMDIChildKrs : public DocumentWindow {
    Q_OBJECT
public:
    TMDIChildKrs();

    // Per cell [col][row]: 2 in both directions for a secret-phrase cell, else
    // 0; 0 for every cell inside the size after a resize.
    LetterUseTable letterUse{};

    // `menuupravy`
    QAction* acVelikost;
    QAction* acNavrhar;
    QAction* zadattajenku;
    QAction* prirazenicisel;
    QAction* smazatpismena;
    // `menutvorba`
    QAction* vytvoritkrsnotopakovat;
    QAction* vytvoritkrsopakovat;
    // `menusablony`
    QAction* aczvolsablonu;
    QAction* aculozsablonu;
    // Lent to the frame's save, print and export controls.
    QAction* aculoz;
    QAction* aculozjako;
    QAction* actisk;
    QAction* acexport;
    QAction* acExportObr;
};
