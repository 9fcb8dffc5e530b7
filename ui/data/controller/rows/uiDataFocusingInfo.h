#pragma once
// TuiDataFocusingInfo: the focus of a data controller's rows: the focused row, its level and the record it shows.
// The row information keeps two: the current focus and the previous one (the focus as the last notice reported it).
// Focus follows the record: after a recalculation the row is found again from the record.

#include "rtl/core/Object.h"

#include <cstdint>

namespace ui {

class TuiCustomDataControllerInfo;

class TuiDataFocusingInfo : public rtl::TObject {
public:
    explicit TuiDataFocusingInfo(TuiCustomDataControllerInfo& info) : FInfo(info) {}

    // -1 when no row is focused.
    int32_t RowIndex() const { return FRowIndex; }
    void SetRowIndex(int32_t rowIndex) { FRowIndex = rowIndex; }
    // A grouping level for a group row, the level count for a data row, -1 for none.
    int32_t Level() const { return FLevel; }
    void SetLevel(int32_t level) { FLevel = level; }
    int32_t RecordIndex() const { return FRecordIndex; }
    void SetRecordIndex(int32_t recordIndex) { FRecordIndex = recordIndex; }
    // The focused record as last recorded by UpdateFromRow.
    int32_t RecordedRecordIndex() const { return FRecordedRecordIndex; }
    // Set when the new-item row gained or lost the focus.
    bool NewItemRowChanged() const { return FNewItemRowChanged; }
    void SetNewItemRowChanged(bool changed) { FNewItemRowChanged = changed; }

    // Copies the focus and clears the new-item-row flag.
    void Assign(const TuiDataFocusingInfo& source);
    // No focus: row, level and record -1.
    void Reset();
    // Takes level and record from the focused row (-1 for none).
    void UpdateFromRow();
    // Same record and level, and while a sort is pending also the same row.
    bool IsEqual(const TuiDataFocusingInfo& other) const;

private:
    TuiCustomDataControllerInfo& FInfo;
    bool FNewItemRowChanged = false;
    int32_t FLevel = -1;
    int32_t FRecordedRecordIndex = -1;
    int32_t FRecordIndex = -1;
    int32_t FRowIndex = -1;
};

} // namespace ui
