#include "ui/data/controller/details/uiDataRelations.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/data/common/uiClassInstances.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <algorithm>

namespace ui {

TuiCustomDataRelation::TuiCustomDataRelation(TuiCustomDataRelationList* relationList) : FRelationList(*relationList) {
    relationList->FItems.push_back(this);
}

TuiCustomDataRelation::~TuiCustomDataRelation() {
    GetMasterController().DetachRelationDetails(*this);
    if (TuiCustomDataController* detail = FDetailDataController) {
        FDetailDataController = nullptr;
        detail->DetachFromMasterRelation();
    }
    std::erase(FRelationList.FItems, this);
}

TuiCustomDataController& TuiCustomDataRelation::GetMasterController() const {
    return FRelationList.DataController();
}

int32_t TuiCustomDataRelation::IndexInList() const {
    return FRelationList.IndexOf(*this);
}

void TuiCustomDataRelation::Changed() {
    FRelationList.Changed(this);
}

void TuiDetailObject::FreeInfoObject(int32_t index) {
    if (index >= 0 && index < InfoObjectCount()) {
        FInfoObjects[static_cast<size_t>(index)].reset();
    }
}

TuiDetailInfoObject* TuiDetailObject::GetInfoObject(int32_t index) const {
    return index >= 0 && index < InfoObjectCount() ? FInfoObjects[static_cast<size_t>(index)].get() : nullptr;
}

TuiDetailInfoObject& TuiDetailObject::EnsureInfoObject(int32_t index) {
    if (index >= InfoObjectCount()) {
        FInfoObjects.resize(static_cast<size_t>(index) + 1);
    }
    std::unique_ptr<TuiDetailInfoObject>& slot = FInfoObjects[static_cast<size_t>(index)];
    if (!slot) {
        slot = std::make_unique<TuiDetailInfoObject>();
    }
    return *slot;
}

rtl::TObject* TuiDetailObject::LinkObjectOf(int32_t index) const {
    const TuiDetailInfoObject* info = GetInfoObject(index);
    return info ? info->LinkObject.get() : nullptr;
}

void TuiDetailObject::SetLinkObject(int32_t index, std::unique_ptr<rtl::TObject> linkObject) {
    EnsureInfoObject(index).LinkObject = std::move(linkObject);
}

bool TuiDetailObject::HasNoLinkObjects() const {
    return std::none_of(FInfoObjects.begin(), FInfoObjects.end(),
                        [](const std::unique_ptr<TuiDetailInfoObject>& info) { return info && info->LinkObject; });
}

bool TuiDetailObject::ResetHasChildren() {
    bool known = false;
    for (const std::unique_ptr<TuiDetailInfoObject>& info : FInfoObjects) {
        if (info && info->HasChildrenKnown) {
            info->HasChildrenKnown = false;
            known = true;
        }
    }
    return known;
}

void TuiDetailObject::SyncWithRelations(const TuiCustomDataRelationList& relationList) {
    if (InfoObjectCount() < relationList.GetCount()) {
        FInfoObjects.resize(static_cast<size_t>(relationList.GetCount()));
    }
    if (InfoObjectCount() == 0) {
        ActiveRelationIndex = -1;
        return;
    }
    ActiveRelationIndex = std::clamp(ActiveRelationIndex, 0, relationList.GetCount() - 1);
    if (relationList.GetItem(ActiveRelationIndex).DetailDataController()) {
        return;
    }
    for (int32_t index = 0; index < relationList.GetCount(); ++index) {
        if (relationList.GetItem(index).DetailDataController()) {
            ActiveRelationIndex = index;
            return;
        }
    }
}

TuiCustomDataRelationList::TuiCustomDataRelationList(TuiCustomDataController& dataController)
    : FDataController(dataController) {}

TuiCustomDataRelationList::~TuiCustomDataRelationList() {
    ++FLockCount;
    if (FDataField) {
        for (int32_t record = 0; record < FDataController.GetRecordCount(); ++record) {
            FreeDetailObject(record);
        }
    }
    while (!FItems.empty()) {
        delete FItems.back();
    }
    if (FDataField && !FDataController.IsDestroying()) {
        delete FDataField;
    }
}

TuiCustomDataRelation& TuiCustomDataRelationList::AddRelation(rtl::TObject* item) {
    // The list owns the relation from its construction on.
    TuiCustomDataRelation* relation =
        CreateCompanion<TuiCustomDataRelation>(FDataController.GetRelationClass(), this).release();
    relation->FItem = item;
    Changed(relation);
    return *relation;
}

void TuiCustomDataRelationList::RemoveRelation(TuiCustomDataRelation& relation) {
    delete &relation;
    Changed(nullptr);
}

TuiCustomDataRelation* TuiCustomDataRelationList::FindByItem(const rtl::TObject* item) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(),
                                    [item](const TuiCustomDataRelation* relation) { return relation->Item() == item; });
    return found == FItems.end() ? nullptr : *found;
}

