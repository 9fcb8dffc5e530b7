#include "ui/editors/calendar/uiMonthListEntries.h"

#include "ui/editors/calendar/uiCalendarDays.h"

#include <algorithm>

namespace ui {

bool MonthListScrolls(bool arrowsForYear, bool yearsInMonthList) {
    return !arrowsForYear || yearsInMonthList;
}

TuiMonthListEntries::TuiMonthListEntries(const TuiCustomCalendarTable& table, rtl::TDateTime monthStart, bool scrolling)
    : FTable(table), FTopParts(table.DateTimeToCalendarDate(monthStart)), FScrolling(scrolling) {
    if (scrolling) {
        FItemCount = MonthListScrollingItemCount;
        FTopIndex = -(MonthListScrollingItemCount / 2);
    } else {
        FItemCount = table.MonthsInYearOfEra(FTopParts.Era, FTopParts.Year);
        FTopIndex = 1 - FTopParts.Month;
    }
    SkipClampedMonths();
}

rtl::TDateTime TuiMonthListEntries::ShiftedMonth(int32_t offset) const {
    return FTable.AddMonthsTo(FTopParts, offset);
}

// Months before the earliest supported one all come out as that month, and months after the latest as that one: the
// list starts after the repeats at its top, and moves up as far as repeats stand at its bottom.
void TuiMonthListEntries::SkipClampedMonths() {
    if (FTopIndex < 0) {
        const rtl::TDateTime first = ShiftedMonth(FTopIndex);
        int32_t repeated = 0;
        for (int32_t offset = FTopIndex + 1; offset <= 0; ++offset) {
            if (ShiftedMonth(offset) == first) {
                ++repeated;
            }
        }
        FTopIndex += repeated;
    }
    while (FItemCount > 1 && EntryDate(FItemCount - 1) == EntryDate(FItemCount - 2) && EntryDate(-1) != EntryDate(0)) {
        --FTopIndex;
    }
}

bool TuiMonthListEntries::Scroll(int32_t direction) {
    const int32_t edge = direction < 0 ? 0 : FItemCount - 1;
    if (EntryDate(edge + direction) == EntryDate(edge)) {
        return false;
    }
    FTopIndex += direction;
    return true;
}

rtl::TDateTime TuiMonthListEntries::EntryDate(int32_t index) const {
    return CalendarMonthStartOf(FTable, ShiftedMonth(FTopIndex + index));
}

bool TuiMonthListEntries::HasText(int32_t index) const {
    const TuiCalendarDateTime parts = FTable.DateTimeToCalendarDate(EntryDate(index));
    return FTable.IsValidYear(parts.Era, parts.Year);
}

std::optional<rtl::TDateTime> TuiMonthListEntries::HotDate(int32_t hotIndex) const {
    if (hotIndex < 0) {
        return std::nullopt;
    }
    return EntryDate(hotIndex);
}

std::optional<TuiMonthListScroll> MonthListScrollAt(int32_t y, int32_t clientHeight, int32_t itemHeight) {
    int32_t distance = 0;
    int32_t direction = 0;
    if (y < 0) {
        distance = -y;
        direction = -1;
    } else if (y >= clientHeight) {
        distance = y + 1 - clientHeight;
        direction = 1;
    } else {
        return std::nullopt;
    }
    const int32_t speed = std::min(distance / std::max(itemHeight, 1), MonthListScrollSpeedCount - 1);
    return TuiMonthListScroll{direction, MonthListScrollIntervals[speed]};
}

} // namespace ui
