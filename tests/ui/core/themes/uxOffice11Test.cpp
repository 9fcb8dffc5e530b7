// The Office 2003 colour scheme by injected theme names and pinned systems, its colour sets, the gradients, the grip
// dots and the held brushes and bitmaps.

#include "ui/core/themes/uxOffice11.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/themes/ThemeApiDouble.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace ui {
namespace {

constexpr vcl::TColor Rgb(int red, int green, int blue) {
    return red | green << 8 | blue << 16;
}

int RedOf(vcl::TColor color) {
    return color & 0xFF;
}

// Every test may pin the theme's names and the system; afterwards the colours are those of the machine again.
class uxOffice11 : public testing::Test {
protected:
    void TearDown() override {
        Api.reset();
        System.reset();
        SetSystemGradientFillEnabled(true);
        ReloadOffice11Colors();
    }

    void PinTheme(const char16_t* fileName, const char16_t* colorName, ui::TuxOSVersion version) {
        System = std::make_unique<ui_test::TPinnedSystemInfo>(version);
        Api->FileName = fileName;
        Api->ColorName = colorName;
    }

    std::unique_ptr<ui_test::TThemeApiDouble> Api = std::make_unique<ui_test::TThemeApiDouble>();
    std::unique_ptr<ui_test::TPinnedSystemInfo> System;
};

constexpr TuxOSVersion WindowsXP{uxPlatformWinNT, 5, 1};
constexpr TuxOSVersion WindowsVista{uxPlatformWinNT, 6, 0};
constexpr TuxOSVersion Windows7{uxPlatformWinNT, 6, 1};
constexpr char16_t LunaFile[] = u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";

TEST_F(uxOffice11, TheSchemeFollowsTheThemesColourNameOnLunaOrFromWindowsVistaOn) {
    const struct {
        const char16_t* FileName;
        const char16_t* ColorName;
        TuxOSVersion Version;
        TuxOffice11Scheme Scheme;
    } cases[] = {
        {LunaFile, u"NormalColor", WindowsXP, uxOffice11Blue},
        {LunaFile, u"HomeStead", WindowsXP, uxOffice11Olive},
        {u"luna.msstyles", u"metallic", WindowsXP, uxOffice11Silver},
        {LunaFile, u"Blue", WindowsXP, uxOffice11NoScheme},
        {u"C:\\WINDOWS\\Resources\\Themes\\Royale\\Royale.msstyles", u"NormalColor", WindowsXP, uxOffice11NoScheme},
        {u"C:\\Themes\\aero.msstyles", u"NormalColor", WindowsVista, uxOffice11Blue},
        {u"C:\\windows\\resources\\themes\\light\\light.msstyles", u"Blue", Windows7, uxOffice11NoScheme},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::PrintToString(rtl::UnicodeString(test.ColorName)));
        PinTheme(test.FileName, test.ColorName, test.Version);
        EXPECT_EQ(DetectOffice11ColorScheme(), test.Scheme);
        LoadOffice11SchemeColors();
        EXPECT_EQ(GetOffice11ColorScheme(), test.Scheme);
        EXPECT_EQ(IsOffice11SchemeActive(), test.Scheme != uxOffice11NoScheme);
    }
}

TEST_F(uxOffice11, WithoutVisualStylesThereIsNoScheme) {
    PinTheme(LunaFile, u"NormalColor", WindowsXP);
    Api->StylesOff = true;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
    EXPECT_EQ(DetectOffice11ColorScheme(), uxOffice11NoScheme);
    LoadOffice11SchemeColors();
    EXPECT_FALSE(IsOffice11SchemeActive());
    EXPECT_EQ(Office11GradientPercent(), 75);
}

