#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

TEST(CodePages, Cp936RoundTrips) {
    struct Case {
        UnicodeString unicode;
        AnsiString gbk;
    };
    const Case cases[] = {
        {u"", ""},
        {u"Kp 2.0", "Kp 2.0"},
        {u"中文发票", "\xD6\xD0\xCE\xC4\xB7\xA2\xC6\xB1"},
        {u"税率13%", "\xCB\xB0\xC2\xCA"
                     "13%"},
        {u"\u20AC", "\x80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.unicode));
        EXPECT_EQ(UnicodeToAnsi(c.unicode, cpSimplifiedChinese), c.gbk);
        EXPECT_EQ(AnsiToUnicode(c.gbk, cpSimplifiedChinese), c.unicode);
    }
}

TEST(CodePages, CharacterOutsideGbkBecomesQuestionMark) {
    // U+0E01 (Thai) has no GBK form; the surrounding text survives.
    EXPECT_EQ(UnicodeToAnsi(u"a\u0E01b", cpSimplifiedChinese), "a?b");
    // A character outside the BMP is two UTF-16 units, each replaced.
    EXPECT_EQ(UnicodeToAnsi(u"x\U0001F600", cpSimplifiedChinese), "x??");
}

TEST(CodePages, WesternCodePageLosesChineseOnly) {
    EXPECT_EQ(UnicodeToAnsi(u"caf\u00E9 中", cpWesternEuropean), "caf\xE9 ?");
    EXPECT_EQ(AnsiToUnicode("caf\xE9", cpWesternEuropean), u"caf\u00E9");
}

TEST(CodePages, MacRomanIsKnownByItsWindowsNumber) {
    // Mac Roman puts e-acute at 0x8E and the euro sign at 0xDB.
    EXPECT_EQ(AnsiToUnicode("caf\x8E \xDB", cpMacRoman), u"caf\u00E9 \u20AC");
}

// Windows gives every byte of the Vietnamese code page its own character: a combining mark after a letter stays a
// mark of its own, and nothing is held back at the end of a text. The same table holds on both builds.
TEST(CodePages, VietnameseTextKeepsEveryCharacterToItsEnd) {
    constexpr uint32_t cpVietnamese = 1258;
    struct Case {
        AnsiString bytes;
        UnicodeString unicode;
    };
    const Case cases[] = {
        {"Viet", u"Viet"},
        {"Vi\xEAt", u"Vi\u00EAt"},
        // A letter and a combining mark at the end: e-circumflex with a dot below, a with an acute accent.
        {"Vi\xEA\xF2", u"Vi\u00EA\u0323"},
        {"ma\xEC", u"ma\u0301"},
        {"\xD0\xF2", u"\u0110\u0323"},
        {"\xEC", u"\u0301"},
        {"\xF5\xFD", u"\u01A1\u01B0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(AnsiToUnicode(c.bytes, cpVietnamese), c.unicode);
    }
}

TEST(CodePages, Utf8RoundTripIncludingSupplementaryPlane) {
    const UnicodeString text = u"A中\u00E9\U0001F600";
    const std::string utf8 = UnicodeToUtf8(text);
    EXPECT_EQ(utf8, "A\xE4\xB8\xAD\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUnicode(utf8), text);
    EXPECT_EQ(AnsiToUnicode(utf8, cpUtf8), text);
}

TEST(CodePages, MalformedUtf8AndLoneSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf8ToUnicode("a\xC3"), u"a\uFFFD");                     // truncated sequence
    EXPECT_EQ(Utf8ToUnicode("\xC0\xAF"), u"\uFFFD\uFFFD");             // overlong '/'
    EXPECT_EQ(Utf8ToUnicode("\xED\xA0\x80z"), u"\uFFFD\uFFFD\uFFFDz"); // encoded surrogate
    EXPECT_EQ(UnicodeToUtf8(UnicodeString(1, char16_t(0xD800)) + u"z"), "\xEF\xBF\xBDz");
}

TEST(CodePages, ProcessCodePageIsUsedByDefault) {
    const UnicodeString text = u"Tallyvane";
    EXPECT_EQ(AnsiToUnicode(UnicodeToAnsi(text)), text);
    EXPECT_EQ(UnicodeToAnsi(text, cpProcessAnsi), UnicodeToAnsi(text, ProcessAnsiCodePage()));
}

} // namespace
} // namespace rtl

// A limit in bytes of code page 936 keeps whole characters: a Chinese character takes two bytes, a Latin one one.
TEST(CodePages, AnsiFittingLengthKeepsWholeCharactersWithinTheBytes) {
    const struct {
        const char16_t* Text;
        size_t MaxBytes;
        size_t Fitting;
    } cases[] = {
        {u"张三李四王五", 8, 4}, {u"ab张三李四", 8, 5}, {u"ab张三李四", 7, 4}, {u"张", 1, 0},
        {u"abc", 8, 3},          {u"", 8, 0},           {u"张三", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rtl::AnsiFittingLength(c.Text, c.MaxBytes, rtl::cpSimplifiedChinese), c.Fitting)
            << rtl::UnicodeToUtf8(c.Text) << " in " << c.MaxBytes;
    }
    // A character outside the code page becomes '?' in it; its surrogate pair is kept or left out, never split.
    for (size_t maxBytes = 0; maxBytes < 5; ++maxBytes) {
        EXPECT_NE(rtl::AnsiFittingLength(u"a\U0001F600b", maxBytes, rtl::cpSimplifiedChinese), 2u) << maxBytes;
    }
}
