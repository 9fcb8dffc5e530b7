#include "ui/editors/dropdown/popup/uiEditPopupWindow.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/controls/dragdrop/uiDragImages.h"
#include "ui/core/controls/popups/uiPopupHooks.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/editors/dropdown/edit/uiDropDownEdit.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

TuiCustomEditPopupWindow::TuiCustomEditPopupWindow(rtl::TComponent* owner)
    : TuiCustomPopupWindow(dynamic_cast<vcl::TControl*>(owner)), FEdit(dynamic_cast<TuiCustomDropDownEdit*>(owner)) {}

TuiCustomEditPopupWindow::~TuiCustomEditPopupWindow() = default;

TuiCustomEditPopupWindowViewInfo& TuiCustomEditPopupWindow::ViewInfo() {
    if (!FViewInfo) {
        FViewInfo = CreateViewInfo();
    }
    return *FViewInfo;
}

std::unique_ptr<TuiCustomEditPopupWindowViewInfo> TuiCustomEditPopupWindow::CreateViewInfo() const {
    return std::make_unique<TuiCustomEditPopupWindowViewInfo>();
}

void TuiCustomEditPopupWindow::CalculateViewInfo() {
    ViewInfo().SkinPainter = Style().LookAndFeel().SkinPainter();
    ViewInfo().Calculate({Width(), Height()});
}

vcl::TSize TuiCustomEditPopupWindow::GetMinimumSize() {
    TuiCustomEditPopupWindowViewInfo& info = ViewInfo();
    const bool sizeableWithPanel = info.Sizeable && info.SysPanelStyle;
    const int32_t measured = info.MeasuredSysPanelHeight();
    const int32_t closeWidth = info.CloseButton ? measured - 4 : 0;
    return EditPopupMinimumSize(info.GetClientExtent(), sizeableWithPanel, closeWidth, measured - 2);
}

vcl::TSize TuiCustomEditPopupWindow::GetMaxPopupContentSize() {
    if (FEdit != nullptr) {
        SetOwnerBounds(FEdit->GetPopupOwnerBounds());
    }
    const vcl::TRect owner = GetOwnerScreenBounds();
    return EditPopupMaxContentSize(owner, WorkAreaNearest({owner.Left, owner.Top}), Direction(), Shadow(),
                                   ViewInfo().GetClientExtent());
}

void TuiCustomEditPopupWindow::CalculateSize() {
    ViewInfo().GripCorner = epgcBottomRight;
    if (FEdit == nullptr) {
        return;
    }
    SetOwnerBounds(FEdit->GetPopupOwnerBounds());
    TuiEditPopupSizeRule rule;
    rule.AutoSize = FAutoSize;
    rule.Sizeable = Sizeable();
    rule.PopupWidth = FPopupWidth;
    rule.PopupHeight = FPopupHeight;
    rule.MinWidth = FMinWidth;
    rule.MinHeight = FMinHeight;
    rule.OwnerWidth = OwnerBounds().Width();
    rule.Extent = ViewInfo().GetClientExtent();
    rule.MinimumSize = GetMinimumSize();
    rule.ContentSize = FEdit->GetPopupContentSize();
    const vcl::TSize size = EditPopupSize(rule);
    SetBounds(Left(), Top(), size.cx, size.cy);
}

vcl::TPoint TuiCustomEditPopupWindow::CalculatePosition() {
    if (FEdit != nullptr) {
        SetOwnerBounds(FEdit->GetPopupOwnerBounds());
    }
    TuiEditPopupPlacement placement;
    placement.Position = TuiCustomPopupWindow::CalculatePosition();
    placement.Size = {Width(), Height()};
    placement.OwnerBounds = GetOwnerScreenBounds();
    placement.WorkArea = WorkAreaNearest(placement.Position);
    placement.AlignHorz = AlignHorz();
    placement.AlignVert = AlignVert();
    placement.Shadow = Shadow();
    const TuiEditPopupOpening opening = EditPopupOpening(placement);
    ViewInfo().GripCorner = opening.GripCorner;
    return opening.Position;
}

