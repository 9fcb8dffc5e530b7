#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridHeaderAreas.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"

namespace ui {

namespace {

constexpr int32_t HeaderTextVerticalInset = 2;

// The vertical place of an area of height within span, centred.
vcl::TRect CentredVertically(int32_t left, int32_t right, int32_t top, int32_t bottom, int32_t height) {
    const int32_t areaTop = top + (bottom - top - height) / 2;
    return vcl::Rect(left, areaTop, right, areaTop + height);
}

} // namespace

TuiGridColumnHeaderViewInfo::TuiGridColumnHeaderViewInfo(TuiGridTableViewInfo& tableViewInfo, TuiGridColumn& column,
                                                         TuiGridColumnContainerKind container)
    : FTableViewInfo(tableViewInfo), FColumn(column), FContainer(container) {}

const TuiCustomLookAndFeelPainter& TuiGridColumnHeaderViewInfo::Painter() const {
    return *FTableViewInfo.GridView().LookAndFeelPainter();
}

void TuiGridColumnHeaderViewInfo::CalculateHeader(const vcl::TRect& bounds, bool first, bool last) {
    FIsLast = last;
    FNeighbours = {};
    if (!first) {
        FNeighbours.Include(bLeft);
    }
    if (!last) {
        FNeighbours.Include(bRight);
    }
    CalculateInRect(bounds);
    const TuiBorders edges = Painter().HeaderEdges(FNeighbours);
    const int32_t frame = Painter().HeaderFrameWidth();
    FPaintBounds = vcl::Rect(edges.Contains(bLeft) ? bounds.Left : bounds.Left - frame,
                             edges.Contains(bTop) ? bounds.Top : bounds.Top - frame, bounds.Right, bounds.Bottom);
    PlaceCaptionAndSortingMark();
}

void TuiGridColumnHeaderViewInfo::OffsetHeader(int32_t dx) {
    const vcl::TRect& bounds = Bounds();
    CalculateInRect(vcl::Rect(bounds.Left + dx, bounds.Top, bounds.Right + dx, bounds.Bottom));
    FPaintBounds = vcl::OffsetRect(FPaintBounds, dx, 0);
    FCaptionBounds = vcl::OffsetRect(FCaptionBounds, dx, 0);
    if (!FSortingMarkBounds.IsEmpty()) {
        FSortingMarkBounds = vcl::OffsetRect(FSortingMarkBounds, dx, 0);
    }
}

void TuiGridColumnHeaderViewInfo::PlaceCaptionAndSortingMark() {
    const vcl::TRect& bounds = FPaintBounds;
    const vcl::TRect content = Painter().HeaderContentRect(bounds, uiAllBorders);
    const rtl::UnicodeString caption = Text();
    const bool centred = AlignmentHorz() == vcl::taCenter;
    // A centred caption takes its sorting mark along to the middle; any other has it at the right edge.
    std::vector<TuiGridHeaderArea> areas;
    if (HasSortingMark()) {
        areas.push_back({Painter().SortArrowAreaSize().cx, centred ? vcl::taCenter : vcl::taRightJustify, true, true});
    }
    const TuiGridHeaderCaption captionMeasure{centred ? CaptionWidth(caption) : 0, caption.empty(), centred};
    const TuiGridHeaderAreasLayout layout =
        PlaceHeaderAreas({bounds.Left, bounds.Right}, {content.Left, content.Right}, areas, captionMeasure);
    const int32_t top = content.Top + HeaderTextVerticalInset;
    const int32_t bottom = content.Bottom - HeaderTextVerticalInset;
    FCaptionBounds = vcl::Rect(layout.TextArea.Left, top, layout.TextArea.Right, bottom);
    FSortingMarkBounds = areas.empty() ? vcl::TRect{}
                                       : CentredVertically(layout.Areas[0].Left, layout.Areas[0].Right, top, bottom,
                                                           Painter().SortArrowAreaSize().cy);
}

int32_t TuiGridColumnHeaderViewInfo::CaptionWidth(const rtl::UnicodeString& caption) const {
    TuiDrawParams params;
    FTableViewInfo.TableView().Styles().GetHeaderParams(&FColumn, params);
    return FTableViewInfo.MeasureText(caption, params.Font).cx;
}

bool TuiGridColumnHeaderViewInfo::HasSortingMark() const {
    return FColumn.SortOrder() != soNone;
}

bool TuiGridColumnHeaderViewInfo::SortedAscending() const {
    return FColumn.SortOrder() == soAscending;
}

bool TuiGridColumnHeaderViewInfo::IsShownPressed() const {
    return State() == cmsPressed || FTableViewInfo.PressedColumn() == &FColumn;
}

vcl::TRect TuiGridColumnHeaderViewInfo::SizingEdgeBounds() const {
    const vcl::TRect& bounds = Bounds();
    return vcl::Rect(bounds.Right - SizingEdgeHalfWidth, bounds.Top, bounds.Right + SizingEdgeHalfWidth, bounds.Bottom);
}

bool TuiGridColumnHeaderViewInfo::HasSizingEdge() const {
    TuiGridTableView& view = FTableViewInfo.TableView();
    return FContainer == ckHeader && view.OptionsCustomize().ColumnHorzSizing() && FColumn.Options().HorzSizing();
}

TuiCustomGridHitTest* TuiGridColumnHeaderViewInfo::HitTestAt(vcl::TPoint point) {
    if (HasSizingEdge() && SizingEdgeBounds().Contains(point)) {
        auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridColumnHeaderHorzSizingEdgeHitTest>(point);
        hitTest.SetViewInfo(this);
        return &NameColumn(hitTest);
    }
    return GetHitTest(point);
}

TuiCustomGridHitTest* TuiGridColumnHeaderViewInfo::CreateHitTest(vcl::TPoint point) {
    return &NameColumn(TuiCustomGridHitTest::Instance<TuiGridColumnHeaderHitTest>(point));
}

TuiCustomGridColumnHitTest& TuiGridColumnHeaderViewInfo::NameColumn(TuiCustomGridColumnHitTest& hitTest) const {
    hitTest.SetGridView(&FTableViewInfo.GridView());
    hitTest.SetColumn(&FColumn);
    hitTest.SetColumnContainerKind(FContainer);
    return hitTest;
}

vcl::TAlignment TuiGridColumnHeaderViewInfo::GetAlignmentHorz() const {
    return FColumn.HeaderAlignmentHorz();
}

TuiAlignmentVert TuiGridColumnHeaderViewInfo::GetAlignmentVert() const {
    return FColumn.HeaderAlignmentVert();
}

rtl::UnicodeString TuiGridColumnHeaderViewInfo::GetText() const {
    return FColumn.Caption();
}

TuiControl* TuiGridColumnHeaderViewInfo::GetControl() const {
    return &FTableViewInfo.Site();
}

bool TuiGridColumnHeaderViewInfo::HotTrack() const {
    return Painter().HotTracksHeaders();
}

void TuiGridColumnHeaderViewInfo::Invalidate() {
    FTableViewInfo.Site().InvalidateRect(Bounds(), false);
}

} // namespace ui
