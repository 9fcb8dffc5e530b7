#include "ui/grid/customtable/controller/uiCustomGridTableController.h"

#include "rtl/WindowsApi.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/grid/customtable/controller/uiGridEditingController.h"
#include "ui/grid/customtable/controller/uiGridTableScrolling.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/customtable/uiGridStrs.h"
#include "ui/grid/view/uiGridSite.h"
#include "vcl/dialogs/MessageDialogs.h"
#include "vcl/forms/Form.h"

#include <algorithm>

namespace ui {

namespace {

// Alt, Shift and Ctrl: the modifiers the selection rules read.
vcl::TShiftState SelectionModifiers(vcl::TShiftState shift) {
    return shift * vcl::TShiftState{vcl::ssShift, vcl::ssAlt, vcl::ssCtrl};
}

} // namespace

TuiCustomGridTableController::TuiCustomGridTableController(TuiCustomGridTableView& gridView)
    : TuiCustomGridController(gridView) {}

TuiCustomGridTableController::~TuiCustomGridTableController() = default;

TuiGridEditingController& TuiCustomGridTableController::EditingController() {
    if (!FEditingController) {
        FEditingController = CreateEditingController();
    }
    return *FEditingController;
}

std::unique_ptr<TuiGridEditingController> TuiCustomGridTableController::CreateEditingController() {
    return std::make_unique<TuiGridEditingController>(*this);
}

void TuiCustomGridTableController::FocusedRecordChanged() {
    if (!FEditingController) {
        ReviewEditor();
        return;
    }
    FEditingController->DropMouseUpRequest();
    if (FEditingController->MustCloseOnRecordChange()) {
        FEditingController->CloseEditor(true);
    } else {
        FEditingController->RefreshEditor();
    }
    ReviewEditor();
}

void TuiCustomGridTableController::HandleEditorEnterKey(uint16_t& key, vcl::TShiftState shift) {
    FEnterFromEditor = true;
    try {
        KeyDown(key, shift);
    } catch (...) {
        FEnterFromEditor = false;
        throw;
    }
    FEnterFromEditor = false;
}

TuiCustomGridTableView& TuiCustomGridTableController::TableView() const {
    return static_cast<TuiCustomGridTableView&>(GridView());
}

TuiGridDataController& TuiCustomGridTableController::DataController() const {
    return TableView().DataController();
}

void TuiCustomGridTableController::SetFocusedItem(TuiCustomGridTableItem* item) {
    if (item != nullptr && (TableView().IndexOfItem(item) < 0 || item->VisibleIndex() < 0)) {
        return;
    }
    if (item == FFocusedItem) {
        MakeItemVisible(item);
        return;
    }
    if (FEditingController) {
        FEditingController->DropMouseUpRequest();
        if (!FEditingController->IsSettingEditedItem()) {
            FEditingController->CloseEditor(true);
        }
    }
    TuiCustomGridTableItem* prevFocusedItem = FFocusedItem;
    FFocusedItem = item;
    FocusedItemChanged(prevFocusedItem);
    const TuiGridListenerLink link(&GridView());
    TableView().DoFocusedItemChanged(prevFocusedItem, item);
    if (link.GridView() != nullptr) {
        ReviewEditor();
    }
}

void TuiCustomGridTableController::ReviewEditor() {
    if (TableView().OptionsBehavior().AlwaysShowEditor()) {
        EditingController().ReviewEditor();
    }
}

void TuiCustomGridTableController::ItemRemoved(TuiCustomGridTableItem* item) {
    if (FEditingController) {
        FEditingController->ItemRemoved(item);
    }
    if (item == FFocusedItem) {
        FFocusedItem = nullptr;
    }
}

void TuiCustomGridTableController::FocusedItemChanged(TuiCustomGridTableItem* prevFocusedItem) {
    MakeItemVisible(FFocusedItem);
    // Only the two cells of the focused record change, unless the view gains or loses its focused item.
    if (!prevFocusedItem || !FFocusedItem) {
        TableView().Changed(0);
    } else if (TuiCustomGridRecord* record = FocusedRecord()) {
        record->Invalidate(prevFocusedItem);
        record->Invalidate(FFocusedItem);
    }
}

void TuiCustomGridTableController::SetTopRecordIndex(int32_t value) {
    const int32_t clamped = value <= 0 ? 0 : ClampTopRecordIndex(value, MaxTopRecordIndex());
    if (clamped == FTopRecordIndex) {
        return;
    }
    FTopRecordIndex = clamped;
    TopRecordIndexChanged();
    TableView().DoTopRecordIndexChanged();
}

int32_t TuiCustomGridTableController::MaxTopRecordIndex() {
    const int32_t count = DataController().GetRowCount();
    return ui::MaxTopRecordIndex(count, PageVisibleRecordCount(count - 1, false));
}

void TuiCustomGridTableController::CheckCoordinates() {
    SetTopRecordIndex(FTopRecordIndex);
}

void TuiCustomGridTableController::TopRecordIndexChanged() {
    TableView().LayoutChanged();
}

void TuiCustomGridTableController::BringRecordIntoView(int32_t rowIndex) {
    if (rowIndex < 0) {
        return;
    }
    if (rowIndex < FTopRecordIndex) {
        SetTopRecordIndex(rowIndex);
        return;
    }
    if (rowIndex >= FTopRecordIndex + VisibleRecordCount()) {
        SetTopRecordIndex(rowIndex - PageVisibleRecordCount(rowIndex, false) + 1);
    }
}

bool TuiCustomGridTableController::FocusRowAt(int32_t rowIndex) {
    TuiGridDataController& dataController = DataController();
    if (!dataController.ChangeFocusedRowIndex(rowIndex)) {
        return false;
    }
    const int32_t focusedRow = dataController.GetFocusedRowIndex();
    if (focusedRow >= 0 && !dataController.IsSelectionAnchorSet()) {
        dataController.SetSelectionAnchor(focusedRow);
    }
    BringRecordIntoView(focusedRow);
    return true;
}

bool TuiCustomGridTableController::StepFocus(int32_t rowIndex, bool extendSelection) {
    const int32_t rowCount = DataController().GetRowCount();
    if (rowCount == 0) {
        return false;
    }
    rowIndex = std::clamp(rowIndex, 0, rowCount - 1);
    if (rowIndex == DataController().GetFocusedRowIndex() || !FocusRowAt(rowIndex)) {
        return false;
    }
    if (extendSelection && MultiSelect()) {
        SelectRowsFromAnchor(DataController().GetFocusedRowIndex(), false);
    }
    return true;
}

bool TuiCustomGridTableController::GoToPrevRecord(bool extendSelection) {
    const int32_t focused = DataController().GetFocusedRowIndex();
    return focused > 0 && StepFocus(focused - 1, extendSelection);
}

bool TuiCustomGridTableController::GoToNextRecord(bool extendSelection) {
    return StepFocus(DataController().GetFocusedRowIndex() + 1, extendSelection);
}

bool TuiCustomGridTableController::GoToFirstRecord(bool extendSelection) {
    return StepFocus(0, extendSelection);
}

bool TuiCustomGridTableController::GoToLastRecord(bool extendSelection) {
    return StepFocus(DataController().GetRowCount() - 1, extendSelection);
}

void TuiCustomGridTableController::GoToNextPage(bool extendSelection) {
    const int32_t focused = DataController().GetFocusedRowIndex();
    BringRecordIntoView(focused);
    const int32_t visible = VisibleRecordCount();
    if (focused >= 0 && focused == FTopRecordIndex + visible - 1) {
        SetTopRecordIndex(PageDownTopRecordIndex(FTopRecordIndex, visible));
    }
    StepFocus(FTopRecordIndex + VisibleRecordCount() - 1, extendSelection);
}

void TuiCustomGridTableController::GoToPrevPage(bool extendSelection) {
    const int32_t focused = DataController().GetFocusedRowIndex();
    BringRecordIntoView(focused);
    if (focused == FTopRecordIndex) {
        SetTopRecordIndex(PageUpTopRecordIndex(FTopRecordIndex, PageVisibleRecordCount(FTopRecordIndex, false)));
    }
    StepFocus(FTopRecordIndex, extendSelection);
}

bool TuiCustomGridTableController::MultiSelect() const {
    return DataController().MultiSelect();
}

void TuiCustomGridTableController::SelectRowsFromAnchor(int32_t rowIndex, bool keep) {
    TuiGridDataController& dataController = DataController();
    if (!dataController.IsSelectionAnchorSet()) {
        dataController.SetSelectionAnchor(rowIndex);
    }
    dataController.SelectFromAnchor(rowIndex, keep);
}

void TuiCustomGridTableController::SelectFocusedRecordOnly() {
    TuiGridDataController& dataController = DataController();
    const int32_t focused = dataController.GetFocusedRowIndex();
    if (dataController.GetSelectedRowCount() == 1 && dataController.IsRowSelected(focused)) {
        return;
    }
    dataController.BeginUpdate();
    try {
        dataController.ClearSelection();
        if (focused >= 0) {
            dataController.ChangeRowSelection(focused, true);
        }
    } catch (...) {
        dataController.EndUpdate();
        throw;
    }
    dataController.EndUpdate();
}

void TuiCustomGridTableController::SelectOnMouseDown(int32_t rowIndex, vcl::TMouseButton /*button*/,
                                                     vcl::TShiftState shift) {
    FDeferredUnselectRow = -1;
    if (!MultiSelect() || rowIndex < 0) {
        return;
    }
    TuiGridDataController& dataController = DataController();
    const vcl::TShiftState modifiers = SelectionModifiers(shift);
    const bool ctrl = modifiers.Contains(vcl::ssCtrl) && CtrlTogglesSelection();
    if (modifiers.Contains(vcl::ssShift)) {
        SelectRowsFromAnchor(rowIndex, ctrl);
        return;
    }
    dataController.SetSelectionAnchor(rowIndex);
    if (dataController.IsRowSelected(rowIndex)) {
        FDeferredUnselectRow = rowIndex;
    } else if (ctrl) {
        dataController.ChangeRowSelection(rowIndex, true);
    } else {
        SelectFocusedRecordOnly();
    }
}

void TuiCustomGridTableController::SelectOnMouseUp(int32_t rowIndex, vcl::TShiftState shift) {
    const int32_t deferred = FDeferredUnselectRow;
    FDeferredUnselectRow = -1;
    if (deferred < 0 || deferred != rowIndex) {
        return;
    }
    if (shift.Contains(vcl::ssCtrl) && CtrlTogglesSelection()) {
        DataController().ChangeRowSelection(rowIndex, !DataController().IsRowSelected(rowIndex));
    } else {
        SelectFocusedRecordOnly();
    }
}

void TuiCustomGridTableController::SelectOnKey(uint16_t key, vcl::TShiftState shift) {
    const int32_t focused = DataController().GetFocusedRowIndex();
    if (focused < 0) {
        return;
    }
    const vcl::TShiftState modifiers = SelectionModifiers(shift);
    if (key == VK_SPACE && modifiers == vcl::TShiftState{vcl::ssCtrl}) {
        DataController().ChangeRowSelection(focused, !DataController().IsRowSelected(focused));
        FSwallowNextKeyPress = true;
        return;
    }
    if (modifiers.Contains(vcl::ssShift)) {
        SelectRowsFromAnchor(focused, false);
        return;
    }
    DataController().SetSelectionAnchor(focused);
    if (modifiers != vcl::TShiftState{vcl::ssCtrl}) {
        SelectFocusedRecordOnly();
    }
}

void TuiCustomGridTableController::SelectAll() {
    DataController().SelectAll();
}

void TuiCustomGridTableController::ClearSelection() {
    DataController().ClearSelection();
}

void TuiCustomGridTableController::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (FIncSearch.KeyDown(key, shift)) {
        key = 0;
        return;
    }
    TuiGridListenerLink link(&GridView());
    const uint16_t pressed = key;
    const int32_t prevFocusedRow = DataController().GetFocusedRowIndex();
    HandleGridKey(key, shift);
    if (link.GridView() == nullptr) {
        key = 0;
        return;
    }
    const bool isCopyKey = shift.Contains(vcl::ssCtrl) && (pressed == VK_INSERT || pressed == 'C');
    const bool selectingKey = pressed == VK_SPACE || pressed == VK_PRIOR || pressed == VK_NEXT;
    if (MultiSelect() && !isCopyKey && (selectingKey || prevFocusedRow != DataController().GetFocusedRowIndex())) {
        SelectOnKey(pressed, shift);
    }
}

