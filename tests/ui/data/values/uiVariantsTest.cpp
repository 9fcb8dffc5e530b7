#include "ui/data/values/uiVariants.h"

#include "rtl/numbers/Bcd.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/BcdVariant.h"
#include "rtl/variants/SqlTimeStampVariant.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using rtl::Variant;

int Sign(int value) {
    return (value > 0) - (value < 0);
}

std::string DescribeVariant(const Variant& value) {
    if (value.IsArray()) {
        return "array of " + std::to_string(value.ArrayCount());
    }
    return test_support::Utf8(rtl::VarTypeAsText(value.VarType())) + " " + test_support::Utf8(rtl::VarToStr(value));
}

Variant Ansi936(rtl::UnicodeStringView text) {
    return Variant::FromAnsiString(rtl::UnicodeToAnsi(text, rtl::cpSimplifiedChinese));
}

TEST(uiVariants, CompareVariantsIsTheOrderOfTheDataSide) {
    struct Case {
        Variant a, b;
        int expectedSign;
    };
    const Case cases[] = {
        {Variant(), Variant::Null(), -1},
        {Variant::Null(), Variant::Null(), 0},
        {Variant::Null(), Variant(0), -1},
        {Variant(2), Variant(10), -1},
        {Variant(u"b"), Variant(u"a"), 1},
        {Variant(u"a"), Variant(u"B"), 1}, // by byte: lower case after upper case
        {Variant::ArrayOf({Variant(1)}), Variant(5), 1},
        {Variant::ArrayOf({Variant(1), Variant(2)}), Variant::ArrayOf({Variant(1), Variant(2), Variant(3)}), -1},
        {Variant::ArrayOf({Variant(1), Variant(2)}), Variant::ArrayOf({Variant(1), Variant(3)}), -1},
        {Variant::ArrayOf({}), Variant::ArrayOf({}), 0},
        {Variant(u"abc"), Variant(5), 1}, // a text that is no number: numbers first
        {Variant(u"3"), Variant(5), 1},   // a text never converts to meet a number
        {Variant(1.5), Variant(rtl::Currency::FromScaled(15000)), 0},
        {Ansi936(u"啊"), Ansi936(u"中"), -1}, // code page 936 bytes B0A1 before D6D0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DescribeVariant(c.a) + " against " + DescribeVariant(c.b));
        EXPECT_EQ(Sign(CompareVariants(c.a, c.b)), c.expectedSign);
        EXPECT_EQ(Sign(CompareVariants(c.b, c.a)), -c.expectedSign);
        EXPECT_EQ(VariantsCompareEqual(c.a, c.b), c.expectedSign == 0);
    }
}

TEST(uiVariants, ArraysCompareByCountThenElements) {
    const Variant shorter = Variant::ArrayOf({Variant(9)});
    const Variant longer = Variant::ArrayOf({Variant(1), Variant(2), Variant(3)});
    EXPECT_EQ(CompareVariantArrays(shorter, longer), -2); // the difference of the counts
    EXPECT_EQ(CompareVariantArrays(Variant(5), Variant(6)), -1);
    Variant shifted = Variant::CreateArray(3, 4, rtl::varVariant); // bounds other than zero-based
    shifted.SetArrayElement(3, Variant(1));
    shifted.SetArrayElement(4, Variant(3));
    EXPECT_EQ(CompareVariants(shifted, Variant::ArrayOf({Variant(1), Variant(3)})), 0);
    EXPECT_EQ(CompareVariants(Variant::ArrayOf({Variant::ArrayOf({Variant(u"x")})}),
                              Variant::ArrayOf({Variant::ArrayOf({Variant(u"y")})})),
              -1);
}

TEST(uiVariants, WideTextsOrderByTheirAnsiBytes) {
    if (rtl::ProcessAnsiCodePage() != rtl::cpSimplifiedChinese) {
        GTEST_SKIP() << "the process code page is not 936";
    }
    // By UTF-16 unit 中 (U+4E2D) would come first.
    EXPECT_LT(CompareVariants(Variant(u"啊"), Variant(u"中")), 0);
}

