#pragma once
// A table's scrolling rules that need no window: how many records a page shows from a record down or up to
// it, the highest top record that still fills the page, the top record a wanted one is clamped to, the tops the page
// keys scroll to, and the horizontal position clamped to the data width.

#include <span>

namespace ui {

// The records shown whole from first down (or from first up) in contentHeight; when not even one is whole, that one.
// 0 without records, without height or for a first record outside the records. A height below 1 counts as 1.
int PageVisibleRecordCount(std::span<const int> recordHeights, int contentHeight, int first, bool downward);

// The record count less the records a page shows up to the last record: the highest top that fills the page.
int MaxTopRecordIndex(int recordCount, int fittingUpToLast);

// A negative top becomes 0; a top past the records, or one whose page would not be filled, the highest that fills it.
int ClampTopRecordIndex(int value, int maxTopRecordIndex);

// Page down moves the top by the visible records less one, at least one, so the last visible record stays in view.
int PageDownTopRecordIndex(int topRecordIndex, int visibleCount);
// Page up moves the top so that the old top becomes the last visible record (at least one record up), given how many
// records a page shows up to the old top; at the first record nothing moves.
int PageUpTopRecordIndex(int topRecordIndex, int fittingUpward);

// The horizontal position lies in 0 .. data width less client width (0 when the data is narrower).
int ClampLeftPos(int value, int dataWidth, int clientWidth);

} // namespace ui
