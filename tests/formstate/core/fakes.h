#pragma once
// Fakes of the component model and of a form's window for the tests of the
// form-state core.

#include "formstate/core/component_model.h"
#include "formstate/core/form_storage.h"
#include "platform/core/czech.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace formstate {

// Readable failures for rectangles.
inline void PrintTo(const PlacementRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

}  // namespace formstate

namespace fake {

using namespace formstate;

inline PropInfo prop(std::string name, PropKind kind, std::vector<std::string> names = {}) {
    PropInfo info;
    info.name = std::move(name);
    info.kind = kind;
    info.names = std::move(names);
    return info;
}

inline PropInfo objectProp(std::string name, ObjectKind kind) {
    PropInfo info = prop(std::move(name), PropKind::Object);
    info.objectKind = kind;
    return info;
}

inline const std::vector<std::string> booleanNames = {"False", "True"};

class Object : public PropertyObject {
public:
    std::vector<PropInfo> props;
    std::map<std::string, std::int64_t> ordinals;
    std::map<std::string, double> floats;
    std::map<std::string, std::string> strings;
    std::map<std::string, std::vector<std::string>> lists;
    std::map<std::string, Component*> references;
    std::map<std::string, PropertyObject*> objects;
    std::map<std::string, Collection*> collections;

    std::vector<PropInfo> properties() const override { return props; }
    std::int64_t ordinalValue(const PropInfo& p) const override { return value(ordinals, p.name); }
    void setOrdinalValue(const PropInfo& p, std::int64_t v) override { ordinals[p.name] = v; }
    double floatValue(const PropInfo& p) const override { return value(floats, p.name); }
    void setFloatValue(const PropInfo& p, double v) override { floats[p.name] = v; }
    std::string stringValue(const PropInfo& p) const override { return value(strings, p.name); }
    void setStringValue(const PropInfo& p, const std::string& v) override { strings[p.name] = v; }
    std::optional<std::vector<std::string>> stringList(const PropInfo& p) const override {
        const auto found = lists.find(p.name);
        if (found == lists.end()) return std::nullopt;
        return found->second;
    }
    void setStringList(const PropInfo& p, const std::vector<std::string>& v) override { lists[p.name] = v; }
    Collection* collection(const PropInfo& p) override { return value(collections, p.name); }
    Component* reference(const PropInfo& p) const override { return value(references, p.name); }
    void setReference(const PropInfo& p, Component* c) override { references[p.name] = c; }
    PropertyObject* nested(const PropInfo& p) override { return value(objects, p.name); }

private:
    template <class Map>
    static typename Map::mapped_type value(const Map& map, const std::string& name) {
        const auto found = map.find(name);
        return found == map.end() ? typename Map::mapped_type{} : found->second;
    }
};

class FakeComponent : public Component, public Object {
public:
    FakeComponent(std::string name, std::string className, FakeComponent* owner = nullptr)
        : name_(std::move(name)), className_(std::move(className)), owner_(owner) {
        if (owner) owner->owned.push_back(this);
    }

    std::string name() const override { return name_; }
    void rename(std::string name) { name_ = std::move(name); }
    std::string className() const override { return className_; }
    Component* owner() const override { return owner_; }
    Component* findComponent(std::string_view name) const override {
        for (FakeComponent* c : owned)
            if (czechUpperCase(c->name_) == czechUpperCase(name)) return c;
        return nullptr;
    }
    bool isForm() const override { return form; }
    bool isControl() const override { return control; }
    Component* parentControl() const override { return parent; }
    Component* parentForm() const override { return onForm; }

