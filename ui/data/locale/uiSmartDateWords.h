#pragma once
// The words of smart date input ("today", "eom", "monday"...): the library's localisable strings (uiLibraryStrs.h),
// read anew before every use so that a change of language takes effect at once. The date units read typed words with
// them, the format controller puts them into the regular expressions of date editors.

#include "rtl/text/StringTypes.h"

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

// The words as the current source gives them: the library's string table unless another source is put in place.
TuiSmartDateWords LoadSmartDateWords();
// Puts source in place of the current one (an empty one: the string table) and returns the one it replaces.
TuiSmartDateWordsSource SetSmartDateWordsSource(TuiSmartDateWordsSource source);

} // namespace ui
