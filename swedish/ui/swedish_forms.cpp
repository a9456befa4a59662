#include "swedish/ui/swedish_forms.h"

#include "swedish/ui/legend_form.h"
#include "swedish/ui/print_form.h"

#include <QObject>
#include <QWidget>

Tsvelegform* svelegform = nullptr;
Twaitform3* waitform3 = nullptr;
Ttisksvekriform* tisksvekriform = nullptr;

namespace {

// Makes the form; its pointer is cleared whoever frees it.
template <class Form>
void createForm(Form*& instance, QWidget* mainWindow) {
    instance = new Form(mainWindow);
    QObject::connect(instance, &QObject::destroyed, [&instance] { instance = nullptr; });
}

}  // namespace

void createSwedishForms(QWidget* mainWindow) {
    if (!svelegform) createForm(svelegform, mainWindow);
    if (!waitform3) createForm(waitform3, mainWindow);
    if (!tisksvekriform) createForm(tisksvekriform, mainWindow);
}

void destroySwedishForms() {
    delete tisksvekriform;
    delete waitform3;
    delete svelegform;
}
