#pragma once
// TuiCustomRecordSource: the contract of a custom data source that a data controller's provider reads its records
// from (provider mode). The source holds the data; the controller keeps one record per source record holding only
// the source's record handle, an integer the source chooses. No source is part of the library: a program derives
// its own.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"

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
