#include "formstate/ui/form_storage.h"

#include "formstate/ui/window_hook.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/placement.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QWidget>

#include <bit>
#include <cctype>
#include <cmath>

namespace formstate {

namespace {

std::string text(const QString& value) { return fromQString(value).value_or(std::string()); }

PlacementRect rectOf(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

// Element names of a Qt flag type by bit: bit n is the key whose value is 1 << n.
std::vector<std::string> flagNames(const QMetaEnum& flags) {
    std::vector<std::string> names;
    for (int k = 0; k < flags.keyCount(); ++k) {
        const unsigned value = static_cast<unsigned>(flags.value(k));
        if (value == 0 || (value & (value - 1)) != 0) continue;
        const auto bit = static_cast<std::size_t>(std::countr_zero(value));
        if (bit >= 32) continue;
        if (names.size() <= bit) names.resize(bit + 1);
        names[bit] = flags.key(k);
    }
    return names;
}

}  // namespace

// A QObject as a component: its Qt properties, first letter upper-cased.
class QtComponent : public Component {
public:
    QtComponent(QObject* object, Component* owner, bool form) : object_(object), owner_(owner), form_(form) {
        const QMetaObject* meta = object->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isReadable()) continue;
            PropInfo info;
            info.name = property.name();
            if (!info.name.empty()) info.name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(info.name[0])));
            if (!kindOf(property, info)) continue;
            infos_.push_back(info);
            properties_.emplace(info.name, property);
        }
    }

    std::string name() const override { return object_ ? text(object_->objectName()) : std::string(); }
    std::string className() const override { return object_ ? object_->metaObject()->className() : ""; }
    Component* owner() const override { return owner_; }
    bool isForm() const override { return form_; }
    bool isControl() const override { return object_ && object_->isWidgetType() && !form_; }

    Component* findComponent(std::string_view name) const override;
    void setStorage(TFormPlacement* storage) { storage_ = storage; }

    std::vector<PropInfo> properties() const override { return infos_; }

    std::int64_t ordinalValue(const PropInfo& info) const override {
        const QMetaProperty* property = find(info);
        if (!property) return 0;
        const QVariant value = property->read(object_);
        switch (info.kind) {
            case PropKind::Enumeration:
                if (property->metaType().id() == QMetaType::Bool) return value.toBool() ? 1 : 0;
                for (int k = 0; k < property->enumerator().keyCount(); ++k)
                    if (property->enumerator().value(k) == value.toInt()) return k;
                return -1;
            case PropKind::Set: {
                std::int64_t bits = 0;
                const unsigned flags = value.toUInt();
                for (std::size_t bit = 0; bit < info.names.size(); ++bit)
                    if (!info.names[bit].empty() && (flags >> bit) & 1) bits |= std::int64_t{1} << bit;
                return bits;
            }
            case PropKind::WChar:
                return value.value<QChar>().unicode();
            default:
                return value.toLongLong();
        }
    }

    void setOrdinalValue(const PropInfo& info, std::int64_t ordinal) override {
        const QMetaProperty* property = find(info);
        if (!property) return;
        switch (info.kind) {
            case PropKind::Enumeration:
                if (property->metaType().id() == QMetaType::Bool) property->write(object_, ordinal != 0);
                else if (ordinal >= 0 && ordinal < property->enumerator().keyCount())
                    property->write(object_, property->enumerator().value(static_cast<int>(ordinal)));
                return;
            case PropKind::Set:
                property->write(object_, static_cast<unsigned>(ordinal));
                return;
            case PropKind::WChar:
                property->write(object_, QVariant::fromValue(QChar(static_cast<char16_t>(ordinal))));
                return;
            default:
                property->write(object_, QVariant::fromValue<qlonglong>(ordinal));  // converted to the property's type
                return;
        }
    }

    double floatValue(const PropInfo& info) const override {
        const QMetaProperty* property = find(info);
        return property ? property->read(object_).toDouble() : 0;
    }
    void setFloatValue(const PropInfo& info, double value) override {
        if (const QMetaProperty* property = find(info)) property->write(object_, value);
    }
    std::string stringValue(const PropInfo& info) const override {
        const QMetaProperty* property = find(info);
        return property ? text(property->read(object_).toString()) : std::string();
    }
    void setStringValue(const PropInfo& info, const std::string& value) override {
        if (const QMetaProperty* property = find(info)) property->write(object_, toQString(value));
    }
    std::optional<std::vector<std::string>> stringList(const PropInfo& info) const override {
        const QMetaProperty* property = find(info);
        if (!property) return std::nullopt;
        std::vector<std::string> lines;
        for (const QString& line : property->read(object_).toStringList()) lines.push_back(text(line));
        return lines;
    }
    void setStringList(const PropInfo& info, const std::vector<std::string>& lines) override {
        const QMetaProperty* property = find(info);
        if (!property) return;
        QStringList list;
        for (const std::string& line : lines) list << toQString(line);
        property->write(object_, list);
    }

    QObject* object() const { return object_; }

