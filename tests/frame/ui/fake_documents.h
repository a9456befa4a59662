#pragma once
// Document windows for the frame's tests, which cannot link the puzzle kinds:
// a window of any kind with that kind's lent actions (named as the kind names
// them) and three menus of one action each.

#include "document/core/document_kinds.h"
#include "document/ui/document_window.h"

#include <QAction>
#include <QMenu>

class FakeDocument : public DocumentWindow {
public:
    explicit FakeDocument(int kind) : DocumentWindow(kind) {
        const LentActions& lent = kindInfo().lent;
        for (const char* name : {lent.size, lent.designer, lent.save, lent.saveAs, lent.print, lent.spreadsheetExport,
                                 lent.pictureExport})
            addDocumentAction(name, QString::fromLatin1(name));
        addDocumentAction("upravy", QStringLiteral("upravy"), menuupravy);
        addDocumentAction("tvorba", QStringLiteral("tvorba"), menutvorba);
        addDocumentAction("sablony", QStringLiteral("sablony"), menusablony);
        setWidget(ScrollBox1);
    }

    void loadFromFile(const QString& path) override {
        loadedFrom = path;
        if (path.contains(unreadableMark)) setLoadFailed();
    }

    QString loadedFrom;  // the path loadFromFile was called with
    // A path with this in it stands for a file that cannot be read.
    static inline const QString unreadableMark = QStringLiteral("necitelny");
};

inline void registerFakeDocuments() {
    for (int kind : {wordSearchDocument, crosswordDocument, crissCrossDocument, swedishDocument})
        registerDocumentKind(kind, [kind] { return new FakeDocument(kind); });
}
