#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"

#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/layout/uiGridTablePlacement.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridGroupCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridPreviewCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"

#include <algorithm>

namespace ui {

TuiGridDataRowViewInfo::TuiGridDataRowViewInfo(TuiGridTableViewInfo& tableViewInfo, int32_t rowIndex)
    : TuiCustomGridViewCellViewInfo(tableViewInfo), FTableViewInfo(tableViewInfo), FRowIndex(rowIndex) {}

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
    FPreview.reset();
    FGroupCell.reset();
    FGroupCellBounds = {};
    FExpandButtonBounds = {};
    if (const TuiGridGroupRow* groupRow = GroupRow()) {
        CalculateGroupCell(*groupRow);
        return;
    }
    const auto [cellsTop, cellsBottom] = CalculatePreview();
    const size_t count = placement.Cells.size();
    for (size_t i = 0; i < count; ++i) {
        auto cell = std::make_unique<TuiGridDataCellViewInfo>(*this, FTableViewInfo.CellEditor(static_cast<int32_t>(i)),
                                                              i + 1 == count);
        const vcl::TRect& column = placement.Cells[i];
        cell->CalculateCell({column.Left, cellsTop, column.Right, cellsBottom});
        FCells.push_back(std::move(cell));
    }
    CalculateMasterExpandButton();
}

std::pair<int32_t, int32_t> TuiGridDataRowViewInfo::CalculatePreview() {
    vcl::TRect bounds = Bounds();
    bounds.Bottom = ContentBottom();
    TuiGridColumnCellEditor* editor = FTableViewInfo.PreviewEditor();
    if (editor == nullptr) {
        return {bounds.Top, bounds.Bottom};
    }
    const int32_t height = std::min(FTableViewInfo.PreviewHeight(FRowIndex), bounds.Height());
    const int32_t left = std::min(bounds.Left + FTableViewInfo.LevelIndentsWidth(), bounds.Right);
    const bool atTop = FTableViewInfo.TableView().Preview().Place() == ppTop;
    const int32_t top = atTop ? bounds.Top : bounds.Bottom - height;
    FPreview = std::make_unique<TuiGridPreviewCellViewInfo>(*this, *editor);
    FPreview->CalculateCell({left, top, bounds.Right, top + height});
    return atTop ? std::pair{top + height, bounds.Bottom} : std::pair{bounds.Top, top};
}

// The master rows' indent is the innermost one.
void TuiGridDataRowViewInfo::CalculateMasterExpandButton() {
    const auto* master = dynamic_cast<const TuiGridMasterDataRow*>(GridRecord());
    const int32_t levelCount = FTableViewInfo.LevelCount();
    if (master == nullptr || levelCount == 0 || !master->GetExpandable()) {
        return;
    }
    const int32_t indentLeft = IndentsRight(levelCount - 1);
    FExpandButtonBounds = ExpandButtonInIndent(Bounds(), indentLeft, FTableViewInfo.ExpandButtonSize());
}

int32_t TuiGridDataRowViewInfo::IndentsRight(int32_t indentCount) const {
    return Bounds().Left + indentCount * FTableViewInfo.LevelIndent();
}

int32_t TuiGridDataRowViewInfo::IndentCount() const {
    const TuiGridGroupRow* groupRow = GroupRow();
    return groupRow ? groupRow->Level() : FTableViewInfo.LevelCount();
}

TuiGridLevelIndentRects TuiGridDataRowViewInfo::LevelIndent(int32_t level) const {
    vcl::TRect bounds = Bounds();
    bounds.Bottom -= FTableViewInfo.HasClosingLine(FRowIndex) ? TuiGridTableViewInfo::GridLineWidth : 0;
    return LevelIndentRects(bounds, level, FTableViewInfo.LevelIndent(), FTableViewInfo.GridLines(),
                            FTableViewInfo.ClosesGroup(FRowIndex, level), FTableViewInfo.RowSeparatorWidth(FRowIndex));
}

