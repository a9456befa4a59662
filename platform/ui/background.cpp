#include "platform/ui/background.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <exception>
#include <thread>

void runInBackground(const std::function<void()>& work) {
    if (!QCoreApplication::instance()) {
        work();
        return;
    }
    QEventLoop loop;
    std::exception_ptr failure;
    {
        std::jthread worker([&] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
            // Queued, so it also works when the loop has not started yet: the call
            // waits in the loop's queue until exec() runs it.
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }  // joined here: everything the work wrote is visible from now on
    if (failure) std::rethrow_exception(failure);
}
