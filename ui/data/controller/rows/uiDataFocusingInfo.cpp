#include "ui/data/controller/rows/uiDataFocusingInfo.h"

#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiCustomDataController.h"

namespace ui {

void TuiDataFocusingInfo::Assign(const TuiDataFocusingInfo& source) {
    FLevel = source.FLevel;
    FRecordedRecordIndex = source.FRecordedRecordIndex;
    FRecordIndex = source.FRecordIndex;
    FRowIndex = source.FRowIndex;
    FNewItemRowChanged = false;
}

void TuiDataFocusingInfo::Reset() {
    FLevel = -1;
    FRecordIndex = -1;
    FRowIndex = -1;
}

void TuiDataFocusingInfo::UpdateFromRow() {
    if (FRowIndex == -1) {
        FLevel = -1;
        FRecordIndex = -1;
    } else {
        FLevel = FInfo.GetRowInfo(FRowIndex).Level;
        FRecordIndex = FInfo.DataController().GetFocusedRecordIndexFromProvider();
    }
    FRecordedRecordIndex = FRecordIndex;
}

bool TuiDataFocusingInfo::IsEqual(const TuiDataFocusingInfo& other) const {
    if (FRecordIndex != other.FRecordIndex || FLevel != other.FLevel) {
        return false;
    }
    return !FInfo.ChangeMask().Contains(dcicSorting) || FRowIndex == other.FRowIndex;
}

} // namespace ui
