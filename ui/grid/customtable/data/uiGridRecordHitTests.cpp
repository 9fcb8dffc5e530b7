#include "ui/grid/customtable/data/uiGridRecordHitTests.h"

#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"

namespace ui {

void TuiGridRecordHitTest::Assign(const TuiCustomGridHitTest* source) {
    TuiCustomGridViewHitTest::Assign(source);
    if (const auto* record = dynamic_cast<const TuiGridRecordHitTest*>(source)) {
        FViewData = record->FViewData;
        FRowIndex = record->FRowIndex;
        FRecordKind = record->FRecordKind;
    }
}

TuiCustomGridRecord* TuiGridRecordHitTest::GridRecord() const {
    return FViewData ? FViewData->GetRecordForKind(FRecordKind, FRowIndex) : nullptr;
}

void TuiGridRecordHitTest::SetGridRecord(TuiCustomGridRecord* record) {
    if (!record) {
        FViewData = nullptr;
        FRowIndex = -1;
        FRecordKind = -1;
        return;
    }
    FViewData = &record->ViewData();
    FRowIndex = record->Index();
    FRecordKind = FViewData->RecordKindOf(record);
}

void TuiGridRecordCellHitTest::Assign(const TuiCustomGridHitTest* source) {
    TuiGridRecordHitTest::Assign(source);
    if (const auto* cell = dynamic_cast<const TuiGridRecordCellHitTest*>(source)) {
        FItem = cell->FItem;
    }
}

} // namespace ui
