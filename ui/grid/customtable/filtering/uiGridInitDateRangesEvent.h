#pragma once
// The event through which a view and an item add date ranges of their own after an item's ranges were set up.

#include <functional>

namespace ui {

class TuiCustomGridTableItem;
class TuiGridDateRanges;

// Sender (the item whose ranges were set up), its date ranges, to which the handler may add ranges of its own.
using TuiGridInitDateRangesEvent = std::function<void(TuiCustomGridTableItem& sender, TuiGridDateRanges& dateRanges)>;

} // namespace ui
