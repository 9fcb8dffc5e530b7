#pragma once
// TBcd: a signed decimal of up to 64 digits, 63 of them at most after the point, in the 34-byte layout databases and
// record buffers store: the digit count, the sign with the count of decimal places, and the digits packed two to a
// byte, the first in the high half. Values are exact; conversions from text round only what does not fit.

#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringTypes.h"

#include <array>
#include <cstdint>

namespace rtl {

struct TFormatSettings;

inline constexpr int MaxBcdDigits = 64;
inline constexpr int MaxBcdPlaces = 63;

struct TBcd {
    // Digits stored, 1 to 64 (0 reads as zero). Reading tolerates damaged values: a count above 64 reads as 64 and a
    // half-byte above 9 as 9.
    uint8_t Precision = 0;
    // Bit 7 the sign (set for negative values), bits 0 to 5 how many of the digits follow the point.
    uint8_t SignSpecialPlaces = 0;
    std::array<uint8_t, 32> Fraction{};

    bool IsNegative() const { return (SignSpecialPlaces & 0x80) != 0; }
    int Places() const { return SignSpecialPlaces & 0x3F; }
};
static_assert(sizeof(TBcd) == 34);

// Reads the decimal grammar of StrToFloat (sign, digits with the settings' decimal separator, exponent; blanks around
// the number). A value with more than 63 decimals is rounded to 63, half away from zero; one needing more than 64
// digits beyond that fails. Values are stored without leading or trailing zeros ("1.50" keeps one place).
bool TryStrToBcd(UnicodeStringView text, TBcd& value);
bool TryStrToBcd(UnicodeStringView text, TBcd& value, const TFormatSettings& settings);
// These raise EConvertError "'%s' is not a valid BCD value".
TBcd StrToBcd(UnicodeStringView text);
TBcd StrToBcd(UnicodeStringView text, const TFormatSettings& settings);

// Plain digits without trailing decimal zeros: "1.5", "-0.001", "0".
UnicodeString BcdToStr(const TBcd& value);
UnicodeString BcdToStr(const TBcd& value, const TFormatSettings& settings);
// FloatToStrF's layouts over the exact digits; a precision outside 1..64 means all 64.
UnicodeString BcdToStrF(const TBcd& value, TFloatFormat format, int precision, int digits);
UnicodeString BcdToStrF(const TBcd& value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);

// Orders by value: negative, zero or positive; 1.50 equals 1.5, and -0 equals 0.
int BcdCompare(const TBcd& left, const TBcd& right);
// The nearest double.
double BcdToDouble(const TBcd& value);

namespace RtlMessages {
inline constexpr char16_t InvalidBcd[] = u"'%s' is not a valid BCD value";
} // namespace RtlMessages

namespace detail {
struct TDecimal;
// The magnitude and sign of a BCD value, and a BCD value made of them (false when it needs more than 64 digits).
TDecimal BcdMagnitude(const TBcd& value);
bool TryDecimalToBcd(const TDecimal& magnitude, bool negative, TBcd& value);
} // namespace detail

} // namespace rtl
