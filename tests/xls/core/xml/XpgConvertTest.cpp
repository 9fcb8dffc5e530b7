#include "xls/core/xml/XpgConvert.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/time/DateTime.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace xls {
namespace {

// Switches the process-wide decimal separator to ',' for one test, as a German or French locale has it.
class TCommaLocale {
public:
    TCommaLocale() : FSaved(rtl::FormatSettings().DecimalSeparator) { rtl::FormatSettings().DecimalSeparator = u','; }
    ~TCommaLocale() { rtl::FormatSettings().DecimalSeparator = FSaved; }

private:
    char16_t FSaved;
};

TEST(XpgConvert, DecodesTheEscapesOfSpreadsheetTexts) {
    const struct {
        std::u16string_view Text;
        std::u16string_view Decoded;
    } cases[] = {
        {u"plain", u"plain"},
        {u"a_x000D_b", u"a\rb"},
        {u"_x0009__x000a_", u"\t\n"},
        {u"_X000D_ _x00zz_ _x000D _x000D", u"_X000D_ _x00zz_ _x000D _x000D"},
        {u"_x005F_x000D_", u"_x000D_"},
        {u"__x0041_", u"_A"},
        {u"_x4E2D__x6587_", u"中文"},
        {u"x_", u"x_"},
        {u"", u""},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        rtl::UnicodeString scratch;
        EXPECT_TRUE(XmlDecodeXstring(cases[i].Text, scratch) == cases[i].Decoded);
    }
    // A text without escapes is given back as it is, without a copy.
    const std::u16string_view plain = u"no_escape_here";
    rtl::UnicodeString scratch;
    EXPECT_EQ(XmlDecodeXstring(plain, scratch).data(), plain.data());
}

TEST(XpgConvert, ReadsIntegers) {
    struct Case {
        rtl::UnicodeStringView text;
        bool valid;
        int32_t value;
    };
    const Case cases[] = {
        {u"12", true, 12},
        {u"-5", true, -5},
        {u"$1F", true, 31},
        {u"$FFFFFFFF", true, -1},
        {u"2147483647", true, INT32_MAX},
        {u"2147483648", false, 0},
        {u"abc", false, 0},
        {u"", false, 0},
        {u"1.5", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        int32_t value = 0;
        EXPECT_EQ(TryXmlStrToInt(c.text, value), c.valid);
        EXPECT_EQ(XmlStrToIntDef(c.text, 77), c.valid ? c.value : 77);
    }
}

// Plain digits and plain decimals are read on a short road; every text must read as the runtime's general reading
// reads it, on either side of the road's edges.
TEST(XpgConvert, ReadsEveryNumberAsTheRuntimeDoes) {
    const rtl::UnicodeStringView integers[] = {
        u"0",  u"007",         u"123456789", u"999999999", u"1000000000", u"2147483647", u"2147483648",
        u"-0", u"-2147483648", u"+5",        u" 5",        u"5 ",         u"$1F",        u"0x10",
        u"",   u"1a",          u"\u0661",    u"\uFF11",
    };
    for (const rtl::UnicodeStringView text : integers) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        int32_t ours = -7;
        int32_t theirs = -7;
        EXPECT_EQ(TryXmlStrToInt(text, ours), rtl::TryStrToInt(text, theirs));
        EXPECT_EQ(ours, theirs);
        EXPECT_EQ(XmlStrToIntDef(text, 77), rtl::StrToIntDef(text, 77));
    }
    const rtl::UnicodeStringView floats[] = {
        u"0",
        u"-0",
        u"0.1",
        u"123.456",
        u"1.5E-05",
        u"1e+5",
        u"-2E3",
        u"1e400",
        u"-1e400",
        u"1e-400",
        u"4.9e-324",
        u"1.7976931348623157e308",
        u".5",
        u"5.",
        u"+1",
        u" 1",
        u"1e",
        u"1e+",
        u"inf",
        u"nan",
        u"0x1p3",
        u"1.2.3",
        u"12345678901234567890123456789012345678901",
        u"",
        u"--1",
        u"1,5",
    };
    for (const rtl::UnicodeStringView text : floats) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        double ours = -7;
        double theirs = -7;
        EXPECT_EQ(TryXmlStrToFloat(text, ours), rtl::TryStrToFloat(text, theirs, rtl::TFormatSettings::Invariant()));
        EXPECT_EQ(std::memcmp(&ours, &theirs, sizeof ours), 0) << ours << " " << theirs;
    }
}

