#include "rtl/numbers/Currency.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/DecimalDigits.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace rtl {

namespace {

constexpr int32_t CurrencyDecimals = 4;
constexpr uint64_t MaxPositiveMagnitude = uint64_t{std::numeric_limits<int64_t>::max()};
constexpr uint64_t MaxNegativeMagnitude = MaxPositiveMagnitude + 1;
constexpr int MaxScaledDigits = std::numeric_limits<int64_t>::digits10 + 1;

// The magnitude in ten-thousandths, the first dropped digit rounding half away from zero; nothing when out of range.
std::optional<int64_t> ScaleDecimal(const detail::TDecimal& magnitude, bool negative) {
    const detail::TDecimal rounded = detail::RoundDecimal(magnitude, detail::TRounding::Decimals, CurrencyDecimals);
    const int digits = rounded.Exponent + CurrencyDecimals;
    if (rounded.IsZero()) {
        return 0;
    }
    if (digits > MaxScaledDigits) {
        return std::nullopt;
    }
    uint64_t scaled = 0;
    for (int i = 0; i < digits; ++i) {
        scaled = scaled * 10 + static_cast<uint64_t>(rounded.DigitAt(i) - '0');
    }
    if (scaled > (negative ? MaxNegativeMagnitude : MaxPositiveMagnitude)) {
        return std::nullopt;
    }
    // Two's complement negation of the magnitude, defined for the most negative amount too.
    return static_cast<int64_t>(negative ? ~scaled + 1 : scaled);
}

bool TryScale(const detail::TDecimal& magnitude, bool negative, Currency& result) {
    const auto scaled = ScaleDecimal(magnitude, negative);
    if (!scaled) {
        return false;
    }
    result = Currency::FromScaled(*scaled);
    return true;
}

// Reads the text into result, leaving result alone when the text is not an amount in range.
bool TryParseScaled(UnicodeStringView text, char16_t decimalSeparator, Currency& result) {
    detail::TDecimal magnitude;
    bool negative = false;
    return detail::TryParseDecimal(text, decimalSeparator, magnitude, negative) &&
           TryScale(magnitude, negative, result);
}

// The shortest text that reads back as value: plain digits for an integer, a round-trip decimal for a double.
template <typename T>
UnicodeString ShortestText(T value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return UnicodeString(buffer, end);
}

} // namespace

double Currency::ToDouble() const {
    return static_cast<double>(FScaled) / Scale;
}

Currency Currency::operator-() const {
    if (FScaled == std::numeric_limits<int64_t>::min()) {
        throw EConvertError(RtlMessages::CurrencyOverflow);
    }
    return FromScaled(-FScaled);
}

Currency& Currency::operator+=(Currency other) {
    if (__builtin_add_overflow(FScaled, other.FScaled, &FScaled)) {
        throw EConvertError(RtlMessages::CurrencyOverflow);
    }
    return *this;
}

Currency& Currency::operator-=(Currency other) {
    if (__builtin_sub_overflow(FScaled, other.FScaled, &FScaled)) {
        throw EConvertError(RtlMessages::CurrencyOverflow);
    }
    return *this;
}

bool TryFloatToCurr(double value, Currency& result) {
    return std::isfinite(value) && TryScale(detail::ShortestDecimal(std::fabs(value)), std::signbit(value), result);
}

Currency FloatToCurr(double value) {
    Currency result;
    if (!TryFloatToCurr(value, result)) {
        throw EConvertError(Format(RtlMessages::InvalidCurrency, {ShortestText(value)}));
    }
    return result;
}

UnicodeString CurrToStr(Currency value) {
    return CurrToStr(value, FormatSettings());
}

UnicodeString CurrToStr(Currency value, const TFormatSettings& settings) {
    const int64_t scaled = value.Scaled();
    const uint64_t magnitude = scaled < 0 ? ~static_cast<uint64_t>(scaled) + 1 : static_cast<uint64_t>(scaled);
    UnicodeString text = scaled < 0 ? u"-" : u"";
    text += ShortestText(magnitude / Currency::Scale);
    const uint64_t fraction = magnitude % Currency::Scale;
    if (fraction != 0) {
        // Leading zeros from a fifth digit that is always 1, trailing zeros dropped.
        UnicodeString decimals = ShortestText(fraction + Currency::Scale).substr(1);
        decimals.erase(decimals.find_last_not_of(u'0') + 1);
        text += settings.DecimalSeparator;
        text += decimals;
    }
    return text;
}

bool TryStrToCurr(UnicodeStringView text, Currency& result) {
    return TryStrToCurr(text, result, FormatSettings());
}

bool TryStrToCurr(UnicodeStringView text, Currency& result, const TFormatSettings& settings) {
    return TryParseScaled(Trim(text), settings.DecimalSeparator, result);
}

Currency StrToCurr(UnicodeStringView text) {
    return StrToCurr(text, FormatSettings());
}

Currency StrToCurr(UnicodeStringView text, const TFormatSettings& settings) {
    Currency result;
    if (!TryStrToCurr(text, result, settings)) {
        throw EConvertError(Format(RtlMessages::InvalidFloat, {text}));
    }
    return result;
}

} // namespace rtl
