#include "crossword/ui/print_form.h"

#include "platform/core/folders.h"
#include "platform/ui/clamping_spin_box.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialog_buttons.h"
#include "platform/ui/radio_group.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

Ttiskkriform* tiskkriform = nullptr;

namespace {

constexpr const char* sizesFile = "velikosti.sav";

// A size box; text that is no number leaves its previous value.
QSpinBox* sizeBox(QWidget* parent, const char* name, crossword::SizeRange range, int value) {
    return new ClampingSpinBox(parent, name, range.min, range.max, value);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(true);
    return box;
}

}  // namespace

Ttiskkriform::Ttiskkriform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("tiskkriform"));
    setWindowTitle(QStringLiteral("Tisk klasické křížovky"));
    const QStringList labels{QStringLiteral("A,B,C"), QStringLiteral("1,2,3")};
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Označení řádků"), labels, 1, this);
    RadioGroup1->setItemIndex(static_cast<int>(crossword::LabelStyle::letters));
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Označení sloupců"), labels, 1, this);
    RadioGroup2->setItemIndex(static_cast<int>(crossword::LabelStyle::numbers));

    const crossword::PrintSizes defaults;
    SpinEdit1 = sizeBox(this, "SpinEdit1", crossword::cellSizeRange, defaults.cellSize);
    SpinEdit2 = sizeBox(this, "SpinEdit2", crossword::fontSizeRange, defaults.labelFontSize);
    SpinEdit3 = sizeBox(this, "SpinEdit3", crossword::fontSizeRange, defaults.clueFontSize);
    SpinEdit4 = sizeBox(this, "SpinEdit4", crossword::separatorRange, defaults.separatorHalfWidth);
    auto* sizeFields = new QFormLayout;
    sizeFields->addRow(QStringLiteral("Velikost polí"), SpinEdit1);
    sizeFields->addRow(QStringLiteral("Velikost písma křížovky (popis)"), SpinEdit2);
    sizeFields->addRow(QStringLiteral("Velikost písma v legendě"), SpinEdit3);
    sizeFields->addRow(QStringLiteral("Tloušťka oddělovačů a okraje"), SpinEdit4);

    GroupBox1 = new QGroupBox(QStringLiteral("Tisknout"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    CheckBox1 = checkBox(GroupBox1, "CheckBox1", QStringLiteral("Křížovku"));
    CheckBox4 = checkBox(GroupBox1, "CheckBox4", QStringLiteral("Oddělovače slov"));
    CheckBox3 = checkBox(GroupBox1, "CheckBox3", QStringLiteral("Legendu vodorovně"));
    CheckBox2 = checkBox(GroupBox1, "CheckBox2", QStringLiteral("Legendu svisle"));
    auto* printed = new QVBoxLayout(GroupBox1);
    for (QCheckBox* box : {CheckBox1, CheckBox4, CheckBox3, CheckBox2}) printed->addWidget(box);

    Button1 = new QPushButton(QStringLiteral("Uložit velikosti"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &Ttiskkriform::Button1Click);
    const DialogButtons buttons =
        makeDialogButtons(this, QStringLiteral("&Tisknout"), QStringLiteral("&Storno"), ButtonIcons::standard);
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;
    buttons.row->insertWidget(0, Button1);


    auto* labelGroups = new QHBoxLayout;
    labelGroups->addWidget(RadioGroup1);
    labelGroups->addWidget(RadioGroup2);
    auto* middle = new QHBoxLayout;
    middle->addLayout(sizeFields);
    middle->addWidget(GroupBox1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labelGroups);
    layout->addLayout(middle);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    loadPrintSizes();
}

void Ttiskkriform::loadPrintSizes() { setSizes(crossword::readPrintSizes(programFile(sizesFile), sizes())); }

void Ttiskkriform::Button1Click() {
    if (!crossword::writePrintSizes(programFile(sizesFile), sizes())) desktop::message(this, saveFailure());
}

crossword::PrintSizes Ttiskkriform::sizes() const {
    return {ClampingSpinBox::current(SpinEdit1), ClampingSpinBox::current(SpinEdit2), ClampingSpinBox::current(SpinEdit3), ClampingSpinBox::current(SpinEdit4)};
}

void Ttiskkriform::setSizes(const crossword::PrintSizes& sizes) {
    const crossword::PrintSizes in = crossword::clampedPrintSizes(sizes);
    SpinEdit1->setValue(in.cellSize);
    SpinEdit2->setValue(in.labelFontSize);
    SpinEdit3->setValue(in.clueFontSize);
    SpinEdit4->setValue(in.separatorHalfWidth);
}

crossword::PrintOptions Ttiskkriform::options() const {
    crossword::PrintOptions chosen;
    chosen.rowLabels = static_cast<crossword::LabelStyle>(RadioGroup1->itemIndex());
    chosen.columnLabels = static_cast<crossword::LabelStyle>(RadioGroup2->itemIndex());
    chosen.sizes = sizes();
    chosen.grid = CheckBox1->isChecked();
    chosen.separators = CheckBox4->isChecked();
    chosen.across = CheckBox3->isChecked();
    chosen.down = CheckBox2->isChecked();
    return chosen;
}

QString Ttiskkriform::saveFailure() { return QStringLiteral("Velikosti nelze uložit. Chyba zápisu do souboru."); }
