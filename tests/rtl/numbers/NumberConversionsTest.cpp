#include "rtl/numbers/NumberConversions.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

TEST(NumberConversions, StrToInt) {
    struct Case {
        UnicodeString text;
        bool valid;
        int32_t value;
    };
    const Case cases[] = {
        {u"0", true, 0},
        {u"-0", true, 0},
        {u"+42", true, 42},
        {u"00012", true, 12},
        {u" 12", true, 12},
        {u"\t12", true, 12},
        {u"2147483647", true, INT32_MAX},
        {u"-2147483648", true, INT32_MIN},
        {u"2147483648", false, 0},
        {u"-2147483649", false, 0},
        {u"99999999999999999999", false, 0},
        {u"$7FFFFFFF", true, INT32_MAX},
        {u"$FFFFFFFF", true, -1},
        {u"$80000000", true, INT32_MIN},
        {u"$100000000", false, 0},
        {u"$00000000FF", true, 255},
        {u"$ff", true, 255},
        {u"0x1f", true, 31},
        {u"0X1F", true, 31},
        {u"-$10", true, -16},
        {u"12 ", false, 0},
        {u"", false, 0},
        {u" ", false, 0},
        {u"+", false, 0},
        {u"-", false, 0},
        {u"$", false, 0},
        {u"0x", false, 0},
        {u"1e3", false, 0},
        {u"1.0", false, 0},
        {u"1 2", false, 0},
        {u"--1", false, 0},
        {u"$G", false, 0},
        {u"１２", false, 0}, // full-width digits are not digits here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        int32_t value = 77;
        EXPECT_EQ(TryStrToInt(c.text, value), c.valid);
        EXPECT_EQ(StrToIntDef(c.text, -7), c.valid ? c.value : -7);
        if (c.valid) {
            EXPECT_EQ(value, c.value);
            EXPECT_EQ(StrToInt(c.text), c.value);
        } else {
            EXPECT_THROW(StrToInt(c.text), EConvertError);
        }
    }
}

TEST(NumberConversions, StrToInt64) {
    struct Case {
        UnicodeString text;
        bool valid;
        int64_t value;
    };
    const Case cases[] = {
        {u"4294967296", true, INT64_C(4294967296)},
        {u"9223372036854775807", true, INT64_MAX},
        {u"-9223372036854775808", true, INT64_MIN},
        {u"9223372036854775808", false, 0},
        {u"-9223372036854775809", false, 0},
        {u"$FFFFFFFF", true, INT64_C(0xFFFFFFFF)}, // 32 bits are no sign here
        {u"$FFFFFFFFFFFFFFFF", true, -1},
        {u"$8000000000000000", true, INT64_MIN},
        {u"0x7fffffffffffffff", true, INT64_MAX},
        {u"$10000000000000000", false, 0},
        {u"12x", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        int64_t value = 77;
        EXPECT_EQ(TryStrToInt64(c.text, value), c.valid);
        EXPECT_EQ(StrToInt64Def(c.text, -7), c.valid ? c.value : -7);
        if (c.valid) {
            EXPECT_EQ(value, c.value);
            EXPECT_EQ(StrToInt64(c.text), c.value);
        } else {
            EXPECT_THROW(StrToInt64(c.text), EConvertError);
        }
    }
}

TEST(NumberConversions, FailuresNameTheText) {
    try {
        StrToInt(u"12 ");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"'12 ' is not a valid integer value");
    }
    try {
        StrToFloat(u"1,5", TFormatSettings::Invariant());
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"'1,5' is not a valid floating point value");
    }
}

