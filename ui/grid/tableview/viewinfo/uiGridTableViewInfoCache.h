#pragma once
// TuiGridTableViewInfoCache: what a table view keeps measured per row between layouts: the height of a row whose cells
// set it, and the height of its preview. A value stays until the view's size or data change unassigns it.

#include "ui/grid/view/uiGridViewInfoCache.h"

namespace ui {

class TuiGridTableViewInfoCacheItem : public TuiCustomGridViewInfoCacheItem {
public:
    using TuiCustomGridViewInfoCacheItem::TuiCustomGridViewInfoCacheItem;

    int32_t Height = 0;
    bool IsHeightAssigned = false;
    int32_t PreviewHeight = 0;
    bool IsPreviewHeightAssigned = false;

    void UnassignValues(bool keepMaster) override;
};

class TuiGridTableViewInfoCache : public TuiCustomGridViewInfoCache {
public:
    using TuiCustomGridViewInfoCache::TuiCustomGridViewInfoCache;
    // The row's item, made when missing; nullptr outside the rows.
    TuiGridTableViewInfoCacheItem* RowItem(int32_t rowIndex);

protected:
    std::unique_ptr<TuiCustomGridViewInfoCacheItem> CreateItem(int32_t index) override;
};

} // namespace ui
