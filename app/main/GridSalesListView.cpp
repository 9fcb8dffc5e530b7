#include "app/main/GridSalesListView.h"

#include "ui/grid/tableview/uiGridTableView.h"

namespace app {

void TGridSalesListView::BeginUpdate() {
    FView.BeginUpdate();
}

void TGridSalesListView::EndUpdate() {
    FView.EndUpdate();
}

void TGridSalesListView::ApplyBestFit() {
    FView.ApplyBestFit(nullptr, false, false);
}

} // namespace app
