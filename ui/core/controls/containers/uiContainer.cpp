#include "ui/core/controls/containers/uiContainer.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/routines/uiInputRoutines.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxUxTheme.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Messages.h"

namespace ui {

namespace {

// TMT_FILLCOLOR: the fill colour of a themed part.
constexpr int32_t ThemeFillColorProperty = 3802;
// The transparent margin around a frame.
constexpr int32_t TransparentMargin = 2;

vcl::TRect DeflateRect(const vcl::TRect& rect, const vcl::TRect& margins) {
    return {rect.Left + margins.Left, rect.Top + margins.Top, rect.Right - margins.Right, rect.Bottom - margins.Bottom};
}

bool PointInRect(const vcl::TRect& rect, vcl::TPoint point) {
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

// Sets a flag for the life of the holder.
class TFlagScope {
public:
    // Raises flag for the scope when raise holds.
    explicit TFlagScope(bool& flag, bool raise = true) : FFlag(flag), FPrevious(flag) { FFlag = FPrevious || raise; }
    ~TFlagScope() { FFlag = FPrevious; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
    bool FPrevious;
};

} // namespace

TuiContainer::TuiContainer(rtl::TComponent* owner) : TuiContainer(owner, {}) {}

TuiContainer::TuiContainer(rtl::TComponent* owner, const TuiContainerStyleFactory& factory)
    : TuiControl(owner), FStyles(std::make_unique<TuiContainerStyles>(this, factory)),
      FViewInfo(std::make_unique<TuiContainerViewInfo>()) {
    FStyles->SetOnChanged([this](rtl::TObject*) { ContainerStyleChanged(); });
    LookAndFeel().SetMaster(&Style().LookAndFeel());
    SetControlStyle(ControlStyle() + vcl::TControlStyle{vcl::csCaptureMouse, vcl::csSetCaption});
    SetTabStop(true);
    const bool parentColor = PrefersParentColor() && !IsInplace() && !Style().IsStyleValueAssigned(csvColor);
    {
        const TFlagScope applying(FApplyingStyle);
        TuiControl::SetParentColor(parentColor);
        if (!parentColor) {
            SetColor(vcl::clWindow);
        }
    }
    FConstructing = false;
}

TuiContainer::~TuiContainer() {
    StopMouseTracking(this);
    FStyles->SetOnChanged({});
}

void TuiContainer::Loaded() {
    TuiControl::Loaded();
    ContainerStyleChanged();
}

vcl::TColor TuiContainer::ParentControlColor() const {
    return Parent()->Color();
}

TuiContainerStyle& TuiContainer::ActiveStyle() const {
    return StateStyle();
}

TuiContainerStyle& TuiContainer::StateStyle() const {
    if (HasState(csfDisabled)) {
        return StyleDisabled();
    }
    if (HasState(csfFocused)) {
        return StyleFocused();
    }
    if (HasState(csfHot) && Style().HotTrack()) {
        return StyleHot();
    }
    return Style();
}

bool TuiContainer::IsStylePropertyApplicable(rtl::UnicodeStringView name, bool checkPublished) const {
    if (checkPublished && !Style().IsStylePropertyVisible(name)) {
        return false;
    }
    int32_t value = 0;
    return !Style().FindStyleValue(name, value) || value >= 32 ||
           !ExcludedStyleValues().Contains(static_cast<TuiContainerStyleValue>(value));
}

void TuiContainer::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case vcl::CM_PARENTFONTCHANGED:
    case vcl::CM_PARENTCOLORCHANGED:
        TakeParentValue(message);
        return;
    case vcl::CM_ENABLEDCHANGED:
        TuiControl::Dispatch(message);
        for (TuiControlScrollBar* bar : {HScrollBar(), VScrollBar()}) {
            if (bar != nullptr) {
                bar->SetEnabled(Enabled());
            }
        }
        UpdateContainerHotState(false);
        return;
    case vcl::CM_FOCUSCHANGED: {
        TuiControl::Dispatch(message);
        // The form tells every control of every focus move: only the container that showed the focus, or the one
        // taking it (itself or its inner control), looks otherwise.
        const auto* target = reinterpret_cast<vcl::TWinControl*>(message.LParam);
        const bool concerned = HasState(csfFocused) || (target != nullptr && ContainsControl(target));
        if (concerned && Focused() != HasState(csfFocused)) {
            UpdateContainerHotState(false);
        }
        return;
    }
    case WM_SYSCOLORCHANGE:
        TuiControl::Dispatch(message);
        UpdateContainerHotState(false);
        return;
    default:
        TuiControl::Dispatch(message);
    }
}

// Taking the parent's colour or font again gives up the style's own.
void TuiContainer::TakeParentValue(vcl::TMessage& message) {
    {
        const TFlagScope taking(FTakingParentValue);
        TuiControl::Dispatch(message);
    }
    const bool color = message.Msg == vcl::CM_PARENTCOLORCHANGED;
    const bool takesParent = color ? ParentColor() : ParentFont();
    const TuiContainerStyleValue value = color ? csvColor : csvFont;
    if (!takesParent && !color) {
        // A font the container no longer takes from its parent is the style controller's or the default one.
        Style().RefreshFont();
    }
    if (takesParent && Style().AssignedValues().Contains(value)) {
        Style().SetAssignedValues(Style().AssignedValues() - TuiContainerStyleValues{value});
    } else {
        UpdateContainerHotState(false);
    }
    // What the inner control leaves uncovered shows the parent's colour.
    if (color && !takesParent && NeedsParentColorForInner()) {
        Invalidate();
    }
}

void TuiContainer::InitControl() {
    TuiControl::InitControl();
    UpdateContainerHotState(false);
}

// The inner control moves first, so that the bars follow its native ones where they now are.
void TuiContainer::BoundsChanged() {
    UpdateContainerHotState(false);
    TuiControl::BoundsChanged();
}

void TuiContainer::FocusChanged() {
    TuiControl::FocusChanged();
    UpdateContainerHotState(false);
}

// The container's own colour and font are the normal style's: setting them on the container sets them there.
void TuiContainer::ColorChanged() {
    TuiControl::ColorChanged();
    if (!FApplyingStyle && !FTakingParentValue && !FConstructing) {
        Style().SetColor(Color());
    }
}

void TuiContainer::FontChanged() {
    TuiControl::FontChanged();
    if (FApplyingStyle || FConstructing) {
        return;
    }
    if (!FTakingParentValue) {
        Style().SetFont(Font());
        return;
    }
    // The parent's font reaches the style without becoming the style's own.
    Style().LockFontFlag(true);
    Style().Font().Assign(&Font());
    Style().LockFontFlag(false);
}

void TuiContainer::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseDown(button, shift, x, y);
    if (IsMouseTracking(this)) {
        UpdateAtPoint({x, y}, ConvertMouseButton(button), true, shift);
    }
}

