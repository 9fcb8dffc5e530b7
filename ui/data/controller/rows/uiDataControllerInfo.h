#pragma once
// TuiCustomDataControllerInfo: the row information of a data controller, which turns its records into what a view
// shows: the record list (the records that pass filtering, in display order), the group tree when grouping fields
// are set (uiDataGroups.h), and the rows: without grouping row i is position i of the record list; with grouping the
// group rows and the data rows of expanded groups, in tree order. It keeps the view state that must survive every
// recalculation: the focus (which follows its record), the expansion and the selection.
//
// It never recalculates on the spot: a change sets bits in its change mask, and one recalculation (Update) runs when
// the mask is not empty and no update lock is held; the recalculation ends by handing the controller the change
// kinds it caused.

#include "rtl/core/Object.h"
#include "rtl/core/SmallSet.h"
#include "ui/data/controller/rows/uiDataExpandingInfos.h"
#include "ui/data/controller/uiDataControllerTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;
class TuiDataFocusingInfo;
class TuiDataGroups;
class TuiDataSelection;
class TuiGroupingFieldList;
class TuiSortingFieldList;
struct TuiSortingFieldEntry;
enum TuiSummaryOption : uint8_t;

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

// What a row shows: a group row's expanded flag, level and first record; a data row's level (the number of grouping
// levels) and record.
struct TuiRowInfo {
    bool Expanded = false;
    int32_t Level = 0;
    int32_t RecordIndex = -1;
};

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
    // Recalculates when something is pending, nothing is locked and no recalculation runs.
    void CheckChanges();
    bool IsInCalculation() const { return FInCalculation; }
    TuiDataControllerInfoChanges ChangeMask() const { return FChangeMask; }

    // Entry points of changes. DataChanged, FieldChanged, SummaryChanged and RemoveField recalculate at once when not
    // locked; LayoutChanged does unless a recalculation is running; the others wait for the next one.
    void DataChanged();
    void LayoutChanged();
    void FieldChanged(TuiCustomDataField& field);
    // With redrawOnly only the layout is reported, unless groups are sorted by a summary; otherwise the summaries are
    // recalculated. Groups sorted by a summary are rebuilt.
    void SummaryChanged(bool redrawOnly);
    void SelectionChanged();
    void ExpandingChanged();
    // The provider moved its focus: the focus follows its record.
    void ProviderFocusChanged();
    // The focus is to be reported again at the next delivery; with newItemRow also as a move of the new-item row.
    void PrevFocusChanged(bool newItemRow = false);
    // A field leaves the controller: its sorting and grouping entries go (a grouped one takes the selection along).
    void RemoveField(TuiCustomDataField& field);

    // Sorting and grouping. The total sorting list, rebuilt before every sort, holds the grouping entries in level
    // order, then the sorting entries of fields that are not grouped.
    const TuiSortingFieldList& SortingList() const { return *FSortingList; }
    const TuiGroupingFieldList& GroupingList() const { return *FGroupingList; }
    const TuiSortingFieldList& TotalSortingList() const { return *FTotalSortingList; }
    void ApplySortingChange(TuiCustomDataField& field, TuiDataSortOrder order);
    // Moves a sorting entry to index (clamped to the entries).
    void ChangeSortIndex(TuiCustomDataField& field, int32_t index);
    // With keepGrouped the sorting entries of grouped fields stay.
    void ClearSorting(bool keepGrouped);
    // Index < 0 ungroups the field; otherwise it becomes grouping level min(index, levels).
    void ChangeGrouping(TuiCustomDataField& field, int32_t index);
    void ClearGrouping();

    // The records that pass filtering, in display order.
    int32_t GetRecordListCount() const { return static_cast<int32_t>(FRecordList.size()); }
    int32_t GetRecordListItem(int32_t position) const;
    // The position of a record, -1 when it is filtered out.
    int32_t IndexOfRecord(int32_t recordIndex) const;

    TuiDataGroups& Groups() const { return *FGroups; }
    bool IsGrouped() const;

    // Rows.
    int32_t GetRowCount() const;
    // "RowIndex out of range" unless 0 <= row < GetRowCount.
    void CheckRowIndex(int32_t row) const;
    TuiRowInfo GetRowInfo(int32_t row) const;
    // The record's row: -1 when it is filtered out or, without makeVisible, inside a collapsed group; with
    // makeVisible its groups are expanded.
    int32_t GetRowIndexByRecordIndex(int32_t recordIndex, bool makeVisible);
    // The data row of a position in a deepest group; without makeVisible -1 unless the group is visible and expanded.
    int32_t GetDataRowIndex(int32_t groupIndex, int32_t position, bool makeVisible);
    // The row to focus after row is deleted.
    int32_t GetNeighbourRowIndex(int32_t row) const;

    // Summaries of the selected records only: with soSelectedRecords, or with soMultipleSelectedRecords when more than
    // one row is selected.
    bool IsSelectionSummary() const;
    // Whether a group summary item orders the groups of a level (never with selection summaries).
    bool IsSortingBySummary() const;
    // The summary's options; none while the controller has made no summary.
    rtl::TSmallSet<TuiSummaryOption> SummaryOptions() const;

    // Comparison of records as the sort and the groups see them; PrepareSorting decides how each field of the total
    // sorting list compares, UnprepareSorting forgets it.
    int CompareRecords(int32_t recordIndexA, int32_t recordIndexB);
    int CompareRecordsForEditing(int32_t recordIndexA, int32_t recordIndexB, int32_t level);
    void PrepareSorting();
    void UnprepareSorting();

    // Focus.
    TuiDataFocusingInfo& FocusingInfo() const { return *FFocusingInfo; }
    TuiDataFocusingInfo& PrevFocusingInfo() const { return *FPrevFocusingInfo; }
    // Moves the focus to row (clamped to -1 .. GetRowCount - 1) unless the controller refuses, or with force.
    void ChangeFocusedRow(int32_t row, bool force);
    void ResetAndFocusRow(int32_t row);
    // ChangeFocusedRow inside the controller's update lock.
    void FocusRowLocked(int32_t row);
    bool CanFocusRow(int32_t row);
    int32_t GetFocusedRowIndex() const;
    // The record of the focused row, -1 when none.
    int32_t GetFocusedRecordIndex() const;
    int32_t GetPrevFocusedRowIndex() const;
    int32_t GetPrevFocusedRecordIndex() const;
    bool IsPrevFocusChanged() const;
    bool IsInFocusCheck() const { return FInFocusCheck; }
    bool IsFocusingInProgress() const { return FFocusingInProgress; }
    // The row of the focused record: with keepCollapsed the nearest visible row, else its own row, expanding groups.
    int32_t GetFocusedRowIndexFromRecord(bool keepCollapsed);
    // Moves the focus to the nearest visible row of the focused record.
    void CheckFocusedRow();

    // Expansion.
    void ChangeExpanding(int32_t row, bool expanded, bool recursive);
    void FullExpand();
    void FullCollapse();

    // Selection.
    // Made on first use by the controller's GetDataSelectionClass.
    TuiDataSelection& Selection() const;
    void ChangeRowSelection(int32_t row, bool selected);
    int32_t GetSelectedCount() const;
    int32_t GetSelectedRowIndex(int32_t index) const;
    bool IsRowSelected(int32_t row) const;
    void ClearSelection();
    void ClearSelectionAnchor();
    // Drops the selected entries that the records no longer hold: all of them when there are none.
    virtual void CheckSelectionRange();

