#include "rtl/text/StringUtils.h"

#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

TEST(StringUtils, AsciiCaseMappingChangesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCase(u"abc xyz äöü é 中"), u"ABC XYZ äöü é 中");
    EXPECT_EQ(LowerCase(u"ABC Ä"), u"abc Ä");
    EXPECT_EQ(UpperCase(std::string_view("a\xE4z")), "A\xE4Z");
    EXPECT_EQ(LowerCase(std::string_view("@[`{")), "@[`{"); // neighbours of the letter ranges
}

TEST(StringUtils, WideCaseMappingCoversAllScripts) {
    EXPECT_EQ(WideUpperCase(u"abc äöü é ωσ жя 中文"), u"ABC ÄÖÜ É ΩΣ ЖЯ 中文");
    EXPECT_EQ(WideLowerCase(u"ÄÖÜ ΩΣ ЖЯ"), u"äöü ωσ жя");
    // U+5341 has 0x41 ('A') as its low byte and must stay itself.
    EXPECT_EQ(WideLowerCase(u"\u5341"), u"\u5341");
}

TEST(StringUtils, Comparisons) {
    struct Case {
        UnicodeString a, b;
        int str, text, wideText;
    };
    const Case cases[] = {
        {u"abc", u"abc", 0, 0, 0},     {u"abc", u"ABC", 1, 0, 0}, {u"abc", u"abd", -1, -1, -1},
        {u"ab", u"abc", -1, -1, -1},   {u"Äb", u"äB", -1, -1, 0}, {u"销售", u"销售", 0, 0, 0},
        {u"销售表", u"销售", 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.a + u" / " + c.b));
        EXPECT_EQ(CompareStr(c.a, c.b), c.str);
        EXPECT_EQ(CompareText(c.a, c.b), c.text);
        EXPECT_EQ(WideCompareText(c.a, c.b), c.wideText);
        EXPECT_EQ(WideSameText(c.a, c.b), c.wideText == 0);
        EXPECT_EQ(SameText(c.a, c.b), c.text == 0);
    }
}

TEST(StringUtils, TrimRemovesSpacesAndControlCharacters) {
    EXPECT_EQ(Trim(u" \t\r\n a b \x01"), u"a b");
    EXPECT_EQ(TrimLeft(u"  a "), u"a ");
    EXPECT_EQ(TrimRight(u"  a "), u"  a");
    EXPECT_EQ(Trim(u"   "), u"");
    EXPECT_EQ(Trim(std::string_view(" \xD6\xD0 ")), "\xD6\xD0"); // GBK bytes are above ' '
}

TEST(StringUtils, PositionsAreZeroBasedAndMinusOneWhenAbsent) {
    EXPECT_EQ(Pos(u"b", u"abcb"), 1);
    EXPECT_EQ(Pos(u"b", u"abcb", 2), 3);
    EXPECT_EQ(Pos(u"x", u"abcb"), -1);
    EXPECT_EQ(Pos(u"b", u"abcb", 5), -1);
    EXPECT_EQ(LastDelimiter(u"\\.", u"C:\\dir\\file.xlsx"), 11);
    EXPECT_EQ(LastDelimiter(u"/", u"file"), -1);
    EXPECT_TRUE(StartsText(u"_XLNM.", u"_xlnm.Print_Area"));
    EXPECT_TRUE(EndsText(u".XLS", u"销售.xls"));
    EXPECT_FALSE(EndsText(u"xlsx", u"xls"));
}

TEST(StringUtils, StringReplace) {
    EXPECT_EQ(StringReplace(u"a-b-c", u"-", u"+", TReplaceFlag::rfReplaceAll), u"a+b+c");
    EXPECT_EQ(StringReplace(u"a-b-c", u"-", u"", TReplaceFlag{}), u"ab-c");
    EXPECT_EQ(StringReplace(u"Abc aBC", u"bc", u"X", TReplaceFlag::rfReplaceAll | TReplaceFlag::rfIgnoreCase),
              u"AX aX");
    EXPECT_EQ(StringReplace(u"aaa", u"aa", u"a", TReplaceFlag::rfReplaceAll), u"aa");
    EXPECT_EQ(StringReplace(u"abc", u"", u"x", TReplaceFlag::rfReplaceAll), u"abc");
}

TEST(StringUtils, SplitAndJoinAreInverse) {
    const auto parts = SplitString(u"a,,b,", u',');
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0], u"a");
    EXPECT_EQ(parts[1], u"");
    EXPECT_EQ(parts[3], u"");
    EXPECT_EQ(JoinStrings(parts, u","), u"a,,b,");
    EXPECT_EQ(SplitString(u"", u',').size(), 1u);
}

} // namespace
} // namespace rtl
