#pragma once
// The state of a form kept in one section of an ini file between runs.
//
// FormPlacement keeps the window's placement (placement.h) and, on request,
// the name of the focused control; FormStorage adds chosen properties of the
// form's components (props_storage.h) and named values. The form's window
// adapter calls formShow, formCloseQuery and formDestroy:
// - every showing restores, before the form's own show handler runs;
// - a close the form allowed saves, after the form's own handler;
// - a form destroyed without a save since it was last shown saves then, with
//   "Visible" 1, before any of its controls is gone.
// A form that was never shown writes nothing. A stored "FormVersion" below
// `version` skips the restore, yet the next close saves.
//
// A section is saved as FormVersion, Flags, ShowCmd, PixelsPerInch,
// MinMaxPos(WxH), MinMaxPos, NormPos(WxH), NormPos, [ActiveControl,] Visible,
// one key per stored property, one per stored value. Each save is collected in
// memory and written to the file at once; a failed write raises IniWriteError.

#include "formstate/core/component_model.h"
#include "formstate/core/ini_file.h"
#include "formstate/core/placement.h"
#include "formstate/core/props_storage.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace formstate {

// The form as its storage sees it: its window and its components.
class StorageForm : public PlacementForm {
public:
    virtual Component& component() = 0;
    virtual std::string className() const = 0;
    // The name of the focused control (empty for none), and focusing one by name.
    virtual std::string activeControlName() const { return {}; }
    virtual void focusControl(const std::string&) {}
};

// What a restore applies.
enum PlacementOption : unsigned {
    fpState = 1,           // normal or maximised
    fpPosition = 2,        // the normal rectangle
    fpActiveControl = 4,   // the focused control
};

// Size limits of the window; all 0: none. The maximised position and size are
// the window system's on this platform: they are kept but not applied.
struct WinMinMaxInfo {
    int maxPosLeft = 0;
    int maxPosTop = 0;
    int maxSizeWidth = 0;
    int maxSizeHeight = 0;
    int minTrackWidth = 0;
    int minTrackHeight = 0;
    int maxTrackWidth = 0;
    int maxTrackHeight = 0;
    bool isZero() const { return *this == WinMinMaxInfo{}; }
    bool operator==(const WinMinMaxInfo&) const = default;
};

class FormPlacement {
public:
    // `form` is nullptr when the owner is no form: the options start empty then.
    explicit FormPlacement(StorageForm* form);
    virtual ~FormPlacement();
    FormPlacement(const FormPlacement&) = delete;
    FormPlacement& operator=(const FormPlacement&) = delete;

    bool active = true;        // off: the form events do nothing (saveState and restoreState still work)
    std::string iniFileName;   // empty: defaultIniFileName(); a bare name lies in the config folder (iniFilePath)
    std::string iniSection;    // empty: the form's class name
    WinMinMaxInfo minMaxInfo;
    unsigned options = 0;
    bool preventResize = false;  // a fixed size without a maximise button
    int version = 0;
    std::function<void()> onSavePlacement;
    std::function<void()> onRestorePlacement;  // after each restore whose version passed
    // Shows a failure of a form event (the application's error box). A failed
    // write of the file is shown once until the form is shown again.
    std::function<void(const std::exception&)> reportError;

    std::string effectiveIniFileName() const;
    std::string effectiveSection() const;
    // The window needs its messages watched: size limits or a fixed size.
    bool needsHook() const { return preventResize || !minMaxInfo.isZero(); }

    void saveState();
    void restoreState();
    // saveState with a failure shown (once, as above) instead of thrown; false when it failed.
    bool saveStateReported();

    // The form's events, from its window adapter.
    void formShow();
    void formCloseQuery(bool mayClose);
    void formDestroy();

    bool restored() const { return restored_; }
    bool saved() const { return saved_; }
    bool destroying() const { return destroying_; }

    // The component's own section, through the open ini object or one opened for this access alone.
    std::string readIniString(std::string_view key, std::string_view fallback);
    void writeIniString(std::string_view key, std::string_view value);
    int readIniInteger(std::string_view key, int fallback);
    void writeIniInteger(std::string_view key, int value);

protected:
    virtual void savePlacement();
    virtual void restorePlacement();
    virtual std::string readString(const std::string& section, const std::string& key, const std::string& fallback);
    virtual void writeString(const std::string& section, const std::string& key, const std::string& value);
    IniFile* ini() const { return ini_.get(); }
    StorageForm* form() const { return form_; }

    bool restored_ = false;

private:
    // Opens the ini object when none is open; true when this call opened it.
    bool openIni();
    void closeIni();
    void report(const std::exception& error);
    template <class Access>
    auto withIni(bool commit, Access&& access);

    StorageForm* form_;
    std::unique_ptr<IniFile> ini_;
    bool saved_ = false;
    bool destroying_ = false;
    bool failureShown_ = false;
};

// A named value kept beside the properties. With a key string its text is
// stored scrambled (scrambleStoredValue).
struct StoredValue {
    std::string name;
    std::string value;
    std::string keyString;
    std::function<void(std::string&)> onSave;
    std::function<void(std::string&)> onRestore;
};

class StoredValues {
public:
    // A new value of that name; std::invalid_argument ("String list does not
    // allow duplicates") when the name is taken, without regard to case.
    StoredValue& add(std::string name);
    void rename(std::size_t index, std::string name);
    // The first value of that name, without regard to case; -1 when none.
    int indexOf(std::string_view name) const;
    std::vector<StoredValue>& items() { return items_; }
    const std::vector<StoredValue>& items() const { return items_; }

private:
    std::vector<StoredValue> items_;
};

class FormStorage : public FormPlacement {
public:
    using FormPlacement::FormPlacement;

    // The stored properties, "component.property", bound to the form's
    // components; entries that do not parse or name no component go.
    void setStoredProps(const std::vector<std::string>& entries);
    StoredList& storedProps() { return storedProps_; }
    std::vector<std::string> storedPropNames() const;
    StoredValues storedValues;
    const ComponentDirectory* directory = nullptr;

    // A component going away takes its entries along.
    void componentRemoved(const Component* component);

    void saveProperties();
    void restoreProperties();

protected:
    void savePlacement() override;
    void restorePlacement() override;

private:
    PropsStorage propsStorage();

    StoredList storedProps_;
};

}  // namespace formstate
