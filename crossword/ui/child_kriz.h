#pragma once
// The classic crossword window ("křížovka"). There is no generator: the user
// shapes the grid (size, templates, designer), marks the secret-phrase cells
// red in the designer, fills the slots word by word (the slot window's work),
// closes words with thin bars between cells (the grid's right and bottom edge
// bars: a right bar ends a word across in its cell, a bottom bar a word down),
// then builds the clue lists and finishes the crossword.
//
// Phases: building (creation, "Opravit křížovku"), legend mode (the clue
// lists are shown and the grid is frozen) and finished (the clues are taken
// over). applyPhase() holds what each phase enables, in one place.

#include "crossword/core/clue_lists.h"
#include "crossword/core/kri_file.h"
#include "crossword/core/kri_print.h"
#include "document/ui/slot_window.h"

#include <string>

class QAction;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

class TMDIChildKriz : public SlotWindow {
    Q_OBJECT
public:
    TMDIChildKriz();

    // The window's side of its .kri file (the file flow is the document
    // window's): the crossword as the file holds it (a highlighted run in the
    // white and red it stands for), and a crossword read whole put into this
    // window in its phase.
    crossword::KriDocument toDocument() const;
    bool showDocument(const crossword::KriDocument& document);

    // Handlers.
    void vytvoritlegenduExecute();
    void dokoncitkrizovkuExecute();
    void btnvodorovneExecute();
    void btnsvisleExecute();
    void IsTajenkaExecute();
    void acSmazatpismenaExecute();
    void opravitkrizovkuExecute();
    void acExportObrExecute();
    // "Tisk": the print dialog, then the blank puzzle on the frame's printer.
    void actiskExecute();
    // "Export do Excelu": the blank puzzle with its clues and the filled one
    // with its words, as a workbook.
    void acExportExecute();
    // What the print shows: the grid's shape and bars, and the word tables.
    crossword::PrintedCrossword printedCrossword() const;

    enum class Phase { building, legend, finished };
    Phase phase() const;
    // Enables and shows what the phase of legendMode and finished allows.
    void applyPhase();

    // The words across and down with their clues, as the last legend built
    // them (the clues are taken over from the grids when the crossword is finished).
    crossword::CrosswordWordTable acrossWords;
    crossword::CrosswordWordTable downWords;
    // The rows the clue grid of `direction` shows, with the clues typed so far.
    std::vector<crossword::ClueRow> clueRows(Direction direction) const;
    // The text of the one box that reports, after a legend was built, the
    // pieces of the grid that are no proper words: the first of them, each
    // on a line with its row or column and its number there, then how many
    // more there are, then what to do.
    static QString problemsText(const std::vector<crossword::LegendProblem>& problems);
    static constexpr std::size_t listedProblems = 10;

    bool legendMode = false;  // the clue lists are shown and the grid is frozen
    bool finished = false;    // the clues were taken over; never cleared
    std::string reservedText1;  // kept by the file, set by nothing
    std::string reservedText2;

    QWidget* Panel4;
    QTableWidget* StringGrid2;  // the words across and their clues
    QTableWidget* StringGrid1;  // the words down and their clues
    QWidget* Panel5;

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
    QAction* btnvodorovne;
    QAction* btnsvisle;
    // Lent to the frame's save, print and export controls.
    QAction* aculoz;
    QAction* aculozjako;
    QAction* actisk;
    QAction* acExport;
    QAction* acExportObr;

protected:
    // A red cell is a letter of the secret phrase both ways; a cell that is no
    // longer red (or is hidden now) is no longer one.
    void shapeDesigned(const GridShape& designed) override;
    void selectionLost() override;
    void selectionChecked(bool single) override;

private:
    QTableWidget* clueGrid(Direction direction) const;
    void showClueRows(Direction direction, const std::vector<crossword::ClueRow>& rows);
    void clueEdited(Direction direction, const QTableWidgetItem* item);
};
