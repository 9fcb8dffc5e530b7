// Breaking text into rows, measured in a font whose characters are all 10 pixels wide: words, East Asian characters
// and their prohibited followers, words too wide for a row, line ends, the spaces at a break, limits and the end
// ellipsis.

#include "ui/core/text/uiTextBreaking.h"

#include "tests/ui/core/text/TextDeviceDouble.h"
#include "ui/core/text/uiTextBreakRules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::TFixedWidthTextDevice;

struct TBroken {
    std::vector<rtl::UnicodeString> Rows;
    bool Fits = false;
};

TuiTextParams ParamsOf(uint32_t flags) {
    return TextParamsOf({TFixedWidthTextDevice::RowHeight, 0, 400, 10, u' ', 134}, flags, 1.0, 30, 1, false);
}

TBroken Break(rtl::UnicodeStringView text, int32_t width, uint32_t flags, int32_t height = 1000, int32_t maxRows = 0) {
    TFixedWidthTextDevice device;
    TuiTextRows rows;
    rows.SetText(rtl::UnicodeString(text));
    TBroken broken;
    broken.Fits = BreakTextIntoRows(device, {0, 0, width, height}, ParamsOf(flags), rows, maxRows);
    for (int32_t i = 0; i < rows.Count(); ++i) {
        broken.Rows.emplace_back(rows.RowText(i));
    }
    return broken;
}

using TRowTexts = std::vector<rtl::UnicodeString>;

TEST(uiTextBreaking, WordsWrapAtTheWidthAndTheSpaceAtTheBreakIsSkipped) {
    const TBroken broken = Break(u"abc def", 30, tlWordBreak);
    EXPECT_EQ(broken.Rows, (TRowTexts{u"abc", u"def"}));
    EXPECT_TRUE(broken.Fits);
    EXPECT_EQ(Break(u"abc def", 70, tlWordBreak).Rows, (TRowTexts{u"abc def"}));
    EXPECT_EQ(Break(u"abc def", 30, 0).Rows, (TRowTexts{u"abc def"})) << "no wrapping without word break";
    EXPECT_EQ(Break(u"ab cd ef", 50, TextLayoutAlignment(thaJustify, tvaTop)).Rows, (TRowTexts{u"ab cd", u" ef"}))
        << "justified text wraps without word break and keeps the space at the break";
}

TEST(uiTextBreaking, AProhibitedCharacterStaysWithTheEastAsianCharacterBeforeIt) {
    EXPECT_EQ(Break(u"一二三。", 30, tlWordBreak).Rows, (TRowTexts{u"一二", u"三。"}));
    EXPECT_EQ(Break(u"一二三四", 30, tlWordBreak).Rows, (TRowTexts{u"一二三", u"四"}))
        << "each East Asian character is a word";
    EXPECT_EQ(Break(u"ab一cd", 30, tlWordBreak).Rows, (TRowTexts{u"ab一", u"cd"}));
}

TEST(uiTextBreaking, AWordWiderThanTheRowSplitsOnlyWithCharacterBreak) {
    EXPECT_EQ(Break(u"abcdefgh", 35, tlWordBreak | tlCharBreak).Rows, (TRowTexts{u"abc", u"def", u"gh"}));
    EXPECT_EQ(Break(u"abcdefgh", 35, tlWordBreak | tlEditControl).Rows, (TRowTexts{u"abc", u"def", u"gh"}))
        << "the edit-control behaviour breaks words too";
    EXPECT_EQ(Break(u"abcdefgh", 35, tlWordBreak).Rows, (TRowTexts{u"abcdefgh"}));
    EXPECT_EQ(Break(u"abcdefgh", 5, tlWordBreak | tlCharBreak).Rows.size(), 8u) << "at least one character a row";
}

