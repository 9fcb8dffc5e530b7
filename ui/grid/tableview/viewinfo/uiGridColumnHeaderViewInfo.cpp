#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridHeaderAreas.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

constexpr int32_t HeaderTextVerticalInset = 2;

// The vertical place of an area of height (0: all of it) within top and bottom.
vcl::TRect AlignedVertically(int32_t left, int32_t right, int32_t top, int32_t bottom, int32_t height,
                             TuiAlignmentVert alignment) {
    if (height <= 0) {
        return vcl::Rect(left, top, right, bottom);
    }
    int32_t areaTop = top + (bottom - top - height) / 2;
    if (alignment == vaTop) {
        areaTop = top;
    } else if (alignment == vaBottom) {
        areaTop = bottom - height;
    }
    return vcl::Rect(left, areaTop, right, areaTop + height);
}

// A condition of list or of its groups filters the column (through its field).
bool HasConditionOn(const TuiFilterCriteriaItemList& list, const rtl::TObject* column) {
    for (int32_t i = 0; i < list.GetCount(); ++i) {
        const TuiCustomFilterCriteriaItem* entry = list.GetItem(i);
        if (entry->IsItemList() ? HasConditionOn(static_cast<const TuiFilterCriteriaItemList&>(*entry), column)
                                : static_cast<const TuiFilterCriteriaItem*>(entry)->GetItemLinkValue() == column) {
            return true;
        }
    }
    return false;
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
    PlaceCaptionAndAreas();
}

void TuiGridColumnHeaderViewInfo::OffsetHeader(int32_t dx) {
    const vcl::TRect& bounds = Bounds();
    CalculateInRect(vcl::Rect(bounds.Left + dx, bounds.Top, bounds.Right + dx, bounds.Bottom));
    FPaintBounds = vcl::OffsetRect(FPaintBounds, dx, 0);
    FCaptionBounds = vcl::OffsetRect(FCaptionBounds, dx, 0);
    for (vcl::TRect* area : {&FSortingMarkBounds, &FFilterButtonBounds, &FGlyphBounds}) {
        if (!area->IsEmpty()) {
            *area = vcl::OffsetRect(*area, dx, 0);
        }
    }
}

// The areas beside the caption in their order, each with the height it takes (0: the text area's) and its vertical
// alignment. A centred caption takes its sorting mark along to the middle; any other has it at the right edge.
std::vector<TuiGridColumnHeaderViewInfo::TAreaEntry> TuiGridColumnHeaderViewInfo::AreaEntries() const {
    std::vector<TAreaEntry> entries;
    if (ShowsFilterButton()) {
        const vcl::TSize size = Painter().FilterDropDownSize();
        entries.push_back({{size.cx, vcl::taRightJustify, true, true},
                           &TuiGridColumnHeaderViewInfo::FFilterButtonBounds,
                           size.cy,
                           vaCenter});
    }
    if (HasSortingMark()) {
        const vcl::TSize size = Painter().SortArrowAreaSize();
        const vcl::TAlignment alignment = GetAlignmentHorz() == vcl::taCenter ? vcl::taCenter : vcl::taRightJustify;
        entries.push_back(
            {{size.cx, alignment, true, true}, &TuiGridColumnHeaderViewInfo::FSortingMarkBounds, size.cy, vaCenter});
    }
    if (HasGlyph()) {
        const vcl::TBitmap& glyph = FColumn.HeaderGlyph();
        entries.push_back({{glyph.Width(), FColumn.HeaderGlyphAlignmentHorz(), true, true},
                           &TuiGridColumnHeaderViewInfo::FGlyphBounds,
                           glyph.Height(),
                           FColumn.HeaderGlyphAlignmentVert()});
    }
    return entries;
}

