#include "rtl/numbers/FormatSettings.h"

#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

TEST(FormatSettings, InvariantSettings) {
    const TFormatSettings& settings = TFormatSettings::Invariant();
    EXPECT_EQ(settings.DecimalSeparator, u'.');
    EXPECT_EQ(settings.ThousandSeparator, u',');
    EXPECT_EQ(settings.DateSeparator, u'/');
    EXPECT_EQ(settings.TimeSeparator, u':');
    EXPECT_EQ(settings.ShortDateFormat, u"MM/dd/yyyy");
    EXPECT_EQ(settings.LongTimeFormat, u"hh:nn:ss");
    EXPECT_EQ(settings.CurrencyString, u"$");
    EXPECT_EQ(settings.ShortMonthNames[0], u"Jan");
    EXPECT_EQ(settings.LongMonthNames[11], u"December");
    EXPECT_EQ(settings.ShortDayNames[0], u"Sun");
    EXPECT_EQ(settings.LongDayNames[6], u"Saturday");
    EXPECT_EQ(settings.TwoDigitYearCenturyWindow, 50);
}

TEST(FormatSettings, ProcessSettingsComeFromTheUserLocale) {
    const TFormatSettings& settings = FormatSettings();
    // The test prefix runs a Chinese locale, which writes numbers as the invariant settings do.
    EXPECT_EQ(settings.DecimalSeparator, u'.');
    EXPECT_EQ(settings.ThousandSeparator, u',');
    for (const auto& name : settings.LongMonthNames) {
        EXPECT_FALSE(name.empty());
    }
    for (const auto& name : settings.ShortDayNames) {
        EXPECT_FALSE(name.empty());
    }
    EXPECT_FALSE(settings.ShortDateFormat.empty());
    EXPECT_FALSE(settings.LongTimeFormat.empty());
#ifdef _WIN32
    EXPECT_EQ(settings.LongMonthNames[0], u"一月");
    EXPECT_EQ(settings.LongDayNames[0], u"星期日");
#else
    EXPECT_EQ(settings.LongMonthNames[0], u"January");
    EXPECT_EQ(settings.ShortDateFormat, TFormatSettings::Invariant().ShortDateFormat);
#endif
}

TEST(FormatSettings, LocalePatternsTranslateToOurLetters) {
    struct Case {
        UnicodeString windows, ours;
    };
    const Case cases[] = {
        {u"yyyy/M/d", u"yyyy/M/d"},
        {u"dd-MMM-yy", u"dd-MMM-yy"},
        {u"dddd, MMMM d, yyyy", u"dddd, MMMM d, yyyy"},
        {u"d/M/y", u"d/M/yy"},
        {u"H:mm:ss", u"h:nn:ss"},
        {u"HH:mm", u"hh:nn"},
        {u"tt h:mm", u"ampm h:nn"},
        {u"yyyy'年'M'月'd'日'", u"yyyy'年'M'月'd'日'"},
        {u"hh''", u"hh\"'\""},
        {u"'unclosed", u"'unclosed'"},
        {u"gg yyyy", u" yyyy"},
        {u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.windows));
        EXPECT_EQ(detail::LocalePatternToFormat(c.windows), c.ours);
    }
}

} // namespace
} // namespace rtl
