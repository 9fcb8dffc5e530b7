// The calendar page of the painter gallery: the month calendar in every look and skin, a column each, in the date kind
// above and the date-time kind with week numbers below, to compare the looks side by side and try them with the mouse
// and the keys.

#include "tests/tools/CalendarGallery.h"

#include "tests/tools/GalleryLooks.h"
#include "ui/editors/calendar/uiCalendar.h"
#include "vcl/stdctrls/Label.h"

#include <algorithm>

namespace {

constexpr int32_t CalendarCellGap = 10;
constexpr int32_t CalendarFirstRowTop = 28;

ui::TuiCustomCalendar* AddCalendar(vcl::TForm& form, const gallery::TGalleryLook& look, ui::TuiCalendarKind kind,
                                   int32_t left, int32_t top) {
    auto* calendar = new ui::TuiCustomCalendar(&form);
    calendar->SetLeft(left);
    calendar->SetTop(top);
    gallery::ApplyGalleryLook(calendar->LookAndFeel(), look);
    calendar->SetKind(kind);
    calendar->SetWeekNumbers(kind == ui::ckDateTime);
    calendar->SetParent(&form);
    // The calendar sizes itself once its window exists.
    calendar->HandleNeeded();
    return calendar;
}

void FillCalendarGallery(vcl::TForm& form) {
    int32_t left = CalendarCellGap;
    int32_t bottom = 0;
    for (const gallery::TGalleryLook& look : gallery::GalleryLooks) {
        auto* label = new vcl::TLabel(&form);
        label->SetParent(&form);
        label->SetBounds(left, 8, 120, 20);
        label->SetCaption(look.Name);
        const ui::TuiCustomCalendar* date = AddCalendar(form, look, ui::ckDate, left, CalendarFirstRowTop);
        const ui::TuiCustomCalendar* dateTime =
            AddCalendar(form, look, ui::ckDateTime, left, date->Top() + date->Height() + CalendarCellGap);
        bottom = std::max(bottom, dateTime->Top() + dateTime->Height());
        left += std::max(date->Width(), dateTime->Width()) + CalendarCellGap;
    }
    form.SetClientWidth(left);
    form.SetClientHeight(bottom + CalendarCellGap);
}

} // namespace

int RunCalendarGallery() {
    return gallery::RunGalleryForm(u"Painter gallery, calendars", FillCalendarGallery);
}
