#pragma once
// The styles of a table view of columns (filter-row and new-item-row info texts, footer, group rows, group-by box,
// group summaries, header, indicator, preview) with the events that may name a style before an index is resolved,
// the style sheet that holds such a set, and the two small objects that carry the context of a footer or group
// summary request to the defaults.

#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"

#include <cstdint>
#include <functional>

namespace ui {

class TuiCustomGridRow;
class TuiDataSummaryItem;
class TuiGridColumn;
class TuiGridTableView;

// Sender view, row, column, footer group level (-1: the view footer); the handler may name a style.
using TuiGridGetFooterStyleExEvent =
    std::function<void(TuiGridTableView& sender, TuiCustomGridRow* row, TuiGridColumn* column, int32_t footerGroupLevel,
                       TuiStyle*& style)>;
// The same with the summary item of the cell.
using TuiGridGetFooterSummaryStyleEvent =
    std::function<void(TuiGridTableView& sender, TuiCustomGridRow* row, TuiGridColumn* column, int32_t footerGroupLevel,
                       TuiDataSummaryItem* summaryItem, TuiStyle*& style)>;
// Sender view, record, group level.
using TuiGridGetGroupStyleEvent =
    std::function<void(TuiGridTableView& sender, TuiCustomGridRecord* record, int32_t level, TuiStyle*& style)>;
// Sender view, group row, column (nullptr for an item without one), summary item.
using TuiGridGetGroupSummaryStyleEvent =
    std::function<void(TuiGridTableView& sender, TuiCustomGridRow* row, TuiGridColumn* column,
                       TuiDataSummaryItem* summaryItem, TuiStyle*& style)>;
// Sender view, column.
using TuiGridGetHeaderStyleEvent =
    std::function<void(TuiGridTableView& sender, TuiGridColumn* column, TuiStyle*& style)>;

// The context of a footer cell request: made for one request.
class TuiGridRowFooterCellPos : public rtl::TObject {
public:
    TuiGridRowFooterCellPos(TuiCustomGridRow* row, TuiGridColumn* column, int32_t footerGroupLevel,
                            TuiDataSummaryItem* summaryItem)
        : Row(row), Column(column), FooterGroupLevel(footerGroupLevel), SummaryItem(summaryItem) {}
    TuiCustomGridRow* Row;           // not owned
    TuiGridColumn* Column;           // not owned
    int32_t FooterGroupLevel;        // -1 for the view footer
    TuiDataSummaryItem* SummaryItem; // not owned; may be nullptr
};

// The context of a group summary request: made for one request.
class TuiGridGroupSummaryInfo : public rtl::TObject {
public:
    TuiGridGroupSummaryInfo(TuiCustomGridRow* row, TuiDataSummaryItem* summaryItem)
        : Row(row), SummaryItem(summaryItem) {}
    TuiCustomGridRow* Row;           // not owned
    TuiDataSummaryItem* SummaryItem; // not owned
};

class TuiGridTableViewStyles : public TuiCustomGridTableViewStyles {
    RTL_DECLARE_CLASS(TuiGridTableViewStyles, TuiCustomGridTableViewStyles)
public:
    static constexpr int32_t vsFilterRowInfoText = 8;
    static constexpr int32_t vsFooter = 9;
    static constexpr int32_t vsGroup = 10;
    static constexpr int32_t vsGroupByBox = 11;
    static constexpr int32_t vsGroupFooterSortedSummary = 12;
    static constexpr int32_t vsGroupSortedSummary = 13;
    static constexpr int32_t vsGroupSummary = 14;
    static constexpr int32_t vsHeader = 15;
    static constexpr int32_t vsNewItemRowInfoText = 16;
    static constexpr int32_t vsIndicator = 17;
    static constexpr int32_t vsPreview = 18;

    // owner is the view, or a style sheet whose set belongs to no view.
    explicit TuiGridTableViewStyles(rtl::TPersistent* owner);
    // Another set's events, then the inherited copy.
    void Assign(const rtl::TPersistent* source) override;
    // The inherited defaults, then those of indices 8 to 18.
    void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) override;

