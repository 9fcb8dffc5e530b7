#include "ui/data/locale/uiLocale.h"

#include "LocaleTestSupport.h"
#include "rtl/time/DateTime.h"

#include <gtest/gtest.h>

namespace {

using ui::TuiEraYear;
using ui::TuiLocaleEra;

// The Japanese eras as a locale names them on the last day of a year.
std::optional<TuiEraYear> JapaneseEraOfYear(int32_t year) {
    struct TStart {
        const char16_t* Name;
        int32_t Year;
    };
    static constexpr TStart starts[] = {{u"平成", 1989}, {u"昭和", 1926}, {u"大正", 1912}, {u"明治", 1868}};
    for (const TStart& start : starts) {
        if (year >= start.Year) {
            return TuiEraYear{start.Name, year - start.Year + 1};
        }
    }
    return std::nullopt;
}

TEST(FindEraYearOffsets, FindsTheOffsetOfEachNamedEraAndLeavesOutTheUnknown) {
    const std::vector<TuiLocaleEra> eras =
        ui::FindEraYearOffsets({u"明治", u"大正", u"昭和", u"平成", u"未知"}, JapaneseEraOfYear);
    ASSERT_EQ(eras.size(), 4u);
    const std::pair<const char16_t*, int32_t> expected[] = {
        {u"明治", 1867}, {u"大正", 1911}, {u"昭和", 1925}, {u"平成", 1988}};
    for (size_t i = 0; i < eras.size(); ++i) {
        EXPECT_EQ(eras[i].Name, expected[i].first);
        EXPECT_EQ(eras[i].YearOffset, expected[i].second);
    }
}

TEST(FindEraYearOffsets, StopsAsSoonAsEveryNameHasItsOffset) {
    int32_t lastYearAsked = 0;
    ui::FindEraYearOffsets({u"平成"}, [&lastYearAsked](int32_t year) {
        lastYearAsked = year;
        return JapaneseEraOfYear(year);
    });
    EXPECT_EQ(lastYearAsked, 1989);
}

TEST(Locale, SetLocaleReplacesTheProcessLocaleAndGivesBackTheOneReplaced) {
    ui::TuiLocale* platform = &ui::GetLocale();
    {
        ui_test::TTestLocale locale;
        EXPECT_EQ(&ui::GetLocale(), &locale);
        EXPECT_EQ(ui::GetFirstDayOfWeek(), 1);
        locale.MutableValues().CalendarType = ui::calHebrew;
        EXPECT_EQ(ui::GetLocaleCalendarType(), ui::calHebrew);
    }
    EXPECT_EQ(&ui::GetLocale(), platform);
}

TEST(RuntimeLocale, FormatsWithTheRuntimeSettingsAndKnowsTheWindowOfTwoDigitYears) {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.ShortDateFormat = u"d/M/yyyy";
    settings.TwoDigitYearCenturyWindow = 50;
    ui::TuiRuntimeLocale locale(settings);
    const rtl::TDateTime date = rtl::EncodeDate(2026, 6, 10);
    EXPECT_EQ(locale.FormatDate(date, 0, u""), u"10/6/2026");
    EXPECT_EQ(locale.FormatDate(date, ui::dffLongDate, u""), u"Wednesday, June 10, 2026");
    EXPECT_EQ(locale.FormatDate(date, 0, u"MMMM"), u"June");
    EXPECT_EQ(locale.Values().AbbreviatedDayNames[0], u"Mon");
    EXPECT_EQ(locale.TwoDigitYearMax(ui::calGregorian), rtl::DecodeDate(rtl::Date()).Year + 49);
    locale.SetTwoDigitYearMax(2029);
    EXPECT_EQ(locale.TwoDigitYearMax(ui::calGregorian), 2029);
}

TEST(RuntimeLocale, ComparesTextsByUnitAndUpperCasesEveryCasedLetter) {
    const ui::TuiRuntimeLocale locale(rtl::TFormatSettings::Invariant());
    EXPECT_LT(locale.CompareText(u"ABD", u"abc", false), 0);
    EXPECT_LT(locale.CompareText(u"abc", u"ABD", true), 0);
    EXPECT_EQ(locale.CompareText(u"\u00e9t\u00e9", u"\u00c9T\u00c9", true), 0);
    EXPECT_GT(locale.CompareText(u"b", u"a", true), 0);
    EXPECT_EQ(locale.UpperCase(u"abc\u4e2d\u00e9"), u"ABC\u4e2d\u00c9");
}

} // namespace
