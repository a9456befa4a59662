#include "formstate/core/form_storage.h"

#include "formstate/core/ini_routines.h"

#include <stdexcept>
#include <type_traits>

namespace formstate {

FormPlacement::FormPlacement(StorageForm* form) : options(form ? fpState | fpPosition : 0), form_(form) {}

FormPlacement::~FormPlacement() = default;

std::string FormPlacement::effectiveIniFileName() const {
    return iniFileName.empty() ? defaultIniFileName() : iniFileName;
}

std::string FormPlacement::effectiveSection() const {
    if (!iniSection.empty() || !form_) return iniSection;
    return form_->className();
}

bool FormPlacement::openIni() {
    if (ini_) return false;
    ini_ = std::make_unique<IniFile>(iniFilePath(effectiveIniFileName()));
    return true;
}

void FormPlacement::closeIni() { ini_.reset(); }

template <class Access>
auto FormPlacement::withIni(bool commit, Access&& access) {
    const bool opened = openIni();
    try {
        if constexpr (std::is_void_v<decltype(access())>) {
            access();
            if (opened && commit) ini_->commit();
            if (opened) closeIni();
        } else {
            auto result = access();
            if (opened) closeIni();
            return result;
        }
    } catch (...) {
        if (opened) closeIni();
        throw;
    }
}

void FormPlacement::saveState() {
    // A form never shown writes nothing.
    if (active && !restored_) return;
    withIni(true, [this] {
        iniPutInteger(ini(), effectiveSection(), "FormVersion", version);
        savePlacement();
    });
    if (onSavePlacement) onSavePlacement();
    saved_ = true;
}

void FormPlacement::restoreState() {
    saved_ = false;
    failureShown_ = false;
    try {
        withIni(false, [this] {
            const std::string section = effectiveSection();
            if (iniGetInteger(ini(), section, "FormVersion", 0) < version) return;
            restorePlacement();
            restored_ = true;
            if (onRestorePlacement) onRestorePlacement();
            if ((options & fpActiveControl) && form_) form_->focusControl(readString(section, "ActiveControl", ""));
        });
    } catch (...) {
        restored_ = true;
        throw;
    }
    // After the first show closing always saves, even when the stored state was refused.
    restored_ = true;
    // The window system keeps a maximised window's frame off the screen itself:
    // nothing here moves the maximised position.
}

void FormPlacement::report(const std::exception& error) {
    const bool writeFailure = dynamic_cast<const IniWriteError*>(&error) != nullptr;
    if (writeFailure && failureShown_) return;
    failureShown_ = failureShown_ || writeFailure;
    if (reportError) reportError(error);
}

bool FormPlacement::saveStateReported() {
    try {
        saveState();
        return true;
    } catch (const std::exception& error) {
        report(error);
        return false;
    }
}

void FormPlacement::formShow() {
    if (!active) return;
    try {
        restoreState();
    } catch (const std::exception& error) {
        report(error);
    }
}

void FormPlacement::formCloseQuery(bool mayClose) {
    if (mayClose && active && form_) saveStateReported();
}

void FormPlacement::formDestroy() {
    if (!active || saved_) return;
    destroying_ = true;
    saveStateReported();
    destroying_ = false;
}

void FormPlacement::savePlacement() {
    if (!form_) return;
    const std::string section = effectiveSection();
    writeFormPlacement(*form_, ini(), section);
    if (options & fpActiveControl) {
        const std::string name = form_->activeControlName();
        if (!name.empty()) writeString(section, "ActiveControl", name);
    }
    writeString(section, "Visible", destroying_ ? "1" : "0");
}

void FormPlacement::restorePlacement() {
    if (!form_) return;
    readFormPlacement(*form_, ini(), effectiveSection(), options & fpState, options & fpPosition);
}

std::string FormPlacement::readString(const std::string& section, const std::string& key,
                                      const std::string& fallback) {
    return iniGetString(ini(), section, key, fallback);
}

void FormPlacement::writeString(const std::string& section, const std::string& key, const std::string& value) {
    iniPutString(ini(), section, key, value);
}

std::string FormPlacement::readIniString(std::string_view key, std::string_view fallback) {
    return withIni(false, [&] { return readString(effectiveSection(), std::string(key), std::string(fallback)); });
}

void FormPlacement::writeIniString(std::string_view key, std::string_view value) {
    withIni(true, [&] { writeString(effectiveSection(), std::string(key), std::string(value)); });
}

int FormPlacement::readIniInteger(std::string_view key, int fallback) {
    return withIni(false, [&] { return iniGetInteger(ini(), effectiveSection(), key, fallback); });
}

void FormPlacement::writeIniInteger(std::string_view key, int value) {
    withIni(true, [&] { iniPutInteger(ini(), effectiveSection(), key, value); });
}

// ---- stored values ---------------------------------------------------------

StoredValue& StoredValues::add(std::string name) {
    if (indexOf(name) >= 0) throw std::invalid_argument("String list does not allow duplicates");
    items_.push_back(StoredValue{std::move(name), {}, {}, {}, {}});
    return items_.back();
}

void StoredValues::rename(std::size_t index, std::string name) {
    const int found = indexOf(name);
    if (found >= 0 && static_cast<std::size_t>(found) != index)
        throw std::invalid_argument("String list does not allow duplicates");
    items_.at(index).name = std::move(name);
}

int StoredValues::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (sameName(items_[i].name, name)) return static_cast<int>(i);
    return -1;
}

