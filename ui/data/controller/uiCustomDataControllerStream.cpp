// The data controller's stream: all its records with the value types of its items' fields.
#include "rtl/text/CodePages.h"
#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiVariantStreams.h"

namespace ui {

namespace {

constexpr std::string_view dataControllerStreamSignature = "DataController1";

[[noreturn]] void RaiseInvalidStreamFormat() {
    EuiInvalidDataControllerOperation::Raise(uiSDataInvalidStreamFormat);
}

int32_t FieldPositionOf(const TuiValueDef& valueDef) {
    const auto* field = dynamic_cast<const TuiCustomDataField*>(valueDef.LinkObjectOf());
    return field ? field->GetPosition() : 0;
}

rtl::AnsiString ValueTypeNameOf(const TuiValueDef& valueDef) {
    return rtl::UnicodeToAnsi(valueDef.ValueType().ClassName());
}

// Streams the records in the order of their fields (items first, internal fields after them) while it lives.
class TStreamModeScope {
public:
    explicit TStreamModeScope(TuiDataStorage& storage) : FStorage(storage) {
        FStorage.EnterStreamMode(
            [](const TuiValueDef& a, const TuiValueDef& b) { return FieldPositionOf(a) - FieldPositionOf(b); });
    }
    TStreamModeScope(const TStreamModeScope&) = delete;
    TStreamModeScope& operator=(const TStreamModeScope&) = delete;
    ~TStreamModeScope() { FStorage.LeaveStreamMode(); }

private:
    TuiDataStorage& FStorage;
};

} // namespace

int32_t TuiCustomDataController::MarkStreamStoredValueDefs() {
    TuiValueDefs& valueDefs = FDataStorage->ValueDefs();
    int32_t count = 0;
    for (int32_t i = 0; i < valueDefs.GetCount(); ++i) {
        TuiValueDef& valueDef = valueDefs.GetItem(i);
        // A controller in provider mode keeps handles, not values: nothing of its records is worth streaming.
        const bool stored = !IsProviderMode() && !IsInternalFieldValueDef(valueDef);
        valueDef.SetStreamStored(stored);
        count += stored ? 1 : 0;
    }
    return count;
}

void TuiCustomDataController::SaveDataToStream(rtl::TStream& stream) {
    TuiWriter writer(stream);
    writer.WriteString(dataControllerStreamSignature);
    writer.WriteInteger(MarkStreamStoredValueDefs());
    TStreamModeScope streamMode(*FDataStorage);
    const TuiValueDefs& valueDefs = FDataStorage->ValueDefs();
    for (int32_t i = 0; i < valueDefs.GetCount(); ++i) {
        if (valueDefs.GetItem(i).StreamStored()) {
            writer.WriteString(ValueTypeNameOf(valueDefs.GetItem(i)));
        }
    }
    writer.WriteInteger(GetRecordCount());
    for (int32_t recordIndex = 0; recordIndex < GetRecordCount(); ++recordIndex) {
        FDataStorage->WriteData(recordIndex, stream);
    }
}

void TuiCustomDataController::LoadDataFromStream(rtl::TStream& stream) {
    if (IsProviderMode()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataProviderModeError);
    }
    TuiReader reader(stream);
    if (reader.ReadString() != dataControllerStreamSignature) {
        RaiseInvalidStreamFormat();
    }
    if (reader.ReadInteger() != MarkStreamStoredValueDefs()) {
        RaiseInvalidStreamFormat();
    }
    TStreamModeScope streamMode(*FDataStorage);
    const TuiValueDefs& valueDefs = FDataStorage->ValueDefs();
    for (int32_t i = 0; i < valueDefs.GetCount(); ++i) {
        if (valueDefs.GetItem(i).StreamStored() && reader.ReadString() != ValueTypeNameOf(valueDefs.GetItem(i))) {
            RaiseInvalidStreamFormat();
        }
    }
    ReadStreamRecords(stream);
}

void TuiCustomDataController::AssignData(TuiCustomDataController& source) {
    if (source.IsProviderMode()) {
        SetCustomDataSource(nullptr);
        SetCustomDataSource(source.GetCustomDataSource());
        return;
    }
    rtl::TMemoryStream stream;
    source.SaveDataToStream(stream);
    stream.SetPosition(0);
    LoadDataFromStream(stream);
}

void TuiCustomDataController::ReadStreamRecords(rtl::TStream& stream) {
    const int32_t recordCount = ReadStreamInteger(stream);
    // Every record takes at least its flag byte.
    if (recordCount < 0 || recordCount > stream.Size() - stream.Position()) {
        RaiseInvalidStreamFormat();
    }
    const int32_t previousCount = GetRecordCount();
    try {
        for (int32_t i = 0; i < recordCount; ++i) {
            FDataStorage->ReadData(FDataStorage->AddRecordAtEnd(), stream);
        }
    } catch (...) {
        FDataStorage->RemoveRecords(previousCount, FDataStorage->GetRecordCount() - previousCount);
        throw;
    }
    LockInfoUpdate();
    try {
        ClearSelection();
        Provider().ResetEditing();
        FDataStorage->RemoveRecords(0, previousCount);
        CheckBookmarkValid(uiNoIndex);
        if (recordCount != previousCount) {
            RecordChanged(recordCount > previousCount ? dckRecordsAdded : dckRecordsRemoved, uiNoIndex, uiNoIndex);
        }
        FInfo->DataChanged();
    } catch (...) {
        UnlockInfoUpdate();
        throw;
    }
    UnlockInfoUpdate();
}

} // namespace ui
