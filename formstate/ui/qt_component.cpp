#include "formstate/ui/qt_component.h"

#include "formstate/ui/form_storage.h"
#include "platform/ui/codec.h"

#include <QMetaEnum>
#include <QObject>
#include <QStringList>

#include <bit>
#include <cctype>

namespace formstate {

namespace {

std::string text(const QString& value) { return fromQString(value).value_or(std::string()); }

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

QtComponent::QtComponent(QObject* object, Component* owner, bool form) : object_(object), owner_(owner), form_(form) {
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

std::string QtComponent::name() const { return object_ ? text(object_->objectName()) : std::string(); }
std::string QtComponent::className() const { return object_ ? object_->metaObject()->className() : ""; }

Component* QtComponent::findComponent(std::string_view wanted) const {
    if (!form_ || !object_ || !storage_) return nullptr;
    for (QObject* child : object_->findChildren<QObject*>())
        if (!child->objectName().isEmpty() && sameName(text(child->objectName()), wanted))
            return storage_->component(child);
    return nullptr;
}

std::int64_t QtComponent::ordinalValue(const PropInfo& info) const {
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

void QtComponent::setOrdinalValue(const PropInfo& info, std::int64_t ordinal) {
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

double QtComponent::floatValue(const PropInfo& info) const {
    const QMetaProperty* property = find(info);
    return property ? property->read(object_).toDouble() : 0;
}

void QtComponent::setFloatValue(const PropInfo& info, double value) {
    if (const QMetaProperty* property = find(info)) property->write(object_, value);
}

std::string QtComponent::stringValue(const PropInfo& info) const {
    const QMetaProperty* property = find(info);
    return property ? text(property->read(object_).toString()) : std::string();
}

void QtComponent::setStringValue(const PropInfo& info, const std::string& value) {
    if (const QMetaProperty* property = find(info)) property->write(object_, toQString(value));
}

std::optional<std::vector<std::string>> QtComponent::stringList(const PropInfo& info) const {
    const QMetaProperty* property = find(info);
    if (!property) return std::nullopt;
    std::vector<std::string> lines;
    for (const QString& line : property->read(object_).toStringList()) lines.push_back(text(line));
    return lines;
}

void QtComponent::setStringList(const PropInfo& info, const std::vector<std::string>& lines) {
    const QMetaProperty* property = find(info);
    if (!property) return;
    QStringList list;
    for (const std::string& line : lines) list << toQString(line);
    property->write(object_, list);
}

bool QtComponent::kindOf(const QMetaProperty& property, PropInfo& info) {
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

const QMetaProperty* QtComponent::find(const PropInfo& info) const {
    if (!object_) return nullptr;
    const auto found = properties_.find(info.name);
    return found == properties_.end() ? nullptr : &found->second;
}

}  // namespace formstate