void TuiContainer::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseMove(shift, x, y);
    UpdateAtPoint({x, y}, 0, true, shift);
    StartMouseTracking(this, GetBounds(), this);
}

void TuiContainer::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseUp(button, shift, x, y);
    UpdateAtPoint({x, y}, ConvertMouseButton(button), true, shift);
}

void TuiContainer::MouseEnter(vcl::TControl* control) {
    TuiControl::MouseEnter(control);
    UpdateContainerHotState(true);
    StartMouseTracking(this, GetBounds(), this);
}

void TuiContainer::MouseLeave(vcl::TControl* control) {
    TuiControl::MouseLeave(control);
    UpdateContainerHotState(true);
    StopMouseTracking(this);
}

void TuiContainer::LeaveHotArea() {
    MouseLeave(static_cast<vcl::TControl*>(this));
}

void TuiContainer::UpdateContainerHotState(bool hotTracking) {
    vcl::TPoint point = CursorPosOrInvalid();
    const HWND under = WindowFromPoint(POINT{point.X, point.Y});
    if (HandleAllocated() && IsSameOrChildWindow(WindowHandle(), under)) {
        MapPointBetweenWindows(nullptr, WindowHandle(), point);
    } else {
        point = uiInvalidPoint;
    }
    UpdateAtPoint(point, 0, hotTracking, vcl::ReadShiftState());
}

void TuiContainer::UpdateAtPoint(vcl::TPoint point, int32_t button, bool hotTracking, vcl::TShiftState shift) {
    FDeferred = true;
    bool recalculated = false;
    const bool ready = IsReadyForLayout();
    if (ready) {
        ++FLayoutLockCount;
        FDeferred = false;
        try {
            recalculated = RecalculateAtPoint(point, button, shift, hotTracking);
        } catch (...) {
            --FLayoutLockCount;
            throw;
        }
        --FLayoutLockCount;
    }
    if (hotTracking && ready && FAfterHotTrackCount == 0) {
        ++FAfterHotTrackCount;
        AfterHotTrackHook();
        --FAfterHotTrackCount;
    }
    FHotStateValid = recalculated && !FDeferred;
}

