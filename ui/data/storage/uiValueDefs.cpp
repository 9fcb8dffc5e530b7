#include "ui/data/storage/uiValueDefs.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "ui/core/encoding/uxStream.h"
#include "ui/data/storage/uiDataStorage.h"

#include <algorithm>
#include <cstring>

namespace ui {

TuiValueDef::TuiValueDef(TuiValueDefs& valueDefs, const TuiValueType& valueType)
    : FDataSize(valueType.ValueSize()), FValueDefs(valueDefs), FValueType(valueType) {}

void TuiValueDef::Assign(const TuiValueDef& source) {
    ChangeStoredFlag(source.FStored);
    ChangeTextStored(source.FTextStored);
}

void TuiValueDef::ChangeStoredFlag(bool stored) {
    if (FStored == stored) {
        return;
    }
    TuiDataStorage& storage = FValueDefs.Storage();
    const bool before = IsStored();
    const bool after = TakesRoom(stored);
    if (before && !after) {
        storage.ForEachRecordBuffer(FValueDefs, [this](uint8_t* record) { FreeValue(record); });
        storage.SpliceRecords(FValueDefs, FOffset, FBufferSize, 0);
    } else if (!before && after) {
        storage.SpliceRecords(FValueDefs, FOffset, 0, RoomFor(stored, FTextStored));
    }
    FStored = stored;
    storage.ValueDefsChanged(FValueDefs);
}

void TuiValueDef::ChangeTextStored(bool textStored) {
    if (FTextStored == textStored) {
        return;
    }
    TuiDataStorage& storage = FValueDefs.Storage();
    if (!FValueDefs.IsInternal()) {
        if (TuiValueDef* twin = storage.InternalValueDefs().ValueDefForLink(*this)) {
            twin->ChangeTextStored(textStored);
        }
    }
    if (IsStored()) {
        const int32_t slotOffset = FOffset + 1 + FDataSize;
        if (textStored) {
            storage.SpliceRecords(FValueDefs, slotOffset, 0, uiSlotHandleSize);
        } else {
            storage.ForEachRecordBuffer(
                FValueDefs, [this](uint8_t* record) { TuiValueType::ReleaseTextSlot(Slots(), TextSlot(record)); });
            storage.SpliceRecords(FValueDefs, slotOffset, uiSlotHandleSize, 0);
        }
    }
    FTextStored = textStored;
    storage.ValueDefsChanged(FValueDefs);
}

rtl::Variant TuiValueDef::GetValue(const uint8_t* record) const {
    return IsNull(record) ? rtl::Variant::Null() : FValueType.BufferToVariant(Slots(), ValueBuffer(record));
}

void TuiValueDef::SetValue(uint8_t* record, const rtl::Variant& value) const {
    if (value.IsNull()) {
        SetNull(record);
        return;
    }
    FValueType.VariantToBuffer(Slots(), ValueBuffer(record), value);
    record[FOffset] = 1;
}

rtl::AnsiString TuiValueDef::GetDisplayText(const uint8_t* record) const {
    if (IsTextStored()) {
        return record != nullptr ? TuiValueType::ReadTextSlot(Slots(), TextSlot(record)) : rtl::AnsiString();
    }
    return IsNull(record) ? rtl::AnsiString() : FValueType.DefaultDisplayText(Slots(), ValueBuffer(record));
}

void TuiValueDef::SetDisplayText(uint8_t* record, const rtl::AnsiString& text) const {
    if (IsTextStored()) {
        TuiValueType::StoreTextSlot(Slots(), TextSlot(record), text);
    }
}

int TuiValueDef::Compare(const uint8_t* recordA, const uint8_t* recordB) const {
    const bool nullA = IsNull(recordA);
    const bool nullB = IsNull(recordB);
    if (nullA || nullB) {
        return static_cast<int>(!nullA) - static_cast<int>(!nullB);
    }
    return FValueType.CompareBuffers(Slots(), ValueBuffer(recordA), ValueBuffer(recordB));
}

int TuiValueDef::CompareValues(bool nullA, bool nullB, TuiValueReference a, TuiValueReference b) const {
    if (nullA || nullB) {
        return static_cast<int>(!nullA) - static_cast<int>(!nullB);
    }
    return FValueType.CompareStoredValues(a, b);
}

bool TuiValueDef::IsNull(const uint8_t* record) const {
    return record == nullptr || record[FOffset] == 0;
}

void TuiValueDef::SetNull(uint8_t* record) const {
    if (IsNull(record)) {
        return;
    }
    FValueType.ReleaseValueBuffer(Slots(), ValueBuffer(record));
    std::memset(ValueBuffer(record), 0, static_cast<size_t>(FDataSize));
    record[FOffset] = 0;
}

void TuiValueDef::FreeValue(uint8_t* record) const {
    if (!IsNull(record)) {
        FValueType.ReleaseValueBuffer(Slots(), ValueBuffer(record));
    }
    if (IsTextStored()) {
        TuiValueType::ReleaseTextSlot(Slots(), TextSlot(record));
    }
}

TuiValueReference TuiValueDef::ResolveValue(const uint8_t* record) const {
    return FValueType.ResolveValueBuffer(Slots(), ValueBuffer(record));
}

void TuiValueDef::LoadValueFromStream(uint8_t* record, TuxStream& stream) const {
    FValueType.ReadValueFromStream(Slots(), ValueBuffer(record), stream);
    record[FOffset] = 1;
}

void TuiValueDef::StoreValueToStream(const uint8_t* record, TuxStream& stream) const {
    FValueType.WriteValueToStream(Slots(), ValueBuffer(record), stream);
}

void TuiValueDef::ReadDisplayText(uint8_t* record, TuxStream& stream) const {
    TuiValueType::ReadTextFromStream(Slots(), TextSlot(record), stream);
}

void TuiValueDef::WriteDisplayText(const uint8_t* record, TuxStream& stream) const {
    TuiValueType::WriteTextToStream(Slots(), TextSlot(record), stream);
}

TuiValueSlots& TuiValueDef::Slots() const {
    return FValueDefs.Storage().Slots();
}

int32_t TuiValueDef::RoomFor(bool stored, bool textStored) const {
    if (!TakesRoom(stored)) {
        return 0;
    }
    return 1 + FDataSize + (textStored ? uiSlotHandleSize : 0);
}

bool TuiValueDef::TakesRoom(bool stored) const {
    return stored || FValueDefs.IsInternal() || !FValueDefs.Storage().StoredValuesOnly();
}

int32_t TuiValueDef::Prepare(int32_t offset) {
    FDataSize = FValueType.ValueSize();
    FOffset = offset;
    FBufferSize = RoomFor(FStored, FTextStored);
    return offset + FBufferSize;
}

rtl::TObject* TuiInternalValueDef::LinkObjectOf() const {
    return MainValueDef().LinkObjectOf();
}

TuiValueDef& TuiInternalValueDef::MainValueDef() const {
    return static_cast<TuiValueDef&>(*TuiValueDef::LinkObjectOf());
}

TuiValueDefs::TuiValueDefs(TuiDataStorage& storage) : FStorage(storage) {}

TuiValueDefs::~TuiValueDefs() = default;

TuiValueDef& TuiValueDefs::Add(const TuiValueType& valueType, bool stored, bool textStored, rtl::TObject* linkObject) {
    std::unique_ptr<TuiValueDef> valueDef = CreateValueDef(valueType);
    valueDef->FLinkObject = linkObject;
    valueDef->FStored = stored;
    valueDef->FTextStored = textStored;
    valueDef->Prepare(0);
    if (!IsInternal()) {
        FStorage.InternalValueDefs().Add(valueType, true, textStored, valueDef.get());
    }
    FStorage.SpliceRecords(*this, FRecordSize, 0, valueDef->FBufferSize);
    FItems.push_back(std::move(valueDef));
    FStorage.ValueDefAdded(*FItems.back());
    FStorage.ValueDefsChanged(*this);
    return *FItems.back();
}

void TuiValueDefs::Remove(TuiValueDef& valueDef) {
    const auto position =
        std::find_if(FItems.begin(), FItems.end(), [&valueDef](const auto& item) { return item.get() == &valueDef; });
    if (position == FItems.end()) {
        return;
    }
    if (!IsInternal()) {
        FStorage.InternalValueDefs().DropValueDefForLink(valueDef);
    }
    if (valueDef.IsStored() && StoredValueDefCount() == 1) {
        FStorage.DisposeRecordBuffers(*this);
    } else if (valueDef.IsStored()) {
        FStorage.ForEachRecordBuffer(*this, [&valueDef](uint8_t* record) { valueDef.FreeValue(record); });
        FStorage.SpliceRecords(*this, valueDef.FOffset, valueDef.FBufferSize, 0);
    }
    FStorage.ValueDefRemoved(valueDef);
    const std::unique_ptr<TuiValueDef> removed = std::move(*position);
    FItems.erase(position);
    FStorage.ValueDefsChanged(*this);
}

void TuiValueDefs::Clear() {
    while (!FItems.empty()) {
        Remove(*FItems.back());
    }
}

TuiValueDef& TuiValueDefs::GetItem(int32_t index) const {
    if (index < 0 || index >= GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    if (const TuiValueDef* ordered = FStorage.StreamOrderItem(*this, index)) {
        return const_cast<TuiValueDef&>(*ordered);
    }
    return *FItems[static_cast<size_t>(index)];
}

int32_t TuiValueDefs::IndexOf(const TuiValueDef& valueDef) const {
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i].get() == &valueDef) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

int32_t TuiValueDefs::StoredValueDefCount() const {
    return static_cast<int32_t>(
        std::count_if(FItems.begin(), FItems.end(), [](const auto& item) { return item->IsStored(); }));
}

void TuiValueDefs::Prepare(int32_t start) {
    FRecordOffset = start;
    int32_t offset = start;
    for (const auto& item : FItems) {
        offset = item->Prepare(offset);
    }
    FRecordSize = offset;
}

std::unique_ptr<TuiValueDef> TuiValueDefs::CreateValueDef(const TuiValueType& valueType) {
    return std::make_unique<TuiValueDef>(*this, valueType);
}

TuiValueDef* TuiInternalValueDefs::ValueDefForLink(const TuiValueDef& mainValueDef) const {
    for (int32_t i = 0; i < GetCount(); ++i) {
        TuiValueDef& twin = GetItem(i);
        if (twin.TuiValueDef::LinkObjectOf() == &mainValueDef) {
            return &twin;
        }
    }
    return nullptr;
}

void TuiInternalValueDefs::DropValueDefForLink(const TuiValueDef& mainValueDef) {
    if (TuiValueDef* twin = ValueDefForLink(mainValueDef)) {
        Remove(*twin);
    }
}

std::unique_ptr<TuiValueDef> TuiInternalValueDefs::CreateValueDef(const TuiValueType& valueType) {
    return std::make_unique<TuiInternalValueDef>(*this, valueType);
}

} // namespace ui
