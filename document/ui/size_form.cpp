#include "document/ui/size_form.h"

#include "platform/ui/clamping_spin_box.h"
#include "platform/ui/dialog_buttons.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

Tnastavvelform* nastavvelform = nullptr;

namespace {

constexpr int smallest = 2;
constexpr int largest = 40;

// Text that is no number stands for the smallest size.
QSpinBox* sizeBox(QWidget* parent, const char* name) {
    return new ClampingSpinBox(parent, name, smallest, largest, 10, smallest);
}

}  // namespace

Tnastavvelform::Tnastavvelform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("nastavvelform"));
    setWindowTitle(QStringLiteral("Nastavení velikosti"));
    Label1 = new QLabel(QStringLiteral("Vodorovně"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SpinEdit1 = sizeBox(this, "SpinEdit1");
    Label2 = new QLabel(QStringLiteral("Svisle"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    SpinEdit2 = sizeBox(this, "SpinEdit2");
    Label1->setBuddy(SpinEdit1);
    Label2->setBuddy(SpinEdit2);
    const DialogButtons buttons = makeDialogButtons(this, QStringLiteral("&OK"), QStringLiteral("&Storno"));
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(SpinEdit1, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(SpinEdit2, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the whole caption, which the window system draws in
    // bold beside the window's icon and its buttons (each about as wide as
    // the title bar is high).
    QFont titleFont = font();
    titleFont.setBold(true);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    layout->addStrut(QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + 5 * titleBar);
}

void Tnastavvelform::setGridSize(int cols, int rows) {
    SpinEdit1->setValue(cols);
    SpinEdit2->setValue(rows);
}

int Tnastavvelform::columns() const { return ClampingSpinBox::current(SpinEdit1); }
int Tnastavvelform::rows() const { return ClampingSpinBox::current(SpinEdit2); }

void Tnastavvelform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SpinEdit1->setFocus();
    SpinEdit1->selectAll();
}