TEST(XpgConvert, ReadsLongwords) {
    struct Case {
        rtl::UnicodeStringView text;
        bool valid;
        uint32_t value;
    };
    const Case cases[] = {
        {u"4294967295", true, 4294967295u}, {u"-1", true, 0xFFFFFFFFu}, {u"7", true, 7},
        {u"4294967296", false, 0},          {u"-2147483649", false, 0}, {u"x", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        uint32_t value = 0;
        EXPECT_EQ(TryXmlStrToLongword(c.text, value), c.valid);
        if (c.valid) {
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST(XpgConvert, ReadsColours) {
    struct Case {
        rtl::UnicodeStringView text;
        int32_t expected;
    };
    const Case cases[] = {
        {u"#FF0000", 16711680}, {u"#ff0000", 16711680}, {u"12", 12}, {u"#ZZ", 7}, {u"#FFFFFFFF", -1}, {u"#", 7},
        {u"#123456789", 7},     {u"# 12", 7},           {u"#-1", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(XmlHexStrToIntDef(c.text, 7), c.expected);
    }
}

TEST(XpgConvert, ReadsPercentagesWithOrWithoutTheirSign) {
    struct Case {
        rtl::UnicodeStringView text;
        int32_t expected;
    };
    const Case cases[] = {
        {u"150", 150}, {u"150%", 150}, {u"-25%", -25}, {u"0%", 0},   {u"%", 7},
        {u"", 7},      {u"15%%", 7},   {u"%15", 7},    {u"1.5%", 7}, {u"x%", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(XmlPercentStrToIntDef(c.text, 7), c.expected);
    }
}

TEST(XpgConvert, ReadsAdjustableValuesAsNumbersOrGuideNames) {
    struct Case {
        rtl::UnicodeStringView text;
        int32_t kind;
        int32_t value;
        rtl::UnicodeStringView name;
    };
    // Each starts from a value read before: a guide "adj" of kind 1 with the number 5 left from an earlier read.
    const Case cases[] = {
        {u"0", 0, 0, u"adj"}, {u"-21600", 0, -21600, u"adj"}, {u"ss", 1, 5, u"ss"}, {u"12a", 1, 5, u"12a"},
        {u"", 1, 5, u"adj"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        TXpgAdjustable value{u"adj", 1, 5};
        XmlStrToAdjustable(c.text, value);
        EXPECT_EQ(value.Kind, c.kind);
        EXPECT_EQ(value.Value, c.value);
        EXPECT_EQ(value.Name, c.name);
    }
    TXpgAdjustable unread;
    XmlStrToAdjustable(u"", unread);
    EXPECT_EQ(unread.Kind, -1);
}

TEST(XpgConvert, ReadsAndWritesFloatsWithAPointWhateverTheLocale) {
    TCommaLocale comma;
    struct Case {
        rtl::UnicodeStringView text;
        bool valid;
        double value;
    };
    const Case cases[] = {
        {u"1.5", true, 1.5}, {u"-2.25e3", true, -2250}, {u"7", true, 7},     {u"1,5", false, 0},
        {u"abc", false, 0},  {u"", false, 0},           {u"1.5x", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        double value = -1;
        EXPECT_EQ(TryXmlStrToFloat(c.text, value), c.valid);
        EXPECT_EQ(XmlStrToFloat(c.text), c.valid ? c.value : 0);
        EXPECT_EQ(XmlStrToFloatDef(c.text, 9.5), c.valid ? c.value : 9.5);
    }
    EXPECT_EQ(XmlFloatToStr(1.5), u"1.5");
    EXPECT_EQ(XmlFloatToStr(-0.1), u"-0.1");
    for (const double value : {0.1, 0.333333333333333, 1e20, 1.5e-7, 123456789012345.0, -4.5e300}) {
        SCOPED_TRACE(value);
        double back = 0;
        ASSERT_TRUE(TryXmlStrToFloat(XmlFloatToStr(value), back));
        EXPECT_DOUBLE_EQ(back, value);
    }
    // Nothing process-wide was switched.
    EXPECT_EQ(rtl::FormatSettings().DecimalSeparator, u',');
}

TEST(XpgConvert, ReadsBooleans) {
    struct Case {
        rtl::UnicodeStringView text;
        int expected; // 1 true, 0 false, -1 refused
        int tryExpected;
    };
    const Case cases[] = {
        {u"true", 1, 1},  {u"TRUE", 1, 1}, {u"1", 1, -1},    {u"false", 0, 0},
        {u"False", 0, 0}, {u"0", 0, -1},   {u"yes", -1, -1}, {u"", -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        if (c.expected < 0) {
            try {
                XmlStrToBool(c.text);
                ADD_FAILURE() << "no exception";
            } catch (const rtl::EConvertError& error) {
                EXPECT_EQ(error.Message(), u"Invalid boolean value \"" + rtl::UnicodeString(c.text) + u"\"");
            }
        } else {
            EXPECT_EQ(XmlStrToBool(c.text), c.expected == 1);
        }
        EXPECT_EQ(XmlStrToBoolDef(c.text, true), c.expected != 0);
        EXPECT_EQ(XmlStrToBoolDef(c.text, false), c.expected == 1);
        bool value = false;
        EXPECT_EQ(TryXmlStrToBool(c.text, value), c.tryExpected >= 0);
        if (c.tryExpected >= 0) {
            EXPECT_EQ(value, c.tryExpected == 1);
        }
    }
}

TEST(XpgConvert, WritesAndReadsDateTimes) {
    const rtl::TDateTime value = rtl::EncodeDateTime({2010, 3, 2}, {4, 5, 6, 789});
    EXPECT_EQ(XmlDateTimeToStr(value), u"2010-03-02T04:05:06Z");
    struct Case {
        rtl::UnicodeStringView text;
        bool valid;
        rtl::TDateParts date;
        rtl::TTimeParts time;
    };
    const Case cases[] = {
        {u"2010-03-02T04:05:06Z", true, {2010, 3, 2}, {4, 5, 6, 0}},
        {u"2010-03-02", true, {2010, 3, 2}, {}},
        {u"2010-03-02T04:05", true, {2010, 3, 2}, {4, 5, 0, 0}},
        {u"2010-03-02T04:05:06.25+08:00", true, {2010, 3, 2}, {4, 5, 6, 250}},
        {u" 1899-12-30T00:00:00 ", true, {1899, 12, 30}, {}},
        {u"2010-02-30", false, {}, {}},
        {u"2010-03-02T", false, {}, {}},
        {u"2010-03-02T25:00:00", false, {}, {}},
        {u"2010-3-2", false, {}, {}},
        {u"2010-03-02T04:05:06+8", false, {}, {}},
        {u"03/02/2010", false, {}, {}},
        {u"", false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        rtl::TDateTime read = -1;
        ASSERT_EQ(TryXmlStrToDateTime(c.text, read), c.valid);
        const rtl::TDateTime expected = c.valid ? rtl::EncodeDateTime(c.date, c.time) : 0;
        if (c.valid) {
            EXPECT_DOUBLE_EQ(read, expected);
        }
        EXPECT_DOUBLE_EQ(XmlStrToDateTime(c.text), expected);
    }
}

TEST(XpgConvert, NormalizesText) {
    struct Case {
        rtl::UnicodeStringView text;
        rtl::UnicodeStringView expected;
    };
    const Case cases[] = {
        {u"\r\nab\tc\n\rd\r\n", u"abc d"},
        {u"a\r\n\r\nb", u"a  b"},
        {u"a\rb\nc", u"a b c"},
        {u"\n\n", u""},
        {u" a ", u" a "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XmlNormalizeText(c.text), c.expected);
    }
}

TEST(XpgConvert, FindsAndSplitsAtCharacters) {
    EXPECT_EQ(CharPosW(u'b', u"abcb"), 1);
    EXPECT_EQ(CharLastPosW(u'b', u"abcb"), 3);
    EXPECT_EQ(CharPosW(u'x', u"abc"), -1);
    EXPECT_EQ(CharLastPosW(u'x', u""), -1);
    struct Case {
        rtl::UnicodeStringView text;
        rtl::UnicodeStringView head;
        rtl::UnicodeStringView rest;
    };
    const Case cases[] = {
        {u"1 2 3", u"1", u"2 3"},
        {u" 2", u"", u"2"},
        {u"3", u"3", u""},
        {u"", u"", u""},
    };
    for (const Case& c : cases) {
        rtl::UnicodeString text(c.text);
        rtl::UnicodeString head = u"old";
        SplitAtChar(u' ', text, head);
        EXPECT_EQ(head, c.head);
        EXPECT_EQ(text, c.rest);
    }
}

} // namespace
} // namespace xls
