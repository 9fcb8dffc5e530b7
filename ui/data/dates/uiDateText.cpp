#include "ui/data/dates/uiDateText.h"

#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTimeFormat.h"
#include "ui/data/dates/uiCalendarDateText.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiSmartDate.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/data/locale/uiLocale.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace ui {

namespace {

bool IsBlankCharacter(char16_t c) {
    return c <= u' ';
}

// What the conversion must still see after the literal texts of the formats became blanks, trimmed and upper-cased.
std::vector<rtl::UnicodeString> KeptTexts(bool localeTexts) {
    std::vector<rtl::UnicodeString> kept;
    if (localeTexts) {
        const TuiLocaleValues values = GetLocale().Values();
        kept = {rtl::UnicodeString(1, values.DateSeparator), rtl::UnicodeString(1, values.TimeSeparator),
                values.AMDesignator, values.PMDesignator};
    } else {
        const rtl::TFormatSettings& settings = GetLocale().RuntimeFormats();
        kept = {rtl::UnicodeString(1, settings.DateSeparator), rtl::UnicodeString(1, settings.TimeSeparator),
                settings.TimeAMString, settings.TimePMString};
    }
    for (rtl::UnicodeString& text : kept) {
        text = rtl::WideUpperCase(rtl::Trim(text));
    }
    return kept;
}

void BlankLiteralTexts(rtl::UnicodeString& text, const TuiDateTimeFormatInfo& elements,
                       const std::vector<rtl::UnicodeString>& kept) {
    for (const TuiDateTimeFormatItem& item : elements.Items) {
        if (item.Kind != dtiLiteral) {
            continue;
        }
        const rtl::UnicodeString literal = rtl::WideUpperCase(rtl::Trim(item.Text));
        if (!literal.empty() && std::find(kept.begin(), kept.end(), literal) == kept.end()) {
            text = rtl::StringReplace(text, literal, rtl::UnicodeString(literal.size(), u' '),
                                      rtl::TReplaceFlag::rfReplaceAll | rtl::TReplaceFlag::rfIgnoreCase);
        }
    }
}

// Trims, then keeps only the last character of every run of blanks.
rtl::UnicodeString CollapseBlanks(rtl::UnicodeStringView text) {
    const rtl::UnicodeString trimmed = rtl::Trim(text);
    rtl::UnicodeString collapsed;
    for (size_t i = 0; i < trimmed.size(); ++i) {
        if (!(IsBlankCharacter(trimmed[i]) && i + 1 < trimmed.size() && IsBlankCharacter(trimmed[i + 1]))) {
            collapsed += trimmed[i];
        }
    }
    return collapsed;
}

// The settings that read a date in the locale's order once its date separator became a blank.
rtl::TFormatSettings LocaleReadingSettings() {
    const TuiLocaleValues values = GetLocale().Values();
    rtl::TFormatSettings settings = GetLocale().RuntimeFormats();
    settings.DateSeparator = u' ';
    settings.ShortDateFormat = values.ShortDateFormat;
    settings.TimeSeparator = values.TimeSeparator;
    settings.TimeAMString = values.AMDesignator;
    settings.TimePMString = values.PMDesignator;
    return settings;
}

// Reads a normalised text as a date and time.
bool ConvertNormalizedText(const rtl::UnicodeString& text, bool useLocaleSettings, rtl::TDateTime& date) {
    if (useLocaleSettings) {
        return rtl::TryStrToDateTime(text, date, LocaleReadingSettings());
    }
    return rtl::TryStrToDateTime(text, date, GetLocale().RuntimeFormats());
}

// Dates up to year 9999 whose day the runtime can decode.
bool IsReadableDate(rtl::TDateTime date) {
    constexpr auto lowest = static_cast<rtl::TDateTime>(std::numeric_limits<int32_t>::min());
    constexpr auto highest = static_cast<rtl::TDateTime>(std::numeric_limits<int32_t>::max());
    if (!(date > lowest && date < highest)) {
        return false;
    }
    const rtl::TDateParts parts = rtl::DecodeDate(date);
    return parts.Day != 0 && parts.Year <= 9999;
}

rtl::TDateTime GregorianTextToDate(const rtl::UnicodeString& text, bool useRuntimeFormats) {
    rtl::TDateTime date = 0;
    if (!TextToDateSmart(text, date)) {
        rtl::UnicodeString normalized = text;
        NormalizeDateText(normalized, !useRuntimeFormats);
        if (!ConvertNormalizedText(normalized, !useRuntimeFormats, date)) {
            return NullDate;
        }
    }
    return IsReadableDate(date) ? date : NullDate;
}

} // namespace

bool TryTextToDate(rtl::UnicodeStringView text, rtl::TDateTime& date) {
    date = TextToDate(text, GetFormatController().UseRuntimeDateFormats());
    return date != NullDate;
}

rtl::TDateTime TextToDate(rtl::UnicodeStringView text, bool useRuntimeFormats) {
    try {
        const rtl::UnicodeString trimmed = rtl::Trim(text);
        if (trimmed.empty()) {
            return NullDate;
        }
        if (IsGregorianCalendar(nullptr)) {
            return GregorianTextToDate(trimmed, useRuntimeFormats);
        }
        return TextToDateByCalendar(trimmed);
    } catch (const std::exception&) {
        return NullDate;
    }
}

bool TryConvertTextToDateTime(rtl::UnicodeStringView text, bool useVariantConversion, rtl::TDateTime& date) {
    date = NullDate;
    try {
        if (!IsGregorianCalendar(nullptr)) {
            date = TextToDateByCalendar(text);
            return date != NullDate;
        }
        rtl::UnicodeString normalized(text);
        NormalizeDateText(normalized, useVariantConversion);
        rtl::TDateTime result = 0;
        if (!ConvertNormalizedText(normalized, useVariantConversion, result)) {
            return false;
        }
        date = result;
        return true;
    } catch (const std::exception&) {
        date = NullDate;
        return false;
    }
}

void NormalizeDateText(rtl::UnicodeString& text, bool blankDateSeparator) {
    const std::vector<rtl::UnicodeString> kept = KeptTexts(blankDateSeparator);
    const TuiFormatController& controller = GetFormatController();
    BlankLiteralTexts(text, controller.DateElements(), kept);
    BlankLiteralTexts(text, controller.TimeElements(), kept);
    text = CollapseBlanks(text);
    if (blankDateSeparator) {
        const char16_t separator = GetLocale().Values().DateSeparator;
        std::replace(text.begin(), text.end(), separator, u' ');
    }
}

} // namespace ui
