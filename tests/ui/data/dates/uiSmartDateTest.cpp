#include "ui/data/dates/uiSmartDate.h"

#include "DateTestSupport.h"
#include "tests/support/TestSupport.h"
#include "ui/data/common/uiLibraryStrs.h"
#include "ui/data/dates/uiDateUtils.h"

#include <gtest/gtest.h>

namespace {

using rtl::EncodeDate;

class SmartDate : public ::testing::Test {
protected:
    ui_test::TTestLocale FLocale;
    ui_test::TScopedClock FClock{ui_test::TestNow()};
};

TEST_F(SmartDate, WordsAndOffsetsCountFromTheClock) {
    // Wednesday 10 June 2026; the test locale's week begins on Monday.
    const std::pair<const char16_t*, rtl::TDateTime> cases[] = {
        {u"today", EncodeDate(2026, 6, 10)},       {u"yesterday", EncodeDate(2026, 6, 9)},
        {u"tomorrow", EncodeDate(2026, 6, 11)},    {u"Sunday", EncodeDate(2026, 6, 14)},
        {u"wednesday", EncodeDate(2026, 6, 10)},   {u"MONDAY", EncodeDate(2026, 6, 15)},
        {u"first", EncodeDate(2026, 6, 8)},        {u"seventh", EncodeDate(2026, 6, 14)},
        {u"third+1", EncodeDate(2026, 6, 11)},     {u"eom-1", EncodeDate(2026, 6, 29)},
        {u"bom", EncodeDate(2026, 6, 1)},          {u"  today", EncodeDate(2026, 6, 10)},
        {u"Today - 1", EncodeDate(2026, 6, 9)},    {u"today+3", EncodeDate(2026, 6, 13)},
        {u"today + 1000", EncodeDate(2029, 3, 6)}, {u"now", ui_test::TestNow()},
        {u"now+1", ui_test::TestNow() + 1},
    };
    for (const auto& [text, expected] : cases) {
        rtl::TDateTime date = 0;
        EXPECT_TRUE(ui::TextToDateSmart(text, date)) << test_support::Utf8(text);
        EXPECT_EQ(date, expected) << test_support::Utf8(text);
    }
}

TEST_F(SmartDate, OtherTextsAreNoSmartDates) {
    for (const char16_t* text : {u"today+", u"todayx", u"today x", u"", u"  ", u"x", u"today+1x", u"today+-",
                                 u"today+99999999999", u"10/6/2026"}) {
        rtl::TDateTime date = 7;
        EXPECT_FALSE(ui::TextToDateSmart(text, date)) << test_support::Utf8(text);
        EXPECT_EQ(date, 7) << test_support::Utf8(text);
    }
}

TEST_F(SmartDate, TheWordsAreTheLibraryStrings) {
    // A translated string table changes the words: each one is the library string's text, in the words' order.
    const ui::TuiSmartDateWords words = ui::LoadSmartDateWords();
    EXPECT_EQ(words[ui::swToday], ui::LoadResStringText(ui::uiSDateToday));
    EXPECT_EQ(words[ui::swSaturday], ui::LoadResStringText(ui::uiSDateSaturday));
    EXPECT_EQ(words[ui::swSeventh], ui::LoadResStringText(ui::uiSDateSeventh));
    EXPECT_EQ(words[ui::swNow], ui::LoadResStringText(ui::uiSDateNow));
    EXPECT_EQ(test_support::Utf8(words[ui::swEOM]), "eom");
}

TEST_F(SmartDate, TheLongestWordThatFitsWins) {
    int32_t index = -1;
    EXPECT_TRUE(ui::FindSmartDateWord(u"secondly", index));
    EXPECT_EQ(index, ui::swSecond);
    EXPECT_TRUE(ui::FindSmartDateWord(u"EOM", index));
    EXPECT_EQ(index, ui::swEOM);
    EXPECT_FALSE(ui::FindSmartDateWord(u"to", index));

    ui::TuiSmartDateWords words = ui::LoadSmartDateWords();
    words[ui::swToday] = u"to";
    words[ui::swTomorrow] = u"tomo";
    // A word left empty by a translation matches nothing rather than everything.
    words[ui::swYesterday] = u"";
    const ui::TuiSmartDateWordsSource previous = ui::SetSmartDateWordsSource([words] { return words; });
    EXPECT_TRUE(ui::FindSmartDateWord(u"tomorrow", index));
    EXPECT_EQ(index, ui::swTomorrow);
    EXPECT_TRUE(ui::FindSmartDateWord(u"tox", index));
    EXPECT_EQ(index, ui::swToday);
    EXPECT_FALSE(ui::FindSmartDateWord(u"x", index));
    ui::SetSmartDateWordsSource(previous);
}

TEST_F(SmartDate, TranslatedWordsAreReadAnewOnEveryUse) {
    ui::TuiSmartDateWords words = ui::LoadSmartDateWords();
    words[ui::swTomorrow] = u"明天";
    const ui::TuiSmartDateWordsSource previous = ui::SetSmartDateWordsSource([words] { return words; });
    rtl::TDateTime date = 0;
    EXPECT_TRUE(ui::TextToDateSmart(u"明天+1", date));
    EXPECT_EQ(date, EncodeDate(2026, 6, 12));
    EXPECT_FALSE(ui::TextToDateSmart(u"tomorrow", date));
    ui::SetSmartDateWordsSource(previous);
    EXPECT_TRUE(ui::TextToDateSmart(u"tomorrow", date));
}

} // namespace