bool TuiCustomEditPopupWindow::IsSizingAllowed() const {
    return FEdit != nullptr && FEdit->GetDropDownProperties().IsPopupSizingAllowed();
}

bool TuiCustomEditPopupWindow::AcceptsMessage(HWND, uint32_t message, vcl::TPoint point, vcl::TShiftState) {
    if (FEdit != nullptr && (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) &&
        GetOwnerScreenBounds().Contains(point)) {
        FEdit->SetPopupClosedByPress();
    }
    return false;
}

void TuiCustomEditPopupWindow::RecalculateContent() {
    if (FEdit != nullptr) {
        SetOwnerBounds(FEdit->GetPopupOwnerBounds());
    }
    CalculateViewInfo();
    if (FEdit != nullptr) {
        FEdit->PositionPopupContent(ViewInfo().ClientRect);
    }
    InvalidateArea(ViewInfo().Bounds);
    Update();
}

void TuiCustomEditPopupWindow::ResizeTo(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (FEdit != nullptr) {
        FEdit->SetPopupResized(true);
    }
    SetBounds(left, top, width, height);
    RecalculateContent();
    if (FEdit != nullptr) {
        FEdit->StorePopupSize();
    }
}

void TuiCustomEditPopupWindow::InvalidateArea(const vcl::TRect& rect) {
    if (HandleAllocated()) {
        const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
        InvalidateRect(WindowHandle(), &area, TRUE);
    }
}

// The frame and the drag live in screen coordinates; the frame is as wide as the border, at least two pixels.
void TuiCustomEditPopupWindow::ShowSizingFrame(const vcl::TRect& rect) {
    if (rect.IsEmpty()) {
        rtl::TComponent::Free(std::exchange(FSizeFrame, nullptr));
    } else if (FSizingDrag.Active()) {
        if (FSizeFrame == nullptr) {
            FSizeFrame = new TuiSizeFrame(this, std::max(ViewInfo().BorderWidth(false), 2));
        }
        FSizeFrame->DrawSizeFrame(rect);
    }
    FSizingDrag.SetFrame(rect);
}

void TuiCustomEditPopupWindow::SendCharToFocused(char16_t character) {
    if (HWND focus = GetFocus()) {
        SendMessageW(focus, WM_CHAR, character, 0);
    }
}

bool TuiCustomEditPopupWindow::CanResize(int32_t& newWidth, int32_t& newHeight) {
    if (!Sizeable() || FCalculatingSize || (newWidth == Width() && newHeight == Height())) {
        return TuiCustomPopupWindow::CanResize(newWidth, newHeight);
    }
    const vcl::TSize minimum = GetMinimumSize();
    newWidth = std::max(newWidth, std::max(minimum.cx, FMinWidth));
    newHeight = std::max(newHeight, std::max(minimum.cy, FMinHeight));
    if ((newWidth != Width() || newHeight != Height()) && FEdit != nullptr) {
        const vcl::TRect extent = ViewInfo().GetClientExtent();
        const int32_t extentWidth = extent.Left + extent.Right;
        const int32_t extentHeight = extent.Top + extent.Bottom;
        vcl::TSize content{newWidth - extentWidth, newHeight - extentHeight};
        if (FEdit->AdjustPopupContentSize(content, GetMaxPopupContentSize())) {
            newWidth = std::max(content.cx + extentWidth, minimum.cx);
            newHeight = std::max(content.cy + extentHeight, minimum.cy);
        } else {
            newWidth = Width();
            newHeight = Height();
        }
    }
    return TuiCustomPopupWindow::CanResize(newWidth, newHeight);
}

void TuiCustomEditPopupWindow::CreateParams(vcl::TCreateParams& params) {
    TuiCustomPopupWindow::CreateParams(params);
    if (NativeStyle() && OSFlags().IsWinVistaOrLater) {
        params.WindowClass.Style |= CS_DROPSHADOW;
        // A class name of its own: the class style is fixed when the class is registered.
        params.WinClassName += u"Shadowed";
    }
}

