#include "ui/pagecontrol/painters/uiPCOneNotePainter.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <vector>

namespace ui {

std::unique_ptr<TuiPCCustomPainter> TuiPCOneNotePainter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCOneNotePainter>(control);
}

const TuiPCOneNotePainter::TMetaclass& TuiPCOneNotePainter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

int32_t TuiPCOneNotePainter::CalcCutValue() {
    return CalcTabNormalHeight() + 2;
}

TuiPCDistances TuiPCOneNotePainter::GetContentOffsets(int32_t /*visibleIndex*/) {
    if (Control().TextDirection() == tdTopToBottom) {
        return {4, CutValue()};
    }
    return {CutValue(), 4};
}

TuiPCDistances TuiPCOneNotePainter::GetTabsDistance() {
    return {5 - CutValue(), -3};
}

vcl::TRect TuiPCOneNotePainter::GetTabsAreaMargins() {
    return TurnMarginsToTabSide({4, 0, 4, 0});
}

vcl::TRect TuiPCOneNotePainter::GetTabStripMargins() {
    return ParentInfo().IsTabStripMode() ? vcl::TRect{0, 2, 0, 0} : vcl::TRect{};
}

int32_t TuiPCOneNotePainter::GetButtonsEdgeOffset() {
    return ParentInfo().IsTabStripMode() ? 2 : 0;
}

vcl::TColor TuiPCOneNotePainter::GetTabOutlineColor() {
    return SchemeTabColor(1);
}

TuiPCOneNotePainter::TOutlineColors TuiPCOneNotePainter::GetOutlineColors(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const vcl::TColor face = GetTabColor(visibleIndex);
    if (tab.IsHotTracked()) {
        const vcl::TColor hot = SchemeTabColor(4);
        return {hot, hot, hot};
    }
    if (tab.IsActiveTab()) {
        const vcl::TColor light = MixColors(vcl::clWhite, face, 60);
        return {SchemeTabColor(1), light, MixColors(light, face, 70)};
    }
    const vcl::TColor shade = SchemeTabColor(6);
    return {SchemeTabColor(2), MixColors(MixColors(vcl::clWhite, shade, 50), face, 50), MixColors(shade, face, 50)};
}

vcl::TColor TuiPCOneNotePainter::ColorUnder(const vcl::TRect& rect, TuiTabPosition side, vcl::TPoint point) {
    const vcl::TPoint turned = TurnTopTabPoint(point, rect, side);
    const int32_t visibleIndex = Control().VisibleTabIndexAtPoint(turned.X, turned.Y);
    return visibleIndex == -1 ? ParentInfo().Color() : GetTabColor(visibleIndex);
}

void TuiPCOneNotePainter::DrawTabOutline(int32_t visibleIndex, const vcl::TRect& rect) {
    const TuiTabPosition side = ParentInfo().VisibleTab(visibleIndex).EffectiveTabPosition();
    const auto [w, h] = TopTabSize(rect, side);
    const int32_t l = rect.Left;
    const int32_t b = rect.Bottom;
    const TOutlineColors colors = GetOutlineColors(visibleIndex);
    // The outline's two ends toward its neighbours are blended with what lies beyond them.
    SetTopTabPixel(rect, side, {l, b - 1}, MixColors(colors.Outer, ColorUnder(rect, side, {l - 1, b - 1}), 25));
    const vcl::TPoint outer[] = {{l + 1, b - 1},     {l + 1, b - 1},         {l + h - 3, b - h + 3}, {l + h + 2, b - h},
                                 {l + w - 3, b - h}, {l + w - 1, b - h + 2}, {l + w - 1, b - 1}};
    DrawTopTabPolyline(rect, side, outer, colors.Outer);
    SetTopTabPixel(rect, side, {l + h + 2, b - h},
                   MixColors(colors.Outer, ColorUnder(rect, side, {l + h + 1, b - h}), 60));
    const vcl::TPoint light[] = {
        {l + 2, b - 1}, {l + h - 3, b - h + 4}, {l + h + 2, b - h + 1}, {l + w - 4, b - h + 1}};
    DrawTopTabPolyline(rect, side, light, colors.Light);
    const vcl::TPoint dark[] = {{l + w - 3, b - h + 1}, {l + w - 2, b - h + 2}, {l + w - 2, b - 1}};
    DrawTopTabPolyline(rect, side, dark, colors.Dark);
}

