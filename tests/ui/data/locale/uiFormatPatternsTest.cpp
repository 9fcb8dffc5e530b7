#include "ui/data/locale/uiFormatPatterns.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

rtl::TFormatSettings PatternTestSettings() {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.ShortDateFormat = u"d/M/yyyy";
    settings.LongTimeFormat = u"hh:nn:ss AMPM";
    return settings;
}

TuiDateTimeFormatInfo Elements(rtl::UnicodeStringView format,
                               const rtl::TFormatSettings& settings = PatternTestSettings()) {
    TuiDateTimeFormatInfo info;
    ParseDateTimeFormat(format, settings, info);
    return info;
}

constexpr char16_t DayAlternative[] = u"([012]?[1-9]|[123]0|31)";
constexpr char16_t ShortMonthGroup[] = u"((0?[1-9]|1[012])|('Jan'|'Feb'|'Mar'|'Apr'|'May'|'Jun'|'Jul'|'Aug'|'Sep'|"
                                       u"'Oct'|'Nov'|'Dec'))";
constexpr char16_t SmartWordsWithoutNow[] =
    u"'today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|'Thursday'|'Friday'|'Saturday'|"
    u"'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|'eom'";
constexpr char16_t OffsetTail[] = u"((\\+|-)\\d(\\d(\\d\\d?)?)?)?";

TEST(DateInputFormat, DoublesSingleDaysAndMonths) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"d/M/yyyy", u"dd/MM/yyyy"},  {u"dd/MM/yy", u"dd/MM/yy"},  {u"M.d.yy", u"MM.dd.yy"},
        {u"ddd d MMM", u"ddd dd MMM"}, {u"yyyy-m-d", u"yyyy-m-dd"}, {u"", u""}};
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(BuildDateInputFormat(format), expected) << test_support::Utf8(format);
    }
}

TEST(StandardMask, SpellsEachElementInTheMaskSyntax) {
    rtl::TFormatSettings settings = PatternTestSettings();
    settings.TimeAMString = u"\u4E0A\u5348";
    settings.TimePMString = u"\u4E0B\u5348";
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"dd/MM/yyyy", u"!99/99/9999;1; "},
        {u"d-MMM-yy", u"!99\\-lll\\-99;1; "},
        {u"dddd hh:nn:ss.zzz", u"!lll\\ 99:99:99\\.;1; "},
        {u"hh:nn AM/PM", u"!99:99\\ cc;1; "},
        {u"hh:nn a/p", u"!99:99\\ c;1; "},
        {u"hh:nn AMPM", u"!99:99\\ cc;1; "},
        {u"d/M/yyyy g", u""},
    };
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(BuildStandardMask(Elements(format, settings), settings), expected) << test_support::Utf8(format);
    }
}

TEST(DatePattern, AcceptsDaysMonthNumbersOrNamesAndYears) {
    const rtl::UnicodeString expected =
        DayAlternative + rtl::UnicodeString(u"\\/") + ShortMonthGroup + u"\\/\\d\\d\\d\\d";
    EXPECT_EQ(BuildDatePattern(Elements(u"d/M/yyyy"), PatternTestSettings()), expected);
    EXPECT_EQ(BuildDatePattern(Elements(u"yy MMMM"), PatternTestSettings()),
              u"\\d\\d' '((0?[1-9]|1[012])|('January'|'February'|'March'|'April'|'May'|'June'|'July'|'August'|"
              u"'September'|'October'|'November'|'December'))");
    rtl::TFormatSettings settings = PatternTestSettings();
    settings.DateSeparator = u' ';
    EXPECT_EQ(BuildDatePattern(Elements(u"yy/d"), settings), u"\\d\\d' '([012]?[1-9]|[123]0|31)");
    settings.DateSeparator = 0;
    EXPECT_EQ(BuildDatePattern(Elements(u"yy/d"), settings), u"\\d\\d([012]?[1-9]|[123]0|31)");
}

