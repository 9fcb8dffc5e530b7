#include "ui/pagecontrol/painters/uiPCSlantedPainter.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

// The pixel step that carries a segment of the side's code one pixel further.
vcl::TPoint StepAlong(TLinePosition code) {
    static constexpr vcl::TPoint Steps[] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
    return Steps[code];
}

} // namespace

std::unique_ptr<TuiPCCustomPainter> TuiPCSlantedPainter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCSlantedPainter>(control);
}

const TuiPCSlantedPainter::TMetaclass& TuiPCSlantedPainter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

bool TuiPCSlantedPainter::HasSlantPosition(TuiTabSlantPosition position) const {
    return Control().TabSlants().Positions().Contains(position);
}

int32_t TuiPCSlantedPainter::SlantPositionCount() const {
    return (HasSlantPosition(spLeft) ? 1 : 0) + (HasSlantPosition(spRight) ? 1 : 0);
}

// Layout and metrics.

void TuiPCSlantedPainter::PrepareLayout() {
    TuiPCStandardPainter::PrepareLayout();
    FCutValue = CalcCutValue();
}

int32_t TuiPCSlantedPainter::CalcCutValue() {
    return Control().TabSlants().Kind() == skSlant ? CalcTabNormalHeight() - 1 : 6;
}

TuiTabSlantPositions TuiPCSlantedPainter::GetSlantedSides() {
    if (Control().TabSlants().Kind() != skSlant || ParentInfo().Rotate()) {
        return {};
    }
    return Control().TabSlants().Positions();
}

int32_t TuiPCSlantedPainter::CalcTabNormalWidth(const TuiTab& tab) {
    if (!tab.Visible()) {
        return 0;
    }
    if (ParentInfo().TabWidth() >= 1) {
        return ParentInfo().TabWidth();
    }
    const int32_t visibleIndex = tab.VisibleIndex();
    int32_t width = GetImageAreaWidth(visibleIndex);
    if (!tab.Caption().empty()) {
        width += MeasureCaption(const_cast<TuiTab&>(tab));
        if (IsTabImageVisible(visibleIndex) || (HasImages() && ParentInfo().Rotate())) {
            width += GetImageTextDistance();
        }
    }
    return std::max(width, GetTabMinWidth(visibleIndex));
}

vcl::TSize TuiPCSlantedPainter::GetImageSizeWithBorder() {
    const vcl::TSize size = GetImageSize();
    const int32_t border = 2 * ParentInfo().ImageBorder();
    return {size.cx > 0 ? size.cx + border : 0, size.cy > 0 ? size.cy + border : 0};
}

int32_t TuiPCSlantedPainter::GetTabContentHeight() {
    const vcl::TRect text = GetTextOffsets(-1);
    const vcl::TRect image = GetImageOffsets(-1);
    return std::max(GetMaxCaptionHeight() + text.Top + text.Bottom,
                    GetImageSizeWithBorder().cy + image.Top + image.Bottom);
}

int32_t TuiPCSlantedPainter::GetSlantAreaWidth() {
    if (ParentInfo().Rotate()) {
        return 0;
    }
    const int32_t ends = SlantPositionCount();
    if (ends == 0) {
        return 8;
    }
    if (Control().TabSlants().Kind() == skSlant) {
        return FCutValue * ends - 2 * ends + 8;
    }
    return FCutValue * ends + GetFrameWidth() * (2 - ends) + 4;
}

int32_t TuiPCSlantedPainter::GetImageAreaWidth(int32_t visibleIndex) {
    const TuiPCDistances content = GetContentOffsets(visibleIndex);
    int32_t width = content.First + content.Second;
    if (HasImages() && (visibleIndex == -1 || IsTabImageVisible(visibleIndex) || ParentInfo().Rotate())) {
        width += GetImageSizeWithBorder().cx;
    }
    return std::max(width, GetSlantAreaWidth());
}

vcl::TRect TuiPCSlantedPainter::GetImageOffsets(int32_t /*visibleIndex*/) {
    const int32_t frame = GetFrameWidth();
    if (!ParentInfo().Rotate()) {
        return {0, frame + 3, 0, 1};
    }
    const bool cutCorners = Control().TabSlants().Kind() == skCutCorner && SlantPositionCount() > 0;
    const int32_t margin = frame + (cutCorners ? 2 : 1);
    return {0, margin, 0, margin};
}

