#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"

#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/uiGridRecordHitTests.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTablePlacement.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"

#include <algorithm>

namespace ui {

TuiGridDataRowViewInfo::TuiGridDataRowViewInfo(TuiGridTableViewInfo& tableViewInfo, int32_t rowIndex)
    : FTableViewInfo(tableViewInfo), FRowIndex(rowIndex) {}

TuiGridDataRowViewInfo::~TuiGridDataRowViewInfo() = default;

TuiCustomGridRecord* TuiGridDataRowViewInfo::GridRecord() const {
    return FTableViewInfo.TableView().ViewData().GetRecordAt(FRowIndex);
}

namespace {

// The caption keeps this margin from the group cell's edges.
constexpr int32_t GroupTextMargin = 2;

} // namespace

TuiGridGroupRow* TuiGridDataRowViewInfo::GroupRow() const {
    return dynamic_cast<TuiGridGroupRow*>(GridRecord());
}

void TuiGridDataRowViewInfo::CalculateRow(const TuiGridRowPlacement& placement) {
    CalculateInRect(placement.Bounds);
    FCells.clear();
    FGroupCellBounds = {};
    FExpandButtonBounds = {};
    if (const TuiGridGroupRow* groupRow = GroupRow()) {
        CalculateGroupCell(*groupRow);
        return;
    }
    const size_t count = placement.Cells.size();
    for (size_t i = 0; i < count; ++i) {
        auto cell = std::make_unique<TuiGridDataCellViewInfo>(*this, FTableViewInfo.CellEditor(static_cast<int32_t>(i)),
                                                              i + 1 == count);
        cell->CalculateCell(placement.Cells[i]);
        FCells.push_back(std::move(cell));
    }
}

void TuiGridDataRowViewInfo::CalculateGroupCell(const TuiGridGroupRow& groupRow) {
    const int32_t indent = FTableViewInfo.LevelIndent();
    FGroupCellBounds = Bounds();
    FGroupCellBounds.Left = std::min(FGroupCellBounds.Left + groupRow.Level() * indent, FGroupCellBounds.Right);
    if (!groupRow.GetExpandable()) {
        return;
    }
    const int32_t size = FTableViewInfo.ExpandButtonSize();
    const int32_t top = FGroupCellBounds.Top + (FGroupCellBounds.Height() - size) / 2;
    const int32_t left = FGroupCellBounds.Left + TuiGridTableViewInfo::ExpandButtonIndent;
    FExpandButtonBounds = {left, top, left + size, top + size};
}

vcl::TRect TuiGridDataRowViewInfo::GroupTextBounds() const {
    vcl::TRect bounds = FGroupCellBounds;
    if (!FExpandButtonBounds.IsEmpty()) {
        bounds.Left += FTableViewInfo.LevelIndent();
    }
    bounds.Left = std::min(bounds.Left + GroupTextMargin, bounds.Right);
    bounds.Right = std::max(bounds.Right - GroupTextMargin, bounds.Left);
    return bounds;
}

void TuiGridDataRowViewInfo::OffsetRow(int32_t dx, int32_t dy) {
    CalculateInRect(vcl::OffsetRect(Bounds(), dx, dy));
    FGroupCellBounds = vcl::OffsetRect(FGroupCellBounds, dx, dy);
    if (!FExpandButtonBounds.IsEmpty()) {
        FExpandButtonBounds = vcl::OffsetRect(FExpandButtonBounds, dx, dy);
    }
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
    auto& hitTest = FExpandButtonBounds.Contains(point)
                        ? TuiCustomGridHitTest::Instance<TuiGridExpandButtonHitTest>(point)
                        : TuiCustomGridHitTest::Instance<TuiGridRecordHitTest>(point);
    hitTest.SetGridView(&FTableViewInfo.GridView());
    hitTest.SetGridRecord(GridRecord());
    return &hitTest;
}

TuiControl* TuiGridDataRowViewInfo::GetControl() const {
    return &FTableViewInfo.Site();
}

} // namespace ui
