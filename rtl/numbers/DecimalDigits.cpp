#include "rtl/numbers/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rtl::detail {

namespace {

// Reads printf's %e or %f output; any character between the digits is the C locale's decimal point.
TDecimal ParsePrinted(const char* text) {
    TDecimal decimal;
    int integerDigits = 0;
    bool inFraction = false;
    const char* p = text;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            decimal.Digits += *p;
            integerDigits += inFraction ? 0 : 1;
        } else {
            inFraction = true;
        }
    }
    decimal.Exponent = integerDigits + (*p == 'e' ? std::atoi(p + 1) : 0);
    Normalise(decimal);
    return decimal;
}

// The magnitude rounded by printf to `count` significant digits or decimals. Decimals need a magnitude below 10^19
// to fit the buffer.
TDecimal Printed(long double magnitude, TRounding rounding, int count) {
    char buffer[64];
    if (rounding == TRounding::Significant) {
        std::snprintf(buffer, sizeof buffer, "%.*Le", count - 1, magnitude);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.*Lf", count, magnitude);
    }
    return ParsePrinted(buffer);
}

// Whether a positive magnitude lies exactly halfway between two multiples of 10^unit. fmodl and ldexpl are exact, so
// the answer is too.
bool IsHalfway(long double magnitude, int unit) {
    if (unit >= 28) {
        // Halfway there is an odd multiple of 5^unit x 2^(unit-1): its odd part needs more than 64 mantissa bits.
        return false;
    }
    if (unit >= 0) {
        long double power = 1;
        for (int i = 0; i < unit; ++i) {
            power *= 10; // exact up to 10^27
        }
        return std::fmod(magnitude, power) == power / 2;
    }
    // Below 1, the halfway points a binary fraction can hit are exactly the odd multiples of 2^(unit-1).
    const long double scaled = std::ldexp(magnitude, 1 - unit);
    return scaled == std::trunc(scaled) && std::fmod(scaled, 2.0L) == 1;
}

// The decimal truncated to its first `kept` digits, plus one in the last of them.
TDecimal TruncatedPlusOne(TDecimal decimal, int kept) {
    if (kept <= 0) {
        return {"1", decimal.Exponent - kept + 1};
    }
    decimal.Digits.resize(static_cast<size_t>(kept), '0');
    int i = kept - 1;
    for (; i >= 0 && decimal.Digits[i] == '9'; --i) {
        decimal.Digits[i] = '0';
    }
    if (i < 0) {
        decimal.Digits.insert(0, 1, '1');
        ++decimal.Exponent;
    } else {
        ++decimal.Digits[i];
    }
    Normalise(decimal);
    return decimal;
}

// Far beyond any exponent a value of ours can have; the cap keeps the exponent arithmetic small.
constexpr int ExponentLimit = 100000;

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Skips an optional sign at pos; true when it was a minus.
bool ReadSign(UnicodeStringView text, size_t& pos) {
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        return text[pos++] == u'-';
    }
    return false;
}

// Reads e|E [sign] digits at pos into exponent; false when the digits are missing.
bool ReadExponentPart(UnicodeStringView text, size_t& pos, int& exponent) {
    ++pos;
    const bool negative = ReadSign(text, pos);
    const size_t start = pos;
    int value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        value = std::min(value * 10 + (text[pos] - u'0'), ExponentLimit);
    }
    exponent = negative ? -value : value;
    return pos != start;
}

template <typename T>
TDecimal ShortestOf(T magnitude) {
    char buffer[40];
    char* end = std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude, std::chars_format::scientific).ptr;
    *end = '\0';
    return ParsePrinted(buffer);
}

int UnitOf(const TDecimal& decimal, TRounding rounding, int count) {
    return rounding == TRounding::Significant ? decimal.Exponent - count : -count;
}

} // namespace

char TDecimal::DigitAt(int index) const {
    return index >= 0 && index < static_cast<int>(Digits.size()) ? Digits[index] : '0';
}

void Normalise(TDecimal& decimal) {
    const size_t leading = std::min(decimal.Digits.find_first_not_of('0'), decimal.Digits.size());
    decimal.Digits.erase(0, leading);
    decimal.Exponent -= static_cast<int>(leading);
    const size_t last = decimal.Digits.find_last_not_of('0');
    decimal.Digits.resize(last == std::string::npos ? 0 : last + 1);
    if (decimal.Digits.empty()) {
        decimal.Exponent = 0;
    }
}

