#include "ui/grid/customtable/controller/uiGridEditingController.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/controls/containers/uiContainerStyle.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/view/uiGridSite.h"

namespace ui {

namespace {

// Where an editor waits while its cell is scrolled out of sight.
constexpr int32_t EditorOutOfSightLeft = 30000;

// Sets flag for a scope, however it ends.
class TEditingFlagScope {
public:
    explicit TEditingFlagScope(bool& flag) : FFlag(flag), FSaved(flag) { FFlag = true; }
    TEditingFlagScope(const TEditingFlagScope&) = delete;
    TEditingFlagScope& operator=(const TEditingFlagScope&) = delete;
    ~TEditingFlagScope() { FFlag = FSaved; }

private:
    bool& FFlag;
    bool FSaved;
};

bool IsModifierKey(uint16_t key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU;
}

} // namespace

TuiGridEditingController::TuiGridEditingController(TuiCustomGridTableController& controller)
    : FController(controller), FEditList(&controller.TableView()) {}

TuiGridEditingController::~TuiGridEditingController() {
    StopDelayedOpen();
    ReleaseEditors();
}

TuiCustomGridTableView& TuiGridEditingController::TableView() const {
    return FController.TableView();
}

void TuiGridEditingController::SetEditedItem(TuiCustomGridTableItem* item) {
    if (item == FEditedItem || FSettingEditedItem) {
        return;
    }
    if (item == nullptr) {
        CloseEditor(false);
        return;
    }
    try {
        if (!OpenEditor(item) && FEdit == nullptr) {
            FEditedItem = nullptr;
        }
    } catch (...) {
        if (FEdit == nullptr) {
            FEditedItem = nullptr;
        }
        throw;
    }
}

bool TuiGridEditingController::CanEditItem(TuiCustomGridTableItem& item) {
    return item.CanEditFocusedCellNow();
}

bool TuiGridEditingController::DoEditing(TuiCustomGridTableItem& item) {
    bool allow = true;
    if (const TuiGridEditingEvent& handler = TableView().EditingEvents().OnEditing) {
        handler(TableView(), &item, allow);
    }
    return allow;
}

// The item must be editable now and allowed by the view; it becomes the focused item without closing the editor
// that is about to be replaced anyway.
bool TuiGridEditingController::AcceptEditedItem(TuiCustomGridTableItem& item) {
    if (!CanEditItem(item) || !DoEditing(item)) {
        return false;
    }
    {
        TEditingFlagScope setting(FSettingEditedItem);
        FController.SetFocusedItem(&item);
    }
    return FController.FocusedItem() == &item;
}

bool TuiGridEditingController::SiteOrEditorFocused() const {
    return TableView().Site().Focused() || (FEdit != nullptr && FEdit->Focused());
}

bool TuiGridEditingController::PrepareEditor(TuiCustomGridTableItem* item, bool byMouse) {
    if (FPreparing || FHiding || item == nullptr || FController.FocusedRecord() == nullptr) {
        return false;
    }
    if (item == FEditedItem && FEdit != nullptr) {
        const bool reactivate = byMouse || (TableView().Site().Focused() && !FEdit->Focused());
        RepositionEditor();
        return reactivate;
    }
    if (!SiteOrEditorFocused()) {
        return false;
    }
    TEditingFlagScope preparing(FPreparing);
    if (item != FEditedItem) {
        if (!AcceptEditedItem(*item)) {
            return false;
        }
        CloseEditor(false);
        FEditedItem = item;
    }
    try {
        CreateEditor(*item);
    } catch (...) {
        FinishEditor();
        FEditedItem = nullptr;
        throw;
    }
    return FEdit != nullptr;
}

void TuiGridEditingController::CreateEditor(TuiCustomGridTableItem& item) {
    TuiCustomEditProperties* properties = item.GetPropertiesForEdit();
    if (properties == nullptr) {
        return;
    }
    FEdit = &FEditList.GetEditor(*properties);
    InitEditor();
}

void TuiGridEditingController::InitEditor() {
    TuiCustomEditProperties& properties = FEdit->Properties();
    FSavedOnChange = properties.OnChange();
    FSavedOnEditValueChanged = properties.OnEditValueChanged();
    properties.SetOnChange({});
    properties.SetOnEditValueChanged({});
    FEdit->SetParent(&TableView().Site());
    RepositionEditor();
    LoadEditorValue();
    AssignEditorHandlers(*FEdit);
}

void TuiGridEditingController::AssignEditorHandlers(TuiCustomEdit& edit) {
    edit.SetOnKeyDown([this](rtl::TObject*, uint16_t& key, vcl::TShiftState shift) { EditKeyDown(key, shift); });
    edit.SetOnKeyUp([this](rtl::TObject*, uint16_t& key, vcl::TShiftState shift) {
        if (const TuiGridEditKeyEvent& handler = TableView().EditingEvents().OnEditKeyUp; handler && FEdit) {
            handler(TableView(), FEditedItem, *FEdit, key, shift);
        }
    });
    edit.SetOnKeyPress([this](rtl::TObject*, char16_t& key) {
        if (const TuiGridEditKeyPressEvent& handler = TableView().EditingEvents().OnEditKeyPress; handler && FEdit) {
            handler(TableView(), FEditedItem, *FEdit, key);
        }
    });
    edit.SetOnExit([this](rtl::TObject*) { EditExit(); });
    edit.SetAfterKeyHandler(
        [this](rtl::TObject*, uint16_t& key, vcl::TShiftState shift) { EditAfterKeyDown(key, shift); });
    edit.SetPostHandler([this](rtl::TObject*) { StoreEditorValue(); });
    // Asking whether the value may change begins the record's edit; the data it changes must not reload the editor.
    edit.SetOnEditing([this](rtl::TObject*, bool& canEdit) {
        TEditingFlagScope initiating(FInitiating);
        canEdit = FEditedItem != nullptr && CanModifyEditedItem();
    });
    edit.Properties().SetOnChange([this](rtl::TObject*) { EditChanged(); });
    edit.Properties().SetOnEditValueChanged([this](rtl::TObject*) { EditValueChanged(); });
}

void TuiGridEditingController::RemoveEditorHandlers(TuiCustomEdit& edit) {
    edit.SetOnKeyDown({});
    edit.SetOnKeyUp({});
    edit.SetOnKeyPress({});
    edit.SetOnExit({});
    edit.SetAfterKeyHandler({});
    edit.SetPostHandler({});
    edit.SetOnEditing({});
    edit.Properties().SetOnChange(std::move(FSavedOnChange));
    edit.Properties().SetOnEditValueChanged(std::move(FSavedOnEditValueChanged));
    FSavedOnChange = {};
    FSavedOnEditValueChanged = {};
}

// The editor's own handlers go back; it hides and stays in the list for the next edit.
void TuiGridEditingController::FinishEditor() {
    if (FEdit == nullptr) {
        return;
    }
    TuiCustomEdit* edit = FEdit;
    FEdit = nullptr;
    RemoveEditorHandlers(*edit);
    edit->SetVisible(false);
}

bool TuiGridEditingController::OpenEditor(TuiCustomGridTableItem* item) {
    if (!PrepareEditor(item, false)) {
        return false;
    }
    FEdit->Activate(EditDataOf(*FEdit));
    return true;
}

bool TuiGridEditingController::OpenEditorByKey(TuiCustomGridTableItem* item, char16_t key) {
    if (!PrepareEditor(item, false)) {
        return false;
    }
    FEdit->ActivateByKey(key, EditDataOf(*FEdit));
    return true;
}

bool TuiGridEditingController::OpenEditorByMouse(TuiCustomGridTableItem* item, vcl::TShiftState shift, int32_t x,
                                                 int32_t y) {
    if (!PrepareEditor(item, true)) {
        return false;
    }
    FEdit->ActivateByMouse(shift, x, y, EditDataOf(*FEdit));
    return true;
}

void TuiGridEditingController::CloseEditor(bool accept) {
    StopDelayedOpen();
    if (FHiding || FEditedItem == nullptr) {
        return;
    }
    TEditingFlagScope hiding(FHiding);
    if (accept && FEdit != nullptr) {
        if (!FEdit->Deactivate()) {
            throw rtl::EAbort(u"");
        }
        StoreEditorValue();
        PostEditingData();
    }
    FEditedItem = nullptr;
    if (FEdit != nullptr) {
        TuiGridSite& site = TableView().Site();
        if (FEdit->Focused() && site.CanFocus()) {
            FEdit->SetChangedSinceEnter(false);
            site.SetFocus();
        }
        FinishEditor();
    }
    TableView().Site().Invalidate();
    FErrorOnExit = false;
}

bool TuiGridEditingController::RepositionEditor() {
    if (FEdit == nullptr) {
        return false;
    }
    const vcl::TRect bounds = GetEditorBounds();
    if (bounds.IsEmpty()) {
        FEdit->SetLeft(EditorOutOfSightLeft);
        return false;
    }
    FEdit->SetBoundsRect(bounds);
    ApplyCellStyle(*FEdit);
    if (const TuiGridInitEditEvent& handler = TableView().EditingEvents().OnInitEdit) {
        handler(TableView(), FEditedItem, *FEdit);
    }
    return true;
}

// The editor looks like the cell it covers: its colours and font.
void TuiGridEditingController::ApplyCellStyle(TuiCustomEdit& edit) {
    TuiDrawParams params;
    TableView().Styles().GetDataCellParams(FController.FocusedRecord(), FEditedItem, params);
    TuiContainerStyle& style = edit.Style();
    style.SetColor(params.Color);
    style.SetTextColor(params.TextColor);
    if (params.Font != nullptr) {
        style.SetFont(*params.Font);
    }
}

void TuiGridEditingController::LayoutChanged() {
    if (FEdit != nullptr && !FPreparing) {
        RepositionEditor();
    }
}

bool TuiGridEditingController::CanLoadEditorValue() const {
    return FEdit != nullptr && FEditedItem != nullptr && !FHiding && !FInitiating && !FEdit->IsPosting() &&
           !FEdit->ChangedByUser();
}

void TuiGridEditingController::LoadEditorValue() {
    if (!CanLoadEditorValue()) {
        return;
    }
    FEdit->LockChangeEvents(true);
    try {
        rtl::Variant value = ReadEditValue(*FEditedItem, FEdit->Properties());
        if (const TuiGridInitEditValueEvent& handler = TableView().EditingEvents().OnInitEditValue) {
            handler(TableView(), FEditedItem, *FEdit, value);
        }
        FEdit->SetEditValue(value);
    } catch (...) {
        FEdit->LockChangeEvents(false, false);
        throw;
    }
    FEdit->LockChangeEvents(false, false);
    FEdit->SelectAll();
}

void TuiGridEditingController::RefreshEditor() {
    LoadEditorValue();
    LayoutChanged();
}

void TuiGridEditingController::StoreEditorValue() {
    if (FEdit == nullptr || FEditedItem == nullptr || !FEdit->ChangedByUser()) {
        return;
    }
    FEdit->ValidateEnteredText(true);
    WriteEditValue(*FEditedItem, FEdit->Properties(), FEdit->GetCurrentEditValue());
    FEdit->SetChangedByUser(false);
}

rtl::Variant TuiGridEditingController::ReadEditValue(TuiCustomGridTableItem& item,
                                                     TuiCustomEditProperties& properties) {
    return item.GetEditValue(&properties);
}

void TuiGridEditingController::WriteEditValue(TuiCustomGridTableItem& item, TuiCustomEditProperties& properties,
                                              const rtl::Variant& value) {
    item.SetEditValue(&properties, value);
}

bool TuiGridEditingController::CanModifyEditedItem() {
    return TableView().DataController().CanModifyItem(FEditedItem->Index());
}

void TuiGridEditingController::PostEditingData() {
    TableView().DataController().PostEditingData();
}

void TuiGridEditingController::ReviewEditor() {
    if (!TableView().OptionsBehavior().AlwaysShowEditor() || FHiding || FPreparing || FSettingEditedItem) {
        return;
    }
    TuiCustomGridTableItem* item = FController.FocusedItem();
    if (item != nullptr && item == FEditedItem && FEdit != nullptr) {
        RefreshEditor();
    } else if (item != nullptr && SiteOrEditorFocused()) {
        OpenEditor(item);
    }
}

bool TuiGridEditingController::MustCloseOnRecordChange() const {
    TuiCustomGridTableView& view = TableView();
    if (!view.OptionsBehavior().AlwaysShowEditor()) {
        return true;
    }
    const TuiGridEditingEvents& events = view.EditingEvents();
    return static_cast<bool>(events.OnEditing) || static_cast<bool>(events.OnInitEdit);
}

bool TuiGridEditingController::IsControllerKey(uint16_t key, vcl::TShiftState /*shift*/) const {
    switch (key) {
    case VK_TAB:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
    case VK_INSERT:
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        return TableView().OptionsBehavior().AlwaysShowEditor();
    default:
        return false;
    }
}

void TuiGridEditingController::EditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (FEdit == nullptr) {
        return;
    }
    if (const TuiGridEditKeyEvent& handler = TableView().EditingEvents().OnEditKeyDown) {
        handler(TableView(), FEditedItem, *FEdit, key, shift);
    }
    if (IsModifierKey(key)) {
        return;
    }
    switch (key) {
    case VK_RETURN: {
        key = 0;
        CloseEditor(true);
        if (TableView().OptionsBehavior().GoToNextCellOnEnter()) {
            uint16_t enter = VK_RETURN;
            FController.HandleEditorEnterKey(enter, shift);
            OpenEditor(FController.FocusedItem());
        } else {
            ReviewEditor();
        }
        break;
    }
    case VK_ESCAPE: {
        const bool modified = FEdit->ChangedByUser();
        CloseEditor(false);
        if (!modified) {
            FController.KeyDown(key, shift);
        }
        ReviewEditor();
        key = 0;
        break;
    }
    case VK_DELETE:
        if (shift.Contains(vcl::ssCtrl)) {
            FController.KeyDown(key, shift);
        }
        break;
    default:
        break;
    }
}

