#include "ui/pagecontrol/painters/uiPCOffice11Painter.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

namespace ui {

bool TuiPCOffice11Painter::TMetaclass::IsDefaultForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const {
    const TuiLookAndFeelPainterClass painter = lookAndFeel.ActivePainter();
    return !lookAndFeel.SkinPainter() && painter && painter->StyleKind() == pskOffice11;
}

std::unique_ptr<TuiPCCustomPainter>
TuiPCOffice11Painter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCOffice11Painter>(control);
}

const TuiPCOffice11Painter::TMetaclass& TuiPCOffice11Painter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

vcl::TColor TuiPCOffice11Painter::GetFrameColor() {
    return Office11Colors().Office11HighlightBorderColor;
}

// Colours.

vcl::TColor TuiPCOffice11Painter::GetTabColor(int32_t visibleIndex) {
    return ParentInfo().VisibleTab(visibleIndex).Highlighted() ? vcl::clHighlight : GetTabOwnColor(visibleIndex);
}

bool TuiPCOffice11Painter::ExcludesTabContentOnly(int32_t visibleIndex) {
    return !ParentInfo().VisibleTab(visibleIndex).IsActiveTab() && GetTabColor(visibleIndex) == vcl::clDefault;
}

vcl::TColor TuiPCOffice11Painter::GetRowBackgroundColor() {
    const int32_t active = ParentInfo().MainTabVisibleIndex();
    if (active != -1) {
        const vcl::TColor color = GetTabOwnColor(active);
        if (color != vcl::clDefault) {
            return color;
        }
    }
    const TuxOffice11Colors& colors = Office11Colors();
    if (!ParentInfo().Options().Contains(pcoGradient)) {
        return MixColors(colors.Office11HotColor1, colors.Office11HotColor2, 50);
    }
    return IsNearSide(ParentInfo().TabPosition()) ? colors.Office11HotColor2 : colors.Office11HotColor1;
}

TuiPCOffice11Painter::TColorPair TuiPCOffice11Painter::Gradient(vcl::TColor first, vcl::TColor second) const {
    if (ParentInfo().Options().Contains(pcoGradient)) {
        return {first, second};
    }
    const vcl::TColor mix = MixColors(first, second, 50);
    return {mix, mix};
}

TuiPCOffice11Painter::TColorPair TuiPCOffice11Painter::TabGradient(int32_t visibleIndex) const {
    const TuxOffice11Colors& colors = Office11Colors();
    if (visibleIndex != -1 && ParentInfo().VisibleTab(visibleIndex).IsActiveTab()) {
        return Gradient(colors.Office11HotColor1, colors.Office11HotColor2);
    }
    return Gradient(colors.Office11BarLightColor, colors.Office11BarDarkColor);
}

void TuiPCOffice11Painter::PaintGradient(TuiCanvas& canvas, const vcl::TRect& rect, const TColorPair& colors) {
    PaintGradientRect(canvas.Handle(), rect, colors.first, colors.second, !IsHorizontalLine());
}

// Geometry.

bool TuiPCOffice11Painter::DrawsFarSideLine() {
    return !HasFrame() && HasRowsOnFarSide();
}

vcl::TRect TuiPCOffice11Painter::GetPageClientExtents() {
    vcl::TRect extents = TuiPCUltraFlatPainter::GetPageClientExtents();
    if (DrawsFarSideLine()) {
        ++extents.Bottom;
    }
    return extents;
}

TuiPCDistances TuiPCOffice11Painter::GetTabSeparatorInsets() {
    return IsNearSide(ParentInfo().TabPosition()) ? TuiPCDistances{0, 2} : TuiPCDistances{3, -1};
}

vcl::TRect TuiPCOffice11Painter::GetRowsAreaRect() {
    if (!AreTabsShown()) {
        return {};
    }
    return RectSideBand(GetPageBoundsRect(), SideOf(ParentInfo().TabPosition()), 2, false);
}

bool TuiPCOffice11Painter::NeedsRedrawOnResize() {
    const TuiPCOptions options = ParentInfo().Options();
    return options.Contains(pcoGradient) && options.Contains(pcoGradientClientArea);
}

vcl::TRect TuiPCOffice11Painter::FirstRowRectOr(const vcl::TRect& rect) {
    const std::vector<TuiPCLineIndexBounds>& rows = Control().LineIndexBounds();
    if (rows.empty() || rows.front().Last < rows.front().First) {
        return rect;
    }
    return StretchedRowRect(0);
}

vcl::TRect TuiPCOffice11Painter::TabBackgroundRect(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    return tab.IsActiveTab() ? GetRowRect(visibleIndex, false) : RowFillRect(tab.Row());
}

// Navigator buttons.

vcl::TColor TuiPCOffice11Painter::GetNavigatorButtonGlyphColor(TuiPCNavigatorButtonState state) {
    const TuxOffice11Colors& colors = Office11Colors();
    return state == nbsDisabled ? colors.Office11DisabledGlyphColor : colors.Office11GlyphColor;
}

// A button lies on the first row's gradient; in a control without tabs it has a gradient of its own.
void TuiPCOffice11Painter::FillNavigatorButton(const vcl::TRect& rect, TuiPCNavigatorButtonState state) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const vcl::TRect row = FirstRowRectOr(rect);
    const TuxOffice11Colors& colors = Office11Colors();
    canvas.PushClipRegion();
    canvas.IntersectClipArea(rect);
    if (state == nbsPressed) {
        PaintGradient(canvas, row, Gradient(colors.Office11PressedColor1, colors.Office11PressedColor2));
    } else if (state == nbsHot) {
        PaintGradient(canvas, row, Gradient(colors.Office11HotColor1, colors.Office11HotColor2));
    } else {
        FillTabsRow(canvas, row, -1);
    }
    canvas.PopClipRegion();
}

