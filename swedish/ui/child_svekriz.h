#pragma once
// The Swedish crossword window ("švédská křížovka"): the grid of letter, clue
// and secret-phrase cells, how each letter came there, the two word stores it
// was given and the actions of its drop-down menus.

#include "document/core/letter_use.h"
#include "document/ui/document_window.h"
#include "stores/core/string_pair_list.h"

class QAction;

class TMDIChildSveKriz : public DocumentWindow {
    Q_OBJECT
public:
    TMDIChildSveKriz();

    // Per cell [col][row]: 1 where a word of that direction put the letter,
    // else 0; 0 for every cell inside the size after a resize.
    LetterUseTable letterUse{};

    // Copies of the frame's dictionary words and user words.
    StringPairList documentDictionaryWords;
    StringPairList documentUserWords;

    // `menuupravy`
    QAction* Velikost;
    QAction* acNavrhar;
    QAction* smazatslovo;
    QAction* smazatpismena;
    // `menusablony` (`menutvorba` stays empty)
    QAction* aczvolsablonu;
    QAction* aculozsablonu;
    // Lent to the frame's save, print and export controls; this kind has no
    // exports, so those two are never enabled.
    QAction* uloz;
    QAction* ulozjako;
    QAction* print;
    QAction* acExport;
    QAction* acExportObr;
};
