#include "ui/data/dates/uiSmartDate.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringUtils.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/dates/uiDateUtils.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

// The date of a smart-date word, the clock's time of day only for "now".
rtl::TDateTime DateOfSmartWord(int32_t word) {
    const rtl::TDateTime today = ClockToday();
    if (word >= swSunday && word <= swSaturday) {
        // The next day of that weekday, today included.
        const int32_t daysAhead = (word - swSunday) - (rtl::DayOfWeek(today) - 1);
        return today + (daysAhead < 0 ? daysAhead + DaysPerWeek : daysAhead);
    }
    if (word >= swFirst && word <= swSeventh) {
        return today - WeekdayIndexOf(today) + (word - swFirst);
    }
    switch (word) {
    case swYesterday:
        return today - 1;
    case swTomorrow:
        return today + 1;
    case swBOM:
        return MonthStartDate(today);
    case swEOM:
        return MonthEndDate(today, true);
    case swNow:
        return ClockNow();
    default:
        return today;
    }
}

bool FindWordAmong(const TuiSmartDateWords& words, rtl::UnicodeStringView text, int32_t& index) {
    std::vector<int32_t> order;
    for (int32_t word = 0; word < swWordCount; ++word) {
        // A word left empty by a translation would match every text.
        if (!words[word].empty()) {
            order.push_back(word);
        }
    }
    // Longest first, so "second" is not taken for a shorter word it begins with.
    std::sort(order.begin(), order.end(), [&words](int32_t a, int32_t b) {
        if (words[a].size() != words[b].size()) {
            return words[a].size() > words[b].size();
        }
        return rtl::WideCompareText(words[a], words[b]) > 0;
    });
    for (const int32_t word : order) {
        if (text.size() >= words[word].size() && rtl::WideSameText(text.substr(0, words[word].size()), words[word])) {
            index = word;
            return true;
        }
    }
    return false;
}

} // namespace

bool FindSmartDateWord(rtl::UnicodeStringView text, int32_t& index) {
    return FindWordAmong(LoadSmartDateWords(), text, index);
}

bool TextToDateSmart(rtl::UnicodeStringView text, rtl::TDateTime& date) {
    const TuiSmartDateWords words = LoadSmartDateWords();
    const rtl::UnicodeString trimmed = rtl::Trim(text);
    int32_t word = 0;
    if (!FindWordAmong(words, trimmed, word)) {
        return false;
    }
    const rtl::UnicodeString rest = rtl::Trim(rtl::UnicodeStringView(trimmed).substr(words[word].size()));
    rtl::TDateTime result = DateOfSmartWord(word);
    if (!rest.empty()) {
        int32_t offset = 0;
        if ((rest[0] != u'+' && rest[0] != u'-') || !rtl::TryStrToInt(rtl::Trim(rest.substr(1)), offset)) {
            return false;
        }
        result = ShiftDays(result, rest[0] == u'-' ? -int64_t{offset} : int64_t{offset});
    }
    date = result;
    return true;
}

} // namespace ui
