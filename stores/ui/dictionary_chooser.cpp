#include "stores/ui/dictionary_chooser.h"

#include "platform/core/folders.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialog_buttons.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/placement.h"
#include "stores/core/word_stores.h"
#include "stores/ui/sorted_words.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

const DictionaryNameTable* tableOf(int tag) {
    if (tag == 1) return &wordSearchDictionaryNames;
    if (tag == 2) return &crosswordDictionaryNames;
    return nullptr;
}

// The names of the dictionaries in the program folder: every file whose name
// ends in ".slv" in any letter case, without that ending. A name the code page
// cannot hold cannot be chosen and is left out.
std::vector<std::string> dictionariesFound(int tag) {
    const QDir folder(displayPath(programFolder()));
    std::vector<std::string> names;
    for (const QString& file : folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (!file.endsWith(QStringLiteral(".slv"), Qt::CaseInsensitive)) continue;
        // The user's own word file is always loaded for crosswords.
        if (tag == 2 && file == QStringLiteral("slovausr.slv")) continue;
        const auto name = fromQString(file.chopped(4));
        if (name && std::find(names.begin(), names.end(), *name) == names.end()) names.push_back(*name);
    }
    return names;
}

QPushButton* moveButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QListWidget* list(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

}  // namespace

Tslovnikyform::Tslovnikyform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("slovnikyform"));
    setWindowTitle(QStringLiteral("Vyberte slovníky"));

    SrcLabel = new QLabel(QStringLiteral("Nalezené slovníky"), this);
    SrcLabel->setObjectName(QStringLiteral("SrcLabel"));
    DstLabel = new QLabel(QStringLiteral("Slovníky pro použití"), this);
    DstLabel->setObjectName(QStringLiteral("DstLabel"));
    SrcList = list(this, "SrcList");
    DstList = list(this, "DstList");
    SrcLabel->setBuddy(SrcList);
    DstLabel->setBuddy(DstList);

    IncludeBtn = moveButton(this, "IncludeBtn", QStringLiteral(">"));
    IncAllBtn = moveButton(this, "IncAllBtn", QStringLiteral(">>"));
    ExcludeBtn = moveButton(this, "ExcludeBtn", QStringLiteral("<"));
    ExAllBtn = moveButton(this, "ExAllBtn", QStringLiteral("<<"));
    const DialogButtons buttons = makeDialogButtons(this, QStringLiteral("OK"), QStringLiteral("Storno"));
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* button : {IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn}) moves->addWidget(button);
    moves->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(SrcLabel, 0, 0);
    lists->addWidget(DstLabel, 0, 2);
    lists->addWidget(SrcList, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(DstList, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons.row);

    connect(IncludeBtn, &QPushButton::clicked, this, &Tslovnikyform::IncludeBtnClick);
    connect(IncAllBtn, &QPushButton::clicked, this, &Tslovnikyform::IncAllBtnClick);
    connect(ExcludeBtn, &QPushButton::clicked, this, &Tslovnikyform::ExcludeBtnClick);
    connect(ExAllBtn, &QPushButton::clicked, this, &Tslovnikyform::ExAllBtnClick);
}

void Tslovnikyform::showEvent(QShowEvent* event) {
    centreWindow(this, mainWindowOf(parentWidget()));
    FormShow();
    QDialog::showEvent(event);
}

bool Tslovnikyform::isSelected(const std::string& name, int tag) {
    const DictionaryNameTable* table = tableOf(tag);
    return table && std::find(table->begin(), table->end(), name) != table->end();
}

void Tslovnikyform::FormShow() {
    SrcList->clear();
    DstList->clear();
    const std::vector<std::string> found = dictionariesFound(Tag);
    // The chosen ones in the order of the choice; a chosen name without its file is left out.
    if (const DictionaryNameTable* table = tableOf(Tag)) {
        std::vector<std::string> added;
        for (const std::string& name : *table) {
            if (std::find(found.begin(), found.end(), name) == found.end()) continue;
            if (std::find(added.begin(), added.end(), name) != added.end()) continue;
            added.push_back(name);
            addEntry(DstList, name);
        }
    }
    for (const std::string& name : found)
        if (!isSelected(name, Tag)) addEntry(SrcList, name);
    updateButtons();
}

void Tslovnikyform::addEntry(QListWidget* list, const std::string& name) {
    auto* item = new QListWidgetItem(toQString(name));
    item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    int row = list->count();
    if (list == SrcList) {  // kept in order
        row = 0;
        while (row < list->count() && !sortedWordLess(name, sortedWord(list->item(row)))) ++row;
    }
    list->insertItem(row, item);
    item->setSelected(false);
}

void Tslovnikyform::moveSelected(QListWidget* from, QListWidget* to) {
    int first = -1;
    for (int i = 0; i < from->count() && first < 0; ++i)
        if (from->item(i)->isSelected()) first = i;
    // From the last entry up, so the rows still to visit keep their numbers.
    for (int i = from->count() - 1; i >= 0; --i) {
        if (!from->item(i)->isSelected()) continue;
        const std::unique_ptr<QListWidgetItem> item(from->takeItem(i));
        addEntry(to, sortedWord(item.get()));
    }
    from->setFocus();
    from->clearSelection();
    if (from->count() > 0)
        from->setCurrentRow(first < 0 ? 0 : std::min(first, from->count() - 1), QItemSelectionModel::ClearAndSelect);
    updateButtons();
}

void Tslovnikyform::moveAll(QListWidget* from, QListWidget* to) {
    for (int i = 0; i < from->count(); ++i) addEntry(to, sortedWord(from->item(i)));
    from->clear();
    from->setFocus();
    updateButtons();
}

void Tslovnikyform::IncludeBtnClick() { moveSelected(SrcList, DstList); }
void Tslovnikyform::ExcludeBtnClick() { moveSelected(DstList, SrcList); }
void Tslovnikyform::IncAllBtnClick() { moveAll(SrcList, DstList); }
void Tslovnikyform::ExAllBtnClick() { moveAll(DstList, SrcList); }

void Tslovnikyform::updateButtons() {
    const bool offered = SrcList->count() > 0;
    const bool chosen = DstList->count() > 0;
    IncludeBtn->setEnabled(offered);
    IncAllBtn->setEnabled(offered);
    ExcludeBtn->setEnabled(chosen);
    ExAllBtn->setEnabled(chosen);
    BitBtn1->setEnabled(chosen);
}

std::vector<std::string> Tslovnikyform::chosenNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < DstList->count(); ++i) names.push_back(sortedWord(DstList->item(i)).substr(0, kDictionaryNameLength));
    return names;
}

bool runDictionaryChooser(QWidget* parent, int tag) {
    DictionaryNameTable* table = tag == 1 ? &wordSearchDictionaryNames : tag == 2 ? &crosswordDictionaryNames : nullptr;
    if (!table) return false;
    Tslovnikyform form(parent);
    form.Tag = tag;
    if (form.exec() != QDialog::Accepted) return false;
    *table = form.chosenNames();
    const bool saved = tag == 1 ? saveOsmDictionarySelection() : saveDictionaryList();
    if (!saved)
        desktop::warning(parent, QStringLiteral("Chyba při ukládání výběru slovníků. Výběr proto při příštím "
                                                "spuštění nebude platit."));
    return true;
}
