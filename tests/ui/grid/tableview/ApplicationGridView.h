#pragma once
// The application's grid view as its main form describes it, read the way the form resource is read: a grid with one
// level showing a read-only table view of fourteen columns. The grid tests and the acceptance test build it from here.

#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "vcl/forms/Form.h"

namespace ui_test {

class TApplicationGridForm : public vcl::TForm {
    RTL_DECLARE_CLASS(TApplicationGridForm, vcl::TForm)
public:
    using vcl::TForm::TForm;
    ui::TuiGrid* Grid = nullptr;
    ui::TuiGridTableView* View = nullptr;
};

// Reads the grid, its level, the view and its columns into form.
void LoadApplicationGridView(TApplicationGridForm& form);

} // namespace ui_test
