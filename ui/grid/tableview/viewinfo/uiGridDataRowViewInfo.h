#pragma once
// TuiGridDataRowViewInfo: one laid-out data row: the record it shows, its bounds in the rows area and one data cell
// per visible column. A row scrolled by whole records keeps its cells and moves with them.

#include "ui/grid/cells/uiGridCellViewInfo.h"

#include <memory>
#include <vector>

namespace ui {

class TuiCustomGridRecord;
class TuiGridDataCellViewInfo;
class TuiGridTableViewInfo;
struct TuiGridRowPlacement;

class TuiGridDataRowViewInfo : public TuiCustomGridCellViewInfo {
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
    // The data controller's focused row.
    bool IsFocused() const;
    // The focus rectangle goes around the whole record unless cells are selected one by one.
    bool HasRecordFocusRect() const;

protected:
    TuiCustomGridHitTest* CreateHitTest(vcl::TPoint point) override;
    TuiControl* GetControl() const override;

private:
    TuiGridTableViewInfo& FTableViewInfo;
    int32_t FRowIndex;
    std::vector<std::unique_ptr<TuiGridDataCellViewInfo>> FCells;
};

} // namespace ui
