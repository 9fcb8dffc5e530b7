#include "ui/editors/spin/uiTimeEditRules.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTimeFormat.h"

#include <algorithm>

namespace ui {

namespace {

constexpr char16_t TimeNumbers[] = u"00:00:00";
constexpr char16_t TimeMaskSuffix[] = u";1;0";
// Noon: formatted on the 12-hour clock it shows the PM designator.
constexpr double Noon = 1.5;

rtl::UnicodeString NumbersMask(TuiTimeEditTimeFormat format) {
    return rtl::UnicodeString(TimeNumbers, static_cast<size_t>(TimeNumbersLength(format)));
}

int32_t DigitAt(rtl::UnicodeStringView text, size_t position) {
    return position < text.size() && text[position] >= u'0' && text[position] <= u'9' ? text[position] - u'0' : 0;
}

int32_t TwoDigitNumber(rtl::UnicodeStringView text, size_t start) {
    return DigitAt(text, start) * 10 + DigitAt(text, start + 1);
}

bool SameLetter(char16_t a, char16_t b) {
    return rtl::WideUpperCase(rtl::UnicodeStringView(&a, 1)) == rtl::WideUpperCase(rtl::UnicodeStringView(&b, 1));
}

// The first place where the designators differ, ignoring case; the shorter one's length when one begins the other.
size_t FirstDesignatorDifference(rtl::UnicodeStringView am, rtl::UnicodeStringView pm) {
    const size_t common = std::min(am.size(), pm.size());
    for (size_t i = 0; i < common; ++i) {
        if (!SameLetter(am[i], pm[i])) {
            return i;
        }
    }
    return common;
}

TuiTimeTyping Accept(char16_t character, rtl::UnicodeString text = {}) {
    return {TuiTimeTyping::ttAccept, character, std::move(text), 0};
}

TuiTimeTyping Rewrite(rtl::UnicodeString text, int32_t caret) {
    return {TuiTimeTyping::ttRewrite, 0, std::move(text), caret};
}

} // namespace

TuiTimeEditFormats::TuiTimeEditFormats() {
    for (const TuiTimeEditTimeFormat format : {tfHourMinSec, tfHourMin, tfHour}) {
        FTwelveHourMasks[format] = NumbersMask(format) + u" LL" + TimeMaskSuffix;
    }
}

rtl::UnicodeString TuiTimeEditFormats::DisplayFormat(TuiTimeEditTimeFormat format, bool use24Hours) {
    static constexpr const char16_t* numbers[] = {u"hh:nn:ss", u"hh:nn", u"hh"};
    return use24Hours ? rtl::UnicodeString(numbers[format]) : numbers[format] + rtl::UnicodeString(u" ampm");
}

const rtl::UnicodeString& TuiTimeEditFormats::EditMask(TuiTimeEditTimeFormat format, bool use24Hours) const {
    static const rtl::UnicodeString twentyFourHourMasks[] = {NumbersMask(tfHourMinSec) + TimeMaskSuffix,
                                                             NumbersMask(tfHourMin) + TimeMaskSuffix,
                                                             NumbersMask(tfHour) + TimeMaskSuffix};
    return use24Hours ? twentyFourHourMasks[format] : FTwelveHourMasks[format];
}

void TuiTimeEditFormats::UpdateTwelveHourMasks(const rtl::TFormatSettings& settings) {
    const rtl::UnicodeString designator = TimeDesignatorMask(rtl::FormatDateTime(u"hh:mm:ss AMPM", Noon, settings));
    for (const TuiTimeEditTimeFormat format : {tfHourMinSec, tfHourMin, tfHour}) {
        FTwelveHourMasks[format] = NumbersMask(format) + designator + TimeMaskSuffix;
    }
}

TuiTimeEditFormats& TimeEditFormats() {
    static TuiTimeEditFormats formats;
    return formats;
}

rtl::UnicodeString TimeDesignatorMask(rtl::UnicodeStringView formattedTime) {
    const size_t numbers = static_cast<size_t>(TimeNumbersLength(tfHourMinSec));
    rtl::UnicodeString mask;
    for (size_t i = numbers; i < formattedTime.size(); ++i) {
        mask += formattedTime[i] == u' ' ? u' ' : u'c';
    }
    return rtl::TrimRight(mask);
}

int32_t TimeNumbersLength(TuiTimeEditTimeFormat format) {
    return 8 - 3 * format;
}

int32_t TimePartStart(TuiTimeEditPart part, TuiTimeEditTimeFormat format) {
    return part == tepDesignator ? TimeNumbersLength(format) + 1 : 3 * part;
}

TuiTimeEditPart TimePartAt(int32_t position, TuiTimeEditTimeFormat format, bool use24Hours, int32_t maxLength) {
    if (maxLength > 0) {
        position = std::min(position, maxLength - 1);
    }
    if (!use24Hours && position >= TimeNumbersLength(format)) {
        return tepDesignator;
    }
    const rtl::UnicodeString letters = rtl::UpperCase(TuiTimeEditFormats::DisplayFormat(format, use24Hours));
    auto index = static_cast<size_t>(std::clamp(position, 0, static_cast<int32_t>(letters.size()) - 1));
    if ((letters[index] < u'A' || letters[index] > u'Z') && index + 1 < letters.size()) {
        ++index;
    }
    switch (letters[index]) {
    case u'H':
        return tepHours;
    case u'N':
        return tepMinutes;
    default:
        return tepSeconds;
    }
}

int32_t TimePartSeconds(TuiTimeEditPart part) {
    static constexpr int32_t seconds[] = {3600, 60, 1, TimeEditSecondsPerHalfDay};
    return seconds[part];
}

int32_t TimeDesignatorStep(int32_t seconds) {
    return seconds >= TimeEditSecondsPerHalfDay ? -TimeEditSecondsPerHalfDay : TimeEditSecondsPerHalfDay;
}

void TimePartLimits(TuiTimeEditPart part, bool use24Hours, int32_t& minimum, int32_t& maximum) {
    minimum = 0;
    maximum = 59;
    if (part == tepHours) {
        minimum = use24Hours ? 0 : 1;
        maximum = use24Hours ? 23 : 12;
    }
}

int32_t TimeTextSeconds(rtl::UnicodeStringView text, TuiTimeEditTimeFormat format, bool use24Hours,
                        rtl::UnicodeStringView pmDesignator) {
    int32_t hours = TwoDigitNumber(text, 0);
    if (!use24Hours) {
        hours %= 12;
    }
    int32_t seconds = hours * 3600;
    if (format != tfHour) {
        seconds += TwoDigitNumber(text, 3) * 60;
    }
    if (format == tfHourMinSec) {
        seconds += TwoDigitNumber(text, 6);
    }
    const rtl::UnicodeString trimmed = rtl::TrimRight(text);
    const rtl::UnicodeStringView shown(trimmed);
    if (!use24Hours && !pmDesignator.empty() && shown.size() >= pmDesignator.size() &&
        shown.substr(shown.size() - pmDesignator.size()) == pmDesignator) {
        seconds += TimeEditSecondsPerHalfDay;
    }
    return seconds;
}

int32_t TimeDesignatorTextStart(rtl::UnicodeStringView text, TuiTimeEditTimeFormat format) {
    auto position = static_cast<size_t>(TimeNumbersLength(format));
    while (position < text.size() && text[position] == u' ') {
        ++position;
    }
    return static_cast<int32_t>(position);
}

TuiTimeTyping TypeTimeDigit(const rtl::UnicodeString& text, int32_t position, int32_t partStart, int32_t minimum,
                            int32_t maximum, char16_t digit) {
    const auto start = static_cast<size_t>(partStart);
    rtl::UnicodeString part = text.substr(std::min(start, text.size()), 2);
    part.resize(2, u'0');
    const bool secondDigit = position > partStart;
    rtl::UnicodeString typed = part;
    typed[secondDigit ? 1 : 0] = digit;
    const int32_t number = TwoDigitNumber(typed, 0);
    if (number >= minimum && number <= maximum) {
        return Accept(digit);
    }
    const auto withPart = [&](const rtl::UnicodeString& newPart) {
        rtl::UnicodeString result = text;
        result.resize(std::max(result.size(), start + 2), u'0');
        return result.replace(start, 2, newPart);
    };
    if (secondDigit) {
        return digit == u'0' ? TuiTimeTyping{} : Accept(digit, withPart(rtl::UnicodeString{u'0', part[1]}));
    }
    if (digit == u'0') {
        return Rewrite(withPart(rtl::UnicodeString{u'0', part[0]}), position);
    }
    if (digit - u'0' > maximum / 10) {
        return Rewrite(withPart(rtl::UnicodeString{u'0', digit}), partStart + 1);
    }
    return Rewrite(withPart(rtl::UnicodeString{digit, u'0'}), position);
}

TuiTimeTyping TypeTimeDesignator(const rtl::UnicodeString& text, int32_t position, int32_t designatorStart,
                                 rtl::UnicodeStringView am, rtl::UnicodeStringView pm, char16_t character) {
    const auto index = static_cast<size_t>(std::max(position - designatorStart, 0));
    const size_t difference = FirstDesignatorDifference(am, pm);
    if (index < difference) {
        return SameLetter(character, am[index]) ? Accept(am[index]) : TuiTimeTyping{};
    }
    if (index > difference) {
        const auto at = static_cast<size_t>(position);
        return at < text.size() && SameLetter(character, text[at]) ? Accept(text[at]) : TuiTimeTyping{};
    }
    for (const rtl::UnicodeStringView designator : {am, pm}) {
        if (index < designator.size() && SameLetter(character, designator[index])) {
            const rtl::UnicodeString replaced =
                text.substr(0, std::min(static_cast<size_t>(designatorStart), text.size())) +
                rtl::UnicodeString(designator);
            return Rewrite(replaced, designatorStart + static_cast<int32_t>(designator.size()) - 1);
        }
    }
    return {};
}

} // namespace ui
