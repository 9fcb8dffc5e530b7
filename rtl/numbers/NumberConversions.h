#pragma once
// Conversions between numbers and text. Integers read as decimal or, after '$', "0x" or "0X", hexadecimal; floating
// point text uses the decimal separator of the settings given (the process-wide ones when none are) and never the C
// locale. Failing conversions raise EConvertError; the Try forms return false instead and the Def forms a default.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace rtl {

struct TFormatSettings;

// How FloatToStrF lays out a value.
enum class TFloatFormat : uint8_t {
    // Fixed or scientific, whichever is shorter, with `precision` significant digits and no trailing zeros;
    // scientific shows at least `digits` exponent digits.
    ffGeneral,
    // d.ddd with `precision` significant digits, 'E', the exponent's sign and at least `digits` exponent digits.
    ffExponent,
    // Fixed with `digits` decimals; general when the integer part needs more than `precision` digits.
    ffFixed,
    // ffFixed with thousand separators.
    ffNumber,
    // ffNumber placed with the currency string as the settings' currency formats say.
    ffCurrency,
};

// Blanks may lead; a sign may precede the digits or the hexadecimal prefix. Decimal must fit the type; hexadecimal
// may use all its bits ("$FFFFFFFF" is -1).
int32_t StrToInt(UnicodeStringView text);
bool TryStrToInt(UnicodeStringView text, int32_t& value);
int32_t StrToIntDef(UnicodeStringView text, int32_t defaultValue);
int64_t StrToInt64(UnicodeStringView text);
bool TryStrToInt64(UnicodeStringView text, int64_t& value);
int64_t StrToInt64Def(UnicodeStringView text, int64_t defaultValue);

// Blanks may surround a sign, digits with at most one decimal separator, and an exponent (e or E, a sign, digits).
// Values too small for the type read as zero; values too large fail.
double StrToFloat(UnicodeStringView text);
double StrToFloat(UnicodeStringView text, const TFormatSettings& settings);
bool TryStrToFloat(UnicodeStringView text, double& value);
bool TryStrToFloat(UnicodeStringView text, double& value, const TFormatSettings& settings);
double StrToFloatDef(UnicodeStringView text, double defaultValue);
double StrToFloatDef(UnicodeStringView text, double defaultValue, const TFormatSettings& settings);
// The same grammar read to the full 80-bit precision.
long double StrToExtended(UnicodeStringView text);
long double StrToExtended(UnicodeStringView text, const TFormatSettings& settings);
bool TryStrToExtended(UnicodeStringView text, long double& value);
bool TryStrToExtended(UnicodeStringView text, long double& value, const TFormatSettings& settings);

// General format with 15 significant digits: "0.1", "1E15", "1.5E-5".
UnicodeString FloatToStr(double value);
UnicodeString FloatToStr(double value, const TFormatSettings& settings);
// Precision is clamped to 1..18, digits to 0..4 for exponents and 0..18 for decimals. Digits are rounded correctly,
// halves away from zero. Not-a-number and infinities read "NAN", "INF" and "-INF".
UnicodeString FloatToStrF(long double value, TFloatFormat format, int precision, int digits);
UnicodeString FloatToStrF(long double value, TFloatFormat format, int precision, int digits,
                          const TFormatSettings& settings);

UnicodeString IntToStr(int64_t value);
UnicodeString UIntToStr(uint64_t value);
// Upper-case hexadecimal with at least `digits` digits.
UnicodeString IntToHex(uint64_t value, int digits);

namespace detail {
class TDigitSource;
// FloatToStrF's layouts over any digits: `precision` (at least 1) significant digits, then as the format says.
UnicodeString DecimalToStrF(const TDigitSource& source, bool negative, TFloatFormat format, int precision, int digits,
                            const TFormatSettings& settings);
} // namespace detail

} // namespace rtl
