#pragma once
// The main window's grid as the view an import fills: its batches of changes are the table view's.

#include "app/invoice/SalesListImport.h"

namespace ui {
class TuiGridTableView;
} // namespace ui

namespace app {

class TGridSalesListView final : public ISalesListView {
public:
    explicit TGridSalesListView(ui::TuiGridTableView& view) : FView(view) {}

    void BeginUpdate() override;
    void EndUpdate() override;
    void ApplyBestFit() override;

private:
    ui::TuiGridTableView& FView;
};

} // namespace app
