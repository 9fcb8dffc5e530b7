// TuiCustomDataController: the source changing, the structure check and update, the reload of the records (the full
// load from the provider), smart loading one record at a time, and the copy of a record through a reader.
#include "ui/data/common/uiClassInstances.h"
#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/provider/uiValueDefRecordReader.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiSortingFieldList.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <utility>

namespace ui {

void TuiCustomDataController::DataSourceChanged() {
    InsideUpdate([this] {
        Provider().ResetEditing();
        const bool sourceRemoved = !IsProviderMode() && FRecordHandlesField != nullptr;
        if (!IsDataLoadAllowed() || sourceRemoved) {
            FDataStorage->Clear(false);
        }
        ClearBookmark();
        FInfo->CheckSelectionRange();
        FProviderNavigates = IsProviderNavigation();
        // The values of a source's records are the source's: the records keep room for internal fields alone.
        FDataStorage->ChangeStoredValuesOnly(IsProviderMode() || FProviderNavigates);
        FDataStorage->ChangeUseRecordIds(UseRecordIDs());
        if (sourceRemoved) {
            delete FRecordHandlesField;
            FRecordHandlesField = nullptr;
        } else if (IsProviderMode() && !FRecordHandlesField) {
            FRecordHandlesField = &CreateInternalField();
            FRecordHandlesField->AssignValueTypeClass(&TuiIntegerValueType::Instance());
        }
        FStructureRecreated = true;
        StructureChanged();
    });
}

void TuiCustomDataController::StructureChanged() {
    CheckStructure();
}

void TuiCustomDataController::SetActive(bool active) {
    FActive = active;
    CheckStructure();
    ResetMasterDetailAnswers();
}

void TuiCustomDataController::CheckStructure() {
    if (FUpdatingItems) {
        return;
    }
    FUpdatingItems = true;
    try {
        // CheckChanges runs the check again when the lock ends; the reload waits for it.
        if (GetInfoLockCount() != 0) {
            FStructureChanged = true;
        }
        // Asked only now: a controller being built has made no provider yet and must not make the base's.
        if (IsStructureRecreated()) {
            UpdateStructure(Provider().IsActive());
        }
    } catch (...) {
        FUpdatingItems = false;
        throw;
    }
    FUpdatingItems = false;
}

void TuiCustomDataController::UpdateStructure(bool force) {
    InsideUpdate([&] {
        TuiCustomDataProvider& provider = Provider();
        bool reloadDeferred = false;
        if (IsStructureRecreated() && (force || provider.NeedsFieldsCheck())) {
            if (FUpdateFieldsLockCount != 0) {
                FUpdateFieldsPending = true;
                reloadDeferred = true;
            } else {
                if (!provider.DefersFieldRemoval() || (!provider.IsInserting() && !FFields->FieldDestroyed())) {
                    RemoveDestroyedFields();
                }
                reloadDeferred = FStructureChanged;
                if (!reloadDeferred) {
                    LayoutChanged();
                }
            }
        }
        FInfo->DataChanged();
        // A reload that waits keeps the change of source pending, or a provider that is no custom source would
        // never be loaded when the check runs again.
        if (!reloadDeferred) {
            FStructureRecreated = false;
        }
    });
}

void TuiCustomDataController::BeginUpdateFields() {
    ++FUpdateFieldsLockCount;
}

void TuiCustomDataController::EndUpdateFields() {
    if (FUpdateFieldsLockCount == 0 || --FUpdateFieldsLockCount != 0 || !FUpdateFieldsPending) {
        return;
    }
    FUpdateFieldsPending = false;
    FStructureRecreated = true;
    StructureChanged();
}

bool TuiCustomDataController::IsStructureRecreated() const {
    return IsProviderMode() || FStructureRecreated;
}

bool TuiCustomDataController::IsStructureChangedWhileProviderNavigates() const {
    return FStructureChanged && IsProviderNavigation();
}

bool TuiCustomDataController::IsDataLoadAllowed() const {
    return !IsProviderMode();
}

void TuiCustomDataController::LayoutChanged() {
    TuiCustomDataProvider& provider = Provider();
    if (!FInSmartLoad) {
        // The new-item record and an edited record's copy survive a reload the provider itself asked for.
        FDataStorage->Clear(provider.IsDataChangedLocked());
    }
    if (provider.IsActive() && !IsSmartLoad()) {
        if (!IsTemplateController()) {
            try {
                LoadFromProvider();
            } catch (...) {
                // What was read stays: nothing may point past it when the error reaches the caller.
                ValidateAgainstRecords();
                ReportAllDataChanged();
                throw;
            }
        }
        ValidateAgainstRecords();
        UpdateFocusingAfterLocate();
    }
    ReportAllDataChanged();
    MasterRecordChanged();
}

void TuiCustomDataController::LoadFromProvider() {
    TuiCustomDataProvider& provider = Provider();
    if (IsProviderNavigation()) {
        InsideStorageLoad([&] { provider.LoadGridModeBuffer(); });
        return;
    }
    provider.HoldChanges();
    try {
        provider.LoadingStarted();
        provider.First();
        if (provider.FieldsRecreatedAfterFirst()) {
            RemoveDestroyedFields();
        }
        InsideStorageLoad([&] {
            if (IsProviderMode()) {
                provider.LoadFromDataSource();
            } else {
                LoadRecordsThroughReader();
            }
        });
        provider.LoadingFinished();
    } catch (...) {
        provider.ReleaseChanges();
        throw;
    }
    provider.ReleaseChanges();
}

void TuiCustomDataController::LoadRecordsThroughReader() {
    TuiCustomDataProvider& provider = Provider();
    const std::unique_ptr<TuiValueDefReader> reader = CreateProviderReader();
    while (!provider.IsEOF()) {
        AppendRecordFromReader(*reader);
        provider.Next();
    }
}

std::unique_ptr<TuiValueDefReader> TuiCustomDataController::CreateProviderReader() {
    TuiCustomDataProvider& provider = Provider();
    return CreateCompanion<TuiValueDefReader>(provider.GetValueDefReaderClass(), &provider);
}

void TuiCustomDataController::InsideStorageLoad(const std::function<void()>& work) {
    FDataStorage->BeginLoad();
    try {
        work();
    } catch (...) {
        FDataStorage->EndLoad();
        throw;
    }
    FDataStorage->EndLoad();
}

void TuiCustomDataController::ValidateAgainstRecords() {
    FInfo->CheckSelectionRange();
    CheckBookmarkValid(uiNoIndex);
    CorrectEditingIndexOnDelete(uiNoIndex);
}

void TuiCustomDataController::SyncProviderGrouping() {
    // A provider not made yet neither navigates nor hears: the recalculation after it is made tells it.
    if (!FProvider) {
        return;
    }
    TuiCustomDataProvider& provider = *FProvider;
    provider.SetGrouped(FInfo->GroupingList().GetCount() > 0);
    if (provider.IsGridMode() != FProviderNavigates) {
        DataSourceChanged();
    }
}

void TuiCustomDataController::ScrollProvider(int32_t distance) {
    if (IsProviderNavigation()) {
        Provider().MoveBy(distance);
    }
}

TuiDataStorage& TuiCustomDataController::BeginFullLoad() {
    TuiCustomDataProvider& provider = Provider();
    provider.HoldChanges();
    provider.LoadingStarted();
    FDataStorage->BeginLoad();
    return *FDataStorage;
}

void TuiCustomDataController::EndFullLoad() {
    TuiCustomDataProvider& provider = Provider();
    FDataStorage->EndLoad();
    provider.LoadingFinished();
    provider.ReleaseChanges();
    ValidateAgainstRecords();
    UpdateFocusingAfterLocate();
    ReportAllDataChanged();
}

int32_t TuiCustomDataController::AppendRecordFromProvider() {
    const bool wasInSmartLoad = std::exchange(FInSmartLoad, true);
    int32_t recordIndex = uiNoIndex;
    try {
        if (IsProviderMode()) {
            recordIndex = Provider().AppendSourceRecord();
        } else {
            recordIndex = AppendRecordFromReader(*CreateProviderReader());
        }
        // The rows hear of the record in both modes: a source that appends on request reports nothing itself.
        RecordChanged(dckRecordsAdded, uiNoIndex, uiNoIndex);
    } catch (...) {
        FInSmartLoad = wasInSmartLoad;
        throw;
    }
    FInSmartLoad = wasInSmartLoad;
    return recordIndex;
}

int32_t TuiCustomDataController::AppendRecordFromReader(TuiValueDefReader& reader) {
    if (IsProviderMode()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataProviderModeError);
    }
    const int32_t recordIndex = FDataStorage->AddRecordAtEnd();
    FDataStorage->FillRecordFromReader(recordIndex, reader);
    ProviderRecordChanged(recordIndex);
    return recordIndex;
}

