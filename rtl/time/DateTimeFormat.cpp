#include "rtl/time/DateTimeFormat.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>

namespace rtl {

namespace {

// Patterns taken from the settings ("c", "ddddd", "t"...) expand inside a pattern; deeper nesting is dropped, so
// settings whose patterns name each other cannot recurse without end.
constexpr int MaxPatternNesting = 2;
// More digits than this cannot be a date or time field, and fewer keep the value within 32 bits.
constexpr size_t MaxNumberDigits = 9;
// The am/pm specifiers; "ampm" takes the settings' words, the others the letters on either side of the slash.
constexpr UnicodeStringView AmPmSpecifiers[] = {u"am/pm", u"ampm", u"a/p"};
constexpr UnicodeStringView SettingsAmPmSpecifier = u"ampm";

char16_t UpperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool IsQuote(char16_t c) {
    return c == u'"' || c == u'\'';
}

// The position of the quote that closes the literal opening at pos, or the end of an unclosed literal.
size_t ClosingQuote(UnicodeStringView format, size_t pos) {
    return std::min(format.find(format[pos], pos + 1), format.size());
}

// The am/pm specifier at pos, empty when there is none.
UnicodeStringView AmPmSpecifierAt(UnicodeStringView format, size_t pos) {
    for (const UnicodeStringView specifier : AmPmSpecifiers) {
        if (format.size() - pos >= specifier.size() && SameText(format.substr(pos, specifier.size()), specifier)) {
            return format.substr(pos, specifier.size());
        }
    }
    return {};
}

// An am/pm specifier anywhere in the pattern, before or after the hour, makes the hour a 12-hour one.
bool HasAmPm(UnicodeStringView format) {
    for (size_t pos = 0; pos < format.size(); ++pos) {
        if (IsQuote(format[pos])) {
            pos = ClosingQuote(format, pos);
        } else if (!AmPmSpecifierAt(format, pos).empty()) {
            return true;
        }
    }
    return false;
}

// How many times the letter at pos repeats there, in either case.
size_t RunLength(UnicodeStringView format, size_t pos) {
    const char16_t letter = UpperAscii(format[pos]);
    size_t end = pos + 1;
    while (end < format.size() && UpperAscii(format[end]) == letter) {
        ++end;
    }
    return end - pos;
}

UnicodeString Padded(int32_t value, size_t width) {
    char buffer[16];
    const auto length = static_cast<size_t>(std::to_chars(buffer, buffer + sizeof buffer, value).ptr - buffer);
    UnicodeString text(width > length ? width - length : 0, u'0');
    text.append(buffer, buffer + length);
    return text;
}

// The name of a 1-based month or day, empty for a value outside the calendar.
template <size_t N>
UnicodeStringView NameAt(const std::array<UnicodeString, N>& names, int32_t number) {
    return number >= 1 && static_cast<size_t>(number) <= N ? UnicodeStringView(names[number - 1]) : UnicodeStringView();
}

// Writes one value through the pattern letters of FormatDateTime.
class TDateTimeFormatter {
public:
    TDateTimeFormatter(TDateTime value, const TFormatSettings& settings)
        : FSettings(settings), FDate(DecodeDate(value)), FTime(DecodeTime(value)), FDayOfWeek(DayOfWeek(value)) {}

    void Append(UnicodeStringView format, int nesting) {
        const bool twelveHour = HasAmPm(format);
        char16_t lastLetter = 0;
        for (size_t pos = 0; pos < format.size();) {
            const char16_t c = format[pos];
            if (IsQuote(c)) {
                const size_t close = ClosingQuote(format, pos);
                FResult.append(format.substr(pos + 1, close - pos - 1));
                pos = close + 1;
                continue;
            }
            pos += AppendElement(format, pos, lastLetter, twelveHour, nesting);
            const char16_t letter = UpperAscii(c);
            lastLetter = letter >= u'A' && letter <= u'Z' ? letter : lastLetter;
        }
    }

