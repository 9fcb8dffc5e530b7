#include "ui/pagecontrol/tabs/uiPCPainter.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/looks/uiNativeParts.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/pagecontrol/tabs/uiPCImageList.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"
#include "vcl/imagelists/ImageList.h"

#include <algorithm>

namespace ui {

static_assert(uiPCHotLightColor == vcl::SystemColorBase + COLOR_HOTLIGHT);

namespace {

// The tab theme class's parts and states the base reads.
constexpr int32_t TabPartItem = 1;
constexpr int32_t TabPartPane = 9;
constexpr int32_t TabStateNormal = 1;
constexpr int32_t TabStateHot = 2;
constexpr int32_t TabStateSelected = 3;

int32_t NativeTabItemState(const TuiTab& tab) {
    if (tab.IsActiveTab()) {
        return TabStateSelected;
    }
    return tab.IsHotTracked() ? TabStateHot : TabStateNormal;
}

} // namespace

// Parent info.

TuiCanvas& TuiPCPainterParentInfo::Canvas() const {
    return FControl.DrawingCanvas();
}

vcl::TFont& TuiPCPainterParentInfo::Font() const {
    return FControl.Font();
}

vcl::TColor TuiPCPainterParentInfo::Color() const {
    return FControl.Color();
}

int32_t TuiPCPainterParentInfo::Width() const {
    return FControl.Width();
}

int32_t TuiPCPainterParentInfo::Height() const {
    return FControl.Height();
}

bool TuiPCPainterParentInfo::IsTabStripMode() const {
    return FControl.IsTabStripMode();
}

bool TuiPCPainterParentInfo::HideTabs() const {
    return FControl.HideTabs();
}

bool TuiPCPainterParentInfo::MultiLine() const {
    return FControl.MultiLine();
}

bool TuiPCPainterParentInfo::Rotate() const {
    return FControl.Rotate();
}

bool TuiPCPainterParentInfo::RaggedRight() const {
    return FControl.RaggedRight();
}

bool TuiPCPainterParentInfo::ShowFrame() const {
    return FControl.ShowFrame();
}

int32_t TuiPCPainterParentInfo::ImageBorder() const {
    return FControl.ImageBorder();
}

int32_t TuiPCPainterParentInfo::TabHeight() const {
    return FControl.TabHeight();
}

int32_t TuiPCPainterParentInfo::TabWidth() const {
    return FControl.TabWidth();
}

TuiTabPosition TuiPCPainterParentInfo::TabPosition() const {
    return FControl.TabPosition();
}

TuiPCOptions TuiPCPainterParentInfo::Options() const {
    return FControl.Options();
}

int32_t TuiPCPainterParentInfo::RowCount() const {
    return FControl.RowCount();
}

int32_t TuiPCPainterParentInfo::FrontRowCount() const {
    return FControl.FrontRowCount();
}

const vcl::TRect& TuiPCPainterParentInfo::BackRowsClipRect() const {
    return FControl.BackRowsClipRect();
}

const vcl::TRect& TuiPCPainterParentInfo::FrontRowsClipRect() const {
    return FControl.FrontRowsClipRect();
}

int32_t TuiPCPainterParentInfo::MainTabVisibleIndex() const {
    return FControl.MainTabVisibleIndex();
}

int32_t TuiPCPainterParentInfo::HotTabVisibleIndex() const {
    return FControl.HotTabVisibleIndex();
}

int32_t TuiPCPainterParentInfo::PressedTabVisibleIndex() const {
    return FControl.PressedTabVisibleIndex();
}

TuiPCNavigatorButtons TuiPCPainterParentInfo::NavigatorButtons() const {
    return FControl.NavigatorButtons();
}

TuiPCNavigatorButtonState TuiPCPainterParentInfo::NavigatorButtonState(TuiPCNavigatorButton button) const {
    return FControl.NavigatorButtonState(button);
}

TuiPCNavigatorPosition TuiPCPainterParentInfo::NavigatorPosition() const {
    return FControl.NavigatorPosition();
}

vcl::TColor TuiPCPainterParentInfo::TabColor(int32_t visibleIndex) const {
    const vcl::TColor color = VisibleTab(visibleIndex).Color();
    if (color == vcl::clDefault &&
        (FControl.Options().Contains(pcoUsePageColorForTab) || FControl.Painter().UsesPageColorForTabs())) {
        return FControl.Painter().GetPageColor();
    }
    return color;
}

TuiTab& TuiPCPainterParentInfo::VisibleTab(int32_t visibleIndex) const {
    return FControl.VisibleTabs().Tab(visibleIndex);
}

rtl::TObject* TuiPCPainterParentInfo::ActivePageObject() const {
    return FControl.GetActivePageObject();
}

// Painter.

TuiPCCustomPainter::TuiPCCustomPainter(TuiCustomTabControl& control)
    : FControl(control), FParentInfo(std::make_unique<TuiPCPainterParentInfo>(control)) {}

TuiPCCustomPainter::~TuiPCCustomPainter() = default;

vcl::TRect TuiPCCustomPainter::GetTabCorrection(int32_t /*visibleIndex*/) {
    return {};
}

TuiPCDistances TuiPCCustomPainter::GetTabsDistance() {
    return {};
}

int32_t TuiPCCustomPainter::GetButtonsDistance(TuiPCNavigatorButton /*button*/, TuiPCNavigatorButton /*next*/) {
    return 0;
}

int32_t TuiPCCustomPainter::GetButtonsToTabsDistance() {
    return 0;
}

int32_t TuiPCCustomPainter::GetButtonsEdgeOffset() {
    return 0;
}

int32_t TuiPCCustomPainter::GetButtonsEndOffset() {
    return 0;
}

int32_t TuiPCCustomPainter::GetFrameWidth() {
    return 0;
}

bool TuiPCCustomPainter::HasFrame() {
    return ParentInfo().ShowFrame();
}

vcl::TRect TuiPCCustomPainter::GetTabStripMargins() {
    return {};
}

vcl::TRect TuiPCCustomPainter::GetTabsAreaExtents() {
    const TuiPCPainterParentInfo& info = ParentInfo();
    if (info.HideTabs() || info.RowCount() == 0) {
        return {};
    }
    const bool horizontalLine = info.TabPosition() == tpTop || info.TabPosition() == tpBottom;
    const vcl::TRect& front = info.FrontRowsClipRect();
    const vcl::TRect& back = info.BackRowsClipRect();
    const int32_t nearExtent = info.FrontRowCount() > 0 ? (horizontalLine ? front.Bottom : front.Right) : 0;
    const int32_t farExtent = info.FrontRowCount() < info.RowCount()
                                  ? (horizontalLine ? info.Height() - back.Top : info.Width() - back.Left)
                                  : 0;
    const bool tabSideIsNear = info.TabPosition() == tpTop || info.TabPosition() == tpLeft;
    return {0, tabSideIsNear ? nearExtent : farExtent, 0, tabSideIsNear ? farExtent : nearExtent};
}

vcl::TRect TuiPCCustomPainter::GetPageClientExtents() {
    vcl::TRect extents = GetTabsAreaExtents();
    if (HasFrame()) {
        const int32_t frame = GetFrameWidth();
        extents = {extents.Left + frame, extents.Top + frame, extents.Right + frame, extents.Bottom + frame};
    }
    return extents;
}

vcl::TRect TuiPCCustomPainter::GetNativeContentOffsets() {
    const HTHEME theme = NativeTheme(totTab);
    const vcl::TRect bounds{0, 0, 100, 100};
    const vcl::TRect content = NativeContentRect(theme, TabPartPane, 0, bounds);
    if (!IsStandardWindowsTheme()) {
        return {content.Left, content.Top, bounds.Right - content.Right, bounds.Bottom - content.Bottom};
    }
    const int32_t margin = ParentInfo().IsTabStripMode() ? 3 : std::max(content.Left, content.Top);
    return {margin, margin, 2 * margin, 2 * margin};
}

vcl::TColor TuiPCCustomPainter::GetPageColor() {
    if (const auto* page = dynamic_cast<const vcl::TControl*>(ParentInfo().ActivePageObject())) {
        if (!page->ParentColor()) {
            return page->Color();
        }
    }
    return GetDefaultPageColor();
}

vcl::TColor TuiPCCustomPainter::GetDefaultPageColor() {
    return ParentInfo().Color();
}

vcl::TColor TuiPCCustomPainter::GetTabOwnColor(int32_t visibleIndex) {
    return ParentInfo().TabColor(visibleIndex);
}

vcl::TColor TuiPCCustomPainter::GetTabTextColor(int32_t visibleIndex) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    if (tab.Highlighted()) {
        if (!IsNativePainting()) {
            return vcl::clHighlightText;
        }
        const std::optional<vcl::TColor> themed =
            NativeColor(NativeTheme(totTab), TabPartItem, NativeTabItemState(tab), uxPropertyTextColor);
        return themed ? *themed : ParentInfo().Font().Color();
    }
    return tab.IsHotTracked() ? uiPCHotLightColor : vcl::clBtnText;
}

