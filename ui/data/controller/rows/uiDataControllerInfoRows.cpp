// TuiCustomDataControllerInfo: the record list (filtered, sorted), the group tree built from it, and the rows over
// both.

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataGroups.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/rows/uiEditedRecordOrder.h"
#include "ui/data/controller/rows/uiRecordSort.h"
#include "ui/data/controller/rows/uiSortingFieldList.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"

#include <algorithm>
#include <numeric>

namespace ui {

namespace {

TuiEditedRecordState EditedRecordStateOf(const TuiCustomDataProvider& provider) {
    return {provider.EditingRecordIndex(), provider.AppendAnchor(), provider.InsertAnchor(),
            provider.SavedRecordIndex()};
}

} // namespace

int32_t TuiCustomDataControllerInfo::GetRecordListItem(int32_t position) const {
    if (position < 0 || position >= GetRecordListCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {position}));
    }
    return FRecordList[static_cast<size_t>(position)];
}

int32_t TuiCustomDataControllerInfo::IndexOfRecord(int32_t recordIndex) const {
    if (!FRecordPositionsValid) {
        // Made on the first question after the list changed: the focus, the bookmark and the selection each ask for
        // positions after every recalculation.
        FRecordPositions.assign(static_cast<size_t>(FDataController.GetRecordCount()), -1);
        for (size_t position = 0; position < FRecordList.size(); ++position) {
            const auto record = static_cast<size_t>(FRecordList[position]);
            if (record >= FRecordPositions.size()) {
                FRecordPositions.resize(record + 1, -1);
            }
            FRecordPositions[record] = static_cast<int32_t>(position);
        }
        FRecordPositionsValid = true;
    }
    const auto record = static_cast<size_t>(recordIndex);
    return recordIndex < 0 || record >= FRecordPositions.size() ? -1 : FRecordPositions[record];
}

void TuiCustomDataControllerInfo::RecordListChanged() {
    FRecordPositionsValid = false;
    FRecordPositions.clear();
    FRecordPositions.shrink_to_fit();
}

bool TuiCustomDataControllerInfo::IsGrouped() const {
    return FGroups->LevelCount() > 0;
}

void TuiCustomDataControllerInfo::BuildRecordList() {
    FRecordList.resize(static_cast<size_t>(FDataController.GetRecordCount()));
    std::iota(FRecordList.begin(), FRecordList.end(), 0);
    RecordListChanged();
}

void TuiCustomDataControllerInfo::FilterRecords() {
    TuiCustomDataController& controller = FDataController;
    const bool byHandler = controller.HasFilterRecordHandler() && !controller.IsProviderNavigation();
    const bool byIncrementalFilter = controller.IsIncrementalFilterActive();
    // A filter not made yet holds no conditions.
    TuiDataFilterCriteria* criteria = controller.FFilter.get();
    const bool byCriteria = criteria && criteria->IsFiltering();
    if (!byHandler && !byIncrementalFilter && !byCriteria) {
        return;
    }
    if (byCriteria) {
        criteria->RefreshDateRanges();
    }
    // The list is still the identity; the tests run from the last record to the first.
    const int32_t editingRecordIndex = controller.Provider().EditingRecordIndex();
    std::vector<int32_t> passed;
    passed.reserve(FRecordList.size());
    for (auto record = static_cast<int32_t>(FRecordList.size()) - 1; record >= 0; --record) {
        const bool rejected =
            record != editingRecordIndex && ((byHandler && !controller.DoFilterRecord(record)) ||
                                             (byIncrementalFilter && !controller.IncrementalFilterRecord(record)) ||
                                             (byCriteria && !criteria->FilterRecord(record)));
        if (!rejected) {
            passed.push_back(record);
        }
    }
    if (passed.size() == FRecordList.size()) {
        return;
    }
    FRecordList.assign(passed.rbegin(), passed.rend());
    RecordListChanged();
    Selection().RemoveFilteredRecords();
    if (controller.FCheckFocusingAfterFilter) {
        controller.FCheckFocusingAfterFilter = false;
        controller.FFilterChanged = true;
    }
}

