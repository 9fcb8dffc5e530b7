// TWinControl: the window's life (creation, subclassing, destruction, recreation), showing, and the bounds the
// window and the control share.

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "vcl/controls/FormRoot.h"
#include "vcl/controls/WinControl.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace vcl {

HWND TWinControl::Handle() {
    if (!FHandle) {
        if (Parent()) {
            Parent()->HandleNeeded();
        }
        CreateHandle();
    }
    return FHandle;
}

void TWinControl::CreateHandle() {
    if (FHandle) {
        return;
    }
    CreateWnd();
    InsertIntoZOrder();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params = TCreateParams{};
    params.Caption = TControl::GetText();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (ControlStyle().Contains(csAcceptsControls)) {
        params.Style |= WS_CLIPCHILDREN;
        params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!Enabled()) {
        params.Style |= WS_DISABLED;
    }
    if (FTabStop) {
        params.Style |= WS_TABSTOP;
    }
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->FHandle : FParentWindow;
    params.WindowClass.Style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.WindowClass.Cursor = LoadCursorW(nullptr, IDC_ARROW);
    params.WinClassName = ClassName();
}

// The class keeps the Windows class's look and behaviour; its window procedure becomes the default handler.
void TWinControl::CreateSubClass(TCreateParams& params, const char16_t* windowsClassName) {
    constexpr UINT DroppedClassStyles = CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_GLOBALCLASS;
    WNDCLASSW windowsClass{};
    if (!GetClassInfoW(nullptr, AsWide(windowsClassName), &windowsClass)) {
        throw rtl::EOSError(VclMessages::WindowCreateError);
    }
    params.WindowClass.Style = windowsClass.style & ~DroppedClassStyles;
    params.WindowClass.ClassExtraBytes = windowsClass.cbClsExtra;
    params.WindowClass.WindowExtraBytes = windowsClass.cbWndExtra;
    params.WindowClass.Icon = windowsClass.hIcon;
    params.WindowClass.Cursor = windowsClass.hCursor;
    params.WindowClass.Background = windowsClass.hbrBackground;
    params.WindowClass.SubclassedWindowProcedure = reinterpret_cast<void*>(windowsClass.lpfnWndProc);
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent) {
        throw rtl::EInvalidOperation(rtl::Format(VclMessages::ParentRequired, {Name()}));
    }
    FDefWndProc = params.WindowClass.SubclassedWindowProcedure ? params.WindowClass.SubclassedWindowProcedure
                                                               : reinterpret_cast<void*>(DefWindowProcW);
    RegisterControlWindowClass(params);
    CreateWindowHandle(params);
    if (!FHandle) {
        throw rtl::EOSError(VclMessages::WindowCreateError);
    }
    // Notifications name the child that sends them by its identifier: the window handle is one that is unique.
    if ((params.Style & WS_CHILD) && GetWindowLongPtrW(FHandle, GWLP_ID) == 0) {
        SetWindowLongPtrW(FHandle, GWLP_ID, reinterpret_cast<LONG_PTR>(FHandle));
    }
    ReadWindowBounds();
    Perform(WM_SETFONT, reinterpret_cast<uintptr_t>(Font().Handle()), 1);
    if (AutoSize()) {
        AdjustSize();
    }
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    SetCreationControl(this);
    HWND window = CreateWindowExW(params.ExStyle, AsWide(params.WinClassName.c_str()), AsWide(params.Caption.c_str()),
                                  params.Style, params.X, params.Y, params.Width, params.Height, params.WndParent,
                                  nullptr, GetModuleHandleW(nullptr), params.Param);
    SetCreationControl(nullptr);
    if (window && !FHandle) {
        BindWindowToControl(window, this);
    }
}

void TWinControl::DestroyHandle() {
    if (!FHandle) {
        return;
    }
    for (TWinControl* child : std::vector<TWinControl*>(FTabList)) {
        child->DestroyHandle();
    }
    DestroyWnd();
}

// The text lives in the window while there is one: it is kept for the next window.
void TWinControl::DestroyWnd() {
    FText = GetText();
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
    SetControlState(ControlState() + TControlState{csDestroyingHandle});
    HWND window = FHandle;
    const TControlLink link(this);
    DestroyWindow(window);
    if (!link.Alive()) {
        return;
    }
    SetControlState(ControlState() - TControlState{csDestroyingHandle});
    if (FHandle == window) {
        UnbindWindowFromControl(window, this);
    }
    FShowing = false;
}

void TWinControl::RecreateWnd() {
    if (FHandle) {
        Perform(CM_RECREATEWND);
    }
}

