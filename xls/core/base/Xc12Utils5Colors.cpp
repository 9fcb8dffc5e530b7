#include "xls/core/base/Xc12Utils5.h"

#include <algorithm>
#include <cmath>

namespace xls {

namespace {

// Windows RGB values (0x00BBGGRR). Entries 8 to 63 are the default BIFF8 palette of MS-XLS; 64 and 65 stand
// for the system's window text and window background.
constexpr std::array<uint32_t, TXc12Palette::Count> DefaultPalette = {
    0x000000,   0x000000,   0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, // 0
    0x000000,   0xFFFFFF,   0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, // 8
    0x000080,   0x008000,   0x800000, 0x008080, 0x800080, 0x808000, 0xC0C0C0, 0x808080, // 16
    0xFF9999,   0x663399,   0xCCFFFF, 0xFFFFCC, 0x660066, 0x8080FF, 0xCC6600, 0xFFCCCC, // 24
    0x800000,   0xFF00FF,   0x00FFFF, 0xFFFF00, 0x800080, 0x000080, 0x808000, 0xFF0000, // 32
    0xFFCC00,   0xFFFFCC,   0xCCFFCC, 0x99FFFF, 0xFFCC99, 0xCC99FF, 0xFF99CC, 0x99CCFF, // 40
    0xFF6633,   0xCCCC33,   0x00CC99, 0x00CCFF, 0x0099FF, 0x0066FF, 0x996666, 0x969696, // 48
    0x663300,   0x669933,   0x003300, 0x003333, 0x003399, 0x663399, 0x993333, 0x333333, // 56
    0x0F000000, 0x0F000000,                                                             // 64
};

// The Office theme's colours in SpreadsheetML's theme order (light 1, dark 1, light 2, dark 2, accents 1 to 6,
// hyperlink, followed hyperlink), as Windows RGB values.
constexpr std::array<uint32_t, TXc12Palette::ThemeColorCount> ThemeColors = {
    0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0,
    0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7, 0xFF0000, 0x800080,
};

static_assert(xcAutomatic == 64 && TXc12Palette::Count == xcAutomatic + 2);

// What an indexed colour outside the palette's indexes resolves to.
constexpr uint32_t InvalidIndexedRGB = 0xF0000000u;

constexpr double SameTintTolerance = 0.0001;

uint8_t ColorKind(const TXc12ColorRec& color) {
    return color.ColorType & 0x7F;
}

int32_t Red(uint32_t rgb) {
    return rgb & 0xFF;
}

int32_t Green(uint32_t rgb) {
    return (rgb >> 8) & 0xFF;
}

int32_t Blue(uint32_t rgb) {
    return (rgb >> 16) & 0xFF;
}

// The hue on a 0 to 255 circle; a negative value wraps round.
uint8_t Hue(int32_t r, int32_t g, int32_t b, int32_t max, int32_t delta) {
    int32_t hue;
    if (r == max) {
        hue = (g - b) * 256 / delta / 6;
    } else if (g == max) {
        hue = ((b - r) * 256 / delta + 512) / 6;
    } else {
        hue = ((r - g) * 256 / delta + 1024) / 6;
    }
    return static_cast<uint8_t>(hue);
}

// One channel of HLSToRGB for its hue position h (0 to 256).
int32_t Channel(int32_t h, int32_t m1, int32_t m2) {
    const int32_t k = (m2 - m1) * 6;
    int32_t value;
    if (h < 43) {
        value = m1 + k * h / 256;
    } else if (h < 128) {
        value = m2;
    } else if (h < 171) {
        value = m1 + k * (170 - h) / 256;
    } else {
        value = m1;
    }
    return std::clamp(value, 0, 255);
}

uint32_t MakeRGB(int32_t r, int32_t g, int32_t b) {
    return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}

// 0xAARRGGBB to 0x00BBGGRR.
uint32_t ARGBToRGB(uint32_t argb) {
    return MakeRGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

} // namespace

TXc12Palette::TXc12Palette() : FColors(DefaultPalette) {}

void TXc12Palette::Reset() {
    FColors = DefaultPalette;
}

uint32_t TXc12Palette::GetColor(int32_t index) const {
    return index >= 0 && index < Count ? FColors[static_cast<size_t>(index)] : 0;
}

void TXc12Palette::SetColor(int32_t index, uint32_t rgb) {
    if (index >= 0 && index < Count) {
        FColors[static_cast<size_t>(index)] = rgb;
    }
}

uint32_t TXc12Palette::ThemeColor(int32_t index) const {
    return index >= 0 && index < ThemeColorCount ? ThemeColors[static_cast<size_t>(index)] : 0;
}

uint32_t ColorRecToRGB(const TXc12ColorRec& color, const TXc12Palette& palette) {
    switch (ColorKind(color)) {
    case exctIndexed:
        return palette.GetColor(color.Index);
    case exctRgb:
        return ARGBToRGB(color.ARGB);
    case exctTheme:
        if (color.Index >= TXc12Palette::ThemeColorCount) {
            return 0;
        }
        return TintRGB(palette.ThemeColor(color.Index), color.Tint);
    default:
        return 0;
    }
}

void MakeIndexedColorRec(int32_t index, const TXc12Palette& palette, TXc12ColorRec& color) {
    color = {};
    color.ColorType = exctIndexed;
    if (index < 0 || index > xcAutomatic) {
        color.Index = xcAutomatic;
        color.RGB = InvalidIndexedRGB;
        return;
    }
    color.Index = static_cast<uint8_t>(index);
    color.RGB = palette.GetColor(index);
}

void MakeAutoColorRec(uint32_t rgb, TXc12ColorRec& color) {
    color = {};
    color.RGB = rgb;
}

bool SameColorRec(const TXc12ColorRec& a, const TXc12ColorRec& b) {
    if (a.ColorType != b.ColorType) {
        return false;
    }
    switch (ColorKind(a)) {
    case exctIndexed:
        return a.Index == b.Index;
    case exctRgb:
        return a.ARGB == b.ARGB;
    case exctTheme:
        return a.Index == b.Index && std::fabs(a.Tint - b.Tint) <= SameTintTolerance;
    case exctUnassigned:
        return false;
    default:
        return true;
    }
}

uint32_t HashColorRec(const TXc12ColorRec& color) {
    const uint8_t kind = ColorKind(color);
    switch (kind) {
    case exctAuto:
        return 1;
    case exctIndexed:
    case exctTheme:
        return kind + color.Index;
    case exctRgb:
        return kind + color.ARGB;
    default:
        return kind;
    }
}

TXc12HLSColor RGBToHLS(uint32_t rgb) {
    const int32_t r = Red(rgb);
    const int32_t g = Green(rgb);
    const int32_t b = Blue(rgb);
    const int32_t max = std::max({r, g, b});
    const int32_t min = std::min({r, g, b});
    const int32_t luminance = (max + min) / 2;
    if (max == min) {
        return {0, static_cast<uint8_t>(luminance), 0};
    }
    const int32_t delta = max - min;
    const int32_t sum = max + min;
    const int32_t saturation = luminance < 128 ? delta * 256 / sum : delta * 256 / (512 - sum);
    return {Hue(r, g, b, max, delta), static_cast<uint8_t>(luminance), static_cast<uint8_t>(std::min(saturation, 255))};
}

uint32_t HLSToRGB(const TXc12HLSColor& hls) {
    const int32_t h = hls.Hue;
    const int32_t l = hls.Luminance;
    const int32_t s = hls.Saturation;
    if (s == 0) {
        return MakeRGB(l, l, l);
    }
    const int32_t m2 = l < 128 ? l * (s + 256) / 256 : l + s - l * s / 256;
    const int32_t m1 = 2 * l - m2;
    const int32_t redHue = h + 85 > 256 ? h - 171 : h + 85;
    const int32_t blueHue = h - 85 < 0 ? h + 171 : h - 85;
    return MakeRGB(Channel(redHue, m1, m2), Channel(h, m1, m2), Channel(blueHue, m1, m2));
}

uint32_t TintRGB(uint32_t rgb, double tint) {
    if (std::isnan(tint) || tint == 0) {
        return rgb;
    }
    tint = std::clamp(tint, -1.0, 1.0);
    TXc12HLSColor hls = RGBToHLS(rgb);
    const double luminance = hls.Luminance;
    // The default rounding mode rounds halves to even.
    const double tinted = tint > 0 ? luminance * (1 - tint) + 255 * tint : luminance * (1 + tint);
    hls.Luminance = static_cast<uint8_t>(std::clamp(std::nearbyint(tinted), 0.0, 255.0));
    return HLSToRGB(hls);
}

} // namespace xls
