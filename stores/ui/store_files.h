#pragma once
// The user's side of the clue stores and of writing the stores back:
// the notice window shown while the clues load on first use, the loading
// itself, and the writing of the user's words and clues at exit.

#include <QDialog>

class QLabel;

// "Načítám legendu...": a small window above the main window while the clue
// stores load.
class Twaitform2 : public QDialog {
    Q_OBJECT
public:
    explicit Twaitform2(QWidget* mainWindow = nullptr);

    QLabel* Label1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // not closed by the user while it loads

private:
    QWidget* mainWindow_;
};

// Called by every clue feature before it uses the clue stores. The first call
// shows the notice over the window of `from`, reads both clue files, sets
// legendsLoaded (also when a file could not be opened, after telling the user)
// and closes the notice; later calls do nothing.
void ensureLegendsLoaded(QWidget* from);

// At exit: writes the user's words and, when they were loaded during this run,
// the user's clues; a file that cannot be written is reported and the exit goes on.
void saveWordStores(QWidget* parent);
