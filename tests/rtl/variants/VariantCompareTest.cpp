#include "rtl/variants/VariantCompare.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/BcdVariant.h"
#include "rtl/variants/VariantConversions.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace rtl {
namespace {

std::string Describe(const Variant& value) {
    std::string text = UnicodeToUtf8(VarTypeAsText(VarType(value)));
    if (!VarIsArray(value)) {
        text += " " + UnicodeToUtf8(VarToStr(value));
    }
    return text;
}

Variant Bcd(UnicodeStringView text) {
    return VarFMTBcdCreate(StrToBcd(text, TFormatSettings::Invariant()));
}

TEST(VariantCompare, OrdersEmptyNullValuesAndArrays) {
    struct Case {
        Variant left, right;
        int expected;
    };
    const Case cases[] = {
        {Variant(), Variant::Null(), -1},
        {Variant(), Variant(), 0},
        {Variant::Null(), Variant::Null(), 0},
        {Variant::Null(), Variant(0), -1},
        {Variant(), Variant(u""), -1},
        {Variant(2), Variant(10), -1},
        {Variant(u"b"), Variant(u"a"), 1},
        {Variant(u"a"), Variant(u"B"), 1}, // by code, lower case after upper case
        {Variant::FromAnsiString("a"), Variant::FromAnsiString("B"), 1},
        {Variant::ArrayOf({Variant(1)}), Variant(5), 1},
        {Variant::ArrayOf({Variant(1), Variant(2)}), Variant::ArrayOf({Variant(1), Variant(2), Variant(0)}), -1},
        {Variant::ArrayOf({Variant(1), Variant(2)}), Variant::ArrayOf({Variant(1), Variant(3)}), -1},
        {Variant::ArrayOf({}), Variant::ArrayOf({}), 0},
        {Variant::ByteArrayOf("ab"), Variant::ArrayOf({Variant(97), Variant(98)}), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Describe(c.left) + " against " + Describe(c.right));
        EXPECT_EQ(VarCompare(c.left, c.right), c.expected);
        EXPECT_EQ(VarCompare(c.right, c.left), -c.expected);
    }
}

TEST(VariantCompare, NumbersMeetByValue) {
    struct Case {
        Variant left, right;
        int expected;
    };
    const Case cases[] = {
        {Variant(1), Variant(1.0), 0},
        {Variant(true), Variant(1), 0},
        {Variant(false), Variant(true), -1},
        {Variant(0.1), Variant(Currency::FromScaled(1000)), 0}, // as the values print
        {Variant(0.1f), Variant(0.1), 0},
        {Variant(0.1), Bcd(u"0.1"), 0},
        {Variant(Currency::FromScaled(1)), Bcd(u"0.00011"), -1},
        {Variant(-0.0), Variant(0), 0},
        {Variant(int64_t{9223372036854775807}), Variant(9223372036854775807.0), -1}, // the double is 2^63
        {Variant(uint64_t{18446744073709551615u}), Variant(int64_t{-1}), 1},
        {Variant(-1.5), Variant(int8_t{-1}), -1},
        {Variant::FromDateTime(45000.5), Variant(45000), 1},
        {Variant(std::numeric_limits<double>::quiet_NaN()), Variant(-std::numeric_limits<double>::infinity()), -1},
        {Variant(std::numeric_limits<double>::quiet_NaN()), Variant(std::numeric_limits<float>::quiet_NaN()), 0},
        {Variant(std::numeric_limits<double>::infinity()), Bcd(u"1e60"), 1},
        {Bcd(u"-2"), Bcd(u"-10"), 1},
        {Bcd(u"1.50"), Bcd(u"1.5"), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Describe(c.left) + " against " + Describe(c.right));
        EXPECT_EQ(VarCompare(c.left, c.right), c.expected);
        EXPECT_EQ(VarCompare(c.right, c.left), -c.expected);
    }
}

TEST(VariantCompare, StringsAndNumbersAreDifferentKinds) {
    EXPECT_EQ(VarCompare(Variant(12), Variant(u"12")), -1);
    EXPECT_EQ(VarCompare(Variant(u"12"), Variant(99999)), 1);
    EXPECT_EQ(VarCompare(Variant(true), Variant(u"True")), -1);
    EXPECT_FALSE(VarSameValue(Variant(12), Variant(u"12")));
    EXPECT_TRUE(VarSameValue(VarAsType(Variant(u"12"), varInteger), Variant(12)));
}

TEST(VariantCompare, StringsOrderByTheirAnsiBytesThenByUtf16) {
    EXPECT_EQ(VarCompare(Variant(u"abc"), Variant::FromAnsiString("abc")), 0);
    EXPECT_EQ(VarCompare(Variant(u"中文"), Variant::FromAnsiString(UnicodeToAnsi(u"中文"))), 0);
    // Two texts whose ANSI forms agree still differ.
    EXPECT_NE(VarCompare(Variant(u"😀"), Variant(u"😁")), 0);
    EXPECT_EQ(VarCompare(Variant(u"😀"), Variant(u"😁")), -VarCompare(Variant(u"😁"), Variant(u"😀")));
    if (ProcessAnsiCodePage() == cpSimplifiedChinese) {
        // GBK orders 阿 (B0A2) before 中 (D6D0), as the ANSI bytes do, although U+963F lies after U+4E2D.
        EXPECT_EQ(VarCompare(Variant(u"阿"), Variant(u"中")), -1);
    }
}

// Values of every kind, with equal ones of different kinds and texts that look like numbers.
std::vector<Variant> DistinctValues() {
    return {
        Variant(),
        Variant::Null(),
        Variant(0),
        Variant(-1),
        Variant(2.5),
        Variant(9.5),
        Variant(0.1f),
        Variant(Currency::FromScaled(1000)),
        Variant(true),
        Variant(uint8_t{10}),
        Variant::FromDateTime(9.75),
        Variant(std::numeric_limits<double>::quiet_NaN()),
        Variant(-std::numeric_limits<double>::infinity()),
        Bcd(u"9.6"),
        Bcd(u"-0.1"),
        Variant(u"10"),
        Variant(u"9"),
        Variant(u"9.5"),
        Variant(u"abc"),
        Variant(u"ABC"),
        Variant(u"中文"),
        Variant(u"😀"),
        Variant::FromAnsiString("10"),
        Variant::FromAnsiString("b"),
        Variant::ArrayOf({}),
        Variant::ArrayOf({Variant(1), Variant(u"x")}),
        Variant::ArrayOf({Variant(1), Variant(2)}),
        Variant::ByteArrayOf("\x01\x02"),
    };
}

// Every value several times, so that a sort meets every pair of kinds and equal values.
std::vector<Variant> MixedValues() {
    const std::vector<Variant> distinct = DistinctValues();
    std::vector<Variant> values;
    for (int copy = 0; copy < 3; ++copy) {
        values.insert(values.end(), distinct.begin(), distinct.end());
    }
    return values;
}

TEST(VariantCompare, TheOrderIsTotalAcrossKinds) {
    const std::vector<Variant> values = DistinctValues();
    for (const Variant& a : values) {
        EXPECT_EQ(VarCompare(a, a), 0) << Describe(a);
        for (const Variant& b : values) {
            const int ab = VarCompare(a, b);
            ASSERT_EQ(ab, -VarCompare(b, a)) << Describe(a) << " against " << Describe(b);
            for (const Variant& c : values) {
                if (ab <= 0 && VarCompare(b, c) <= 0) {
                    ASSERT_LE(VarCompare(a, c), 0) << Describe(a) << ", " << Describe(b) << ", " << Describe(c);
                }
            }
        }
    }
}

TEST(VariantCompare, SortingMixedValuesEndsInOrder) {
    std::vector<Variant> values = MixedValues();
    for (int round = 0; round < 20; ++round) {
        std::shuffle(values.begin(), values.end(), std::mt19937(round));
        std::sort(values.begin(), values.end(),
                  [](const Variant& a, const Variant& b) { return VarCompare(a, b) < 0; });
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end(),
                                   [](const Variant& a, const Variant& b) { return VarCompare(a, b) < 0; }));
    }
    EXPECT_TRUE(VarIsEmpty(values.front()));
    EXPECT_TRUE(VarIsArray(values.back()));
}

} // namespace
} // namespace rtl
