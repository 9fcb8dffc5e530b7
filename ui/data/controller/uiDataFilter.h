#pragma once
// The filter of a data controller: TuiDataFilterCriteria binds filter criteria to the controller, which owns one as
// its Filter and may keep more in its extra-filter list (TuiDataFilterList). So far a criteria holds its Active switch,
// which it takes over from another criteria on Assign; conditions are not there yet, so a criteria filters nothing.

#include "rtl/core/Persistent.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;

class TuiDataFilterCriteria : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiDataFilterCriteria, rtl::TPersistent)
public:
    using TConstructorArgument = TuiCustomDataController*;

    explicit TuiDataFilterCriteria(TuiCustomDataController* dataController);
    // Leaves the controller's extra filters when it is one of them.
    ~TuiDataFilterCriteria() override;

    TuiCustomDataController& DataController() const { return FDataController; }
    bool Active() const { return FActive; }
    void SetActive(bool value) { FActive = value; }
    // Takes over another criteria of this family.
    void Assign(const rtl::TPersistent* source) override;
    // Whether the rows are filtered by the criteria: never while it holds no conditions.
    virtual bool IsFiltering() const { return false; }
    // Whether a record passes the conditions: every record passes none.
    virtual bool FilterRecord(int32_t) { return true; }
    // Whether the criteria is in its controller's extra-filter list.
    bool IsExtraFilter() const;
    bool IsDestroying() const;

private:
    TuiCustomDataController& FDataController;
    bool FActive = false;
    bool FDestroying = false;
};

// The extra filters of a data controller, owned.
class TuiDataFilterList {
public:
    TuiDataFilterList() = default;
    TuiDataFilterList(const TuiDataFilterList&) = delete;
    TuiDataFilterList& operator=(const TuiDataFilterList&) = delete;
    ~TuiDataFilterList();

    void Add(std::unique_ptr<TuiDataFilterCriteria> criteria);
    // Takes the criteria out without freeing it; nothing when it is not in the list.
    void Extract(const TuiDataFilterCriteria& criteria);
    // Frees the criteria, the last first.
    void Clear();
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TuiDataFilterCriteria& GetItem(int32_t index) const;
    int32_t IndexOf(const TuiDataFilterCriteria& criteria) const;

private:
    std::vector<TuiDataFilterCriteria*> FItems; // owned: freeing a criteria takes it out
};

} // namespace ui
