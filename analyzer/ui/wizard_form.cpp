#include "analyzer/ui/wizard_form.h"

#include "analyzer/ui/main_form.h"
#include "analyzer/ui/progress_form.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace analyzer {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    // Enter belongs to the input boxes, never to a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QSpinBox* sizeBox(QWidget* parent, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, kMaxPuzzleSize);
    box->setValue(10);
    return box;
}

// Keeps what the user types in one letter case.
void forceCase(QLineEdit* edit, bool upper) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, upper](const QString& text) {
        const QString forced = upper ? text.toUpper() : text.toLower();
        if (forced == text) return;
        const int cursor = edit->cursorPosition();
        edit->setText(forced);
        edit->setCursorPosition(cursor);
    });
}

QWidget* page(QStackedWidget* notebook, const char* name) {
    auto* p = new QWidget(notebook);
    p->setObjectName(QLatin1String(name));
    notebook->addWidget(p);
    return p;
}

}  // namespace

Twizardform::Twizardform(TForm1* mainForm)
    : QDialog(mainForm, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      mainForm_(mainForm) {
    setObjectName(QStringLiteral("wizardform"));
    setWindowTitle(QStringLiteral("Průvodce zadáním osmisměrky..."));

    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));

    QWidget* first = page(Notebook1, "Prvni");
    SpinEdit1 = sizeBox(first, "SpinEdit1");
    SpinEdit2 = sizeBox(first, "SpinEdit2");
    auto* firstLayout = new QGridLayout(first);
    firstLayout->addWidget(new QLabel(QStringLiteral("Zadejte velikost osmsiměrky:"), first), 0, 0, 1, 2);
    firstLayout->addWidget(new QLabel(QStringLiteral("Vodorovně"), first), 1, 0);
    firstLayout->addWidget(SpinEdit1, 1, 1);
    firstLayout->addWidget(new QLabel(QStringLiteral("Svisle"), first), 2, 0);
    firstLayout->addWidget(SpinEdit2, 2, 1);
    firstLayout->setRowStretch(3, 1);
    firstLayout->setColumnStretch(2, 1);

    QWidget* second = page(Notebook1, "Druha");
    Edit2 = new QLineEdit(second);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    forceCase(Edit2, false);
    ListBox1 = new QListWidget(second);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    auto* secondLayout = new QVBoxLayout(second);
    auto* wordsLabel =
        new QLabel(QStringLiteral("Zadejte slova osmsiměrky (po každém slově stiskněte \"enter\"):"), second);
    wordsLabel->setWordWrap(true);
    secondLayout->addWidget(wordsLabel);
    secondLayout->addWidget(Edit2);
    secondLayout->addWidget(ListBox1, 1);
    secondLayout->addWidget(new QLabel(QStringLiteral("Klikněte 2x myší na slovo, které chcete smazat"), second));

    QWidget* third = page(Notebook1, "Treti");
    Edit1 = new QLineEdit(third);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    forceCase(Edit1, true);
    Label7 = new QLabel(QStringLiteral("1"), third);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label8 = new QLabel(QStringLiteral("1"), third);
    Label8->setObjectName(QStringLiteral("Label8"));
    auto* lettersLabel = new QLabel(
        QStringLiteral("Zadejte písmena osmsiměrky (po každém písmenu stiskněte klávesu \"enter\")"), third);
    lettersLabel->setWordWrap(true);
    auto* note = new QLabel(QStringLiteral("Pokud chcete zadat prázdné pole (nebo neviditelné), napište znak @, "
                                           "nebo stiskněte <enter> bez napsání znaku."),
                            third);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    auto* position = new QHBoxLayout;
    position->addWidget(new QLabel(QStringLiteral("Zadáváte písmeno ve sloupci:"), third));
    position->addWidget(Label7);
    position->addSpacing(12);
    position->addWidget(new QLabel(QStringLiteral("v řádku:"), third));
    position->addWidget(Label8);
    position->addStretch();
    auto* thirdLayout = new QVBoxLayout(third);
    thirdLayout->addWidget(lettersLabel);
    thirdLayout->addWidget(Edit1);
    thirdLayout->addLayout(position);
    thirdLayout->addWidget(note);
    thirdLayout->addStretch();

    btnzpet = button(this, "btnzpet", QStringLiteral("Zpět"));
    btndalsi = button(this, "btndalsi", QStringLiteral("Další"));
    Button3 = button(this, "Button3", QStringLiteral("Storno"));
    btndokoncit = button(this, "btndokoncit", QStringLiteral("Dokončit"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnzpet, btndalsi, Button3, btndokoncit}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Notebook1, 1);
    layout->addLayout(buttons);
    resize(420, 320);

    connect(SpinEdit1, &QSpinBox::valueChanged, this,
            [this] { wizard_.setSpinSize(SpinEdit1->value(), SpinEdit2->value()); });
    connect(SpinEdit2, &QSpinBox::valueChanged, this,
            [this] { wizard_.setSpinSize(SpinEdit1->value(), SpinEdit2->value()); });
    connect(btndalsi, &QPushButton::clicked, this, [this] { changePage(true); });
    connect(btnzpet, &QPushButton::clicked, this, [this] { changePage(false); });
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(btndokoncit, &QPushButton::clicked, this, &Twizardform::btndokoncitClick);
    connect(Edit2, &QLineEdit::returnPressed, this, &Twizardform::Edit2KeyPress);
    connect(Edit1, &QLineEdit::returnPressed, this, &Twizardform::Edit1KeyPress);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &Twizardform::ListBox1DblClick);
    connect(Notebook1, &QStackedWidget::currentChanged, this, &Twizardform::Notebook1PageChanged);

    wizard_.setSpinSize(SpinEdit1->value(), SpinEdit2->value());
    showState();
}