void TuiGridEditingController::EditAfterKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (IsControllerKey(key, shift)) {
        FController.KeyDown(key, shift);
    }
}

void TuiGridEditingController::EditExit() {
    if (FHiding || FEditedItem == nullptr) {
        return;
    }
    try {
        CloseEditor(true);
    } catch (...) {
        if (FEdit != nullptr && FEdit->CanFocus()) {
            FEdit->SetFocus();
        }
        FErrorOnExit = true;
        throw;
    }
}

void TuiGridEditingController::EditChanged() {
    if (FSavedOnChange) {
        FSavedOnChange(FEdit);
    }
    if (const TuiGridCustomTableItemEvent& handler = TableView().EditingEvents().OnEditChanged) {
        handler(TableView(), FEditedItem);
    }
}

void TuiGridEditingController::EditValueChanged() {
    if (FSavedOnEditValueChanged) {
        FSavedOnEditValueChanged(FEdit);
    }
    if (const TuiGridCustomTableItemEvent& handler = TableView().EditingEvents().OnEditValueChanged) {
        handler(TableView(), FEditedItem);
    }
}

void TuiGridEditingController::CellMouseDown(TuiCustomGridTableItem* item, bool wasFocusedCell,
                                             vcl::TMouseButton button, vcl::TShiftState shift, vcl::TPoint point) {
    StopDelayedOpen();
    FMouseUpItem = nullptr;
    if (FErrorOnExit || item == nullptr || FController.FocusedItem() != item || item == FEditedItem) {
        return;
    }
    // Only an editor shown all the time takes the press itself; otherwise the press may still select or pull.
    const bool straightToEditor = button == vcl::mbLeft && TableView().OptionsBehavior().AlwaysShowEditor() &&
                                  !shift.Contains(vcl::ssShift) && !shift.Contains(vcl::ssCtrl);
    if (!straightToEditor) {
        FMouseUpItem = item;
        FMouseUpWasFocusedCell = wasFocusedCell && !shift.Contains(vcl::ssDouble);
        FMouseDownShift = shift;
        FMouseDownPoint = point;
        return;
    }
    TableView().Site().SetMouseCapture(false);
    OpenEditorByMouse(item, shift, point.X, point.Y);
}