    UnicodeString TakeResult() { return std::move(FResult); }

private:
    // Appends the element that starts at pos and returns how many pattern characters it took.
    size_t AppendElement(UnicodeStringView format, size_t pos, char16_t lastLetter, bool twelveHour, int nesting) {
        const size_t run = RunLength(format, pos);
        switch (UpperAscii(format[pos])) {
        case u'C':
            AppendNested(FSettings.ShortDateFormat, nesting);
            if (FTime.Hour != 0 || FTime.Minute != 0 || FTime.Second != 0 || FTime.Millisecond != 0) {
                FResult += u' ';
                AppendNested(FSettings.LongTimeFormat, nesting);
            }
            return 1;
        case u'D':
            return AppendDay(run, nesting);
        case u'M':
            return lastLetter == u'H' ? AppendNumber(FTime.Minute, run, 2) : AppendMonth(run);
        case u'Y':
            FResult += run <= 2 ? Padded(FDate.Year % 100, 2) : Padded(FDate.Year, 4);
            return run;
        case u'H':
            return AppendNumber(twelveHour ? Hour12() : FTime.Hour, run, 2);
        case u'N':
            return AppendNumber(FTime.Minute, run, 2);
        case u'S':
            return AppendNumber(FTime.Second, run, 2);
        case u'Z':
            return AppendNumber(FTime.Millisecond, run, 3);
        case u'T':
            AppendNested(run == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, nesting);
            return std::min<size_t>(run, 2);
        case u'A':
            return AppendAmPm(format, pos);
        case u'/':
            FResult += FSettings.DateSeparator;
            return 1;
        case u':':
            FResult += FSettings.TimeSeparator;
            return 1;
        default:
            FResult += format[pos];
            return 1;
        }
    }

    void AppendNested(UnicodeStringView format, int nesting) {
        if (nesting < MaxPatternNesting) {
            Append(format, nesting + 1);
        }
    }

    // A single letter gives the number as it is, two or more pad it to width digits.
    size_t AppendNumber(int32_t value, size_t run, size_t width) {
        FResult += Padded(value, run == 1 ? 1 : width);
        return std::min(run, width);
    }

    size_t AppendDay(size_t run, int nesting) {
        switch (run) {
        case 1:
        case 2:
            return AppendNumber(FDate.Day, run, 2);
        case 3:
            FResult += NameAt(FSettings.ShortDayNames, FDayOfWeek);
            return 3;
        case 4:
            FResult += NameAt(FSettings.LongDayNames, FDayOfWeek);
            return 4;
        case 5:
            AppendNested(FSettings.ShortDateFormat, nesting);
            return 5;
        default:
            AppendNested(FSettings.LongDateFormat, nesting);
            return 6;
        }
    }

    size_t AppendMonth(size_t run) {
        if (run <= 2) {
            return AppendNumber(FDate.Month, run, 2);
        }
        FResult += NameAt(run == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames, FDate.Month);
        return std::min<size_t>(run, 4);
    }

    size_t AppendAmPm(UnicodeStringView format, size_t pos) {
        const UnicodeStringView specifier = AmPmSpecifierAt(format, pos);
        const bool pm = FTime.Hour >= 12;
        if (specifier.empty()) {
            FResult += format[pos];
            return 1;
        }
        if (SameText(specifier, SettingsAmPmSpecifier)) {
            FResult += pm ? FSettings.TimePMString : FSettings.TimeAMString;
        } else {
            const size_t slash = specifier.find(u'/');
            FResult += pm ? specifier.substr(slash + 1) : specifier.substr(0, slash);
        }
        return specifier.size();
    }

    int32_t Hour12() const { return FTime.Hour % 12 == 0 ? 12 : FTime.Hour % 12; }

    const TFormatSettings& FSettings;
    TDateParts FDate;
    TTimeParts FTime;
    int32_t FDayOfWeek;
    UnicodeString FResult;
};

// Where the year, the month and the day stand among the numbers of a date text.
struct TFieldOrder {
    size_t Year, Month, Day;
};
constexpr TFieldOrder YearMonthDay{0, 1, 2};
constexpr TFieldOrder MonthDayYear{2, 0, 1};
constexpr TFieldOrder DayMonthYear{2, 1, 0};

enum class TDateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The order the first of the letters y, m and d in a date pattern sets; month first when it has none.
TDateOrder DateOrderOf(UnicodeStringView format) {
    for (size_t pos = 0; pos < format.size(); ++pos) {
        switch (UpperAscii(format[pos])) {
        case u'Y':
            return TDateOrder::YearMonthDay;
        case u'M':
            return TDateOrder::MonthDayYear;
        case u'D':
            return TDateOrder::DayMonthYear;
        case u'"':
        case u'\'':
            pos = ClosingQuote(format, pos);
            break;
        default:
            break;
        }
    }
    return TDateOrder::MonthDayYear;
}

// A two-digit year lands in the hundred years that begin window years before the current year.
int32_t WindowedYear(int32_t twoDigitYear, int32_t window) {
    const int32_t base = DecodeDate(Date()).Year - window;
    const int32_t year = twoDigitYear + base / 100 * 100;
    return window > 0 && year < base ? year + 100 : year;
}

struct TScannedNumber {
    int32_t Value = 0;
    size_t Digits = 0;
};

// Reads the numbers, separators and words of a date or time text from left to right.
class TDateTimeScanner {
public:
    TDateTimeScanner(UnicodeStringView text, const TFormatSettings& settings) : FText(text), FSettings(settings) {}

