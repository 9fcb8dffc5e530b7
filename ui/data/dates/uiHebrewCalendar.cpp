#include "ui/data/dates/uiHebrewCalendar.h"

#include "rtl/text/StringUtils.h"
#include "ui/data/dates/uiDateDisplay.h"
#include "ui/data/dates/uiHebrewYearTable.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t HebrewLeapMonth = 7;
constexpr int32_t HebrewMaxMonths = 13;

// Month lengths from Tishri, by the table's year kind 1 to 6.
constexpr int8_t HebrewMonthLengths[6][HebrewMaxMonths] = {
    {30, 29, 29, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},  {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {30, 30, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},  {30, 29, 29, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 29, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29}, {30, 30, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29}};

constexpr char16_t HebrewAlef = u'\u05D0';
// Letter values from alef to tav; final kaf, mem, nun, pe and tsadi stand before their ordinary forms.
constexpr int16_t HebrewLetterValues[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  20,  20,  30, 40,
                                          40, 50, 50, 60, 70, 80, 80, 90, 90, 100, 200, 300, 400};
// Numerals beyond this are no day, month or year; the bound keeps the sum of a long text within range.
constexpr int32_t MaxHebrewNumeralValue = 1000000;

struct THebrewMonthDay {
    int32_t Month;
    int32_t Day;
};

THebrewMonthDay JanuaryFirstOf(uint8_t code) {
    switch (code) {
    case HebrewJanuaryShevat1:
        return {5, 1};
    case HebrewJanuaryShevat2:
        return {5, 2};
    case HebrewJanuaryShevat3:
        return {5, 3};
    case HebrewJanuaryKislev30:
        return {3, 30};
    case HebrewJanuaryKislev29:
        return {3, 29};
    default:
        return {4, code};
    }
}

const TuiHebrewYearRow* RowOfHebrewYear(int32_t year) {
    const int32_t gregorianYear = year - HebrewYearOffset;
    if (gregorianYear < HebrewTableFirstYear || gregorianYear > HebrewTableLastYear) {
        return nullptr;
    }
    return &HebrewYearTable[gregorianYear - HebrewTableFirstYear];
}

} // namespace

rtl::TDateTime TuiHebrewCalendarTable::MaxDate() const {
    return rtl::EncodeDate(HebrewTableLastYear, 9, 29) + rtl::EncodeTime(23, 59, 59, 999);
}

rtl::TDateTime TuiHebrewCalendarTable::MinDate() const {
    return rtl::EncodeDate(HebrewTableFirstYear, 1, 1);
}

int32_t TuiHebrewCalendarTable::TableYearType(int32_t year) {
    const TuiHebrewYearRow* row = RowOfHebrewYear(year);
    return row ? row->YearType : 0;
}

int32_t TuiHebrewCalendarTable::YearType(int32_t year) const {
    const int32_t type = TableYearType(year);
    return type > HebrewLeapYearTypeBase ? type - HebrewLeapYearTypeBase : type;
}

TuiCalendarDateTime TuiHebrewCalendarTable::DateTimeToCalendarDate(rtl::TDateTime dateTime) const {
    dateTime = ClampDateTime(dateTime, MinDate(), MaxDate());
    TuiCalendarDateTime result;
    SetTimeOfDay(result, dateTime);
    // The Hebrew year of 1 January begins in the autumn before it, so the date lies in it or in the next year.
    result.Year = rtl::DecodeDate(dateTime).Year + HebrewYearOffset;
    result.Month = 1;
    int32_t day = WholeDaysBetween(EncodeCalendarDateTime(result.Year, 1, 1), dateTime);
    while (day >= DaysInMonthOfEra(-1, result.Year, result.Month)) {
        day -= DaysInMonthOfEra(-1, result.Year, result.Month);
        if (++result.Month > MonthsInYearOfEra(-1, result.Year)) {
            result.Month = 1;
            ++result.Year;
        }
    }
    result.Day = day + 1;
    return result;
}

rtl::TDateTime TuiHebrewCalendarTable::CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const {
    if (!IsValidDay(date.Era, date.Year, date.Month, date.Day)) {
        return MinDate();
    }
    const THebrewMonthDay januaryFirst = JanuaryFirstOf(RowOfHebrewYear(date.Year)->JanuaryFirst);
    const int32_t daysFromJanuaryFirst = DayIndexInYear(date.Era, date.Year, date.Month, date.Day) -
                                         DayIndexInYear(date.Era, date.Year, januaryFirst.Month, januaryFirst.Day);
    const rtl::TDateTime day = rtl::EncodeDate(date.Year - HebrewYearOffset, 1, 1) + daysFromJanuaryFirst;
    return rtl::ReplaceTime(day, TimeOfDay(date));
}

