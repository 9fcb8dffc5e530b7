// The native look of the controls' parts: headers, footers, the filter box, tabs, scroll bars, the month title, the
// progress strip, navigator buttons, splitters, group boxes and track bars.

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/painters/looks/uiFlatPainter.h"
#include "ui/core/painters/looks/uiLookDrawing.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiNativeParts.h"
#include "ui/core/painters/looks/uiUltraFlatPainter.h"
#include "ui/core/themes/uxOffice11.h"

#include <algorithm>

namespace ui {

namespace {

constexpr vcl::TRect NativeControlsMeasureRect{0, 0, 100, 100};

// Where PaintTab draws a tab item: clipped to the tab, over a background that may reach past it.
struct TNativeTabGeometry {
    vcl::TRect Clip;
    vcl::TRect Background;
};

// frame is the tab unrotated (a vertical tab turned a quarter clockwise, so its bottom is on the left). The item's
// background reaches 2 pixels past each side the tab does not close; a selected tab's grows one pixel down over the
// pane's line, the others leave their last row to it.
TNativeTabGeometry NativeTabGeometry(const vcl::TRect& frame, TuiBorders borders, bool vertical, bool pressed) {
    TNativeTabGeometry geometry{frame, frame};
    const bool closedLeft = borders.Contains(vertical ? bBottom : bLeft);
    const bool closedRight = borders.Contains(vertical ? bTop : bRight);
    geometry.Background.Left -= closedLeft ? 0 : 2;
    geometry.Background.Right += closedRight ? 0 : 2;
    if (pressed) {
        ++geometry.Background.Bottom;
    } else {
        --geometry.Clip.Bottom;
    }
    return geometry;
}

} // namespace

// Headers

void TuiWinXPLookAndFeelPainter::PaintHeaderCell(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                                 TuiBorders neighbours, TuiBorders edges, TuiButtonState state,
                                                 const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                 vcl::TFont* font, vcl::TColor textColor, vcl::TColor backgroundColor,
                                                 const TuiBackgroundHook& hook, bool rightmost, bool special) const {
    HTHEME theme = NativeTheme(totHeader);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintHeaderCell(canvas, rect, textRect, neighbours, edges, state, layout, text,
                                                       font, textColor, backgroundColor, hook, rightmost, special);
        return;
    }
    const int32_t themeState = HeaderItemThemeState(state);
    const TuxOffice11Scheme scheme = GetOffice11ColorScheme();
    const bool rightmostItem = rightmost && themeState == 1 && (scheme == uxOffice11Blue || scheme == uxOffice11Olive);
    const int32_t part = rightmostItem ? 3 : 1;
    DrawNativePart(theme, canvas, part, themeState, rect);
    const vcl::TRect r = state == uibsPressed ? vcl::OffsetRect(textRect, 1, 1) : textRect;
    PaintThemedText(canvas, theme, part, themeState, r, layout, text, font, textColor, false);
}

void TuiWinXPLookAndFeelPainter::PaintPressedHeader(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/) const {}

void TuiWinXPLookAndFeelPainter::PaintHeaderSection(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    const vcl::TRect& textRect, TuiBorders neighbours, TuiBorders edges,
                                                    TuiButtonState state, const TuiTextLayout& layout,
                                                    rtl::UnicodeStringView text, vcl::TFont* font,
                                                    vcl::TColor textColor, vcl::TColor backgroundColor) const {
    canvas.FillRectColor(rect, vcl::clBtnFace);
    PaintHeaderCell(canvas, rect, textRect, neighbours, edges, state, layout, text, font, textColor, backgroundColor,
                    {}, false, false);
}

void TuiWinXPLookAndFeelPainter::PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const {
    TuiUltraFlatLookAndFeelPainter::Instance().PaintSortArrow(canvas, rect, ascending);
}

int32_t TuiWinXPLookAndFeelPainter::HeaderFrameWidth() const {
    HTHEME theme = NativeTheme(totHeader);
    if (!theme) {
        return TuiStandardLookAndFeelPainter::HeaderFrameWidth();
    }
    const vcl::TRect content = NativeContentRect(theme, 1, 1, NativeControlsMeasureRect);
    return std::max((content.Left + content.Top) / 2, 1);
}