void TuiCustomEditPopupWindow::AdjustClientRect(vcl::TRect& rect) {
    TuiCustomPopupWindow::AdjustClientRect(rect);
    const vcl::TRect extent = ViewInfo().GetClientExtent();
    rect = {rect.Left + extent.Left, rect.Top + extent.Top, rect.Right - extent.Right, rect.Bottom - extent.Bottom};
}

// The region takes in the shadow; over the editor an upward popup's bottom shadow is left out, so the editor shows.
void TuiCustomEditPopupWindow::Resize() {
    TuiCustomPopupWindow::Resize();
    if (!HandleAllocated()) {
        return;
    }
    CalculateViewInfo();
    const vcl::TRect bounds{0, 0, Width() - EditPopupShadowSize, Height() - EditPopupShadowSize};
    vcl::TRect excluded;
    if (!NativeStyle() && Shadow() && IsEditPopupGripAtTop(ViewInfo().GripCorner)) {
        const vcl::TRect owner = GetOwnerScreenBounds();
        excluded = {owner.Left - Left(), Height() - EditPopupShadowSize, owner.Right - EditPopupShadowSize - Left(),
                    Height()};
    }
    SetPopupShadowRegion(WindowHandle(), bounds, {}, NativeStyle(), Shadow(), excluded);
}

void TuiCustomEditPopupWindow::Paint() {
    CalculateViewInfo();
    ViewInfo().PaintContents(PopupCanvas());
}

void TuiCustomEditPopupWindow::SetCloseButtonState(uint8_t state) {
    TuiCustomEditPopupWindowViewInfo& info = ViewInfo();
    if (info.CloseButtonState == state) {
        return;
    }
    info.CloseButtonState = state;
    if (info.CloseButtonThemeState != 0) {
        info.CloseButtonThemeState = state;
    }
    InvalidateArea(info.CloseButtonRect);
}

void TuiCustomEditPopupWindow::SetSizingCursor(TuiEditPopupSizingDirections directions) {
    const vcl::TCursor cursor = EditPopupSizingCursor(directions);
    FCursorSet = cursor != vcl::crDefault;
    SetCursor(cursor);
}

void TuiCustomEditPopupWindow::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomPopupWindow::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft) {
        return;
    }
    TuiCustomEditPopupWindowViewInfo& info = ViewInfo();
    if (info.CloseButtonRect.Contains({x, y})) {
        SetCloseButtonState(epcbsPressed);
        return;
    }
    TuiEditPopupSizingDirections directions;
    if (!MouseCapture() || !info.GetSizingHitTest({x, y}, directions)) {
        return;
    }
    FSizingDrag.Start({x, y}, {Width(), Height()}, directions);
    SetSizingCursor(directions);
    ShowSizingFrame({Left(), Top(), Left() + Width(), Top() + Height()});
}

TuiEditPopupDragContext TuiCustomEditPopupWindow::DragContext(vcl::TPoint screenPoint) {
    TuiEditPopupDragContext context;
    context.Bounds = {Left(), Top(), Left() + Width(), Top() + Height()};
    context.GripHitRect = ViewInfo().GripHitRect;
    context.GripCorner = ViewInfo().GripCorner;
    context.OwnerBounds = GetOwnerScreenBounds();
    context.WorkArea = WorkAreaNearest(screenPoint);
    context.CanResize = [this](vcl::TSize& size) {
        int32_t width = size.cx;
        int32_t height = size.cy;
        if (!CanResize(width, height)) {
            return false;
        }
        size = {width, height};
        return true;
    };
    return context;
}

