#include "ui/pagecontrol/painters/uiPCStandardPainter.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiControlBackground.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

// The metric tables, indexed by the standard style: tab-like, raised buttons, flat buttons.
constexpr vcl::TRect ImageOffsets[3] = {{6, 1, 0, 0}, {6, -1, 0, 1}, {6, -1, 0, 1}};
constexpr vcl::TRect DownImageOffsets[3] = {{8, 1, 0, 3}, {7, -1, 0, 1}, {7, -1, 0, 1}};
constexpr vcl::TRect TextOffsets[3] = {{5, 1, 5, -1}, {6, 0, 4, 1}, {6, 0, 4, 1}};
constexpr vcl::TRect DownTextOffsets[3] = {{5, 1, 5, 2}, {6, 0, 4, 1}, {6, 0, 4, 1}};
constexpr TuiPCDistances ContentOffsets[3] = {{2, 2}, {3, 3}, {2, 2}};
constexpr TuiPCDistances DownContentOffsets[3] = {{4, 4}, {3, 3}, {4, 2}};
constexpr TuiPCDistances CompactContentOffsets[3] = {{2, 2}, {3, 3}, {2, 2}};
constexpr TuiPCDistances DownCompactContentOffsets[3] = {{4, 4}, {3, 3}, {3, 2}};
constexpr TuiPCDistances TabsDistances[3] = {{0, 0}, {3, 3}, {10, 3}};
constexpr int32_t MinTabHeights[3] = {18, 20, 20};

template <class T>
const T& ForStyle(const T (&table)[3], int32_t style) {
    return table[std::clamp(style, 0, 2)];
}

enum class TArrow : uint8_t { Up, Down, Left, Right };

void DrawTriangle(TuiCanvas& canvas, TArrow arrow, vcl::TPoint origin, int32_t size) {
    const int32_t s = size;
    vcl::TPoint points[3];
    switch (arrow) {
    case TArrow::Up:
        points[0] = {0, s};
        points[1] = {s, 0};
        points[2] = {2 * s, s};
        break;
    case TArrow::Down:
        points[0] = {0, 0};
        points[1] = {2 * s, 0};
        points[2] = {s, s};
        break;
    case TArrow::Left:
        points[0] = {0, s};
        points[1] = {s, 0};
        points[2] = {s, 2 * s};
        break;
    case TArrow::Right:
        points[0] = {0, 0};
        points[1] = {s, s};
        points[2] = {0, 2 * s};
        break;
    }
    for (vcl::TPoint& point : points) {
        point = {point.X + origin.X, point.Y + origin.Y};
    }
    canvas.Polygon(points);
}

// A line with both end points drawn.
void DrawStroke(TuiCanvas& canvas, vcl::TPoint from, vcl::TPoint to, vcl::TColor color) {
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
    canvas.SetPixel(to.X, to.Y, color);
}

} // namespace

bool TuiPCStandardPainter::IsHorizontalLine() const {
    const TuiTabPosition position = ParentInfo().TabPosition();
    return position == tpTop || position == tpBottom;
}

bool TuiPCStandardPainter::IsNavigatorAtStart() const {
    const TuiPCNavigatorPosition position = ParentInfo().NavigatorPosition();
    return IsHorizontalLine() ? position == npLeftTop || position == npLeftBottom
                              : position == npLeftTop || position == npRightTop;
}

int32_t TuiPCStandardPainter::FirstDisplayedIndex() const {
    return ParentInfo().MultiLine() ? 0 : std::max(Control().FirstDisplayedIndex(), 0);
}

int32_t TuiPCStandardPainter::LastDisplayedIndex() const {
    return ParentInfo().MultiLine() ? Control().VisibleTabs().Count() - 1 : Control().LastDisplayedIndex();
}

// Metrics.

int32_t TuiPCStandardPainter::CalcTabNormalWidth(const TuiTab& tab) {
    if (ParentInfo().TabWidth() > 0) {
        return ParentInfo().TabWidth();
    }
    const int32_t visibleIndex = tab.VisibleIndex();
    const int32_t caption = tab.Caption().empty() ? 0 : MeasureCaption(const_cast<TuiTab&>(tab));
    return std::max(GetImageAreaWidth(visibleIndex) + caption, GetTabMinWidth(visibleIndex));
}

