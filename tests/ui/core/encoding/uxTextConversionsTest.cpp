#include "ui/core/encoding/uxTextConversions.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/Variant.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uxTextConversions, HexTextRoundTripsBytesAndIgnoresATrailingOddDigit) {
    EXPECT_EQ(StringToHexText(std::string("\x00\x1f\xA0\xff", 4)), "001FA0FF");
    const uint8_t buffer[] = {0xDE, 0xAD};
    EXPECT_EQ(BufferToHexText(buffer, sizeof(buffer)), "DEAD");
    EXPECT_EQ(HexTextToString("41424"), "AB");
    EXPECT_EQ(HexTextToString("6a6B"), "jk");
    EXPECT_EQ(HexTextToString(""), "");
    EXPECT_EQ(HexPCharToString("4142"), "AB");
    EXPECT_EQ(HexPCharToString(nullptr), "");
    const std::string bytes("\x01\x80\xfe", 3);
    EXPECT_EQ(HexTextToString(StringToHexText(bytes)), bytes);
}

TEST(uxTextConversions, HexTextRefusesWhatIsNoDigit) {
    EXPECT_THROW(HexTextToString("4G"), rtl::EConvertError);
    EXPECT_THROW(HexTextToString("41 2"), rtl::EConvertError);
    EXPECT_NO_THROW(HexTextToString("41z")) << "the odd trailing character is never read";
}

TEST(uxTextConversions, CharSetsAreBitsOfEightWords) {
    TuxCharSet set{};
    set[1] = 1u << 1;  // '!' (33)
    set[7] = 1u << 31; // 255
    EXPECT_TRUE(IsCharInSet(u'!', set));
    EXPECT_TRUE(IsCharInSet(255, set));
    EXPECT_FALSE(IsCharInSet(u' ', set));
    EXPECT_FALSE(IsCharInSet(256 + 33, set)) << "beyond 255 nothing is in a set";
}

TEST(uxTextConversions, CharsetsMapToTheirCodePages) {
    const struct {
        uint8_t Charset;
        uint32_t CodePage;
    } cases[] = {{0, 0},      {1, 0},      {2, 0},      {128, 932},  {129, 949},  {130, 949},
                 {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {177, 1255}, {178, 1256},
                 {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(CharsetToCodePage(c.Charset), c.CodePage) << static_cast<int>(c.Charset);
    }
}

TEST(uxTextConversions, CodePageConversionsTakeTheLeadingUnits) {
    EXPECT_EQ(MultiByteToWideWithCodePage("\xd6\xd0\xce\xc4", 936), u"中文");
    EXPECT_EQ(MultiByteToWideWithCodePage("\xd6\xd0\xce\xc4", 936, 2), u"中");
    EXPECT_EQ(MultiByteToWideWithCodePage("abc", 936, 10), u"abc") << "a length beyond the text takes all of it";
    EXPECT_EQ(MultiByteToWideWithCodePage("\xe4\xb8\xad", rtl::cpUtf8), u"中");
    EXPECT_EQ(MultiByteToWideWithCodePage("", 936), u"");
    EXPECT_EQ(WideToMultiByteWithCodePage(u"中文", 936), "\xd6\xd0\xce\xc4");
    EXPECT_EQ(WideToMultiByteWithCodePage(u"中文", 936, 1), "\xd6\xd0");
    EXPECT_EQ(WideToMultiByteWithCodePage(u"中", rtl::cpUtf8), "\xe4\xb8\xad");
}

TEST(uxTextConversions, VariantsGiveTheirBytesOrText) {
    EXPECT_EQ(VariantToAnsiString(rtl::Variant::ByteArrayOf(std::string("a\0b", 3))), std::string("a\0b", 3));
    EXPECT_EQ(VariantToAnsiString(rtl::Variant::FromAnsiString("xyz")), "xyz");
    EXPECT_EQ(VariantToAnsiString(rtl::Variant(42)), "42");
    EXPECT_EQ(VariantToAnsiString(rtl::Variant()), "");
    EXPECT_EQ(VariantToWideString(rtl::Variant(rtl::UnicodeString(u"中文"))), u"中文");
    EXPECT_EQ(VariantToWideString(rtl::Variant::ByteArrayOf("ab")), u"ab");

    EXPECT_TRUE(IsStringOrByteArrayVariant(rtl::Variant(rtl::UnicodeString(u"x"))));
    EXPECT_TRUE(IsStringOrByteArrayVariant(rtl::Variant::FromAnsiString("x")));
    EXPECT_TRUE(IsStringOrByteArrayVariant(rtl::Variant::ByteArrayOf("x")));
    EXPECT_FALSE(IsStringOrByteArrayVariant(rtl::Variant(1)));
    EXPECT_FALSE(IsStringOrByteArrayVariant(rtl::Variant::Null()));
}

TEST(uxTextConversions, TextBeforeBarCutsAtTheFirstBar) {
    EXPECT_EQ(TextBeforeBar(u"Caption|hint|more"), u"Caption");
    EXPECT_EQ(TextBeforeBar(u"No bar"), u"No bar");
    EXPECT_EQ(TextBeforeBar(u"|leading"), u"");
}

TEST(uxTextConversions, SpecialCharsetsAreChineseAndArabicForTextThatDoesNotStartAscii) {
    const struct {
        uint8_t Charset;
        const char16_t* Text;
        uint8_t DefaultCharset;
        bool Expected;
    } cases[] = {
        {134, u"a", 0, false},  {134, u"中文", 0, true}, {136, u"中", 0, true}, {178, u"\u0627", 0, true},
        {128, u"中", 0, false}, {0, u"中", 134, false},  {1, u"中", 134, true}, {1, u"中", 0, false},
        {134, u"", 0, false},   {134, u"a中", 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UsesSpecialCharset(c.Charset, c.Text, c.DefaultCharset), c.Expected)
            << static_cast<int>(c.Charset) << " default " << static_cast<int>(c.DefaultCharset);
    }
}

} // namespace
} // namespace ui
