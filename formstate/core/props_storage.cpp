#include "formstate/core/props_storage.h"

#include "formstate/core/ini_routines.h"
#include "platform/core/textfile.h"

#include <charconv>
#include <cstdint>
#include <map>

namespace formstate {

namespace {

// The most lines or items a stored count may ask for; a larger count is
// garbage and leaves the property as it was.
constexpr std::int64_t maxStoredCount = 65536;

const PropInfo* findProperty(const std::vector<PropInfo>& list, std::string_view name) {
    for (const PropInfo& info : list)
        if (sameName(info.name, name)) return &info;
    return nullptr;
}

int significantDigits(FloatKind kind) {
    switch (kind) {
        case FloatKind::Single: return 7;
        case FloatKind::Double: return 15;
        case FloatKind::Extended:
        case FloatKind::Comp: return 18;
        case FloatKind::Currency: return 19;
    }
    return 15;
}

bool isStringKind(PropKind kind) { return kind == PropKind::String || kind == PropKind::Variant; }

}  // namespace

bool parseStoredItem(std::string_view item, std::string& component, std::string& property) {
    const std::size_t point = item.find('.');
    if (point == std::string_view::npos) return false;
    component = std::string(trimBlanks(item.substr(0, point)));
    property = std::string(trimBlanks(item.substr(point + 1)));
    return !component.empty() && !property.empty();
}

std::string makeStoredItem(std::string_view component, std::string_view property) {
    return std::string(component) + "." + std::string(property);
}

void updateStoredList(const Component& form, StoredList& entries, StoredListDirection direction) {
    std::string component;
    std::string property;
    for (std::size_t i = entries.size(); i-- > 0;) {
        StoredItem& entry = entries[i];
        const bool parses = parseStoredItem(entry.text, component, property);
        if (direction == StoredListDirection::FromForm) {
            entry.component = parses ? form.findComponent(component) : nullptr;
            if (entry.component) continue;
        } else if (parses && entry.component) {
            entry.text = makeStoredItem(entry.component->name(), property);
            continue;
        }
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

std::string floatText(double value, FloatKind kind) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                      significantDigits(kind));
    return std::string(buffer, result.ptr);
}

bool parseFloatText(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double parsed = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || text.empty()) return false;
    value = parsed;
    return true;
}

std::string PropsStorage::readString(const std::string& key, const std::string& fallback) const {
    return read ? read(section, key, fallback) : std::string();
}

void PropsStorage::writeString(const std::string& key, const std::string& value) const {
    if (write) write(section, key, value);
}

void PropsStorage::eraseSection(const std::string& name) const {
    if (erase) erase(name);
}

PropsStorage PropsStorage::nestedStorage(std::string prefix, std::string nestedSection) const {
    PropsStorage nested;
    nested.section = std::move(nestedSection);
    nested.read = read;
    nested.write = write;
    nested.erase = erase;
    nested.directory = directory;
    nested.prefix_ = std::move(prefix);
    return nested;
}

std::string PropsStorage::referenceText(const Component* component) const {
    if (!component) return "(null)";
    const Component* owner = component->owner();
    if (!owner || owner == owner_) return component->name();
    std::string ownerName = owner->name();
    if (ownerName.empty()) {
        ownerName = owner->className();
        if (!ownerName.empty() && ownerName.front() == 'T') ownerName.erase(0, 1);
    }
    return ownerName + "." + component->name();
}

Component* PropsStorage::findReference(const std::string& text) const {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return owner_ ? owner_->findComponent(text) : nullptr;
    if (!directory) return nullptr;
    const std::string ownerName = text.substr(0, point);
    Component* owner = directory->findForm(ownerName);
    if (!owner) owner = directory->findDataModule(ownerName);
    return owner ? owner->findComponent(std::string_view(text).substr(point + 1)) : nullptr;
}

