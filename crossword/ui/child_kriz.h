#pragma once
// The classic crossword window ("křížovka"): the grid with its word-end bars,
// how each letter came there, the two word stores it was given and the
// actions of its drop-down menus and buttons.

#include "document/core/letter_use.h"
#include "document/ui/document_window.h"
#include "stores/core/string_pair_list.h"

class QAction;

class TMDIChildKriz : public DocumentWindow {
    Q_OBJECT
public:
    TMDIChildKriz();

    // Per cell [col][row]: how its letter came there; 0 in both directions
    // for every cell inside the size after a resize.
    LetterUseTable letterUse{};

    // Copies of the frame's dictionary words and user words.
    StringPairList documentDictionaryWords;
    StringPairList documentUserWords;

    // `menuupravy`
    QAction* acVelikost;
    QAction* acNavrhar;
    QAction* acSmazatpismena;
    // `menutvorba`
    QAction* vytvoritlegendu;
    QAction* dokoncitkrizovku;
    // `menusablony`
    QAction* aczvolsablonu;
    QAction* aculozsablonu;
    // The buttons beside the grid.
    QAction* opravitkrizovku;
    QAction* IsTajenka;
    QAction* smazatslovo;
    QAction* btnvodorovne;
    QAction* btnsvisle;
    // Lent to the frame's save, print and export controls.
    QAction* aculoz;
    QAction* aculozjako;
    QAction* actisk;
    QAction* acExport;
    QAction* acExportObr;
};