void Twizardform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) move(owner->frameGeometry().center() - rect().center());
    SpinEdit1->setFocus();
}

void Twizardform::changePage(bool forward) {
    if (forward)
        wizard_.next();
    else
        wizard_.prior();
    showState();
}

void Twizardform::Notebook1PageChanged() {
    switch (Notebook1->currentIndex()) {
    case EntryWizard::SizePage:
        SpinEdit1->setFocus();
        break;
    case EntryWizard::WordPage:
        Edit2->setFocus();
        break;
    default:
        Edit1->setFocus();
        break;
    }
}

// The page, the buttons and the letter entry as the wizard has them now.
void Twizardform::showState() {
    Notebook1->setCurrentIndex(wizard_.page());
    btnzpet->setEnabled(wizard_.priorEnabled());
    btndalsi->setEnabled(wizard_.nextEnabled());
    Edit1->setEnabled(wizard_.letterEntryEnabled());
    btndokoncit->setEnabled(wizard_.finishEnabled());
    if (wizard_.letterEntryEnabled()) {
        Label7->setText(QString::number(wizard_.column()));
        Label8->setText(QString::number(wizard_.row()));
    }
}

void Twizardform::showWords() {
    ListBox1->clear();
    for (const std::string& word : wizard_.words()) ListBox1->addItem(toQString(word));
}

void Twizardform::Edit2KeyPress() {
    const std::optional<std::string> text = fromQString(Edit2->text());
    if (!text) {
        desktop::warning(this, codePageRefusal());
        return;
    }
    if (wizard_.enterWord(*text) == EntryWizard::WordEntry::Full) {
        desktop::warning(this, QStringLiteral("Osmisměrka může mít nejvýše %1 slov.").arg(kMaxWords));
        return;
    }
    Edit2->clear();
    showWords();
}

void Twizardform::ListBox1DblClick() {
    const int row = ListBox1->currentRow();
    if (row < 0) return;
    wizard_.removeWord(static_cast<std::size_t>(row));
    showWords();
}

void Twizardform::Edit1KeyPress() {
    if (!wizard_.letterEntryEnabled()) return;
    const std::optional<std::string> text = fromQString(Edit1->text());
    if (!text) {
        desktop::warning(this, codePageRefusal());
        return;
    }
    wizard_.enterLetter(*text);
    Edit1->clear();
    showState();
}

// Hands the puzzle over; a check that starts runs while the wizard is still
// open, and the wizard closes once the check's dialog has closed.
void Twizardform::btndokoncitClick() {
    if (mainForm_->takeTypedPuzzle(wizard_.finish()))
        connect(mainForm_->Form2, &QDialog::finished, this, &QDialog::accept, Qt::SingleShotConnection);
    else
        accept();
}

}  // namespace analyzer
