#pragma once
// Word lists shown in a list box in Czech order: letter case aside, with the
// bytes deciding between words that differ only in case, so "Pes" and "pes"
// both have a fixed place. Each item carries its word as Windows-1250 bytes.

#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;

// The order of such a list.
bool sortedWordLess(const std::string& a, const std::string& b);

// Inserts `word` at its place; false, and nothing added, when the list already
// holds exactly this word (case-sensitive).
bool insertSortedWord(QListWidget* list, const std::string& word);

// Replaces the items with `words` in sorted order, each exact spelling once.
void setSortedWords(QListWidget* list, std::vector<std::string> words);

// The word of an item, and every word of the list in its order.
std::string sortedWord(const QListWidgetItem* item);
std::vector<std::string> sortedWords(const QListWidget* list);
