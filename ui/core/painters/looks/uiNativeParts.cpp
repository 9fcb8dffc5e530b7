#include "ui/core/painters/looks/uiNativeParts.h"

#include <array>

namespace ui {

HTHEME NativeTheme(TuxThemedObjectType type) {
    return OpenThemeOfType(type);
}

void DrawNativePart(HTHEME theme, TuiCanvas& canvas, int32_t part, int32_t state, const vcl::TRect& rect,
                    const vcl::TRect* clipRect) {
    UxTheme().DrawThemeBackground(theme, canvas.Handle(), part, state, rect, clipRect);
}

std::optional<vcl::TSize> NativePartSize(HTHEME theme, int32_t part, int32_t state, int32_t sizeKind,
                                         const vcl::TRect* rect) {
    vcl::TSize size{};
    if (UxTheme().GetThemePartSize(theme, nullptr, part, state, rect, sizeKind, size) != 0) {
        return std::nullopt;
    }
    return size;
}

vcl::TRect NativeContentRect(HTHEME theme, int32_t part, int32_t state, const vcl::TRect& bounds) {
    vcl::TRect content = bounds;
    if (UxTheme().GetThemeBackgroundContentRect(theme, nullptr, part, state, bounds, content) != 0) {
        return bounds;
    }
    return content;
}

std::optional<vcl::TColor> NativeColor(HTHEME theme, int32_t part, int32_t state, int32_t property) {
    uint32_t color = 0;
    if (UxTheme().GetThemeColor(theme, part, state, property, color) != 0) {
        return std::nullopt;
    }
    return static_cast<vcl::TColor>(color);
}

namespace {

// Default, normal, hot, pressed, disabled.
using TNativeStateMap = std::array<int32_t, 5>;

int32_t MapNativeState(const TNativeStateMap& map, TuiButtonState state) {
    return map.at(state);
}

} // namespace

int32_t PushButtonThemeState(TuiButtonState state) {
    return MapNativeState({5, 1, 2, 3, 4}, state);
}

int32_t CheckBoxThemeState(bool checked, TuiButtonState state) {
    return MapNativeState({1, 1, 2, 3, 4}, state) + (checked ? 4 : 0);
}

int32_t HeaderItemThemeState(TuiButtonState state) {
    return MapNativeState({1, 1, 2, 3, 1}, state);
}

int32_t PlainThemeState(TuiButtonState state) {
    return MapNativeState({1, 1, 2, 3, 4}, state);
}

int32_t ScrollArrowThemeState(TuiArrowDirection direction, TuiButtonState state) {
    // Up, down, left and right each take four states in that order.
    return static_cast<int32_t>(direction) * 4 + PlainThemeState(state);
}

int32_t NavigatorButtonThemeState(TuiButtonState state) {
    return MapNativeState({2, 2, 5, 3, 4}, state);
}

int32_t TrackBarThumbThemeState(TuiButtonState state) {
    return MapNativeState({2, 1, 2, 3, 5}, state);
}

int32_t GroupExpanderThemeState(TuiButtonState state) {
    return MapNativeState({1, 1, 2, 3, 1}, state);
}

int32_t TrackBarThumbThemePart(int32_t shape, bool horizontal) {
    // Horizontal bars: top-pointing 5, bottom-pointing 4, rectangular 3; vertical: left 7, right 8, rectangular 6.
    constexpr std::array<int32_t, 3> horizontalParts = {5, 4, 3};
    constexpr std::array<int32_t, 3> verticalParts = {7, 8, 6};
    const size_t index = shape >= 0 && shape < 3 ? static_cast<size_t>(shape) : 2;
    return horizontal ? horizontalParts[index] : verticalParts[index];
}

} // namespace ui
