#include "ui/pagecontrol/painters/uiPCTabsPainter.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/looks/uiNativeParts.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <algorithm>

namespace ui {

namespace {

// The caption's start is at the far side of the tab.
bool IsFarStartKind(int32_t kind) {
    return kind == 3 || kind == 6 || kind == 11;
}

// The caption's bottom faces away from the page.
bool IsUpsideKind(int32_t kind) {
    return kind == 5 || kind == 7 || kind == 10;
}

} // namespace

bool TuiPCTabsPainter::TMetaclass::IsDefaultForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const {
    const TuiLookAndFeelPainterClass painter = lookAndFeel.ActivePainter();
    return painter && (painter->StyleKind() == pskStandard || painter->StyleKind() == pskNative);
}

bool TuiPCTabsPainter::TMetaclass::IsDefaultForNativeStyle(const TuiLookAndFeel& lookAndFeel) const {
    return lookAndFeel.NativeStyle();
}

std::unique_ptr<TuiPCCustomPainter> TuiPCTabsPainter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCTabsPainter>(control);
}

const TuiPCTabsPainter::TMetaclass& TuiPCTabsPainter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

bool TuiPCTabsPainter::IsNativePainting() {
    return !Control().IsLoadingOrDestroying() && Control().LookAndFeel().NativeStyle() && AreVisualStylesActive() &&
           NativeTheme(totTab) != nullptr;
}

// Metrics.

vcl::TRect TuiPCTabsPainter::GetTabCorrection(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (!tab.IsActiveTab()) {
        return {};
    }
    switch (tab.EffectiveTabPosition()) {
    case tpTop:
        return {-2, -2, 2, 1};
    case tpBottom:
        return {-2, -1, 2, 2};
    case tpLeft:
        return {-2, -2, 1, 2};
    default:
        return {-1, -2, 2, 2};
    }
}

std::unique_ptr<TuiRegion> TuiPCTabsPainter::GetTabClipRegion(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    vcl::TRect rect = tab.GetVisibleRect();
    if (tab.IsActiveTab() && !rect.IsEmpty()) {
        rect = GrowTowardPage(rect, tab.EffectiveTabPosition(), 1);
    }
    return std::make_unique<TuiRegion>(rect);
}

TuiRegionOperation TuiPCTabsPainter::GetTabClipOperation(int32_t visibleIndex) {
    return ParentInfo().VisibleTab(visibleIndex).IsActiveTab() ? TuiRegionOperation::Copy
                                                               : TuiRegionOperation::Intersection;
}

vcl::TColor TuiPCTabsPainter::GetTabColor(int32_t visibleIndex) {
    if (ParentInfo().VisibleTab(visibleIndex).Highlighted()) {
        return vcl::clHighlight;
    }
    const vcl::TColor color = GetTabOwnColor(visibleIndex);
    return color == vcl::clDefault ? vcl::clBtnFace : color;
}

vcl::TColor TuiPCTabsPainter::TabBodyColor(int32_t visibleIndex) {
    return ParentInfo().IsTabStripMode() ? vcl::clBtnFace : GetTabColor(visibleIndex);
}

vcl::TRect TuiPCTabsPainter::GetImageOffsets(int32_t visibleIndex) {
    vcl::TRect offsets = TuiPCStandardPainter::GetImageOffsets(visibleIndex);
    if (IsUpsideKind(ParentInfo().VisibleTab(visibleIndex).TextSideKind())) {
        ++offsets.Bottom;
    }
    return offsets;
}

vcl::TRect TuiPCTabsPainter::GetTextOffsets(int32_t visibleIndex) {
    vcl::TRect offsets = TuiPCStandardPainter::GetTextOffsets(visibleIndex);
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (IsUpsideKind(tab.TextSideKind())) {
        ++offsets.Bottom;
    }
    if (tab.IsActiveTab() && GetImageSize().cx == 0) {
        offsets.Left += 2;
    }
    return offsets;
}

TuiPCDistances TuiPCTabsPainter::GetImageCenterOffsets(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (!ParentInfo().Rotate() || !tab.IsActiveTab()) {
        return TuiPCStandardPainter::GetImageCenterOffsets(visibleIndex);
    }
    return IsFarStartKind(tab.TextSideKind()) ? TuiPCDistances{2, 1} : TuiPCDistances{1, 2};
}

