#include "ui/data/controller/links/uiUpdateControlInfo.h"

namespace ui {

void TuiDataChangedInfo::SetChange(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex) {
    FKind = kind;
    FItemIndex = itemIndex;
    FRecordIndex = recordIndex;
}

TuiSelectionChangedInfo::TuiSelectionChangedInfo(int32_t rowIndex1, int32_t rowIndex2) {
    if (rowIndex1 != uiNoIndex) {
        FRowIndexes.push_back(rowIndex1);
    }
    if (rowIndex2 != uiNoIndex && rowIndex2 != rowIndex1) {
        FRowIndexes.push_back(rowIndex2);
    }
}

} // namespace ui
