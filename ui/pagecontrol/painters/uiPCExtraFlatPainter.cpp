#include "ui/pagecontrol/painters/uiPCExtraFlatPainter.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "ui/pagecontrol/tabs/uiPCImageList.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

vcl::TRect InflateRectByMargins(const vcl::TRect& rect, const vcl::TRect& margins) {
    return InflateRectSides(rect, margins.Left, margins.Top, margins.Right, margins.Bottom);
}

} // namespace

std::unique_ptr<TuiPCCustomPainter>
TuiPCExtraFlatPainter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCExtraFlatPainter>(control);
}

const TuiPCExtraFlatPainter::TMetaclass& TuiPCExtraFlatPainter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

// Rows.

bool TuiPCExtraFlatPainter::AreTabsShown() const {
    return !ParentInfo().HideTabs() && ParentInfo().RowCount() > 0;
}

bool TuiPCExtraFlatPainter::HasRowsOnFarSide() const {
    const TuiPCPainterParentInfo& info = ParentInfo();
    if (!AreTabsShown()) {
        return false;
    }
    return IsNearSide(info.TabPosition()) ? info.FrontRowCount() < info.RowCount() : info.FrontRowCount() > 0;
}

TuiTabPosition TuiPCExtraFlatPainter::RowSide(int32_t row) const {
    const TuiPCLineIndexBounds& bounds = Control().LineIndexBounds()[static_cast<size_t>(row)];
    return ParentInfo().VisibleTab(bounds.First).EffectiveTabPosition();
}

bool TuiPCExtraFlatPainter::IsNearSide(TuiTabPosition side) {
    return side == tpTop || side == tpLeft;
}

TuiBorder TuiPCExtraFlatPainter::SideOf(TuiTabPosition side) {
    static constexpr TuiBorder Sides[] = {bTop, bBottom, bLeft, bRight};
    return Sides[side];
}

TuiBorder TuiPCExtraFlatPainter::PageSideOf(TuiTabPosition side) {
    static constexpr TuiBorder Facing[] = {bBottom, bTop, bRight, bLeft};
    return Facing[side];
}

bool TuiPCExtraFlatPainter::IsPageRow(int32_t row) const {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const int32_t active = info.MainTabVisibleIndex();
    if (active >= FirstDisplayedIndex() && active <= LastDisplayedIndex() && active != -1) {
        return info.VisibleTab(active).Row() == row;
    }
    const TuiPCLineIndexBounds& bounds = Control().LineIndexBounds()[static_cast<size_t>(row)];
    const int32_t visibleRow = info.VisibleTab(bounds.First).VisibleRow();
    return IsNearSide(info.TabPosition()) ? visibleRow == info.RowCount() - 1 : visibleRow == 0;
}

vcl::TRect TuiPCExtraFlatPainter::GetRowRect(int32_t visibleIndex, bool wholeRow) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const TuiTabPosition side = tab.EffectiveTabPosition();
    if (wholeRow || !tab.IsActiveTab()) {
        return InflateRectByMargins(tab.GetNormalRect(), TurnMargins({0, 3, 0, GetRowSpacing()}, side));
    }
    return DeflateRectByMargins(tab.GetFullRect(), TurnMargins({1, 1, 1, 0}, side));
}

vcl::TRect TuiPCExtraFlatPainter::StretchedRowRect(int32_t row) {
    vcl::TRect rect = GetRowRect(Control().LineIndexBounds()[static_cast<size_t>(row)].First, true);
    const int32_t offset = HasRowOffset() ? 1 : 0;
    if (IsHorizontalLine()) {
        rect.Left = offset;
        rect.Right = ParentInfo().Width() - offset;
    } else {
        rect.Top = offset;
        rect.Bottom = ParentInfo().Height() - offset;
    }
    return rect;
}

vcl::TRect TuiPCExtraFlatPainter::RowFillRect(int32_t row) {
    return RectLessSide(StretchedRowRect(row), PageSideOf(RowSide(row)), GetRowSpacing());
}

vcl::TRect TuiPCExtraFlatPainter::GetRowsAreaRect() {
    if (!AreTabsShown()) {
        return {};
    }
    return RectSideBand(GetPageClientRect(), SideOf(ParentInfo().TabPosition()), 2, true);
}

// Metrics.