TEST(uiTextBreaking, LineEndsEndRows) {
    const struct {
        rtl::UnicodeStringView Text;
        TRowTexts Rows;
    } cases[] = {
        {u"a\r\nb", {u"a", u"b"}},      {u"a\n\rb", {u"a", u"b"}},          {u"a\rb", {u"a", u"b"}},
        {u"a\n\nb", {u"a", u"", u"b"}}, {u"a\r\n\r\nb", {u"a", u"", u"b"}}, {u"ab\r\n", {u"ab"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Break(c.Text, 100, tlWordBreak).Rows, c.Rows);
        EXPECT_EQ(Break(c.Text, 100, 0).Rows, c.Rows) << "also without wrapping";
    }
    EXPECT_EQ(Break(u"abc\r\ndef", 100, tlSingleLine).Rows, (TRowTexts{u"abc"}));
}

TEST(uiTextBreaking, SpacesAtABreakFollowTheAlignment) {
    EXPECT_EQ(Break(u"abc  def", 30, tlWordBreak).Rows, (TRowTexts{u"abc", u" def"})) << "left: one space skipped";
    EXPECT_EQ(Break(u"abc  def", 30, tlWordBreak | tlExcelStyleSpaces).Rows, (TRowTexts{u"abc", u"def"}))
        << "spreadsheet style: every space skipped";
    EXPECT_EQ(Break(u"ab  cd", 30, tlWordBreak | TextLayoutAlignment(thaCenter, tvaTop)).Rows,
              (TRowTexts{u"ab", u"cd"}))
        << "centre: a trailing space dropped and one at the break skipped";
    EXPECT_EQ(Break(u"ab  cd", 30, tlWordBreak | TextLayoutAlignment(thaRight, tvaTop)).Rows,
              (TRowTexts{u"ab", u" cd"}))
        << "right: only the trailing space dropped";
}

TEST(uiTextBreaking, JustifiedRowsCountTheirSpaces) {
    TFixedWidthTextDevice device;
    TuiTextRows rows;
    rows.SetText(u"a b c d e f");
    BreakTextIntoRows(device, {0, 0, 55, 100}, ParamsOf(tlWordBreak | TextLayoutAlignment(thaJustify, tvaTop)), rows,
                      0);
    ASSERT_GE(rows.Count(), 2);
    EXPECT_EQ(rows.RowText(0), u"a b c");
    EXPECT_EQ(rows[0].BreakCount, 2);
    EXPECT_EQ(rows[0].Width, 50);
    EXPECT_EQ(rows[rows.Count() - 1].BreakCount, 0) << "the last row of a justified text is not stretched";
    BreakTextIntoRows(device, {0, 0, 55, 100}, ParamsOf(tlWordBreak | TextLayoutAlignment(thaDistribute, tvaTop)), rows,
                      0);
    EXPECT_GT(rows[rows.Count() - 1].BreakCount, 0) << "distributed rows are all stretched";
}

TEST(uiTextBreaking, RowsStopAtTheRectangleAndAtTheRowLimit) {
    const rtl::UnicodeStringView words = u"aa bb cc dd ee";
    const TBroken limited = Break(words, 20, tlWordBreak, 1000, 2);
    EXPECT_EQ(limited.Rows, (TRowTexts{u"aa", u"bb"}));
    EXPECT_FALSE(limited.Fits);
    EXPECT_EQ(Break(words, 20, tlWordBreak, 40).Rows, (TRowTexts{u"aa", u"bb", u"cc"}))
        << "top-aligned rows end with the one that passes the bottom";
    EXPECT_EQ(Break(words, 20, tlWordBreak, 32).Rows, (TRowTexts{u"aa", u"bb"}))
        << "a row reaching the bottom exactly is the last";
    EXPECT_EQ(Break(words, 20, tlWordBreak | tlEditControl, 40).Rows, (TRowTexts{u"aa", u"bb"}))
        << "the edit-control behaviour keeps only rows that fit whole";
    EXPECT_EQ(Break(words, 20, tlWordBreak | TextLayoutAlignment(thaLeft, tvaCenter), 40).Rows.size(), 5u)
        << "centred text makes every row";
    EXPECT_TRUE(Break(words, 20, tlWordBreak | tlCalcRowCount, 40).Fits) << "calculations always fit";
}

TEST(uiTextBreaking, TheEllipsisRowKeepsTheWordThatDoesNotFit) {
    const TBroken broken = Break(u"abc def ghi", 50, tlWordBreak | tlEndEllipsis, 16);
    EXPECT_EQ(broken.Rows, (TRowTexts{u"abc def"}));
    EXPECT_FALSE(broken.Fits);
    EXPECT_EQ(Break(u"abc def\r\nghi", 50, tlWordBreak | tlEndEllipsis, 16).Rows, (TRowTexts{u"abc def"}));
}

TEST(uiTextBreaking, SingleLineTextFitsWhenTheRectangleIsWideEnough) {
    EXPECT_TRUE(Break(u"abc", 30, tlSingleLine).Fits);
    EXPECT_FALSE(Break(u"abcd", 30, tlSingleLine).Fits);
    const TBroken calculated = Break(u"ab\r\ncd", 5, tlSingleLine | tlCalcRect);
    EXPECT_EQ(calculated.Rows, (TRowTexts{u"ab\r\ncd"})) << "the whole text, measured";
    EXPECT_TRUE(Break(u"", 0, tlWordBreak).Fits);
    EXPECT_TRUE(Break(u"", 0, tlWordBreak).Rows.empty());
}

TEST(uiTextBreaking, RowsPastTheInlineOnesAreKept) {
    rtl::UnicodeString text;
    for (int i = 0; i < 40; ++i) {
        text += u"r" + rtl::UnicodeString(1, static_cast<char16_t>(u'A' + i % 26)) + u"\n";
    }
    const TBroken broken = Break(text, 100, 0);
    ASSERT_EQ(broken.Rows.size(), 40u);
    EXPECT_EQ(broken.Rows[35], u"rJ");
}

TEST(uiTextBreakRules, CharacterClasses) {
    EXPECT_TRUE(IsLineStartProhibited(u'。'));
    EXPECT_TRUE(IsLineStartProhibited(u'，'));
    EXPECT_TRUE(IsLineStartProhibited(u')'));
    EXPECT_TRUE(IsLineStartProhibited(u'\uFFE5'));
    EXPECT_FALSE(IsLineStartProhibited(u'('));
    EXPECT_FALSE(IsLineStartProhibited(u'中'));
    EXPECT_TRUE(IsInEastAsianRanges(u'中'));
    EXPECT_TRUE(IsInEastAsianRanges(u'カ'));
    EXPECT_TRUE(IsInEastAsianRanges(u'한'));
    EXPECT_FALSE(IsInEastAsianRanges(u'。'));
    EXPECT_TRUE(EncodesInSeveralBytes(u'。', 936));
    EXPECT_FALSE(EncodesInSeveralBytes(u'a', 936));
    EXPECT_FALSE(EncodesInSeveralBytes(u'\u00E4', 1252));
}

} // namespace
} // namespace ui
