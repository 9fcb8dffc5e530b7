// The data controller in provider mode, and its saved state.
#include "ui/data/controller/provider/uiCustomRecordSource.h"
#include "ui/data/controller/provider/uiDataKeys.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiScalarValueTypes.h"

namespace ui {

bool TuiCustomDataController::IsProviderMode() const {
    return Provider().CustomDataSource() != nullptr;
}

TuiCustomRecordSource* TuiCustomDataController::GetCustomDataSource() const {
    return Provider().CustomDataSource();
}

void TuiCustomDataController::SetCustomDataSource(TuiCustomRecordSource* source) {
    if (source == GetCustomDataSource()) {
        return;
    }
    Provider().SetCustomDataSource(source);
    CustomDataSourceChanged();
}

void TuiCustomDataController::DataSourceChanged() {
    InsideUpdate([this] {
        Provider().ResetEditing();
        FDataStorage->Clear(false);
        ClearBookmark();
        FInfo->CheckSelectionRange();
        // The values of a source's records are the source's: the records keep room for internal fields alone.
        FDataStorage->ChangeStoredValuesOnly(IsProviderMode() || IsProviderNavigation());
        if (!IsProviderMode() && FRecordHandlesField) {
            delete FRecordHandlesField;
            FRecordHandlesField = nullptr;
        } else if (IsProviderMode() && !FRecordHandlesField) {
            FRecordHandlesField = &CreateInternalField();
            FRecordHandlesField->AssignValueTypeClass(&TuiIntegerValueType::Instance());
        }
        LayoutChanged();
    });
}

void TuiCustomDataController::LayoutChanged() {
    FDataStorage->Clear(Provider().IsDataChangedLocked());
    if (Provider().IsActive() && !IsTemplateController()) {
        LoadFromProvider();
        FInfo->CheckSelectionRange();
        CheckBookmarkValid(uiNoIndex);
    }
    RecordChanged(dckAllData, uiNoIndex, uiNoIndex);
}

void TuiCustomDataController::LoadFromProvider() {
    BeginFullLoad();
    try {
        Provider().LoadFromDataSource();
    } catch (...) {
        FDataStorage->EndLoad();
        Provider().ReleaseChanges();
        throw;
    }
    FDataStorage->EndLoad();
    Provider().LoadingFinished();
    Provider().ReleaseChanges();
}

TuiDataStorage& TuiCustomDataController::BeginFullLoad() {
    Provider().HoldChanges();
    Provider().LoadingStarted();
    FDataStorage->BeginLoad();
    return *FDataStorage;
}

void TuiCustomDataController::EndFullLoad() {
    FDataStorage->EndLoad();
    Provider().LoadingFinished();
    Provider().ReleaseChanges();
    FInfo->CheckSelectionRange();
    CheckBookmarkValid(uiNoIndex);
    RecordChanged(dckAllData, uiNoIndex, uiNoIndex);
}

const TuiValueDef& TuiCustomDataController::RecordHandlesValueDef() const {
    return *FRecordHandlesField->EffectiveValueDef();
}

void TuiCustomDataController::BeginSaveState() {
    if (FSaveStateLockCount == 0) {
        BeginUpdate();
        try {
            auto saveObject = std::make_unique<TuiSaveObject>();
            saveObject->SaveState(*this);
            FSaveObject = std::move(saveObject);
        } catch (...) {
            EndUpdate();
            throw;
        }
    }
    ++FSaveStateLockCount;
}

void TuiCustomDataController::EndSaveState() {
    if (FSaveStateLockCount == 0 || --FSaveStateLockCount != 0) {
        return;
    }
    const std::unique_ptr<TuiSaveObject> saveObject = std::move(FSaveObject);
    try {
        saveObject->RestoreState(*this);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

rtl::Variant TuiCustomDataController::GetKeyValue(int32_t recordIndex,
                                                  const std::vector<TuiCustomDataField*>& keyFields) {
    if (keyFields.empty()) {
        return IsProviderMode() ? Provider().GetRecordId(recordIndex) : rtl::Variant::Null();
    }
    if (keyFields.size() == 1) {
        return GetFieldValue(recordIndex, *keyFields.front());
    }
    const auto count = static_cast<int32_t>(keyFields.size());
    rtl::Variant key = rtl::Variant::CreateArray(0, count - 1, rtl::varVariant);
    for (int32_t i = 0; i < count; ++i) {
        key.SetArrayElement(i, GetFieldValue(recordIndex, *keyFields[static_cast<size_t>(i)]));
    }
    return key;
}

void TuiCustomDataController::GetKeyFields(std::vector<TuiCustomDataField*>&) {}

bool TuiCustomDataController::CanRestoreByKeys() {
    return IsProviderMode() && Provider().IsRecordIdSupported();
}

} // namespace ui
