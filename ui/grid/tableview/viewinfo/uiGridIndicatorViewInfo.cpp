#include "ui/grid/tableview/viewinfo/uiGridIndicatorViewInfo.h"

#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

namespace ui {

namespace {

// A hit test on a row's indicator item names the row's record.
template <class THitTest>
THitTest& IndicatorRecordHitTest(TuiGridDataRowViewInfo& row, vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<THitTest>(point);
    hitTest.SetGridView(&row.TableViewInfo().GridView());
    hitTest.SetViewInfo(&row);
    hitTest.SetGridRecord(row.GridRecord());
    return hitTest;
}

} // namespace

TuiGridIndicatorKind IndicatorKindOf(const TuiGridIndicatorRowState& state) {
    if (state.FilterRow) {
        return ikFilter;
    }
    if (state.NewItemRow) {
        return ikInsert;
    }
    if (state.Editing) {
        return state.Inserting ? ikInsert : ikEdit;
    }
    const bool multi = state.MultiSelect && state.Selected;
    if (state.Focused) {
        return multi ? ikMultiArrow : ikArrow;
    }
    return multi ? ikMultiDot : ikNone;
}

bool TuiGridIndicatorViewInfo::Visible() const {
    TuiGridTableView& view = FTableViewInfo.TableView();
    return view.OptionsView().Indicator() || view.OptionsCustomize().ColumnsQuickCustomization();
}

int32_t TuiGridIndicatorViewInfo::Width() const {
    return Visible() ? FTableViewInfo.TableView().OptionsView().IndicatorWidth() : 0;
}

const vcl::TRect& TuiGridIndicatorViewInfo::Bounds() const {
    return FTableViewInfo.Placement().IndicatorBounds;
}

vcl::TRect TuiGridIndicatorViewInfo::ItemBeside(const vcl::TRect& band) const {
    const vcl::TRect& bounds = Bounds();
    if (bounds.IsEmpty() || band.Height() <= 0) {
        return {};
    }
    return {bounds.Left, band.Top, bounds.Right, band.Bottom};
}

vcl::TRect TuiGridIndicatorViewInfo::HeaderItemBounds() const {
    return ItemBeside(FTableViewInfo.Placement().HeaderBounds);
}

vcl::TRect TuiGridIndicatorViewInfo::FooterItemBounds() const {
    return ItemBeside(FTableViewInfo.Footer().Bounds());
}

vcl::TRect TuiGridIndicatorViewInfo::RowItemBounds(const TuiGridDataRowViewInfo& row) const {
    return ItemBeside(row.Bounds());
}

TuiGridIndicatorKind TuiGridIndicatorViewInfo::RowKind(const TuiGridDataRowViewInfo& row) const {
    TuiGridTableView& view = FTableViewInfo.TableView();
    TuiCustomDataController& data = view.DataController();
    TuiGridIndicatorRowState state;
    state.Focused = row.IsFocused();
    const TuiDataEditState edit = data.GetEditState();
    state.Editing = state.Focused && (edit.Contains(dceEdit) || edit.Contains(dceInsert));
    state.Inserting = edit.Contains(dceInsert);
    state.Selected = data.IsRowSelected(row.RowIndex());
    state.MultiSelect = view.Controller().MultiSelect();
    return IndicatorKindOf(state);
}

bool TuiGridIndicatorViewInfo::RowsSizable() const {
    return FTableViewInfo.TableView().OptionsCustomize().DataRowSizing();
}

TuiCustomGridHitTest& TuiGridIndicatorViewInfo::HitTest(const TuiGridPlacementSpot& spot, vcl::TPoint point) const {
    TuiCustomGridView& view = FTableViewInfo.GridView();
    TuiGridDataRowViewInfo* row = FTableViewInfo.RowOfRecord(spot.RecordIndex);
    switch (spot.Kind) {
    case TuiGridPlacementSpotKind::RowIndicator:
        if (row) {
            auto& hitTest = IndicatorRecordHitTest<TuiGridRowIndicatorHitTest>(*row, point);
            hitTest.SetMultiSelect(FTableViewInfo.TableView().Controller().MultiSelect());
            return hitTest;
        }
        break;
    case TuiGridPlacementSpotKind::RowSizingEdge:
        if (row) {
            return IndicatorRecordHitTest<TuiGridRowSizingEdgeHitTest>(*row, point);
        }
        break;
    case TuiGridPlacementSpotKind::IndicatorHeader: {
        auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridIndicatorHeaderHitTest>(point);
        hitTest.SetGridView(&view);
        hitTest.SetViewInfo(nullptr);
        return hitTest;
    }
    default:
        break;
    }
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridIndicatorHitTest>(point);
    hitTest.SetGridView(&view);
    hitTest.SetViewInfo(nullptr);
    return hitTest;
}

} // namespace ui
