#include "ui/core/painters/looks/uiOffice11Painter.h"

#include "rtl/WindowsApi.h"
#include "ui/core/painters/looks/uiLookDrawing.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxThemeManager.h"
#include "vcl/graphics/images/Bitmap.h"

namespace ui {

namespace {

const TuxOffice11Colors& Scheme() {
    return Office11Colors();
}

vcl::TColor CanvasPixel(TuiCanvas& canvas, int32_t x, int32_t y) {
    return static_cast<vcl::TColor>(GetPixel(canvas.Handle(), x, y));
}

// The colours of the Office 2003 header frame.
struct THeaderColors {
    vcl::TColor Top;
    vcl::TColor Bottom;
    vcl::TColor Line;
    vcl::TColor Light;
};

// A column of the header frame from row top up to (not including) row bottom.
void FillHeaderColumn(TuiCanvas& canvas, int32_t x, int32_t top, int32_t bottom, vcl::TColor color) {
    canvas.FillRectColor({x, top, x + 1, bottom}, color);
}

// The left column: light, with the corners of the gradient softened towards a left neighbour.
void PaintOffice11HeaderLeft(TuiCanvas& canvas, const vcl::TRect& r, bool neighbour, const THeaderColors& c) {
    canvas.SetPixel(r.Left, r.Top + 1, c.Top);
    canvas.SetPixel(r.Left, r.Bottom - 2, c.Bottom);
    if (neighbour) {
        canvas.SetPixel(r.Left, r.Top + 2, c.Top);
        canvas.SetPixel(r.Left, r.Bottom - 3, MixColors(c.Top, c.Bottom, 25));
        FillHeaderColumn(canvas, r.Left, r.Top + 2, r.Bottom - 3, c.Light);
        return;
    }
    FillHeaderColumn(canvas, r.Left, r.Top + 1, r.Bottom - 2, c.Light);
}

// The right column: the line colour, softened towards a right neighbour or blended at the free corners.
void PaintOffice11HeaderRight(TuiCanvas& canvas, const vcl::TRect& r, bool neighbour, const THeaderColors& c) {
    const int32_t x = r.Right - 1;
    if (neighbour) {
        canvas.SetPixel(x, r.Top + 1, c.Top);
        canvas.SetPixel(x, r.Top + 2, c.Top);
        canvas.SetPixel(x, r.Bottom - 3, MixColors(c.Top, c.Bottom, 25));
        canvas.SetPixel(x, r.Bottom - 2, c.Bottom);
        FillHeaderColumn(canvas, x, r.Top + 2, r.Bottom - 3, c.Line);
        return;
    }
    canvas.SetPixel(x, r.Top, MixColors(c.Top, c.Line, 50));
    canvas.SetPixel(x, r.Bottom - 2, MixColors(c.Bottom, c.Line, 50));
    FillHeaderColumn(canvas, x, r.Top + 1, r.Bottom - 2, c.Line);
}

} // namespace

const TuiOffice11LookAndFeelPainter& TuiOffice11LookAndFeelPainter::Instance() {
    static const TuiOffice11LookAndFeelPainter instance;
    return instance;
}

vcl::TColor TuiOffice11LookAndFeelPainter::AccentTextColor() const {
    return vcl::clHighlightText;
}

void TuiOffice11LookAndFeelPainter::PaintContentWithText(TuiCanvas& canvas, const vcl::TRect& rect,
                                                         const vcl::TRect& textRect, TuiButtonState state,
                                                         const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                         vcl::TFont* font, vcl::TColor textColor,
                                                         vcl::TColor /*backgroundColor*/, const TuiBackgroundHook& hook,
                                                         bool plain) const {
    const bool hot = state == uibsHot;
    if (!hook || !hook(canvas, rect)) {
        const vcl::TColor top = hot ? Scheme().Office11BarLightColor : Office11MidColor();
        const vcl::TColor bottom = hot ? Scheme().Office11BarLightColor : Office11DarkColor();
        if (plain) {
            canvas.FillRectColor(rect, top);
        } else {
            canvas.FillRectColor({rect.Left, rect.Top, rect.Right, rect.Bottom - 3}, top);
            PaintGradientRect(canvas.Handle(), {rect.Left, rect.Bottom - 4, rect.Right, rect.Bottom}, top, bottom,
                              false);
        }
    }
    DrawContentText(canvas, textRect, layout, text, font, textColor);
    if (hot) {
        // The hot band along the bottom, kept inside the cell so that its neighbours stay untouched.
        const vcl::TRect band{rect.Left, rect.Bottom - 2, rect.Right, rect.Bottom};
        PaintGradientRect(canvas.Handle(), band, Scheme().Office11HotColor1, Scheme().Office11HotColor2, false);
    }
}

void TuiOffice11LookAndFeelPainter::PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                          const vcl::TRect& arrowRect, bool isNext,
                                                          TuiButtonState state) const {
    vcl::TColor face = Scheme().Office11FaceColor;
    if (state == uibsHot) {
        face = Scheme().Office11HotColor1;
    } else if (state == uibsPressed) {
        face = Scheme().Office11PressedColor1;
    }
    canvas.FillRectColor(rect, face);
    const TuiBorders sides = isNext ? TuiBorders{bLeft, bTop, bBottom} : TuiBorders{bTop, bRight, bBottom};
    canvas.FrameRect(rect, ContainerFrameColor(), 1, sides);
    PaintNavigationArrow(canvas, arrowRect, isNext, ButtonGlyphColor(state, vcl::clDefault));
}

