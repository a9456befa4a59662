#pragma once
// The analyzer's main window: the puzzle view, the lamps, the word list and
// the actions that open a puzzle, type one in, check it and show the results.
//
// The window holds one puzzle at a time. A new one replaces it only once it
// was read whole; a check runs on a worker thread (see TForm2) while open,
// wizard, check and the CH switch are disabled, and only a check that ran to
// its end changes the results and the lamps.

#include "analyzer/core/analysis.h"
#include "analyzer/core/puzzle.h"
#include "analyzer/core/results.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QListWidget;
class QScrollArea;
class QSplitter;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace analyzer {

class PuzzleView;
class TAboutBox;
class TForm2;
class TForm3;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `parameters`: the command line without the program's name.
    explicit TForm1(QStringList parameters = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Reads a word-search file and shows it; a complete puzzle is checked at
    // once. A file that cannot be read is refused with a message and the
    // puzzle shown before stays.
    void loadOsm(const QString& path);
    // The wizard's puzzle ("Dokončit"); true when its check started.
    bool takeTypedPuzzle(Puzzle puzzle);

    const Puzzle& puzzle() const { return *puzzle_; }
    const std::optional<AnalysisResult>& lastResult() const { return result_; }
    Lamps lamps() const { return lamps_; }

    void acOpenExecute();
    void acWizardExecute();
    void acAnalyzovatExecute();
    void acVysledkyExecute();
    void acCHButtonExecute();
    void acExitExecute();
    void acAboutExecute();
    void ListBox1Click();

    QAction* acOpen;
    QAction* acWizard;
    QAction* acAnalyzovat;
    QAction* acVysledky;
    QAction* acCHButton;
    QAction* acExit;
    QAction* acAbout;

    QToolBar* ToolBar1;
    QToolButton* chbutton;
    QWidget* Panel3;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QSplitter* Splitter1;
    QScrollArea* ScrollBox1;
    PuzzleView* view;
    QWidget* Panel2;
    QListWidget* ListBox1;
    QStatusBar* StatusBar1;

    TForm2* Form2;
    TForm3* Form3;
    TAboutBox* AboutBox;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void setTitle(const QString& title);
    void showPuzzle(std::shared_ptr<const Puzzle> puzzle, const QString& title, const QString& incompleteMessage);
    void checkDone(const AnalysisResult& result);
    void setLamps(Lamps lamps);
    void updateActions();
    void highlight(const Occurrence& occurrence);

    QStringList parameters_;
    bool shown_ = false;
    std::shared_ptr<const Puzzle> puzzle_;
    bool canAnalyse_ = false;  // a complete puzzle is shown
    std::optional<AnalysisResult> result_;  // of the last check that ran to its end, for the puzzle shown
    Lamps lamps_;
    bool listMouseDown_ = false;
};

}  // namespace analyzer
