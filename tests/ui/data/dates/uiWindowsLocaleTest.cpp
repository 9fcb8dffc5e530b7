// The date units over the operating system's own locale; the test prefix runs in zh-CN.

#include "rtl/WindowsApi.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateDisplay.h"
#include "ui/data/dates/uiDateText.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/data/locale/uiLocale.h"

#include <gtest/gtest.h>

namespace {

rtl::UnicodeString ThreadLocaleText(LCTYPE type) {
    wchar_t buffer[128];
    const int length = GetLocaleInfoW(GetThreadLocale(), type, buffer, 128);
    return length > 1 ? rtl::UnicodeString(reinterpret_cast<const char16_t*>(buffer), length - 1) : u"";
}

TEST(WindowsLocale, ReadsSaneChineseValues) {
    const ui::TuiLocaleValues values = ui::GetLocale().Values();
    EXPECT_NE(values.DateSeparator, 0);
    EXPECT_NE(values.ShortDateFormat.find(u'y'), rtl::UnicodeString::npos);
    EXPECT_FALSE(values.TimeFormat.empty());
    EXPECT_EQ(values.CalendarType, ui::calGregorian);
    EXPECT_GE(values.FirstDayOfWeek, 0);
    EXPECT_LE(values.FirstDayOfWeek, 6);
    EXPECT_GE(values.FirstWeekOfYear, 1);
    EXPECT_LE(values.FirstWeekOfYear, 3);
    EXPECT_EQ(values.DefaultCharset, ui::csGB2312);
    EXPECT_EQ(values.AbbreviatedDayNames[0], ThreadLocaleText(LOCALE_SABBREVDAYNAME1));
    const int32_t twoDigitMax = ui::GetLocale().TwoDigitYearMax(ui::calGregorian);
    EXPECT_TRUE(twoDigitMax == 0 || (twoDigitMax >= 2000 && twoDigitMax <= 9999)) << twoDigitMax;
    if (const auto yearMonth = ui::GetLocale().CalendarYearMonthFormat(ui::calGregorian)) {
        EXPECT_NE(yearMonth->find(u'y'), rtl::UnicodeString::npos);
    }
}

TEST(WindowsLocale, FormatsThroughTheLocale) {
    const rtl::TDateTime date = rtl::EncodeDate(2026, 6, 10) + rtl::EncodeTime(14, 30, 0, 0);
    EXPECT_EQ(ui::GetLocale().FormatDate(date, 0, u"yyyy-MM-dd"), u"2026-06-10");
    const auto time = ui::GetLocale().FormatTime(date);
    ASSERT_TRUE(time);
    EXPECT_NE(time->find(u"30"), rtl::UnicodeString::npos);
    EXPECT_EQ(ui::FormatDayNumber(date), u"10");
    EXPECT_EQ(ui::CalendarYearText(nullptr, date), u"2026");
}

TEST(WindowsLocale, OneLetterWeekdayOfAChineseFontIsTheLastCharacter) {
    const rtl::UnicodeString monday = ThreadLocaleText(LOCALE_SABBREVDAYNAME1);
    ASSERT_FALSE(monday.empty());
    ASSERT_GE(monday[0], 0x80) << "the prefix runs in a Chinese locale";
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csGB2312), monday.substr(monday.size() - 1));
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csDefault), monday.substr(monday.size() - 1));
}

TEST(WindowsLocale, DatesShownByTheLocaleReadBack) {
    ui::FreeFormatController();
    for (const rtl::TDateTime date :
         {rtl::EncodeDate(2026, 6, 10), rtl::EncodeDate(1999, 12, 31) + rtl::EncodeTime(23, 59, 58, 0)}) {
        const rtl::UnicodeString text = ui::DateToText(true, false, date);
        EXPECT_EQ(ui::TextToDate(text, false), date) << std::string(text.begin(), text.end());
    }
    ui::FreeFormatController();
}

TEST(WindowsLocale, ComparesAndUpperCasesByTheLocale) {
    const ui::TuiLocale& locale = ui::GetLocale();
    // The collation puts a before B whatever the case, which the order of the units does not.
    EXPECT_LT(locale.CompareText(u"a", u"B", false), 0);
    EXPECT_LT(locale.CompareText(u"abc", u"ABD", false), 0);
    EXPECT_NE(locale.CompareText(u"abc", u"ABC", false), 0);
    EXPECT_EQ(locale.CompareText(u"abc", u"ABC", true), 0);
    EXPECT_GT(locale.CompareText(u"abd", u"ABC", true), 0);
    EXPECT_EQ(locale.UpperCase(u"abc\u4e2d\u00e9"), u"ABC\u4e2d\u00c9");
    EXPECT_EQ(locale.UpperCase(u""), u"");
}

} // namespace