int32_t TuiCustomDataRelationList::IndexOf(const TuiCustomDataRelation& relation) const {
    const auto found = std::find(FItems.begin(), FItems.end(), &relation);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TuiCustomDataRelationList::MoveRelation(int32_t from, int32_t to) {
    TuiCustomDataRelation* relation = &GetItem(from);
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + std::clamp(to, 0, GetCount()), relation);
    Changed(nullptr);
}

void TuiCustomDataRelationList::ClearRelations() {
    LockChanges();
    try {
        while (!FItems.empty()) {
            delete FItems.back();
        }
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

void TuiCustomDataRelationList::UnlockChanges() {
    if (--FLockCount == 0) {
        Changed(nullptr);
    }
}

void TuiCustomDataRelationList::Changed(TuiCustomDataRelation* relation) {
    if (FLockCount == 0) {
        Update(relation);
    }
}

void TuiCustomDataRelationList::Update(TuiCustomDataRelation* relation) {
    TuiCustomDataController& master = FDataController;
    master.LockInfoUpdate();
    try {
        if (FItems.empty()) {
            if (FDataField) {
                TuiCustomDataField* field = FDataField;
                FDataField = nullptr;
                delete field;
            }
        } else if (FDataField) {
            master.ClearDetails();
        } else {
            FDataField = &master.CreateInternalField();
            FDataField->AssignValueTypeClass(&TuiObjectValueType::Instance());
        }
        master.UpdateRelations(relation);
    } catch (...) {
        master.UnlockInfoUpdate();
        throw;
    }
    master.UnlockInfoUpdate();
}

TuiDetailObject* TuiCustomDataRelationList::FindDetailObject(int32_t recordIndex) const {
    if (!FDataField || recordIndex < 0 || recordIndex >= FDataController.GetRecordCount()) {
        return nullptr;
    }
    TuiDataStorage& storage = FDataController.DataStorage();
    const rtl::Variant handle = storage.GetValue(recordIndex, *FDataField->EffectiveValueDef());
    return handle.IsNull() ? nullptr : dynamic_cast<TuiDetailObject*>(storage.ResolveObject(rtl::VarToInteger(handle)));
}

TuiDetailObject* TuiCustomDataRelationList::GetDetailObject(int32_t recordIndex) {
    FDataController.CheckRecordIndex(recordIndex);
    if (!FDataField || recordIndex < 0) {
        return nullptr;
    }
    TuiDetailObject* detailObject = FindDetailObject(recordIndex);
    if (AreDetailsUnavailable()) {
        FreeDetailObject(recordIndex);
        return nullptr;
    }
    if (!detailObject) {
        auto created = std::make_unique<TuiDetailObject>();
        created->ActiveRelationIndex = FDataController.GetDefaultActiveRelationIndex();
        detailObject = created.get();
        TuiDataStorage& storage = FDataController.DataStorage();
        storage.SetValue(recordIndex, *FDataField->EffectiveValueDef(), storage.AddObject(std::move(created)));
    }
    detailObject->SyncWithRelations(*this);
    return detailObject;
}

void TuiCustomDataRelationList::FreeDetailObject(int32_t recordIndex) {
    TuiDetailObject* detailObject = FindDetailObject(recordIndex);
    if (!detailObject) {
        return;
    }
    for (int32_t index = 0; index < detailObject->InfoObjectCount(); ++index) {
        if (TuiCustomDataController* detail =
                FDataController.GetDetailLinkObjectController(detailObject->LinkObjectOf(index))) {
            detail->DetachFromMasterRelation();
        }
    }
    FDataController.DataStorage().SetValue(recordIndex, *FDataField->EffectiveValueDef(), rtl::Variant::Null());
}

void TuiCustomDataRelationList::ClearDetailObject(int32_t recordIndex, int32_t relationIndex) {
    if (TuiDetailObject* detailObject = FindDetailObject(recordIndex)) {
        detailObject->FreeInfoObject(relationIndex);
    }
}

bool TuiCustomDataRelationList::HasDetailLinkObject(int32_t recordIndex, int32_t relationIndex) const {
    const TuiDetailObject* detailObject = FindDetailObject(recordIndex);
    return detailObject && detailObject->LinkObjectOf(relationIndex);
}

bool TuiCustomDataRelationList::AreDetailsUnavailable() const {
    const TuiCustomDataController* pattern = FDataController.GetPatternDataController();
    if (!pattern || !pattern->HasRelations()) {
        return true;
    }
    const TuiCustomDataRelationList& relations = *pattern->FindRelations();
    return std::none_of(relations.FItems.begin(), relations.FItems.end(),
                        [](const TuiCustomDataRelation* relation) { return relation->DetailDataController(); });
}

void TuiCustomDataRelationList::FieldRemoved(TuiCustomDataField& field) {
    if (&field == FDataField) {
        FDataField = nullptr;
    }
    for (TuiCustomDataRelation* relation : FItems) {
        relation->FieldRemoved(field);
    }
}

} // namespace ui
