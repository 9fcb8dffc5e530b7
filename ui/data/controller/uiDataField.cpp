#include "ui/data/controller/uiDataField.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/storage/uiDataStorage.h"

#include <algorithm>
#include <utility>

namespace ui {

TuiCustomDataField::TuiCustomDataField(TuiCustomDataFieldList* fieldList) : FFieldList(*fieldList) {}

TuiCustomDataField::~TuiCustomDataField() {
    FFieldList.Remove(*this);
    FreeValueDef();
}

TuiCustomDataController& TuiCustomDataField::DataController() const {
    return FFieldList.DataController();
}

void TuiCustomDataField::MarkInternal(bool internal) {
    if (FInternal == internal) {
        return;
    }
    FInternal = internal;
    FFieldList.RecountInternal();
}

int32_t TuiCustomDataField::GetPosition() const {
    return FFieldList.IndexOf(*this);
}

void TuiCustomDataField::MoveToPosition(int32_t position) {
    FFieldList.Move(GetPosition(), position);
}

void TuiCustomDataField::AttachToField(TuiCustomDataField* field) {
    if (field == FReferenceField) {
        return;
    }
    TuiCustomDataField* chainEnd = field;
    while (chainEnd && chainEnd->FReferenceField) {
        chainEnd = chainEnd->FReferenceField;
    }
    if (chainEnd == this) {
        return;
    }
    if (!FReferenceField) {
        AssignValueTypeClass(nullptr);
    }
    FReferenceField = chainEnd;
}

void TuiCustomDataField::AssignValueTypeClass(TuiValueTypeClass valueTypeClass) {
    if (FReferenceField || valueTypeClass == FValueTypeClass) {
        return;
    }
    BeginValueDefRebuild();
    FValueTypeClass = valueTypeClass;
    EndValueDefRebuild();
}

void TuiCustomDataField::AssignTextStored(bool textStored) {
    if (FReferenceField || textStored == FTextStored) {
        return;
    }
    BeginValueDefRebuild();
    FTextStored = textStored;
    EndValueDefRebuild();
}

void TuiCustomDataField::BeginValueDefRebuild() {
    if (FValueDefRebuildLock == 0) {
        FreeValueDef();
    }
    ++FValueDefRebuildLock;
}

void TuiCustomDataField::EndValueDefRebuild() {
    if (--FValueDefRebuildLock == 0) {
        CreateValueDef();
    }
}

void TuiCustomDataField::TakeOverValueDef(TuiCustomDataField& source) {
    FReferenceField = nullptr;
    FValueDef = std::exchange(source.FValueDef, nullptr);
    FValueTypeClass = std::exchange(source.FValueTypeClass, nullptr);
    FTextStored = source.FTextStored;
    if (FValueDef) {
        FValueDef->SetLinkObject(this);
    }
}

void TuiCustomDataField::NotifyComponentRemoved(rtl::TComponent*) {}

const TuiCustomDataField& TuiCustomDataField::ReferenceChainEnd() const {
    const TuiCustomDataField* field = this;
    while (field->FReferenceField) {
        field = field->FReferenceField;
    }
    return *field;
}

TuiDataStorage& TuiCustomDataField::Storage() const {
    return DataController().DataStorage();
}

void TuiCustomDataField::CreateValueDef() {
    if (FReferenceField || !FValueTypeClass) {
        return;
    }
    FreeValueDef();
    FValueDef = &Storage().ValueDefs().Add(*FValueTypeClass, FInternal, FTextStored, this);
}

void TuiCustomDataField::FreeValueDef() {
    if (TuiValueDef* valueDef = std::exchange(FValueDef, nullptr)) {
        Storage().ValueDefs().Remove(*valueDef);
    }
}

TuiCustomDataFieldList::TuiCustomDataFieldList(TuiCustomDataController& dataController)
    : FDataController(dataController) {}

TuiCustomDataFieldList::~TuiCustomDataFieldList() {
    Clear();
}

TuiCustomDataField* TuiCustomDataFieldList::FindByItem(const rtl::TObject* item) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(),
                                    [item](const TuiCustomDataField* field) { return field->Item() == item; });
    return found == FItems.end() ? nullptr : *found;
}

void TuiCustomDataFieldList::Add(std::unique_ptr<TuiCustomDataField> field) {
    const auto position = field->IsInternalField() ? FItems.end() : FItems.begin() + GetItemCount();
    FItems.insert(position, field.release());
    RecountInternal();
}

void TuiCustomDataFieldList::Clear() {
    while (!FItems.empty()) {
        delete FItems.back();
    }
}

TuiCustomDataField& TuiCustomDataFieldList::GetItem(int32_t index) const {
    if (index < 0 || index >= GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return *FItems[static_cast<size_t>(index)];
}

int32_t TuiCustomDataFieldList::IndexOf(const TuiCustomDataField& field) const {
    const auto found = std::find(FItems.begin(), FItems.end(), &field);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TuiCustomDataFieldList::Move(int32_t currentIndex, int32_t newIndex) {
    TuiCustomDataField& field = GetItem(currentIndex);
    GetItem(newIndex);
    FItems.erase(FItems.begin() + currentIndex);
    FItems.insert(FItems.begin() + newIndex, &field);
}

void TuiCustomDataFieldList::NotifyComponentRemoved(rtl::TComponent* component) {
    for (TuiCustomDataField* field : FItems) {
        field->NotifyComponentRemoved(component);
    }
}

void TuiCustomDataFieldList::Remove(TuiCustomDataField& field) {
    const auto found = std::find(FItems.begin(), FItems.end(), &field);
    if (found == FItems.end()) {
        return;
    }
    FFieldDestroyed = true;
    ReleaseReferencesTo(field);
    FItems.erase(found);
    FDataController.DoFieldRemoved(field);
    RecountInternal();
}

void TuiCustomDataFieldList::ReleaseReferencesTo(TuiCustomDataField& field) {
    // A field that refers on has no definition to hand over: the fields that referred to it refer on with it.
    TuiCustomDataField* newOwner = field.ReferenceField();
    for (TuiCustomDataField* referring : FItems) {
        if (referring->ReferenceField() != &field) {
            continue;
        }
        if (newOwner) {
            referring->AttachToField(newOwner);
        } else {
            referring->TakeOverValueDef(field);
            newOwner = referring;
        }
    }
}

void TuiCustomDataFieldList::RecountInternal() {
    FInternalCount = static_cast<int32_t>(std::count_if(
        FItems.begin(), FItems.end(), [](const TuiCustomDataField* field) { return field->IsInternalField(); }));
}

} // namespace ui
