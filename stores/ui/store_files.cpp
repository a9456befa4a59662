#include "stores/ui/store_files.h"

#include "platform/ui/background.h"
#include "platform/ui/desktop.h"
#include "platform/ui/placement.h"
#include "stores/core/word_stores.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

Twaitform2::Twaitform2(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("waitform2"));
    setWindowTitle(QStringLiteral("Mindgrid!"));
    // Nothing else takes input while the clues load.
    setWindowModality(Qt::ApplicationModal);
    Label1 = new QLabel(QStringLiteral("Načítám legendu..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(220);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(Label1);
}

void Twaitform2::showEvent(QShowEvent* event) {
    centreWindow(this, mainWindow_);
    QDialog::showEvent(event);
}

void Twaitform2::closeEvent(QCloseEvent* event) { event->ignore(); }

void ensureLegendsLoaded(QWidget* from) {
    static bool loading = false;
    if (legendsLoaded || loading) return;
    loading = true;

    LegendLoadResult result;
    {
        QWidget* mainWindow = mainWindowOf(from);
        Twaitform2 notice(mainWindow);
        notice.show();
        runInBackground([&result] { result = loadLegends(); });
        notice.hide();
    }
    legendsLoaded = true;
    loading = false;
    if (result.failed()) desktop::warning(mainWindowOf(from), QStringLiteral("Nelze otevřít soubor s legendou."));
}

void saveWordStores(QWidget* parent) {
    if (!saveUserDictionary())
        desktop::warning(parent, QStringLiteral("Chyba při ukládání slov do uživatelského slovníku. Slovník proto "
                                                "nebude obsahovat nově přidaná slova."));
    if (!saveLegends())
        desktop::warning(parent, QStringLiteral("Chyba při ukládání legendy. Nově zapamatované legendy proto "
                                                "nebudou uloženy."));
}