int32_t TuiPCExtraFlatPainter::CalcTabNormalWidth(const TuiTab& tab) {
    const int32_t visibleIndex = tab.VisibleIndex();
    int32_t width = ParentInfo().TabWidth();
    if (width < 1) {
        const int32_t caption = tab.Caption().empty() ? 12 : MeasureCaption(const_cast<TuiTab&>(tab)) + 9;
        width = GetImageAreaWidth(visibleIndex) + caption;
    }
    return std::max(width, GetTabMinWidth(visibleIndex));
}

int32_t TuiPCExtraFlatPainter::CalcTabNormalHeight() {
    const int32_t height = EvenedTabHeight(std::max(GetTabContentHeight(), GetMinTabHeight()));
    const int32_t asked = ParentInfo().TabHeight() - 4;
    return asked >= GetMinTabHeight() && asked > height ? asked : height;
}

int32_t TuiPCExtraFlatPainter::GetTabContentHeight() {
    return TuiPCStandardPainter::GetTabContentHeight() - 3;
}

int32_t TuiPCExtraFlatPainter::GetImageAreaWidth(int32_t visibleIndex) {
    return HasNoImageArea(visibleIndex) ? 0 : GetImageSize().cx + 2 * ParentInfo().ImageBorder() + 4;
}

vcl::TRect TuiPCExtraFlatPainter::GetTabCorrection(int32_t visibleIndex) {
    return ParentInfo().VisibleTab(visibleIndex).IsActiveTab() ? vcl::TRect{-1, -1, 1, 1} : vcl::TRect{};
}

vcl::TRect TuiPCExtraFlatPainter::GetImageOffsets(int32_t visibleIndex) {
    return {ParentInfo().VisibleTab(visibleIndex).IsActiveTab() ? 3 : 2, 0, 0, 0};
}

vcl::TRect TuiPCExtraFlatPainter::GetTextOffsets(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const bool active = tab.IsActiveTab();
    vcl::TRect offsets{active ? 6 : 5, 2, 3, 0};
    // Bottom tabs with horizontal captions, left ones read top to bottom and right ones bottom to top face the
    // page with the caption's top.
    const int32_t kind = tab.TextSideKind();
    if (kind == 10 || kind == 5 || kind == 7) {
        offsets.Top = 0;
        offsets.Bottom = 0;
    }
    if (Control().ImageList().GetImageSize().cx > 0) {
        offsets.Left += active ? 1 : 2;
    }
    return offsets;
}

TuiPCDistances TuiPCExtraFlatPainter::GetContentOffsets(int32_t visibleIndex) {
    return ParentInfo().VisibleTab(visibleIndex).IsActiveTab() ? TuiPCDistances{3, 3} : TuiPCDistances{2, 2};
}

TuiPCDistances TuiPCExtraFlatPainter::GetCompactContentOffsets(int32_t visibleIndex) {
    return GetContentOffsets(visibleIndex);
}

TuiPCDistances TuiPCExtraFlatPainter::GetTabsDistance() {
    return {GetTabGap(), GetRowSpacing() + 3};
}

vcl::TRect TuiPCExtraFlatPainter::GetTabsAreaExtents() {
    vcl::TRect extents = TuiPCStandardPainter::GetTabsAreaExtents();
    if (HasRowsOnFarSide()) {
        extents.Bottom += 3;
    }
    return extents;
}

vcl::TRect TuiPCExtraFlatPainter::GetPageClientExtents() {
    vcl::TRect extents = TuiPCStandardPainter::GetPageClientExtents();
    if (AreTabsShown()) {
        extents.Top += 2;
    }
    AdjustPageClientExtents(extents);
    return extents;
}

void TuiPCExtraFlatPainter::AdjustPageClientExtents(vcl::TRect& extents) {
    if (HasFrame() && AreTabsShown()) {
        --extents.Top;
    }
}

void TuiPCExtraFlatPainter::CalcNavigatorArea(TuiPCNavigatorButtons buttons, TuiPCTabsPosition& position) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const int32_t navigator = GetNavigatorAreaWidth(buttons);
    const int32_t rowOffset = HasRowOffset() ? GetFrameWidth() : 0;
    vcl::TRect tabs = DeflateRectByMargins({0, 0, info.Width(), info.Height()},
                                           TurnMarginsToTabSide({6, 3 + rowOffset, 6, rowOffset}));
    const bool horizontal = IsHorizontalLine();
    if (IsNavigatorAtStart()) {
        (horizontal ? tabs.Left : tabs.Top) += navigator;
    } else {
        (horizontal ? tabs.Right : tabs.Bottom) -= navigator;
    }
    position.TabsRect = tabs;
    position.LineLength = horizontal ? tabs.Width() : tabs.Height();
    position.ExtendedTabsRect = InflateRectByMargins(tabs, TurnMarginsToTabSide({1, 1, 1, 0}));
    const bool nearSide = IsNearSide(info.TabPosition());
    position.FrontRowBoundaryCorrection = nearSide ? 1 : 0;
    position.BackRowBoundaryCorrection = nearSide ? 0 : -1;
    position.RowOverlap = GetTabsDistance().Second - 1;
    CalcNavigatorButtonPositions(buttons);
}

