#pragma once
// "Průvodce zadáním osmisměrky...": the user types a puzzle in on three pages
// (size, words, letters cell by cell) and "Dokončit" hands it to the main
// window, which checks it at once. The page logic is EntryWizard's; this
// window shows it and passes the user's input on.

#include "analyzer/core/wizard.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace analyzer {

class TForm1;

class Twizardform : public QDialog {
    Q_OBJECT
public:
    explicit Twizardform(TForm1* mainForm);

    void Edit2KeyPress();   // Enter in the word box
    void ListBox1DblClick();
    void Edit1KeyPress();   // Enter in the letter box
    void btndokoncitClick();

    const EntryWizard& wizard() const { return wizard_; }

    QStackedWidget* Notebook1;
    QSpinBox* SpinEdit1;
    QSpinBox* SpinEdit2;
    QLineEdit* Edit2;
    QListWidget* ListBox1;
    QLineEdit* Edit1;
    QLabel* Label7;
    QLabel* Label8;
    QPushButton* btnzpet;
    QPushButton* btndalsi;
    QPushButton* Button3;
    QPushButton* btndokoncit;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void changePage(bool forward);
    void showState();
    void showWords();
    void Notebook1PageChanged();

    TForm1* mainForm_;
    EntryWizard wizard_;
};

}  // namespace analyzer
