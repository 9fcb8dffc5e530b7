// TuiContainer and the native control it hosts: the two act as one control for the focus, the keys and the scroll
// bars, and the inner control always fills the container's client rectangle in the container's colours and font.

#include "rtl/WindowsApi.h"
#include "ui/core/controls/containers/uiContainer.h"
#include "ui/core/controls/popups/uiControlQueries.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "vcl/controls/FormRoot.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

// Windows refuses captions of 64 K characters and more in CreateWindowEx.
constexpr size_t LongestCreationCaption = 65535;

// The container's request to update its bars after the messages waiting now.
constexpr uint32_t UI_UPDATESCROLLBARS = 0x8080;

bool IsKeyMessage(uint32_t message) {
    return (message >= WM_KEYDOWN && message <= WM_CHAR) ||
           (message >= vcl::CN_BASE + WM_KEYDOWN && message <= vcl::CN_BASE + WM_CHAR);
}

bool IsNativeScrollBarVisible(const SCROLLBARINFO& info) {
    return (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
}

} // namespace

void PostScrollBarsUpdate(TuiContainer& container) {
    if (!container.IsDestroying() && container.HandleAllocated() && container.InnerControl() != nullptr) {
        PostMessageW(container.WindowHandle(), UI_UPDATESCROLLBARS, 0, 0);
    }
}

TuiContainer* FindContainerOfControl(vcl::TControl* control) {
    if (auto* container = dynamic_cast<TuiContainer*>(control)) {
        return container;
    }
    auto* inner = dynamic_cast<IuiContainerInnerControl*>(control);
    return inner != nullptr ? inner->GetControlContainer() : nullptr;
}

bool IsContainerPopupShown(vcl::TControl* control) {
    const TuiContainer* container = FindContainerOfControl(control);
    return container != nullptr && container->IsPopupShown();
}

void ApplyWindowRegion(vcl::TWinControl& control, const TuiContainerClipState& clip) {
    if (!control.HandleAllocated()) {
        return;
    }
    const HRGN region =
        clip.Whole ? nullptr
                   : CreateRectRgn(clip.Visible.Left, clip.Visible.Top, clip.Visible.Right, clip.Visible.Bottom);
    // The window owns the region from here on.
    SetWindowRgn(control.WindowHandle(), region, TRUE);
}

bool ContainerHandlesInnerMessage(TuiContainer& container, vcl::TMessage& message) {
    return container.FInnerControl != nullptr && !container.IsDestroying() &&
           container.HandleInnerControlMessage(message);
}

void TuiContainer::InnerMouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    FInnerClick = true;
    MouseDown(button, shift, x, y);
    if (link.Alive()) {
        FInnerClick = false;
    }
}

bool TuiContainer::HandleDialogKey(vcl::TMessage& message) {
    if ((message.Msg != vcl::CN_KEYDOWN && message.Msg != vcl::CN_SYSKEYDOWN) || !IsPopupMenuShortCut(message)) {
        return false;
    }
    message.Result = 1;
    return true;
}

bool TuiContainer::CanFocusOnClick() const {
    return TuiControl::CanFocusOnClick() && !FInnerClick &&
           !(HasInnerWindow() && GetFocus() == FInnerControl->WindowHandle());
}

void TuiContainer::Invalidate() {
    TuiControl::Invalidate();
    if (FInnerControl != nullptr) {
        FInnerControl->Invalidate();
    }
}

void TuiContainer::Update() {
    TuiControl::Update();
    if (FInnerControl != nullptr) {
        FInnerControl->Update();
    }
}

void TuiContainer::SetDragMode(vcl::TDragMode value) {
    TuiControl::SetDragMode(value);
    if (FInnerControl != nullptr) {
        FInnerControl->SetDragMode(value);
    }
}

void TuiContainer::DragCanceled() {
    TuiControl::DragCanceled();
    if (FInnerControl != nullptr) {
        FInnerControl->DragCanceled();
    }
}

vcl::TDragImageList* TuiContainer::GetDragImages() {
    return FInnerControl != nullptr ? FInnerControl->GetDragImages() : TuiControl::GetDragImages();
}

void TuiContainer::CreateHandle() {
    TuiControl::CreateHandle();
    if (FInnerControl != nullptr && CanAllocateHandle(FInnerControl)) {
        FInnerControl->HandleNeeded();
    }
    UpdateContainerHotState(false);
}

void TuiContainer::AdjustClientRect(vcl::TRect& rect) {
    TuiControl::AdjustClientRect(rect);
    if (!IsDestroying()) {
        rect = FViewInfo->ClientRectWithin(rect);
    }
}

void TuiContainer::DoContextPopup(vcl::TPoint mousePos, bool& handled) {
    if (mousePos == uiInvalidPoint || AllowsContextPopupAt(mousePos)) {
        TuiControl::DoContextPopup(mousePos, handled);
    } else {
        handled = true;
    }
}

