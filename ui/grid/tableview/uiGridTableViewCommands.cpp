// The table view's part of the commands on its columns: the columns copying lists, a column's best fit measured on
// the site's canvas, and the controller that works them.

#include "rtl/text/CodePages.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/layout/uiGridColumnBestFit.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <algorithm>

namespace ui {

TuiGridTableController& TuiGridTableView::Controller() {
    return static_cast<TuiGridTableController&>(TuiCustomGridView::Controller());
}

std::unique_ptr<TuiCustomGridController> TuiGridTableView::CreateController() {
    return std::make_unique<TuiGridTableController>(*this);
}

void TuiGridTableView::GetItemsForCopy(std::vector<TuiCustomGridTableItem*>& items, bool copyAll) {
    TuiCustomGridTableView::GetItemsForCopy(items, copyAll);
    if (copyAll || !OptionsSelection().CellMultiSelect()) {
        return;
    }
    const TuiGridTableController& controller = Controller();
    std::erase_if(items, [&](TuiCustomGridTableItem* item) {
        return !controller.IsColumnSelected(static_cast<TuiGridColumn*>(item));
    });
}

int32_t TuiGridTableView::CalculateItemBestFitWidth(TuiCustomGridTableItem& item) {
    TuiCanvas& canvas = ViewInfo().Canvas();
    auto& tableViewInfo = static_cast<TuiGridTableViewInfo&>(ViewInfo());
    const int32_t headerWidth =
        TuiGridColumnHeaderViewInfo(tableViewInfo, static_cast<TuiGridColumn&>(item), ckHeader).BestFitWidth();
    TuiGridDataController& dataController = DataController();
    const TuiGridBestFitRows rows = BestFitRows(dataController.GetRowCount(), Controller().TopRecordIndex(),
                                                OptionsBehavior().BestFitMaxRecordCount());
    int32_t widestCell = 0;
    for (int32_t row = rows.First; row <= rows.Last; ++row) {
        const rtl::AnsiString text = dataController.GetRowDisplayText(dataController.GetRowInfo(row), item.Index());
        widestCell = std::max(widestCell, CellBestFitWidth(canvas.GetTextWidth(rtl::AnsiToUnicode(text))));
    }
    return ColumnBestFitWidth(headerWidth, widestCell, item.BestFitMaxWidth());
}

bool TuiGridTableView::CanItemHorzSize(TuiCustomGridTableItem& item) {
    return OptionsCustomize().ColumnHorzSizing() && static_cast<TuiGridColumn&>(item).Options().HorzSizing();
}

void TuiGridTableView::ItemBestFitApplied(TuiCustomGridTableItem& item, bool fireEvents) {
    if (fireEvents) {
        DoColumnSizeChanged(static_cast<TuiGridColumn*>(&item));
    }
}

void TuiGridTableView::ItemRemoving(TuiCustomGridTableItem* item) {
    Controller().ItemRemoved(item);
    if (!ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        static_cast<TuiGridTableViewInfo&>(ViewInfo()).ItemRemoving(item);
    }
}

vcl::TRect TuiGridTableView::GetRecordBounds(int32_t rowIndex, const TuiCustomGridTableItem* item) {
    const TuiGridDataRowViewInfo* row = static_cast<TuiGridTableViewInfo&>(ViewInfo()).RowOfRecord(rowIndex);
    if (!row || !item) {
        return row ? row->Bounds() : vcl::TRect{};
    }
    for (int32_t i = 0; i < row->CellCount(); ++i) {
        if (&row->Cells(i).Column() == item) {
            return row->Cells(i).Bounds();
        }
    }
    return {};
}

} // namespace ui
