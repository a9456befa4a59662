#pragma once
// "Tvorba legendy": the editor of one clue cell's lines, and the notice
// "Zjišťuji možné legendy..." shown while it looks up suggestions.
//
// The Swedish window fills the dialog before it shows it: the two words of
// the cell into Label3 and Label4 and the cell's record into
// `legendRecordCopy`; after OK it takes the record back. The dialog edits
// only its copy, so "Storno" leaves the cell as it was.
//
// What the text and size fields show for the selected text line goes into
// it with "Upravit text", and also with OK (the button or Enter) when it was
// not applied yet: nothing typed is dropped. A text the code page cannot hold
// is refused and the dialog stays open.
//
// On showing, the clue stores are loaded on their first use, and the clues
// they hold for the two words are offered in ComboBox2 (the word across) and
// ComboBox3 (the word down), for the user to copy from; nothing of them goes
// into the record by itself.

#include "swedish/core/legend.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class Twaitform3 : public QDialog {
    Q_OBJECT
public:
    explicit Twaitform3(QWidget* parent = nullptr);
    QLabel* Label1;
};

class Tsvelegform : public QDialog {
    Q_OBJECT
public:
    explicit Tsvelegform(QWidget* parent = nullptr);

    // The record being edited.
    swedish::LegendCell legendRecordCopy;
    static constexpr int previewSize = swedish::preview::size;

    // The two words of the cell, as the labels show them (Windows-1250).
    void setWords(const swedish::LegendWords& words);

    // Handlers.
    void FormShow();
    void BitBtn3Click();  // "Vložit text"
    void BitBtn4Click();  // "Vložit oddělovač"
    void BitBtn5Click();  // "Posuň nahoru"
    void BitBtn6Click();  // "Posuň dolu"
    void BitBtn7Click();  // "Upravit text"
    void BitBtn8Click();  // "Smazat"
    void BitBtn9Click();  // "Zjistit legendy": the suggestions
    void ComboBox1Change();
    void drawPreview();

    // The message for an eleventh line.
    static QString tooManyLines();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QLabel* Image1;
    QComboBox* ComboBox1;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn3;
    QLineEdit* Edit1;
    QSpinBox* SpinEdit1;
    QPushButton* BitBtn7;
    QPushButton* BitBtn4;
    QPushButton* BitBtn8;
    QPushButton* BitBtn9;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

    // OK: first the edit still pending for the selected line (see the top).
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Whether the fields show another text or size than the selected text line has.
    bool editPending() const;
    // "Upravit text"; false when the text was refused.
    bool editSelectedLine();
    // The line ComboBox1 has selected (from 1), 0 for none.
    int selectedLine() const;
    // Edit1 and SpinEdit1 show the line (a separator: its text and 6), and
    // they and "Upravit text" are on for a text line only.
    void showLine(int number);
    void enableTextEditing(bool on);
    // After a line was appended: it is listed, selected and shown.
    void lineAppended();

    swedish::LegendWords words_;
};