int32_t TuiPCStandardPainter::CalcTabNormalHeight() {
    return std::max(EvenedTabHeight(std::max(GetTabContentHeight(), GetMinTabHeight())), ParentInfo().TabHeight());
}

int32_t TuiPCStandardPainter::EvenedTabHeight(int32_t height) const {
    const int32_t imageHeight = GetImageSize().cy;
    if (ParentInfo().Rotate() && imageHeight > 0 && (height - imageHeight) % 2 != 0) {
        ++height;
    }
    return height;
}

int32_t TuiPCStandardPainter::GetTabMinWidth(int32_t visibleIndex) {
    return std::max(GetImageAreaWidth(visibleIndex), GetTabMinWidthPart());
}

TuiPCDistances TuiPCStandardPainter::GetTabsDistance() {
    return ForStyle(TabsDistances, StandardStyle());
}

vcl::TRect TuiPCStandardPainter::GetImageOffsets(int32_t visibleIndex) {
    return ForStyle(IsTabDown(visibleIndex) ? DownImageOffsets : ImageOffsets, StandardStyle());
}

vcl::TRect TuiPCStandardPainter::GetTextOffsets(int32_t visibleIndex) {
    return ForStyle(IsTabDown(visibleIndex) ? DownTextOffsets : TextOffsets, StandardStyle());
}

TuiPCDistances TuiPCStandardPainter::GetContentOffsets(int32_t visibleIndex) {
    return ForStyle(IsTabDown(visibleIndex) ? DownContentOffsets : ContentOffsets, StandardStyle());
}

TuiPCDistances TuiPCStandardPainter::GetCompactContentOffsets(int32_t visibleIndex) {
    return ForStyle(IsTabDown(visibleIndex) ? DownCompactContentOffsets : CompactContentOffsets, StandardStyle());
}

int32_t TuiPCStandardPainter::GetMinTabHeight() {
    return ForStyle(MinTabHeights, StandardStyle());
}

bool TuiPCStandardPainter::HasNoImageArea(int32_t visibleIndex) const {
    return !HasImages() || (visibleIndex != -1 && !IsTabImageVisible(visibleIndex) && !ParentInfo().Rotate());
}

int32_t TuiPCStandardPainter::GetImageAreaWidth(int32_t visibleIndex) {
    if (HasNoImageArea(visibleIndex)) {
        return 12;
    }
    return GetImageSize().cx + 2 * ParentInfo().ImageBorder() + 18;
}

int32_t TuiPCStandardPainter::GetTabContentHeight() {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuiVisibleTabList& tabs = Control().VisibleTabs();
    canvas.SetFont(ParentInfo().Font());
    int32_t height = tabs.Count() == 0 ? canvas.GetTextHeight(u"Zg") : 0;
    for (int32_t i = 0; i < tabs.Count(); ++i) {
        Control().PrepareMeasuringFont(tabs.Tab(i), canvas);
        height = std::max(height, canvas.GetTextHeight(u"Zg"));
    }
    height += 8;
    if (HasImages()) {
        height = std::max(height, GetImageSize().cy + 2 * ParentInfo().ImageBorder() + 6);
    }
    return height;
}

vcl::TColor TuiPCStandardPainter::GetTabsBackgroundColor() {
    return ParentInfo().Color();
}

bool TuiPCStandardPainter::IsTabDown(int32_t visibleIndex) {
    return visibleIndex >= 0 && ParentInfo().VisibleTab(visibleIndex).IsActiveTab();
}

void TuiPCStandardPainter::SetTabImageAndTextRects(int32_t visibleIndex) {
    CalculateTabImageAndTextRects(visibleIndex);
}

// Tabs area and navigator buttons.

