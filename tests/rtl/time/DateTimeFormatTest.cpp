#include "rtl/time/DateTimeFormat.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

// Invariant names and patterns with separators that differ from the pattern characters, so a test sees which one
// was written.
TFormatSettings DottedSettings() {
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DateSeparator = u'.';
    settings.TimeSeparator = u'h';
    settings.ShortDateFormat = u"dd/mm/yyyy";
    settings.LongDateFormat = u"dddd d mmmm yyyy";
    settings.ShortTimeFormat = u"hh:nn";
    settings.LongTimeFormat = u"hh:nn:ss";
    settings.TimeAMString = u"上午";
    settings.TimePMString = u"下午";
    return settings;
}

TFormatSettings IsoSettings() {
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.ShortDateFormat = u"yyyy-mm-dd";
    settings.DateSeparator = u'-';
    return settings;
}

TEST(DateTimeFormat, FormatDateTimePatterns) {
    const TDateTime leapDay = EncodeDateTime({2024, 2, 29}, {13, 5, 9, 7});
    const TDateTime morning = EncodeDateTime({2024, 2, 29}, {0, 30, 0, 0});
    const TDateTime noon = EncodeDate(2024, 2, 29) + 0.5;
    struct Case {
        UnicodeString format;
        TDateTime value;
        UnicodeString text;
    };
    const Case cases[] = {
        {u"yyyy-mm-dd hh:nn:ss", leapDay, u"2024-02-29 13h05h09"},
        {u"d/m/yy", leapDay, u"29.2.24"},
        {u"YYYY/MM/DD", leapDay, u"2024.02.29"},
        {u"ddd dddd mmm mmmm", leapDay, u"Thu Thursday Feb February"},
        {u"h:n:s.z|hh:nn:ss.zzz", leapDay, u"13h5h9.7|13h05h09.007"},
        {u"hh:mm", leapDay, u"13h05"},
        {u"mm hh mm", leapDay, u"02 13 05"},
        {u"h:nn AM/PM", leapDay, u"1h05 PM"},
        {u"h:nn am/pm", morning, u"12h30 am"},
        {u"h:nn am/pm", noon, u"12h00 pm"},
        {u"hh a/p", leapDay, u"01 p"},
        {u"hh A/P", morning, u"12 A"},
        {u"ampm h", leapDay, u"下午 1"},
        {u"hh ampm", morning, u"12 上午"},
        {u"yyyy\"年\"m'月'd\"日\"", leapDay, u"2024年2月29日"},
        {u"'dd/mm' dd \"h:n\"", leapDay, u"dd/mm 29 h:n"},
        {u"yyyy 'unclosed", leapDay, u"2024 unclosed"},
        {u"ddddd|dddddd", leapDay, u"29.02.2024|Thursday 29 February 2024"},
        {u"t|tt", leapDay, u"13h05|13h05h09"},
        {u"c", leapDay, u"29.02.2024 13h05h09"},
        {u"c", EncodeDate(2024, 2, 29), u"29.02.2024"},
        {u"", EncodeDate(2024, 2, 29), u"29.02.2024"},
        {u"yyyy-mm-dd hh:nn", -1.25, u"1899-12-29 06h00"},
        {u"yyyy-mm-dd hh:nn:ss.zzz", 1.99999999999, u"1900-01-01 00h00h00.000"},
        {u"yy yyyy", EncodeDate(5, 1, 1), u"05 0005"},
        {u"x, b, e!", leapDay, u"x, b, e!"},
    };
    const TFormatSettings settings = DottedSettings();
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.format));
        EXPECT_EQ(FormatDateTime(c.format, c.value, settings), c.text);
    }
}

TEST(DateTimeFormat, PatternsNamingEachOtherStop) {
    TFormatSettings settings = DottedSettings();
    settings.ShortDateFormat = u"ddddd";
    settings.LongTimeFormat = u"c";
    EXPECT_EQ(FormatDateTime(u"c", 0.5, settings), u"   ");
    EXPECT_EQ(FormatDateTime(u"mmm dddd", std::numeric_limits<double>::quiet_NaN(), settings), u" ");
}

TEST(DateTimeFormat, StrShortcutsUseTheSettingsPatterns) {
    const TFormatSettings settings = DottedSettings();
    const TDateTime value = EncodeDateTime({2024, 2, 29}, {13, 5, 9, 0});
    EXPECT_EQ(DateTimeToStr(value, settings), u"29.02.2024 13h05h09");
    EXPECT_EQ(DateToStr(value, settings), u"29.02.2024");
    EXPECT_EQ(TimeToStr(value, settings), u"13h05h09");
}