vcl::TRect TuiPCSlantedPainter::GetTextOffsets(int32_t /*visibleIndex*/) {
    const int32_t frame = GetFrameWidth();
    return ParentInfo().Rotate() ? vcl::TRect{0, frame + 3, 0, frame + 1} : vcl::TRect{0, frame + 4, 0, 1};
}

TuiPCDistances TuiPCSlantedPainter::GetContentOffsets(int32_t /*visibleIndex*/) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const int32_t frame = GetFrameWidth();
    const TuiPCTextDirection direction = Control().TextDirection();
    const bool cutCorners = Control().TabSlants().Kind() == skCutCorner;
    TuiPCDistances offsets;
    bool exchanged = false;
    if (!info.Rotate()) {
        const int32_t slanted = cutCorners ? 6 : FCutValue;
        offsets.First = HasSlantPosition(spLeft) ? slanted : frame + 2;
        offsets.Second = HasSlantPosition(spRight) ? slanted : frame + 2;
        exchanged = direction == tdTopToBottom;
    } else {
        offsets.First = 2;
        offsets.Second = frame + 5 + (cutCorners && SlantPositionCount() > 0 ? 1 : 0);
        const TuiTabPosition position = info.TabPosition();
        exchanged = position == tpLeft || (position == tpTop && direction == tdTopToBottom) ||
                    (position == tpBottom && direction == tdBottomToTop);
    }
    if (exchanged) {
        std::swap(offsets.First, offsets.Second);
    }
    return offsets;
}

TuiPCDistances TuiPCSlantedPainter::GetTabsDistance() {
    const TuiTabSlantPositions sides = GetSlantedSides();
    const int32_t ends = (sides.Contains(spLeft) ? 1 : 0) + (sides.Contains(spRight) ? 1 : 0);
    TuiPCDistances distances{ends == 0 ? 1 : -(FCutValue / 2) * ends, -3};
    if (ParentInfo().Rotate()) {
        std::swap(distances.First, distances.Second);
    }
    return distances;
}

vcl::TRect TuiPCSlantedPainter::GetTabsAreaMargins() {
    const TuiTabSlantPositions sides = GetSlantedSides();
    const int32_t start = sides.Contains(spLeft) ? 1 : 0;
    const int32_t end = sides.Contains(spRight) ? 1 : 0;
    return IsHorizontalLine() ? vcl::TRect{start, 0, end, 0} : vcl::TRect{0, end, 0, start};
}

vcl::TRect TuiPCSlantedPainter::GetTabStripMargins() {
    if (!ParentInfo().IsTabStripMode()) {
        return {};
    }
    // On the bottom or right the line's end lies at the margins' left.
    const TuiTabSlantPositions sides = GetSlantedSides();
    const bool mirrored = ParentInfo().TabPosition() == tpBottom || ParentInfo().TabPosition() == tpRight;
    const TuiTabSlantPosition atLeft = mirrored ? spRight : spLeft;
    const TuiTabSlantPosition atRight = mirrored ? spLeft : spRight;
    return {sides.Contains(atLeft) ? 1 : 2, 2, sides.Contains(atRight) ? 1 : 2, 0};
}

vcl::TRect TuiPCSlantedPainter::GetPageClientExtents() {
    vcl::TRect extents = TuiPCStandardPainter::GetPageClientExtents();
    if (!AreTabsShown()) {
        return extents;
    }
    if (ParentInfo().IsTabStripMode()) {
        extents.Top += 2;
    }
    if (!HasFrame()) {
        ++extents.Top;
        if (HasRowsOnFarSide()) {
            ++extents.Bottom;
        }
    }
    return extents;
}

// Navigator buttons.

int32_t TuiPCSlantedPainter::GetButtonsEdgeOffset() {
    return ParentInfo().IsTabStripMode() ? 2 : 1;
}

int32_t TuiPCSlantedPainter::GetButtonsEndOffset() {
    return ParentInfo().IsTabStripMode() ? 2 : 0;
}

int32_t TuiPCSlantedPainter::GetButtonsDistance(TuiPCNavigatorButton button, TuiPCNavigatorButton next) {
    return button == nbClose || next == nbClose ? 3 : 1;
}

int32_t TuiPCSlantedPainter::GetNavigatorButtonWidth(TuiPCNavigatorButton button) {
    switch (button) {
    case nbGoDialog:
        return 13;
    case nbClose:
        return 16;
    default:
        return 17;
    }
}

