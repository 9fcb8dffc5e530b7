#include "ui/grid/tableview/viewinfo/uiGridGroupCellViewInfo.h"

#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

namespace ui {

TuiGridGroupCellViewInfo::TuiGridGroupCellViewInfo(TuiGridDataRowViewInfo& row)
    : TuiGridTableCellViewInfo(row.TableViewInfo()), FRow(row) {}

TuiCustomGridRecord* TuiGridGroupCellViewInfo::GridRecord() const {
    return FRow.GridRecord();
}

vcl::TRect TuiGridGroupCellViewInfo::GetTextAreaBounds() const {
    return FRow.GroupTextBounds();
}

rtl::UnicodeString TuiGridGroupCellViewInfo::GetText() const {
    const TuiGridGroupRow* groupRow = FRow.GroupRow();
    return groupRow ? groupRow->GetDisplayTextWithSummary() : rtl::UnicodeString();
}

void TuiGridGroupCellViewInfo::GetViewParams(TuiDrawParams& params) const {
    TuiGridGroupRow* groupRow = FRow.GroupRow();
    FRow.TableViewInfo().TableView().Styles().GetGroupParams(groupRow, groupRow ? groupRow->Level() : 0, params);
}

bool TuiGridGroupCellViewInfo::HasCustomDraw() const {
    return FRow.TableViewInfo().TableView().HasCustomDrawGroupCell();
}

bool TuiGridGroupCellViewInfo::DoCustomDraw(TuiCanvas& canvas) {
    bool done = false;
    FRow.TableViewInfo().TableView().DoCustomDrawGroupCell(canvas, this, done);
    return done;
}

} // namespace ui