bool TuiContainer::IsReadyForLayout() const {
    return FLayoutLockCount == 0 && !FConstructing && !IsDestroying() && HandleAllocated();
}

bool TuiContainer::RecalculateAtPoint(vcl::TPoint point, int32_t button, vcl::TShiftState shift, bool /*hotTracking*/) {
    const bool hot = IsShiftMoveOnly(shift) && ActiveStyle().HotTrack();
    const vcl::TRect previousClient = FViewInfo->ClientRect;
    CalculateViewInfo(point, hot);
    // Aligned children fill what the frame leaves.
    if (FViewInfo->ClientRect != previousClient) {
        Realign();
    }
    AlignInnerControl();
    ApplyStyleToInnerControl();
    ApplyWindowRegion();
    InvalidateRecalculated(point, button, shift);
    if (HasState(csfHot)) {
        StartMouseTracking(this, GetBounds(), this);
    }
    return true;
}

// The inner control paints what lies inside the border.
void TuiContainer::InvalidateRecalculated(vcl::TPoint /*point*/, int32_t /*button*/, vcl::TShiftState /*shift*/) {
    if (FInnerControl != nullptr && HandleAllocated()) {
        InvalidateRectExcept(WindowHandle(), FViewInfo->Bounds, FViewInfo->BorderRect, false);
    } else {
        InvalidateRect(FViewInfo->Bounds, false);
    }
}

void TuiContainer::CalculateStateAndBorderStyle(vcl::TPoint point, bool hot) {
    TuiContainerViewInfo& view = *FViewInfo;
    uint8_t state = csfNormal;
    if (!Enabled()) {
        state = csfDisabled;
    } else if (!ComponentState().Contains(rtl::TComponentState::csDesigning) && Focused()) {
        state = csfFocused;
    }
    view.ContainerState = state;
    if (hot && PointInRect(InnerAreaRect(), point)) {
        view.ContainerState |= csfHot;
    }
    const TuiContainerStyle& active = ActiveStyle();
    if (!active.HotTrack()) {
        view.HotTrackState = htsOff;
    } else {
        view.HotTrackState = HasState(csfFocused) || HasState(csfHot) ? htsEmphasised : htsIdle;
    }
    if (view.NativeStyle) {
        view.BorderStyle = Style().BorderStyle();
        return;
    }
    // The container draws the flat frames as single frames in their own colours.
    const TuiContainerBorderStyle style = active.BorderStyle();
    view.BorderStyle = style == cbsUltraFlat || style == cbsOffice11 ? cbsSingle : style;
}

void TuiContainer::CalculateViewInfo(vcl::TPoint point, bool hot) {
    TuiContainerViewInfo& view = *FViewInfo;
    view.NativeStyle = UsesNativeStyle();
    const int32_t previousWidth = GetContainerBorderWidth(view.BorderStyle);
    CalculateStateAndBorderStyle(point, hot);
    // A thinner border widens the inner area, which decides whether the pointer is over it.
    if (!view.NativeStyle && GetContainerBorderWidth(view.BorderStyle) < previousWidth) {
        CalculateStateAndBorderStyle(point, hot);
    }
    if (view.NativeStyle) {
        view.ThemedObjectType = NativeObjectType();
        view.NativePart = NativeBorderPartId();
        view.NativeState = NativeBorderStateId();
    }
    view.Bounds = {0, 0, Width(), Height()};
    view.BorderRect = DeflateRect(view.Bounds, BorderExtensionRect());
    view.ClientRect = view.BorderRect;
    view.Painter = Style().LookAndFeel().SkinPainter();
    view.BorderWidth = GetBorderWidthForPainter(view.BorderStyle, view.Painter);
    view.Edges = ActiveStyle().Edges();
    view.Shadow = HasShadow();
    view.BorderColor = FrameColor();
    view.BackgroundColor = BackgroundColor();
}

