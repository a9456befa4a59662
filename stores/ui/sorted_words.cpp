#include "stores/ui/sorted_words.h"

#include "platform/core/czech.h"
#include "platform/ui/codec.h"

#include <QListWidget>

#include <algorithm>

bool sortedWordLess(const std::string& a, const std::string& b) { return CzechThenBytesLess{}(a, b); }

namespace {

QListWidgetItem* makeItem(const std::string& word) {
    auto* item = new QListWidgetItem(toQString(word));
    item->setData(Qt::UserRole, QByteArray::fromStdString(word));
    return item;
}

}  // namespace

std::string sortedWord(const QListWidgetItem* item) {
    const QVariant word = item->data(Qt::UserRole);
    if (word.isValid()) return word.toByteArray().toStdString();
    // An item added by other means than these functions: its shown text.
    return fromQString(item->text()).value_or(std::string());
}

bool insertSortedWord(QListWidget* list, const std::string& word) {
    // The first item that does not sort before the word.
    int low = 0;
    int high = list->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (sortedWordLess(sortedWord(list->item(middle)), word))
            low = middle + 1;
        else
            high = middle;
    }
    if (low < list->count() && sortedWord(list->item(low)) == word) return false;
    list->insertItem(low, makeItem(word));
    return true;
}

void setSortedWords(QListWidget* list, std::vector<std::string> words) {
    std::stable_sort(words.begin(), words.end(), sortedWordLess);
    words.erase(std::unique(words.begin(), words.end()), words.end());
    // One batch: the list repaints once, however many words come.
    list->setUpdatesEnabled(false);
    list->clear();
    for (const std::string& word : words) list->addItem(makeItem(word));
    list->setUpdatesEnabled(true);
}

std::vector<std::string> sortedWords(const QListWidget* list) {
    std::vector<std::string> words;
    words.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i) words.push_back(sortedWord(list->item(i)));
    return words;
}