// Colours.

vcl::TColor TuiPCExtraFlatPainter::GetTabColor(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (tab.Highlighted()) {
        return vcl::clHighlight;
    }
    const vcl::TColor color = GetTabOwnColor(visibleIndex);
    if (color != vcl::clDefault) {
        return color;
    }
    return tab.IsActiveTab() ? vcl::clBtnFace : GetInactiveTabColor();
}

vcl::TColor TuiPCExtraFlatPainter::GetInactiveTabColor() {
    return ParentInfo().IsTabStripMode() ? ParentInfo().Color() : LightFaceColor();
}

vcl::TColor TuiPCExtraFlatPainter::GetDefaultPageColor() {
    return ParentInfo().ActivePageObject() ? ParentInfo().Color() : GetTabsBackgroundColor();
}

vcl::TColor TuiPCExtraFlatPainter::GetRowBackgroundColor() {
    const int32_t active = ParentInfo().MainTabVisibleIndex();
    const vcl::TColor color = active == -1 ? vcl::clDefault : GetTabOwnColor(active);
    return color == vcl::clDefault ? vcl::clBtnFace : color;
}

// Navigator buttons.

int32_t TuiPCExtraFlatPainter::GetButtonsDistance(TuiPCNavigatorButton button, TuiPCNavigatorButton next) {
    const bool goDialog = button == nbGoDialog || next == nbGoDialog;
    const bool close = button == nbClose || next == nbClose;
    return goDialog && !close ? 0 : 3;
}

int32_t TuiPCExtraFlatPainter::GetButtonsEndOffset() {
    return HasRowOffset() ? GetFrameWidth() + 1 : 1;
}

vcl::TColor TuiPCExtraFlatPainter::GetNavigatorButtonColor(TuiPCNavigatorButtonState state) {
    return state == nbsPressed || state == nbsHot ? vcl::clBtnFace : GetInactiveTabColor();
}

vcl::TColor TuiPCExtraFlatPainter::GetNavigatorButtonGlyphColor(TuiPCNavigatorButtonState state) {
    if (!Control().Enabled() || state == nbsDisabled) {
        return vcl::clBtnShadow;
    }
    return state == nbsPressed ? vcl::clBtnHighlight : vcl::clBtnText;
}

TuiPCStandardPainter::TNavigatorButtonInfo TuiPCExtraFlatPainter::GetNavigatorButtonInfo(TuiPCNavigatorButton button) {
    const TuiPCNavigatorButtonState state = ParentInfo().NavigatorButtonState(button);
    TNavigatorButtonInfo info;
    info.GlyphOutlineColor = GetNavigatorButtonGlyphColor(state);
    info.GlyphFillColor = !Control().Enabled() || state == nbsDisabled ? LightFaceColor() : info.GlyphOutlineColor;
    info.Enabled = true;
    info.SmallCloseGlyph = button == nbClose;
    return info;
}

vcl::TPoint TuiPCExtraFlatPainter::GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) {
    const bool horizontal = IsHorizontalLine();
    switch (button) {
    case nbGoDialog:
        return {3, ParentInfo().NavigatorButtonState(button) == nbsPressed ? 5 : 4};
    case nbClose:
        return horizontal ? vcl::TPoint{2, 3} : vcl::TPoint{3, 2};
    case nbTopLeft:
        return horizontal ? vcl::TPoint{5, 2} : vcl::TPoint{2, 5};
    case nbBottomRight:
        return horizontal ? vcl::TPoint{3, 2} : vcl::TPoint{2, 3};
    }
    return {};
}

void TuiPCExtraFlatPainter::DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) {
    if (state != nbsPressed && state != nbsHot) {
        return;
    }
    DrawButtonFrame3D(ParentInfo().Canvas(), rect, state == nbsPressed, true);
    rect = InflateRectBy(rect, -1, -1);
}

// Drawing.

// The buttons come first: a control without tabs has no tabs area, and its page would cover its close button.
void TuiPCExtraFlatPainter::DrawContent() {
    const bool tabsShown = !ParentInfo().HideTabs();
    if (tabsShown) {
        DrawNavigatorButtons();
    }
    DrawPageArea();
    if (tabsShown) {
        DrawTabs();
    }
}

