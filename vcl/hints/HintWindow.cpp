#include "vcl/hints/HintWindow.h"

#include "vcl/system/Win32.h"

namespace vcl {

namespace {

constexpr int32_t TextMargin = 2;

THintWindowClass& CurrentHintWindowClass() {
    static THintWindowClass windowClass = &THintWindow::StaticClass();
    return windowClass;
}

} // namespace

THintWindowClass HintWindowClass() {
    return CurrentHintWindowClass();
}

void SetHintWindowClass(THintWindowClass windowClass) {
    CurrentHintWindowClass() = windowClass ? windowClass : &THintWindow::StaticClass();
}

THintWindow::THintWindow(rtl::TComponent* owner) : TCustomControl(owner) {
    SetColor(clInfoBk);
    SetParentColor(false);
    Font().SetColor(clInfoText);
    SetParentFont(false);
    SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WindowClass.Style |= CS_SAVEBITS;
    params.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int32_t maxWidth, rtl::UnicodeStringView text, void*) {
    TRect rect = Rect(0, 0, maxWidth, 0);
    Canvas().Font().Assign(&Font());
    Canvas().DrawText(text, rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    // Room for the border and the text's margins.
    rect.Right += 2 * TextMargin + 2;
    rect.Bottom += 2 * TextMargin;
    return rect;
}

void THintWindow::ActivateHint(const TRect& rect, rtl::UnicodeStringView text) {
    ActivateHintData(rect, text, nullptr);
}

void THintWindow::ActivateHintData(const TRect& rect, rtl::UnicodeStringView text, void*) {
    SetCaption(text);
    SetBoundsRect(rect);
    HWND window = Handle();
    SetWindowPos(window, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
    Update();
}

void THintWindow::ReleaseHandle() {
    if (HandleAllocated()) {
        ShowWindow(WindowHandle(), SW_HIDE);
    }
}

bool THintWindow::HintShowing() {
    return HandleAllocated() && IsWindowVisible(WindowHandle());
}

bool THintWindow::IsHintMsg(uint32_t msg) const {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN ||
           msg == WM_MBUTTONDOWN || msg == WM_NCLBUTTONDOWN || msg == WM_NCRBUTTONDOWN || msg == WM_ACTIVATEAPP;
}

void THintWindow::Paint() {
    TRect rect = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(rect);
    rect.Left += TextMargin;
    rect.Top += TextMargin;
    Canvas().Font().Assign(&Font());
    Canvas().Brush().SetStyle(bsClear);
    Canvas().DrawText(Caption(), rect, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace vcl
