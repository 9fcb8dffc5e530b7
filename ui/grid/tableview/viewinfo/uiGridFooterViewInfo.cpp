#include "ui/grid/tableview/viewinfo/uiGridFooterViewInfo.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableSummaryItem.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "vcl/system/ExceptionHook.h"

#include <algorithm>

namespace ui {

namespace {

constexpr char16_t FooterMeasuredText[] = u"Qq";
constexpr int32_t FooterTextMargins = 4;

} // namespace

TuiGridFooterViewInfo::TuiGridFooterViewInfo(TuiGridTableViewInfo& tableViewInfo) : FTableViewInfo(tableViewInfo) {}

TuiGridFooterViewInfo::~TuiGridFooterViewInfo() = default;

bool TuiGridFooterViewInfo::Visible() const {
    return FTableViewInfo.TableView().OptionsView().Footer();
}

void TuiGridFooterViewInfo::Clear() {
    FCells.clear();
    FColumns.clear();
    FColumnHeaders.clear();
    FBounds = {};
    FRowCount = 0;
    FMeasures = {};
}

int32_t TuiGridFooterViewInfo::CalculateHeight(std::span<TuiGridColumn* const> visibleColumns) {
    Clear();
    FColumns.assign(visibleColumns.begin(), visibleColumns.end());
    if (!Visible()) {
        return 0;
    }
    ChooseCells(visibleColumns);
    const TuiCustomLookAndFeelPainter& painter = *FTableViewInfo.GridView().LookAndFeelPainter();
    FMeasures.FrameWidth = painter.FooterFrameWidth();
    FMeasures.SeparatorWidth = painter.FooterSeparatorWidth();
    FMeasures.CellSpacing = painter.FooterCellSpacing();
    FMeasures.ItemHeight = MeasureItemHeight() + 2 * FMeasures.CellSpacing;
    FRowCount = FooterRowCount(CellColumns());
    return FooterBandHeight(FMeasures, FRowCount);
}

std::vector<int> TuiGridFooterViewInfo::CellColumns() const {
    std::vector<int> columns;
    columns.reserve(FCells.size());
    for (const TuiGridFooterCell& cell : FCells) {
        columns.push_back(cell.ColumnIndex);
    }
    return columns;
}

void TuiGridFooterViewInfo::ChooseCells(std::span<TuiGridColumn* const> visibleColumns) {
    TuiGridTableView& view = FTableViewInfo.TableView();
    TuiDataSummaryItems& items = view.DataController().Summary().FooterSummaryItems();
    std::vector<int> itemColumns;
    for (int32_t i = 0; i < items.Count(); ++i) {
        TuiDataSummaryItem& item = items.GetItem(i);
        const auto* tableItem = dynamic_cast<const TuiGridTableSummaryItem*>(&item);
        const TuiGridColumn* column = tableItem ? tableItem->Column() : nullptr;
        const auto found = std::find(visibleColumns.begin(), visibleColumns.end(), column);
        const bool shown = column && item.Position() == spFooter && found != visibleColumns.end();
        itemColumns.push_back(shown ? static_cast<int>(found - visibleColumns.begin()) : -1);
    }
    for (const int index : ChooseFooterItems(itemColumns, view.OptionsView().FooterMultiSummaries())) {
        TuiGridFooterCell cell;
        cell.SummaryItem = &items.GetItem(index);
        cell.ColumnIndex = itemColumns[static_cast<size_t>(index)];
        cell.Column = visibleColumns[static_cast<size_t>(cell.ColumnIndex)];
        ProduceText(cell, index);
        cell.ViewInfo =
            std::make_unique<TuiGridFooterCellViewInfo>(FTableViewInfo, *cell.Column, cell.SummaryItem, cell.Text);
        FCells.push_back(std::move(cell));
    }
}

void TuiGridFooterViewInfo::ProduceText(TuiGridFooterCell& cell, int32_t itemIndex) const {
    try {
        cell.Text = FTableViewInfo.TableView().DataController().Summary().GetFooterSummaryText(itemIndex);
    } catch (...) {
        vcl::HandleCurrentException(nullptr);
    }
}

// The tallest line of the cells' fonts, or of the band's font without cells, within the cell frame.
int32_t TuiGridFooterViewInfo::MeasureItemHeight() const {
    TuiGridTableViewStyles& styles = FTableViewInfo.TableView().Styles();
    TuiDrawParams params;
    int32_t textHeight = 0;
    if (FCells.empty()) {
        styles.GetFooterParams(nullptr, nullptr, -1, nullptr, params);
        textHeight = FTableViewInfo.MeasureText(FooterMeasuredText, params.Font).cy;
    }
    for (const TuiGridFooterCell& cell : FCells) {
        styles.GetFooterCellParams(nullptr, cell.Column, -1, cell.SummaryItem, params);
        textHeight = std::max(textHeight, FTableViewInfo.MeasureText(FooterMeasuredText, params.Font).cy);
    }
    const int32_t cellFrame = FTableViewInfo.GridView().LookAndFeelPainter()->FooterCellFrameWidth();
    return textHeight + FooterTextMargins + 2 * cellFrame;
}

void TuiGridFooterViewInfo::Calculate(const vcl::TRect& bounds, std::span<const vcl::TRect> columnHeaders) {
    FBounds = bounds;
    FColumnHeaders.assign(columnHeaders.begin(), columnHeaders.end());
    const std::vector<vcl::TRect> places = PlaceFooterCells(FBounds, FColumnHeaders, CellColumns(), FMeasures);
    for (size_t i = 0; i < FCells.size(); ++i) {
        FCells[i].Bounds = places[i];
        FCells[i].ViewInfo->CalculateInRect(places[i]);
    }
}

void TuiGridFooterViewInfo::Offset(int32_t dx) {
    FBounds = vcl::OffsetRect(FBounds, dx, 0);
    for (vcl::TRect& header : FColumnHeaders) {
        header = vcl::OffsetRect(header, dx, 0);
    }
    for (TuiGridFooterCell& cell : FCells) {
        cell.Bounds = vcl::OffsetRect(cell.Bounds, dx, 0);
        cell.ViewInfo->CalculateInRect(cell.Bounds);
    }
}

vcl::TRect TuiGridFooterViewInfo::SeparatorBounds() const {
    return {FBounds.Left, FBounds.Top, FBounds.Right, std::min(FBounds.Bottom, FBounds.Top + FMeasures.SeparatorWidth)};
}

vcl::TRect TuiGridFooterViewInfo::BordersBounds() const {
    return {FBounds.Left, SeparatorBounds().Bottom, FBounds.Right, FBounds.Bottom};
}

TuiCustomGridHitTest* TuiGridFooterViewInfo::HitTestAt(vcl::TPoint point) const {
    if (FBounds.IsEmpty() || !FBounds.Contains(point)) {
        return nullptr;
    }
    for (const TuiGridFooterCell& cell : FCells) {
        if (cell.Bounds.Contains(point)) {
            return &CellHitTest(point, cell.ColumnIndex, cell.SummaryItem);
        }
    }
    if (const int column = FooterColumnAt(FBounds, FColumnHeaders, FMeasures, point); column >= 0) {
        return &CellHitTest(point, column, nullptr);
    }
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridFooterHitTest>(point);
    hitTest.SetGridView(&FTableViewInfo.GridView());
    return &hitTest;
}

TuiCustomGridHitTest& TuiGridFooterViewInfo::CellHitTest(vcl::TPoint point, int32_t columnIndex,
                                                         TuiDataSummaryItem* item) const {
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridFooterCellHitTest>(point);
    hitTest.SetViewInfo(nullptr);
    hitTest.SetGridView(&FTableViewInfo.GridView());
    hitTest.SetColumn(FColumns.at(static_cast<size_t>(columnIndex)));
    hitTest.SetColumnContainerKind(ckFooter);
    hitTest.SetSummaryItem(item);
    return hitTest;
}

} // namespace ui
