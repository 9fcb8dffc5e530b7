#include "rtl/numbers/Extended80.h"

#include <cmath>

namespace rtl {

namespace {

constexpr int ExponentBias = 16383;
constexpr int MaxBiasedExponent = 0x7FFF;
constexpr int MantissaBits = 64;
// A value with the zero exponent is mantissa * 2^(1 - bias - 63): the denormal scale.
constexpr int DenormalShift = ExponentBias - 1 + MantissaBits - 1;
constexpr uint64_t IntegerBit = uint64_t{1} << 63;
constexpr uint64_t QuietNaNMantissa = IntegerBit | (uint64_t{1} << 62);

TExtended80Bytes Assemble(bool negative, int biasedExponent, uint64_t mantissa) {
    TExtended80Bytes bytes{};
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    }
    const uint32_t signAndExponent = (negative ? 0x8000u : 0u) | static_cast<uint32_t>(biasedExponent);
    bytes[8] = static_cast<uint8_t>(signAndExponent);
    bytes[9] = static_cast<uint8_t>(signAndExponent >> 8);
    return bytes;
}

} // namespace

TExtended80Bytes PackExtended80(long double value) {
    const bool negative = std::signbit(value);
    if (std::isnan(value)) {
        return Assemble(negative, MaxBiasedExponent, QuietNaNMantissa);
    }
    if (std::isinf(value)) {
        return Assemble(negative, MaxBiasedExponent, IntegerBit);
    }
    const long double magnitude = std::fabs(value);
    if (magnitude == 0) {
        return Assemble(negative, 0, 0);
    }
    int exponent = 0;
    const long double fraction =
        std::frexp(magnitude, &exponent); // magnitude = fraction * 2^exponent, fraction in [0.5, 1)
    const int biasedExponent = exponent - 1 + ExponentBias;
    if (biasedExponent <= 0) {
        return Assemble(negative, 0, static_cast<uint64_t>(std::ldexp(magnitude, DenormalShift)));
    }
    return Assemble(negative, biasedExponent, static_cast<uint64_t>(std::ldexp(fraction, MantissaBits)));
}

long double UnpackExtended80(const TExtended80Bytes& bytes) {
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i) {
        mantissa = (mantissa << 8) | bytes[i];
    }
    const uint32_t signAndExponent = bytes[8] | (uint32_t{bytes[9]} << 8);
    const bool negative = (signAndExponent & 0x8000u) != 0;
    const int biasedExponent = static_cast<int>(signAndExponent & 0x7FFFu);
    long double magnitude = 0;
    if (biasedExponent == MaxBiasedExponent) {
        magnitude = (mantissa << 1) == 0 ? HUGE_VALL : std::nanl("");
    } else if (biasedExponent == 0) {
        magnitude = std::ldexp(static_cast<long double>(mantissa), -DenormalShift);
    } else {
        magnitude = std::ldexp(static_cast<long double>(mantissa), biasedExponent - ExponentBias - (MantissaBits - 1));
    }
    return negative ? -magnitude : magnitude;
}

double Extended80ToDouble(const TExtended80Bytes& bytes) {
    return static_cast<double>(UnpackExtended80(bytes));
}

} // namespace rtl