void TuiGridEditingController::DropMouseUpRequest() {
    FMouseUpItem = nullptr;
}

void TuiGridEditingController::CellMouseUp(TuiCustomGridTableItem* item, vcl::TMouseButton button,
                                           vcl::TShiftState shift) {
    TuiCustomGridTableItem* pending = FMouseUpItem;
    FMouseUpItem = nullptr;
    if (pending == nullptr || pending != item || button != vcl::mbLeft || shift.Contains(vcl::ssShift) ||
        shift.Contains(vcl::ssCtrl) || FController.FocusedItem() != item || item == FEditedItem) {
        return;
    }
    if (TableView().OptionsBehavior().ImmediateEditor()) {
        OpenEditorByMouse(item, FMouseDownShift, FMouseDownPoint.X, FMouseDownPoint.Y);
    } else if (FMouseUpWasFocusedCell) {
        StartDelayedOpen(item);
    }
}

void TuiGridEditingController::StartDelayedOpen(TuiCustomGridTableItem* item) {
    StopDelayedOpen();
    if (!FDelayedOpenTimer) {
        FDelayedOpenTimer = std::make_unique<TuiTimer>(nullptr);
        FDelayedOpenTimer->SetOnTimer([this](rtl::TObject*) {
            TuiCustomGridTableItem* delayed = FDelayedOpenItem;
            StopDelayedOpen();
            SetEditedItem(delayed);
        });
    }
    FDelayedOpenItem = item;
    FDelayedOpenTimer->SetInterval(GetDoubleClickTime());
    FDelayedOpenTimer->SetEnabled(true);
}