void TuiGridColumnHeaderViewInfo::PlaceCaptionAndAreas() {
    const vcl::TRect& bounds = FPaintBounds;
    const vcl::TRect content = Painter().HeaderContentRect(bounds, uiAllBorders);
    const rtl::UnicodeString caption = Text();
    const bool centred = AlignmentHorz() == vcl::taCenter;
    FFilterButtonBounds = FSortingMarkBounds = FGlyphBounds = {};
    const std::vector<TAreaEntry> entries = AreaEntries();
    std::vector<TuiGridHeaderArea> areas;
    for (const TAreaEntry& entry : entries) {
        areas.push_back(entry.Area);
    }
    const TuiGridHeaderCaption captionMeasure{centred ? CaptionWidth(caption) : 0, caption.empty(), centred};
    const TuiGridHeaderAreasLayout layout =
        PlaceHeaderAreas({bounds.Left, bounds.Right}, {content.Left, content.Right}, areas, captionMeasure);
    const int32_t top = content.Top + HeaderTextVerticalInset;
    const int32_t bottom = content.Bottom - HeaderTextVerticalInset;
    FCaptionBounds = vcl::Rect(layout.TextArea.Left, top, layout.TextArea.Right, bottom);
    for (size_t i = 0; i < entries.size(); ++i) {
        const TuiGridHeaderSpan& span = layout.Areas[i];
        this->*entries[i].Place =
            AlignedVertically(span.Left, span.Right, top, bottom, entries[i].Height, entries[i].Alignment);
    }
}

// The frame, the caption with its margins, and every area that takes its room from the caption, with the gap a
// caption keeps from an area on each side where one stands.
int32_t TuiGridColumnHeaderViewInfo::BestFitWidth() const {
    TuiCanvas& canvas = FTableViewInfo.MeasuringCanvas();
    int32_t width =
        Painter().HeaderWidthForText(canvas, TuiBorders{bLeft, bRight}, u"", nullptr) + CaptionWidth(GetText());
    const bool centred = GetAlignmentHorz() == vcl::taCenter;
    bool roomTakenLeft = false;
    bool roomTakenRight = false;
    for (const TAreaEntry& entry : AreaEntries()) {
        if (!entry.Area.TakesRoomFromText) {
            continue;
        }
        width += entry.Area.Width;
        roomTakenLeft |= entry.Area.Alignment == vcl::taLeftJustify;
        roomTakenRight |= entry.Area.Alignment == vcl::taRightJustify;
        // A centred area stands beside a centred caption only where both fit with the caption's insets to spare;
        // with less room it is centred over the caption.
        if (centred && entry.Area.Alignment == vcl::taCenter) {
            width += 2 * HeaderTextInset + 1;
        }
    }
    return width + (roomTakenLeft ? HeaderCaptionGap : 0) + (roomTakenRight ? HeaderCaptionGap : 0);
}

int32_t TuiGridColumnHeaderViewInfo::CaptionHeight() const {
    if (!GetMultiLine()) {
        TuiDrawParams params;
        FTableViewInfo.TableView().Styles().GetHeaderParams(&FColumn, params);
        return FTableViewInfo.MeasureText(u"Qq", params.Font).cy;
    }
    const rtl::UnicodeString caption = Text();
    return WrappedCaptionSize(caption.empty() ? u"Qq" : caption).cy;
}

bool TuiGridColumnHeaderViewInfo::IsCaptionCut() const {
    const rtl::UnicodeString caption = Text();
    if (caption.empty()) {
        return false;
    }
    if (!MultiLinePainting()) {
        return CaptionWidth(caption) > FCaptionBounds.Width();
    }
    const vcl::TSize wrapped = WrappedCaptionSize(caption);
    return wrapped.cy > FCaptionBounds.Height() || wrapped.cx > FCaptionBounds.Width();
}

vcl::TSize TuiGridColumnHeaderViewInfo::WrappedCaptionSize(rtl::UnicodeStringView caption) const {
    TuiDrawParams params;
    FTableViewInfo.TableView().Styles().GetHeaderParams(&FColumn, params);
    TuiCanvas& canvas = FTableViewInfo.MeasuringCanvas();
    canvas.PushState();
    if (params.Font) {
        canvas.SetFont(*params.Font);
    }
    vcl::TRect rect = vcl::Rect(0, 0, std::max(FCaptionBounds.Width(), 1), 0);
    canvas.MeasureTextRect(caption, rect, tfWordBreak);
    canvas.PopState();
    return {rect.Width(), rect.Height()};
}