TEST(TimePattern, ShowsTheClockOfTheHourAndTheDesignators) {
    rtl::TFormatSettings settings = PatternTestSettings();
    EXPECT_EQ(BuildTimePattern(Elements(u"hh:mm:ss AM/PM"), settings),
              u"(0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '(AM|PM)?");
    EXPECT_EQ(BuildTimePattern(Elements(u"H:mm"), settings), u"([01]?\\d|2[0-3])\\:[0-5]?\\d");
    EXPECT_EQ(BuildTimePattern(Elements(u"h a/p"), settings), u"(0?[1-9]|1[012])' '(A|P)?");
    settings.TimeAMString = u"\u4E0A\u5348";
    settings.TimePMString = u"\u4E0B\u5348";
    EXPECT_EQ(BuildTimePattern(Elements(u"AMPMh"), settings), u"('\u4E0A\u5348'|'\u4E0B\u5348')?(0?[1-9]|1[012])");
    settings.TimePMString = u"";
    EXPECT_EQ(BuildTimePattern(Elements(u"AMPMh"), settings), u"('\u4E0A\u5348')?(0?[1-9]|1[012])");
    settings.TimeAMString = u"";
    EXPECT_EQ(BuildTimePattern(Elements(u"AMPMh"), settings), u"(0?[1-9]|1[012])");
}

TEST(SmartDateWords, FollowThePatternAsAnAlternativeWithAnOffset) {
    EXPECT_EQ(AddSmartDateWords(u"X", false), u"(X)|(" + rtl::UnicodeString(SmartWordsWithoutNow) + u")" + OffsetTail);
    EXPECT_EQ(AddSmartDateWords(u"X", true),
              u"(X)|(" + rtl::UnicodeString(SmartWordsWithoutNow) + u"|'now')" + OffsetTail);
}

TEST(QuoteRegExprText, QuotesRunsAndEscapesSingleQuotes) {
    EXPECT_EQ(QuoteRegExprText(u"Jan"), u"'Jan'");
    EXPECT_EQ(QuoteRegExprText(u"it's"), u"'it'\\''s'");
    EXPECT_EQ(QuoteRegExprText(u"'"), u"\\'");
    EXPECT_EQ(QuoteRegExprText(u"''a"), u"\\'\\''a'");
    EXPECT_EQ(QuoteRegExprText(u""), u"");
}

TEST(MaskedDisplayFormat, UsesTheRuntimeLetters) {
    EXPECT_EQ(BuildMaskedDisplayFormat(Elements(u"d/M/yyyy")), u"dd/mm/yyyy");
    EXPECT_EQ(BuildMaskedDisplayFormat(Elements(u"yy MMMM ddd")), u"yy' 'mmm' 'ddd");
    EXPECT_EQ(BuildMaskedDisplayFormat(Elements(u"d/M/yyyy h:mm:ss.zzz AM/PM")), u"dd/mm/yyyy' 'hh:nn:ss'.'' 'am/pm");
    EXPECT_EQ(BuildMaskedDisplayFormat(Elements(u"yyyy\u5E74M\u6708d\u65E5")), u"yyyy'\u5E74'mm'\u6708'dd'\u65E5'");
}

TEST(CurrencyFormat, PlacesTheSymbolAsTheLocaleSays) {
    struct TCase {
        const char16_t* Symbol;
        uint8_t Decimals, Positive, Negative;
        const char16_t* Expected;
    };
    const TCase cases[] = {
        {u"$", 2, 0, 0, u"$,0.00;($,0.00)"},
        {u"kr", 2, 3, 8, u",0.00 kr;-,0.00 kr"},
        {u"\u00A5", 2, 0, 2, u"\u00A5,0.00;\u00A5-,0.00"},
        {u"\u20AC", 2, 3, 5, u",0.00 \u20AC;-,0.00\u20AC"},
        {u"Fr.", 2, 2, 12, u"Fr'.' ,0.00;Fr'.' -,0.00"},
        {u"R$", 0, 2, 13, u"R$ ,0.;,0.- R$"},
        {u"$", 2, 1, 15, u",0.00$;(,0.00 $)"},
        {u"$", 2, 0, 16, u"$,0.00;"},
    };
    for (const TCase& c : cases) {
        rtl::TFormatSettings settings = PatternTestSettings();
        settings.CurrencyString = c.Symbol;
        settings.CurrencyDecimals = c.Decimals;
        settings.CurrencyFormat = c.Positive;
        settings.NegCurrFormat = c.Negative;
        EXPECT_EQ(BuildCurrencyFormat(settings), c.Expected) << test_support::Utf8(c.Symbol);
    }
}

} // namespace