private:
    static bool kindOf(const QMetaProperty& property, PropInfo& info) {
        if (property.isEnumType()) {
            const QMetaEnum enumerator = property.enumerator();
            if (enumerator.isFlag()) {
                info.kind = PropKind::Set;
                info.names = flagNames(enumerator);
            } else {
                info.kind = PropKind::Enumeration;
                for (int k = 0; k < enumerator.keyCount(); ++k) info.names.emplace_back(enumerator.key(k));
            }
            return true;
        }
        switch (property.metaType().id()) {
            case QMetaType::Int:
            case QMetaType::Short:
            case QMetaType::UShort:
                info.kind = PropKind::Integer;
                return true;
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Long:
                info.kind = PropKind::Int64;
                return true;
            case QMetaType::Bool:
                info.kind = PropKind::Enumeration;
                info.names = {"False", "True"};
                return true;
            case QMetaType::Double:
                info.kind = PropKind::Float;
                return true;
            case QMetaType::Float:
                info.kind = PropKind::Float;
                info.floatKind = FloatKind::Single;
                return true;
            case QMetaType::QString:
                info.kind = PropKind::String;
                return true;
            case QMetaType::QChar:
                info.kind = PropKind::WChar;
                return true;
            case QMetaType::QStringList:
                info.kind = PropKind::Object;
                info.objectKind = ObjectKind::StringList;
                return true;
            default:
                return false;  // not stored
        }
    }

    const QMetaProperty* find(const PropInfo& info) const {
        if (!object_) return nullptr;
        const auto found = properties_.find(info.name);
        return found == properties_.end() ? nullptr : &found->second;
    }

    QPointer<QObject> object_;
    Component* owner_;
    bool form_;
    TFormPlacement* storage_ = nullptr;
    std::vector<PropInfo> infos_;
    std::map<std::string, QMetaProperty> properties_;
};

Component* QtComponent::findComponent(std::string_view wanted) const {
    if (!form_ || !object_ || !storage_) return nullptr;
    for (QObject* child : object_->findChildren<QObject*>())
        if (!child->objectName().isEmpty() && sameName(text(child->objectName()), wanted))
            return storage_->component(child);
    return nullptr;
}

// The form's window as the placement routines see it.
class QtForm : public StorageForm {
public:
    QtForm(QWidget* form, TFormPlacement* storage) : form_(form), storage_(storage) {}

    WindowPlacement placement() const override {
        WindowPlacement p;
        p.showCmd = form_->isMinimized()                          ? showCmd::minimised
                    : form_->isMaximized() || form_->isFullScreen() ? showCmd::maximised
                                                                    : showCmd::normal;
        QRect normal = form_->normalGeometry();
        if (!normal.isValid()) normal = form_->geometry();
        p.normal = rectOf(normal);
        return p;
    }
    void setPlacement(const WindowPlacement& p) override {
        form_->setGeometry(p.normal.left, p.normal.top, p.normal.width(), p.normal.height());
    }
    WindowState windowState() const override {
        if (form_->isMinimized()) return WindowState::Minimised;
        return form_->isMaximized() ? WindowState::Maximised : WindowState::Normal;
    }
    void setWindowState(WindowState state) override {
        Qt::WindowStates states = form_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (state == WindowState::Maximised) states |= Qt::WindowMaximized;
        if (state == WindowState::Minimised) states |= Qt::WindowMinimized;
        form_->setWindowState(states);
    }
    bool isMainForm() const override {
        const QWidget* main = programMainWindow();
        return !main || main == form_;
    }
    bool isChildWindow() const override { return qobject_cast<QMdiSubWindow*>(form_->parentWidget()) != nullptr; }
    bool isFrameWindow() const override {
        const auto* window = qobject_cast<QMainWindow*>(form_);
        return window && qobject_cast<QMdiArea*>(window->centralWidget());
    }
    bool hasDefaultPosition() const override { return !form_->testAttribute(Qt::WA_Moved); }
    bool isVisible() const override { return form_->isVisible(); }
    bool isSizeable() const override { return form_->minimumSize() != form_->maximumSize(); }
    PlacementRect bounds() const override { return rectOf(form_->geometry()); }

    int screenPixelsPerInch() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
    }
    int screenWidth() const override { return screenSize().width(); }
    int screenHeight() const override { return screenSize().height(); }
    std::vector<PlacementRect> freeAreas() const override {
        const QScreen* primary = QGuiApplication::primaryScreen();
        std::vector<PlacementRect> result;
        if (primary) result.push_back(rectOf(primary->availableGeometry()));
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen != primary) result.push_back(rectOf(screen->availableGeometry()));
        return result;
    }
    FrameMargins frameMargins() const override {
        const QRect outer = form_->frameGeometry();
        const QRect inner = form_->geometry();
        if (outer != inner)
            return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom()};
        // Before the window system has framed the window (as when it is
        // first shown): about a title bar above, a border at the sides and
        // a wider one below, where window systems put a grip.
        const QStyle* style = form_->style();
        const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, form_);
        const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, form_);
        return {border, titleBar + border, border, 2 * border};
    }

    Component& component() override { return *storage_->component(form_); }
    std::string className() const override { return form_->metaObject()->className(); }
    std::string activeControlName() const override {
        const QWidget* focused = form_->focusWidget();
        return focused ? text(focused->objectName()) : std::string();
    }
    void focusControl(const std::string& name) override {
        if (name.empty()) return;
        for (QWidget* child : form_->findChildren<QWidget*>())
            if (sameName(text(child->objectName()), name) && child->isEnabled() && child->focusPolicy() != Qt::NoFocus) {
                child->setFocus();
                return;
            }
    }

private:
    static QSize screenSize() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize();
    }

    QWidget* form_;
    TFormPlacement* storage_;
};

}  // namespace formstate

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
