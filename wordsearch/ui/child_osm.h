#pragma once
// The word-search window ("osmisměrka").
//
// The user shapes the grid (size, templates, designer), types the secret
// phrase, lists candidate words in the editor `Memo1` or takes them from the
// word-search dictionaries, and lets the generator fill the grid on a worker
// thread. The window builds the word pool, starts a run, pauses and resumes
// it, switches its word order, cancels it, and stops it when it closes. It
// keeps the list of placed words (`ListBox1`), which the user may edit, and
// reads and writes the puzzle as an .osm file.
//
// Phases (the window has no phase variable: the phase is the set of enabled
// actions, the caption of `acstartstop` and generatorSlot()):
//   created -> generating -> finished | paused | failed | cancelled
//   generating <-> paused;  cancelled, failed or finished -> "Začít znovu".
//
// Runs. Each start or resume makes a new run (WorkerRuns, platform/ui/worker_runs.h):
// its reports reach the window on its own thread, in order, as long as the run
// is still its current one. Pausing, cancelling and closing end that at once,
// so nothing a stopped run still reports reaches the window. Every report is
// complete in itself (a word's letters together with its list entry), so the
// grid and the list always agree. Cancel and close wait for the worker; it
// never waits for the window, so that wait always ends.

#include "document/ui/document_window.h"
#include "platform/ui/worker_runs.h"
#include "wordsearch/core/generator_run.h"
#include "wordsearch/core/osm_file.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QToolButton;
class RadioGroup;

class TMDIChildOsm : public DocumentWindow {
    Q_OBJECT
public:
    TMDIChildOsm();
    ~TMDIChildOsm() override;

    // The window's side of its .osm file (the file flow is the document
    // window's): the puzzle as the file holds it ("@" for hidden cells, the
    // colours, both phrases and the placed words in the list's order), and a
    // puzzle read whole put into this window. A complete puzzle opens
    // finished, an incomplete one paused.
    OsmDocument toDocument() const;
    bool showDocument(const OsmDocument& document);
    // Writes the puzzle to `path` (".osm" appended by the extension rule).
    // False, with a message, when it could not be written; the file there
    // before is then left whole.
    bool saveas(const QString& path) { return saveToFile(path); }

    // Handlers.
    void actiskExecute();
    void acExportExecute();
    void acExportObrExecute();
    void aczadattajenkuExecute();
    void acupravitslovaExecute();
    void acVlozitslovaExecute();
    void acanalyzovatExecute();
    void acsmazatpismenaExecute();
    void generujosmismerkuExecute();
    void zrusitgenerovaniExecute();
    void acstartstopExecute();
    void RadioGroup2Click();

    // Empties every cell that is not hidden (white again) and the placed-word
    // list, and turns the editing actions on; the template actions keep their state.
    void clearLetters();
    // Upper-cases every cell's text (a finished puzzle).
    void upperCaseGrid();
    // After a finished run: starts the analyzer when the settings ask for it.
    void runAnalyzerIfEnabled();

    // The phrase as typed (trimmed) and as the generator places it, Windows-1250.
    const std::string& typedSecretPhrase() const { return typedSecretPhrase_; }
    const std::string& processedSecretPhrase() const { return processedSecretPhrase_; }
    // `ListBox1`'s words in their order, Windows-1250.
    std::vector<std::string> placedWords() const;
    // The table entry of the window's running generator, 0 when none runs.
    int generatorSlot() const { return generatorSlot_; }
    // True while a worker of this window has not ended (also a paused run's
    // worker, for the moment it takes to stop).
    bool workerAlive() const;

    // The frame's word-search words as they were when the window was made.
    std::vector<std::string> documentWordSearchWords;
    // The words handed to the generator, built at every start and resume.
    std::vector<std::string> wordPool;

    QPlainTextEdit* Memo1;
    QLabel* infopanel;
    QListWidget* ListBox1;
    QToolButton* startstopbtn;
    RadioGroup* RadioGroup2;  // "Vkládání": "Náhodně", "Podle abecedy"
    RadioGroup* RadioGroup1;  // "Vkládat slova": "Z obou", "Z editoru", "Ze slovníků"

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

protected:
    // Before a template is read: the letters go (clearLetters).
    void clearForTemplate() override { clearLetters(); }
    void stopWork() override;

private:
    class RunListener;
    // What a run reported, copied on the worker thread.
    struct Report {
        enum class Kind {
            Status,
            WordPlaced,
            PhrasePlaced,
            LettersCleared,
            PausedOnFailure,
            Failed,
            WordsTooFew,
            Finished
        };
        Kind kind = Kind::Status;
        std::string text;  // the status text, or the placed word
        std::vector<CellText> cells;
        std::int64_t letters = 0;  // WordsTooFew: the pool's letters and the cells to fill
        int freeCells = 0;
    };

    // Builds `wordPool` from the chosen source; false, after the message, when
    // it is empty or the editor holds text the code page cannot hold.
    bool buildWordPool();
    GeneratorSetup makeSetup(bool firstRun) const;
    // Starts a run (first or resumed); false, after the message, when the
    // table of runs is full.
    bool startRun(bool firstRun);
    // Stops the window's worker, if any, and waits until it has ended.
    void endWorker();
    // The current run has ended (paused, failed, cancelled or finished): none
    // of its reports is applied any more, no generator runs for the window,
    // and the status says how it ended. The caller then enters the phase.
    void endRun(const QString& status);

    // A batch of the current run's reports.
    void applyReports(std::vector<Report>& batch);
    void apply(const Report& report);

    void enterGenerating();
    void enterPaused();
    void enterFinished();
    void enterFailed();
    void enterCancelled();
    void enableEditing();
    void clearCells();
    void addPlacedWord(const std::string& word);

    std::string typedSecretPhrase_;
    std::string processedSecretPhrase_;
    int generatorSlot_ = 0;

    WorkerRuns<Report> runs_;
    std::unique_ptr<RunListener> listener_;
    std::unique_ptr<Tosm> worker_;  // declared last, so it is stopped before the rest goes
};
