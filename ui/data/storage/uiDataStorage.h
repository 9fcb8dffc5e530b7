#pragma once
// TuiDataStorage: the values of a data controller's records, one byte buffer per record laid out by the value
// definitions (uiValueDefs.h), values in and out as Variants through the value types. Records 0 .. count - 1 are the
// ordinary ones; internal records -1, -2, ... serve a record being edited or inserted, laid out by the internal twins
// of the definitions (with a 1-byte header: internal records carry no ID). The storage also owns the heap values of
// its records (uiValueSlots.h), including the objects of Object values.
//
// Record stream, one record (WriteData, ReadData): "UXAFMT"; one byte, 1 for a record without buffer (nothing
// follows) or 0; the int32 record ID when IDs are used; then for each definition that takes room and is streamed, in
// list or streaming order: 1 for a null value or 0 followed by the value in its type's stream form, then the display
// text when the definition keeps one. The stream names no definitions: writer and reader need the same ones.

#include "rtl/io/Streams.h"
#include "rtl/variants/Variant.h"
#include "ui/data/storage/uiValueDefs.h"
#include "ui/data/values/uiValueSlots.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

// Where a record's values come from when the data controller fills a record; the base gives Null and empty texts.
// A provider names its reader class; the reader is made with the object it reads from.
class TuiValueDefReader : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiValueDefReader, rtl::TObject)
public:
    using TConstructorArgument = rtl::TObject*;

    explicit TuiValueDefReader(rtl::TObject* = nullptr) {}

    virtual rtl::AnsiString GetDisplayText(const TuiValueDef& valueDef);
    virtual rtl::Variant GetValue(const TuiValueDef& valueDef);
    // Definitions the reader leaves alone.
    virtual bool IsInternalDefinition(const TuiValueDef& valueDef);
};

class TuiDataStorage : public rtl::TObject {
public:
    using TValueDefCompare = std::function<int(const TuiValueDef& a, const TuiValueDef& b)>;

    TuiDataStorage();
    ~TuiDataStorage() override;

    TuiValueDefs& ValueDefs() { return *FValueDefs; }
    TuiInternalValueDefs& InternalValueDefs() { return *FInternalValueDefs; }
    TuiValueSlots& Slots() { return FSlots; }
    // The definitions that lay out a record: the internal ones for a negative index.
    TuiValueDefs& GetValueDefsForRecord(int32_t recordIndex);

    // Records. An index outside the records raises EListError. New records have no buffer.
    int32_t AddRecordAtEnd();
    void InsertRecordAt(int32_t recordIndex);
    void RemoveRecordAt(int32_t recordIndex);
    int32_t GetRecordCount() const { return static_cast<int32_t>(FRecordBuffers.size()); }
    // Appends or removes records at the end; below 0 counts as 0.
    void SetRecordCount(int32_t count);
    // The first internal record not in use, or a new one: -1, -2, ...
    int32_t AppendInternalRecord();
    // Frees the internal record's buffer; the index becomes free again.
    void RemoveInternalRecord(int32_t recordIndex);
    // Empties the internal record's values; the record stays in use.
    void ClearInternalRecordValues(int32_t recordIndex);
    // Removes count records from recordIndex on.
    void RemoveRecords(int32_t recordIndex, int32_t count);
    void ClearInternalRecords();
    // Frees every ordinary buffer and, with removeRecords, the records; the internal records too unless kept.
    void Clear(bool keepInternalRecords);
    void ClearRecordBuffers(bool removeRecords);

    // Values, by record and definition. The main definition serves an internal record too (through its twin); a
    // definition that does not lay out the record makes the call do nothing (getters give Null and an empty text).
    rtl::Variant GetValue(int32_t recordIndex, const TuiValueDef& valueDef);
    // Converts first: when the conversion raises, the value stays as it was.
    void SetValue(int32_t recordIndex, const TuiValueDef& valueDef, const rtl::Variant& value);
    rtl::AnsiString GetDisplayText(int32_t recordIndex, const TuiValueDef& valueDef);
    void SetDisplayText(int32_t recordIndex, const TuiValueDef& valueDef, const rtl::AnsiString& text);
    // Null first, then the value type's order.
    int CompareRecords(int32_t recordIndexA, int32_t recordIndexB, const TuiValueDef& valueDef);
    // True for a null value; otherwise the value's reference (uiValueType.h) for CompareValues.
    bool GetValuePointer(int32_t recordIndex, const TuiValueDef& valueDef, TuiValueReference& reference);

    // The objects of Object values: AddObject hands the object to the storage and returns the handle to store as the
    // value; the object is freed when that value is set to Null or its record's buffer goes, else with the storage.
    int32_t AddObject(std::unique_ptr<rtl::TObject> object);
    // The object of a handle; nullptr for a handle that holds none.
    rtl::TObject* ResolveObject(int32_t handle) const;

