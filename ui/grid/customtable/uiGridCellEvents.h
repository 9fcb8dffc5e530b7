#pragma once
// The events of a table view's and its items' data cells: a handler draws a cell itself (setting done when it painted
// it, or changing the canvas's colours and font for the default painting), hears a click or double click on a cell
// (setting handled when it took it), changes the text of a cell's hint, or the text a cell shows.

#include "rtl/text/StringTypes.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <functional>

namespace ui {

class TuiCanvas;
class TuiCustomGridRecord;
class TuiCustomGridTableItem;
class TuiCustomGridTableView;
class TuiGridTableDataCellViewInfo;

// Sender view, canvas, the cell, done.
using TuiGridTableDataCellCustomDrawEvent = std::function<void(TuiCustomGridTableView& sender, TuiCanvas& canvas,
                                                               TuiGridTableDataCellViewInfo* cell, bool& done)>;
// Sender view, the cell, the button and shift state of the press, handled.
using TuiGridCellClickEvent = std::function<void(TuiCustomGridTableView& sender, TuiGridTableDataCellViewInfo* cell,
                                                 vcl::TMouseButton button, vcl::TShiftState shift, bool& handled)>;
// Sender item, the record, the cell, the pointer (the site's coordinates), the hint's text, whether it breaks into
// lines, and where its text lies.
using TuiGridGetCellHintEvent =
    std::function<void(TuiCustomGridTableItem& sender, TuiCustomGridRecord* record, TuiGridTableDataCellViewInfo* cell,
                       vcl::TPoint mousePos, rtl::UnicodeString& text, bool& multiLine, vcl::TRect& textRect)>;
// Sender item, the record (nullptr: none), the text it shows.
using TuiGridGetDisplayTextEvent =
    std::function<void(TuiCustomGridTableItem& sender, TuiCustomGridRecord* record, rtl::UnicodeString& text)>;
// Sender view, the item that had the focus and the one that has it (either nullptr).
using TuiGridFocusedItemChangedEvent = std::function<void(
    TuiCustomGridTableView& sender, TuiCustomGridTableItem* prevFocusedItem, TuiCustomGridTableItem* focusedItem)>;

} // namespace ui
