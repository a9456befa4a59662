#pragma once
// A QObject as a component of the stored properties (formstate/core): its
// readable Qt properties of the kinds the ini file can hold, named with their
// first letter upper-cased ("value" is Value, "checked" Checked). A form's
// component finds the named controls on the form through its placement
// component, which makes one adapter per control.

#include "formstate/core/component_model.h"

#include <QMetaProperty>
#include <QPointer>

#include <map>
#include <string>
#include <vector>

class QObject;
class TFormPlacement;

namespace formstate {

class QtComponent : public Component {
public:
    // `form`: the object is the form itself; `owner` is the form's component otherwise.
    QtComponent(QObject* object, Component* owner, bool form);

    std::string name() const override;
    std::string className() const override;
    Component* owner() const override { return owner_; }
    bool isForm() const override { return form_; }
    bool isControl() const override { return object_ && object_->isWidgetType() && !form_; }

    Component* findComponent(std::string_view name) const override;
    // The placement component whose adapters findComponent hands out.
    void setStorage(TFormPlacement* storage) { storage_ = storage; }

    std::vector<PropInfo> properties() const override { return infos_; }

    std::int64_t ordinalValue(const PropInfo& info) const override;
    void setOrdinalValue(const PropInfo& info, std::int64_t ordinal) override;
    double floatValue(const PropInfo& info) const override;
    void setFloatValue(const PropInfo& info, double value) override;
    std::string stringValue(const PropInfo& info) const override;
    void setStringValue(const PropInfo& info, const std::string& value) override;
    std::optional<std::vector<std::string>> stringList(const PropInfo& info) const override;
    void setStringList(const PropInfo& info, const std::vector<std::string>& lines) override;

    QObject* object() const { return object_; }

private:
    // The kind the property is stored as; false for a property that is not stored.
    static bool kindOf(const QMetaProperty& property, PropInfo& info);
    const QMetaProperty* find(const PropInfo& info) const;

    QPointer<QObject> object_;
    Component* owner_;
    bool form_;
    TFormPlacement* storage_ = nullptr;
    std::vector<PropInfo> infos_;
    std::map<std::string, QMetaProperty> properties_;
};

}  // namespace formstate
