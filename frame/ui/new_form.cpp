#include "frame/ui/new_form.h"

#include "frame/ui/main_form.h"
#include "platform/ui/dialog_buttons.h"
#include "platform/ui/placement.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

Tnovyform* novyform = nullptr;

Tnovyform::Tnovyform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("novyform"));
    setWindowTitle(QStringLiteral("Vyberte typ"));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto radio = [this](const char* name, const QString& caption) {
        auto* button = new QRadioButton(caption, GroupBox1);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    radioosm = radio("radioosm", QStringLiteral("&Osmisměrka"));
    radiokri = radio("radiokri", QStringLiteral("&Klasická křížovka"));
    radiokrs = radio("radiokrs", QStringLiteral("Kri&s-kros"));
    radiosvekri = radio("radiosvekri", QStringLiteral("Š&védská křížovka"));
    radioosm->setChecked(true);
    auto* radios = new QVBoxLayout(GroupBox1);
    for (QRadioButton* button : {radioosm, radiokri, radiokrs, radiosvekri}) radios->addWidget(button);

    const DialogButtons buttons =
        makeDialogButtons(this, QStringLiteral("&OK"), QStringLiteral("&Storno"), ButtonIcons::standard);
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons.row);
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
}

int Tnovyform::documentKind() const {
    if (radiokri->isChecked()) return 2;
    if (radiokrs->isChecked()) return 3;
    if (radiosvekri->isChecked()) return 4;
    return 1;
}

void Tnovyform::showEvent(QShowEvent* event) {
    centreWindow(this, MindgridMainForm);
    QDialog::showEvent(event);
}
