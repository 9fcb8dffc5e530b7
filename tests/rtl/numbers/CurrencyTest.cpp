#include "rtl/numbers/Currency.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

constexpr int64_t MaxScaled = std::numeric_limits<int64_t>::max();
constexpr int64_t MinScaled = std::numeric_limits<int64_t>::min();

TFormatSettings CommaSettings() {
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    return settings;
}

TEST(Currency, FloatToCurrRoundsTheDecimalTheDoublePrintsAs) {
    struct Case {
        double value;
        int64_t scaled;
    };
    const Case cases[] = {
        {1.005, 10050},
        {-1.005, -10050},
        {0.1 + 0.2, 3000},
        {0.00005, 1},   // half away from zero
        {-0.00005, -1}, // half away from zero
        {0.00004999, 0},
        {123456789.12345, 1234567891235},
        {1e-300, 0},
        {-0.0, 0},
        {922337203685477.5, 9223372036854775000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FloatToCurr(c.value).Scaled(), c.scaled);
    }
}

TEST(Currency, FloatToCurrRejectsWhatDoesNotFit) {
    const double values[] = {1e15,
                             -1e15,
                             922337203685478.0,
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             1e300};
    for (const double value : values) {
        SCOPED_TRACE(value);
        Currency result = Currency::FromScaled(7);
        EXPECT_FALSE(TryFloatToCurr(value, result));
        EXPECT_EQ(result.Scaled(), 7);
        EXPECT_THROW(FloatToCurr(value), EConvertError);
    }
}

TEST(Currency, StrToCurrReadsExactly) {
    struct Case {
        UnicodeString text;
        int64_t scaled;
    };
    const Case cases[] = {
        {u"922337203685477.5807", MaxScaled},
        {u"-922337203685477.5808", MinScaled},
        {u" 12.5 ", 125000},
        {u"+3", 30000},
        {u".5", 5000},
        {u"5.", 50000},
        {u"0.00005", 1},
        {u"-0.00005", -1},
        {u"1.23456", 12346},
        {u"1.5E3", 15000000},
        {u"1e-4", 1},
        {u"0.0000000000000000000000000000001", 0},
        {u"1e-99999999999999999999", 0},
        {u"000000000000000000000000000000001", 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        EXPECT_EQ(StrToCurr(c.text, TFormatSettings::Invariant()).Scaled(), c.scaled);
    }
}

TEST(Currency, StrToCurrRejectsBadTextAndOverflow) {
    const UnicodeString texts[] = {
        u"922337203685477.5808", // one ten-thousandth past the largest amount
        u"-922337203685477.5809",
        u"922337203685477.58075", // rounds past the largest amount
        u"1e15",
        u"1e99999999999999999999",
        u"100000000000000000000000000000",
        u"",
        u"-",
        u".",
        u"1.2.3",
        u"1e",
        u"1e+",
        u"1,5", // not the decimal separator here
        u"12 5",
        u"0x10",
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(UnicodeToUtf8(text));
        Currency result;
        EXPECT_FALSE(TryStrToCurr(text, result, TFormatSettings::Invariant()));
        EXPECT_THROW(StrToCurr(text, TFormatSettings::Invariant()), EConvertError);
    }
    try {
        StrToCurr(u"abc", TFormatSettings::Invariant());
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"'abc' is not a valid floating point value");
    }
}

TEST(Currency, TextWithCommaDecimalSeparator) {
    const TFormatSettings settings = CommaSettings();
    EXPECT_EQ(StrToCurr(u"-1234,5678", settings).Scaled(), -12345678);
    EXPECT_THROW(StrToCurr(u"1.5", settings), EConvertError);
    EXPECT_EQ(CurrToStr(Currency::FromScaled(-12345678), settings), u"-1234,5678");
}

TEST(Currency, CurrToStrDropsTrailingZerosAndRoundTrips) {
    struct Case {
        int64_t scaled;
        UnicodeString text;
    };
    const Case cases[] = {
        {0, u"0"},
        {30000, u"3"},
        {125000, u"12.5"},
        {-1, u"-0.0001"},
        {10050, u"1.005"},
        {MaxScaled, u"922337203685477.5807"},
        {MinScaled, u"-922337203685477.5808"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scaled);
        EXPECT_EQ(CurrToStr(Currency::FromScaled(c.scaled), TFormatSettings::Invariant()), c.text);
        EXPECT_EQ(StrToCurr(c.text, TFormatSettings::Invariant()).Scaled(), c.scaled);
    }
}

TEST(Currency, ArithmeticIsExactAndChecked) {
    const Currency tenth = FloatToCurr(0.1);
    EXPECT_EQ(tenth + FloatToCurr(0.2), FloatToCurr(0.3));
    EXPECT_EQ((tenth + tenth + tenth).ToDouble(), 0.3);
    EXPECT_EQ(FloatToCurr(1.5) - FloatToCurr(2), FloatToCurr(-0.5));
    EXPECT_LT(FloatToCurr(-0.0001), Currency());
    EXPECT_GT(FloatToCurr(2), FloatToCurr(1.9999));

    const Currency step = Currency::FromScaled(1);
    EXPECT_THROW(Currency::FromScaled(MaxScaled) + step, EConvertError);
    EXPECT_THROW(Currency::FromScaled(MinScaled) - step, EConvertError);
    EXPECT_THROW(-Currency::FromScaled(MinScaled), EConvertError);
    EXPECT_EQ((-Currency::FromScaled(MaxScaled) - step).Scaled(), MinScaled);
}

} // namespace
} // namespace rtl
