#pragma once
// Start-up of grilpad.

#include <QStringList>

#include <functional>

// The application's title and icon.
void setUpApplication();

// Creates the main window (which reads the settings and loads the word
// stores), then the dialogs that live as long as the program, each reached
// through its global pointer. `parameters` is the command line without the
// program itself.
void createForms(const QStringList& parameters);

// Frees what createForms made, dialogs first.
void destroyForms();

// Dialogs a puzzle kind adds to the program's single-instance forms, so that
// the frame's library names no kind's form. app/main.cpp registers them before
// the program starts; createForms then makes each one right after the frame's
// own dialog at its place (several at one place in the order registered), and
// destroyForms frees them with the others, in the reverse order of creation.
enum class KindFormPlace {
    afterQuestionDialog,  // after the question dialog `Tvodsviform`
    afterDesigner,        // after the shape designer `Tnavrharform`
};

// Registers (or, for the same `key`, replaces) a form of a kind: `create` makes
// it, `destroy` frees it. Forms made already are not affected: a registration
// counts from the next createForms on.
void registerKindForm(KindFormPlace place, const void* key, std::function<void()> create,
                      std::function<void()> destroy);

// The usual registration: the form is reached through its global pointer
// `instance`, which holds it from createForms to destroyForms and is nullptr
// otherwise.
template <class Form>
void registerKindForm(KindFormPlace place, Form*& instance) {
    registerKindForm(
        place, &instance, [&instance] { instance = new Form; },
        [&instance] {
            delete instance;
            instance = nullptr;
        });
}

// The whole program: set-up, forms, the main window, the event loop.
int runGrilpad(int argc, char** argv);
