#pragma once
// The criss-cross window ("kris-kros"): the grid of digits, the secret phrase
// and its digit table, the generation of the numbers and the number list.
//
// The grid is shaped by the size dialog, templates and the designer, which
// also marks the secret-phrase cells red and places the coded phrase's digits
// into them. The creation actions fill the free cells with random digits on a
// worker thread; the window takes the result only when the generation
// completed (cells, number list, digit key, and the size and phrase actions
// off). While it runs the window's editing actions are off; after half a
// second a small window offers "Storno". Cancelling, or closing the window,
// stops the worker and waits for it; nothing of a stopped run is applied.
//
// `ListBox1` shows `numberList` and nothing else: what empties one empties
// both, and the file, the print and the export take the same list.
//
// The numbers and the digit key belong to the grid and the phrase they were
// made for. Whatever changes the cells under them (clearing the digits, a
// resize, a template, a designer use that changes a cell's text) drops both;
// a new phrase or digit table builds the digit key of the numbers listed again.

#include "crisscross/core/krs_document.h"
#include "crisscross/core/krs_file.h"
#include "crisscross/core/krs_generator.h"
#include "document/ui/document_window.h"
#include "platform/ui/worker_runs.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QListWidget;
class QSplitter;
class QTimer;

class TMDIChildKrs : public DocumentWindow {
    Q_OBJECT
public:
    TMDIChildKrs();
    ~TMDIChildKrs() override;

    // The window's side of its .krs file (the file flow is the document
    // window's): the puzzle as the file, the print and the export take it,
    // and a puzzle read whole put into this window. Loading sets what the
    // file holds (a coded phrase that is not all digits is coded again from
    // the phrase and table) and counts a phrase as entered; the actions keep
    // their states.
    KrsDocument toDocument() const;
    bool showDocument(const KrsDocument& document);

    // Handlers.
    void actiskExecute();
    void acexportExecute();
    void acExportObrExecute();
    void zadattajenkuExecute();
    // The digit table; true when the user confirmed it (the phrase is then
    // coded with the table as confirmed).
    bool prirazeniciselExecute();
    void smazatpismenaExecute();
    void vytvoritkrsnotopakovatExecute();
    void vytvoritkrsopakovatExecute();

    // A new size drops the numbers and the digit key (the same size changes nothing).
    CellGrid::ResizeResult resizeGrid(int cols, int rows) override;

    // "Storno" of a running generation: the worker stops, nothing changes.
    void cancelGeneration();
    // True while a generation of this window runs (also the moment its
    // worker takes to stop).
    bool generating() const;

    // "Tento kris-kros nelze vytvořit tak, aby se čísla neopakovala, …"
    static QString repeatsAllowedText();
    // "Tajenka smí obsahovat nejvýše 10 různých písmen."
    static QString tooManyLettersText();

    // The letter uses (letterUse) are 2 in both directions for a secret-phrase
    // cell, else 0.
    std::string secretPhrase;       // as typed and trimmed, at most 255 bytes
    std::string codedSecretPhrase;  // the phrase as digits
    bool hasSecretPhrase = false;   // a phrase was entered (or loaded) in this window
    DigitTable digitTable;
    std::vector<std::string> numberList;  // the numbers of the last generation, sorted
    DigitKey digitKey;
    int lastDigitKeyLine = -1;

    // Where the generation's draws come from, how many whole fills it draws
    // when numbers must differ before the search takes over, and how long it
    // runs before "Storno" shows.
    RandomSource* randomSource;
    long long drawnAttempts = CrissCrossSetup::defaultDrawnAttempts;
    int progressDelayMs = 500;

    QSplitter* Splitter1;
    QListWidget* ListBox1;
    QDialog* progressWindow;  // "Vytvářím kris-kros…" with "Storno"

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

protected:
    // Before a template is read: no numbers, every cell inside the size empty,
    // white and no secret-phrase cell (visibility stays); the size and phrase
    // actions on again.
    void clearForTemplate() override;
    // The designer shows the digits the secret-phrase cells hold already and
    // those of the coded phrase to place; a red cell is a secret-phrase cell
    // holding the digit placed in it. A cell blocked, opened or given another
    // digit drops the numbers and their key.
    void designerOpening(GridShape& shape, DesignerOffer& offer) override;
    void shapeDesigned(const GridShape& designed) override;
    void stopWork() override;

private:
    void generate(bool repeatAllowed);
    // The result of the current run.
    void finishGeneration(CrissCrossResult result);
    // Ends the current run: the worker has stopped, the progress window goes
    // and the actions are as before the run.
    void endRun();
    void showNumbers();
    // No numbers and no digit key: the cells they were made of are gone.
    void dropNumbers();
    // The digit key of the numbers listed, for the phrase and table now; none
    // without numbers.
    void buildKey();
    void enableAfterClearing();

    WorkerRuns<CrissCrossResult> runs_;  // the run whose result the window takes
    std::unique_ptr<CrissCrossWorker> worker_;
    QTimer* progressTimer_;
    std::vector<std::pair<QAction*, bool>> actionsBeforeRun_;
    std::vector<std::string> textsBeforeDesigner_;  // every cell's text as the designer opened
};
