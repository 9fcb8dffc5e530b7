#include "ui/editors/text/currency/uiCurrencyEditProperties.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/editors/text/textedit/uiTextEditViewData.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"
#include "vcl/graphics/Colors.h"

#include <gtest/gtest.h>

namespace {

// Runs with '.' decimals, ',' thousands and two currency digits, whatever the machine's locale says.
class CurrencyEditProperties : public ::testing::Test {
protected:
    void SetUp() override {
        FSaved = rtl::FormatSettings();
        rtl::FormatSettings() = rtl::TFormatSettings::Invariant();
        rtl::FormatSettings().CurrencyDecimals = 2;
    }
    void TearDown() override { rtl::FormatSettings() = FSaved; }

    ui::TuiCurrencyEditProperties Properties{nullptr};

private:
    rtl::TFormatSettings FSaved;
};

TEST_F(CurrencyEditProperties, StartsNullableValidatingOnEnterWithTheLocaleDigits) {
    EXPECT_TRUE(Properties.Nullable());
    EXPECT_TRUE(Properties.NullString().empty());
    EXPECT_FALSE(Properties.UseThousandSeparator());
    EXPECT_TRUE(Properties.ValidateOnEnter());
    EXPECT_FALSE(Properties.IsDecimalPlacesAssigned());
    EXPECT_EQ(Properties.DecimalPlaces(), 2);
    rtl::FormatSettings().CurrencyDecimals = 3;
    EXPECT_EQ(Properties.DecimalPlaces(), 3);
    Properties.SetDecimalPlaces(1);
    EXPECT_EQ(Properties.DecimalPlaces(), 1);
    EXPECT_TRUE(Properties.IsDecimalPlacesAssigned());
    EXPECT_TRUE(Properties.SupportsRange());
    EXPECT_TRUE(Properties.UsesThousandSeparator(false) == Properties.UseThousandSeparator());
    Properties.SetUseThousandSeparator(true);
    EXPECT_TRUE(Properties.UsesThousandSeparator(false));
    EXPECT_FALSE(Properties.UsesThousandSeparator(true));
}

TEST_F(CurrencyEditProperties, AssignCopiesDecimalsOnlyWhenTheSourceAssignedThem) {
    ui::TuiCurrencyEditProperties source{nullptr};
    source.SetNullable(false);
    source.SetNullString(u"none");
    source.SetUseThousandSeparator(true);
    Properties.SetDecimalPlaces(4);
    Properties.Assign(&source);
    EXPECT_FALSE(Properties.IsDecimalPlacesAssigned());
    EXPECT_EQ(Properties.DecimalPlaces(), 2);
    EXPECT_FALSE(Properties.Nullable());
    EXPECT_EQ(Properties.NullString(), u"none");
    EXPECT_TRUE(Properties.UseThousandSeparator());
    source.SetDecimalPlaces(0);
    Properties.Assign(&source);
    EXPECT_TRUE(Properties.IsDecimalPlacesAssigned());
    EXPECT_EQ(Properties.DecimalPlaces(), 0);
}

TEST_F(CurrencyEditProperties, AnEmptyOrUnreadableTextIsNullOrACurrencyZero) {
    const char16_t* blanks[] = {u"", u"n/a", u"1,5", u"12,34", u"abc"};
    Properties.SetNullString(u"n/a");
    for (const char16_t* text : blanks) {
        rtl::Variant value = rtl::Variant(7.0);
        Properties.PrepareEditValue(text, value);
        EXPECT_TRUE(value.IsNull()) << rtl::UnicodeToUtf8(text);
        Properties.SetNullable(false);
        Properties.PrepareEditValue(text, value);
        EXPECT_EQ(value.VarType(), rtl::varCurrency) << rtl::UnicodeToUtf8(text);
        EXPECT_EQ(rtl::VarToDouble(value), 0.0);
        Properties.SetNullable(true);
    }
    rtl::Variant value;
    Properties.PrepareEditValue(u"1,234.5", value);
    EXPECT_EQ(value.VarType(), rtl::varDouble);
    EXPECT_EQ(rtl::VarToDouble(value), 1234.5);
}

TEST_F(CurrencyEditProperties, CheckTextValueTakesTheTrimmedNumberAndRefusesOtherText) {
    const struct {
        const char16_t* text;
        bool valid;
        double number;
    } cases[] = {
        {u" 12.5 ", true, 12.5}, {u"1,234.5", true, 1234.5}, {u"-3", true, -3},  {u"1,5", false, 0},
        {u"12,34", false, 0},    {u"x", false, 0},           {u"--1", false, 0},
    };
    for (const auto& c : cases) {
        rtl::Variant value{rtl::UnicodeString(c.text)};
        EXPECT_EQ(Properties.CheckTextValue(value, false), c.valid) << rtl::UnicodeToUtf8(c.text);
        if (c.valid) {
            EXPECT_EQ(rtl::VarToDouble(value), c.number);
        }
    }
    rtl::Variant huge{rtl::UnicodeString(400, u'9')};
    EXPECT_FALSE(Properties.CheckTextValue(huge, false));
}

TEST_F(CurrencyEditProperties, BlankValuesShowEmptyWhileEditingAndNullStringOrZeroOtherwise) {
    Properties.SetDisplayFormat(u"0.00;-0.00");
    Properties.SetNullString(u"-");
    rtl::Variant shown;
    for (const rtl::Variant& blank : {rtl::Variant::Null(), rtl::Variant(rtl::UnicodeString())}) {
        Properties.PrepareDisplayValue(blank, shown, true);
        EXPECT_EQ(rtl::VarToStr(shown), u"");
        Properties.PrepareDisplayValue(blank, shown, false);
        EXPECT_EQ(rtl::VarToStr(shown), u"-");
        Properties.SetNullable(false);
        Properties.PrepareDisplayValue(blank, shown, false);
        EXPECT_EQ(rtl::VarToStr(shown), u"0.00");
        Properties.SetNullable(true);
    }
    Properties.PrepareDisplayValue(rtl::Variant(1234.5), shown, false);
    EXPECT_EQ(rtl::VarToStr(shown), u"1234.50");
}

TEST_F(CurrencyEditProperties, AValueTheFormatsCannotTakeShowsAsItIsOrEmptyWhileEditing) {
    Properties.SetDisplayFormat(u"0.00;-0.00");
    const rtl::Variant date = rtl::Variant::FromDateTime(45000.0);
    rtl::Variant shown;
    Properties.PrepareDisplayValue(date, shown, false);
    EXPECT_EQ(shown.VarType(), date.VarType());
    Properties.PrepareDisplayValue(date, shown, true);
    EXPECT_EQ(rtl::VarToStr(shown), u"");
}

TEST_F(CurrencyEditProperties, TheEditFormGroupsThousandsOnlyWithTheThousandSeparator) {
    rtl::Variant shown;
    Properties.PrepareDisplayValue(rtl::Variant(1234567.5), shown, true);
    EXPECT_EQ(rtl::VarToStr(shown), u"1234567.5");
    Properties.SetUseThousandSeparator(true);
    Properties.PrepareDisplayValue(rtl::Variant(1234567.5), shown, true);
    EXPECT_EQ(rtl::VarToStr(shown), u"1,234,567.5");
    rtl::Variant text = shown;
    ASSERT_TRUE(Properties.CheckTextValue(text, true));
    EXPECT_EQ(rtl::VarToDouble(text), 1234567.5);
}

// The grid's amount cell: right-aligned, vertically centred, "0.00;-0.00", painted without any control.
class CurrencyCell : public CurrencyEditProperties {
protected:
    void SetUp() override {
        CurrencyEditProperties::SetUp();
        Properties.GetAlignment().SetHorz(vcl::taRightJustify);
        Properties.GetAlignment().SetVert(ui::taVCenter);
        Properties.SetDisplayFormat(u"0.00;-0.00");
        Style.SetIgnoresDefaultController(true);
        Style.SetBorderStyle(ui::ebsNone);
        Style.SetColor(vcl::clWhite);
        Style.SetTextColor(vcl::clBlack);
        Style.Font().SetName(u"Tahoma");
        Style.Font().SetSize(8);
        Data = Properties.CreateViewData(Style, true);
    }

