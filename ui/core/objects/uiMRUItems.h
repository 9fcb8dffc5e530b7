#pragma once
// A most-recently-used list: the most recent item first, an item used again moves to the front instead of being
// listed twice, and the list keeps at most its maximum count (0: no limit). Descendants of TuiMRUItem say when two
// items are the same.

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiMRUItem {
public:
    virtual ~TuiMRUItem() = default;
    virtual bool Equals(const TuiMRUItem& other) const = 0;
};

class TuiMRUItems {
public:
    ~TuiMRUItems() { Clear(); }

    // An item equal to a listed one moves the listed one to the front (the new one is dropped); another is inserted at
    // the front and the list trimmed to the maximum.
    void AddMostRecent(std::unique_ptr<TuiMRUItem> item);
    // The first listed item equal to item, or -1.
    int32_t IndexOfEqual(const TuiMRUItem& item) const;

    int32_t MaxCount() const { return FMaxCount; }
    // Negative counts as 0 (no limit); a new positive maximum trims the list.
    void SetMaxCount(int32_t value);
    // Frees items from the end until at most count remain.
    void TrimToCount(int32_t count);

    // EListError for an index out of range.
    void DeleteItemAt(int32_t index);
    // Frees every item, the last first.
    void Clear();
    int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
    // EListError for an index out of range.
    TuiMRUItem& GetItem(int32_t index) const;

private:
    void CheckIndex(int32_t index) const;

    std::vector<std::unique_ptr<TuiMRUItem>> FItems;
    int32_t FMaxCount = 0;
};

} // namespace ui
