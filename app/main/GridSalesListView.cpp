#include "app/main/GridSalesListView.h"

#include "ui/grid/tableview/uiGridTableView.h"

namespace app {

void TGridSalesListView::BeginUpdate() {
    FView.BeginUpdate();
}

void TGridSalesListView::EndUpdate() {
    FView.EndUpdate();
}

// The table view cannot fit its columns to their contents yet: the columns keep the widths the window gives them.
void TGridSalesListView::ApplyBestFit() {}

} // namespace app
