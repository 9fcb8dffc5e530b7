#pragma once
// TuiGridTableEditingController: the editing controller of the table view. Its editor lies over the laid-out cell of
// the edited column in the focused row, one pixel outside the cell's content on every side and clipped to the rows
// area; in the filter row and the new-item row over the column's part of the row. In the filter row the editor shows
// and sets the column's filter condition instead of a record's value, and nothing is posted.

#include "ui/grid/customtable/controller/uiGridEditingController.h"

namespace ui {

class TuiGridFilterRow;
class TuiGridTableController;
class TuiGridTableView;

class TuiGridTableEditingController : public TuiGridEditingController {
public:
    explicit TuiGridTableEditingController(TuiGridTableController& controller);

protected:
    vcl::TRect GetEditorBounds() const override;
    // In the filter row: a visible column that can be filtered.
    bool CanEditItem(TuiCustomGridTableItem& item) override;
    rtl::Variant ReadEditValue(TuiCustomGridTableItem& item, TuiCustomEditProperties& properties) override;
    void WriteEditValue(TuiCustomGridTableItem& item, TuiCustomEditProperties& properties,
                        const rtl::Variant& value) override;
    bool CanModifyEditedItem() override;
    void PostEditingData() override;

private:
    TuiGridTableView& GridTableView() const;
    // The filter row while it is focused, else nullptr.
    TuiGridFilterRow* FocusedFilterRow() const;
    // The edited column's part of the focused special row; empty when no special row is focused or laid out.
    vcl::TRect SpecialRowCellBounds() const;
};

} // namespace ui