void TuiContainer::SetInnerControl(vcl::TWinControl* control) {
    if (control == FInnerControl) {
        return;
    }
    if (FInnerControl != nullptr) {
        FInnerControl->RemoveFreeNotification(this);
    }
    FInnerControl = control;
    if (FInnerControl != nullptr) {
        FInnerControl->FreeNotification(this);
    }
    UpdateContainerHotState(false);
}

void TuiContainer::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TuiControl::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FInnerControl) {
        FInnerControl = nullptr;
    }
}

void TuiContainer::LockInnerBoundsChange(bool lock) {
    if (lock) {
        ++FInnerBoundsLockCount;
    } else if (FInnerBoundsLockCount > 0) {
        --FInnerBoundsLockCount;
    }
}

void TuiContainer::ApplyStyleToInnerControl() {
    if (FInnerControl == nullptr) {
        return;
    }
    FInnerControl->SetColor(FViewInfo->BackgroundColor);
    FInnerControl->Font().Assign(&EffectiveFont());
}

void TuiContainer::AlignInnerControl() {
    if (FInnerControl == nullptr || FInnerBoundsLockCount > 0) {
        return;
    }
    const vcl::TRect client = FViewInfo->ClientRect;
    const vcl::TRect bounds{FInnerControl->Left(), FInnerControl->Top(), FInnerControl->Left() + FInnerControl->Width(),
                            FInnerControl->Top() + FInnerControl->Height()};
    if (bounds == client) {
        return;
    }
    ++FLayoutLockCount;
    FInnerControl->SetBounds(client.Left, client.Top, client.Width(), client.Height());
    --FLayoutLockCount;
    PostScrollBarsUpdate(*this);
}

bool TuiContainer::Focused() const {
    if (ComponentState().Contains(rtl::TComponentState::csDesigning)) {
        return false;
    }
    return TuiControl::Focused() || (HasInnerWindow() && GetFocus() == FInnerControl->WindowHandle());
}

void TuiContainer::SetFocus() {
    if (ComponentState().Contains(rtl::TComponentState::csDesigning) || Focused()) {
        return;
    }
    const vcl::TControlLink link(this);
    FFocusing = true;
    try {
        TuiControl::SetFocus();
    } catch (...) {
        if (link.Alive()) {
            FFocusing = false;
        }
        throw;
    }
    if (!link.Alive()) {
        return;
    }
    FFocusing = false;
    if (HasInnerWindow() && GetFocus() == WindowHandle()) {
        FocusInner();
    }
}

void TuiContainer::FocusInner() {
    if (FInnerControl != nullptr && FInnerControl->CanFocus()) {
        FInnerControl->SetFocus();
    }
}

bool TuiContainer::HandleFocusMessage(vcl::TMessage& message) {
    const auto other = reinterpret_cast<HWND>(message.WParam);
    if (message.Msg == WM_SETFOCUS) {
        if (!Visible()) {
            message.Result = 0;
            return true;
        }
        if (IsDestroying() || !HasInnerWindow()) {
            return false;
        }
        // Focus coming back from the inner control stays where it was meant to go.
        if (other == FInnerControl->WindowHandle()) {
            return true;
        }
        TuiControl::WndProc(message);
        FocusInner();
        return true;
    }
    return message.Msg == WM_KILLFOCUS && HasInnerWindow() && other == FInnerControl->WindowHandle();
}

void TuiContainer::PassFocusToInnerWhenMoved() {
    if (FFocusing || !HandleAllocated() || GetFocus() != WindowHandle() || !HasInnerWindow() ||
        !FInnerControl->CanFocus()) {
        return;
    }
    if (vcl::TFormRoot* form = vcl::ParentFormRoot(this)) {
        form->FocusControl(FInnerControl);
    }
}

// The frame around an inner control shows the arrow, whatever the inner control shows.
bool TuiContainer::IsPointerOnFrame(const vcl::TMessage& message) const {
    if (FInnerControl == nullptr || reinterpret_cast<HWND>(message.WParam) != WindowHandle() ||
        LOWORD(message.LParam) != HTCLIENT) {
        return false;
    }
    vcl::TPoint point = CursorPosOrInvalid();
    MapPointBetweenWindows(nullptr, WindowHandle(), point);
    const vcl::TRect& client = FViewInfo->ClientRect;
    return point.X < client.Left || point.Y < client.Top || point.X >= client.Right || point.Y >= client.Bottom;
}

