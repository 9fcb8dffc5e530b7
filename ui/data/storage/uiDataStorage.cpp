#include "ui/data/storage/uiDataStorage.h"

#include "rtl/core/Exceptions.h"
#include "rtl/core/Lists.h"
#include "rtl/text/Format.h"
#include "ui/core/encoding/uxStream.h"
#include "ui/data/values/uiBufferBytes.h"
#include "ui/data/values/uiVariantStreams.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace ui {

namespace {

constexpr uint8_t InternalRecordInUse = 1;
constexpr int32_t RecordFlagsSize = 1;
constexpr int32_t RecordIdOffset = RecordFlagsSize;
constexpr int32_t RecordIdSize = 4;
// Internal records keep no ID.
constexpr int32_t InternalRecordHeaderSize = RecordFlagsSize;
// An ID read from a stream moves the counter past it; the largest int32 would leave no ID to give.
constexpr int64_t MaxRecordId = std::numeric_limits<int32_t>::max();
constexpr char16_t NoRecordIdLeft[] = u"No record ID is left";

// The flag bytes of a record stream.
constexpr uint8_t StreamHasBuffer = 0;
constexpr uint8_t StreamNoBuffer = 1;
constexpr uint8_t StreamHasValue = 0;
constexpr uint8_t StreamNullValue = 1;

[[noreturn]] void RaiseStorageIndexError(int32_t recordIndex) {
    throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {recordIndex}));
}

} // namespace

rtl::AnsiString TuiValueDefReader::GetDisplayText(const TuiValueDef&) {
    return {};
}

rtl::Variant TuiValueDefReader::GetValue(const TuiValueDef&) {
    return rtl::Variant::Null();
}

bool TuiValueDefReader::IsInternalDefinition(const TuiValueDef&) {
    return false;
}

TuiDataStorage::TuiDataStorage()
    : FInternalValueDefs(std::make_unique<TuiInternalValueDefs>(*this)),
      FValueDefs(std::make_unique<TuiValueDefs>(*this)) {
    ValueDefsChanged(*FInternalValueDefs);
    ValueDefsChanged(*FValueDefs);
}

TuiDataStorage::~TuiDataStorage() {
    FDestroying = true;
    ClearInternalRecords();
    FreeOrdinaryRecordBuffers();
}

TuiValueDefs& TuiDataStorage::GetValueDefsForRecord(int32_t recordIndex) {
    return recordIndex < 0 ? static_cast<TuiValueDefs&>(*FInternalValueDefs) : *FValueDefs;
}

int32_t TuiDataStorage::AddRecordAtEnd() {
    CheckRecordIdLeft();
    FRecordBuffers.emplace_back();
    const int32_t recordIndex = GetRecordCount() - 1;
    EnsureRecordId(recordIndex);
    return recordIndex;
}

void TuiDataStorage::InsertRecordAt(int32_t recordIndex) {
    if (recordIndex < 0 || recordIndex > GetRecordCount()) {
        RaiseStorageIndexError(recordIndex);
    }
    CheckRecordIdLeft();
    FRecordBuffers.emplace(FRecordBuffers.begin() + recordIndex);
    EnsureRecordId(recordIndex);
}

void TuiDataStorage::RemoveRecordAt(int32_t recordIndex) {
    if (recordIndex < 0) {
        RaiseStorageIndexError(recordIndex);
    }
    DisposeRecordBuffer(BufferSlot(recordIndex), *FValueDefs);
    FRecordBuffers.erase(FRecordBuffers.begin() + recordIndex);
    ResetIdCounterIfEmpty();
}

void TuiDataStorage::RemoveRecords(int32_t recordIndex, int32_t count) {
    if (recordIndex < 0 || count < 0 || count > GetRecordCount() - recordIndex) {
        RaiseStorageIndexError(recordIndex);
    }
    const auto first = FRecordBuffers.begin() + recordIndex;
    for (auto buffer = first; buffer != first + count; ++buffer) {
        DisposeRecordBuffer(*buffer, *FValueDefs);
    }
    FRecordBuffers.erase(first, first + count);
    ResetIdCounterIfEmpty();
}

void TuiDataStorage::SetRecordCount(int32_t count) {
    count = std::max(count, 0);
    while (GetRecordCount() < count) {
        AddRecordAtEnd();
    }
    while (GetRecordCount() > count) {
        RemoveRecordAt(GetRecordCount() - 1);
    }
}

