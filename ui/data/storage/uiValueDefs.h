#pragma once
// Value definitions: one per column of a record storage, laid out one after another in every record buffer.
//
// Record buffer layout (one heap block per record; a record may also have no buffer, which reads as all values null):
//   1 byte   record flags: bit value 1 marks an internal record in use;
//   4 bytes  the record ID (0 = not yet assigned), only in ordinary records of a storage that uses record IDs;
//   then for each definition that takes room, in list order:
//   1 byte   null flag: 0 = null, 1 = has a value;
//   ValueSize bytes of the value (uiValueType.h);
//   4 bytes  a text slot (a display text's handle), only when the definition stores text.
// New buffers are zero-filled: every value null, every text slot empty, the ID 0.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/values/uiValueType.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiDataStorage;
class TuiValueDefs;
class TuxStream;

// One column: its value type, where its value lies in a record buffer, and whether a display text is kept beside it.
class TuiValueDef : public rtl::TObject {
public:
    TuiValueDef(TuiValueDefs& valueDefs, const TuiValueType& valueType);

    // The object the definition belongs to (the data controller's field); not owned.
    virtual rtl::TObject* LinkObjectOf() const { return FLinkObject; }
    void SetLinkObject(rtl::TObject* linkObject) { FLinkObject = linkObject; }
    // Whether the definition takes room in the records: it is Stored, or the storage keeps every value, or it is an
    // internal twin. A definition without room must not be read or written through the storage.
    virtual bool IsStored() const { return TakesRoom(FStored); }
    // Takes over Stored and TextStored, reshaping the records as ChangeStoredFlag and ChangeTextStored do.
    void Assign(const TuiValueDef& source);

    TuiValueDefs& ValueDefs() const { return FValueDefs; }
    const TuiValueType& ValueType() const { return FValueType; }
    // Where the null flag lies in a record buffer, the room taken (0 without room) and the value's size.
    int32_t Offset() const { return FOffset; }
    int32_t BufferSize() const { return FBufferSize; }
    int32_t DataSize() const { return FDataSize; }
    bool Stored() const { return FStored; }
    bool TextStored() const { return FTextStored; }
    // Whether record streams carry the value (default true).
    bool StreamStored() const { return FStreamStored; }
    void SetStreamStored(bool streamStored) { FStreamStored = streamStored; }
    // Takes room and keeps a display text.
    bool IsTextStored() const { return IsStored() && FTextStored; }
    bool IsStringType() const { return FValueType.IsStringType(); }
    // Change the flags of a definition whose records exist: the room appears or goes in every record buffer, the
    // values of other definitions stay, and what the room held is released.
    void ChangeStoredFlag(bool stored);
    void ChangeTextStored(bool textStored);

    // The value in a record buffer: Null for a null value and for a record without buffer (nullptr).
    rtl::Variant GetValue(const uint8_t* record) const;
    // Null makes the value null; anything else is converted and stored. When the conversion raises, value and null
    // flag stay as they were.
    void SetValue(uint8_t* record, const rtl::Variant& value) const;
    // The stored display text when the definition keeps one (also for a null value), else the type's text of the
    // value (empty for null).
    rtl::AnsiString GetDisplayText(const uint8_t* record) const;
    // Stores the text when the definition keeps one; nothing otherwise.
    void SetDisplayText(uint8_t* record, const rtl::AnsiString& text) const;
    // A null value (or a record without buffer) first, then the type's order.
    int Compare(const uint8_t* recordA, const uint8_t* recordB) const;
    int CompareValues(bool nullA, bool nullB, TuiValueReference a, TuiValueReference b) const;
    bool IsNull(const uint8_t* record) const;
    // Releases the value and makes it null.
    void SetNull(uint8_t* record) const;
    // Releases the value and the display text: the record buffer is about to go.
    void FreeValue(uint8_t* record) const;
    // The value's reference (uiValueType.h) in a record that has a value.
    TuiValueReference ResolveValue(const uint8_t* record) const;