void TuiCustomDataControllerInfo::SortRecords() {
    FTotalSortingList->Clear();
    FTotalSortingList->AddFromList(*FGroupingList);
    FTotalSortingList->AddFromList(*FSortingList);
    if (FDataController.IsProviderNavigation() || FRecordList.empty()) {
        return;
    }
    PrepareSorting();
    try {
        if (FDataController.IsProviderMode() && FDataController.Provider().IsCustomSorting()) {
            FDataController.Provider().CustomSort(FRecordList);
        } else {
            SortRecordIndexes(FRecordList, [this](int32_t a, int32_t b) { return CompareRecords(a, b); });
        }
    } catch (...) {
        RecordListChanged();
        UnprepareSorting();
        throw;
    }
    RecordListChanged();
    UnprepareSorting();
}

void TuiCustomDataControllerInfo::PrepareSorting() {
    if (TuiCustomDataProvider* provider = FDataController.FProvider.get()) {
        provider->BeginComparisons();
    }
    for (int32_t index = 0; index < FTotalSortingList->GetCount(); ++index) {
        TuiCustomDataField& field = *FTotalSortingList->GetEntry(index).Field;
        field.SetConversionFlag(fcfNone);
        if (!FDataController.UsesValueCompare(field)) {
            field.SetConversionFlag(fcfStorage);
        } else {
            field.SetConversionFlag(FDataController.IsFieldSortedByDisplayText(field) ? fcfDisplayText : fcfValues);
        }
    }
}

void TuiCustomDataControllerInfo::UnprepareSorting() {
    if (TuiCustomDataProvider* provider = FDataController.FProvider.get()) {
        provider->EndComparisons();
    }
    for (int32_t index = 0; index < FTotalSortingList->GetCount(); ++index) {
        FTotalSortingList->GetEntry(index).Field->SetConversionFlag(fcfNone);
    }
}

int TuiCustomDataControllerInfo::CompareRecords(int32_t recordIndexA, int32_t recordIndexB) {
    if (recordIndexA == recordIndexB) {
        return 0;
    }
    const TuiEditedRecordState editing = EditedRecordStateOf(FDataController.Provider());
    if (const std::optional<int> order = OrderEditedRecordForSorting(editing, recordIndexA, recordIndexB)) {
        return *order;
    }
    for (int32_t index = 0; index < FTotalSortingList->GetCount(); ++index) {
        const int result = FDataController.CompareBySortingField(recordIndexA, recordIndexB, false,
                                                                 FTotalSortingList->GetEntry(index));
        if (result != 0) {
            return result;
        }
    }
    return FDataController.CompareRecordsByIndex(recordIndexA, recordIndexB);
}

int TuiCustomDataControllerInfo::CompareRecordsForEditing(int32_t recordIndexA, int32_t recordIndexB, int32_t level) {
    if (recordIndexA == recordIndexB) {
        return 0;
    }
    const TuiEditedRecordState editing = EditedRecordStateOf(FDataController.Provider());
    if (const std::optional<int> order = OrderEditedRecordForGrouping(editing, recordIndexA, recordIndexB)) {
        return *order;
    }
    return FDataController.CompareBySortingField(recordIndexA, recordIndexB, true, FTotalSortingList->GetEntry(level));
}

void TuiCustomDataControllerInfo::BuildGroups() {
    FGroups->Clear();
    for (int32_t level = 0; level < FGroupingList->GetCount(); ++level) {
        FGroups->AddField(*FGroupingList->GetEntry(level).Field);
    }
    const int32_t levelCount = FGroups->LevelCount();
    const auto recordCount = static_cast<int32_t>(FRecordList.size());
    if (recordCount == 0 || levelCount == 0) {
        return;
    }
    const int32_t deepestLevel = levelCount - 1;
    // The open group of each level and the record it began with; a group starts where a record differs from that
    // record on its level's field, and every deeper level starts anew there.
    std::vector<int32_t> openGroups(static_cast<size_t>(levelCount));
    std::vector<int32_t> firstRecords(static_cast<size_t>(levelCount));
    int32_t topGroup = 0;
    const auto openGroup = [&](int32_t level, int32_t position) {
        const int32_t index = FGroups->AddGroup();
        TuiDataGroupInfo& group = FGroups->GetItem(index);
        group.RowIndex = topGroup;
        group.Level = level;
        group.Begin = level < deepestLevel ? index + 1 : position;
        openGroups[static_cast<size_t>(level)] = index;
        firstRecords[static_cast<size_t>(level)] = FRecordList[static_cast<size_t>(position)];
    };
    const auto closeGroup = [&](int32_t level, int32_t end) {
        FGroups->GetItem(openGroups[static_cast<size_t>(level)]).End = end;
    };
    for (int32_t level = 0; level < levelCount; ++level) {
        openGroup(level, 0);
    }
    PrepareSorting();
    try {
        for (int32_t position = 1; position < recordCount; ++position) {
            const int32_t record = FRecordList[static_cast<size_t>(position)];
            int32_t level = 0;
            while (level < levelCount &&
                   CompareRecordsForEditing(firstRecords[static_cast<size_t>(level)], record, level) == 0) {
                ++level;
            }
            topGroup += level == 0 ? 1 : 0;
            for (; level < levelCount; ++level) {
                closeGroup(level, level < deepestLevel ? FGroups->GroupCount() - 1 : position - 1);
                openGroup(level, position);
            }
        }
    } catch (...) {
        UnprepareSorting();
        throw;
    }
    UnprepareSorting();
    closeGroup(deepestLevel, recordCount - 1);
    if (levelCount > 1) {
        closeGroup(deepestLevel - 1, FGroups->GroupCount() - 1);
    }
    for (int32_t level = deepestLevel - 2; level >= 0; --level) {
        closeGroup(level, FGroups->GetItem(openGroups[static_cast<size_t>(level + 1)]).Begin - 1);
    }
}