// ---- form storage ----------------------------------------------------------

void FormStorage::setStoredProps(const std::vector<std::string>& entries) {
    storedProps_.clear();
    for (const std::string& entry : entries) storedProps_.push_back({entry, nullptr});
    if (form()) updateStoredList(form()->component(), storedProps_, StoredListDirection::FromForm);
    else storedProps_.clear();
}

std::vector<std::string> FormStorage::storedPropNames() const {
    std::vector<std::string> names;
    for (const StoredItem& entry : storedProps_) names.push_back(entry.text);
    return names;
}

void FormStorage::componentRemoved(const Component* component) {
    std::erase_if(storedProps_, [component](const StoredItem& entry) { return entry.component == component; });
}

PropsStorage FormStorage::propsStorage() {
    PropsStorage storage;
    storage.section = effectiveSection();
    storage.read = [this](const std::string& section, const std::string& key, const std::string& fallback) {
        return readString(section, key, fallback);
    };
    storage.write = [this](const std::string& section, const std::string& key, const std::string& value) {
        writeString(section, key, value);
    };
    storage.erase = [this](const std::string& section) {
        if (ini()) ini()->eraseSection(section);
    };
    storage.directory = directory;
    return storage;
}

void FormStorage::saveProperties() {
    if (!form()) return;
    propsStorage().storeObjectsProps(form()->component(), storedProps_);
}

void FormStorage::restoreProperties() {
    if (!form()) return;
    try {
        propsStorage().loadObjectsProps(form()->component(), storedProps_);
    } catch (...) {
        // The properties read so far keep their new values.
    }
}

void FormStorage::savePlacement() {
    FormPlacement::savePlacement();
    saveProperties();
    const std::string section = effectiveSection();
    for (const StoredValue& item : storedValues.items()) {
        std::string value = item.value;
        if (item.onSave) item.onSave(value);
        if (!item.keyString.empty()) value = scrambleStoredValue(item.keyString, value);
        writeString(section, item.name, value);
    }
}

void FormStorage::restorePlacement() {
    FormPlacement::restorePlacement();
    restored_ = true;
    restoreProperties();
    const std::string section = effectiveSection();
    for (StoredValue& item : storedValues.items()) {
        std::string fallback = item.value;
        if (!item.keyString.empty()) fallback = scrambleStoredValue(item.keyString, fallback);
        std::string text = readString(section, item.name, fallback);
        if (!item.keyString.empty()) text = unscrambleStoredValue(item.keyString, text);
        if (item.onRestore) item.onRestore(text);
        item.value = std::move(text);
    }
}

}  // namespace formstate
