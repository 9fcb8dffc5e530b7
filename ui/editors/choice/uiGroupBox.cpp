#include "ui/editors/choice/uiGroupBox.h"

#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiControlBackground.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/core/themes/uxUxTheme.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/system/Messages.h"
#include "vcl/system/Win32.h"

namespace ui {

namespace {

vcl::TRect Deflate(const vcl::TRect& rect, const vcl::TRect& margins) {
    return {rect.Left + margins.Left, rect.Top + margins.Top, rect.Right - margins.Right, rect.Bottom - margins.Bottom};
}

// The theme's group-box part of the button class.
constexpr int32_t groupBoxThemePart = 4;

TuiGroupCaptionPosition OppositeCaptionPosition(TuiGroupCaptionPosition position) {
    switch (position) {
    case gcpTop:
        return gcpBottom;
    case gcpBottom:
        return gcpTop;
    case gcpLeft:
        return gcpRight;
    case gcpRight:
        return gcpLeft;
    default:
        return gcpNone;
    }
}

vcl::TRect Intersection(const vcl::TRect& a, const vcl::TRect& b) {
    vcl::TRect result{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                      std::min(a.Bottom, b.Bottom)};
    return result.Left < result.Right && result.Top < result.Bottom ? result : vcl::TRect{};
}

// The margin on the caption's side of a margin rectangle.
int32_t& CaptionSide(vcl::TRect& margins, TuiGroupCaptionPosition position) {
    switch (position) {
    case gcpBottom:
        return margins.Bottom;
    case gcpLeft:
        return margins.Left;
    case gcpRight:
        return margins.Right;
    default:
        return margins.Top;
    }
}

// The colour halfway between two colours.
vcl::TColor MixColors(vcl::TColor first, vcl::TColor second) {
    const uint32_t a = vcl::ColorToRGB(first);
    const uint32_t b = vcl::ColorToRGB(second);
    uint32_t mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        mixed |= ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) / 2) << shift;
    }
    return static_cast<vcl::TColor>(mixed);
}

} // namespace

TuiCustomGroupBox::TuiCustomGroupBox(rtl::TComponent* owner)
    : TuiCustomEdit(owner), FPanelStyle(std::make_unique<TuiPanelStyle>()) {
    FPanelStyle->SetOnLayoutChanged([this](bool onlyWhileActive, bool onlyInOffice11) {
        const bool office11 = EditStyle(essNormal).LookAndFeel().Kind() == lfOffice11;
        if ((!onlyWhileActive || IsPanel()) && (!onlyInOffice11 || office11)) {
            CaptionLayoutChanged();
        }
    });
    vcl::TControlStyle style = ControlStyle();
    style.Include(vcl::csAcceptsControls);
    SetControlStyle(style);
    SetBounds(Left(), Top(), 185, 105);
    SetTabStop(false);
}

TuiCustomGroupBox::~TuiCustomGroupBox() = default;

void TuiCustomGroupBox::SetAlignment(TuiCaptionAlignment value) {
    if (value != FAlignment) {
        FAlignment = value;
        CaptionLayoutChanged();
    }
}

void TuiCustomGroupBox::SetTransparent(bool value) {
    if (value != FTransparent) {
        FTransparent = value;
        Invalidate();
    }
}

void TuiCustomGroupBox::CaptionLayoutChanged() {
    UpdateContainerHotState(false);
    UpdateNonClientArea();
    if (HandleAllocated()) {
        Realign();
    }
    Invalidate();
}

TuiLookAndFeelPainterClass TuiCustomGroupBox::Painter() const {
    const TuiLookAndFeel& lookAndFeel = EditStyle(essNormal).LookAndFeel();
    return lookAndFeel.SkinPainter() != nullptr ? lookAndFeel.SkinPainter() : lookAndFeel.ActivePainter();
}

bool TuiCustomGroupBox::HasSkin() const {
    return EditStyle(essNormal).LookAndFeel().SkinPainter() != nullptr;
}

bool TuiCustomGroupBox::IsNativeStyle() const {
    const TuiLookAndFeel& lookAndFeel = EditStyle(essNormal).LookAndFeel();
    return (lookAndFeel.NativeStyle() || lookAndFeel.Kind() == lfOffice11) && OpenThemeOfType(totEdit) != nullptr &&
           !HasSkin();
}

