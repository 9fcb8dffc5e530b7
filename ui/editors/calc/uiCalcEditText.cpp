#include "ui/editors/calc/uiCalcEditText.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "ui/editors/calc/uiCalculatorArithmetic.h"
#include "ui/editors/text/numbers/uiTextEditNumberText.h"

#include <cmath>

namespace ui {

namespace {

constexpr int32_t CalcEditDefaultPrecision = 15;

// The mantissa loses its trailing zeros, then a separator left at its end.
rtl::UnicodeString WithoutTrailingZeros(rtl::UnicodeString mantissa, char16_t decimalSeparator) {
    while (!mantissa.empty() && mantissa.back() == u'0') {
        mantissa.pop_back();
    }
    if (!mantissa.empty() && mantissa.back() == decimalSeparator) {
        mantissa.pop_back();
    }
    return mantissa;
}

} // namespace

bool IsCalcEditValueInRange(long double value) {
    const long double magnitude = std::fabs(value);
    return magnitude == 0 || (magnitude >= CalcEditSmallestMagnitude && magnitude <= CalcEditLargestMagnitude);
}

rtl::UnicodeString CalcEditValueText(long double value, int32_t precision, bool scientific, bool thousands,
                                     const rtl::TFormatSettings& settings) {
    if (precision == 0) {
        precision = CalcEditDefaultPrecision;
    }
    if (!scientific) {
        rtl::UnicodeString text = CalcDisplayText(value, precision, settings);
        if (thousands) {
            InsertThousandSeparators(text, settings);
        }
        return text;
    }
    rtl::UnicodeString text = rtl::FloatToStrF(value, rtl::TFloatFormat::ffExponent, precision, 0, settings);
    if (text.find(settings.DecimalSeparator) == rtl::UnicodeString::npos) {
        return text;
    }
    const rtl::UnicodeString exponent = ExtractExponentPart(text);
    return WithoutTrailingZeros(text, settings.DecimalSeparator) + exponent;
}

bool IsCalcEditNumberChar(char16_t character, const rtl::TFormatSettings& settings) {
    return (character >= u'0' && character <= u'9') || character == u'+' || character == u'-' || character == u'e' ||
           character == u'E' || character == settings.DecimalSeparator;
}

bool IsAcceptableCalcEditText(const rtl::UnicodeString& text, const rtl::TFormatSettings& settings) {
    rtl::UnicodeString number = text;
    RemoveThousandSeparators(number, settings);
    long double value = 0;
    return rtl::TryStrToExtended(number, value, settings) && IsCalcEditValueInRange(value);
}

} // namespace ui