    // The value in its type's stream form (reading also makes it not null), and the display text.
    void LoadValueFromStream(uint8_t* record, TuxStream& stream) const;
    void StoreValueToStream(const uint8_t* record, TuxStream& stream) const;
    void ReadDisplayText(uint8_t* record, TuxStream& stream) const;
    void WriteDisplayText(const uint8_t* record, TuxStream& stream) const;

private:
    friend class TuiValueDefs;

    TuiValueSlots& Slots() const;
    // The room the definition takes with these flags.
    int32_t RoomFor(bool stored, bool textStored) const;
    bool TakesRoom(bool stored) const;
    // Lays the definition out at offset; returns where the next one starts.
    int32_t Prepare(int32_t offset);
    uint8_t* ValueBuffer(uint8_t* record) const { return record + FOffset + 1; }
    const uint8_t* ValueBuffer(const uint8_t* record) const { return record + FOffset + 1; }
    uint8_t* TextSlot(uint8_t* record) const { return ValueBuffer(record) + FDataSize; }
    const uint8_t* TextSlot(const uint8_t* record) const { return ValueBuffer(record) + FDataSize; }

    int32_t FBufferSize = 0;
    int32_t FDataSize = 0;
    bool FStored = true;
    rtl::TObject* FLinkObject = nullptr;
    int32_t FOffset = 0;
    bool FStreamStored = true;
    bool FTextStored = false;
    TuiValueDefs& FValueDefs;
    const TuiValueType& FValueType;
};

// The twin of a main definition in the internal records: always takes room, linked to the main definition.
class TuiInternalValueDef : public TuiValueDef {
public:
    using TuiValueDef::TuiValueDef;

    // The main definition's link object.
    rtl::TObject* LinkObjectOf() const override;
    TuiValueDef& MainValueDef() const;
};

// The definitions of one kind of record, in order; owns them.
class TuiValueDefs : public rtl::TObject {
public:
    explicit TuiValueDefs(TuiDataStorage& storage);
    ~TuiValueDefs() override;

    // Appends a definition; every existing record gets a null value for it. A main definition gets its twin in the
    // internal definitions first.
    TuiValueDef& Add(const TuiValueType& valueType, bool stored, bool textStored, rtl::TObject* linkObject);
    // Frees the definition after taking its values out of every record (and its twin first); a record whose only
    // room it was loses its whole buffer.
    void Remove(TuiValueDef& valueDef);
    // Removes every definition, the last first.
    void Clear();
    int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
    // In list order, or in the storage's streaming order while one is set.
    TuiValueDef& GetItem(int32_t index) const;
    // The position in list order, or -1.
    int32_t IndexOf(const TuiValueDef& valueDef) const;
    // The definitions that take room.
    int32_t StoredValueDefCount() const;
    // Where the first definition starts (the header size) and the bytes of a record buffer.
    int32_t RecordOffset() const { return FRecordOffset; }
    int32_t RecordSize() const { return FRecordSize; }
    TuiDataStorage& Storage() const { return FStorage; }
    virtual bool IsInternal() const { return false; }

    // Lays the definitions out from start (the record header's size).
    void Prepare(int32_t start);

protected:
    virtual std::unique_ptr<TuiValueDef> CreateValueDef(const TuiValueType& valueType);

private:
    friend class TuiValueDef;

    TuiDataStorage& FStorage;
    std::vector<std::unique_ptr<TuiValueDef>> FItems;
    int32_t FRecordOffset = 0;
    int32_t FRecordSize = 0;
};

// The twins of the main definitions, which lay out the internal records.
class TuiInternalValueDefs : public TuiValueDefs {
public:
    using TuiValueDefs::TuiValueDefs;

    bool IsInternal() const override { return true; }
    // The twin of a main definition, or nullptr.
    TuiValueDef* ValueDefForLink(const TuiValueDef& mainValueDef) const;
    void DropValueDefForLink(const TuiValueDef& mainValueDef);

protected:
    std::unique_ptr<TuiValueDef> CreateValueDef(const TuiValueType& valueType) override;
};

} // namespace ui
