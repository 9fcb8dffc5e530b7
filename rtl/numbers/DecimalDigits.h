#pragma once
// Decimal digits of numbers, the common ground of the number-to-text conversions: a finite magnitude written as
// 0.Digits x 10^Exponent and rounded to a count of significant digits or of decimals, halves away from zero.
// Floating-point values give their correctly rounded digits; exact decimals (currency amounts, BCD values, text)
// round on their own digits.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <string>
#include <utility>

namespace rtl::detail {

// A magnitude as 0.Digits x 10^Exponent; Digits holds ASCII digits without leading or trailing zeros and is empty
// for zero (whose Exponent is then 0).
struct TDecimal {
    std::string Digits;
    int Exponent = 0;

    bool IsZero() const { return Digits.empty(); }
    // The digit at index (0 is the first significant one), '0' outside the digits.
    char DigitAt(int index) const;
};

enum class TRounding : uint8_t { Significant, Decimals };

// Where digits for a layout come from: the value rounded as a layout asks.
class TDigitSource {
public:
    virtual ~TDigitSource() = default;
    virtual TDecimal Rounded(TRounding rounding, int count) const = 0;
    // The most decimals Rounded gives exactly.
    virtual int MaxDecimals() const = 0;
};

// The digits of a finite, non-negative long double, correctly rounded from its binary value.
class TFloatDigits : public TDigitSource {
public:
    explicit TFloatDigits(long double magnitude) : FMagnitude(magnitude) {}
    TDecimal Rounded(TRounding rounding, int count) const override;
    int MaxDecimals() const override { return 18; }

private:
    long double FMagnitude;
};

// The digits of an exact decimal magnitude.
class TExactDigits : public TDigitSource {
public:
    explicit TExactDigits(TDecimal decimal) : FDecimal(std::move(decimal)) {}
    TDecimal Rounded(TRounding rounding, int count) const override;
    int MaxDecimals() const override { return 64; }

private:
    TDecimal FDecimal;
};

// Strips leading and trailing zeros, keeping the value.
void Normalise(TDecimal& decimal);
// The decimal rounded to count significant digits or decimals, halves away from zero.
TDecimal RoundDecimal(const TDecimal& decimal, TRounding rounding, int count);
// The decimal rounded to the multiple of 10^unit nearest to it; a half goes to the even multiple when halvesToEven,
// away from zero otherwise.
TDecimal RoundDecimalAt(const TDecimal& decimal, int unit, bool halvesToEven);
// An integer magnitude scaled by 10^-decimals: (12345, 2) is 123.45.
TDecimal DecimalOfScaled(uint64_t magnitude, int decimals);
// Reads [sign] digits [separator digits] [e|E [sign] digits] with at least one mantissa digit, the whole text and
// nothing else, into its exact magnitude and sign. Exponents beyond +-100000 are taken as that limit.
bool TryParseDecimal(UnicodeStringView text, char16_t decimalSeparator, TDecimal& magnitude, bool& negative);
// The shortest decimal that reads back as the finite magnitude in its own type: 0.1 for both 0.1 and 0.1f.
TDecimal ShortestDecimal(double magnitude);
TDecimal ShortestDecimal(float magnitude);
// Orders two magnitudes: negative, zero or positive.
int CompareMagnitudes(const TDecimal& left, const TDecimal& right);
// The decimal as "0.<digits>e<exponent>" ("0.12345e3" for 123.45), a form std::from_chars reads exactly.
std::string ScientificText(const TDecimal& decimal);

} // namespace rtl::detail
