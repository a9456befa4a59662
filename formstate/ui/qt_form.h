#pragma once
// A form's window as the placement routines (formstate/core) see it: its
// placement and state, what kind of window it is, the screens' free areas and
// the window frame, and its focused control.

#include "formstate/core/form_storage.h"

#include <QSize>

#include <string>
#include <vector>

class QWidget;
class TFormPlacement;

namespace formstate {

class QtForm : public StorageForm {
public:
    QtForm(QWidget* form, TFormPlacement* storage) : form_(form), storage_(storage) {}

    WindowPlacement placement() const override;
    void setPlacement(const WindowPlacement& p) override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    bool isMainForm() const override;
    bool isChildWindow() const override;
    bool isFrameWindow() const override;
    bool hasDefaultPosition() const override;
    bool isVisible() const override;
    bool isSizeable() const override;
    PlacementRect bounds() const override;

    int screenPixelsPerInch() const override;
    int screenWidth() const override { return screenSize().width(); }
    int screenHeight() const override { return screenSize().height(); }
    std::vector<PlacementRect> freeAreas() const override;
    FrameMargins frameMargins() const override;

    Component& component() override;
    std::string className() const override;
    std::string activeControlName() const override;
    void focusControl(const std::string& name) override;

private:
    static QSize screenSize();

    QWidget* form_;
    TFormPlacement* storage_;
};

}  // namespace formstate
