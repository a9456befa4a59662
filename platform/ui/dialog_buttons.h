#pragma once
// The OK and "Storno" buttons at the foot of a dialog.

#include <QHBoxLayout>
#include <QString>

#include <functional>

class QDialog;
class QPushButton;
class QWidget;

struct DialogButtons {
    QPushButton* ok = nullptr;      // BitBtn1, the default button: accepts the dialog
    QPushButton* cancel = nullptr;  // BitBtn2: rejects the dialog
    QHBoxLayout* row = nullptr;     // a stretch, then both buttons; the dialog places it
};

enum class ButtonIcons { none, standard };  // standard: the style's OK and cancel pictures

// Makes the two buttons with the dialog's own captions (say "&OK" and
// "&Storno"). They belong to `owner`, the dialog when null; `beforeAccept`,
// when given, is what OK does before it accepts the dialog.
DialogButtons makeDialogButtons(QDialog* dialog, const QString& okCaption, const QString& cancelCaption,
                                ButtonIcons icons = ButtonIcons::none, QWidget* owner = nullptr,
                                const std::function<void()>& beforeAccept = {});
