#include "ui/grid/tableview/uiGridTableViewStyles.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridColumnStyles.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"

namespace ui {

namespace {

TuiCustomGridRecord* RecordOfTableStyleData(rtl::TObject* data) {
    if (auto* cellPos = dynamic_cast<TuiGridDataCellPos*>(data)) {
        return cellPos->GridRecord;
    }
    if (auto* footerCellPos = dynamic_cast<TuiGridRowFooterCellPos*>(data)) {
        return footerCellPos->Row;
    }
    if (auto* summaryInfo = dynamic_cast<TuiGridGroupSummaryInfo*>(data)) {
        return summaryInfo->Row;
    }
    return dynamic_cast<TuiCustomGridRecord*>(data);
}

// Sets a flag for its lifetime.
class TTableStylesFlagGuard {
public:
    explicit TTableStylesFlagGuard(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TTableStylesFlagGuard() { FFlag = false; }
    TTableStylesFlagGuard(const TTableStylesFlagGuard&) = delete;
    TTableStylesFlagGuard& operator=(const TTableStylesFlagGuard&) = delete;

private:
    bool& FFlag;
};

} // namespace

TuiStyle* TuiGridFooterStyleEvents::Ask(TuiGridTableView& view, TuiCustomGridRow* row, TuiGridColumn* column,
                                        int32_t footerGroupLevel, TuiDataSummaryItem* summaryItem) const {
    TuiStyle* style = nullptr;
    if (OnGetFooterStyle) {
        OnGetFooterStyle(view, row, column, style);
    }
    if (OnGetFooterStyleEx) {
        OnGetFooterStyleEx(view, row, column, footerGroupLevel, style);
    }
    if (summaryItem && OnGetFooterSummaryStyle) {
        OnGetFooterSummaryStyle(view, row, column, footerGroupLevel, summaryItem, style);
    }
    return style;
}

TuiGridTableViewStyles::TuiGridTableViewStyles(rtl::TPersistent* owner) : TuiCustomGridTableViewStyles(owner) {}

TuiGridTableView& TuiGridTableViewStyles::GridTableView() const {
    return static_cast<TuiGridTableView&>(TableView());
}

void TuiGridTableViewStyles::Assign(const rtl::TPersistent* source) {
    if (const auto* styles = dynamic_cast<const TuiGridTableViewStyles*>(source)) {
        SetOnGetFooterStyle(styles->FFooterStyleEvents.OnGetFooterStyle);
        SetOnGetFooterStyleEx(styles->FFooterStyleEvents.OnGetFooterStyleEx);
        SetOnGetFooterSummaryStyle(styles->FFooterStyleEvents.OnGetFooterSummaryStyle);
        SetOnGetGroupStyle(styles->FOnGetGroupStyle);
        SetOnGetGroupSummaryStyle(styles->FOnGetGroupSummaryStyle);
        SetOnGetHeaderStyle(styles->FOnGetHeaderStyle);
        SetOnGetPreviewStyle(styles->FOnGetPreviewStyle);
    }
    TuiCustomGridTableViewStyles::Assign(source);
}

template <class THandler>
void TuiGridTableViewStyles::SetEvent(THandler& field, THandler handler) {
    field = std::move(handler);
    ReportViewChanged();
}

void TuiGridTableViewStyles::SetOnGetFooterStyle(TuiGridGetCellStyleEvent handler) {
    SetEvent(FFooterStyleEvents.OnGetFooterStyle, std::move(handler));
}

void TuiGridTableViewStyles::SetOnGetFooterStyleEx(TuiGridGetFooterStyleExEvent handler) {
    SetEvent(FFooterStyleEvents.OnGetFooterStyleEx, std::move(handler));
}

void TuiGridTableViewStyles::SetOnGetFooterSummaryStyle(TuiGridGetFooterSummaryStyleEvent handler) {
    SetEvent(FFooterStyleEvents.OnGetFooterSummaryStyle, std::move(handler));
}

void TuiGridTableViewStyles::SetOnGetGroupStyle(TuiGridGetGroupStyleEvent handler) {
    SetEvent(FOnGetGroupStyle, std::move(handler));
}

void TuiGridTableViewStyles::SetOnGetGroupSummaryStyle(TuiGridGetGroupSummaryStyleEvent handler) {
    SetEvent(FOnGetGroupSummaryStyle, std::move(handler));
}

void TuiGridTableViewStyles::SetOnGetHeaderStyle(TuiGridGetHeaderStyleEvent handler) {
    SetEvent(FOnGetHeaderStyle, std::move(handler));
}

void TuiGridTableViewStyles::SetOnGetPreviewStyle(TuiGridGetCellStyleEvent handler) {
    SetEvent(FOnGetPreviewStyle, std::move(handler));
}

void TuiGridTableViewStyles::GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) {
    TuiCustomGridTableViewStyles::GetDefaultDrawParams(index, data, params);
    if (!GetGridView()) {
        return;
    }
    const TuiCustomLookAndFeelPainter& painter = *TableView().LookAndFeelPainter();
    switch (index) {
    case vsFilterRowInfoText:
    case vsNewItemRowInfoText:
        TuiCustomGridTableViewStyles::GetContentParams(RecordOfTableStyleData(data), nullptr, params);
        params.TextColor = vcl::clGrayText;
        break;
    case vsFooter:
        params.Color = painter.FooterColor();
        params.TextColor = painter.FooterTextColor();
        break;
    case vsGroup:
        GetGroupDefaults(data, params);
        break;
    case vsGroupByBox:
        params.Color = painter.GroupByBoxColor();
        params.TextColor = painter.GroupByBoxTextColor();
        break;
    case vsGroupFooterSortedSummary:
        if (auto* cellPos = dynamic_cast<TuiGridRowFooterCellPos*>(data)) {
            if (cellPos->Column) {
                cellPos->Column->Styles().GetFooterParams(cellPos->Row, cellPos->FooterGroupLevel, params,
                                                          cellPos->SummaryItem);
            } else {
                GetFooterParams(cellPos->Row, nullptr, cellPos->FooterGroupLevel, cellPos->SummaryItem, params);
            }
        } else {
            GetFooterParams(nullptr, nullptr, -1, nullptr, params);
        }
        break;
    case vsGroupSortedSummary:
        if (auto* summaryInfo = dynamic_cast<TuiGridGroupSummaryInfo*>(data)) {
            const TTableStylesFlagGuard processing(FProcessingGroupSortedSummary);
            GetGroupSummaryCellParams(summaryInfo->Row, summaryInfo->SummaryItem, params);
        }
        break;
    case vsGroupSummary: {
        TuiCustomGridRecord* record = RecordOfTableStyleData(data);
        GetGroupParams(record, record ? record->Level() : -1, params);
        break;
    }
    case vsHeader:
    case vsIndicator:
        params.Color = painter.HeaderColor();
        params.TextColor = painter.HeaderTextColor();
        break;
    case vsPreview:
        TuiCustomGridTableViewStyles::GetContentParams(RecordOfTableStyleData(data), GridTableView().Preview().Column(),
                                                       params);
        params.TextColor = painter.LinkColor();
        break;
    default:
        break;
    }
}

void TuiGridTableViewStyles::GetContentParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item,
                                              TuiDrawParams& params) {
    if (GetGridView() && item && item == GridTableView().Preview().Column()) {
        GetPreviewParams(record, item, params);
    } else if (dynamic_cast<TuiGridGroupRow*>(record)) {
        GetGroupParams(record, -1, params);
    } else {
        TuiCustomGridTableViewStyles::GetContentParams(record, item, params);
    }
}

