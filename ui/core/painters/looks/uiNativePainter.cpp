// The native look: its identity and colours, arrows, frames, buttons, expand boxes, check boxes and radio glyphs, and
// themed text.

#include "ui/core/painters/looks/uiNativePainter.h"

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/core/painters/looks/uiNativeParts.h"

#include <algorithm>

namespace ui {

namespace {

// The square the theme's content rectangles are measured in.
constexpr vcl::TRect NativeMeasureRect{0, 0, 100, 100};

uint32_t ThemedTextFlags(const TuiTextLayout& layout, bool showPrefix) {
    // DT_CENTER, DT_RIGHT, DT_VCENTER, DT_BOTTOM, DT_WORDBREAK, DT_SINGLELINE, DT_NOPREFIX, DT_EDITCONTROL and
    // DT_END_ELLIPSIS, as DrawThemeText reads them.
    uint32_t flags = 0x2000;
    if (layout.Horizontal == vcl::taCenter) {
        flags |= 0x1;
    } else if (layout.Horizontal == vcl::taRightJustify) {
        flags |= 0x2;
    }
    if (layout.Vertical == vaCenter) {
        flags |= 0x4;
    } else if (layout.Vertical == vaBottom) {
        flags |= 0x8;
    }
    flags |= layout.MultiLine ? 0x10 : 0x20;
    if (layout.EndEllipsis) {
        flags |= 0x8000;
    }
    if (!showPrefix) {
        flags |= 0x800;
    }
    return flags;
}

} // namespace

const TuiWinXPLookAndFeelPainter& TuiWinXPLookAndFeelPainter::Instance() {
    static const TuiWinXPLookAndFeelPainter instance;
    return instance;
}

void TuiWinXPLookAndFeelPainter::PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       const vcl::TRect& arrowRect, bool isNext,
                                                       TuiButtonState state) const {
    HTHEME theme = NativeTheme(totTab);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintNavigationButton(canvas, rect, arrowRect, isNext, state);
        return;
    }
    // A tab item turned on its side, drawn over what lies beneath.
    TuiBitmap turned(rect.Width(), rect.Height(), vcl::pf32bit);
    turned.Canvas().CopyRectFrom(turned.GetClientRect(), canvas, rect);
    turned.Rotate(isNext ? TuiRotationAngle::Clockwise : TuiRotationAngle::CounterClockwise);
    DrawNativePart(theme, turned.Canvas(), 1, PlainThemeState(state), turned.GetClientRect());
    turned.Rotate(isNext ? TuiRotationAngle::CounterClockwise : TuiRotationAngle::Clockwise);
    canvas.CopyRectFrom(rect, turned.Canvas(), turned.GetClientRect());
    PaintNavigationArrow(canvas, arrowRect, isNext, ButtonGlyphColor(state, vcl::clDefault));
}

TuiPainterStyleKind TuiWinXPLookAndFeelPainter::StyleKind() const {
    return pskNative;
}

bool TuiWinXPLookAndFeelPainter::IsThemedStyle() const {
    return AreVisualStylesActive();
}

vcl::TColor TuiWinXPLookAndFeelPainter::ContainerFrameColor() const {
    HTHEME theme = NativeTheme(totComboBox);
    const std::optional<vcl::TColor> border = theme ? NativeColor(theme, 1, 1, uxPropertyBorderColor) : std::nullopt;
    return border ? *border : TuiStandardLookAndFeelPainter::ContainerFrameColor();
}

vcl::TColor TuiWinXPLookAndFeelPainter::EventContentColor() const {
    return 0xD5FFFF; // RGB(255, 255, 213)
}

