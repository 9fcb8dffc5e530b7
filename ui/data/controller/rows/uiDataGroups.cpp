#include "ui/data/controller/rows/uiDataGroups.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

#include <algorithm>
#include <climits>

namespace ui {

namespace {

[[noreturn]] void RaiseGroupIndexError(int32_t index) {
    throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
}

} // namespace

TuiCustomDataField& TuiDataGroups::GetField(int32_t level) const {
    if (level < 0 || level >= LevelCount()) {
        RaiseGroupIndexError(level);
    }
    return *FFields[static_cast<size_t>(level)];
}

void TuiDataGroups::AddField(TuiCustomDataField& field) {
    FFields.push_back(&field);
}

TuiDataGroupInfo& TuiDataGroups::GetItem(int32_t index) {
    if (index < 0 || index >= GroupCount()) {
        RaiseGroupIndexError(index);
    }
    return FItems[static_cast<size_t>(index)];
}

const TuiDataGroupInfo& TuiDataGroups::GetItem(int32_t index) const {
    return const_cast<TuiDataGroups*>(this)->GetItem(index);
}

void TuiDataGroups::SetItem(int32_t index, const TuiDataGroupInfo& entry) {
    GetItem(index) = entry;
}

int32_t TuiDataGroups::AddGroup() {
    FItems.emplace_back();
    return GroupCount() - 1;
}

void TuiDataGroups::Clear() {
    FFields.clear();
    FItems.clear();
}

int32_t TuiDataGroups::GetLevel(int32_t index) const {
    return index < 0 || index >= GroupCount() ? -1 : FItems[static_cast<size_t>(index)].Level;
}

void TuiDataGroups::RebuildRowIndexes() {
    // The entries below a collapsed visible group are hidden and share its row; the first entry at its level or above
    // is visible again, since its parent is an expanded visible ancestor of that group.
    const int32_t deepestLevel = LevelCount() - 1;
    int32_t row = 0;
    int32_t hiddenBelowLevel = INT_MAX;
    int32_t hiddenRow = 0;
    for (TuiDataGroupInfo& entry : FItems) {
        if (entry.Level > hiddenBelowLevel) {
            entry.RowIndex = hiddenRow;
            continue;
        }
        hiddenBelowLevel = INT_MAX;
        entry.RowIndex = row++;
        if (!entry.Expanded) {
            hiddenBelowLevel = entry.Level;
            hiddenRow = entry.RowIndex;
        } else if (entry.Level == deepestLevel) {
            row += entry.End - entry.Begin + 1;
        }
    }
}

int32_t TuiDataGroups::GetRowCount() const {
    if (FItems.empty()) {
        return 0;
    }
    const int32_t lastIndex = GroupCount() - 1;
    const int32_t lastRow = FItems.back().RowIndex;
    const TuiDataGroupInfo& visible = FItems[static_cast<size_t>(GetVisibleGroup(lastRow, lastIndex))];
    return visible.Expanded ? lastRow + (visible.End - visible.Begin) + 2 : lastRow + 1;
}

int32_t TuiDataGroups::FindByRowIndex(int32_t row, int32_t& entryIndex) const {
    int32_t low = 0;
    int32_t high = GroupCount() - 1;
    while (low <= high) {
        const int32_t middle = low + (high - low) / 2;
        const int32_t middleRow = FItems[static_cast<size_t>(middle)].RowIndex;
        if (middleRow < row) {
            low = middle + 1;
        } else if (middleRow > row) {
            high = middle - 1;
        } else {
            entryIndex = GetVisibleGroup(row, middle);
            return entryIndex;
        }
    }
    entryIndex = low - 1;
    return -1;
}

int32_t TuiDataGroups::GetVisibleGroup(int32_t row, int32_t index) const {
    int32_t answer = index;
    int32_t smallestLevel = GetItem(index).Level;
    for (int32_t i = index; i >= 0 && FItems[static_cast<size_t>(i)].RowIndex == row; --i) {
        const TuiDataGroupInfo& entry = FItems[static_cast<size_t>(i)];
        if (entry.Level < smallestLevel) {
            smallestLevel = entry.Level;
            if (!entry.Expanded) {
                answer = i;
            }
        }
        if (entry.Level == 0) {
            break;
        }
    }
    return answer;
}

bool TuiDataGroups::IsGroupVisible(int32_t index) const {
    return GetVisibleGroup(GetItem(index).RowIndex, index) == index;
}

TuiDataGroupRowInfo TuiDataGroups::GetRowInfo(int32_t row) const {
    int32_t entryIndex = -1;
    if (FindByRowIndex(row, entryIndex) >= 0) {
        const TuiDataGroupInfo& group = FItems[static_cast<size_t>(entryIndex)];
        return {group.Expanded, group.Level, GetGroupFirstDataRecord(entryIndex)};
    }
    if (entryIndex < 0 || !IsDeepest(entryIndex) || !IsGroupVisible(entryIndex)) {
        return {};
    }
    const TuiDataGroupInfo& group = FItems[static_cast<size_t>(entryIndex)];
    const int32_t offset = row - group.RowIndex - 1;
    if (!group.Expanded || offset > group.End - group.Begin) {
        return {};
    }
    return {false, LevelCount(), group.Begin + offset};
}

int32_t TuiDataGroups::GetGroupFirstDataRecord(int32_t index) const {
    while (!IsDeepest(index)) {
        index = GetItem(index).Begin;
    }
    return GetItem(index).Begin;
}

int32_t TuiDataGroups::GetGroupIndexByRowIndex(int32_t row, int32_t level) const {
    int32_t entryIndex = -1;
    int32_t index = FindByRowIndex(row, entryIndex);
    if (index < 0 && entryIndex >= 0 && GetRowInfo(row).Level == LevelCount()) {
        index = entryIndex;
    }
    if (index < 0 || level < 0) {
        return index;
    }
    const int32_t step = GetItem(index).Level < level ? 1 : -1;
    for (int32_t i = index; i >= 0 && i < GroupCount(); i += step) {
        if (FItems[static_cast<size_t>(i)].Level == level) {
            return i;
        }
    }
    return -1;
}

int32_t TuiDataGroups::FindGroupOfRecordListIndex(int32_t position, int32_t level) const {
    const int32_t deepestLevel = LevelCount() - 1;
    int32_t remembered = -1;
    for (int32_t i = 0; i < GroupCount(); ++i) {
        const TuiDataGroupInfo& entry = FItems[static_cast<size_t>(i)];
        if (entry.Level == level) {
            remembered = i;
        }
        if (entry.Level == deepestLevel && position >= entry.Begin && position <= entry.End) {
            return remembered;
        }
    }
    return -1;
}

int32_t TuiDataGroups::GetParent(int32_t index) const {
    const int32_t level = GetItem(index).Level;
    for (int32_t i = index - 1; i >= 0; --i) {
        if (FItems[static_cast<size_t>(i)].Level < level) {
            return i;
        }
    }
    return -1;
}

void TuiDataGroups::SetExpanded(int32_t row, bool expanded, bool recursive) {
    int32_t entryIndex = -1;
    const int32_t index = FindByRowIndex(row, entryIndex);
    if (index < 0) {
        return;
    }
    TuiDataGroupInfo& group = FItems[static_cast<size_t>(index)];
    group.Expanded = expanded;
    if (recursive && !IsDeepest(index)) {
        for (int32_t i = group.Begin; i < GroupCount() && FItems[static_cast<size_t>(i)].Level > group.Level; ++i) {
            FItems[static_cast<size_t>(i)].Expanded = expanded;
        }
    }
    RebuildRowIndexes();
}

void TuiDataGroups::SetAllExpanded(bool expanded) {
    for (TuiDataGroupInfo& entry : FItems) {
        entry.Expanded = expanded;
    }
    RebuildRowIndexes();
}

bool TuiDataGroups::MakeVisible(int32_t index, bool expandSelf) {
    bool changed = false;
    const auto expand = [&](int32_t i) {
        TuiDataGroupInfo& entry = GetItem(i);
        changed = changed || !entry.Expanded;
        entry.Expanded = true;
    };
    if (expandSelf) {
        expand(index);
    }
    for (int32_t parent = GetParent(index); parent >= 0; parent = GetParent(parent)) {
        expand(parent);
    }
    if (changed) {
        RebuildRowIndexes();
    }
    return changed;
}

int32_t TuiDataGroups::GetTopGroupCount() const {
    return static_cast<int32_t>(
        std::count_if(FItems.begin(), FItems.end(), [](const TuiDataGroupInfo& entry) { return entry.Level == 0; }));
}

int32_t TuiDataGroups::GetTopGroupIndex(int32_t n) const {
    for (int32_t i = 0; i < GroupCount(); ++i) {
        if (FItems[static_cast<size_t>(i)].Level == 0 && n-- == 0) {
            return i;
        }
    }
    return -1;
}

int32_t TuiDataGroups::ChildCountOf(int32_t index) const {
    if (index == -1) {
        return GetTopGroupCount();
    }
    if (index < 0 || index >= GroupCount()) {
        return 0;
    }
    const TuiDataGroupInfo& group = FItems[static_cast<size_t>(index)];
    if (IsDeepest(index)) {
        return group.End - group.Begin + 1;
    }
    int32_t count = 0;
    for (int32_t i = group.Begin; i <= group.End && i < GroupCount(); ++i) {
        count += FItems[static_cast<size_t>(i)].Level == group.Level + 1 ? 1 : 0;
    }
    return count;
}

int32_t TuiDataGroups::GetChildIndex(int32_t index, int32_t n) const {
    if (index == -1) {
        return GetTopGroupIndex(n);
    }
    if (index < 0 || index >= GroupCount() || IsDeepest(index)) {
        return -1;
    }
    const TuiDataGroupInfo& group = FItems[static_cast<size_t>(index)];
    if (n < 0 || n > group.End - group.Begin) {
        return -1;
    }
    for (int32_t i = group.Begin; i <= group.End && i < GroupCount(); ++i) {
        if (FItems[static_cast<size_t>(i)].Level == group.Level + 1 && n-- == 0) {
            return i;
        }
    }
    return -1;
}

int32_t TuiDataGroups::GetChildRecordListIndex(int32_t index, int32_t n) const {
    if (index < 0 || index >= GroupCount() || !IsDeepest(index)) {
        return -1;
    }
    const TuiDataGroupInfo& group = FItems[static_cast<size_t>(index)];
    return n >= 0 && n <= group.End - group.Begin ? group.Begin + n : -1;
}

} // namespace ui
