#include "xls/core/base/Xc12Utils5.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>

namespace xls {
namespace {

TXc12ColorRec Color(uint8_t type, uint8_t index = 0, double tint = 0, uint32_t argb = 0) {
    TXc12ColorRec color;
    color.ColorType = type;
    color.Index = index;
    color.Tint = tint;
    color.ARGB = argb;
    return color;
}

TEST(Xc12Utils5Colors, ColorRecToRGB) {
    struct Case {
        const char* name;
        TXc12ColorRec color;
        uint32_t rgb;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"rgb", Color(exctRgb, 0, 0, 0xFF112233), 0x332211},
        {"rgb with the top bit", Color(exctRgb | 0x80, 0, 0, 0x00ABCDEF), 0xEFCDAB},
        {"theme 4", Color(exctTheme, 4), 0xBD814F},
        {"theme 11", Color(exctTheme, 11), 0x800080},
        {"white darkened by half", Color(exctTheme, 0, -0.5), 0x808080},
        {"black lightened by half", Color(exctTheme, 1, 0.5), 0x808080},
        {"not-a-number tint", Color(exctTheme, 4, nan), 0xBD814F},
        {"tint below -1", Color(exctTheme, 4, -7), 0},
        {"theme beyond the theme colours", Color(exctTheme, 12), 0},
        {"theme 255", Color(exctTheme, 255, 0.5), 0},
        {"indexed red", Color(exctIndexed, xcRed), 0x0000FF},
        {"indexed gray 80", Color(exctIndexed, xcGray80), 0x333333},
        {"indexed 65", Color(exctIndexed, 65), 0x0F000000},
        {"indexed beyond the palette", Color(exctIndexed, 66), 0},
        {"indexed 255", Color(exctIndexed, 255), 0},
        {"automatic", Color(exctAuto, 3, 0.5, 0xFF112233), 0},
        {"unassigned", Color(exctUnassigned, 3, 0, 0xFF112233), 0},
        {"unknown kind", Color(9, 3, 0, 0xFF112233), 0},
    };
    const TXc12Palette palette;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ColorRecToRGB(c.color, palette), c.rgb);
    }
    EXPECT_EQ(ColorRecToRGB(Color(exctTheme, 4, 9), palette), ColorRecToRGB(Color(exctTheme, 4, 1), palette));
}

// What a well-known spreadsheet program shows for the shades of the Office theme's first accent colour; the
// integer luminance steps land within two units of each channel.
TEST(Xc12Utils5Colors, ThemeTintsComeCloseToTheShadesUsersSee) {
    struct Case {
        double tint;
        uint32_t rgb;
    };
    const Case cases[] = {
        {0.79998168889431442, 0xF1E5DB}, {0.59999389629810485, 0xE4CCB8}, {0.39997558519241921, 0xD7B395},
        {-0.249977111117893, 0x926036},  {-0.499984740745262, 0x614024},
    };
    const TXc12Palette palette;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tint);
        const uint32_t rgb = ColorRecToRGB(Color(exctTheme, 4, c.tint), palette);
        for (int shift = 0; shift < 24; shift += 8) {
            const int channel = static_cast<int>((rgb >> shift) & 0xFF);
            const int expected = static_cast<int>((c.rgb >> shift) & 0xFF);
            EXPECT_LE(std::abs(channel - expected), 2) << "shift " << shift;
        }
    }
}

TEST(Xc12Utils5Colors, RGBToHLS) {
    struct Case {
        uint32_t rgb;
        TXc12HLSColor hls;
    };
    const Case cases[] = {
        {0x000000, {0, 0, 0}},
        {0xFFFFFF, {0, 255, 0}},
        {0x808080, {0, 128, 0}},
        {0x0000FF, {0, 127, 255}},
        {0x00FF00, {85, 127, 255}},
        {0xFF0000, {170, 127, 255}},
        // Red is the largest and blue above green: the negative hue wraps round.
        {0xFF00FF, {214, 127, 255}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rgb);
        EXPECT_EQ(RGBToHLS(c.rgb), c.hls);
    }
}

// The integer steps lose a little on the way there and back (more for hues near the wrap, which the table above
// covers instead).
TEST(Xc12Utils5Colors, HLSToRGBComesBackNearTheColour) {
    for (const uint32_t rgb : {0x000000u, 0xFFFFFFu, 0x808080u, 0xBD814Fu, 0x59BB9Bu, 0x4696F7u, 0x0000FFu}) {
        SCOPED_TRACE(rgb);
        const uint32_t back = HLSToRGB(RGBToHLS(rgb));
        for (int shift = 0; shift < 24; shift += 8) {
            EXPECT_LE(std::abs(static_cast<int>((back >> shift) & 0xFF) - static_cast<int>((rgb >> shift) & 0xFF)), 3);
        }
    }
}

