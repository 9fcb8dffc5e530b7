#include "ui/editors/text/numbers/uiTextEditNumberText.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>

namespace ui {

namespace {

bool IsNumberTextBlank(char16_t c) {
    return c <= u' ';
}

} // namespace

rtl::UnicodeString ExtractExponentPart(rtl::UnicodeString& text) {
    const size_t exponent = text.find_first_of(u"Ee");
    if (exponent == rtl::UnicodeString::npos) {
        return {};
    }
    rtl::UnicodeString part = text.substr(exponent);
    text.erase(exponent);
    return part;
}

void RemoveThousandSeparators(rtl::UnicodeString& text, const rtl::TFormatSettings& settings) {
    std::erase(text, settings.ThousandSeparator);
}

void InsertThousandSeparators(rtl::UnicodeString& text, const rtl::TFormatSettings& settings) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsNumberTextBlank);
    const rtl::UnicodeString leading(text.begin(), first);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsNumberTextBlank).base();
    const rtl::UnicodeString trailing = first < last ? rtl::UnicodeString(last, text.end()) : rtl::UnicodeString();
    rtl::UnicodeString number = first < last ? rtl::UnicodeString(first, last) : rtl::UnicodeString();
    const rtl::UnicodeString exponent = ExtractExponentPart(number);
    RemoveThousandSeparators(number, settings);

    size_t position = std::min(number.find(settings.DecimalSeparator), number.size());
    int32_t digits = 0;
    while (position > 0 && rtl::IsAsciiDigit(number[position - 1])) {
        --position;
        if (++digits == 3 && position > 0 && rtl::IsAsciiDigit(number[position - 1])) {
            number.insert(position, 1, settings.ThousandSeparator);
            digits = 0;
        }
    }
    text = leading + number + exponent + trailing;
}

} // namespace ui
