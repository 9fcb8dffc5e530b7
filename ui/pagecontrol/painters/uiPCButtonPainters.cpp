#include "ui/pagecontrol/painters/uiPCButtonPainters.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

namespace ui {

namespace {

// The separator lies in the gap of the FlatButtons style between neighbouring tabs, its two lines in the middle.
constexpr int32_t SeparatorGapWidth = 10;
constexpr int32_t SeparatorOffset = (SeparatorGapWidth - 2) / 2;

} // namespace

// Buttoned.

vcl::TColor TuiPCButtonedPainter::GetTabColor(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (tab.Highlighted()) {
        return vcl::clHighlight;
    }
    const vcl::TColor color = GetTabOwnColor(visibleIndex);
    if (color != vcl::clDefault) {
        return color;
    }
    return tab.IsActiveTab() ? vcl::clBtnHighlight : vcl::clBtnFace;
}

TuiPCDistances TuiPCButtonedPainter::GetContentOffsets(int32_t /*visibleIndex*/) {
    return {HasImages() ? 3 : 4, 4};
}

TuiPCDistances TuiPCButtonedPainter::GetCompactContentOffsets(int32_t visibleIndex) {
    return GetContentOffsets(visibleIndex);
}

// The buttons keep 2 pixels away from the page.
vcl::TRect TuiPCButtonedPainter::GetTabsAreaExtents() {
    vcl::TRect extents = TuiPCStandardPainter::GetTabsAreaExtents();
    if (!ParentInfo().HideTabs() && ParentInfo().RowCount() > 0) {
        extents.Top += 2;
    }
    return extents;
}

int32_t TuiPCButtonedPainter::GetButtonsEdgeOffset() {
    return ParentInfo().IsTabStripMode() ? 2 : 0;
}

int32_t TuiPCButtonedPainter::GetButtonsEndOffset() {
    return ParentInfo().IsTabStripMode() ? 2 : 0;
}

vcl::TPoint TuiPCButtonedPainter::GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) {
    return FixedGlyphOffset(button);
}

bool TuiPCButtonedPainter::IsTabPushed(int32_t visibleIndex) const {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    return tab.IsPressed() || tab.Selected() || tab.IsActiveTab();
}

bool TuiPCButtonedPainter::IsTabDown(int32_t visibleIndex) {
    return visibleIndex >= 0 && !ParentInfo().VisibleTab(visibleIndex).IsFocused() && IsTabPushed(visibleIndex);
}

// Buttons.

std::unique_ptr<TuiPCCustomPainter> TuiPCButtonsPainter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCButtonsPainter>(control);
}

const TuiPCButtonsPainter::TMetaclass& TuiPCButtonsPainter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

bool TuiPCButtonsPainter::IsTabDown(int32_t visibleIndex) {
    return visibleIndex >= 0 && (ParentInfo().VisibleTab(visibleIndex).IsFocused() || IsTabPushed(visibleIndex));
}

void TuiPCButtonsPainter::DrawTabBody(TuiTab& tab, int32_t visibleIndex) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    vcl::TRect rect = tab.GetFullRect();
    if (IsTabDown(visibleIndex)) {
        canvas.DrawComplexFrame(rect, vcl::cl3DDkShadow, vcl::clBtnHighlight);
        rect = InflateRectBy(rect, -1, -1);
        canvas.DrawComplexFrame(rect, vcl::clBtnShadow, vcl::cl3DLight);
    } else {
        canvas.DrawComplexFrame(rect, vcl::clBtnHighlight, vcl::cl3DDkShadow);
        rect = InflateRectBy(rect, -1, -1);
        canvas.DrawComplexFrame(rect, vcl::cl3DLight, vcl::clBtnShadow);
    }
    rect = InflateRectBy(rect, -1, -1);
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(rect, GetTabColor(visibleIndex));
    DrawFocusRect(visibleIndex, InflateRectBy(rect, 1, 1));
}

// Flat buttons.

std::unique_ptr<TuiPCCustomPainter>
TuiPCFlatButtonsPainter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCFlatButtonsPainter>(control);
}

const TuiPCFlatButtonsPainter::TMetaclass& TuiPCFlatButtonsPainter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