void TuiContainer::WndProc(vcl::TMessage& message) {
    if (IsKeyMessage(message.Msg) && FInnerControl != nullptr && HasInnerWindow()) {
        message.Result = SendMessageW(FInnerControl->WindowHandle(), message.Msg, message.WParam, message.LParam);
        return;
    }
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (HandleFocusMessage(message)) {
            return;
        }
        break;
    case WM_NCCALCSIZE:
        if (FLayoutLockCount > 0) {
            message.Result = 0;
            return;
        }
        break;
    case WM_NCPAINT:
        message.Result = 0;
        return;
    case WM_WINDOWPOSCHANGING:
        if (IsDestroying()) {
            message.Result = 0;
            return;
        }
        TuiControl::WndProc(message);
        PassFocusToInnerWhenMoved();
        return;
    case WM_WINDOWPOSCHANGED:
        TuiControl::WndProc(message);
        // A move shows another part of the parent around the inner control.
        if (!IsDestroying() && NeedsParentColorForInner()) {
            UpdateContainerHotState(false);
        }
        // Windows moves the control's pixels along, which showed the parent where it was.
        if (!IsDestroying() && NeedsParentBackground()) {
            Invalidate();
        }
        return;
    case WM_SETCURSOR:
        if (IsPointerOnFrame(message)) {
            ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            message.Result = 1;
            return;
        }
        break;
    case UI_UPDATESCROLLBARS:
        UpdateScrollBarsAndGrip(false);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A press on the frame drags the container as the framework drags its controls.
        if (DragMode() == vcl::dmAutomatic && !ComponentState().Contains(rtl::TComponentState::csDesigning)) {
            BeginAutoDrag();
            return;
        }
        break;
    case vcl::CM_CURSORCHANGED:
        TuiControl::WndProc(message);
        if (FInnerControl != nullptr) {
            FInnerControl->SetCursor(Cursor());
        }
        return;
    default:
        break;
    }
    TuiControl::WndProc(message);
}

TuiContainerClipState TuiContainer::ControlClipInfo(const vcl::TRect& rect, const vcl::TControl* control) const {
    if (control == nullptr) {
        return {};
    }
    const vcl::TRect whole{0, 0, control->Width(), control->Height()};
    const vcl::TRect bounds = control->BoundsRect();
    vcl::TRect visible = whole;
    visible.Left += std::max(rect.Left - bounds.Left, 0);
    visible.Top += std::max(rect.Top - bounds.Top, 0);
    visible.Right -= std::max(bounds.Right - rect.Right, 0);
    visible.Bottom -= std::max(bounds.Bottom - rect.Bottom, 0);
    return {visible == whole, visible};
}

void TuiContainer::AlignControls(vcl::TControl* control, vcl::TRect& rect) {
    if (KeepsTabOrder()) {
        TuiControl::AlignControls(control, rect);
        return;
    }
    if (FInnerBoundsLockCount > 0 || IsInternalControl(control)) {
        return;
    }
    if (control == nullptr) {
        TuiControl::AlignControls(control, rect);
        return;
    }
    auto* windowed = dynamic_cast<vcl::TWinControl*>(control);
    if (FConstructing || windowed == nullptr || !windowed->HandleAllocated()) {
        return;
    }
    const TuiContainerClipState clip = ControlClipInfo(rect, control);
    if (control == FInnerControl && clip == FInnerClip) {
        return;
    }
    ui::ApplyWindowRegion(*windowed, clip);
    if (control == FInnerControl) {
        FInnerClip = clip;
    }
}

void TuiContainer::GetTabOrderList(std::vector<vcl::TWinControl*>& list) const {
    const vcl::TFormRoot* form = vcl::ParentFormRoot(this);
    const bool innerStandsIn = !KeepsTabOrder() && FInnerControl != nullptr && form != nullptr &&
                               form->ActiveControl() == FInnerControl && CanFocus();
    if (!innerStandsIn) {
        TuiControl::GetTabOrderList(list);
        return;
    }
    if (!list.empty() && list.back() == this) {
        list.back() = FInnerControl;
    } else {
        list.push_back(FInnerControl);
    }
}

void TuiContainer::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    TuiControl::KeyDown(key, shift);
    if (key != VK_TAB || shift.Contains(vcl::ssCtrl) || shift.Contains(vcl::ssAlt) || !Focused() || !TabMovesFocus()) {
        return;
    }
    key = 0;
    if (vcl::TFormRoot* form = vcl::ParentFormRoot(this)) {
        form->SelectNext(FInnerControl != nullptr ? FInnerControl : this, !shift.Contains(vcl::ssShift), true);
    }
    if (Focused()) {
        FocusInner();
    }
}

void TuiContainer::CreateWindowHandle(const vcl::TCreateParams& params) {
    if (params.Caption.size() <= LongestCreationCaption) {
        TuiControl::CreateWindowHandle(params);
        return;
    }
    vcl::TCreateParams shortened = params;
    shortened.Caption.clear();
    TuiControl::CreateWindowHandle(shortened);
    if (WindowHandle() != nullptr) {
        DefWindowProcW(WindowHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(params.Caption.c_str()));
    }
}

