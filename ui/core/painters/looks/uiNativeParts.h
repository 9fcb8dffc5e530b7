#pragma once
// What the native look asks of the visual styles: the cached theme of an element type, drawing, sizes, content
// rectangles and colours of a part in a state, and the state numbers of the platform's parts for each button state.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/core/themes/uxUxTheme.h"

#include <cstdint>
#include <optional>

namespace ui {

// The theme of the type's class, or 0 when it does not open (visual styles off, class missing).
HTHEME NativeTheme(TuxThemedObjectType type);
void DrawNativePart(HTHEME theme, TuiCanvas& canvas, int32_t part, int32_t state, const vcl::TRect& rect,
                    const vcl::TRect* clipRect = nullptr);
// The part's size of sizeKind (uxThemeSizeTrue, Min or Draw, the last for rect); nothing when the theme cannot say.
std::optional<vcl::TSize> NativePartSize(HTHEME theme, int32_t part, int32_t state, int32_t sizeKind = uxThemeSizeTrue,
                                         const vcl::TRect* rect = nullptr);
// The content rectangle of the part drawn over bounds; bounds itself when the theme cannot say.
vcl::TRect NativeContentRect(HTHEME theme, int32_t part, int32_t state, const vcl::TRect& bounds);
// A colour property of the part (an RGB colour); nothing when the theme has none.
std::optional<vcl::TColor> NativeColor(HTHEME theme, int32_t part, int32_t state, int32_t property);

// The theme's colour properties the native look reads.
inline constexpr int32_t uxPropertyFillColor = 204;
inline constexpr int32_t uxPropertyBorderColor = 3801;
inline constexpr int32_t uxPropertyTextColor = 3803;

// State numbers of the platform's parts by button state.
int32_t PushButtonThemeState(TuiButtonState state);
int32_t CheckBoxThemeState(bool checked, TuiButtonState state);
int32_t HeaderItemThemeState(TuiButtonState state);
// The small close button, the drop-down button, tab items, scroll-bar thumbs and tracks.
int32_t PlainThemeState(TuiButtonState state);
int32_t ScrollArrowThemeState(TuiArrowDirection direction, TuiButtonState state);
int32_t NavigatorButtonThemeState(TuiButtonState state);
int32_t TrackBarThumbThemeState(TuiButtonState state);
// Normal, hot and pressed; default and disabled show as normal.
int32_t GroupExpanderThemeState(TuiButtonState state);
// The track-bar thumb part of shape (0 pointing up or left, 1 down or right, 2 a rectangle).
int32_t TrackBarThumbThemePart(int32_t shape, bool horizontal);

} // namespace ui
