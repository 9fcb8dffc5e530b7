#include "ui/pagecontrol/painters/uiPCPainterColors.h"

#include "ui/core/system/uxSystemInfo.h"

#include <algorithm>
#include <cstdint>

namespace ui {

namespace {

vcl::TColor LightFace = vcl::clBtnFace;

int32_t Red(uint32_t rgb) {
    return static_cast<int32_t>(rgb & 0xFF);
}

int32_t Green(uint32_t rgb) {
    return static_cast<int32_t>((rgb >> 8) & 0xFF);
}

int32_t Blue(uint32_t rgb) {
    return static_cast<int32_t>((rgb >> 16) & 0xFF);
}

vcl::TColor FromChannels(double red, double green, double blue) {
    return static_cast<vcl::TColor>(static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) |
                                    (static_cast<uint32_t>(blue) << 16));
}

} // namespace

TuiHsbColor ColorToHsb(vcl::TColor color) {
    const uint32_t rgb = ColorToRGB(color);
    const double red = Red(rgb);
    const double green = Green(rgb);
    const double blue = Blue(rgb);
    const double max = std::max({red, green, blue});
    const double min = std::min({red, green, blue});
    TuiHsbColor hsb;
    hsb.Brightness = max * 100 / 255;
    hsb.Saturation = max == 0 ? 0 : 100 - min * 100 / max;
    if (hsb.Saturation == 0) {
        return hsb;
    }
    if (max == red) {
        hsb.Hue = (green - blue) * 60 / (max - min);
    } else if (max == green) {
        hsb.Hue = (blue - red) * 60 / (max - min) + 120;
    } else {
        hsb.Hue = (red - green) * 60 / (max - min) + 240;
    }
    if (hsb.Hue < 0) {
        hsb.Hue += 360;
    }
    return hsb;
}

vcl::TColor HsbToColor(const TuiHsbColor& hsb) {
    if (hsb.Brightness == 0) {
        return vcl::clBlack;
    }
    const double max = hsb.Brightness * 255 / 100;
    const double min = max * (100 - hsb.Saturation) / 100;
    const double delta = max - min;
    const double hue = hsb.Hue;
    if (hue <= 60) {
        return FromChannels(max, min + delta * hue / 60, min);
    }
    if (hue <= 120) {
        return FromChannels(max - delta * (hue - 60) / 60, max, min);
    }
    if (hue <= 180) {
        return FromChannels(min, max, min + delta * (hue - 120) / 60);
    }
    if (hue <= 240) {
        return FromChannels(min, max - delta * (hue - 180) / 60, max);
    }
    if (hue <= 300) {
        return FromChannels(min + delta * (hue - 240) / 60, min, max);
    }
    return FromChannels(max, min, max - delta * (hue - 300) / 60);
}

vcl::TColor AdjustBrightness(vcl::TColor color, int32_t percent) {
    TuiHsbColor hsb = ColorToHsb(color);
    hsb.Brightness = std::clamp(hsb.Brightness * (100 + percent) / 100, 0.0, 100.0);
    return HsbToColor(hsb);
}

vcl::TColor LightenedFaceColor(vcl::TColor color) {
    const uint32_t rgb = ColorToRGB(color);
    const auto lighten = [](int32_t channel) { return channel > 235 ? 255 : channel + 20; };
    return FromChannels(lighten(Red(rgb)), lighten(Green(rgb)), lighten(Blue(rgb)));
}

vcl::TColor LightFaceColor() {
    return LightFace;
}

namespace detail {

void ComputeLightFaceColor() {
    LightFace = LightenedFaceColor(vcl::clBtnFace);
}

} // namespace detail

} // namespace ui