TEST(uiVariants, BooleansEqualTheTextThatShowsThem) {
    struct Case {
        Variant a, b;
        bool expected;
    };
    const Case cases[] = {
        {Variant(true), Variant(u"True"), true},
        {Variant(true), Variant(u"true"), false},
        {Variant::FromAnsiString("False"), Variant(false), true},
        {Variant(true), Variant(1), false}, // "True" against "1"
        {Variant(true), Variant::Null(), false},
        {Variant::Null(), Variant::Null(), true},
        {Variant(true), Variant::ArrayOf({Variant(true)}), false}, // the array has no text
        {Variant(1), Variant(1.0), true},
        {Variant(u"1"), Variant(1), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DescribeVariant(c.a) + " against " + DescribeVariant(c.b));
        EXPECT_EQ(VariantsEqual(c.a, c.b), c.expected);
        EXPECT_EQ(VariantsEqual(c.b, c.a), c.expected);
    }
}

TEST(uiVariants, TypeTests) {
    EXPECT_TRUE(IsBlankVariant(Variant(u"")));
    EXPECT_TRUE(IsBlankVariant(Variant::FromAnsiString("")));
    EXPECT_TRUE(IsBlankVariant(Variant::Null()));
    EXPECT_FALSE(IsBlankVariant(Variant(u" ")));
    EXPECT_FALSE(IsBlankVariant(Variant()));
    EXPECT_FALSE(IsBlankVariant(Variant(0)));
    EXPECT_FALSE(IsBlankVariant(Variant(false)));

    const Variant bcd = rtl::VarFMTBcdCreate(rtl::StrToBcd(u"1.5", rtl::TFormatSettings::Invariant()));
    const Variant stamp = rtl::VarSQLTimeStampCreate({2026, 6, 10, 12, 0, 0, 0});
    EXPECT_TRUE(IsDateVariant(Variant::FromDateTime(45000)));
    EXPECT_TRUE(IsDateVariant(stamp));
    EXPECT_FALSE(IsDateVariant(Variant(45000.0)));
    EXPECT_TRUE(IsCurrencyVarType(rtl::varCurrency));
    EXPECT_TRUE(IsCurrencyVarType(bcd.VarType()));
    EXPECT_FALSE(IsCurrencyVarType(rtl::varDouble));
    for (const Variant& number : {Variant(int8_t{1}), Variant(1.5f), Variant(true), bcd, Variant(uint16_t{3})}) {
        EXPECT_TRUE(IsNumericVariant(number)) << DescribeVariant(number);
    }
    for (const Variant& other : {Variant(u"1"), Variant::FromDateTime(1), stamp, Variant::Null()}) {
        EXPECT_FALSE(IsNumericVariant(other)) << DescribeVariant(other);
    }
}

TEST(uiVariants, ArrayBuilders) {
    Variant range = MakeRangeVariant(Variant(1), Variant(u"z"));
    ASSERT_EQ(range.ArrayLowBound(), 0);
    ASSERT_EQ(range.ArrayHighBound(), 1);
    EXPECT_EQ(rtl::VarToStr(range.ArrayElement(1)), u"z");

    AppendToVariantArray(range, Variant(9));
    EXPECT_EQ(CompareVariants(range, Variant::ArrayOf({Variant(1), Variant(u"z"), Variant(9)})), 0);

    Variant single = MakeSingleItemArray(Variant::Null());
    EXPECT_EQ(single.ArrayCount(), 1);
    EXPECT_TRUE(single.ArrayElement(0).IsNull());

    Variant fromScalar;
    AppendToVariantArray(fromScalar, Variant(4));
    EXPECT_EQ(CompareVariants(fromScalar, Variant::ArrayOf({Variant(4)})), 0);
}

} // namespace
} // namespace ui
