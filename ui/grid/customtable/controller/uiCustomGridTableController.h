#pragma once
// TuiCustomGridTableController: the input of a view of records. It keeps the focused item and the top record,
// moves the focus between records, turns clicks and keys into selection changes, pages through the records and
// carries out the view's key commands (pages, select all, copy) and the incremental search of typed characters. Focus
// and selection themselves live in the data controller; rows here are the data controller's rows, which the view shows
// from the top record down.

#include "ui/grid/customtable/controller/uiGridIncSearch.h"
#include "ui/grid/view/uiGridController.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiCustomGridRecord;
class TuiCustomGridTableItem;
class TuiCustomGridTableView;
class TuiGridDataController;
class TuiGridEditingController;

class TuiCustomGridTableController : public TuiCustomGridController {
public:
    explicit TuiCustomGridTableController(TuiCustomGridTableView& gridView);
    ~TuiCustomGridTableController() override;

    TuiCustomGridTableView& TableView() const;
    TuiGridDataController& DataController() const;

    TuiCustomGridTableItem* FocusedItem() const { return FFocusedItem; }
    // Made on first use.
    TuiGridEditingController& EditingController();
    bool HasEditingController() const { return FEditingController != nullptr; }
    // The editor closes (accepting) when the focused record changed and the editing controller asks for it.
    void FocusedRecordChanged();
    // With AlwaysShowEditor the focused item's editor is shown (over the focused record) while the grid has the focus.
    void ReviewEditor();
    // Enter in the editor after it closed: the grid's Enter, as a key the focused record does not see.
    void HandleEditorEnterKey(uint16_t& key, vcl::TShiftState shift);
    // A hidden item or one of another view is refused; the same item again is only brought into view. Another item
    // closes the editor, accepting its value, unless the editing controller is making it the edited item.
    void SetFocusedItem(TuiCustomGridTableItem* item);
    // The view dropped an item: it is no longer focused.
    virtual void ItemRemoved(TuiCustomGridTableItem* item);

    int32_t TopRecordIndex() const { return FTopRecordIndex; }
    // Clamped: negative gives 0, past the end the highest top that still fills the page.
    void SetTopRecordIndex(int32_t value);
    int32_t MaxTopRecordIndex();
    // The rows a page shows whole from first down (or up to first); at least the first when it is cut.
    virtual int32_t PageVisibleRecordCount(int32_t first, bool downward) = 0;
    // From the top record down.
    int32_t VisibleRecordCount() { return PageVisibleRecordCount(FTopRecordIndex, true); }
    // The top moves as little as needed for the row to be shown whole.
    void BringRecordIntoView(int32_t rowIndex);

    // Focuses the row and brings it into view; whether the data controller took it. Without a selection anchor the
    // anchor is set at the new row.
    bool FocusRowAt(int32_t rowIndex);
    // The record keys: whether the focus moved; with extendSelection the selection runs from the anchor to the row.
    bool GoToPrevRecord(bool extendSelection);
    bool GoToNextRecord(bool extendSelection);
    bool GoToFirstRecord(bool extendSelection);
    bool GoToLastRecord(bool extendSelection);
    // The focused row goes to the last (first) visible row; when it is there already, a page scrolls first.
    void GoToNextPage(bool extendSelection);
    void GoToPrevPage(bool extendSelection);

    bool MultiSelect() const;
    // A press on a row: the plain, Ctrl, Shift and Shift+Ctrl rules; an already selected row pressed without Shift
    // keeps the selection until the button comes up, so that a drag can start.
    virtual void SelectOnMouseDown(int32_t rowIndex, vcl::TMouseButton button, vcl::TShiftState shift);
    virtual void SelectOnMouseUp(int32_t rowIndex, vcl::TShiftState shift);
    // After a key moved the focus or was Space, Page Up or Page Down.
    virtual void SelectOnKey(uint16_t key, vcl::TShiftState shift);
    virtual void SelectFocusedRecordOnly();
    virtual void SelectAll();
    virtual void ClearSelection();

    // Tab under FocusCellOnTab, Enter under GoToNextCellOnEnter, Escape while a record is edited.
    bool WantsDialogKey(uint16_t key) override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void KeyPress(char16_t& key) override;
    // With Deleting on and a provider that deletes: after the user confirms (DeletingConfirmation), the selected
    // records when more than the focused one is selected, else the focused record.
    void DeleteWithConfirmation();
    // The record of the data controller's focused row; nullptr when no row is focused.
    virtual TuiCustomGridRecord* FocusedRecord() const;
    TuiGridIncSearch& IncSearch() { return FIncSearch; }

    // Page keys, Tab and Enter cell steps, Escape, Delete, Ctrl+A, Ctrl+C and Ctrl+Insert, then the focused record's
    // own keys; a key handled is cleared.
    virtual void HandleGridKey(uint16_t& key, vcl::TShiftState shift);

protected:
    virtual std::unique_ptr<TuiGridEditingController> CreateEditingController();
    // The top record is clamped again to the records the view now has.
    void CheckCoordinates() override;
    // Whether Ctrl toggles a pressed row and Shift+Ctrl adds a range to the selection.
    virtual bool CtrlTogglesSelection() const { return true; }
    // The top record changed: the view lays its rows out again.
    virtual void TopRecordIndexChanged();
    virtual void FocusedItemChanged(TuiCustomGridTableItem* prevFocusedItem);
    // Steps the focused cell; on its row's end to the next (previous) record only when allowRecordChange. Whether the
    // focus moved; never in this base.
    virtual bool StepFocusCell(bool /*forward*/, bool /*allowRecordChange*/) { return false; }
    // Makes the item's cells visible; nothing in this base.
    virtual void MakeItemVisible(TuiCustomGridTableItem* /*item*/) {}
    void SelectRowsFromAnchor(int32_t rowIndex, bool keep);

private:
    bool StepFocus(int32_t rowIndex, bool extendSelection);
    // Tab: a cell step, or the next control of the form when none was made or Ctrl is held.
    void HandleTabKey(vcl::TShiftState shift);
    void FocusNextControl(bool forward);
    // Escape: the edit is undone and, with multi-select, the focused record is selected.
    void CancelEditing();

    TuiCustomGridTableItem* FFocusedItem = nullptr; // not owned
    std::unique_ptr<TuiGridEditingController> FEditingController;
    bool FEnterFromEditor = false;
    int32_t FTopRecordIndex = 0;
    int32_t FDeferredUnselectRow = -1;
    bool FSwallowNextKeyPress = false;
    TuiGridIncSearch FIncSearch{*this};
};

} // namespace ui
