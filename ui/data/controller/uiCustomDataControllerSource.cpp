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
    return GetCustomDataSource() != nullptr;
}

TuiCustomRecordSource* TuiCustomDataController::GetCustomDataSource() const {
    // Without a provider made yet there is no source: asking must not make one while the controller is built.
    return FProvider ? FProvider->CustomDataSource() : nullptr;
}

void TuiCustomDataController::SetCustomDataSource(TuiCustomRecordSource* source) {
    if (source == GetCustomDataSource()) {
        return;
    }
    Provider().SetCustomDataSource(source);
    CustomDataSourceChanged();
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