int32_t TuiGridColumnHeaderViewInfo::CaptionWidth(const rtl::UnicodeString& caption) const {
    TuiDrawParams params;
    FTableViewInfo.TableView().Styles().GetHeaderParams(&FColumn, params);
    return FTableViewInfo.MeasureText(caption, params.Font).cx;
}

bool TuiGridColumnHeaderViewInfo::HasSortingMark() const {
    return FColumn.SortOrder() != soNone;
}

bool TuiGridColumnHeaderViewInfo::CanShowFilterButton() const {
    return FTableViewInfo.TableView().OptionsCustomize().ColumnFiltering() && FColumn.Options().Filtering();
}

bool TuiGridColumnHeaderViewInfo::ShowsFilterButton() const {
    return CanShowFilterButton() &&
           (FTableViewInfo.TableView().OptionsView().ShowColumnFilterButtons() == sfbAlways || State() != cmsNormal);
}

TuiButtonState TuiGridColumnHeaderViewInfo::FilterButtonState() const {
    return FFilterButtonHot ? uibsHot : uibsNormal;
}

bool TuiGridColumnHeaderViewInfo::MouseMove(TuiCustomGridHitTest& hitTest, vcl::TShiftState shift) {
    const bool handled = TuiCustomGridCellViewInfo::MouseMove(hitTest, shift);
    const bool overButton = hitTest.ViewInfo() == this &&
                            dynamic_cast<const TuiGridColumnHeaderFilterButtonHitTest*>(&hitTest) != nullptr &&
                            HasFilterButton();
    if (overButton != FFilterButtonHot) {
        FFilterButtonHot = overButton;
        Invalidate();
    }
    return handled;
}

void TuiGridColumnHeaderViewInfo::StateChanged(TuiGridCellMouseState oldState) {
    if (State() == cmsNormal) {
        FFilterButtonHot = false;
    }
    if (ShowsFilterButton() != HasFilterButton()) {
        PlaceCaptionAndAreas();
    }
    TuiCustomGridCellViewInfo::StateChanged(oldState);
}

bool TuiGridColumnHeaderViewInfo::IsFiltered() const {
    return HasConditionOn(FTableViewInfo.TableView().DataController().Filter().Root(), &FColumn);
}

bool TuiGridColumnHeaderViewInfo::HasGlyph() const {
    return !FColumn.HeaderGlyph().Empty();
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
    if (FFilterButtonBounds.Contains(point)) {
        auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridColumnHeaderFilterButtonHitTest>(point);
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

bool TuiGridColumnHeaderViewInfo::GetMultiLine() const {
    return FContainer == ckHeader && FTableViewInfo.TableView().OptionsView().HeaderAutoHeight();
}

bool TuiGridColumnHeaderViewInfo::GetMultiLinePainting() const {
    return GetMultiLine() || FTableViewInfo.TableView().OptionsView().HeaderHeight() != 0;
}

bool TuiGridColumnHeaderViewInfo::ShowEndEllipsis() const {
    return FTableViewInfo.TableView().OptionsView().HeaderEndEllipsis();
}

TuiControl* TuiGridColumnHeaderViewInfo::GetControl() const {
    return &FTableViewInfo.Site();
}

bool TuiGridColumnHeaderViewInfo::HotTrack() const {
    return Painter().HotTracksHeaders() ||
           (CanShowFilterButton() && FTableViewInfo.TableView().OptionsView().ShowColumnFilterButtons() != sfbAlways);
}

void TuiGridColumnHeaderViewInfo::Invalidate() {
    FTableViewInfo.Site().InvalidateRect(Bounds(), false);
}

} // namespace ui
