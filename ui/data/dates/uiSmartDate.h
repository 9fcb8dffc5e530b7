#pragma once
// Smart date input: a typed word such as "today", "eom" or "monday", optionally followed by a signed day offset
// ("today+3", "eom - 1"), stands for a date relative to the clock (uiDateClock.h). The words are localisable texts,
// read anew before every use so that a change of language takes effect at once.

#include "rtl/DateTime.h"
#include "rtl/StringTypes.h"

#include <array>
#include <cstdint>
#include <functional>

namespace ui {

// The smart-date words in their fixed order.
enum TuiSmartDateWord : int32_t {
    swToday,
    swYesterday,
    swTomorrow,
    swSunday,
    swMonday,
    swTuesday,
    swWednesday,
    swThursday,
    swFriday,
    swSaturday,
    swFirst,
    swSecond,
    swThird,
    swFourth,
    swFifth,
    swSixth,
    swSeventh,
    swBOM,
    swEOM,
    swNow,
    swWordCount
};

using TuiSmartDateWords = std::array<rtl::UnicodeString, swWordCount>;
using TuiSmartDateWordsSource = std::function<TuiSmartDateWords()>;

// The words as the current source gives them: the English texts unless the string tables of the library are put in
// place with SetSmartDateWordsSource.
TuiSmartDateWords LoadSmartDateWords();
// Puts source in place of the current one (an empty one: the English texts) and returns the one it replaces.
TuiSmartDateWordsSource SetSmartDateWordsSource(TuiSmartDateWordsSource source);

// The word the text begins with (any case; the longest that fits); false when it begins with none.
bool FindSmartDateWord(rtl::UnicodeStringView text, int32_t& index);
// The date a smart-date text stands for: a word, then nothing or a sign and an integer, blanks allowed around both.
// false for any other text.
bool TextToDateSmart(rtl::UnicodeStringView text, rtl::TDateTime& date);

} // namespace ui
