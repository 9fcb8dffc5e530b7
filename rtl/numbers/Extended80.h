#pragma once
// The 10-byte extended floating-point format as files store it: a 64-bit mantissa with an explicit integer bit
// (bytes 0-7, little-endian) followed by the sign and the 15-bit biased exponent (bytes 8-9, little-endian).

#include <array>
#include <cstdint>

namespace rtl {

using TExtended80Bytes = std::array<uint8_t, 10>;

// Packs a long double into the 10-byte form; NaN becomes the quiet NaN with the value's sign.
TExtended80Bytes PackExtended80(long double value);

// Reads the 10-byte form; an infinite or NaN exponent gives infinity or NaN, and encodings the x87 unit rejects
// (an integer bit that disagrees with the exponent) are read by their face value.
long double UnpackExtended80(const TExtended80Bytes& bytes);

// The 10-byte form rounded to the nearest double; magnitudes beyond the double range become infinity or zero.
double Extended80ToDouble(const TExtended80Bytes& bytes);

} // namespace rtl
