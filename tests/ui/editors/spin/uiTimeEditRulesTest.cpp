#include "ui/editors/spin/uiTimeEditRules.h"

#include "../mask/RegExprTestSupport.h"
#include "../mask/modes/MaskEditModeTestSite.h"
#include "rtl/numbers/FormatSettings.h"
#include "ui/editors/spin/uiTimeEditMaskMode.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiTimeEditRules, TheDesignatorOfTheLocaleShapesTheTwelveHourMasks) {
    const struct {
        const char16_t* Pm;
        const char16_t* Mask;
    } cases[] = {
        {u"PM", u"00:00:00 cc;1;0"},
        // An inner space stays a space; trailing spaces leave nothing.
        {u"P M", u"00:00:00 c c;1;0"},
        {u"PM  ", u"00:00:00 cc;1;0"},
        {u"下午", u"00:00:00 cc;1;0"},
        {u"", u"00:00:00;1;0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
        settings.TimePMString = c.Pm;
        TuiTimeEditFormats formats;
        formats.UpdateTwelveHourMasks(settings);
        EXPECT_EQ(formats.EditMask(tfHourMinSec, false), c.Mask);
        EXPECT_EQ(formats.EditMask(tfHourMinSec, true), u"00:00:00;1;0");
    }
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.TimePMString = u"PM";
    TuiTimeEditFormats formats;
    EXPECT_EQ(formats.EditMask(tfHourMin, false), u"00:00 LL;1;0") << "the masks before the locale is read";
    formats.UpdateTwelveHourMasks(settings);
    EXPECT_EQ(formats.EditMask(tfHourMin, false), u"00:00 cc;1;0");
    EXPECT_EQ(formats.EditMask(tfHour, false), u"00 cc;1;0");
    EXPECT_EQ(formats.EditMask(tfHour, true), u"00;1;0");
    EXPECT_EQ(TuiTimeEditFormats::DisplayFormat(tfHourMin, false), u"hh:nn ampm");
}

TEST(uiTimeEditRules, EachPositionBelongsToAPart) {
    const struct {
        int32_t Position;
        TuiTimeEditTimeFormat Format;
        bool Use24Hours;
        TuiTimeEditPart Part;
    } cases[] = {
        {0, tfHourMinSec, true, tepHours},       {1, tfHourMinSec, true, tepHours},
        {2, tfHourMinSec, true, tepMinutes},     {4, tfHourMinSec, true, tepMinutes},
        {6, tfHourMinSec, true, tepSeconds},     {20, tfHourMinSec, true, tepSeconds},
        {8, tfHourMinSec, false, tepDesignator}, {7, tfHourMinSec, false, tepSeconds},
        {5, tfHourMin, false, tepDesignator},    {4, tfHourMin, true, tepMinutes},
        {2, tfHour, false, tepDesignator},       {9, tfHour, true, tepHours},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(TimePartAt(c.Position, c.Format, c.Use24Hours), c.Part);
    }
    EXPECT_EQ(TimePartAt(10, tfHourMinSec, false, 3), tepMinutes) << "limited to the maximum length";
    EXPECT_EQ(TimePartStart(tepMinutes, tfHourMinSec), 3);
    EXPECT_EQ(TimePartStart(tepDesignator, tfHourMinSec), 9);
    EXPECT_EQ(TimePartStart(tepDesignator, tfHour), 3);
}

