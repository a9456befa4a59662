#include "document/ui/direction_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tvodsviform* vodsviform = nullptr;

Tvodsviform::Tvodsviform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("vodsviform"));
    setWindowTitle(QStringLiteral("Mindgrid!"));
    Label1 = new QLabel(QStringLiteral("Je vybráno jen jedno písmeno. Chcete jej smazat vodorovně, nebo svisle?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(260);
    Button1 = new QPushButton(QStringLiteral("Vodorovně"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Svisle"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(No); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Tvodsviform::Answer Tvodsviform::ask(const QString& question) {
    Label1->setText(question);
    const int result = exec();
    return result == Yes || result == No ? static_cast<Answer>(result) : Cancel;
}
