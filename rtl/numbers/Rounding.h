#pragma once
// Rounding floating-point values: to whole numbers (Round to the nearest, halves to the even neighbour, as the
// floating-point unit rounds; Trunc toward zero) and to a power of ten (RoundTo with halves to even, SimpleRoundTo with
// halves away from zero). The powers-of-ten forms round the value's shortest decimal text, so 1.005 counts as the
// half it is written as, not as the binary value just below it.

#include <cstdint>

namespace rtl {

// Both raise EInvalidOp for not-a-number, infinities and results outside the 64-bit integer range.
int64_t Round(long double value);
int64_t Trunc(long double value);
// Round without the integer range: the nearest whole number, halves to the even one; not-a-number and infinities
// come back unchanged.
long double RoundToWhole(long double value);

// The power of ten RoundTo and SimpleRoundTo round to: 10^digit, -37 <= digit <= 37.
inline constexpr int MinRoundToDigit = -37;
inline constexpr int MaxRoundToDigit = 37;

// The multiple of 10^digit nearest to value: RoundTo(1234567, 3) = 1235000, RoundTo(1.235, -2) = 1.24,
// RoundTo(1.245, -2) = 1.24. Not-a-number and infinities come back unchanged; a digit outside the range raises
// EConvertError.
double RoundTo(double value, int digit);
// As RoundTo, halves away from zero: SimpleRoundTo(1.245) = 1.25, SimpleRoundTo(-1.245) = -1.25.
double SimpleRoundTo(double value, int digit = -2);

} // namespace rtl
