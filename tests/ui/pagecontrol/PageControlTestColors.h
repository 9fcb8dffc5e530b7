#pragma once
// Colours as the page control tests compare them with the pixels of a 32-bit surface.

#include "vcl/graphics/Colors.h"

namespace ui_test {

// The colour a 32-bit surface shows for color (system colours resolved).
inline vcl::TColor Rgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
}

} // namespace ui_test
