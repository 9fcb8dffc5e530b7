#include "ui/data/dates/uiDateDisplay.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTimeFormat.h"
#include "ui/core/encoding/uxTextConversions.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/data/locale/uiLocale.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

bool OneLetterNames = true;
TuiWeekdayNameKind NameKind = TuiWeekdayNameKind::wnkAbbreviated;

bool UsesRuntimeFormats() {
    return GetFormatController().UseRuntimeDateFormats();
}

const TuiCustomCalendarTable& TableOrDefault(const TuiCustomCalendarTable* table) {
    return table ? *table : *GetDefaultCalendarTable();
}

bool UsesRuntimeNames(const TuiCustomCalendarTable& table) {
    return IsGregorianCalendar(&table) && UsesRuntimeFormats();
}

// The date-time of day 1 of the calendar month that holds date.
rtl::TDateTime CalendarMonthStart(const TuiCustomCalendarTable& table, rtl::TDateTime date,
                                  TuiCalendarDateTime& monthStart) {
    monthStart = table.DateTimeToCalendarDate(date);
    monthStart.Day = 1;
    return table.CalendarDateToDateTime(monthStart);
}

rtl::UnicodeString RuntimeLongMonthName(int32_t month) {
    const auto& names = GetLocale().RuntimeFormats().LongMonthNames;
    return month >= 1 && month <= static_cast<int32_t>(names.size()) ? names[month - 1] : rtl::UnicodeString();
}

// A two-digit year of a format becomes a four-digit one: yy becomes yyyy.
rtl::UnicodeString WithFourDigitYear(rtl::UnicodeString format) {
    const rtl::UnicodeString lower = rtl::LowerCase(format);
    const size_t year = lower.find(u"yy");
    if (year != rtl::UnicodeString::npos && lower.find(u"yyy") == rtl::UnicodeString::npos) {
        format.insert(year + 2, 2, format[year]);
    }
    return format;
}

rtl::UnicodeString ZeroPadded(int32_t value, size_t width) {
    rtl::UnicodeString text = rtl::IntToStr(value);
    return text.size() < width ? rtl::UnicodeString(width - text.size(), u'0') + text : text;
}

char16_t LowerAsciiLetter(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool IsFieldLetter(char16_t c) {
    const char16_t lower = LowerAsciiLetter(c);
    return lower == u'd' || lower == u'm' || lower == u'y';
}

size_t NextFieldLetter(rtl::UnicodeStringView format, size_t pos) {
    while (pos < format.size() && !IsFieldLetter(format[pos])) {
        ++pos;
    }
    return pos;
}

// Writes the fields of a runtime date pattern, as FormatDateRuntime describes.
class TRuntimeDateWriter {
public:
    TRuntimeDateWriter(rtl::TDateTime date, char16_t separator)
        : FSettings(GetLocale().RuntimeFormats()), FDate(rtl::DecodeDate(date)), FWeekday(rtl::DayOfWeek(date)),
          FSeparator(separator) {}

    rtl::UnicodeString Write(rtl::UnicodeStringView format) {
        size_t pos = NextFieldLetter(format, 0);
        while (pos < format.size()) {
            const char16_t c = format[pos];
            if (c == u'\'' || c == u'"') {
                const size_t close = std::min(format.find(c, pos + 1), format.size());
                FPending += format.substr(pos + 1, close - pos - 1);
                pos = close + 1;
                continue;
            }
            const size_t run = CaseInsensitiveRun(format, pos);
            switch (LowerAsciiLetter(c)) {
            case u'd':
                AddField(DayField(run));
                break;
            case u'm':
                AddField(run == 4 ? NameOf(FSettings.LongMonthNames, FDate.Month) : ZeroPadded(FDate.Month, 2));
                break;
            case u'y':
                AddField(run == 4 ? ZeroPadded(FDate.Year % 10000, 4) : ZeroPadded(FDate.Year % 100, 2));
                break;
            case u'e':
                pos = NextFieldLetter(format, pos + run);
                continue;
            default:
                FPending += c;
                pos += 1;
                continue;
            }
            pos += run;
        }
        return FText;
    }

private:
    static size_t CaseInsensitiveRun(rtl::UnicodeStringView format, size_t pos) {
        size_t end = pos + 1;
        while (end < format.size() && LowerAsciiLetter(format[end]) == LowerAsciiLetter(format[pos])) {
            ++end;
        }
        return end - pos;
    }

    template <size_t N>
    static rtl::UnicodeString NameOf(const std::array<rtl::UnicodeString, N>& names, int32_t number) {
        return number >= 1 && number <= static_cast<int32_t>(N) ? names[number - 1] : rtl::UnicodeString();
    }

    rtl::UnicodeString DayField(size_t run) const {
        switch (run) {
        case 1:
            return rtl::IntToStr(FDate.Day);
        case 2:
            return ZeroPadded(FDate.Day, 2);
        case 3:
            return NameOf(FSettings.ShortDayNames, FWeekday);
        default:
            return NameOf(FSettings.LongDayNames, FWeekday);
        }
    }

    void AddField(const rtl::UnicodeString& field) {
        if (!FText.empty()) {
            FText += FSeparator != 0 ? rtl::UnicodeString(1, FSeparator) : FPending;
        }
        FText += field;
        FPending.clear();
    }

    const rtl::TFormatSettings& FSettings;
    rtl::TDateParts FDate;
    int32_t FWeekday;
    char16_t FSeparator;
    rtl::UnicodeString FText;
    rtl::UnicodeString FPending;
};

bool IsSurrogatePair(rtl::UnicodeStringView text, size_t pos) {
    return pos + 1 < text.size() && text[pos] >= 0xD800 && text[pos] <= 0xDBFF && text[pos + 1] >= 0xDC00 &&
           text[pos + 1] <= 0xDFFF;
}

// Whole characters, never half of a surrogate pair.
rtl::UnicodeString FirstCharacter(rtl::UnicodeStringView text) {
    return rtl::UnicodeString(text.substr(0, IsSurrogatePair(text, 0) ? 2 : 1));
}

rtl::UnicodeString LastCharacter(rtl::UnicodeStringView text) {
    const size_t units = text.size() >= 2 && IsSurrogatePair(text, text.size() - 2) ? 2 : 1;
    return rtl::UnicodeString(text.substr(text.size() - units));
}

} // namespace

