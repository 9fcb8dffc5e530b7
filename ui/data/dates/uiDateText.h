#pragma once
// Reading typed dates: smart-date words ("today+3", "eom"), then the date in the locale's order and separators, with
// the literal words of the locale's formats ignored. What cannot be read, or lies outside years up to 9999, gives the
// null date (uiDateUtils.h). Locales with a calendar other than the Gregorian one read through their calendar table.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

namespace ui {

// TextToDate with the format controller's choice of runtime formats; false when the result is the null date.
bool TryTextToDate(rtl::UnicodeStringView text, rtl::TDateTime& date);
// The date a text stands for, the null date when it stands for none. With runtime formats the runtime's settings read
// the text; otherwise the locale's.
rtl::TDateTime TextToDate(rtl::UnicodeStringView text, bool useRuntimeFormats);
// Reads a date without smart words and without the range check; useVariantConversion reads with the locale's
// settings rather than the runtime's. False, with the null date, when the text is no date.
bool TryConvertTextToDateTime(rtl::UnicodeStringView text, bool useVariantConversion, rtl::TDateTime& date);
// Prepares a typed date for conversion: the literal texts of the locale's date and time formats (other than the
// separators and designators kept for the conversion) become blanks, runs of blanks become one, and, when asked, the
// locale's date separator becomes a blank.
void NormalizeDateText(rtl::UnicodeString& text, bool blankDateSeparator);

} // namespace ui
