#include "ui/core/geometry/uiArithmetic.h"

#include "ui/core/objects/uxException.h"

#include <limits>

namespace ui {

namespace {

constexpr char16_t DivisionByZeroText[] = u"Division by zero";
constexpr char16_t QuotientOverflowText[] = u"Quotient out of range";

} // namespace

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(a) * b;
    // |product| < 2^62 and |c| <= 2^31, so neither magnitude nor the doubled remainder overflows.
    const uint64_t magnitude = product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
    const uint64_t divisor = c < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    uint64_t quotient = magnitude / divisor;
    if (2 * (magnitude % divisor) >= divisor) {
        ++quotient;
    }
    if (quotient > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) {
        return -1;
    }
    const bool negative = (product < 0) != (c < 0);
    return negative ? -static_cast<int32_t>(quotient) : static_cast<int32_t>(quotient);
}

int32_t DivideRoundingUp(int32_t a, int32_t b) {
    if (b == 0) {
        throw EuxException(DivisionByZeroText);
    }
    const int64_t quotient = static_cast<int64_t>(a) / b;
    const int64_t remainder = static_cast<int64_t>(a) % b;
    // Truncation already rounded up when the exact quotient is negative.
    const int64_t result = remainder != 0 && (remainder > 0) == (b > 0) ? quotient + 1 : quotient;
    // Only -2^31 / -1 leaves the range.
    if (result > std::numeric_limits<int32_t>::max()) {
        throw EuxException(QuotientOverflowText);
    }
    return static_cast<int32_t>(result);
}

int32_t ComputeRangeMiddle(int32_t a, int32_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    // Arithmetic shift floors for either sign.
    return static_cast<int32_t>(sum >> 1);
}

int32_t DetermineSign(double x) {
    return x >= 0 ? 1 : -1;
}

} // namespace ui
