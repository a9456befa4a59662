#pragma once
// The candidate list `ListBox1` of a slot window (the crossword and the
// Swedish crossword), as a test reads and uses it.

#include "document/ui/slot_window.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <QTest>

// The words the list shows, top to bottom, as shown.
inline QStringList candidates(const SlotWindow* window) {
    const QAbstractItemModel* model = window->ListBox1->model();
    QStringList words;
    for (int row = 0; row < model->rowCount(); ++row) words << model->index(row, 0).data().toString();
    return words;
}

// Selects the candidate in `row`, as a click on it does.
inline void chooseCandidate(SlotWindow* window, int row) { window->ListBox1->selectRow(row); }

// Double-clicks the candidate in `row`, as a user does.
inline void doubleClickCandidate(SlotWindow* window, int row) {
    CandidateList* list = window->ListBox1;
    const QPoint centre = list->visualRect(list->model()->index(row, 0)).center();
    // The first press and release, then the second press, which the window system reports as a double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}