void TuiWinXPLookAndFeelPainter::PaintArrowButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                  TuiArrowDirection direction, bool drawFrame) const {
    if (HTHEME theme = NativeTheme(totScrollBar)) {
        DrawNativePart(theme, canvas, 1, ScrollArrowThemeState(direction, state), rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintArrowButton(canvas, rect, state, direction, drawFrame);
}

void TuiWinXPLookAndFeelPainter::PaintArrowButtonFace(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      TuiButtonState state) const {
    if (HTHEME theme = NativeTheme(totButton)) {
        DrawNativePart(theme, canvas, 1, PushButtonThemeState(state), rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintArrowButtonFace(canvas, rect, state);
}

int32_t TuiWinXPLookAndFeelPainter::FrameWidth() const {
    return NativeTheme(totListView) ? 1 : TuiStandardLookAndFeelPainter::FrameWidth();
}

void TuiWinXPLookAndFeelPainter::PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    HTHEME theme = NativeTheme(totListView);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintFrame(canvas, rect);
        return;
    }
    // Only the list view's one-pixel border: its inside stays out of the clip region meanwhile.
    canvas.PushClipRegion();
    canvas.ExcludeClipArea(InflateRectBy(rect, -1, -1));
    DrawNativePart(theme, canvas, 5, 0, rect);
    canvas.PopClipRegion();
}

void TuiWinXPLookAndFeelPainter::PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const {
    if (HTHEME theme = NativeTheme(totToolBar)) {
        DrawNativePart(theme, canvas, horizontal ? 5 : 6, 1, rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintSeparatorLine(canvas, rect, horizontal);
}

vcl::TRect TuiWinXPLookAndFeelPainter::ButtonGroupItemRect(const vcl::TRect& rect, int32_t buttonCount,
                                                           int32_t buttonIndex) const {
    const vcl::TRect item = TuiStandardLookAndFeelPainter::ButtonGroupItemRect(rect, buttonCount, buttonIndex);
    HTHEME theme = NativeTheme(totButton);
    if (theme && UxTheme().IsThemeBackgroundPartiallyTransparent(theme, 1, 1)) {
        return InflateRectBy(item, 1, 1);
    }
    return item;
}

int32_t TuiWinXPLookAndFeelPainter::ButtonFrameWidth(TuiButtonState state) const {
    HTHEME theme = NativeTheme(totButton);
    if (!theme) {
        return TuiStandardLookAndFeelPainter::ButtonFrameWidth(uibsNormal);
    }
    return NativeContentRect(theme, 1, PushButtonThemeState(state), NativeMeasureRect).Left;
}

vcl::TColor TuiWinXPLookAndFeelPainter::ButtonFaceColor(TuiButtonState state) const {
    HTHEME theme = NativeTheme(totButton);
    const std::optional<vcl::TColor> face =
        theme ? NativeColor(theme, 1, PushButtonThemeState(state), uxPropertyFillColor) : std::nullopt;
    return face ? *face : vcl::clBtnFace;
}

vcl::TRect TuiWinXPLookAndFeelPainter::FocusRectOfButton(TuiCanvas& canvas, const vcl::TRect& rect) const {
    if (HTHEME theme = NativeTheme(totButton)) {
        return NativeContentRect(theme, 1, 1, rect);
    }
    return TuiStandardLookAndFeelPainter::FocusRectOfButton(canvas, rect);
}

vcl::TRect TuiWinXPLookAndFeelPainter::ButtonGroupFrameWidths(int32_t buttonCount, int32_t buttonIndex) const {
    HTHEME theme = NativeTheme(totButton);
    if (!theme) {
        return TuiStandardLookAndFeelPainter::ButtonGroupFrameWidths(buttonCount, buttonIndex);
    }
    const vcl::TRect content = NativeContentRect(theme, 1, 1, NativeMeasureRect);
    vcl::TRect widths{content.Left, content.Top, NativeMeasureRect.Right - content.Right,
                      NativeMeasureRect.Bottom - content.Bottom};
    if (UxTheme().IsThemeBackgroundPartiallyTransparent(theme, 1, 1)) {
        widths = vcl::OffsetRect(widths, -1, -1);
    }
    return widths;
}

vcl::TColor TuiWinXPLookAndFeelPainter::ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const {
    HTHEME theme = NativeTheme(totButton);
    const std::optional<vcl::TColor> text =
        theme ? NativeColor(theme, 1, PushButtonThemeState(state), uxPropertyTextColor) : std::nullopt;
    return text ? *text : TuiStandardLookAndFeelPainter::ButtonGlyphColor(state, color);
}

int32_t TuiWinXPLookAndFeelPainter::ButtonCaptionIndent() const {
    return 2;
}

int32_t TuiWinXPLookAndFeelPainter::PressedCaptionShift() const {
    return 0;
}

void TuiWinXPLookAndFeelPainter::PaintButton(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView caption,
                                             TuiButtonState state, bool drawFrame, vcl::TColor faceColor,
                                             vcl::TColor textColor, bool wordWrap, bool toolButton) const {
    HTHEME theme = NativeTheme(toolButton ? totToolBar : totButton);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintButton(canvas, rect, caption, state, drawFrame, faceColor, textColor,
                                                   wordWrap, toolButton);
        return;
    }
    const int32_t themeState = PushButtonThemeState(state);
    DrawNativePart(theme, canvas, 1, themeState, rect);
    const TuiTextLayout centred{vcl::taCenter, vaCenter, false, false};
    PaintThemedText(canvas, theme, 1, themeState, rect, centred, caption, nullptr, textColor, true);
}

void TuiWinXPLookAndFeelPainter::PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                                vcl::TColor color) const {
    HTHEME theme = NativeTheme(totTreeView);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintExpandBox(canvas, rect, expanded, color);
        return;
    }
    DrawNativePart(theme, canvas, 2, expanded ? 2 : 1, rect);
    canvas.ExcludeClipArea(rect);
}

bool TuiWinXPLookAndFeelPainter::PaintsExpandBoxFirst() const {
    return false;
}

void TuiWinXPLookAndFeelPainter::PaintGroupExpander(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                    bool up) const {
    if (HTHEME theme = NativeTheme(totExplorerBar)) {
        DrawNativePart(theme, canvas, up ? 6 : 7, GroupExpanderThemeState(state), rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintGroupExpander(canvas, rect, state, up);
}

void TuiWinXPLookAndFeelPainter::PaintSmallExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                                     vcl::TColor borderColor, vcl::TColor /*fillColor*/) const {
    if (NativeTheme(totTreeView)) {
        PaintExpandBox(canvas, rect, expanded, vcl::clDefault);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintSmallExpandBox(canvas, rect, expanded, borderColor, vcl::clNone);
}

int32_t TuiWinXPLookAndFeelPainter::ExpandBoxSize() const {
    HTHEME theme = NativeTheme(totTreeView);
    const std::optional<vcl::TSize> size = theme ? NativePartSize(theme, 2, 1) : std::nullopt;
    return size ? size->cx : TuiStandardLookAndFeelPainter::ExpandBoxSize();
}

int32_t TuiWinXPLookAndFeelPainter::GroupExpanderSize() const {
    HTHEME theme = NativeTheme(totExplorerBar);
    const std::optional<vcl::TSize> size = theme ? NativePartSize(theme, 7, 1) : std::nullopt;
    return size ? size->cx : TuiStandardLookAndFeelPainter::GroupExpanderSize();
}

bool TuiWinXPLookAndFeelPainter::HotTracksButtons() const {
    return true;
}

bool TuiWinXPLookAndFeelPainter::HitTestGroupExpander(const vcl::TRect& rect, vcl::TPoint point) const {
    HTHEME theme = NativeTheme(totExplorerBar);
    HRGN region = nullptr;
    if (!theme || UxTheme().GetThemeBackgroundRegion(theme, nullptr, 7, 2, rect, region) != 0 || !region) {
        return TuiStandardLookAndFeelPainter::HitTestGroupExpander(rect, point);
    }
    const TuiRegion shape{vcl::TRegionHandle(region)};
    return shape.ContainsPoint(point);
}

int32_t TuiWinXPLookAndFeelPainter::SmallExpandBoxSize() const {
    return NativeTheme(totTreeView) ? ExpandBoxSize() : TuiStandardLookAndFeelPainter::SmallExpandBoxSize();
}

int32_t TuiWinXPLookAndFeelPainter::CheckFrameWidth() const {
    return NativeTheme(totButton) ? 0 : TuiStandardLookAndFeelPainter::CheckFrameWidth();
}

vcl::TSize TuiWinXPLookAndFeelPainter::CheckBoxSize() const {
    HTHEME theme = NativeTheme(totButton);
    const std::optional<vcl::TSize> size = theme ? NativePartSize(theme, 3, 5) : std::nullopt;
    return size ? *size : TuiStandardLookAndFeelPainter::CheckBoxSize();
}

void TuiWinXPLookAndFeelPainter::PaintCheckMark(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                bool checked, vcl::TColor color) const {
    if (HTHEME theme = NativeTheme(totButton)) {
        DrawNativePart(theme, canvas, 3, CheckBoxThemeState(checked, state), rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintCheckMark(canvas, rect, state, checked, color);
}

void TuiWinXPLookAndFeelPainter::PaintCheckFrame(TuiCanvas& canvas, const vcl::TRect& rect,
                                                 TuiButtonState state) const {
    if (!NativeTheme(totButton)) {
        TuiStandardLookAndFeelPainter::PaintCheckFrame(canvas, rect, state);
    }
}

void TuiWinXPLookAndFeelPainter::PaintRadioGlyph(TuiCanvas& canvas, int32_t x, int32_t y, TuiButtonState state,
                                                 bool checked, bool /*emphasisA*/, vcl::TColor /*backgroundColor*/,
                                                 bool /*emphasisB*/) const {
    HTHEME theme = NativeTheme(totButton);
    if (!theme) {
        return;
    }
    const vcl::TSize size = RadioGlyphSize();
    DrawNativePart(theme, canvas, 2, CheckBoxThemeState(checked, state), {x, y, x + size.cx, y + size.cy});
}

vcl::TSize TuiWinXPLookAndFeelPainter::RadioGlyphSize() const {
    HTHEME theme = NativeTheme(totButton);
    const std::optional<vcl::TSize> size = theme ? NativePartSize(theme, 2, 1) : std::nullopt;
    return size.value_or(vcl::TSize{0, 0});
}

void TuiWinXPLookAndFeelPainter::PaintThemedText(TuiCanvas& canvas, HTHEME theme, int32_t part, int32_t state,
                                                 const vcl::TRect& textRect, const TuiTextLayout& layout,
                                                 rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                                                 bool showPrefix) const {
    if (text.empty()) {
        return;
    }
    if (font) {
        canvas.SetFont(*font);
    }
    if (textColor != vcl::clDefault) {
        canvas.Font().SetColor(textColor);
    }
    vcl::TRect r = textRect;
    if (layout.MultiLine) {
        canvas.AlignTextRectVertically(r, text, layout.Vertical, true, showPrefix, true, false, layout.EndEllipsis);
    }
    UxTheme().DrawThemeText(theme, canvas.Handle(), part, state, text, ThemedTextFlags(layout, showPrefix), 0, r);
}

} // namespace ui
