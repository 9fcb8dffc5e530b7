#pragma once
// TRadioButton: one choice of a group; the radio buttons with the same parent form the group, and checking one
// unchecks the others. The user checks a button by clicking it, by moving the focus onto it with the keyboard, or by
// its mnemonic; the program by SetChecked. Every check, the program's too, fires OnClick.

#include "vcl/stdctrls/ButtonControl.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

namespace vcl {

// A radio button among its siblings.
class TRadioButton : public TButtonControl {
    RTL_DECLARE_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(rtl::TComponent* owner);
    void Dispatch(TMessage& message) override;

    bool Checked() const { return FChecked; }
    void SetChecked(bool value) override;
    // taRightJustify: the circle on the left, the caption right of it; taLeftJustify the other way round.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    bool GetChecked() const override { return FChecked; }
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void TurnSiblingsOff();

    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
};

} // namespace vcl
