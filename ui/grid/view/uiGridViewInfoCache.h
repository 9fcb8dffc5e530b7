#pragma once
// TuiCustomGridViewInfoCache: per-row layout values a view keeps between calculations (row heights), one item per
// row, made on demand.

#include "ui/grid/view/uiGridViewHandler.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomGridViewInfoCache;

class TuiCustomGridViewInfoCacheItem {
public:
    TuiCustomGridViewInfoCacheItem(TuiCustomGridViewInfoCache& owner, int32_t index) : FOwner(owner), FIndex(index) {}
    virtual ~TuiCustomGridViewInfoCacheItem() = default;
    TuiCustomGridViewInfoCache& Owner() const { return FOwner; }
    int32_t Index() const { return FIndex; }
    // Forgets the measured values; nothing in the base.
    virtual void UnassignValues(bool /*keepMaster*/) {}

private:
    TuiCustomGridViewInfoCache& FOwner;
    int32_t FIndex;
};

class TuiCustomGridViewInfoCache : public TuiGridViewHandler {
public:
    using TuiGridViewHandler::TuiGridViewHandler;

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // Frees every item and holds count empty places.
    void SetCount(int32_t count);
    void Clear() { FItems.clear(); }
    // The item, or nullptr (also for an index outside the places).
    TuiCustomGridViewInfoCacheItem* Items(int32_t index) const;
    // The item, made when missing; nullptr for an index outside 0 .. Count - 1 (a hidden master row passes -1).
    TuiCustomGridViewInfoCacheItem* GetItem(int32_t index);
    // Every item forgets its values; not re-entered.
    void UnassignValues(bool keepMaster);

protected:
    virtual std::unique_ptr<TuiCustomGridViewInfoCacheItem> CreateItem(int32_t index);

private:
    std::vector<std::unique_ptr<TuiCustomGridViewInfoCacheItem>> FItems;
    bool FUnassigning = false;
};

} // namespace ui
