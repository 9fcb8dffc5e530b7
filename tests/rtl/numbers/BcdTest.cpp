#include "rtl/numbers/Bcd.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

const TFormatSettings& Invariant() {
    return TFormatSettings::Invariant();
}

TEST(Bcd, TextRoundTripsThroughTheStoredLayout) {
    struct Case {
        UnicodeString text;
        uint8_t precision, signSpecialPlaces;
        UnicodeString back;
    };
    const Case cases[] = {
        {u"0", 1, 0x00, u"0"},
        {u"-0", 1, 0x00, u"0"},
        {u"1.50", 2, 0x01, u"1.5"},
        {u"-12.345", 5, 0x83, u"-12.345"},
        {u"0.001", 3, 0x03, u"0.001"},
        {u" 1200 ", 4, 0x00, u"1200"},
        {u"1.2E3", 4, 0x00, u"1200"},
        {u"1e-63", 63, 0x3F, u"0." + UnicodeString(62, u'0') + u"1"},
        {u"9999999999999999999999999999999999999999999999999999999999999999", 64, 0x00,
         u"9999999999999999999999999999999999999999999999999999999999999999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.text));
        const TBcd value = StrToBcd(c.text, Invariant());
        EXPECT_EQ(value.Precision, c.precision);
        EXPECT_EQ(value.SignSpecialPlaces, c.signSpecialPlaces);
        EXPECT_EQ(test_support::Utf8(BcdToStr(value, Invariant())), test_support::Utf8(c.back));
    }
    const TBcd packed = StrToBcd(u"-12.345", Invariant());
    EXPECT_EQ(packed.Fraction[0], 0x12);
    EXPECT_EQ(packed.Fraction[1], 0x34);
    EXPECT_EQ(packed.Fraction[2], 0x50);
}

TEST(Bcd, WhatDoesNotFitIsRoundedOrRefused) {
    // 64 digits at most; a 65th decimal rounds half away from zero.
    EXPECT_EQ(test_support::Utf8(BcdToStr(StrToBcd(u"1." + UnicodeString(63, u'0') + u"5", Invariant()), Invariant())),
              "1." + std::string(62, '0') + "1");
    EXPECT_EQ(test_support::Utf8(BcdToStr(StrToBcd(u"5e-64", Invariant()), Invariant())),
              "0." + std::string(62, '0') + "1");
    TBcd value;
    EXPECT_FALSE(TryStrToBcd(u"1" + UnicodeString(64, u'0'), value, Invariant())); // 65 integer digits
    EXPECT_FALSE(TryStrToBcd(u"1e64", value, Invariant()));
    EXPECT_FALSE(TryStrToBcd(u"1e99999999999", value, Invariant()));
    EXPECT_TRUE(TryStrToBcd(u"1e-99999999999", value, Invariant()));
    EXPECT_EQ(BcdToStr(value, Invariant()), u"0");
    const UnicodeString invalid[] = {u"", u"abc", u"1.2.3", u"--1", u"1e", u"1,5"};
    for (const auto& text : invalid) {
        EXPECT_FALSE(TryStrToBcd(text, value, Invariant())) << test_support::Utf8(text);
    }
    EXPECT_EQ(test_support::MessageOf([] { StrToBcd(u"abc", TFormatSettings::Invariant()); }),
              "'abc' is not a valid BCD value");
    EXPECT_THROW(StrToBcd(u"abc"), EConvertError);
}

TEST(Bcd, SettingsGiveTheDecimalSeparator) {
    TFormatSettings comma = Invariant();
    comma.DecimalSeparator = u',';
    comma.ThousandSeparator = u'.';
    const TBcd value = StrToBcd(u"-1234,5", comma);
    EXPECT_EQ(BcdToStr(value, comma), u"-1234,5");
    EXPECT_EQ(BcdToStrF(value, TFloatFormat::ffNumber, 18, 2, comma), u"-1.234,50");
}

TEST(Bcd, FormatsLikeFloatToStrFOverExactDigits) {
    using enum TFloatFormat;
    const TBcd big = StrToBcd(u"12345678901234567890.125", Invariant());
    EXPECT_EQ(BcdToStrF(big, ffFixed, 0, 2, Invariant()), u"12345678901234567890.13");
    EXPECT_EQ(BcdToStrF(big, ffGeneral, 0, 0, Invariant()), u"12345678901234567890.125");
    EXPECT_EQ(BcdToStrF(big, ffGeneral, 5, 0, Invariant()), u"1.2346E19");
    EXPECT_EQ(BcdToStrF(big, ffExponent, 4, 2, Invariant()), u"1.235E+19");
    EXPECT_EQ(BcdToStrF(StrToBcd(u"-0.005", Invariant()), ffFixed, 18, 2, Invariant()), u"-0.01");
    EXPECT_EQ(BcdToStrF(StrToBcd(u"-0.004", Invariant()), ffFixed, 18, 2, Invariant()), u"0.00");
    EXPECT_EQ(BcdToStrF(StrToBcd(u"1234.5", Invariant()), ffCurrency, 18, 2, Invariant()), u"$1,234.50");
}

TEST(Bcd, ComparesByValue) {
    const auto bcd = [](UnicodeStringView text) { return StrToBcd(text, TFormatSettings::Invariant()); };
    EXPECT_EQ(BcdCompare(bcd(u"1.5"), bcd(u"1.50")), 0);
    EXPECT_EQ(BcdCompare(bcd(u"-0"), bcd(u"0")), 0);
    EXPECT_EQ(BcdCompare(bcd(u"2"), bcd(u"10")), -1);
    EXPECT_EQ(BcdCompare(bcd(u"-2"), bcd(u"-10")), 1);
    EXPECT_EQ(BcdCompare(bcd(u"-1"), bcd(u"0.5")), -1);
    EXPECT_EQ(BcdCompare(bcd(u"0.1"), bcd(u"0.09")), 1);
    EXPECT_EQ(BcdToDouble(bcd(u"-0.1")), -0.1);
    EXPECT_EQ(BcdToDouble(bcd(u"123456789012345678901234567890")), 1.2345678901234568e29);
}

TEST(Bcd, DamagedStoredValuesReadWithinBounds) {
    TBcd damaged;
    damaged.Precision = 200;          // more digits than the layout holds
    damaged.SignSpecialPlaces = 0xBF; // negative, 63 places
    damaged.Fraction.fill(0xFA);      // half-bytes above 9
    const UnicodeString text = BcdToStr(damaged, Invariant());
    EXPECT_EQ(text.size(), 1u + 64 + 1); // sign, 64 digits, point
    EXPECT_EQ(text.substr(0, 4), u"-9.9");
}

} // namespace
} // namespace rtl
