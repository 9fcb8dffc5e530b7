#include "ui/core/graphics/uiPixelOps.h"

#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/objects/uxException.h"
#include "ui/core/system/uxSystemInfo.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

struct TPixelChannels {
    int32_t B;
    int32_t G;
    int32_t R;
    int32_t A;
};

TPixelChannels ChannelsOf(uint32_t pixel) {
    return {static_cast<int32_t>(pixel & 0xFF), static_cast<int32_t>(pixel >> 8 & 0xFF),
            static_cast<int32_t>(pixel >> 16 & 0xFF), static_cast<int32_t>(pixel >> 24)};
}

uint32_t PixelOf(int32_t b, int32_t g, int32_t r, int32_t a) {
    return static_cast<uint32_t>(GetChannelValue(b)) | static_cast<uint32_t>(GetChannelValue(g)) << 8 |
           static_cast<uint32_t>(GetChannelValue(r)) << 16 | static_cast<uint32_t>(GetChannelValue(a)) << 24;
}

// The grey weights are single-precision constants, as the pixel operations have always used them.
struct TGreyWeights {
    float Red;
    float Green;
    float Blue;
};

constexpr TGreyWeights LuminanceWeights{0.299f, 0.587f, 0.114f};
constexpr TGreyWeights GreenWeightedWeights{0.0729f, 0.7146f, 0.2125f};

uint32_t GreyPixel(uint32_t pixel, const TGreyWeights& weights) {
    const TPixelChannels c = ChannelsOf(pixel);
    const int32_t grey =
        GetChannelValue(static_cast<double>(weights.Red) * c.R + static_cast<double>(weights.Green) * c.G +
                        static_cast<double>(weights.Blue) * c.B);
    return PixelOf(grey, grey, grey, c.A);
}

uint32_t LightenPixel(uint32_t pixel) {
    const TPixelChannels c = ChannelsOf(pixel);
    if (c.A == 255) {
        const auto lighten = [](int32_t v) { return v + MulDiv(255 - v, 3, 10); };
        return PixelOf(lighten(c.B), lighten(c.G), lighten(c.R), c.A);
    }
    const auto scale = [](int32_t v) { return MulDiv(v, 200, 255); };
    return PixelOf(scale(c.B), scale(c.G), scale(c.R), scale(c.A));
}

uint32_t DisabledPixel(uint32_t pixel, uint32_t shadow) {
    uint32_t grey = GreyPixel(pixel, LuminanceWeights);
    constexpr uint8_t disabledFactor = 238;
    BlendPixel(shadow, grey, disabledFactor);
    return grey;
}

uint32_t AverageGreyPixel(uint32_t pixel) {
    const TPixelChannels c = ChannelsOf(pixel);
    const int32_t grey = (c.R + c.G + c.B) / 3;
    return PixelOf(grey, grey, grey, c.A);
}

uint32_t OperatedPixel(uint32_t pixel, TuiPixelOperation operation, const TuiPixelTransparency& transparency,
                       uint32_t disabledShadow) {
    const bool transparent = transparency.IsTransparent(pixel);
    switch (operation) {
    case TuiPixelOperation::Lighten:
        return transparent ? pixel : LightenPixel(pixel);
    case TuiPixelOperation::Disable:
        return transparent ? pixel : DisabledPixel(pixel, disabledShadow);
    case TuiPixelOperation::AverageGrey:
        return transparent ? pixel : AverageGreyPixel(pixel);
    case TuiPixelOperation::Opaque:
        return pixel | 0xFF000000u;
    case TuiPixelOperation::Mask:
        return transparent ? 0xFFFFFFFFu : 0;
    case TuiPixelOperation::LuminanceGrey:
        return transparent ? pixel : GreyPixel(pixel, LuminanceWeights);
    case TuiPixelOperation::WeightedGrey:
        return transparent ? pixel : GreyPixel(pixel, GreenWeightedWeights);
    case TuiPixelOperation::FixAlpha:
        return !transparent && (pixel >> 24) == 0 ? pixel | 0xFF000000u : pixel;
    case TuiPixelOperation::FillBackground:
        return transparency.BackgroundColor;
    case TuiPixelOperation::ClearAlpha:
        return pixel & 0x00FFFFFFu;
    }
    throw EuxException(u"Unknown pixel operation");
}

uint32_t Channel(uint32_t rgb, int shift) {
    return rgb >> shift & 0xFF;
}

} // namespace