    bool ScanDate(TDateTime& result) {
        std::array<TScannedNumber, 3> numbers;
        if (!ScanNumber(numbers[0]) || !ScanChar(FSettings.DateSeparator) || !ScanNumber(numbers[1])) {
            return false;
        }
        const size_t afterTwoNumbers = FPos;
        const bool hasYear = ScanChar(FSettings.DateSeparator) && ScanNumber(numbers[2]);
        if (!hasYear) {
            FPos = afterTwoNumbers;
        }
        const TDateOrder dateOrder = DateOrderOf(FSettings.ShortDateFormat);
        // A long first number can only be a year; two numbers are a month and a day in either order.
        const bool yearFirst = hasYear && (numbers[0].Digits > 2 || dateOrder == TDateOrder::YearMonthDay);
        const TFieldOrder order = yearFirst                               ? YearMonthDay
                                  : dateOrder == TDateOrder::DayMonthYear ? DayMonthYear
                                                                          : MonthDayYear;
        return TryEncodeDate(hasYear ? FullYear(numbers[order.Year]) : DecodeDate(Date()).Year,
                             numbers[order.Month].Value, numbers[order.Day].Value, result);
    }

    bool ScanTime(TDateTime& result) {
        auto pm = ScanAmPm();
        TScannedNumber hour;
        TScannedNumber minute;
        TScannedNumber second;
        if (!ScanNumber(hour) || !ScanChar(FSettings.TimeSeparator) || !ScanNumber(minute)) {
            return false;
        }
        const size_t afterMinute = FPos;
        if (!ScanChar(FSettings.TimeSeparator) || !ScanNumber(second)) {
            FPos = afterMinute;
            second = {};
        }
        pm = pm ? pm : ScanAmPm();
        int32_t hour24 = hour.Value;
        if (pm) {
            if (hour24 > 12) {
                return false;
            }
            hour24 = hour24 % 12 + (*pm ? 12 : 0);
        }
        return TryEncodeTime(hour24, minute.Value, second.Value, 0, result);
    }

    // A date with an optional time after it, or a time alone.
    bool ScanDateTime(TDateTime& result) {
        TDateTime date = 0;
        if (!ScanDate(date)) {
            FPos = 0;
            return ScanTime(result);
        }
        const size_t afterDate = FPos;
        TDateTime time = 0;
        if (!ScanTime(time)) {
            FPos = afterDate;
        }
        result = ReplaceTime(date, time);
        return true;
    }

    bool AtEnd() {
        SkipBlanks();
        return FPos == FText.size();
    }

private:
    void SkipBlanks() {
        while (FPos < FText.size() && FText[FPos] == u' ') {
            ++FPos;
        }
    }

    // Blanks may stand around a separator, unless the separator is itself a blank.
    bool ScanChar(char16_t c) {
        if (c != u' ') {
            SkipBlanks();
        }
        if (FPos < FText.size() && FText[FPos] == c) {
            ++FPos;
            return true;
        }
        return false;
    }

    bool ScanNumber(TScannedNumber& number) {
        SkipBlanks();
        const size_t start = FPos;
        int32_t value = 0;
        for (; FPos < FText.size() && FText[FPos] >= u'0' && FText[FPos] <= u'9'; ++FPos) {
            if (FPos - start == MaxNumberDigits) {
                return false;
            }
            value = value * 10 + (FText[FPos] - u'0');
        }
        number = {value, FPos - start};
        return number.Digits > 0;
    }

    bool ScanWord(UnicodeStringView word) {
        if (word.empty() || FText.size() - FPos < word.size() || !WideSameText(FText.substr(FPos, word.size()), word)) {
            return false;
        }
        FPos += word.size();
        return true;
    }