std::string PropsStorage::propertyText(PropertyObject& object, const PropInfo& info) const {
    switch (info.kind) {
        case PropKind::Integer:
            return std::to_string(static_cast<std::int32_t>(object.ordinalValue(info)));
        case PropKind::Int64:
            return std::to_string(object.ordinalValue(info));
        case PropKind::Char:
        case PropKind::WChar:
            return std::string(1, static_cast<char>(object.ordinalValue(info) & 0xFF));
        case PropKind::Enumeration: {
            const std::int64_t ordinal = object.ordinalValue(info);
            if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(info.names.size())) return {};
            return info.names[static_cast<std::size_t>(ordinal)];
        }
        case PropKind::Float:
            return floatText(object.floatValue(info), info.floatKind);
        case PropKind::String:
        case PropKind::Variant:
            return object.stringValue(info);
        case PropKind::Set: {
            const std::int64_t bits = object.ordinalValue(info);
            std::string text = "[";
            bool first = true;
            for (std::size_t element = 0; element < 32 && element < info.names.size(); ++element) {
                if (!((bits >> element) & 1)) continue;
                if (!first) text += ",";
                text += info.names[element];
                first = false;
            }
            return text + "]";
        }
        case PropKind::Object:
            if (info.objectKind == ObjectKind::Reference) return referenceText(object.reference(info));
            return {};
        case PropKind::WString:
        case PropKind::Method:
            return {};
    }
    return {};
}

void PropsStorage::storeAnyProperty(PropertyObject& object, const PropInfo* info) {
    if (!info || info->kind == PropKind::WString || info->kind == PropKind::Method) return;
    if (info->kind == PropKind::Object) {
        storeObjectProperty(object, *info);
        return;
    }
    const std::string text(trimBlanks(propertyText(object, *info)));
    // An empty number or set is not written, an empty string is.
    if (text.empty() && !isStringKind(info->kind) && info->kind != PropKind::WChar) return;
    writeString(itemName(info->name), text);
}

void PropsStorage::storeObject(PropertyObject& object) {
    for (const PropInfo& info : object.properties()) storeAnyProperty(object, &info);
}

void PropsStorage::storeObjectProperty(PropertyObject& object, const PropInfo& info) {
    const std::string key = itemName(info.name);
    switch (info.objectKind) {
        case ObjectKind::StringList: {
            const std::string listSection = section + "." + key;
            eraseSection(listSection);
            const auto lines = object.stringList(info);
            if (lines && !lines->empty()) {
                if (write) write(listSection, "Count", std::to_string(lines->size()));
                for (std::size_t i = 0; i < lines->size(); ++i)
                    if (write) write(listSection, "Item" + std::to_string(i), (*lines)[i]);
            }
            break;
        }
        case ObjectKind::Collection: {
            Collection* items = object.collection(info);
            const std::string itemSection = section + "." + key;
            eraseSection(itemSection);
            if (!items) break;
            writeString(key + ".Count", std::to_string(items->count()));
            for (int i = 0; i < items->count(); ++i)
                nestedStorage("Item" + std::to_string(i) + std::string(storedItemSeparator), itemSection)
                    .storeObject(items->item(i));
            break;
        }
        case ObjectKind::Reference:
            writeString(key, std::string(trimBlanks(referenceText(object.reference(info)))));
            return;
        case ObjectKind::Nested:
            break;
    }
    if (PropertyObject* own = object.nested(info)) nestedStorage(key, section).storeObject(*own);
}

void PropsStorage::loadAnyProperty(PropertyObject& object, const PropInfo* info) {
    if (!info || info->kind == PropKind::WString || info->kind == PropKind::Method) return;
    try {
        const std::string current = propertyText(object, *info);
        std::string text;
        if (!current.empty() || isStringKind(info->kind) || info->kind == PropKind::WChar ||
            info->kind == PropKind::Object)
            text = std::string(trimBlanks(readString(itemName(info->name), current)));
        setFromText(object, *info, text);
    } catch (...) {
        // The property keeps its value and the next one goes on.
    }
}

void PropsStorage::loadObject(PropertyObject& object) {
    for (const PropInfo& info : object.properties()) loadAnyProperty(object, &info);
}

