// The calendar driven by the user: keys that move the chosen date, presses on the days, the arrows and the month
// caption, the wheel over the captions and the hot caption under the pointer.

#include "rtl/WindowsApi.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/editors/calendar/uiCalendar.h"
#include "ui/editors/calendar/uiCalendarDays.h"
#include "ui/editors/calendar/uiMonthListBox.h"

#include <optional>

namespace ui {

namespace {

bool IsExactly(vcl::TShiftState shift, vcl::TShiftStateFlag modifier) {
    const vcl::TShiftState modifiers = shift * vcl::TShiftState{vcl::ssShift, vcl::ssAlt, vcl::ssCtrl};
    return modifiers == vcl::TShiftState{modifier};
}

// The step a key takes the chosen date.
std::optional<TuiCalendarDateStep> KeyStep(uint16_t key, vcl::TShiftState shift) {
    switch (key) {
    case VK_LEFT:
        return cdsPreviousDay;
    case VK_RIGHT:
        return cdsNextDay;
    case VK_UP:
        return IsExactly(shift, vcl::ssAlt) ? std::nullopt : std::optional(cdsPreviousWeek);
    case VK_DOWN:
        return IsExactly(shift, vcl::ssAlt) ? std::nullopt : std::optional(cdsNextWeek);
    case VK_PRIOR:
        return cdsPreviousMonth;
    case VK_NEXT:
        return cdsNextMonth;
    case VK_HOME:
        return IsExactly(shift, vcl::ssCtrl) ? cdsMonthStart : cdsWeekStart;
    case VK_END:
        return IsExactly(shift, vcl::ssCtrl) ? cdsMonthEnd : cdsWeekEnd;
    default:
        return std::nullopt;
    }
}

} // namespace

void TuiCustomCalendar::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (const std::optional<TuiCalendarDateStep> step = KeyStep(key, shift)) {
        ChooseDate(CalendarSteppedDate(*GetDefaultCalendarTable(), FCurrentDate, *step));
    }
    TuiControl::KeyDown(key, shift);
}

vcl::TPoint TuiCustomCalendar::CursorClientPos() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    return ScreenToClient({cursor.x, cursor.y});
}

TuiCalendarHotCaption TuiCustomCalendar::CaptionAt(vcl::TPoint point) const {
    if (FMonthCaptionRect.Contains(point)) {
        return chcMonth;
    }
    return FYearCaptionRect.Contains(point) ? chcYear : chcNone;
}

void TuiCustomCalendar::SetHotCaption(TuiCalendarHotCaption value) {
    if (value == FHotCaption) {
        return;
    }
    for (const TuiCalendarHotCaption caption : {FHotCaption, value}) {
        if (caption != chcNone) {
            InvalidateRect(caption == chcMonth ? FMonthCaptionRect : FYearCaptionRect, false);
        }
    }
    FHotCaption = value;
}

void TuiCustomCalendar::UpdateHotCaption() {
    if (IsMonthListShowing() || GetCapture() != nullptr) {
        return;
    }
    SetHotCaption(HandleAllocated() ? CaptionAt(CursorClientPos()) : chcNone);
}

void TuiCustomCalendar::MouseEnter(vcl::TControl* control) {
    TuiControl::MouseEnter(control);
    StartMouseTracking(this, GetBounds(), this);
    UpdateHotCaption();
}

void TuiCustomCalendar::MouseLeave(vcl::TControl* control) {
    TuiControl::MouseLeave(control);
    StopMouseTracking(this);
    UpdateHotCaption();
}

void TuiCustomCalendar::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseDown(button, shift, x, y);
    if (button == vcl::mbLeft) {
        const vcl::TPoint point{x, y};
        const rtl::TDateTime date = DateAtPoint(point);
        if (date != NullDate) {
            SetCurrentDate(false, date);
        } else if (const int32_t arrow = ArrowAt(point); arrow >= 0) {
            StepBy(static_cast<TuiCalendarArrow>(arrow));
            FStepTimer->SetEnabled(true);
        } else {
            const vcl::TRect caption{FMonthCaptionRect.Left, FMonthCaptionRect.Top + BorderWidth(),
                                     FMonthCaptionRect.Right, FMonthCaptionRect.Bottom - 1};
            if (caption.Contains(point)) {
                FMonthList->PopupFocused(this);
            }
        }
    }
    UpdateHotCaption();
}

int32_t TuiCustomCalendar::ArrowAt(vcl::TPoint point) const {
    const int32_t arrowCount = FArrowsForYear ? 4 : 2;
    for (int32_t arrow = 0; arrow < arrowCount; ++arrow) {
        if (FArrowRects[arrow].Contains(point)) {
            return arrow;
        }
    }
    return -1;
}

// Each tick steps the arrow under the pointer once; the pointer away from the arrows pauses the stepping.
void TuiCustomCalendar::StepUnderMouse() {
    if (const int32_t arrow = ArrowAt(CursorClientPos()); arrow >= 0) {
        StepBy(static_cast<TuiCalendarArrow>(arrow));
    }
}

void TuiCustomCalendar::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseMove(shift, x, y);
    if (shift.Contains(vcl::ssLeft) && !FStepTimer->Enabled()) {
        SetCurrentDate(false, DateAtPoint({x, y}));
    }
    StopMouseTracking(this);
    StartMouseTracking(this, GetBounds(), this);
    UpdateHotCaption();
}

void TuiCustomCalendar::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseUp(button, shift, x, y);
    const bool stepping = FStepTimer->Enabled();
    FStepTimer->SetEnabled(false);
    UpdateHotCaption();
    // A press on an arrow ends with the release.
    if (stepping || button != vcl::mbLeft) {
        return;
    }
    const vcl::TPoint point{x, y};
    if (FKind == ckDateTime) {
        if (FCurrentDate != NullDate) {
            SetMonthStart(rtl::DateOf(FCurrentDate));
        }
        return;
    }
    if (!ClientRect().Contains(point) || CaptionAt(point) != chcNone) {
        return;
    }
    if (DateAtPoint(point) != NullDate) {
        FireDateChosen();
    }
    ClosePopup(this, pcrAccept);
}

void TuiCustomCalendar::DblClick() {
    TuiControl::DblClick();
    if (FKind != ckDateTime) {
        return;
    }
    const rtl::TDateTime date = DateAtPoint(MouseDownPos());
    if (date == NullDate) {
        return;
    }
    ChooseDate(date);
    FireDateChosen();
    ClosePopup(this, pcrAccept);
}

// Over the month caption the wheel steps months, over the year caption years; a turn away from the user goes back.
bool TuiCustomCalendar::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (TuiControl::DoMouseWheel(shift, wheelDelta, mousePos) || IsMonthListShowing()) {
        return true;
    }
    const TuiCalendarHotCaption caption = CaptionAt(ScreenToClient(mousePos));
    if (caption == chcNone || wheelDelta == 0) {
        return false;
    }
    const bool back = wheelDelta > 0;
    if (caption == chcMonth) {
        StepBy(back ? caPreviousMonth : caNextMonth);
    } else {
        StepBy(back ? caPreviousYear : caNextYear);
    }
    return true;
}

} // namespace ui
