#pragma once
// Drives a modal dialog that the code under test is about to open: `act` runs
// on the dialog as soon as it is the active modal widget (or after `timeoutMs`
// with nullptr, so a test fails instead of hanging).

#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

void whenModal(std::function<void(QWidget* dialog)> act, int timeoutMs = 5000);

// The same for a dialog of the class `Dialog`: the test fails, and `act` does
// not run, when no such dialog opens.
template <class Dialog>
void whenDialog(std::function<void(Dialog* dialog)> act, int timeoutMs = 5000) {
    whenModal(
        [act = std::move(act)](QWidget* widget) {
            auto* dialog = qobject_cast<Dialog*>(widget);
            ASSERT_NE(dialog, nullptr) << "no " << Dialog::staticMetaObject.className() << " opened";
            act(dialog);
        },
        timeoutMs);
}
