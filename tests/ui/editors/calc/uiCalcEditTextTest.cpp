#include "ui/editors/calc/uiCalcEditText.h"

#include "rtl/numbers/FormatSettings.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

const rtl::TFormatSettings& Invariant() {
    return rtl::TFormatSettings::Invariant();
}

rtl::TFormatSettings German() {
    rtl::TFormatSettings settings = Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    return settings;
}

TEST(uiCalcEditText, ValuesShowInTheirForm) {
    struct TCase {
        long double Value;
        int32_t Precision;
        bool Scientific;
        bool Thousands;
        const char16_t* Text;
    };
    const TCase cases[] = {
        {1500, 15, true, false, u"1.5E+3"},
        {1, 15, true, false, u"1E+0"},
        {-0.00125L, 15, true, false, u"-1.25E-3"},
        {1234567, 15, false, true, u"1,234,567"},
        {1234567.5L, 15, false, true, u"1,234,567.5"},
        // Thousands are not grouped in the exponent form.
        {1234567, 15, true, true, u"1.234567E+6"},
        {1234567, 15, false, false, u"1234567"},
        {0.1L, 15, false, false, u"0.1"},
        // Precision 0 counts as 15; a small precision rounds.
        {2.0L / 3, 0, false, false, u"0.666666666666667"},
        {2.0L / 3, 3, false, false, u"0.667"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(rtl::UnicodeString(c.Text),
                  CalcEditValueText(c.Value, c.Precision, c.Scientific, c.Thousands, Invariant()));
    }
    EXPECT_EQ(u"1,5E+3", CalcEditValueText(1500, 15, true, false, German()));
    EXPECT_EQ(u"1.234.567,5", CalcEditValueText(1234567.5L, 15, false, true, German()));
}

TEST(uiCalcEditText, OnlyNumbersThatFitADoubleAreTaken) {
    struct TCase {
        const char16_t* Text;
        bool Acceptable;
    };
    const TCase cases[] = {
        {u"12.5", true},     {u"-12", true},    {u"1E308", true},   {u"1E309", false}, {u"1.7E308", true},
        {u"1.8E308", false}, {u"5E-324", true}, {u"1E-325", false}, {u"0", true},      {u"1,234.5", true},
        {u"-", false},       {u"1e", false},    {u"12a", false},    {u"", false},      {u"1.2.3", false},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(c.Acceptable, IsAcceptableCalcEditText(c.Text, Invariant())) << rtl::UnicodeString(c.Text).size();
    }
    EXPECT_TRUE(IsAcceptableCalcEditText(u"1.234,5", German()));
    EXPECT_TRUE(IsCalcEditValueInRange(0));
    EXPECT_FALSE(IsCalcEditValueInRange(1E400L));
    EXPECT_FALSE(IsCalcEditValueInRange(-1E-400L));
}

TEST(uiCalcEditText, NumberCharactersFollowTheLocale) {
    for (const char16_t c : {u'0', u'9', u'+', u'-', u'e', u'E', u'.'}) {
        EXPECT_TRUE(IsCalcEditNumberChar(c, Invariant())) << int32_t{c};
    }
    for (const char16_t c : {u'a', u' ', u',', u'$'}) {
        EXPECT_FALSE(IsCalcEditNumberChar(c, Invariant())) << int32_t{c};
    }
    EXPECT_TRUE(IsCalcEditNumberChar(u',', German()));
    EXPECT_FALSE(IsCalcEditNumberChar(u'.', German()));
}

} // namespace
} // namespace ui
