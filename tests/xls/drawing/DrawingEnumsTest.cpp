// The enumeration table of the drawing family: its types and values, lookups in any letter case within the type of
// the attribute, and values a type lacks.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

TEST(DrawingEnums, HoldsEveryTypeWithItsValuesOrderedFromZero) {
    int32_t values = 0;
    for (const TXpgEnumType* type : EnumTypes()) {
        SCOPED_TRACE(test_support::Utf8(type->Prefix()));
        ASSERT_GT(type->Count(), 0);
        for (int32_t ordinal = 0; ordinal < type->Count(); ++ordinal) {
            EXPECT_EQ(type->Find(type->Name(ordinal)), ordinal);
        }
        values += type->Count();
    }
    EXPECT_EQ(EnumTypes().size(), 72u);
    EXPECT_EQ(values, 931);
}

TEST(DrawingEnums, LooksValuesUpInTheirOwnTypeInAnyLetterCase) {
    struct Case {
        const TXpgEnumType& type;
        rtl::UnicodeStringView value;
        int32_t ordinal;
    };
    const TEnums& enums = Enums();
    const Case cases[] = {
        {enums.ST_SchemeColorVal, u"folHlink", 11},
        {enums.ST_SchemeColorVal, u"FOLHLINK", 11},
        {enums.ST_SchemeColorVal, u"menu", -1},
        {enums.ST_SystemColorVal, u"menu", 4},
        {enums.ST_PresetColorVal, u"yellowGreen", 139},
        {enums.ST_ShapeType, u"cloudCallout", 119},
        {enums.ST_ShapeType, u"cust", -1},
        {enums.ST_SplitType, u"cust", 1},
        {enums.ST_SplitType, u"pie", -1},
        {enums.ST_TextAlignType, u"dist", 5},
        {enums.ST_TextAnchoringType, u"dist", 4},
        {enums.ST_TextAnchoringType, u"ctr", 1},
        {enums.ST_EditAs, u"twoCell", 0},
        {enums.ST_EditAs, u"oneCell", 1},
        {enums.ST_EditAs, u"absolute", 2},
        {enums.ST_BlipCompression, u"hqprint", 3},
        {enums.ST_BlipCompression, u"", -1},
        {enums.ST_SystemColorVal, u"3dDkShadow", 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.type.Prefix()) + test_support::Utf8(c.value));
        EXPECT_EQ(c.type.Find(c.value), c.ordinal);
    }
}

TEST(DrawingEnums, AValueTheTypeLacksIsReportedAndLeavesTheAttribute) {
    TSample sample;
    sample.Load(R"(<a:clrFrom><a:schemeClr val="menu"/><a:prstClr val="navyBlue"/></a:clrFrom>)"
                R"(<a:pattFill prst="pct50"/><a:pattFill prst="dots"/>)");
    EXPECT_EQ(sample.Log,
              (std::vector<std::string>{"Can not find enum \"stscvmenu\"", "Can not find enum \"stpcvnavyBlue\"",
                                        "Can not find enum \"stppvdots\""}));
    EXPECT_EQ(sample.Color().GetSchemeClr()->GetVal(), UnsetEnum);
    EXPECT_EQ(sample.Color().GetPrstClr()->GetVal(), UnsetEnum);
    EXPECT_EQ(sample.Fill().GetPattFill()->GetPrst(), 6);
}

TEST(DrawingEnums, AValueTheTypeLacksDoesNotEndARead) {
    TSample sample(false);
    sample.Load(R"(<a:blipFill><a:blip cstate="ultra"/><a:tile algn="middle" tx="4"/></a:blipFill>)");
    EXPECT_EQ(sample.Doc.Errors().Message(), u"Can not find enum \"stramiddle\"");
    EXPECT_EQ(sample.Fill().GetBlipFill()->GetBlip()->GetCstate(), 4);
    EXPECT_EQ(sample.Fill().GetBlipFill()->GetFillMode().GetTile()->GetTx(), 4);
}

} // namespace
} // namespace xls::drawing_test
