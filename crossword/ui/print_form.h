#pragma once
// The crossword print dialog "Tisk klasické křížovky": how rows and columns
// are labelled, the four sizes, and what is printed. One instance, created
// at start-up (app/main.cpp registers it with the frame), keeps its settings
// until the program ends; its creation reads the sizes of "velikosti.sav"
// beside the program, and "Uložit velikosti" writes them there.

#include "crossword/core/kri_print.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class RadioGroup;

class Ttiskkriform : public QDialog {
    Q_OBJECT
public:
    explicit Ttiskkriform(QWidget* parent = nullptr);

    // Reads "velikosti.sav" into the four sizes (see crossword::readPrintSizes);
    // nothing is reported.
    void loadPrintSizes();
    // "Uložit velikosti": writes the four sizes to "velikosti.sav"; a failed
    // write is reported and leaves the old file.
    void Button1Click();

    // The sizes the boxes hold, always within their ranges (a value typed but
    // not yet taken over counts, brought to the nearest bound), and everything
    // else the dialog chose.
    crossword::PrintSizes sizes() const;
    void setSizes(const crossword::PrintSizes& sizes);
    crossword::PrintOptions options() const;

    static QString saveFailure();  // "Velikosti nelze uložit. Chyba zápisu do souboru."

    RadioGroup* RadioGroup1;  // "Označení řádků"
    RadioGroup* RadioGroup2;  // "Označení sloupců"
    QSpinBox* SpinEdit1;      // "Velikost polí"
    QSpinBox* SpinEdit2;      // "Velikost písma křížovky (popis)"
    QSpinBox* SpinEdit3;      // "Velikost písma v legendě"
    QSpinBox* SpinEdit4;      // "Tloušťka oddělovačů a okraje"
    QGroupBox* GroupBox1;     // "Tisknout"
    QCheckBox* CheckBox1;     // "Křížovku"
    QCheckBox* CheckBox4;     // "Oddělovače slov"
    QCheckBox* CheckBox3;     // "Legendu vodorovně"
    QCheckBox* CheckBox2;     // "Legendu svisle"
    QPushButton* BitBtn1;     // "&Tisknout"
    QPushButton* BitBtn2;     // "&Storno"
    QPushButton* Button1;     // "Uložit velikosti"
};

// The one instance, from createForms to destroyForms.
extern Ttiskkriform* tiskkriform;