TuiPCStandardPainter::TNavigatorButtonInfo TuiPCSlantedPainter::GetNavigatorButtonInfo(TuiPCNavigatorButton button) {
    TNavigatorButtonInfo info = TuiPCStandardPainter::GetNavigatorButtonInfo(button);
    info.Enabled = true;
    info.SmallCloseGlyph = button == nbClose;
    return info;
}

vcl::TColor TuiPCSlantedPainter::GetNavigatorButtonColor(TuiPCNavigatorButtonState state) {
    switch (state) {
    case nbsHot:
        return MixColors(vcl::clBtnFace, vcl::clWhite, 35);
    case nbsPressed:
        return MixColors(vcl::clBtnFace, vcl::clBlack, 90);
    default:
        return vcl::clBtnFace;
    }
}

vcl::TColor TuiPCSlantedPainter::GetNavigatorButtonGlyphColor(TuiPCNavigatorButtonState state) {
    if (state == nbsDisabled || !Control().Enabled()) {
        return vcl::clBtnShadow;
    }
    return state == nbsPressed ? MixColors(ParentInfo().Color(), vcl::clWhite, 10) : vcl::clBtnText;
}

void TuiPCSlantedPainter::DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) {
    const bool lit = state == nbsHot || state == nbsPressed;
    ParentInfo().Canvas().FrameRect(rect, lit ? vcl::clBlack : vcl::clBtnShadow);
    rect = InflateRectBy(rect, -1, -1);
}

// Colours.

vcl::TColor TuiPCSlantedPainter::GetTabColor(int32_t visibleIndex) {
    if (ParentInfo().VisibleTab(visibleIndex).Highlighted()) {
        return vcl::clHighlight;
    }
    const vcl::TColor color = GetTabOwnColor(visibleIndex);
    if (color != vcl::clDefault) {
        return color;
    }
    return ParentInfo().IsTabStripMode() ? vcl::clBtnFace : ParentInfo().Color();
}

vcl::TColor TuiPCSlantedPainter::GetPageColor() {
    const int32_t active = ParentInfo().MainTabVisibleIndex();
    if (!ParentInfo().IsTabStripMode() || active == -1) {
        return TuiPCStandardPainter::GetPageColor();
    }
    // The tab's own Color: through GetTabOwnColor a tab of no colour would ask for the page's again.
    const vcl::TColor color = ParentInfo().VisibleTab(active).Color();
    return color == vcl::clDefault ? vcl::clBtnFace : color;
}

std::pair<vcl::TColor, vcl::TColor> TuiPCSlantedPainter::GetTabGradientColors(int32_t visibleIndex) {
    const vcl::TColor color = GetTabColor(visibleIndex);
    if (ParentInfo().VisibleTab(visibleIndex).IsHotTracked()) {
        return {AdjustBrightness(color, 20), color};
    }
    return {AdjustBrightness(color, 13), ScaleColorByPercent(color, 90)};
}

// Shapes.

TuiPCOutline TuiPCSlantedPainter::TopTabOutline(const vcl::TRect& rect, TuiTabPosition side) {
    const auto [w, h] = TopTabSize(rect, side);
    const int32_t l = rect.Left;
    const int32_t b = rect.Bottom;
    const bool slant = Control().TabSlants().Kind() == skSlant;
    const bool shaped = !ParentInfo().Rotate() || !slant;
    const bool anyPosition = SlantPositionCount() > 0;
    TuiPCOutline outline;
    if (HasSlantPosition(spLeft) && shaped) {
        if (slant) {
            outline.Add({{l, b - 1}, {l + h - 1, b - h}}, {lpLT});
        } else {
            outline.Add({{l, b - 1}, {l, b - h + 6}, {l + 6, b - h}}, {lpL, lpLT});
        }
    } else if (!slant && anyPosition) {
        outline.Add({{l, b - 1}, {l, b - h}}, {lpL});
    } else {
        outline.Add({{l, b - 1}, {l, b - h + 2}, {l + 2, b - h}}, {lpL, lpLT});
    }
    if (HasSlantPosition(spRight) && shaped) {
        if (slant) {
            outline.Add({{l + w - h, b - h}, {l + w - 1, b - 1}}, {lpT, lpRT});
        } else {
            outline.Add({{l + w - 7, b - h}, {l + w - 1, b - h + 6}, {l + w - 1, b - 1}}, {lpT, lpRT, lpR});
        }
    } else if (!slant && anyPosition) {
        outline.Add({{l + w - 1, b - h}, {l + w - 1, b - 1}}, {lpT, lpR});
    } else {
        outline.Add({{l + w - 3, b - h}, {l + w - 1, b - h + 2}, {l + w - 1, b - 1}}, {lpT, lpRT, lpR});
    }
    return outline;
}

