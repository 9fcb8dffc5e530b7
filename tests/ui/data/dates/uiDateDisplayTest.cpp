#include "ui/data/dates/uiDateDisplay.h"

#include "DateTestSupport.h"
#include "rtl/numbers/FormatSettings.h"
#include "tests/support/TestSupport.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/dates/uiHebrewCalendar.h"
#include "ui/data/locale/uiFormats.h"

#include <gtest/gtest.h>

namespace {

using rtl::EncodeDate;
using rtl::EncodeTime;
using ui::NullDate;

const rtl::TDateTime June10 = EncodeDate(2026, 6, 10);
const rtl::TDateTime June10Afternoon = June10 + EncodeTime(14, 30, 0, 0);

class DateDisplay : public ::testing::Test {
protected:
    ui_test::TTestLocale FLocale;
};

TEST_F(DateDisplay, DateToTextUsesTheLocaleShortDateAndWidensTwoDigitYears) {
    FLocale.MutableValues().ShortDateFormat = u"d/M/yy";
    EXPECT_EQ(ui::DateToText(false, false, June10), u"10/6/26");
    EXPECT_EQ(ui::DateToText(true, false, June10), u"10/6/2026");
    EXPECT_EQ(ui::DateToText(true, false, June10Afternoon), u"10/6/2026 02:30:00 PM");
    EXPECT_EQ(ui::DateToText(true, false, NullDate), u"");
    FLocale.MutableValues().ShortDateFormat = u"yyy-MM-dd";
    EXPECT_EQ(ui::DateToText(true, false, June10), u"2026-06-10");
    FLocale.Settings().ShortDateFormat = u"dd.MM.yy";
    EXPECT_EQ(ui::DateToText(true, true, June10Afternoon), u"10.06.2026 02:30:00 PM");
    EXPECT_EQ(ui::DateToText(false, true, June10), u"10.06.26");
}

// A locale that cannot format dates, so that the fallbacks show.
class TNoFormatterLocale : public ui_test::TTestLocale {
public:
    std::optional<rtl::UnicodeString> FormatDate(rtl::TDateTime, uint32_t, rtl::UnicodeStringView) const override {
        return std::nullopt;
    }
};

TEST(DateDisplayFallbacks, UseTheRuntimeConversionsWithoutTouchingTheProcessSettings) {
    TNoFormatterLocale locale;
    const rtl::UnicodeString processShortDate = rtl::FormatSettings().ShortDateFormat;
    EXPECT_EQ(ui::DateToText(false, false, June10), u"10/6/2026");
    EXPECT_EQ(ui::DateToText(false, false, rtl::MaxDateTime + 10), u"");
    EXPECT_EQ(ui::FormatDayNumber(June10), u"10");
    EXPECT_EQ(rtl::FormatSettings().ShortDateFormat, processShortDate);
    EXPECT_EQ(ui::CalendarYearText(nullptr, June10), u"2026");
    EXPECT_EQ(ui::CalendarMonthName(nullptr, June10), u"June");
    EXPECT_EQ(ui::CalendarMonthYearText(nullptr, June10), u"June 2026");
}

TEST_F(DateDisplay, FormatDateRuntimeWritesOnlyTheFieldsAndWhatLiesBetweenThem) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"dddd, d MMMM yyyy", u"Wednesday, 10 June 2026"},
        {u"'on' d/M/yyyy 'at noon'", u"10/06/2026"},
        {u"ddd yy", u"Wed 26"},
        {u"dd.mmm.yyyyy", u"10.06.26"},
        {u"d ee M", u"10 06"},
        {u"y\"/\"m", u"26/06"},
        {u"hh:nn", u""},
    };
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(ui::FormatDateRuntime(format, 0, June10), expected) << test_support::Utf8(format);
    }
    EXPECT_EQ(ui::FormatDateRuntime(u"d/M/yyyy", u'-', June10), u"10-06-2026");
    EXPECT_EQ(ui::FormatDateRuntime(u"MMMM yyyy", u' ', EncodeDate(5, 1, 2)), u"January 0005");
}

