#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"

#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/uiGridRecordHitTests.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTablePlacement.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"

namespace ui {

TuiGridDataRowViewInfo::TuiGridDataRowViewInfo(TuiGridTableViewInfo& tableViewInfo, int32_t rowIndex)
    : FTableViewInfo(tableViewInfo), FRowIndex(rowIndex) {}

TuiGridDataRowViewInfo::~TuiGridDataRowViewInfo() = default;

TuiCustomGridRecord* TuiGridDataRowViewInfo::GridRecord() const {
    return FTableViewInfo.TableView().ViewData().GetRecordAt(FRowIndex);
}

void TuiGridDataRowViewInfo::CalculateRow(const TuiGridRowPlacement& placement) {
    CalculateInRect(placement.Bounds);
    FCells.clear();
    const size_t count = placement.Cells.size();
    for (size_t i = 0; i < count; ++i) {
        auto cell = std::make_unique<TuiGridDataCellViewInfo>(*this, FTableViewInfo.CellEditor(static_cast<int32_t>(i)),
                                                              i + 1 == count);
        cell->CalculateCell(placement.Cells[i]);
        FCells.push_back(std::move(cell));
    }
}

void TuiGridDataRowViewInfo::OffsetRow(int32_t dx, int32_t dy) {
    CalculateInRect(vcl::OffsetRect(Bounds(), dx, dy));
    for (const auto& cell : FCells) {
        cell->OffsetCell(dx, dy);
    }
}

bool TuiGridDataRowViewInfo::IsFocused() const {
    return FTableViewInfo.GridView().DataController().GetFocusedRowIndex() == FRowIndex;
}

bool TuiGridDataRowViewInfo::HasRecordFocusRect() const {
    const auto& selection =
        static_cast<TuiCustomGridTableOptionsSelection&>(FTableViewInfo.GridView().OptionsSelection());
    return !selection.CellSelect() || selection.InvertSelect();
}

TuiCustomGridHitTest* TuiGridDataRowViewInfo::CreateHitTest(vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridRecordHitTest>(point);
    hitTest.SetGridView(&FTableViewInfo.GridView());
    hitTest.SetGridRecord(GridRecord());
    return &hitTest;
}

TuiControl* TuiGridDataRowViewInfo::GetControl() const {
    return &FTableViewInfo.Site();
}

} // namespace ui
