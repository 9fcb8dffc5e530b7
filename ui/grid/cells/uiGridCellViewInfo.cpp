#include "ui/grid/cells/uiGridCellViewInfo.h"

#include "ui/core/controls/control/uiControl.h"
#include "ui/grid/cells/uiGridHitTests.h"

#include <algorithm>
#include <typeinfo>

namespace ui {

namespace {

// The two-pixel margins on each side of a cell's text.
constexpr int32_t CellTextMargin = 2;

uint32_t HorizontalTextFlag(vcl::TAlignment alignment) {
    switch (alignment) {
    case vcl::taRightJustify:
        return uiGridTextRight;
    case vcl::taCenter:
        return uiGridTextCenterHorz;
    default:
        return uiGridTextLeft;
    }
}

uint32_t VerticalTextFlag(TuiAlignmentVert alignment) {
    switch (alignment) {
    case vaBottom:
        return uiGridTextBottom;
    case vaCenter:
        return uiGridTextCenterVert;
    default:
        return uiGridTextTop;
    }
}

} // namespace

TuiCustomGridCellViewInfo::~TuiCustomGridCellViewInfo() {
    if (FLinkedHitTest) {
        FLinkedHitTest->FViewInfo = nullptr;
    }
    if (HasMouseCapture()) {
        GetControl()->SetMouseCaptureObject(nullptr);
    }
    StopMouseTracking(this);
}

void TuiCustomGridCellViewInfo::Calculate(int32_t left, int32_t top, int32_t width, int32_t height) {
    CalculateParamsIfNeeded();
    if (width == -1) {
        width = CalculateWidth();
    }
    if (height == -1) {
        height = CalculateHeight();
    }
    FBounds = vcl::Rect(left, top, left + width, top + height);
    FCalculated = true;
}

void TuiCustomGridCellViewInfo::CalculateInRect(const vcl::TRect& rect) {
    Calculate(rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height()));
}

void TuiCustomGridCellViewInfo::CalculateParamsIfNeeded() {
    if (FParamsCalculated || FCalculatingParams) {
        return;
    }
    FCalculatingParams = true;
    try {
        CalculateParams();
    } catch (...) {
        FCalculatingParams = false;
        FParamsCalculated = true;
        throw;
    }
    FCalculatingParams = false;
    FParamsCalculated = true;
}

void TuiCustomGridCellViewInfo::CalculateParams() {
    FAlignmentHorz = GetAlignmentHorz();
    FAlignmentVert = GetAlignmentVert();
    FBorders = GetBorders();
    FText = GetText();
    FMultiLine = GetMultiLine();
    FMultiLinePainting = GetMultiLinePainting();
    FBounds.Right = FBounds.Left + CalculateWidth();
}

vcl::TRect TuiCustomGridCellViewInfo::ClientBounds() const {
    return vcl::Rect(FBounds.Left + BorderWidth(bLeft), FBounds.Top + BorderWidth(bTop),
                     FBounds.Right - BorderWidth(bRight), FBounds.Bottom - BorderWidth(bBottom));
}

vcl::TRect TuiCustomGridCellViewInfo::TextAreaBounds() const {
    const vcl::TRect client = ClientBounds();
    return vcl::Rect(client.Left + CellTextMargin, client.Top + CellTextMargin, client.Right - CellTextMargin,
                     client.Bottom - CellTextMargin);
}

uint32_t TuiCustomGridCellViewInfo::GetTextAttributes(bool forPainting) const {
    const bool multiLine = forPainting ? FMultiLinePainting : FMultiLine;
    return HorizontalTextFlag(FAlignmentHorz) | VerticalTextFlag(FAlignmentVert) |
           (multiLine ? uiGridTextWordBreak : uiGridTextSingleLine) | (ShowEndEllipsis() ? uiGridTextEndEllipsis : 0);
}

int32_t TuiCustomGridCellViewInfo::BorderWidth(TuiBorder side) const {
    return FBorders.Contains(side) ? GetBorderWidth(side) : 0;
}

void TuiCustomGridCellViewInfo::SetState(TuiGridCellMouseState value) {
    if (FState == value) {
        return;
    }
    BeforeStateChange();
    const TuiGridCellMouseState oldState = FState;
    FState = value;
    StateChanged(oldState);
}

