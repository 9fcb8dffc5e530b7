#include "ui/data/dates/uiDateText.h"

#include "DateTestSupport.h"
#include "tests/support/TestSupport.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/locale/uiFormats.h"

#include <gtest/gtest.h>

namespace {

using rtl::EncodeDate;
using rtl::EncodeTime;
using ui::NullDate;

class DateText : public ::testing::Test {
protected:
    ui_test::TTestLocale FLocale;
    ui_test::TScopedClock FClock{ui_test::TestNow()};
};

TEST_F(DateText, ReadsDatesInTheLocaleOrderWithOrWithoutRuntimeFormats) {
    const std::pair<const char16_t*, rtl::TDateTime> cases[] = {
        {u"10/6/2026", EncodeDate(2026, 6, 10)},
        {u" 10 / 6 / 2026 ", EncodeDate(2026, 6, 10)},
        {u"31/12/9999", EncodeDate(9999, 12, 31)},
        {u"10/6/2026 2:30 PM", EncodeDate(2026, 6, 10) + EncodeTime(14, 30, 0, 0)},
        {u"tomorrow", EncodeDate(2026, 6, 11)},
        {u"eom", EncodeDate(2026, 6, 30)},
    };
    for (const bool useRuntimeFormats : {false, true}) {
        for (const auto& [text, expected] : cases) {
            EXPECT_EQ(ui::TextToDate(text, useRuntimeFormats), expected)
                << test_support::Utf8(text) << (useRuntimeFormats ? " runtime" : " locale");
        }
    }
}

TEST_F(DateText, GivesTheNullDateForWhatIsNoDate) {
    // 2,960,000 days after 10 June 2026 is in year 10130.
    for (const char16_t* text : {u"", u"   ", u"today+", u"todayx", u"10/13/2026", u"32/1/2026", u"1/1/10000",
                                 u"today+2960000", u"10/6/2026 25:00", u"June"}) {
        EXPECT_EQ(ui::TextToDate(text, false), NullDate) << test_support::Utf8(text);
        rtl::TDateTime date = 0;
        EXPECT_FALSE(ui::TryTextToDate(text, date)) << test_support::Utf8(text);
        EXPECT_EQ(date, NullDate);
    }
}

TEST_F(DateText, TheLocaleSeparatorMayDifferFromTheRuntimeOne) {
    FLocale.MutableValues().DateSeparator = u'.';
    FLocale.MutableValues().ShortDateFormat = u"yyyy.MM.dd";
    FLocale.Apply();
    EXPECT_EQ(ui::TextToDate(u"2026.06.10", false), EncodeDate(2026, 6, 10));
    EXPECT_EQ(ui::TextToDate(u"10/6/2026", true), EncodeDate(2026, 6, 10));
    EXPECT_EQ(ui::TextToDate(u"2026.06.10", true), NullDate);
}

TEST_F(DateText, IgnoresTheLiteralWordsOfTheLocaleFormats) {
    FLocale.Settings().ShortDateFormat = u"yyyy\u5E74M\u6708d\u65E5";
    FLocale.MutableValues().ShortDateFormat = u"yyyy\u5E74M\u6708d\u65E5";
    FLocale.Apply();
    EXPECT_EQ(ui::TextToDate(u"2026\u5E746\u670810\u65E5", false), EncodeDate(2026, 6, 10));
    rtl::UnicodeString text = u"2026\u5E74 6\u670810\u65E5";
    ui::NormalizeDateText(text, true);
    EXPECT_EQ(text, u"2026 6 10");
}

TEST_F(DateText, NormalizingKeepsSeparatorsAndDesignatorsForTheConversion) {
    FLocale.Settings().LongTimeFormat = u"hh:nn:ss AMPM 'Uhr'";
    FLocale.Apply();
    rtl::UnicodeString text = u"  10/6/2026   2:30:00 PM UHR ";
    ui::NormalizeDateText(text, false);
    EXPECT_EQ(text, u"10/6/2026 2:30:00 PM");
    text = u"10/6/2026 2:30 PM uhr";
    ui::NormalizeDateText(text, true);
    EXPECT_EQ(text, u"10 6 2026 2:30 PM");
    EXPECT_EQ(ui::TextToDate(u"10/6/2026 2:30 PM Uhr", false), EncodeDate(2026, 6, 10) + EncodeTime(14, 30, 0, 0));
}

TEST_F(DateText, ConversionWithoutSmartWordsOrRangeCheck) {
    rtl::TDateTime date = 0;
    EXPECT_TRUE(ui::TryConvertTextToDateTime(u"10/6/2026 14:30", true, date));
    EXPECT_EQ(date, EncodeDate(2026, 6, 10) + EncodeTime(14, 30, 0, 0));
    EXPECT_TRUE(ui::TryConvertTextToDateTime(u"1/1/50", false, date));
    EXPECT_FALSE(ui::TryConvertTextToDateTime(u"today", true, date));
    EXPECT_EQ(date, NullDate);
}

TEST_F(DateText, TryTextToDateFollowsTheControllerChoiceOfFormats) {
    FLocale.MutableValues().DateSeparator = u'-';
    FLocale.Apply();
    rtl::TDateTime date = 0;
    EXPECT_FALSE(ui::TryTextToDate(u"10/6/2026", date));
    ui::GetFormatController().SetUseRuntimeDateFormats(true);
    EXPECT_TRUE(ui::TryTextToDate(u"10/6/2026", date));
    EXPECT_EQ(date, EncodeDate(2026, 6, 10));
}

TEST_F(DateText, ACalendarWithoutATableOfItsOwnReadsAsGregorian) {
    FLocale.MutableValues().CalendarType = 23;
    FLocale.Apply();
    EXPECT_EQ(ui::TextToDate(u"10/6/2026", false), EncodeDate(2026, 6, 10));
}

} // namespace
