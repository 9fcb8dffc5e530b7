#include "ui/grid/tableview/viewinfo/uiGridGroupByBoxViewInfo.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/grid/customtable/uiGridStrs.h"
#include "ui/grid/tableview/layout/uiGridGroupByBoxPlacement.h"
#include "ui/grid/tableview/layout/uiGridTableMetrics.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

#include <algorithm>

namespace ui {

namespace {

constexpr char16_t GroupByBoxMeasuredText[] = u"Qq";

} // namespace

TuiGridGroupByBoxViewInfo::TuiGridGroupByBoxViewInfo(TuiGridTableViewInfo& tableViewInfo)
    : FTableViewInfo(tableViewInfo) {}

TuiGridGroupByBoxViewInfo::~TuiGridGroupByBoxViewInfo() = default;

bool TuiGridGroupByBoxViewInfo::Visible() const {
    return FTableViewInfo.TableView().OptionsView().GroupByBox();
}

void TuiGridGroupByBoxViewInfo::Clear() {
    FHeaders.clear();
    FWidths.clear();
    FItemHeight = 0;
    FBounds = {};
}

std::vector<TuiGridColumn*> TuiGridGroupByBoxViewInfo::GroupedColumns() const {
    TuiGridTableView& view = FTableViewInfo.TableView();
    std::vector<TuiGridColumn*> grouped;
    for (int32_t i = 0; i < view.ItemCount(); ++i) {
        if (view.Columns(i)->GroupIndex() >= 0) {
            grouped.push_back(view.Columns(i));
        }
    }
    std::stable_sort(grouped.begin(), grouped.end(),
                     [](const TuiGridColumn* a, const TuiGridColumn* b) { return a->GroupIndex() < b->GroupIndex(); });
    return grouped;
}

int32_t TuiGridGroupByBoxViewInfo::CalculateHeight() {
    Clear();
    if (!Visible()) {
        return 0;
    }
    for (TuiGridColumn* column : GroupedColumns()) {
        FHeaders.push_back(std::make_unique<TuiGridColumnHeaderViewInfo>(FTableViewInfo, *column, ckGroupByBox));
        FWidths.push_back(HeaderWidth(*column));
        FItemHeight = std::max(FItemHeight, HeaderItemHeight(*column));
    }
    TuiDrawParams params;
    FTableViewInfo.TableView().Styles().ResolveDrawParams(TuiGridTableViewStyles::vsGroupByBox, nullptr, nullptr,
                                                          params);
    const int32_t promptHeight = FTableViewInfo.MeasureText(GroupByBoxMeasuredText, params.Font).cy;
    return GroupByBoxHeight(HeaderCount(), FItemHeight, promptHeight);
}

// The caption with the header's frame, and the sorting mark beside it.
int32_t TuiGridGroupByBoxViewInfo::HeaderWidth(TuiGridColumn& column) const {
    const TuiCustomLookAndFeelPainter& painter = *FTableViewInfo.GridView().LookAndFeelPainter();
    TuiDrawParams params;
    FTableViewInfo.TableView().Styles().GetHeaderParams(&column, params);
    const int32_t text =
        painter.HeaderWidthForText(FTableViewInfo.MeasuringCanvas(), uiAllBorders, column.Caption(), params.Font);
    return text + (column.SortOrder() != soNone ? painter.SortArrowAreaSize().cx : 0);
}

int32_t TuiGridGroupByBoxViewInfo::HeaderItemHeight(TuiGridColumn& column) const {
    TuiDrawParams params;
    FTableViewInfo.TableView().Styles().GetHeaderParams(&column, params);
    const int32_t textHeight = FTableViewInfo.MeasureText(GroupByBoxMeasuredText, params.Font).cy;
    return TableHeaderHeight(0, textHeight, FTableViewInfo.GridView().LookAndFeelPainter()->HeaderFrameWidth());
}

void TuiGridGroupByBoxViewInfo::Calculate(const vcl::TRect& bounds) {
    FBounds = bounds;
    const std::vector<vcl::TRect> places = PlaceGroupByBoxHeaders(bounds, FWidths, FItemHeight);
    for (size_t i = 0; i < FHeaders.size(); ++i) {
        FHeaders[i]->CalculateHeader(places[i], true, true);
    }
}

vcl::TRect TuiGridGroupByBoxViewInfo::PromptBounds() const {
    return {FBounds.Left + GroupByBoxLeftIndent, FBounds.Top, FBounds.Right, FBounds.Bottom};
}

rtl::UnicodeString TuiGridGroupByBoxViewInfo::PromptText() {
    return LoadResStringText(suiGridGroupByBoxCaption);
}

TuiCustomGridHitTest* TuiGridGroupByBoxViewInfo::HitTestAt(vcl::TPoint point) const {
    if (FBounds.IsEmpty() || !FBounds.Contains(point)) {
        return nullptr;
    }
    for (const auto& header : FHeaders) {
        if (header->Bounds().Contains(point)) {
            return header->HitTestAt(point);
        }
    }
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridGroupByBoxHitTest>(point);
    hitTest.SetGridView(&FTableViewInfo.GridView());
    hitTest.SetViewInfo(nullptr);
    return &hitTest;
}

} // namespace ui