void TuiCustomDataController::ProviderRecordChanged(int32_t recordIndex) {
    Provider().RecordLoaded(recordIndex);
}

void TuiCustomDataController::SetFieldValueFromReader(const TuiValueDef& valueDef, TuiValueDefReader& reader,
                                                      int32_t targetRecordIndex) {
    const auto* field = dynamic_cast<const TuiCustomDataField*>(valueDef.LinkObjectOf());
    if (!field || field->IsInternalField()) {
        return;
    }
    TuiCustomDataProvider& provider = Provider();
    provider.SetValue(targetRecordIndex, *field, reader.GetValue(valueDef));
    if (valueDef.TextStored()) {
        provider.SetDisplayText(targetRecordIndex, *field, reader.GetDisplayText(valueDef));
    }
}

void TuiCustomDataController::CopyRecord(int32_t fromRecordIndex, int32_t toRecordIndex) {
    TuiValueDefRecordReader reader(*this, fromRecordIndex);
    if (IsProviderMode() && toRecordIndex >= 0) {
        // The target's values are the source's: each goes there through the provider.
        FDataStorage->ForEachValueDefOfRecord(toRecordIndex, [&](const TuiValueDef& valueDef) {
            SetFieldValueFromReader(valueDef, reader, toRecordIndex);
        });
    } else {
        FDataStorage->FillRecordFromReader(toRecordIndex, reader);
    }
    if (toRecordIndex >= 0) {
        RecordChanged(dckRecord, uiNoIndex, uiNoIndex);
    }
}

void TuiCustomDataController::DeleteRecordData(int32_t recordIndex) {
    if (IsProviderMode()) {
        Provider().DeleteSourceRecord(recordIndex);
    }
    FDataStorage->RemoveRecordAt(recordIndex);
}

} // namespace ui
