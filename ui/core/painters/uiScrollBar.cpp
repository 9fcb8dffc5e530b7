#include "ui/core/painters/uiScrollBar.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiPainterImages.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "ui/core/themes/uxThemeManager.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>

namespace ui {

namespace {

template <class TValue>
int32_t ClampToRange(TValue value, int32_t min, int32_t max) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, min, max));
}

} // namespace

TuiScrollBar::TuiScrollBar(rtl::TComponent* owner)
    : TCustomControl(owner), FBitmap(std::make_unique<vcl::TBitmap>(1, 1)),
      FCanvas(std::make_unique<TuiCanvas>(FBitmap->Canvas())),
      FThemeNotificator(std::make_unique<TuxThemeChangedNotificator>()), FTimer(std::make_unique<TuiTimer>(nullptr)),
      FViewInfo(std::make_unique<TuiScrollBarViewInfo>(*this)) {
    FLookAndFeel = std::make_unique<TuiLookAndFeel>(this);
    FLookAndFeel->SetOnChanged(
        [this](TuiLookAndFeel* sender, TuiLookAndFeelValues changed) { LookAndFeelChanged(sender, changed); });
    SetControlStyle({vcl::csCaptureMouse, vcl::csFramed, vcl::csOpaque});
    SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYHSCROLL));
    FThemeNotificator->SetOnThemeChanged([this] { ThemeChanged(); });
    FTimer->SetEnabled(false);
    FTimer->SetInterval(RepeatFirstDelay);
    FTimer->SetOnTimer([this](rtl::TObject*) { RepeatTimerTick(); });
    FViewInfo->UpdateMinThumbSize();
    Recalculate();
}

TuiScrollBar::~TuiScrollBar() {
    FTimer.reset();
    FThemeNotificator.reset();
    FViewInfo.reset();
    FLookAndFeel.reset();
    FCanvas.reset();
    FBitmap.reset();
}

bool TuiScrollBar::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<IuiSkinDrawnMarker>(this, iid, object) || TCustomControl::QueryInterface(iid, object);
}

void TuiScrollBar::SetKind(TScrollBarKind value) {
    if (value == FKind) {
        return;
    }
    FKind = value;
    if (!ComponentState().Contains(rtl::TComponentState::csLoading)) {
        SetBounds(Left(), Top(), Height(), Width());
    }
    Recalculate();
    Invalidate();
}

void TuiScrollBar::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    const vcl::TRect old = BoundsRect();
    TCustomControl::SetBounds(left, top, width, height);
    if (BoundsRect() != old && Width() > 0 && Height() > 0) {
        FBitmap->SetSize(Width(), Height());
        if (FViewInfo) {
            Recalculate();
        }
    }
}

void TuiScrollBar::SetScrollValues(int32_t min, int32_t max, int32_t position, int32_t pageSize, bool repaint) {
    if (max < min || pageSize < 0 || static_cast<int64_t>(pageSize) > static_cast<int64_t>(max) - min + 1) {
        throw rtl::EInvalidOperation(SScrollBarRange);
    }
    repaint = repaint && HandleAllocated();
    position = std::clamp(position, min, max);
    if (min == FMin && max == FMax && position == FPosition && pageSize == FPageSize) {
        repaint = false;
    } else {
        FMin = min;
        FMax = max;
        FPageSize = pageSize;
    }
    const bool changed = position != FPosition;
    FPosition = position;
    FViewInfo->CalculateThumb();
    if (repaint) {
        RepaintNow();
    }
    if (changed) {
        DoChange();
    }
}

TuiScrollBarPart TuiScrollBar::PartAtPoint(vcl::TPoint point) const {
    if (!ClientRect().Contains(point)) {
        return sbpNone;
    }
    if (FViewInfo->LineUpButtonRect().Contains(point)) {
        return sbpLineUp;
    }
    if (FViewInfo->LineDownButtonRect().Contains(point)) {
        return sbpLineDown;
    }
    if (FViewInfo->ThumbRect().IsEmpty()) {
        return sbpNone;
    }
    if (FViewInfo->ThumbRect().Contains(point)) {
        return sbpThumb;
    }
    if (FViewInfo->PageUpRect().Contains(point)) {
        return sbpPageUp;
    }
    return FViewInfo->PageDownRect().Contains(point) ? sbpPageDown : sbpNone;
}

