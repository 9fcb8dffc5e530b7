#include "ui/editors/choice/uiEditSupportRoutines.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/Variant.h"

#include <algorithm>
#include <cmath>

namespace ui {

int32_t RectWidthNonNegative(const vcl::TRect& rect) {
    const int64_t width = int64_t{rect.Right} - rect.Left;
    return width > 0 ? static_cast<int32_t>(std::min<int64_t>(width, INT32_MAX)) : 0;
}

int32_t RectHeightNonNegative(const vcl::TRect& rect) {
    const int64_t height = int64_t{rect.Bottom} - rect.Top;
    return height > 0 ? static_cast<int32_t>(std::min<int64_t>(height, INT32_MAX)) : 0;
}

bool IsVarNullOrEmpty(const rtl::Variant& value) {
    return value.IsNull() || value.IsEmpty();
}

bool IsValidIntegerText(rtl::UnicodeStringView text) {
    const rtl::UnicodeString trimmed = rtl::Trim(text);
    int32_t value = 0;
    return !trimmed.empty() && rtl::TryStrToInt(trimmed, value);
}

namespace {

// Digits, at most one separator and a leading '-'; at least one digit, so "-" and "." are refused here rather than
// failing in the conversion.
bool HasFloatTextCharacters(rtl::UnicodeStringView text, char16_t decimalSeparator) {
    bool separatorSeen = false;
    bool digitSeen = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (rtl::IsAsciiDigit(c)) {
            digitSeen = true;
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
        } else if (!(c == u'-' && i == 0)) {
            return false;
        }
    }
    return digitSeen;
}

} // namespace

bool IsValidFloatText(rtl::UnicodeStringView text) {
    return IsValidFloatText(text, rtl::FormatSettings());
}

bool IsValidFloatText(rtl::UnicodeStringView text, const rtl::TFormatSettings& settings) {
    const rtl::UnicodeString trimmed = rtl::Trim(text);
    if (trimmed.empty() || !HasFloatTextCharacters(trimmed, settings.DecimalSeparator)) {
        return false;
    }
    long double value = 0;
    return rtl::TryStrToExtended(trimmed, value, settings) && std::fabs(value) <= 1.7E308L;
}

} // namespace ui
