#include "ui/data/locale/uiFormatElements.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace ui;

// The elements as a line: kind letters with their texts, e.g. "D:DD / M:MM / Y:YYYY".
std::string Describe(const TuiDateTimeFormatInfo& info) {
    static constexpr const char* kinds[] = {"'", "Y", "M", "D", "H", "N", "S", "Z", "A", "/", ":"};
    std::string line;
    for (const TuiDateTimeFormatItem& item : info.Items) {
        if (!line.empty()) {
            line += ' ';
        }
        line += kinds[item.Kind];
        if (item.Kind != dtiDateSeparator && item.Kind != dtiTimeSeparator) {
            line += ":" + test_support::Utf8(item.Text);
        }
    }
    return line;
}

rtl::TFormatSettings ElementTestSettings() {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.ShortDateFormat = u"d/M/yyyy";
    settings.LongDateFormat = u"dddd, d MMMM yyyy";
    settings.ShortTimeFormat = u"h:nn";
    settings.LongTimeFormat = u"hh:nn:ss AMPM";
    return settings;
}

std::string Parsed(rtl::UnicodeStringView format, const rtl::TFormatSettings& settings = ElementTestSettings()) {
    TuiDateTimeFormatInfo info;
    return ParseDateTimeFormat(format, settings, info) ? Describe(info) : "failed";
}

TEST(ParseDateTimeFormat, TakesFormatsApartIntoElements) {
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"dd/MM/yyyy", "D:DD / M:MM / Y:YYYY"},
        {u"d/M/yy", "D:D / M:M / Y:YY"},
        {u"hh:mm:ss AM/PM", "H:12HH : N:NN : S:SS ':  A:AM/PM"},
        {u"h:mm:ss a/p", "H:12H : N:NN : S:SS ':  A:a/p"},
        {u"H:mm", "H:24H : N:NN"},
        {u"HHH:nnn:zzzz", "H:24HH : N:NN : Z:ZZZ"},
        {u"ddd, MMMMM d", "D:DDD ':,  M:MMMM ': "},
        {u"AAAA", "D:DDDD"},
        {u"AAA a", "D:DDD ': a"},
        {u"eeee", "Y:YYYY"},
        {u"'on' d \"at\" h", "':on  D:D ': at  H:24H"},
        {u"yyyy\u5E74M\u6708d\u65E5", "Y:YYYY ':\xE5\xB9\xB4 M:M ':\xE6\x9C\x88 D:D ':\xE6\x97\xA5"},
        // A character outside ASCII ends the hour, so an m after it is a month again.
        {u"H\u65F6mm", "H:24H ':\xE6\x97\xB6 M:MM"},
        {u"\U0001D11Ed", "':\xF0\x9D\x84\x9E D:D"},
        // A second day element is dropped; separators and literals repeat.
        {u"d/M/d/yyyy", "D:D / M:M / / Y:YYYY"},
        // A designator without an hour is dropped.
        {u"d/M AMPM", "D:D / M:M ': "},
        {u"ddddd", "D:D / M:M / Y:YYYY"},
        {u"c", "D:D / M:M / Y:YYYY ':  H:12HH : N:NN : S:SS ':  A:AMPM"},
        {u"", "D:D / M:M / Y:YYYY ':  H:12HH : N:NN : S:SS ':  A:AMPM"},
        {u"t", "H:24H : N:NN"},
        {u"'unclosed", "':unclosed"},
        {u"d/M/yyyy g", "failed"},
        {u"gg yyyy/M/d", "failed"},
    };
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(Parsed(format), expected) << test_support::Utf8(format);
    }
}

TEST(ParseDateTimeFormat, FormatsThatNameEachOtherDoNotRecurse) {
    rtl::TFormatSettings settings = ElementTestSettings();
    settings.ShortDateFormat = u"ddddd";
    settings.LongTimeFormat = u"c";
    EXPECT_EQ(Parsed(u"ddddd", settings), "");
    EXPECT_EQ(Parsed(u"c", settings), "':  ");
    settings.ShortDateFormat = u"d/M g";
    EXPECT_EQ(Parsed(u"c", settings), "failed");
}

