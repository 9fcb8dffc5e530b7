#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"
#include "ui/data/locale/uiLocale.h"

#include <iterator>

namespace ui {

namespace {

constexpr int LocaleTextCapacity = 256;

rtl::UnicodeString FromWide(const wchar_t* text, int lengthWithTerminator) {
    if (lengthWithTerminator <= 1) {
        return {};
    }
    return rtl::UnicodeString(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(lengthWithTerminator - 1));
}

const wchar_t* ToWide(const rtl::UnicodeString& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A value of the thread's locale, or fallback when the locale has none.
rtl::UnicodeString LocaleText(LCTYPE type, const rtl::UnicodeString& fallback) {
    wchar_t buffer[LocaleTextCapacity];
    const int length = GetLocaleInfoW(GetThreadLocale(), type, buffer, static_cast<int>(std::size(buffer)));
    return length > 1 ? FromWide(buffer, length) : fallback;
}

int32_t LocaleNumber(LCTYPE type, int32_t fallback) {
    DWORD value = 0;
    const int length = GetLocaleInfoW(GetThreadLocale(), type | LOCALE_RETURN_NUMBER,
                                      reinterpret_cast<wchar_t*>(&value), sizeof value / sizeof(wchar_t));
    return length > 0 ? static_cast<int32_t>(value) : fallback;
}

char16_t LocaleChar(LCTYPE type, char16_t fallback) {
    const rtl::UnicodeString text = LocaleText(type, {});
    return text.empty() ? fallback : text[0];
}

constexpr LCTYPE AbbreviatedDayTypes[7] = {LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2, LOCALE_SABBREVDAYNAME3,
                                           LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5, LOCALE_SABBREVDAYNAME6,
                                           LOCALE_SABBREVDAYNAME7};
constexpr LCTYPE ShortestDayTypes[7] = {LOCALE_SSHORTESTDAYNAME1, LOCALE_SSHORTESTDAYNAME2, LOCALE_SSHORTESTDAYNAME3,
                                        LOCALE_SSHORTESTDAYNAME4, LOCALE_SSHORTESTDAYNAME5, LOCALE_SSHORTESTDAYNAME6,
                                        LOCALE_SSHORTESTDAYNAME7};

uint8_t SystemCharset() {
    CHARSETINFO info{};
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<uintptr_t>(GetACP())), &info, TCI_SRCCODEPAGE)) {
        return csAnsi;
    }
    return static_cast<uint8_t>(info.ciCharset);
}

SYSTEMTIME SystemTimeOf(rtl::TDateTime value) {
    const rtl::TDateParts date = rtl::DecodeDate(value);
    const rtl::TTimeParts time = rtl::DecodeTime(value);
    SYSTEMTIME result{};
    result.wYear = static_cast<WORD>(date.Year);
    result.wMonth = static_cast<WORD>(date.Month);
    result.wDay = static_cast<WORD>(date.Day);
    result.wDayOfWeek = static_cast<WORD>(rtl::DayOfWeek(value) - 1);
    result.wHour = static_cast<WORD>(time.Hour);
    result.wMinute = static_cast<WORD>(time.Minute);
    result.wSecond = static_cast<WORD>(time.Second);
    result.wMilliseconds = static_cast<WORD>(time.Millisecond);
    return result;
}

// EnumCalendarInfoW passes no context to its callback; the enumeration runs on the calling thread only.
thread_local std::vector<rtl::UnicodeString>* EnumeratedNames = nullptr;

BOOL CALLBACK CollectCalendarName(LPWSTR name) {
    EnumeratedNames->push_back(reinterpret_cast<const char16_t*>(name));
    return TRUE;
}

// The operating system's locale of the calling thread, with the runtime's format settings beside it.
class TuiWindowsLocale final : public TuiLocale {
public:
    const rtl::TFormatSettings& RuntimeFormats() const override { return rtl::FormatSettings(); }

    void RereadRuntimeFormats() override {
        rtl::FormatSettings() = rtl::detail::PlatformFormatSettings();
        FErasCalendar = 0;
    }

    TuiLocaleValues Values() const override {
        TuiLocaleValues values;
        values.DateSeparator = LocaleChar(LOCALE_SDATE, values.DateSeparator);
        values.TimeSeparator = LocaleChar(LOCALE_STIME, values.TimeSeparator);
        values.ShortDateFormat = LocaleText(LOCALE_SSHORTDATE, values.ShortDateFormat);
        values.LongDateFormat = LocaleText(LOCALE_SLONGDATE, values.LongDateFormat);
        values.TimeFormat = LocaleText(LOCALE_STIMEFORMAT, values.TimeFormat);
        values.AMDesignator = LocaleText(LOCALE_S1159, {});
        values.PMDesignator = LocaleText(LOCALE_S2359, {});
        for (size_t day = 0; day < 7; ++day) {
            values.AbbreviatedDayNames[day] = LocaleText(AbbreviatedDayTypes[day], values.AbbreviatedDayNames[day]);
            values.ShortestDayNames[day] = LocaleText(ShortestDayTypes[day], values.AbbreviatedDayNames[day]);
        }
        // The locale counts the first day of the week from Monday = 0.
        values.FirstDayOfWeek = (LocaleNumber(LOCALE_IFIRSTDAYOFWEEK, 0) + 1) % 7;
        values.FirstWeekOfYear = LocaleNumber(LOCALE_IFIRSTWEEKOFYEAR, 0) + 1;
        values.CalendarType = LocaleNumber(LOCALE_ICALENDARTYPE, calGregorian);
        values.DefaultCharset = SystemCharset();
        return values;
    }