std::vector<vcl::TPoint> TuiPCOneNotePainter::ClipRegionPoints(const vcl::TRect& rect, TuiTabPosition side) {
    const auto [w, h] = TopTabSize(rect, side);
    const int32_t l = rect.Left;
    const int32_t b = rect.Bottom;
    if (side == tpRight) {
        return {{l - 1, b - 1},     {l - 1, b - 3},     {l + 2, b - 3},         {l + h - 2, b - h + 2},
                {l + h + 2, b - h}, {l + w - 4, b - h}, {l + w - 1, b - h + 3}, {l + w - 1, b - 1}};
    }
    const bool left = side == tpLeft;
    return {{l, b - 2},
            {l + 1, b - 2},
            {l + h - 3, b - h + 3},
            {l + h + 2, b - h},
            {l + w - (left ? 5 : 4), b - h},
            {l + w - 1, b - h + (left ? 4 : 3)},
            {l + w - 1, b - 1}};
}

std::vector<vcl::TPoint> TuiPCOneNotePainter::FaceRegionPoints(vcl::TRect& rect, TuiTabPosition side) const {
    // The corner after the diagonal by side: its offsets along and across the line, and the next point's along it.
    struct TCorner {
        vcl::TRect Change;
        int32_t Along;
        int32_t Across;
        int32_t NextAlong;
    };
    static constexpr TCorner Corners[] = {
        {{0, 1, 0, 1}, -2, 3, 2}, {{1, 0, 0, 0}, -3, 4, 2}, {{1, 1, 1, 0}, -2, 3, 2}, {{0, 1, 0, 0}, -1, 3, 3}};
    const TCorner& corner = Corners[side];
    rect = {rect.Left + corner.Change.Left, rect.Top + corner.Change.Top, rect.Right + corner.Change.Right,
            rect.Bottom + corner.Change.Bottom};
    const auto [w, h] = TopTabSize(rect, side);
    const int32_t l = rect.Left;
    const int32_t b = rect.Bottom;
    return {{l + 2, b - 1},
            {l + h + corner.Along, b - h + corner.Across},
            {l + h + corner.NextAlong, b - h + 1},
            {l + w - 2, b - h + 1},
            {l + w - 2, b - 1}};
}

std::unique_ptr<TuiRegion> TuiPCOneNotePainter::GetTabRegion(int32_t visibleIndex, bool face) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const TuiTabPosition side = tab.EffectiveTabPosition();
    vcl::TRect rect = tab.GetFullRect();
    std::vector<vcl::TPoint> points;
    if (face) {
        points = FaceRegionPoints(rect, side);
    } else {
        rect = InflateRectBy(rect, 1, 1);
        points = ClipRegionPoints(rect, side);
    }
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.BeginPath();
    canvas.Polyline(TurnTopTabPoints(points, rect, side));
    canvas.EndPath();
    return canvas.PathToRegion();
}

void TuiPCOneNotePainter::DrawActiveTabBase(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const TuiTabPosition side = tab.EffectiveTabPosition();
    const vcl::TRect rect = tab.GetFullRect();
    const int32_t length = TopTabSize(rect, side).cx;
    const vcl::TColor face = GetTabColor(visibleIndex);
    SetTopTabPixel(rect, side, {rect.Left, rect.Bottom}, MixColors(GetTabOutlineColor(), face, 50));
    const vcl::TPoint base[] = {{rect.Left + 1, rect.Bottom}, {rect.Left + length - 1, rect.Bottom}};
    DrawTopTabPolyline(rect, side, base, face);
}

} // namespace ui
