#pragma once
// TuiSortingBySummaryEngine: what orders the groups of a data controller by a group summary instead of by their
// grouping values. A view that offers such an order names its engine class (the controller's
// GetSortingBySummaryEngineClass); the row information makes an engine after every recalculation that left the groups
// sorted by a summary, lets it reorder the group entries, and frees it.

#include "rtl/core/Object.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"

namespace ui {

class TuiSortingBySummaryEngine : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiSortingBySummaryEngine, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataControllerInfo*;

    explicit TuiSortingBySummaryEngine(TuiCustomDataControllerInfo* info) : FInfo(*info) {}

    TuiCustomDataControllerInfo& Info() const { return FInfo; }
    TuiCustomDataController& DataController() const { return FInfo.DataController(); }
    // Reorders the groups of the row information by their summary values.
    virtual void Sort() = 0;

private:
    TuiCustomDataControllerInfo& FInfo;
};

} // namespace ui