int32_t TuiDataStorage::AppendInternalRecord() {
    size_t position = 0;
    while (position < FInternalRecordBuffers.size() && FInternalRecordBuffers[position] &&
           (FInternalRecordBuffers[position][0] & InternalRecordInUse) != 0) {
        ++position;
    }
    if (position == FInternalRecordBuffers.size()) {
        FInternalRecordBuffers.emplace_back();
    }
    const int32_t recordIndex = -static_cast<int32_t>(position) - 1;
    // A buffer left by values set on a free record starts afresh.
    DisposeRecordBuffer(FInternalRecordBuffers[position], *FInternalValueDefs);
    EnsureRecordBuffer(recordIndex)[0] |= InternalRecordInUse;
    return recordIndex;
}

void TuiDataStorage::RemoveInternalRecord(int32_t recordIndex) {
    if (recordIndex >= 0) {
        RaiseStorageIndexError(recordIndex);
    }
    DisposeRecordBuffer(BufferSlot(recordIndex), *FInternalValueDefs);
}

void TuiDataStorage::ClearInternalRecordValues(int32_t recordIndex) {
    RemoveInternalRecord(recordIndex);
    EnsureRecordBuffer(recordIndex)[0] |= InternalRecordInUse;
}

void TuiDataStorage::ClearInternalRecords() {
    for (TRecordBuffer& buffer : FInternalRecordBuffers) {
        DisposeRecordBuffer(buffer, *FInternalValueDefs);
    }
    FInternalRecordBuffers.clear();
    if (!FDestroying && FOnInternalRecordsCleared) {
        FOnInternalRecordsCleared(*this);
    }
}

void TuiDataStorage::Clear(bool keepInternalRecords) {
    if (!keepInternalRecords) {
        ClearInternalRecords();
    }
    ClearRecordBuffers(true);
}

void TuiDataStorage::ClearRecordBuffers(bool removeRecords) {
    FreeOrdinaryRecordBuffers();
    if (removeRecords) {
        FRecordBuffers.clear();
    }
    ResetIdCounterIfEmpty();
    EnsureRecordIds();
}

rtl::Variant TuiDataStorage::GetValue(int32_t recordIndex, const TuiValueDef& valueDef) {
    const uint8_t* record = RecordBuffer(recordIndex);
    const TuiValueDef* recordValueDef = ValidateValueDef(recordIndex, valueDef);
    return recordValueDef != nullptr ? recordValueDef->GetValue(record) : rtl::Variant::Null();
}

void TuiDataStorage::SetValue(int32_t recordIndex, const TuiValueDef& valueDef, const rtl::Variant& value) {
    BufferSlot(recordIndex);
    if (const TuiValueDef* recordValueDef = ValidateValueDef(recordIndex, valueDef)) {
        recordValueDef->SetValue(EnsureRecordBuffer(recordIndex), value);
    }
}

rtl::AnsiString TuiDataStorage::GetDisplayText(int32_t recordIndex, const TuiValueDef& valueDef) {
    const uint8_t* record = RecordBuffer(recordIndex);
    const TuiValueDef* recordValueDef = ValidateValueDef(recordIndex, valueDef);
    return recordValueDef != nullptr ? recordValueDef->GetDisplayText(record) : rtl::AnsiString();
}

void TuiDataStorage::SetDisplayText(int32_t recordIndex, const TuiValueDef& valueDef, const rtl::AnsiString& text) {
    BufferSlot(recordIndex);
    const TuiValueDef* recordValueDef = ValidateValueDef(recordIndex, valueDef);
    if (recordValueDef != nullptr && recordValueDef->IsTextStored()) {
        recordValueDef->SetDisplayText(EnsureRecordBuffer(recordIndex), text);
    }
}

int TuiDataStorage::CompareRecords(int32_t recordIndexA, int32_t recordIndexB, const TuiValueDef& valueDef) {
    TuiValueReference referenceA = nullptr;
    TuiValueReference referenceB = nullptr;
    const bool nullA = GetValuePointer(recordIndexA, valueDef, referenceA);
    const bool nullB = GetValuePointer(recordIndexB, valueDef, referenceB);
    return valueDef.CompareValues(nullA, nullB, referenceA, referenceB);
}

bool TuiDataStorage::GetValuePointer(int32_t recordIndex, const TuiValueDef& valueDef, TuiValueReference& reference) {
    const uint8_t* record = RecordBuffer(recordIndex);
    const TuiValueDef* recordValueDef = ValidateValueDef(recordIndex, valueDef);
    if (recordValueDef == nullptr || recordValueDef->IsNull(record)) {
        return true;
    }
    reference = recordValueDef->ResolveValue(record);
    return false;
}

