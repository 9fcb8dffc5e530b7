#pragma once
// TFormRoot: the form as the controls on it see it, the root of a tree of controls that keeps the keyboard focus
// among them. It knows the active control (the one that has the focus while the form is active, or gets it when
// the form becomes active again), tells controls that the focus enters or leaves them (CM_ENTER and CM_EXIT along
// the path between the old and the new focused control), answers the dialog keys (Tab and Shift+Tab move through
// the tab order, arrows between siblings), previews the keys of its controls when asked, and routes the mouse
// wheel to the focused control. TCustomForm builds the form's window behaviour on it.

#include "vcl/controls/CustomControl.h"

namespace vcl {

// The focus-keeping root of the controls of a form.
class TFormRoot : public TCustomControl {
    RTL_DECLARE_CLASS(TFormRoot, TCustomControl)
public:
    explicit TFormRoot(rtl::TComponent* owner);

    void Dispatch(TMessage& message) override;

    // The control with the focus while the form is active; nullptr for the form itself.
    TWinControl* ActiveControl() const { return FActiveControl; }
    // Makes control the active one (focusing it when the form is active); EInvalidOperation for a control that
    // is not on this form or cannot take the focus (unless loading).
    virtual void SetActiveControl(TWinControl* control);
    // Called when control received the keyboard focus: CM_EXIT goes to the previously focused control and its
    // parents up to the first that contains control, CM_ENTER to the parents of control below that one and to
    // control, CM_FOCUSCHANGED to every control. False when the focus moved on while that ran.
    virtual bool SetFocusedControl(TWinControl* control);
    // The control that received the focus last (the form itself when none did).
    TWinControl* FocusedControl() const { return FFocusedControl; }
    // Gives control the focus, activating the form when it is not active.
    void FocusControl(TWinControl* control);
    // control leaves the form (removing) or can no longer have the focus: the active and focused control move away
    // from it.
    void DefocusControl(TWinControl* control, bool removing);
    void SetFocus() override;
    bool Active() const { return FActive; }

    // Whether the form's key events see its controls' keys first.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    // Whether a key message is a short-cut of the form (the key is then taken away from the focused control);
    // here none is.
    virtual bool IsShortCut(TMessage& message);

protected:
    // The form became active or inactive: an active form focuses its active control (the first control in tab
    // order when there is none).
    void SetActive(bool value);
    // Focuses the window of the active control, or the form's own window.
    void SetWindowFocus();
    void MouseWheelHandler(TMessage& message) override;

private:
    void CMDialogKey(TMessage& message);

    TWinControl* FActiveControl = nullptr;  // not owned
    TWinControl* FFocusedControl = nullptr; // not owned
    bool FActive = false;
    bool FKeyPreview = false;
    uint32_t FFocusChangeCount = 0;
};

// The form a control sits on: its topmost parent when that is a form, else nullptr.
TFormRoot* ParentFormRoot(const TControl* control);

} // namespace vcl