TEST_F(uxOffice11, EachSchemeTakesItsTable) {
    const struct {
        const char16_t* ColorName;
        vcl::TColor Face;
        vcl::TColor BarDark;
        vcl::TColor HighlightBorder;
        vcl::TColor GroupByBox;
        vcl::TColor SeparatorLight;
        int32_t GradientPercent;
    } schemes[] = {
        {u"NormalColor", Rgb(158, 190, 245), Rgb(129, 169, 226), Rgb(0, 0, 128), Rgb(62, 109, 185), Rgb(241, 249, 255),
         41},
        {u"HomeStead", Rgb(217, 217, 167), Rgb(183, 198, 145), Rgb(63, 93, 56), Rgb(139, 158, 126), Rgb(244, 247, 222),
         125},
        {u"Metallic", Rgb(215, 215, 229), Rgb(153, 151, 181), Rgb(75, 75, 111), Rgb(133, 131, 161), Rgb(255, 255, 255),
         40},
    };
    for (const auto& scheme : schemes) {
        SCOPED_TRACE(testing::PrintToString(rtl::UnicodeString(scheme.ColorName)));
        PinTheme(LunaFile, scheme.ColorName, WindowsXP);
        LoadOffice11SchemeColors();
        const TuxOffice11Colors& colors = Office11Colors();
        EXPECT_EQ(colors.Office11FaceColor, scheme.Face);
        EXPECT_EQ(colors.Office11BarDarkColor, scheme.BarDark);
        EXPECT_EQ(colors.Office11HighlightBorderColor, scheme.HighlightBorder);
        EXPECT_EQ(colors.Office11GroupByBoxColor, scheme.GroupByBox) << "half of slot 4 and half of slot 11";
        EXPECT_EQ(colors.Office11SeparatorLightColor, scheme.SeparatorLight);
        EXPECT_EQ(colors.Office11FilterBoxTextColor, vcl::clWhite);
        EXPECT_EQ(colors.Office11GroupRowColor, Rgb(253, 238, 201));
        EXPECT_EQ(colors.Office11HotColor1, Rgb(255, 244, 204));
        EXPECT_EQ(colors.Office11PressedColor2, Rgb(254, 145, 78));
        EXPECT_EQ(Office11GradientPercent(), scheme.GradientPercent);
    }
}

TEST_F(uxOffice11, WithoutASchemeTheColoursComeFromTheSystemColours) {
    PinTheme(u"light.msstyles", u"Blue", Windows7);
    System->PinColor(vcl::clBtnFace, Rgb(200, 200, 200));
    System->PinColor(vcl::clWindow, Rgb(255, 255, 255));
    System->PinColor(vcl::clBtnShadow, Rgb(100, 100, 100));
    System->PinColor(vcl::clHighlight, Rgb(0, 0, 128));
    System->PinColor(vcl::clGrayText, Rgb(120, 121, 122));
    LoadOffice11SchemeColors();
    const TuxOffice11Colors& colors = Office11Colors();
    EXPECT_EQ(colors.Office11FaceColor, Rgb(200, 200, 200));
    // 22 % of the face and 78 % of the window, per channel.
    EXPECT_EQ(colors.Office11BarLightColor, Rgb(243, 243, 243));
    EXPECT_EQ(colors.Office11GroupByBoxColor, Rgb(150, 150, 150));
    EXPECT_EQ(colors.Office11HighlightBorderColor, Rgb(0, 0, 128));
    EXPECT_EQ(colors.Office11DisabledGlyphColor, Rgb(120, 121, 122));
    EXPECT_EQ(colors.Office11GroupRowColor, Rgb(200, 200, 200));
    // Face -2 %, highlight 30 %, window 72 %.
    EXPECT_EQ(colors.Office11HotColor1, Rgb(180, 180, 218));
    EXPECT_EQ(colors.Office11HotColor2, colors.Office11HotColor1);
    EXPECT_EQ(Office11GradientPercent(), 75);
}

TEST_F(uxOffice11, MixingTakesThePercentOfTheFirstColour) {
    EXPECT_EQ(MixColors(Rgb(200, 100, 0), Rgb(0, 100, 200), 25), Rgb(50, 100, 150));
    EXPECT_EQ(MixColors(vcl::clWhite, vcl::clWhite, 60), vcl::clWhite) << "rounding never passes 255";
    EXPECT_EQ(ScaleColorByPercent(Rgb(255, 101, 9), 50), Rgb(127, 50, 4));
}

