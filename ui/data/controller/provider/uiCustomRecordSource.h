#pragma once
// TuiCustomRecordSource: the contract of a custom data source that a data controller's provider reads its records
// from (provider mode). The source holds the data; the controller keeps one record per source record holding only
// the source's record handle, an integer the source chooses. No source is part of the library: a program derives
// its own.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/values/uiValueType.h"

#include <cstdint>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataProvider;

class TuiCustomRecordSource : public rtl::TObject {
public:
    TuiCustomRecordSource() = default;
    TuiCustomRecordSource(const TuiCustomRecordSource&) = delete;
    TuiCustomRecordSource& operator=(const TuiCustomRecordSource&) = delete;
    // Every provider it serves lets go of it.
    ~TuiCustomRecordSource() override;

    // A new record: its handle.
    virtual int32_t AddRecord() = 0;
    virtual void RemoveRecord(int32_t handle) = 0;
    // Inserts before the record; only asked when IsInsertSupported.
    virtual int32_t InsertRecordBefore(int32_t handle);
    virtual bool IsInsertSupported() { return false; }
    virtual rtl::Variant GetValue(int32_t handle, int32_t itemHandle) = 0;
    virtual void SetValue(int32_t handle, int32_t itemHandle, const rtl::Variant& value) = 0;
    // The value's text here.
    virtual rtl::AnsiString GetDisplayText(int32_t handle, int32_t itemHandle);
    // The column of an item: its index here.
    virtual int32_t GetItemHandle(int32_t itemIndex) { return itemIndex; }
    virtual bool IsRecordIdSupported() { return false; }
    virtual rtl::Variant GetRecordId(int32_t handle);
    virtual bool HasDetailRecords(int32_t, int32_t) { return false; }
    // Appends one controller record per source record through AppendRecordHandle.
    virtual void LoadRecordHandles() = 0;
    virtual void SetRecordCount(int32_t) {}
    // Whether the source orders two of its records by a column itself (NativeCompare); not here.
    virtual bool IsNativeCompareFunc() { return false; }
    // Negative, zero or positive.
    virtual int NativeCompare(int32_t, int32_t, int32_t) { return 0; }
    // Whether the values of a column are compared by the column's value type as they lie in the source, through
    // GetValuePointer, without a Variant in between; not here.
    virtual bool IsNativeCompare() { return false; }
    // The record's value of the column as a reference of its value type (uiValueType.h: the value's bytes for the
    // inline types, the AnsiString, UnicodeString or Variant for the others), valid until the value changes; false
    // when the record has no value. Asked only while IsNativeCompare; here no record has a value.
    virtual bool GetValuePointer(int32_t, int32_t, TuiValueReference&) { return false; }
    // Whether the source puts the controller's records in order itself (CustomSort); not here.
    virtual bool IsCustomSorting() { return false; }
    // Orders the controller's filtered records, given as record indexes in display order (GetRecordHandle gives
    // their handles), keeping each of them once; asked instead of any comparison while IsCustomSorting. An order
    // that loses or repeats a record raises "RecordIndex out of range" and the rows keep their order.
    virtual void CustomSort(std::vector<int32_t>&) {}

    // The provider being served (set before every call into the source), else the default one.
    TuiCustomDataProvider* CurrentProvider() const;
    void SetCurrentProvider(TuiCustomDataProvider* provider) { FCurrentProvider = provider; }
    TuiCustomDataProvider* DefaultProvider() const { return FDefaultProvider; }
    void SetDefaultProvider(TuiCustomDataProvider* provider) { FDefaultProvider = provider; }
    TuiCustomDataController* CurrentDataController() const;
    void AddProvider(TuiCustomDataProvider& provider);
    void RemoveProvider(TuiCustomDataProvider& provider);

    // The handle kept in the current controller's record.
    int32_t GetRecordHandle(int32_t recordIndex) const;
    // The first record holding the handle, -1 when none.
    int32_t GetRecordIndexByHandle(int32_t handle) const;
    // Appends a controller record holding the handle, without notices: its index.
    int32_t AppendRecordHandle(int32_t handle);

private:
    TuiCustomDataProvider* FCurrentProvider = nullptr;
    TuiCustomDataProvider* FDefaultProvider = nullptr;
    std::vector<TuiCustomDataProvider*> FProviders; // not owned
};

} // namespace ui