    std::vector<PropInfo> properties() const override { return Object::properties(); }
    std::int64_t ordinalValue(const PropInfo& p) const override { return Object::ordinalValue(p); }
    void setOrdinalValue(const PropInfo& p, std::int64_t v) override { Object::setOrdinalValue(p, v); }
    double floatValue(const PropInfo& p) const override { return Object::floatValue(p); }
    void setFloatValue(const PropInfo& p, double v) override { Object::setFloatValue(p, v); }
    std::string stringValue(const PropInfo& p) const override { return Object::stringValue(p); }
    void setStringValue(const PropInfo& p, const std::string& v) override { Object::setStringValue(p, v); }
    std::optional<std::vector<std::string>> stringList(const PropInfo& p) const override {
        return Object::stringList(p);
    }
    void setStringList(const PropInfo& p, const std::vector<std::string>& v) override { Object::setStringList(p, v); }
    Collection* collection(const PropInfo& p) override { return Object::collection(p); }
    Component* reference(const PropInfo& p) const override { return Object::reference(p); }
    void setReference(const PropInfo& p, Component* c) override { Object::setReference(p, c); }
    PropertyObject* nested(const PropInfo& p) override { return Object::nested(p); }

    bool form = false;
    bool control = false;
    Component* parent = nullptr;
    Component* onForm = nullptr;
    std::vector<FakeComponent*> owned;

private:
    std::string name_;
    std::string className_;
    FakeComponent* owner_;
};

// Items with one integer property "Width".
class Columns : public Collection {
public:
    int count() const override { return static_cast<int>(items.size()); }
    PropertyObject& item(int index) override { return *items.at(static_cast<std::size_t>(index)); }
    void clear() override { items.clear(); }
    void add() override {
        items.push_back(std::make_unique<Object>());
        items.back()->props = {prop("Width", PropKind::Integer)};
    }
    void beginUpdate() override { ++updates; }
    void endUpdate() override { --updates; }

    std::vector<std::unique_ptr<Object>> items;
    int updates = 0;
};

class Directory : public ComponentDirectory {
public:
    Component* findForm(std::string_view name) const override {
        for (Component* c : forms)
            if (czechUpperCase(c->name()) == czechUpperCase(name)) return c;
        return nullptr;
    }
    std::vector<Component*> forms;
};

// A form's window on a screen of 1024 × 768 (free above 740) at 96 pixels per inch.
class Form : public StorageForm {
public:
    Form() : component_("Form1", "TForm1") { component_.form = true; }

    WindowPlacement placement() const override {
        WindowPlacement p;
        p.showCmd = state == WindowState::Maximised   ? showCmd::maximised
                    : state == WindowState::Minimised ? showCmd::minimised
                                                      : showCmd::normal;
        p.normal = normal;
        return p;
    }
    void setPlacement(const WindowPlacement& p) override {
        normal = p.normal;
        ++placementsApplied;
    }
    WindowState windowState() const override { return state; }
    void setWindowState(WindowState s) override { state = s; }
    bool isMainForm() const override { return mainForm; }
    bool isFrameWindow() const override { return frameWindow; }
    bool isVisible() const override { return visible; }
    bool isSizeable() const override { return sizeable; }
    PlacementRect bounds() const override { return normal; }
    int screenPixelsPerInch() const override { return 96; }
    int screenWidth() const override { return 1024; }
    int screenHeight() const override { return 768; }
    std::vector<PlacementRect> freeAreas() const override { return {{0, 0, 1024, 740}}; }
    FrameMargins frameMargins() const override { return frame; }
    Component& component() override { return component_; }
    std::string className() const override { return component_.className(); }

    FakeComponent component_;
    WindowState state = WindowState::Normal;
    PlacementRect normal{100, 100, 400, 300};
    bool mainForm = false;
    bool frameWindow = false;
    bool visible = true;
    bool sizeable = true;
    FrameMargins frame;  // none unless a test gives one
    int placementsApplied = 0;
};

// Points $XDG_CONFIG_HOME at a folder for the life of the object.
class ConfigHome {
public:
    explicit ConfigHome(const std::string& folder) {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) old_ = old;
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~ConfigHome() {
        if (old_) setenv("XDG_CONFIG_HOME", old_->c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
    }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

private:
    std::optional<std::string> old_;
};

}  // namespace fake
