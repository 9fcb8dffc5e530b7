#include "rtl/numbers/Rounding.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/DecimalDigits.h"
#include "rtl/text/Format.h"

#include <charconv>
#include <cmath>

namespace rtl {

namespace {

// A whole long double as a 64-bit integer; 2^63 and its negation are exact in every floating-point format.
int64_t CheckedInteger(long double integral) {
    constexpr long double limit = 9223372036854775808.0L;
    if (!(integral >= -limit && integral < limit)) {
        throw EInvalidOp(RtlMessages::InvalidOp);
    }
    return static_cast<int64_t>(integral);
}

double RoundToPowerOfTen(double value, int digit, bool halvesToEven) {
    if (digit < MinRoundToDigit || digit > MaxRoundToDigit) {
        throw EConvertError(Format(u"Rounding digit %d is outside %d..%d", {digit, MinRoundToDigit, MaxRoundToDigit}));
    }
    if (!std::isfinite(value)) {
        return value;
    }
    const detail::TDecimal rounded =
        detail::RoundDecimalAt(detail::ShortestDecimal(std::fabs(value)), digit, halvesToEven);
    const std::string text = detail::ScientificText(rounded);
    double magnitude = 0;
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
    return value < 0 && magnitude != 0 ? -magnitude : magnitude;
}

} // namespace

int64_t Round(long double value) {
    return CheckedInteger(RoundToWhole(value));
}

long double RoundToWhole(long double value) {
    long double whole = std::floor(value);
    // The fraction a value has beyond its floor is exact in binary floating point.
    const long double fraction = value - whole;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0)) {
        whole += 1;
    }
    return whole;
}

int64_t Trunc(long double value) {
    return CheckedInteger(std::trunc(value));
}

double RoundTo(double value, int digit) {
    return RoundToPowerOfTen(value, digit, true);
}

double SimpleRoundTo(double value, int digit) {
    return RoundToPowerOfTen(value, digit, false);
}

} // namespace rtl