// The caption's colours come from the skin, or from the theme in the native style.
TuiLookAndFeelPainterClass TuiCustomGroupBox::CaptionColorPainter() const {
    if (HasSkin()) {
        return Painter();
    }
    return IsNativeStyle() ? &TuiWinXPLookAndFeelPainter::Instance() : nullptr;
}

// The skin caption element's insets across the band: what the band adds to the text's thickness.
int32_t TuiCustomGroupBox::CaptionExtra() const {
    if (!HasSkin() || IsPanel()) {
        return 0;
    }
    const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(FAlignment);
    return CaptionInsetsAcross(Painter()->GroupFrameInsets(true, position), position);
}

// A caption at the bottom or right would sit in the shadow, so only a top or left caption (or a panel) casts one.
bool TuiCustomGroupBox::HasCaptionShadow() const {
    const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(FAlignment);
    return ActiveEditStyle().Shadow() && (IsPanel() || position == gcpTop || position == gcpLeft) && !HasSkin() &&
           !IsNativeStyle();
}

vcl::TRect TuiCustomGroupBox::OuterBorderRect() const {
    const int32_t shadow = HasCaptionShadow() ? uiContainerShadowDepth : 0;
    return {0, 0, Width() - shadow, Height() - shadow};
}

int32_t TuiCustomGroupBox::BorderWidth() const {
    return EditBorderWidth(ActiveEditStyle().BorderStyle());
}

uint32_t TuiCustomGroupBox::CaptionTextFlags() const {
    if (!IsPanel()) {
        return DT_SINGLELINE;
    }
    uint32_t flags = FPanelStyle->WordWrap() ? DT_WORDBREAK : DT_SINGLELINE;
    switch (FAlignment) {
    case alTopCenter:
    case alBottomCenter:
    case alCenterCenter:
        flags |= DT_CENTER;
        break;
    case alTopRight:
    case alBottomRight:
    case alRightTop:
    case alRightCenter:
    case alRightBottom:
        flags |= DT_RIGHT;
        break;
    default:
        break;
    }
    if (AlignmentToCaptionPosition(FAlignment) == gcpBottom || FAlignment == alLeftBottom ||
        FAlignment == alRightBottom) {
        flags |= DT_BOTTOM;
    } else if (FAlignment == alLeftCenter || FAlignment == alRightCenter || FAlignment == alCenterCenter) {
        flags |= DT_VCENTER;
    }
    return flags;
}

void TuiCustomGroupBox::PrepareCaptionFont(TuiCanvas& canvas) const {
    canvas.Font().Assign(&ActiveEditStyle().Font());
    const TuiLookAndFeelPainterClass painter = CaptionColorPainter();
    if (painter == nullptr) {
        return;
    }
    const vcl::TColor color = IsPanel()
                                  ? painter->GroupTextColor()
                                  : painter->GroupCaptionTextColor(Enabled(), AlignmentToCaptionPosition(FAlignment));
    if (color != vcl::clDefault) {
        canvas.Font().SetColor(color);
    }
}

vcl::TSize TuiCustomGroupBox::CaptionTextSize(TuiCanvas& canvas) const {
    if (Caption().empty()) {
        return {0, 0};
    }
    PrepareCaptionFont(canvas);
    canvas.Canvas().RequireFont();
    vcl::TRect rect{0, 0, 1, 1};
    DrawTextColored(canvas.Handle(), Caption(), rect, DT_CALCRECT | CaptionTextFlags(), vcl::clDefault, true);
    return {rect.Width(), rect.Height()};
}

int32_t TuiCustomGroupBox::CaptionFontHeight(TuiCanvas& canvas) const {
    PrepareCaptionFont(canvas);
    return canvas.GetTextHeight(u"Wg");
}

// The border on the style's edges and the shadow; the frame on the caption's side runs through the caption's middle.
vcl::TRect TuiCustomGroupBox::BorderExtent(TuiCanvas& canvas) const {
    const int32_t width = BorderWidth();
    const TuiBorders edges = ActiveEditStyle().Edges();
    vcl::TRect extent{edges.Contains(bLeft) ? width : 0, edges.Contains(bTop) ? width : 0,
                      edges.Contains(bRight) ? width : 0, edges.Contains(bBottom) ? width : 0};
    if (HasCaptionShadow()) {
        extent.Right += uiContainerShadowDepth;
        extent.Bottom += uiContainerShadowDepth;
    }
    if (!IsPanel() && FAlignment != alCenterCenter) {
        const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(FAlignment);
        const int32_t half = CaptionFontHeight(canvas) / 2;
        CaptionSide(extent, position) = position == gcpTop || position == gcpBottom ? half + 1 : half;
    }
    return extent;
}

