#pragma once
// TuiCustomDataControllerInfo: the row information of a data controller, which turns its records into what a view
// shows. It never recalculates on the spot: a change sets bits in its change mask, and one recalculation (Update)
// runs when the mask is not empty and no update lock is held; the recalculation ends by handing the controller the
// change kinds it caused. So far the record list holds every record in storage order, and the selected rows are
// kept here.

#include "rtl/core/Object.h"
#include "rtl/core/SmallSet.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;
class TuiDataSelection;

// What a recalculation has to do or report (bit value 1 << ordinal).
enum TuiDataControllerInfoChange : uint8_t {
    dcicRecordList,    // rebuild and filter the record list
    dcicGrouping,      // rebuild the groups
    dcicSorting,       // sort the record list
    dcicFocus,         // the focus moved
    dcicLayout,        // the layout changed
    dcicExpanding,     // a group was expanded or collapsed
    dcicProviderFocus, // the provider moved its focus
    dcicSelection,     // the selection changed
    dcicSummary,       // the summaries are out of date
    dcicPrevFocus      // the focus changed since the last notice
};
using TuiDataControllerInfoChanges = rtl::TSmallSet<TuiDataControllerInfoChange>;

class TuiCustomDataControllerInfo : public rtl::TObject {
public:
    explicit TuiCustomDataControllerInfo(TuiCustomDataController& dataController);
    ~TuiCustomDataControllerInfo() override;

    TuiCustomDataController& DataController() const { return FDataController; }

    // The update lock nests; the outermost EndUpdate recalculates what is pending. An EndUpdate without a matching
    // BeginUpdate unlocks nothing.
    void BeginUpdate();
    void EndUpdate();
    int32_t LockCount() const { return FLockCount; }
    // Recalculates when something is pending and nothing is locked.
    void CheckChanges();
    bool IsInCalculation() const { return FInCalculation; }
    TuiDataControllerInfoChanges ChangeMask() const { return FChangeMask; }

    // Entry points of changes. DataChanged, FieldChanged and SummaryChanged recalculate at once when not locked;
    // LayoutChanged does unless a recalculation is running; the others wait for the next one.
    void DataChanged();
    void LayoutChanged();
    void FieldChanged(TuiCustomDataField& field);
    // With redrawOnly only the layout is reported; otherwise the summaries are recalculated.
    void SummaryChanged(bool redrawOnly);
    void SelectionChanged();
    // The focus is to be reported again at the next delivery.
    void PrevFocusChanged();

    // The records that pass filtering, in display order.
    int32_t GetRecordListCount() const { return static_cast<int32_t>(FRecordList.size()); }
    int32_t GetRecordListItem(int32_t position) const;
    // The position of a record, -1 when it is filtered out.
    int32_t IndexOfRecord(int32_t recordIndex) const;

    TuiDataSelection& Selection() const { return *FSelection; }
    int32_t GetSelectedCount() const;
    int32_t GetSelectedRowIndex(int32_t index) const;
    void ClearSelection();
    // Drops the selected entries that the records no longer hold: all of them when there are none.
    virtual void CheckSelectionRange();

protected:
    // The recalculation: rebuilds what the mask asks for, then reports.
    virtual void Update();

private:
    void BuildRecordList();
    // Hands the controller the change kinds of the mask, which is cleared.
    void NotifyChanges();

    TuiDataControllerInfoChanges FChangeMask;
    TuiCustomDataController& FDataController;
    bool FInCalculation = false;
    int32_t FLockCount = 0;
    std::vector<int32_t> FRecordList;
    std::unique_ptr<TuiDataSelection> FSelection;
};

} // namespace ui