void PropsStorage::setFromText(PropertyObject& object, const PropInfo& info, const std::string& text) {
    switch (info.kind) {
        case PropKind::Integer:
            object.setOrdinalValue(info, parseNumber(text, INT32_MIN, INT32_MAX).value_or(0));
            return;
        case PropKind::Int64:
            object.setOrdinalValue(info, parseNumber(text, INT64_MIN, INT64_MAX).value_or(0));
            return;
        case PropKind::Char:
        case PropKind::WChar:
            if (!text.empty()) object.setOrdinalValue(info, static_cast<unsigned char>(text.front()));
            return;
        case PropKind::Enumeration:
            for (std::size_t i = 0; i < info.names.size(); ++i)
                if (sameName(info.names[i], text)) {
                    object.setOrdinalValue(info, static_cast<std::int64_t>(i));
                    return;
                }
            return;
        case PropKind::Float: {
            double value = 0;
            if (parseFloatText(text, value)) object.setFloatValue(info, value);
            return;
        }
        case PropKind::String:
        case PropKind::Variant:
            object.setStringValue(info, text);
            return;
        case PropKind::Set: {
            std::int64_t bits = 0;
            const int words = wordCount(text, " ,[]");
            for (int w = 1; w <= words; ++w) {
                const std::string word = extractWord(w, text, " ,[]");
                for (std::size_t element = 0; element < 32 && element < info.names.size(); ++element)
                    if (sameName(info.names[element], word)) bits |= std::int64_t{1} << element;
            }
            object.setOrdinalValue(info, bits);
            return;
        }
        case PropKind::Object:
            loadObjectProperty(object, info, text);
            return;
        case PropKind::WString:
        case PropKind::Method:
            return;
    }
}

void PropsStorage::loadObjectProperty(PropertyObject& object, const PropInfo& info, const std::string& text) {
    const std::string key = itemName(info.name);
    switch (info.objectKind) {
        case ObjectKind::StringList: {
            const std::string listSection = section + "." + key;
            const auto count =
                parseNumber(trimBlanks(read ? read(listSection, "Count", "0") : std::string("0")), 0, maxStoredCount);
            if (count && *count > 0) {
                std::vector<std::string> lines;
                for (std::int64_t i = 0; i < *count; ++i)
                    lines.push_back(read ? read(listSection, "Item" + std::to_string(i), "") : std::string());
                object.setStringList(info, lines);
            }
            break;
        }
        case ObjectKind::Collection: {
            Collection* items = object.collection(info);
            if (!items) break;
            const std::string counted = readString(key + ".Count", std::to_string(items->count()));
            const int count =
                static_cast<int>(parseNumber(trimBlanks(counted), 0, maxStoredCount).value_or(items->count()));
            items->beginUpdate();
            try {
                if (count != items->count()) {
                    items->clear();
                    for (int i = 0; i < count; ++i) items->add();
                }
                const std::string itemSection = section + "." + key;
                for (int i = 0; i < items->count(); ++i)
                    nestedStorage("Item" + std::to_string(i) + std::string(storedItemSeparator), itemSection)
                        .loadObject(items->item(i));
            } catch (...) {
                items->endUpdate();
                throw;
            }
            items->endUpdate();
            break;
        }
        case ObjectKind::Reference:
            if (sameName(text, "(null)")) object.setReference(info, nullptr);
            // Inside a nested object a name without its owner's name means nothing.
            else if (owner_ || text.find('.') != std::string::npos) object.setReference(info, findReference(text));
            return;
        case ObjectKind::Nested:
            break;
    }
    if (PropertyObject* own = object.nested(info)) nestedStorage(key, section).loadObject(*own);
}

// Calls `each` with every entry's component and property, the prefix set to
// the component's name; the form is the owner while the walk lasts.
template <class Each>
void PropsStorage::forEachStoredProperty(Component& form, StoredList& entries, Each&& each) {
    updateStoredList(form, entries, StoredListDirection::ToForm);
    std::map<std::string, std::vector<PropInfo>> components;
    for (const StoredItem& entry : entries) components.try_emplace(entry.component->name(), entry.component->properties());
    struct Walk {
        PropsStorage& storage;
        ~Walk() {
            storage.owner_ = nullptr;
            storage.prefix_.clear();
        }
    } walk{*this};
    owner_ = &form;
    std::string component;
    std::string property;
    for (const StoredItem& entry : entries) {
        if (!parseStoredItem(entry.text, component, property)) continue;
        const auto found = components.find(entry.component->name());
        if (found == components.end()) continue;
        prefix_ = entry.component->name() + std::string(storedItemSeparator);
        each(*entry.component, findProperty(found->second, property));
    }
}

void PropsStorage::storeObjectsProps(Component& form, StoredList& entries) {
    forEachStoredProperty(form, entries,
                          [this](Component& component, const PropInfo* info) { storeAnyProperty(component, info); });
}

void PropsStorage::loadObjectsProps(Component& form, StoredList& entries) {
    forEachStoredProperty(form, entries,
                          [this](Component& component, const PropInfo* info) { loadAnyProperty(component, info); });
}

}  // namespace formstate