vcl::TRect TuiContainer::BorderExtensionRect() const {
    const TuiContainerStyle& active = ActiveStyle();
    vcl::TRect margins;
    if (active.TransparentBorder()) {
        margins = {TransparentMargin, TransparentMargin, TransparentMargin, TransparentMargin};
    } else if (!active.ShowsBorder() || (FViewInfo->NativeStyle && Style().BorderStyle() == cbsNone)) {
        margins = {};
    } else if (FViewInfo->NativeStyle) {
        margins = {TransparentMargin, TransparentMargin, TransparentMargin, TransparentMargin};
    } else {
        GrowRectByEdges(margins, GetContainerBorderWidth(FViewInfo->BorderStyle), active.Edges());
        margins = {-margins.Left, -margins.Top, margins.Right, margins.Bottom};
    }
    if (HasShadow()) {
        margins.Right += uiContainerShadowDepth;
        margins.Bottom += uiContainerShadowDepth;
    }
    return margins;
}

vcl::TRect TuiContainer::OuterBorderRect() const {
    vcl::TRect rect = DeflateRect({0, 0, Width(), Height()}, BorderExtensionRect());
    // A skin's frame may be thinner than the margin kept for the classic one.
    GrowRectByEdges(rect, FViewInfo->BorderWidth, ActiveStyle().Edges());
    return rect;
}

vcl::TRect TuiContainer::InnerAreaRect() const {
    vcl::TRect rect{0, 0, Width(), Height()};
    const TuiContainerStyle& normal = Style();
    if (!IsInplace()) {
        if (HasShadow()) {
            rect.Right -= uiContainerShadowDepth;
            rect.Bottom -= uiContainerShadowDepth;
        }
        if (normal.ShowsBorder()) {
            if (FViewInfo->NativeStyle) {
                if (normal.TransparentBorder() && FViewInfo->BorderStyle == cbsNone) {
                    rect = DeflateRect(rect, {2, 2, 2, 2});
                }
            } else if (normal.TransparentBorder()) {
                const int32_t width = GetContainerBorderWidth(FViewInfo->BorderStyle);
                const int32_t inset = TransparentMargin - width;
                rect = DeflateRect(rect, {inset, inset, inset, inset});
                ShrinkRectOnMissingEdges(rect, width, normal.Edges());
            }
        } else if (normal.TransparentBorder()) {
            rect = DeflateRect(rect, {2, 2, 2, 2});
        }
    }
    if (rect.Bottom < rect.Top) {
        rect = {rect.Left, 0, rect.Right, 0};
    }
    return rect;
}

vcl::TColor TuiContainer::FrameColor() const {
    const TuiContainerStyle& active = ActiveStyle();
    const bool designing = ComponentState().Contains(rtl::TComponentState::csDesigning);
    const bool emphasis = HasState(csfFocused) || (HasState(csfHot) && active.HotTrack()) || (designing && Enabled());
    if (FViewInfo->Painter != nullptr) {
        return FViewInfo->Painter->ContainerBorderColorFor(emphasis);
    }
    const TuiContainerBorderStyle style = active.BorderStyle();
    if (style == cbsUltraFlat || style == cbsOffice11) {
        if (!emphasis) {
            return vcl::clBtnShadow;
        }
        return style == cbsUltraFlat ? vcl::clHighlight : Office11Colors().Office11HighlightBorderColor;
    }
    return active.BorderColor();
}

void TuiContainer::StateColors(vcl::TColor& background, vcl::TColor& text) const {
    background = vcl::clDefault;
    text = vcl::clDefault;
    const TuiLookAndFeelPainterClass painter = FViewInfo->Painter;
    if (painter == nullptr) {
        return;
    }
    const TuiContainerStyle& active = ActiveStyle();
    const auto assigned = [this, &active](TuiContainerStyleValue value) {
        return Style().IsStyleValueAssigned(value) || active.IsStyleValueAssigned(value);
    };
    if (!assigned(csvTextColor)) {
        text = painter->EditorTextColorForState(EditorColorState());
    }
    if (!ParentColor() && !assigned(csvColor)) {
        background = painter->EditorBackgroundColorForState(EditorColorState());
    }
}

vcl::TFont& TuiContainer::EffectiveFont() const {
    vcl::TFont& font = ActiveStyle().DisplayFont();
    vcl::TColor background = vcl::clDefault;
    vcl::TColor text = vcl::clDefault;
    StateColors(background, text);
    if (text != vcl::clDefault) {
        font.SetColor(text);
    }
    return font;
}

