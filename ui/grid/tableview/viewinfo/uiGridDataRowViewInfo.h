#pragma once
// TuiGridDataRowViewInfo: one laid-out row: the record it shows, its bounds in the rows area and one data cell per
// visible column, right of the view's level indents; a master row has its expand button in its last indent. A group
// row has no cells: one group cell right of its outer levels' indents shows its caption and summary text, with the
// expand button in the cell's first indent when the row can expand. A row scrolled by whole records keeps its cells
// and moves with them.

#include "ui/grid/cells/uiGridViewCellViewInfo.h"
#include "ui/grid/tableview/layout/uiGridLevelIndents.h"

#include <memory>
#include <utility>
#include <vector>

namespace ui {

class TuiCustomGridRecord;
class TuiGridGroupRow;
class TuiGridDataCellViewInfo;
class TuiGridGroupCellViewInfo;
class TuiGridPreviewCellViewInfo;
class TuiGridTableViewInfo;
struct TuiGridRowPlacement;

class TuiGridDataRowViewInfo : public TuiCustomGridViewCellViewInfo {
public:
    TuiGridDataRowViewInfo(TuiGridTableViewInfo& tableViewInfo, int32_t rowIndex);
    ~TuiGridDataRowViewInfo() override;

    TuiGridTableViewInfo& TableViewInfo() const { return FTableViewInfo; }
    // The row of the view data the row shows.
    int32_t RowIndex() const { return FRowIndex; }
    // The record, made again by the view data when a data change dropped it.
    TuiCustomGridRecord* GridRecord() const;
    // The row's bounds and its cells, one per visible column.
    void CalculateRow(const TuiGridRowPlacement& placement);
    void OffsetRow(int32_t dx, int32_t dy);
    int32_t CellCount() const { return static_cast<int32_t>(FCells.size()); }
    TuiGridDataCellViewInfo& Cells(int32_t index) const { return *FCells.at(static_cast<size_t>(index)); }
    // The group row the row shows, or nullptr for a data row.
    TuiGridGroupRow* GroupRow() const;
    // A group row's cell: the row right of its level's indents.
    const vcl::TRect& GroupCellBounds() const { return FGroupCellBounds; }
    // Its view info; nullptr for a data row.
    TuiGridGroupCellViewInfo* GroupCell() const { return FGroupCell.get(); }
    // Where the group caption is written: the group cell inside its margins, right of the expand button's indent
    // when the row can expand.
    vcl::TRect GroupTextBounds() const;
    // The preview across the row above or below its cells while the view shows one, else nullptr.
    TuiGridPreviewCellViewInfo* Preview() const { return FPreview.get(); }
    // The level indents at the row's left: a group row's outer levels, a data row's every level.
    int32_t IndentCount() const;
    TuiGridLevelIndentRects LevelIndent(int32_t level) const;
    // The row separator at the row's bottom from its content left, reaching left over the indents of the groups the
    // row closes; empty without one.
    vcl::TRect SeparatorBounds() const;
    // The grid line closing the last row, else empty.
    vcl::TRect ClosingLineBounds() const;
    // The separator at the bottom of an Office 2003 group row, else empty.
    vcl::TRect Office11SeparatorBounds() const;
    // Empty unless a group or master row can expand.
    const vcl::TRect& ExpandButtonBounds() const { return FExpandButtonBounds; }
    // The data controller's focused row.
    bool IsFocused() const;
    // The focus rectangle goes around the whole record unless cells are selected one by one.
    bool HasRecordFocusRect() const;

protected:
    TuiCustomGridHitTest* CreateHitTest(vcl::TPoint point) override;

private:
    TuiGridTableViewInfo& FTableViewInfo;
    int32_t FRowIndex;
    std::vector<std::unique_ptr<TuiGridDataCellViewInfo>> FCells;
    std::unique_ptr<TuiGridPreviewCellViewInfo> FPreview;
    std::unique_ptr<TuiGridGroupCellViewInfo> FGroupCell;
    vcl::TRect FGroupCellBounds;
    vcl::TRect FExpandButtonBounds;

    void CalculateGroupCell(const TuiGridGroupRow& groupRow);
    void CalculateMasterExpandButton();
    // Places the preview at the row's top or bottom; answers the rows of the row that its cells keep.
    std::pair<int32_t, int32_t> CalculatePreview();
    vcl::TRect GroupContentBounds() const;
    // The right edge of the row's first indentCount level indents.
    int32_t IndentsRight(int32_t indentCount) const;
    // Above the separator and the closing line.
    int32_t ContentBottom() const;
};

} // namespace ui
