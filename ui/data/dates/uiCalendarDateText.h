#pragma once
// Reading a typed date in the locale's calendar when that is not the Gregorian one (Japanese, Taiwan, Korean, Hijri,
// Thai, Hebrew): the day, month and year fields in the order of the locale's short date format, each read by the
// calendar table (month names, Hebrew numerals, two-digit years), an era name first where the format begins with one,
// and an optional time after the date.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"
#include "ui/data/dates/uiCalendarTable.h"

namespace ui {

// The date of the text in the locale's calendar; the null date when it is no date of that calendar. For a locale
// whose calendar is none of those above, TryTextToDate (uiDateText.h) reads it.
rtl::TDateTime TextToDateByCalendar(rtl::UnicodeStringView text);

// Reads the fields of text into a calendar date of table, the era chosen by a typed era name; raises EConvertError
// for a field that is no number the table can read.
TuiCalendarDateTime ParseCalendarDateText(rtl::UnicodeStringView text, const TuiCustomCalendarTable& table);

} // namespace ui
