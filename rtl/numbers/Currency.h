#pragma once
// Currency: money amounts held exactly as a 64-bit count of ten-thousandths, from -922337203685477.5808 to
// 922337203685477.5807. Sums and comparisons are exact; every conversion or sum that leaves the range raises
// EConvertError instead of wrapping.

#include "rtl/text/StringTypes.h"

#include <compare>
#include <cstdint>

namespace rtl {

struct TFormatSettings;

// A money amount with four exact decimals.
class Currency {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;
    // The amount whose stored count of ten-thousandths is scaled: FromScaled(125000) is 12.5.
    static constexpr Currency FromScaled(int64_t scaled) {
        Currency result;
        result.FScaled = scaled;
        return result;
    }

    constexpr int64_t Scaled() const { return FScaled; }
    double ToDouble() const;

    Currency operator-() const;
    Currency& operator+=(Currency other);
    Currency& operator-=(Currency other);
    friend Currency operator+(Currency a, Currency b) { return a += b; }
    friend Currency operator-(Currency a, Currency b) { return a -= b; }
    friend constexpr bool operator==(Currency, Currency) = default;
    friend constexpr std::strong_ordering operator<=>(Currency, Currency) = default;

private:
    int64_t FScaled = 0;
};

// The double rounded to the nearest ten-thousandth, halves away from zero. The double is read as the shortest decimal
// that gives it back, so 1.005 becomes exactly 1.005 and 0.1 + 0.2 becomes 0.3. Infinity, NaN and magnitudes beyond
// the range fail.
bool TryFloatToCurr(double value, Currency& result);
Currency FloatToCurr(double value);

// Up to four decimals without trailing zeros ("12.5", "-0.0001", "3"), with the settings' decimal separator.
UnicodeString CurrToStr(Currency value);
UnicodeString CurrToStr(Currency value, const TFormatSettings& settings);

// Reads an optional sign, digits with the settings' decimal separator and an optional exponent ("1.5E3"); blanks
// around the number are ignored and a fifth decimal rounds half away from zero. Text that is not such a number or
// lies outside the range fails, raising EConvertError "'%s' is not a valid floating point value".
bool TryStrToCurr(UnicodeStringView text, Currency& result);
bool TryStrToCurr(UnicodeStringView text, Currency& result, const TFormatSettings& settings);
Currency StrToCurr(UnicodeStringView text);
Currency StrToCurr(UnicodeStringView text, const TFormatSettings& settings);

namespace RtlMessages {
inline constexpr char16_t InvalidCurrency[] = u"'%s' is not a valid currency value";
inline constexpr char16_t CurrencyOverflow[] = u"Currency overflow";
} // namespace RtlMessages

} // namespace rtl
