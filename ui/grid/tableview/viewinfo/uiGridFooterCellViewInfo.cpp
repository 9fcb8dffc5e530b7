#include "ui/grid/tableview/viewinfo/uiGridFooterCellViewInfo.h"

#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

#include <utility>

namespace ui {

TuiGridFooterCellViewInfo::TuiGridFooterCellViewInfo(TuiGridTableViewInfo& tableViewInfo, TuiGridColumn& column,
                                                     TuiDataSummaryItem* summaryItem, rtl::UnicodeString text)
    : TuiGridColumnHeaderViewInfo(tableViewInfo, column, ckFooter), FSummaryItem(summaryItem), FText(std::move(text)) {}

vcl::TAlignment TuiGridFooterCellViewInfo::GetAlignmentHorz() const {
    return Column().FooterAlignmentHorz();
}

int32_t TuiGridFooterCellViewInfo::GetBorderWidth(TuiBorder /*side*/) const {
    return TableViewInfo().GridView().LookAndFeelPainter()->FooterCellFrameWidth();
}

} // namespace ui
