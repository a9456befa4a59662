#pragma once
// The dialogs the Swedish crossword adds to the program, one instance of
// each per run, shared by every Swedish window: the legend editor
// `svelegform` with its notice `waitform3`, and the print options
// `tisksvekriform`.
//
// They are made and freed the way the frame makes and frees its own
// single-instance dialogs: createSwedishForms and destroySwedishForms have
// the shape of a start-up registration (a creation and a release). Until
// the frame's start-up takes the forms of a kind, a Swedish window calls
// createSwedishForms before it uses them; they are then made as children of
// the program's main window, so that they stand centred over it and go with
// it (which clears the pointers below).

class QWidget;
class Tsvelegform;
class Ttisksvekriform;
class Twaitform3;

extern Tsvelegform* svelegform;
extern Twaitform3* waitform3;
extern Ttisksvekriform* tisksvekriform;

// Makes the forms unless they exist, as children of `mainWindow` (which may
// be nullptr: then they live until destroySwedishForms).
void createSwedishForms(QWidget* mainWindow);
// Frees them and clears the pointers.
void destroySwedishForms();
