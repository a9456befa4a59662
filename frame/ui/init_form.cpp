#include "frame/ui/init_form.h"

#include "platform/ui/placement.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

Tinitform::Tinitform(QWidget* owner)
    // A top-level window of its own, with a title and no buttons.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("initform"));
    setWindowTitle(QStringLiteral("Mindgrid!"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(280);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(Label1);
}

void Tinitform::setText(const QString& text) {
    Label1->setText(text);
    QApplication::processEvents();
}

void Tinitform::showEvent(QShowEvent* event) {
    centreWindow(this, nullptr);
    QDialog::showEvent(event);
}
