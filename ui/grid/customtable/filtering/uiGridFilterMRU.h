#pragma once
// The recently used filters of a grid: an item's recently used filter values (two values that compare equal take
// one place, the most recent first) and a view's recently used whole filters (two filters are the same when their
// criteria streams are equal byte for byte), with the visible list that leaves out the view's current filter.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/core/objects/uiMRUItems.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiDataFilterCriteria;
class TuiFilterCriteria;

class TuiGridFilterMRUValueItem : public TuiMRUItem {
public:
    TuiGridFilterMRUValueItem(rtl::Variant value, rtl::UnicodeString displayText)
        : FValue(std::move(value)), FDisplayText(std::move(displayText)) {}
    bool Equals(const TuiMRUItem& other) const override;
    const rtl::Variant& Value() const { return FValue; }
    const rtl::UnicodeString& DisplayText() const { return FDisplayText; }

private:
    rtl::Variant FValue;
    rtl::UnicodeString FDisplayText;
};

class TuiGridFilterMRUValueItems : public TuiMRUItems {
public:
    void Add(const rtl::Variant& value, const rtl::UnicodeString& displayText);
    const TuiGridFilterMRUValueItem& Item(int32_t index) const;
};

// A copy of a filter, kept in a criteria of the view's data controller.
class TuiGridFilterMRUItem : public TuiMRUItem {
public:
    TuiGridFilterMRUItem(TuiCustomDataController& dataController, const TuiFilterCriteria& filter);
    ~TuiGridFilterMRUItem() override;
    bool Equals(const TuiMRUItem& other) const override;
    bool EqualsFilter(const TuiFilterCriteria& filter) const;
    TuiDataFilterCriteria& Filter() const { return *FFilter; }
    // The text of the whole filter.
    rtl::UnicodeString Caption() const;

private:
    std::unique_ptr<TuiDataFilterCriteria> FFilter;
};

class TuiGridFilterMRUItems : public TuiMRUItems {
public:
    // Told the old and the new number of visible filters when it changed.
    using TVisibleCountChanged = std::function<void(int32_t oldCount, int32_t newCount)>;

    TuiGridFilterMRUItems(TuiCustomDataController& dataController, TVisibleCountChanged visibleCountChanged);

    // Nothing for a filter without conditions; an equal filter moves to the front.
    void AddFilter(const TuiFilterCriteria& filter);
    // Deletes the filters that lost every condition.
    void DeleteEmptyItems();
    // Every filter drops its conditions on the item, which is leaving the view; the emptied filters go.
    void RemoveItemConditions(rtl::TObject* item);
    // The filters in MRU order, leaving out every one equal to the current filter.
    void RefreshVisibleItems();
    int32_t VisibleItemCount() const { return static_cast<int32_t>(FVisibleItems.size()); }
    TuiGridFilterMRUItem& VisibleItem(int32_t index) const { return *FVisibleItems.at(index); }
    TuiGridFilterMRUItem& Item(int32_t index) const;

private:
    TuiCustomDataController& FDataController;
    TVisibleCountChanged FVisibleCountChanged;
    std::vector<TuiGridFilterMRUItem*> FVisibleItems; // not owned
};

} // namespace ui