int32_t TuiHebrewCalendarTable::DaysInMonthOfEra(int32_t era, int32_t year, int32_t month) const {
    if (!IsValidMonth(era, year, month)) {
        return 0;
    }
    return HebrewMonthLengths[TableYearType(year) - 1][month - 1];
}

int32_t TuiHebrewCalendarTable::DaysInYearOfEra(int32_t era, int32_t year) const {
    const int32_t type = YearType(year);
    if (type == 0) {
        return 0;
    }
    return 352 + type + (IsLeapYearInEra(era, year) ? 30 : 0);
}

int32_t TuiHebrewCalendarTable::MonthsInYearOfEra(int32_t era, int32_t year) const {
    return IsLeapYearInEra(era, year) ? HebrewMaxMonths : HebrewMaxMonths - 1;
}

int32_t TuiHebrewCalendarTable::WeekNumber(const TuiCalendarDateTime& date, int32_t, int32_t rule) const {
    return CalendarYearWeekNumber(date, rule);
}

bool TuiHebrewCalendarTable::IsLeapDay(int32_t era, int32_t year, int32_t month, int32_t day) const {
    return IsLeapMonth(era, year, month) && IsValidDay(era, year, month, day);
}

bool TuiHebrewCalendarTable::IsLeapMonth(int32_t era, int32_t year, int32_t month) const {
    return month == HebrewLeapMonth && IsLeapYearInEra(era, year);
}

bool TuiHebrewCalendarTable::IsLeapYearInEra(int32_t, int32_t year) const {
    return TableYearType(year) > HebrewLeapYearTypeBase;
}

int32_t TuiHebrewCalendarTable::DayNumberFromText(rtl::UnicodeStringView text) const {
    const int32_t value = HebrewNumeralValue(text);
    return value != 0 ? value : TuiCustomCalendarTable::DayNumberFromText(text);
}

int32_t TuiHebrewCalendarTable::MonthNumberFromText(int32_t year, rtl::UnicodeStringView text) const {
    const int32_t value = HebrewNumeralValue(text);
    if (value != 0 && IsValidMonthOf(year, value)) {
        return value;
    }
    for (int32_t month = 1; month <= MonthsInYear(year); ++month) {
        const rtl::UnicodeString name = CalendarMonthNameOf(year, month, this);
        if ((!name.empty() && rtl::WideSameText(name, text)) || rtl::WideSameText(HebrewMonthDayText(month), text)) {
            return month;
        }
    }
    return TuiCustomCalendarTable::MonthNumberFromText(year, text);
}

int32_t TuiHebrewCalendarTable::YearNumberFromText(rtl::UnicodeStringView text) const {
    constexpr int32_t omittedThousands = 5000;
    const int32_t value = HebrewNumeralValue(text);
    return value != 0 ? value + omittedThousands : TuiCustomCalendarTable::YearNumberFromText(text);
}

int32_t HebrewNumeralValue(rtl::UnicodeStringView text) {
    int32_t value = 0;
    for (const char16_t c : text) {
        const auto letter = static_cast<size_t>(c - HebrewAlef);
        if (c >= HebrewAlef && letter < std::size(HebrewLetterValues)) {
            value = std::min(value + HebrewLetterValues[letter], MaxHebrewNumeralValue);
        }
    }
    return value;
}

rtl::UnicodeString HebrewMonthDayText(int32_t number) {
    constexpr int32_t largest = 999;
    if (number < 1 || number > largest) {
        return {};
    }
    static constexpr char16_t hundreds[] = {u'\u05E7', u'\u05E8', u'\u05E9', u'\u05EA'};
    static constexpr char16_t tens[] = {u'\u05D9', u'\u05DB', u'\u05DC', u'\u05DE', u'\u05E0',
                                        u'\u05E1', u'\u05E2', u'\u05E4', u'\u05E6'};
    rtl::UnicodeString text;
    for (; number >= 400; number -= 400) {
        text += hundreds[3];
    }
    if (number >= 100) {
        text += hundreds[number / 100 - 1];
        number %= 100;
    }
    // 15 and 16 are written 9 + 6 and 9 + 7 rather than with the letters of the divine name.
    if (number == 15 || number == 16) {
        text += u'\u05D8';
        number -= 9;
    } else if (number >= 10) {
        text += tens[number / 10 - 1];
        number %= 10;
    }
    if (number > 0) {
        text += static_cast<char16_t>(HebrewAlef + number - 1);
    }
    return text;
}

} // namespace ui
