#include "ui/editors/choice/uiEditSupportRoutines.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/Variant.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "rtl/WindowsApi.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "vcl/graphics/Font.h"
#endif

namespace {

TEST(EditSupportRoutines, RectanglesOfNegativeExtentMeasureZero) {
    EXPECT_EQ(ui::RectWidthNonNegative({10, 0, 4, 0}), 0);
    EXPECT_EQ(ui::RectHeightNonNegative({0, 10, 0, 4}), 0);
    EXPECT_EQ(ui::RectWidthNonNegative({4, 2, 10, 9}), 6);
    EXPECT_EQ(ui::RectHeightNonNegative({4, 2, 10, 9}), 7);
    EXPECT_EQ(ui::RectWidthNonNegative({INT32_MIN, 0, INT32_MAX, 0}), INT32_MAX);
}

TEST(EditSupportRoutines, NullAndEmptyVariantsAreBlank) {
    EXPECT_TRUE(ui::IsVarNullOrEmpty(rtl::Variant()));
    EXPECT_TRUE(ui::IsVarNullOrEmpty(rtl::Variant::Null()));
    EXPECT_FALSE(ui::IsVarNullOrEmpty(rtl::Variant(u"")));
    EXPECT_FALSE(ui::IsVarNullOrEmpty(rtl::Variant(int32_t{0})));
}

TEST(EditSupportRoutines, IntegerTexts) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {{" 12 ", true}, {"-7", true},  {"$1F", true},  {"2147483647", true}, {"2147483648", false},
                 {"", false},    {"  ", false}, {"1.5", false}, {"12a", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ui::IsValidIntegerText(rtl::U16(c.text)), c.valid) << c.text;
    }
}

TEST(EditSupportRoutines, FloatTextsAreDigitsWithOneSeparatorAndALeadingMinus) {
    const rtl::TFormatSettings& settings = rtl::TFormatSettings::Invariant();
    const struct {
        const char* text;
        bool valid;
    } cases[] = {{" 12.5 ", true}, {"-0.25", true}, {"12.", true},  {".5", true},  {"1.2.3", false},
                 {"+1", false},    {"1e5", false},  {"1-", false},  {"-", false},  {".", false},
                 {"-.", false},    {"", false},     {"1,5", false}, {"1 5", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ui::IsValidFloatText(rtl::U16(c.text), settings), c.valid) << c.text;
    }
    EXPECT_TRUE(ui::IsValidFloatText(u"17" + rtl::UnicodeString(307, u'0'), settings));
    EXPECT_FALSE(ui::IsValidFloatText(u"18" + rtl::UnicodeString(307, u'0'), settings));
}

TEST(EditSupportRoutines, FloatTextsFollowTheDecimalSeparatorGiven) {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    EXPECT_TRUE(ui::IsValidFloatText(u"1,5", settings));
    EXPECT_FALSE(ui::IsValidFloatText(u"1.5", settings));
}

#ifdef _WIN32

LONG CanvasFontEscapement(ui::TuiCanvas& canvas) {
    LOGFONTW description{};
    GetObjectW(canvas.Font().Handle(), sizeof(description), &description);
    return description.lfEscapement;
}

TEST(EditSupportRoutines, ATrueTypeFontTurnsByTheNormalisedAngle) {
    ui_test::TCanvasSurface surface(20, 20);
    vcl::TFont font;
    font.SetName(u"SimSun");
    font.SetSize(10);
    font.SetColor(vcl::clRed);
    const struct {
        int32_t angle;
        LONG escapement;
    } cases[] = {{-90, 2700}, {450, 900}, {360, 0}, {45, 450}, {0, 0}};
    for (const auto& c : cases) {
        EXPECT_TRUE(ui::SelectRotatedFont(surface.Canvas, font, c.angle)) << c.angle;
        EXPECT_EQ(CanvasFontEscapement(surface.Canvas), c.escapement) << c.angle;
        EXPECT_EQ(surface.Canvas.Font().Color(), vcl::clRed) << c.angle;
    }
}

TEST(EditSupportRoutines, ARasterFontNeverTurns) {
    ui_test::TCanvasSurface surface(20, 20);
    vcl::TFont trueType;
    trueType.SetName(u"SimSun");
    ASSERT_TRUE(ui::SelectRotatedFont(surface.Canvas, trueType, 90));
    vcl::TFont font;
    font.SetName(u"Small Fonts");
    font.SetSize(7);
    EXPECT_FALSE(ui::SelectRotatedFont(surface.Canvas, font, 90));
    EXPECT_EQ(CanvasFontEscapement(surface.Canvas), 0);
}

#endif

} // namespace
