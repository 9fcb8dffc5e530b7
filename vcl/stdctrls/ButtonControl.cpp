#include "vcl/stdctrls/ButtonControl.h"

#include "vcl/system/Win32.h"

namespace vcl {

// The BUTTON control captures the mouse and reports its clicks itself.
TButtonControl::TButtonControl(rtl::TComponent* owner) : TWinControl(owner) {
    SetControlStyle({csSetCaption, csDoubleClicks});
}

void TButtonControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, u"BUTTON");
    if (FWordWrap) {
        params.Style |= BS_MULTILINE;
    }
}

void TButtonControl::SetWordWrap(bool value) {
    if (value != FWordWrap) {
        FWordWrap = value;
        RecreateWnd();
    }
}

} // namespace vcl
