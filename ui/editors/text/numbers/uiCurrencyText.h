#pragma once
// The number a currency editor reads from its text.

#include "rtl/text/StringTypes.h"

namespace rtl {
struct TFormatSettings;
}

namespace ui {

// The text's number with the separators of settings. Thousand separators count only between groups of three digits
// of the integer part ("1,234.5"); anywhere else ("1,5", "12,34", "1.5,0") the text is no number. A text that is no
// number, or whose number a Double cannot hold, answers False with number 0.
bool ParseCurrencyText(rtl::UnicodeStringView text, double& number, const rtl::TFormatSettings& settings);

} // namespace ui
