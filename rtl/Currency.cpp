#include "rtl/Currency.h"

#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/FormatSettings.h"
#include "rtl/StringUtils.h"

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
// Beyond this many digits before the point no amount fits; the cap also keeps the exponent arithmetic small.
constexpr int64_t ExponentLimit = 100000;
// Digits past the twentieth never reach the result: nineteen are kept at most and the next one rounds.
constexpr size_t MaxSignificantDigits = 20;

// Skips an optional sign at pos; true when it was a minus.
bool ReadSign(UnicodeStringView text, size_t& pos) {
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        return text[pos++] == u'-';
    }
    return false;
}

// The digits of a decimal number without leading zeros, and how many of them stand before the point (negative when
// the first significant digit lies further right).
struct TDecimalDigits {
    bool Negative = false;
    UnicodeString Digits;
    int64_t IntegerDigits = 0;
};

// Reads [sign] digits [separator digits] [e [sign] digits], the whole text and at least one mantissa digit.
std::optional<TDecimalDigits> ReadDecimal(UnicodeStringView text, char16_t decimalSeparator) {
    TDecimalDigits number;
    size_t i = 0;
    number.Negative = ReadSign(text, i);
    bool anyDigit = false;
    bool seenSeparator = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
            continue;
        }
        if (!IsAsciiDigit(c)) {
            break;
        }
        anyDigit = true;
        if (number.Digits.empty() && c == u'0') {
            // A leading zero after the point moves the first significant digit right.
            number.IntegerDigits -= seenSeparator ? 1 : 0;
            continue;
        }
        if (number.Digits.size() < MaxSignificantDigits) {
            number.Digits += c;
        }
        number.IntegerDigits += seenSeparator ? 0 : 1;
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        const bool negativeExponent = ReadSign(text, i);
        int64_t exponent = 0;
        const size_t exponentStart = i;
        for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
            exponent = std::min<int64_t>(exponent * 10 + (text[i] - u'0'), ExponentLimit);
        }
        if (i == exponentStart) {
            return std::nullopt;
        }
        number.IntegerDigits += negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return number;
}

// The number in ten-thousandths, the first dropped digit rounding half away from zero; nothing when out of range.
std::optional<int64_t> ScaleDecimal(const TDecimalDigits& number) {
    if (number.Digits.empty()) {
        return 0;
    }
    const int64_t kept = number.IntegerDigits + CurrencyDecimals;
    if (kept > std::numeric_limits<int64_t>::digits10 + 1) {
        return std::nullopt;
    }
    uint64_t magnitude = 0;
    for (int64_t k = 0; k < kept; ++k) {
        const size_t index = static_cast<size_t>(k);
        magnitude = magnitude * 10 + (index < number.Digits.size() ? number.Digits[index] - u'0' : 0);
    }
    if (kept >= 0 && static_cast<size_t>(kept) < number.Digits.size() && number.Digits[kept] >= u'5') {
        ++magnitude;
    }
    if (magnitude > (number.Negative ? MaxNegativeMagnitude : MaxPositiveMagnitude)) {
        return std::nullopt;
    }
    // Two's complement negation of the magnitude, defined for the most negative amount too.
    return static_cast<int64_t>(number.Negative ? ~magnitude + 1 : magnitude);
}

// Reads the text into result, leaving result alone when the text is not an amount in range.
bool TryParseScaled(UnicodeStringView text, char16_t decimalSeparator, Currency& result) {
    const auto number = ReadDecimal(text, decimalSeparator);
    const auto scaled = number ? ScaleDecimal(*number) : std::nullopt;
    if (!scaled) {
        return false;
    }
    result = Currency::FromScaled(*scaled);
    return true;
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
    return std::isfinite(value) && TryParseScaled(ShortestText(value), u'.', result);
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