void TuiGridEditingController::StopDelayedOpen() {
    FDelayedOpenItem = nullptr;
    if (FDelayedOpenTimer) {
        FDelayedOpenTimer->SetEnabled(false);
    }
}

bool TuiGridEditingController::IsDelayedOpenPending() const {
    return FDelayedOpenItem != nullptr;
}

void TuiGridEditingController::ItemRemoved(const TuiCustomGridTableItem* item) {
    if (item == FDelayedOpenItem) {
        StopDelayedOpen();
    }
    if (item == FMouseUpItem) {
        FMouseUpItem = nullptr;
    }
    if (item == FEditedItem) {
        CloseEditor(false);
    }
}

void TuiGridEditingController::ForgetEditor(TuiCustomEditProperties& properties) {
    TuiCustomEdit* editor = FEditList.FindEditor(properties);
    if (editor != nullptr && editor == FEdit) {
        CloseEditor(false);
    }
    if (editor != nullptr) {
        FEditData.erase(editor);
        FEditList.RemoveEditor(properties);
    }
}

void TuiGridEditingController::ReleaseEditors() {
    FEditedItem = nullptr;
    if (FEdit != nullptr) {
        RemoveEditorHandlers(*FEdit);
        FEdit = nullptr;
    }
    for (int32_t i = 0; i < FEditList.Count(); ++i) {
        FEditList.EditorAt(i).SetParent(nullptr);
    }
}

} // namespace ui
