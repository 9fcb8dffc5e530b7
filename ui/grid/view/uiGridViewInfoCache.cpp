#include "ui/grid/view/uiGridViewInfoCache.h"

#include <algorithm>

namespace ui {

void TuiCustomGridViewInfoCache::SetCount(int32_t count) {
    FItems.clear();
    FItems.resize(static_cast<size_t>(std::max(count, 0)));
}

TuiCustomGridViewInfoCacheItem* TuiCustomGridViewInfoCache::Items(int32_t index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return FItems[static_cast<size_t>(index)].get();
}

TuiCustomGridViewInfoCacheItem* TuiCustomGridViewInfoCache::GetItem(int32_t index) {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    auto& item = FItems[static_cast<size_t>(index)];
    if (!item) {
        item = CreateItem(index);
    }
    return item.get();
}

void TuiCustomGridViewInfoCache::UnassignValues(bool keepMaster) {
    if (FUnassigning) {
        return;
    }
    FUnassigning = true;
    try {
        for (const auto& item : FItems) {
            if (item) {
                item->UnassignValues(keepMaster);
            }
        }
    } catch (...) {
        FUnassigning = false;
        throw;
    }
    FUnassigning = false;
}

std::unique_ptr<TuiCustomGridViewInfoCacheItem> TuiCustomGridViewInfoCache::CreateItem(int32_t index) {
    return std::make_unique<TuiCustomGridViewInfoCacheItem>(*this, index);
}

} // namespace ui
