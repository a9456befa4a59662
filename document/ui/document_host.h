#pragma once
// What the frame lends every document window: the printer, the file choosers
// of exports and templates, the dialogs every kind shares (the picture window,
// the shape designer, the size, direction and phrase dialogs), what the
// settings say, and the frame's part of the window protocol (its shared
// controls and its window menu). The frame sets itself as the host once; a
// window made without a frame (in a test) may be given a host of its own.
// With no host the outputs do nothing and the settings are all off.

#include "stores/core/word_index.h"

class DocumentWindow;
class FileChooser;
class QPrinter;
class Tnastavvelform;
class Tnavrharform;
class Tpictureform;
class Ttajenkaform;
class Tvodsviform;

// What the settings say about filling a grid word by word (the crossword and
// the Swedish crossword).
struct WordFillSettings {
    bool chAsOneLetter = false;
    CandidateSource candidateSource = CandidateSource::All;
    bool addWordsToUserStore = false;  // a typed word joins the user's words
};

class DocumentHost {
public:
    virtual QPrinter* printer() = 0;
    virtual FileChooser* exportChooser() = 0;        // "sešit Microsoft Excel 5.0/95|*.xls"
    virtual FileChooser* templateSaveChooser() = 0;  // "šablony Mindgrid! (*.sbl)|*.sbl"
    virtual FileChooser* templateOpenChooser() = 0;
    virtual Tpictureform* pictureWindow() = 0;
    virtual Tnavrharform* designer() = 0;
    virtual Tnastavvelform* sizeDialog() = 0;
    virtual Tvodsviform* directionQuestion() = 0;
    virtual Ttajenkaform* phraseDialog() = 0;

    // The settings as they are now: the user may change them while a window
    // is open, so a window asks at each use. The side of a grid cell on the
    // screen, in pixels (20 to 40), is given to every grid made or resized.
    virtual int cellSize() = 0;
    virtual WordFillSettings wordFillSettings() = 0;

    // The window's caption changed (its file got a new name): the frame's
    // window-menu item follows it.
    virtual void captionChanged(DocumentWindow& window) = 0;
    // The window became the active one: the frame's shared controls show its
    // actions and menus. It lost activation: the frame's placeholders again.
    virtual void windowActivated(DocumentWindow& window) = 0;
    virtual void windowDeactivated(DocumentWindow& window) = 0;
    // The window closes: its window-menu item goes, and whatever of it the
    // frame's controls still show is given back.
    virtual void windowClosing(DocumentWindow& window) = 0;

protected:
    ~DocumentHost() = default;
};

// The host of every document window; nullptr until one is set.
DocumentHost* documentHost();
void setDocumentHost(DocumentHost* host);