void TuiPCStandardPainter::CalcNavigatorArea(TuiPCNavigatorButtons buttons, TuiPCTabsPosition& position) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const int32_t navigator = GetNavigatorAreaWidth(buttons);
    const vcl::TRect margins = info.IsTabStripMode() ? GetTabStripMargins() : vcl::TRect{};
    vcl::TRect area = DeflateRectByMargins({0, 0, info.Width(), info.Height()}, GetTabsAreaMargins());
    if (buttons.IsEmpty()) {
        DeflateRectInPlace(area, TurnMarginsToTabSide(margins));
    } else {
        DeflateRectInPlace(area, TurnMarginsToTabSide({0, margins.Top, 0, 0}));
        const bool atEnd = !IsNavigatorAtStart();
        if (IsHorizontalLine()) {
            area.Left += atEnd ? margins.Left : navigator;
            area.Right -= atEnd ? navigator : margins.Left;
        } else {
            area.Top += atEnd ? margins.Left : navigator;
            area.Bottom -= atEnd ? navigator : margins.Left;
        }
    }
    position.LineLength = IsHorizontalLine() ? area.Width() : area.Height();
    position.ExtendedTabsRect = area;
    position.TabsRect = area;
    position.FrontRowBoundaryCorrection = 0;
    position.BackRowBoundaryCorrection = 0;
    position.RowOverlap = GetTabsDistance().Second;
    CalcNavigatorButtonPositions(buttons);
}

std::vector<TuiPCStandardPainter::TNavigatorButtonPosition>
TuiPCStandardPainter::GetNavigatorButtons(TuiPCNavigatorButtons buttons) {
    static constexpr TuiPCNavigatorButton AtStart[] = {nbClose, nbTopLeft, nbBottomRight, nbGoDialog};
    static constexpr TuiPCNavigatorButton AtEnd[] = {nbGoDialog, nbTopLeft, nbBottomRight, nbClose};
    std::vector<TNavigatorButtonPosition> result;
    for (TuiPCNavigatorButton button : IsNavigatorAtStart() ? AtStart : AtEnd) {
        if (buttons.Contains(button)) {
            result.push_back({button, {}});
        }
    }
    return result;
}

int32_t TuiPCStandardPainter::GetNavigatorAreaWidth(TuiPCNavigatorButtons buttons) {
    const std::vector<TNavigatorButtonPosition> ordered = GetNavigatorButtons(buttons);
    int32_t width = 0;
    for (size_t i = 0; i < ordered.size(); ++i) {
        width += GetNavigatorButtonWidth(ordered[i].Button);
        if (i + 1 < ordered.size()) {
            width += GetButtonsDistance(ordered[i].Button, ordered[i + 1].Button);
        }
    }
    return width > 0 ? width + GetButtonsEndOffset() + GetButtonsToTabsDistance() : width;
}

void TuiPCStandardPainter::CalcNavigatorButtonsBounds(TuiPCNavigatorButtons buttons) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const int32_t height = GetNavigatorButtonHeight();
    const int32_t offsets = GetButtonsEndOffset() + GetButtonsToTabsDistance();
    const int32_t width = std::max(GetNavigatorAreaWidth(buttons) - offsets, 0);
    const TuiPCNavigatorPosition position = info.NavigatorPosition();
    if (IsHorizontalLine()) {
        const bool atLeft = position == npLeftTop || position == npLeftBottom;
        const int32_t left = atLeft ? GetButtonsEndOffset() : info.Width() - width - GetButtonsEndOffset();
        const int32_t top =
            info.TabPosition() == tpTop ? GetButtonsEdgeOffset() : info.Height() - height - GetButtonsEdgeOffset();
        FNavigatorArea = vcl::Bounds(left, top, width, height);
        return;
    }
    const int32_t left =
        info.TabPosition() == tpLeft ? GetButtonsEdgeOffset() : info.Width() - height - GetButtonsEdgeOffset();
    const bool atTop = position == npLeftTop || position == npRightTop;
    const int32_t top = atTop ? GetButtonsEndOffset() : info.Height() - width - GetButtonsEndOffset();
    FNavigatorArea = vcl::Bounds(left, top, height, width);
}

void TuiPCStandardPainter::CalcNavigatorButtonPositions(TuiPCNavigatorButtons buttons) {
    if (buttons.IsEmpty()) {
        FNavigatorButtonQueue.clear();
        FNavigatorArea = {};
        return;
    }
    CalcNavigatorButtonsBounds(buttons);
    FNavigatorButtonQueue = GetNavigatorButtons(buttons);
    const bool horizontal = IsHorizontalLine();
    const int32_t height = GetNavigatorButtonHeight();
    vcl::TPoint corner = FNavigatorArea.TopLeft();
    for (size_t i = 0; i < FNavigatorButtonQueue.size(); ++i) {
        TNavigatorButtonPosition& entry = FNavigatorButtonQueue[i];
        const int32_t width = GetNavigatorButtonWidth(entry.Button);
        entry.Bounds = horizontal ? vcl::Bounds(corner.X, corner.Y, width, height)
                                  : vcl::Bounds(corner.X, corner.Y, height, width);
        const int32_t gap = i + 1 < FNavigatorButtonQueue.size()
                                ? GetButtonsDistance(entry.Button, FNavigatorButtonQueue[i + 1].Button)
                                : 0;
        (horizontal ? corner.X : corner.Y) += width + gap;
    }
}

