#pragma once
// The dictionary picker of a word-search window: one of the "*.slv" files of
// the program folder, from which the window appends words to its word editor.
// The caller sets the caption, shows the dialog and, on OK, reads the file
// named by chosenFile().

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class Tvybratslovnikform : public QDialog {
    Q_OBJECT
public:
    explicit Tvybratslovnikform(QWidget* parent = nullptr);

    // Fills the box with the dictionaries of the program folder, sorted, and
    // selects the first; with none the box stays empty.
    void FormShow();
    // The selected file name with its extension; empty when nothing is selected.
    QString chosenFile() const;

    QLabel* Label1;
    QComboBox* ComboBox1;
    QPushButton* BitBtn1;  // OK
    QPushButton* BitBtn2;  // "Storno"

protected:
    void showEvent(QShowEvent* event) override;
};

// The one instance, created at start-up.
extern Tvybratslovnikform* vybratslovnikform;
