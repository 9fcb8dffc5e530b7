// TuiCustomDataController: items and their fields.

#include "rtl/text/StringUtils.h"
#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/details/uiDataRelations.h"
#include "ui/data/controller/filtering/uiDataControllerSearch.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiValueDefs.h"

namespace ui {

int32_t TuiCustomDataController::GetItemCount() const {
    return FFields->GetItemCount();
}

TuiCustomDataField& TuiCustomDataController::AddItem(rtl::TObject* item) {
    if (item && FFields->FindByItem(item)) {
        EuiInvalidDataControllerOperation::Raise(uiSDataItemExistError);
    }
    TuiCustomDataField& field = CreateField();
    field.SetItem(item);
    return field;
}

void TuiCustomDataController::RemoveItem(rtl::TObject* item) {
    TuiCustomDataField* field = FFields->FindByItem(item);
    if (!field) {
        return;
    }
    LockInfoUpdate();
    try {
        delete field;
    } catch (...) {
        UnlockInfoUpdate();
        throw;
    }
    UnlockInfoUpdate();
}

void TuiCustomDataController::UpdateItems() {
    for (int32_t index = 0; index < GetItemCount(); ++index) {
        if (TuiCustomDataField* field = FFields->FindByItem(GetItem(index))) {
            field->MoveToPosition(index);
        }
    }
    Change({dccLayout});
}

void TuiCustomDataController::ChangeValueTypeClass(int32_t itemIndex, TuiValueTypeClass valueTypeClass) {
    TuiCustomDataField& field = GetItemField(itemIndex);
    if (field.EffectiveValueTypeClass() == valueTypeClass) {
        return;
    }
    field.AssignValueTypeClass(valueTypeClass);
    FInfo->FieldChanged(field);
    ItemValueTypeClassChanged(itemIndex);
}

void TuiCustomDataController::ChangeItemTextStored(int32_t itemIndex, bool textStored) {
    if (GetItemTextStored(itemIndex) == textStored) {
        return;
    }
    TuiCustomDataField& field = GetItemField(itemIndex);
    field.AssignTextStored(textStored);
    FInfo->FieldChanged(field);
}

bool TuiCustomDataController::GetItemTextStored(int32_t itemIndex) const {
    return GetItemField(itemIndex).EffectiveTextStored();
}

bool TuiCustomDataController::IsItemTextStored(int32_t itemIndex) const {
    return GetItemTextStored(itemIndex);
}

TuiValueTypeClass TuiCustomDataController::GetItemValueTypeClass(int32_t itemIndex) const {
    return GetItemField(itemIndex).EffectiveValueTypeClass();
}

rtl::TObject* TuiCustomDataController::FindItemByID(int32_t id) const {
    // Items without IDs all answer -1: finding the first of them would bind a stored reference to the wrong item.
    if (id == uiNoIndex) {
        return nullptr;
    }
    for (int32_t index = 0; index < GetItemCount(); ++index) {
        rtl::TObject* item = GetItem(index);
        if (GetItemID(item) == id) {
            return item;
        }
    }
    return nullptr;
}

rtl::TObject* TuiCustomDataController::FindItemByName(rtl::UnicodeStringView name) const {
    for (int32_t index = 0; index < GetItemCount(); ++index) {
        rtl::TObject* item = GetItem(index);
        if (rtl::SameText(GetItemName(item), name)) {
            return item;
        }
    }
    return nullptr;
}

rtl::TObject* TuiCustomDataController::GetItemByItemLink(rtl::TObject* link) const {
    return FindItemByID(GetItemID(link));
}

int32_t TuiCustomDataController::GetItemID(rtl::TObject*) const {
    return -1;
}

rtl::UnicodeString TuiCustomDataController::GetItemName(rtl::TObject* item) const {
    const auto* component = dynamic_cast<const rtl::TComponent*>(item);
    return component ? component->Name() : rtl::UnicodeString();
}

rtl::UnicodeString TuiCustomDataController::GetItemDisplayName(int32_t) const {
    return {};
}

rtl::UnicodeString TuiCustomDataController::GetItemFilterCaption(int32_t itemIndex) const {
    return GetItemDisplayName(itemIndex);
}

TuiCustomDataField& TuiCustomDataController::CreateField() {
    return AddNewField(false);
}

TuiCustomDataField& TuiCustomDataController::CreateInternalField() {
    return AddNewField(true);
}

TuiCustomDataField& TuiCustomDataController::AddNewField(bool internal) {
    std::unique_ptr<TuiCustomDataField> field = CreateCompanion<TuiCustomDataField>(GetFieldClass(), FFields.get());
    field->MarkInternal(internal);
    TuiCustomDataField& added = *field;
    FFields->Add(std::move(field));
    return added;
}

void TuiCustomDataController::RemoveDestroyedFields() {
    for (int32_t index = 0; index < FFields->GetCount(); ++index) {
        FFields->GetItem(index).FVisited = false;
    }
    bool fieldDestroyed = true;
    while (fieldDestroyed) {
        FFields->ClearFieldDestroyed();
        fieldDestroyed = false;
        for (int32_t index = 0; index < FFields->GetCount() && !fieldDestroyed; ++index) {
            TuiCustomDataField& field = FFields->GetItem(index);
            if (field.FVisited) {
                continue;
            }
            field.FVisited = true;
            ValidateField(field);
            fieldDestroyed = FFields->FieldDestroyed();
        }
    }
}

void TuiCustomDataController::ValidateField(TuiCustomDataField&) {}

void TuiCustomDataController::DoFieldRemoved(TuiCustomDataField& field) {
    if (FInfo) {
        FInfo->RemoveField(field);
    }
    if (FRelations) {
        FRelations->FieldRemoved(field);
    }
    // The companions are gone while the controller is freed.
    if (FExtraFilters) {
        FExtraFilters->RemoveItemsOfField(field);
    }
    if (FFilter) {
        FFilter->RemoveItemsOfField(field);
    }
    if (FSummary) {
        FSummary->RemoveItemsOfField(field);
    }
    if (&field == FSearchField) {
        if (FSearch) {
            FSearch->Cancel();
        }
        FSearchField = nullptr;
    }
    if (&field == FSortingBySummaryField) {
        FSortingBySummaryField = nullptr;
        NotifySortingBySummaryChange();
    }
    if (&field == FIncrementalFilterField) {
        ResetIncrementalFilter();
    }
}

void TuiCustomDataController::ComponentRemoved(rtl::TComponent* component) {
    FFields->NotifyComponentRemoved(component);
}

bool TuiCustomDataController::IsInternalFieldValueDef(const TuiValueDef& valueDef) const {
    const auto* field = dynamic_cast<const TuiCustomDataField*>(valueDef.LinkObjectOf());
    return field && field->IsInternalField();
}

void TuiCustomDataController::ItemValueTypeClassChanged(int32_t) {}

} // namespace ui