void TWinControl::CMRecreateWnd() {
    const bool wasFocused = Focused();
    DestroyHandle();
    UpdateControlState();
    if (wasFocused && FHandle) {
        ::SetFocus(FHandle);
    }
}

// Only a control whose parents up to a form (or a foreign parent window) are showing shows anything.
void TWinControl::UpdateControlState() {
    TWinControl* root = this;
    while (root->Parent()) {
        root = root->Parent();
        if (!root->Showing()) {
            return;
        }
    }
    if (dynamic_cast<TFormRoot*>(root) || root->FParentWindow) {
        UpdateShowing();
    }
}

void TWinControl::UpdateShowing() {
    const bool show = Visible() && !ControlState().Contains(csReadingState);
    if (show) {
        CreateHandle();
        for (TWinControl* child : std::vector<TWinControl*>(FTabList)) {
            child->UpdateShowing();
        }
    }
    if (!FHandle || FShowing == show) {
        return;
    }
    FShowing = show;
    try {
        Perform(CM_SHOWINGCHANGED);
    } catch (...) {
        FShowing = !show;
        throw;
    }
}

void TWinControl::ShowingChanged() {
    constexpr UINT KeepPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, KeepPlace | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

HWND TWinControl::WindowAbove(const TWinControl* control) const {
    auto position = std::find(FControls.begin(), FControls.end(), static_cast<const TControl*>(control));
    if (position == FControls.end()) {
        return nullptr;
    }
    for (++position; position != FControls.end(); ++position) {
        const auto* sibling = dynamic_cast<const TWinControl*>(*position);
        if (sibling && sibling->FHandle) {
            return sibling->FHandle;
        }
    }
    return nullptr;
}

// A window made anew lands on top of its siblings; it goes back to its place in the children's z order.
void TWinControl::InsertIntoZOrder() {
    if (!Parent() || !FHandle) {
        return;
    }
    HWND above = Parent()->WindowAbove(this);
    SetWindowPos(FHandle, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::SetZOrder(bool topMost) {
    if (Parent()) {
        auto& siblings = Parent()->FControls;
        std::erase(siblings, static_cast<TControl*>(this));
        siblings.insert(topMost ? siblings.end() : siblings.begin(), this);
    }
    if (FHandle) {
        SetWindowPos(FHandle, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TWinControl::UpdateBoundsRect(const TRect& oldBounds) {
    if (FHandle && !IsIconic(FHandle)) {
        FSettingBounds = true;
        SetWindowPos(FHandle, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        FSettingBounds = false;
    }
    if (oldBounds.Width() != Width() || oldBounds.Height() != Height()) {
        Realign();
    }
}

// Windows may give a window other bounds than asked (a top-level window's smallest size) or change them itself
// (the user sizing a form): the control takes what the window has.
void TWinControl::ReadWindowBounds() {
    if (!FHandle || IsIconic(FHandle)) {
        return;
    }
    RECT window{};
    GetWindowRect(FHandle, &window);
    if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&window), 2);
    }
    const TRect actual = ToRect(window);
    const TRect oldBounds = BoundsRect();
    if (actual == oldBounds) {
        return;
    }
    FLeft = actual.Left;
    FTop = actual.Top;
    FWidth = actual.Width();
    FHeight = actual.Height();
    if (oldBounds.Width() == FWidth && oldBounds.Height() == FHeight) {
        return;
    }
    const TControlLink link(this);
    Realign();
    if (link.Alive() && !ComponentState().Contains(rtl::TComponentState::csLoading)) {
        Resize();
    }
}

void TWinControl::WMWindowPosChanged(TMessage& message) {
    const TControlLink link(this);
    DefaultHandler(message);
    if (link.Alive() && !FSettingBounds) {
        ReadWindowBounds();
    }
}

// The non-client area (caption, borders) of the window the control's parameters describe.
TRect TWinControl::NonClientMargins() const {
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    return {-frame.left, -frame.top, frame.right, frame.bottom};
}

TRect TWinControl::GetClientRect() const {
    if (FHandle) {
        RECT client{};
        ::GetClientRect(FHandle, &client);
        return ToRect(client);
    }
    const TRect margins = NonClientMargins();
    return Rect(0, 0, std::max(0, Width() - margins.Left - margins.Right),
                std::max(0, Height() - margins.Top - margins.Bottom));
}

TPoint TWinControl::GetClientOrigin() const {
    if (FHandle) {
        POINT origin{0, 0};
        ::ClientToScreen(FHandle, &origin);
        return ToPoint(origin);
    }
    const TRect margins = NonClientMargins();
    const TPoint windowOrigin = TControl::GetClientOrigin();
    return {windowOrigin.X + margins.Left, windowOrigin.Y + margins.Top};
}

} // namespace vcl