std::unique_ptr<TuiRegion> TuiPCCustomPainter::GetTabClipRegion(int32_t visibleIndex) {
    return std::make_unique<TuiRegion>(ParentInfo().VisibleTab(visibleIndex).GetVisibleRect());
}

TuiRegionOperation TuiPCCustomPainter::GetTabClipOperation(int32_t /*visibleIndex*/) {
    return TuiRegionOperation::Intersection;
}

void TuiPCCustomPainter::Paint() {
    DrawContent();
}

void TuiPCCustomPainter::DrawContent() {
    TuiCanvas& canvas = ParentInfo().Canvas();
    if (!ParentInfo().HideTabs()) {
        DrawNavigatorButtons();
        const std::unique_ptr<TuiRegion> outsidePage = canvas.CopyClipRegion();
        outsidePage->CombineWith(TuiRegion(GetPageBoundsRect()), TuiRegionOperation::Difference);
        if (!outsidePage->IsEmpty()) {
            DrawTabs();
        }
    }
    DrawPageArea();
}

void TuiPCCustomPainter::DrawPageArea() {
    if (HasFrame()) {
        DrawFrame();
    }
    FillBackground();
    ParentInfo().Canvas().ExcludeClipArea(GetPageBoundsRect());
}

void TuiPCCustomPainter::FillBackground() {
    TuiCanvas& canvas = ParentInfo().Canvas();
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.FillRectColor(GetPageClientRect(), GetPageColor());
}