int32_t TuiPCStandardPainter::GetNavigatorButtonWidth(TuiPCNavigatorButton button) {
    if (button != nbGoDialog) {
        return 20;
    }
    return IsHorizontalLine() ? 12 : 13;
}

vcl::TColor TuiPCStandardPainter::GetNavigatorButtonGlyphColor(TuiPCNavigatorButtonState state) {
    return state == nbsHot ? uiPCHotLightColor : vcl::clBtnText;
}

vcl::TPoint TuiPCStandardPainter::GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) {
    const bool horizontal = IsHorizontalLine();
    vcl::TSize glyph;
    switch (button) {
    case nbGoDialog:
        glyph = {7, 4};
        break;
    case nbClose:
        glyph = horizontal ? vcl::TSize{8, 7} : vcl::TSize{7, 8};
        break;
    default:
        glyph = horizontal ? vcl::TSize{5, 9} : vcl::TSize{9, 5};
        break;
    }
    vcl::TSize size{GetNavigatorButtonWidth(button), GetNavigatorButtonHeight()};
    if (!horizontal) {
        std::swap(size.cx, size.cy);
    }
    vcl::TPoint offset{(size.cx - glyph.cx) / 2, (size.cy - glyph.cy) / 2};
    if (button == nbGoDialog) {
        ++offset.Y;
    }
    if (ParentInfo().NavigatorButtonState(button) == nbsPressed) {
        ++offset.Y;
        if (button != nbGoDialog) {
            ++offset.X;
        }
    }
    return offset;
}

vcl::TPoint TuiPCStandardPainter::FixedGlyphOffset(TuiPCNavigatorButton button) {
    const bool horizontal = IsHorizontalLine();
    vcl::TPoint offset;
    switch (button) {
    case nbTopLeft:
        offset = horizontal ? vcl::TPoint{6, 5} : vcl::TPoint{5, 7};
        break;
    case nbBottomRight:
        offset = horizontal ? vcl::TPoint{8, 5} : vcl::TPoint{5, 7};
        break;
    case nbClose:
        offset = {5, 5};
        break;
    case nbGoDialog:
        offset = horizontal ? vcl::TPoint{2, 8} : vcl::TPoint{6, 4};
        break;
    }
    if (ParentInfo().NavigatorButtonState(button) == nbsPressed) {
        offset = {offset.X + 1, offset.Y + 1};
    }
    return offset;
}

TuiPCStandardPainter::TNavigatorButtonInfo TuiPCStandardPainter::GetNavigatorButtonInfo(TuiPCNavigatorButton button) {
    const TuiPCNavigatorButtonState state = ParentInfo().NavigatorButtonState(button);
    TNavigatorButtonInfo info;
    info.GlyphFillColor = GetNavigatorButtonGlyphColor(state);
    info.GlyphOutlineColor = info.GlyphFillColor;
    info.Enabled = Control().Enabled() && state != nbsDisabled;
    return info;
}

bool TuiPCStandardPainter::GetNavigatorButtonAt(int32_t x, int32_t y, TuiPCNavigatorButton& button) {
    for (const TNavigatorButtonPosition& entry : FNavigatorButtonQueue) {
        if (entry.Bounds.Contains({x, y})) {
            button = entry.Button;
            return true;
        }
    }
    return false;
}

vcl::TRect TuiPCStandardPainter::GetGoDialogButtonBounds() {
    for (const TNavigatorButtonPosition& entry : FNavigatorButtonQueue) {
        if (entry.Button == nbGoDialog) {
            return entry.Bounds;
        }
    }
    return {};
}

