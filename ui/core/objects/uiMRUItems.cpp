#include "ui/core/objects/uiMRUItems.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

#include <algorithm>

namespace ui {

void TuiMRUItems::AddMostRecent(std::unique_ptr<TuiMRUItem> item) {
    const int32_t index = IndexOfEqual(*item);
    if (index >= 0) {
        std::rotate(FItems.begin(), FItems.begin() + index, FItems.begin() + index + 1);
        return;
    }
    FItems.insert(FItems.begin(), std::move(item));
    if (FMaxCount > 0) {
        TrimToCount(FMaxCount);
    }
}

int32_t TuiMRUItems::IndexOfEqual(const TuiMRUItem& item) const {
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (FItems[i]->Equals(item)) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

void TuiMRUItems::SetMaxCount(int32_t value) {
    value = std::max(value, 0);
    if (value == FMaxCount) {
        return;
    }
    FMaxCount = value;
    if (FMaxCount > 0) {
        TrimToCount(FMaxCount);
    }
}

void TuiMRUItems::TrimToCount(int32_t count) {
    while (GetCount() > std::max(count, 0)) {
        FItems.pop_back();
    }
}

void TuiMRUItems::CheckIndex(int32_t index) const {
    if (index < 0 || index >= GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
}

TuiMRUItem& TuiMRUItems::GetItem(int32_t index) const {
    CheckIndex(index);
    return *FItems[index];
}

void TuiMRUItems::DeleteItemAt(int32_t index) {
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
}

void TuiMRUItems::Clear() {
    while (!FItems.empty()) {
        FItems.pop_back();
    }
}

} // namespace ui
