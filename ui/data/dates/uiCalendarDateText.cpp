#include "ui/data/dates/uiCalendarDateText.h"

#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTimeFormat.h"
#include "ui/data/dates/uiDateText.h"
#include "ui/data/locale/uiLocale.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

enum class TCalendarField : uint8_t { cfDay, cfMonth, cfYear };
using TCalendarFieldOrder = std::array<TCalendarField, 3>;

constexpr TCalendarFieldOrder DayMonthYear{TCalendarField::cfDay, TCalendarField::cfMonth, TCalendarField::cfYear};
constexpr TCalendarFieldOrder YearMonthDay{TCalendarField::cfYear, TCalendarField::cfMonth, TCalendarField::cfDay};
constexpr TCalendarFieldOrder MonthDayYear{TCalendarField::cfMonth, TCalendarField::cfDay, TCalendarField::cfYear};

// The order the first day, year (e or y) or month letter of the short date format sets; month first without one.
TCalendarFieldOrder FieldOrderOf(rtl::UnicodeStringView shortDateFormat) {
    for (const char16_t c : shortDateFormat) {
        switch (c) {
        case u'd':
        case u'D':
            return DayMonthYear;
        case u'e':
        case u'E':
        case u'y':
        case u'Y':
            return YearMonthDay;
        case u'm':
        case u'M':
            return MonthDayYear;
        default:
            break;
        }
    }
    return MonthDayYear;
}

// Reads the fields of a date text from left to right.
class TCalendarFieldReader {
public:
    TCalendarFieldReader(rtl::UnicodeStringView text, char16_t dateSeparator)
        : FText(text), FDateSeparator(dateSeparator) {}

    void SkipTo(size_t pos) { FPos = std::min(pos, FText.size()); }

    // The first two fields end at the date separator, later ones at a blank.
    rtl::UnicodeString NextField() {
        const char16_t stop = FFieldCount++ < 2 ? FDateSeparator : u' ';
        const size_t end = std::min(FText.find(stop, FPos), FText.size());
        const rtl::UnicodeString field = rtl::Trim(FText.substr(FPos, end - FPos));
        FPos = std::min(end + 1, FText.size());
        return field;
    }

    // A field that ended at a blank with a word after it: a month name of two words.
    bool WordFollowsBlank() const {
        return FPos > 0 && FPos < FText.size() && FText[FPos - 1] == u' ' && !rtl::IsAsciiDigit(FText[FPos]);
    }

    rtl::UnicodeStringView Rest() const { return FText.substr(FPos); }

private:
    rtl::UnicodeStringView FText;
    char16_t FDateSeparator;
    size_t FPos = 0;
    int FFieldCount = 0;
};

// The year offset of the era a text names before its first digit: the first of the runtime's eras whose name holds
// it, 0 when none does.
int32_t TypedEraYearOffset(rtl::UnicodeStringView text, const std::vector<TuiLocaleEra>& eras, size_t& firstDigit) {
    firstDigit = std::find_if(text.begin(), text.end(), rtl::IsAsciiDigit) - text.begin();
    const rtl::UnicodeString name = rtl::Trim(text.substr(0, firstDigit));
    if (name.empty()) {
        return 0;
    }
    const auto era = std::find_if(eras.begin(), eras.end(), [&name](const TuiLocaleEra& candidate) {
        return rtl::Pos(name, candidate.Name) >= 0;
    });
    return era != eras.end() ? era->YearOffset : 0;
}

} // namespace

TuiCalendarDateTime ParseCalendarDateText(rtl::UnicodeStringView text, const TuiCustomCalendarTable& table) {
    const TuiLocaleValues values = GetLocale().Values();
    const rtl::UnicodeString& format = values.ShortDateFormat;
    const bool eraNameFirst = !format.empty() && (format[0] == u'g' || format[0] == u'G');
    const bool eraYears = format.find_first_of(u"eE") != rtl::UnicodeString::npos;
    const std::vector<TuiLocaleEra> eras =
        eraNameFirst || eraYears ? GetLocale().RuntimeEras() : std::vector<TuiLocaleEra>{};

    TCalendarFieldReader reader(text, values.DateSeparator);
    int32_t eraYearOffset = 0;
    if (eraNameFirst) {
        size_t firstDigit = 0;
        eraYearOffset = TypedEraYearOffset(text, eras, firstDigit);
        reader.SkipTo(firstDigit);
    }
    if (eraYears && !eras.empty()) {
        eraYearOffset = eras.front().YearOffset;
    }

    const TCalendarFieldOrder order = FieldOrderOf(format);
    const bool monthNamesMayHaveTwoWords = order != YearMonthDay;
    rtl::UnicodeString fields[3];
    for (size_t i = 0; i < order.size(); ++i) {
        rtl::UnicodeString& field = fields[static_cast<size_t>(order[i])];
        field = reader.NextField();
        if (order[i] == TCalendarField::cfMonth && monthNamesMayHaveTwoWords && reader.WordFollowsBlank()) {
            field += u" " + reader.NextField();
        }
    }

    TuiCalendarDateTime date;
    date.Year = table.YearNumberFromText(fields[static_cast<size_t>(TCalendarField::cfYear)]);
    date.Month = table.MonthNumberFromText(date.Year, fields[static_cast<size_t>(TCalendarField::cfMonth)]);
    date.Day = table.DayNumberFromText(fields[static_cast<size_t>(TCalendarField::cfDay)]);
    // An era begins during its first year, so the last day of that year lies in it; its first day may not (Heisei
    // began on 8 January 1989).
    date.Era = table.EraOfDate(eraYearOffset + 1, 12, 31);
    const rtl::UnicodeString time = rtl::Trim(reader.Rest());
    if (!time.empty()) {
        const rtl::TTimeParts parts = rtl::DecodeTime(rtl::StrToTime(time, GetLocale().RuntimeFormats()));
        date.Hour = static_cast<uint8_t>(parts.Hour);
        date.Minute = static_cast<uint8_t>(parts.Minute);
        date.Second = static_cast<uint8_t>(parts.Second);
        date.Millisecond = static_cast<uint16_t>(parts.Millisecond);
    }
    return date;
}

rtl::TDateTime TextToDateByCalendar(rtl::UnicodeStringView text) {
    const int32_t calendarType = GetLocaleCalendarType();
    if (calendarType < calJapanese || calendarType > calHebrew) {
        rtl::TDateTime date = NullDate;
        return TryTextToDate(text, date) ? date : NullDate;
    }
    try {
        const TuiCustomCalendarTable& table = *GetDefaultCalendarTable();
        const TuiCalendarDateTime date = ParseCalendarDateText(text, table);
        // The tables give their first day for a date they do not have, which is no answer to a typing mistake.
        if (!table.IsValidDay(date.Era, date.Year, date.Month, date.Day)) {
            return NullDate;
        }
        return table.CalendarDateTimeToDateTime(date);
    } catch (const std::exception&) {
        return NullDate;
    }
}

} // namespace ui
