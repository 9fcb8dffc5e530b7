#pragma once
// TButtonControl: the base of the controls over the Windows BUTTON control (push buttons, radio buttons). The window
// tells its parent of a click (BN_CLICKED, reflected as CN_COMMAND); the control answers it, unless clicks are
// disabled while the program itself changes the control's state.

#include "vcl/controls/WinControl.h"

namespace vcl {

// A control over a Windows button with a checked state and a caption that may wrap.
class TButtonControl : public TWinControl {
    RTL_DECLARE_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(rtl::TComponent* owner);

    // Whether the caption breaks into lines that fit the button.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

protected:
    // The state a radio or check button shows; none for a push button.
    virtual bool GetChecked() const { return false; }
    virtual void SetChecked(bool) {}
    // While set, a change of state by the program fires no click.
    bool ClicksDisabled() const { return FClicksDisabled; }
    void SetClicksDisabled(bool value) { FClicksDisabled = value; }
    // The window styles of the button before the kind of button: the BUTTON class and the caption's wrapping.
    void CreateParams(TCreateParams& params) override;

private:
    bool FWordWrap = false;
    bool FClicksDisabled = false;
};

} // namespace vcl
