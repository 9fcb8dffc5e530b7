#pragma once
// Colours the tab painters work out: brightness changes in the hue-saturation-brightness model, the lightened
// button face, which the painters' start-up computes once, and the six tab colours of the Office 2003 colour scheme in
// force, which the start-up loads and every change of the system colours loads again.

#include "vcl/graphics/Colors.h"

#include <cstdint>

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

// The scheme's tab colour 1 to 6 (the outlines of active and other tabs, white, the hot outline, and two faces);
// the system colours of the table without a scheme. An index out of range gives clNone.
vcl::TColor SchemeTabColor(int32_t index);

namespace detail {
// The painters' start-up: LightFaceColor is computed.
void ComputeLightFaceColor();
// The scheme's tab colours are loaded, and loaded again on every change of the system colours until the stop.
void StartSchemeTabColors();
void StopSchemeTabColors();
} // namespace detail

} // namespace ui