int32_t TuiDataStorage::AddObject(std::unique_ptr<rtl::TObject> object) {
    return static_cast<int32_t>(FSlots.Objects().Add(std::move(object)));
}

rtl::TObject* TuiDataStorage::ResolveObject(int32_t handle) const {
    return handle > 0 ? FSlots.Objects().Find(static_cast<uint32_t>(handle)) : nullptr;
}

int32_t TuiDataStorage::GetRecordID(int32_t recordIndex) const {
    const TRecordBuffer& buffer = BufferSlot(recordIndex);
    if (!FUseRecordIds || recordIndex < 0 || !buffer) {
        return 0;
    }
    return ReadBufferBytes<int32_t>(buffer.get() + RecordIdOffset);
}

void TuiDataStorage::AssignRecordId(int32_t recordIndex, int32_t id) {
    BufferSlot(recordIndex);
    if (FUseRecordIds && recordIndex >= 0) {
        WriteBufferBytes(EnsureRecordBuffer(recordIndex) + RecordIdOffset, id);
    }
}

void TuiDataStorage::ChangeUseRecordIds(bool useRecordIds) {
    ChangeLayoutFlag(FUseRecordIds, useRecordIds);
}

void TuiDataStorage::ChangeStoredValuesOnly(bool storedValuesOnly) {
    ChangeLayoutFlag(FStoredValuesOnly, storedValuesOnly);
}

int32_t TuiDataStorage::RecordHeaderSize() const {
    return RecordFlagsSize + (FUseRecordIds ? RecordIdSize : 0);
}

void TuiDataStorage::WriteData(int32_t recordIndex, rtl::TStream& stream) {
    if (recordIndex < 0) {
        RaiseStorageIndexError(recordIndex);
    }
    const uint8_t* record = RecordBuffer(recordIndex);
    WriteAnsiFormatMarker(stream);
    TuxStream output(stream, false);
    WriteStreamByte(output, record != nullptr ? StreamHasBuffer : StreamNoBuffer);
    if (record == nullptr) {
        return;
    }
    if (FUseRecordIds) {
        WriteStreamInteger(output, ReadBufferBytes<int32_t>(record + RecordIdOffset));
    }
    for (int32_t i = 0; i < FValueDefs->GetCount(); ++i) {
        const TuiValueDef& valueDef = FValueDefs->GetItem(i);
        if (!valueDef.StreamStored() || !valueDef.IsStored()) {
            continue;
        }
        const bool isNull = valueDef.IsNull(record);
        WriteStreamByte(output, isNull ? StreamNullValue : StreamHasValue);
        if (!isNull) {
            valueDef.StoreValueToStream(record, output);
        }
        if (valueDef.IsTextStored()) {
            valueDef.WriteDisplayText(record, output);
        }
    }
}

void TuiDataStorage::ReadData(int32_t recordIndex, rtl::TStream& stream) {
    if (recordIndex < 0) {
        RaiseStorageIndexError(recordIndex);
    }
    TRecordBuffer& buffer = BufferSlot(recordIndex);
    TuxStream input(stream);
    switch (ReadStreamByte(input)) {
    case StreamNoBuffer:
        DisposeRecordBuffer(buffer, *FValueDefs);
        return;
    case StreamHasBuffer:
        break;
    default:
        RaiseDataReadError();
    }
    uint8_t* record = EnsureRecordBuffer(recordIndex);
    if (FUseRecordIds) {
        ReadRecordId(recordIndex, input);
    }
    ReadValues(record, input);
}

void TuiDataStorage::EnterStreamMode(const TValueDefCompare& compare) {
    FStreamOrder.reset();
    TuiValueDefs& valueDefs = *FValueDefs;
    std::vector<TuiValueDef*> order;
    for (const int32_t position : rtl::StableSortOrder(valueDefs.GetCount(), [&](int32_t first, int32_t second) {
             return compare(valueDefs.GetItem(first), valueDefs.GetItem(second));
         })) {
        order.push_back(&valueDefs.GetItem(position));
    }
    FStreamOrder = std::move(order);
}

void TuiDataStorage::LeaveStreamMode() {
    FStreamOrder.reset();
}

