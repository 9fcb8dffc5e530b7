#include "rtl/WindowsApi.h"
#include "rtl/numbers/FormatSettings.h"

namespace rtl::detail {

namespace {

// One locale value of the user's locale, or fallback when the locale has none.
UnicodeString LocaleText(LCTYPE type, UnicodeStringView fallback) {
    wchar_t buffer[256];
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer)));
    if (length <= 1) {
        return UnicodeString(fallback);
    }
    return UnicodeString(reinterpret_cast<const char16_t*>(buffer), static_cast<size_t>(length - 1));
}

char16_t LocaleChar(LCTYPE type, char16_t fallback) {
    const UnicodeString text = LocaleText(type, UnicodeStringView(&fallback, 1));
    return text.size() == 1 ? text[0] : fallback;
}

uint8_t LocaleNumber(LCTYPE type, uint8_t fallback, uint8_t maximum) {
    const UnicodeString text = LocaleText(type, u"");
    if (text.empty() || text.size() > 2) {
        return fallback;
    }
    unsigned value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return fallback;
        }
        value = value * 10 + (c - u'0');
    }
    return value <= maximum ? static_cast<uint8_t>(value) : fallback;
}

UnicodeString LocalePattern(LCTYPE type, UnicodeStringView fallback) {
    const UnicodeString pattern = LocaleText(type, u"");
    return pattern.empty() ? UnicodeString(fallback) : LocalePatternToFormat(pattern);
}

template <size_t N>
void ReadNames(std::array<UnicodeString, N>& names, const LCTYPE (&types)[N]) {
    for (size_t i = 0; i < N; ++i) {
        names[i] = LocaleText(types[i], names[i]);
    }
}

// Windows counts days from Monday; our names start on Sunday.
constexpr LCTYPE LongDayTypes[7] = {LOCALE_SDAYNAME7, LOCALE_SDAYNAME1, LOCALE_SDAYNAME2, LOCALE_SDAYNAME3,
                                    LOCALE_SDAYNAME4, LOCALE_SDAYNAME5, LOCALE_SDAYNAME6};
constexpr LCTYPE ShortDayTypes[7] = {LOCALE_SABBREVDAYNAME7, LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2,
                                     LOCALE_SABBREVDAYNAME3, LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5,
                                     LOCALE_SABBREVDAYNAME6};
constexpr LCTYPE LongMonthTypes[12] = {LOCALE_SMONTHNAME1,  LOCALE_SMONTHNAME2,  LOCALE_SMONTHNAME3,
                                       LOCALE_SMONTHNAME4,  LOCALE_SMONTHNAME5,  LOCALE_SMONTHNAME6,
                                       LOCALE_SMONTHNAME7,  LOCALE_SMONTHNAME8,  LOCALE_SMONTHNAME9,
                                       LOCALE_SMONTHNAME10, LOCALE_SMONTHNAME11, LOCALE_SMONTHNAME12};
constexpr LCTYPE ShortMonthTypes[12] = {
    LOCALE_SABBREVMONTHNAME1, LOCALE_SABBREVMONTHNAME2,  LOCALE_SABBREVMONTHNAME3,  LOCALE_SABBREVMONTHNAME4,
    LOCALE_SABBREVMONTHNAME5, LOCALE_SABBREVMONTHNAME6,  LOCALE_SABBREVMONTHNAME7,  LOCALE_SABBREVMONTHNAME8,
    LOCALE_SABBREVMONTHNAME9, LOCALE_SABBREVMONTHNAME10, LOCALE_SABBREVMONTHNAME11, LOCALE_SABBREVMONTHNAME12};

} // namespace

TFormatSettings PlatformFormatSettings() {
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DecimalSeparator = LocaleChar(LOCALE_SDECIMAL, settings.DecimalSeparator);
    settings.ThousandSeparator = LocaleChar(LOCALE_STHOUSAND, settings.ThousandSeparator);
    settings.ListSeparator = LocaleChar(LOCALE_SLIST, settings.ListSeparator);
    settings.DateSeparator = LocaleChar(LOCALE_SDATE, settings.DateSeparator);
    settings.TimeSeparator = LocaleChar(LOCALE_STIME, settings.TimeSeparator);
    settings.ShortDateFormat = LocalePattern(LOCALE_SSHORTDATE, settings.ShortDateFormat);
    settings.LongDateFormat = LocalePattern(LOCALE_SLONGDATE, settings.LongDateFormat);
    settings.ShortTimeFormat = LocalePattern(LOCALE_SSHORTTIME, settings.ShortTimeFormat);
    settings.LongTimeFormat = LocalePattern(LOCALE_STIMEFORMAT, settings.LongTimeFormat);
    settings.TimeAMString = LocaleText(LOCALE_S1159, settings.TimeAMString);
    settings.TimePMString = LocaleText(LOCALE_S2359, settings.TimePMString);
    settings.CurrencyString = LocaleText(LOCALE_SCURRENCY, settings.CurrencyString);
    settings.CurrencyFormat = LocaleNumber(LOCALE_ICURRENCY, settings.CurrencyFormat, 3);
    settings.NegCurrFormat = LocaleNumber(LOCALE_INEGCURR, settings.NegCurrFormat, 15);
    settings.CurrencyDecimals = LocaleNumber(LOCALE_ICURRDIGITS, settings.CurrencyDecimals, 99);
    ReadNames(settings.LongMonthNames, LongMonthTypes);
    ReadNames(settings.ShortMonthNames, ShortMonthTypes);
    ReadNames(settings.LongDayNames, LongDayTypes);
    ReadNames(settings.ShortDayNames, ShortDayTypes);
    return settings;
}

} // namespace rtl::detail