TuiPCDistances TuiPCTabsPainter::GetContentOffsets(int32_t visibleIndex) {
    TuiPCDistances offsets{3, 3};
    if (IsTabDown(visibleIndex)) {
        offsets = ParentInfo().Rotate() ? TuiPCDistances{4, 5} : TuiPCDistances{5, 5};
    }
    if (IsFarStartKind(ParentInfo().VisibleTab(visibleIndex).TextSideKind())) {
        std::swap(offsets.First, offsets.Second);
    }
    return offsets;
}

TuiPCDistances TuiPCTabsPainter::GetCompactContentOffsets(int32_t visibleIndex) {
    return GetContentOffsets(visibleIndex);
}

int32_t TuiPCTabsPainter::GetTabContentHeight() {
    return TuiPCStandardPainter::GetTabContentHeight() - 2 - (ParentInfo().Rotate() ? 0 : 1);
}

void TuiPCTabsPainter::SetTabImageAndTextRects(int32_t visibleIndex) {
    CalculateTabImageAndTextRects(visibleIndex);
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (IsNativePainting() && tab.IsActiveTab() && IsUpsideKind(tab.TextSideKind())) {
        TuiPCTabContentData& data = MutableTabContentData();
        data.ImageRect = vcl::OffsetRect(data.ImageRect, 0, 1);
        data.TextRect = vcl::OffsetRect(data.TextRect, 0, 1);
    }
}

int32_t TuiPCTabsPainter::GetMinFrameSize() {
    return ParentInfo().IsTabStripMode() ? GetFrameWidth() + 3 : TuiPCStandardPainter::GetMinFrameSize();
}

vcl::TRect TuiPCTabsPainter::GetTabsAreaExtents() {
    vcl::TRect extents = TuiPCStandardPainter::GetTabsAreaExtents();
    if (!ParentInfo().HideTabs() && ParentInfo().RowCount() > 0) {
        --extents.Top;
    }
    return extents;
}

vcl::TRect TuiPCTabsPainter::GetPageClientExtents() {
    vcl::TRect extents = TuiPCStandardPainter::GetPageClientExtents();
    if (IsNativePainting()) {
        const vcl::TRect content = TurnMarginsFromTabSide(GetNativeContentOffsets());
        return {extents.Left - 2 + content.Left, extents.Top - 2 + content.Top, extents.Right - 2 + content.Right,
                extents.Bottom - 2 + content.Bottom};
    }
    if (ParentInfo().IsTabStripMode()) {
        extents.Top += 3 - GetFrameWidth();
    }
    return extents;
}

int32_t TuiPCTabsPainter::GetButtonsEdgeOffset() {
    return ParentInfo().IsTabStripMode() ? 2 : 0;
}

int32_t TuiPCTabsPainter::GetButtonsEndOffset() {
    return ParentInfo().IsTabStripMode() ? 2 : 0;
}

int32_t TuiPCTabsPainter::GetNavigatorButtonHeight() {
    return IsNativePainting() ? 17 : TuiPCStandardPainter::GetNavigatorButtonHeight();
}

int32_t TuiPCTabsPainter::GetNavigatorButtonWidth(TuiPCNavigatorButton button) {
    if (!IsNativePainting()) {
        return TuiPCStandardPainter::GetNavigatorButtonWidth(button);
    }
    if (button == nbGoDialog) {
        constexpr int32_t SpinPartDown = 2;
        const std::optional<vcl::TSize> size = NativePartSize(NativeTheme(totSpin), SpinPartDown, 1);
        return size ? size->cx : 17;
    }
    return 17;
}

vcl::TPoint TuiPCTabsPainter::GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) {
    return FixedGlyphOffset(button);
}