void TuiScrollBar::ScrollByCode(TScrollCode code) {
    int64_t proposed = FPosition;
    switch (code) {
    case scLineUp:
        proposed -= FSmallChange;
        break;
    case scLineDown:
        proposed += FSmallChange;
        break;
    case scPageUp:
        proposed -= FLargeChange;
        break;
    case scPageDown:
        proposed += FLargeChange;
        break;
    case scTop:
        proposed = FMin;
        break;
    case scBottom:
        proposed = FMax;
        break;
    default:
        break;
    }
    int32_t position = ClampToRange(proposed, FMin, FMax);
    DoScroll(code, position);
    position = ClampToRange(position, FMin, FMax);
    if (position == FPosition) {
        return;
    }
    if (code == scTrack) {
        FPosition = position;
        RepaintNow();
    } else {
        SetPosition(position);
    }
}

void TuiScrollBar::ScrollForPart(TuiScrollBarPart part) {
    static constexpr TScrollCode codes[] = {scLineUp, scLineUp, scLineDown, scTrack, scPageUp, scPageDown};
    if (part != sbpNone) {
        ScrollByCode(codes[part]);
    }
}

TuiLookAndFeelPainterClass TuiScrollBar::GetPainter() const {
    return FLookAndFeel->PainterForObjectType(totScrollBar);
}

void TuiScrollBar::SetCtl3D(bool value) {
    FSavedCtl3D = value;
    if (TCustomControl::Ctl3D() != value) {
        TCustomControl::SetCtl3D(value);
    }
}

bool TuiScrollBar::HasSkinPainter() const {
    rtl::TObject* data = nullptr;
    TuiExtendedStylePainters* skins = ExtendedStylePainters();
    return skins && skins->DataOfPainter(FLookAndFeel->ActivePainter(), data);
}

// Switching the window's flag off reports CM_CTL3DCHANGED, which saves the window's flag: the value the program set is
// saved again after the switch.
void TuiScrollBar::LookAndFeelChanged(TuiLookAndFeel*, TuiLookAndFeelValues) {
    if (HasSkinPainter() && Ctl3D()) {
        const bool programValue = Ctl3D();
        TCustomControl::SetCtl3D(false);
        FSavedCtl3D = programValue;
    } else if (TCustomControl::Ctl3D() != FSavedCtl3D) {
        TCustomControl::SetCtl3D(FSavedCtl3D);
    }
    FViewInfo->UpdateMinThumbSize();
    Recalculate();
    Invalidate();
}

void TuiScrollBar::DoChange() {
    if (FOnChange) {
        FOnChange(this);
    }
}

void TuiScrollBar::DoScroll(TScrollCode code, int32_t& position) {
    if (FOnScroll) {
        FOnScroll(this, code, position);
    }
}

bool TuiScrollBar::HotTrackParts() const {
    return GetPainter()->HotTracksButtons();
}

int32_t TuiScrollBar::MinThumbSize() const {
    return GetPainter()->ScrollBarThumbMinSize(FKind == sbVertical);
}

void TuiScrollBar::Recalculate() {
    FViewInfo->Recalculate();
}

void TuiScrollBar::RepaintNow() {
    if (HandleAllocated()) {
        Repaint();
    }
}

// Painting: the whole bar goes to the offscreen bitmap, then to the window in one copy; the background is never
// erased.
void TuiScrollBar::Paint() {
    DrawScrollBar(*FCanvas);
    BitBlt(Canvas().Handle(), 0, 0, Width(), Height(), FBitmap->Canvas().Handle(), 0, 0, SRCCOPY);
}

