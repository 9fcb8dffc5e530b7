// The calendar's state: its children, settings, the month shown and the date chosen and the date buttons.

#include "ui/editors/calendar/uiCalendar.h"

#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/editors/calendar/uiCalendarDays.h"
#include "ui/editors/calendar/uiClock.h"
#include "ui/editors/calendar/uiMonthListBox.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/spin/uiTimeEdit.h"

#include <cmath>
#include <utility>

namespace ui {

namespace {

// A date with a time of day added, the time taking the date's sign (before 30 December 1899 the time is the
// absolute fraction).
rtl::TDateTime WithTimeOfDay(rtl::TDateTime date, rtl::TDateTime time) {
    return date < 0 ? date - time : date + time;
}

} // namespace

TuiCustomCalendar::TuiCustomCalendar(rtl::TComponent* owner)
    : TuiControl(owner), FStepTimer(std::make_unique<TuiTimer>(nullptr)) {
    vcl::TControlStyle style = ControlStyle();
    style.Include(vcl::csCaptureMouse);
    style.Include(vcl::csOpaque);
    style.Exclude(vcl::csClickEvents);
    style.Exclude(vcl::csDoubleClicks);
    SetControlStyle(style);
    FCurrentDate = ClockToday();
    FMonthStart = CalendarMonthStartOf(*GetDefaultCalendarTable(), FCurrentDate);
    SetBounds(Left(), Top(), 20, 20);
    FStepTimer->SetEnabled(false);
    FStepTimer->SetInterval(StepInterval);
    FStepTimer->SetOnTimer([this](rtl::TObject*) { StepUnderMouse(); });
    FMonthList = new TuiMonthListBox(this);
    SetKeys({kAll, kArrows, kChars, kTab});
    CreateChildren();
}

TuiCustomCalendar::~TuiCustomCalendar() {
    FStepTimer.reset();
    StopMouseTracking(this);
    rtl::TComponent::Free(std::exchange(FMonthList, nullptr));
}

void TuiCustomCalendar::CreateChildren() {
    struct TButtonPlace {
        TCalendarButton Button;
        int32_t TabOrder;
    };
    for (const TButtonPlace place :
         {TButtonPlace{btnToday, 1}, TButtonPlace{btnNow, 2}, TButtonPlace{btnClear, 3}, TButtonPlace{btnOk, 4}}) {
        auto* button = new TuiButton(this);
        button->SetTabOrder(place.TabOrder);
        button->SetTag(place.Button);
        button->SetDefault(place.Button == btnOk);
        button->SetOnClick([this](rtl::TObject* sender) { ButtonClick(sender); });
        button->LookAndFeel().SetMaster(&LookAndFeel());
        FButtons[place.Button] = button;
    }
    UpdateCaptions();
    FTimeEdit = new TuiTimeEdit(this);
    FTimeEdit->SetTabOrder(0);
    FTimeEdit->TimeEditProperties().SetCircular(true);
    FTimeEdit->TimeEditProperties().SetOnChange([this](rtl::TObject*) { TimeEditChanged(); });
    FTimeEdit->EditStyle(essNormal).LookAndFeel().SetMaster(&LookAndFeel());
    FClock = new TuiClock(this);
    FClock->SetTabStop(false);
    FClock->LookAndFeel().SetMaster(&LookAndFeel());
}

void TuiCustomCalendar::UpdateCaptions() {
    TodayButton().SetCaption(LoadResStringText(uiSDatePopupToday));
    NowButton().SetCaption(LoadResStringText(uiSDatePopupNow));
    ClearButton().SetCaption(LoadResStringText(uiSDatePopupClear));
    OkButton().SetCaption(LoadResStringText(uiSDatePopupOK));
}

void TuiCustomCalendar::RefreshState() {
    UpdateCaptions();
    Recalculate();
}

void TuiCustomCalendar::InitControl() {
    TuiControl::InitControl();
    for (vcl::TControl* child :
         {static_cast<vcl::TControl*>(FButtons[btnToday]), static_cast<vcl::TControl*>(FButtons[btnNow]),
          static_cast<vcl::TControl*>(FButtons[btnClear]), static_cast<vcl::TControl*>(FButtons[btnOk]),
          static_cast<vcl::TControl*>(FTimeEdit), static_cast<vcl::TControl*>(FClock)}) {
        child->SetParent(this);
    }
    FontChanged();
}

void TuiCustomCalendar::FontChanged() {
    TuiControl::FontChanged();
    Recalculate();
}

void TuiCustomCalendar::LookAndFeelChanged(TuiLookAndFeel*, TuiLookAndFeelValues) {
    Recalculate();
}

// Settings.

void TuiCustomCalendar::SetArrowsForYear(bool value) {
    if (value != FArrowsForYear) {
        FArrowsForYear = value;
        Recalculate();
    }
}

void TuiCustomCalendar::SetDateButtons(TDateButtons value) {
    if (value == FDateButtons) {
        return;
    }
    FDateButtons = value;
    ClearButton().SetVisible(IsButtonShown(btnClear));
    NowButton().SetVisible(IsButtonShown(btnNow));
    TodayButton().SetVisible(IsButtonShown(btnToday));
    Recalculate();
}

void TuiCustomCalendar::SetFlat(bool value) {
    if (value != FFlat) {
        FFlat = value;
        Recalculate();
    }
}

void TuiCustomCalendar::SetKind(TuiCalendarKind value) {
    if (value == FKind) {
        return;
    }
    FKind = value;
    vcl::TControlStyle style = ControlStyle();
    if (FKind == ckDateTime) {
        style.Include(vcl::csClickEvents);
        style.Include(vcl::csDoubleClicks);
    } else {
        style.Exclude(vcl::csClickEvents);
        style.Exclude(vcl::csDoubleClicks);
    }
    SetControlStyle(style);
    Recalculate();
}

void TuiCustomCalendar::SetWeekNumbers(bool value) {
    if (value != FWeekNumbers) {
        FWeekNumbers = value;
        Recalculate();
    }
}

void TuiCustomCalendar::SetTimeFormat(TuiTimeEditTimeFormat value) {
    if (value != FTimeEdit->TimeEditProperties().TimeFormat()) {
        FTimeEdit->TimeEditProperties().SetTimeFormat(value);
        Recalculate();
    }
}

void TuiCustomCalendar::SetUse24HourFormat(bool value) {
    if (value != FTimeEdit->TimeEditProperties().Use24HourFormat()) {
        FTimeEdit->TimeEditProperties().SetUse24HourFormat(value);
        Recalculate();
    }
}

bool TuiCustomCalendar::IsButtonShown(TCalendarButton button) const {
    switch (button) {
    case btnClear:
    case btnToday:
        return FDateButtons.Contains(button);
    case btnNow:
        return FKind == ckDateTime && FDateButtons.Contains(btnNow);
    case btnOk:
        break;
    }
    return FKind == ckDateTime;
}

int32_t TuiCustomCalendar::ShownButtonCount() const {
    int32_t count = 0;
    for (const TCalendarButton button : {btnToday, btnNow, btnClear, btnOk}) {
        count += IsButtonShown(button) ? 1 : 0;
    }
    return count;
}

bool TuiCustomCalendar::HasButtonBar() const {
    return FKind == ckDateTime || IsButtonShown(btnToday) || IsButtonShown(btnClear);
}

// Dates.

void TuiCustomCalendar::SetMonthStart(rtl::TDateTime date) {
    if (date == NullDate || !IsDateInSupportedRange(date)) {
        return;
    }
    const rtl::TDateTime monthStart = CalendarMonthStartOf(*GetDefaultCalendarTable(), date);
    if (monthStart == FMonthStart) {
        return;
    }
    FMonthStart = monthStart;
    if (FMetricsValid && FArrowsForYear) {
        CalculateRects();
    }
    Invalidate();
}

void TuiCustomCalendar::SetCurrentDate(bool followMonth, rtl::TDateTime date) {
    if (date == FCurrentDate || !IsDateInSupportedRange(date)) {
        return;
    }
    FCurrentDate = date;
    if (followMonth && date != NullDate) {
        SetMonthStart(rtl::DateOf(date));
    }
    if (followMonth || FKind == ckDateTime) {
        Invalidate();
    } else {
        InvalidateRect(GridRect(), false);
    }
}

void TuiCustomCalendar::StepBy(TuiCalendarArrow arrow) {
    const TuiCustomCalendarTable& table = *GetDefaultCalendarTable();
    switch (arrow) {
    case caPreviousMonth:
        SetMonthStart(table.AddMonths(FMonthStart, -1));
        break;
    case caNextMonth:
        SetMonthStart(table.AddMonths(FMonthStart, 1));
        break;
    case caPreviousYear:
        SetMonthStart(table.AddYears(FMonthStart, -1));
        break;
    case caNextYear:
        SetMonthStart(table.AddYears(FMonthStart, 1));
        break;
    }
}

rtl::TDateTime TuiCustomCalendar::CellDate(int32_t column, int32_t row) const {
    return CalendarCellDate(FMonthStart, column, row);
}

rtl::TDateTime TuiCustomCalendar::LastDayOfMonth() const {
    return CalendarLastDayOfMonth(*GetDefaultCalendarTable(), FMonthStart);
}

void TuiCustomCalendar::FireDateChosen() {
    if (FOnDateChosen) {
        FOnDateChosen(this);
    }
}

void TuiCustomCalendar::ClosePopup(rtl::TObject*, TuiPopupCloseReason) {
    FStepTimer->SetEnabled(false);
    FMonthList->ScrollTimer().SetEnabled(false);
    if (IsMonthListShowing()) {
        FMonthList->CloseUp();
    }
}

bool TuiCustomCalendar::IsMonthListShowing() const {
    return FMonthList != nullptr && FMonthList->IsShown();
}

// The date buttons.

rtl::TDateTime TuiCustomCalendar::ButtonValue(TCalendarButton button) const {
    switch (button) {
    case btnClear:
        return NullDate;
    case btnNow:
        return ClockNow();
    case btnToday:
        return WithTimeOfDay(ClockToday(), FClock->Time());
    case btnOk:
        break;
    }
    return FCurrentDate == NullDate ? NullDate : WithTimeOfDay(rtl::DateOf(FCurrentDate), FClock->Time());
}

void TuiCustomCalendar::ButtonClick(rtl::TObject* sender) {
    const auto button = static_cast<TCalendarButton>(static_cast<TuiButton*>(sender)->Tag());
    const rtl::TDateTime value = ButtonValue(button);
    if (value != NullDate) {
        FClock->SetTime(std::fabs(value - std::trunc(value)));
    }
    FTimeEdit->SetTime(FClock->Time());
    ChooseDate(value);
    FireDateChosen();
    ClosePopup(this, pcrAccept);
}

// The clock follows the time editor, and so does the date-time line.
void TuiCustomCalendar::TimeEditChanged() {
    FClock->SetTime(FTimeEdit->Time());
    if (FKind != ckDateTime) {
        return;
    }
    vcl::TRect strip{0, 0, Width(), FMetrics.HeaderHeight - 1};
    if (!FFlat) {
        strip = {strip.Left + 1, strip.Top + 1, strip.Right - 1, strip.Bottom - 1};
    }
    InvalidateRect(strip, false);
}

} // namespace ui