    // A footer cell: a sorted summary item of a group footer takes GroupFooterSortedSummary, anything else the
    // column's footer (the view's without a column).
    void GetFooterCellParams(TuiCustomGridRow* row, TuiGridColumn* column, int32_t footerGroupLevel,
                             TuiDataSummaryItem* summaryItem, TuiDrawParams& params);
    // The view footer: OnGetFooterStyle, OnGetFooterStyleEx and, with a summary item, OnGetFooterSummaryStyle may
    // each name a style, then Footer is resolved.
    void GetFooterParams(TuiCustomGridRow* row, TuiGridColumn* column, int32_t footerGroupLevel,
                         TuiDataSummaryItem* summaryItem, TuiDrawParams& params);
    // OnGetGroupStyle (with the record's level when there is a record), then Group.
    void GetGroupParams(TuiCustomGridRecord* record, int32_t level, TuiDrawParams& params);
    // The group's sorting item takes GroupSortedSummary, an item of a column the column's styles, anything else
    // OnGetGroupSummaryStyle and GroupSummary.
    void GetGroupSummaryCellParams(TuiCustomGridRow* row, TuiDataSummaryItem* summaryItem, TuiDrawParams& params);
    // The group summary of a group row without its column's styles: OnGetGroupSummaryStyle, then GroupSummary.
    void GetGroupSummaryParams(TuiCustomGridRow* row, TuiDataSummaryItem* summaryItem, TuiDrawParams& params);
    // OnGetHeaderStyle, then Header.
    void GetHeaderParams(TuiGridColumn* column, TuiDrawParams& params);
    void GetIndicatorParams(TuiDrawParams& params) { ResolveDrawParams(vsIndicator, nullptr, nullptr, params); }
    // OnGetPreviewStyle, then Preview.
    void GetPreviewParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item, TuiDrawParams& params);

    // Setting an event repaints the view.
    void SetOnGetFooterStyle(TuiGridGetCellStyleEvent handler);
    void SetOnGetFooterStyleEx(TuiGridGetFooterStyleExEvent handler);
    void SetOnGetFooterSummaryStyle(TuiGridGetFooterSummaryStyleEvent handler);
    void SetOnGetGroupStyle(TuiGridGetGroupStyleEvent handler);
    void SetOnGetGroupSummaryStyle(TuiGridGetGroupSummaryStyleEvent handler);
    void SetOnGetHeaderStyle(TuiGridGetHeaderStyleEvent handler);
    void SetOnGetPreviewStyle(TuiGridGetCellStyleEvent handler);

private:
    TuiGridTableView& GridTableView() const;
    void GetGroupDefaults(rtl::TObject* data, TuiDrawParams& params);
    template <class THandler>
    void SetEvent(THandler& field, THandler handler);

    TuiGridGetCellStyleEvent FOnGetFooterStyle;
    TuiGridGetFooterStyleExEvent FOnGetFooterStyleEx;
    TuiGridGetFooterSummaryStyleEvent FOnGetFooterSummaryStyle;
    TuiGridGetGroupStyleEvent FOnGetGroupStyle;
    TuiGridGetGroupSummaryStyleEvent FOnGetGroupSummaryStyle;
    TuiGridGetHeaderStyleEvent FOnGetHeaderStyle;
    TuiGridGetCellStyleEvent FOnGetPreviewStyle;
    // Keeps the sorted group summary's defaults from asking for themselves again.
    bool FProcessingGroupSortedSummary = false;
};

// A named set of table view styles that views fall back on.
class TuiGridTableViewStyleSheet : public TuiCustomStyleSheet {
    RTL_DECLARE_CLASS(TuiGridTableViewStyleSheet, TuiCustomStyleSheet)
public:
    explicit TuiGridTableViewStyleSheet(rtl::TComponent* owner)
        : TuiCustomStyleSheet(owner, TuiGridTableViewStyles::StaticClass()) {}
    TuiGridTableViewStyles& Styles() const {
        return static_cast<TuiGridTableViewStyles&>(TuiCustomStyleSheet::Styles());
    }
};

} // namespace ui