TEST(ParseDateTimeFormat, RecordsWhichKindsOccurAndClearsThemOnFailure) {
    TuiDateTimeFormatInfo info;
    ASSERT_TRUE(ParseDateTimeFormat(u"hh:mm AM/PM", ElementTestSettings(), info));
    EXPECT_TRUE(info.DefinedItems[dtiHour]);
    EXPECT_TRUE(info.DefinedItems[dtiDesignator]);
    EXPECT_FALSE(info.DefinedItems[dtiDay]);
    ASSERT_TRUE(ParseDateTimeFormat(u"d AMPM", ElementTestSettings(), info));
    EXPECT_FALSE(info.DefinedItems[dtiDesignator]);
    EXPECT_FALSE(ParseDateTimeFormat(u"yyyy g", ElementTestSettings(), info));
    EXPECT_TRUE(info.Items.empty());
    EXPECT_FALSE(info.DefinedItems[dtiYear]);
}

TEST(LocateDateFormatElement, FindsTheElementUnderAPosition) {
    rtl::TFormatSettings settings = ElementTestSettings();
    TuiDateTimeFormatInfo info;
    ASSERT_TRUE(ParseDateTimeFormat(u"dd/MMM/yyyy hh:mm AMPM", settings, info));
    struct TCase {
        int32_t Position;
        TuiDateTimeFormatItemKind Kind;
        int32_t Start, Length;
    };
    const TCase cases[] = {{0, dtiDay, 0, 2},    {1, dtiDay, 0, 2},      {2, dtiDateSeparator, 2, 1},
                           {3, dtiMonth, 3, 3},  {7, dtiYear, 7, 4},     {11, dtiLiteral, 11, 1},
                           {12, dtiHour, 12, 2}, {15, dtiMinute, 15, 2}, {18, dtiDesignator, 18, 2}};
    for (const TCase& c : cases) {
        const auto found = LocateDateFormatElement(info, c.Position, settings);
        ASSERT_TRUE(found) << c.Position;
        EXPECT_EQ(found->Kind, c.Kind) << c.Position;
        EXPECT_EQ(found->Start, c.Start) << c.Position;
        EXPECT_EQ(found->Length, c.Length) << c.Position;
    }
    EXPECT_EQ(LocateDateFormatElement(info, 18, settings)->DesignatorKind, dkLocaleStrings);
    EXPECT_FALSE(LocateDateFormatElement(info, 20, settings));
    EXPECT_FALSE(LocateDateFormatElement(info, -1, settings));
    EXPECT_FALSE(LocateDateFormatElement(TuiDateTimeFormatInfo{}, 0, settings));
    EXPECT_EQ(FormatPatternLength(info, settings), 20);
}

TEST(FormatItemLength, MeasuresDesignatorsByTheirKind) {
    rtl::TFormatSettings settings = ElementTestSettings();
    settings.TimeAMString = u"\u4E0A\u5348";
    settings.TimePMString = u"\u4E0B\u5348\u540E";
    EXPECT_EQ(FormatItemLength({dtiDesignator, u"AMPM"}, settings), 3);
    EXPECT_EQ(FormatItemLength({dtiDesignator, u"am/pm"}, settings), 2);
    EXPECT_EQ(DesignatorKindOf({dtiDesignator, u"am/pm"}), dkAMPM);
    EXPECT_EQ(FormatItemLength({dtiDesignator, u"A/P"}, settings), 1);
    EXPECT_EQ(FormatItemLength({dtiMillisecond, u"ZZZ"}, settings), 0);
    EXPECT_EQ(FormatItemLength({dtiLiteral, u"at "}, settings), 3);
}

TEST(CreateRepeatedText, RepeatsOrGivesNothing) {
    EXPECT_EQ(CreateRepeatedText(u'c', 3), u"ccc");
    EXPECT_EQ(CreateRepeatedText(u'c', 0), u"");
    EXPECT_EQ(CreateRepeatedText(u'c', -2), u"");
}

} // namespace
