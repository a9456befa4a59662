#include "platform/ui/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

DialogButtons makeDialogButtons(QDialog* dialog, const QString& okCaption, const QString& cancelCaption,
                                ButtonIcons icons, QWidget* owner, const std::function<void()>& beforeAccept) {
    if (!owner) owner = dialog;
    DialogButtons buttons;
    buttons.ok = new QPushButton(okCaption, owner);
    buttons.ok->setObjectName(QStringLiteral("BitBtn1"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(cancelCaption, owner);
    buttons.cancel->setObjectName(QStringLiteral("BitBtn2"));
    if (icons == ButtonIcons::standard) {
        buttons.ok->setIcon(dialog->style()->standardIcon(QStyle::SP_DialogOkButton));
        buttons.cancel->setIcon(dialog->style()->standardIcon(QStyle::SP_DialogCancelButton));
    }

    if (beforeAccept)
        QObject::connect(buttons.ok, &QPushButton::clicked, dialog, [dialog, beforeAccept] {
            beforeAccept();
            dialog->accept();
        });
    else
        QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    buttons.row = new QHBoxLayout;
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    return buttons;
}
