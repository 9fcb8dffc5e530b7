#pragma once
// The entries of the month list a calendar opens on its month caption (portable). The list either scrolls, seven
// months with the shown one in the middle, dragged through with the button held, or is fixed to the months of the
// shown year. Entries count in months from the shown month's start; near the earliest supported month, where the
// calendar table clamps earlier months to it, the list begins later so that no month is listed twice.

#include "rtl/time/DateTime.h"
#include "ui/data/dates/uiCalendarTable.h"

#include <cstdint>
#include <optional>

namespace ui {

// The scrolling list holds this many entries.
inline constexpr int32_t MonthListScrollingItemCount = 7;
// The dragging distances, in whole entries beyond the list, at which the scrolling speeds up, and the interval of
// each speed.
inline constexpr int32_t MonthListScrollSpeedCount = 4;
inline constexpr uint32_t MonthListScrollIntervals[MonthListScrollSpeedCount] = {500, 250, 100, 50};

// The list scrolls unless the calendar shows year arrows and keeps years out of the list.
bool MonthListScrolls(bool arrowsForYear, bool yearsInMonthList);

// The entries of one opening of the list.
class TuiMonthListEntries {
public:
    // For the month that begins on monthStart, in table's calendar (not owned; it outlives the entries).
    TuiMonthListEntries(const TuiCustomCalendarTable& table, rtl::TDateTime monthStart, bool scrolling);

    bool Scrolling() const { return FScrolling; }
    int32_t ItemCount() const { return FItemCount; }
    // The month offset of the first entry from the shown month.
    int32_t TopIndex() const { return FTopIndex; }
    // Moves the entries by one month, up (-1) or down (+1); false, with nothing moved, where the move would list a
    // month twice (before the earliest or after the latest supported month, which the table clamps to).
    bool Scroll(int32_t direction);
    // The first day of the month the entry at index (0 the first entry) shows.
    rtl::TDateTime EntryDate(int32_t index) const;
    // Whether the table holds the entry's year, so that the entry has a text.
    bool HasText(int32_t index) const;
    // The date the list chooses with hotIndex hot; none for -1.
    std::optional<rtl::TDateTime> HotDate(int32_t hotIndex) const;

private:
    // The date the months offset from the shown month lead to.
    rtl::TDateTime ShiftedMonth(int32_t offset) const;
    void SkipClampedMonths();

    const TuiCustomCalendarTable& FTable;
    TuiCalendarDateTime FTopParts;
    bool FScrolling;
    int32_t FItemCount;
    int32_t FTopIndex;
};

// How a drag outside the list scrolls it: the direction (-1 up, +1 down) and the timer's interval.
struct TuiMonthListScroll {
    int32_t Direction = 0;
    uint32_t Interval = 0;
};
// The scrolling for the pointer at y (client coordinates) of a list of clientHeight with entries of itemHeight: none
// while the pointer is level with the list.
std::optional<TuiMonthListScroll> MonthListScrollAt(int32_t y, int32_t clientHeight, int32_t itemHeight);

} // namespace ui