void TuiCustomGridTableController::KeyPress(char16_t& key) {
    if (FSwallowNextKeyPress) {
        FSwallowNextKeyPress = false;
        key = 0;
    }
    if (key != 0 && FIncSearch.KeyPress(key)) {
        key = 0;
    }
    // A printable character opens the focused item's editor and is its first character.
    if (key >= u' ' && FFocusedItem != nullptr && FocusedRecord() != nullptr &&
        EditingController().OpenEditorByKey(FFocusedItem, key)) {
        key = 0;
    }
}

void TuiCustomGridTableController::DeleteWithConfirmation() {
    TuiGridDataController& dataController = DataController();
    if (!TableView().OptionsData().Deleting() || !dataController.Provider().CanDelete()) {
        return;
    }
    const int32_t selected = dataController.GetSelectedRowCount();
    const bool several =
        MultiSelect() &&
        (selected > 1 || (selected == 1 && !dataController.IsRowSelected(dataController.GetFocusedRowIndex())));
    if (TableView().OptionsData().DeletingConfirmation()) {
        const rtl::UnicodeString text = LoadResStringText(several ? suiGridDeletingSelectedConfirmationText
                                                                  : suiGridDeletingFocusedConfirmationText);
        if (vcl::MessageDlgCentered(text, LoadResStringText(suiGridDeletingConfirmationCaption), vcl::mtConfirmation,
                                    {vcl::mbOK, vcl::mbCancel}) != vcl::mrOk) {
            return;
        }
    }
    if (several) {
        dataController.DeleteSelection();
    } else {
        dataController.DeleteFocused();
    }
}