void TuiPCOffice11Painter::DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) {
    const bool disabled = !Control().Enabled() || state == nbsDisabled;
    ParentInfo().Canvas().FrameRect(rect, disabled ? Office11Colors().Office11DisabledGlyphColor : GetFrameColor());
    rect = InflateRectBy(rect, -1, -1);
}

// Drawing.

void TuiPCOffice11Painter::DrawPageArea() {
    if (DrawsFarSideLine()) {
        const TuiBorder farSide = PageSideOf(ParentInfo().TabPosition());
        ParentInfo().Canvas().FillRectColor(RectSideBand(GetPageClientRect(), farSide, 1, true), GetFrameColor());
    }
    TuiPCUltraFlatPainter::DrawPageArea();
}

void TuiPCOffice11Painter::DrawFrame() {
    ParentInfo().Canvas().FrameRect(InflateRectBy(GetPageClientRect(), 1, 1), GetFrameColor());
}

void TuiPCOffice11Painter::FillBackground() {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const vcl::TRect rect = GetPageClientRect();
    const auto* page = dynamic_cast<const vcl::TControl*>(ParentInfo().ActivePageObject());
    if (page && !page->ParentColor()) {
        canvas.FillRectColor(rect, page->Color());
        return;
    }
    const TuxOffice11Colors& colors = Office11Colors();
    const TuiPCOptions options = ParentInfo().Options();
    if (options.Contains(pcoGradient) && options.Contains(pcoGradientClientArea)) {
        PaintGradient(canvas, rect, {colors.Office11BarLightColor, colors.Office11BarDarkColor});
    } else {
        canvas.FillRectColor(rect, MixColors(colors.Office11BarLightColor, colors.Office11BarDarkColor, 50));
    }
}

void TuiPCOffice11Painter::DrawTabContent(TuiTab& tab, int32_t visibleIndex) {
    if (GetTabColor(visibleIndex) == vcl::clDefault) {
        PaintGradient(ParentInfo().Canvas(), TabBackgroundRect(visibleIndex), TabGradient(visibleIndex));
    }
    TuiPCUltraFlatPainter::DrawTabContent(tab, visibleIndex);
}

// The caption bitmap is drawn upright and then turned a quarter (counterclockwise for text read bottom to top): the
// tab's gradient, painted as the control has it, goes into it turned back the other way.
void TuiPCOffice11Painter::DrawTextBitmapBackground(TuiBitmap32& bitmap, int32_t visibleIndex) {
    if (GetTabColor(visibleIndex) != vcl::clDefault) {
        return;
    }
    const vcl::TRect area = TabBackgroundRect(visibleIndex);
    TuiBitmap32 gradient(area.Width(), area.Height());
    const auto [first, second] = TabGradient(visibleIndex);
    PaintGradientRect(gradient.Canvas().Handle(), gradient.GetClientRect(), first, second, !IsHorizontalLine());
    const bool counterclockwise = Control().TextDirection() == tdBottomToTop;
    gradient.Rotate(counterclockwise ? TuiRotationAngle::Clockwise : TuiRotationAngle::CounterClockwise);
    const vcl::TRect caption = TabContentData().TextRect;
    const auto [l, t, r, b] = vcl::OffsetRect(area, -caption.Left, -caption.Top);
    const vcl::TPoint corner =
        counterclockwise ? vcl::TPoint{bitmap.Width() - b, l} : vcl::TPoint{t, bitmap.Height() - r};
    bitmap.Canvas().DrawGraphic(corner.X, corner.Y, gradient);
}

void TuiPCOffice11Painter::FillTabsRow(TuiCanvas& canvas, const vcl::TRect& rect, int32_t visibleIndex) {
    if (visibleIndex == -1 || GetTabColor(visibleIndex) == vcl::clDefault) {
        PaintGradient(canvas, rect, TabGradient(visibleIndex));
        return;
    }
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    vcl::TRect face = rect;
    canvas.Brush().SetStyle(vcl::bsSolid);
    if (!tab.IsActiveTab()) {
        // The line toward the page keeps the colour the bar's gradient has there.
        const auto [first, second] = TabGradient(-1);
        const TuiTabPosition side = tab.EffectiveTabPosition();
        DrawRectSides(canvas, face, {{PageSideOf(side), IsNearSide(side) ? second : first}});
    }
    canvas.FillRectColor(face, GetTabColor(visibleIndex));
}

void TuiPCOffice11Painter::DrawActiveTabAccent(vcl::TRect& rect) {
    DrawActiveTabAccentIn(rect, GetFrameColor(), GetFrameColor());
}

void TuiPCOffice11Painter::DrawTabSeparator(const vcl::TRect& rect) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuxOffice11Colors& colors = Office11Colors();
    const auto [l, t, r, b] = rect;
    const vcl::TRect dark{l, t, r - 1, b - 1};
    const vcl::TRect light{l + 1, t + 1, r, b};
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(dark, colors.Office11SeparatorDarkColor);
    canvas.ExcludeClipArea(dark);
    canvas.FillRectColor(light, colors.Office11SeparatorLightColor);
    canvas.ExcludeClipArea(light);
}

void TuiPCOffice11Painter::DrawRowEdge(vcl::TRect& rect, int32_t row) {
    DrawRowEdgeLines(rect, row, {GetFrameColor()});
}

} // namespace ui