void TuiPCTabsPainter::CalcNavigatorArea(TuiPCNavigatorButtons buttons, TuiPCTabsPosition& position) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const int32_t navigator = GetNavigatorAreaWidth(buttons);
    const vcl::TRect margins = info.IsTabStripMode() ? GetTabStripMargins() : vcl::TRect{};
    const bool horizontal = IsHorizontalLine();
    const int32_t size = horizontal ? info.Width() : info.Height();
    int32_t start = margins.Left;
    int32_t end = size - margins.Left;
    if (!info.MultiLine() && !buttons.IsEmpty()) {
        if (IsNavigatorAtStart()) {
            start = navigator;
        } else {
            end = size - navigator;
        }
    }
    const vcl::TRect client{0, 0, info.Width(), info.Height()};
    position.ExtendedTabsRect = DeflateRectByMargins(client, TurnMarginsToTabSide({0, margins.Top, 0, 0}));
    vcl::TRect tabs = DeflateRectByMargins(client, TurnMarginsToTabSide({0, margins.Top + 2, 0, 0}));
    if (horizontal) {
        tabs.Left = start + 2;
        tabs.Right = end - 2;
    } else {
        tabs.Top = start + 2;
        tabs.Bottom = end - 2;
    }
    position.TabsRect = tabs;
    position.LineLength = end - start - 4;
    const bool nearSide = info.TabPosition() == tpTop || info.TabPosition() == tpLeft;
    position.FrontRowBoundaryCorrection = nearSide ? 1 : 0;
    position.BackRowBoundaryCorrection = nearSide ? 0 : -1;
    position.RowOverlap = 0;
    CalcNavigatorButtonPositions(buttons);
}

// Notices.

void TuiPCTabsPainter::InvalidateTab(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    InvalidateRect(GrowTowardPage(tab.GetVisibleRect(), tab.EffectiveTabPosition(), 1), false);
}

void TuiPCTabsPainter::TabChanged(int32_t visibleIndex, TuiTabChangeKind kind) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (kind != tckActive || tab.IsActiveTab()) {
        TuiPCStandardPainter::TabChanged(visibleIndex, kind);
        return;
    }
    // The tab that was active was larger than its neighbours: all of its rows' area is drawn again.
    InvalidateTabRows(tab);
}

// Drawing.

void TuiPCTabsPainter::DrawTabs() {
    const int32_t active = ParentInfo().MainTabVisibleIndex();
    const int32_t first = FirstDisplayedIndex();
    const int32_t last = LastDisplayedIndex();
    const bool activeShown = active >= first && active <= last && ParentInfo().VisibleTab(active).HasVisibleRect();
    if (activeShown) {
        DrawTab(active);
    }
    for (int32_t i = first; i <= last; ++i) {
        if (!(activeShown && i == active)) {
            DrawTab(i);
        }
    }
}

void TuiPCTabsPainter::DrawPageArea() {
    if (IsNativePainting()) {
        DrawNativeFrame(ParentInfo().Canvas());
        return;
    }
    TuiPCStandardPainter::DrawPageArea();
}

void TuiPCTabsPainter::DrawFrame() {
    const vcl::TRect frame = FrameRect();
    DrawFrameBorder(frame);
    if (ParentInfo().IsTabStripMode()) {
        ParentInfo().Canvas().FillRectColor(InflateRectBy(frame, -GetFrameWidth(), -GetFrameWidth()), vcl::clBtnFace);
    }
}

void TuiPCTabsPainter::DrawTabBody(TuiTab& tab, int32_t visibleIndex) {
    if (IsNativePainting()) {
        DrawNativeTabBody(tab, visibleIndex);
        return;
    }
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuiTabPosition side = tab.EffectiveTabPosition();
    const vcl::TRect body = GrowTowardPage(InflateRectBy(tab.GetFullRect(), -2, -2), side, 2);
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(body, TabBodyColor(visibleIndex));
    if (tab.IsActiveTab()) {
        DrawFocusRect(visibleIndex, GrowTowardPage(body, side, -1));
    } else {
        // The strip just beyond the body on the page side.
        vcl::TRect strip = GrowTowardPage(body, side, 2);
        switch (side) {
        case tpTop:
            strip.Top = body.Bottom;
            break;
        case tpBottom:
            strip.Bottom = body.Top;
            break;
        case tpLeft:
            strip.Left = body.Right;
            break;
        case tpRight:
            strip.Right = body.Left;
            break;
        }
        canvas.FillRectColor(strip, ParentInfo().Color());
    }
    DrawTabFrame(visibleIndex);
}