bool TuiCustomGridTableController::WantsDialogKey(uint16_t key) {
    TuiCustomGridTableOptionsBehavior& behavior = TableView().OptionsBehavior();
    return (key == VK_TAB && behavior.FocusCellOnTab()) || (key == VK_RETURN && behavior.GoToNextCellOnEnter()) ||
           (key == VK_ESCAPE && DataController().IsEditingRecord());
}

void TuiCustomGridTableController::CancelEditing() {
    TuiGridDataController& dataController = DataController();
    dataController.Cancel();
    const int32_t focused = dataController.GetFocusedRowIndex();
    if (!dataController.IsEditingRecord() && MultiSelect() && focused >= 0) {
        dataController.ChangeRowSelection(focused, true);
    }
}

void TuiCustomGridTableController::FocusNextControl(bool forward) {
    TuiGridSite& site = GridView().Site();
    if (vcl::TCustomForm* form = vcl::GetParentForm(&site)) {
        form->SelectNext(&site, forward, true);
    }
}

void TuiCustomGridTableController::HandleTabKey(vcl::TShiftState shift) {
    const bool forward = !shift.Contains(vcl::ssShift);
    const bool cycle = TableView().OptionsBehavior().FocusCellOnCycle();
    if (shift.Contains(vcl::ssCtrl) || !StepFocusCell(forward, cycle)) {
        FocusNextControl(forward);
    }
}

