#include "ui/data/dates/uiCalendarDateText.h"

#include "DateTestSupport.h"
#include "tests/support/TestSupport.h"
#include "ui/data/dates/uiDateText.h"
#include "ui/data/dates/uiHebrewCalendar.h"

#include <gtest/gtest.h>

namespace {

using rtl::EncodeDate;
using rtl::EncodeTime;
using ui::NullDate;

class CalendarDateText : public ::testing::Test {
protected:
    void UseCalendar(int32_t calendarType, const char16_t* shortDateFormat) {
        FLocale.MutableValues().CalendarType = calendarType;
        FLocale.MutableValues().ShortDateFormat = shortDateFormat;
        FLocale.Apply();
    }

    ui_test::TTestLocale FLocale;
};

TEST_F(CalendarDateText, ReadsJapaneseEraNamesBeforeTheYear) {
    UseCalendar(ui::calJapanese, u"gg y/M/d");
    // Era years are never widened by a century.
    FLocale.SetTwoDigitYearMax(99);
    FLocale.SetRuntimeEras(
        {{u"\u660E\u6CBB", 1867}, {u"\u5927\u6B63", 1911}, {u"\u662D\u548C", 1925}, {u"\u5E73\u6210", 1988}});
    const std::pair<const char16_t*, rtl::TDateTime> cases[] = {
        {u"\u5E73\u62101/1/8", EncodeDate(1989, 1, 8)},
        {u"\u662D\u548C 64/1/7", EncodeDate(1989, 1, 7)},
        {u"\u5927\u6B63 1/12/31", EncodeDate(1912, 12, 31)},
        // An era name may be shortened to a part of it.
        {u"\u662D64/1/7", EncodeDate(1989, 1, 7)},
        {u"\u5E73\u621031/4/30 13:45", EncodeDate(2019, 4, 30) + EncodeTime(13, 45, 0, 0)},
        // Without an era name the standard era, Heisei, counts the year.
        {u"31/4/30", EncodeDate(2019, 4, 30)},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ui::TextToDateByCalendar(text), expected) << test_support::Utf8(text);
        EXPECT_EQ(ui::TextToDate(text, false), expected) << test_support::Utf8(text);
    }
}

TEST_F(CalendarDateText, GivesTheNullDateForWhatIsNoDateOfTheCalendar) {
    UseCalendar(ui::calJapanese, u"gg y/M/d");
    FLocale.SetTwoDigitYearMax(99);
    FLocale.SetRuntimeEras({{u"\u5E73\u6210", 1988}});
    for (const char16_t* text :
         {u"5/", u"", u"/", u"//", u"\u5E73\u6210", u"\u5E73\u621031/2/30", u"\u5E73\u621031/4/30 25:00", u"a/b/c"}) {
        EXPECT_EQ(ui::TextToDateByCalendar(text), NullDate) << test_support::Utf8(text);
    }
    UseCalendar(ui::calHebrew, u"d/M/yyyy");
    for (const char16_t* text : {u"5/", u"5", u"30/13/5785", u"1/1/6000"}) {
        EXPECT_EQ(ui::TextToDateByCalendar(text), NullDate) << test_support::Utf8(text);
    }
}

TEST_F(CalendarDateText, ReadsEraYearsInTheOrderOfTheShortDateFormat) {
    UseCalendar(ui::calThai, u"d/M/yyyy");
    EXPECT_EQ(ui::TextToDateByCalendar(u"10/6/2569"), EncodeDate(2026, 6, 10));
    UseCalendar(ui::calTaiwan, u"yyy/M/d");
    EXPECT_EQ(ui::TextToDateByCalendar(u"115/6/10"), EncodeDate(2026, 6, 10));
    UseCalendar(ui::calKorean, u"M/d/yyyy");
    EXPECT_EQ(ui::TextToDateByCalendar(u"6/10/4359"), EncodeDate(2026, 6, 10));
}

TEST_F(CalendarDateText, ReadsHebrewNumerals) {
    UseCalendar(ui::calHebrew, u"d/M/yyyy");
    const ui::TuiHebrewCalendarTable hebrew;
    // 15 Adar II 5784, written with numerals: tet vav / zayin / tav shin pe dalet.
    EXPECT_EQ(ui::TextToDateByCalendar(u"\u05D8\u05D5/\u05D6/\u05EA\u05E9\u05E4\u05D3"),
              hebrew.EncodeCalendarDateTime(5784, 7, 15));
    EXPECT_EQ(ui::TextToDateByCalendar(u"1/1/5787"), EncodeDate(2026, 9, 12));
}

// A locale that names the Hebrew months, two of them with two words.
class THebrewNamesLocale : public ui_test::TTestLocale {
public:
    std::optional<rtl::UnicodeString> FormatDate(rtl::TDateTime date, uint32_t flags,
                                                 rtl::UnicodeStringView format) const override {
        if (format != u"MMMM") {
            return TTestLocale::FormatDate(date, flags, format);
        }
        static constexpr const char16_t* names[] = {u"Tishri", u"Heshvan", u"Kislev", u"Tevet", u"Shevat",
                                                    u"Adar I", u"Adar II", u"Nisan",  u"Iyar",  u"Sivan",
                                                    u"Tammuz", u"Av",      u"Elul"};
        const ui::TuiCalendarDateTime hebrewDate = ui::TuiHebrewCalendarTable().DateTimeToCalendarDate(date);
        return names[hebrewDate.Month - 1];
    }
};

TEST(CalendarDateTextNames, AMonthNameOfTwoWordsTakesTheNextField) {
    THebrewNamesLocale locale;
    locale.MutableValues().CalendarType = ui::calHebrew;
    locale.MutableValues().ShortDateFormat = u"d MMMM yyyy";
    locale.MutableValues().DateSeparator = u' ';
    locale.Apply();
    const ui::TuiHebrewCalendarTable hebrew;
    EXPECT_EQ(ui::TextToDateByCalendar(u"15 Adar II 5784"), hebrew.EncodeCalendarDateTime(5784, 7, 15));
    EXPECT_EQ(ui::TextToDateByCalendar(u"15 nisan 5784 10:30"),
              hebrew.EncodeCalendarDateTime(5784, 8, 15) + EncodeTime(10, 30, 0, 0));
    EXPECT_EQ(ui::TextToDateByCalendar(u"15 Adar"), NullDate);
}

TEST_F(CalendarDateText, OtherCalendarsReadAsTypedDates) {
    FLocale.MutableValues().CalendarType = ui::calGregorianArabic;
    FLocale.Apply();
    EXPECT_EQ(ui::TextToDateByCalendar(u"10/6/2026"), EncodeDate(2026, 6, 10));
    EXPECT_EQ(ui::TextToDateByCalendar(u"x"), NullDate);
}

} // namespace
