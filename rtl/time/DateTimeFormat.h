#pragma once
// Dates and times to and from text.
//
// FormatDateTime patterns (letters in either case; runs of a letter choose the form):
//   c       the short date, then a blank and the long time unless the time is midnight
//   d dd    day without and with a leading zero      ddd dddd  short and long day name
//   ddddd   the short date                             dddddd    the long date
//   m mm    month without and with a leading zero      mmm mmmm  short and long month name
//           (m or mm right after an hour means minutes)
//   yy yyyy two- and four-digit year
//   h hh    hour (12-hour when an am/pm specifier follows), n nn minute, s ss second, z zzz millisecond
//   t tt    the short and the long time
//   am/pm a/p  the letters as written in the pattern;  ampm  the settings' TimeAMString or TimePMString
//   /  :    the settings' date and time separators
//   "..." '...'  literal text; any other character stands for itself
// An empty pattern formats as "c".
//
// The parsers read the date as two or three numbers between date separators in the order of the settings'
// ShortDateFormat (year, month, day as its first letter says; a first number of more than two digits is always the
// year), then optionally a time of hour:minute[:second] with an AM or PM word before or after it. Two numbers give a
// date in the current year; a two-digit year falls in the century window the settings give.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

namespace rtl {

struct TFormatSettings;

UnicodeString FormatDateTime(UnicodeStringView format, TDateTime value);
UnicodeString FormatDateTime(UnicodeStringView format, TDateTime value, const TFormatSettings& settings);
// The patterns "c", "ddddd" and "tt".
UnicodeString DateTimeToStr(TDateTime value);
UnicodeString DateTimeToStr(TDateTime value, const TFormatSettings& settings);
UnicodeString DateToStr(TDateTime value);
UnicodeString DateToStr(TDateTime value, const TFormatSettings& settings);
UnicodeString TimeToStr(TDateTime value);
UnicodeString TimeToStr(TDateTime value, const TFormatSettings& settings);

// A date with an optional time, or a time alone (on day 0).
bool TryStrToDateTime(UnicodeStringView text, TDateTime& result);
bool TryStrToDateTime(UnicodeStringView text, TDateTime& result, const TFormatSettings& settings);
bool TryStrToDate(UnicodeStringView text, TDateTime& result);
bool TryStrToDate(UnicodeStringView text, TDateTime& result, const TFormatSettings& settings);
bool TryStrToTime(UnicodeStringView text, TDateTime& result);
bool TryStrToTime(UnicodeStringView text, TDateTime& result, const TFormatSettings& settings);
// These raise EConvertError with the texts below.
TDateTime StrToDateTime(UnicodeStringView text);
TDateTime StrToDateTime(UnicodeStringView text, const TFormatSettings& settings);
TDateTime StrToDate(UnicodeStringView text);
TDateTime StrToDate(UnicodeStringView text, const TFormatSettings& settings);
TDateTime StrToTime(UnicodeStringView text);
TDateTime StrToTime(UnicodeStringView text, const TFormatSettings& settings);

namespace RtlMessages {
inline constexpr char16_t InvalidDateTime[] = u"'%s' is not a valid date and time";
inline constexpr char16_t InvalidDate[] = u"'%s' is not a valid date";
inline constexpr char16_t InvalidTime[] = u"'%s' is not a valid time";
} // namespace RtlMessages

} // namespace rtl