void TuiPCCustomPainter::DrawTabText(TuiCanvas& canvas, rtl::UnicodeStringView text, int32_t visibleIndex,
                                     const vcl::TRect& rect) {
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const uint16_t flags = tfSingleLine | tfShowPrefix | tfAlignLeft | tfAlignVCenter;
    if (IsNativePainting() && tab.IsEnabled() && AreVisualStylesActive()) {
        canvas.Canvas().RequireFont();
        UxTheme().DrawThemeText(NativeTheme(totTab), canvas.Handle(), TabPartItem, NativeTabItemState(tab), text,
                                TextFlagsToDrawTextFlags(flags), 0, rect);
        return;
    }
    canvas.DrawText(text, rect, flags, !(DrawsEmbossedDisabledText() && !tab.IsEnabled()));
}

void TuiPCCustomPainter::CallDrawTabHook(int32_t visibleIndex) {
    FControl.DrawTabHook(ParentInfo().Canvas(), ParentInfo().VisibleTab(visibleIndex), FTabContentData);
}

void TuiPCCustomPainter::GetNativeTabPartAndState(int32_t /*visibleIndex*/, int32_t& part, int32_t& state) {
    part = 0;
    state = 0;
}

void TuiPCCustomPainter::InvalidateTab(int32_t visibleIndex) {
    InvalidateRect(ParentInfo().VisibleTab(visibleIndex).GetVisibleRect());
}

