#include "ui/grid/tableview/uiGridTableEditingController.h"

#include "ui/grid/customtable/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableController.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

#include <algorithm>

namespace ui {

TuiGridTableEditingController::TuiGridTableEditingController(TuiGridTableController& controller)
    : TuiGridEditingController(controller) {}

vcl::TRect TuiGridTableEditingController::GetEditorBounds() const {
    const auto& viewInfo = static_cast<const TuiGridTableViewInfo&>(TableView().ViewInfo());
    if (!viewInfo.IsCalculated() || EditedItem() == nullptr) {
        return {};
    }
    const TuiGridDataRowViewInfo* row = viewInfo.RowOfRecord(TableView().DataController().GetFocusedRowIndex());
    if (row == nullptr) {
        return {};
    }
    for (int32_t i = 0; i < row->CellCount(); ++i) {
        const TuiGridDataCellViewInfo& cell = row->Cells(i);
        if (&cell.Column() != EditedItem()) {
            continue;
        }
        const vcl::TRect& rowsArea = viewInfo.Placement().RowsAreaBounds;
        const vcl::TRect content = cell.ContentBounds();
        vcl::TRect bounds{content.Left - 1, content.Top - 1, std::min(content.Right + 1, rowsArea.Right),
                          std::min(content.Bottom + 1, rowsArea.Bottom)};
        if (bounds.Right <= rowsArea.Left || bounds.Bottom <= rowsArea.Top || bounds.Left >= rowsArea.Right ||
            bounds.Top >= rowsArea.Bottom) {
            return {};
        }
        return bounds;
    }
    return {};
}

} // namespace ui
