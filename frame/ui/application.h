#pragma once
// Start-up of grilpad.

#include <QStringList>

// The application's title and icon.
void setUpApplication();

// Creates the main window (which reads the settings and loads the word
// stores), then the dialogs that live as long as the program, each reached
// through its global pointer. `parameters` is the command line without the
// program itself.
void createForms(const QStringList& parameters);

// Frees what createForms made, dialogs first.
void destroyForms();

// The whole program: set-up, forms, the main window, the event loop.
int runGrilpad(int argc, char** argv);
