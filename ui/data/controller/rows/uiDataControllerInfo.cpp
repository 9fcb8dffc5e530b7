// TuiCustomDataControllerInfo: construction, locking, the change entry points, the sorting and grouping lists, the
// recalculation and its report.

#include "ui/data/controller/rows/uiDataControllerInfo.h"

#include "ui/data/controller/rows/uiDataFocusingInfo.h"
#include "ui/data/controller/rows/uiDataGroups.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/rows/uiSortingBySummaryEngine.h"
#include "ui/data/controller/rows/uiSortingFieldList.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiCustomDataController.h"

#include <algorithm>

namespace ui {

TuiCustomDataControllerInfo::TuiCustomDataControllerInfo(TuiCustomDataController& dataController)
    : FDataController(dataController), FGroups(std::make_unique<TuiDataGroups>()),
      FExpandingInfos(std::make_unique<TuiDataExpandingInfos>()),
      FFocusingInfo(std::make_unique<TuiDataFocusingInfo>(*this)),
      FGroupingList(std::make_unique<TuiGroupingFieldList>([this] {
          SortingListChanged({dcicGrouping, dcicSorting, dcicSummary});
      })),
      FPrevFocusingInfo(std::make_unique<TuiDataFocusingInfo>(*this)),
      FSortingList(std::make_unique<TuiSortingFieldList>([this] { SortingListChanged({dcicSorting}); })),
      FTotalSortingList(std::make_unique<TuiSortingFieldList>()) {}

TuiCustomDataControllerInfo::~TuiCustomDataControllerInfo() = default;

TuiDataSelection& TuiCustomDataControllerInfo::Selection() const {
    if (!FSelection) {
        FSelection = CreateCompanion<TuiDataSelection>(FDataController.GetDataSelectionClass(), &FDataController);
        auto* info = const_cast<TuiCustomDataControllerInfo*>(this);
        FSelection->SetOnChanged([info] { info->SelectionChanged(); });
    }
    return *FSelection;
}

void TuiCustomDataControllerInfo::BeginUpdate() {
    ++FLockCount;
}

void TuiCustomDataControllerInfo::EndUpdate() {
    if (FLockCount > 0) {
        --FLockCount;
    }
    CheckChanges();
}

void TuiCustomDataControllerInfo::CheckChanges() {
    // A change made by the recalculation itself (an expansion while the focus is found again) is reported by that
    // recalculation; starting another one inside it would rebuild the lists under its feet.
    if (!FChangeMask.IsEmpty() && FLockCount == 0 && !FInCalculation) {
        Update();
    }
}

void TuiCustomDataControllerInfo::DataChanged() {
    FChangeMask.Include(dcicRecordList);
    // A provider navigating itself is loaded anew when the lock ends: the summaries wait for that.
    if (!FDataController.IsStructureChangedWhileProviderNavigates()) {
        FChangeMask.Include(dcicSummary);
    }
    if (FSortingList->GetCount() > 0) {
        FChangeMask.Include(dcicSorting);
    }
    if (FGroupingList->GetCount() > 0) {
        FChangeMask.Include(dcicGrouping);
    }
    CheckChanges();
}

void TuiCustomDataControllerInfo::LayoutChanged() {
    FChangeMask.Include(dcicLayout);
    if (!FInCalculation) {
        CheckChanges();
    }
}

void TuiCustomDataControllerInfo::FieldChanged(TuiCustomDataField& field) {
    FChangeMask.Include(dcicLayout);
    FSortingList->HandleFieldRemoval(field);
    FGroupingList->HandleFieldRemoval(field);
    if (FGroupingList->Find(field) >= 0) {
        Selection().ClearAll();
    }
    FExpandingInfos->HandleFieldRemoval(field);
    CheckChanges();
}

void TuiCustomDataControllerInfo::SummaryChanged(bool redrawOnly) {
    const bool sortedBySummary = IsSortingBySummary();
    FChangeMask.Include(redrawOnly && !sortedBySummary ? dcicLayout : dcicSummary);
    if (sortedBySummary) {
        FChangeMask.Include(dcicGrouping);
    }
    CheckChanges();
}

void TuiCustomDataControllerInfo::SelectionChanged() {
    FChangeMask.Include(dcicSelection);
    const TuiSummaryOptions options = SummaryOptions();
    if (options.Contains(soSelectedRecords) || options.Contains(soMultipleSelectedRecords)) {
        FChangeMask.Include(dcicSummary);
    }
}

void TuiCustomDataControllerInfo::ExpandingChanged() {
    FChangeMask.Include(dcicExpanding);
    FExpandingChanged = true;
}

void TuiCustomDataControllerInfo::ProviderFocusChanged() {
    FChangeMask.Include(dcicProviderFocus);
    FFocusingInfo->SetRecordIndex(FDataController.GetFocusedRecordIndexFromProvider());
    FFocusingInfo->SetLevel(-1);
}

void TuiCustomDataControllerInfo::PrevFocusChanged(bool newItemRow) {
    FChangeMask.Include(dcicPrevFocus);
    if (newItemRow) {
        FPrevFocusingInfo->SetNewItemRowChanged(true);
    }
}

void TuiCustomDataControllerInfo::RemoveField(TuiCustomDataField& field) {
    FSortingList->Remove(field);
    if (FGroupingList->Find(field) >= 0) {
        Selection().ClearAll();
    }
    FGroupingList->Remove(field);
    FGroupingList->SyncSortOrders(*FSortingList);
    FTotalSortingList->Remove(field);
    FExpandingInfos->HandleFieldRemoval(field);
    CheckChanges();
}

void TuiCustomDataControllerInfo::SortingListChanged(TuiDataControllerInfoChanges changes) {
    FChangeMask += changes;
}

void TuiCustomDataControllerInfo::ApplySortingChange(TuiCustomDataField& field, TuiDataSortOrder order) {
    FSortingList->ApplySortingChange(field, order);
    FGroupingList->SyncSortOrders(*FSortingList);
    CheckChanges();
}

void TuiCustomDataControllerInfo::ChangeSortIndex(TuiCustomDataField& field, int32_t index) {
    const int32_t current = FSortingList->Find(field);
    if (current < 0) {
        return;
    }
    index = std::clamp(index, 0, FSortingList->GetCount() - 1);
    if (index != current) {
        FSortingList->Move(current, index);
        FDataController.PostEditingIfActive();
        FDataController.FSortingChanged = true;
    }
    CheckChanges();
}

void TuiCustomDataControllerInfo::ClearSorting(bool keepGrouped) {
    const int32_t count = FSortingList->GetCount();
    if (keepGrouped) {
        for (int32_t index = count - 1; index >= 0; --index) {
            if (FGroupingList->Find(*FSortingList->GetEntry(index).Field) < 0) {
                FSortingList->Delete(index);
            }
        }
    } else {
        FSortingList->Clear();
        FGroupingList->SyncSortOrders(*FSortingList);
    }
    if (FSortingList->GetCount() != count) {
        FDataController.PostEditingIfActive();
        FDataController.FSortingChanged = true;
    }
    CheckChanges();
}

void TuiCustomDataControllerInfo::ChangeGrouping(TuiCustomDataField& field, int32_t index) {
    FGroupingList->SetFieldIndex(field, index);
    FGroupingList->SyncSortOrders(*FSortingList);
    CheckChanges();
}

void TuiCustomDataControllerInfo::ClearGrouping() {
    FGroupingList->Clear();
    CheckChanges();
}

void TuiCustomDataControllerInfo::Update() {
    FInCalculation = true;
    try {
        FDataController.SyncProviderGrouping();
    } catch (...) {
        FInCalculation = false;
        throw;
    }
    if (FDataController.IsSortingBySummaryChanged()) {
        FChangeMask.Include(dcicSorting);
        if (!IsSortingBySummary()) {
            FChangeMask += {dcicSummary, dcicGrouping};
        }
    }
    FExpandingChanged = false;
    try {
        PrepareExpandingSave();
        RecalculateRows();
    } catch (...) {
        FinishUpdate();
        throw;
    }
    FinishUpdate();
}

void TuiCustomDataControllerInfo::RecalculateRows() {
    const bool rebuildGroups = FChangeMask.Contains(dcicGrouping);
    const bool resort = rebuildGroups || FChangeMask.Contains(dcicSorting);
    const bool recalculateSummaries =
        FChangeMask.Contains(dcicSummary) && !FDataController.IsReading() && !FDataController.IsDestroying();
    // A summary not made yet has no items to calculate.
    TuiDataSummary* summary = FDataController.FSummary.get();
    if (FChangeMask.Contains(dcicRecordList)) {
        BuildRecordList();
        FilterRecords();
    }
    if (recalculateSummaries && summary && !IsSelectionSummary()) {
        summary->CalculateFooter();
    }
    if (resort) {
        SortRecords();
    }
    if (rebuildGroups) {
        FDataController.SendGroupingChangingNotice();
        BuildGroups();
    }
    if (resort) {
        FocusTopRowAfterSorting();
    }
    CorrectAfterRebuild();
    if (recalculateSummaries && summary) {
        if (IsSelectionSummary()) {
            summary->Recalculate();
        } else {
            summary->CalculateGroups();
        }
    }
    if ((recalculateSummaries || resort) && IsSortingBySummary()) {
        SortBySummary();
        CorrectAfterRebuild();
    }
}

TuiSummaryOptions TuiCustomDataControllerInfo::SummaryOptions() const {
    const TuiDataSummary* summary = FDataController.FSummary.get();
    return summary ? summary->Options() : TuiSummaryOptions{};
}

bool TuiCustomDataControllerInfo::IsSelectionSummary() const {
    const TuiSummaryOptions options = SummaryOptions();
    return options.Contains(soSelectedRecords) ||
           (options.Contains(soMultipleSelectedRecords) && FDataController.GetSelectedRowCount() > 1);
}

bool TuiCustomDataControllerInfo::IsSortingBySummary() const {
    const TuiDataSummary* summary = FDataController.FSummary.get();
    if (!summary || summary->Options().Contains(soSelectedRecords) ||
        summary->Options().Contains(soMultipleSelectedRecords)) {
        return false;
    }
    for (int32_t level = 0; level < FGroups->LevelCount(); ++level) {
        const TuiDataGroupSummaryItems* items = summary->GroupSummaryItemsOfLevel(level);
        if (items && items->SortingSummaryItem()) {
            return true;
        }
    }
    return false;
}

void TuiCustomDataControllerInfo::SortBySummary() {
    if (const rtl::TMetaclass* engineClass = FDataController.GetSortingBySummaryEngineClass()) {
        CreateCompanion<TuiSortingBySummaryEngine>(*engineClass, this)->Sort();
    }
}

void TuiCustomDataControllerInfo::FinishUpdate() {
    const TuiDataControllerInfoChanges mask = FChangeMask;
    try {
        FExpandingInfos->Clear();
        if (FExpandingChanged) {
            RefreshSelectionRowIndexes();
        }
        if (mask.Contains(dcicSorting) || mask.Contains(dcicExpanding)) {
            FDataController.UpdatePrevSelectionChange();
        }
    } catch (...) {
        FInCalculation = false;
        NotifyChanges();
        throw;
    }
    FInCalculation = false;
    NotifyChanges();
}

void TuiCustomDataControllerInfo::CorrectAfterRebuild() {
    RestoreExpandingAndSelection();
    CorrectFocusedRow();
    FDataController.CheckBookmarkValid(-1);
}

void TuiCustomDataControllerInfo::NotifyChanges() {
    const auto pending = [this](TuiDataControllerInfoChanges changes) { return !(FChangeMask * changes).IsEmpty(); };
    TuiDataControllerChanges changes;
    if (pending({dcicSorting, dcicLayout})) {
        changes.Include(dccLayout);
    }
    if (pending({dcicRecordList, dcicGrouping, dcicExpanding})) {
        changes.Include(dccData);
    }
    if (pending({dcicFocus, dcicProviderFocus, dcicPrevFocus})) {
        changes.Include(dccFocus);
    }
    if (pending({dcicSelection})) {
        changes.Include(dccSelection);
    }
    if (pending({dcicSummary})) {
        changes.Include(dccSummary);
    }
    if (FDataController.FSortingChanged) {
        changes.Include(dccSortingChanged);
    }
    if (FDataController.FGroupingChanged) {
        changes.Include(dccGroupingChanged);
    }
    FChangeMask = {};
    FDataController.FGroupingChanged = false;
    FDataController.FSortingChanged = false;
    FDataController.FFilterChanged = false;
    FDataController.FSortingBySummaryChanged = false;
    FDataController.Change(changes);
}

} // namespace ui