void TuiContainer::UpdateScrollBars() {
    TuiControl::UpdateScrollBars();
    UpdateScrollBarsAndGrip(false);
}

bool TuiContainer::InnerScrollBarInfo(tagSCROLLBARINFO& info, TScrollBarKind kind) const {
    if (IsDestroying() || Parent() == nullptr || !HandleAllocated() || !HasInnerWindow()) {
        return false;
    }
    return QueryScrollBarInfo(FInnerControl->WindowHandle(), kind == sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL,
                              info);
}

void TuiContainer::SyncScrollBarFromInner(TuiControlScrollBar& bar) {
    SCROLLBARINFO info{};
    if (!InnerScrollBarInfo(info, bar.Kind()) || !IsNativeScrollBarVisible(info)) {
        bar.SetVisible(false);
        return;
    }
    bar.SetEnabled(Enabled() && (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0);
    vcl::TRect bounds{info.rcScrollBar.left, info.rcScrollBar.top, info.rcScrollBar.right, info.rcScrollBar.bottom};
    MapRectBetweenWindows(nullptr, WindowHandle(), bounds);
    const bool fits = bounds.Left >= 0 && bounds.Top >= 0 && bounds.Width() <= Width() && bounds.Height() <= Height();
    if (!fits || bounds.Width() <= 0 || bounds.Height() <= 0) {
        bar.SetVisible(false);
        return;
    }
    bar.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    bar.SetVisible(true);
    bar.BringToFront();
}

void TuiContainer::UpdateScrollBarsAndGrip(bool keepBounds) {
    if (FInnerControl == nullptr || !NeedsScrollBars() || IsDestroying() || !IsScrollBarInfoAvailable() ||
        HScrollBar() == nullptr || VScrollBar() == nullptr) {
        return;
    }
    for (TuiControlScrollBar* bar : {HScrollBar(), VScrollBar()}) {
        if (!keepBounds) {
            SyncScrollBarFromInner(*bar);
        }
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        if (bar->Visible() && HasInnerWindow() &&
            GetScrollInfo(FInnerControl->WindowHandle(), bar->Kind() == sbHorizontal ? SB_HORZ : SB_VERT, &info)) {
            bar->SetScrollValues(info.nMin, info.nMax, info.nPos,
                                 std::min(static_cast<int32_t>(info.nPage), static_cast<int32_t>(info.nMax)));
        }
    }
    UpdateInnerSizeGrip();
}

vcl::TRect TuiContainer::InnerScrollBarsCorner() const {
    TuiControlScrollBar* horizontal = HScrollBar();
    TuiControlScrollBar* vertical = VScrollBar();
    if (!HasInnerWindow() || horizontal == nullptr || vertical == nullptr || !horizontal->Visible() ||
        !vertical->Visible()) {
        return {};
    }
    vcl::TRect corner{vertical->Left(), horizontal->Top(), vertical->Left() + vertical->Width(),
                      horizontal->Top() + horizontal->Height()};
    MapRectBetweenWindows(WindowHandle(), FInnerControl->WindowHandle(), corner);
    // Window coordinates of the inner control: its non-client frame counts.
    const vcl::TRect window = WindowRectOrEmpty(FInnerControl->WindowHandle());
    vcl::TPoint clientOrigin{0, 0};
    MapPointBetweenWindows(FInnerControl->WindowHandle(), nullptr, clientOrigin);
    const int32_t dx = clientOrigin.X - window.Left;
    const int32_t dy = clientOrigin.Y - window.Top;
    return {corner.Left + dx, corner.Top + dy, corner.Right + dx, corner.Bottom + dy};
}

void TuiContainer::UpdateInnerSizeGrip() {
    const bool visible = dynamic_cast<IuiContainerInnerControl*>(FInnerControl) != nullptr && HasInnerWindow();
    const vcl::TRect corner = visible ? InnerScrollBarsCorner() : vcl::TRect{};
    const bool shown = !corner.IsEmpty();
    if (shown && (!FInnerSizeGripVisible || corner != FInnerSizeGripRect)) {
        // WM_NCPAINT takes its region in screen coordinates.
        const vcl::TRect window = WindowRectOrEmpty(FInnerControl->WindowHandle());
        const vcl::TRegionHandle region(CreateRectRgn(window.Left + corner.Left, window.Top + corner.Top,
                                                      window.Left + corner.Right, window.Top + corner.Bottom));
        SendMessageW(FInnerControl->WindowHandle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region.Get()), 0);
    }
    FInnerSizeGripVisible = shown;
    FInnerSizeGripRect = corner;
}

} // namespace ui