    std::vector<TuiLocaleEra> RuntimeEras() const override {
        const auto calendar = static_cast<CALID>(LocaleNumber(LOCALE_ICALENDARTYPE, calGregorian));
        if (FErasCalendar != calendar) {
            FEras = ReadEras(calendar);
            FErasCalendar = calendar;
        }
        return FEras;
    }

    std::optional<rtl::UnicodeString> FormatDate(rtl::TDateTime date, uint32_t flags,
                                                 rtl::UnicodeStringView format) const override {
        const SYSTEMTIME time = SystemTimeOf(date);
        const rtl::UnicodeString pattern(format);
        wchar_t buffer[LocaleTextCapacity];
        const int length = GetDateFormatW(GetThreadLocale(), flags, &time, format.empty() ? nullptr : ToWide(pattern),
                                          buffer, static_cast<int>(std::size(buffer)));
        if (length == 0) {
            return std::nullopt;
        }
        return FromWide(buffer, length);
    }

    std::optional<rtl::UnicodeString> FormatTime(rtl::TDateTime value) const override {
        const SYSTEMTIME time = SystemTimeOf(value);
        wchar_t buffer[LocaleTextCapacity];
        const int length =
            GetTimeFormatW(GetThreadLocale(), 0, &time, nullptr, buffer, static_cast<int>(std::size(buffer)));
        if (length == 0) {
            return std::nullopt;
        }
        return FromWide(buffer, length);
    }

    std::optional<rtl::UnicodeString> CalendarYearMonthFormat(int32_t calendarId) const override {
        wchar_t buffer[LocaleTextCapacity];
        const int length = GetCalendarInfoW(GetThreadLocale(), static_cast<CALID>(calendarId), CAL_SYEARMONTH, buffer,
                                            static_cast<int>(std::size(buffer)), nullptr);
        if (length <= 1) {
            return std::nullopt;
        }
        return FromWide(buffer, length);
    }

    int32_t TwoDigitYearMax(int32_t calendarId) const override {
        DWORD value = 0;
        if (GetCalendarInfoW(GetThreadLocale(), static_cast<CALID>(calendarId),
                             CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0, &value) == 0) {
            return 0;
        }
        return static_cast<int32_t>(value);
    }

    int CompareText(rtl::UnicodeStringView a, rtl::UnicodeStringView b, bool ignoreCase) const override {
        const int result = CompareStringW(GetThreadLocale(), ignoreCase ? NORM_IGNORECASE : 0,
                                          reinterpret_cast<const wchar_t*>(a.data()), static_cast<int>(a.size()),
                                          reinterpret_cast<const wchar_t*>(b.data()), static_cast<int>(b.size()));
        // CSTR_LESS_THAN 1, CSTR_EQUAL 2, CSTR_GREATER_THAN 3; 0 only for bad arguments.
        return result == 0 ? rtl::CompareStr(a, b) : result - CSTR_EQUAL;
    }

    rtl::UnicodeString UpperCase(rtl::UnicodeStringView text) const override {
        if (text.empty()) {
            return {};
        }
        const auto length = static_cast<int>(text.size());
        rtl::UnicodeString upper(text.size(), u'\0');
        const int written =
            LCMapStringW(GetThreadLocale(), LCMAP_UPPERCASE, reinterpret_cast<const wchar_t*>(text.data()), length,
                         reinterpret_cast<wchar_t*>(upper.data()), length);
        return written == length ? upper : rtl::WideUpperCase(text);
    }

private:
    // The era names of a calendar, and each era's year offset found by formatting the last day of the years.
    std::vector<TuiLocaleEra> ReadEras(CALID calendar) const {
        constexpr size_t maxEras = 7;
        std::vector<rtl::UnicodeString> names;
        EnumeratedNames = &names;
        EnumCalendarInfoW(CollectCalendarName, GetThreadLocale(), calendar, CAL_SERASTRING);
        EnumeratedNames = nullptr;
        if (names.size() > maxEras) {
            names.resize(maxEras);
        }
        return FindEraYearOffsets(names, [this](int32_t year) -> std::optional<TuiEraYear> {
            rtl::TDateTime lastDay = 0;
            if (!rtl::TryEncodeDate(year, 12, 31, lastDay)) {
                return std::nullopt;
            }
            const std::optional<rtl::UnicodeString> text = FormatDate(lastDay, 0, u"gg'|'yyyy");
            const size_t bar = text ? text->find(u'|') : rtl::UnicodeString::npos;
            if (bar == rtl::UnicodeString::npos) {
                return std::nullopt;
            }
            int32_t eraYear = 0;
            for (size_t i = bar + 1; i < text->size() && rtl::IsAsciiDigit((*text)[i]) && eraYear < 100000; ++i) {
                eraYear = eraYear * 10 + ((*text)[i] - u'0');
            }
            return TuiEraYear{text->substr(0, bar), eraYear};
        });
    }

    mutable CALID FErasCalendar = 0;
    mutable std::vector<TuiLocaleEra> FEras;
};

} // namespace

namespace detail {

TuiLocale& PlatformLocale() {
    static TuiWindowsLocale locale;
    return locale;
}

} // namespace detail

} // namespace ui
