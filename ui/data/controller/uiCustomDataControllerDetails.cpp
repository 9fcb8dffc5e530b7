// The data controller as a master of detail levels, and as a detail of a master record.
#include "ui/data/controller/details/uiDataRelations.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiCustomDataController.h"

namespace ui {

TuiCustomDataRelationList& TuiCustomDataController::GetRelations() {
    if (!FRelations) {
        FRelations = std::make_unique<TuiCustomDataRelationList>(*this);
    }
    return *FRelations;
}

bool TuiCustomDataController::HasRelations() const {
    return FRelations && FRelations->GetCount() > 0;
}

void TuiCustomDataController::ForEachDetailController(int32_t fromRecordIndex,
                                                      const std::function<void(TuiCustomDataController&)>& action) {
    if (!HasRelations()) {
        return;
    }
    for (int32_t record = std::max(fromRecordIndex, 0); record < GetRecordCount(); ++record) {
        const TuiDetailObject* detailObject = FRelations->FindDetailObject(record);
        for (int32_t index = 0; detailObject && index < detailObject->InfoObjectCount(); ++index) {
            if (TuiCustomDataController* detail = GetDetailLinkObjectController(detailObject->LinkObjectOf(index))) {
                action(*detail);
            }
        }
    }
}

int32_t TuiCustomDataController::GetDetailActiveRelationIndex(int32_t recordIndex) {
    const TuiDetailObject* detailObject = HasRelations() ? FRelations->GetDetailObject(recordIndex) : nullptr;
    return detailObject ? detailObject->ActiveRelationIndex : uiNoIndex;
}

void TuiCustomDataController::SetDetailActiveRelation(int32_t recordIndex, int32_t relationIndex) {
    TuiDetailObject* detailObject = HasRelations() ? FRelations->GetDetailObject(recordIndex) : nullptr;
    if (!detailObject || detailObject->ActiveRelationIndex == relationIndex) {
        return;
    }
    CheckFocusedRow();
    detailObject->ActiveRelationIndex = relationIndex;
    Change({dccDetail});
}

bool TuiCustomDataController::IsDetailExpanded(int32_t recordIndex) const {
    const TuiDetailObject* detailObject = FRelations ? FRelations->FindDetailObject(recordIndex) : nullptr;
    return detailObject && detailObject->Expanded;
}

bool TuiCustomDataController::ChangeDetailExpanding(int32_t recordIndex, bool expand) {
    if (IsDetailExpanded(recordIndex) == expand) {
        return true;
    }
    const bool wasExpanding = FDetailExpanding;
    FDetailExpanding = true;
    bool changed = false;
    try {
        CheckFocusedRow();
        changed = recordIndex >= 0 && recordIndex < GetRecordCount() && SetDetailExpanded(recordIndex, expand);
    } catch (...) {
        FDetailExpanding = wasExpanding;
        throw;
    }
    FDetailExpanding = wasExpanding;
    return changed;
}

bool TuiCustomDataController::SetDetailExpanded(int32_t recordIndex, bool expand) {
    TuiDetailObject* detailObject = HasRelations() ? FRelations->GetDetailObject(recordIndex) : nullptr;
    if (!detailObject || !CanChangeDetailExpanding(recordIndex, expand)) {
        return false;
    }
    detailObject->Expanded = expand;
    const TuiCustomDataController* master = GetMasterDataController();
    if (!master || master->GetInfoLockCount() == 0) {
        Change({dccDetail});
    }
    if (expand) {
        DoDetailExpanded(recordIndex);
    } else {
        DoDetailCollapsed(recordIndex);
    }
    return true;
}

void TuiCustomDataController::CollapseAllDetails() {
    CheckFocusedRow();
    const bool wasExpanding = FDetailExpanding;
    FDetailExpanding = true;
    try {
        InsideUpdate([this] {
            for (int32_t record = 0; record < GetRecordCount(); ++record) {
                if (IsDetailExpanded(record)) {
                    SetDetailExpanded(record, false);
                }
            }
        });
    } catch (...) {
        FDetailExpanding = wasExpanding;
        throw;
    }
    FDetailExpanding = wasExpanding;
}

void TuiCustomDataController::ClearDetailObject(int32_t recordIndex, int32_t relationIndex) {
    if (FRelations) {
        FRelations->ClearDetailObject(recordIndex, relationIndex);
    }
}

void TuiCustomDataController::ClearDetails() {
    if (!FRelations) {
        return;
    }
    for (int32_t record = 0; record < GetRecordCount(); ++record) {
        if (TuiDetailObject* detailObject = FRelations->FindDetailObject(record)) {
            detailObject->ClearInfoObjects();
            Change({dccDetail});
        }
    }
}

rtl::TObject* TuiCustomDataController::GetDetailLinkObject(int32_t recordIndex, int32_t relationIndex) {
    TuiDetailObject* detailObject = HasRelations() ? FRelations->GetDetailObject(recordIndex) : nullptr;
    if (!detailObject || relationIndex < 0 || relationIndex >= FRelations->GetCount()) {
        return nullptr;
    }
    if (rtl::TObject* linkObject = detailObject->LinkObjectOf(relationIndex); linkObject || FCreatingLinkObject) {
        return linkObject;
    }
    FCreatingLinkObject = true;
    std::unique_ptr<rtl::TObject> created;
    try {
        created = CreateDetailLinkObject(FRelations->GetItem(relationIndex), recordIndex);
    } catch (...) {
        FCreatingLinkObject = false;
        throw;
    }
    FCreatingLinkObject = false;
    // A handler may have changed the records meanwhile: the object belongs to no record then.
    if (!created || recordIndex >= GetRecordCount() || FRelations->FindDetailObject(recordIndex) != detailObject) {
        return nullptr;
    }
    rtl::TObject* linkObject = created.get();
    detailObject->SetLinkObject(relationIndex, std::move(created));
    return linkObject;
}

TuiCustomDataController* TuiCustomDataController::GetDetailDataController(int32_t recordIndex, int32_t relationIndex) {
    return GetDetailLinkObjectController(GetDetailLinkObject(recordIndex, relationIndex));
}

bool TuiCustomDataController::IsDetailLinkObjectCreated(int32_t recordIndex, int32_t relationIndex) const {
    return FRelations && FRelations->HasDetailLinkObject(recordIndex, relationIndex);
}

bool TuiCustomDataController::DetailHasChildren(int32_t recordIndex, int32_t relationIndex) {
    if (IsDetailLinkObjectCreated(recordIndex, relationIndex)) {
        const TuiCustomDataController* detail =
            GetDetailLinkObjectController(FRelations->FindDetailObject(recordIndex)->LinkObjectOf(relationIndex));
        return detail && detail->GetRecordCount() > 0;
    }
    if (!IsProviderMode() && !Provider().IsDataSetProvider()) {
        return false;
    }
    TuiDetailObject* detailObject = HasRelations() ? FRelations->GetDetailObject(recordIndex) : nullptr;
    if (!detailObject) {
        return true;
    }
    TuiDetailInfoObject& info = detailObject->EnsureInfoObject(relationIndex);
    if (!info.HasChildrenKnown) {
        info.HasChildren = Provider().HasDetailRecords(recordIndex, relationIndex);
        info.HasChildrenKnown = true;
    }
    return info.HasChildren;
}

void TuiCustomDataController::ResetDetailsHasChildren() {
    bool known = false;
    for (int32_t record = 0; FRelations && record < GetRecordCount(); ++record) {
        if (TuiDetailObject* detailObject = FRelations->FindDetailObject(record)) {
            known = detailObject->ResetHasChildren() || known;
        }
    }
    if (known) {
        Change({dccDetail});
    }
}

void TuiCustomDataController::DetachRelationDetails(TuiCustomDataRelation& relation) {
    // The relation's own list: the controller's may be on its way out.
    const TuiCustomDataRelationList& relations = relation.RelationList();
    const int32_t relationIndex = relation.IndexInList();
    for (int32_t record = 0; record < GetRecordCount(); ++record) {
        const TuiDetailObject* detailObject = relations.FindDetailObject(record);
        if (TuiCustomDataController* detail =
                detailObject ? GetDetailLinkObjectController(detailObject->LinkObjectOf(relationIndex)) : nullptr) {
            detail->DetachFromMasterRelation();
        }
    }
}

void TuiCustomDataController::ShiftDetailMasterIndexesUp(int32_t recordIndex) {
    ForEachDetailController(recordIndex + 1, [](TuiCustomDataController& detail) { ++detail.FMasterRecordIndex; });
}

void TuiCustomDataController::ShiftDetailMasterIndexesDown(int32_t recordIndex) {
    if (recordIndex < 0) {
        return;
    }
    ForEachDetailController(recordIndex, [](TuiCustomDataController& detail) { --detail.FMasterRecordIndex; });
}

void TuiCustomDataController::ClearDetailsOfItem(rtl::TObject* item) {
    if (FRelations && FRelations->FindByItem(item)) {
        ClearDetails();
        return;
    }
    ForEachDetailController(0, [item](TuiCustomDataController& detail) { detail.ClearDetailsOfItem(item); });
}

void TuiCustomDataController::UpdateRelations(TuiCustomDataRelation*) {
    if (IsDestroying()) {
        return;
    }
    if (IsTemplateController() && FMasterRelation) {
        GetRootDataController().ClearDetailsOfItem(FMasterRelation->Item());
        return;
    }
    Change({dccData});
}

std::unique_ptr<rtl::TObject> TuiCustomDataController::CreateDetailLinkObject(TuiCustomDataRelation&, int32_t) {
    return nullptr;
}

TuiCustomDataController* TuiCustomDataController::GetDetailLinkObjectController(rtl::TObject*) const {
    return nullptr;
}

TuiCustomDataController* TuiCustomDataController::GetMasterDataController() const {
    return FMasterRelation ? &FMasterRelation->GetMasterController() : nullptr;
}

TuiCustomDataController& TuiCustomDataController::GetRootDataController() {
    TuiCustomDataController* controller = this;
    while (TuiCustomDataController* master = controller->GetMasterDataController()) {
        controller = master;
    }
    return *controller;
}

namespace {

// The template attached to the relation for item, searched depth first from controller.
TuiCustomDataController* FindPatternOfItem(const TuiCustomDataController& controller, const rtl::TObject* item) {
    const TuiCustomDataRelationList* relations = controller.FindRelations();
    if (!relations) {
        return nullptr;
    }
    if (const TuiCustomDataRelation* relation = relations->FindByItem(item)) {
        return relation->DetailDataController();
    }
    for (int32_t index = 0; index < relations->GetCount(); ++index) {
        const TuiCustomDataController* detail = relations->GetItem(index).DetailDataController();
        if (TuiCustomDataController* pattern = detail ? FindPatternOfItem(*detail, item) : nullptr) {
            return pattern;
        }
    }
    return nullptr;
}

} // namespace

TuiCustomDataController* TuiCustomDataController::GetPatternDataController() const {
    if (!FMasterRelation) {
        return const_cast<TuiCustomDataController*>(this);
    }
    const TuiCustomDataController* root = this;
    while (const TuiCustomDataController* master = root->GetMasterDataController()) {
        root = master;
    }
    return FindPatternOfItem(*root, FMasterRelation->Item());
}

int32_t TuiCustomDataController::GetTemplateState() const {
    if (FMasterRelation) {
        return FMasterRecordIndex >= 0 ? 2 : 1;
    }
    return FIsTemplate ? 1 : 0;
}

void TuiCustomDataController::SetIsTemplate(bool isTemplate) {
    const bool wasTemplate = IsTemplateController();
    FIsTemplate = isTemplate;
    if (IsTemplateController() != wasTemplate && !IsDestroying()) {
        DataSourceChanged();
    }
}

void TuiCustomDataController::SetMasterRelation(TuiCustomDataRelation* relation, bool isTemplate) {
    InsideUpdate([&] {
        SetMasterRelationAndRecord(relation, uiNoIndex);
        SetIsTemplate(isTemplate);
    });
}

void TuiCustomDataController::SetMasterRelationAndRecord(TuiCustomDataRelation* relation, int32_t recordIndex) {
    if (!relation && !FMasterRelation && recordIndex == uiNoIndex && FMasterRecordIndex == uiNoIndex) {
        return;
    }
    LockInfoUpdate();
    try {
        if (FMasterRelation) {
            if (FMasterRelation->DetailDataController() == this && recordIndex == uiNoIndex) {
                FMasterRelation->SetDetailDataController(nullptr);
            } else if (IsProviderMode()) {
                Provider().SetCustomDataSource(nullptr);
            }
        }
        FMasterRelation = relation;
        FMasterRecordIndex = relation ? recordIndex : uiNoIndex;
        if (relation && recordIndex == uiNoIndex) {
            relation->SetDetailDataController(this);
            relation->Changed();
        } else if (relation) {
            // A clone reads the records of its level's source.
            const TuiCustomDataController* pattern = GetPatternDataController();
            if (pattern && pattern != this && pattern->GetCustomDataSource()) {
                Provider().SetCustomDataSource(pattern->GetCustomDataSource());
            }
        }
    } catch (...) {
        UnlockInfoUpdate();
        throw;
    }
    UnlockInfoUpdate();
    RebuildRows();
}

void TuiCustomDataController::DetachFromMasterRelation() {
    const bool wasTemplate = IsTemplateController();
    FMasterRelation = nullptr;
    FMasterRecordIndex = uiNoIndex;
    FIsTemplate = wasTemplate;
}

void TuiCustomDataController::MasterRecordChanged() {
    if (GetTemplateState() == 2) {
        Change({dccMasterRecordChanged});
    }
    BeforeStructureChanged();
}

} // namespace ui
