#include "ui/data/locale/uiFormatPatterns.h"

#include "rtl/text/StringUtils.h"
#include "ui/data/common/uiDataUtils.h"
#include "ui/data/locale/uiSmartDateWords.h"

#include <algorithm>
#include <iterator>

namespace ui {

namespace {

constexpr rtl::UnicodeStringView MonthNumberPattern = u"(0?[1-9]|1[012])";
constexpr rtl::UnicodeStringView TwelveHourPattern = u"(0?[1-9]|1[012])";
constexpr rtl::UnicodeStringView TwentyFourHourPattern = u"([01]?\\d|2[0-3])";
constexpr rtl::UnicodeStringView DayPattern = u"([012]?[1-9]|[123]0|31)";
constexpr rtl::UnicodeStringView MinuteOrSecondPattern = u"[0-5]?\\d";
// A signed day offset of one to four digits after a smart-date word.
constexpr rtl::UnicodeStringView SmartDateOffsetPattern = u"((\\+|-)\\d(\\d(\\d\\d?)?)?)?";

// The texts of the elements, one after the other.
template <class TItemText>
rtl::UnicodeString JoinItemTexts(const TuiDateTimeFormatInfo& info, TItemText itemText) {
    rtl::UnicodeString text;
    for (const TuiDateTimeFormatItem& item : info.Items) {
        text += itemText(item);
    }
    return text;
}

bool IsSingleLetter(rtl::UnicodeStringView text, size_t pos) {
    const char16_t letter = text[pos];
    return (pos == 0 || text[pos - 1] != letter) && (pos + 1 == text.size() || text[pos + 1] != letter);
}

rtl::UnicodeString MaskOfItem(const TuiDateTimeFormatItem& item, const rtl::TFormatSettings& settings) {
    switch (item.Kind) {
    case dtiLiteral: {
        rtl::UnicodeString mask;
        for (const char16_t c : item.Text) {
            mask += u'\\';
            mask += c;
        }
        return mask;
    }
    case dtiYear:
        return item.Text == u"YY" ? u"99" : u"9999";
    case dtiMonth:
    case dtiDay:
        return item.Text.size() > 2 ? u"lll" : u"99";
    case dtiHour:
    case dtiMinute:
    case dtiSecond:
        return u"99";
    case dtiDesignator:
        return CreateRepeatedText(u'c', FormatItemLength(item, settings));
    case dtiDateSeparator:
        return u"/";
    case dtiTimeSeparator:
        return u":";
    default:
        return {};
    }
}

// A separator as a regular expression; nothing for the zero character.
rtl::UnicodeString SeparatorPattern(char16_t separator) {
    if (separator == 0) {
        return {};
    }
    return separator == u' ' ? rtl::UnicodeString(u"' '") : rtl::UnicodeString{u'\\', separator};
}

template <size_t N>
rtl::UnicodeString AlternativesOf(const std::array<rtl::UnicodeString, N>& names) {
    rtl::UnicodeString pattern;
    for (const rtl::UnicodeString& name : names) {
        if (!pattern.empty()) {
            pattern += u'|';
        }
        pattern += QuoteRegExprText(name);
    }
    return pattern;
}

rtl::UnicodeString DesignatorPattern(const TuiDateTimeFormatItem& item, const rtl::TFormatSettings& settings) {
    switch (DesignatorKindOf(item)) {
    case dkAP:
        return u"(A|P)?";
    case dkAMPM:
        return u"(AM|PM)?";
    default:
        break;
    }
    rtl::UnicodeString alternatives;
    for (const rtl::UnicodeString* designator : {&settings.TimeAMString, &settings.TimePMString}) {
        if (!designator->empty()) {
            alternatives += (alternatives.empty() ? u"" : u"|") + QuoteRegExprText(*designator);
        }
    }
    return alternatives.empty() ? rtl::UnicodeString() : u"(" + alternatives + u")?";
}

rtl::UnicodeString DatePatternOfItem(const TuiDateTimeFormatItem& item, const rtl::TFormatSettings& settings) {
    switch (item.Kind) {
    case dtiLiteral:
        return QuoteRegExprText(item.Text);
    case dtiYear:
        return item.Text == u"YY" ? u"\\d\\d" : u"\\d\\d\\d\\d";
    case dtiMonth:
        return u"(" + rtl::UnicodeString(MonthNumberPattern) + u"|(" +
               AlternativesOf(item.Text == u"MMMM" ? settings.LongMonthNames : settings.ShortMonthNames) + u"))";
    case dtiDay:
        return rtl::UnicodeString(DayPattern);
    case dtiDateSeparator:
        return SeparatorPattern(settings.DateSeparator);
    default:
        return {};
    }
}

rtl::UnicodeString TimePatternOfItem(const TuiDateTimeFormatItem& item, const rtl::TFormatSettings& settings) {
    switch (item.Kind) {
    case dtiLiteral:
        return QuoteRegExprText(item.Text);
    case dtiHour:
        return rtl::UnicodeString(item.Text.starts_with(u"12") ? TwelveHourPattern : TwentyFourHourPattern);
    case dtiMinute:
    case dtiSecond:
        return rtl::UnicodeString(MinuteOrSecondPattern);
    case dtiDesignator:
        return DesignatorPattern(item, settings);
    case dtiTimeSeparator:
        return SeparatorPattern(settings.TimeSeparator);
    default:
        return {};
    }
}

rtl::UnicodeString MaskedDisplayOfItem(const TuiDateTimeFormatItem& item) {
    switch (item.Kind) {
    case dtiLiteral:
        return u"'" + item.Text + u"'";
    case dtiYear:
    case dtiDesignator:
        return rtl::LowerCase(item.Text);
    case dtiMonth:
        return item.Text.size() > 2 ? u"mmm" : u"mm";
    case dtiDay:
        return item.Text.size() > 2 ? u"ddd" : u"dd";
    case dtiHour:
        return u"hh";
    case dtiMinute:
        return u"nn";
    case dtiSecond:
        return u"ss";
    case dtiDateSeparator:
        return u"/";
    case dtiTimeSeparator:
        return u":";
    default:
        return {};
    }
}

// The layouts of negative currency amounts, in the order the locale numbers them: s stands for the symbol, n for
// the number.
constexpr rtl::UnicodeStringView NegativeCurrencyLayouts[] = {u"(sn)", u"-sn",  u"s-n",   u"sn-",  u"(ns)", u"-ns",
                                                              u"n-s",  u"ns-",  u"-n s",  u"-s n", u"n s-", u"s n-",
                                                              u"s -n", u"n- s", u"(s n)", u"(n s)"};

// The negative layout with symbol and number put in; empty for a format without a layout.
rtl::UnicodeString NegativeCurrencyPart(uint8_t format, const rtl::UnicodeString& number,
                                        const rtl::UnicodeString& symbol) {
    if (format >= std::size(NegativeCurrencyLayouts)) {
        return {};
    }
    rtl::UnicodeString part;
    for (const char16_t c : NegativeCurrencyLayouts[format]) {
        part += c == u's' ? symbol : c == u'n' ? number : rtl::UnicodeString(1, c);
    }
    return part;
}

} // namespace

rtl::UnicodeString BuildDateInputFormat(rtl::UnicodeStringView shortDateFormat) {
    rtl::UnicodeString result;
    for (size_t pos = 0; pos < shortDateFormat.size(); ++pos) {
        const char16_t c = shortDateFormat[pos];
        result += c;
        if ((c == u'd' || c == u'M') && IsSingleLetter(shortDateFormat, pos)) {
            result += c;
        }
    }
    return result;
}

rtl::UnicodeString BuildStandardMask(const TuiDateTimeFormatInfo& info, const rtl::TFormatSettings& settings) {
    if (info.Items.empty()) {
        return {};
    }
    return u"!" +
           JoinItemTexts(info, [&settings](const TuiDateTimeFormatItem& item) { return MaskOfItem(item, settings); }) +
           u";1; ";
}

rtl::UnicodeString BuildDatePattern(const TuiDateTimeFormatInfo& info, const rtl::TFormatSettings& settings) {
    return JoinItemTexts(info,
                         [&settings](const TuiDateTimeFormatItem& item) { return DatePatternOfItem(item, settings); });
}

rtl::UnicodeString BuildTimePattern(const TuiDateTimeFormatInfo& info, const rtl::TFormatSettings& settings) {
    return JoinItemTexts(info,
                         [&settings](const TuiDateTimeFormatItem& item) { return TimePatternOfItem(item, settings); });
}

rtl::UnicodeString AddSmartDateWords(rtl::UnicodeStringView pattern, bool withNow) {
    const TuiSmartDateWords words = LoadSmartDateWords();
    rtl::UnicodeString alternatives;
    for (int32_t word = 0; word < swWordCount; ++word) {
        if (word == swNow && !withNow) {
            continue;
        }
        if (!alternatives.empty()) {
            alternatives += u'|';
        }
        alternatives += QuoteRegExprText(words[word]);
    }
    return u"(" + rtl::UnicodeString(pattern) + u")|(" + alternatives + u")" +
           rtl::UnicodeString(SmartDateOffsetPattern);
}

rtl::UnicodeString QuoteRegExprText(rtl::UnicodeStringView text) {
    rtl::UnicodeString quoted;
    bool inQuotes = false;
    for (const char16_t c : text) {
        if (c == u'\'') {
            quoted += inQuotes ? u"'\\'" : u"\\'";
            inQuotes = false;
            continue;
        }
        if (!inQuotes) {
            quoted += u'\'';
            inQuotes = true;
        }
        quoted += c;
    }
    return inQuotes ? quoted + u"'" : quoted;
}

rtl::UnicodeString BuildMaskedDisplayFormat(const TuiDateTimeFormatInfo& info) {
    return JoinItemTexts(info, MaskedDisplayOfItem);
}

rtl::UnicodeString BuildCurrencyFormat(const rtl::TFormatSettings& settings) {
    return GetCurrencyDisplayFormat(settings) + u";" +
           NegativeCurrencyPart(settings.NegCurrFormat, CurrencyNumberFormat(settings),
                                CurrencySymbolAsFormatText(settings.CurrencyString));
}

} // namespace ui
