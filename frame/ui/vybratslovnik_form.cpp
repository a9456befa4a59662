#include "frame/ui/vybratslovnik_form.h"

#include "frame/ui/main_form.h"
#include "frame/ui/placement.h"
#include "frame/ui/sorted_words.h"
#include "platform/core/folders.h"
#include "platform/ui/codec.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Storno"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ComboBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tvybratslovnikform::showEvent(QShowEvent* event) {
    FormShow();
    centreWindow(this, MindgridMainForm);
    QDialog::showEvent(event);
}

void Tvybratslovnikform::FormShow() {
    ComboBox1->clear();
    const QDir folder(QFile::decodeName(QByteArray::fromStdString(programFolder().string())));
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