std::unique_ptr<TuiRegion> TuiPCSlantedPainter::GetTabRegion(int32_t visibleIndex, bool face) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const vcl::TRect rect = tab.GetFullRect();
    const TuiTabPosition side = tab.EffectiveTabPosition();
    TuiPCOutline outline = TopTabOutline(rect, side);
    outline.Points = TurnTopTabPoints(outline.Points, rect, side);
    for (TLinePosition& code : outline.Codes) {
        code = TurnLinePosition(code, side);
    }
    if (side == tpBottom || side == tpRight) {
        std::reverse(outline.Points.begin(), outline.Points.end());
        std::reverse(outline.Codes.begin(), outline.Codes.end());
    }
    // The base's last pixel belongs to the tab.
    const vcl::TPoint step = StepAlong(outline.Codes.back());
    outline.Points.back() = {outline.Points.back().X + step.X, outline.Points.back().Y + step.Y};
    if (side == tpLeft && outline.Codes.front() == lpLB) {
        outline.Points.front() = {outline.Points.front().X + 1, outline.Points.front().Y + 1};
    }
    return CreateOutlineRegion(outline, face);
}

vcl::TRect TuiPCSlantedPainter::PageSideStrip(const TuiTab& tab) {
    return RectSideBand(tab.GetVisibleRect(), PageSideOf(tab.EffectiveTabPosition()), 1, true);
}

std::unique_ptr<TuiRegion> TuiPCSlantedPainter::GetTabClipRegion(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    std::unique_ptr<TuiRegion> region = GetTabRegion(visibleIndex, false);
    region->CombineWith(TuiRegion(tab.GetVisibleRect()), TuiRegionOperation::Intersection);
    if (tab.IsActiveTab()) {
        region->CombineWith(TuiRegion(PageSideStrip(tab)), TuiRegionOperation::Union);
    }
    return region;
}

bool TuiPCSlantedPainter::IsPointInTab(int32_t visibleIndex, int32_t x, int32_t y) {
    if (!GetTabClipRegion(visibleIndex)->ContainsXY(x, y)) {
        return false;
    }
    const int32_t next = visibleIndex + 1;
    const bool nextActive =
        next >= FirstDisplayedIndex() && next <= LastDisplayedIndex() && ParentInfo().VisibleTab(next).IsActiveTab();
    return !nextActive || !GetTabClipRegion(next)->ContainsXY(x, y);
}

// Drawing.

void TuiPCSlantedPainter::DrawTopTabPolyline(const vcl::TRect& rect, TuiTabPosition side,
                                             std::span<const vcl::TPoint> points, vcl::TColor color) {
    const std::vector<vcl::TPoint> turned = TurnTopTabPoints(points, rect, side);
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.Pen().SetColor(color);
    canvas.Polyline(turned);
    canvas.SetPixel(turned.back().X, turned.back().Y, color);
}

void TuiPCSlantedPainter::SetTopTabPixel(const vcl::TRect& rect, TuiTabPosition side, vcl::TPoint point,
                                         vcl::TColor color) {
    const vcl::TPoint turned = TurnTopTabPoint(point, rect, side);
    ParentInfo().Canvas().SetPixel(turned.X, turned.Y, color);
}

void TuiPCSlantedPainter::DrawTabOutline(int32_t visibleIndex, const vcl::TRect& rect) {
    const TuiTabPosition side = ParentInfo().VisibleTab(visibleIndex).EffectiveTabPosition();
    DrawTopTabPolyline(rect, side, TopTabOutline(rect, side).Points, GetTabOutlineColor());
}

void TuiPCSlantedPainter::DrawTabHighlightBand(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (!tab.IsHotTracked() && !tab.IsActiveTab()) {
        return;
    }
    const vcl::TRect band =
        RectSideBand(tab.GetFullRect(), SideOf(tab.EffectiveTabPosition()), GetFrameWidth() + 3, false);
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(band, vcl::clHighlight);
    canvas.ExcludeClipArea(band);
}

