#include "frame/ui/application.h"

#include "frame/ui/about_box.h"
#include "frame/ui/icons.h"
#include "frame/ui/main_form.h"
#include "frame/ui/new_form.h"
#include "frame/ui/dictionary_chooser.h"
#include "frame/ui/settings_form.h"
#include "frame/ui/size_form.h"
#include "frame/ui/tajenka_form.h"
#include "frame/ui/vodsvi_form.h"

#include <QApplication>

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("grilpad"));
    QApplication::setApplicationDisplayName(QStringLiteral("Mindgrid!"));
    QApplication::setWindowIcon(programIcon());
}

void createForms(const QStringList& parameters) {
    // The frame first: its creation reads the settings the dialogs show.
    new TMindgridMainForm(parameters);
    AboutBox = new TAboutBox;
    novyform = new Tnovyform;
    nastavvelform = new Tnastavvelform;
    tajenkaform = new Ttajenkaform;
    vodsviform = new Tvodsviform;
    nastaveniform = new Tnastaveniform;
    nastaveniform->chooseDictionaries = [](int tag) { runDictionaryChooser(nastaveniform, tag); };
}

void destroyForms() {
    delete nastaveniform;
    nastaveniform = nullptr;
    delete vodsviform;
    vodsviform = nullptr;
    delete tajenkaform;
    tajenkaform = nullptr;
    delete nastavvelform;
    nastavvelform = nullptr;
    delete novyform;
    novyform = nullptr;
    delete AboutBox;
    AboutBox = nullptr;
    delete MindgridMainForm;  // clears the pointer itself
}

int runGrilpad(int argc, char** argv) {
    QApplication application(argc, argv);
    setUpApplication();
    createForms(QApplication::arguments().mid(1));
    MindgridMainForm->show();
    const int result = QApplication::exec();
    destroyForms();
    return result;
}