void TuiDataStorage::FillRecordFromReader(int32_t recordIndex, TuiValueDefReader& reader) {
    EnsureRecordBuffer(recordIndex);
    TuiValueDefs& valueDefs = GetValueDefsForRecord(recordIndex);
    for (int32_t i = 0; i < valueDefs.GetCount(); ++i) {
        const TuiValueDef& valueDef = valueDefs.GetItem(i);
        if (reader.IsInternalDefinition(valueDef)) {
            continue;
        }
        SetValue(recordIndex, valueDef, reader.GetValue(valueDef));
        if (valueDef.IsTextStored()) {
            SetDisplayText(recordIndex, valueDef, reader.GetDisplayText(valueDef));
        }
    }
}

void TuiDataStorage::ForEachValueDefOfRecord(int32_t recordIndex, const std::function<void(TuiValueDef&)>& action) {
    TuiValueDefs& valueDefs = GetValueDefsForRecord(recordIndex);
    for (int32_t i = 0; i < valueDefs.GetCount(); ++i) {
        action(valueDefs.GetItem(i));
    }
}

std::vector<TuiDataStorage::TRecordBuffer>& TuiDataStorage::BuffersOf(const TuiValueDefs& valueDefs) {
    return valueDefs.IsInternal() ? FInternalRecordBuffers : FRecordBuffers;
}

const TuiDataStorage::TRecordBuffer& TuiDataStorage::BufferSlot(int32_t recordIndex) const {
    if (recordIndex >= 0 && recordIndex < GetRecordCount()) {
        return FRecordBuffers[static_cast<size_t>(recordIndex)];
    }
    const int64_t position = -int64_t{recordIndex} - 1;
    if (recordIndex < 0 && position < static_cast<int64_t>(FInternalRecordBuffers.size())) {
        return FInternalRecordBuffers[static_cast<size_t>(position)];
    }
    RaiseStorageIndexError(recordIndex);
}

TuiDataStorage::TRecordBuffer& TuiDataStorage::BufferSlot(int32_t recordIndex) {
    return const_cast<TRecordBuffer&>(std::as_const(*this).BufferSlot(recordIndex));
}

uint8_t* TuiDataStorage::RecordBuffer(int32_t recordIndex) {
    return BufferSlot(recordIndex).get();
}

uint8_t* TuiDataStorage::EnsureRecordBuffer(int32_t recordIndex) {
    TRecordBuffer& buffer = BufferSlot(recordIndex);
    if (!buffer) {
        buffer = std::make_unique<uint8_t[]>(static_cast<size_t>(GetValueDefsForRecord(recordIndex).RecordSize()));
    }
    return buffer.get();
}

void TuiDataStorage::DisposeRecordBuffer(TRecordBuffer& buffer, TuiValueDefs& valueDefs) {
    const TRecordBuffer record = std::move(buffer);
    if (!record) {
        return;
    }
    for (int32_t i = 0; i < valueDefs.GetCount(); ++i) {
        const TuiValueDef& valueDef = valueDefs.GetItem(i);
        if (valueDef.IsStored()) {
            valueDef.FreeValue(record.get());
        }
    }
}

const TuiValueDef* TuiDataStorage::ValidateValueDef(int32_t recordIndex, const TuiValueDef& valueDef) {
    const TuiValueDefs& owner = valueDef.ValueDefs();
    const TuiValueDef* recordValueDef = nullptr;
    if (&owner == &GetValueDefsForRecord(recordIndex)) {
        recordValueDef = &valueDef;
    } else if (recordIndex < 0 && &owner == FValueDefs.get()) {
        recordValueDef = FInternalValueDefs->ValueDefForLink(valueDef);
    }
    return recordValueDef != nullptr && recordValueDef->IsStored() ? recordValueDef : nullptr;
}

void TuiDataStorage::EnsureRecordId(int32_t recordIndex) {
    if (!FUseRecordIds) {
        return;
    }
    uint8_t* record = EnsureRecordBuffer(recordIndex);
    if (ReadBufferBytes<int32_t>(record + RecordIdOffset) == 0) {
        CheckRecordIdLeft();
        WriteBufferBytes(record + RecordIdOffset, static_cast<int32_t>(FRecordIdCounter++));
    }
}

void TuiDataStorage::EnsureRecordIds() {
    for (int32_t i = 0; i < GetRecordCount(); ++i) {
        EnsureRecordId(i);
    }
}

