#include "document/ui/phrase_form.h"

#include "document/core/phrase_letters.h"
#include "document/core/document_kinds.h"
#include "platform/core/czech.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialog_buttons.h"
#include "platform/ui/typed_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QVBoxLayout>

#include <bitset>
#include <string>

Ttajenkaform* tajenkaform = nullptr;

Ttajenkaform::Ttajenkaform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("tajenkaform"));
    setWindowTitle(QStringLiteral("Mindgrid!"));
    Label1 = new QLabel(QStringLiteral("Zadejte tajenku"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    inputboxtajenka = new QLineEdit(this);
    inputboxtajenka->setObjectName(QStringLiteral("inputboxtajenka"));
    // What is typed goes in lower case, without "@": neither the byte of a
    // joined "ch" nor the hidden cell's mark may stand in a phrase.
    inputboxtajenka->setValidator(new TypedTextValidator(
        {.lowerCase = true, .refused = QString(QLatin1Char(chPlaceholder)) + toQString(hiddenCellText)},
        inputboxtajenka));
    inputboxtajenka->setMinimumWidth(280);
    Label1->setBuddy(inputboxtajenka);
    const DialogButtons buttons = makeDialogButtons(this, QStringLiteral("OK"), QStringLiteral("Storno"));
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;

    // A change the user typed leaves the box modified; one that a caller (or
    // the refusal below) made with setText does not. Only typing is checked;
    // a text put in from outside starts a new use of the dialog and is what a
    // refused keystroke returns to.
    connect(inputboxtajenka, &QLineEdit::textChanged, this, [this] {
        if (inputboxtajenka->isModified())
            inputboxtajenkaChange();
        else
            lastAccepted_ = inputboxtajenka->text();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(inputboxtajenka);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Ttajenkaform::setPhrase(const QString& phrase) {
    inputboxtajenka->setText(phrase);
    lastAccepted_ = inputboxtajenka->text();
}

QString Ttajenkaform::phrase() const { return inputboxtajenka->text(); }

QString Ttajenkaform::tooManyLetters(int limit) {
    return QStringLiteral("Toto písmeno již nelze napsat, protože je již zadáno %1 různých písmen.").arg(limit);
}

int Ttajenkaform::distinctCharacters(const QString& phrase, bool chAsOne) {
    // The box takes characters Windows-1250 cannot hold too; each such one counts
    // as itself. None of them is "c" or "h", so they only split the text into
    // runs whose letters (phraseLetters: no blanks, "ch" joined) are counted
    // one by one. "@" cannot be typed, so as the stand-in for "ch" it never
    // meets a real one.
    std::bitset<256> seen;
    QSet<QChar> outsideCodePage;
    std::string run;
    auto countRun = [&] {
        for (const char c : phraseLetters(run, chAsOne)) seen.set(static_cast<unsigned char>(c));
        run.clear();
    };
    for (const QChar c : phrase) {
        if (c == QLatin1Char(' ')) continue;  // a blank between the runs
        if (const auto byte = fromQString(QString(c))) {
            run += *byte;
        } else {
            countRun();
            outsideCodePage.insert(c);
        }
    }
    countRun();
    return static_cast<int>(seen.count()) + static_cast<int>(outsideCodePage.size());
}

void Ttajenkaform::inputboxtajenkaChange() {
    const QString text = inputboxtajenka->text();
    if (letterLimit_ == noLetterLimit) {
        lastAccepted_ = text;
        return;
    }
    const int count = distinctCharacters(text, chAsOneLetter_);
    // A phrase given with more characters than the limit (say, after the "ch"
    // setting changed) may still be shortened; only a change that adds a
    // character beyond the limit is refused.
    if (count > letterLimit_ && count > distinctCharacters(lastAccepted_, chAsOneLetter_)) {
        desktop::message(this, tooManyLetters(letterLimit_));
        inputboxtajenka->setText(lastAccepted_);
        return;
    }
    lastAccepted_ = text;
}

void Ttajenkaform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    inputboxtajenka->setFocus();
}
