#include "ui/data/dates/uiCalendarTable.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringUtils.h"
#include "ui/data/dates/uiGregorianCalendars.h"
#include "ui/data/dates/uiHebrewCalendar.h"
#include "ui/data/dates/uiHijriCalendar.h"
#include "ui/data/locale/uiLocale.h"

#include <algorithm>
#include <limits>

namespace ui {

namespace {

std::vector<std::unique_ptr<TuiCustomCalendarTable>>& CalendarTables() {
    static std::vector<std::unique_ptr<TuiCustomCalendarTable>> tables;
    return tables;
}

template <class TTable>
std::unique_ptr<TuiCustomCalendarTable> MakeTable() {
    return std::make_unique<TTable>();
}

// Whether (year, month, day) comes on or after the Gregorian date start.
bool IsOnOrAfter(int32_t year, int32_t month, int32_t day, rtl::TDateTime start) {
    const rtl::TDateParts parts = rtl::DecodeDate(start);
    if (year != parts.Year) {
        return year > parts.Year;
    }
    return month != parts.Month ? month > parts.Month : day >= parts.Day;
}

int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

void TuiCustomCalendarTable::NormalizeEraYear(int32_t& year, int32_t& era) const {
    NormalizeEraYearAt(year, era, 1, 1);
}

void TuiCustomCalendarTable::NormalizeEraYearAt(int32_t& year, int32_t& era, int32_t day, int32_t month) const {
    const int32_t gregorianYear = year + YearOffsetOf(era);
    const int32_t gregorianEra = EraOfDate(gregorianYear, month, day);
    if (gregorianEra >= 0) {
        era = gregorianEra;
        year = gregorianYear - FEras[gregorianEra].YearOffset;
    }
}

void TuiCustomCalendarTable::ClampDate(rtl::TDateTime& date) const {
    date = ClampDateTime(date, MinDate(), MaxDate());
}

rtl::TDateTime TuiCustomCalendarTable::AddDays(const TuiCalendarDateTime& date, int32_t days) const {
    rtl::TDateTime result = ShiftDays(CalendarDateTimeToDateTime(date), days);
    ClampDate(result);
    return result;
}

rtl::TDateTime TuiCustomCalendarTable::AddMonths(rtl::TDateTime date, int32_t months) const {
    return AddMonthsTo(DateTimeToCalendarDate(date), months);
}

rtl::TDateTime TuiCustomCalendarTable::AddMonthsTo(const TuiCalendarDateTime& date, int32_t months) const {
    if (!IsValidDay(date.Era, date.Year, date.Month, date.Day)) {
        return MinDate();
    }
    TuiCalendarDateTime result = date;
    int64_t month = int64_t{date.Month} + months;
    // Year by year, so a huge count ends at the first year the table does not hold.
    while (month > MonthsInYearOfEra(result.Era, result.Year)) {
        month -= MonthsInYearOfEra(result.Era, result.Year);
        if (!IsValidYear(result.Era, ++result.Year)) {
            return BoundInDirection(1);
        }
    }
    while (month <= 0) {
        if (!IsValidYear(result.Era, --result.Year)) {
            return BoundInDirection(-1);
        }
        month += MonthsInYearOfEra(result.Era, result.Year);
    }
    result.Month = static_cast<int32_t>(month);
    result.Day = std::min(result.Day, DaysInMonthOfEra(result.Era, result.Year, result.Month));
    NormalizeEraYearAt(result.Year, result.Era, result.Day, result.Month);
    rtl::TDateTime dateTime = CalendarDateTimeToDateTime(result);
    ClampDate(dateTime);
    return dateTime;
}

rtl::TDateTime TuiCustomCalendarTable::AddYears(rtl::TDateTime date, int32_t years) const {
    return AddYearsTo(DateTimeToCalendarDate(date), years);
}

rtl::TDateTime TuiCustomCalendarTable::AddYearsTo(const TuiCalendarDateTime& date, int32_t years) const {
    if (!IsValidDay(date.Era, date.Year, date.Month, date.Day)) {
        return MinDate();
    }
    TuiCalendarDateTime result = date;
    result.Year = ClampToInt32(int64_t{date.Year} + years);
    NormalizeEraYear(result.Year, result.Era);
    if (!IsValidYear(result.Era, result.Year)) {
        return BoundInDirection(years);
    }
    result.Month = std::min(result.Month, MonthsInYearOfEra(result.Era, result.Year));
    result.Day = std::min(result.Day, DaysInMonthOfEra(result.Era, result.Year, result.Month));
    NormalizeEraYearAt(result.Year, result.Era, result.Day, result.Month);
    rtl::TDateTime dateTime = CalendarDateTimeToDateTime(result);
    ClampDate(dateTime);
    return dateTime;
}

rtl::TDateTime TuiCustomCalendarTable::AddWeeks(rtl::TDateTime date, int32_t weeks) const {
    return AddWeeksTo(DateTimeToCalendarDate(date), weeks);
}

rtl::TDateTime TuiCustomCalendarTable::AddWeeksTo(const TuiCalendarDateTime& date, int32_t weeks) const {
    rtl::TDateTime result = ShiftDays(CalendarDateTimeToDateTime(date), int64_t{weeks} * DaysPerWeek);
    ClampDate(result);
    return result;
}

TuiCalendarDateTime TuiCustomCalendarTable::EncodeToCalendarDate(int32_t year, int32_t month, int32_t day) const {
    return EncodeDateTimeToCalendarDate(year, month, day, 0, 0, 0, 0);
}

TuiCalendarDateTime TuiCustomCalendarTable::EncodeDateTimeToCalendarDate(int32_t year, int32_t month, int32_t day,
                                                                         int32_t hour, int32_t minute, int32_t second,
                                                                         int32_t millisecond) const {
    return DateTimeToCalendarDate(rtl::EncodeDateTime({year, month, day}, {hour, minute, second, millisecond}));
}

int32_t TuiCustomCalendarTable::DayOfYearOf(rtl::TDateTime dateTime) const {
    return DayOfYear(DateTimeToCalendarDate(dateTime));
}

int32_t TuiCustomCalendarTable::DayOfYear(const TuiCalendarDate& date) const {
    return DayIndexInYear(date.Era, date.Year, date.Month, date.Day);
}

int32_t TuiCustomCalendarTable::DaysInMonth(int32_t year, int32_t month) const {
    return DaysInMonthOfEra(-1, year, month);
}

int32_t TuiCustomCalendarTable::DaysInYear(int32_t year) const {
    return DaysInYearOfEra(-1, year);
}

int32_t TuiCustomCalendarTable::EraOfYear(int32_t gregorianYear) const {
    return EraOfDate(gregorianYear, 1, 1);
}

int32_t TuiCustomCalendarTable::EraOfDate(int32_t gregorianYear, int32_t month, int32_t day) const {
    int32_t result = -1;
    for (size_t i = 0; i < FEras.size(); ++i) {
        if (FEras[i].StartDate != NullDate && IsOnOrAfter(gregorianYear, month, day, FEras[i].StartDate)) {
            result = static_cast<int32_t>(i);
        }
    }
    return result;
}

rtl::TDateTime TuiCustomCalendarTable::WeekStartDateTime(rtl::TDateTime dateTime) const {
    return WeekStartDateTimeFor(FirstWeekday(), dateTime);
}

rtl::TDateTime TuiCustomCalendarTable::WeekStartDateTimeFor(int32_t firstWeekday, rtl::TDateTime dateTime) const {
    const int32_t daysBack = ((WeekdayOf(dateTime) - firstWeekday) % DaysPerWeek + DaysPerWeek) % DaysPerWeek;
    return ShiftDays(dateTime, -daysBack);
}

TuiCalendarDateTime TuiCustomCalendarTable::WeekStartOf(const TuiCalendarDateTime& date) const {
    return WeekStartOfFor(date, FirstWeekday());
}

TuiCalendarDateTime TuiCustomCalendarTable::WeekStartOfFor(const TuiCalendarDateTime& date,
                                                           int32_t firstWeekday) const {
    return DateTimeToCalendarDate(WeekStartDateTimeFor(firstWeekday, CalendarDateTimeToDateTime(date)));
}

int32_t TuiCustomCalendarTable::MonthsInYear(int32_t year) const {
    return MonthsInYearOfEra(-1, year);
}

int32_t TuiCustomCalendarTable::YearOfDateTime(rtl::TDateTime dateTime) const {
    return DateTimeToCalendarDate(dateTime).Year;
}

int32_t TuiCustomCalendarTable::YearOfDate(const TuiCalendarDate& date) const {
    return date.Year;
}

int32_t TuiCustomCalendarTable::WeekdayOf(rtl::TDateTime dateTime) const {
    return rtl::DayOfWeek(dateTime) - 1;
}

int32_t TuiCustomCalendarTable::WeekdayOfDate(const TuiCalendarDateTime& date) const {
    return WeekdayOf(CalendarDateTimeToDateTime(date));
}

int32_t TuiCustomCalendarTable::WeekNumberOf(rtl::TDateTime dateTime, int32_t firstWeekday, int32_t rule) const {
    return WeekNumber(DateTimeToCalendarDate(dateTime), firstWeekday, rule);
}

bool TuiCustomCalendarTable::IsLeapDayOf(int32_t year, int32_t month, int32_t day) const {
    return IsLeapDay(-1, year, month, day);
}

bool TuiCustomCalendarTable::IsLeapMonthOf(int32_t year, int32_t month) const {
    return IsLeapMonth(-1, year, month);
}

bool TuiCustomCalendarTable::IsLeapYearOf(int32_t year) const {
    return IsLeapYearInEra(-1, year);
}

bool TuiCustomCalendarTable::IsValidYearOf(int32_t year) const {
    return IsValidYear(-1, year);
}

bool TuiCustomCalendarTable::IsValidYear(int32_t, int32_t year) const {
    return year >= MinYear() && year <= MaxYear();
}

bool TuiCustomCalendarTable::IsValidMonthOf(int32_t year, int32_t month) const {
    return IsValidMonth(-1, year, month);
}

bool TuiCustomCalendarTable::IsValidMonth(int32_t era, int32_t year, int32_t month) const {
    return IsValidYear(era, year) && month >= 1 && month <= MonthsInYearOfEra(era, year);
}

bool TuiCustomCalendarTable::IsValidDayOf(int32_t year, int32_t month, int32_t day) const {
    return IsValidDay(-1, year, month, day);
}

bool TuiCustomCalendarTable::IsValidDay(int32_t era, int32_t year, int32_t month, int32_t day) const {
    return IsValidMonth(era, year, month) && day >= 1 && day <= DaysInMonthOfEra(era, year, month);
}

bool TuiCustomCalendarTable::IsValidDateTime(rtl::TDateTime dateTime) const {
    const TuiCalendarDateTime date = DateTimeToCalendarDate(dateTime);
    return IsValidDay(date.Era, date.Year, date.Month, date.Day);
}

rtl::TDateTime TuiCustomCalendarTable::CalendarDateToDateTime(const TuiCalendarDate& date) const {
    TuiCalendarDateTime dateTime;
    static_cast<TuiCalendarDate&>(dateTime) = date;
    return CalendarDateTimeToDateTime(dateTime);
}

rtl::TDateTime TuiCustomCalendarTable::EncodeCalendarDateTime(int32_t year, int32_t month, int32_t day) const {
    return EncodeCalendarDateTimeFull(year, month, day, 0, 0, 0, 0);
}

rtl::TDateTime TuiCustomCalendarTable::EncodeCalendarDateTimeFull(int32_t year, int32_t month, int32_t day,
                                                                  int32_t hour, int32_t minute, int32_t second,
                                                                  int32_t millisecond) const {
    TuiCalendarDateTime date;
    date.Year = year;
    date.Month = month;
    date.Day = day;
    date.Hour = static_cast<uint8_t>(hour);
    date.Minute = static_cast<uint8_t>(minute);
    date.Second = static_cast<uint8_t>(second);
    date.Millisecond = static_cast<uint16_t>(millisecond);
    return CalendarDateTimeToDateTime(date);
}

int32_t TuiCustomCalendarTable::DayNumberFromText(rtl::UnicodeStringView text) const {
    return rtl::StrToInt(text);
}

int32_t TuiCustomCalendarTable::MonthNumberFromText(int32_t, rtl::UnicodeStringView text) const {
    const rtl::TFormatSettings& settings = GetLocale().RuntimeFormats();
    for (size_t month = 0; month < settings.LongMonthNames.size(); ++month) {
        if (rtl::WideSameText(text, settings.LongMonthNames[month]) ||
            rtl::WideSameText(text, settings.ShortMonthNames[month])) {
            return static_cast<int32_t>(month + 1);
        }
    }
    return rtl::StrToInt(text);
}

int32_t TuiCustomCalendarTable::YearNumberFromText(rtl::UnicodeStringView text) const {
    const int32_t value = rtl::StrToInt(text);
    if (text.size() > 2) {
        return value;
    }
    const TuiLocale& locale = GetLocale();
    int32_t maximum = locale.TwoDigitYearMax(CalendarId());
    // A locale that cannot say keeps the runtime's window rather than reading 5 as -95.
    if (maximum <= 0) {
        maximum = RuntimeTwoDigitYearMax(locale.RuntimeFormats());
    }
    const int32_t year = value + maximum / 100 * 100;
    return maximum % 100 < value ? year - 100 : year;
}

const TuiEra& TuiCustomCalendarTable::DefaultStandardEra() {
    static const TuiEra era;
    return era;
}

rtl::TDateTime TuiCustomCalendarTable::TimeOfDay(const TuiCalendarDateTime& date) {
    return rtl::EncodeTime(date.Hour, date.Minute, date.Second, date.Millisecond);
}

void TuiCustomCalendarTable::SetTimeOfDay(TuiCalendarDateTime& date, rtl::TDateTime dateTime) {
    const rtl::TTimeParts time = rtl::DecodeTime(dateTime);
    date.Hour = static_cast<uint8_t>(time.Hour);
    date.Minute = static_cast<uint8_t>(time.Minute);
    date.Second = static_cast<uint8_t>(time.Second);
    date.Millisecond = static_cast<uint16_t>(time.Millisecond);
}

int32_t TuiCustomCalendarTable::CalendarYearWeekNumber(const TuiCalendarDateTime& date, int32_t rule) const {
    if (rule == 0) {
        rule = LocaleFirstWeekRule();
    }
    TuiCalendarDate firstDay = date;
    firstDay.Month = 1;
    firstDay.Day = 1;
    rtl::TDateTime start = WeekStartDateTime(CalendarDateToDateTime(firstDay));
    const bool startsInPreviousYear = YearOfDateTime(start) < date.Year;
    if ((rule == 2 && startsInPreviousYear) || (rule == 3 && YearOfDateTime(ShiftDays(start, 3)) < date.Year)) {
        start = ShiftDays(start, DaysPerWeek);
    }
    const int32_t week = WholeDaysBetween(start, CalendarDateToDateTime(date)) / DaysPerWeek + 1;
    if (date.Month != MonthsInYearOfEra(date.Era, date.Year) || (rule != 1 && rule != 3)) {
        return week;
    }
    // The last week of the year is the next year's first when enough of it lies there.
    const rtl::TDateTime ownWeekStart = CalendarDateToDateTime(WeekStartOf(date));
    const int32_t daysIntoNextYear = rule == 1 ? 6 : 3;
    return DateTimeToCalendarDate(ShiftDays(ownWeekStart, daysIntoNextYear)).Month == 1 ? 1 : week;
}

const TuiEra* TuiCustomCalendarTable::EraAt(int32_t era) const {
    if (era == -1) {
        return &StandardEra();
    }
    return era >= 0 && static_cast<size_t>(era) < FEras.size() ? &FEras[era] : nullptr;
}

int32_t TuiCustomCalendarTable::YearOffsetOf(int32_t era) const {
    const TuiEra* found = EraAt(era);
    return found ? found->YearOffset : 0;
}

int32_t TuiCustomCalendarTable::DayIndexInYear(int32_t era, int32_t year, int32_t month, int32_t day) const {
    int32_t days = day;
    for (int32_t m = 1; m < month; ++m) {
        days += DaysInMonthOfEra(era, year, m);
    }
    return days;
}

rtl::TDateTime TuiCustomCalendarTable::BoundInDirection(int32_t step) const {
    return step > 0 ? MaxDate() : MinDate();
}

TuiCustomCalendarTable* FindCalendarTable(int32_t calendarId) {
    for (const auto& table : CalendarTables()) {
        if (table->CalendarId() == calendarId) {
            return table.get();
        }
    }
    return nullptr;
}

TuiCalendarTableClass CalendarTableClassOf(int32_t calendarId) {
    switch (calendarId) {
    case calGregorianUSEnglish:
        return MakeTable<TuiGregorianUSEnglishCalendarTable>;
    case calJapanese:
        return MakeTable<TuiJapaneseCalendarTable>;
    case calTaiwan:
        return MakeTable<TuiTaiwanCalendarTable>;
    case calKorean:
        return MakeTable<TuiKoreanCalendarTable>;
    case calHijri:
        return MakeTable<TuiHijriCalendarTable>;
    case calThai:
        return MakeTable<TuiThaiCalendarTable>;
    case calHebrew:
        return MakeTable<TuiHebrewCalendarTable>;
    case calGregorianMiddleEastFrench:
        return MakeTable<TuiGregorianMiddleEastFrenchCalendarTable>;
    case calGregorianArabic:
        return MakeTable<TuiGregorianArabicCalendarTable>;
    case calGregorianTransliteratedEnglish:
        return MakeTable<TuiGregorianTransliteratedEnglishCalendarTable>;
    case calGregorianTransliteratedFrench:
        return MakeTable<TuiGregorianTransliteratedFrenchCalendarTable>;
    default:
        return MakeTable<TuiGregorianCalendarTable>;
    }
}

TuiCustomCalendarTable* GetCalendarTable(int32_t calendarId) {
    // An id without a table of its own shares the one Gregorian table.
    const bool hasOwnTable = calendarId >= calGregorian && calendarId <= calGregorianTransliteratedFrench;
    const int32_t servedId = hasOwnTable ? calendarId : calGregorian;
    if (TuiCustomCalendarTable* listed = FindCalendarTable(servedId)) {
        return listed;
    }
    return CalendarTables().emplace_back(CalendarTableClassOf(servedId)()).get();
}

TuiCustomCalendarTable* GetDefaultCalendarTable() {
    return GetCalendarTable(GetLocaleCalendarType());
}

void FreeCalendarTables() {
    CalendarTables().clear();
}

bool IsGregorianCalendar(const TuiCustomCalendarTable* table) {
    switch ((table ? table : GetDefaultCalendarTable())->CalendarId()) {
    case calGregorian:
    case calGregorianUSEnglish:
    case calGregorianMiddleEastFrench:
    case calGregorianArabic:
    case calGregorianTransliteratedEnglish:
    case calGregorianTransliteratedFrench:
        return true;
    default:
        return false;
    }
}

} // namespace ui
