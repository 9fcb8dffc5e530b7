// The editors' value routines: equality by type and by kind, and the white-space characters.

#include "ui/editors/framework/properties/uiEditValueRoutines.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiEditValueRoutines, IntegerOneAndDoubleOneAreEqualByKindNotByType) {
    const rtl::Variant integerOne(int32_t{1});
    const rtl::Variant doubleOne(1.0);
    EXPECT_TRUE(VariantsEqualSameKind(integerOne, doubleOne));
    EXPECT_FALSE(VariantsEqualSameType(integerOne, doubleOne));
    EXPECT_TRUE(VariantsEqualSameType(integerOne, rtl::Variant(int32_t{1})));
    EXPECT_FALSE(VariantsEqualSameKind(integerOne, rtl::Variant(2.0)));
}

TEST(uiEditValueRoutines, ATextMeetsANumberNeitherByKindNorByType) {
    const rtl::Variant text(u"1");
    EXPECT_FALSE(VariantsEqualSameKind(text, rtl::Variant(int32_t{1})));
    EXPECT_FALSE(VariantsEqualSameType(text, rtl::Variant(int32_t{1})));
    EXPECT_TRUE(VariantsEqualSameType(text, rtl::Variant(u"1")));
    // A Boolean compares with a text as the text that shows it, but they are of other types.
    EXPECT_FALSE(VariantsEqualSameType(rtl::Variant(true), rtl::Variant(u"True")));
    EXPECT_TRUE(VariantsEqualSameType(rtl::Variant::Null(), rtl::Variant::Null()));
}

TEST(uiEditValueRoutines, OnlyTheSixWhiteSpaceCharactersAreSpaces) {
    for (char16_t ch = 0; ch < 256; ++ch) {
        const bool expected = ch == 0 || ch == 9 || ch == 10 || ch == 12 || ch == 13 || ch == 32;
        EXPECT_EQ(IsSpaceChar(ch), expected) << int(ch);
    }
    EXPECT_FALSE(IsSpaceChar(u'\u3000'));
}

} // namespace
} // namespace ui