void TuiCustomGridCellViewInfo::StateChanged(TuiGridCellMouseState /*oldState*/) {
    if (InvalidateOnStateChange()) {
        Invalidate();
    }
    switch (FState) {
    case cmsNormal:
        StopMouseTracking(this);
        break;
    case cmsHot:
        if (TuiControl* control = GetControl()) {
            StartMouseTracking(control, GetAreaBounds(), this);
        }
        break;
    case cmsPressed:
        if (CaptureMouseOnPress()) {
            SetMouseCapture(true);
        }
        if (HasPopup()) {
            ShowPopup();
        }
        break;
    }
}

bool TuiCustomGridCellViewInfo::MouseDown(TuiCustomGridHitTest& hitTest, vcl::TMouseButton button,
                                          vcl::TShiftState /*shift*/) {
    if (button != vcl::mbLeft || !HotTrack() || !IsOwnHitTest(hitTest)) {
        return false;
    }
    if (!HasPopup()) {
        SetState(cmsPressed);
    } else if (FState == cmsHot) {
        SetState(cmsPressed);
    } else if (FState == cmsPressed) {
        SetState(cmsHot);
    }
    return true;
}

bool TuiCustomGridCellViewInfo::MouseMove(TuiCustomGridHitTest& hitTest, vcl::TShiftState /*shift*/) {
    if (!HotTrack()) {
        return false;
    }
    const bool over = hitTest.ViewInfo() == this;
    if (HasPopup()) {
        if (FState == cmsPressed) {
            return false;
        }
        SetState(over ? cmsHot : cmsNormal);
        return true;
    }
    if (HasMouseCapture()) {
        SetState(over ? cmsPressed : cmsHot);
    } else {
        SetState(over ? cmsHot : cmsNormal);
    }
    return true;
}

bool TuiCustomGridCellViewInfo::MouseUp(TuiCustomGridHitTest& /*hitTest*/, vcl::TMouseButton button,
                                        vcl::TShiftState /*shift*/) {
    if (button != vcl::mbLeft || HasPopup()) {
        return false;
    }
    const bool wasPressed = FState == cmsPressed;
    // The press is over: a capture kept would press the cell again at the next move over it.
    SetMouseCapture(false);
    SetState(cmsNormal);
    if (wasPressed) {
        Click();
    }
    return wasPressed;
}

void TuiCustomGridCellViewInfo::MouseLeave() {
    if (HasMouseCapture()) {
        return;
    }
    if (FState == cmsHot || (FState == cmsPressed && !HasPopup())) {
        SetState(cmsNormal);
    }
}

bool TuiCustomGridCellViewInfo::HasMouseCapture() const {
    const TuiControl* control = GetControl();
    return control && control->MouseCaptureObject() == this;
}

void TuiCustomGridCellViewInfo::SetMouseCapture(bool capture) {
    TuiControl* control = GetControl();
    if (control && capture != HasMouseCapture()) {
        control->SetMouseCaptureObject(capture ? this : nullptr);
    }
}

bool TuiCustomGridCellViewInfo::ContainsPoint(vcl::TPoint point) const {
    vcl::TRect area = GetAreaBounds();
    const vcl::TRect clipping = GetClippingBounds();
    if (!clipping.IsEmpty()) {
        area = vcl::IntersectRect(area, clipping);
    }
    return area.Contains(point);
}

TuiCustomGridHitTest* TuiCustomGridCellViewInfo::GetHitTest(vcl::TPoint point) {
    if (!GetVisibleForHitTest() || !ContainsPoint(point)) {
        return nullptr;
    }
    TuiCustomGridHitTest* hitTest = CreateHitTest(point);
    if (hitTest) {
        hitTest->SetViewInfo(this);
    }
    return hitTest;
}

void TuiCustomGridCellViewInfo::SetLinkedHitTest(TuiCustomGridHitTest* hitTest) {
    if (FLinkedHitTest == hitTest) {
        return;
    }
    if (FLinkedHitTest && FLinkedHitTest->FViewInfo == this) {
        FLinkedHitTest->FViewInfo = nullptr;
    }
    FLinkedHitTest = hitTest;
    if (hitTest) {
        hitTest->FViewInfo = this;
    }
}

bool TuiCustomGridCellViewInfo::IsOwnHitTest(const TuiCustomGridHitTest& hitTest) const {
    TuiCustomGridHitTest* own = const_cast<TuiCustomGridCellViewInfo*>(this)->CreateHitTest(hitTest.Pos());
    return own != nullptr && typeid(*own) == typeid(hitTest);
}

} // namespace ui
