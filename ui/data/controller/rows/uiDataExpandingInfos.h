#pragma once
// TuiDataExpandingInfos: the expanded and selected groups of a data controller, saved by their key values before
// the groups are rebuilt and found again by those values afterwards. They live for one recalculation only.

#include "rtl/core/Object.h"
#include "rtl/core/SmallSet.h"
#include "rtl/variants/Variant.h"

#include <cstdint>
#include <vector>

namespace ui {

class TuiCustomDataField;

// What is saved (the save mode) and what a saved group was.
enum TuiDataExpandingState : uint8_t { desExpanded, desSelected };
using TuiDataExpandingStates = rtl::TSmallSet<TuiDataExpandingState>;

struct TuiDataExpandingInfo {
    int32_t Level;
    // The group's key on its level's field.
    rtl::Variant Value;
    TuiDataExpandingStates State;
};

class TuiDataExpandingInfos : public rtl::TObject {
public:
    // "Item already exists" for a field saved already; the saved states go.
    void AddField(TuiCustomDataField& field);
    void AddState(int32_t level, const rtl::Variant& value, TuiDataExpandingStates state);
    // Clears everything when the field is one of the saved fields.
    void HandleFieldRemoval(const TuiCustomDataField& field);
    // Fields, states and the save mode.
    void Clear();

    int32_t FieldCount() const { return static_cast<int32_t>(FFields.size()); }
    TuiCustomDataField& GetField(int32_t index) const { return *FFields.at(static_cast<size_t>(index)); }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    const TuiDataExpandingInfo& GetItem(int32_t index) const { return FItems.at(static_cast<size_t>(index)); }
    TuiDataExpandingStates SaveMode() const { return FSaveMode; }
    void SetSaveMode(TuiDataExpandingStates saveMode) { FSaveMode = saveMode; }

private:
    std::vector<TuiCustomDataField*> FFields; // not owned
    std::vector<TuiDataExpandingInfo> FItems;
    TuiDataExpandingStates FSaveMode;
};

} // namespace ui
