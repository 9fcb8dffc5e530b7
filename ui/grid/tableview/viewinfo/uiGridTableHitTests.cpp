#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"

#include "ui/grid/uiGridUnit.h"

namespace ui {

void TuiCustomGridColumnHitTest::Assign(const TuiCustomGridHitTest* source) {
    TuiCustomGridViewHitTest::Assign(source);
    if (const auto* column = dynamic_cast<const TuiCustomGridColumnHitTest*>(source)) {
        FColumn = column->FColumn;
        FColumnContainerKind = column->FColumnContainerKind;
    }
}

void TuiGridFooterCellHitTest::Assign(const TuiCustomGridHitTest* source) {
    TuiCustomGridColumnHitTest::Assign(source);
    if (const auto* cell = dynamic_cast<const TuiGridFooterCellHitTest*>(source)) {
        FSummaryItem = cell->FSummaryItem;
    }
}

vcl::TCursor TuiGridColumnHeaderHorzSizingEdgeHitTest::Cursor() const {
    return crGridHorzSize;
}

void TuiGridRowIndicatorHitTest::Assign(const TuiCustomGridHitTest* source) {
    TuiGridRecordHitTest::Assign(source);
    if (const auto* indicator = dynamic_cast<const TuiGridRowIndicatorHitTest*>(source)) {
        FMultiSelect = indicator->FMultiSelect;
    }
}

vcl::TCursor TuiGridRowIndicatorHitTest::Cursor() const {
    return FMultiSelect ? crGridSelectRow : TuiGridRecordHitTest::Cursor();
}

vcl::TCursor TuiGridRowSizingEdgeHitTest::Cursor() const {
    return crGridVertSize;
}

} // namespace ui
