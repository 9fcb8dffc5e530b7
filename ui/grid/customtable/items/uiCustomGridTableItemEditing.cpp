// The editing side of a table item: whether it can be edited now, the properties and the value its in-place editor
// takes, and the value it writes back.

#include "ui/data/controller/uiCustomDataController.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/customtable/controller/uiGridEditingController.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/customtable/uiGridEventSetter.h"

namespace ui {

namespace {

TuiDataEditValueSource EditValueSource(TuiCustomEditProperties* properties) {
    return properties != nullptr && properties->CanShowDataDisplayText(true) ? evsText : evsValue;
}

} // namespace

bool TuiCustomGridTableItem::Editing() const {
    TuiCustomGridTableController* controller = TableController();
    return controller && controller->HasEditingController() && controller->EditingController().EditedItem() == this;
}

void TuiCustomGridTableItem::SetEditing(bool value) {
    TuiCustomGridTableController* controller = TableController();
    if (!controller) {
        return;
    }
    if (value) {
        controller->EditingController().SetEditedItem(this);
    } else if (Editing()) {
        controller->EditingController().CloseEditor(true);
    }
}

bool TuiCustomGridTableItem::CanEdit() {
    return FGridView && FGridView->OptionsData().Editing() && Options().Editing();
}

bool TuiCustomGridTableItem::CanEditFocusedCellNow() {
    TuiCustomGridTableController* controller = TableController();
    if (!controller || !CanEdit()) {
        return false;
    }
    TuiCustomGridRecord* record = controller->FocusedRecord();
    return record && record->GetHasCells() && CanFocus(record) &&
           FGridView->DataController().GetEditOperations().Contains(dceoShowEdit);
}

TuiCustomEditProperties* TuiCustomGridTableItem::GetPropertiesForEdit() {
    TuiCustomGridTableController* controller = TableController();
    TuiCustomGridRecord* record = controller ? controller->FocusedRecord() : nullptr;
    TuiCustomEditProperties* properties = GetPropertiesForRecord(record);
    if (FOnGetPropertiesForEdit) {
        FOnGetPropertiesForEdit(*this, record, properties);
        properties = InitProperties(properties);
    }
    return properties;
}

void TuiCustomGridTableItem::SetOnGetPropertiesForEdit(TuiGridGetPropertiesEvent handler) {
    SetGridEventHandler(FOnGetPropertiesForEdit, std::move(handler), [] {});
}

rtl::Variant TuiCustomGridTableItem::GetEditValue(TuiCustomEditProperties* properties) {
    TuiCustomGridTableController* controller = TableController();
    if (!controller || controller->FocusedRecord() == nullptr) {
        return {};
    }
    return FGridView->DataController().GetEditValue(FIndex, EditValueSource(properties));
}

bool TuiCustomGridTableItem::SetEditValue(TuiCustomEditProperties* properties, const rtl::Variant& value) {
    return FGridView && FGridView->DataController().SetEditValue(FIndex, value, EditValueSource(properties));
}

} // namespace ui