vcl::TRect TuiCustomGroupBox::ClientMargins(TuiCanvas& canvas) const {
    vcl::TRect margins = BorderExtent(canvas);
    const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(FAlignment);
    if (HasSkin()) {
        const TuiLookAndFeelPainterClass painter = Painter();
        const vcl::TRect insets = IsPanel() ? painter->PanelInsets() : painter->GroupFrameInsets(false, position);
        margins = {margins.Left + insets.Left, margins.Top + insets.Top, margins.Right + insets.Right,
                   margins.Bottom + insets.Bottom};
        // The band's growth lies before the caption, or past the far side when it reaches out of the client area.
        const bool nonClient = HasNonClientCaption();
        if (position == gcpTop) {
            (nonClient ? margins.Bottom : margins.Top) += CaptionExtra();
        } else if (position == gcpLeft) {
            (nonClient ? margins.Right : margins.Left) += CaptionExtra();
        }
    }
    if (!IsPanel() && FAlignment != alCenterCenter) {
        int32_t& side = CaptionSide(margins, position);
        side = CaptionFontHeight(canvas) + side + (HasSkin() ? 0 : 3);
    }
    return margins;
}

// Measured on the shared screen canvas: the client area is asked for before the window exists.
vcl::TRect TuiCustomGroupBox::GetClientBounds() const {
    TuiScreenCanvas* canvas = GetSharedScreenCanvas();
    if (canvas == nullptr) {
        return {0, 0, Width(), Height()};
    }
    vcl::TRect rect = Deflate({0, 0, Width(), Height()}, ClientMargins(*canvas));
    if (IsPanel()) {
        const int32_t border = FPanelStyle->BorderWidth();
        rect = Deflate(rect, {border, border, border, border});
    }
    return rect;
}

