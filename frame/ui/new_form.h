#pragma once
// The dialog that asks which kind of puzzle a new document is.

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

class Tnovyform : public QDialog {
    Q_OBJECT
public:
    explicit Tnovyform(QWidget* parent = nullptr);

    // The documentKind of the checked button, 1 to 4. The choice is kept
    // between uses of the dialog.
    int documentKind() const;

    QGroupBox* GroupBox1;
    QRadioButton* radioosm;
    QRadioButton* radiokri;
    QRadioButton* radiokrs;
    QRadioButton* radiosvekri;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* event) override;
};

extern Tnovyform* novyform;