rtl::UnicodeString DateToDisplayText(bool useMaskedFormat, bool withTime, bool fourDigitYear, rtl::TDateTime date) {
    if (date == NullDate) {
        return {};
    }
    if (!IsGregorianCalendar(nullptr)) {
        return FormatDateByLocaleCalendar(date);
    }
    if (!useMaskedFormat) {
        return DateToTextDefault(fourDigitYear, date);
    }
    const TuiFormatController& controller = GetFormatController();
    if (withTime) {
        return rtl::FormatDateTime(controller.MaskedDateTimeDisplayFormat(), date, controller.Settings());
    }
    return rtl::FormatDateTime(controller.MaskedDateDisplayFormat(), rtl::DateOf(date), controller.Settings());
}

rtl::UnicodeString DateToText(bool fourDigitYear, bool useRuntimeFormats, rtl::TDateTime date) {
    if (date == NullDate) {
        return {};
    }
    const TuiLocale& locale = GetLocale();
    const rtl::TFormatSettings& settings = locale.RuntimeFormats();
    if (useRuntimeFormats) {
        rtl::UnicodeString format = settings.ShortDateFormat;
        if (HasTimePart(date)) {
            format += u" " + settings.LongTimeFormat;
        }
        return rtl::FormatDateTime(fourDigitYear ? WithFourDigitYear(format) : format, date, settings);
    }
    const rtl::UnicodeString format = locale.Values().ShortDateFormat;
    std::optional<rtl::UnicodeString> text =
        locale.FormatDate(date, 0, fourDigitYear ? WithFourDigitYear(format) : format);
    if (!text) {
        // The runtime's own conversion; nothing for a value it cannot decode.
        return rtl::DecodeDate(date).Year != 0 ? rtl::DateTimeToStr(date, settings) : rtl::UnicodeString();
    }
    if (HasTimePart(date)) {
        if (const std::optional<rtl::UnicodeString> time = locale.FormatTime(date)) {
            *text += u" " + *time;
        }
    }
    return *text;
}

rtl::UnicodeString DateToTextDefault(bool fourDigitYear, rtl::TDateTime date) {
    return DateToText(fourDigitYear, UsesRuntimeFormats(), date);
}

std::optional<rtl::UnicodeString> FormatDateByLocale(uint32_t flags, rtl::UnicodeStringView format,
                                                     rtl::TDateTime date) {
    if (IsGregorianCalendar(nullptr) && UsesRuntimeFormats()) {
        return FormatDateRuntime(format.empty() ? GetLocale().RuntimeFormats().LongDateFormat : format, 0, date);
    }
    return GetLocale().FormatDate(date, flags, format);
}

rtl::UnicodeString FormatDateRuntime(rtl::UnicodeStringView format, char16_t separator, rtl::TDateTime date) {
    return TRuntimeDateWriter(date, separator).Write(format);
}