// The red channel of every pixel of a one-row surface.
std::vector<int> RedRow(const ui_test::TDibSurface& surface) {
    std::vector<int> row;
    for (int x = 0; x < surface.Width(); ++x) {
        row.push_back(RedOf(surface.Pixel(x, 0)));
    }
    return row;
}

TEST_F(uxOffice11, ASoftwareGradientPaintsAtMost256BandsThatFillTheRectangle) {
    SetSystemGradientFillEnabled(false);
    ui_test::TDibSurface surface(300, 1);
    surface.Fill(vcl::clWhite);
    PaintGradientRect(surface.DC(), {0, 0, 300, 1}, vcl::clBlack, vcl::clRed, true);
    const std::vector<int> row = RedRow(surface);
    // Band i has red i (the colours run 0 to 255 in 256 bands) and ends at MulDiv(i + 1, 300, 256).
    int start = 0;
    for (int band = 0; band < 256; ++band) {
        const int end = static_cast<int>((static_cast<int64_t>(band + 1) * 300 * 2 + 256) / 512);
        ASSERT_LT(start, end) << band;
        for (int x = start; x < end; ++x) {
            ASSERT_EQ(row[static_cast<size_t>(x)], band) << x;
        }
        start = end;
    }
    EXPECT_EQ(start, 300);

    ui_test::TDibSurface column(1, 10);
    PaintGradientRect(column.DC(), {0, 0, 1, 10}, vcl::clBlack, vcl::clRed, true);
    EXPECT_TRUE(ui_test::AllPixelsAre(column, {0, 0, 1, 10}, vcl::clBlack)) << "one band takes the first colour";
}

TEST_F(uxOffice11, EqualColoursFillSolidAndTheSystemGradientRunsFromColourToColour) {
    ui_test::TDibSurface surface(40, 20);
    const auto face = static_cast<vcl::TColor>(ColorToRGB(vcl::clBtnFace));
    PaintGradientRect(surface.DC(), {0, 0, 40, 20}, vcl::clBtnFace, face, false);
    EXPECT_TRUE(ui_test::AllPixelsAre(surface, {0, 0, 40, 20}, face));

    ui_test::TDibSurface row(200, 1);
    PaintGradientRect(row.DC(), {0, 0, 200, 1}, vcl::clBlack, vcl::clRed, true);
    const std::vector<int> reds = RedRow(row);
    EXPECT_LE(reds.front(), 2);
    EXPECT_GE(reds.back(), 253);
    EXPECT_TRUE(std::is_sorted(reds.begin(), reds.end()));
}

TEST_F(uxOffice11, ATwoPhaseGradientMeetsTheBentMiddleColourHalfWay) {
    Api->StylesOff = true;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
    LoadOffice11SchemeColors();
    ui_test::TDibSurface surface(100, 1);
    PaintTwoPhaseGradient(surface.DC(), {0, 0, 100, 1}, vcl::clBlack, vcl::clRed, true);
    const std::vector<int> row = RedRow(surface);
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[50], 96) << "0 - MulDiv(0 - 255, 75, 200)";
    EXPECT_EQ(row[99], 255);
    EXPECT_TRUE(std::is_sorted(row.begin(), row.end()));
}

// The top-left pixels of the dots that DrawGripDots drew in red (the first brush).
std::vector<vcl::TPoint> DotCorners(const ui_test::TDibSurface& surface) {
    std::vector<vcl::TPoint> corners;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const bool red = surface.Pixel(x, y) == vcl::clRed;
            const bool redLeft = x > 0 && surface.Pixel(x - 1, y) == vcl::clRed;
            const bool redAbove = y > 0 && surface.Pixel(x, y - 1) == vcl::clRed;
            if (red && !redLeft && !redAbove) {
                corners.push_back({x, y});
            }
        }
    }
    return corners;
}

