// The drop-down popup: showing with its focus and modal loop, closing, deactivation and the private requests.

#include "ui/core/controls/uiCustomPopupWindow.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/uiMessageWindows.h"
#include "ui/core/controls/uiPopupHooks.h"
#include "ui/core/controls/uiWindowRoutines.h"
#include "vcl/forms/Application.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

bool IsTopMostWindow(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Raises the being-shown flag for a scope.
class TPopupBeingShownScope {
public:
    TPopupBeingShownScope() { SetPopupBeingShown(true); }
    ~TPopupBeingShownScope() { SetPopupBeingShown(false); }
    TPopupBeingShownScope(const TPopupBeingShownScope&) = delete;
    TPopupBeingShownScope& operator=(const TPopupBeingShownScope&) = delete;
};

// Keeps popup-activation tracking on for a scope.
class TPopupActivationScope {
public:
    TPopupActivationScope() { TrackPopupActivation(true); }
    ~TPopupActivationScope() { TrackPopupActivation(false); }
    TPopupActivationScope(const TPopupActivationScope&) = delete;
    TPopupActivationScope& operator=(const TPopupActivationScope&) = delete;
};

// Removes a pending Alt, Alt+Enter or Alt+Space, which would open the system menu of the form behind the popup.
void DiscardPendingSystemKey() {
    MSG message;
    if (PeekMessageW(&message, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) &&
        (message.wParam == VK_RETURN || message.wParam == VK_MENU || message.wParam == VK_SPACE)) {
        PeekMessageW(&message, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
    }
}

} // namespace

TuiCustomPopupWindow::TuiCustomPopupWindow(vcl::TControl* ownerControl)
    : TuiCustomPopupWindow(ownerControl, [] { return std::make_unique<TuiContainerViewInfo>(); }) {}

TuiCustomPopupWindow::TuiCustomPopupWindow(vcl::TControl* ownerControl,
                                           const TuiContainerViewInfoFactory& viewInfoFactory)
    : TuiPopupWindow(ownerControl), FOwnerControl(ownerControl), FViewInfo(viewInfoFactory()) {
    SetFormStyle(vcl::fsNormal);
    SetVisible(false);
    FStyle = std::make_unique<TuiContainerStyle>(this, false);
    FStyle->SetOnChanged([this](rtl::TObject*) { AfterPopup(); });
    SetKeyPreview(true);
}

TuiCustomPopupWindow::~TuiCustomPopupWindow() = default;

// A popup that goes while shown leaves the list before its window goes, so it closes without its events.
void TuiCustomPopupWindow::BeforeDestruction() {
    if (IsShown()) {
        RemoveShownPopup(this);
    }
    TuiPopupWindow::BeforeDestruction();
}

void TuiCustomPopupWindow::LayOutViewInfo() {
    const vcl::TRect client = GetClientRect();
    FViewInfo->Bounds = client;
    FViewInfo->BorderRect = client;
    FViewInfo->ClientRect = client;
    FViewInfo->BorderStyle = cbsNone;
    FViewInfo->BorderWidth = 0;
    FViewInfo->BackgroundColor = Color();
}

void TuiCustomPopupWindow::Resize() {
    TuiPopupWindow::Resize();
    LayOutViewInfo();
}

// The view's margins hold also for a size it is not laid out for yet (children may align before Resize).
void TuiCustomPopupWindow::AdjustClientRect(vcl::TRect& rect) {
    TuiPopupWindow::AdjustClientRect(rect);
    rect = FViewInfo->ClientRectWithin(rect);
}

void TuiCustomPopupWindow::Paint() {
    FViewInfo->Draw(PopupCanvas());
    DrawFrame();
}

bool TuiCustomPopupWindow::IsShown() const {
    return IsShownPopup(this);
}

HWND TuiCustomPopupWindow::OwnerWindow() const {
    if (!FOwnerControl) {
        return nullptr;
    }
    if (const auto* window = dynamic_cast<const vcl::TWinControl*>(FOwnerControl)) {
        return window->WindowHandle();
    }
    return FOwnerControl->Parent() ? FOwnerControl->Parent()->WindowHandle() : nullptr;
}

void TuiCustomPopupWindow::CreateParams(vcl::TCreateParams& params) {
    TuiPopupWindow::CreateParams(params);
    vcl::TCustomForm* ownerForm = FOwnerControl ? vcl::GetParentForm(FOwnerControl) : nullptr;
    if (FCaptureFocus) {
        params.Style = (params.Style & ~static_cast<uint32_t>(WS_CHILD)) | WS_POPUP;
        params.ExStyle &= ~static_cast<uint32_t>(WS_EX_TOPMOST);
        if (ownerForm) {
            params.WndParent = ownerForm->Handle();
        }
        if (FFollowParentTopMost && (!ownerForm || IsTopMostWindow(ownerForm->Handle()))) {
            params.ExStyle |= WS_EX_TOPMOST;
        }
    } else {
        // A child window without a parent cannot take the activation: the form it opened from stays active.
        params.Style = WS_CHILD;
        params.ExStyle = WS_EX_TOOLWINDOW;
        if (!params.WndParent) {
            params.WndParent = SharedMessageWindow()->Handle();
        }
    }
    params.Style |= WS_CLIPCHILDREN;
}

void TuiCustomPopupWindow::CreateWnd() {
    // Hooks watching the window's first messages take it for a shown popup.
    const bool listed = IsShown();
    if (!listed) {
        AddShownPopup(this);
    }
    try {
        TuiPopupWindow::CreateWnd();
    } catch (...) {
        if (!listed) {
            RemoveShownPopup(this);
        }
        throw;
    }
    if (!listed) {
        RemoveShownPopup(this);
    }
    if (!FCaptureFocus) {
        ::SetParent(WindowHandle(), nullptr);
    }
}

vcl::TRect TuiCustomPopupWindow::GetOwnerScreenBounds() const {
    const HWND owner = OwnerWindow();
    if (owner && IsChildWindowStyle(owner)) {
        return TuiPopupWindow::GetOwnerScreenBounds();
    }
    return OwnerBounds();
}

vcl::TWinControl* TuiCustomPopupWindow::ControlToFocus(vcl::TWinControl* control) {
    if (!FCaptureFocus) {
        return control;
    }
    if (control && control->CanFocus() && control->TabStop()) {
        return control;
    }
    if (vcl::TWinControl* first = FindNextControl(nullptr, true, true, false)) {
        return first;
    }
    return this;
}

void TuiCustomPopupWindow::PlaceInZOrder() {
    vcl::TCustomForm* ownerForm = FOwnerControl ? vcl::GetParentForm(FOwnerControl) : nullptr;
    const bool topMost =
        !ownerForm || (ownerForm->HandleAllocated() && IsTopMostWindow(ownerForm->WindowHandle())) || !FCaptureFocus;
    SetWindowPos(WindowHandle(), topMost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TuiCustomPopupWindow::PopupFocused(vcl::TWinControl* control) {
    const HWND owner = OwnerWindow();
    if (IsShown() || !owner || !IsWindowVisible(owner)) {
        return;
    }
    InitPopup();
    CalculateSize();
    LayOutViewInfo();
    vcl::TPoint point = CalculatePosition();
    CorrectBoundsToScreen(point);
    {
        const TPopupBeingShownScope beingShown;
        AddShownPopup(this);
        FireShowingEvent();
        SetBounds(point.X, point.Y, Width(), Height());
        Show();
    }
    const vcl::TControlLink link(this);
    vcl::TWinControl* focused = ControlToFocus(control);
    if (focused) {
        const TuiPopupClosingScope closing(*this);
        focused->SetFocus();
    }
    if (!link.Alive()) {
        return;
    }
    FShownFocusedControl = focused;
    PlaceInZOrder();
    SetModalResult(vcl::mrNone);
    FireShowedEvent();
    if (link.Alive() && FCaptureFocus && FModalLoop) {
        RunModalLoop();
    }
}

void TuiCustomPopupWindow::RunModalLoop() {
    const vcl::TControlLink link(this);
    while (link.Alive() && HandleAllocated() && IsWindowVisible(WindowHandle()) && !vcl::Application().Terminated()) {
        DiscardPendingSystemKey();
        if (ModalResult() != vcl::mrNone) {
            if (CloseQuery()) {
                CloseOnRequest();
            } else {
                SetModalResult(vcl::mrNone);
            }
            continue;
        }
        vcl::Application().HandleMessage();
    }
}

void TuiCustomPopupWindow::CloseUp() {
    if (!IsShown()) {
        return;
    }
    const TPopupActivationScope tracking;
    const vcl::TControlLink link(this);
    RemoveShownPopup(this);
    FireClosingEvent();
    if (!link.Alive()) {
        return;
    }
    if (HandleAllocated()) {
        ShowWindow(WindowHandle(), SW_HIDE);
    }
    Hide();
    FireClosedEvent();
    if (!link.Alive()) {
        return;
    }
    if (HandleAllocated() && IsSameOrChildWindow(WindowHandle(), GetCapture())) {
        ReleaseCapture();
    }
    vcl::TCustomForm* ownerForm = FOwnerControl ? vcl::GetParentForm(FOwnerControl) : nullptr;
    if (ShownPopups().empty() && ownerForm && ownerForm->HandleAllocated() &&
        ownerForm->FormStyle() != vcl::fsMDIForm && !ownerForm->Active()) {
        SendMessageW(ownerForm->WindowHandle(), WM_NCACTIVATE, FALSE, 0);
    }
}

bool TuiCustomPopupWindow::IsNavigationKey(uint16_t key) const {
    return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_F4;
}

bool TuiCustomPopupWindow::Focused() const {
    if (!IsShown() || !FCaptureFocus || !HandleAllocated()) {
        return false;
    }
    const HWND focus = GetFocus();
    return focus && (IsSameOrChildWindow(WindowHandle(), focus) || PopupTreeHasHandle(this, focus));
}

void TuiCustomPopupWindow::CorrectBoundsToScreen(vcl::TPoint& point) {
    if (!IsSizingAllowed()) {
        return;
    }
    const vcl::TRect area = WorkAreaNearest(point);
    int32_t width = Width();
    int32_t height = Height();
    if (point.X < area.Left) {
        width -= area.Left - point.X;
        point.X = area.Left;
    }
    if (point.Y < area.Top) {
        height -= area.Top - point.Y;
        point.Y = area.Top;
    }
    height = std::min(height, area.Bottom - point.Y);
    width = std::min(width, area.Right - point.X);
    SetBounds(Left(), Top(), width, height);
    // A form that keeps a larger height than it was given (constraints) and starts at the top grows downward.
    if (Height() != height && point.Y == area.Top) {
        point.Y += height - Height();
    }
}

void TuiCustomPopupWindow::SetCaptureFocus(bool value) {
    if (value == FCaptureFocus) {
        return;
    }
    FCaptureFocus = value;
    ShowAgain();
}

void TuiCustomPopupWindow::SetFollowParentTopMost(bool value) {
    if (value == FFollowParentTopMost) {
        return;
    }
    FFollowParentTopMost = value;
    ShowAgain();
}

// A changed window style needs a new window; a shown popup shows again in it with the same focus.
void TuiCustomPopupWindow::ShowAgain() {
    if (!HandleAllocated()) {
        return;
    }
    const bool shown = IsShown();
    vcl::TWinControl* focused = FShownFocusedControl;
    if (shown) {
        CloseUp();
    }
    RecreateWnd();
    if (shown) {
        PopupFocused(focused);
    }
}

void TuiCustomPopupWindow::Deactivate() {
    if (FClosingCount != 0) {
        return;
    }
    vcl::TForm::Deactivate();
    CloseOtherPopupsOnDeactivation();
}

// The popups shown after this one close from the last, unless the activation went to one of them; then this one.
void TuiCustomPopupWindow::CloseOtherPopupsOnDeactivation() {
    const HWND active = FActivatedWindow;
    std::vector<TuiCustomPopupWindow*> handled;
    for (;;) {
        const std::vector<TuiCustomPopupWindow*>& shown = ShownPopups();
        auto next = std::find_if(shown.rbegin(), shown.rend(), [&handled](TuiCustomPopupWindow* popup) {
            return std::find(handled.begin(), handled.end(), popup) == handled.end();
        });
        if (next == shown.rend()) {
            break;
        }
        TuiCustomPopupWindow* popup = *next;
        handled.push_back(popup);
        if (active && popup->HandleAllocated() &&
            (IsSameOrChildWindow(popup->WindowHandle(), active) || PopupTreeHasHandle(popup, active))) {
            return;
        }
        if (popup->HandleAllocated() && IsWindowEnabled(popup->WindowHandle()) && popup->ClosingCount() == 0) {
            popup->CloseUp();
        }
    }
    if (!ShownPopups().empty()) {
        CloseUp();
    }
}

void TuiCustomPopupWindow::VisibleChanged() {
    if (!FCaptureFocus || !FOwnerControl || !HandleAllocated() || IsWindowVisible(WindowHandle())) {
        return;
    }
    vcl::TCustomForm* ownerForm = vcl::GetParentForm(FOwnerControl);
    auto* owner = dynamic_cast<vcl::TWinControl*>(FOwnerControl);
    if (ownerForm && owner && ownerForm->HandleAllocated() && GetFocus() == ownerForm->WindowHandle() &&
        owner->CanFocus()) {
        owner->SetFocus();
    }
}

void TuiCustomPopupWindow::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (key == VK_ESCAPE && IsShown() && HandleAllocated() && GetCapture() == WindowHandle()) {
        ReleaseCapture();
        key = 0;
        return;
    }
    TuiPopupWindow::KeyDown(key, shift);
}

void TuiCustomPopupWindow::FireClosedEvent() {
    if (FOnClosed) {
        FOnClosed(this);
    }
}

void TuiCustomPopupWindow::FireClosingEvent() {
    if (FOnClosing) {
        FOnClosing(this);
    }
}

void TuiCustomPopupWindow::FireShowedEvent() {
    if (FOnShowed) {
        FOnShowed(this);
    }
}

void TuiCustomPopupWindow::FireShowingEvent() {
    if (FOnShowing) {
        FOnShowing(this);
    }
}

void TuiCustomPopupWindow::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case UI_POPUPCLOSEREQUEST: {
        {
            const TuiPopupClosingScope closing(*this);
            CloseUp();
        }
        if (const HWND owner = OwnerWindow()) {
            SendMessageW(owner, WM_SETFOCUS, 0, 0);
        }
        return;
    }
    case UI_POPUPSHOWAGAIN:
        PopupFocused(FShownFocusedControl);
        return;
    case WM_ACTIVATEAPP:
        // The hooks close popups when the application loses the activation.
        return;
    case WM_ACTIVATE:
        // While the popup hears of its deactivation the system still names it the active window.
        if (vcl::LoWord(message.WParam) == WA_INACTIVE) {
            FActivatedWindow = reinterpret_cast<HWND>(message.LParam);
        }
        break;
    case vcl::CM_COLORCHANGED:
        TuiPopupWindow::Dispatch(message);
        LayOutViewInfo();
        Invalidate();
        return;
    case WM_ERASEBKGND:
        if (!HasCustomFrame()) {
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TuiPopupWindow::Dispatch(message);
}

} // namespace ui
