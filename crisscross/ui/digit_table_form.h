#pragma once
// The digit table of a criss-cross secret phrase ("Kris-kros"): one column
// per digit 0 to 9, the digits in the fixed top row and, below each, the
// letter it stands for, which the user may change. A column is 18 pixels
// wide, or as wide as its entry needs to be read whole ("ch", say). The
// caller fills the letters (setLetters), shows the dialog and reads them
// back on OK.

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableWidget;

class Tkrspiscisform : public QDialog {
    Q_OBJECT
public:
    explicit Tkrspiscisform(QWidget* parent = nullptr);

    static constexpr int digitCount = 10;

    // Row 1, column d: the letter of digit d (missing ones empty).
    void setLetters(const QStringList& letters);
    QStringList letters() const;

    QTableWidget* StringGrid1;
    QPushButton* btnok;
};

// The one instance, from createForms to destroyForms (app/main.cpp registers
// it as a form of the kind); nullptr otherwise.
extern Tkrspiscisform* krspiscisform;
