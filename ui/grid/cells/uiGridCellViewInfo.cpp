#include "ui/grid/cells/uiGridCellViewInfo.h"

#include "ui/core/controls/control/uiControl.h"
#include "ui/grid/cells/uiGridCellPainter.h"
#include "ui/grid/cells/uiGridHitTests.h"

#include <algorithm>
#include <tuple>
#include <typeinfo>
#include <utility>

namespace ui {

namespace {

// The two-pixel margins on each side of a cell's text.
constexpr int32_t CellTextMargin = uiGridCellTextMargins / 2;
// Wide and high enough for any text a cell measures.
constexpr int32_t UnboundedTextExtent = 0x3FFFFFFF;
constexpr uint32_t HorizontalTextFlags = uiGridTextLeft | uiGridTextRight | uiGridTextCenterHorz;
constexpr uint32_t VerticalTextFlags = uiGridTextTop | uiGridTextBottom | uiGridTextCenterVert;

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

// The span of length placed within [from, to) as alignment puts it.
std::pair<int32_t, int32_t> AlignedSpan(int32_t from, int32_t to, int32_t length, bool atStart, bool atEnd) {
    if (atStart) {
        return {from, from + length};
    }
    if (atEnd) {
        return {to - length, to};
    }
    const int32_t start = (from + to - length) / 2;
    return {start, start + length};
}

} // namespace

uint32_t AlignmentToTextFlags(vcl::TAlignment alignment) {
    switch (alignment) {
    case vcl::taRightJustify:
        return uiGridTextRight;
    case vcl::taCenter:
        return uiGridTextCenterHorz;
    default:
        return uiGridTextLeft;
    }
}

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
    FParams = {};
    GetViewParams(FParams);
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

vcl::TRect TuiCustomGridCellViewInfo::GetTextAreaBounds() const {
    const vcl::TRect content = GetContentBounds();
    return vcl::Rect(content.Left + CellTextMargin, content.Top + CellTextMargin, content.Right - CellTextMargin,
                     content.Bottom - CellTextMargin);
}

vcl::TRect TuiCustomGridCellViewInfo::GetBorderBounds(TuiBorder side) const {
    const vcl::TRect client = ClientBounds();
    const int32_t top = FBorders.Contains(bTop) ? FBounds.Top : client.Top;
    const int32_t bottom = FBorders.Contains(bBottom) ? FBounds.Bottom : client.Bottom;
    switch (side) {
    case bLeft:
        return vcl::Rect(client.Left - BorderWidth(bLeft), top, client.Left, bottom);
    case bTop:
        return vcl::Rect(client.Left, client.Top - BorderWidth(bTop), client.Right, client.Top);
    case bRight:
        return vcl::Rect(client.Right, top, client.Right + BorderWidth(bRight), bottom);
    case bBottom:
        return vcl::Rect(client.Left, client.Bottom, client.Right, client.Bottom + BorderWidth(bBottom));
    }
    return {};
}

uint32_t TuiCustomGridCellViewInfo::GetTextAttributes(bool forPainting) const {
    const bool multiLine = forPainting ? FMultiLinePainting : FMultiLine;
    return AlignmentToTextFlags(FAlignmentHorz) | VerticalTextFlag(FAlignmentVert) |
           (multiLine ? uiGridTextWordBreak : uiGridTextSingleLine) | (ShowEndEllipsis() ? uiGridTextEndEllipsis : 0);
}

vcl::TRect TuiCustomGridCellViewInfo::MeasureTextRect(const vcl::TRect& rect, uint32_t flags) {
    TuiCanvas* canvas = GetCanvas();
    if (canvas == nullptr || FText.empty()) {
        return vcl::Rect(rect.Left, rect.Top, rect.Left, rect.Top);
    }
    vcl::TRect measured = rect;
    canvas->PushState();
    if (FParams.Font) {
        canvas->SetFont(*FParams.Font);
    }
    canvas->MeasureTextRect(FText, measured, static_cast<uint16_t>(flags));
    canvas->PopState();
    return measured;
}

int32_t TuiCustomGridCellViewInfo::TextWidth() {
    const uint32_t flags = (GetTextAttributes(false) & ~HorizontalTextFlags & ~uiGridTextCenterVert) | uiGridTextLeft;
    return MeasureTextRect(vcl::Rect(0, 0, UnboundedTextExtent, UnboundedTextExtent), flags).Width();
}

int32_t TuiCustomGridCellViewInfo::TextWidthWithOffset() {
    int32_t width = TextWidth();
    AddCellTextMargins(width);
    return width;
}

int32_t TuiCustomGridCellViewInfo::TextHeight() {
    const uint32_t flags = (GetTextAttributes(false) & ~VerticalTextFlags) | uiGridTextTop;
    return MeasureTextRect(GetTextAreaBounds(), flags).Height();
}

vcl::TRect TuiCustomGridCellViewInfo::TextBounds(bool horizontal, bool vertical) {
    vcl::TRect bounds = GetTextAreaBounds();
    if (horizontal) {
        const int32_t width = TextWidth();
        if (!(FMultiLinePainting && bounds.Width() < width)) {
            std::tie(bounds.Left, bounds.Right) =
                AlignedSpan(bounds.Left, bounds.Right, width, FAlignmentHorz == vcl::taLeftJustify,
                            FAlignmentHorz == vcl::taRightJustify);
        }
    }
    if (vertical) {
        std::tie(bounds.Top, bounds.Bottom) =
            AlignedSpan(bounds.Top, bounds.Bottom, TextHeight(), FAlignmentVert == vaTop, FAlignmentVert == vaBottom);
    }
    return bounds;
}

int32_t TuiCustomGridCellViewInfo::GetBestFitWidth() {
    return BorderWidth(bLeft) + TextWidthWithOffset() + BorderWidth(bRight);
}

bool TuiCustomGridCellViewInfo::CustomDraw(TuiCanvas& canvas) {
    return HasCustomDraw() && RunCustomDraw(canvas, &TuiCustomGridCellViewInfo::DoCustomDraw);
}

bool TuiCustomGridCellViewInfo::CustomDrawBackground(TuiCanvas& canvas) {
    return HasCustomDrawBackground() && RunCustomDraw(canvas, &TuiCustomGridCellViewInfo::DoCustomDrawBackground);
}

bool TuiCustomGridCellViewInfo::RunCustomDraw(TuiCanvas& canvas,
                                              bool (TuiCustomGridCellViewInfo::*handlers)(TuiCanvas&)) {
    BeforeCustomDraw(canvas);
    const bool done = (this->*handlers)(canvas);
    if (!done) {
        AfterCustomDraw(canvas);
    }
    return done;
}

void TuiCustomGridCellViewInfo::BeforeCustomDraw(TuiCanvas& canvas) {
    TuiDrawParams params;
    SaveParams(params);
    canvas.ApplyDrawParams(params);
}

// The bitmap stays the cell's own: a canvas has none.
void TuiCustomGridCellViewInfo::AfterCustomDraw(TuiCanvas& canvas) {
    TuiDrawParams params;
    SaveParams(params);
    canvas.ReadDrawParams(params);
    RestoreParams(params);
}

void TuiCustomGridCellViewInfo::Paint(TuiCanvas& canvas) {
    if (!CanPaint()) {
        return;
    }
    CreatePainter(canvas)->MainPaint();
}

std::unique_ptr<TuiCustomGridCellPainter> TuiCustomGridCellViewInfo::CreatePainter(TuiCanvas& canvas) {
    return std::make_unique<TuiCustomGridCellPainter>(canvas, *this);
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
