#include "ui/grid/tableview/viewinfo/uiGridTableViewInfoCache.h"

namespace ui {

void TuiGridTableViewInfoCacheItem::UnassignValues(bool keepMaster) {
    TuiCustomGridViewInfoCacheItem::UnassignValues(keepMaster);
    IsHeightAssigned = false;
    IsPreviewHeightAssigned = false;
}

TuiGridTableViewInfoCacheItem* TuiGridTableViewInfoCache::RowItem(int32_t rowIndex) {
    return static_cast<TuiGridTableViewInfoCacheItem*>(GetItem(rowIndex));
}

std::unique_ptr<TuiCustomGridViewInfoCacheItem> TuiGridTableViewInfoCache::CreateItem(int32_t index) {
    return std::make_unique<TuiGridTableViewInfoCacheItem>(*this, index);
}

} // namespace ui