TEST(NumberConversions, StrToFloatUsesTheSettingsDecimalSeparator) {
    TFormatSettings comma = TFormatSettings::Invariant();
    comma.DecimalSeparator = u',';
    comma.ThousandSeparator = u'.';
    struct Case {
        UnicodeString text;
        const TFormatSettings* settings;
        bool valid;
        double value;
    };
    const TFormatSettings* dot = &TFormatSettings::Invariant();
    const Case cases[] = {
        {u"1.5", dot, true, 1.5},
        {u"1,5", &comma, true, 1.5},
        {u"1.5", &comma, false, 0},
        {u"1,5", dot, false, 0},
        {u"1,000.5", dot, false, 0}, // no thousand separators
        {u" -2.5e3 ", dot, true, -2500},
        {u"+1E+2", dot, true, 100},
        {u"1e-2", dot, true, 0.01},
        {u".5", dot, true, 0.5},
        {u"5.", dot, true, 5},
        {u"0.1", dot, true, 0.1},
        {u"-0", dot, true, 0},
        {u"1e400", dot, false, 0},
        {u"-1e400", dot, false, 0},
        {u"1e-400", dot, true, 0},
        {u"1e99999999999999999999", dot, false, 0},
        {u"", dot, false, 0},
        {u" ", dot, false, 0},
        {u".", dot, false, 0},
        {u"-", dot, false, 0},
        {u"e3", dot, false, 0},
        {u"1e", dot, false, 0},
        {u"1e+", dot, false, 0},
        {u"1.2.3", dot, false, 0},
        {u"--1", dot, false, 0},
        {u"1 2", dot, false, 0},
        {u"$10", dot, false, 0},
        {u"inf", dot, false, 0},
        {u"nan", dot, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text) + (c.settings == &comma ? " with ','" : " with '.'"));
        double value = 77;
        EXPECT_EQ(TryStrToFloat(c.text, value, *c.settings), c.valid);
        EXPECT_EQ(StrToFloatDef(c.text, -7, *c.settings), c.valid ? c.value : -7);
        if (c.valid) {
            EXPECT_EQ(value, c.value);
            EXPECT_EQ(StrToFloat(c.text, *c.settings), c.value);
        } else {
            EXPECT_THROW(StrToFloat(c.text, *c.settings), EConvertError);
        }
    }
}

TEST(NumberConversions, StrToExtendedReadsAllEightyBits) {
    EXPECT_EQ(StrToExtended(u"0.1", TFormatSettings::Invariant()), 0.1L);
    EXPECT_NE(StrToExtended(u"0.1", TFormatSettings::Invariant()), static_cast<long double>(0.1));
    EXPECT_EQ(StrToExtended(u"1.13", TFormatSettings::Invariant()), 1.13L);
    TFormatSettings comma = TFormatSettings::Invariant();
    comma.DecimalSeparator = u',';
    EXPECT_EQ(StrToExtended(u" -12,35 ", comma), -12.35L);
    // Within the 80-bit range, beyond the 64-bit one.
    EXPECT_EQ(StrToExtended(u"1e400", TFormatSettings::Invariant()), 1e400L);
    EXPECT_THROW(StrToExtended(u"1e5000", TFormatSettings::Invariant()), EConvertError);
    EXPECT_THROW(StrToExtended(u"12.35", comma), EConvertError);
}

