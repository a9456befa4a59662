#include "formstate/ui/window_hook.h"

#include "formstate/ui/form_storage.h"
#include "support/ui/scripted_desktop.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr auto probeEvent = static_cast<QEvent::Type>(QEvent::User + 7);

// A widget that writes down the probe events it handles.
class Probe : public QWidget {
public:
    QStringList* log = nullptr;
    // Its native window goes and a new one is made.
    void makeNativeWindowAnew() {
        destroy();
        create();
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == probeEvent && log) *log << QStringLiteral("widget");
        return QWidget::event(event);
    }
};

// A filter of someone else that counts probe events.
class Counter : public QObject {
public:
    int seen = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        seen += event->type() == probeEvent;
        return false;
    }
};

// A hook on `widget` that writes "<name> before" / "<name> after" for probe events.
TWindowHook* watch(QWidget* widget, const QString& name, QStringList& log, bool handles = false) {
    auto* hook = new TWindowHook(widget);
    hook->BeforeMessage = [&log, name, handles](TWindowHook*, QEvent* event, bool& handled) {
        if (event->type() != probeEvent && event->type() != QEvent::Quit) return;
        log << name + QStringLiteral(" before");
        handled = handles;
    };
    hook->AfterMessage = [&log, name](TWindowHook*, QEvent* event, bool&) {
        if (event->type() == probeEvent) log << name + QStringLiteral(" after");
    };
    hook->setWinControl(widget);
    return hook;
}

void sendProbe(QWidget* widget) {
    QEvent event(probeEvent);
    QApplication::sendEvent(widget, &event);
}

TEST(WindowHook, BeforeHandlersRunLastFirstAndAfterHandlersFollowTheWidget) {
    QStringList log;
    Probe widget;
    widget.log = &log;
    watch(&widget, QStringLiteral("first"), log);
    watch(&widget, QStringLiteral("second"), log);
    ASSERT_NE(hookList().find(&widget), nullptr);
    EXPECT_EQ(hookList().find(&widget)->clients().size(), 2u) << "one control hook serves both";

    sendProbe(&widget);
    EXPECT_EQ(log, (QStringList{"second before", "first before", "widget", "second after", "first after"}));

    // QEvent::Quit reaches no handler.
    log.clear();
    QEvent quit(QEvent::Quit);
    QApplication::sendEvent(&widget, &quit);
    EXPECT_TRUE(log.isEmpty()) << log.join(", ").toStdString();
}

TEST(WindowHook, AHandledEventIsConsumedButTheWidgetStillGoes) {
    QStringList log;
    auto* widget = new Probe;
    widget->log = &log;
    watch(widget, QStringLiteral("first"), log);
    TWindowHook* stopper = watch(widget, QStringLiteral("stopper"), log, true);

    sendProbe(widget);
    EXPECT_EQ(log, QStringList{"stopper before"}) << "neither the widget, the earlier hook nor the after-handlers";

    // Deferred deletion passes whatever a hook says.
    stopper->BeforeMessage = [](TWindowHook*, QEvent*, bool& handled) { handled = true; };
    const QPointer<QWidget> alive(widget);
    widget->deleteLater();
    QApplication::sendPostedEvents(widget, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST(WindowHook, AThrowingHandlerIsReportedAndTheNextRuns) {
    ScriptedDesktop desktop;
    QStringList log;
    Probe widget;
    widget.log = &log;
    watch(&widget, QStringLiteral("first"), log);
    auto* thrower = new TWindowHook(&widget);
    thrower->BeforeMessage = [](TWindowHook*, QEvent* event, bool&) {
        if (event->type() == probeEvent) throw std::runtime_error("hook failed");
    };
    thrower->setWinControl(&widget);

    sendProbe(&widget);
    EXPECT_EQ(log, (QStringList{"first before", "widget", "first after"}));
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("hook failed")});
}

TEST(WindowHook, ANewNativeWindowStaysHooked) {
    QStringList log;
    Probe widget;
    widget.log = &log;
    watch(&widget, QStringLiteral("hook"), log);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    const QPointer<QWindow> before = widget.windowHandle();
    widget.makeNativeWindowAnew();
    EXPECT_TRUE(before.isNull()) << "the native window went";
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));

    sendProbe(&widget);
    EXPECT_EQ(log, (QStringList{"hook before", "widget", "hook after"}));
}

TEST(WindowHook, DetachingLeavesLaterFiltersAndFreesTheControlHookLater) {
    QStringList log;
    Probe widget;
    widget.log = &log;
    TWindowHook* hook = watch(&widget, QStringLiteral("hook"), log);
    Counter later;
    widget.installEventFilter(&later);

    hook->setActive(false);
    sendProbe(&widget);
    EXPECT_EQ(log, QStringList{"widget"});
    EXPECT_EQ(later.seen, 1) << "the filter put on after the hook still sees the events";
    EXPECT_NE(hookList().find(&widget), nullptr) << "freed on the next turn of the event loop, not at once";
    QTRY_COMPARE(hookList().find(&widget), nullptr);

    // Active again: a new control hook; deleting the hook detaches it too.
    hook->setActive(true);
    EXPECT_EQ(hook->winControl(), &widget);
    delete hook;
    sendProbe(&widget);
    EXPECT_EQ(log, (QStringList{"widget", "widget"}));
    EXPECT_EQ(later.seen, 2);
    QTRY_COMPARE(hookList().find(&widget), nullptr);
}

TEST(WindowHook, AFormIsHookedOnlyForLimitsOrAFixedSize) {
    QWidget form;
    form.resize(320, 200);
    TFormStorage storage(&form);
    EXPECT_EQ(hookList().find(&form), nullptr) << "at the defaults";
    EXPECT_EQ(storage.windowHook()->winControl(), nullptr);

    formstate::WinMinMaxInfo limits;
    limits.minTrackWidth = 300;
    limits.maxTrackHeight = 250;
    storage.setMinMaxInfo(limits);
    ASSERT_NE(hookList().find(&form), nullptr);
    EXPECT_EQ(form.minimumWidth(), 300);
    EXPECT_EQ(form.maximumHeight(), 250);

    storage.setMinMaxInfo({});
    EXPECT_EQ(form.minimumWidth(), 0) << "no limits: the designed sizes again";
    EXPECT_EQ(form.maximumHeight(), QWIDGETSIZE_MAX);
    QTRY_COMPARE(hookList().find(&form), nullptr);
    storage.setPreventResize(true);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "a fixed size";
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    storage.setPreventResize(false);
    EXPECT_NE(form.minimumSize(), form.maximumSize());
    QTRY_COMPARE(hookList().find(&form), nullptr);
}

}  // namespace
