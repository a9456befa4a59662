#include "formstate/ui/window_hook.h"

#include "platform/ui/desktop.h"

#include <QEvent>
#include <QPlatformSurfaceEvent>

#include <algorithm>
#include <exception>

namespace {

// Events that end a widget or its native window: the widget must see them whatever a hook says.
bool endsTheWidget(const QEvent* event) {
    if (event->type() == QEvent::DeferredDelete) return true;
    return event->type() == QEvent::PlatformSurface &&
           static_cast<const QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
               QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed;
}

}  // namespace

// ---- TWindowHook -----------------------------------------------------------

TWindowHook::TWindowHook(QObject* owner) : QObject(owner) {}

TWindowHook::~TWindowHook() {
    destroying_ = true;
    deactivate();
    control_ = nullptr;
}

QWidget* TWindowHook::winControl() const { return hook_ ? hook_->control() : control_.data(); }

void TWindowHook::setWinControl(QWidget* control) {
    if (control == winControl()) return;
    deactivate();
    if (control_) disconnect(control_, &QObject::destroyed, this, nullptr);
    control_ = control;
    if (control) connect(control, &QObject::destroyed, this, [this] { controlGone(); });
    if (active_) activate();
}

void TWindowHook::setActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (active) activate();
    else deactivate();
}

void TWindowHook::activate() {
    if (!control_ || destroying_ || hook_) return;
    hook_ = hookList().obtain(control_);
    hook_->addClient(this);
}

void TWindowHook::deactivate() {
    TControlHook* hook = hook_;
    if (!hook) return;
    hook_ = nullptr;
    hook->removeClient(this);
    if (hook->clients().empty()) hookList().postFree(hook);
}

void TWindowHook::controlGone() {
    deactivate();
    control_ = nullptr;
}

// ---- TControlHook ----------------------------------------------------------

TControlHook::TControlHook(QWidget* control) : control_(control) {}

TControlHook::~TControlHook() {
    destroying_ = true;
    hookList().remove(this);
    while (!clients_.empty()) {
        TWindowHook* client = clients_.back();
        client->hook_ = nullptr;
        removeClient(client);
    }
    uninstall();
    control_ = nullptr;
}

void TControlHook::addClient(TWindowHook* hook) {
    if (std::find(clients_.begin(), clients_.end(), hook) == clients_.end()) clients_.push_back(hook);
    install();
}

void TControlHook::removeClient(TWindowHook* hook) {
    std::erase(clients_, hook);
    if (clients_.empty()) uninstall();
}

void TControlHook::install() {
    if (!control_ || destroying_ || installed_) return;
    control_->installEventFilter(this);
    installed_ = true;
}

void TControlHook::uninstall() {
    // Only our own filter goes; a filter installed after it stays where it is.
    if (installed_ && control_) control_->removeEventFilter(this);
    installed_ = false;
}

bool TControlHook::serving() const { return !clients_.empty() && control_ && !destroying_; }

bool TControlHook::runHandlers(TWindowHook::MessageEvent TWindowHook::*handler, QEvent* event) {
    const std::vector<TWindowHook*> clients = clients_;  // a handler may detach hooks
    bool handled = false;
    for (auto client = clients.rbegin(); client != clients.rend(); ++client) {
        if (!serving() || std::find(clients_.begin(), clients_.end(), *client) == clients_.end()) continue;
        const TWindowHook::MessageEvent& run = (*client)->*handler;
        if (!run) continue;
        try {
            run(*client, event, handled);
        } catch (const std::exception& error) {
            desktop::warning(control_, QString::fromLocal8Bit(error.what()));
        } catch (...) {
            desktop::warning(control_, QStringLiteral("Neznámá chyba."));
        }
        if (handled) return true;
    }
    return false;
}

bool TControlHook::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_ || !serving() || event->type() == QEvent::Quit) return false;
    if (runHandlers(&TWindowHook::BeforeMessage, event) && !endsTheWidget(event)) return true;
    const bool after = std::any_of(clients_.begin(), clients_.end(),
                                   [](const TWindowHook* client) { return bool(client->AfterMessage); });
    if (!after) return false;
    // The widget handles the event here and now, so that the after-handlers follow it.
    const QPointer<QObject> alive(watched);
    watched->event(event);
    if (alive && serving()) runHandlers(&TWindowHook::AfterMessage, event);
    return true;
}

// ---- THookList -------------------------------------------------------------

THookList::THookList() = default;

THookList::~THookList() {
    while (!hooks_.empty()) delete hooks_.back();  // each takes itself off the list
}

TControlHook* THookList::find(const QWidget* control) const {
    for (TControlHook* hook : hooks_)
        if (hook->control() == control) return hook;
    return nullptr;
}

TControlHook* THookList::obtain(QWidget* control) {
    if (TControlHook* hook = find(control)) return hook;
    hooks_.push_back(new TControlHook(control));
    return hooks_.back();
}

bool THookList::contains(const TControlHook* hook) const {
    return std::find(hooks_.begin(), hooks_.end(), hook) != hooks_.end();
}

void THookList::postFree(TControlHook* hook) {
    QMetaObject::invokeMethod(
        &utility_,
        [this, hook] {
            if (contains(hook) && hook->clients().empty()) delete hook;
        },
        Qt::QueuedConnection);
}

void THookList::remove(TControlHook* hook) { std::erase(hooks_, hook); }

THookList& hookList() {
    static THookList list;
    return list;
}
