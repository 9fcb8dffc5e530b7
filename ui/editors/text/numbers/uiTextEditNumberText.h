#pragma once
// The numeric text of the text editors: thousand separators put into a typed or converted number, with the
// separators of the settings given.

#include "rtl/text/StringTypes.h"

namespace rtl {
struct TFormatSettings;
}

namespace ui {

// Cuts the exponent ("E" or "e" to the end) off text and answers it.
rtl::UnicodeString ExtractExponentPart(rtl::UnicodeString& text);
// Removes every thousand separator of settings from text.
void RemoveThousandSeparators(rtl::UnicodeString& text, const rtl::TFormatSettings& settings);
// Separators after every third digit of the integer part, counted from the decimal separator (or the end); a sign or
// any other non-digit ends the run. Surrounding blanks and the exponent are kept: "1234E5" becomes "1,234E5".
void InsertThousandSeparators(rtl::UnicodeString& text, const rtl::TFormatSettings& settings);

} // namespace ui
