#pragma once
// The window-state components placed on a form: TFormPlacement keeps the
// placement of the form's window in a section of "mindgrid.ini", TFormStorage
// also chosen properties of its controls ("SpinEdit1.Value") and named values.
// The sequence and the file are formstate/core/form_storage.h; this is the
// form's side:
// - a (non-spontaneous) show restores before the form's own show handling;
// - a close the form accepted saves after the form's own close handling; a
//   dialog saves when it is done (done() sends no close event);
// - the form's destructor calls formDestroy() first of all, while its
//   controls still exist.
// The window hook is attached only while the form has size limits
// (MinMaxInfo: the minimum and maximum tracking sizes become the form's
// minimum and maximum size) or must keep its size (PreventResize: a fixed
// size without a maximise button). The maximised position and size, and the
// maximised frame offset of the original placement, are the window system's
// here and have no counterpart. There is no registry: the state always lies in
// the ini file.
//
// Stored properties name Qt properties with their first letter upper-cased
// ("value" is Value, "checked" Checked). A failure is shown in a warning
// box ("Unable to write to " and the path), once per showing.

#include "formstate/core/form_storage.h"

#include <QObject>
#include <QSize>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class QEvent;
class QWidget;
class TWindowHook;

namespace formstate {
class QtComponent;
class QtForm;
}  // namespace formstate

class TFormPlacement : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ active WRITE setActive)
    Q_PROPERTY(QString IniFileName READ iniFileName WRITE setIniFileName)
    Q_PROPERTY(QString IniSection READ iniSection WRITE setIniSection)
    Q_PROPERTY(int Options READ options WRITE setOptions)
    Q_PROPERTY(bool PreventResize READ preventResize WRITE setPreventResize)
    Q_PROPERTY(int Version READ version WRITE setVersion)

public:
    // Placed on `form` (its owner), whose events it takes over from now on.
    explicit TFormPlacement(QWidget* form);
    ~TFormPlacement() override;

    bool active() const { return core_->active; }
    void setActive(bool active) { core_->active = active; }
    // The file name as set (empty: the program's name with ".INI"); a bare name lies in the config folder.
    QString iniFileName() const;
    void setIniFileName(const QString& name);
    // The section as set (empty: the form's class name).
    QString iniSection() const;
    void setIniSection(const QString& section);
    int options() const { return static_cast<int>(core_->options); }
    void setOptions(int options) { core_->options = static_cast<unsigned>(options); }
    bool preventResize() const { return core_->preventResize; }
    void setPreventResize(bool prevent);
    const formstate::WinMinMaxInfo& minMaxInfo() const { return core_->minMaxInfo; }
    void setMinMaxInfo(const formstate::WinMinMaxInfo& info);
    int version() const { return core_->version; }
    void setVersion(int version) { core_->version = version; }

    std::function<void()> OnSavePlacement;
    std::function<void()> OnRestorePlacement;

    // Explicit save and restore; a failure travels to the caller (IniWriteError, ...).
    void saveState();
    void restoreState();
    // A save whose failure is shown instead (once per showing); false when it failed.
    bool saveStateReported();
    // The destroy save: the form's destructor calls it first.
    void formDestroy();

    formstate::FormPlacement& core() { return *core_; }
    QWidget* form() const { return form_; }
    // The window hook, attached only while the form has limits or a fixed size.
    TWindowHook* windowHook() const { return hook_; }

    // The adapter of a control of the form (made on first use).
    formstate::Component* component(QObject* object);

protected:
    using MakeCore = std::function<std::unique_ptr<formstate::FormPlacement>(formstate::StorageForm*)>;
    TFormPlacement(QWidget* form, const MakeCore& make);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class formstate::QtForm;
    void updateHook();
    void applyLimits();
    void showFailure(const std::exception& error);

    QWidget* form_;
    std::unique_ptr<formstate::QtForm> adapter_;
    std::unique_ptr<formstate::FormPlacement> core_;
    std::map<QObject*, std::unique_ptr<formstate::QtComponent>> components_;
    TWindowHook* hook_;
    bool hadMaximiseButton_ = true;
    QSize designedMinimum_;
    QSize designedMaximum_;
};

class TFormStorage : public TFormPlacement {
    Q_OBJECT
    Q_PROPERTY(QStringList StoredProps READ storedProps WRITE setStoredProps)

public:
    explicit TFormStorage(QWidget* form);

    // "component.property" entries, bound to the form's controls; entries that
    // name no control of the form go.
    QStringList storedProps() const;
    void setStoredProps(const QStringList& entries);
    formstate::StoredValues& storedValues() { return storage().storedValues; }

    formstate::FormStorage& storage() { return static_cast<formstate::FormStorage&>(core()); }
};
