#pragma once
// TuiGridTableEditingController: the editing controller of the table view. Its editor lies over the laid-out cell of
// the edited column in the focused row, one pixel outside the cell's content on every side and clipped to the rows
// area.

#include "ui/grid/customtable/uiGridEditingController.h"

namespace ui {

class TuiGridTableController;

class TuiGridTableEditingController : public TuiGridEditingController {
public:
    explicit TuiGridTableEditingController(TuiGridTableController& controller);

protected:
    vcl::TRect GetEditorBounds() const override;
};

} // namespace ui