void TuiScrollBar::DrawScrollBar(TuiCanvas& canvas) {
    DrawScrollBarBackground(canvas, {0, 0, Width(), Height()});
    DrawPart(canvas, FViewInfo->LineUpButtonRect(), sbpLineUp);
    DrawPart(canvas, FViewInfo->LineDownButtonRect(), sbpLineDown);
    const struct {
        const vcl::TRect& Rect;
        TuiScrollBarPart Part;
    } optionalParts[] = {{FViewInfo->ThumbRect(), sbpThumb},
                         {FViewInfo->PageUpRect(), sbpPageUp},
                         {FViewInfo->PageDownRect(), sbpPageDown}};
    for (const auto& part : optionalParts) {
        if (!part.Rect.IsEmpty()) {
            DrawPart(canvas, part.Rect, part.Part);
        }
    }
}

void TuiScrollBar::DrawScrollBarBackground(TuiCanvas& canvas, const vcl::TRect& rect) {
    GetPainter()->PaintScrollBarBackground(canvas, rect, FKind == sbHorizontal);
}

void TuiScrollBar::DrawPartInState(TuiCanvas& canvas, const vcl::TRect& rect, TuiScrollBarPart part,
                                   TuiButtonState state) {
    GetPainter()->PaintScrollBarElement(canvas, FKind == sbHorizontal, rect, part, state);
}

void TuiScrollBar::DrawPart(TuiCanvas& canvas, const vcl::TRect& rect, TuiScrollBarPart part) {
    DrawPartInState(canvas, rect, part, PartState(part));
}

TuiButtonState TuiScrollBar::PartState(TuiScrollBarPart part) const {
    if (!Enabled()) {
        return uibsDisabled;
    }
    if ((part == sbpThumb && !HotTrackParts()) || part != FHotPart) {
        return uibsNormal;
    }
    if (FTrackingPart != sbpNone) {
        return FTrackingPart == part ? uibsPressed : uibsNormal;
    }
    return ComponentState().Contains(rtl::TComponentState::csDesigning) ? uibsNormal : uibsHot;
}

void TuiScrollBar::ThemeChanged() {
    FViewInfo->UpdateMinThumbSize();
    Recalculate();
    UpdateScrollBarBitmaps();
    Invalidate();
    if (Parent()) {
        Parent()->Realign();
    }
}

void TuiScrollBar::MouseEnter(vcl::TControl*) {
    if (HotTrackParts() || IsRepeatingPart(FTrackingPart)) {
        RepaintNow();
    }
}

void TuiScrollBar::MouseLeave(vcl::TControl*) {
    if (FTrackingPart != sbpThumb) {
        FHotPart = sbpNone;
    }
    if (HotTrackParts() || IsRepeatingPart(FTrackingPart)) {
        Invalidate();
    }
}

void TuiScrollBar::HandleEnabledChanged(vcl::TMessage& message) {
    TCustomControl::Dispatch(message);
    if (!Enabled()) {
        StopTracking();
    }
    Recalculate();
    Invalidate();
}

void TuiScrollBar::Dispatch(vcl::TMessage& message) {
    auto* messageControl = reinterpret_cast<vcl::TControl*>(message.LParam);
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_CANCELMODE:
        StopTracking();
        TCustomControl::Dispatch(message);
        return;
    case vcl::CM_VISIBLECHANGED:
        if (message.WParam == 0) {
            StopTracking();
        }
        TCustomControl::Dispatch(message);
        return;
    case vcl::CM_ENABLEDCHANGED:
        HandleEnabledChanged(message);
        return;
    case vcl::CM_MOUSEENTER:
        TCustomControl::Dispatch(message);
        MouseEnter(messageControl ? messageControl : this);
        return;
    case vcl::CM_MOUSELEAVE:
        TCustomControl::Dispatch(message);
        MouseLeave(messageControl ? messageControl : this);
        return;
    case vcl::CN_HSCROLL:
    case vcl::CN_VSCROLL:
        ScrollByCode(static_cast<TScrollCode>(vcl::LoWord(message.WParam)));
        return;
    case vcl::CM_SYSCOLORCHANGE:
        UpdateScrollBarBitmaps();
        TCustomControl::Dispatch(message);
        return;
    case vcl::CN_CTLCOLORSCROLLBAR:
        UpdateScrollBarBitmaps();
        message.Result = DefWindowProcW(WindowHandle(), message.Msg, message.WParam, message.LParam);
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

} // namespace ui