void TuiPCStandardPainter::GetGoDialogPoint(vcl::TSize menuSize, vcl::TPoint& point) {
    // The menu's corner at the button: 0 below its left edge, 1 above it, 2 below its right edge, 3 above it; by
    // the tab position and then the navigator position.
    static constexpr int32_t Corners[4][4] = {{0, 0, 2, 2}, {1, 1, 3, 3}, {0, 1, 0, 1}, {2, 3, 2, 3}};
    for (const TNavigatorButtonPosition& entry : FNavigatorButtonQueue) {
        if (entry.Button != nbGoDialog) {
            continue;
        }
        const int32_t corner = Corners[ParentInfo().TabPosition()][ParentInfo().NavigatorPosition()];
        point.X = corner < 2 ? entry.Bounds.Left : entry.Bounds.Right - menuSize.cx;
        point.Y = corner % 2 == 0 ? entry.Bounds.Bottom : entry.Bounds.Top - menuSize.cy;
        return;
    }
}

// Drawing.

void TuiPCStandardPainter::Paint() {
    TuiPCCustomPainter::Paint();
    TuiCanvas& canvas = ParentInfo().Canvas();
    const vcl::TRect client{0, 0, ParentInfo().Width(), ParentInfo().Height()};
    if (IsNativePainting() && Control().ParentBackground()) {
        DrawTransparentControlBackground(Control(), canvas, client, true);
    } else {
        canvas.Brush().SetStyle(vcl::bsSolid);
        canvas.FillRectColor(client, GetTabsBackgroundColor());
    }
}

void TuiPCStandardPainter::DrawTabs() {
    for (int32_t i = FirstDisplayedIndex(); i <= LastDisplayedIndex(); ++i) {
        DrawTab(i);
    }
}

void TuiPCStandardPainter::DrawTab(int32_t visibleIndex) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const std::unique_ptr<TuiRegion> region = GetTabClipRegion(visibleIndex);
    bool ownerDrawn = false;
    canvas.PushClipRegion();
    try {
        canvas.SetClipRegion(*region, GetTabClipOperation(visibleIndex));
        ownerDrawn = IsOwnerDraw() && DoDrawTab(visibleIndex);
        if (!ownerDrawn) {
            if (IsNativePainting()) {
                tab.CreatePaintBitmap();
                DrawNativeTab(tab, visibleIndex);
            }
            DrawTabContent(tab, visibleIndex);
            DrawTabBody(tab, visibleIndex);
            tab.FreePaintBitmap();
        }
    } catch (...) {
        tab.FreePaintBitmap();
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
    if (ownerDrawn || !ExcludesTabContentOnly(visibleIndex)) {
        CallDrawTabHook(visibleIndex);
        canvas.SetClipRegion(*region, TuiRegionOperation::Difference);
        return;
    }
    TuiRegion content(TabContentData().ImageRect);
    content.CombineWith(TuiRegion(TabContentData().TextRect), TuiRegionOperation::Union);
    content.CombineWith(*region, TuiRegionOperation::Intersection);
    canvas.SetClipRegion(content, TuiRegionOperation::Difference);
}

void TuiPCStandardPainter::DrawFocusRect(int32_t visibleIndex, const vcl::TRect& rect) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const vcl::TRect visible = tab.GetVisibleRect();
    if (!tab.IsEnabled() || !tab.IsActiveTab() || !Control().Focused() || visible.IsEmpty()) {
        return;
    }
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.PushClipRegion();
    canvas.SetClipRegion(TuiRegion(visible), TuiRegionOperation::Copy);
    canvas.Pen().SetColor(ParentInfo().Font().Color());
    canvas.DrawFocusRect(InflateRectBy(rect, -1, -1));
    canvas.PopClipRegion();
}

vcl::TRect TuiPCStandardPainter::FrameRect() {
    vcl::TRect rect = GetPageBoundsRect();
    rect.Right = std::max(rect.Right, rect.Left + GetMinFrameSize());
    rect.Bottom = std::max(rect.Bottom, rect.Top + GetMinFrameSize());
    return rect;
}

void TuiPCStandardPainter::DrawFrame() {
    DrawFrameBorder(FrameRect());
}

void TuiPCStandardPainter::DrawFrameBorder(const vcl::TRect& rect) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.DrawComplexFrame(rect, vcl::clBtnHighlight, vcl::cl3DDkShadow);
    canvas.DrawComplexFrame(InflateRectBy(rect, -1, -1), vcl::cl3DLight, vcl::clBtnShadow);
}

