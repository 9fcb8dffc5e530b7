#include "rtl/core/SmallSet.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

enum class TInk : uint8_t { clRed, clGreen, clBlue, clLast = 63 };
using TInks = TSmallSet<TInk>;

// Usable in constant expressions, as default values of published sets are.
static_assert(TInks{TInk::clRed, TInk::clBlue}.Contains(TInk::clBlue));
static_assert((TInks{TInk::clRed} + TInks{TInk::clGreen}).Bits() == 0b011);

TEST(SmallSet, Operators) {
    const TInks red{TInk::clRed};
    const TInks redGreen{TInk::clRed, TInk::clGreen};
    const TInks greenBlue{TInk::clGreen, TInk::clBlue};
    struct Case {
        const char* name;
        TInks result;
        TInks expected;
    };
    const Case cases[] = {
        {"union", redGreen + greenBlue, TInks{TInk::clRed, TInk::clGreen, TInk::clBlue}},
        {"difference", redGreen - greenBlue, red},
        {"intersection", redGreen * greenBlue, TInks{TInk::clGreen}},
        {"disjoint intersection", red * greenBlue, TInks{}},
        {"include", TInks(red).Include(TInk::clLast), TInks::FromBits(1 | uint64_t{1} << 63)},
        {"exclude absent", TInks(red).Exclude(TInk::clBlue), red},
        {"exclude present", TInks(redGreen).Exclude(TInk::clRed), TInks{TInk::clGreen}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, c.expected);
    }
    EXPECT_NE(red, redGreen);
    EXPECT_TRUE(TInks{}.IsEmpty());
}

TEST(SmallSet, ValuesBeyondTheWordAreNeverMembers) {
    const auto outside = static_cast<TInk>(64);
    TInks set{outside};
    EXPECT_TRUE(set.IsEmpty());
    set.Include(outside).Include(static_cast<TInk>(255));
    EXPECT_FALSE(set.Contains(outside));
    EXPECT_TRUE(set.IsEmpty());
}

} // namespace
} // namespace rtl