void TuiGridDataRowViewInfo::CalculateGroupCell(const TuiGridGroupRow& groupRow) {
    FGroupCellBounds = Bounds();
    FGroupCellBounds.Left = std::min(IndentsRight(groupRow.Level()), FGroupCellBounds.Right);
    FGroupCellBounds.Bottom = ContentBottom();
    if (groupRow.GetExpandable()) {
        FExpandButtonBounds =
            ExpandButtonInIndent(GroupContentBounds(), FGroupCellBounds.Left, FTableViewInfo.ExpandButtonSize());
    }
    FGroupCell = std::make_unique<TuiGridGroupCellViewInfo>(*this);
    FGroupCell->CalculateInRect(FGroupCellBounds);
}

// An Office 2003 group row shows its button and caption in its lower half, above its separator.
vcl::TRect TuiGridDataRowViewInfo::GroupContentBounds() const {
    vcl::TRect bounds = FGroupCellBounds;
    if (FTableViewInfo.HasOffice11GroupRows()) {
        bounds.Bottom = std::max(bounds.Bottom - TuiGridTableViewInfo::Office11GroupSeparatorWidth, bounds.Top);
        bounds.Top = bounds.Bottom - bounds.Height() / 2;
    }
    return bounds;
}

int32_t TuiGridDataRowViewInfo::ContentBottom() const {
    return std::max(Bounds().Bottom - FTableViewInfo.RowBottomHeight(FRowIndex), Bounds().Top);
}

vcl::TRect TuiGridDataRowViewInfo::SeparatorBounds() const {
    const int32_t width = FTableViewInfo.RowSeparatorWidth(FRowIndex);
    if (width == 0) {
        return {};
    }
    const int32_t indentCount = IndentCount();
    int32_t closed = 0;
    while (closed < indentCount && FTableViewInfo.ClosesGroup(FRowIndex, indentCount - 1 - closed)) {
        ++closed;
    }
    const vcl::TRect& bounds = Bounds();
    return {IndentsRight(indentCount - closed), ContentBottom(), bounds.Right,
            std::min(ContentBottom() + width, bounds.Bottom)};
}

vcl::TRect TuiGridDataRowViewInfo::ClosingLineBounds() const {
    if (!FTableViewInfo.HasClosingLine(FRowIndex)) {
        return {};
    }
    const vcl::TRect& bounds = Bounds();
    return {bounds.Left, bounds.Bottom - TuiGridTableViewInfo::GridLineWidth, bounds.Right, bounds.Bottom};
}

vcl::TRect TuiGridDataRowViewInfo::Office11SeparatorBounds() const {
    if (!FTableViewInfo.HasOffice11GroupRows() || GroupRow() == nullptr) {
        return {};
    }
    const int32_t top =
        std::max(FGroupCellBounds.Bottom - TuiGridTableViewInfo::Office11GroupSeparatorWidth, FGroupCellBounds.Top);
    return {FGroupCellBounds.Left, top, FGroupCellBounds.Right, FGroupCellBounds.Bottom};
}

vcl::TRect TuiGridDataRowViewInfo::GroupTextBounds() const {
    vcl::TRect bounds = GroupContentBounds();
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
    if (FGroupCell) {
        FGroupCell->CalculateInRect(FGroupCellBounds);
    }
    if (!FExpandButtonBounds.IsEmpty()) {
        FExpandButtonBounds = vcl::OffsetRect(FExpandButtonBounds, dx, dy);
    }
    for (const auto& cell : FCells) {
        cell->OffsetCell(dx, dy);
    }
    if (FPreview) {
        FPreview->OffsetCell(dx, dy);
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
    const bool inIndents = point.X < IndentsRight(IndentCount());
    auto& hitTest = FExpandButtonBounds.Contains(point)
                        ? TuiCustomGridHitTest::Instance<TuiGridExpandButtonHitTest>(point)
                    : inIndents ? TuiCustomGridHitTest::Instance<TuiGridRowLevelIndentHitTest>(point)
                                : TuiCustomGridHitTest::Instance<TuiGridRecordHitTest>(point);
    hitTest.SetGridView(&FTableViewInfo.GridView());
    hitTest.SetGridRecord(GridRecord());
    return &hitTest;
}

} // namespace ui
