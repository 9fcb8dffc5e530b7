#pragma once
// The event types of a table view of columns and of its columns: column notifications, a data cell's height, the
// custom drawing of headers, footer cells, group cells, group summary cells and indicator cells (a handler sets done
// when it drew the cell itself), and the comparison that decides whether two vertically adjacent cells merge.

#include "rtl/variants/Variant.h"

#include <cstdint>
#include <functional>

namespace rtl {
class TObject;
}

namespace ui {

class TuiCanvas;
class TuiCustomEditProperties;
class TuiCustomGridCellViewInfo;
class TuiCustomGridRecord;
class TuiCustomGridRow;
class TuiDataSummaryItem;
class TuiGridColumn;
class TuiGridColumnHeaderViewInfo;
class TuiGridDataCellViewInfo;
class TuiGridTableCellViewInfo;
class TuiGridTableView;

// Sender view, column.
using TuiGridColumnEvent = std::function<void(TuiGridTableView& sender, TuiGridColumn* column)>;
// Sender view, the record, its column, the data cell (not yet laid out), the cell's measured height, which the
// handler may change.
using TuiGridGetCellHeightEvent =
    std::function<void(TuiGridTableView& sender, TuiCustomGridRecord* record, TuiGridColumn* column,
                       TuiGridDataCellViewInfo* cell, int32_t& height)>;
// Sender column.
using TuiGridColumnNotifyEvent = std::function<void(TuiGridColumn& sender)>;
using TuiGridTableViewNotifyEvent = std::function<void(TuiGridTableView& sender)>;
// Sender view, canvas, the header (or footer) cell, done.
using TuiGridColumnCustomDrawHeaderEvent =
    std::function<void(TuiGridTableView& sender, TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done)>;
// Sender view, canvas, the group cell, done.
using TuiGridTableCellCustomDrawEvent =
    std::function<void(TuiGridTableView& sender, TuiCanvas& canvas, TuiGridTableCellViewInfo* viewInfo, bool& done)>;
// Sender view, canvas, the indicator cell, done.
using TuiGridIndicatorCellCustomDrawEvent =
    std::function<void(TuiGridTableView& sender, TuiCanvas& canvas, TuiCustomGridCellViewInfo* viewInfo, bool& done)>;
// Sender (the view or the column), canvas, group row, column (nullptr for an item without one), summary item, the
// summary cell, done.
using TuiGridGroupSummaryCellCustomDrawEvent =
    std::function<void(rtl::TObject& sender, TuiCanvas& canvas, TuiCustomGridRow* row, TuiGridColumn* column,
                       TuiDataSummaryItem* summaryItem, TuiCustomGridCellViewInfo* viewInfo, bool& done)>;
// Sender column, the two cells' properties and values; the handler may change equal.
using TuiGridColumnCompareValuesEvent =
    std::function<void(TuiGridColumn& sender, TuiCustomEditProperties* properties1, const rtl::Variant& value1,
                       TuiCustomEditProperties* properties2, const rtl::Variant& value2, bool& equal)>;
// The same with the two cells' rows.
using TuiGridColumnCompareRowValuesEvent = std::function<void(
    TuiGridColumn& sender, TuiCustomGridRow* row1, TuiCustomEditProperties* properties1, const rtl::Variant& value1,
    TuiCustomGridRow* row2, TuiCustomEditProperties* properties2, const rtl::Variant& value2, bool& equal)>;

} // namespace ui
