#include "ui/grid/tableview/uiGridColumnStyles.h"

#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableView.h"

namespace ui {

TuiGridColumnStyles::TuiGridColumnStyles(TuiGridColumn& column)
    : TuiCustomGridTableItemStyles(column), FColumn(column) {}

TuiGridTableView* TuiGridColumnStyles::TableView() const {
    return FColumn.TableView();
}

void TuiGridColumnStyles::Assign(const rtl::TPersistent* source) {
    TuiCustomGridTableItemStyles::Assign(source);
    if (const auto* styles = dynamic_cast<const TuiGridColumnStyles*>(source)) {
        for (const int32_t index : {isFooter, isGroupSummary, isHeader}) {
            SetStyle(index, styles->GetStyle(index));
        }
        SetOnGetFooterStyle(styles->FOnGetFooterStyle);
        SetOnGetFooterStyleEx(styles->FOnGetFooterStyleEx);
        SetOnGetFooterSummaryStyle(styles->FOnGetFooterSummaryStyle);
        SetOnGetGroupSummaryStyle(styles->FOnGetGroupSummaryStyle);
        SetOnGetHeaderStyle(styles->FOnGetHeaderStyle);
    }
}

template <class THandler>
void TuiGridColumnStyles::SetEvent(THandler& field, THandler handler) {
    field = std::move(handler);
    FColumn.Changed(0);
}

void TuiGridColumnStyles::SetOnGetFooterStyle(TuiGridGetCellStyleEvent handler) {
    SetEvent(FOnGetFooterStyle, std::move(handler));
}

void TuiGridColumnStyles::SetOnGetFooterStyleEx(TuiGridGetFooterStyleExEvent handler) {
    SetEvent(FOnGetFooterStyleEx, std::move(handler));
}

void TuiGridColumnStyles::SetOnGetFooterSummaryStyle(TuiGridGetFooterSummaryStyleEvent handler) {
    SetEvent(FOnGetFooterSummaryStyle, std::move(handler));
}

void TuiGridColumnStyles::SetOnGetGroupSummaryStyle(TuiGridGetGroupSummaryStyleEvent handler) {
    SetEvent(FOnGetGroupSummaryStyle, std::move(handler));
}

void TuiGridColumnStyles::SetOnGetHeaderStyle(TuiGridGetHeaderStyleEvent handler) {
    SetEvent(FOnGetHeaderStyle, std::move(handler));
}

void TuiGridColumnStyles::GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) {
    TuiGridTableView* view = TableView();
    if (!view || index == isContent) {
        TuiCustomGridTableItemStyles::GetDefaultDrawParams(index, data, params);
        return;
    }
    TuiGridTableViewStyles& viewStyles = view->Styles();
    if (index == isFooter) {
        const auto* cellPos = dynamic_cast<TuiGridRowFooterCellPos*>(data);
        viewStyles.GetFooterParams(cellPos ? cellPos->Row : nullptr, &FColumn, cellPos ? cellPos->FooterGroupLevel : -1,
                                   cellPos ? cellPos->SummaryItem : nullptr, params);
    } else if (index == isGroupSummary) {
        const auto* summaryInfo = dynamic_cast<TuiGridGroupSummaryInfo*>(data);
        viewStyles.GetGroupSummaryParams(summaryInfo ? summaryInfo->Row : nullptr,
                                         summaryInfo ? summaryInfo->SummaryItem : nullptr, params);
    } else if (index == isHeader) {
        viewStyles.GetHeaderParams(&FColumn, params);
    } else {
        TuiCustomGridTableItemStyles::GetDefaultDrawParams(index, data, params);
    }
}

void TuiGridColumnStyles::GetFooterParams(TuiCustomGridRow* row, int32_t footerGroupLevel, TuiDrawParams& params,
                                          TuiDataSummaryItem* summaryItem) {
    TuiStyle* style = nullptr;
    if (TuiGridTableView* view = TableView()) {
        if (FOnGetFooterStyle) {
            FOnGetFooterStyle(*view, row, &FColumn, style);
        }
        if (FOnGetFooterStyleEx) {
            FOnGetFooterStyleEx(*view, row, &FColumn, footerGroupLevel, style);
        }
        if (summaryItem && FOnGetFooterSummaryStyle) {
            FOnGetFooterSummaryStyle(*view, row, &FColumn, footerGroupLevel, summaryItem, style);
        }
    }
    TuiGridRowFooterCellPos cellPos(row, &FColumn, footerGroupLevel, summaryItem);
    ResolveDrawParams(isFooter, &cellPos, style, params);
}

void TuiGridColumnStyles::GetGroupSummaryParams(TuiCustomGridRow* row, TuiDataSummaryItem* summaryItem,
                                                TuiDrawParams& params) {
    TuiStyle* style = nullptr;
    TuiGridTableView* view = TableView();
    if (view && row && FOnGetGroupSummaryStyle) {
        FOnGetGroupSummaryStyle(*view, row, &FColumn, summaryItem, style);
    }
    TuiGridGroupSummaryInfo summaryInfo(row, summaryItem);
    ResolveDrawParams(isGroupSummary, &summaryInfo, style, params);
}

void TuiGridColumnStyles::GetHeaderParams(TuiDrawParams& params) {
    TuiStyle* style = nullptr;
    if (TuiGridTableView* view = TableView(); view && FOnGetHeaderStyle) {
        FOnGetHeaderStyle(*view, &FColumn, style);
    }
    ResolveDrawParams(isHeader, nullptr, style, params);
}

} // namespace ui