void TuiPCExtraFlatPainter::DrawPageArea() {
    if (AreTabsShown()) {
        TuiCanvas& canvas = ParentInfo().Canvas();
        canvas.Brush().SetStyle(vcl::bsSolid);
        canvas.FillRectColor(GetRowsAreaRect(), GetRowBackgroundColor());
    }
    TuiPCStandardPainter::DrawPageArea();
}

void TuiPCExtraFlatPainter::DrawFrame() {
    DrawPageFrame(vcl::clBtnHighlight, vcl::clBtnShadow);
}

void TuiPCExtraFlatPainter::DrawPageFrame(vcl::TColor upLeft, vcl::TColor downRight) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    vcl::TRect rect = GetPageBoundsRect();
    if (!AreTabsShown()) {
        DrawRectSides(canvas, rect, {{bLeft, upLeft}, {bTop, upLeft}, {bRight, downRight}, {bBottom, downRight}});
        return;
    }
    switch (ParentInfo().TabPosition()) {
    case tpTop:
        DrawRectSides(canvas, rect, {{bRight, downRight}, {bBottom, downRight}, {bLeft, upLeft}});
        break;
    case tpBottom:
        DrawRectSides(canvas, rect, {{bRight, downRight}, {bTop, upLeft}, {bLeft, upLeft}});
        break;
    case tpLeft:
        DrawRectSides(canvas, rect, {{bBottom, downRight}, {bRight, downRight}, {bTop, upLeft}});
        break;
    case tpRight:
        DrawRectSides(canvas, rect, {{bBottom, downRight}, {bLeft, upLeft}, {bTop, upLeft}});
        break;
    }
}

// Row by row: the tabs and their separators first, each leaving the clip region, then the row's edge and its free
// part around them; tabs whose painter leaves their background to the row get their hook after it.
void TuiPCExtraFlatPainter::DrawTabs() {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const std::vector<TuiPCLineIndexBounds>& rows = Control().LineIndexBounds();
    std::vector<TuiPCTabContentData> contents;
    for (int32_t row = 0; row < static_cast<int32_t>(rows.size()); ++row) {
        const auto [first, last] = rows[static_cast<size_t>(row)];
        if (last < first) {
            continue;
        }
        contents.clear();
        canvas.PushClipRegion();
        for (int32_t i = first; i <= last; ++i) {
            DrawTab(i);
            DrawSeparatorAfter(i, last);
            contents.push_back(TabContentData());
        }
        const vcl::TRect rowRect = StretchedRowRect(row);
        vcl::TRect inside = rowRect;
        DrawRowEdge(inside, row);
        FillTabsRow(canvas, inside, -1);
        canvas.PopClipRegion();
        for (const TuiPCTabContentData& content : contents) {
            if (ExcludesTabContentOnly(content.VisibleIndex)) {
                MutableTabContentData() = content;
                CallDrawTabHook(content.VisibleIndex);
            }
        }
        canvas.ExcludeClipArea(rowRect);
    }
}

void TuiPCExtraFlatPainter::DrawSeparatorAfter(int32_t visibleIndex, int32_t lastInRow) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    if (visibleIndex >= lastInRow || info.VisibleTab(visibleIndex).IsActiveTab() ||
        info.VisibleTab(visibleIndex + 1).IsActiveTab()) {
        return;
    }
    const vcl::TRect tab = info.VisibleTab(visibleIndex).GetNormalRect();
    const int32_t gap = GetTabGap();
    const TuiPCDistances insets = GetTabSeparatorInsets();
    const bool backward = Control().IsLineFilledBackward();
    if (IsHorizontalLine()) {
        const int32_t x = backward ? tab.Left - gap : tab.Right;
        DrawTabSeparator({x, tab.Top + insets.First, x + gap, tab.Bottom - insets.Second});
    } else {
        const int32_t y = backward ? tab.Top - gap : tab.Bottom;
        DrawTabSeparator({tab.Left + insets.First, y, tab.Right - insets.Second, y + gap});
    }
}

void TuiPCExtraFlatPainter::DrawTabSeparator(const vcl::TRect& rect) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(rect, vcl::clBtnShadow);
    canvas.ExcludeClipArea(rect);
}

