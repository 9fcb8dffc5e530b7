#include "rtl/numbers/FormatSettings.h"

namespace rtl {

namespace {

TFormatSettings MakeInvariant() {
    TFormatSettings settings;
    settings.ShortDateFormat = u"MM/dd/yyyy";
    settings.LongDateFormat = u"dddd, MMMM d, yyyy";
    settings.ShortTimeFormat = u"hh:nn";
    settings.LongTimeFormat = u"hh:nn:ss";
    settings.TimeAMString = u"AM";
    settings.TimePMString = u"PM";
    settings.CurrencyString = u"$";
    settings.ShortMonthNames = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    settings.LongMonthNames = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                               u"July",    u"August",   u"September", u"October", u"November", u"December"};
    settings.ShortDayNames = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
    settings.LongDayNames = {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"};
    return settings;
}

// Appends the runtime's letters for one run of a Windows pattern letter.
void AppendPatternRun(UnicodeString& result, char16_t letter, size_t length) {
    switch (letter) {
    case u'y':
        result += length <= 2 ? u"yy" : u"yyyy";
        break;
    case u'h':
    case u'H':
        result += length == 1 ? u"h" : u"hh";
        break;
    case u'm':
        // Windows' minutes; our own 'm' would read as a month outside a time.
        result.append(length == 1 ? 1 : 2, u'n');
        break;
    case u't':
        result += u"ampm";
        break;
    case u'g':
        // The era has no counterpart.
        break;
    default:
        result.append(length, letter);
        break;
    }
}

bool IsPatternLetter(char16_t c) {
    return c == u'd' || c == u'M' || c == u'y' || c == u'h' || c == u'H' || c == u'm' || c == u's' || c == u't' ||
           c == u'g';
}

} // namespace

const TFormatSettings& TFormatSettings::Invariant() {
    static const TFormatSettings invariant = MakeInvariant();
    return invariant;
}

TFormatSettings& FormatSettings() {
    static TFormatSettings settings = detail::PlatformFormatSettings();
    return settings;
}

namespace detail {

UnicodeString LocalePatternToFormat(UnicodeStringView pattern) {
    UnicodeString result;
    size_t i = 0;
    while (i < pattern.size()) {
        const char16_t c = pattern[i];
        if (c == u'\'') {
            // Quoted literal text, where '' stands for one quote.
            const size_t close = pattern.find(u'\'', i + 1);
            const size_t end = close == UnicodeStringView::npos ? pattern.size() : close;
            // Both kinds of quote delimit literals in our patterns, so a quoted run carries over as it is.
            result += end == i + 1 ? u"\"'\""
                                   : UnicodeString(u"'") + UnicodeString(pattern.substr(i + 1, end - i - 1)) + u"'";
            i = end + 1;
        } else if (IsPatternLetter(c)) {
            size_t length = 1;
            while (i + length < pattern.size() && pattern[i + length] == c) {
                ++length;
            }
            AppendPatternRun(result, c, length);
            i += length;
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

} // namespace detail

} // namespace rtl