TEST(Xc12Utils5Colors, EachPaletteKeepsItsOwnColours) {
    TXc12Palette first;
    const TXc12Palette second;
    first.SetColor(xcRed, 0x123456);
    first.SetColor(TXc12Palette::Count, 0x654321);
    first.SetColor(-1, 0x654321);
    EXPECT_EQ(first.GetColor(xcRed), 0x123456u);
    EXPECT_EQ(second.GetColor(xcRed), 0x0000FFu);
    EXPECT_EQ(ColorRecToRGB(Color(exctIndexed, xcRed), first), 0x123456u);
    EXPECT_EQ(ColorRecToRGB(Color(exctIndexed, xcRed), second), 0x0000FFu);
    EXPECT_EQ(first.GetColor(TXc12Palette::Count), 0u);
    EXPECT_EQ(first.GetColor(-1), 0u);
    first.Reset();
    EXPECT_EQ(first.GetColor(xcRed), 0x0000FFu);
}

TEST(Xc12Utils5Colors, MakeIndexedColorRec) {
    struct Case {
        int32_t index;
        uint8_t storedIndex;
        uint32_t rgb;
    };
    const Case cases[] = {
        {xcRed, xcRed, 0xABCDEF}, {0, 0, 0}, {64, 64, 0x0F000000}, {65, 64, 0xF0000000}, {70, 64, 0xF0000000},
        {-1, 64, 0xF0000000},
    };
    TXc12Palette palette;
    palette.SetColor(xcRed, 0xABCDEF);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        TXc12ColorRec color = Color(exctTheme, 9, 0.5, 0x11);
        MakeIndexedColorRec(c.index, palette, color);
        EXPECT_EQ(color.ColorType, exctIndexed);
        EXPECT_EQ(color.Index, c.storedIndex);
        EXPECT_EQ(color.RGB, c.rgb);
        EXPECT_EQ(color.Tint, 0);
    }

    TXc12ColorRec automatic = Color(exctTheme, 9, 0.5);
    MakeAutoColorRec(0x123456, automatic);
    EXPECT_EQ(automatic.ColorType, exctAuto);
    EXPECT_EQ(automatic.RGB, 0x123456u);
    EXPECT_EQ(automatic.Tint, 0);
}

TEST(Xc12Utils5Colors, SameColorRecAndColoursThatAreSameHashAlike) {
    struct Case {
        const char* name;
        TXc12ColorRec a;
        TXc12ColorRec b;
        bool same;
    };
    TXc12ColorRec indexedWithOtherRGB = Color(exctIndexed, 5);
    indexedWithOtherRGB.RGB = 0x123456;
    TXc12ColorRec automaticWithOtherRGB = Color(exctAuto);
    automaticWithOtherRGB.RGB = 0x123456;
    const Case cases[] = {
        {"tints 0.5 and 0.50005", Color(exctTheme, 4, 0.5), Color(exctTheme, 4, 0.50005), true},
        {"tints either side of a rounding step", Color(exctTheme, 4, 0.00004), Color(exctTheme, 4, 0.00006), true},
        {"tints 0.5 and 0.5002", Color(exctTheme, 4, 0.5), Color(exctTheme, 4, 0.5002), false},
        {"other theme colour", Color(exctTheme, 4), Color(exctTheme, 5), false},
        {"indexed", Color(exctIndexed, 5), indexedWithOtherRGB, true},
        {"other index", Color(exctIndexed, 5), Color(exctIndexed, 6), false},
        {"rgb", Color(exctRgb, 0, 0, 0xFF112233), Color(exctRgb, 1, 0.3, 0xFF112233), true},
        {"other rgb", Color(exctRgb, 0, 0, 0xFF112233), Color(exctRgb, 0, 0, 0xFF112234), false},
        {"automatic", Color(exctAuto), automaticWithOtherRGB, true},
        {"unassigned", Color(exctUnassigned), Color(exctUnassigned), false},
        {"top bit on one side", Color(exctTheme | 0x80, 4), Color(exctTheme, 4), false},
        {"top bit on both sides", Color(exctTheme | 0x80, 4, 0.2), Color(exctTheme | 0x80, 4, 0.20001), true},
        {"other kinds", Color(exctIndexed, 4), Color(exctTheme, 4), false},
        {"unknown kind", Color(9, 1), Color(9, 2), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SameColorRec(c.a, c.b), c.same);
        EXPECT_EQ(SameColorRec(c.b, c.a), c.same);
        if (c.same) {
            EXPECT_EQ(HashColorRec(c.a), HashColorRec(c.b));
        }
    }
    EXPECT_NE(HashColorRec(Color(exctRgb, 0, 0, 0xFF112233)), HashColorRec(Color(exctRgb, 0, 0, 0xFF445566)));
    EXPECT_NE(HashColorRec(Color(exctIndexed, 5)), HashColorRec(Color(exctIndexed, 6)));
}

} // namespace
} // namespace xls
