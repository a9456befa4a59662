#include "document/ui/size_form.h"

#include "platform/ui/dialog_buttons.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

Tnastavvelform* nastavvelform = nullptr;

namespace {

constexpr int smallest = 2;
constexpr int largest = 40;

// What a box's text stands for: a number brought into the range, or the
// smallest size for text that is no number.
int sizeFromText(const QString& text) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    if (!ok) return smallest;
    return static_cast<int>(std::clamp<long long>(value, smallest, largest));
}

// A size box that, when its text is left outside the range, corrects it to
// the nearest bound instead of going back to its previous value.
class SizeSpinBox : public QSpinBox {
public:
    explicit SizeSpinBox(QWidget* parent) : QSpinBox(parent) {
        setRange(smallest, largest);
        setValue(10);
    }
    void fixup(QString& input) const override { input = QString::number(sizeFromText(input)); }
};

// Read from the text, so that a value typed but not yet taken over counts too.
int boxValue(const QSpinBox* box) { return sizeFromText(box->cleanText()); }

}  // namespace

Tnastavvelform::Tnastavvelform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("nastavvelform"));
    setWindowTitle(QStringLiteral("Nastavení velikosti"));
    Label1 = new QLabel(QStringLiteral("Vodorovně"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    SpinEdit1 = new SizeSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    Label2 = new QLabel(QStringLiteral("Svisle"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    SpinEdit2 = new SizeSpinBox(this);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
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
}

void Tnastavvelform::setGridSize(int cols, int rows) {
    SpinEdit1->setValue(cols);
    SpinEdit2->setValue(rows);
}

int Tnastavvelform::columns() const { return boxValue(SpinEdit1); }
int Tnastavvelform::rows() const { return boxValue(SpinEdit2); }

void Tnastavvelform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SpinEdit1->setFocus();
    SpinEdit1->selectAll();
}
