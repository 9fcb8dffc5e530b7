#pragma once
// TuiGridFooterCellViewInfo: one summary of the footer under its column: the summary's text in the column's footer
// alignment within the look's footer cell frame. The column's OnCustomDrawFooterCell and then the view's may paint it.

#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"

namespace ui {

class TuiDataSummaryItem;

class TuiGridFooterCellViewInfo : public TuiGridColumnHeaderViewInfo {
public:
    TuiGridFooterCellViewInfo(TuiGridTableViewInfo& tableViewInfo, TuiGridColumn& column,
                              TuiDataSummaryItem* summaryItem, rtl::UnicodeString text);

    TuiDataSummaryItem* SummaryItem() const { return FSummaryItem; }

protected:
    rtl::UnicodeString GetText() const override { return FText; }
    vcl::TAlignment GetAlignmentHorz() const override;
    bool GetMultiLine() const override { return false; }
    bool GetMultiLinePainting() const override { return false; }
    bool HotTrack() const override { return false; }
    TuiBorders GetBorders() const override { return uiAllBorders; }
    int32_t GetBorderWidth(TuiBorder side) const override;

private:
    TuiDataSummaryItem* FSummaryItem; // not owned
    rtl::UnicodeString FText;
};

} // namespace ui