void TuiPCTabsPainter::DrawTabFrame(int32_t visibleIndex) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const auto [l, t, rt, b] = tab.GetFullRect();
    switch (tab.EffectiveTabPosition()) {
    case tpTop:
        DrawPolyline(canvas, {{l, b - 1}, {l, t + 2}, {l + 2, t}, {rt - 3, t}}, vcl::clBtnHighlight);
        DrawPolyline(canvas, {{l + 1, b - 1}, {l + 1, t + 2}, {l + 2, t + 1}, {rt - 3, t + 1}}, vcl::cl3DLight);
        DrawPolyline(canvas, {{rt - 1, b - 1}, {rt - 1, t + 2}, {rt - 2, t + 1}}, vcl::cl3DDkShadow);
        DrawPolyline(canvas, {{rt - 2, b - 1}, {rt - 2, t + 2}}, vcl::clBtnShadow);
        break;
    case tpBottom:
        DrawPolyline(canvas, {{l, t}, {l, b - 3}, {l + 1, b - 2}}, vcl::clBtnHighlight);
        DrawPolyline(canvas, {{l + 1, t}, {l + 1, b - 3}}, vcl::cl3DLight);
        DrawPolyline(canvas, {{l + 2, b - 1}, {rt - 3, b - 1}, {rt - 1, b - 3}, {rt - 1, t}}, vcl::cl3DDkShadow);
        DrawPolyline(canvas, {{l + 2, b - 2}, {rt - 3, b - 2}, {rt - 2, b - 3}, {rt - 2, t}}, vcl::clBtnShadow);
        break;
    case tpLeft:
        DrawPolyline(canvas, {{l, b - 3}, {l, t + 2}, {l + 2, t}, {rt - 1, t}}, vcl::clBtnHighlight);
        DrawPolyline(canvas, {{l + 1, b - 3}, {l + 1, t + 2}, {l + 2, t + 1}, {rt - 1, t + 1}}, vcl::cl3DLight);
        DrawPolyline(canvas, {{l + 2, b - 2}, {l + 3, b - 1}, {rt - 1, b - 1}}, vcl::cl3DDkShadow);
        DrawPolyline(canvas, {{l + 1, b - 2}, {l + 2, b - 1}, {l + 3, b - 2}, {rt - 1, b - 2}}, vcl::clBtnShadow);
        break;
    case tpRight:
        DrawPolyline(canvas, {{l, t}, {rt - 3, t}, {rt - 2, t + 1}}, vcl::clBtnHighlight);
        DrawPolyline(canvas, {{l, t + 1}, {rt - 3, t + 1}}, vcl::cl3DLight);
        DrawPolyline(canvas, {{l, b - 1}, {rt - 3, b - 1}, {rt - 1, b - 3}, {rt - 1, t + 2}}, vcl::cl3DDkShadow);
        DrawPolyline(canvas, {{l, b - 2}, {rt - 3, b - 2}, {rt - 2, b - 3}, {rt - 2, t + 2}}, vcl::clBtnShadow);
        break;
    }
    if (tab.IsActiveTab()) {
        DrawActiveTabOpening(tab, TabBodyColor(visibleIndex));
    }
    DrawTabCorners(visibleIndex);
}

// The line just beyond the active tab's page side, where the page frame runs, in the tab's colour, so that the tab
// opens into the page; at the control's edges the frame's own pixels stay.
void TuiPCTabsPainter::DrawActiveTabOpening(const TuiTab& tab, vcl::TColor color) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const auto [l, t, rt, b] = tab.GetFullRect();
    const int32_t width = ParentInfo().Width();
    const int32_t height = ParentInfo().Height();
    switch (tab.EffectiveTabPosition()) {
    case tpTop:
        if (l == 0) {
            canvas.SetPixel(0, b, vcl::clBtnHighlight);
            canvas.SetPixel(1, b, vcl::cl3DLight);
        } else {
            DrawPolyline(canvas, {{l, b}, {l + 1, b}}, vcl::cl3DLight);
        }
        if (rt == width) {
            DrawPolyline(canvas, {{l + 2, b}, {rt - 3, b}}, color);
            canvas.SetPixel(rt - 2, b, vcl::clBtnShadow);
            canvas.SetPixel(rt - 1, b, vcl::cl3DDkShadow);
        } else {
            DrawPolyline(canvas, {{l + 2, b}, {rt - 1, b}}, color);
        }
        break;
    case tpBottom: {
        int32_t start = l;
        if (l == 0) {
            canvas.SetPixel(0, t - 1, vcl::clBtnHighlight);
            canvas.SetPixel(1, t - 1, vcl::cl3DLight);
            start = 2;
        }
        DrawPolyline(canvas, {{start, t - 1}, {rt - 3, t - 1}}, color);
        if (rt == width) {
            canvas.SetPixel(rt - 2, t - 1, vcl::clBtnShadow);
            canvas.SetPixel(rt - 1, t - 1, vcl::cl3DDkShadow);
        } else {
            DrawPolyline(canvas, {{rt - 2, t - 1}, {rt - 1, t - 1}}, vcl::clBtnShadow);
        }
        break;
    }
    case tpLeft:
        if (t == 0) {
            canvas.SetPixel(rt, 0, vcl::clBtnHighlight);
            canvas.SetPixel(rt, 1, vcl::cl3DLight);
        } else {
            DrawPolyline(canvas, {{rt, t}, {rt, t + 1}}, vcl::cl3DLight);
        }
        if (b == height) {
            DrawPolyline(canvas, {{rt, t + 2}, {rt, b - 3}}, color);
            canvas.SetPixel(rt, b - 2, vcl::clBtnShadow);
            canvas.SetPixel(rt, b - 1, vcl::cl3DDkShadow);
        } else {
            DrawPolyline(canvas, {{rt, t + 2}, {rt, b - 1}}, color);
        }
        break;
    case tpRight: {
        int32_t start = t;
        if (t == 0) {
            canvas.SetPixel(l - 1, 0, vcl::clBtnHighlight);
            canvas.SetPixel(l - 1, 1, vcl::cl3DLight);
            start = 2;
        }
        DrawPolyline(canvas, {{l - 1, start}, {l - 1, b - 3}}, color);
        if (b == height) {
            canvas.SetPixel(l - 1, b - 2, vcl::clBtnShadow);
            canvas.SetPixel(l - 1, b - 1, vcl::cl3DDkShadow);
        } else {
            DrawPolyline(canvas, {{l - 1, b - 2}, {l - 1, b - 1}}, vcl::clBtnShadow);
        }
        break;
    }
    }
}

