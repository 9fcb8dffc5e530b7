#include "rtl/numbers/Bcd.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/DecimalDigits.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>
#include <charconv>

namespace rtl {

namespace {

using detail::TDecimal;

constexpr uint8_t BcdSignBit = 0x80;

int StoredDigit(const TBcd& value, int index) {
    const uint8_t pair = value.Fraction[static_cast<size_t>(index / 2)];
    return std::min(index % 2 == 0 ? pair >> 4 : pair & 0x0F, 9);
}

int IntegerDigitsOf(const TDecimal& decimal) {
    return std::max(decimal.Exponent, 0);
}

int PlacesOf(const TDecimal& decimal) {
    return std::max(static_cast<int>(decimal.Digits.size()) - decimal.Exponent, 0);
}

bool IsNegativeValue(const TBcd& value, const TDecimal& magnitude) {
    return value.IsNegative() && !magnitude.IsZero();
}

} // namespace

namespace detail {

TDecimal BcdMagnitude(const TBcd& value) {
    const int precision = std::min<int>(value.Precision, MaxBcdDigits);
    TDecimal decimal;
    for (int i = 0; i < precision; ++i) {
        decimal.Digits += static_cast<char>('0' + StoredDigit(value, i));
    }
    decimal.Exponent = precision - value.Places();
    Normalise(decimal);
    return decimal;
}

bool TryDecimalToBcd(const TDecimal& magnitude, bool negative, TBcd& value) {
    TDecimal decimal = RoundDecimal(magnitude, TRounding::Decimals, MaxBcdPlaces);
    if (IntegerDigitsOf(decimal) > MaxBcdDigits) {
        return false;
    }
    if (IntegerDigitsOf(decimal) + PlacesOf(decimal) > MaxBcdDigits) {
        decimal = RoundDecimal(decimal, TRounding::Decimals, MaxBcdDigits - IntegerDigitsOf(decimal));
    }
    const int integerDigits = IntegerDigitsOf(decimal);
    const int places = PlacesOf(decimal);
    if (integerDigits + places > MaxBcdDigits) {
        return false;
    }
    TBcd result;
    const int count = std::max(integerDigits + places, 1);
    for (int k = 0; k < count; ++k) {
        const int digit = decimal.DigitAt(k - integerDigits + decimal.Exponent) - '0';
        result.Fraction[static_cast<size_t>(k / 2)] |= static_cast<uint8_t>(k % 2 == 0 ? digit << 4 : digit);
    }
    result.Precision = static_cast<uint8_t>(count);
    result.SignSpecialPlaces = static_cast<uint8_t>((negative && !decimal.IsZero() ? BcdSignBit : 0) | places);
    value = result;
    return true;
}

} // namespace detail

bool TryStrToBcd(UnicodeStringView text, TBcd& value) {
    return TryStrToBcd(text, value, FormatSettings());
}

bool TryStrToBcd(UnicodeStringView text, TBcd& value, const TFormatSettings& settings) {
    TDecimal magnitude;
    bool negative = false;
    return detail::TryParseDecimal(Trim(text), settings.DecimalSeparator, magnitude, negative) &&
           detail::TryDecimalToBcd(magnitude, negative, value);
}

TBcd StrToBcd(UnicodeStringView text) {
    return StrToBcd(text, FormatSettings());
}

TBcd StrToBcd(UnicodeStringView text, const TFormatSettings& settings) {
    TBcd value;
    if (!TryStrToBcd(text, value, settings)) {
        throw EConvertError(Format(RtlMessages::InvalidBcd, {text}));
    }
    return value;
}

UnicodeString BcdToStr(const TBcd& value) {
    return BcdToStr(value, FormatSettings());
}

UnicodeString BcdToStr(const TBcd& value, const TFormatSettings& settings) {
    const TDecimal magnitude = detail::BcdMagnitude(value);
    return detail::DecimalToStrF(detail::TExactDigits(magnitude), IsNegativeValue(value, magnitude),
                                 TFloatFormat::ffFixed, MaxBcdDigits, PlacesOf(magnitude), settings);
}

UnicodeString BcdToStrF(const TBcd& value, TFloatFormat format, int precision, int digits) {
    return BcdToStrF(value, format, precision, digits, FormatSettings());
}

UnicodeString BcdToStrF(const TBcd& value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings) {
    const TDecimal magnitude = detail::BcdMagnitude(value);
    const int shown = precision >= 1 && precision <= MaxBcdDigits ? precision : MaxBcdDigits;
    return detail::DecimalToStrF(detail::TExactDigits(magnitude), IsNegativeValue(value, magnitude), format, shown,
                                 digits, settings);
}

int BcdCompare(const TBcd& left, const TBcd& right) {
    const TDecimal a = detail::BcdMagnitude(left);
    const TDecimal b = detail::BcdMagnitude(right);
    const int signA = a.IsZero() ? 0 : left.IsNegative() ? -1 : 1;
    const int signB = b.IsZero() ? 0 : right.IsNegative() ? -1 : 1;
    if (signA != signB || signA == 0) {
        return signA < signB ? -1 : signA > signB ? 1 : 0;
    }
    return signA * detail::CompareMagnitudes(a, b);
}

double BcdToDouble(const TBcd& value) {
    const TDecimal magnitude = detail::BcdMagnitude(value);
    const std::string text = detail::ScientificText(magnitude);
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return IsNegativeValue(value, magnitude) ? -result : result;
}

} // namespace rtl