void TuiGridTableViewStyles::GetGroupDefaults(rtl::TObject* data, TuiDrawParams& params) {
    TuiCustomGridRecord* record = RecordOfTableStyleData(data);
    TuiCustomGridTableViewStyles::GetContentParams(record, nullptr, params);
    const TuiCustomLookAndFeelPainter& painter = *TableView().LookAndFeelPainter();
    if (GridTableView().OptionsView().GroupRowStyle() == grsOffice11) {
        params.Color = painter.Office11GroupRowColor(record != nullptr);
        params.TextColor = painter.Office11GroupTextColor();
    } else {
        params.Color = painter.GroupRowColor();
        params.TextColor = painter.GroupRowTextColor();
    }
}

void TuiGridTableViewStyles::GetFooterCellParams(TuiCustomGridRow* row, TuiGridColumn* column, int32_t footerGroupLevel,
                                                 TuiDataSummaryItem* summaryItem, TuiDrawParams& params) {
    if (footerGroupLevel != -1 && summaryItem && summaryItem->Sorted()) {
        TuiGridRowFooterCellPos cellPos(row, column, footerGroupLevel, summaryItem);
        ResolveDrawParams(vsGroupFooterSortedSummary, &cellPos, nullptr, params);
    } else if (column) {
        column->Styles().GetFooterParams(row, footerGroupLevel, params, summaryItem);
    } else {
        GetFooterParams(row, nullptr, footerGroupLevel, summaryItem, params);
    }
}

