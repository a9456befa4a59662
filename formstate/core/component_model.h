#pragma once
// What the stored properties of a form are read from and written to: objects
// with named, typed properties, and components (named objects owned by a form).
// The windows' adapter (formstate/ui) publishes the Qt properties of widgets;
// tests use fakes of their own.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formstate {

enum class PropKind {
    Integer,      // 32-bit integer (also colours)
    Int64,        // 64-bit integer
    Char,         // one byte
    WChar,        // one character code
    Enumeration,  // an ordinal with names (also Boolean: "False", "True")
    Float,        // floating point
    String,       // text
    Variant,      // a value held as its text
    Set,          // elements 0 to 31 with names
    Object,       // see ObjectKind
    WString,      // never stored
    Method,       // never stored
};

enum class FloatKind { Single, Double, Extended, Comp, Currency };

enum class ObjectKind {
    StringList,  // lines
    Collection,  // items with properties of their own
    Reference,   // a component, or none
    Nested,      // an object whose own properties are stored (a font, say)
};

struct PropInfo {
    std::string name;
    PropKind kind = PropKind::Integer;
    FloatKind floatKind = FloatKind::Double;
    ObjectKind objectKind = ObjectKind::Nested;
    // Enumeration and Set: the element names by ordinal.
    std::vector<std::string> names;
};

class Collection;
class Component;

// An object with published properties, in the order its type lists them.
// Values go through the accessor of the property's kind; an object answers
// only for the kinds it has.
class PropertyObject {
public:
    virtual ~PropertyObject() = default;
    virtual std::vector<PropInfo> properties() const = 0;

    // Integer, Int64, Char, WChar (the code), Enumeration (the ordinal), Set (bit n: element n).
    virtual std::int64_t ordinalValue(const PropInfo&) const { return 0; }
    virtual void setOrdinalValue(const PropInfo&, std::int64_t) {}
    virtual double floatValue(const PropInfo&) const { return 0; }
    virtual void setFloatValue(const PropInfo&, double) {}
    // String, Variant, WString.
    virtual std::string stringValue(const PropInfo&) const { return {}; }
    virtual void setStringValue(const PropInfo&, const std::string&) {}

    // Object properties. A string list: its lines, nothing when there is no list.
    virtual std::optional<std::vector<std::string>> stringList(const PropInfo&) const { return std::nullopt; }
    virtual void setStringList(const PropInfo&, const std::vector<std::string>&) {}
    virtual Collection* collection(const PropInfo&) { return nullptr; }
    virtual Component* reference(const PropInfo&) const { return nullptr; }
    virtual void setReference(const PropInfo&, Component*) {}
    // The object the property holds, when its own properties are stored
    // (a nested object; a list or collection that publishes properties).
    virtual PropertyObject* nested(const PropInfo&) { return nullptr; }
};

class Collection {
public:
    virtual ~Collection() = default;
    virtual int count() const = 0;
    virtual PropertyObject& item(int index) = 0;
    virtual void clear() = 0;
    virtual void add() = 0;
    virtual void beginUpdate() {}
    virtual void endUpdate() {}
};

class Component : public PropertyObject {
public:
    virtual std::string name() const = 0;
    virtual std::string className() const = 0;
    // The component that owns this one (the form, for the controls of a form).
    virtual Component* owner() const { return nullptr; }
    // An owned component by name, without regard to case.
    virtual Component* findComponent(std::string_view) const { return nullptr; }
    virtual bool isForm() const { return false; }
    // A control: the control it lies in, and the form it lies on.
    virtual bool isControl() const { return false; }
    virtual Component* parentControl() const { return nullptr; }
    virtual Component* parentForm() const { return nullptr; }
};

// Where a reference to a component of another form is looked up: the open
// forms, then the data modules, by name without regard to case.
class ComponentDirectory {
public:
    virtual ~ComponentDirectory() = default;
    virtual Component* findForm(std::string_view name) const = 0;
    virtual Component* findDataModule(std::string_view) const { return nullptr; }
};

}  // namespace formstate