    // Record IDs, 1, 2, 3... given to records as they are added while IDs are used; 0 = none.
    bool UseRecordIds() const { return FUseRecordIds; }
    int32_t GetRecordID(int32_t recordIndex) const;
    void AssignRecordId(int32_t recordIndex, int32_t id);
    // Switching frees every ordinary record's buffer (the records stay, all values null).
    void ChangeUseRecordIds(bool useRecordIds);
    // Only the definitions marked Stored take room; switching frees every ordinary record's buffer.
    bool StoredValuesOnly() const { return FStoredValuesOnly; }
    void ChangeStoredValuesOnly(bool storedValuesOnly);
    // 1, or 5 with record IDs.
    int32_t RecordHeaderSize() const;

    void WriteData(int32_t recordIndex, rtl::TStream& stream);
    // Reads a record written by WriteData (or after a "UXUFMT" marker, with UTF-16 texts) into an existing record.
    // Bytes that do not fit (a flag byte other than 0 or 1, an ID outside 0 .. 2^31 - 2) raise EReadError "Stream read
    // error"; values read before the failure stay.
    void ReadData(int32_t recordIndex, rtl::TStream& stream);
    // Between these, records are streamed (and GetItem of the definitions answers) in the order of compare.
    void EnterStreamMode(const TValueDefCompare& compare);
    void LeaveStreamMode();

    void FillRecordFromReader(int32_t recordIndex, TuiValueDefReader& reader);
    void ForEachValueDefOfRecord(int32_t recordIndex, const std::function<void(TuiValueDef&)>& action);

    // Around a load by the data controller; they nest.
    virtual void BeginLoad() { ++FLoadDepth; }
    virtual void EndLoad() { --FLoadDepth; }
    bool IsLoading() const { return FLoadDepth != 0; }

    // Fired after ClearInternalRecords.
    void SetOnInternalRecordsCleared(std::function<void(TuiDataStorage& sender)> handler) {
        FOnInternalRecordsCleared = std::move(handler);
    }

private:
    friend class TuiValueDef;
    friend class TuiValueDefs;

    using TRecordBuffer = std::unique_ptr<uint8_t[]>;

    std::vector<TRecordBuffer>& BuffersOf(const TuiValueDefs& valueDefs);
    // The buffer of a record, by reference; EListError for an index outside the records.
    const TRecordBuffer& BufferSlot(int32_t recordIndex) const;
    TRecordBuffer& BufferSlot(int32_t recordIndex);
    uint8_t* RecordBuffer(int32_t recordIndex);
    uint8_t* EnsureRecordBuffer(int32_t recordIndex);
    void DisposeRecordBuffer(TRecordBuffer& buffer, TuiValueDefs& valueDefs);
    // The definition that lays out the record for valueDef, or nullptr.
    const TuiValueDef* ValidateValueDef(int32_t recordIndex, const TuiValueDef& valueDef);

    void EnsureRecordId(int32_t recordIndex);
    void EnsureRecordIds();
    void CheckRecordIdLeft() const;
    void ResetIdCounterIfEmpty();
    void FreeOrdinaryRecordBuffers();
    // Sets a flag that changes the layout of the ordinary records, whose buffers go first.
    void ChangeLayoutFlag(bool& flag, bool value);

    // For the definitions: reshaping every buffer of a definition list before its layout changes.
    void ValueDefsChanged(TuiValueDefs& valueDefs);
    void ForEachRecordBuffer(const TuiValueDefs& valueDefs, const std::function<void(uint8_t*)>& action);
    // Removes `removed` bytes at offset and puts `inserted` zero bytes there, in every buffer of the list.
    void SpliceRecords(const TuiValueDefs& valueDefs, int32_t offset, int32_t removed, int32_t inserted);
    void DisposeRecordBuffers(TuiValueDefs& valueDefs);
    void ValueDefAdded(TuiValueDef& valueDef);
    void ValueDefRemoved(const TuiValueDef& valueDef);
    const TuiValueDef* StreamOrderItem(const TuiValueDefs& valueDefs, int32_t index) const;

    void ReadRecordId(int32_t recordIndex, TuxStream& stream);
    void ReadValues(uint8_t* record, TuxStream& stream);

    bool FDestroying = false;
    int32_t FLoadDepth = 0;
    TuiValueSlots FSlots;
    std::vector<TRecordBuffer> FInternalRecordBuffers;
    std::unique_ptr<TuiInternalValueDefs> FInternalValueDefs;
    bool FStoredValuesOnly = false;
    std::vector<TRecordBuffer> FRecordBuffers;
    int64_t FRecordIdCounter = 1;
    bool FUseRecordIds = false;
    std::unique_ptr<TuiValueDefs> FValueDefs;
    std::optional<std::vector<TuiValueDef*>> FStreamOrder;
    std::function<void(TuiDataStorage& sender)> FOnInternalRecordsCleared;
};

} // namespace ui
