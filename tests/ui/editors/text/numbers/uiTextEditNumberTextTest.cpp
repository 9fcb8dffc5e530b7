#include "ui/editors/text/numbers/uiTextEditNumberText.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"

#include <gtest/gtest.h>

namespace {

rtl::UnicodeString WithThousandSeparators(const char* text, const rtl::TFormatSettings& settings) {
    rtl::UnicodeString result = rtl::U16(text);
    ui::InsertThousandSeparators(result, settings);
    return result;
}

TEST(TextEditNumberText, ThousandSeparatorsGoIntoTheIntegerPart) {
    const rtl::TFormatSettings& settings = rtl::TFormatSettings::Invariant();
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"1234567", "1,234,567"},
        {"-1234.5", "-1,234.5"},
        {"1234E5", "1,234E5"},
        {"123", "123"},
        {"1234", "1,234"},
        {"123456", "123,456"},
        {"-123", "-123"},
        {"1,2,3,4", "1,234"},
        {"  12345  ", "  12,345  "},
        {"0.123456", "0.123456"},
        {"12345e-3", "12,345e-3"},
        {"", ""},
        {"   ", "   "},
        {"abc", "abc"},
        {"x1234", "x1,234"},
        {".5", ".5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithThousandSeparators(c.text, settings), rtl::U16(c.expected)) << c.text;
    }
}

TEST(TextEditNumberText, TheSettingsChooseTheSeparators) {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    EXPECT_EQ(WithThousandSeparators("1234567,891", settings), u"1.234.567,891");
    EXPECT_EQ(WithThousandSeparators("1.234.567", settings), u"1.234.567");
}

TEST(TextEditNumberText, TheExponentIsCutOffAtItsFirstLetter) {
    rtl::UnicodeString text = u"1.5E+10";
    EXPECT_EQ(ui::ExtractExponentPart(text), u"E+10");
    EXPECT_EQ(text, u"1.5");
    rtl::UnicodeString plain = u"15";
    EXPECT_EQ(ui::ExtractExponentPart(plain), u"");
    EXPECT_EQ(plain, u"15");
}

} // namespace
