// The calendar's layout: the sizes its font gives, the size it takes, where its buttons, clock and time editor go, and
// the rectangles of its header, captions, arrows and days.

#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/looks/uiOffice11Painter.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateDisplay.h"
#include "ui/editors/calendar/uiCalendar.h"
#include "ui/editors/calendar/uiCalendarDays.h"
#include "ui/editors/calendar/uiClock.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/spin/uiTimeEdit.h"

#include <algorithm>

namespace ui {

namespace {

constexpr TCalendarButton CalendarButtonOrder[] = {btnToday, btnNow, btnClear, btnOk};

vcl::TRect OffsetBy(const vcl::TRect& rect, vcl::TPoint offset) {
    return vcl::OffsetRect(rect, offset.X, offset.Y);
}

} // namespace

bool TuiCustomCalendar::IsOffice11() const {
    return GetPainter()->StyleKind() == pskOffice11;
}

int32_t TuiCustomCalendar::ClockGap() const {
    return Font().Size() / 2;
}

vcl::TPoint TuiCustomCalendar::DateTimeAreaOffset() const {
    const int32_t offset = MulDiv(Font().Size(), 3, 4);
    return {offset, offset};
}

// Left, top and right; the Office 2003 look frames the header of the date kind inside them.
int32_t TuiCustomCalendar::TopMargin() const {
    return FKind == ckDate && IsOffice11() ? 2 : 0;
}

int32_t TuiCustomCalendar::BorderWidth() const {
    return FKind == ckDateTime || !FFlat ? 1 : 0;
}

int32_t TuiCustomCalendar::WeekNumberColumnWidth() const {
    return FWeekNumbers ? FMetrics.WeekNumberWidth + 3 + 1 + 1 : 0;
}

void TuiCustomCalendar::UpdateTabStops() {
    const bool dateTime = FKind == ckDateTime;
    for (TuiButton* button : FButtons) {
        button->SetTabStop(dateTime);
    }
    FTimeEdit->SetTabStop(dateTime);
    TuiControlKeys keys = Keys();
    if (dateTime) {
        keys.Exclude(kTab);
    } else {
        keys.Include(kTab);
    }
    SetKeys(keys);
}

void TuiCustomCalendar::CalculateMetrics() {
    TuiCanvas& canvas = DrawingCanvas();
    const int32_t fontSize = Font().Size();
    vcl::TFont numbers;
    numbers.Assign(&Font());
    numbers.SetSize(MulDiv(fontSize, 2, 3));
    canvas.SetFont(numbers);
    FMetrics.WeekNumberWidth = canvas.GetTextWidth(u"99");
    canvas.SetFont(Font());
    const vcl::TSize zero = canvas.MeasureText(u"0");
    FMetrics.ColumnWidth = 3 * zero.cx;
    FMetrics.SideMargin = 2 * zero.cx;
    FMetrics.RowHeight = zero.cy + 2;
    FMetrics.HeaderHeight = zero.cy + 5 - (FKind == ckDate && IsOffice11() ? 1 : 0);
    FMetrics.DayNamesHeight = FMetrics.RowHeight + 1;
    int32_t widestCaption = 0;
    for (const TCalendarButton button : CalendarButtonOrder) {
        if (IsButtonShown(button)) {
            widestCaption = std::max(widestCaption, canvas.GetTextWidth(FButtons[button]->Caption()));
        }
    }
    FMetrics.ButtonWidth = widestCaption + FMetrics.ColumnWidth;
    FMetrics.ButtonBarPadding = fontSize / 2;
    const int32_t buttonTextHeight = MulDiv(canvas.GetTextHeight(u"Wg"), 20, 13);
    FMetrics.ButtonHeight = buttonTextHeight + 1;
    if (FKind == ckDateTime) {
        const int32_t gap = MulDiv(fontSize, 5, 4);
        FMetrics.ButtonBarHeight = gap + 1 + (gap % 2 != 0 ? 1 : 0) + FMetrics.ButtonHeight;
    } else {
        FMetrics.ButtonBarHeight = MulDiv(fontSize, 3, 4) + buttonTextHeight + FMetrics.ButtonBarPadding;
    }
}

int32_t TuiCustomCalendar::TimeEditWidth() {
    TuiCanvas& canvas = DrawingCanvas();
    canvas.SetFont(Font());
    const vcl::TSize edit = FTimeEdit->TimeEditProperties().GetEditSize(canvas, FTimeEdit->ActiveEditStyle(), false,
                                                                        rtl::Variant::FromDateTime(0), {});
    return edit.cx + canvas.GetTextWidth(u"0");
}

void TuiCustomCalendar::Recalculate() {
    if (!HandleAllocated()) {
        return;
    }
    UpdateTabStops();
    CalculateMetrics();
    FMetricsValid = true;
    const vcl::TSize size = GetOptimalSize();
    SetBounds(Left(), Top(), size.cx, size.cy);
    PlaceChildren();
    CalculateRects();
    Invalidate();
}

// The clock's size follows from the optimal height, which does not depend on it, so that laying the date-time kind
// out again gives the same size and places.
vcl::TSize TuiCustomCalendar::GetOptimalSize() {
    if (!FMetricsValid) {
        return {Width(), Height()};
    }
    const vcl::TPoint offset = DateTimeAreaOffset();
    int32_t height = FMetrics.DayNamesHeight + CalendarGridRows * FMetrics.RowHeight + FMetrics.HeaderHeight + 1;
    if (HasButtonBar()) {
        height += FMetrics.ButtonBarHeight;
    }
    height += FKind == ckDateTime ? offset.Y + FMetrics.HeaderHeight + ClockGap() : 1;
    height += TopMargin();
    FMetrics.CalendarWidth =
        WeekNumberColumnWidth() + 2 * FMetrics.SideMargin + CalendarGridColumns * FMetrics.ColumnWidth;
    int32_t width = FMetrics.CalendarWidth;
    if (FKind == ckDateTime) {
        const int32_t padding = (FMetrics.ButtonBarHeight - FMetrics.ButtonHeight - 1) / 2;
        FMetrics.ClockSize =
            height - (FMetrics.HeaderHeight + offset.Y + FMetrics.ButtonBarHeight + FTimeEdit->Height() + 3 * padding);
        width += 2 * offset.X + FMetrics.ColumnWidth + 2 * padding + std::max(FMetrics.ClockSize, TimeEditWidth());
    }
    const int32_t buttonsWidth =
        FMetrics.ColumnWidth + (FMetrics.ButtonWidth + FMetrics.ColumnWidth) * ShownButtonCount();
    FMetrics.ButtonsIndent = 0;
    if (width < buttonsWidth) {
        FMetrics.ButtonsIndent = (buttonsWidth - width) / (FKind == ckDateTime ? 4 : 2);
        width = buttonsWidth;
    }
    return {width, height};
}

// Whatever size is asked for, the calendar takes its own.
bool TuiCustomCalendar::CanResize(int32_t& newWidth, int32_t& newHeight) {
    if (FMetricsValid) {
        const vcl::TSize size = GetOptimalSize();
        newWidth = size.cx;
        newHeight = size.cy;
    }
    return TuiControl::CanResize(newWidth, newHeight);
}

// Children.

void TuiCustomCalendar::PlaceChildren() {
    for (const TCalendarButton button : CalendarButtonOrder) {
        FButtons[button]->SetVisible(IsButtonShown(button));
    }
    FClock->SetVisible(FKind == ckDateTime);
    FTimeEdit->SetVisible(FKind == ckDateTime);
    if (FKind == ckDateTime) {
        PlaceDateTimeButtons();
    } else {
        PlaceDateButtons();
    }
}

// Today and Clear share the bar in three equal gaps; one of them alone is centred.
void TuiCustomCalendar::PlaceDateButtons() {
    const int32_t width = ClientWidth();
    const int32_t top = ClientHeight() + FMetrics.ButtonBarPadding - FMetrics.ButtonBarHeight;
    const bool today = IsButtonShown(btnToday);
    const bool clear = IsButtonShown(btnClear);
    const auto place = [&](TCalendarButton button, int32_t left) {
        FButtons[button]->SetBounds(left, top, FMetrics.ButtonWidth + 1, FMetrics.ButtonHeight);
    };
    if (today && clear) {
        const int32_t gap = (width - 2 * FMetrics.ButtonWidth) / 3;
        place(btnToday, gap);
        place(btnClear, width - gap - FMetrics.ButtonWidth - 1);
        return;
    }
    const int32_t centred = (width - FMetrics.ButtonWidth) / 2;
    if (today) {
        place(btnToday, centred);
    } else if (clear) {
        place(btnClear, centred);
    }
}

void TuiCustomCalendar::PlaceDateTimeButtons() {
    const int32_t width = ClientWidth();
    const int32_t height = ClientHeight();
    const int32_t padding = (FMetrics.ButtonBarHeight - FMetrics.ButtonHeight - 1) / 2;
    const int32_t top = height - FMetrics.ButtonBarHeight + padding + 1;
    const int32_t gap = MulDiv(Font().Size(), 5, 4);
    std::vector<TuiButton*> shown;
    for (const TCalendarButton button : CalendarButtonOrder) {
        if (IsButtonShown(button)) {
            shown.push_back(FButtons[button]);
        }
    }
    const int32_t lastLeft = width - gap - FMetrics.ButtonWidth - 1;
    for (size_t index = 0; index < shown.size(); ++index) {
        int32_t left = gap + static_cast<int32_t>(index) * (gap + FMetrics.ButtonWidth + 1);
        if (index + 1 == shown.size()) {
            left = lastLeft;
        } else if (shown.size() == 2) {
            left = lastLeft - gap - FMetrics.ButtonWidth - 1;
        }
        shown[index]->SetBounds(left, top, FMetrics.ButtonWidth, FMetrics.ButtonHeight);
    }
    const vcl::TPoint offset = DateTimeAreaOffset();
    FClock->SetBounds(width - offset.X - padding - FMetrics.ClockSize - FMetrics.ButtonsIndent,
                      offset.Y + FMetrics.HeaderHeight + padding, FMetrics.ClockSize, FMetrics.ClockSize);
    const int32_t editWidth = TimeEditWidth();
    FTimeEdit->SetBounds(
        width - (offset.X + FMetrics.ClockSize + 2 * padding) / 2 - editWidth / 2 - FMetrics.ButtonsIndent,
        height - FMetrics.ButtonBarHeight - FTimeEdit->Height() - padding, editWidth, FTimeEdit->Height());
    FTimeEdit->SetSelStart(0);
}

// Rectangles.

void TuiCustomCalendar::CalculateRects() {
    const int32_t border = BorderWidth();
    const int32_t margin = TopMargin();
    const bool dateTime = FKind == ckDateTime;
    FDateTimeTextRect = {};
    if (dateTime) {
        FDateTimeTextRect = {0, 0, Width(), FMetrics.HeaderHeight};
        if (IsOffice11()) {
            FDateTimeTextRect = {2, 2, FDateTimeTextRect.Right - 2, FDateTimeTextRect.Bottom};
        }
    }
    const int32_t top = margin + border;
    const int32_t bottom = top + FMetrics.HeaderHeight - 1 - border;
    CalculateArrowRects(top, bottom);
    FHeaderRect = {0, top, dateTime ? FMetrics.CalendarWidth : Width(), bottom};
    FBodyRect = {0, bottom + 1, FMetrics.CalendarWidth,
                 bottom + 1 + FMetrics.DayNamesHeight + CalendarGridRows * FMetrics.RowHeight + 1};
    vcl::TPoint shift{FMetrics.ButtonsIndent, 0};
    if (dateTime) {
        const vcl::TPoint offset = DateTimeAreaOffset();
        shift = {shift.X + offset.X, offset.Y + FDateTimeTextRect.Bottom};
        FHeaderRect = OffsetBy(FHeaderRect, shift);
    }
    for (vcl::TRect& arrow : FArrowRects) {
        arrow = OffsetBy(arrow, shift);
    }
    FBodyRect = OffsetBy(FBodyRect, shift);
    FMonthCaptionRect = OffsetBy(FMonthCaptionRect, shift);
    FYearCaptionRect = OffsetBy(FYearCaptionRect, shift);
}

// The arrows stand at the ends of the header; with year arrows the month's pair takes a share of the free width in
// proportion to the widest month name, the year's pair the rest.
void TuiCustomCalendar::CalculateArrowRects(int32_t top, int32_t bottom) {
    const int32_t border = BorderWidth();
    const int32_t margin = TopMargin();
    const int32_t arrowWidth = FMetrics.ColumnWidth - 2;
    const int32_t left = margin + border;
    const int32_t right = FMetrics.CalendarWidth - margin - border;
    FArrowRects[caPreviousMonth] = {left, top, left + arrowWidth, bottom};
    if (!FArrowsForYear) {
        FArrowRects[caNextMonth] = {right - arrowWidth, top, right, bottom};
        FArrowRects[caPreviousYear] = {};
        FArrowRects[caNextYear] = {};
        FMonthCaptionRect = {FArrowRects[caPreviousMonth].Right, top, FArrowRects[caNextMonth].Left, bottom};
        FYearCaptionRect = {};
        return;
    }
    const TuiCustomCalendarTable& table = *GetDefaultCalendarTable();
    TuiCanvas& canvas = DrawingCanvas();
    canvas.SetFont(Font());
    const TuiCalendarDateTime parts = table.DateTimeToCalendarDate(FMonthStart);
    int32_t widestMonth = 0;
    int32_t widestYear = 0;
    for (int32_t i = 1; i <= table.MonthsInYearOfEra(parts.Era, parts.Year); ++i) {
        widestMonth =
            std::max(widestMonth, canvas.GetTextWidth(CalendarMonthName(&table, table.AddMonths(FMonthStart, i))));
        widestYear =
            std::max(widestYear, canvas.GetTextWidth(CalendarYearText(&table, table.AddYears(FMonthStart, i))));
    }
    const int32_t free =
        FMetrics.CalendarWidth - 2 * border - 2 * margin - widestMonth - widestYear - 4 * FMetrics.ColumnWidth + 8;
    const int32_t nextMonthLeft = FArrowRects[caPreviousMonth].Right + widestMonth +
                                  MulDiv(free, widestMonth, std::max(widestMonth + widestYear, 1));
    FArrowRects[caNextMonth] = {nextMonthLeft, top, nextMonthLeft + arrowWidth, bottom};
    FArrowRects[caPreviousYear] = {FArrowRects[caNextMonth].Right, top, FArrowRects[caNextMonth].Right + arrowWidth,
                                   bottom};
    FArrowRects[caNextYear] = {right - arrowWidth, top, right, bottom};
    FMonthCaptionRect = {FArrowRects[caPreviousMonth].Right, top, FArrowRects[caNextMonth].Left, bottom};
    FYearCaptionRect = {FArrowRects[caPreviousYear].Right, top, FArrowRects[caNextYear].Left, bottom};
}

// The days' area: below the weekday names, right of the week numbers.
vcl::TRect TuiCustomCalendar::GridRect() const {
    const int32_t left = FBodyRect.Left + WeekNumberColumnWidth() + FMetrics.SideMargin;
    const int32_t top = FBodyRect.Top + FMetrics.DayNamesHeight;
    return {left, top, left + CalendarGridColumns * FMetrics.ColumnWidth, top + CalendarGridRows * FMetrics.RowHeight};
}

vcl::TRect TuiCustomCalendar::CellRect(int32_t column, int32_t row) const {
    const vcl::TRect grid = GridRect();
    const int32_t left = grid.Left + column * FMetrics.ColumnWidth;
    const int32_t top = grid.Top + row * FMetrics.RowHeight;
    return {left, top, left + FMetrics.ColumnWidth, top + FMetrics.RowHeight};
}

rtl::TDateTime TuiCustomCalendar::DateAtPoint(vcl::TPoint point) const {
    const vcl::TRect grid = GridRect();
    if (!FMetricsValid || !grid.Contains(point)) {
        return NullDate;
    }
    return CellDate((point.X - grid.Left) / FMetrics.ColumnWidth, (point.Y - grid.Top) / FMetrics.RowHeight);
}

} // namespace ui
