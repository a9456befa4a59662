#include "swedish/ui/legend_form.h"

#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialog_buttons.h"
#include "platform/ui/painter_canvas.h"
#include "platform/ui/typed_text.h"
#include "stores/core/clue_index.h"
#include "stores/core/word_stores.h"
#include "stores/ui/store_files.h"
#include "swedish/ui/swedish_forms.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

// ---- the notice ---------------------------------------------------------------------

Twaitform3::Twaitform3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("waitform3"));
    setWindowTitle(QStringLiteral("Mindgrid!"));
    Label1 = makeLabel(this, "Label1", QStringLiteral("Zjišťuji možné legendy..."));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(220);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(Label1);
}

// ---- the editor -----------------------------------------------------------------------

Tsvelegform::Tsvelegform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("svelegform"));
    setWindowTitle(QStringLiteral("Tvorba legendy"));

    Label1 = makeLabel(this, "Label1", QStringLiteral("Slovo vodorovně:"));
    Label3 = makeLabel(this, "Label3", QString());
    Label2 = makeLabel(this, "Label2", QStringLiteral("Slovo svisle:"));
    Label4 = makeLabel(this, "Label4", QString());
    Label5 = makeLabel(this, "Label5", QStringLiteral("Možné legendy vodorovně"));
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    Label6 = makeLabel(this, "Label6", QStringLiteral("Možné legendy svisle "));
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setEditable(true);
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    for (QComboBox* box : {ComboBox2, ComboBox3}) box->setMinimumWidth(260);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(previewSize, previewSize);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    BitBtn5 = makeButton(this, "BitBtn5", QStringLiteral("Posuň nahoru"));
    BitBtn6 = makeButton(this, "BitBtn6", QStringLiteral("Posuň dolu"));
    BitBtn5->setEnabled(false);
    BitBtn6->setEnabled(false);
    BitBtn3 = makeButton(this, "BitBtn3", QStringLiteral("Vložit text"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(static_cast<int>(swedish::kLegendTextLength));
    // A line of a record is one line of the file: a line break typed or pasted
    // into the text becomes a blank.
    Edit1->setValidator(new TypedTextValidator({.lineBreaks = TextRules::LineBreaks::blanked}, Edit1));
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(swedish::kSmallestFontSize, swedish::kLargestFontSize);
    SpinEdit1->setValue(swedish::kSeparatorFontSize);
    BitBtn7 = makeButton(this, "BitBtn7", QStringLiteral("Upravit text"));
    BitBtn4 = makeButton(this, "BitBtn4", QStringLiteral("Vložit oddělovač"));
    BitBtn8 = makeButton(this, "BitBtn8", QStringLiteral("Smazat"));
    BitBtn9 = makeButton(this, "BitBtn9", QStringLiteral("Zjistit legendy"));
    BitBtn9->setVisible(false);
    const DialogButtons buttons = makeDialogButtons(this, QStringLiteral("OK"), QStringLiteral("Storno"));
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;

    auto* words = new QGridLayout;
    words->addWidget(Label1, 0, 0);
    words->addWidget(Label3, 0, 1);
    words->addWidget(Label2, 1, 0);
    words->addWidget(Label4, 1, 1);
    words->addWidget(Label5, 2, 0, 1, 2);
    words->addWidget(ComboBox2, 3, 0, 1, 2);
    words->addWidget(Label6, 4, 0, 1, 2);
    words->addWidget(ComboBox3, 5, 0, 1, 2);
    words->setColumnStretch(1, 1);

    auto* lines = new QGridLayout;
    lines->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    lines->addWidget(ComboBox1, 0, 1, 1, 2);
    lines->addWidget(BitBtn5, 1, 1);
    lines->addWidget(BitBtn6, 1, 2);
    lines->addWidget(Edit1, 2, 0, 1, 2);
    lines->addWidget(SpinEdit1, 2, 2);
    lines->addWidget(BitBtn7, 3, 0);
    lines->addWidget(BitBtn3, 3, 1);
    lines->addWidget(BitBtn4, 3, 2);
    lines->addWidget(BitBtn8, 4, 0);
    lines->addWidget(BitBtn9, 4, 1);
    lines->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(words);
    layout->addLayout(lines);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn3, &QPushButton::clicked, this, &Tsvelegform::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &Tsvelegform::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &Tsvelegform::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &Tsvelegform::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &Tsvelegform::BitBtn7Click);
    connect(BitBtn8, &QPushButton::clicked, this, &Tsvelegform::BitBtn8Click);
    connect(BitBtn9, &QPushButton::clicked, this, &Tsvelegform::BitBtn9Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &Tsvelegform::ComboBox1Change);

    drawPreview();
}

QString Tsvelegform::tooManyLines() { return QStringLiteral("Do pole lze vložit nejvýše 10 položek."); }

void Tsvelegform::setWords(const swedish::LegendWords& words) {
    words_ = words;
    Label3->setText(toQString(words.across));
    Label4->setText(toQString(words.down));
}

