#include "ui/data/controller/provider/uiCustomRecordSource.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"

#include <algorithm>
#include <cstring>

namespace ui {

TuiCustomRecordSource::~TuiCustomRecordSource() {
    while (!FProviders.empty()) {
        FProviders.back()->SetCustomDataSource(nullptr);
    }
}

int32_t TuiCustomRecordSource::InsertRecordBefore(int32_t) {
    return AddRecord();
}

rtl::AnsiString TuiCustomRecordSource::GetDisplayText(int32_t handle, int32_t itemHandle) {
    const rtl::Variant value = GetValue(handle, itemHandle);
    return value.IsNull() ? rtl::AnsiString() : rtl::VarToAnsiStr(value);
}

rtl::Variant TuiCustomRecordSource::GetRecordId(int32_t) {
    return rtl::Variant::Null();
}

TuiCustomDataProvider* TuiCustomRecordSource::CurrentProvider() const {
    return FCurrentProvider ? FCurrentProvider : FDefaultProvider;
}

TuiCustomDataController* TuiCustomRecordSource::CurrentDataController() const {
    TuiCustomDataProvider* provider = CurrentProvider();
    return provider ? &provider->DataController() : nullptr;
}

void TuiCustomRecordSource::AddProvider(TuiCustomDataProvider& provider) {
    FProviders.push_back(&provider);
}

void TuiCustomRecordSource::RemoveProvider(TuiCustomDataProvider& provider) {
    std::erase(FProviders, &provider);
    if (FCurrentProvider == &provider) {
        FCurrentProvider = nullptr;
    }
    if (FDefaultProvider == &provider) {
        FDefaultProvider = nullptr;
    }
}

int32_t TuiCustomRecordSource::GetRecordHandle(int32_t recordIndex) const {
    // Read in place: sorting a large source asks for two handles per comparison.
    TuiCustomDataController& controller = *CurrentDataController();
    TuiValueReference reference = nullptr;
    if (controller.DataStorage().GetValuePointer(recordIndex, controller.RecordHandlesValueDef(), reference)) {
        return 0;
    }
    int32_t handle = 0;
    std::memcpy(&handle, reference, sizeof handle);
    return handle;
}

int32_t TuiCustomRecordSource::GetRecordIndexByHandle(int32_t handle) const {
    TuiCustomDataController& controller = *CurrentDataController();
    for (int32_t recordIndex = 0; recordIndex < controller.DataStorage().GetRecordCount(); ++recordIndex) {
        if (GetRecordHandle(recordIndex) == handle) {
            return recordIndex;
        }
    }
    return uiNoIndex;
}

int32_t TuiCustomRecordSource::AppendRecordHandle(int32_t handle) {
    TuiCustomDataController& controller = *CurrentDataController();
    TuiDataStorage& storage = controller.DataStorage();
    const int32_t recordIndex = storage.AddRecordAtEnd();
    storage.SetValue(recordIndex, controller.RecordHandlesValueDef(), rtl::Variant(handle));
    return recordIndex;
}

} // namespace ui
