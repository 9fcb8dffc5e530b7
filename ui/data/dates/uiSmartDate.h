#pragma once
// Smart date input: a typed word such as "today", "eom" or "monday" (ui/data/locale/uiSmartDateWords.h), optionally
// followed by a signed day offset ("today+3", "eom - 1"), stands for a date relative to the clock (uiDateClock.h).

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"
#include "ui/data/locale/uiSmartDateWords.h"

#include <cstdint>

namespace ui {

// The word the text begins with (any case; the longest that fits); false when it begins with none.
bool FindSmartDateWord(rtl::UnicodeStringView text, int32_t& index);
// The date a smart-date text stands for: a word, then nothing or a sign and an integer, blanks allowed around both.
// false for any other text.
bool TextToDateSmart(rtl::UnicodeStringView text, rtl::TDateTime& date);

} // namespace ui
