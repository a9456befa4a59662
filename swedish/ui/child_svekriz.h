#pragma once
// The Swedish crossword window ("švédská křížovka"). There is no generator:
// the user shapes the grid (size, templates, designer), fills the slots word
// by word (the slot window's work: a slot is a run of visible cells that are
// not black) and writes the clues into the black clue cells themselves: a
// press on a visible black cell opens the legend editor for that cell, and
// the selection under way goes on afterwards.
//
// Every cell owns a clue record (legendCell) whatever its kind: resizing,
// clearing, templates, the designer and "Smazat písmena" never touch them,
// so a cell that becomes a clue cell again shows its old lines.
//
// The window saves and opens .skr files (the document window's file flow)
// and prints the blank puzzle with the options of "Tisk švédské křížovky".

#include "document/ui/slot_window.h"
#include "swedish/core/legend.h"
#include "swedish/core/skr_file.h"

class QAction;

class TMDIChildSveKriz : public SlotWindow {
    Q_OBJECT
public:
    TMDIChildSveKriz();

    // The clue record of every cell [col][row], from 1.
    swedish::LegendTable legendCell{};

    // Handlers.
    void VelikostExecute();
    void smazatpismenaExecute();
    // The legend editor for the clue cell (col, row): its two words and its
    // record; the record changes on OK only.
    void editLegend(int col, int row);

    // The puzzle as its file holds it, for saving and printing alike: a
    // highlighted run in the white and red it stands for.
    swedish::SkrDocument toDocument() const;
    // A document read whole put into this window: its size, then every
    // cell; the selection is dropped. False when the grid could not be made.
    bool showDocument(const swedish::SkrDocument& document);
    // The print options, then the printout on the frame's printer.
    void printExecute();

    // `menuupravy`
    QAction* Velikost;
    QAction* acNavrhar;
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

protected:
    // A press on a visible black cell edits its clues.
    bool cellTaken(int col, int row) override;
};