void TuiPCSlantedPainter::FillTabFace(TuiCanvas& canvas, const vcl::TRect& rect, bool exchange, bool horizontal,
                                      int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const vcl::TColor color = GetTabColor(visibleIndex);
    const bool hotActive = tab.IsActiveTab() && HotTracksActiveTab() && tab.IsHotTracked();
    if (tab.IsActiveTab() && !hotActive) {
        canvas.Brush().SetStyle(vcl::bsSolid);
        canvas.FillRectColor(rect, color);
        return;
    }
    auto [first, second] =
        ParentInfo().Options().Contains(pcoGradient) ? GetTabGradientColors(visibleIndex) : std::pair{color, color};
    const TuiTabPosition side = tab.EffectiveTabPosition();
    if (hotActive && (side == tpBottom || side == tpRight)) {
        std::swap(first, second);
    }
    if (exchange) {
        std::swap(first, second);
    }
    PaintGradientRect(canvas.Handle(), rect, first, second, horizontal);
}

void TuiPCSlantedPainter::DrawActiveTabBase(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(PageSideStrip(tab), GetTabColor(visibleIndex));
    const vcl::TRect rect = tab.GetFullRect();
    const int32_t length = TopTabSize(rect, tab.EffectiveTabPosition()).cx;
    const TuiTabSlantPositions sides = GetSlantedSides();
    const TuiTabPosition side = tab.EffectiveTabPosition();
    if (!sides.Contains(spLeft)) {
        SetTopTabPixel(rect, side, {rect.Left, rect.Bottom}, GetTabOutlineColor());
    }
    if (!sides.Contains(spRight)) {
        SetTopTabPixel(rect, side, {rect.Left + length - 1, rect.Bottom}, GetTabOutlineColor());
    }
}

void TuiPCSlantedPainter::DrawTabContent(TuiTab& tab, int32_t visibleIndex) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuiTabPosition side = tab.EffectiveTabPosition();
    canvas.PushClipRegion();
    try {
        canvas.SetClipRegion(*GetTabRegion(visibleIndex, true), TuiRegionOperation::Intersection);
        FillTabFace(canvas, tab.GetFullRect(), false, side == tpLeft || side == tpRight, visibleIndex);
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
    TuiPCStandardPainter::DrawTabContent(tab, visibleIndex);
}

void TuiPCSlantedPainter::DrawTabBody(TuiTab& tab, int32_t visibleIndex) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const vcl::TRect rect = tab.GetFullRect();
    const TuiTabPosition side = tab.EffectiveTabPosition();
    canvas.PushClipRegion();
    try {
        DrawTabOutline(visibleIndex, rect);
        canvas.SetClipRegion(*GetTabRegion(visibleIndex, true), TuiRegionOperation::Intersection);
        DrawTabHighlightBand(visibleIndex);
        FillTabFace(canvas, rect, false, side == tpLeft || side == tpRight, visibleIndex);
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
    if (tab.IsActiveTab()) {
        DrawActiveTabBase(visibleIndex);
    }
    const vcl::TRect caption = TabContentData().TextRect;
    if (!caption.IsEmpty()) {
        const bool vertical = Control().IsVerticalText();
        canvas.Brush().SetColor(GetTabColor(visibleIndex));
        DrawFocusRect(visibleIndex, InflateRectBy(caption, vertical ? 2 : 3, vertical ? 3 : 2));
    }
}

// The caption's bitmap is drawn upright and turned afterwards: the face goes into it in the bitmap's own coordinates,
// the tab's rectangle with x and y exchanged and moved to the caption's corner (mirrored where the turn mirrors it).
void TuiPCSlantedPainter::DrawTextBitmapBackground(TuiBitmap32& bitmap, int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const bool rotate = ParentInfo().Rotate();
    const TuiPCTextDirection direction = Control().TextDirection();
    const bool topToBottom = direction == tdTopToBottom;
    vcl::TRect rect = tab.GetFullRect();
    vcl::TPoint origin = TabContentData().TextRect.TopLeft();
    if (Control().IsVerticalText()) {
        rect = RotateRect(rect);
        origin = {origin.Y, origin.X};
    }
    vcl::TPoint offset{-origin.X, -origin.Y};
    if (rotate && direction == tdBottomToTop) {
        offset.X = bitmap.Width() + origin.X - rect.Left - rect.Right;
    } else if (topToBottom && !rotate) {
        offset.Y = origin.Y + bitmap.Height() - rect.Top - rect.Bottom;
    }
    const bool exchange = (topToBottom && !rotate) || (direction == tdBottomToTop && rotate);
    FillTabFace(bitmap.Canvas(), vcl::OffsetRect(rect, offset.X, offset.Y), exchange, rotate, visibleIndex);
}

