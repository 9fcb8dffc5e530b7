#include "ui/editors/dropdown/popup/uiEditPopupPanelLayout.h"

#include <algorithm>

namespace ui {

namespace {

vcl::TRect EditPopupInnerRect(const TuiEditPopupPanelSettings& s) {
    const int32_t border = EditPopupBorderWidth(s.Look, s.SysPanelHeight == 0);
    const int32_t shadow = s.Shadow ? EditPopupShadowSize : 0;
    return {border, border, s.WindowSize.cx - border - shadow, s.WindowSize.cy - border - shadow};
}

// A box of size in the inner rectangle's corner.
vcl::TRect BoxInCorner(const vcl::TRect& inner, vcl::TSize size, TuiEditPopupGripCorner corner) {
    const int32_t left = IsEditPopupGripAtLeft(corner) ? inner.Left : inner.Right - size.cx;
    const int32_t top = IsEditPopupGripAtTop(corner) ? inner.Top : inner.Bottom - size.cy;
    return {left, top, left + size.cx, top + size.cy};
}

void PlaceEditPopupGrip(const TuiEditPopupPanelSettings& s, TuiEditPopupPanelLayout& layout) {
    vcl::TSize size{s.MeasuredPanelHeight - 2, s.MeasuredPanelHeight - 2};
    if (s.ThemedSizeBox.cx > 0 && s.ThemedSizeBox.cy > 0)
        size = {std::max(size.cx, s.ThemedSizeBox.cx + 2), std::max(size.cy, s.ThemedSizeBox.cy + 2)};
    layout.GripHitRect = BoxInCorner(layout.InnerRect, size, s.GripCorner);
    // The drawn grip keeps two pixels from the popup's outer sides.
    vcl::TRect& grip = layout.GripRect = layout.GripHitRect;
    if (IsEditPopupGripAtLeft(s.GripCorner))
        grip.Left += 2;
    else
        grip.Right -= 2;
    if (IsEditPopupGripAtTop(s.GripCorner))
        grip.Top += 2;
    else
        grip.Bottom -= 2;
}

void PlaceEditPopupCloseButton(const TuiEditPopupPanelSettings& s, TuiEditPopupPanelLayout& layout) {
    const bool themed = s.ThemedCloseButton.cx > 0 && s.ThemedCloseButton.cy > 0;
    const vcl::TSize size =
        themed ? s.ThemedCloseButton : vcl::TSize{s.MeasuredPanelHeight - 4, s.MeasuredPanelHeight - 4};
    const int32_t margin = themed ? 1 : 3;
    const vcl::TRect& inner = layout.InnerRect;
    const int32_t left = IsEditPopupGripAtLeft(s.GripCorner) ? inner.Right - margin - size.cx : inner.Left + margin;
    const int32_t fromEdge = themed ? (s.SysPanelHeight - size.cy) / 2 : 2;
    const int32_t top = IsEditPopupGripAtTop(s.GripCorner) ? inner.Top + fromEdge : inner.Bottom - fromEdge - size.cy;
    layout.CloseButtonRect = {left, top, left + size.cx, top + size.cy};
}

} // namespace

TuiEditPopupPanelLayout EditPopupPanelLayout(const TuiEditPopupPanelSettings& settings) {
    TuiEditPopupPanelLayout layout;
    layout.InnerRect = EditPopupInnerRect(settings);
    if (settings.SysPanelHeight == 0)
        return layout;
    if (settings.Sizeable)
        PlaceEditPopupGrip(settings, layout);
    if (settings.CloseButton)
        PlaceEditPopupCloseButton(settings, layout);
    return layout;
}

} // namespace ui
