#pragma once
// TuiDrawParams: the appearance one part of a view is drawn with, resolved from styles and the view's defaults, and
// applied by the canvas and the painters. A value is unset when its reference is nullptr or its colour clDefault.

#include "vcl/graphics/Colors.h"

namespace vcl {
class TBitmap;
class TFont;
} // namespace vcl

namespace ui {

struct TuiDrawParams {
    // A background texture, tiled from the origin (not owned).
    vcl::TBitmap* Bitmap = nullptr;
    // The background colour.
    vcl::TColor Color = vcl::clDefault;
    // Not owned.
    vcl::TFont* Font = nullptr;
    vcl::TColor TextColor = vcl::clDefault;
};

} // namespace ui
