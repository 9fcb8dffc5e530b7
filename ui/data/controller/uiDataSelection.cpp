#include "ui/data/controller/uiDataSelection.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

#include <algorithm>

namespace ui {

TuiDataSelection::TuiDataSelection(TuiCustomDataController* dataController) : FDataController(*dataController) {}

void TuiDataSelection::Add(int32_t position, int32_t rowIndex, int32_t level, int32_t index) {
    InternalAdd(position, rowIndex, level, index);
    Changed();
}

bool TuiDataSelection::FindByRowIndex(int32_t rowIndex, int32_t& position) const {
    const auto found =
        std::lower_bound(FEntries.begin(), FEntries.end(), rowIndex,
                         [](const TuiDataSelectionEntry& entry, int32_t row) { return entry.RowIndex < row; });
    position = static_cast<int32_t>(found - FEntries.begin());
    return found != FEntries.end() && found->RowIndex == rowIndex;
}

void TuiDataSelection::Delete(int32_t position) {
    InternalDelete(position);
    Changed();
}

void TuiDataSelection::Clear() {
    InternalClear();
    Changed();
}

const TuiDataSelectionEntry& TuiDataSelection::GetEntry(int32_t position) const {
    if (position < 0 || position >= GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {position}));
    }
    return FEntries[static_cast<size_t>(position)];
}

void TuiDataSelection::InternalAdd(int32_t position, int32_t rowIndex, int32_t level, int32_t index) {
    if (position < -1 || position > GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {position}));
    }
    const auto where = position == -1 ? FEntries.end() : FEntries.begin() + position;
    FEntries.insert(where, TuiDataSelectionEntry{level, index, rowIndex});
}

void TuiDataSelection::InternalClear() {
    FEntries.clear();
}

void TuiDataSelection::InternalDelete(int32_t position) {
    GetEntry(position);
    FEntries.erase(FEntries.begin() + position);
}

void TuiDataSelection::Changed() {
    if (FOnChanged) {
        FOnChanged();
    }
}

} // namespace ui
