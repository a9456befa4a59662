#include "stores/ui/word_editor_form.h"

#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/placement.h"
#include "stores/ui/sorted_words.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

Tupravitslovaform* upravitslovaform = nullptr;

namespace {

QToolButton* speedButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap glyph) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

Tupravitslovaform::Tupravitslovaform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("upravitslovaform"));
    setWindowTitle(QStringLiteral("Přidat nebo odebrat zařazená slova"));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Label1 = label(Panel1, "Label1", QStringLiteral("Varování: pokud změníte "));
    Label2 = label(Panel1, "Label2", QStringLiteral("zařazená slova, nemusí"));
    Label3 = label(Panel1, "Label3", QStringLiteral("se shodovat se skutečností"));
    auto* warning = new QVBoxLayout(Panel1);
    warning->setSpacing(0);
    for (QLabel* line : {Label1, Label2, Label3}) warning->addWidget(line);

    SpeedButton1 = speedButton(this, "SpeedButton1", QStringLiteral("&Vložit"), QStyle::SP_ArrowLeft);
    SpeedButton2 = speedButton(this, "SpeedButton2", QStringLiteral("Vyjm&out"), QStyle::SP_TrashIcon);
    SpeedButton3 = speedButton(this, "SpeedButton3", QStringLiteral("O&k"), QStyle::SP_DialogOkButton);
    SpeedButton4 = speedButton(this, "SpeedButton4", QStringLiteral("&Storno"), QStyle::SP_DialogCancelButton);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tupravitslovaform::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tupravitslovaform::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &Tupravitslovaform::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &Tupravitslovaform::SpeedButton4Click);
    // Enter in the input box adds the word, as the first button does.
    connect(Edit1, &QLineEdit::returnPressed, this, &Tupravitslovaform::SpeedButton1Click);

    auto* editing = new QHBoxLayout;
    editing->addWidget(SpeedButton1);
    editing->addWidget(SpeedButton2);
    auto* closing = new QHBoxLayout;
    closing->addWidget(SpeedButton3);
    closing->addWidget(SpeedButton4);
    auto* side = new QVBoxLayout;
    side->addWidget(Edit1);
    side->addLayout(editing);
    side->addWidget(Panel1);
    side->addStretch();
    side->addLayout(closing);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(side);
    resize(420, 320);
}

void Tupravitslovaform::setWords(const std::vector<std::string>& words) { setSortedWords(ListBox1, words); }

std::vector<std::string> Tupravitslovaform::words() const { return sortedWords(ListBox1); }

void Tupravitslovaform::setWordLimit(std::size_t letters, std::size_t (*measure)(std::string_view)) {
    wordLimit_ = letters;
    measure_ = measure;
}

void Tupravitslovaform::showEvent(QShowEvent* event) {
    centreWindow(this, programMainWindow());
    QDialog::showEvent(event);
    FormShow();
}

void Tupravitslovaform::FormShow() {
    Edit1->clear();
    Edit1->setFocus();
}

void Tupravitslovaform::SpeedButton1Click() {
    const QString typed = trimControls(Edit1->text());
    if (typed.isEmpty()) return;
    const auto word = fromQString(typed);
    if (!word) {
        desktop::warning(this, codePageRefusal());
        return;
    }
    if (measure_ && measure_(*word) > wordLimit_) {
        desktop::warning(this, QStringLiteral("Slovo má víc písmen, než kolik se vejde do mřížky (nejvýše %1).")
                                   .arg(wordLimit_));
        return;
    }
    insertSortedWord(ListBox1, *word);
}

void Tupravitslovaform::SpeedButton2Click() {
    QListWidgetItem* selected = ListBox1->currentItem();
    if (!selected || !selected->isSelected()) return;
    delete selected;
}

void Tupravitslovaform::SpeedButton3Click() { accept(); }

void Tupravitslovaform::SpeedButton4Click() { reject(); }