void TuiCustomEditPopupWindow::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomPopupWindow::MouseMove(shift, x, y);
    TuiCustomEditPopupWindowViewInfo& info = ViewInfo();
    if (FSizingDrag.Active()) {
        vcl::TRect frame;
        if (FSizingDrag.FrameAt({x, y}, DragContext(ClientToScreen({x, y})), frame)) {
            ShowSizingFrame(frame);
        }
        return;
    }
    const bool overClose = info.CloseButtonRect.Contains({x, y});
    if (!overClose && info.CloseButtonState != epcbsNormal) {
        SetCloseButtonState(epcbsNormal);
    } else if (overClose && info.CloseButtonState == epcbsNormal && !shift.Contains(vcl::ssLeft)) {
        SetCloseButtonState(epcbsHot);
    }
    TuiEditPopupSizingDirections directions;
    if (info.GetSizingHitTest({x, y}, directions)) {
        SetSizingCursor(directions);
    } else if (FCursorSet) {
        SetSizingCursor({});
    }
}

void TuiCustomEditPopupWindow::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomPopupWindow::MouseUp(button, shift, x, y);
    if (button != vcl::mbLeft) {
        return;
    }
    TuiCustomEditPopupWindowViewInfo& info = ViewInfo();
    if (FSizingDrag.Active()) {
        SetMouseCapture(false);
        const vcl::TRect last = FSizingDrag.LastFrame();
        FSizingDrag.Stop();
        ShowSizingFrame({});
        ResizeTo(last.Left, last.Top, last.Width(), last.Height());
        TuiEditPopupSizingDirections directions;
        info.GetSizingHitTest({x, y}, directions);
        SetSizingCursor(directions);
        return;
    }
    if (info.CloseButtonState != epcbsPressed) {
        return;
    }
    // A release away from the button leaves the popup open.
    if (!info.CloseButtonRect.Contains({x, y})) {
        SetCloseButtonState(epcbsNormal);
        return;
    }
    const vcl::TControlLink link(this);
    if (CloseQuery() && FEdit != nullptr) {
        FEdit->CloseUp(pcrNone);
    }
    if (link.Alive() && Visible()) {
        SetCloseButtonState(epcbsHot);
    }
}

void TuiCustomEditPopupWindow::MouseLeft() {
    SetCloseButtonState(epcbsNormal);
    if (FCursorSet) {
        SetSizingCursor({});
    }
}

void TuiCustomEditPopupWindow::PopupFocused(vcl::TWinControl* control) {
    if (FEdit != nullptr && !FEdit->Visible()) {
        FEdit->PopupClosed();
    }
    TuiCustomPopupWindow::PopupFocused(control);
}

void TuiCustomEditPopupWindow::CloseOnRequest() {
    if (FEdit == nullptr) {
        TuiCustomPopupWindow::CloseOnRequest();
        return;
    }
    const vcl::TModalResult result = ModalResult();
    FEdit->CloseUp(result == vcl::mrOk ? pcrAccept : result == vcl::mrCancel ? pcrCancel : pcrNone);
}

void TuiCustomEditPopupWindow::FireClosingEvent() {
    TuiCustomPopupWindow::FireClosingEvent();
    ShowSizingFrame({});
}

void TuiCustomEditPopupWindow::FireClosedEvent() {
    FSizingDrag.Stop();
    FCursorSet = false;
    TuiCustomPopupWindow::FireClosedEvent();
}

void TuiCustomEditPopupWindow::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case UI_POPUPSENDCHAR:
        if (IsShown()) {
            SendCharToFocused(static_cast<char16_t>(message.WParam));
        }
        return;
    case UI_POPUPSHOWAGAIN:
        // The editor's request to show: its focus control takes the focus.
        if (FEdit != nullptr) {
            PopupFocused(FEdit->GetPopupFocusControl());
            return;
        }
        break;
    case vcl::CM_MOUSELEAVE:
        TuiCustomPopupWindow::Dispatch(message);
        MouseLeft();
        return;
    default:
        break;
    }
    TuiCustomPopupWindow::Dispatch(message);
}

} // namespace ui
