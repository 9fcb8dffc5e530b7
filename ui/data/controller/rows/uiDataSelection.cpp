#include "ui/data/controller/rows/uiDataSelection.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiCustomDataController.h"

#include <algorithm>
#include <utility>

namespace ui {

TuiDataSelection::TuiDataSelection(TuiCustomDataController* dataController) : FDataController(*dataController) {}

void TuiDataSelection::ClearAnchor() {
    FAnchorRowIndex = -1;
}

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

void TuiDataSelection::ClearAll() {
    ClearAnchor();
    InternalClear();
    Changed();
}

const TuiDataSelectionEntry& TuiDataSelection::GetEntry(int32_t position) const {
    if (position < 0 || position >= GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {position}));
    }
    return FEntries[static_cast<size_t>(position)];
}

void TuiDataSelection::ReplaceEntries(const std::vector<TuiDataSelectionEntry>& entries) {
    const auto selectedItems = [](const std::vector<TuiDataSelectionEntry>& list) {
        std::vector<std::pair<int32_t, int32_t>> items;
        for (const TuiDataSelectionEntry& entry : list) {
            items.emplace_back(entry.Level, entry.Index);
        }
        std::sort(items.begin(), items.end());
        return items;
    };
    const bool changed = selectedItems(FEntries) != selectedItems(entries);
    InternalClear();
    for (const TuiDataSelectionEntry& entry : entries) {
        InternalAdd(-1, entry.RowIndex, entry.Level, entry.Index);
    }
    if (changed) {
        Changed();
    }
}

void TuiDataSelection::SetEntryRowIndex(int32_t position, int32_t rowIndex) {
    GetEntry(position);
    FEntries[static_cast<size_t>(position)].RowIndex = rowIndex;
}

void TuiDataSelection::SortByRowIndex() {
    std::stable_sort(
        FEntries.begin(), FEntries.end(),
        [](const TuiDataSelectionEntry& a, const TuiDataSelectionEntry& b) { return a.RowIndex < b.RowIndex; });
}

int32_t TuiDataSelection::FindGroupEntry(int32_t groupIndex) const {
    const auto found = std::find_if(FEntries.begin(), FEntries.end(), [groupIndex](const TuiDataSelectionEntry& entry) {
        return entry.IsGroupEntry() && entry.Index == groupIndex;
    });
    return found == FEntries.end() ? -1 : static_cast<int32_t>(found - FEntries.begin());
}

int32_t TuiDataSelection::FindRecordEntry(int32_t recordIndex) const {
    const auto found =
        std::find_if(FEntries.begin(), FEntries.end(), [recordIndex](const TuiDataSelectionEntry& entry) {
            return !entry.IsGroupEntry() && entry.Index == recordIndex;
        });
    return found == FEntries.end() ? -1 : static_cast<int32_t>(found - FEntries.begin());
}

bool TuiDataSelection::IsRowSelected(int32_t rowIndex) const {
    int32_t position = 0;
    return FindByRowIndex(rowIndex, position);
}

void TuiDataSelection::RemoveFilteredRecords() {
    const TuiCustomDataControllerInfo& info = FDataController.DataControllerInfo();
    std::vector<bool> listed;
    for (int32_t position = 0; position < info.GetRecordListCount(); ++position) {
        const auto record = static_cast<size_t>(info.GetRecordListItem(position));
        if (record >= listed.size()) {
            listed.resize(record + 1);
        }
        listed[record] = true;
    }
    for (int32_t position = GetCount() - 1; position >= 0; --position) {
        const TuiDataSelectionEntry& entry = FEntries[static_cast<size_t>(position)];
        const bool inList = entry.Index >= 0 && static_cast<size_t>(entry.Index) < listed.size() &&
                            listed[static_cast<size_t>(entry.Index)];
        if (!entry.IsGroupEntry() && !inList) {
            Delete(position);
        }
    }
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
    if (GetEntry(position).RowIndex == FAnchorRowIndex) {
        ClearAnchor();
    }
    FEntries.erase(FEntries.begin() + position);
}

void TuiDataSelection::Changed() {
    if (FOnChanged) {
        FOnChanged();
    }
}

} // namespace ui
