#include "ui/editors/spin/uiSpinEditValues.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/objects/uxException.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace ui {
namespace {

constexpr int64_t Int64Max = std::numeric_limits<int64_t>::max();
constexpr int64_t Int64Min = std::numeric_limits<int64_t>::min();

struct TIntStepCase {
    std::optional<double> Min;
    std::optional<double> Max;
    TuiSpinEditRangeMode Mode;
    int64_t Value;
    int32_t Direction;
    double Increment;
    bool Changed;
    int64_t Result;
};

TEST(uiSpinEditValues, IntegerStepsStayInTheRangeByTheirMode) {
    const TIntStepCase cases[] = {
        // Inside the range the step is taken as it is.
        {0, 10, srmClamp, 3, sedUp, 5, true, 8},
        // Past a bound: clamped, wrapped (9 + 5 - 11), or left alone.
        {0, 10, srmClamp, 9, sedUp, 5, true, 10},
        {0, 10, srmWrap, 9, sedUp, 5, true, 3},
        {0, 10, srmNone, 9, sedUp, 5, false, 9},
        {0, 59, srmWrap, 0, sedDown, 1, true, 59},
        {0, 59, srmClamp, 0, sedDown, 1, true, 0},
        // A value below the range goes up to its lower end, down only by wrapping to its upper end.
        {5, 10, srmClamp, 2, sedUp, 1, true, 5},
        {5, 10, srmClamp, 2, sedDown, 1, false, 2},
        {5, 10, srmWrap, 2, sedDown, 1, true, 10},
        // A value above it likewise the other way.
        {5, 10, srmClamp, 12, sedDown, 1, true, 10},
        {5, 10, srmClamp, 12, sedUp, 1, false, 12},
        {5, 10, srmWrap, 12, sedUp, 1, true, 5},
        // Without bounds the type's limits hold: the largest value stays where it is.
        {std::nullopt, std::nullopt, srmClamp, Int64Max, sedUp, 1, true, Int64Max},
        {std::nullopt, std::nullopt, srmClamp, Int64Min, sedFastDown, 10, true, Int64Min},
        // Wrapping the whole 64-bit range steps round exactly.
        {std::nullopt, std::nullopt, srmWrap, Int64Max, sedUp, 1, true, Int64Min},
        {std::nullopt, std::nullopt, srmWrap, Int64Min, sedDown, 2, true, Int64Max - 1},
        // A step wider than the range lands on the bound it wraps to.
        {0, 10, srmWrap, 9, sedUp, 30, true, 0},
        {0, 10, srmWrap, 1, sedDown, 30, true, 10},
        {0, 10, srmWrap, 9, sedFastUp, 12, true, 10},
        // A bound beyond the 64-bit range saturates instead of turning round.
        {std::nullopt, 1E20, srmClamp, 5, sedUp, 1, true, 6},
        {-1E20, std::nullopt, srmClamp, 5, sedDown, 1, true, 4},
    };
    for (const TIntStepCase& c : cases) {
        SCOPED_TRACE(&c - cases);
        const TuiSpinEditRange range(vtInt, c.Min, c.Max, c.Mode);
        rtl::Variant value(c.Value);
        const rtl::Variant increment = SpinIncrement(c.Direction, c.Increment, c.Increment, vtInt);
        EXPECT_EQ(range.StepValue(c.Direction, value, increment), c.Changed);
        EXPECT_EQ(value.VarType(), rtl::varInt64);
        EXPECT_EQ(rtl::VarToInt64(value), c.Result);
    }
}

TEST(uiSpinEditValues, FloatStepsWrapOnceAndLandOnTheOtherBoundWhenStillOutside) {
    const struct {
        double Min;
        double Max;
        double Value;
        int32_t Direction;
        double Increment;
        double Result;
    } cases[] = {
        {0, 59, 0, sedDown, 1, 59},
        {0, 10, 9.5, sedUp, 2, 0.5},
        // A range narrower than one: the wrap alone would leave the value outside.
        {0, 0.5, 0.4, sedUp, 0.3, 0},
        {0, 0.5, 0.1, sedDown, 0.3, 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const TuiSpinEditRange range(vtFloat, c.Min, c.Max, srmWrap);
        rtl::Variant value(c.Value);
        ASSERT_TRUE(range.StepValue(c.Direction, value, SpinIncrement(c.Direction, c.Increment, 10, vtFloat)));
        EXPECT_EQ(value.VarType(), rtl::varDouble);
        EXPECT_DOUBLE_EQ(rtl::VarToDouble(value), c.Result);
    }
}

TEST(uiSpinEditValues, RoomToABoundSaturatesAtTheTypesLimits) {
    const TuiSpinEditRange integers(vtInt, std::nullopt, std::nullopt, srmClamp);
    EXPECT_EQ(rtl::VarToInt64(integers.RoomToBound(rtl::Variant(int64_t{-5}), true)), Int64Max);
    EXPECT_EQ(rtl::VarToInt64(integers.RoomToBound(rtl::Variant(int64_t{5}), false)), Int64Min);
    EXPECT_EQ(rtl::VarToInt64(integers.RoomToBound(rtl::Variant(int64_t{5}), true)), Int64Max - 5);
    const TuiSpinEditRange floats(vtFloat, std::nullopt, std::nullopt, srmClamp);
    EXPECT_EQ(rtl::VarToDouble(floats.RoomToBound(rtl::Variant(-SpinEditFloatLimit), true)), SpinEditFloatLimit);
    EXPECT_EQ(rtl::VarToDouble(floats.RoomToBound(rtl::Variant(SpinEditFloatLimit), false)), -SpinEditFloatLimit);
}

TEST(uiSpinEditValues, IncrementsFollowTheDirectionAndRoundForIntegers) {
    EXPECT_EQ(rtl::VarToInt64(SpinIncrement(sedUp, 2.6, 10, vtInt)), 3);
    EXPECT_EQ(rtl::VarToInt64(SpinIncrement(sedDown, 2.6, 10, vtInt)), -3);
    EXPECT_EQ(rtl::VarToInt64(SpinIncrement(sedUp, 2.5, 10, vtInt)), 2) << "halves to even";
    EXPECT_EQ(rtl::VarToInt64(SpinIncrement(sedFastUp, 1, 10, vtInt)), 10);
    EXPECT_EQ(rtl::VarToDouble(SpinIncrement(sedFastDown, 1, 2.5, vtFloat)), -2.5);
    for (const int32_t direction : {-1, 4}) {
        try {
            SpinIncrement(direction, 1, 10, vtInt);
            ADD_FAILURE() << direction;
        } catch (const EuxException& error) {
            EXPECT_EQ(error.Message(), u"TuiCustomSpinEditProperties.GetIncrement fails");
        }
    }
}

TEST(uiSpinEditValues, BoundsAndValuesConvertToTheValueType) {
    EXPECT_EQ(rtl::VarToInt64(SpinDoubleAsValueType(1E20, vtInt)), Int64Max);
    EXPECT_EQ(rtl::VarToInt64(SpinDoubleAsValueType(-1E20, vtInt)), Int64Min);
    EXPECT_EQ(rtl::VarToInt64(SpinDoubleAsValueType(9.5, vtInt)), 10);
    EXPECT_EQ(SpinDoubleAsValueType(9.5, vtFloat).VarType(), rtl::varDouble);
    EXPECT_EQ(SpinValueAsType(rtl::Variant(int32_t{7}), vtFloat).VarType(), rtl::varDouble);
    EXPECT_EQ(SpinValueAsType(rtl::Variant(7.0), vtInt).VarType(), rtl::varInt64);
    EXPECT_TRUE(SpinValueAsType(rtl::Variant::Null(), vtInt).IsNull());

    const TuiSpinEditRange range(vtInt, 0, 10, srmClamp);
    EXPECT_EQ(rtl::VarToInt64(range.ClampToRange(rtl::Variant(1E20))), 10) << "no overflow on the way";
    EXPECT_EQ(rtl::VarToInt64(range.ClampToRange(rtl::Variant(-3.0))), 0);
    EXPECT_EQ(rtl::VarToInt64(range.ClampToRange(rtl::Variant(int32_t{4}))), 4);
    EXPECT_EQ(rtl::VarToInt64(TuiSpinEditRange(vtInt, 3, 10, srmClamp).ClampedZero()), 3);
    EXPECT_EQ(rtl::VarToInt64(TuiSpinEditRange(vtInt, std::nullopt, 1E20, srmClamp).ClampToRange(rtl::Variant(5.0))),
              5);
}

TEST(uiSpinEditValues, TextsAreNumbersOfTheValueType) {
    rtl::TFormatSettings comma = rtl::TFormatSettings::Invariant();
    comma.DecimalSeparator = u',';
    const struct {
        const char16_t* Text;
        TuiSpinEditValueType Type;
        const rtl::TFormatSettings* Settings;
        bool Accepted;
        double Value;
    } cases[] = {
        {u"1.5", vtFloat, &rtl::TFormatSettings::Invariant(), true, 1.5},
        {u"1,5", vtFloat, &comma, true, 1.5},
        {u"-2E3", vtFloat, &rtl::TFormatSettings::Invariant(), true, -2000},
        {u"1E309", vtFloat, &rtl::TFormatSettings::Invariant(), false, 0},
        {u"12", vtInt, &rtl::TFormatSettings::Invariant(), true, 12},
        {u"1.5", vtInt, &rtl::TFormatSettings::Invariant(), false, 0},
        {u"abc", vtInt, &rtl::TFormatSettings::Invariant(), false, 0},
        {u"", vtFloat, &rtl::TFormatSettings::Invariant(), false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        rtl::Variant value = rtl::Variant::Null();
        EXPECT_EQ(SpinTextToValue(c.Text, c.Type, value, *c.Settings), c.Accepted);
        if (c.Accepted) {
            EXPECT_EQ(value.VarType(), c.Type == vtInt ? rtl::varInt64 : rtl::varDouble);
            EXPECT_EQ(rtl::VarToDouble(value), c.Value);
        } else {
            EXPECT_TRUE(value.IsNull());
        }
    }
}

} // namespace
} // namespace ui
