#pragma once
// The calendar tables of the Gregorian family: the Gregorian calendar under its six locale names, and the era
// calendars that count Gregorian years from another start: Japanese (Meiji to Heisei), Taiwan, Korean and Thai.

#include "ui/data/dates/uiCalendarTable.h"

namespace ui {

// The Gregorian calendar, years 100 to 9999.
class TuiGregorianCalendarTable : public TuiCustomCalendarTable {
public:
    TuiGregorianCalendarTable() = default;

    TuiCalendarAlgorithm CalendarAlgorithm() const override { return TuiCalendarAlgorithm::caSolar; }
    int32_t CalendarId() const override { return calGregorian; }
    const TuiEra& StandardEra() const override;
    rtl::TDateTime MaxDate() const override { return MaxSupportedDateTime; }
    rtl::TDateTime MinDate() const override { return MinSupportedDate; }
    int32_t MaxYear() const override { return 9999; }
    int32_t MinYear() const override { return 100; }
    TuiCalendarDateTime DateTimeToCalendarDate(rtl::TDateTime dateTime) const override;
    // EConvertError for a date the Gregorian calendar does not have.
    rtl::TDateTime CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const override;
    int32_t DaysInMonthOfEra(int32_t era, int32_t year, int32_t month) const override;
    int32_t DaysInYearOfEra(int32_t era, int32_t year) const override;
    int32_t FirstWeekday() const override { return 0; }
    // 53 when the year holds 53 weeks that begin on the table's first weekday, else 52.
    int32_t FullWeeksInYear(int32_t year) const override;
    int32_t MonthsInYearOfEra(int32_t, int32_t) const override { return 12; }
    int32_t WeekNumber(const TuiCalendarDateTime& date, int32_t firstWeekday, int32_t rule) const override;
    bool IsLeapDay(int32_t era, int32_t year, int32_t month, int32_t day) const override;
    bool IsLeapMonth(int32_t era, int32_t year, int32_t month) const override;
    // The Gregorian rule on the Gregorian year of an era year.
    bool IsLeapYearInEra(int32_t era, int32_t year) const override;

protected:
    explicit TuiGregorianCalendarTable(TuiEras eras) : TuiCustomCalendarTable(std::move(eras)) {}

    // The calendar date of a Gregorian date-time whose era has that year offset, and back.
    static TuiCalendarDateTime CalendarDateTimeOf(rtl::TDateTime dateTime, int32_t era, int32_t yearOffset);
    static rtl::TDateTime GregorianDateTimeOf(const TuiCalendarDateTime& date, int32_t yearOffset);
};

class TuiGregorianUSEnglishCalendarTable : public TuiGregorianCalendarTable {
public:
    int32_t CalendarId() const override { return calGregorianUSEnglish; }
};

class TuiGregorianMiddleEastFrenchCalendarTable : public TuiGregorianCalendarTable {
public:
    int32_t CalendarId() const override { return calGregorianMiddleEastFrench; }
    int32_t FirstWeekday() const override { return 1; }
};

class TuiGregorianArabicCalendarTable : public TuiGregorianCalendarTable {
public:
    int32_t CalendarId() const override { return calGregorianArabic; }
    int32_t FirstWeekday() const override { return 6; }
};

class TuiGregorianTransliteratedEnglishCalendarTable : public TuiGregorianCalendarTable {
public:
    int32_t CalendarId() const override { return calGregorianTransliteratedEnglish; }
    int32_t FirstWeekday() const override { return 1; }
};

class TuiGregorianTransliteratedFrenchCalendarTable : public TuiGregorianCalendarTable {
public:
    int32_t CalendarId() const override { return calGregorianTransliteratedFrench; }
    int32_t FirstWeekday() const override { return 1; }
};

// The Japanese era calendar: Meiji, Taisho, Showa and Heisei; Heisei is the standard era and goes on to its year 8011
// (9999), as no later era is listed.
class TuiJapaneseCalendarTable : public TuiGregorianCalendarTable {
public:
    TuiJapaneseCalendarTable();

    int32_t CalendarId() const override { return calJapanese; }
    // The last listed era.
    const TuiEra& StandardEra() const override { return Eras().back(); }
    rtl::TDateTime MinDate() const override { return Eras().front().StartDate; }
    int32_t MaxYear() const override;
    int32_t MinYear() const override;
    TuiCalendarDateTime DateTimeToCalendarDate(rtl::TDateTime dateTime) const override;
    // MinDate for a date the calendar does not have.
    rtl::TDateTime CalendarDateTimeToDateTime(const TuiCalendarDateTime& date) const override;

protected:
    explicit TuiJapaneseCalendarTable(TuiEras eras) : TuiGregorianCalendarTable(std::move(eras)) {}
};

// Years of the Republic of China: year 1 is 1912.
class TuiTaiwanCalendarTable : public TuiJapaneseCalendarTable {
public:
    TuiTaiwanCalendarTable();
    int32_t CalendarId() const override { return calTaiwan; }
};

// The Korean Tangun era: year 2334 is Gregorian year 1.
class TuiKoreanCalendarTable : public TuiJapaneseCalendarTable {
public:
    TuiKoreanCalendarTable();
    int32_t CalendarId() const override { return calKorean; }
};

// The Thai Buddhist era: year 544 is Gregorian year 1.
class TuiThaiCalendarTable : public TuiJapaneseCalendarTable {
public:
    TuiThaiCalendarTable();
    int32_t CalendarId() const override { return calThai; }
};

} // namespace ui