void TuiPCFlatButtonsPainter::DrawTabBody(TuiTab& tab, int32_t visibleIndex) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    vcl::TRect rect = tab.GetFullRect();
    if (IsTabDown(visibleIndex)) {
        DrawButtonFrame3D(canvas, rect, true);
        rect = InflateRectBy(rect, -2, -2);
    } else if (tab.IsHotTracked() || tab.IsFocused()) {
        const auto [l, t, r, b] = rect;
        DrawPolyline(canvas, {{l, b - 2}, {l, t}, {r - 2, t}}, vcl::clBtnHighlight);
        DrawPolyline(canvas, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t}}, vcl::clBtnShadow);
        rect = InflateRectBy(rect, -1, -1);
    }
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(rect, GetTabColor(visibleIndex));
    DrawFocusRect(visibleIndex, InflateRectBy(rect, 1, 1));
}

void TuiPCFlatButtonsPainter::DrawTab(int32_t visibleIndex) {
    TuiPCButtonedPainter::DrawTab(visibleIndex);
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (HasSeparatorAfter(tab, visibleIndex)) {
        DrawSeparator(SeparatorGap(tab));
    }
}

bool TuiPCFlatButtonsPainter::HasSeparatorAfter(const TuiTab& tab, int32_t visibleIndex) const {
    const TuiPCPainterParentInfo& info = ParentInfo();
    if (!info.Rotate()) {
        return visibleIndex < LastDisplayedIndex() &&
               info.VisibleTab(visibleIndex + 1).VisibleRow() == tab.VisibleRow();
    }
    if (info.RowCount() <= 1 || tab.VisibleRow() >= info.RowCount() - 1) {
        return false;
    }
    const bool horizontal = IsHorizontalLine();
    const vcl::TPoint position = tab.NormalPosition();
    for (int32_t i = FirstDisplayedIndex(); i <= LastDisplayedIndex(); ++i) {
        const TuiTab& other = info.VisibleTab(i);
        const vcl::TPoint otherPosition = other.NormalPosition();
        if (other.VisibleRow() == tab.VisibleRow() + 1 &&
            (horizontal ? otherPosition.X == position.X : otherPosition.Y == position.Y)) {
            return true;
        }
    }
    return false;
}

vcl::TRect TuiPCFlatButtonsPainter::SeparatorGap(const TuiTab& tab) const {
    const auto [l, t, r, b] = tab.GetFullRect();
    if (!Control().IsVerticalText()) {
        return {r, t, r + SeparatorGapWidth, b};
    }
    return Control().IsLineFilledBackward() ? vcl::TRect{l, t - SeparatorGapWidth, r, t}
                                            : vcl::TRect{l, b, r, b + SeparatorGapWidth};
}

// Two etched lines across the middle of the gap, the rest of it in the control's colour.
void TuiPCFlatButtonsPainter::DrawSeparator(const vcl::TRect& gap) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    if (gap.IsEmpty() || !canvas.RectVisible(gap)) {
        return;
    }
    const auto [l, t, r, b] = gap;
    canvas.PushClipRegion();
    canvas.IntersectClipArea(gap);
    vcl::TRect lines;
    if (Control().IsVerticalText()) {
        const int32_t y = t + SeparatorOffset;
        DrawPolyline(canvas, {{l + 1, y}, {r - 2, y}}, vcl::clBtnShadow);
        DrawPolyline(canvas, {{l + 1, y + 1}, {r - 2, y + 1}}, vcl::clBtnHighlight);
        lines = {l + 1, y, r - 1, y + 2};
    } else {
        const int32_t x = l + SeparatorOffset;
        DrawPolyline(canvas, {{x, t + 1}, {x, b - 2}}, vcl::clBtnShadow);
        DrawPolyline(canvas, {{x + 1, t + 1}, {x + 1, b - 2}}, vcl::clBtnHighlight);
        lines = {x, t + 1, x + 2, b - 1};
    }
    canvas.ExcludeClipArea(lines);
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(gap, ParentInfo().Color());
    canvas.PopClipRegion();
    canvas.ExcludeClipArea(gap);
}

} // namespace ui
