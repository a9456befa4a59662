#include "swedish/ui/print_form.h"

#include "formstate/ui/color_combo.h"
#include "platform/ui/dialog_buttons.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

TColorComboBox* colourBox(QWidget* parent, const char* name, Color colour) {
    auto* box = new TColorComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDisplayNames(false);
    box->writeColorValue(static_cast<int>(colour));
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

Ttisksvekriform::Ttisksvekriform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("tisksvekriform"));
    setWindowTitle(QStringLiteral("Tisk švédské křížovky"));
    const swedish::SkrPrintOptions defaults;
    GroupBox1 = new QGroupBox(QStringLiteral("Možnosti"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    SpinEdit4 = new QSpinBox(GroupBox1);
    SpinEdit4->setObjectName(QStringLiteral("SpinEdit4"));
    // A negative half-width would only turn the bars inside out.
    SpinEdit4->setRange(0, swedish::skrprint::largestFrameWidth);
    SpinEdit4->setValue(defaults.frameWidth);
    Label1 = label(GroupBox1, "Label1", QStringLiteral("Tloušťka okraje"), SpinEdit4);
    ColorComboBox1 = colourBox(GroupBox1, "ColorComboBox1", defaults.clueFill);
    Label2 = label(GroupBox1, "Label2", QStringLiteral("Barva pole legendy"), ColorComboBox1);
    ColorComboBox2 = colourBox(GroupBox1, "ColorComboBox2", defaults.secretFill);
    Label3 = label(GroupBox1, "Label3", QStringLiteral("Barva pole tajenky"), ColorComboBox2);
    ColorComboBox3 = colourBox(GroupBox1, "ColorComboBox3", defaults.letterFill);
    Label4 = label(GroupBox1, "Label4", QStringLiteral("Barva normálního pole"), ColorComboBox3);
    const DialogButtons buttons = makeDialogButtons(this, QStringLiteral("&Tisknout"), QStringLiteral("&Storno"));
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;

    auto* fields = new QGridLayout(GroupBox1);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(SpinEdit4, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(ColorComboBox1, 1, 1);
    fields->addWidget(Label3, 2, 0);
    fields->addWidget(ColorComboBox2, 2, 1);
    fields->addWidget(Label4, 3, 0);
    fields->addWidget(ColorComboBox3, 3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

swedish::SkrPrintOptions Ttisksvekriform::options() const {
    return {SpinEdit4->value(), static_cast<Color>(ColorComboBox1->readColorValue()),
            static_cast<Color>(ColorComboBox2->readColorValue()), static_cast<Color>(ColorComboBox3->readColorValue())};
}
