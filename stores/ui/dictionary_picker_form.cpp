#include "stores/ui/dictionary_picker_form.h"

#include "platform/core/folders.h"
#include "platform/ui/codec.h"
#include "platform/ui/dialog_buttons.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/placement.h"
#include "stores/ui/sorted_words.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

Tvybratslovnikform* vybratslovnikform = nullptr;

Tvybratslovnikform::Tvybratslovnikform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("vybratslovnikform"));
    setWindowTitle(QStringLiteral("Vložit slova ze slovníku"));
    Label1 = new QLabel(QStringLiteral("Vyberte prosím slovník"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    ComboBox1->setMaxVisibleItems(10);
    ComboBox1->setMinimumWidth(220);
    Label1->setBuddy(ComboBox1);
    const DialogButtons buttons = makeDialogButtons(this, QStringLiteral("OK"), QStringLiteral("Storno"));
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ComboBox1);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tvybratslovnikform::showEvent(QShowEvent* event) {
    FormShow();
    centreWindow(this, programMainWindow());
    QDialog::showEvent(event);
}

void Tvybratslovnikform::FormShow() {
    ComboBox1->clear();
    const QDir folder(displayPath(programFolder()));
    // Sorted as the word lists are; a name the code page cannot hold is shown as it is.
    std::vector<std::pair<std::string, QString>> found;
    for (const QString& file : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!file.endsWith(QStringLiteral(".slv"), Qt::CaseInsensitive)) continue;
        found.emplace_back(fromQString(file).value_or(file.toStdString()), file);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return sortedWordLess(a.first, b.first); });
    for (const auto& entry : found) ComboBox1->addItem(entry.second);
    if (ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
}

QString Tvybratslovnikform::chosenFile() const { return ComboBox1->currentIndex() < 0 ? QString() : ComboBox1->currentText(); }
