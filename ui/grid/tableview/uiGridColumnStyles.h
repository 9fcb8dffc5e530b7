#pragma once
// TuiGridColumnStyles: a column's own footer, group summary and header styles, with the events that may name a style
// before an index is resolved; what a column's style leaves open comes from the view's styles.

#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"

#include <cstdint>

namespace ui {

class TuiGridColumn;

class TuiGridColumnStyles : public TuiCustomGridTableItemStyles {
    RTL_DECLARE_CLASS(TuiGridColumnStyles, TuiCustomGridTableItemStyles)
public:
    static constexpr int32_t isFooter = 1;
    static constexpr int32_t isGroupSummary = 2;
    static constexpr int32_t isHeader = 3;

    explicit TuiGridColumnStyles(TuiGridColumn& column);
    // The inherited copy, then the three styles and the five events.
    void Assign(const rtl::TPersistent* source) override;
    // Footer, group summary and header take the view's parameters for the same request.
    void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) override;

    // OnGetFooterStyle, OnGetFooterStyleEx and, with a summary item, OnGetFooterSummaryStyle may each name a style;
    // then Footer is resolved.
    void GetFooterParams(TuiCustomGridRow* row, int32_t footerGroupLevel, TuiDrawParams& params,
                         TuiDataSummaryItem* summaryItem);
    // With a row OnGetGroupSummaryStyle may name a style; then GroupSummary is resolved.
    void GetGroupSummaryParams(TuiCustomGridRow* row, TuiDataSummaryItem* summaryItem, TuiDrawParams& params);
    // OnGetHeaderStyle, then Header.
    void GetHeaderParams(TuiDrawParams& params);

    TuiStyle* Footer() const { return GetStyle(isFooter); }
    TuiStyle* GroupSummary() const { return GetStyle(isGroupSummary); }
    TuiStyle* Header() const { return GetStyle(isHeader); }

    // Setting an event repaints the column.
    void SetOnGetFooterStyle(TuiGridGetCellStyleEvent handler);
    void SetOnGetFooterStyleEx(TuiGridGetFooterStyleExEvent handler);
    void SetOnGetFooterSummaryStyle(TuiGridGetFooterSummaryStyleEvent handler);
    void SetOnGetGroupSummaryStyle(TuiGridGetGroupSummaryStyleEvent handler);
    void SetOnGetHeaderStyle(TuiGridGetHeaderStyleEvent handler);

private:
    // nullptr outside a table view of columns.
    TuiGridTableView* TableView() const;
    template <class THandler>
    void SetEvent(THandler& field, THandler handler);

    TuiGridColumn& FColumn;
    TuiGridGetCellStyleEvent FOnGetFooterStyle;
    TuiGridGetFooterStyleExEvent FOnGetFooterStyleEx;
    TuiGridGetFooterSummaryStyleEvent FOnGetFooterSummaryStyle;
    TuiGridGetGroupSummaryStyleEvent FOnGetGroupSummaryStyle;
    TuiGridGetHeaderStyleEvent FOnGetHeaderStyle;
};

} // namespace ui