uint8_t GetChannelValue(int32_t v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

uint8_t GetChannelValue(double v) {
    return static_cast<uint8_t>(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

uint32_t ColorToBGRA(vcl::TColor color, uint8_t alpha) {
    const uint32_t rgb = ColorToRGB(color);
    return Channel(rgb, 16) | Channel(rgb, 8) << 8 | Channel(rgb, 0) << 16 | static_cast<uint32_t>(alpha) << 24;
}

void BlendPixel(uint32_t source, uint32_t& destination, uint8_t factor) {
    const TPixelChannels s = ChannelsOf(source);
    const TPixelChannels d = ChannelsOf(destination);
    const double scale = factor / 255.0;
    const double sourceAlpha = scale * s.A;
    const double keep = 1 - sourceAlpha / 255;
    const auto blend = [&](int32_t sourceChannel, int32_t destinationChannel) {
        return GetChannelValue(scale * sourceChannel + destinationChannel * keep);
    };
    destination = static_cast<uint32_t>(blend(s.B, d.B)) | static_cast<uint32_t>(blend(s.G, d.G)) << 8 |
                  static_cast<uint32_t>(blend(s.R, d.R)) << 16 |
                  static_cast<uint32_t>(GetChannelValue(sourceAlpha + keep * d.A)) << 24;
}

bool TuiPixelTransparency::IsTransparent(uint32_t pixel) const {
    return pixel == BackgroundColor || std::find(Colors.begin(), Colors.end(), pixel & 0xFFFFFF) != Colors.end();
}

void ApplyPixelOperation(TRGBColors& pixels, TuiPixelOperation operation, const TuiPixelTransparency& transparency) {
    constexpr uint8_t disabledShadowAlpha = 0xC0;
    const uint32_t disabledShadow =
        operation == TuiPixelOperation::Disable ? ColorToBGRA(vcl::clBtnShadow, disabledShadowAlpha) : 0;
    for (uint32_t& pixel : pixels) {
        pixel = OperatedPixel(pixel, operation, transparency, disabledShadow);
    }
}

TRGBColors RotatePixels(const TRGBColors& pixels, int32_t& width, int32_t& height, TuiRotationAngle angle, bool flip) {
    const int32_t w = width;
    const int32_t h = height;
    const bool quarterTurn = angle == TuiRotationAngle::CounterClockwise || angle == TuiRotationAngle::Clockwise;
    const int32_t newWidth = quarterTurn ? h : w;
    TRGBColors rotated(pixels.size());
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            int32_t row = y;
            int32_t column = x;
            switch (angle) {
            case TuiRotationAngle::None:
                row = flip ? h - 1 - y : y;
                break;
            case TuiRotationAngle::CounterClockwise:
                row = flip ? x : w - 1 - x;
                column = y;
                break;
            case TuiRotationAngle::Clockwise:
                row = flip ? w - 1 - x : x;
                column = h - 1 - y;
                break;
            case TuiRotationAngle::HalfTurn:
                row = flip ? y : h - 1 - y;
                column = w - 1 - x;
                break;
            }
            rotated[static_cast<size_t>(row) * newWidth + column] = pixels[static_cast<size_t>(y) * w + x];
        }
    }
    if (quarterTurn) {
        width = h;
        height = w;
    }
    return rotated;
}

vcl::TColor MixSystemColorsWeighted(int8_t faceWeight, int8_t highlightWeight, int8_t windowWeight) {
    const uint32_t face = ColorToRGB(vcl::clBtnFace);
    const uint32_t highlight = ColorToRGB(vcl::clHighlight);
    if (face == 0 || face == 0xFFFFFF) {
        return static_cast<vcl::TColor>(highlight);
    }
    const uint32_t window = ColorToRGB(vcl::clWindow);
    uint32_t mixed = 0;
    for (const int shift : {0, 8, 16}) {
        const int32_t channel = MulDiv(static_cast<int32_t>(Channel(face, shift)), faceWeight, 100) +
                                MulDiv(static_cast<int32_t>(Channel(highlight, shift)), highlightWeight, 100) +
                                MulDiv(static_cast<int32_t>(Channel(window, shift)), windowWeight, 100);
        mixed |= static_cast<uint32_t>(GetChannelValue(channel)) << shift;
    }
    return static_cast<vcl::TColor>(mixed);
}

} // namespace ui
