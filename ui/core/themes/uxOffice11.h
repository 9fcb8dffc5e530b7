#pragma once
// The Office 2003 look's colours: taken from the Windows XP visual style's colour scheme (blue, olive or silver, each
// a fixed table) when one is active, else derived from the system colours; the brushes and the expand-button bitmaps
// made from them while someone holds the colours; and the gradient fills, colour mixing, grip dots and size grip of
// that look. Gradients use msimg32's GradientFill where it exists and bands of solid colour elsewhere.

#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

// The colour schemes of the Windows XP standard themes.
enum TuxOffice11Scheme : uint8_t { uxOffice11NoScheme, uxOffice11Blue, uxOffice11Olive, uxOffice11Silver };

// The look's colour set, every colour an RGB value (system colours resolved when it was loaded).
struct TuxOffice11Colors {
    vcl::TColor Office11BarLightColor;
    vcl::TColor Office11BarDarkColor;
    vcl::TColor Office11FaceColor;
    vcl::TColor Office11AltFaceColor;
    vcl::TColor Office11GroupByBoxColor;
    vcl::TColor Office11GripDarkColor;
    vcl::TColor Office11GripLightColor;
    vcl::TColor Office11SeparatorDarkColor;
    vcl::TColor Office11SeparatorLightColor;
    vcl::TColor Office11FilterBoxColor;
    vcl::TColor Office11FilterBoxTextColor;
    vcl::TColor Office11FrameColor;
    vcl::TColor Office11HighlightBorderColor;
    vcl::TColor Office11HotColor1;
    vcl::TColor Office11HotColor2;
    vcl::TColor Office11PressedColor1;
    vcl::TColor Office11PressedColor2;
    vcl::TColor Office11GlyphColor;
    vcl::TColor Office11DisabledGlyphColor;
    vcl::TColor Office11GroupRowFaceColor;
    vcl::TColor Office11SelectedDayColor;
    vcl::TColor Office11PaneColor;
    vcl::TColor Office11ContainerFrameColor;
    vcl::TColor Office11GroupTextColor;
    vcl::TColor Office11GroupRowColor;
    vcl::TColor Office11GroupSeparatorColor;
};

// The two fixed colours of the expand buttons' corners.
inline constexpr vcl::TColor Office11ExpandButtonLightColor = 0xBFAE9E; // RGB(158, 174, 191)
inline constexpr vcl::TColor Office11ExpandButtonColor = 0x5F462E;      // RGB(46, 70, 95)

// The scheme of the current theme: none without visual styles or when the theme's names cannot be read; none for a
// theme other than luna before Windows major version 6; else by the colour name ("NORMALCOLOR", "HOMESTEAD",
// "METALLIC").
TuxOffice11Scheme DetectOffice11ColorScheme();
// The scheme the last load found, and whether it is in force (visual styles active and a scheme found).
TuxOffice11Scheme GetOffice11ColorScheme();
bool IsOffice11SchemeActive();
// The colour set of the last load.
const TuxOffice11Colors& Office11Colors();
// The percentage by which the scheme bends two-phase gradients.
int32_t Office11GradientPercent();

// Detects the scheme and fills the colour set from its table, or from the system colours.
void LoadOffice11SchemeColors();
// The first acquisition loads the colours and makes the brushes and bitmaps; the last drop frees them. Reload loads
// the colours again and, while they are held, makes the brushes and bitmaps anew (after a theme or colour change).
void AcquireOffice11Colors();
void ReloadOffice11Colors();
void DropOffice11Colors();
// How many hold the colours.
int32_t Office11ColorsReferenceCount();

// Brushes of the grip and separator colours, and the expand-button bitmaps (11 x 11); nullptr while the colours are
// not held.
HBRUSH Office11GripDarkBrush();
HBRUSH Office11GripLightBrush();
HBRUSH Office11SeparatorDarkBrush();
HBRUSH Office11SeparatorLightBrush();
vcl::TBitmap* Office11ExpandButtonBitmap(bool expanded);

// Per channel percent of colour1 and the rest of colour2 (at most 255), as the nearest screen colour.
vcl::TColor MixColors(vcl::TColor colour1, vcl::TColor colour2, int32_t percent);
// Each channel truncated to channel * percent / 100.
vcl::TColor ScaleColorByPercent(vcl::TColor color, int32_t percent);
// The colour the screen shows for color.
vcl::TColor NearestScreenColor(vcl::TColor color);
// The faces of hot and pressed buttons of the flat looks: weighted mixes of the system colours as the screen shows
// them.
vcl::TColor GetUltraFlatHotColor();
vcl::TColor GetUltraFlatPressedColor();

void FillRectWithColor(HDC dc, const vcl::TRect& rect, vcl::TColor color);
// A linear gradient from colour1 at the left (or top) to colour2 at the right (or bottom); solid for equal colours.
void PaintGradientRect(HDC dc, const vcl::TRect& rect, vcl::TColor colour1, vcl::TColor colour2, bool horizontal);
// A gradient in two straight phases that meet at the middle in a colour bent by the scheme's percentage.
void PaintTwoPhaseGradient(HDC dc, const vcl::TRect& rect, vcl::TColor colour1, vcl::TColor colour2, bool horizontal);
// A row (or, with column, a column) of 2 x 2 dots with a light shadow, every 4 pixels, in the grip brushes when
// firstBrush and secondBrush are nullptr.
void DrawGripDots(HDC dc, const vcl::TRect& rect, bool column, HBRUSH firstBrush = nullptr,
                  HBRUSH secondBrush = nullptr);
// The size grip: three, two and one dots in a triangle at rect's bottom-right; clDefault keeps the grip colours.
void DrawOffice11SizeGrip(HDC dc, const vcl::TRect& rect, vcl::TColor colour1 = vcl::clDefault,
                          vcl::TColor colour2 = vcl::clDefault);

// Whether gradients go through msimg32's GradientFill. Tests switch it off to see the software bands; it stays off
// where the function is missing. Returns the previous setting.
bool SetSystemGradientFillEnabled(bool enabled);

// Shut-down frees the brushes and bitmaps made from the colours.
void FinalizeOffice11Unit();

} // namespace ui