TEST(DateTimeFormat, FormattedTextReadsBack) {
    const TFormatSettings settings = IsoSettings();
    const TDateTime values[] = {
        EncodeDateTime({2024, 2, 29}, {13, 5, 9, 0}),
        EncodeDateTime({1899, 12, 29}, {6, 0, 0, 0}),
        EncodeDateTime({1, 1, 1}, {0, 0, 1, 0}),
        EncodeDateTime({9999, 12, 31}, {23, 59, 59, 0}),
    };
    for (const TDateTime value : values) {
        const UnicodeString text = FormatDateTime(u"yyyy-mm-dd hh:nn:ss", value, settings);
        SCOPED_TRACE(UnicodeToUtf8(text));
        EXPECT_EQ(StrToDateTime(text, settings), value);
    }
}

TEST(DateTimeFormat, StrToDateTimeReadsTheSettingsOrder) {
    TFormatSettings dayFirst = TFormatSettings::Invariant();
    dayFirst.ShortDateFormat = u"dd/MM/yyyy";
    TFormatSettings monthFirst = TFormatSettings::Invariant();
    TFormatSettings quotedYearFirst = TFormatSettings::Invariant();
    quotedYearFirst.ShortDateFormat = u"'d:'yyyy/M/d";
    struct Case {
        const TFormatSettings* settings;
        UnicodeString text;
        TDateTime value;
    };
    const Case cases[] = {
        {&dayFirst, u"5/1/2024", EncodeDate(2024, 1, 5)},
        {&monthFirst, u"5/1/2024", EncodeDate(2024, 5, 1)},
        {&quotedYearFirst, u"2024/5/1", EncodeDate(2024, 5, 1)},
        {&dayFirst, u"2024/5/1", EncodeDate(2024, 5, 1)}, // a long first number is the year
        {&dayFirst, u"  5 / 1 / 2024  ", EncodeDate(2024, 1, 5)},
        {&dayFirst, u"5/1/2024 13:30", EncodeDateTime({2024, 1, 5}, {13, 30, 0, 0})},
        {&dayFirst, u"5/1/2024 1:30:15 PM", EncodeDateTime({2024, 1, 5}, {13, 30, 15, 0})},
        {&dayFirst, u"5/1/2024 12:00 am", EncodeDate(2024, 1, 5)},
        {&dayFirst, u"5/1/2024 12:00 PM", EncodeDate(2024, 1, 5) + 0.5},
        {&dayFirst, u"5/1/2024 AM 9:15", EncodeDateTime({2024, 1, 5}, {9, 15, 0, 0})},
        {&dayFirst, u"29/12/1899 06:00", -1.25},
        {&dayFirst, u"10:15", EncodeTime(10, 15, 0, 0)},
        {&dayFirst, u"1/2/99", EncodeDate(1999, 2, 1)}, // two-digit years within the century window
        {&dayFirst, u"1/2/01", EncodeDate(2001, 2, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        TDateTime value = -7;
        EXPECT_TRUE(TryStrToDateTime(c.text, value, *c.settings));
        EXPECT_EQ(value, c.value);
    }
}

TEST(DateTimeFormat, StrToDateTimeRejectsWhatIsNotADateAndTime) {
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.ShortDateFormat = u"dd/MM/yyyy";
    const UnicodeString texts[] = {
        u"",
        u"abc",
        u"5",
        u"5/",
        u"31/2/2024",
        u"5/13/2024",
        u"0/1/2024",
        u"5/1/10000",
        u"5/1/2024 25:00",
        u"5/1/2024 10:60",
        u"5/1/2024 10:30:60",
        u"5/1/2024 13:00 PM",
        u"5/1/2024 10:30:00:00",
        u"5/1/2024 x",
        u"5-1-2024",
        u"5/1/2024/7",
        u"1234567890/1/2024",
        u"-5/1/2024",
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(UnicodeToUtf8(text));
        TDateTime value = -7;
        EXPECT_FALSE(TryStrToDateTime(text, value, settings));
        EXPECT_EQ(value, -7);
        EXPECT_THROW(StrToDateTime(text, settings), EConvertError);
    }
}

TEST(DateTimeFormat, DateAndTimeAloneAndTheirMessages) {
    TFormatSettings settings = TFormatSettings::Invariant();
    struct Case {
        TDateTime (*convert)(UnicodeStringView, const TFormatSettings&);
        UnicodeString text;
        UnicodeString message;
    };
    const Case cases[] = {
        {StrToDate, u"1/2/2024 10:00", u"'1/2/2024 10:00' is not a valid date"},
        {StrToTime, u"1/2/2024", u"'1/2/2024' is not a valid time"},
        {StrToDateTime, u"1/2/2024 10", u"'1/2/2024 10' is not a valid date and time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        try {
            c.convert(c.text, settings);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_EQ(StrToDate(u"1/2/2024", settings), EncodeDate(2024, 1, 2));
    EXPECT_EQ(StrToTime(u"10:00:30 pm", settings), EncodeTime(22, 0, 30, 0));
}

} // namespace
} // namespace rtl
