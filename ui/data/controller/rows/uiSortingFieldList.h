#pragma once
// The sorting and grouping lists of a data controller's row information: ordered entries of a data field and its sort
// order, each field at most once. Every change fires the list's change callback once, after it is made. A grouping
// list holds the grouping fields in level order (entry 0 the outermost level) and never soNone: a grouped field that
// is not sorted groups ascending.

#include "rtl/core/Object.h"
#include "ui/data/controller/uiDataControllerTypes.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace ui {

class TuiCustomDataField;

struct TuiSortingFieldEntry {
    TuiCustomDataField* Field; // not owned
    TuiDataSortOrder SortOrder;
};

class TuiSortingFieldList : public rtl::TObject {
public:
    explicit TuiSortingFieldList(std::function<void()> onChanged = {});

    int32_t GetCount() const { return static_cast<int32_t>(FEntries.size()); }
    const TuiSortingFieldEntry& GetEntry(int32_t index) const;
    // The entry's position, -1 when the field has none.
    int32_t Find(const TuiCustomDataField& field) const;
    // soNone when the field has no entry.
    TuiDataSortOrder GetSortOrder(const TuiCustomDataField& field) const;

    void Add(TuiCustomDataField& field, TuiDataSortOrder order);
    void Insert(int32_t index, TuiCustomDataField& field, TuiDataSortOrder order);
    void Delete(int32_t index);
    // Nothing when the field has no entry.
    void Remove(const TuiCustomDataField& field);
    // Nothing when from equals to.
    void Move(int32_t from, int32_t to);
    // Nothing when the entry has the order already.
    void SetSortOrder(int32_t index, TuiDataSortOrder order);
    void Clear();
    // The field's values or type changed: fires the change callback when the field has an entry, which stays.
    void HandleFieldRemoval(const TuiCustomDataField& field);
    // Appends, with its order, each entry of other whose field has none here.
    void AddFromList(const TuiSortingFieldList& other);
    // index < 0 removes the field's entry; a field without one is inserted at min(index, count) ascending; an entry
    // moves to min(index, count - 1).
    void SetFieldIndex(TuiCustomDataField& field, int32_t index);
    // soNone removes the field's entry, another order changes it or appends one.
    virtual void ApplySortingChange(TuiCustomDataField& field, TuiDataSortOrder order);

protected:
    void Changed();

private:
    void CheckIndex(int32_t index) const;

    std::vector<TuiSortingFieldEntry> FEntries;
    std::function<void()> FOnChanged;
};

class TuiGroupingFieldList : public TuiSortingFieldList {
public:
    using TuiSortingFieldList::TuiSortingFieldList;

    // soNone stands for ascending: a grouping entry always has an order.
    void ApplySortingChange(TuiCustomDataField& field, TuiDataSortOrder order) override;
    // Every grouping entry takes its field's order in sortingList, ascending when the field is not sorted.
    void SyncSortOrders(const TuiSortingFieldList& sortingList);
};

} // namespace ui
