#pragma once
// Integer arithmetic the library's layout and colour code shares: MulDiv with the platform's rules, division that
// rounds up, the middle of a range and the sign of a value. Everything is exact for every 32-bit input: products and
// sums are taken in 64 bits.

#include <cstdint>

namespace ui {

// a * b / c in 64 bits, rounded to the nearest integer with halves away from zero; -1 when c is 0 or the result does
// not fit in 32 bits (-2^31 counts as not fitting, as on the platform).
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// a / b rounded up (toward plus infinity) for every sign; EuxException for a zero divisor or a quotient beyond 32
// bits.
int32_t DivideRoundingUp(int32_t a, int32_t b);

// The middle of a .. b rounded down: floor((a + b) / 2).
int32_t ComputeRangeMiddle(int32_t a, int32_t b);

// 1 for x >= 0, -1 otherwise.
int32_t DetermineSign(double x);

} // namespace ui