TEST(NumberConversions, FloatToStr) {
    struct Case {
        double value;
        UnicodeString text;
    };
    const Case cases[] = {
        {0, u"0"},
        {-0.0, u"0"},
        {0.1, u"0.1"},
        {-2.5, u"-2.5"},
        {1.0 / 3, u"0.333333333333333"},
        {2.0 / 3, u"0.666666666666667"},
        {1e14, u"100000000000000"},
        {1e15, u"1E15"},
        {1e16, u"1E16"},
        {123456789012345.0, u"123456789012345"},
        {123456789012345678.0, u"1.23456789012346E17"},
        {0.0001, u"0.0001"},
        {0.00012345, u"0.00012345"},
        {1.5e-5, u"1.5E-5"},
        {-1.5e-5, u"-1.5E-5"},
        {1e-300, u"1E-300"},
        {1.7976931348623157e308, u"1.79769313486232E308"},
        {5e-324, u"4.94065645841247E-324"},
        // Exactly halfway at the fifteenth digit: rounds away from zero, carrying into a new digit.
        {999999999999999.5, u"1E15"},
        {std::numeric_limits<double>::quiet_NaN(), u"NAN"},
        {std::numeric_limits<double>::infinity(), u"INF"},
        {-std::numeric_limits<double>::infinity(), u"-INF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        EXPECT_EQ(FloatToStr(c.value, TFormatSettings::Invariant()), c.text);
    }
    TFormatSettings comma = TFormatSettings::Invariant();
    comma.DecimalSeparator = u',';
    EXPECT_EQ(FloatToStr(-1.5e-5, comma), u"-1,5E-5");
    EXPECT_EQ(FloatToStr(1234.5, comma), u"1234,5");
}

TEST(NumberConversions, EightyBitQuotientsPrintWithEighteenDigits) {
    const TFormatSettings& settings = TFormatSettings::Invariant();
    const long double divisor = StrToExtended(u"1.13", settings);
    EXPECT_EQ(FloatToStrF(StrToExtended(u"113", settings) / divisor, TFloatFormat::ffGeneral, 18, 4, settings), u"100");
    EXPECT_EQ(FloatToStrF(StrToExtended(u"12.35", settings) / divisor, TFloatFormat::ffGeneral, 18, 4, settings),
              u"10.9292035398230088");
}

TEST(NumberConversions, FloatToStrF) {
    using enum TFloatFormat;
    struct Case {
        long double value;
        TFloatFormat format;
        int precision, digits;
        UnicodeString text;
    };
    const Case cases[] = {
        {1e20L, ffGeneral, 18, 4, u"1E0020"},
        {1.5e-5L, ffGeneral, 18, 4, u"1.5E-0005"},
        {123456789012345678.0L, ffGeneral, 18, 0, u"123456789012345678"},
        {9.99999L, ffGeneral, 3, 0, u"10"},
        {9.5L, ffGeneral, 1, 0, u"1E1"},
        {1e-4900L, ffGeneral, 18, 0, u"1E-4900"},
        {123.456L, ffExponent, 4, 2, u"1.235E+02"},
        {-0.000123L, ffExponent, 3, 0, u"-1.23E-4"},
        {5.0L, ffExponent, 1, 3, u"5E+000"},
        {0.0L, ffExponent, 4, 3, u"0.000E+000"},
        {1.0L, ffExponent, 40, 9, u"1.00000000000000000E+0000"}, // precision and digits are clamped
        {2.5L, ffFixed, 15, 0, u"3"},
        {-2.5L, ffFixed, 15, 0, u"-3"},
        {0.5L, ffFixed, 15, 0, u"1"},
        {0.125L, ffFixed, 15, 2, u"0.13"},
        {1.005, ffFixed, 15, 2, u"1.00"}, // the double lies just below the half
        {0.05L, ffFixed, 15, 1, u"0.1"},
        {0.04L, ffFixed, 15, 1, u"0.0"},
        {-0.001L, ffFixed, 15, 2, u"0.00"},        // no sign on a value shown as zero
        {1.23456789L, ffFixed, 4, 6, u"1.235000"}, // precision limits the digits shown
        {99.995L, ffFixed, 15, 2, u"100.00"},
        {1e25L, ffFixed, 15, 2, u"1E25"},
        {1234567.891L, ffNumber, 15, 2, u"1,234,567.89"},
        {-999.999L, ffNumber, 15, 2, u"-1,000.00"},
        {123.0L, ffNumber, 15, 0, u"123"},
        {0.5L, ffNumber, 15, 1, u"0.5"},
        {-1234.5L, ffCurrency, 15, 2, u"($1,234.50)"},
        {1234.5L, ffCurrency, 15, 0, u"$1,235"},
        {std::numeric_limits<long double>::quiet_NaN(), ffFixed, 15, 2, u"NAN"},
        {-std::numeric_limits<long double>::infinity(), ffExponent, 15, 2, u"-INF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, TFormatSettings::Invariant()), c.text);
    }
}

TEST(NumberConversions, CurrencyLayoutsFollowTheSettings) {
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.CurrencyString = UnicodeString(u"¥"); // a plain literal trips a false GCC 12 -Wrestrict warning
    settings.ThousandSeparator = u' ';
    settings.DecimalSeparator = u',';
    struct Case {
        uint8_t currencyFormat, negCurrFormat;
        UnicodeString positive, negative;
    };
    const Case cases[] = {
        {0, 0, u"¥1 234,50", u"(¥1 234,50)"},
        {1, 1, u"1 234,50¥", u"-¥1 234,50"},
        {2, 2, u"¥ 1 234,50", u"¥-1 234,50"},
        {3, 8, u"1 234,50 ¥", u"-1 234,50 ¥"},
        {3, 15, u"1 234,50 ¥", u"(1 234,50 ¥)"},
        {9, 99, u"1 234,50 ¥", u"(1 234,50 ¥)"}, // out of range: the last layout
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.negative));
        settings.CurrencyFormat = c.currencyFormat;
        settings.NegCurrFormat = c.negCurrFormat;
        EXPECT_EQ(FloatToStrF(1234.5L, TFloatFormat::ffCurrency, 15, 2, settings), c.positive);
        EXPECT_EQ(FloatToStrF(-1234.5L, TFloatFormat::ffCurrency, 15, 2, settings), c.negative);
    }
}

TEST(NumberConversions, IntegersToText) {
    EXPECT_EQ(IntToStr(0), u"0");
    EXPECT_EQ(IntToStr(-42), u"-42");
    EXPECT_EQ(IntToStr(INT64_MIN), u"-9223372036854775808");
    EXPECT_EQ(IntToStr(INT64_MAX), u"9223372036854775807");
    EXPECT_EQ(UIntToStr(UINT64_MAX), u"18446744073709551615");
    EXPECT_EQ(IntToHex(0, 0), u"0");
    EXPECT_EQ(IntToHex(255, 4), u"00FF");
    EXPECT_EQ(IntToHex(0xABCDEF, 2), u"ABCDEF");
    EXPECT_EQ(IntToHex(UINT64_MAX, 1), u"FFFFFFFFFFFFFFFF");
}

} // namespace
} // namespace rtl
