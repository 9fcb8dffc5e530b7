#pragma once
// TuiDataSelection: the selected rows of a data controller, kept by its row information. An entry names a group row
// (level -1, the group's index) or a data row (its level, its record index) and the row it stands on; entries stay
// in ascending row order. The anchor is the row a range selection starts from. Every change is reported through the
// change callback.

#include "rtl/core/Object.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace ui {

class TuiCustomDataController;

struct TuiDataSelectionEntry {
    // -1 for a group row; otherwise the data row's level.
    int32_t Level;
    // A group row: the group's index; a data row: its record index.
    int32_t Index;
    int32_t RowIndex;

    bool IsGroupEntry() const { return Level < 0; }
};

class TuiDataSelection : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiDataSelection, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataController*;

    explicit TuiDataSelection(TuiCustomDataController* dataController);

    TuiCustomDataController& DataController() const { return FDataController; }
    void SetOnChanged(std::function<void()> handler) { FOnChanged = std::move(handler); }

    virtual void ClearAnchor();
    // Inserts an entry at position (-1: at the end), then reports the change.
    virtual void Add(int32_t position, int32_t rowIndex, int32_t level, int32_t index);
    // Binary search by row: true with the entry's position, or false with the position where it would go.
    virtual bool FindByRowIndex(int32_t rowIndex, int32_t& position) const;
    void Delete(int32_t position);
    void Clear();
    // Clears the entries and the anchor.
    void ClearAll();
    int32_t GetCount() const { return static_cast<int32_t>(FEntries.size()); }
    const TuiDataSelectionEntry& GetEntry(int32_t position) const;
    // Puts entries (in row order) in place of the current ones. Only a change of the rows and records selected is
    // reported: entries that moved to other rows are the same selection.
    void ReplaceEntries(const std::vector<TuiDataSelectionEntry>& entries);
    // Moves an entry to another row without reporting it; the caller restores the row order.
    void SetEntryRowIndex(int32_t position, int32_t rowIndex);
    void SortByRowIndex();

    int32_t AnchorRowIndex() const { return FAnchorRowIndex; }
    void SetAnchorRowIndex(int32_t rowIndex) { FAnchorRowIndex = rowIndex; }

    // Positions of entries, -1 when none.
    int32_t FindGroupEntry(int32_t groupIndex) const;
    int32_t FindRecordEntry(int32_t recordIndex) const;
    bool IsRecordSelected(int32_t recordIndex) const { return FindRecordEntry(recordIndex) >= 0; }
    bool IsRowSelected(int32_t rowIndex) const;
    // Deletes the data entries whose records are no longer in the row information's record list.
    void RemoveFilteredRecords();

protected:
    virtual void InternalAdd(int32_t position, int32_t rowIndex, int32_t level, int32_t index);
    virtual void InternalClear();
    // Clears the anchor when the entry stands on it.
    virtual void InternalDelete(int32_t position);

private:
    void Changed();

    TuiCustomDataController& FDataController;
    std::vector<TuiDataSelectionEntry> FEntries;
    int32_t FAnchorRowIndex = -1;
    std::function<void()> FOnChanged;
};

} // namespace ui
