#pragma once
// TuiDataSelection: the selected rows of a data controller, kept by its row information. An entry names a group row
// (level -1, the group's index) or a data row (its level, its record index) and the row it stands on; entries stay
// in ascending row order. Every change is reported through the change callback.

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
};

class TuiDataSelection : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiDataSelection, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataController*;

    explicit TuiDataSelection(TuiCustomDataController* dataController);

    TuiCustomDataController& DataController() const { return FDataController; }
    void SetOnChanged(std::function<void()> handler) { FOnChanged = std::move(handler); }

    // Inserts an entry at position (-1: at the end), then reports the change.
    virtual void Add(int32_t position, int32_t rowIndex, int32_t level, int32_t index);
    // Binary search by row: true with the entry's position, or false with the position where it would go.
    virtual bool FindByRowIndex(int32_t rowIndex, int32_t& position) const;
    void Delete(int32_t position);
    void Clear();
    int32_t GetCount() const { return static_cast<int32_t>(FEntries.size()); }
    const TuiDataSelectionEntry& GetEntry(int32_t position) const;

protected:
    virtual void InternalAdd(int32_t position, int32_t rowIndex, int32_t level, int32_t index);
    virtual void InternalClear();
    virtual void InternalDelete(int32_t position);

private:
    void Changed();

    TuiCustomDataController& FDataController;
    std::vector<TuiDataSelectionEntry> FEntries;
    std::function<void()> FOnChanged;
};

} // namespace ui