int32_t TuiWinXPLookAndFeelPainter::HeaderSectionFrameWidth(TuiButtonState /*state*/) const {
    return HeaderFrameWidth();
}

vcl::TRect TuiWinXPLookAndFeelPainter::HeaderSectionInnerRect(const vcl::TRect& rect, TuiButtonState state) const {
    if (NativeTheme(totHeader)) {
        return InflateRectBy(rect, -HeaderFrameWidth(), -HeaderFrameWidth());
    }
    return TuiStandardLookAndFeelPainter::HeaderSectionInnerRect(rect, state);
}

bool TuiWinXPLookAndFeelPainter::HotTracksHeaders() const {
    return true;
}

vcl::TSize TuiWinXPLookAndFeelPainter::SortArrowSize() const {
    return TuiUltraFlatLookAndFeelPainter::Instance().SortArrowSize();
}

void TuiWinXPLookAndFeelPainter::PaintLayoutRecordCaption(TuiCanvas& canvas, const vcl::TRect& rect, int32_t /*side*/,
                                                          TuiButtonState state) const {
    PaintLayoutFrame(canvas, rect, state, uiAllBorders);
    PaintTab(canvas, rect, uiAllBorders, {}, state, false, nullptr, vcl::clDefault, vcl::clDefault, false);
}

// Footer

int32_t TuiWinXPLookAndFeelPainter::FooterFrameWidth() const {
    return 1;
}

int32_t TuiWinXPLookAndFeelPainter::FooterCellFrameWidth() const {
    HTHEME theme = NativeTheme(totTrackBar);
    return theme ? NativeContentRect(theme, 1, 1, NativeControlsMeasureRect).Left
                 : TuiStandardLookAndFeelPainter::FooterCellFrameWidth();
}

int32_t TuiWinXPLookAndFeelPainter::FooterCellSpacing() const {
    return 1;
}

bool TuiWinXPLookAndFeelPainter::PaintsFooterCellsFirst() const {
    return false;
}

void TuiWinXPLookAndFeelPainter::PaintFooterCell(TuiCanvas& canvas, const vcl::TRect& rect, const TuiTextLayout& layout,
                                                 rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                                                 vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const {
    HTHEME theme = NativeTheme(totTrackBar);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintFooterCell(canvas, rect, layout, text, font, textColor, backgroundColor,
                                                       hook);
        return;
    }
    DrawNativePart(theme, canvas, 1, 1, rect);
    PaintThemedText(canvas, theme, 1, 1, FooterCellTextRect(rect), layout, text, font, textColor, false);
}

void TuiWinXPLookAndFeelPainter::PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    HTHEME theme = NativeTheme(totEdit);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintFooterFrame(canvas, rect);
        return;
    }
    constexpr uint32_t raisedInner = 0x4; // BDR_RAISEDINNER
    constexpr uint32_t allSides = 0xF;    // BF_RECT
    UxTheme().DrawThemeEdge(theme, canvas.Handle(), 1, 1, rect, raisedInner, allSides);
}

// Filter box

