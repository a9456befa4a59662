#include "frame/ui/application.h"

#include "document/ui/designer_form.h"
#include "document/ui/direction_form.h"
#include "document/ui/icons.h"
#include "document/ui/phrase_form.h"
#include "document/ui/picture_form.h"
#include "document/ui/size_form.h"
#include "frame/ui/about_box.h"
#include "frame/ui/main_form.h"
#include "frame/ui/new_form.h"
#include "frame/ui/settings_form.h"
#include "platform/ui/desktop.h"
#include "platform/ui/qt_translation.h"
#include "stores/ui/dictionary_chooser.h"
#include "stores/ui/dictionary_picker_form.h"
#include "stores/ui/word_editor_form.h"

#include <QApplication>

#include <functional>
#include <vector>

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("grilpad"));
    // Qt would show every window's title followed by " — " and a display
    // name; grilpad's windows carry their whole captions, so it has none, and
    // its message boxes take the program's name as their title.
    desktop::setBoxTitle(QStringLiteral("Mindgrid!"));
    QApplication::setWindowIcon(programIcon());
}

namespace {

// The single-instance dialogs in the order they were created; destroyForms
// frees them in the reverse order and clears their global pointers.
std::vector<std::function<void()>>& formReleasers() {
    static std::vector<std::function<void()>> releasers;
    return releasers;
}

template <typename Form>
void createForm(Form*& instance) {
    instance = new Form;
    formReleasers().push_back([&instance] {
        delete instance;
        instance = nullptr;
    });
}

struct KindForm {
    KindFormPlace place;
    const void* key;
    std::function<void()> create;
    std::function<void()> destroy;
};

std::vector<KindForm>& kindForms() {
    static std::vector<KindForm> forms;
    return forms;
}

// The forms the kinds registered for `place`, in their order.
void createKindForms(KindFormPlace place) {
    for (const KindForm& form : kindForms()) {
        if (form.place != place) continue;
        form.create();
        formReleasers().push_back(form.destroy);
    }
}

}  // namespace

void registerKindForm(KindFormPlace place, const void* key, std::function<void()> create,
                      std::function<void()> destroy) {
    KindForm form{place, key, std::move(create), std::move(destroy)};
    for (KindForm& registered : kindForms())
        if (registered.key == key) {
            registered = std::move(form);
            return;
        }
    kindForms().push_back(std::move(form));
}

void createForms(const QStringList& parameters) {
    // The frame first: its creation reads the settings the dialogs show.
    new TMindgridMainForm(parameters);
    createForm(AboutBox);
    createForm(novyform);
    createForm(nastavvelform);
    createForm(tajenkaform);
    createForm(vodsviform);
    createKindForms(KindFormPlace::afterQuestionDialog);
    createForm(nastaveniform);
    nastaveniform->chooseDictionaries = [](int tag) { runDictionaryChooser(nastaveniform, tag); };
    createForm(upravitslovaform);
    // The dictionary chooser of the settings is made each time it is used.
    createForm(vybratslovnikform);
    createForm(pictureform);
    createForm(navrharform);
    createKindForms(KindFormPlace::afterDesigner);
}

void destroyForms() {
    auto& releasers = formReleasers();
    while (!releasers.empty()) {
        releasers.back()();
        releasers.pop_back();
    }
    delete MindgridMainForm;  // clears the pointer itself
}

int runGrilpad(int argc, char** argv) {
    QApplication application(argc, argv);
    setUpApplication();
    loadQtCzechTranslation();
    createForms(QApplication::arguments().mid(1));
    MindgridMainForm->show();
    const int result = QApplication::exec();
    destroyForms();
    return result;
}
