#pragma once
// An in-memory custom record source for the data controller's tests of provider mode.

#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/provider/uiCustomRecordSource.h"
#include "ui/data/controller/provider/uiDataProvider.h"

#include <map>
#include <utility>
#include <vector>

namespace ui::test {

// An in-memory source of two columns; handles count from 1, record IDs are the handle times 100.
class TMemoryRecordSource : public TuiCustomRecordSource {
public:
    int32_t AddRecord() override {
        Rows[FNextHandle] = {rtl::Variant::Null(), rtl::Variant::Null()};
        return FNextHandle++;
    }
    void AddRow(const rtl::Variant& a, const rtl::Variant& b) { Rows[AddRecord()] = {a, b}; }
    void RemoveRecord(int32_t handle) override { Rows.erase(handle); }
    rtl::Variant GetValue(int32_t handle, int32_t itemHandle) override {
        ++ValueReads;
        return Rows.at(handle).at(static_cast<size_t>(itemHandle));
    }
    void SetValue(int32_t handle, int32_t itemHandle, const rtl::Variant& value) override {
        Rows.at(handle).at(static_cast<size_t>(itemHandle)) = value;
        Writes.emplace_back(handle, itemHandle);
    }
    void SetRecordCount(int32_t count) override { RequestedCount = count; }
    bool IsRecordIdSupported() override { return RecordIds; }
    // Even records have details.
    bool HasDetailRecords(int32_t recordIndex, int32_t) override {
        ++DetailQuestions;
        return recordIndex % 2 == 0;
    }
    rtl::Variant GetRecordId(int32_t handle) override { return handle * 100; }
    // With FailAfter the load raises after that many records.
    void LoadRecordHandles() override {
        ++Loads;
        int loaded = 0;
        for (const auto& row : Rows) {
            if (loaded++ == FailAfter) {
                throw rtl::Exception(u"the source failed");
            }
            CurrentProvider()->AddSourceRecord(row.first);
        }
    }

    std::map<int32_t, std::vector<rtl::Variant>> Rows;
    // The (handle, column) of every SetValue; the count SetRecordCount asked for (-1: none).
    std::vector<std::pair<int32_t, int32_t>> Writes;
    int32_t RequestedCount = -1;
    int FailAfter = -1;
    bool RecordIds = false;
    // With NativeOrder the source orders its records by the length of their texts in the column.
    bool IsNativeCompareFunc() override { return NativeOrder; }
    int NativeCompare(int32_t handleA, int32_t handleB, int32_t itemHandle) override {
        const auto length = [&](int32_t handle) { return rtl::VarToAnsiStr(GetValue(handle, itemHandle)).size(); };
        return length(handleA) < length(handleB) ? -1 : length(handleA) > length(handleB) ? 1 : 0;
    }

    bool NativeOrder = false;
    int Loads = 0;
    int ValueReads = 0;
    int DetailQuestions = 0;

private:
    int32_t FNextHandle = 1;
};

} // namespace ui::test