TuiPainterStyleKind TuiOffice11LookAndFeelPainter::StyleKind() const {
    return pskOffice11;
}

bool TuiOffice11LookAndFeelPainter::IsThemedStyle() const {
    return true;
}

vcl::TColor TuiOffice11LookAndFeelPainter::FilterBoxColor() const {
    return Scheme().Office11FilterBoxColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::FilterBoxTextColor() const {
    return Scheme().Office11FilterBoxTextColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::FooterColor() const {
    return Scheme().Office11FaceColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::FooterTextColor() const {
    return HeaderTextColor();
}

vcl::TColor TuiOffice11LookAndFeelPainter::GroupByBoxColor() const {
    return Scheme().Office11GroupByBoxColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::GroupByBoxTextColor() const {
    return Scheme().Office11BarLightColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::GroupRowColor() const {
    return Scheme().Office11GroupRowColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::HeaderBackgroundColor() const {
    return GroupByBoxColor();
}

vcl::TColor TuiOffice11LookAndFeelPainter::HeaderColor() const {
    return Office11MidColor();
}

vcl::TColor TuiOffice11LookAndFeelPainter::CalendarHeaderColor() const {
    return Scheme().Office11FaceColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::CalendarSelectedDayColor() const {
    return Scheme().Office11SelectedDayColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::CalendarSelectedDayTextColor() const {
    return vcl::clWindowText;
}

vcl::TColor TuiOffice11LookAndFeelPainter::ContainerFrameColor() const {
    return Scheme().Office11ContainerFrameColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::PaneColor() const {
    return Scheme().Office11PaneColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::AltFaceColor() const {
    return Scheme().Office11AltFaceColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::AltFace2Color() const {
    return AltFaceColor();
}

vcl::TColor TuiOffice11LookAndFeelPainter::AltFace3Color() const {
    return Scheme().Office11FaceColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::Paper2Color() const {
    return PaneColor();
}

void TuiOffice11LookAndFeelPainter::PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FrameRect(rect, Scheme().Office11FrameColor);
}

void TuiOffice11LookAndFeelPainter::PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       bool horizontal) const {
    DrawEtchedBand(canvas, CenteredBandRect(rect, 2, horizontal), Office11ShadowColor(), Office11LightColor());
}

vcl::TColor TuiOffice11LookAndFeelPainter::ButtonFaceColor(TuiButtonState state) const {
    switch (state) {
    case uibsHot:
        return Scheme().Office11HotColor1;
    case uibsPressed:
        return Scheme().Office11PressedColor1;
    case uibsDisabled:
        return vcl::clBtnFace;
    default:
        return Scheme().Office11FaceColor;
    }
}

vcl::TColor TuiOffice11LookAndFeelPainter::ButtonGlyphColor(TuiButtonState state, vcl::TColor /*color*/) const {
    if (state == uibsPressed && !IsOffice11SchemeActive()) {
        return vcl::clHighlightText;
    }
    return state == uibsDisabled ? Scheme().Office11DisabledGlyphColor : Scheme().Office11GlyphColor;
}

void TuiOffice11LookAndFeelPainter::PaintButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiButtonState state) const {
    switch (state) {
    case uibsDefault:
        TuiUltraFlatLookAndFeelPainter::PaintButtonFrame(canvas, rect, state);
        break;
    case uibsNormal:
        canvas.FrameRect(rect, vcl::clBtnText);
        break;
    case uibsDisabled:
        canvas.FrameRect(rect, Scheme().Office11DisabledGlyphColor);
        break;
    case uibsHot:
    case uibsPressed:
        canvas.FrameRect(rect, Scheme().Office11HighlightBorderColor);
        break;
    }
}

void TuiOffice11LookAndFeelPainter::PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                                   vcl::TColor /*color*/) const {
    vcl::TBitmap* bitmap = Office11ExpandButtonBitmap(expanded);
    if (!bitmap) {
        return;
    }
    // The rounded corners take a quarter of the fixed corner colours and the rest from what lies beneath; the shared
    // bitmap itself stays as it is.
    const vcl::TColor underTopLeft = CanvasPixel(canvas, rect.Left, rect.Top);
    const vcl::TColor underBottomRight = CanvasPixel(canvas, rect.Right - 1, rect.Bottom - 1);
    canvas.DrawGraphic(rect.Left, rect.Top, *bitmap);
    const int32_t last = ExpandBoxSize() - 1;
    const vcl::TColor dark = MixColors(Office11ExpandButtonColor, underBottomRight, 25);
    canvas.SetPixel(rect.Left, rect.Top, MixColors(Office11ExpandButtonLightColor, underTopLeft, 25));
    canvas.SetPixel(rect.Left + last, rect.Top + last, dark);
    canvas.SetPixel(rect.Left, rect.Top + last, dark);
    canvas.SetPixel(rect.Left + last, rect.Top, dark);
}

bool TuiOffice11LookAndFeelPainter::PaintsExpandBoxFirst() const {
    return false;
}

void TuiOffice11LookAndFeelPainter::PaintSmallExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                                        vcl::TColor /*borderColor*/, vcl::TColor fillColor) const {
    PaintExpandBox(canvas, rect, expanded, fillColor);
}

int32_t TuiOffice11LookAndFeelPainter::ExpandBoxSize() const {
    return 11;
}

int32_t TuiOffice11LookAndFeelPainter::SmallExpandBoxSize() const {
    return ExpandBoxSize();
}

vcl::TColor TuiOffice11LookAndFeelPainter::CheckFaceColor(TuiButtonState state) const {
    if (state == uibsHot || state == uibsPressed || state == uibsDisabled) {
        return ButtonFaceColor(state);
    }
    return TuiUltraFlatLookAndFeelPainter::CheckFaceColor(state);
}

void TuiOffice11LookAndFeelPainter::PaintHeaderCell(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    const vcl::TRect& textRect, TuiBorders neighbours, TuiBorders edges,
                                                    TuiButtonState state, const TuiTextLayout& layout,
                                                    rtl::UnicodeStringView text, vcl::TFont* font,
                                                    vcl::TColor textColor, vcl::TColor backgroundColor,
                                                    const TuiBackgroundHook& /*hook*/, bool rightmost,
                                                    bool special) const {
    // The gradient is the look: a caller's background does not replace it.
    TuiUltraFlatLookAndFeelPainter::PaintHeaderCell(canvas, rect, textRect, neighbours, edges, state, layout, text,
                                                    font, textColor, backgroundColor, {}, rightmost, special);
}

void TuiOffice11LookAndFeelPainter::PaintHeaderFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders neighbours,
                                                     TuiBorders edges) const {
    const THeaderColors colors{Office11MidColor(), Office11DarkColor(), Office11ShadowColor(), Office11LightColor()};
    if (edges.Contains(bTop)) {
        canvas.FillRectColor({rect.Left, rect.Top, rect.Right, rect.Top + 1}, colors.Top);
    }
    if (edges.Contains(bBottom)) {
        canvas.FillRectColor({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, colors.Line);
    }
    if (edges.Contains(bLeft)) {
        PaintOffice11HeaderLeft(canvas, rect, neighbours.Contains(bLeft), colors);
    }
    if (edges.Contains(bRight)) {
        PaintOffice11HeaderRight(canvas, rect, neighbours.Contains(bRight), colors);
    }
}

void TuiOffice11LookAndFeelPainter::PaintHeaderSection(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       const vcl::TRect& textRect, TuiBorders neighbours,
                                                       TuiBorders edges, TuiButtonState state,
                                                       const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                       vcl::TFont* font, vcl::TColor textColor,
                                                       vcl::TColor backgroundColor) const {
    PaintHeaderCell(canvas, rect, textRect, neighbours, edges, state, layout, text, font, textColor, backgroundColor,
                    {}, false, false);
    if (state == uibsPressed) {
        PaintPressedHeader(canvas, rect);
    }
}

void TuiOffice11LookAndFeelPainter::PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const {
    DrawSortMark(canvas, rect, ascending, SortArrowSize(), Office11LightColor(), Office11ShadowColor());
}

TuiBorders TuiOffice11LookAndFeelPainter::HeaderEdges(TuiBorders /*neighbours*/) const {
    return uiAllBorders;
}

int32_t TuiOffice11LookAndFeelPainter::HeaderFrameWidth() const {
    return 1;
}

bool TuiOffice11LookAndFeelPainter::HotTracksHeaders() const {
    return true;
}

vcl::TColor TuiOffice11LookAndFeelPainter::FooterSeparatorColor() const {
    return Office11ShadowColor();
}

void TuiOffice11LookAndFeelPainter::PaintLayoutRecordCaption(TuiCanvas& canvas, const vcl::TRect& rect,
                                                             int32_t /*side*/, TuiButtonState state) const {
    PaintLayoutFrame(canvas, rect, state, uiAllBorders);
    PaintContentWithText(canvas, rect, rect, state, {}, {}, nullptr, vcl::clDefault, vcl::clDefault, {}, true);
}

void TuiOffice11LookAndFeelPainter::PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect,
                                                          TuiScrollBarPart part, TuiButtonState state) const {
    if (AreVisualStylesActive({totScrollBar})) {
        TuiWinXPLookAndFeelPainter::Instance().PaintScrollBarElement(canvas, horizontal, rect, part, state);
        return;
    }
    TuiStandardLookAndFeelPainter::Instance().PaintScrollBarElement(canvas, horizontal, rect, part, state);
}

void TuiOffice11LookAndFeelPainter::PaintSizeGripGlyph(TuiCanvas& canvas, const vcl::TRect& rect) const {
    DrawOffice11SizeGrip(canvas.Handle(), rect);
}

void TuiOffice11LookAndFeelPainter::PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    rtl::UnicodeStringView text, TuiBorders /*neighbours*/,
                                                    const TuiDrawParams& viewParams, int32_t arrows,
                                                    int32_t arrowOffset, const TuiBackgroundHook& hook) const {
    const vcl::TRect inside = InflateRectBy(rect, -1, -1);
    if (!hook || !hook(canvas, inside)) {
        canvas.FillRectWithParams(inside, viewParams);
    }
    const TuiTextLayout centred{vcl::taCenter, vaCenter, false, false};
    DrawContentText(canvas, inside, centred, text, viewParams.Font, viewParams.TextColor);
    PaintMonthTitleArrows(canvas, rect, arrows, arrowOffset);
}

void TuiOffice11LookAndFeelPainter::PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                         TuiButtonState state) const {
    TuiWinXPLookAndFeelPainter::Instance().PaintNavigatorButton(canvas, rect, state);
}

void TuiOffice11LookAndFeelPainter::PaintCalendarFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FrameRect(rect, ContainerFrameColor());
}

vcl::TColor TuiOffice11LookAndFeelPainter::UltraFlatStateColor(TuiButtonState state) const {
    return state == uibsNormal ? Office11ShadowColor() : Scheme().Office11HighlightBorderColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::UltraFlatShadowColor() const {
    return Office11ShadowColor();
}

vcl::TColor TuiOffice11LookAndFeelPainter::UltraFlatTextColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiOffice11LookAndFeelPainter::FrameHighlightColor() const {
    return Scheme().Office11HighlightBorderColor;
}

void TuiOffice11LookAndFeelPainter::PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                                                    TuiGroupCaptionPosition captionPosition, TuiBorders borders) const {
    if (AreVisualStylesActive({totButton})) {
        TuiWinXPLookAndFeelPainter::Instance().PaintGroupFrame(canvas, rect, highlighted, captionPosition, borders);
        return;
    }
    TuiUltraFlatLookAndFeelPainter::PaintGroupFrame(canvas, rect, highlighted, captionPosition, borders);
}

vcl::TColor TuiOffice11LookAndFeelPainter::GroupCaptionTextColor(bool enabled,
                                                                 TuiGroupCaptionPosition captionPosition) const {
    if (AreVisualStylesActive({totButton})) {
        return TuiWinXPLookAndFeelPainter::Instance().GroupCaptionTextColor(enabled, captionPosition);
    }
    return TuiUltraFlatLookAndFeelPainter::GroupCaptionTextColor(enabled, captionPosition);
}

void TuiOffice11LookAndFeelPainter::PaintTrackBarTrackFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FrameRect(rect, vcl::clBtnText);
}

void TuiOffice11LookAndFeelPainter::PaintTrackBarThumbFrame(TuiCanvas& canvas, std::span<const vcl::TPoint> light,
                                                            std::span<const vcl::TPoint> /*innerShadow*/,
                                                            std::span<const vcl::TPoint> outerShadow) const {
    DrawPolylineIn(canvas, light, vcl::clBtnText);
    DrawPolylineIn(canvas, outerShadow, vcl::clBtnText);
}

void TuiOffice11LookAndFeelPainter::PaintTrackBarTicks(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FrameRect(rect, vcl::clBtnText);
}

void TuiOffice11LookAndFeelPainter::PaintLayoutBackground(TuiCanvas& canvas, const vcl::TRect& rect) const {
    PaintGradientRect(canvas.Handle(), rect, Scheme().Office11BarLightColor, Office11DarkColor(), false);
}

void TuiOffice11LookAndFeelPainter::PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const {
    canvas.FillRectColor(rect, CalendarHeaderColor());
}

vcl::TColor TuiOffice11LookAndFeelPainter::TrackBarThumbColor(bool /*highlighted*/) const {
    return Office11LightColor();
}

vcl::TColor TuiOffice11LookAndFeelPainter::SplitterEdgeColor(bool highlighted) const {
    return highlighted ? Scheme().Office11HighlightBorderColor : Office11ShadowColor();
}

vcl::TSize TuiOffice11LookAndFeelPainter::SplitterGripSize(bool horizontal) const {
    return TuiCustomLookAndFeelPainter::SplitterGripSize(horizontal);
}

vcl::TColor TuiOffice11LookAndFeelPainter::Office11DarkColor() const {
    return Scheme().Office11BarDarkColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::Office11ShadowColor() const {
    return Scheme().Office11SeparatorDarkColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::Office11LightColor() const {
    return Scheme().Office11SeparatorLightColor;
}

vcl::TColor TuiOffice11LookAndFeelPainter::Office11MidColor() const {
    return MixColors(Scheme().Office11BarLightColor, Scheme().Office11BarDarkColor, 50);
}

} // namespace ui