void TuiWinXPLookAndFeelPainter::PaintFilterCloseBox(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiButtonState state) const {
    if (HTHEME theme = NativeTheme(totWindow)) {
        DrawNativePart(theme, canvas, 19, PlainThemeState(state), rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintFilterCloseBox(canvas, rect, state);
}

void TuiWinXPLookAndFeelPainter::PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                     bool active) const {
    if (HTHEME theme = NativeTheme(totComboBox)) {
        DrawNativePart(theme, canvas, 1, PlainThemeState(state), rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintFilterDropDown(canvas, rect, state, active);
}

vcl::TSize TuiWinXPLookAndFeelPainter::FilterActivateBoxSize() const {
    HTHEME theme = NativeTheme(totButton);
    const std::optional<vcl::TSize> size = theme ? NativePartSize(theme, 3, 5) : std::nullopt;
    return size ? *size : TuiStandardLookAndFeelPainter::FilterActivateBoxSize();
}

vcl::TSize TuiWinXPLookAndFeelPainter::FilterCloseBoxSize() const {
    HTHEME theme = NativeTheme(totWindow);
    const std::optional<vcl::TSize> size = theme ? NativePartSize(theme, 19, 1) : std::nullopt;
    return size ? vcl::TSize{size->cx + 4, size->cy + 4} : TuiStandardLookAndFeelPainter::FilterCloseBoxSize();
}

// Tabs

void TuiWinXPLookAndFeelPainter::PaintTab(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders borders,
                                          rtl::UnicodeStringView text, TuiButtonState state, bool vertical,
                                          vcl::TFont* font, vcl::TColor textColor, vcl::TColor /*backgroundColor*/,
                                          bool showPrefix) const {
    HTHEME theme = NativeTheme(totTab);
    if (!theme) {
        return;
    }
    const bool pressed = state == uibsPressed;
    const int32_t themeState = PlainThemeState(state);
    // A vertical tab is drawn unrotated into a bitmap over what lies beneath, then turned back into place, so that
    // its text reads along the tab.
    TuiBitmap turned(vertical ? rect.Width() : 0, vertical ? rect.Height() : 0, vcl::pf32bit);
    if (vertical) {
        turned.Canvas().CopyRectFrom(turned.GetClientRect(), canvas, rect);
        turned.Rotate(TuiRotationAngle::Clockwise);
    }
    TuiCanvas& target = vertical ? turned.Canvas() : canvas;
    const vcl::TRect frame = vertical ? turned.GetClientRect() : rect;
    const TNativeTabGeometry geometry = NativeTabGeometry(frame, borders, vertical, pressed);
    DrawNativePart(theme, target, 1, themeState, geometry.Background, &geometry.Clip);
    vcl::TRect textRect = frame;
    textRect.Bottom -= pressed ? 2 : 0;
    const TuiTextLayout centred{vcl::taCenter, vaCenter, false, false};
    PaintThemedText(target, theme, 1, themeState, textRect, centred, text, font, textColor, showPrefix);
    if (vertical) {
        turned.Rotate(TuiRotationAngle::CounterClockwise);
        canvas.CopyRectFrom(rect, turned.Canvas(), turned.GetClientRect());
    }
}

void TuiWinXPLookAndFeelPainter::PaintTabFrame(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                               TuiBorders edges, bool vertical) const {
    if (!NativeTheme(totTab)) {
        TuiStandardLookAndFeelPainter::PaintTabFrame(canvas, rect, side, edges, vertical);
    }
}

void TuiWinXPLookAndFeelPainter::PaintTabStrip(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders edges,
                                               bool vertical) const {
    HTHEME theme = NativeTheme(totTab);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintTabStrip(canvas, rect, edges, vertical);
        return;
    }
    // The pane drawn larger than the strip, so that only its edge next to the tabs falls inside.
    const vcl::TRect content = NativeContentRect(theme, 9, 1, NativeControlsMeasureRect);
    vcl::TRect pane = rect;
    if (vertical) {
        pane.Bottom += NativeControlsMeasureRect.Bottom - content.Bottom;
        pane.Right += 10;
    } else {
        pane.Right += NativeControlsMeasureRect.Right - content.Right;
        pane.Bottom += 10;
    }
    DrawNativePart(theme, canvas, 9, 1, pane, &rect);
}

bool TuiWinXPLookAndFeelPainter::PaintsTabs(bool /*vertical*/) const {
    return NativeTheme(totTab) != nullptr;
}

bool TuiWinXPLookAndFeelPainter::HotTracksTabs(bool /*vertical*/) const {
    return NativeTheme(totTab) != nullptr;
}

int32_t TuiWinXPLookAndFeelPainter::TabFrameWidth(bool /*vertical*/) const {
    return 1;
}

void TuiWinXPLookAndFeelPainter::PaintIndicatorCell(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind,
                                                    vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const {
    TuiFlatLookAndFeelPainter::Instance().PaintIndicatorCell(canvas, rect, kind, backgroundColor, hook);
}

// Scroll bar

int32_t TuiWinXPLookAndFeelPainter::ScrollBarThumbMinSize(bool vertical) const {
    constexpr int32_t least = 8;
    HTHEME theme = NativeTheme(totScrollBar);
    if (!theme) {
        return TuiStandardLookAndFeelPainter::ScrollBarThumbMinSize(vertical);
    }
    // The gripper of a vertical bar (9) and of a horizontal one (8).
    const int32_t gripper = vertical ? 9 : 8;
    const std::optional<vcl::TSize> minimum = NativePartSize(theme, gripper, 1, uxThemeSizeMin);
    if (!minimum) {
        return least;
    }
    int32_t length = vertical ? minimum->cy : minimum->cx;
    if (const std::optional<vcl::TSize> natural = NativePartSize(theme, gripper, 1)) {
        length = std::max(length, (vertical ? natural->cy : natural->cx) + 4);
    }
    return std::max(length, least);
}

void TuiWinXPLookAndFeelPainter::PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect,
                                                       TuiScrollBarPart part, TuiButtonState state) const {
    HTHEME theme = NativeTheme(totScrollBar);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintScrollBarElement(canvas, horizontal, rect, part, state);
        return;
    }
    if (rect.IsEmpty()) {
        return;
    }
    const int32_t themeState = PlainThemeState(state);
    switch (part) {
    case sbpLineUp:
    case sbpLineDown:
        PaintArrowButton(canvas, rect, state, ScrollBarArrowDirection(horizontal, part), true);
        break;
    case sbpThumb: {
        DrawNativePart(theme, canvas, horizontal ? 2 : 3, themeState, rect);
        const int32_t gripper = horizontal ? 8 : 9;
        const std::optional<vcl::TSize> size = NativePartSize(theme, gripper, themeState);
        if (size && (horizontal ? size->cy < rect.Width() : size->cx < rect.Height())) {
            DrawNativePart(theme, canvas, gripper, themeState, rect);
        }
        break;
    }
    case sbpPageUp:
        DrawNativePart(theme, canvas, horizontal ? 4 : 6, themeState, rect);
        break;
    case sbpPageDown:
        DrawNativePart(theme, canvas, horizontal ? 5 : 7, themeState, rect);
        break;
    case sbpNone:
        break;
    }
}

void TuiWinXPLookAndFeelPainter::PaintSizeGripGlyph(TuiCanvas& canvas, const vcl::TRect& rect) const {
    if (HTHEME theme = NativeTheme(totScrollBar)) {
        DrawNativePart(theme, canvas, 10, 1, rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintSizeGripGlyph(canvas, rect);
}

// Caption button

vcl::TSize TuiWinXPLookAndFeelPainter::CaptionButtonSize() const {
    HTHEME theme = NativeTheme(totWindow);
    const std::optional<vcl::TSize> size = theme ? NativePartSize(theme, 19, 1) : std::nullopt;
    return size.value_or(vcl::TSize{0, 0});
}

void TuiWinXPLookAndFeelPainter::PaintCaptionButton(TuiCanvas& canvas, const vcl::TRect& rect, bool hot, bool pressed,
                                                    bool /*disabled*/, vcl::TColor frameColor) const {
    HTHEME theme = NativeTheme(totWindow);
    if (!theme) {
        return;
    }
    canvas.FillRectColor(rect, frameColor);
    int32_t themeState = 1;
    if (pressed) {
        themeState = 3;
    } else if (hot) {
        themeState = 2;
    }
    DrawNativePart(theme, canvas, 19, themeState, rect);
}

// Calendar, progress strip, navigator and splitter

void TuiWinXPLookAndFeelPainter::PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView text,
                                                 TuiBorders neighbours, const TuiDrawParams& viewParams, int32_t arrows,
                                                 int32_t arrowOffset, const TuiBackgroundHook& hook) const {
    const TuiTextLayout centred{vcl::taCenter, vaCenter, false, false};
    PaintHeaderCell(canvas, rect, rect, neighbours, HeaderEdges(neighbours), uibsNormal, centred, text, viewParams.Font,
                    viewParams.TextColor, viewParams.Color, hook, !neighbours.Contains(bRight), false);
    PaintMonthTitleArrows(canvas, rect, arrows, arrowOffset);
}

void TuiWinXPLookAndFeelPainter::PaintProgressStrip(TuiCanvas& canvas, const vcl::TRect& bounds,
                                                    const vcl::TRect& progressRect, const TuiDrawParams& viewParams,
                                                    bool frameOnly) const {
    HTHEME theme = NativeTheme(totProgress);
    if (!theme) {
        TuiStandardLookAndFeelPainter::PaintProgressStrip(canvas, bounds, progressRect, viewParams, frameOnly);
        return;
    }
    DrawNativePart(theme, canvas, 1, 0, bounds);
    DrawNativePart(theme, canvas, 3, 0, progressRect);
}

vcl::TRect TuiWinXPLookAndFeelPainter::ProgressStripInsets() const {
    return {3, 3, 3, 3};
}

void TuiWinXPLookAndFeelPainter::PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      TuiButtonState state) const {
    if (HTHEME theme = NativeTheme(totToolBar)) {
        DrawNativePart(theme, canvas, 1, NavigatorButtonThemeState(state), rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintNavigatorButton(canvas, rect, state);
}

void TuiWinXPLookAndFeelPainter::PaintSplitterFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                                                    bool horizontal, const TuiDrawParams& viewParams) const {
    HTHEME comboBox = NativeTheme(totComboBox);
    const std::optional<vcl::TColor> border =
        NativeTheme(totListView) && comboBox ? NativeColor(comboBox, 1, 1, uxPropertyBorderColor) : std::nullopt;
    if (!border) {
        TuiStandardLookAndFeelPainter::PaintSplitterFrame(canvas, rect, highlighted, horizontal, viewParams);
        return;
    }
    DrawSplitterFrameLines(canvas, rect, horizontal, {{*border, *border}}, viewParams);
}

void TuiWinXPLookAndFeelPainter::PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const {
    if (HTHEME theme = NativeTheme(totHeader)) {
        DrawNativePart(theme, canvas, 2, 1, rect);
    }
}

void TuiWinXPLookAndFeelPainter::PaintSplitter(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/, bool /*highlighted*/,
                                               bool /*horizontal*/) const {}

// Group box

void TuiWinXPLookAndFeelPainter::PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                                                 TuiGroupCaptionPosition captionPosition, TuiBorders borders) const {
    if (HTHEME theme = NativeTheme(totButton)) {
        DrawNativePart(theme, canvas, 4, highlighted ? 1 : 2, rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintGroupFrame(canvas, rect, highlighted, captionPosition, borders);
}

vcl::TColor TuiWinXPLookAndFeelPainter::GroupCaptionTextColor(bool enabled,
                                                              TuiGroupCaptionPosition captionPosition) const {
    HTHEME theme = NativeTheme(totButton);
    const std::optional<vcl::TColor> text =
        theme ? NativeColor(theme, 4, enabled ? 1 : 2, uxPropertyTextColor) : std::nullopt;
    return text ? *text : TuiStandardLookAndFeelPainter::GroupCaptionTextColor(enabled, captionPosition);
}

// Track bar

void TuiWinXPLookAndFeelPainter::TrackBarTrackRect(TuiCanvas& canvas, vcl::TRect& rect, bool horizontal,
                                                   int32_t shape) const {
    HTHEME theme = NativeTheme(totTrackBar);
    const std::optional<vcl::TSize> size =
        theme ? NativePartSize(theme, TrackBarThumbThemePart(shape, horizontal), 1, uxThemeSizeDraw, &rect)
              : std::nullopt;
    if (!size) {
        TuiStandardLookAndFeelPainter::TrackBarTrackRect(canvas, rect, horizontal, shape);
        return;
    }
    rect = CenterRectInRect(rect, size->cx, size->cy);
}

void TuiWinXPLookAndFeelPainter::PaintTrackBarTrack(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    const vcl::TRect& selectionRect, bool showSelection, bool variant,
                                                    bool horizontal, vcl::TColor color) const {
    if (HTHEME theme = NativeTheme(totTrackBar)) {
        DrawNativePart(theme, canvas, horizontal ? 1 : 2, 1, rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintTrackBarTrack(canvas, rect, selectionRect, showSelection, variant, horizontal,
                                                      color);
}

void TuiWinXPLookAndFeelPainter::PaintTrackBarThumb(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                    bool horizontal, int32_t shape, vcl::TColor color) const {
    if (HTHEME theme = NativeTheme(totTrackBar)) {
        DrawNativePart(theme, canvas, TrackBarThumbThemePart(shape, horizontal), TrackBarThumbThemeState(state), rect);
        return;
    }
    TuiStandardLookAndFeelPainter::PaintTrackBarThumb(canvas, rect, state, horizontal, shape, color);
}

} // namespace ui
