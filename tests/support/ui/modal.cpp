#include "support/ui/modal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace {
void poll(std::shared_ptr<std::function<void(QWidget*)>> act, std::shared_ptr<QElapsedTimer> clock, int timeoutMs) {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        (*act)(dialog);
        return;
    }
    if (clock->elapsed() > timeoutMs) {
        (*act)(nullptr);
        return;
    }
    QTimer::singleShot(10, [=] { poll(act, clock, timeoutMs); });
}
}  // namespace

void whenModal(std::function<void(QWidget*)> act, int timeoutMs) {
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(act));
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QTimer::singleShot(0, [=] { poll(shared, clock, timeoutMs); });
}

ModalAnswers::ModalAnswers(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == handled_) return;
        handled_ = dialog;
        answer_(dialog);
    });
    timer_.start();
}
