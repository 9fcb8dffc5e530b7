#include "ui/data/controller/rows/uiSortingFieldList.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

#include <algorithm>

namespace ui {

TuiSortingFieldList::TuiSortingFieldList(std::function<void()> onChanged) : FOnChanged(std::move(onChanged)) {}

const TuiSortingFieldEntry& TuiSortingFieldList::GetEntry(int32_t index) const {
    CheckIndex(index);
    return FEntries[static_cast<size_t>(index)];
}

int32_t TuiSortingFieldList::Find(const TuiCustomDataField& field) const {
    const auto found = std::find_if(FEntries.begin(), FEntries.end(),
                                    [&field](const TuiSortingFieldEntry& entry) { return entry.Field == &field; });
    return found == FEntries.end() ? -1 : static_cast<int32_t>(found - FEntries.begin());
}

TuiDataSortOrder TuiSortingFieldList::GetSortOrder(const TuiCustomDataField& field) const {
    const int32_t index = Find(field);
    return index < 0 ? soNone : FEntries[static_cast<size_t>(index)].SortOrder;
}

void TuiSortingFieldList::Add(TuiCustomDataField& field, TuiDataSortOrder order) {
    Insert(GetCount(), field, order);
}

void TuiSortingFieldList::Insert(int32_t index, TuiCustomDataField& field, TuiDataSortOrder order) {
    if (index < 0 || index > GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    FEntries.insert(FEntries.begin() + index, TuiSortingFieldEntry{&field, order});
    Changed();
}

void TuiSortingFieldList::Delete(int32_t index) {
    CheckIndex(index);
    FEntries.erase(FEntries.begin() + index);
    Changed();
}

void TuiSortingFieldList::Remove(const TuiCustomDataField& field) {
    const int32_t index = Find(field);
    if (index >= 0) {
        Delete(index);
    }
}

void TuiSortingFieldList::Move(int32_t from, int32_t to) {
    CheckIndex(from);
    CheckIndex(to);
    if (from == to) {
        return;
    }
    const TuiSortingFieldEntry entry = FEntries[static_cast<size_t>(from)];
    FEntries.erase(FEntries.begin() + from);
    FEntries.insert(FEntries.begin() + to, entry);
    Changed();
}

void TuiSortingFieldList::SetSortOrder(int32_t index, TuiDataSortOrder order) {
    CheckIndex(index);
    TuiSortingFieldEntry& entry = FEntries[static_cast<size_t>(index)];
    if (entry.SortOrder == order) {
        return;
    }
    entry.SortOrder = order;
    Changed();
}

void TuiSortingFieldList::Clear() {
    if (FEntries.empty()) {
        return;
    }
    FEntries.clear();
    Changed();
}

void TuiSortingFieldList::HandleFieldRemoval(const TuiCustomDataField& field) {
    if (Find(field) >= 0) {
        Changed();
    }
}

void TuiSortingFieldList::AddFromList(const TuiSortingFieldList& other) {
    for (const TuiSortingFieldEntry& entry : other.FEntries) {
        if (Find(*entry.Field) < 0) {
            Add(*entry.Field, entry.SortOrder);
        }
    }
}

void TuiSortingFieldList::SetFieldIndex(TuiCustomDataField& field, int32_t index) {
    const int32_t current = Find(field);
    if (index < 0) {
        Remove(field);
    } else if (current < 0) {
        Insert(std::min(index, GetCount()), field, soAscending);
    } else {
        Move(current, std::min(index, GetCount() - 1));
    }
}

void TuiSortingFieldList::ApplySortingChange(TuiCustomDataField& field, TuiDataSortOrder order) {
    const int32_t index = Find(field);
    if (index >= 0) {
        if (order == soNone) {
            Delete(index);
        } else {
            SetSortOrder(index, order);
        }
    } else if (order != soNone) {
        Add(field, order);
    }
}

void TuiSortingFieldList::Changed() {
    if (FOnChanged) {
        FOnChanged();
    }
}

void TuiSortingFieldList::CheckIndex(int32_t index) const {
    if (index < 0 || index >= GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
}

void TuiGroupingFieldList::ApplySortingChange(TuiCustomDataField& field, TuiDataSortOrder order) {
    TuiSortingFieldList::ApplySortingChange(field, order == soNone ? soAscending : order);
}

void TuiGroupingFieldList::SyncSortOrders(const TuiSortingFieldList& sortingList) {
    for (int32_t index = 0; index < GetCount(); ++index) {
        const TuiDataSortOrder order = sortingList.GetSortOrder(*GetEntry(index).Field);
        SetSortOrder(index, order == soNone ? soAscending : order);
    }
}

} // namespace ui
