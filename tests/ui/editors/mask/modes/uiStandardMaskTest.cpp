#include "ui/editors/mask/modes/uiStandardMask.h"

#include "../RegExprTestSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class uiStandardMaskTest : public ::testing::Test {
protected:
    test::TTestSeparators Separators;
    TuiStandardMask Mask{Separators};

    std::string Laid(const char16_t* mask, const char16_t* text, bool includesLiterals = true) {
        Mask.Compile(mask);
        rtl::UnicodeString laid = text;
        Mask.LayText(laid, true, includesLiterals);
        return test_support::Utf8(laid);
    }
};

struct TStandardMaskCase {
    const char16_t* Mask;
    int32_t Positions;
    const char* EmptyMaskText;
    const char* EmptyValueText;
};

TEST_F(uiStandardMaskTest, CompilesPositionsAndEmptyTexts) {
    const TStandardMaskCase cases[] = {
        {u"!\\(999\\) 000-0000;1;_", 14, "(___) ___-____", "(   )    -    "},
        {u"00\\/00;0", 5, "__/__", "    "},
        {u"00\\/00;1", 5, "__/__", "  /  "},
        {u"00/00", 5, "__.__", "  .  "},
        {u"00:00", 5, "__-__", "  -  "},
        {u"00;1;*", 2, "**", "  "},
        {u"00;1;", 5, "__;1;", "  ;1;"},
        {u"0\\", 1, "_", " "},
        {u"\\\\0", 2, "\\_", "\\ "},
        {u">LL<ll<>L", 5, "_____", "     "},
        {u"", 0, "", ""},
    };
    for (const TStandardMaskCase& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.Mask));
        Mask.Compile(c.Mask);
        EXPECT_EQ(Mask.ItemCount(), c.Positions);
        EXPECT_EQ(test_support::Utf8(Mask.EmptyMaskText()), c.EmptyMaskText);
        EXPECT_EQ(test_support::Utf8(Mask.EmptyValueText()), c.EmptyValueText);
    }
}

TEST_F(uiStandardMaskTest, LaysTextsIntoThePositions) {
    EXPECT_EQ(Laid(u"000-00", u"12345"), "123-45");
    EXPECT_EQ(Laid(u"000", u"1a2"), "12_");
    EXPECT_EQ(Laid(u"!000", u"12"), "_12");
    EXPECT_EQ(Laid(u"000", u"1 3"), "1_3");
    EXPECT_EQ(Laid(u">LL<ll<>L", u"abCDe"), "ABcde");
    EXPECT_EQ(Laid(u"00\\/00;0", u"1234", false), "12/34");
    EXPECT_EQ(Laid(u"(000)", u"(12)"), "(12_)");
}

TEST_F(uiStandardMaskTest, ChecksTextsAndTellsTheirValue) {
    Mask.Compile(u"009");
    rtl::UnicodeString text = u"12_";
    EXPECT_TRUE(Mask.IsTextValid(text));
    Mask.Compile(u"000");
    EXPECT_FALSE(Mask.IsTextValid(text));
    text = u"12";
    EXPECT_FALSE(Mask.IsTextValid(text));
    Mask.Compile(u">LL");
    text = u"ab";
    EXPECT_TRUE(Mask.IsTextValid(text));
    EXPECT_EQ(text, u"AB");
    Mask.Compile(u"");
    text.clear();
    EXPECT_TRUE(Mask.IsTextValid(text));

    Mask.Compile(u"!\\(999\\) 000-0000;1;_");
    text = u"(12_) 345-6789";
    Mask.ToValueText(text);
    EXPECT_EQ(text, u"(12 ) 345-6789");
    Mask.Compile(u"00\\/00;0");
    text = u"12/3_xyz";
    Mask.ToValueText(text);
    EXPECT_EQ(text, u"123 ");
}

} // namespace
} // namespace ui