void TuiPCStandardPainter::DrawNavigatorButtons() {
    if (ParentInfo().NavigatorButtons().IsEmpty()) {
        return;
    }
    TuiCanvas& canvas = ParentInfo().Canvas();
    for (const TNavigatorButtonPosition& entry : FNavigatorButtonQueue) {
        if (!canvas.RectVisible(entry.Bounds)) {
            continue;
        }
        canvas.PushClipRegion();
        canvas.IntersectClipArea(entry.Bounds);
        DrawNavigatorButton(entry.Button, entry.Bounds);
        canvas.PopClipRegion();
        canvas.ExcludeClipArea(entry.Bounds);
    }
}

void TuiPCStandardPainter::DrawNavigatorButton(TuiPCNavigatorButton button, const vcl::TRect& rect) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuiPCNavigatorButtonState state = ParentInfo().NavigatorButtonState(button);
    vcl::TRect face = rect;
    DrawNavigatorButtonFrame(face, state);
    FillNavigatorButton(face, state);
    const vcl::TPoint offset = GetNavigatorButtonGlyphOffset(button);
    const vcl::TPoint origin{rect.Left + offset.X, rect.Top + offset.Y};
    const TNavigatorButtonInfo info = GetNavigatorButtonInfo(button);
    if (info.Enabled) {
        DrawNavigatorGlyph(canvas, button, origin, info.GlyphFillColor, info.GlyphOutlineColor, info.SmallCloseGlyph);
    } else {
        DrawNavigatorGlyph(canvas, button, {origin.X + 1, origin.Y + 1}, vcl::clBtnHighlight, vcl::clBtnHighlight,
                           info.SmallCloseGlyph);
        DrawNavigatorGlyph(canvas, button, origin, vcl::clBtnShadow, vcl::clBtnShadow, info.SmallCloseGlyph);
    }
    canvas.Brush().SetStyle(vcl::bsSolid);
}

void TuiPCStandardPainter::FillNavigatorButton(const vcl::TRect& rect, TuiPCNavigatorButtonState state) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(rect, GetNavigatorButtonColor(state));
}

void TuiPCStandardPainter::DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) {
    DrawButtonFrame3D(ParentInfo().Canvas(), rect, state == nbsPressed);
    rect = InflateRectBy(rect, -2, -2);
}

void TuiPCStandardPainter::DrawButtonFrame3D(TuiCanvas& canvas, const vcl::TRect& rect, bool sunken, bool flat) {
    const auto [l, t, r, b] = rect;
    const vcl::TColor raised[4] = {vcl::cl3DLight, vcl::clBtnHighlight, vcl::cl3DDkShadow, vcl::clBtnShadow};
    const vcl::TColor lowered[4] = {vcl::clBtnShadow, vcl::cl3DDkShadow, vcl::clBtnHighlight, vcl::cl3DLight};
    const vcl::TColor flatRaised[2] = {vcl::cl3DLight, vcl::cl3DDkShadow};
    const vcl::TColor flatLowered[2] = {vcl::cl3DDkShadow, vcl::cl3DLight};
    if (flat) {
        const vcl::TColor* colors = sunken ? flatLowered : flatRaised;
        DrawPolyline(canvas, {{l, b - 2}, {l, t}, {r - 2, t}}, colors[0]);
        DrawPolyline(canvas, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t}}, colors[1]);
        return;
    }
    const vcl::TColor* colors = sunken ? lowered : raised;
    DrawPolyline(canvas, {{l, b - 2}, {l, t}, {r - 2, t}}, colors[0]);
    DrawPolyline(canvas, {{l + 1, b - 3}, {l + 1, t + 1}, {r - 3, t + 1}}, colors[1]);
    DrawPolyline(canvas, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t}}, colors[2]);
    DrawPolyline(canvas, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t + 1}}, colors[3]);
}

