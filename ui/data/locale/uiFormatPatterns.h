#pragma once
// What the date editors are given, built from the elements of the locale's formats: input masks for the standard mask
// engine, regular expressions for the regular-expression mask engine, display formats for masked date input, and the
// currency display format. The syntax is the editor framework's: in masks "9" is an optional digit, "l" a letter, "c"
// any character, "\" quotes the next character, a leading "!" and the trailer ";1; " keep literals and show blanks;
// in regular expressions quoted text is literal and blanks between tokens are ignored.

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringTypes.h"
#include "ui/data/locale/uiFormatElements.h"

namespace ui {

// The short date format with every single "d" and "M" doubled: d/M/yyyy becomes dd/MM/yyyy.
rtl::UnicodeString BuildDateInputFormat(rtl::UnicodeStringView shortDateFormat);

// The standard mask of the elements: dd/MM/yyyy gives "!99/99/9999;1; ". Empty for no elements.
rtl::UnicodeString BuildStandardMask(const TuiDateTimeFormatInfo& info, const rtl::TFormatSettings& settings);

// The regular expressions of the date and of the time elements.
rtl::UnicodeString BuildDatePattern(const TuiDateTimeFormatInfo& info, const rtl::TFormatSettings& settings);
rtl::UnicodeString BuildTimePattern(const TuiDateTimeFormatInfo& info, const rtl::TFormatSettings& settings);

// The pattern, or one of the smart-date words (uiSmartDateWords.h; "now" only when asked) with an optional signed
// offset of one to four digits.
rtl::UnicodeString AddSmartDateWords(rtl::UnicodeStringView pattern, bool withNow);

// Text as literal text of a regular expression: runs without single quotes in single quotes, each single quote as \'.
rtl::UnicodeString QuoteRegExprText(rtl::UnicodeStringView text);

// The runtime display format for masked date input: dd/MM/yyyy gives "dd/mm/yyyy".
rtl::UnicodeString BuildMaskedDisplayFormat(const TuiDateTimeFormatInfo& info);

// The currency display format of the editors: the positive part (GetCurrencyDisplayFormat, uiDataUtils.h), ";" and
// the negative part placed by the settings' negative layout. Two decimals, symbol $ and formats 0 and 0 give
// "$,0.00;($,0.00)".
rtl::UnicodeString BuildCurrencyFormat(const rtl::TFormatSettings& settings);

} // namespace ui
