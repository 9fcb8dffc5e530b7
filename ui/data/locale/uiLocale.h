#pragma once
// The locale that the format controller and the date units read. Two kinds of setting meet here: the runtime's format
// settings (patterns in the runtime's letters, month and day names, currency layout), which the format controller
// turns into masks, and the operating system's own locale values, date formatting and calendar information, which
// the date display and parsing use. One process-wide locale serves both: the operating system's on Windows, the
// runtime's settings elsewhere; tests put their own in its place.

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace ui {

// Calendar identifiers of the locale (CAL_GREGORIAN 1 .. CAL_GREGORIAN_XLIT_FRENCH 12).
enum TuiCalendarId : int32_t {
    calGregorian = 1,
    calGregorianUSEnglish = 2,
    calJapanese = 3,
    calTaiwan = 4,
    calKorean = 5,
    calHijri = 6,
    calThai = 7,
    calHebrew = 8,
    calGregorianMiddleEastFrench = 9,
    calGregorianArabic = 10,
    calGregorianTransliteratedEnglish = 11,
    calGregorianTransliteratedFrench = 12,
};

// Flags of FormatDate, with the values of the operating system's date formatting.
enum TuiDateFormatFlag : uint32_t {
    dffShortDate = 0x1,
    dffLongDate = 0x2,
    dffUseAltCalendar = 0x4,
    dffYearMonth = 0x8,
};

// Character sets that name the script of a font (the operating system's values).
enum TuiCharset : uint8_t {
    csAnsi = 0,
    csDefault = 1,
    csGB2312 = 134,
    csChineseBig5 = 136,
    csArabic = 178,
};

// What the operating system's locale says, read anew on every call.
struct TuiLocaleValues {
    char16_t DateSeparator = u'/';
    char16_t TimeSeparator = u':';
    // Patterns in the locale's own letters (d M y g, h H m s t, '...' literals).
    rtl::UnicodeString ShortDateFormat = u"M/d/yyyy";
    rtl::UnicodeString LongDateFormat = u"dddd, MMMM d, yyyy";
    rtl::UnicodeString TimeFormat = u"h:mm:ss tt";
    rtl::UnicodeString AMDesignator = u"AM";
    rtl::UnicodeString PMDesignator = u"PM";
    // Monday first, as the locale numbers its days.
    std::array<rtl::UnicodeString, 7> AbbreviatedDayNames = {u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"};
    std::array<rtl::UnicodeString, 7> ShortestDayNames = {u"Mo", u"Tu", u"We", u"Th", u"Fr", u"Sa", u"Su"};
    // 0 = Sunday .. 6 = Saturday.
    int32_t FirstDayOfWeek = 0;
    // 1: the week that holds 1 January is week 1; 2: the first full week; 3: the first week with four days.
    int32_t FirstWeekOfYear = 1;
    int32_t CalendarType = calGregorian;
    // The character set of the system's code page, which csDefault stands for.
    uint8_t DefaultCharset = csAnsi;
};

// One era of the locale's calendar as the runtime names it: Gregorian year = era year + YearOffset.
struct TuiLocaleEra {
    rtl::UnicodeString Name;
    int32_t YearOffset = 0;
};

// The locale seam.
class TuiLocale {
public:
    virtual ~TuiLocale() = default;

    // The runtime's format settings.
    virtual const rtl::TFormatSettings& RuntimeFormats() const = 0;
    // Reads the runtime's format settings again after the user changed the regional settings.
    virtual void RereadRuntimeFormats() = 0;
    virtual TuiLocaleValues Values() const = 0;
    // The runtime's names of the eras of the locale's calendar, at most seven, oldest first; empty for a calendar
    // without eras.
    virtual std::vector<TuiLocaleEra> RuntimeEras() const = 0;
    // The date formatted by the locale in its calendar, with a pattern in the locale's letters (empty: the locale's
    // own short or, with dffLongDate, long date format); nothing when the locale cannot format it.
    virtual std::optional<rtl::UnicodeString> FormatDate(rtl::TDateTime date, uint32_t flags,
                                                         rtl::UnicodeStringView format) const = 0;
    // The time of day in the locale's time format; nothing when the locale cannot format it.
    virtual std::optional<rtl::UnicodeString> FormatTime(rtl::TDateTime time) const = 0;
    // The year-and-month pattern of a calendar; nothing when the locale has none for it.
    virtual std::optional<rtl::UnicodeString> CalendarYearMonthFormat(int32_t calendarId) const = 0;
    // The last year that a two-digit year of a calendar stands for (2029: 30 is 1930, 29 is 2029); 0 when unknown.
    virtual int32_t TwoDigitYearMax(int32_t calendarId) const = 0;
    // Texts compared by the locale's collation, case-sensitively or not: negative, 0 or positive.
    virtual int CompareText(rtl::UnicodeStringView a, rtl::UnicodeStringView b, bool ignoreCase) const = 0;
    // The text in upper case by the locale's rules.
    virtual rtl::UnicodeString UpperCase(rtl::UnicodeStringView text) const = 0;
};

// A locale made of the runtime's format settings alone, with the operating system's values set as a caller wishes: the
// locale of platforms without one of their own, and the base of the locales that tests inject.
class TuiRuntimeLocale : public TuiLocale {
public:
    explicit TuiRuntimeLocale(const rtl::TFormatSettings& settings);

    const rtl::TFormatSettings& RuntimeFormats() const override { return FSettings; }
    void RereadRuntimeFormats() override {}
    TuiLocaleValues Values() const override { return FValues; }
    std::vector<TuiLocaleEra> RuntimeEras() const override { return FEras; }
    // Formats with the runtime's formatter, which reads the locale's date letters alike.
    std::optional<rtl::UnicodeString> FormatDate(rtl::TDateTime date, uint32_t flags,
                                                 rtl::UnicodeStringView format) const override;
    std::optional<rtl::UnicodeString> FormatTime(rtl::TDateTime time) const override;
    std::optional<rtl::UnicodeString> CalendarYearMonthFormat(int32_t calendarId) const override;
    // The last year of the runtime's two-digit century window unless set.
    int32_t TwoDigitYearMax(int32_t calendarId) const override;
    // Without a collation of its own: UTF-16 unit order, after full case mapping when case is ignored.
    int CompareText(rtl::UnicodeStringView a, rtl::UnicodeStringView b, bool ignoreCase) const override;
    rtl::UnicodeString UpperCase(rtl::UnicodeStringView text) const override;

    rtl::TFormatSettings& Settings() { return FSettings; }
    TuiLocaleValues& MutableValues() { return FValues; }
    void SetRuntimeEras(std::vector<TuiLocaleEra> eras) { FEras = std::move(eras); }
    void SetYearMonthFormat(std::optional<rtl::UnicodeString> format) { FYearMonthFormat = std::move(format); }
    void SetTwoDigitYearMax(int32_t year) { FTwoDigitYearMax = year; }

private:
    rtl::TFormatSettings FSettings;
    TuiLocaleValues FValues;
    std::vector<TuiLocaleEra> FEras;
    std::optional<rtl::UnicodeString> FYearMonthFormat;
    int32_t FTwoDigitYearMax = 0;
};

// The last year of the runtime's two-digit century window.
int32_t RuntimeTwoDigitYearMax(const rtl::TFormatSettings& settings);

// The process-wide locale.
TuiLocale& GetLocale();
// Puts a locale in place of the process-wide one and returns the one it replaces; nullptr stands for the platform's
// own. The caller keeps the locale alive while it is in place.
TuiLocale* SetLocale(TuiLocale* locale);

// The first day of the week of the locale, 0 = Sunday .. 6 = Saturday, read anew on every call.
int32_t GetFirstDayOfWeek();
// The calendar type of the locale.
int32_t GetLocaleCalendarType();

// An era name and a year of that era.
struct TuiEraYear {
    rtl::UnicodeString Name;
    int32_t Year = 0;
};
// Finds the year offset of each named era by asking eraOfYear for the era of the last day of each Gregorian year from
// 1 to 9999 until every name has one (an era counts the year it begins in as its year 1); names never answered are
// left out.
std::vector<TuiLocaleEra> FindEraYearOffsets(const std::vector<rtl::UnicodeString>& names,
                                             const std::function<std::optional<TuiEraYear>(int32_t)>& eraOfYear);

namespace detail {
// The platform's own locale, made on first use.
TuiLocale& PlatformLocale();
} // namespace detail

} // namespace ui
