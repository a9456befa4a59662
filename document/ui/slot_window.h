#pragma once
// The document window of the kinds whose grid the user fills word by word
// (the classic and the Swedish crossword): two clicks select a slot, the
// words of the stores that fit it are listed, and a listed or typed word goes
// in; a selected word can be deleted again. The cell work is the slot engine's
// (document/core/slot_engine.h); this window adds the controls and the
// handlers around it:
// - `inputword` (what the user types, forced to lower case), `vlozitbutton`
//   ("&Vložit"), the status panel `infopanel` and the candidate list
//   `ListBox1` (in Czech order, a word found in two stores listed twice; see
//   candidate_list.h);
// - `timerzobrazenislov`, which runs the search 100 ms after a good selection;
// - the hover frame of the cell under the pointer (blue, two pixels wide; the
//   plain frame again once the pointer is on the empty part of the grid pane)
//   and the cells' cursors (the start cursor while no second click is
//   awaited, the end cursor while one is).
//
// The kinds differ by a rule set (SlotRules), whether a one-cell slot asks
// for its direction before a word goes in (without the question it takes the
// direction of the last selection), whether cells react to a press or to a
// click, what their own buttons do when a selection goes or succeeds
// (selectionLost, selectionChecked), and which cells they take for work of
// their own (cellTaken).
//
// Whenever the grid changes under the selection (a resize, a template, the
// designer, a file), gridChanged() drops it: no highlight, no slot, no search
// pending, no candidates, the hover frame back on cell (1, 1).

#include "document/core/slot_engine.h"
#include "document/ui/candidate_list.h"
#include "document/ui/document_host.h"
#include "document/ui/document_window.h"
#include "stores/core/string_pair_list.h"
#include "stores/core/word_index.h"

#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;
class QWidget;

class SlotWindow : public DocumentWindow {
    Q_OBJECT
public:
    struct Behaviour {
        SlotRules rules;
        bool askDirectionOfOneLetter = true;  // Vložit asks for a one-cell slot's direction
        bool selectOnPress = false;           // a cell reacts to a press, not to a click
    };

    SlotWindow(int kind, Behaviour behaviour);
    ~SlotWindow() override;

    // Copies of the frame's dictionary words and user words.
    StringPairList documentDictionaryWords;
    StringPairList documentUserWords;

    const SlotEngine& engine() const { return engine_; }
    CellPos hoverCell() const { return hoverCell_; }

    CellGrid::ResizeResult resizeGrid(int cols, int rows) override;

    // Handlers.
    void cellClick(int col, int row);
    void cellMouseMove(int col, int row);
    // The pointer is on the grid pane outside the cells: the hover cell's
    // frame is plain again (the cell stays the hover cell).
    void ScrollBox1MouseMove();
    void timerzobrazenislovTimer();
    void ListBox1KeyPress(int key);
    void ListBox1DblClick();
    void inputwordChange();
    void vlozitbuttonClick();
    void smazatslovoExecute();
    // Appends `word` to the user's words (the frame's and this window's copy)
    // unless the user's words or the dictionary words hold it already.
    void addToUserWords(const std::string& word);
    // Writes `word` (Windows-1250) into the selected slot; an empty word means
    // the candidate selected in ListBox1. Nothing without a current selection.
    void insertWord(const std::string& word);
    // Every cell's cursor.
    void setCellCursor(int cursor);

    // The message of a word that cannot go in.
    static QString cannotInsert();

    QWidget* Panel6;
    QLineEdit* inputword;
    QToolButton* vlozitbutton;
    QLabel* infopanel;
    CandidateList* ListBox1;
    QTimer* timerzobrazenislov;
    QAction* smazatslovo = nullptr;  // made by the kind, in its menu or beside the grid

protected:
    // "Smazat" / "Smazat slovo": deletes the selected word; off until a selection succeeds.
    QAction* addDeleteWordAction(const QString& caption, QMenu* menu);

    // The kind's own buttons: there is no selection (a first click, a change
    // of the grid), or a selection was checked and is good (`single`: one cell).
    virtual void selectionLost() {}
    virtual void selectionChecked(bool /*single*/) {}
    // A click (or press) on a cell that the kind takes for work of its own,
    // as the Swedish crossword takes its clue cells: true when it did, and
    // the selection is left exactly as it was, a waiting first click too.
    virtual bool cellTaken(int /*col*/, int /*row*/) { return false; }

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The designer takes the hover frame off first; its shape and a
    // template's grid drop the selection.
    void designerOpening(GridShape& shape, DesignerOffer& offer) override;
    void shapeDesigned(const GridShape& designed) override;
    void templateLoaded() override { gridChanged(); }
    // Saving takes the highlight off the screen; the selection stays.
    void documentSaving() override { engine_.clearSelection(); }

    // Drops the selection and the search after the grid changed (see the top).
    void gridChanged();
    // Puts the hover frame back to plain on its cell (which stays the hover cell).
    void plainHoverFrame();
    // Puts the hover frame back to plain on its cell and moves it to (1, 1).
    void resetHover();
    // The engine, for the kind's own end-mark actions.
    SlotEngine& slotEngine() { return engine_; }

private:
    WordFillSettings settings() const;
    bool chAsOneLetter() const;
    WordIndex& userIndex();
    // The one-cell direction question; false when the user closed it.
    bool askDirection(const QString& question);

    Behaviour behaviour_;
    SlotEngine engine_;
    CellPos hoverCell_{1, 1};
    std::unique_ptr<WordIndex> userIndexes_[2];  // over documentUserWords, "ch" off and on
};