TEST(uiTimeEditRules, ATextShowsTheSecondsOfTheDay) {
    const struct {
        const char16_t* Text;
        TuiTimeEditTimeFormat Format;
        bool Use24Hours;
        int32_t Seconds;
    } cases[] = {
        {u"10:59:00", tfHourMinSec, true, 39540},
        {u"23:59:59", tfHourMinSec, true, 86399},
        {u"02:30:15 PM", tfHourMinSec, false, 52215},
        {u"12:00:00 AM", tfHourMinSec, false, 0},
        {u"12:00:00 PM", tfHourMinSec, false, 43200},
        {u"09:15", tfHourMin, true, 33300},
        {u"07 PM", tfHour, false, 68400},
        {u"1_:x0:00", tfHourMinSec, true, 36000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(TimeTextSeconds(c.Text, c.Format, c.Use24Hours, u"PM"), c.Seconds);
    }
    EXPECT_EQ(TimeDesignatorTextStart(u"10:00:00  PM", tfHourMinSec), 10);
    EXPECT_EQ(TimeDesignatorStep(43200), -43200);
    EXPECT_EQ(TimeDesignatorStep(43199), 43200);
}

TEST(uiTimeEditRules, TypedDigitsAreCorrectedPartByPart) {
    const struct {
        const char16_t* Text;
        int32_t Position;
        TuiTimeEditPart Part;
        bool Use24Hours;
        char16_t Digit;
        TuiTimeTyping::TKind Kind;
        const char16_t* NewText;
        int32_t Caret;
    } cases[] = {
        // In range as typed.
        {u"10:00:00", 1, tepHours, true, u'1', TuiTimeTyping::ttAccept, u"", 0},
        {u"10:00:00", 3, tepMinutes, true, u'5', TuiTimeTyping::ttAccept, u"", 0},
        // A first digit above the maximum's: "0" and the digit, the caret after the part.
        {u"10:00:00", 3, tepMinutes, true, u'7', TuiTimeTyping::ttRewrite, u"10:07:00", 4},
        {u"10:00:00", 0, tepHours, true, u'5', TuiTimeTyping::ttRewrite, u"05:00:00", 1},
        // Any other first digit: the digit and "0", the caret moving on.
        {u"09:00:00", 0, tepHours, true, u'2', TuiTimeTyping::ttRewrite, u"20:00:00", 0},
        {u"05:00:00", 0, tepHours, false, u'1', TuiTimeTyping::ttRewrite, u"10:00:00", 0},
        // '0' first: "0" and the digit that stood there.
        {u"10:00:00", 0, tepHours, false, u'0', TuiTimeTyping::ttRewrite, u"01:00:00", 0},
        // A second digit out of range turns the first into '0'; a '0' there is refused.
        {u"30:00:00", 1, tepHours, true, u'5', TuiTimeTyping::ttAccept, u"00:00:00", 0},
        {u"30:00:00", 1, tepHours, true, u'0', TuiTimeTyping::ttRefuse, u"", 0},
        {u"10:00:00", 1, tepHours, false, u'5', TuiTimeTyping::ttAccept, u"00:00:00", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        int32_t minimum = 0;
        int32_t maximum = 0;
        TimePartLimits(c.Part, c.Use24Hours, minimum, maximum);
        const TuiTimeTyping typing =
            TypeTimeDigit(c.Text, c.Position, TimePartStart(c.Part, tfHourMinSec), minimum, maximum, c.Digit);
        EXPECT_EQ(typing.Kind, c.Kind);
        EXPECT_EQ(typing.Text, c.NewText);
        if (c.Kind == TuiTimeTyping::ttAccept) {
            EXPECT_EQ(typing.Character, c.Digit);
        }
        if (c.Kind == TuiTimeTyping::ttRewrite) {
            EXPECT_EQ(typing.Caret, c.Caret);
        }
    }
}

TEST(uiTimeEditRules, TypingIntoTheDesignatorPicksAmOrPmAtTheirFirstDifference) {
    const struct {
        const char16_t* Text;
        int32_t Position;
        const char16_t* Am;
        const char16_t* Pm;
        char16_t Typed;
        TuiTimeTyping::TKind Kind;
        char16_t Character;
        const char16_t* NewText;
        int32_t Caret;
    } cases[] = {
        {u"10:00:00 AM", 9, u"AM", u"PM", u'p', TuiTimeTyping::ttRewrite, 0, u"10:00:00 PM", 10},
        {u"10:00:00 PM", 9, u"AM", u"PM", u'A', TuiTimeTyping::ttRewrite, 0, u"10:00:00 AM", 10},
        {u"10:00:00 PM", 9, u"AM", u"PM", u'x', TuiTimeTyping::ttRefuse, 0, u"", 0},
        // Before the difference the AM designator's letter, after it the one shown.
        {u"10:00:00 XAM", 9, u"XAM", u"XPM", u'x', TuiTimeTyping::ttAccept, u'X', u"", 0},
        {u"10:00:00 XAM", 10, u"XAM", u"XPM", u'p', TuiTimeTyping::ttRewrite, 0, u"10:00:00 XPM", 11},
        {u"10:00:00 XPM", 11, u"XAM", u"XPM", u'm', TuiTimeTyping::ttAccept, u'M', u"", 0},
        {u"10:00:00 XPM", 11, u"XAM", u"XPM", u'q', TuiTimeTyping::ttRefuse, 0, u"", 0},
        // One designator beginning the other: they differ one past the shorter.
        {u"10:00:00 A", 10, u"A", u"AP", u'p', TuiTimeTyping::ttRewrite, 0, u"10:00:00 AP", 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const TuiTimeTyping typing = TypeTimeDesignator(c.Text, c.Position, 9, c.Am, c.Pm, c.Typed);
        EXPECT_EQ(typing.Kind, c.Kind);
        EXPECT_EQ(typing.Character, c.Character);
        EXPECT_EQ(typing.Text, c.NewText);
        EXPECT_EQ(typing.Caret, c.Caret);
    }
}

// Deleting a digit leaves '0'; deleting in the designator changes nothing.
TEST(uiTimeEditRules, TheTimeMaskModeBlanksDigitsWithZeroAndKeepsTheDesignator) {
    test::TTestSeparators separators;
    const TuiMaskEditModeOptions options{false, true, true};
    test::TTestMaskEditSite site;
    TuiTimeEditMaskMode mode(&site, options, separators);
    mode.Compile(u"00:00:00 cc;1;0");
    site.SetDisplayValue(u"10:35:00 PM");
    test::DriveKeys(mode, site, u"{At3}{Del}{At9}{Del}{At1}{Back}");
    EXPECT_EQ(site.EditText, u"00:05:00 PM");
    EXPECT_EQ(mode.GetBlank(1), u'0');
    EXPECT_EQ(mode.GetBlank(10), 0);
}

} // namespace
} // namespace ui