TEST_F(DateDisplay, MaskedDisplayTextFollowsTheControllerFormats) {
    EXPECT_EQ(ui::DateToDisplayText(true, false, false, June10Afternoon), u"10/06/2026");
    EXPECT_EQ(ui::DateToDisplayText(true, true, false, June10Afternoon), u"10/06/2026 02:30:00 PM");
    EXPECT_EQ(ui::DateToDisplayText(false, false, true, June10), u"10/6/2026");
    EXPECT_EQ(ui::DateToDisplayText(true, true, true, NullDate), u"");
}

TEST_F(DateDisplay, OtherCalendarsShowTheLocaleShortDate) {
    FLocale.MutableValues().CalendarType = ui::calThai;
    FLocale.MutableValues().ShortDateFormat = u"d MMM yyyy";
    FLocale.Apply();
    EXPECT_EQ(ui::DateToDisplayText(true, true, false, June10), u"10 Jun 2026");
    EXPECT_EQ(ui::DateToDisplayText(true, true, false, June10Afternoon), u"10 Jun 2026 02:30:00 PM");
}

TEST_F(DateDisplay, CalendarNamesComeFromTheLocaleOrTheRuntime) {
    const ui::TuiCustomCalendarTable* gregorian = ui::GetCalendarTable(ui::calGregorian);
    EXPECT_EQ(ui::CalendarMonthName(gregorian, June10), u"June");
    EXPECT_EQ(ui::CalendarMonthNameOf(2026, 2, gregorian), u"February");
    EXPECT_EQ(ui::CalendarMonthNameOf(2026, 13, gregorian), u"");
    EXPECT_EQ(ui::CalendarYearText(gregorian, June10), u"2026");
    EXPECT_EQ(ui::CalendarMonthYearText(gregorian, June10), u"June 2026");
    FLocale.SetYearMonthFormat(u"yyyy MMMM");
    EXPECT_EQ(ui::CalendarMonthYearText(gregorian, June10), u"2026 June");
    ui::GetFormatController().SetUseRuntimeDateFormats(true);
    EXPECT_EQ(ui::CalendarMonthYearText(gregorian, June10), u"June 2026");
    EXPECT_EQ(ui::CalendarMonthNameOf(2026, 13, gregorian), u"");
    EXPECT_EQ(ui::FormatDayNumber(June10), u"10");
    // Month 13 of a common Hebrew year does not exist.
    const ui::TuiHebrewCalendarTable hebrew;
    EXPECT_EQ(ui::CalendarMonthNameOf(5785, 13, &hebrew), u"");
    EXPECT_NE(ui::CalendarMonthNameOf(5784, 13, &hebrew), u"");
}

TEST_F(DateDisplay, WeekdayNamesShowOneWholeCharacter) {
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csAnsi), u"M");
    EXPECT_EQ(ui::GetWeekdayName(7, ui::csAnsi), u"S");
    EXPECT_EQ(ui::GetWeekdayName(0, ui::csAnsi), u"");
    EXPECT_EQ(ui::GetWeekdayName(8, ui::csAnsi), u"");
    ui::SetOneLetterWeekdayNames(false);
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csAnsi), u"Mon");
    ui::SetWeekdayNameKind(ui::TuiWeekdayNameKind::wnkShortest);
    FLocale.MutableValues().ShortestDayNames[0] = u"Mo";
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csAnsi), u"Mo");
    ui::SetWeekdayNameKind(ui::TuiWeekdayNameKind::wnkAbbreviated);
    ui::SetOneLetterWeekdayNames(true);

    FLocale.MutableValues().AbbreviatedDayNames[0] = u"\u5468\u4E00";
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csGB2312), u"\u4E00");
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csChineseBig5), u"\u4E00");
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csAnsi), u"\u5468");
    FLocale.MutableValues().DefaultCharset = ui::csGB2312;
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csDefault), u"\u4E00");
    FLocale.MutableValues().AbbreviatedDayNames[0] = u"\U00020000\U00020001";
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csGB2312), u"\U00020001");
    EXPECT_EQ(ui::GetWeekdayName(1, ui::csAnsi), u"\U00020000");
    // Latin names keep their first letter whatever the font.
    EXPECT_EQ(ui::GetWeekdayName(2, ui::csGB2312), u"T");
    ui::GetFormatController().SetUseRuntimeDateFormats(true);
    EXPECT_EQ(ui::GetWeekdayName(7, ui::csGB2312), u"S");
}

} // namespace
