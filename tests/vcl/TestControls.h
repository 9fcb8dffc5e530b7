#pragma once
// Small controls the framework's tests build forms from: a windowed control that can take the focus and logs the
// component messages it receives, a graphic control, a control painted in one colour, and a Windows button
// subclassed by the framework.

#include "tests/support/ui/GeometryPrinting.h"
#include "vcl/controls/CustomControl.h"
#include "vcl/controls/GraphicControl.h"

#include <string>
#include <vector>

namespace vcl_test {

// The log of the messages that test controls record, shared by every control of a test.
using TMessageLog = std::vector<std::string>;

// A windowed control that takes the focus, wants no dialog keys, and logs its focus and mouse messages as
// "<name> <message>" into the log it is given.
class TLoggingControl : public vcl::TCustomControl {
    RTL_DECLARE_CLASS(TLoggingControl, vcl::TCustomControl)
public:
    explicit TLoggingControl(rtl::TComponent* owner);
    void Dispatch(vcl::TMessage& message) override;

    TMessageLog* Log = nullptr; // not owned
    // Each CN_COMMAND received: its notification code (the high word of WParam).
    std::vector<int> Commands;
    // Every notification message (CN_) received, in order.
    std::vector<uint32_t> Notifications;
};

// A graphic control filled with its colour; logs like TLoggingControl.
class TLoggingGraphic : public vcl::TGraphicControl {
    RTL_DECLARE_CLASS(TLoggingGraphic, vcl::TGraphicControl)
public:
    explicit TLoggingGraphic(rtl::TComponent* owner);
    void Dispatch(vcl::TMessage& message) override;

    TMessageLog* Log = nullptr; // not owned

protected:
    void Paint() override;
};

// A windowed control that fills its client area with its colour.
class TColorControl : public vcl::TCustomControl {
    RTL_DECLARE_CLASS(TColorControl, vcl::TCustomControl)
public:
    explicit TColorControl(rtl::TComponent* owner);
    // How often Paint ran.
    int PaintCount = 0;

protected:
    void Paint() override;
};

// A Windows push button ("BUTTON") made a framework control; it logs the CN_COMMAND its parent reflects to it.
class TSubclassedButton : public TLoggingControl {
    RTL_DECLARE_CLASS(TSubclassedButton, TLoggingControl)
public:
    using TLoggingControl::TLoggingControl;

protected:
    void CreateParams(vcl::TCreateParams& params) override;
};

// Names of the messages the log records.
std::string MessageName(uint32_t msg);

// A new control of class T named name, owned by and placed on parent, with the given bounds.
template <class T>
T* AddControl(vcl::TWinControl& parent, const char16_t* name, vcl::TRect bounds = vcl::Bounds(0, 0, 40, 20)) {
    auto* control = new T(&parent);
    control->SetName(name);
    control->SetBoundsRect(bounds);
    control->SetParent(&parent);
    return control;
}

// A logging control (windowed or graphic) as AddControl makes it, logging into log.
template <class T>
T* AddLoggingControl(vcl::TWinControl& parent, const char16_t* name, TMessageLog& log,
                     vcl::TRect bounds = vcl::Bounds(0, 0, 40, 20)) {
    T* control = AddControl<T>(parent, name, bounds);
    control->Log = &log;
    return control;
}

} // namespace vcl_test
