#pragma once
// TButton: a push button. Pressing it (a click, Space, its mnemonic) fires OnClick and gives its parent form its
// ModalResult, which closes a modal form. The Default button is pressed by Enter and the Cancel button by Escape
// anywhere on the form where the focused control does not use those keys; while another button has the focus, Enter
// presses that one, and the button that Enter would press shows the heavier default frame.

#include "vcl/controls/ControlTypes.h"
#include "vcl/stdctrls/ButtonControl.h"

namespace vcl {

// A push button with a modal result and the form's default and cancel roles.
class TButton : public TButtonControl {
    RTL_DECLARE_CLASS(TButton, TButtonControl)
public:
    explicit TButton(rtl::TComponent* owner);
    void Dispatch(TMessage& message) override;

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Whether Enter presses this button now (it has the focus, or it is the default and no other button has it).
    bool Active() const { return FActive; }

    // Presses the button: the form takes the modal result, then OnClick.
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Shows the button with the default frame or without it.
    virtual void SetButtonStyle(bool isDefault);

private:
    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMFocusChanged(TMessage& message);

    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
};

} // namespace vcl
