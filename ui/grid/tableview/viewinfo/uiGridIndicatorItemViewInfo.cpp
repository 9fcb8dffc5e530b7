#include "ui/grid/tableview/viewinfo/uiGridIndicatorItemViewInfo.h"

#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

namespace ui {

TuiGridIndicatorItemViewInfo::TuiGridIndicatorItemViewInfo(TuiGridTableViewInfo& tableViewInfo,
                                                           TuiGridIndicatorItemKind kind,
                                                           const TuiGridDataRowViewInfo* row)
    : TuiCustomGridViewCellViewInfo(tableViewInfo), FTableViewInfo(tableViewInfo), FKind(kind), FRow(row) {}

void TuiGridIndicatorItemViewInfo::GetViewParams(TuiDrawParams& params) const {
    TuiGridTableViewStyles& styles = FTableViewInfo.TableView().Styles();
    if (FKind == TuiGridIndicatorItemKind::Header) {
        styles.GetHeaderParams(nullptr, params);
    } else {
        styles.GetIndicatorParams(params);
    }
}

bool TuiGridIndicatorItemViewInfo::HasCustomDraw() const {
    return FTableViewInfo.TableView().HasCustomDrawIndicatorCell();
}

bool TuiGridIndicatorItemViewInfo::DoCustomDraw(TuiCanvas& canvas) {
    bool done = false;
    FTableViewInfo.TableView().DoCustomDrawIndicatorCell(canvas, this, done);
    return done;
}

} // namespace ui
