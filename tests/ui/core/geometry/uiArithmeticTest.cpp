#include "ui/core/geometry/uiArithmetic.h"

#include "ui/core/objects/uxException.h"

#include <gtest/gtest.h>
#include <limits>

namespace ui {
namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();

TEST(uiArithmetic, MulDivRoundsHalvesAwayFromZeroAndAnswersMinusOneForNoResult) {
    const struct {
        int32_t A, B, C, Expected;
    } cases[] = {
        {100, 201, 200, 101},   // 100.5 up
        {-100, 201, 200, -101}, // -100.5 away from zero
        {100, -201, 200, -101}, {1, 3, -2, -2},
        {-1, 3, -2, 2},         {7, 1, 3, 2},               // 2.33 down
        {5, 1, 3, 2},                                       // 1.67 up
        {0, 5, 7, 0},           {1, 1, 0, -1},              // zero divisor
        {0, 0, 0, -1},          {Int32Max, 2, 2, Int32Max}, // the product needs 64 bits
        {Int32Max, 2, 1, -1},                               // overflow
        {Int32Min, 1, 1, -1},                               // -2^31 counts as overflow
        {Int32Min, -1, -1, -1}, {Int32Min, 1, -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MulDiv(c.A, c.B, c.C), c.Expected) << c.A << " * " << c.B << " / " << c.C;
    }
}

TEST(uiArithmetic, DivideRoundingUpRoundsTowardPlusInfinityForEverySign) {
    const struct {
        int32_t A, B, Expected;
    } cases[] = {
        {7, 2, 4},
        {6, 2, 3},
        {-3, 2, -1},
        {3, -2, -1},
        {-3, -2, 2},
        {0, 5, 0},
        {Int32Min, 1, Int32Min},
        {Int32Min, 2, -1073741824},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DivideRoundingUp(c.A, c.B), c.Expected) << c.A << " / " << c.B;
    }
    EXPECT_THROW(DivideRoundingUp(1, 0), EuxException);
    EXPECT_THROW(DivideRoundingUp(Int32Min, -1), EuxException);
}

TEST(uiArithmetic, RangeMiddleFloorsTheHalfSumWithoutOverflow) {
    EXPECT_EQ(ComputeRangeMiddle(-3, 0), -2);
    EXPECT_EQ(ComputeRangeMiddle(3, 0), 1);
    EXPECT_EQ(ComputeRangeMiddle(-4, 0), -2);
    EXPECT_EQ(ComputeRangeMiddle(Int32Max, Int32Max), Int32Max);
    EXPECT_EQ(ComputeRangeMiddle(Int32Min, Int32Min + 1), Int32Min);
}

TEST(uiArithmetic, SignCountsZeroAsPositive) {
    EXPECT_EQ(DetermineSign(0.0), 1);
    EXPECT_EQ(DetermineSign(-0.5), -1);
    EXPECT_EQ(DetermineSign(3.0), 1);
}

} // namespace
} // namespace ui
