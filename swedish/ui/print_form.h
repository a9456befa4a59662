#pragma once
// "Tisk švédské křížovky": the options of a Swedish crossword's printout.
// One instance serves every window; what the user sets lasts for the run
// and is not stored.

#include "swedish/core/skr_print.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TColorComboBox;

class Ttisksvekriform : public QDialog {
    Q_OBJECT
public:
    explicit Ttisksvekriform(QWidget* parent = nullptr);

    // What the controls hold.
    swedish::SkrPrintOptions options() const;

    QGroupBox* GroupBox1;  // "Možnosti"
    QLabel* Label1;
    QSpinBox* SpinEdit4;   // "Tloušťka okraje", 0 to 50
    QLabel* Label2;
    TColorComboBox* ColorComboBox1;  // "Barva pole legendy"
    QLabel* Label3;
    TColorComboBox* ColorComboBox2;  // "Barva pole tajenky"
    QLabel* Label4;
    TColorComboBox* ColorComboBox3;  // "Barva normálního pole"
    QPushButton* BitBtn1;  // "&Tisknout"
    QPushButton* BitBtn2;  // "&Storno"
};
