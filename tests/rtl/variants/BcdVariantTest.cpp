#include "rtl/variants/BcdVariant.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/variants/VariantCompare.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

Variant BcdOf(UnicodeStringView text) {
    return VarFMTBcdCreate(StrToBcd(text, TFormatSettings::Invariant()));
}

TEST(BcdVariant, IsARegisteredCustomType) {
    const TVarType code = VarFMTBcd();
    EXPECT_GE(code, varFirstCustom);
    EXPECT_EQ(VarFMTBcd(), code);
    const Variant value = BcdOf(u"1.25");
    EXPECT_TRUE(VarIsFMTBcd(value));
    EXPECT_TRUE(VarIsNumeric(value));
    EXPECT_FALSE(VarIsFMTBcd(Variant(1.25)));
    const Variant copy = value;
    EXPECT_EQ(BcdToStr(VarToBcd(copy), TFormatSettings::Invariant()), u"1.25");
}

TEST(BcdVariant, ConvertsToStandardTypesWithoutLosingDigits) {
    const Variant big = BcdOf(u"-9223372036854775808");
    EXPECT_EQ(VarToInt64(big), std::numeric_limits<int64_t>::min());
    EXPECT_THROW(VarAsType(BcdOf(u"9223372036854775808"), varInt64), EVariantOverflowError);
    EXPECT_EQ(VarToCurrency(BcdOf(u"123456789012.34565")).Scaled(), 1234567890123457);
    EXPECT_EQ(VarToInteger(BcdOf(u"2.5")), 2);
    EXPECT_EQ(VarToDouble(BcdOf(u"0.1")), 0.1);
    EXPECT_EQ(VarToDateTime(BcdOf(u"45000.5")), 45000.5);
    EXPECT_TRUE(VarToBoolean(BcdOf(u"0.001")));
    EXPECT_FALSE(VarToBoolean(BcdOf(u"0")));
    EXPECT_EQ(VarToStr(BcdOf(u"-0.5")), BcdToStr(StrToBcd(u"-0.5", TFormatSettings::Invariant())));
    EXPECT_EQ(VarType(VarAsType(BcdOf(u"7"), varString)), varString);
    EXPECT_EQ(test_support::MessageOf([] { VarAsType(BcdOf(u"300"), varByte); }),
              "Overflow while converting variant of type (FMTBcd) into type (Byte)");
}

TEST(BcdVariant, StandardValuesConvertIntoBcd) {
    const TFormatSettings& invariant = TFormatSettings::Invariant();
    struct Case {
        Variant value;
        UnicodeString text;
    };
    const Case cases[] = {
        {Variant(), u"0"},
        {Variant(0.1), u"0.1"},
        {Variant(-1234.5f), u"-1234.5"},
        {Variant(Currency::FromScaled(-9223372036854775807 - 1)), u"-922337203685477.5808"},
        {Variant(std::numeric_limits<uint64_t>::max()), u"18446744073709551615"},
        {Variant(true), u"1"},
        {Variant::FromDateTime(1.5), u"1.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test_support::Utf8(BcdToStr(VarToBcd(c.value), invariant)), test_support::Utf8(c.text));
    }
    EXPECT_EQ(BcdToStr(VarToBcd(Variant(BcdToStr(StrToBcd(u"12.5", invariant)))), invariant), u"12.5");
    EXPECT_THROW(VarToBcd(Variant(u"abc")), EVariantTypeCastError);
    EXPECT_THROW(VarToBcd(Variant::Null()), EVariantTypeCastError);
    EXPECT_THROW(VarToBcd(Variant(1e300)), EVariantOverflowError);
    EXPECT_THROW(VarToBcd(Variant(std::numeric_limits<double>::infinity())), EVariantOverflowError);
}

} // namespace
} // namespace rtl
