#include "formstate/ui/form_storage.h"

#include "formstate/ui/qt_component.h"
#include "formstate/ui/qt_form.h"
#include "formstate/ui/window_hook.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/file_messages.h"

#include <QCloseEvent>
#include <QDialog>
#include <QShowEvent>
#include <QWidget>

using namespace formstate;

TFormPlacement::TFormPlacement(QWidget* form)
    : TFormPlacement(form, [](StorageForm* adapter) { return std::make_unique<FormPlacement>(adapter); }) {}

TFormPlacement::TFormPlacement(QWidget* form, const MakeCore& make)
    : QObject(form), form_(form), adapter_(std::make_unique<QtForm>(form, this)), core_(make(adapter_.get())),
      hook_(new TWindowHook(this)) {
    setObjectName(QStringLiteral("FormStorage1"));
    core_->reportError = [this](const std::exception& error) { showFailure(error); };
    core_->onSavePlacement = [this] {
        if (OnSavePlacement) OnSavePlacement();
    };
    core_->onRestorePlacement = [this] {
        if (OnRestorePlacement) OnRestorePlacement();
    };
    hadMaximiseButton_ = form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
    designedMinimum_ = form->minimumSize();
    designedMaximum_ = form->maximumSize();
    hook_->AfterMessage = [this](TWindowHook*, QEvent* event, bool&) {
        if (event->type() == QEvent::Show || event->type() == QEvent::Resize) applyLimits();
    };
    form->installEventFilter(this);
    if (auto* dialog = qobject_cast<QDialog*>(form))
        connect(dialog, &QDialog::finished, this, [this] { core_->formCloseQuery(true); });
    updateHook();
}

TFormPlacement::~TFormPlacement() {
    if (form_) form_->removeEventFilter(this);
    delete hook_;
    hook_ = nullptr;
    components_.clear();
}

QString TFormPlacement::iniFileName() const { return toQString(core_->iniFileName); }
void TFormPlacement::setIniFileName(const QString& name) { core_->iniFileName = fromQString(name).value_or(""); }
QString TFormPlacement::iniSection() const { return toQString(core_->iniSection); }
void TFormPlacement::setIniSection(const QString& section) { core_->iniSection = fromQString(section).value_or(""); }

void TFormPlacement::setPreventResize(bool prevent) {
    if (prevent == core_->preventResize) return;
    core_->preventResize = prevent;
    // No maximise button for a form that keeps its size; its own choice otherwise.
    const bool button = !prevent && hadMaximiseButton_;
    if (form_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint) != button) {
        const bool shown = form_->isVisible();
        form_->setWindowFlag(Qt::WindowMaximizeButtonHint, button);
        if (shown) form_->show();
    }
    updateHook();
}

void TFormPlacement::setMinMaxInfo(const WinMinMaxInfo& info) {
    if (info == core_->minMaxInfo) return;
    core_->minMaxInfo = info;
    updateHook();
}

void TFormPlacement::updateHook() {
    hook_->setWinControl(core_->needsHook() ? form_ : nullptr);
    if (core_->needsHook()) {
        applyLimits();
    } else {
        // No limits any more: the sizes the form was designed with.
        form_->setMinimumSize(designedMinimum_);
        form_->setMaximumSize(designedMaximum_);
    }
}

void TFormPlacement::applyLimits() {
    if (core_->preventResize) {
        form_->setFixedSize(form_->size());
        return;
    }
    const WinMinMaxInfo& info = core_->minMaxInfo;
    const QSize minimum = designedMinimum_;
    const QSize maximum = designedMaximum_;
    form_->setMinimumSize(info.minTrackWidth ? info.minTrackWidth : minimum.width(),
                          info.minTrackHeight ? info.minTrackHeight : minimum.height());
    form_->setMaximumSize(info.maxTrackWidth ? info.maxTrackWidth : maximum.width(),
                          info.maxTrackHeight ? info.maxTrackHeight : maximum.height());
}

void TFormPlacement::showFailure(const std::exception& error) {
    if (const auto* write = dynamic_cast<const IniWriteError*>(&error)) {
        desktop::warning(form_, QStringLiteral("Unable to write to %1").arg(displayPath(write->path)));
        return;
    }
    desktop::warning(form_, QString::fromLocal8Bit(error.what()));
}

void TFormPlacement::saveState() { core_->saveState(); }
void TFormPlacement::restoreState() { core_->restoreState(); }
bool TFormPlacement::saveStateReported() { return core_->saveStateReported(); }

void TFormPlacement::formDestroy() { core_->formDestroy(); }

Component* TFormPlacement::component(QObject* object) {
    auto found = components_.find(object);
    if (found == components_.end()) {
        const bool isForm = object == form_;
        Component* owner = isForm ? nullptr : component(form_);
        auto adapter = std::make_unique<QtComponent>(object, owner, isForm);
        adapter->setStorage(this);
        found = components_.emplace(object, std::move(adapter)).first;
        if (!isForm)
            connect(object, &QObject::destroyed, this, [this, object] {
                const auto gone = components_.find(object);
                if (gone == components_.end()) return;
                if (auto* storage = dynamic_cast<FormStorage*>(core_.get())) storage->componentRemoved(gone->second.get());
                components_.erase(gone);
            });
    }
    return found->second.get();
}

bool TFormPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_) return false;
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        core_->formShow();
        return false;
    }
    if (event->type() == QEvent::Close && !qobject_cast<QDialog*>(form_)) {
        // The form decides first; a close it accepted saves.
        watched->event(event);
        core_->formCloseQuery(event->isAccepted());
        return true;
    }
    return false;
}

// ---- TFormStorage ----------------------------------------------------------

TFormStorage::TFormStorage(QWidget* form)
    : TFormPlacement(form, [](StorageForm* adapter) { return std::make_unique<FormStorage>(adapter); }) {}

QStringList TFormStorage::storedProps() const {
    QStringList list;
    for (const std::string& entry : const_cast<TFormStorage*>(this)->storage().storedPropNames())
        list << toQString(entry);
    return list;
}

void TFormStorage::setStoredProps(const QStringList& entries) {
    std::vector<std::string> list;
    for (const QString& entry : entries) list.push_back(fromQString(entry).value_or(""));
    storage().setStoredProps(list);
}
