#pragma once
// Colours the tab painters work out: brightness changes in the hue-saturation-brightness model, and the lightened
// button face, which the painters' start-up computes once.

#include "vcl/graphics/Colors.h"

namespace ui {

// Hue in degrees (0 up to 360), saturation and brightness in percent.
struct TuiHsbColor {
    double Hue = 0;
    double Saturation = 0;
    double Brightness = 0;
};

// System colours are resolved first.
TuiHsbColor ColorToHsb(vcl::TColor color);
// Each channel truncated.
vcl::TColor HsbToColor(const TuiHsbColor& hsb);
// The brightness multiplied by (100 + percent) / 100, kept within 0 and 100.
vcl::TColor AdjustBrightness(vcl::TColor color, int32_t percent);

// color's RGB channels each 20 lighter, a channel above 235 becoming 255.
vcl::TColor LightenedFaceColor(vcl::TColor color);
// The button face lightened as it was when the painters started; a later system colour change keeps it.
vcl::TColor LightFaceColor();

namespace detail {
// The painters' start-up: LightFaceColor is computed.
void ComputeLightFaceColor();
} // namespace detail

} // namespace ui
