#pragma once
// Modal dialogs in window tests. A dialog that the code under test runs
// modally (exec) must be answered by the test: whenModal / whenDialog answer
// the next one, ModalAnswers every one while it lives. A modal dialog that
// opens while nothing is there to answer it fails the running test and is
// closed, so the test goes on instead of waiting for a user (see qt_main.cpp).

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

// Drives a modal dialog that the code under test is about to open: `act` runs
// on the dialog as soon as it is the active modal widget (or after `timeoutMs`
// with nullptr, so a test fails instead of hanging).
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

// Runs `answer` on every modal dialog that comes up while it lives, once
// per dialog shown, so that a test can answer a chain of dialogs (and a
// dialog that was not expected is closed instead of hanging the test). A
// dialog that `answer` closes by opening another (a refusal, say) has to be
// closed after `answer` returns (QTimer::singleShot), so the next one is
// answered too.
class ModalAnswers {
public:
    explicit ModalAnswers(std::function<void(QWidget*)> answer);
    ~ModalAnswers();
    // The next showing of the same dialog counts as a new one.
    void forget() { handled_ = nullptr; }

private:
    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    QWidget* handled_ = nullptr;
};

// Makes an unanswered modal dialog fail the running test and closes it;
// installed once on the application.
void failOnUnansweredDialogs();