TuiCustomGridRecord* TuiCustomGridTableController::FocusedRecord() const {
    return TableView().ViewData().GetRecordAt(DataController().GetFocusedRowIndex());
}

void TuiCustomGridTableController::HandleGridKey(uint16_t& key, vcl::TShiftState shift) {
    if (TuiCustomGridRecord* record = FocusedRecord(); record != nullptr && !FEnterFromEditor) {
        record->StartEditingByKey(key, shift);
        if (key == 0) {
            return;
        }
    }
    const bool ctrlOnly = SelectionModifiers(shift) == vcl::TShiftState{vcl::ssCtrl};
    const bool shiftAtMost = (SelectionModifiers(shift) - vcl::TShiftState{vcl::ssShift}).IsEmpty();
    switch (key) {
    case VK_TAB:
        if (!TableView().OptionsBehavior().FocusCellOnTab() || shift.Contains(vcl::ssAlt)) {
            return;
        }
        HandleTabKey(shift);
        break;
    case VK_RETURN:
        if (!TableView().OptionsBehavior().GoToNextCellOnEnter() || !shiftAtMost) {
            return;
        }
        StepFocusCell(!shift.Contains(vcl::ssShift), TableView().OptionsBehavior().FocusCellOnCycle());
        break;
    case VK_PRIOR:
        GoToPrevPage(false);
        break;
    case VK_NEXT:
        GoToNextPage(false);
        break;
    case VK_ESCAPE:
        if (!DataController().IsEditingRecord()) {
            return;
        }
        CancelEditing();
        break;
    case VK_DELETE:
        if (!TableView().OptionsData().Deleting()) {
            return;
        }
        DeleteWithConfirmation();
        break;
    case 'A':
        if (!ctrlOnly) {
            return;
        }
        SelectAll();
        break;
    case 'C':
    case VK_INSERT:
        if (!ctrlOnly) {
            return;
        }
        TableView().CopyToClipboard(false);
        break;
    default:
        if (TuiCustomGridRecord* record = FocusedRecord()) {
            record->KeyDown(key, shift);
        }
        return;
    }
    key = 0;
}

} // namespace ui