void TuiPCStandardPainter::DrawNavigatorGlyph(TuiCanvas& canvas, TuiPCNavigatorButton button, vcl::TPoint origin,
                                              vcl::TColor fill, vcl::TColor outline, bool smallClose) {
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.Brush().SetColor(fill);
    canvas.Pen().SetColor(outline);
    const bool horizontal = IsHorizontalLine();
    switch (button) {
    case nbGoDialog:
        DrawTriangle(canvas, TArrow::Down, origin, 3);
        return;
    case nbTopLeft:
        DrawTriangle(canvas, horizontal ? TArrow::Left : TArrow::Up, origin, 4);
        return;
    case nbBottomRight:
        DrawTriangle(canvas, horizontal ? TArrow::Right : TArrow::Down, origin, 4);
        return;
    case nbClose:
        break;
    }
    const int32_t x = origin.X;
    const int32_t y = origin.Y;
    using TStroke = std::pair<vcl::TPoint, vcl::TPoint>;
    std::vector<TStroke> strokes;
    if (!smallClose) {
        strokes = {{{x + 1, y}, {x + 8, y + 7}}, {{x, y}, {x + 8, y + 8}}, {{x, y + 1}, {x + 7, y + 8}},
                   {{x, y + 7}, {x + 7, y}},     {{x, y + 8}, {x + 8, y}}, {{x + 1, y + 8}, {x + 8, y + 1}}};
    } else if (!horizontal) {
        strokes = {{{x, y}, {x + 6, y + 6}},
                   {{x, y + 1}, {x + 6, y + 7}},
                   {{x, y + 6}, {x + 6, y}},
                   {{x, y + 7}, {x + 6, y + 1}}};
    } else {
        strokes = {{{x + 1, y}, {x + 7, y + 6}},
                   {{x, y}, {x + 6, y + 6}},
                   {{x, y + 6}, {x + 6, y}},
                   {{x + 1, y + 6}, {x + 7, y}}};
    }
    for (const TStroke& stroke : strokes) {
        DrawStroke(canvas, stroke.first, stroke.second, outline);
    }
}

// Notices.

void TuiPCStandardPainter::NavigatorButtonStateChanged(TuiPCNavigatorButton button,
                                                       TuiPCNavigatorButtonState /*previous*/) {
    for (const TNavigatorButtonPosition& entry : FNavigatorButtonQueue) {
        if (entry.Button == button) {
            InvalidateRect(entry.Bounds);
        }
    }
}

void TuiPCStandardPainter::TabChanged(int32_t visibleIndex, TuiTabChangeKind /*kind*/) {
    if (Control().IsVerticalText()) {
        ParentInfo().VisibleTab(visibleIndex).FreeVerticalTextBitmap();
    }
    InvalidateTab(visibleIndex);
}

void TuiPCStandardPainter::InvalidateTabRows(const TuiTab& tab) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    InvalidateRect(tab.VisibleRow() < info.FrontRowCount() ? info.FrontRowsClipRect() : info.BackRowsClipRect());
}

// Shared drawing routines.

void DrawRectSides(TuiCanvas& canvas, vcl::TRect& rect, std::initializer_list<std::pair<TuiBorder, vcl::TColor>> sides,
                   bool exclude) {
    const vcl::TRect given = rect;
    canvas.Brush().SetStyle(vcl::bsSolid);
    for (const auto& [side, color] : sides) {
        canvas.FillRectColor(RectSideBand(rect, side, 1, false), color);
        rect = RectLessSide(rect, side, 1);
    }
    if (exclude) {
        TuiRegion band(given);
        band.CombineWith(TuiRegion(rect), TuiRegionOperation::Difference);
        canvas.SetClipRegion(band, TuiRegionOperation::Difference);
    }
}

vcl::TRect RectSideBand(const vcl::TRect& rect, TuiBorder side, int32_t thickness, bool outward) {
    const auto [l, t, r, b] = rect;
    switch (side) {
    case bLeft:
        return outward ? vcl::TRect{l - thickness, t, l, b} : vcl::TRect{l, t, l + thickness, b};
    case bTop:
        return outward ? vcl::TRect{l, t - thickness, r, t} : vcl::TRect{l, t, r, t + thickness};
    case bRight:
        return outward ? vcl::TRect{r, t, r + thickness, b} : vcl::TRect{r - thickness, t, r, b};
    default:
        return outward ? vcl::TRect{l, b, r, b + thickness} : vcl::TRect{l, b - thickness, r, b};
    }
}

vcl::TRect RectLessSide(const vcl::TRect& rect, TuiBorder side, int32_t thickness) {
    const auto [l, t, r, b] = rect;
    switch (side) {
    case bLeft:
        return {l + thickness, t, r, b};
    case bTop:
        return {l, t + thickness, r, b};
    case bRight:
        return {l, t, r - thickness, b};
    default:
        return {l, t, r, b - thickness};
    }
}

} // namespace ui