void Tsvelegform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void Tsvelegform::FormShow() {
    ComboBox1->clear();
    Edit1->clear();
    SpinEdit1->setValue(swedish::kSeparatorFontSize);
    BitBtn5->setEnabled(false);
    BitBtn6->setEnabled(false);
    enableTextEditing(false);  // nothing to edit in an empty record
    if (legendRecordCopy.count() > 0) {
        BitBtn5->setEnabled(true);
        BitBtn6->setEnabled(true);
        for (int number = 1; number <= legendRecordCopy.count(); ++number)
            ComboBox1->addItem(toQString(legendRecordCopy.line(number).text));
        ComboBox1->setCurrentIndex(0);
        showLine(1);
    }
    drawPreview();
    ensureLegendsLoaded(this);
    BitBtn9Click();
}

int Tsvelegform::selectedLine() const {
    const int index = ComboBox1->currentIndex();
    return index >= 0 && index < legendRecordCopy.count() ? index + 1 : 0;
}

void Tsvelegform::enableTextEditing(bool on) {
    BitBtn7->setEnabled(on);
    Edit1->setEnabled(on);
    SpinEdit1->setEnabled(on);
}

void Tsvelegform::showLine(int number) {
    const swedish::LegendLine& line = legendRecordCopy.line(number);
    if (line.isSeparator()) {
        Edit1->setText(toQString(swedish::kLegendSeparator));
        SpinEdit1->setValue(swedish::kSeparatorFontSize);
        enableTextEditing(false);
        return;
    }
    Edit1->setText(toQString(line.text));
    SpinEdit1->setValue(swedish::drawnFontSize(line.fontSize));
    enableTextEditing(true);
}

void Tsvelegform::ComboBox1Change() {
    if (const int number = selectedLine()) showLine(number);
}

void Tsvelegform::lineAppended() {
    const int number = legendRecordCopy.count();
    ComboBox1->addItem(toQString(legendRecordCopy.line(number).text));
    ComboBox1->setCurrentIndex(number - 1);
    showLine(number);
    BitBtn5->setEnabled(true);
    BitBtn6->setEnabled(true);
    drawPreview();
}

void Tsvelegform::BitBtn3Click() {
    if (!legendRecordCopy.appendText(SpinEdit1->value())) {
        desktop::message(this, tooManyLines());
        return;
    }
    lineAppended();
}

void Tsvelegform::BitBtn4Click() {
    if (!legendRecordCopy.appendSeparator()) {
        desktop::message(this, tooManyLines());
        return;
    }
    lineAppended();
}

void Tsvelegform::BitBtn5Click() {
    const int number = selectedLine();
    if (number == 0) return;
    legendRecordCopy.moveLine(number, -1);
    drawPreview();
}

void Tsvelegform::BitBtn6Click() {
    const int number = selectedLine();
    if (number == 0) return;
    legendRecordCopy.moveLine(number, 1);
    drawPreview();
}

void Tsvelegform::BitBtn7Click() { editSelectedLine(); }

bool Tsvelegform::editSelectedLine() {
    const int number = selectedLine();
    if (number == 0) return true;
    const auto text = fromQString(Edit1->text());
    if (!text) {
        desktop::warning(this, codePageRefusal());
        return false;
    }
    legendRecordCopy.setText(number, *text);
    legendRecordCopy.setFontSize(number, SpinEdit1->value());
    ComboBox1->setItemText(number - 1, toQString(legendRecordCopy.line(number).text));
    // A text edited to the separator's text is a separator now.
    showLine(number);
    drawPreview();
    return true;
}

bool Tsvelegform::editPending() const {
    const int number = selectedLine();
    if (number == 0 || !Edit1->isEnabled()) return false;  // no line, or a separator
    const swedish::LegendLine& line = legendRecordCopy.line(number);
    const auto text = fromQString(Edit1->text());
    return !text || swedish::legendText(*text) != line.text ||
           SpinEdit1->value() != swedish::drawnFontSize(line.fontSize);
}

void Tsvelegform::accept() {
    if (editPending() && !editSelectedLine()) return;
    QDialog::accept();
}

void Tsvelegform::BitBtn8Click() {
    legendRecordCopy.clear();
    ComboBox1->clear();
    Edit1->clear();
    SpinEdit1->setValue(swedish::kSeparatorFontSize);
    BitBtn5->setEnabled(false);
    BitBtn6->setEnabled(false);
    enableTextEditing(false);
    drawPreview();
}

void Tsvelegform::BitBtn9Click() {
    if (waitform3) {
        waitform3->show();
        waitform3->repaint();
    }
    ComboBox2->clear();
    ComboBox3->clear();
    const swedish::LegendSuggestions found =
        swedish::legendSuggestions(words_, clueIndex(builtinLegends), clueIndex(userLegends));
    for (const std::string& clue : found.across) ComboBox2->addItem(toQString(clue));
    for (const std::string& clue : found.down) ComboBox3->addItem(toQString(clue));
    ComboBox2->setCurrentIndex(ComboBox2->count() > 0 ? 0 : -1);
    ComboBox3->setCurrentIndex(ComboBox3->count() > 0 ? 0 : -1);
    if (waitform3) waitform3->hide();
}

void Tsvelegform::drawPreview() {
    QImage image(previewSize, previewSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        canvas.setFontFamily("Arial CE");
        swedish::drawLegendPreview(canvas, legendRecordCopy);
    }
    Image1->setPixmap(QPixmap::fromImage(image));
}