    std::unique_ptr<ui_test::TCanvasSurface> Paint(const rtl::Variant& value) {
        auto on = std::make_unique<ui_test::TCanvasSurface>(CellWidth, CellHeight);
        Data->Calculate(on->Canvas, {0, 0, CellWidth, CellHeight}, false, Info, {}, std::nullopt, {-1, -1});
        Data->ApplyDisplayValue(on->Canvas, value, Info);
        Info.Paint(on->Canvas);
        return on;
    }

    static constexpr int CellWidth = 69;
    static constexpr int CellHeight = 24;
    ui::TuiEditStyle Style{nullptr, false};
    std::unique_ptr<ui::TuiCustomEditViewData> Data;
    ui::TuiCustomTextEditViewInfo Info;
};

TEST_F(CurrencyCell, AmountsShowTwoDecimalsAtTheRightEdgeVerticallyCentred) {
    const struct {
        rtl::Variant value;
        const char16_t* text;
    } cases[] = {{rtl::Variant(1234.5), u"1234.50"}, {rtl::Variant(-3.0), u"-3.00"}};
    for (const auto& c : cases) {
        auto on = Paint(c.value);
        EXPECT_EQ(Info.Text, c.text);
        const vcl::TRect ink = ui_test::InkBounds(on->Surface, vcl::clBlack);
        ASSERT_FALSE(ink.IsEmpty()) << rtl::UnicodeToUtf8(c.text);
        EXPECT_GT(ink.Right, CellWidth - 6);
        EXPECT_GT(ink.Left, CellWidth / 4);
        EXPECT_LE(std::abs((ink.Top - 0) - (CellHeight - ink.Bottom)), 3);
        auto again = Paint(c.value);
        EXPECT_EQ(on->Surface.Pixels(), again->Surface.Pixels());
    }
}

TEST_F(CurrencyCell, NullPaintsTheNullStringOrZeroWhenNotNullable) {
    auto on = Paint(rtl::Variant::Null());
    EXPECT_EQ(Info.Text, u"");
    EXPECT_TRUE(ui_test::InkBounds(on->Surface, vcl::clBlack).IsEmpty());
    Properties.SetNullable(false);
    Paint(rtl::Variant::Null());
    EXPECT_EQ(Info.Text, u"0.00");
}

} // namespace
