#include "ui/data/controller/uiDataControllerInfo.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataSelection.h"
#include "ui/data/controller/uiDataSummary.h"

#include <algorithm>
#include <numeric>

namespace ui {

TuiCustomDataControllerInfo::TuiCustomDataControllerInfo(TuiCustomDataController& dataController)
    : FDataController(dataController),
      FSelection(CreateCompanion<TuiDataSelection>(dataController.GetDataSelectionClass(), &dataController)) {
    FSelection->SetOnChanged([this] { SelectionChanged(); });
}

TuiCustomDataControllerInfo::~TuiCustomDataControllerInfo() = default;

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
    if (!FChangeMask.IsEmpty() && FLockCount == 0) {
        Update();
    }
}

void TuiCustomDataControllerInfo::DataChanged() {
    FChangeMask += {dcicRecordList, dcicSummary};
    CheckChanges();
}

void TuiCustomDataControllerInfo::LayoutChanged() {
    FChangeMask.Include(dcicLayout);
    if (!FInCalculation) {
        CheckChanges();
    }
}

void TuiCustomDataControllerInfo::FieldChanged(TuiCustomDataField&) {
    FChangeMask.Include(dcicLayout);
    CheckChanges();
}

void TuiCustomDataControllerInfo::SummaryChanged(bool redrawOnly) {
    FChangeMask.Include(redrawOnly ? dcicLayout : dcicSummary);
    CheckChanges();
}

void TuiCustomDataControllerInfo::SelectionChanged() {
    FChangeMask.Include(dcicSelection);
    const TuiSummaryOptions options = FDataController.Summary().Options();
    if (options.Contains(soSelectedRecords) || options.Contains(soMultipleSelectedRecords)) {
        FChangeMask.Include(dcicSummary);
    }
}

void TuiCustomDataControllerInfo::PrevFocusChanged() {
    FChangeMask.Include(dcicPrevFocus);
}

int32_t TuiCustomDataControllerInfo::GetRecordListItem(int32_t position) const {
    if (position < 0 || position >= GetRecordListCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {position}));
    }
    return FRecordList[static_cast<size_t>(position)];
}

int32_t TuiCustomDataControllerInfo::IndexOfRecord(int32_t recordIndex) const {
    const auto found = std::find(FRecordList.begin(), FRecordList.end(), recordIndex);
    return found == FRecordList.end() ? -1 : static_cast<int32_t>(found - FRecordList.begin());
}

int32_t TuiCustomDataControllerInfo::GetSelectedCount() const {
    return FSelection->GetCount();
}

int32_t TuiCustomDataControllerInfo::GetSelectedRowIndex(int32_t index) const {
    return FSelection->GetEntry(index).RowIndex;
}

void TuiCustomDataControllerInfo::ClearSelection() {
    FSelection->Clear();
    CheckChanges();
}

void TuiCustomDataControllerInfo::CheckSelectionRange() {
    if (FSelection->GetCount() == 0) {
        return;
    }
    const int32_t recordCount = FDataController.GetRecordCount();
    if (recordCount == 0) {
        FSelection->Clear();
        return;
    }
    for (int32_t position = FSelection->GetCount() - 1; position >= 0; --position) {
        if (FSelection->GetEntry(position).Index >= recordCount) {
            FSelection->Delete(position);
        }
    }
}

void TuiCustomDataControllerInfo::Update() {
    FInCalculation = true;
    try {
        if (FChangeMask.Contains(dcicRecordList)) {
            BuildRecordList();
        }
    } catch (...) {
        FInCalculation = false;
        NotifyChanges();
        throw;
    }
    FInCalculation = false;
    NotifyChanges();
}

void TuiCustomDataControllerInfo::BuildRecordList() {
    FRecordList.resize(static_cast<size_t>(FDataController.GetRecordCount()));
    std::iota(FRecordList.begin(), FRecordList.end(), 0);
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
    FChangeMask = {};
    FDataController.Change(changes);
}

} // namespace ui