// Correctly rounded digits, halves away from zero as people round money and measurements; printf would round
// halves to even.
TDecimal TFloatDigits::Rounded(TRounding rounding, int count) const {
    TDecimal decimal = Printed(FMagnitude, rounding, count);
    const int unit = UnitOf(decimal, rounding, count);
    if (FMagnitude == 0 || !IsHalfway(FMagnitude, unit)) {
        return decimal;
    }
    // A halfway value has exactly one digit more than the rounding keeps.
    const TDecimal longer = Printed(FMagnitude, rounding, count + 1);
    return TruncatedPlusOne(longer, longer.Exponent - unit);
}

TDecimal TExactDigits::Rounded(TRounding rounding, int count) const {
    return RoundDecimal(FDecimal, rounding, count);
}

TDecimal RoundDecimal(const TDecimal& decimal, TRounding rounding, int count) {
    return RoundDecimalAt(decimal, UnitOf(decimal, rounding, count), false);
}

TDecimal RoundDecimalAt(const TDecimal& decimal, int unit, bool halvesToEven) {
    const int kept = decimal.Exponent - unit;
    const int digits = static_cast<int>(decimal.Digits.size());
    if (decimal.IsZero() || kept >= digits) {
        return decimal;
    }
    if (kept < 0) {
        return {};
    }
    const char first = decimal.Digits[kept];
    const bool half = first == '5' && kept + 1 == digits;
    const bool lastKeptOdd = (decimal.DigitAt(kept - 1) - '0') % 2 == 1;
    const bool up = first > '5' || (first == '5' && !half) || (half && (!halvesToEven || lastKeptOdd));
    if (up) {
        return TruncatedPlusOne(decimal, kept);
    }
    TDecimal truncated{decimal.Digits.substr(0, static_cast<size_t>(kept)), decimal.Exponent};
    Normalise(truncated);
    return truncated;
}

TDecimal DecimalOfScaled(uint64_t magnitude, int decimals) {
    char buffer[24];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
    const int length = static_cast<int>(end - buffer);
    TDecimal decimal{std::string(buffer, static_cast<size_t>(length)), length - decimals};
    Normalise(decimal);
    return decimal;
}

bool TryParseDecimal(UnicodeStringView text, char16_t decimalSeparator, TDecimal& magnitude, bool& negative) {
    TDecimal decimal;
    size_t i = 0;
    negative = ReadSign(text, i);
    bool anyDigit = false;
    bool seenSeparator = false;
    for (; i < text.size(); ++i) {
        if (text[i] == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
        } else if (IsDigit(text[i])) {
            anyDigit = true;
            decimal.Digits += static_cast<char>(text[i]);
            decimal.Exponent += seenSeparator ? 0 : 1;
        } else {
            break;
        }
    }
    int exponent = 0;
    if (anyDigit && i < text.size() && (text[i] == u'e' || text[i] == u'E') && !ReadExponentPart(text, i, exponent)) {
        return false;
    }
    if (!anyDigit || i != text.size()) {
        return false;
    }
    decimal.Exponent += exponent;
    Normalise(decimal);
    magnitude = std::move(decimal);
    return true;
}

TDecimal ShortestDecimal(double magnitude) {
    return ShortestOf(magnitude);
}

TDecimal ShortestDecimal(float magnitude) {
    return ShortestOf(magnitude);
}

int CompareMagnitudes(const TDecimal& left, const TDecimal& right) {
    if (left.IsZero() || right.IsZero()) {
        return (left.IsZero() ? 0 : 1) - (right.IsZero() ? 0 : 1);
    }
    if (left.Exponent != right.Exponent) {
        return left.Exponent < right.Exponent ? -1 : 1;
    }
    const int digits = left.Digits.compare(right.Digits);
    return digits < 0 ? -1 : digits > 0 ? 1 : 0;
}

std::string ScientificText(const TDecimal& decimal) {
    if (decimal.IsZero()) {
        return "0";
    }
    return "0." + decimal.Digits + "e" + std::to_string(decimal.Exponent);
}

} // namespace rtl::detail