void TuiGridTableViewStyles::GetFooterParams(TuiCustomGridRow* row, TuiGridColumn* column, int32_t footerGroupLevel,
                                             TuiDataSummaryItem* summaryItem, TuiDrawParams& params) {
    TuiStyle* style =
        GetGridView() ? FFooterStyleEvents.Ask(GridTableView(), row, column, footerGroupLevel, summaryItem) : nullptr;
    TuiGridRowFooterCellPos cellPos(row, column, footerGroupLevel, summaryItem);
    ResolveDrawParams(vsFooter, &cellPos, style, params);
}

void TuiGridTableViewStyles::GetGroupParams(TuiCustomGridRecord* record, int32_t level, TuiDrawParams& params) {
    TuiStyle* style = nullptr;
    if (record) {
        level = record->Level();
    }
    if (GetGridView() && FOnGetGroupStyle) {
        FOnGetGroupStyle(GridTableView(), record, level, style);
    }
    ResolveDrawParams(vsGroup, record, style, params);
}

void TuiGridTableViewStyles::GetGroupSummaryCellParams(TuiCustomGridRow* row, TuiDataSummaryItem* summaryItem,
                                                       TuiDrawParams& params) {
    const auto* groupItems =
        summaryItem ? dynamic_cast<TuiDataGroupSummaryItems*>(&summaryItem->SummaryItems()) : nullptr;
    if (groupItems && groupItems->SortingSummaryItem() == summaryItem && !FProcessingGroupSortedSummary) {
        TuiGridGroupSummaryInfo summaryInfo(row, summaryItem);
        ResolveDrawParams(vsGroupSortedSummary, &summaryInfo, nullptr, params);
    } else if (auto* column = summaryItem ? dynamic_cast<TuiGridColumn*>(summaryItem->GetLinkedItem()) : nullptr) {
        column->Styles().GetGroupSummaryParams(row, summaryItem, params);
    } else {
        GetGroupSummaryParams(row, summaryItem, params);
    }
}

void TuiGridTableViewStyles::GetGroupSummaryParams(TuiCustomGridRow* row, TuiDataSummaryItem* summaryItem,
                                                   TuiDrawParams& params) {
    TuiStyle* style = nullptr;
    if (GetGridView() && FOnGetGroupSummaryStyle) {
        auto* column = summaryItem ? dynamic_cast<TuiGridColumn*>(summaryItem->GetLinkedItem()) : nullptr;
        FOnGetGroupSummaryStyle(GridTableView(), row, column, summaryItem, style);
    }
    ResolveDrawParams(vsGroupSummary, row, style, params);
}

void TuiGridTableViewStyles::GetHeaderParams(TuiGridColumn* column, TuiDrawParams& params) {
    TuiStyle* style = nullptr;
    if (GetGridView() && FOnGetHeaderStyle) {
        FOnGetHeaderStyle(GridTableView(), column, style);
    }
    ResolveDrawParams(vsHeader, nullptr, style, params);
}

void TuiGridTableViewStyles::GetPreviewParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item,
                                              TuiDrawParams& params) {
    TuiStyle* style = nullptr;
    if (GetGridView() && FOnGetPreviewStyle) {
        FOnGetPreviewStyle(GridTableView(), record, item, style);
    }
    ResolveDrawParams(vsPreview, record, style, params);
}

} // namespace ui
