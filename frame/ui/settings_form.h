#pragma once
// The settings dialog: edits the live settings and writes "mindgrid.cfg".
//
// The controls show the live settings when the dialog opens. OK applies them
// to the live settings (and the record kept in memory) without writing the
// file; "Uložit" writes the controls to the file and leaves the running
// program as it is, so saved settings take effect at the next start; "Storno"
// changes nothing.

#include <QDialog>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class RadioGroup;

class Tnastaveniform : public QDialog {
    Q_OBJECT
public:
    explicit Tnastaveniform(QWidget* parent = nullptr);

    // Runs the dictionary chooser for word searches (tag 1) or crosswords
    // (tag 2) from the two "Slovníky..." buttons; nothing happens while unset.
    std::function<void(int tag)> chooseDictionaries;

    void FormShow();
    void BitBtn1Click();  // OK: controls -> live settings -> record
    void BitBtn4Click();  // "Uložit": controls -> record -> file
    void Button1Click();
    void Button2Click();

    QWidget* Panel1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn4;
    QTabWidget* PageControl;
    QWidget* pagegeneral;
    QWidget* pageosm;
    QWidget* pagekri;
    QWidget* pagekrs;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox9;
    QCheckBox* CheckBox10;
    QCheckBox* CheckBox11;
    QCheckBox* CheckBox12;
    QCheckBox* CheckBox13;
    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup2;
    RadioGroup* RadioGroup3;
    QSpinBox* SpinEdit1;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The value a control holds for byte `index` of the settings record.
    std::uint8_t controlValue(std::size_t index) const;
    void setControlValue(std::size_t index, std::uint8_t value);

    struct Binding {
        std::size_t index;
        QCheckBox* check = nullptr;
        RadioGroup* radio = nullptr;
        QSpinBox* spin = nullptr;
    };
    std::vector<Binding> bindings_;
};

extern Tnastaveniform* nastaveniform;
