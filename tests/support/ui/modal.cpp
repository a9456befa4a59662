#include "support/ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace {

// whenModal calls waiting for their dialog, and ModalAnswers alive.
int& answerers() {
    static int count = 0;
    return count;
}

// The dialogs a whenModal call took, while they stay shown.
QList<QPointer<QWidget>>& answered() {
    static QList<QPointer<QWidget>> dialogs;
    return dialogs;
}

void poll(std::shared_ptr<std::function<void(QWidget*)>> act, std::shared_ptr<QElapsedTimer> clock, int timeoutMs) {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        --answerers();
        answered().append(dialog);
        (*act)(dialog);
        return;
    }
    if (clock->elapsed() > timeoutMs) {
        --answerers();
        (*act)(nullptr);
        return;
    }
    QTimer::singleShot(10, [=] { poll(act, clock, timeoutMs); });
}

// Runs at the first turn of an event loop after the dialog showed. When that
// loop is one the showing started (exec), the dialog waits in it for a user,
// and with nothing to answer it that wait would never end.
void closeUnanswered(const QPointer<QWidget>& dialog, int loopLevelAtShow) {
    if (!dialog || !dialog->isVisible() || answerers() > 0 || answered().contains(dialog)) return;
    if (QThread::currentThread()->loopLevel() <= loopLevelAtShow) return;
    QString what = QString::fromLatin1(dialog->metaObject()->className()) + QStringLiteral(" \"") +
                   dialog->windowTitle() + QLatin1Char('"');
    if (const auto* box = qobject_cast<QMessageBox*>(dialog.data())) what += QStringLiteral(": ") + box->text();
    ADD_FAILURE() << "a modal dialog opened that the test does not answer: " << what.toStdString();
    if (auto* modal = qobject_cast<QDialog*>(dialog.data())) modal->done(QDialog::Rejected);
    else dialog->close();
}

class UnansweredDialogs : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            // exec() makes a dialog modal as it shows it; a window that set
            // its own modality (a notice while loading) is only shown.
            if (widget->isWindow() && widget->isModal() && !widget->testAttribute(Qt::WA_SetWindowModality)) {
                const QPointer<QWidget> dialog(widget);
                answered().removeAll(dialog);  // answered at an earlier showing
                answered().removeAll(nullptr);
                const int level = QThread::currentThread()->loopLevel();
                QTimer::singleShot(0, [dialog, level] { closeUnanswered(dialog, level); });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void whenModal(std::function<void(QWidget*)> act, int timeoutMs) {
    ++answerers();
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(act));
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QTimer::singleShot(0, [=] { poll(shared, clock, timeoutMs); });
}

ModalAnswers::ModalAnswers(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    ++answerers();
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == handled_) return;
        handled_ = dialog;
        answer_(dialog);
    });
    timer_.start();
}

ModalAnswers::~ModalAnswers() { --answerers(); }

void failOnUnansweredDialogs() { qApp->installEventFilter(new UnansweredDialogs(qApp)); }
