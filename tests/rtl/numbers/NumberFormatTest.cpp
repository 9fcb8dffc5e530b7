#include "rtl/numbers/NumberFormat.h"

#include "rtl/numbers/Currency.h"
#include "rtl/numbers/FormatSettings.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

struct TPatternCase {
    UnicodeString pattern;
    long double value;
    UnicodeString text;
};

template <size_t N>
void ExpectFloatFormats(const TPatternCase (&cases)[N], const TFormatSettings& settings) {
    for (const auto& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.pattern) + " of " + std::to_string(static_cast<double>(c.value)));
        EXPECT_EQ(test_support::Utf8(FormatFloat(c.pattern, c.value, settings)), test_support::Utf8(c.text));
    }
}

TEST(NumberFormat, SectionsChooseByTheSignAndZero) {
    const TPatternCase cases[] = {
        {u"0.00;-0.00", 1234.5L, u"1234.50"},
        {u"0.00;-0.00", -0.005L, u"-0.01"}, // half away from zero
        {u"0.00;-0.00", 0.0L, u"0.00"},
        {u"0.00;-0.00", -0.001L, u"0.00"}, // rounds to zero: no sign
        {u"0.00;(0.00);\"zero\"", -12.345L, u"(12.35)"},
        {u"0.00;(0.00);\"zero\"", 0.0L, u"zero"},
        {u"0.00;(0.00);\"zero\"", 0.004L, u"zero"}, // shown as zero: the zero section
        {u"0.00;;\"zero\"", -3.0L, u"-3.00"},       // an empty negative section falls back with a sign
        {u"0.00", -3.0L, u"-3.00"},
        {u"0.00;", -3.0L, u"-3.00"},
        {u"$0.00", -3.0L, u"-$3.00"},
        {u"0;1;2;3", 0.0L, u"2"}, // a fourth section is ignored
    };
    ExpectFloatFormats(cases, TFormatSettings::Invariant());
}

TEST(NumberFormat, DigitPlaceholdersAndSeparators) {
    const TPatternCase cases[] = {
        {u"#.00", 0.5L, u".50"},
        {u"#.00", -0.5L, u"-.50"},
        {u"#.00", 0.0L, u".00"},
        {u"#,##0.00", 1234567.891L, u"1,234,567.89"},
        {u"#,##0.00", -1234567.891L, u"-1,234,567.89"},
        {u"#,##0", 999.5L, u"1,000"},
        {u"#,##0", 12.0L, u"12"},
        {u"0,000", 5.0L, u"0,005"},
        {u"00000", 123.0L, u"00123"},
        {u"0", 123456.0L, u"123456"}, // integer digits beyond the placeholders
        {u"#", 0.0L, u""},            // no digit at all
        {u"0.##", 1.0L, u"1"},        // no decimals: no separator
        {u"0.##", 1.5L, u"1.5"},
        {u"0.0#", 1.0L, u"1.0"},
        {u"0.00", 1.005, u"1.01"}, // the double below 1.005 counts as the 1.005 it reads
        {u"0.00", 2.675, u"2.68"},
        {u"#.", 5.0L, u"5"},
        {u".00", 12.5L, u"12.50"},  // integer digits without integer placeholders
        {u"0.0.0", 1.25L, u"1.25"}, // a second point is dropped
        {u"000-000", 1234.0L, u"001-234"},
        {u"", 1234.5L, u"1234.5"}, // general format
        {u"0", 1e20L, u"1E20"},    // beyond fixed notation: general format
        {u"0.00", std::numeric_limits<long double>::infinity(), u"INF"},
    };
    ExpectFloatFormats(cases, TFormatSettings::Invariant());
}

TEST(NumberFormat, ScientificNotation) {
    const TPatternCase cases[] = {
        {u"0.00E+00", 1234.5L, u"1.23E+03"},   {u"0.00E+00", 1235.0L, u"1.24E+03"},
        {u"0.00E+00", 0.000123L, u"1.23E-04"}, {u"0.00E-00", 1234.5L, u"1.23E03"},
        {u"0.00e-0", 0.000123L, u"1.23e-4"},   {u"00.0E+0", 1234.5L, u"12.3E+2"},
        {u"0.00E+00", 0.0L, u"0.00E+00"},      {u"0.00E+00", -9.999L, u"-1.00E+01"},
        {u"0.0E+000000", 5.0L, u"5.0E+0000"}, // at most four exponent digits
        {u"0.00E+00", 1e300L, u"1.00E+300"},
    };
    ExpectFloatFormats(cases, TFormatSettings::Invariant());
}

TEST(NumberFormat, LiteralsAreCopied) {
    const TPatternCase cases[] = {
        {u"\"Total: \"0.00", 5.0L, u"Total: 5.00"},
        {u"'#0.'0", 5.0L, u"#0.5"},
        {u"0\\.00", 5.0L, u"0.05"}, // an escaped point is text between three integer placeholders
        {u"0 \\E+", 5.0L, u"5 E+"},
        {u"\"a;b\"0;(0)", -5.0L, u"(5)"}, // a quoted ';' does not split sections
        {u"0\"", 5.0L, u"5"},             // an unterminated quote runs to the end
        {u"0.00 元", 12.5L, u"12.50 元"},
        {u"abc", 12.5L, u"abc"}, // no placeholder: the number is not shown
    };
    ExpectFloatFormats(cases, TFormatSettings::Invariant());
}

TEST(NumberFormat, SeparatorsComeFromTheSettings) {
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u' ';
    EXPECT_EQ(test_support::Utf8(FormatFloat(u"#,##0.00", 1234567.891L, settings)), "1 234 567,89");
    EXPECT_EQ(test_support::Utf8(FormatCurr(u"#,##0.00", Currency::FromScaled(12345678), settings)), "1 234,57");
}

TEST(NumberFormat, CurrencyKeepsItsExactDigits) {
    struct Case {
        UnicodeString pattern;
        int64_t scaled;
        UnicodeString text;
    };
    const Case cases[] = {
        {u"0.00;-0.00", 12345, u"1.23"}, // 1.2345
        {u"0.00;-0.00", 12350, u"1.24"}, // 1.235: half away from zero
        {u"0.00;-0.00", -12350, u"-1.24"},
        {u"0.000", 9223372036854775807, u"922337203685477.581"},
        {u"#,##0.0000", -9223372036854775807 - 1, u"-922,337,203,685,477.5808"},
        {u"", 125000, u"12.5"},
        {u"", -1, u"-0.0001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.text));
        EXPECT_EQ(
            test_support::Utf8(FormatCurr(c.pattern, Currency::FromScaled(c.scaled), TFormatSettings::Invariant())),
            test_support::Utf8(c.text));
    }
}

} // namespace
} // namespace rtl