void TuiDataStorage::CheckRecordIdLeft() const {
    if (FUseRecordIds && FRecordIdCounter > MaxRecordId) {
        throw rtl::EInvalidOperation(NoRecordIdLeft);
    }
}

void TuiDataStorage::ResetIdCounterIfEmpty() {
    if (FRecordBuffers.empty()) {
        FRecordIdCounter = 1;
    }
}

void TuiDataStorage::ChangeLayoutFlag(bool& flag, bool value) {
    if (flag == value) {
        return;
    }
    FreeOrdinaryRecordBuffers();
    flag = value;
    ValueDefsChanged(*FValueDefs);
}

void TuiDataStorage::FreeOrdinaryRecordBuffers() {
    for (TRecordBuffer& buffer : FRecordBuffers) {
        DisposeRecordBuffer(buffer, *FValueDefs);
    }
}

void TuiDataStorage::ValueDefsChanged(TuiValueDefs& valueDefs) {
    valueDefs.Prepare(valueDefs.IsInternal() ? InternalRecordHeaderSize : RecordHeaderSize());
}

void TuiDataStorage::ForEachRecordBuffer(const TuiValueDefs& valueDefs, const std::function<void(uint8_t*)>& action) {
    for (const TRecordBuffer& buffer : BuffersOf(valueDefs)) {
        if (buffer) {
            action(buffer.get());
        }
    }
}

void TuiDataStorage::SpliceRecords(const TuiValueDefs& valueDefs, int32_t offset, int32_t removed, int32_t inserted) {
    if (removed == 0 && inserted == 0) {
        return;
    }
    const auto oldSize = static_cast<size_t>(valueDefs.RecordSize());
    const size_t newSize = oldSize - static_cast<size_t>(removed) + static_cast<size_t>(inserted);
    const auto head = static_cast<size_t>(offset);
    const size_t tail = oldSize - head - static_cast<size_t>(removed);
    for (TRecordBuffer& buffer : BuffersOf(valueDefs)) {
        if (!buffer) {
            continue;
        }
        TRecordBuffer reshaped = std::make_unique<uint8_t[]>(newSize);
        std::memcpy(reshaped.get(), buffer.get(), head);
        std::memcpy(reshaped.get() + head + inserted, buffer.get() + head + removed, tail);
        buffer = std::move(reshaped);
    }
}

void TuiDataStorage::DisposeRecordBuffers(TuiValueDefs& valueDefs) {
    for (TRecordBuffer& buffer : BuffersOf(valueDefs)) {
        DisposeRecordBuffer(buffer, valueDefs);
    }
}

void TuiDataStorage::ValueDefAdded(TuiValueDef& valueDef) {
    if (FStreamOrder && &valueDef.ValueDefs() == FValueDefs.get()) {
        FStreamOrder->push_back(&valueDef);
    }
}

void TuiDataStorage::ValueDefRemoved(const TuiValueDef& valueDef) {
    if (FStreamOrder) {
        std::erase(*FStreamOrder, &valueDef);
    }
}

const TuiValueDef* TuiDataStorage::StreamOrderItem(const TuiValueDefs& valueDefs, int32_t index) const {
    if (!FStreamOrder || &valueDefs != FValueDefs.get()) {
        return nullptr;
    }
    return (*FStreamOrder)[static_cast<size_t>(index)];
}

void TuiDataStorage::ReadRecordId(int32_t recordIndex, TuxStream& stream) {
    const int32_t id = ReadStreamInteger(stream);
    if (id < 0 || id >= MaxRecordId) {
        RaiseDataReadError();
    }
    WriteBufferBytes(RecordBuffer(recordIndex) + RecordIdOffset, id);
    FRecordIdCounter = std::max<int64_t>(FRecordIdCounter, int64_t{id} + 1);
}

void TuiDataStorage::ReadValues(uint8_t* record, TuxStream& stream) {
    for (int32_t i = 0; i < FValueDefs->GetCount(); ++i) {
        const TuiValueDef& valueDef = FValueDefs->GetItem(i);
        if (!valueDef.StreamStored() || !valueDef.IsStored()) {
            continue;
        }
        switch (ReadStreamByte(stream)) {
        case StreamNullValue:
            valueDef.SetNull(record);
            break;
        case StreamHasValue:
            valueDef.LoadValueFromStream(record, stream);
            break;
        default:
            RaiseDataReadError();
        }
        if (valueDef.IsTextStored()) {
            valueDef.ReadDisplayText(record, stream);
        }
    }
}

} // namespace ui