void TuiPCExtraFlatPainter::DrawRowEdge(vcl::TRect& rect, int32_t row) {
    const vcl::TColor outer = IsNearSide(RowSide(row)) ? vcl::clWhite : vcl::clBlack;
    DrawRowEdgeLines(rect, row, {vcl::clBtnFace, vcl::clBtnFace, outer});
}

void TuiPCExtraFlatPainter::DrawRowEdgeLines(vcl::TRect& rect, int32_t row, std::initializer_list<vcl::TColor> colors) {
    const TuiBorder side = PageSideOf(RowSide(row));
    for (const vcl::TColor color : colors) {
        DrawRectSides(ParentInfo().Canvas(), rect, {{side, color}});
    }
}

void TuiPCExtraFlatPainter::DrawTabBody(TuiTab& tab, int32_t visibleIndex) {
    vcl::TRect rect = tab.GetFullRect();
    const bool active = tab.IsActiveTab();
    if (active) {
        DrawActiveTabAccent(rect);
    }
    if (!ExcludesTabContentOnly(visibleIndex)) {
        FillTabsRow(ParentInfo().Canvas(), rect, visibleIndex);
    }
    if (active) {
        DrawFocusRect(visibleIndex, GetActiveTabFocusRect());
    }
}

void TuiPCExtraFlatPainter::FillTabsRow(TuiCanvas& canvas, const vcl::TRect& rect, int32_t visibleIndex) {
    const bool active = visibleIndex != -1 && ParentInfo().VisibleTab(visibleIndex).IsActiveTab();
    const vcl::TColor inactive = GetInactiveTabColor();
    vcl::TRect face = rect;
    canvas.Brush().SetStyle(vcl::bsSolid);
    if (!active) {
        canvas.FrameRect(face, inactive);
        face = InflateRectBy(face, -1, -1);
    }
    canvas.FillRectColor(face, visibleIndex == -1 ? inactive : GetTabColor(visibleIndex));
}

void TuiPCExtraFlatPainter::DrawActiveTabAccent(vcl::TRect& rect) {
    DrawActiveTabAccentIn(rect, vcl::clWhite, vcl::clBlack);
}

void TuiPCExtraFlatPainter::DrawActiveTabAccentIn(vcl::TRect& rect, vcl::TColor upLeft, vcl::TColor downRight) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const vcl::TPoint corner = rect.TopLeft();
    const int32_t active = ParentInfo().MainTabVisibleIndex();
    const TuiTabPosition side =
        active == -1 ? ParentInfo().TabPosition() : ParentInfo().VisibleTab(active).EffectiveTabPosition();
    switch (side) {
    case tpTop:
        DrawRectSides(canvas, rect, {{bLeft, upLeft}, {bTop, upLeft}, {bRight, downRight}});
        break;
    case tpBottom:
        DrawRectSides(canvas, rect, {{bLeft, upLeft}, {bBottom, downRight}, {bRight, downRight}});
        break;
    case tpLeft:
        DrawRectSides(canvas, rect, {{bTop, upLeft}, {bLeft, upLeft}, {bBottom, downRight}});
        break;
    case tpRight:
        DrawRectSides(canvas, rect, {{bTop, upLeft}, {bRight, downRight}, {bBottom, downRight}});
        break;
    }
    // Seen from below or from the right, the corner belongs to the shadowed side.
    if (side == tpBottom || side == tpRight) {
        canvas.SetPixel(corner.X, corner.Y, downRight);
    }
}

vcl::TRect TuiPCExtraFlatPainter::GetActiveTabFocusRect() {
    const int32_t active = ParentInfo().MainTabVisibleIndex();
    if (active == -1) {
        return {};
    }
    const TuiTab& tab = ParentInfo().VisibleTab(active);
    const auto [l, t, r, b] = tab.GetFullRect();
    switch (tab.EffectiveTabPosition()) {
    case tpTop:
        return {l, t, r - 1, b + 1};
    case tpBottom:
        return {l + 1, t - 1, r - 1, b - 1};
    case tpLeft:
        return {l, t, r + 1, b - 1};
    default:
        return {l - 1, t + 1, r - 1, b - 1};
    }
}

// Notices.

void TuiPCExtraFlatPainter::TabChanged(int32_t visibleIndex, TuiTabChangeKind kind) {
    TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (Control().IsVerticalText()) {
        tab.FreeVerticalTextBitmap();
    }
    if (kind == tckActive && !tab.IsActiveTab()) {
        InvalidateTabRows(tab);
    } else {
        InvalidateTab(visibleIndex);
    }
    if (tab.IsActiveTab()) {
        InvalidateRect(GetRowsAreaRect());
    }
}

} // namespace ui
