#pragma once
// The dialogs the Swedish crossword adds to the program, one instance of
// each per run, shared by every Swedish window: the legend editor
// `svelegform` with its notice `waitform3`, and the print options
// `tisksvekriform`. The program's entry registers them with the frame's
// start-up (registerKindForm), which makes them among its own dialogs and
// frees them at the end; the pointers are nullptr outside that time.

class Tsvelegform;
class Ttisksvekriform;
class Twaitform3;

extern Tsvelegform* svelegform;
extern Twaitform3* waitform3;
extern Ttisksvekriform* tisksvekriform;