void TuiPCSlantedPainter::DrawTabs() {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const int32_t active = info.MainTabVisibleIndex();
    if (active != -1 && active >= FirstDisplayedIndex() && active <= LastDisplayedIndex()) {
        DrawTab(active);
    }
    const int32_t front = info.FrontRowCount();
    for (int32_t row = front - 1; row >= 0; --row) {
        DrawRow(row, active);
    }
    for (int32_t row = front; row < info.RowCount(); ++row) {
        DrawRow(row, active);
    }
}

void TuiPCSlantedPainter::DrawRow(int32_t row, int32_t active) {
    int32_t first = -1;
    int32_t last = -1;
    for (int32_t i = FirstDisplayedIndex(); i <= LastDisplayedIndex(); ++i) {
        if (ParentInfo().VisibleTab(i).VisibleRow() != row) {
            continue;
        }
        if (first == -1) {
            first = i;
        }
        last = i;
        if (i != active) {
            DrawTab(i);
        }
    }
    if (first != -1) {
        DrawRowBase(row, first, last);
    }
}

// The base of a row: a line along its page side, and along its slanted ends unless it is the outermost row.
void TuiPCSlantedPainter::DrawRowBase(int32_t row, int32_t first, int32_t last) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const int32_t front = info.FrontRowCount();
    const bool nextToPage = row == front - 1 || row == front;
    const bool outermost = (row == 0 && front > 0) || (row == info.RowCount() - 1 && row >= front);
    const TuiTabSlantPositions sides = GetSlantedSides();
    const TuiTab& firstTab = info.VisibleTab(first);
    const TuiTabPosition side = firstTab.EffectiveTabPosition();
    vcl::TRect a = firstTab.GetVisibleRect();
    vcl::TRect b = info.VisibleTab(last).GetVisibleRect();
    vcl::TRect rect = a;
    const bool backward = Control().IsLineFilledBackward();
    if (IsHorizontalLine()) {
        if (backward) {
            std::swap(a, b);
        }
        rect.Left = nextToPage || sides.Contains(spLeft) ? 0 : a.Left;
        rect.Right = nextToPage || sides.Contains(spRight) ? info.Width() : b.Right;
    } else {
        if (!backward) {
            std::swap(a, b);
        }
        rect.Top = nextToPage || sides.Contains(spRight) ? 0 : b.Top;
        rect.Bottom = nextToPage || sides.Contains(spLeft) ? info.Height() : a.Bottom;
    }
    const int32_t rowDistance = GetTabsDistance().Second;
    rect = DeflateRectByMargins(rect, TurnMargins({0, -rowDistance, 0, -1}, side));
    TuiCanvas& canvas = ParentInfo().Canvas();
    const vcl::TColor color = GetTabOutlineColor();
    const bool horizontal = IsHorizontalLine();
    if (sides.Contains(spLeft) && !outermost) {
        DrawRectSides(canvas, rect, {{horizontal ? bLeft : bBottom, color}});
    }
    if (sides.Contains(spRight) && !outermost) {
        DrawRectSides(canvas, rect, {{horizontal ? bRight : bTop, color}});
    }
    DrawRectSides(canvas, rect, {{PageSideOf(side), color}});
}

vcl::TRect TuiPCSlantedPainter::GrownTowardTabsInStrip(const vcl::TRect& rect) const {
    if (!ParentInfo().IsTabStripMode()) {
        return rect;
    }
    return RectLessSide(rect, SideOf(ParentInfo().TabPosition()), -2);
}

void TuiPCSlantedPainter::DrawFrame() {
    const vcl::TRect rect = GrownTowardTabsInStrip(InflateRectBy(GetPageClientRect(), 1, 1));
    ParentInfo().Canvas().FrameRect(rect, GetTabOutlineColor());
}

void TuiPCSlantedPainter::FillBackground() {
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(GrownTowardTabsInStrip(GetPageClientRect()), GetPageColor());
}

} // namespace ui
