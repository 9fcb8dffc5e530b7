#include "ui/grid/tableview/controller/uiGridTableEditingController.h"

#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridNewItemRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

#include <algorithm>

namespace ui {

namespace {

// The editor keeps a pixel outside the cell's content, within the rows area's right and bottom edges; nothing when
// the cell lies outside the area.
vcl::TRect EditorBoundsInArea(const vcl::TRect& content, const vcl::TRect& area) {
    const vcl::TRect bounds{content.Left - 1, content.Top - 1, std::min(content.Right + 1, area.Right),
                            std::min(content.Bottom + 1, area.Bottom)};
    if (bounds.Right <= area.Left || bounds.Bottom <= area.Top || bounds.Left >= area.Right ||
        bounds.Top >= area.Bottom) {
        return {};
    }
    return bounds;
}

} // namespace

TuiGridTableEditingController::TuiGridTableEditingController(TuiGridTableController& controller)
    : TuiGridEditingController(controller) {}

TuiGridTableView& TuiGridTableEditingController::GridTableView() const {
    return static_cast<TuiGridTableView&>(TableView());
}

TuiGridFilterRow* TuiGridTableEditingController::FocusedFilterRow() const {
    auto& viewData = static_cast<TuiGridViewData&>(TableView().ViewData());
    TuiGridFilterRow* filterRow = viewData.HasFilterRow() ? viewData.FilterRow() : nullptr;
    return filterRow != nullptr && filterRow->GetSelected() ? filterRow : nullptr;
}

vcl::TRect TuiGridTableEditingController::SpecialRowCellBounds() const {
    const auto& viewInfo = static_cast<const TuiGridTableViewInfo&>(TableView().ViewInfo());
    const TuiCustomGridRecord* focused = Controller().FocusedRecord();
    for (int32_t position = 0; position < viewInfo.SpecialRowCount(); ++position) {
        const TuiGridNewItemRowViewInfo& row = viewInfo.SpecialRows(position);
        if (row.GridRecord() != focused) {
            continue;
        }
        for (int32_t i = 0; i < viewInfo.ColumnHeaderCount(); ++i) {
            const TuiGridColumnHeaderViewInfo& header = viewInfo.ColumnHeaders(i);
            if (&header.Column() == EditedItem()) {
                const vcl::TRect content = row.ContentBounds();
                const vcl::TRect cell{header.Bounds().Left + 1, content.Top + 1, header.Bounds().Right - 1,
                                      content.Bottom - 1};
                return EditorBoundsInArea(cell, row.ContentBounds());
            }
        }
    }
    return {};
}

vcl::TRect TuiGridTableEditingController::GetEditorBounds() const {
    const auto& viewInfo = static_cast<const TuiGridTableViewInfo&>(TableView().ViewInfo());
    if (!viewInfo.IsCalculated() || EditedItem() == nullptr) {
        return {};
    }
    if (GridTableView().Controller().IsSpecialRowFocused()) {
        return SpecialRowCellBounds();
    }
    const TuiGridDataRowViewInfo* row = viewInfo.RowOfRecord(TableView().DataController().GetFocusedRowIndex());
    if (row == nullptr) {
        return {};
    }
    for (int32_t i = 0; i < row->CellCount(); ++i) {
        const TuiGridDataCellViewInfo& cell = row->Cells(i);
        if (&cell.Column() == EditedItem()) {
            return EditorBoundsInArea(cell.ContentBounds(), viewInfo.Placement().RowsAreaBounds);
        }
    }
    return {};
}

bool TuiGridTableEditingController::CanEditItem(TuiCustomGridTableItem& item) {
    if (FocusedFilterRow() == nullptr) {
        return TuiGridEditingController::CanEditItem(item);
    }
    return item.Visible() && item.Options().Filtering() && TableView().OptionsCustomize().ItemFiltering();
}

rtl::Variant TuiGridTableEditingController::ReadEditValue(TuiCustomGridTableItem& item,
                                                          TuiCustomEditProperties& properties) {
    if (TuiGridFilterRow* filterRow = FocusedFilterRow()) {
        return filterRow->GetValue(item.Index());
    }
    return TuiGridEditingController::ReadEditValue(item, properties);
}

void TuiGridTableEditingController::WriteEditValue(TuiCustomGridTableItem& item, TuiCustomEditProperties& properties,
                                                   const rtl::Variant& value) {
    if (TuiGridFilterRow* filterRow = FocusedFilterRow()) {
        filterRow->SetValue(item.Index(), value);
        return;
    }
    TuiGridEditingController::WriteEditValue(item, properties, value);
}

bool TuiGridTableEditingController::CanModifyEditedItem() {
    return FocusedFilterRow() != nullptr || TuiGridEditingController::CanModifyEditedItem();
}

void TuiGridTableEditingController::PostEditingData() {
    if (FocusedFilterRow() == nullptr) {
        TuiGridEditingController::PostEditingData();
    }
}

} // namespace ui
