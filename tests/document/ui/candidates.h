#pragma once
// The candidate list `ListBox1` of a slot window (the crossword and the
// Swedish crossword), as a test reads and uses it.

#include "document/ui/slot_window.h"

#include <QListWidget>
#include <QStringList>

// The words the list shows, top to bottom, as shown.
inline QStringList candidates(const SlotWindow* window) {
    QStringList words;
    for (int row = 0; row < window->ListBox1->count(); ++row) words << window->ListBox1->item(row)->text();
    return words;
}
