#include "vcl/extctrls/ProgressBar.h"

#include "vcl/extctrls/CommonControls.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <commctrl.h>

namespace vcl {

TProgressBar::TProgressBar(rtl::TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& params) {
    InitCommonControlClasses(ICC_PROGRESS_CLASS);
    TWinControl::CreateParams(params);
    CreateSubClass(params, AsUtf16(PROGRESS_CLASSW));
    if (FSmooth) {
        params.Style |= PBS_SMOOTH;
    }
}

void TProgressBar::CreateWnd() {
    TWinControl::CreateWnd();
    SendToWindow(PBM_SETRANGE32, static_cast<uintptr_t>(FMin), FMax);
    SendToWindow(PBM_SETPOS, static_cast<uintptr_t>(FPosition), 0);
}

void TProgressBar::SendToWindow(uint32_t msg, uintptr_t wParam, intptr_t lParam) const {
    if (HWND window = WindowHandle()) {
        SendMessageW(window, msg, wParam, lParam);
    }
}

void TProgressBar::SetRange(int32_t min, int32_t max) {
    FMin = min;
    FMax = std::max(min, max);
    SendToWindow(PBM_SETRANGE32, static_cast<uintptr_t>(FMin), FMax);
    SetPosition(FPosition);
}

void TProgressBar::SetPosition(int32_t value) {
    FPosition = std::clamp(value, FMin, FMax);
    SendToWindow(PBM_SETPOS, static_cast<uintptr_t>(FPosition), 0);
}

void TProgressBar::SetSmooth(bool value) {
    if (value != FSmooth) {
        FSmooth = value;
        RecreateWnd();
    }
}

} // namespace vcl