protected:
    // The recalculation: rebuilds what the mask asks for, restores the view state, then reports.
    virtual void Update();

private:
    void RecalculateRows();
    // Closing steps of Update, also after a failure.
    void FinishUpdate();
    // The record list was rebuilt, filtered or sorted: the positions of records are to be found anew.
    void RecordListChanged();
    void BuildRecordList();
    void FilterRecords();
    void SortRecords();
    void BuildGroups();
    void FocusTopRowAfterSorting();
    // Lets the controller's sorting-by-summary engine, when it names one, reorder the groups.
    void SortBySummary();
    void CorrectAfterRebuild();
    void CorrectFocusedRow();
    // Hands the controller the change kinds of the mask, which is cleared.
    void NotifyChanges();
    void SortingListChanged(TuiDataControllerInfoChanges changes);
    int CompareBySortingEntry(int32_t recordIndexA, int32_t recordIndexB, bool forGrouping,
                              const TuiSortingFieldEntry& entry);
    // The closing steps of a focus change.
    void FinishFocusChange(bool allowed);
    // Without groups, or with dcoGroupsAlwaysExpanded, nothing expands or collapses.
    bool IsExpansionFixed() const;
    void CheckFocusedRowLocked();
    int32_t RowOfFocusedRecordKeepingCollapsed(int32_t groupIndex, int32_t position);
    int32_t RowOfFocusedRecordExpanding(int32_t groupIndex, int32_t position);

    // Expansion and selection around a rebuild (uiDataControllerInfoExpanding.cpp).
    void PrepareExpandingSave();
    void SaveExpanding(TuiDataExpandingStates saveMode);
    void SaveGroupState(int32_t groupIndex, TuiDataExpandingStates saveMode);
    bool GroupsBuiltForGroupingList() const;
    bool SavedFieldsAreGroupingLevels() const;
    void RestoreExpandingAndSelection();
    void RestoreGroupStates(TuiDataExpandingStates saveMode);
    void ReplaceSelectionAfterRestore();
    void PlaceSelectionWithoutGroups();
    void RefreshSelectionRowIndexes();

    TuiDataControllerInfoChanges FChangeMask;
    TuiCustomDataController& FDataController;
    std::unique_ptr<TuiDataGroups> FGroups;
    std::unique_ptr<TuiDataExpandingInfos> FExpandingInfos;
    bool FExpandingChanged = false;
    bool FFocusingInProgress = false;
    std::unique_ptr<TuiDataFocusingInfo> FFocusingInfo;
    std::unique_ptr<TuiGroupingFieldList> FGroupingList;
    bool FInFocusCheck = false;
    bool FInCalculation = false;
    int32_t FLockCount = 0;
    std::unique_ptr<TuiDataFocusingInfo> FPrevFocusingInfo;
    std::vector<int32_t> FRecordList;
    // The position of each record in the record list (-1: filtered out), made when first asked for.
    mutable std::vector<int32_t> FRecordPositions;
    mutable bool FRecordPositionsValid = false;
    mutable std::unique_ptr<TuiDataSelection> FSelection; // made on first use
    std::unique_ptr<TuiSortingFieldList> FSortingList;
    std::unique_ptr<TuiSortingFieldList> FTotalSortingList;
};

} // namespace ui
