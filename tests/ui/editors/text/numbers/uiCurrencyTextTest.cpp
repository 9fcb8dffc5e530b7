#include "ui/editors/text/numbers/uiCurrencyText.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(CurrencyText, ThousandSeparatorsCountOnlyBetweenGroupsOfThreeDigits) {
    const rtl::TFormatSettings& settings = rtl::TFormatSettings::Invariant();
    const struct {
        const char* text;
        bool valid;
        double number;
    } cases[] = {
        {"1,234.5", true, 1234.5},
        {"1,234,567", true, 1234567},
        {"-1,234", true, -1234},
        {"1234.56", true, 1234.56},
        {"-0.5", true, -0.5},
        {"1,5", false, 0},
        {"12,34", false, 0},
        {"1,2,3", false, 0},
        {",123", false, 0},
        {"1234,567", false, 0},
        {"1,234.5,0", false, 0},
        {"1.5,000", false, 0},
        {"", false, 0},
        {"abc", false, 0},
        {"--1", false, 0},
    };
    for (const auto& c : cases) {
        double number = -1;
        EXPECT_EQ(ui::ParseCurrencyText(rtl::U16(c.text), number, settings), c.valid) << c.text;
        EXPECT_DOUBLE_EQ(number, c.number) << c.text;
    }
}

TEST(CurrencyText, TheLocaleSeparatorsMayBeSwapped) {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    double number = 0;
    EXPECT_TRUE(ui::ParseCurrencyText(u"1.234,5", number, settings));
    EXPECT_DOUBLE_EQ(number, 1234.5);
    EXPECT_FALSE(ui::ParseCurrencyText(u"1.5", number, settings));
}

TEST(CurrencyText, ANumberNoDoubleHoldsFails) {
    const rtl::TFormatSettings& settings = rtl::TFormatSettings::Invariant();
    double number = -1;
    EXPECT_FALSE(ui::ParseCurrencyText(rtl::UnicodeString(400, u'9'), number, settings));
    EXPECT_EQ(number, 0);
}

} // namespace