TEST_F(uxOffice11, GripDotsFollowEachOtherEveryFourPixelsFromACentredStart) {
    const vcl::TBrushHandle red(CreateSolidBrush(RGB(255, 0, 0)));
    const vcl::TBrushHandle blue(CreateSolidBrush(RGB(0, 0, 255)));
    const struct {
        int Width;
        int FirstX;
        int Count;
    } rows[] = {{12, 0, 3}, {13, 1, 3}, {14, 1, 3}, {15, 1, 3}, {16, 0, 4}, {3, 1, 1}};
    for (const auto& test : rows) {
        SCOPED_TRACE(test.Width);
        ui_test::TDibSurface surface(20, 4);
        surface.Fill(vcl::clWhite);
        DrawGripDots(surface.DC(), {0, 0, test.Width, 3}, false, red.Get(), blue.Get());
        const std::vector<vcl::TPoint> corners = DotCorners(surface);
        ASSERT_EQ(corners.size(), static_cast<size_t>(test.Count));
        for (int i = 0; i < test.Count; ++i) {
            EXPECT_EQ(corners[static_cast<size_t>(i)], (vcl::TPoint{test.FirstX + 4 * i, 0}));
        }
        // Each dot's light shadow shows below and to the right of it.
        EXPECT_EQ(surface.Pixel(test.FirstX + 2, 2), vcl::clBlue);
    }

    ui_test::TDibSurface column(4, 12);
    column.Fill(vcl::clWhite);
    DrawGripDots(column.DC(), {0, 0, 3, 12}, true, red.Get(), blue.Get());
    EXPECT_EQ(DotCorners(column), (std::vector<vcl::TPoint>{{0, 0}, {0, 4}, {0, 8}}));
}

TEST_F(uxOffice11, TheSizeGripIsATriangleOfSixDotsInTheCorner) {
    ui_test::TDibSurface surface(20, 20);
    surface.Fill(vcl::clWhite);
    DrawOffice11SizeGrip(surface.DC(), {0, 0, 20, 20}, vcl::clRed, vcl::clBlue);
    EXPECT_EQ(DotCorners(surface),
              (std::vector<vcl::TPoint>{{16, 9}, {12, 13}, {16, 13}, {8, 17}, {12, 17}, {16, 17}}));
}

TEST_F(uxOffice11, HeldColoursKeepTheirBrushesAndBitmaps) {
    const int32_t held = Office11ColorsReferenceCount();
    ASSERT_GE(held, 1) << "the painters' colour listener holds them";
    AcquireOffice11Colors();
    AcquireOffice11Colors();
    DropOffice11Colors();
    EXPECT_EQ(Office11ColorsReferenceCount(), held + 1);
    ASSERT_NE(Office11GripDarkBrush(), nullptr);
    EXPECT_NE(Office11SeparatorLightBrush(), nullptr);
    DropOffice11Colors();
    EXPECT_EQ(Office11ColorsReferenceCount(), held);

    PinTheme(LunaFile, u"HomeStead", WindowsXP);
    ReloadOffice11Colors();
    LOGBRUSH brush{};
    GetObjectW(Office11GripDarkBrush(), sizeof(brush), &brush);
    EXPECT_EQ(brush.lbColor, static_cast<COLORREF>(Rgb(81, 94, 51))) << "made anew in the olive grip colour";
}

TEST_F(uxOffice11, TheExpandButtonsAreElevenPixelsSquareWithTheirSign) {
    vcl::TBitmap* minus = Office11ExpandButtonBitmap(true);
    vcl::TBitmap* plus = Office11ExpandButtonBitmap(false);
    ASSERT_NE(minus, nullptr);
    ASSERT_NE(plus, nullptr);
    EXPECT_EQ(minus->Width(), 11);
    EXPECT_EQ(plus->Height(), 11);
    const vcl::TColor sign = minus->Canvas().Pixel(5, 5);
    EXPECT_EQ(plus->Canvas().Pixel(5, 5), sign);
    EXPECT_EQ(plus->Canvas().Pixel(5, 3), sign) << "the plus has its upright bar";
    EXPECT_NE(minus->Canvas().Pixel(5, 3), sign);
    EXPECT_EQ(minus->Canvas().Pixel(10, 10), Office11ExpandButtonColor) << "the dark corner";
}

} // namespace
} // namespace ui
