// Colours, fonts, brushes and the canvas: system colours, size and height of fonts, turned fonts, change
// notification, and GDI objects selected into a device context while they change.

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/ui/DibSurface.h"
#include "vcl/graphics/Canvas.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The font with its handle replaced by one turned to escapement (tenths of a degree), as a canvas turns its font.
void TurnFont(vcl::TFont& font, int32_t escapement) {
    LOGFONTW description{};
    GetObjectW(font.Handle(), sizeof(description), &description);
    description.lfEscapement = escapement;
    description.lfOrientation = escapement;
    description.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    font.SetHandle(CreateFontIndirectW(&description));
}

int32_t EscapementOf(vcl::TFont& font) {
    LOGFONTW description{};
    GetObjectW(font.Handle(), sizeof(description), &description);
    return description.lfEscapement;
}

// The smallest rectangle holding every pixel of the surface that is not white.
vcl::TRect InkBounds(const ui_test::TDibSurface& surface) {
    vcl::TRect bounds{surface.Width(), surface.Height(), 0, 0};
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.Pixel(x, y) != vcl::clWhite) {
                bounds = {std::min(bounds.Left, x), std::min(bounds.Top, y), std::max(bounds.Right, x + 1),
                          std::max(bounds.Bottom, y + 1)};
            }
        }
    }
    return bounds;
}

TEST(Colors, SystemColoursFollowTheColourSchemeAndOthersStayAsTheyAre) {
    EXPECT_EQ(vcl::ColorToRGB(vcl::clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(vcl::ColorToRGB(vcl::clHighlight), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(vcl::ColorToRGB(vcl::clRed), 0x0000FFu);
    EXPECT_EQ(vcl::ColorToRGB(vcl::clNone), 0x1FFFFFFFu);
    EXPECT_EQ(vcl::ColorToRGB(vcl::clDefault), 0x20000000u);
}

TEST(Font, SizeAndHeightConvertAtThePixelsPerInch) {
    vcl::TFont font;
    EXPECT_EQ(font.PixelsPerInch(), 96);
    EXPECT_EQ(font.Size(), vcl::TFont::DefaultSize);
    EXPECT_EQ(font.Height(), -12);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetHeight(-24);
    EXPECT_EQ(font.Size(), 18);
}

TEST(Font, EachRealChangeNotifiesOnceAndGivesANewHandle) {
    vcl::TFont font;
    int changes = 0;
    font.SetOnChange([&](rtl::TObject*) { ++changes; });
    HFONT first = font.Handle();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(font.Handle(), first) << "made once";
    font.SetStyle({vcl::fsBold, vcl::fsItalic});
    font.SetStyle({vcl::fsBold, vcl::fsItalic});
    font.SetName(u"Tahoma");
    EXPECT_EQ(changes, 2);
    LOGFONTW description{};
    GetObjectW(font.Handle(), sizeof(description), &description);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EXPECT_TRUE(description.lfItalic);
    EXPECT_STREQ(description.lfFaceName, L"Tahoma");

    vcl::TFont copy;
    copy.Assign(&font);
    EXPECT_TRUE(copy.SameAs(font));
    copy.Assign(&font);
    font.Assign(&copy);
    EXPECT_EQ(changes, 2) << "assigning an equal font changes nothing";
}

TEST(Font, ATurnedFontDiffersFromItsUprightTwinAndAssignCarriesTheTurnBothWays) {
    vcl::TFont upright;
    vcl::TFont turned;
    TurnFont(turned, 2700);
    EXPECT_EQ(turned.Orientation(), 2700) << "read from the handle taken over";
    EXPECT_FALSE(turned.SameAs(upright));
    EXPECT_FALSE(upright.SameAs(turned));

    vcl::TFont copy;
    copy.Assign(&turned);
    EXPECT_EQ(EscapementOf(copy), 2700) << "the turn reaches an upright font";
    EXPECT_TRUE(copy.SameAs(turned));
    copy.Assign(&upright);
    EXPECT_EQ(EscapementOf(copy), 0) << "and an upright font undoes it";
    copy.SetOrientation(900);
    EXPECT_EQ(EscapementOf(copy), 900);
}

TEST(Canvas, FillsAndWritesWithItsBrushAndFont) {
    ui_test::TDibSurface surface(60, 30);
    surface.Fill(vcl::clWhite);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.Brush().SetColor(vcl::clBlue);
    canvas.FillRect(vcl::Rect(10, 5, 20, 15));
    EXPECT_EQ(surface.Pixel(10, 5), vcl::clBlue);
    EXPECT_EQ(surface.Pixel(20, 15), vcl::clWhite) << "the right and bottom edges lie outside";
    canvas.Font().SetName(u"宋体");
    canvas.Font().SetHeight(-12);
    const vcl::TSize latin = canvas.TextExtent(u"Qq");
    const vcl::TSize chinese = canvas.TextExtent(u"中文");
    EXPECT_GT(latin.cx, 0);
    EXPECT_GT(latin.cy, 0);
    EXPECT_GT(chinese.cx, latin.cx);
    canvas.SetHandle(nullptr);
}

TEST(Canvas, ChangingTheFontOrBrushWhileSelectedLeavesTheDeviceContextWithTheNewOnesOrItsOwn) {
    ui_test::TDibSurface surface(60, 30);
    HGDIOBJ ownFont = GetCurrentObject(surface.DC(), OBJ_FONT);
    HGDIOBJ ownBrush = GetCurrentObject(surface.DC(), OBJ_BRUSH);
    {
        vcl::TCanvas canvas;
        canvas.SetHandle(surface.DC());
        canvas.TextOut(0, 0, u"a");
        canvas.FillRect(vcl::Rect(0, 0, 5, 5));
        canvas.Font().SetSize(20);
        canvas.Brush().SetColor(vcl::clRed);
        EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_FONT), ownFont) << "the old font was selected out first";
        canvas.TextOut(0, 0, u"a");
        EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_FONT), canvas.Font().Handle());
        canvas.FillRect(vcl::Rect(0, 0, 5, 5));
        EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_BRUSH), canvas.Brush().Handle());
        EXPECT_EQ(surface.Pixel(0, 0), vcl::clRed);
    }
    EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_FONT), ownFont);
    EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_BRUSH), ownBrush);
}

TEST(Canvas, AFontTurnedElsewhereAndAssignedTurnsTheCanvasText) {
    vcl::TFont turned;
    turned.SetHeight(-16);
    TurnFont(turned, 2700);
    const auto inkOf = [](const vcl::TFont* font) {
        ui_test::TDibSurface surface(200, 200);
        surface.Fill(vcl::clWhite);
        vcl::TCanvas canvas;
        canvas.SetHandle(surface.DC());
        canvas.Font().SetHeight(-16);
        if (font) {
            canvas.Font().Assign(font);
        }
        canvas.TextOut(100, 100, u"WWWWWW");
        canvas.SetHandle(nullptr);
        GdiFlush();
        return InkBounds(surface);
    };
    const vcl::TRect upright = inkOf(nullptr);
    EXPECT_GT(upright.Width(), upright.Height());
    const vcl::TRect down = inkOf(&turned);
    EXPECT_GT(down.Height(), down.Width()) << "the text runs downwards";
    EXPECT_LE(down.Right, 100) << "its tops face right of the point it starts at";
}

TEST(Canvas, WithoutADeviceContextDrawingIsAnError) {
    vcl::TCanvas canvas;
    EXPECT_THROW(canvas.FillRect(vcl::Rect(0, 0, 1, 1)), rtl::EInvalidOperation);
}

} // namespace
