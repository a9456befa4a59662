#pragma once
// Chosen properties of the components of a form as text values of an ini
// section, and back.
//
// The properties are named by entries "component.property" ("ToolBar2.Left",
// "CheckBox1.Checked"); each entry is bound to its component. The key of a
// simple property is the component's name, "_" and the property's name
// (ToolBar2_Left). The storage knows no file: it reads, writes and erases
// sections through three functions its user binds.
//
// Texts: integers in decimal (letters load as 0); enumerations by the name of
// their value (matched without regard to case; another word changes nothing);
// sets as "[a,b]"; floating point in general format with "." whatever the
// locale; strings as they are. A missing key leaves a property as it is.
// A string list has a section of its own ("section.key": Count, Item0, ...), a
// collection its count under "key.Count" and its items in the section
// "section.key" (Item0_Width), a nested object its own properties under the
// key followed by theirs (Label1_FontName), a component reference the name of
// the component (with its owner's name and a point when it belongs to another
// form), "(null)" for none.

#include "formstate/core/component_model.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace formstate {

inline constexpr std::string_view storedItemSeparator = "_";

// One entry of a stored-property list and the component it is bound to.
struct StoredItem {
    std::string text;
    Component* component = nullptr;
    bool operator==(const StoredItem&) const = default;
};
using StoredList = std::vector<StoredItem>;

// Splits an entry at its first point, trimming both halves; false unless both are non-empty.
bool parseStoredItem(std::string_view item, std::string& component, std::string& property);
std::string makeStoredItem(std::string_view component, std::string_view property);

enum class StoredListDirection {
    FromForm,  // bind each entry to the form's component of its name; delete what does not parse or has none
    ToForm,    // rewrite each entry with its component's current name; delete what is unbound or does not parse
};
void updateStoredList(const Component& form, StoredList& entries, StoredListDirection direction);

class PropsStorage {
public:
    using ReadFunction = std::function<std::string(const std::string& section, const std::string& key,
                                                   const std::string& fallback)>;
    using WriteFunction = std::function<void(const std::string& section, const std::string& key,
                                             const std::string& value)>;
    using EraseFunction = std::function<void(const std::string& section)>;

    std::string section;
    ReadFunction read;
    WriteFunction write;
    EraseFunction erase;
    // Where references to components of other forms are found; none: such references clear.
    const ComponentDirectory* directory = nullptr;

    // Writes every entry's property; a failed write travels to the caller.
    void storeObjectsProps(Component& form, StoredList& entries);
    // Reads every entry's property and sets it; nothing leaves a load.
    void loadObjectsProps(Component& form, StoredList& entries);

    // The property of `object` named by `info`, under the current prefix.
    void storeAnyProperty(PropertyObject& object, const PropInfo* info);
    void loadAnyProperty(PropertyObject& object, const PropInfo* info);

private:
    std::string itemName(std::string_view property) const { return prefix_ + std::string(property); }
    std::string readString(const std::string& key, const std::string& fallback) const;
    void writeString(const std::string& key, const std::string& value) const;
    void eraseSection(const std::string& name) const;
    std::string propertyText(PropertyObject& object, const PropInfo& info) const;
    void setFromText(PropertyObject& object, const PropInfo& info, const std::string& text);
    std::string referenceText(const Component* component) const;
    Component* findReference(const std::string& text) const;
    PropsStorage nestedStorage(std::string prefix, std::string section) const;
    void storeObject(PropertyObject& object);
    void loadObject(PropertyObject& object);
    void storeObjectProperty(PropertyObject& object, const PropInfo& info);
    void loadObjectProperty(PropertyObject& object, const PropInfo& info, const std::string& text);
    template <class Each>
    void forEachStoredProperty(Component& form, StoredList& entries, Each&& each);

    std::string prefix_;
    Component* owner_ = nullptr;  // the form, while a whole list is processed
};

// The text of a floating-point value with the significant digits of its kind, and back.
std::string floatText(double value, FloatKind kind);
bool parseFloatText(std::string_view text, double& value);

}  // namespace formstate
