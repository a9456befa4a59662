#pragma once
// Window hooks: a TWindowHook lets its owner see the events of a widget before
// and after the widget's own handling, without the widget's cooperation.
//
// Several hooks may watch one widget; they share one TControlHook, an event
// filter on that widget, and every control hook is listed in hookList().
// - Before-handlers run from the last hook added to the first and stop at the
//   first that sets `handled`; a handled event is consumed (the widget never
//   sees it), except the events that end a widget (deferred deletion, the
//   native window going away), which always pass. QEvent::Quit reaches no handler.
// - After-handlers run, in the same order, after the widget has handled the
//   event.
// - A handler that throws is reported in a warning box and the next one runs.
// - Detaching removes only the control hook's own filter: filters others put
//   on the widget stay. A control hook left without hooks is freed on the next
//   turn of the event loop (a queued call), never inside the event it serves.
// The filter belongs to the widget object, not to its native window, so a
// widget whose native window is made anew stays hooked.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QEvent;
class TControlHook;

class TWindowHook : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ active WRITE setActive)

public:
    // sender (the hook), the event, handled (in and out).
    using MessageEvent = std::function<void(TWindowHook* sender, QEvent* event, bool& handled)>;

    explicit TWindowHook(QObject* owner = nullptr);
    ~TWindowHook() override;

    // The watched widget: the control hook's when attached, else the one set.
    QWidget* winControl() const;
    void setWinControl(QWidget* control);
    bool active() const { return active_; }
    void setActive(bool active);

    MessageEvent BeforeMessage;
    MessageEvent AfterMessage;

private:
    friend class TControlHook;
    void activate();
    void deactivate();
    void controlGone();

    QPointer<QWidget> control_;
    TControlHook* hook_ = nullptr;
    bool active_ = true;
    bool destroying_ = false;
};

// The one event filter on a watched widget and the hooks it serves.
class TControlHook : public QObject {
    Q_OBJECT
public:
    explicit TControlHook(QWidget* control);
    ~TControlHook() override;

    QWidget* control() const { return control_; }
    const std::vector<TWindowHook*>& clients() const { return clients_; }
    bool installed() const { return installed_; }

    void addClient(TWindowHook* hook);
    // Removes the hook; the last one gone takes the filter off the widget.
    void removeClient(TWindowHook* hook);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void install();
    void uninstall();
    bool serving() const;
    // Runs the handlers of one kind; true when one set handled.
    bool runHandlers(TWindowHook::MessageEvent TWindowHook::*handler, QEvent* event);

    QPointer<QWidget> control_;
    std::vector<TWindowHook*> clients_;
    bool installed_ = false;
    bool destroying_ = false;
};

class THookList {
public:
    THookList();
    ~THookList();
    THookList(const THookList&) = delete;
    THookList& operator=(const THookList&) = delete;

    // The control hook of a widget, or nullptr.
    TControlHook* find(const QWidget* control) const;
    TControlHook* obtain(QWidget* control);
    bool contains(const TControlHook* hook) const;
    std::size_t size() const { return hooks_.size(); }
    // Frees the control hook on the next turn of the event loop, if it still has no hooks then.
    void postFree(TControlHook* hook);
    void remove(TControlHook* hook);

private:
    std::vector<TControlHook*> hooks_;
    QObject utility_;
};

THookList& hookList();
