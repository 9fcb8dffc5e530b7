#pragma once
// Format settings: the separators, date and time patterns, currency layout and month and day names that number,
// date and message conversions use. Every conversion takes its settings explicitly or uses the process-wide ones,
// which are read once from the user's locale; nothing switches process-wide state to convert.
//
// Date and time patterns use the runtime's pattern letters: d dd ddd dddd (day, day name), m mm mmm mmmm (month,
// month name; after h, minutes), yy yyyy, h hh, n nn (minutes), s ss, ampm, and quoted literal text.

#include "rtl/text/StringTypes.h"

#include <array>
#include <cstdint>

namespace rtl {

// The settings one conversion works with; copy and adjust them to convert differently from the user's locale.
struct TFormatSettings {
    char16_t DecimalSeparator = u'.';
    char16_t ThousandSeparator = u',';
    char16_t ListSeparator = u',';
    char16_t DateSeparator = u'/';
    char16_t TimeSeparator = u':';
    UnicodeString ShortDateFormat;
    UnicodeString LongDateFormat;
    UnicodeString ShortTimeFormat;
    UnicodeString LongTimeFormat;
    UnicodeString TimeAMString;
    UnicodeString TimePMString;
    UnicodeString CurrencyString;
    // Where the currency symbol goes: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    uint8_t CurrencyFormat = 0;
    // The layout of negative amounts, 0 "($1)" to 15 "(1 $)" in the order Windows numbers them.
    uint8_t NegCurrFormat = 0;
    uint8_t CurrencyDecimals = 2;
    std::array<UnicodeString, 12> ShortMonthNames;
    std::array<UnicodeString, 12> LongMonthNames;
    // Sunday first.
    std::array<UnicodeString, 7> ShortDayNames;
    std::array<UnicodeString, 7> LongDayNames;
    // A two-digit year is read into the hundred years that start this many years before the current one.
    uint16_t TwoDigitYearCenturyWindow = 50;

    // Settings independent of any locale: '.' decimals, ',' thousands, US English names and patterns.
    static const TFormatSettings& Invariant();
};

// The process-wide settings, read once from the user's locale on first use (the invariant ones where the platform
// has no locale to read). Mutable: the application may adjust them before it starts converting.
TFormatSettings& FormatSettings();

namespace detail {
// Reads the platform's user locale into settings that start as the invariant ones.
TFormatSettings PlatformFormatSettings();
// Translates a Windows locale date or time pattern (d M y h H m s t g, '...' literals) into the runtime's letters.
UnicodeString LocalePatternToFormat(UnicodeStringView pattern);
} // namespace detail

} // namespace rtl