std::pair<vcl::TColor, vcl::TColor> TuiPCTabsPainter::GetTabEdgeColors(int32_t visibleIndex) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const TuiTab& tab = info.VisibleTab(visibleIndex);
    const int32_t row = tab.VisibleRow();
    const int32_t front = info.FrontRowCount();
    const int32_t rows = info.RowCount();
    if ((row == 0 && front > 0) || (row == rows - 1 && front != rows)) {
        return {info.Color(), info.Color()};
    }
    std::pair<vcl::TColor, vcl::TColor> colors{vcl::clBtnFace, vcl::clBtnFace};
    const std::vector<TuiPCLineIndexBounds>& bounds = Control().LineIndexBounds();
    if (tab.IsActiveTab() && !info.Rotate() && tab.Row() < static_cast<int32_t>(bounds.size())) {
        const TuiPCLineIndexBounds& line = bounds[static_cast<size_t>(tab.Row())];
        if (visibleIndex == line.First) {
            colors.first = info.Color();
        }
        if (visibleIndex == line.Last) {
            colors.second = info.Color();
        }
    }
    return colors;
}

void TuiPCTabsPainter::DrawTabCorners(int32_t visibleIndex) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    auto [first, second] = GetTabEdgeColors(visibleIndex);
    const TuiTabPosition side = tab.EffectiveTabPosition();
    if ((side == tpLeft || side == tpRight) && Control().TextDirection() != tdTopToBottom) {
        std::swap(first, second);
    }
    const auto [l, t, rt, b] = tab.GetFullRect();
    switch (side) {
    case tpTop:
        DrawPolyline(canvas, {{l, t + 1}, {l, t}, {l + 1, t}}, first);
        DrawPolyline(canvas, {{rt - 2, t}, {rt - 1, t}, {rt - 1, t + 1}}, second);
        break;
    case tpBottom:
        DrawPolyline(canvas, {{l, b - 2}, {l, b - 1}, {l + 1, b - 1}}, first);
        DrawPolyline(canvas, {{rt - 2, b - 1}, {rt - 1, b - 1}, {rt - 1, b - 2}}, second);
        break;
    case tpLeft:
        DrawPolyline(canvas, {{l, t + 1}, {l, t}, {l + 1, t}}, first);
        DrawPolyline(canvas, {{l, b - 2}, {l, b - 1}, {l + 1, b - 1}}, second);
        break;
    case tpRight:
        DrawPolyline(canvas, {{rt - 2, t}, {rt - 1, t}, {rt - 1, t + 1}}, first);
        DrawPolyline(canvas, {{rt - 2, b - 1}, {rt - 1, b - 1}, {rt - 1, b - 2}}, second);
        break;
    }
}

vcl::TRect TuiPCTabsPainter::TabFocusRectOf(const vcl::TRect& bounds) {
    return InflateRectBy(bounds, -2, -2);
}

} // namespace ui
