#include "rtl/numbers/Extended80.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

TEST(Extended80, KnownBytePatterns) {
    struct Case {
        const char* name;
        long double value;
        TExtended80Bytes bytes;
    };
    const Case cases[] = {
        {"1", 1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {"-2", -2.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}},
        {"0", 0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"-0", -0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
        {"infinity", HUGE_VALL, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {"-infinity", -HUGE_VALL, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
        {"largest", LDBL_MAX, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F}},
        {"smallest normal", LDBL_MIN, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}},
        {"smallest denormal", std::numeric_limits<long double>::denorm_min(), {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PackExtended80(c.value), c.bytes);
        const long double back = UnpackExtended80(c.bytes);
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
}

TEST(Extended80, RoundTripsEveryBitOfTheMantissa) {
    const long double values[] = {
        1.0L,
        -0.5L,
        12.35L / 1.13L,
        3.14159265358979323846L,
        1e-4000L,
        -1e4000L,
        LDBL_MIN / 3,                                              // denormal
        LDBL_MIN - std::numeric_limits<long double>::denorm_min(), // largest denormal
        std::nextafter(1.0L, 2.0L),
    };
    for (const long double value : values) {
        SCOPED_TRACE(static_cast<double>(value));
        EXPECT_EQ(UnpackExtended80(PackExtended80(value)), value);
    }
}

TEST(Extended80, NaNStaysNaN) {
    const TExtended80Bytes bytes = PackExtended80(std::numeric_limits<long double>::quiet_NaN());
    EXPECT_EQ(bytes[9] & 0x7F, 0x7F);
    EXPECT_EQ(bytes[8], 0xFF);
    EXPECT_TRUE(std::isnan(UnpackExtended80(bytes)));
    EXPECT_TRUE(std::isnan(Extended80ToDouble(bytes)));
}

TEST(Extended80, UnnormalIsReadByItsFaceValue) {
    // Exponent of 1.0 with the integer bit clear: the x87 unit rejects it, a file may still hold it.
    const TExtended80Bytes bytes = {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F};
    EXPECT_EQ(UnpackExtended80(bytes), 0.5L);
}

TEST(Extended80, ToDoubleRoundsAndSaturates) {
    EXPECT_EQ(Extended80ToDouble(PackExtended80(12.35L / 1.13L)), static_cast<double>(12.35L / 1.13L));
    EXPECT_EQ(Extended80ToDouble(PackExtended80(1e4000L)), HUGE_VAL);
    EXPECT_EQ(Extended80ToDouble(PackExtended80(-1e4000L)), -HUGE_VAL);
    EXPECT_EQ(Extended80ToDouble(PackExtended80(1e-4000L)), 0.0);
}

} // namespace
} // namespace rtl