void TuiCustomGroupBox::AdjustClientRect(vcl::TRect& rect) {
    if (ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    rect = GetClientBounds();
}

TuiGroupBoxLayout TuiCustomGroupBox::CalculateSkinLayout(TuiCanvas& canvas) const {
    const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(FAlignment);
    const vcl::TSize text = CaptionTextSize(canvas);
    PrepareCaptionFont(canvas);
    const vcl::TSize size{text.cx, std::max(text.cy, canvas.GetTextHeight(u"Qq"))};
    TuiGroupBoxLayout layout = SkinCaptionLayout(FAlignment, {Width(), Height()}, size,
                                                 Painter()->GroupFrameInsets(true, position), HasNonClientCaption());
    int32_t thickness = IsVerticalCaption() ? layout.CaptionRect.Width() : layout.CaptionRect.Height();
    if (FOnMeasureCaptionHeight) {
        FOnMeasureCaptionHeight(const_cast<TuiCustomGroupBox*>(this), Painter(), thickness);
    }
    SetCaptionThickness(layout.CaptionRect, position, thickness);
    return layout;
}

TuiGroupBoxLayout TuiCustomGroupBox::CalculateLayout(TuiCanvas& canvas) const {
    if (HasSkin() && !IsPanel()) {
        return CalculateSkinLayout(canvas);
    }
    const int32_t shadow = HasCaptionShadow() ? uiContainerShadowDepth : 0;
    const vcl::TSize box{Width(), Height()};
    const vcl::TSize text = CaptionTextSize(canvas);
    TuiGroupBoxLayout layout;
    if (IsPanel()) {
        const int32_t border = BorderWidth();
        layout.FrameRect = {0, 0, box.cx - shadow, box.cy - shadow};
        const vcl::TRect bounds = PanelCaptionBounds(
            FAlignment, Deflate(layout.FrameRect, {border, border, border, border}), FPanelStyle->CaptionIndent());
        if (Caption().empty()) {
            return layout;
        }
        vcl::TRect measured{0, 0, bounds.Width(), 0};
        DrawTextColored(canvas.Handle(), Caption(), measured, DT_CALCRECT | CaptionTextFlags(), vcl::clDefault, true);
        layout.TextRect = PlacePanelCaption(FAlignment, bounds, {measured.Width(), measured.Height()});
        layout.CaptionRect = Intersection(layout.TextRect, bounds);
        return layout;
    }
    const vcl::TRect extent = BorderExtent(canvas);
    const int32_t width = BorderWidth();
    const TuiBorders edges = ActiveEditStyle().Edges();
    layout.FrameRect = {extent.Left - (edges.Contains(bLeft) ? width : 0),
                        extent.Top - (edges.Contains(bTop) ? width : 0),
                        box.cx - extent.Right + (edges.Contains(bRight) ? width : 0),
                        box.cy - extent.Bottom + (edges.Contains(bBottom) ? width : 0)};
    const vcl::TSize along = IsVerticalCaption() ? vcl::TSize{text.cx, text.cy} : text;
    layout.TextRect = StandardCaptionRect(FAlignment, box, shadow, along);
    layout.CaptionRect = layout.TextRect;
    return layout;
}

vcl::TColor TuiCustomGroupBox::FrameColor() const {
    const TuiEditBorderStyle style = ActiveEditStyle().BorderStyle();
    if (!Enabled() && (style == ebsUltraFlat || style == ebsOffice11)) {
        return vcl::clBtnShadow;
    }
    if (style == ebsUltraFlat) {
        return vcl::clHighlight;
    }
    if (style == ebsOffice11) {
        return Office11Colors().Office11HighlightBorderColor;
    }
    return ActiveEditStyle().BorderColor();
}

// The box takes its parent's colour unless its style assigns one.
vcl::TColor TuiCustomGroupBox::BackgroundColor() const {
    const TuiEditStyle& style = ActiveEditStyle();
    if (style.AssignedValues().Contains(esvColor) || EditStyle(essNormal).AssignedValues().Contains(esvColor)) {
        return style.Color();
    }
    return Parent() != nullptr ? Parent()->Color() : vcl::clBtnFace;
}

void TuiCustomGroupBox::Paint() {
    if (FOnCustomDraw) {
        bool done = false;
        FOnCustomDraw(this, done);
        if (done) {
            return;
        }
    }
    TuiCanvas& canvas = UICanvas();
    const TuiGroupBoxLayout layout = CalculateLayout(canvas);
    canvas.PushClipRegion();
    try {
        PaintBackground(canvas, layout);
        DrawCaption(canvas, layout);
        if (!IsPanel() && !layout.CaptionRect.IsEmpty()) {
            canvas.ExcludeClipArea(layout.CaptionRect);
        }
        PaintFrame(canvas, layout);
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
}

void TuiCustomGroupBox::PaintBackground(TuiCanvas& canvas, const TuiGroupBoxLayout& layout) {
    const TuiLookAndFeel& lookAndFeel = EditStyle(essNormal).LookAndFeel();
    if (HasSkin()) {
        return PaintSkinBackground(canvas, layout);
    }
    if (IsNativeStyle() || (IsPanel() && lookAndFeel.Kind() == lfOffice11 && !lookAndFeel.NativeStyle())) {
        return PaintNativeBackground(canvas, layout);
    }
    if (HasCaptionShadow()) {
        PaintContainerShadow(canvas, layout.FrameRect);
    }
    if (FTransparent) {
        DrawParentBackground(canvas);
        return;
    }
    const vcl::TRect face = HasCaptionShadow()
                                ? vcl::TRect{0, 0, Width() - uiContainerShadowDepth, Height() - uiContainerShadowDepth}
                                : vcl::TRect{0, 0, Width(), Height()};
    canvas.FillRectColor(face, BackgroundColor());
}

// The skin's panel face, or its group frame over the client area (what its see-through parts leave open shows the
// parent), or its borderless group face.
void TuiCustomGroupBox::PaintSkinBackground(TuiCanvas& canvas, const TuiGroupBoxLayout& layout) {
    const vcl::TRect& rect = layout.FrameRect;
    if (DoCustomDrawContentBackground(canvas, rect)) {
        return;
    }
    const TuiLookAndFeelPainterClass painter = Painter();
    if (IsPanel()) {
        painter->PaintPanelFace(canvas, rect, Enabled() ? uibsNormal : uibsDisabled);
        if (ActiveEditStyle().BorderStyle() != ebsNone) {
            painter->PaintGroupPanel(canvas, rect);
        }
        return;
    }
    if (ActiveEditStyle().BorderStyle() == ebsNone) {
        painter->PaintGroupBoxBackground(canvas, rect, rect);
        return;
    }
    const TuiGroupCaptionPosition position = Caption().empty() ? gcpNone : AlignmentToCaptionPosition(FAlignment);
    if (painter->GroupCaptionTailWidth(false, position) != 0 || painter->GroupCaptionTailWidth(true, position) != 0) {
        DrawParentBackground(canvas);
    }
    painter->PaintGroupBoxCaptionText(canvas, rect, position, ActiveEditStyle().Edges());
}

// Through the visual styles: a framed box shows its parent where the theme's group-box part is see-through; a
// native panel shows its parent's themed face, an Office 2003 panel fills by its background kind.
void TuiCustomGroupBox::PaintNativeBackground(TuiCanvas& canvas, const TuiGroupBoxLayout& layout) {
    if (!IsPanel()) {
        const vcl::TRect bounds{0, 0, Width(), Height()};
        HTHEME theme = OpenThemeOfType(totButton);
        if (FTransparent) {
            DrawParentBackground(canvas);
        } else if (theme != nullptr &&
                   UxTheme().IsThemeBackgroundPartiallyTransparent(theme, groupBoxThemePart, Enabled() ? 1 : 2)) {
            PaintParentThemedBackground(canvas, bounds);
        } else {
            canvas.FillRectColor(bounds, BackgroundColor());
        }
        return;
    }
    vcl::TRect rect = layout.FrameRect;
    if (ActiveEditStyle().BorderStyle() != ebsNone) {
        const int32_t frame = EditStyle(essNormal).LookAndFeel().ActivePainter()->FrameWidth();
        rect = Deflate(rect, {frame, frame, frame, frame});
    }
    if (FTransparent) {
        DrawParentBackground(canvas);
    } else if (EditStyle(essNormal).LookAndFeel().NativeStyle()) {
        PaintParentThemedBackground(canvas, rect);
    } else {
        PaintOffice11Panel(canvas, rect);
    }
}

void TuiCustomGroupBox::PaintParentThemedBackground(TuiCanvas& canvas, const vcl::TRect& rect) {
    uiDrawThemeParentBackground(*this, canvas, rect);
}

// What the parent shows under the client area, which starts inside the window past a non-client caption band.
void TuiCustomGroupBox::DrawParentBackground(TuiCanvas& canvas) {
    const vcl::TRect margins = NonClientMargins();
    DrawTransparentControlBackground(
        *this, canvas, {margins.Left, margins.Top, Width() - margins.Right, Height() - margins.Bottom}, false);
}

bool TuiCustomGroupBox::DoCustomDrawContentBackground(TuiCanvas& canvas, const vcl::TRect& rect) {
    bool done = false;
    if (FOnCustomDrawContentBackground) {
        FOnCustomDrawContentBackground(this, canvas.Canvas(), rect, Painter(), done);
    }
    return done;
}

// An Office 2003 panel: the scheme's panel gradient, the colour halfway along it, or the style's colour.
void TuiCustomGroupBox::PaintOffice11Panel(TuiCanvas& canvas, const vcl::TRect& rect) {
    const TuxOffice11Colors& colors = Office11Colors();
    switch (FPanelStyle->OfficeBackgroundKind()) {
    case pobkGradient:
        PaintGradientRect(canvas.Handle(), rect, colors.Office11BarLightColor, colors.Office11BarDarkColor, false);
        return;
    case pobkOffice11Color:
        canvas.FillRectColor(rect, MixColors(colors.Office11BarLightColor, colors.Office11BarDarkColor));
        return;
    case pobkStyleColor:
        canvas.FillRectColor(rect, BackgroundColor());
        return;
    }
}

// A skin draws its frame with the background; the other looks draw it on the style's edges.
void TuiCustomGroupBox::PaintFrame(TuiCanvas& canvas, const TuiGroupBoxLayout& layout) {
    if (HasSkin()) {
        return;
    }
    if (IsNativeStyle()) {
        return PaintNativeFrame(canvas, layout);
    }
    const TuiBorders edges = ActiveEditStyle().Edges();
    switch (ActiveEditStyle().BorderStyle()) {
    case ebsNone:
        return;
    case ebsFlat:
    case ebs3D:
        Painter()->PaintGroupFrame(canvas, layout.FrameRect, Enabled(), gcpNone, edges);
        return;
    default:
        canvas.FrameRect(layout.FrameRect, FrameColor(), BorderWidth(), edges);
        return;
    }
}

// A native panel's frame is the look's; a framed box's is the theme's group-box part, its caption side running
// through the caption's middle.
void TuiCustomGroupBox::PaintNativeFrame(TuiCanvas& canvas, const TuiGroupBoxLayout& layout) {
    if (IsPanel()) {
        if (ActiveEditStyle().BorderStyle() != ebsNone) {
            EditStyle(essNormal).LookAndFeel().ActivePainter()->PaintFrame(canvas, layout.FrameRect);
        }
        return;
    }
    PrepareCaptionFont(canvas);
    const int32_t half = canvas.GetTextHeight(u"Qq") / 2;
    vcl::TRect rect{0, 0, Width(), Height()};
    switch (AlignmentToCaptionPosition(FAlignment)) {
    case gcpTop:
        rect.Top = half;
        break;
    case gcpBottom:
        rect.Bottom -= half;
        break;
    case gcpLeft:
        rect.Left = half;
        break;
    case gcpRight:
        rect.Right -= half;
        break;
    default:
        break;
    }
    TuiWinXPLookAndFeelPainter::Instance().PaintGroupFrame(canvas, rect, Enabled(), gcpNone, uiAllBorders);
}

void TuiCustomGroupBox::DrawCaption(TuiCanvas& canvas, const TuiGroupBoxLayout& layout) {
    if (Caption().empty() || layout.CaptionRect.IsEmpty()) {
        return;
    }
    canvas.PushClipRegion();
    try {
        canvas.IntersectClipArea(layout.CaptionRect);
        bool done = false;
        if (FOnCustomDrawCaption) {
            FOnCustomDrawCaption(this, canvas.Canvas(), layout.CaptionRect, Painter(), done);
        }
        if (!done) {
            PrepareCaptionFont(canvas);
            if (HasSkin() && !IsPanel()) {
                PaintSkinCaptionBand(canvas, layout.CaptionRect);
            }
            const uint32_t flags = CaptionTextFlags();
            if (IsVerticalCaption()) {
                const TuiRotationAngle angle = AlignmentToCaptionPosition(FAlignment) == gcpLeft
                                                   ? TuiRotationAngle::CounterClockwise
                                                   : TuiRotationAngle::Clockwise;
                DrawRotatedText(canvas, Caption(), layout.TextRect, flags | DT_VCENTER, canvas.Font().Color(), angle);
            } else {
                canvas.Canvas().RequireFont();
                vcl::TRect rect = layout.TextRect;
                DrawTextColored(canvas.Handle(), Caption(), rect, flags, canvas.Font().Color(), true);
            }
        }
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
}

// Without a border the band's element is drawn as large as the frame's insets would make it, so that its own edges
// fall outside the box.
void TuiCustomGroupBox::PaintSkinCaptionBand(TuiCanvas& canvas, const vcl::TRect& captionRect) {
    const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(FAlignment);
    vcl::TRect rect = captionRect;
    if (ActiveEditStyle().BorderStyle() == ebsNone) {
        const vcl::TRect insets = Painter()->GroupFrameInsets(false, OppositeCaptionPosition(position));
        rect = {rect.Left - insets.Left, rect.Top - insets.Top, rect.Right + insets.Right, rect.Bottom + insets.Bottom};
    }
    Painter()->PaintGroupBoxCaption(canvas, rect, position);
}

void TuiCustomGroupBox::Dispatch(vcl::TMessage& message) {
    if (message.Msg == vcl::CM_DIALOGCHAR) {
        return DialogChar(message);
    }
    TuiCustomEdit::Dispatch(message);
}

// The caption's accelerator moves the focus to the first child inside the box.
void TuiCustomGroupBox::DialogChar(vcl::TMessage& message) {
    if (vcl::IsAccel(static_cast<char16_t>(message.WParam), Caption()) && CanFocus()) {
        FAcceleratorSelecting = true;
        SelectNext(nullptr, true, true);
        FAcceleratorSelecting = false;
        message.Result = 1;
        return;
    }
    TuiCustomEdit::Dispatch(message);
}

} // namespace ui