rtl::UnicodeString FormatDateByLocaleCalendar(rtl::TDateTime date) {
    const TuiLocale& locale = GetLocale();
    rtl::UnicodeString text = FormatDateByLocale(0, locale.Values().ShortDateFormat, date).value_or(u"");
    if (HasTimePart(date)) {
        text += u" " + rtl::TimeToStr(date, locale.RuntimeFormats());
    }
    return text;
}

rtl::UnicodeString FormatDayNumber(rtl::TDateTime date) {
    if (std::optional<rtl::UnicodeString> text = FormatDateByLocale(0, u"d", date)) {
        return *text;
    }
    // A copy of the settings, not the process's, carries the one-field format.
    rtl::TFormatSettings settings = GetLocale().RuntimeFormats();
    settings.ShortDateFormat = u"d";
    return rtl::DateToStr(date, settings);
}

rtl::UnicodeString CalendarMonthName(const TuiCustomCalendarTable* table, rtl::TDateTime date) {
    const TuiCustomCalendarTable& calendar = TableOrDefault(table);
    TuiCalendarDateTime monthStart;
    const rtl::TDateTime firstDay = CalendarMonthStart(calendar, date, monthStart);
    if (!UsesRuntimeNames(calendar)) {
        if (std::optional<rtl::UnicodeString> name = FormatDateByLocale(0, u"MMMM", firstDay)) {
            return *name;
        }
    }
    return RuntimeLongMonthName(monthStart.Month);
}

rtl::UnicodeString CalendarMonthNameOf(int32_t year, int32_t month, const TuiCustomCalendarTable* table) {
    const TuiCustomCalendarTable& calendar = TableOrDefault(table);
    if (UsesRuntimeNames(calendar)) {
        return RuntimeLongMonthName(month);
    }
    if (!calendar.IsValidMonthOf(year, month)) {
        return {};
    }
    return CalendarMonthName(&calendar, calendar.EncodeCalendarDateTime(year, month, 1));
}

rtl::UnicodeString CalendarMonthYearText(const TuiCustomCalendarTable* table, rtl::TDateTime date) {
    const TuiCustomCalendarTable& calendar = TableOrDefault(table);
    if (UsesRuntimeNames(calendar)) {
        return FormatDateRuntime(u"MMMM yyyy", u' ', date);
    }
    TuiCalendarDateTime monthStart;
    const rtl::TDateTime firstDay = CalendarMonthStart(calendar, date, monthStart);
    const rtl::UnicodeString format = GetLocale().CalendarYearMonthFormat(calendar.CalendarId()).value_or(u"MMMM yyyy");
    if (std::optional<rtl::UnicodeString> text = FormatDateByLocale(0, format, firstDay)) {
        return *text;
    }
    return CalendarMonthNameOf(monthStart.Year, monthStart.Month, &calendar) + u" " + CalendarYearText(&calendar, date);
}

rtl::UnicodeString CalendarYearText(const TuiCustomCalendarTable* table, rtl::TDateTime date) {
    const TuiCustomCalendarTable& calendar = TableOrDefault(table);
    TuiCalendarDateTime monthStart;
    const rtl::TDateTime firstDay = CalendarMonthStart(calendar, date, monthStart);
    return FormatDateByLocale(0, u"yyyy", firstDay).value_or(rtl::IntToStr(monthStart.Year));
}

rtl::UnicodeString GetWeekdayName(int32_t day, uint8_t charset) {
    constexpr int32_t daysInWeek = 7;
    if (day < 1 || day > daysInWeek) {
        return {};
    }
    const TuiLocaleValues values = GetLocale().Values();
    rtl::UnicodeString name;
    if (IsGregorianCalendar(nullptr) && UsesRuntimeFormats()) {
        // The runtime's names start on Sunday.
        name = GetLocale().RuntimeFormats().ShortDayNames[day % daysInWeek];
    } else {
        const auto& names =
            NameKind == TuiWeekdayNameKind::wnkShortest ? values.ShortestDayNames : values.AbbreviatedDayNames;
        name = names[day - 1];
    }
    if (!OneLetterNames || name.empty()) {
        return name;
    }
    // In Chinese and Arabic fonts a weekday name ends in what tells the days apart.
    return UsesSpecialCharset(charset, name, values.DefaultCharset) ? LastCharacter(name) : FirstCharacter(name);
}

bool OneLetterWeekdayNames() {
    return OneLetterNames;
}

void SetOneLetterWeekdayNames(bool value) {
    OneLetterNames = value;
}

TuiWeekdayNameKind WeekdayNameKind() {
    return NameKind;
}

void SetWeekdayNameKind(TuiWeekdayNameKind kind) {
    NameKind = kind;
}

} // namespace ui
