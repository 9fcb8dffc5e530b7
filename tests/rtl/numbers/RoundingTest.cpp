#include "rtl/numbers/Rounding.h"

#include "rtl/core/Exceptions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

TEST(Rounding, RoundTakesHalvesToTheEvenNeighbour) {
    struct Case {
        long double value;
        int64_t rounded, truncated;
    };
    const Case cases[] = {
        {2.5L, 2, 2},
        {3.5L, 4, 3},
        {-2.5L, -2, -2},
        {-3.5L, -4, -3},
        {0.5L, 0, 0},
        {1.5L, 2, 1},
        {2.4999999999L, 2, 2},
        {2.5000000001L, 3, 2},
        {-0.4L, 0, 0},
        {-1.6L, -2, -1},
        {4503599627370497.5L, 4503599627370498, 4503599627370497}, // a half beyond double precision
        {9223372036854775807.0L, INT64_MAX, INT64_MAX},
        {-9223372036854775808.0L, INT64_MIN, INT64_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.value));
        EXPECT_EQ(Round(c.value), c.rounded);
        EXPECT_EQ(Trunc(c.value), c.truncated);
    }
}

TEST(Rounding, WholeNumbersOutsideTheRangeRaise) {
    const long double values[] = {9223372036854775808.0L, -9223372036854775809.0L, 1e300L,
                                  std::numeric_limits<long double>::infinity(),
                                  std::numeric_limits<long double>::quiet_NaN()};
    for (const long double value : values) {
        SCOPED_TRACE(static_cast<double>(value));
        EXPECT_THROW(Round(value), EInvalidOp);
        EXPECT_THROW(Trunc(value), EInvalidOp);
    }
    // Just below the top a half rounds up out of the range.
    EXPECT_THROW(Round(9223372036854775807.5L), EInvalidOp);
}

TEST(Rounding, RoundToAPowerOfTen) {
    struct Case {
        double value;
        int digit;
        double even, awayFromZero;
    };
    const Case cases[] = {
        {1.235, -2, 1.24, 1.24},     {1.245, -2, 1.24, 1.25},
        {-1.245, -2, -1.24, -1.25},  {1.005, -2, 1.0, 1.01}, // the double lies just below 1.005, its text does not
        {2.675, -2, 2.68, 2.68},     {1234567.0, 3, 1235000.0, 1235000.0},
        {2500.0, 3, 2000.0, 3000.0}, {0.004, -2, 0.0, 0.0},
        {-0.004, -2, 0.0, 0.0},      {0.05, -1, 0.0, 0.1},
        {0.5, 0, 0.0, 1.0},          {123.456, 0, 123.0, 123.0},
        {1e-40, -37, 0.0, 0.0},      {1.7976931348623157e308, 37, 1.7976931348623157e308, 1.7976931348623157e308},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " at " << c.digit);
        EXPECT_EQ(RoundTo(c.value, c.digit), c.even);
        EXPECT_EQ(SimpleRoundTo(c.value, c.digit), c.awayFromZero);
    }
    EXPECT_EQ(SimpleRoundTo(3.14159), 3.14);
    EXPECT_FALSE(std::signbit(RoundTo(-0.004, -2)));
    EXPECT_TRUE(std::isnan(RoundTo(std::numeric_limits<double>::quiet_NaN(), -2)));
    EXPECT_EQ(RoundTo(-std::numeric_limits<double>::infinity(), 2), -std::numeric_limits<double>::infinity());
    EXPECT_THROW(RoundTo(1.0, 38), EConvertError);
    EXPECT_THROW(SimpleRoundTo(1.0, -38), EConvertError);
}

} // namespace
} // namespace rtl
