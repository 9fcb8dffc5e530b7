#include "ui/editors/text/numbers/uiCurrencyText.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"

#include <cmath>

namespace ui {

namespace {

bool IsCurrencyTextDigit(char16_t ch) {
    return ch >= u'0' && ch <= u'9';
}

// The separators, if any, split the integer part (after blanks and a sign) into a first group of one to three digits
// and further groups of exactly three, and none stands after it.
bool ThousandSeparatorsGroupDigits(rtl::UnicodeStringView text, char16_t separator) {
    if (text.find(separator) == rtl::UnicodeStringView::npos) {
        return true;
    }
    size_t index = 0;
    while (index < text.size() && (text[index] == u' ' || text[index] == u'+' || text[index] == u'-')) {
        ++index;
    }
    size_t groupDigits = 0;
    bool firstGroup = true;
    for (; index < text.size(); ++index) {
        const char16_t ch = text[index];
        if (IsCurrencyTextDigit(ch)) {
            ++groupDigits;
            continue;
        }
        if (ch != separator) {
            break;
        }
        if (firstGroup ? groupDigits == 0 || groupDigits > 3 : groupDigits != 3) {
            return false;
        }
        firstGroup = false;
        groupDigits = 0;
    }
    return groupDigits == 3 && text.find(separator, index) == rtl::UnicodeStringView::npos;
}

} // namespace

bool ParseCurrencyText(rtl::UnicodeStringView text, double& number, const rtl::TFormatSettings& settings) {
    number = 0;
    if (!ThousandSeparatorsGroupDigits(text, settings.ThousandSeparator)) {
        return false;
    }
    rtl::UnicodeString digits;
    digits.reserve(text.size());
    for (const char16_t ch : text) {
        if (ch != settings.ThousandSeparator) {
            digits += ch;
        }
    }
    double value = 0;
    if (!rtl::TryStrToFloat(digits, value, settings) || !std::isfinite(value)) {
        return false;
    }
    number = value;
    return true;
}

} // namespace ui