vcl::TRect TuiPCCustomPainter::GetPageClientRect() {
    return ClientRectLess(GetPageClientExtents());
}

vcl::TRect TuiPCCustomPainter::GetPageBoundsRect() {
    return ClientRectLess(GetTabsAreaExtents());
}

vcl::TRect TuiPCCustomPainter::ClientRectLess(const vcl::TRect& extents) const {
    vcl::TRect rect = DeflateRectByMargins({0, 0, FControl.Width(), FControl.Height()}, TurnMarginsToTabSide(extents));
    rect.Right = std::max(rect.Right, rect.Left);
    rect.Bottom = std::max(rect.Bottom, rect.Top);
    return rect;
}

vcl::TSize TuiPCCustomPainter::GetImageSize() const {
    const vcl::TCustomImageList* images = FControl.Images();
    if (!images || images->Width() <= 0 || images->Height() <= 0) {
        return {0, 0};
    }
    return {images->Width(), images->Height()};
}

bool TuiPCCustomPainter::HasImages() const {
    return GetImageSize().cx > 0;
}

bool TuiPCCustomPainter::IsTabImageVisible(int32_t visibleIndex) const {
    return HasImages() && FControl.GetTabImageIndex(ParentInfo().VisibleTab(visibleIndex).Index()) != -1;
}

bool TuiPCCustomPainter::IsOwnerDraw() const {
    return FControl.OwnerDraw() && static_cast<bool>(FControl.OnDrawTab());
}

bool TuiPCCustomPainter::DoDrawTab(int32_t visibleIndex) {
    bool defaultDraw = true;
    FControl.OnDrawTab()(&FControl, &ParentInfo().VisibleTab(visibleIndex), defaultDraw);
    return !defaultDraw;
}

vcl::TRect TuiPCCustomPainter::TurnMarginsToTabSide(const vcl::TRect& margins) const {
    return TurnMargins(margins, ParentInfo().TabPosition());
}

vcl::TRect TuiPCCustomPainter::TurnMargins(const vcl::TRect& margins, TuiTabPosition side) {
    const vcl::TRect& m = margins;
    switch (side) {
    case tpBottom:
        return {m.Left, m.Bottom, m.Right, m.Top};
    case tpLeft:
        return {m.Top, m.Left, m.Bottom, m.Right};
    case tpRight:
        return {m.Bottom, m.Left, m.Top, m.Right};
    default:
        return m;
    }
}

vcl::TRect TuiPCCustomPainter::TurnMarginsFromTabSide(const vcl::TRect& margins) const {
    const vcl::TRect& m = margins;
    if (ParentInfo().TabPosition() == tpRight) {
        return {m.Top, m.Right, m.Bottom, m.Left};
    }
    // The other turns are their own inverses.
    return TurnMarginsToTabSide(m);
}

vcl::TRect TuiPCCustomPainter::GrowTowardPage(const vcl::TRect& rect, TuiTabPosition side, int32_t amount) {
    switch (side) {
    case tpTop:
        return {rect.Left, rect.Top, rect.Right, rect.Bottom + amount};
    case tpBottom:
        return {rect.Left, rect.Top - amount, rect.Right, rect.Bottom};
    case tpLeft:
        return {rect.Left, rect.Top, rect.Right + amount, rect.Bottom};
    default:
        return {rect.Left - amount, rect.Top, rect.Right, rect.Bottom};
    }
}

void TuiPCCustomPainter::DrawPolyline(TuiCanvas& canvas, std::initializer_list<vcl::TPoint> points, vcl::TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Polyline(std::span<const vcl::TPoint>(points.begin(), points.size()));
    const vcl::TPoint last = *(points.end() - 1);
    canvas.SetPixel(last.X, last.Y, color);
}

void TuiPCCustomPainter::InvalidateRect(const vcl::TRect& rect, bool erase) {
    FControl.InvalidateRect(rect, erase);
}

} // namespace ui
