#pragma once
// Dates as display text: through the locale (its short date format and calendar) by default, or through the runtime's
// format settings when the format controller says so; month, year and weekday names for calendars in any of the
// locale's calendars. The null date shows as an empty text.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

#include <cstdint>
#include <optional>

namespace ui {

class TuiCustomCalendarTable;

// The text an editor shows: the masked display format of the format controller (with or without the time), or
// DateToTextDefault; the locale's calendar when that is not the Gregorian one.
rtl::UnicodeString DateToDisplayText(bool useMaskedFormat, bool withTime, bool fourDigitYear, rtl::TDateTime date);
// The short date with the time of day when it has one; fourDigitYear widens a two-digit year of the format.
rtl::UnicodeString DateToText(bool fourDigitYear, bool useRuntimeFormats, rtl::TDateTime date);
// DateToText with the format controller's choice of runtime formats.
rtl::UnicodeString DateToTextDefault(bool fourDigitYear, rtl::TDateTime date);

// The date formatted by the locale (pattern in the locale's letters; empty: its own format), or by FormatDateRuntime
// when runtime formats are used in a Gregorian locale; nothing when the locale cannot format it.
std::optional<rtl::UnicodeString> FormatDateByLocale(uint32_t flags, rtl::UnicodeStringView format,
                                                     rtl::TDateTime date);
// The date's fields of a pattern (d to dddd, m to mmmm, yy or yyyy, e skips to the next field) with the runtime's
// names. Between fields goes the separator when one is given (not 0), else the text the pattern has there; text
// before the first and after the last field is dropped.
rtl::UnicodeString FormatDateRuntime(rtl::UnicodeStringView format, char16_t separator, rtl::TDateTime date);
// The locale's short date in its calendar, then the time of day when the date has one.
rtl::UnicodeString FormatDateByLocaleCalendar(rtl::TDateTime date);
// The day of the month as the locale writes it.
rtl::UnicodeString FormatDayNumber(rtl::TDateTime date);

// Names in the calendar of table (nullptr: the locale's calendar table).
rtl::UnicodeString CalendarMonthName(const TuiCustomCalendarTable* table, rtl::TDateTime date);
// Empty for a month the year does not have.
rtl::UnicodeString CalendarMonthNameOf(int32_t year, int32_t month, const TuiCustomCalendarTable* table);
rtl::UnicodeString CalendarMonthYearText(const TuiCustomCalendarTable* table, rtl::TDateTime date);
rtl::UnicodeString CalendarYearText(const TuiCustomCalendarTable* table, rtl::TDateTime date);

enum class TuiWeekdayNameKind : uint8_t { wnkAbbreviated, wnkShortest };
// The name of weekday day (1 = Monday .. 7 = Sunday; empty outside) for a calendar's column header, drawn in a font
// of the given character set. With one-letter names, scripts whose weekday names end in the distinguishing character
// (Chinese, Arabic) keep the last character, others the first.
rtl::UnicodeString GetWeekdayName(int32_t day, uint8_t charset);

// On by default.
bool OneLetterWeekdayNames();
void SetOneLetterWeekdayNames(bool value);
// Abbreviated by default.
TuiWeekdayNameKind WeekdayNameKind();
void SetWeekdayNameKind(TuiWeekdayNameKind kind);

} // namespace ui