    // True for PM, false for AM, nothing when neither word is there.
    std::optional<bool> ScanAmPm() {
        SkipBlanks();
        if (ScanWord(FSettings.TimeAMString) || ScanWord(u"AM")) {
            return false;
        }
        if (ScanWord(FSettings.TimePMString) || ScanWord(u"PM")) {
            return true;
        }
        return std::nullopt;
    }

    int32_t FullYear(const TScannedNumber& year) const {
        return year.Digits > 2 ? year.Value : WindowedYear(year.Value, FSettings.TwoDigitYearCenturyWindow);
    }

    UnicodeStringView FText;
    const TFormatSettings& FSettings;
    size_t FPos = 0;
};

using TScanMethod = bool (TDateTimeScanner::*)(TDateTime&);

bool TryScan(UnicodeStringView text, TDateTime& result, const TFormatSettings& settings, TScanMethod scan) {
    TDateTimeScanner scanner(text, settings);
    TDateTime value = 0;
    if (!(scanner.*scan)(value) || !scanner.AtEnd()) {
        return false;
    }
    result = value;
    return true;
}

TDateTime ScanOrRaise(UnicodeStringView text, const TFormatSettings& settings, TScanMethod scan,
                      UnicodeStringView message) {
    TDateTime result = 0;
    if (!TryScan(text, result, settings, scan)) {
        throw EConvertError(Format(message, {text}));
    }
    return result;
}

} // namespace

UnicodeString FormatDateTime(UnicodeStringView format, TDateTime value) {
    return FormatDateTime(format, value, FormatSettings());
}

UnicodeString FormatDateTime(UnicodeStringView format, TDateTime value, const TFormatSettings& settings) {
    TDateTimeFormatter formatter(value, settings);
    formatter.Append(format.empty() ? u"c" : format, 0);
    return formatter.TakeResult();
}

UnicodeString DateTimeToStr(TDateTime value) {
    return FormatDateTime(u"c", value);
}
UnicodeString DateTimeToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime(u"c", value, settings);
}
UnicodeString DateToStr(TDateTime value) {
    return FormatDateTime(u"ddddd", value);
}
UnicodeString DateToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime(u"ddddd", value, settings);
}
UnicodeString TimeToStr(TDateTime value) {
    return FormatDateTime(u"tt", value);
}
UnicodeString TimeToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime(u"tt", value, settings);
}

bool TryStrToDateTime(UnicodeStringView text, TDateTime& result) {
    return TryStrToDateTime(text, result, FormatSettings());
}
bool TryStrToDateTime(UnicodeStringView text, TDateTime& result, const TFormatSettings& settings) {
    return TryScan(text, result, settings, &TDateTimeScanner::ScanDateTime);
}
bool TryStrToDate(UnicodeStringView text, TDateTime& result) {
    return TryStrToDate(text, result, FormatSettings());
}
bool TryStrToDate(UnicodeStringView text, TDateTime& result, const TFormatSettings& settings) {
    return TryScan(text, result, settings, &TDateTimeScanner::ScanDate);
}
bool TryStrToTime(UnicodeStringView text, TDateTime& result) {
    return TryStrToTime(text, result, FormatSettings());
}
bool TryStrToTime(UnicodeStringView text, TDateTime& result, const TFormatSettings& settings) {
    return TryScan(text, result, settings, &TDateTimeScanner::ScanTime);
}

TDateTime StrToDateTime(UnicodeStringView text) {
    return StrToDateTime(text, FormatSettings());
}
TDateTime StrToDateTime(UnicodeStringView text, const TFormatSettings& settings) {
    return ScanOrRaise(text, settings, &TDateTimeScanner::ScanDateTime, RtlMessages::InvalidDateTime);
}
TDateTime StrToDate(UnicodeStringView text) {
    return StrToDate(text, FormatSettings());
}
TDateTime StrToDate(UnicodeStringView text, const TFormatSettings& settings) {
    return ScanOrRaise(text, settings, &TDateTimeScanner::ScanDate, RtlMessages::InvalidDate);
}
TDateTime StrToTime(UnicodeStringView text) {
    return StrToTime(text, FormatSettings());
}
TDateTime StrToTime(UnicodeStringView text, const TFormatSettings& settings) {
    return ScanOrRaise(text, settings, &TDateTimeScanner::ScanTime, RtlMessages::InvalidTime);
}

} // namespace rtl