vcl::TColor TuiContainer::BackgroundColor() const {
    const TuiContainerStyle& active = ActiveStyle();
    vcl::TColor stateBackground = vcl::clDefault;
    vcl::TColor stateText = vcl::clDefault;
    StateColors(stateBackground, stateText);
    if (stateBackground != vcl::clDefault) {
        return stateBackground;
    }
    vcl::TColor color = active.Color();
    if (!FViewInfo->NativeStyle || !Enabled() || active.IsStyleValueAssigned(csvColor)) {
        return color;
    }
    const HTHEME theme = OpenThemeOfType(FViewInfo->ThemedObjectType);
    uint32_t themeColor = 0;
    if (theme != nullptr && UxTheme().GetThemeColor(theme, FViewInfo->NativePart, FViewInfo->NativeState,
                                                    ThemeFillColorProperty, themeColor) == 0) {
        color = static_cast<vcl::TColor>(themeColor);
    }
    return color;
}

int32_t TuiContainer::EditorColorState() const {
    if (HasState(csfDisabled)) {
        return 1;
    }
    return HasState(csfFocused) ? 0 : 2;
}

bool TuiContainer::HasShadow() const {
    return ActiveStyle().Shadow() && !UsesNativeStyle();
}

bool TuiContainer::UsesNativeStyle() const {
    return Style().LookAndFeel().NativeStyle() && OpenThemeOfType(NativeObjectType()) != nullptr;
}

bool TuiContainer::PaintsOwnBorder() const {
    return !(FViewInfo->NativeStyle && FViewInfo->BorderStyle != cbsNone);
}

int32_t TuiContainer::NativeBorderPartId() const {
    // EP_EDITBORDER_NOSCROLL from Windows 6 on, EP_EDITTEXT before.
    return OSFlags().IsWinVistaOrLater ? 3 : 1;
}

int32_t TuiContainer::NativeBorderStateId() const {
    if (HasState(csfDisabled)) {
        return 4;
    }
    if (InnerControlStateHook()) {
        return 6;
    }
    if (HasState(csfFocused)) {
        return 5;
    }
    return HasState(csfHot) ? 2 : 1;
}

vcl::TRegionHandle TuiContainer::UpdateWindowRegion() const {
    const bool nativeBorder = FViewInfo->NativeStyle && FViewInfo->BorderStyle != cbsNone;
    const vcl::TRect outer = OuterBorderRect();
    vcl::TRegionHandle shadow = CreatePopupShadowRegion(outer, ExtraBorderRect(), nativeBorder, FViewInfo->Shadow, {});
    if (!PaintsOwnBorder()) {
        return shadow;
    }
    vcl::TRegionHandle region(CreateRectRgn(outer.Left, outer.Top, outer.Right, outer.Bottom));
    if (shadow.Get() != nullptr) {
        CombineRgn(region.Get(), region.Get(), shadow.Get(), RGN_OR);
    }
    return region;
}

void TuiContainer::ApplyWindowRegion() {
    if (HandleAllocated()) {
        SetWindowRegionIfChanged(WindowHandle(), UpdateWindowRegion());
    }
}

void TuiContainer::ChangeScale(int32_t multiplier, int32_t divisor) {
    {
        // The container's own font follows the style's, scaled below.
        const TFlagScope applying(FApplyingStyle, !ParentFont());
        TuiControl::ChangeScale(multiplier, divisor);
    }
    if (multiplier != divisor && Style().AssignedValues().Contains(csvFont)) {
        vcl::TFont& font = Style().Font();
        font.SetSize(MulDiv(font.Size(), multiplier, divisor));
    }
}

void TuiContainer::ContainerStyleChanged() {
    if (FConstructing || ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return;
    }
    UpdateContainerHotState(false);
    const TFlagScope applying(FApplyingStyle);
    if (!ParentColor() || Style().IsStyleValueAssigned(csvColor)) {
        SetColor(Style().PaintColor());
    }
    // A container that takes its parent's font keeps it until its style assigns one.
    if (Style().AssignedValues().Contains(csvFont)) {
        TuiControl::Font().Assign(&Style().Font());
        TuiControl::SetParentFont(false);
    }
}

vcl::TRect TuiContainer::GetClientBounds() const {
    return FViewInfo->ClientRect;
}

void TuiContainer::Paint() {
    if (!UICanvas().RectVisible({0, 0, Width(), Height()})) {
        return;
    }
    if (!FHotStateValid) {
        UpdateContainerHotState(false);
    }
    FViewInfo->Draw(UICanvas());
}

} // namespace ui
