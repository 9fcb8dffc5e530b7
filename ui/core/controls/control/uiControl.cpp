#include "ui/core/controls/control/uiControl.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/control/uiDragObjectImages.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/services/uiSystemControllers.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDCServices.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/core/objects/uiObjectLinks.h"
#include "ui/core/system/uxSystemInfo.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>

namespace ui {

TuiControl::TuiControl(rtl::TComponent* owner)
    : TCustomControl(owner), FCanvas(std::make_unique<TuiCanvas>(Canvas())),
      FLookAndFeel(std::make_unique<TuiLookAndFeel>(this)), FDefaultCursor(Cursor()) {
    FLookAndFeel->SetOnChanged([this](TuiLookAndFeel* sender, TuiLookAndFeelValues changed) {
        if (!IsDestroying()) {
            LookAndFeelChanged(sender, changed);
        }
    });
    CreateScrollBars();
    SetTabStop(MayFocus());
    vcl::TControlStyle style = ControlStyle();
    style.Include(vcl::csParentBackground);
    SetControlStyle(style);
    GetResourceStringsRepository().AddListener(this);
}

TuiControlChildComponent::TuiControlChildComponent(rtl::TComponent* owner) : TuiComponent(owner) {}

TuiControlChildComponent::TuiControlChildComponent(TuiControl* control, bool takeControlOwner)
    : TuiComponent(takeControlOwner && control ? control->Owner() : nullptr) {
    if (control) {
        control->AddChildComponent(this);
    }
}

TuiControlChildComponent::~TuiControlChildComponent() {
    if (FControl) {
        FControl->RemoveChildComponent(this);
    }
}

bool TuiControlChildComponent::IsDestroying() const {
    return ComponentState().Contains(rtl::TComponentState::csDestroying);
}

void TuiControl::AddChildComponent(TuiControlChildComponent* child) {
    if (std::find(FChildComponents.begin(), FChildComponents.end(), child) == FChildComponents.end()) {
        FChildComponents.push_back(child);
    }
    child->SetControl(this);
}

void TuiControl::RemoveChildComponent(TuiControlChildComponent* child) {
    std::erase(FChildComponents, child);
    child->SetControl(nullptr);
}

TuiControl::~TuiControl() {
    GetResourceStringsRepository().RemoveListener(this);
    for (TuiControlChildComponent* child : std::vector<TuiControlChildComponent*>(FChildComponents)) {
        RemoveChildComponent(child);
    }
    if (Dragging()) {
        EndDrag(false);
    }
    DestroyScrollBars();
    FFontListeners.clear();
    FLookAndFeel.reset();
    DetachObjectLinks(this);
}

bool TuiControl::IsDestroying() const {
    return ComponentState().Contains(rtl::TComponentState::csDestroying);
}

void TuiControl::SetBorderStyle(TuiControlBorderStyle value) {
    if (value != FBorderStyle) {
        FBorderStyle = value;
        BoundsChanged();
    }
}

void TuiControl::SetScrollBars(vcl::TScrollStyle value) {
    if (value != FScrollBars) {
        FScrollBars = value;
        BoundsChanged();
    }
}

TuiLookAndFeelPainterClass TuiControl::GetPainter() const {
    return FLookAndFeel->ActivePainter();
}

int32_t TuiControl::GetBorderSize() const {
    return FBorderStyle == uicbsNone ? 0 : GetPainter()->FrameWidth();
}

vcl::TRect TuiControl::GetBounds() const {
    return HandleAllocated() ? ClientRect() : vcl::TRect{0, 0, Width(), Height()};
}

vcl::TRect TuiControl::GetClientBounds() const {
    vcl::TRect bounds = GetBounds();
    const int32_t border = GetBorderSize();
    bounds = {bounds.Left + border, bounds.Top + border, bounds.Right - border, bounds.Bottom - border};
    if (IsHScrollBarVisible()) {
        bounds.Bottom -= FHScrollBar->Height();
    }
    if (IsVScrollBarVisible()) {
        bounds.Right -= FVScrollBar->Width();
    }
    return bounds;
}

bool TuiControl::CanFocusOnClick() const {
    return !ComponentState().Contains(rtl::TComponentState::csDesigning) && FFocusOnClick && MayFocus() && CanFocus();
}

bool TuiControl::IsInternalControl(const vcl::TControl* control) const {
    return control && (control == FHScrollBar || control == FVScrollBar || control == FSizeGrip);
}

TuiMouseWheelScrollingKind TuiControl::GetMouseWheelScrollingKind() const {
    return IsVScrollBarVisible() ? mwskVertical : mwskNone;
}

void TuiControl::AddFontListener(std::function<void(TuiControl* sender, vcl::TFont& font)> listener) {
    FFontListeners.push_back(std::move(listener));
}

void TuiControl::CreateParams(vcl::TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TuiControl::CreateWnd() {
    TCustomControl::CreateWnd();
    InitControl();
}

void TuiControl::InitControl() {
    if (!NeedsScrollBars()) {
        return;
    }
    for (vcl::TWinControl* internal :
         {static_cast<vcl::TWinControl*>(FHScrollBar), static_cast<vcl::TWinControl*>(FVScrollBar),
          static_cast<vcl::TWinControl*>(FSizeGrip)}) {
        if (internal) {
            internal->SetParent(this);
        }
    }
}

void TuiControl::Resize() {
    TCustomControl::Resize();
    BoundsChanged();
}

void TuiControl::BoundsChanged() {
    UpdateScrollBars();
    if (NeedsRedrawOnResize()) {
        Invalidate();
    }
}

void TuiControl::FocusChanged() {
    if (FOnFocusChanged) {
        FOnFocusChanged(this);
    }
}

void TuiControl::FontChanged() {
    for (const auto& listener : FFontListeners) {
        listener(this, Font());
    }
    Invalidate();
}

void TuiControl::MouseEnter(vcl::TControl*) {
    if (FOnMouseEnter) {
        FOnMouseEnter(this);
    }
}

void TuiControl::MouseLeave(vcl::TControl*) {
    if (FOnMouseLeave) {
        FOnMouseLeave(this);
    }
}

intptr_t TuiControl::DialogCode() const {
    intptr_t code = 0;
    code |= FKeys.Contains(kAll) ? DLGC_WANTALLKEYS : 0;
    code |= FKeys.Contains(kArrows) ? DLGC_WANTARROWS : 0;
    code |= FKeys.Contains(kChars) ? DLGC_WANTCHARS : 0;
    code |= FKeys.Contains(kTab) && !IsControlKeyDown() ? DLGC_WANTTAB : 0;
    return code;
}

void TuiControl::EraseBackground(vcl::TMessage& message) {
    if (!ErasesBackground() && message.LParam != static_cast<intptr_t>(message.WParam)) {
        message.Result = 0;
        return;
    }
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    const int saved = SaveDC(dc);
    TCustomControl::Dispatch(message);
    RestoreDC(dc, saved);
}

void TuiControl::SettingsChanged() {
    if (!NeedsScrollBars() || !FHScrollBar) {
        return;
    }
    const int32_t height = GetSystemMetrics(SM_CYHSCROLL);
    const int32_t width = GetSystemMetrics(SM_CXVSCROLL);
    if (height != FHScrollBar->Height() || width != FVScrollBar->Width()) {
        FHScrollBar->SetHeight(height);
        FVScrollBar->SetWidth(width);
        BoundsChanged();
    }
}

void TuiControl::Dispatch(vcl::TMessage& message) {
    auto* messageControl = reinterpret_cast<vcl::TControl*>(message.LParam);
    switch (message.Msg) {
    case WM_CANCELMODE:
        TCustomControl::Dispatch(message);
        FinishDragAndDrop(false);
        CancelMouseOperations();
        return;
    case WM_ERASEBKGND:
        EraseBackground(message);
        return;
    case WM_GETDLGCODE:
        message.Result = DialogCode();
        return;
    case WM_NCCALCSIZE:
        TCustomControl::Dispatch(message);
        PostMessageW(WindowHandle(), UI_SETTINGSCHANGED, 0, 0);
        return;
    case WM_PAINT: {
        const TuiDragImageHiding hiding;
        if (OSFlags().IsWin7 && message.WParam == 0 && !DoubleBuffered()) {
            PaintThroughBitmap(message);
        } else {
            TCustomControl::Dispatch(message);
        }
        return;
    }
    case vcl::CM_CURSORCHANGED:
        FDefaultCursor = Cursor();
        break;
    case vcl::CM_COLORCHANGED:
        ColorChanged();
        break;
    case vcl::CM_TEXTCHANGED:
        TCustomControl::Dispatch(message);
        TextChanged();
        return;
    case vcl::CM_VISIBLECHANGED:
        TCustomControl::Dispatch(message);
        VisibleChanged();
        return;
    case vcl::CM_FONTCHANGED:
        TCustomControl::Dispatch(message);
        FontChanged();
        return;
    case vcl::CM_MOUSEENTER:
    case vcl::CM_MOUSELEAVE: {
        TCustomControl::Dispatch(message);
        vcl::TControl* control = messageControl ? messageControl : this;
        message.Msg == vcl::CM_MOUSEENTER ? MouseEnter(control) : MouseLeave(control);
        return;
    }
    case UI_SETTINGSCHANGED:
        SettingsChanged();
        return;
    case vcl::CM_INVALIDATE:
        // A child's notice (WParam 1) only passes upward: taking the children along again would send them back here.
        if (HandleAllocated() && !IsDestroying()) {
            const bool own = message.WParam == 0;
            ui::InvalidateControl(this, own, own && NeedsRedrawOnResize());
        }
        return;
    case vcl::CN_KEYDOWN:
    case vcl::CN_SYSKEYDOWN:
        if (IsPopupMenuShortCut(message)) {
            message.Result = 1;
            return;
        }
        if (message.Msg == vcl::CN_KEYDOWN && FDragAndDropState != ddsNone) {
            FinishDragAndDrop(false);
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(message);
}

// Windows 7 without desktop composition flickers when the background and the content reach the screen one after
// the other, so both are composed in a bitmap of the update rectangle first.
void TuiControl::PaintThroughBitmap(vcl::TMessage& message) {
    PAINTSTRUCT paint;
    const HDC windowDC = BeginPaint(WindowHandle(), &paint);
    const vcl::TRect update{paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom};
    if (!update.IsEmpty()) {
        vcl::TBitmap bitmap(update.Width(), update.Height());
        const HDC bitmapDC = bitmap.Canvas().Handle();
        SetWindowOrgEx(bitmapDC, update.Left, update.Top, nullptr);
        Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(bitmapDC), reinterpret_cast<intptr_t>(bitmapDC));
        vcl::TMessage paintMessage{WM_PAINT, reinterpret_cast<uintptr_t>(bitmapDC), 0, 0};
        Dispatch(paintMessage);
        SetWindowOrgEx(bitmapDC, 0, 0, nullptr);
        BitBlt(windowDC, update.Left, update.Top, update.Width(), update.Height(), bitmapDC, 0, 0, SRCCOPY);
    }
    EndPaint(WindowHandle(), &paint);
    message.Result = 0;
}

void TuiControl::Paint() {
    if (FBorderStyle == uicbsDefault) {
        GetPainter()->PaintFrame(*FCanvas, GetBounds());
        const vcl::TRect client = GetClientBounds();
        IntersectClipRect(Canvas().Handle(), client.Left, client.Top, client.Right, client.Bottom);
    }
    TCustomControl::Paint();
    UpdateInternalControlsState();
}

void InvalidateControl(vcl::TWinControl* control, bool redraw, bool withChildren) {
    if (!control->HandleAllocated()) {
        return;
    }
    if (vcl::TWinControl* parent = control->Parent()) {
        parent->Perform(vcl::CM_INVALIDATE, 1);
    }
    if (redraw) {
        InvalidateWindow(control->WindowHandle(), !control->ControlStyle().Contains(vcl::csOpaque));
    }
    if (!withChildren) {
        return;
    }
    for (int32_t index = 0; index < control->ControlCount(); ++index) {
        auto* child = dynamic_cast<vcl::TWinControl*>(control->Controls(index));
        if (child && (!child->ControlStyle().Contains(vcl::csOpaque) || child->ParentBackground())) {
            child->Invalidate();
        }
    }
}

void UpdateWindowNow(vcl::TWinControl* control) {
    if (control->HandleAllocated()) {
        RedrawWindow(control->WindowHandle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

TuiCanvas& TuiControl::DrawingCanvas() {
    if (HandleAllocated()) {
        FScreenCanvas.reset();
        return *FCanvas;
    }
    if (!FScreenCanvas) {
        FScreenCanvas = std::make_unique<TuiScreenCanvas>();
    }
    return *FScreenCanvas;
}

void TuiControl::InvalidateRect(const vcl::TRect& rect, bool erase) {
    if (HandleAllocated()) {
        const TuiDragImageHiding hiding;
        InvalidateWindowRect(WindowHandle(), rect, erase);
    }
}

void TuiControl::InvalidateWithChildren() {
    if (HandleAllocated()) {
        RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_NOERASE);
    }
}

void TuiControl::ScrollWindow(int32_t dx, int32_t dy, const vcl::TRect& rect) {
    if (HandleAllocated()) {
        const TuiDragImageHiding hiding;
        RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
        ScrollWindowEx(WindowHandle(), dx, dy, &area, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    }
}

void TuiControl::SetPopupMenuComponent(rtl::TComponent* menu) {
    if (!IsPopupMenuComponent(menu)) {
        menu = nullptr;
    }
    if (menu == FPopupMenuComponent) {
        return;
    }
    if (FPopupMenuComponent) {
        FPopupMenuComponent->RemoveFreeNotification(this);
    }
    FPopupMenuComponent = menu;
    if (menu) {
        menu->FreeNotification(this);
    }
}

void TuiControl::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FPopupMenuComponent) {
        FPopupMenuComponent = nullptr;
    }
}

bool TuiControl::IsPopupMenuShortCut(const vcl::TMessage& message) const {
    if (ComponentState().Contains(rtl::TComponentState::csDesigning)) {
        return false;
    }
    for (const vcl::TControl* control = this; control; control = control->Parent()) {
        const auto* uiControl = dynamic_cast<const TuiControl*>(control);
        if (uiControl && ui::IsPopupMenuShortCut(uiControl->FPopupMenuComponent, message)) {
            return true;
        }
    }
    return false;
}

bool TuiControl::ShowContextMenu(rtl::TComponent* menu, int32_t x, int32_t y) {
    return PopupMenuAt(this, menu, x, y);
}

// The framework's handling (OnContextPopup) comes first; the keyboard's menu opens at the client area's corner.
void TuiControl::DoContextPopup(vcl::TPoint mousePos, bool& handled) {
    const vcl::TControlLink link(this);
    TCustomControl::DoContextPopup(mousePos, handled);
    if (handled || !link.Alive()) {
        return;
    }
    const vcl::TPoint screen = ClientToScreen(mousePos == uiInvalidPoint ? vcl::TPoint{0, 0} : mousePos);
    handled = ShowContextMenu(FPopupMenuComponent, screen.X, screen.Y);
}

void TuiControl::UpdateInternalControlsState() {
    for (vcl::TWinControl* internal :
         {static_cast<vcl::TWinControl*>(FHScrollBar), static_cast<vcl::TWinControl*>(FVScrollBar),
          static_cast<vcl::TWinControl*>(FSizeGrip)}) {
        if (internal && internal->Visible()) {
            internal->UpdateControlState();
        }
    }
}

} // namespace ui