void TuiCustomDataControllerInfo::FocusTopRowAfterSorting() {
    TuiCustomDataController& controller = FDataController;
    if (controller.IsInControlNotification() || !controller.Options().Contains(dcoFocusTopRowAfterSorting) ||
        !(controller.FGroupingChanged || controller.FSortingChanged)) {
        return;
    }
    FFocusingInfo->Reset();
    ChangeFocusedRow(0, false);
    if (Selection().GetCount() > 0) {
        Selection().Clear();
    }
}

int32_t TuiCustomDataControllerInfo::GetRowCount() const {
    return IsGrouped() ? FGroups->GetRowCount() : GetRecordListCount();
}

void TuiCustomDataControllerInfo::CheckRowIndex(int32_t row) const {
    if (row < 0 || row >= GetRowCount()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataRowIndexError);
    }
}

TuiRowInfo TuiCustomDataControllerInfo::GetRowInfo(int32_t row) const {
    CheckRowIndex(row);
    if (!IsGrouped()) {
        return {false, 0, FRecordList[static_cast<size_t>(row)]};
    }
    const TuiDataGroupRowInfo info = FGroups->GetRowInfo(row);
    return {info.Expanded, info.Level, GetRecordListItem(info.Position)};
}

int32_t TuiCustomDataControllerInfo::GetRowIndexByRecordIndex(int32_t recordIndex, bool makeVisible) {
    const int32_t position = IndexOfRecord(recordIndex);
    if (position < 0 || !IsGrouped()) {
        return position;
    }
    const int32_t groupIndex = FGroups->FindGroupOfRecordListIndex(position, FGroups->LevelCount() - 1);
    if (groupIndex < 0) {
        return -1;
    }
    const int32_t row = GetDataRowIndex(groupIndex, position, makeVisible);
    if (makeVisible) {
        CheckChanges();
    }
    return row;
}

int32_t TuiCustomDataControllerInfo::GetDataRowIndex(int32_t groupIndex, int32_t position, bool makeVisible) {
    if (!makeVisible) {
        if (!FGroups->IsGroupVisible(groupIndex) || !FGroups->GetItem(groupIndex).Expanded) {
            return -1;
        }
    } else if (FGroups->MakeVisible(groupIndex, true)) {
        ExpandingChanged();
    }
    const TuiDataGroupInfo& group = FGroups->GetItem(groupIndex);
    return group.RowIndex + (position - group.Begin) + 1;
}

int32_t TuiCustomDataControllerInfo::GetNeighbourRowIndex(int32_t row) const {
    CheckRowIndex(row);
    const int32_t lastRow = GetRowCount() - 1;
    if (!IsGrouped()) {
        return row < lastRow ? row + 1 : row - 1;
    }
    const int32_t level = GetRowInfo(row).Level;
    if (row < lastRow && GetRowInfo(row + 1).Level == level) {
        return row + 1;
    }
    if (row > 0 && GetRowInfo(row - 1).Level == level) {
        return row - 1;
    }
    if (row == lastRow) {
        return row > 0 ? row - 1 : row;
    }
    return row + 1;
}

} // namespace ui
