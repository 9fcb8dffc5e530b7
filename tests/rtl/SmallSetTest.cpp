#include "rtl/SmallSet.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

enum class TColour : uint8_t { clRed, clGreen, clBlue, clLast = 63 };
using TColours = TSmallSet<TColour>;

// Usable in constant expressions, as default values of published sets are.
static_assert(TColours{TColour::clRed, TColour::clBlue}.Contains(TColour::clBlue));
static_assert((TColours{TColour::clRed} + TColours{TColour::clGreen}).Bits() == 0b011);

TEST(SmallSet, Operators) {
    const TColours red{TColour::clRed};
    const TColours redGreen{TColour::clRed, TColour::clGreen};
    const TColours greenBlue{TColour::clGreen, TColour::clBlue};
    struct Case {
        const char* name;
        TColours result;
        TColours expected;
    };
    const Case cases[] = {
        {"union", redGreen + greenBlue, TColours{TColour::clRed, TColour::clGreen, TColour::clBlue}},
        {"difference", redGreen - greenBlue, red},
        {"intersection", redGreen * greenBlue, TColours{TColour::clGreen}},
        {"disjoint intersection", red * greenBlue, TColours{}},
        {"include", TColours(red).Include(TColour::clLast), TColours::FromBits(1 | uint64_t{1} << 63)},
        {"exclude absent", TColours(red).Exclude(TColour::clBlue), red},
        {"exclude present", TColours(redGreen).Exclude(TColour::clRed), TColours{TColour::clGreen}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, c.expected);
    }
    EXPECT_NE(red, redGreen);
    EXPECT_TRUE(TColours{}.IsEmpty());
}

TEST(SmallSet, ValuesBeyondTheWordAreNeverMembers) {
    const auto outside = static_cast<TColour>(64);
    TColours set{outside};
    EXPECT_TRUE(set.IsEmpty());
    set.Include(outside).Include(static_cast<TColour>(255));
    EXPECT_FALSE(set.Contains(outside));
    EXPECT_TRUE(set.IsEmpty());
}

} // namespace
} // namespace rtl
