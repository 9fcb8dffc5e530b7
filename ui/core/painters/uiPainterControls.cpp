// The default painter: scroll bars and size grips, caption buttons, calendars and navigation buttons, the clock,
// editor buttons, header panels, navigator glyphs, progress bars, group boxes, track bars, splitters, layout controls,
// print preview and the calculator.

#include "rtl/WindowsApi.h"
#include "rtl/time/DateTime.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiPainterShapes.h"
#include "ui/core/system/uxSystemInfo.h"
#include "vcl/graphics/Font.h"
#include "vcl/imagelists/ImageList.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace ui {

namespace {

vcl::TColor RgbColor(vcl::TColor color) {
    return static_cast<vcl::TColor>(ColorToRGB(color));
}

// The rotation that turns the bottom-right size grip to a corner (0 top-left, 1 top-right, 2 bottom-left, 3
// bottom-right).
TuiRotationAngle SizeGripRotation(int32_t corner) {
    static constexpr TuiRotationAngle rotations[] = {TuiRotationAngle::HalfTurn, TuiRotationAngle::CounterClockwise,
                                                     TuiRotationAngle::Clockwise, TuiRotationAngle::None};
    return rotations[std::clamp(corner, 0, 3)];
}

struct TClockHand {
    double HalfWidth;
    double Tip;
    double Tail;
};

vcl::TPoint RoundedPoint(double x, double y) {
    return {static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

void DrawClockHand(TuiCanvas& canvas, double cx, double cy, double rx, double ry, const TClockHand& hand,
                   double angle) {
    constexpr double pi = std::numbers::pi;
    const vcl::TPoint tip = RoundedPoint(cx + hand.Tip * rx * std::cos(angle), cy + hand.Tip * ry * std::sin(angle));
    const vcl::TPoint points[4] = {
        tip,
        RoundedPoint(cx + hand.HalfWidth * std::cos(angle + pi / 2), cy + hand.HalfWidth * std::sin(angle + pi / 2)),
        RoundedPoint(cx + hand.Tail * rx * std::cos(angle + pi), cy + hand.Tail * ry * std::sin(angle + pi)),
        RoundedPoint(cx + hand.HalfWidth * std::cos(angle + 3 * pi / 2),
                     cy + hand.HalfWidth * std::sin(angle + 3 * pi / 2)),
    };
    canvas.Polygon(points);
    canvas.SetPixel(tip.X, tip.Y, vcl::clTeal);
}

// The hour dot at (x, y): a 3 x 3 block lit from the top left.
void DrawClockDot(TuiCanvas& canvas, int32_t x, int32_t y) {
    const vcl::TColor aqua = vcl::clAqua;
    const vcl::TColor shade = RgbColor(vcl::clBtnText);
    for (int32_t i = -1; i <= 1; ++i) {
        canvas.SetPixel(x - 1, y + i, aqua);
        canvas.SetPixel(x + i, y - 1, aqua);
    }
    for (int32_t i = -1; i <= 1; ++i) {
        canvas.SetPixel(x + 1, y + i, shade);
        canvas.SetPixel(x + i, y + 1, shade);
    }
    canvas.SetPixel(x, y, vcl::clTeal);
}

// Text at the text rect's top, left to right, or turned to run downwards from its right edge.
void ProgressTextOut(TuiCanvas& canvas, bool vertical, rtl::UnicodeStringView text, const vcl::TRect& textRect) {
    canvas.Canvas().TextOut(vertical ? textRect.Right : textRect.Left, textRect.Top, text);
}

// The progress text with every pixel it covers inverted, readable over both parts of the bar.
void DrawInvertedProgressText(TuiCanvas& canvas, bool vertical, rtl::UnicodeStringView text,
                              const vcl::TRect& textRect) {
    TuiBitmap mask(textRect.Width(), textRect.Height());
    TuiCanvas& maskCanvas = mask.Canvas();
    maskCanvas.FillRectColor(mask.GetClientRect(), vcl::clBlack);
    maskCanvas.SetFont(canvas.Font());
    maskCanvas.Font().SetColor(vcl::clWhite);
    maskCanvas.Brush().SetStyle(vcl::bsClear);
    ProgressTextOut(maskCanvas, vertical, text, mask.GetClientRect());
    const vcl::TCopyMode previous = canvas.CopyMode();
    canvas.SetCopyMode(vcl::cmSrcInvert);
    canvas.CopyRectFrom(textRect, maskCanvas, mask.GetClientRect());
    canvas.SetCopyMode(previous);
}

} // namespace

// Scroll bar and size grip

int32_t TuiCustomLookAndFeelPainter::ScrollBarThumbMinSize(bool /*vertical*/) const {
    return 8;
}

void TuiCustomLookAndFeelPainter::PaintScrollBarBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                                                           bool horizontal) const {
    PaintScrollBarElement(canvas, horizontal, rect, sbpPageUp, uibsNormal);
}

void TuiCustomLookAndFeelPainter::PaintScrollBarElement(TuiCanvas& /*canvas*/, bool /*horizontal*/,
                                                        const vcl::TRect& /*rect*/, TuiScrollBarPart /*part*/,
                                                        TuiButtonState /*state*/) const {}

vcl::TSize TuiCustomLookAndFeelPainter::SizeGripExtent() const {
    return {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

void TuiCustomLookAndFeelPainter::PaintSizeGripGlyph(TuiCanvas& canvas, const vcl::TRect& rect) const {
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawFrameControl(canvas.Handle(), &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void TuiCustomLookAndFeelPainter::PaintSizeGrip(TuiCanvas& canvas, const vcl::TRect& rect, int32_t corner,
                                                vcl::TColor backgroundColor) const {
    const TuiRotationAngle rotation = SizeGripRotation(corner);
    const bool quarterTurn = rotation == TuiRotationAngle::CounterClockwise || rotation == TuiRotationAngle::Clockwise;
    // Drawn for the bottom-right corner in a bitmap that fits rect once turned.
    TuiBitmap glyph(quarterTurn ? rect.Height() : rect.Width(), quarterTurn ? rect.Width() : rect.Height());
    glyph.Canvas().FillRectColor(glyph.GetClientRect(), backgroundColor);
    PaintSizeGripGlyph(glyph.Canvas(), glyph.GetClientRect());
    glyph.Rotate(rotation);
    canvas.CopyRectFrom(rect, glyph.Canvas(), glyph.GetClientRect());
}

// Caption button

vcl::TSize TuiCustomLookAndFeelPainter::CaptionButtonSize() const {
    const int32_t side = std::min(GetSystemMetrics(SM_CXSIZE), GetSystemMetrics(SM_CYHSCROLL) + 3 - 6);
    return {side, side};
}

void TuiCustomLookAndFeelPainter::PaintCaptionButton(TuiCanvas& canvas, const vcl::TRect& rect, bool hot, bool pressed,
                                                     bool disabled, vcl::TColor frameColor) const {
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawFrameControl(canvas.Handle(), &r, DFC_CAPTION,
                     DFCS_CAPTIONCLOSE | DFCS_FLAT | (pressed && !disabled ? DFCS_PUSHED : 0));
    if (hot && !disabled) {
        canvas.DrawEdge(rect, false, false);
    } else {
        canvas.FrameRect(rect, frameColor);
    }
    canvas.FrameRect(InflateRectBy(rect, -1, -1), frameColor);
}

// Calendar, navigation buttons and progress strip

void TuiCustomLookAndFeelPainter::NavigationButtonLayout(bool isNext, bool textHidden, int32_t textExtent1,
                                                         int32_t textExtent2, vcl::TRect& bounds, vcl::TRect& textRect,
                                                         vcl::TRect& arrowRect) const {
    vcl::TRect borders;
    bool hasTextArea = false;
    vcl::TSize arrowSize;
    NavigationButtonMetrics(isNext, borders, hasTextArea, arrowSize);
    const int32_t arrowArea = 3 * arrowSize.cy;
    if (textHidden || !hasTextArea) {
        textRect = {};
        const int32_t height = arrowArea + borders.Top + borders.Bottom;
        const int32_t top = bounds.Top + (bounds.Height() - height) / 2;
        bounds = {bounds.Left, top, bounds.Right, top + height};
        arrowRect = CenterSizeInRect(bounds, arrowSize);
        return;
    }
    const vcl::TRect content = DeflateRectByMargins(bounds, borders);
    arrowRect = CenterSizeInRect({content.Left, content.Top, content.Right, content.Top + arrowArea}, arrowSize);
    textRect = {content.Left, content.Top + arrowArea + 5, content.Right, content.Bottom - 2 * arrowSize.cy};
    const int32_t needed = std::max(textExtent1, textExtent2) - textRect.Height();
    if (needed >= 1) {
        arrowRect = vcl::OffsetRect(arrowRect, 0, -needed);
        textRect = InflateRectBy(textRect, 0, needed);
        bounds = InflateRectBy(bounds, 0, needed);
    }
}

void TuiCustomLookAndFeelPainter::PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect,
                                                  rtl::UnicodeStringView text, TuiBorders neighbours,
                                                  const TuiDrawParams& viewParams, int32_t arrows, int32_t arrowOffset,
                                                  const TuiBackgroundHook& hook) const {
    const TuiTextLayout centred{vcl::taCenter, vaCenter, false, false};
    PaintHeaderCell(canvas, rect, rect, neighbours, HeaderEdges(neighbours), uibsNormal, centred, text, viewParams.Font,
                    viewParams.TextColor, viewParams.Color, hook, false, false);
    PaintMonthTitleArrows(canvas, rect, arrows, arrowOffset);
}

void TuiCustomLookAndFeelPainter::PaintMonthTitleArrows(TuiCanvas& canvas, const vcl::TRect& rect, int32_t arrows,
                                                        int32_t arrowOffset) const {
    const vcl::TRect area{rect.Left, rect.Top + FrameWidth() + 1, rect.Right, rect.Bottom - 1};
    DrawMonthTitleArrows(canvas, area, arrows, arrowOffset, vcl::clWindowText);
}

void TuiCustomLookAndFeelPainter::PaintCalendarFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    PaintFrame(canvas, rect);
}

void TuiCustomLookAndFeelPainter::PaintProgressStrip(TuiCanvas& canvas, const vcl::TRect& bounds,
                                                     const vcl::TRect& progressRect, const TuiDrawParams& viewParams,
                                                     bool frameOnly) const {
    constexpr vcl::TColor grey = 0x808080;
    canvas.FrameRect(bounds, grey);
    if (!frameOnly) {
        canvas.FillRectWithParams(InflateRectBy(bounds, -1, -1), viewParams);
    }
    canvas.FillRectColor(progressRect, vcl::clNavy);
}

void TuiCustomLookAndFeelPainter::PaintNavigationButtonText(TuiCanvas& canvas, const vcl::TRect& rect, bool isNext,
                                                            TuiButtonState state, rtl::UnicodeStringView text,
                                                            const vcl::TRect& textRect,
                                                            const vcl::TRect& arrowRect) const {
    PaintNavigationButton(canvas, rect, arrowRect, isNext, state);
    if (textRect.IsEmpty() || NavigationButtonTextColor(isNext, state, vcl::clDefault) == vcl::clNone) {
        return;
    }
    canvas.Font().SetColor(RgbColor(NavigationButtonTextColor(isNext, state, canvas.Font().Color())));
    canvas.Brush().SetStyle(vcl::bsClear);
    canvas.DrawText(text, textRect, tfAlignHCenter | tfAlignVCenter | tfSingleLine, true,
                    TuiRotationAngle::CounterClockwise);
    canvas.Brush().SetStyle(vcl::bsSolid);
}

void TuiCustomLookAndFeelPainter::PaintNavigationArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool isNext,
                                                       vcl::TColor color) const {
    const int32_t steps = (rect.Height() + 1) / 2;
    for (int32_t i = 0; i < steps; ++i) {
        const int32_t left = isNext ? rect.Left + i : rect.Right - 2 - i;
        for (const int32_t y : {rect.Top + i, rect.Bottom - 1 - i}) {
            vcl::TRect step;
            if (IntersectRects(step, {left, y, left + 2, y + 1}, rect)) {
                canvas.FillRectColor(step, color);
            }
        }
    }
    const int32_t line = isNext ? rect.Right - 1 : rect.Left;
    canvas.FillRectColor({line, rect.Top, line + 1, rect.Bottom}, color);
}

void TuiCustomLookAndFeelPainter::PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       TuiButtonState state) const {
    PaintButton(canvas, rect, {}, state, true, vcl::clDefault, vcl::clDefault, false, false);
}

void TuiCustomLookAndFeelPainter::PaintSplitterFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                     bool /*highlighted*/, bool /*horizontal*/,
                                                     const TuiDrawParams& /*viewParams*/) const {}

vcl::TRect TuiCustomLookAndFeelPainter::ProgressStripInsets() const {
    return {2, 2, 2, 2};
}

vcl::TColor TuiCustomLookAndFeelPainter::NavigationButtonTextColor(bool /*isNext*/, TuiButtonState state,
                                                                   vcl::TColor color) const {
    return ButtonGlyphColor(state, color);
}

void TuiCustomLookAndFeelPainter::NavigationButtonMetrics(bool isNext, vcl::TRect& borders, bool& hasTextArea,
                                                          vcl::TSize& arrowSize) const {
    borders = isNext ? vcl::TRect{2, 6, 0, 6} : vcl::TRect{0, 6, 2, 6};
    hasTextArea = true;
    arrowSize = {7, 7};
}

int32_t TuiCustomLookAndFeelPainter::InfoFrameWidth() const {
    return 1;
}

// Clock

void TuiCustomLookAndFeelPainter::PaintClockFace(TuiCanvas& canvas, const vcl::TRect& rect, double time,
                                                 vcl::TColor backgroundColor) const {
    constexpr double pi = std::numbers::pi;
    const int32_t cx = (rect.Left + rect.Right) / 2;
    const int32_t cy = (rect.Top + rect.Bottom) / 2;
    const double rx = rect.Width() / 2.0 - 2;
    const double ry = rect.Height() / 2.0 - 2;
    // The dots keep their pixels while the face is filled; the clip region is given back at the end.
    canvas.PushClipRegion();
    for (int32_t i = 0; i < 60; i += 5) {
        const vcl::TPoint dot = RoundedPoint(cx + rx * std::cos(2 * pi * i / 60), cy + ry * std::sin(2 * pi * i / 60));
        DrawClockDot(canvas, dot.X, dot.Y);
        canvas.ExcludeClipArea({dot.X - 1, dot.Y - 1, dot.X + 2, dot.Y + 2});
    }
    canvas.FillRectColor(rect, backgroundColor);
    const rtl::TTimeParts parts = rtl::DecodeTime(time);
    canvas.SetBrushColor(vcl::clTeal);
    canvas.Pen().SetColor(vcl::clTeal);
    const double hourAngle = ((parts.Hour % 12) * 3600 + parts.Minute * 60 + parts.Second - 10800) * 2 * pi / 43200;
    DrawClockHand(canvas, cx, cy, rx, ry, {4.5, 0.75, 0.15}, hourAngle);
    const double minuteAngle = (parts.Minute * 60 + parts.Second - 900) * 2 * pi / 3600;
    DrawClockHand(canvas, cx, cy, rx, ry, {3.5, 0.85, 0.2}, minuteAngle);
    const double secondAngle = (parts.Second - 15) * 2 * pi / 60;
    canvas.Pen().SetColor(vcl::clRed);
    canvas.MoveTo(cx, cy);
    const vcl::TPoint secondTip =
        RoundedPoint(cx + 0.9 * rx * std::cos(secondAngle), cy + 0.9 * ry * std::sin(secondAngle));
    canvas.LineTo(secondTip.X, secondTip.Y);
    canvas.PopClipRegion();
}

// Editor buttons and container border

void TuiCustomLookAndFeelPainter::PaintEditButton(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                  int32_t /*buttonKind*/, TuiButtonState /*state*/,
                                                  int32_t /*position*/) const {}

int32_t TuiCustomLookAndFeelPainter::EditButtonCaptionIndent() const {
    return 0;
}

vcl::TSize TuiCustomLookAndFeelPainter::EditButtonMinSize() const {
    return {0, 0};
}

vcl::TColor TuiCustomLookAndFeelPainter::EditButtonCaptionColor() const {
    return vcl::clDefault;
}

vcl::TColor TuiCustomLookAndFeelPainter::ContainerBorderColorFor(bool /*highlighted*/) const {
    return vcl::clDefault;
}

// Header panel and navigator glyph

void TuiCustomLookAndFeelPainter::PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const {
    canvas.FillRectColor(rect, CalendarHeaderColor());
    canvas.DrawEdge(rect, false, false);
    rect = InflateRectBy(rect, -1, -1);
}

void TuiCustomLookAndFeelPainter::PaintNavigatorGlyph(TuiCanvas& canvas, vcl::TCustomImageList* images,
                                                      int32_t imageIndex, int32_t /*buttonIndex*/,
                                                      const vcl::TRect& rect, bool enabled, bool /*userGlyphs*/) const {
    if (images) {
        images->Draw(canvas.Canvas(), rect.Left, rect.Top, imageIndex, enabled);
    }
}

vcl::TSize TuiCustomLookAndFeelPainter::NavigatorGlyphSize() const {
    return {0, 0};
}

// Progress bar

void TuiCustomLookAndFeelPainter::PaintProgressFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                     bool /*vertical*/) const {}

void TuiCustomLookAndFeelPainter::PaintProgressChunk(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                     bool /*vertical*/) const {}

void TuiCustomLookAndFeelPainter::PaintProgressBar(TuiCanvas& canvas, bool vertical, bool solidText,
                                                   rtl::UnicodeStringView text, const vcl::TRect& textRect,
                                                   const vcl::TRect& /*barRect*/, const vcl::TRect& chunkRect,
                                                   vcl::TColor textColor) const {
    if (text.empty() || textRect.IsEmpty()) {
        return;
    }
    canvas.PushState();
    // Turned text reaches past its rectangle's right edge; the bar's text stays inside its rectangle.
    canvas.IntersectClipArea(textRect);
    if (vertical) {
        canvas.SetFontAngle(270);
    }
    canvas.Brush().SetStyle(vcl::bsClear);
    const auto drawIn = [&](vcl::TColor color) {
        canvas.Font().SetColor(RgbColor(color));
        ProgressTextOut(canvas, vertical, text, textRect);
    };
    vcl::TRect overlap;
    if (solidText) {
        drawIn(textColor == vcl::clDefault ? ProgressTextColor() : textColor);
    } else if (ProgressTextColorFor(true) == vcl::clDefault) {
        DrawInvertedProgressText(canvas, vertical, text, textRect);
    } else if (IntersectRects(overlap, textRect, chunkRect)) {
        TuiBitmap saved(overlap.Width(), overlap.Height());
        saved.Canvas().CopyRectFrom(saved.GetClientRect(), canvas, overlap);
        drawIn(ProgressTextColorFor(false));
        canvas.CopyRectFrom(overlap, saved.Canvas(), saved.GetClientRect());
        canvas.PushClipRegion();
        canvas.IntersectClipArea(overlap);
        drawIn(ProgressTextColorFor(true));
        canvas.PopClipRegion();
    } else {
        drawIn(ProgressTextColorFor(false));
    }
    canvas.PopState();
}

vcl::TRect TuiCustomLookAndFeelPainter::ProgressFrameInsets(bool /*vertical*/) const {
    return {};
}

vcl::TColor TuiCustomLookAndFeelPainter::ProgressTextColor() const {
    return ProgressTextColorFor(false);
}

vcl::TColor TuiCustomLookAndFeelPainter::ProgressTextColorFor(bool overFilledPart) const {
    return overFilledPart ? vcl::clDefault : vcl::clWindowText;
}

// Group box and panel

void TuiCustomLookAndFeelPainter::PaintGroupBoxBackground(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                          const vcl::TRect& /*captionRect*/) const {}

void TuiCustomLookAndFeelPainter::PaintGroupBoxCaption(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                       TuiGroupCaptionPosition /*captionPosition*/) const {}

void TuiCustomLookAndFeelPainter::PaintGroupBoxCaptionText(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                           TuiGroupCaptionPosition /*captionPosition*/,
                                                           TuiBorders /*borders*/) const {}

void TuiCustomLookAndFeelPainter::PaintGroupBoxExpandButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                            TuiRotationAngle rotation, bool up,
                                                            TuiButtonState state) const {
    PaintExpandChevronButton(canvas, rect, rotation, up, state);
}

void TuiCustomLookAndFeelPainter::PaintGroupFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                  bool /*highlighted*/, TuiGroupCaptionPosition /*captionPosition*/,
                                                  TuiBorders /*borders*/) const {}

vcl::TRect TuiCustomLookAndFeelPainter::GroupFrameInsets(bool /*hasCaption*/,
                                                         TuiGroupCaptionPosition /*captionPosition*/) const {
    return {};
}

vcl::TColor TuiCustomLookAndFeelPainter::GroupCaptionTextColor(bool enabled,
                                                               TuiGroupCaptionPosition /*captionPosition*/) const {
    return enabled ? vcl::clWindowText : vcl::clBtnShadow;
}

int32_t TuiCustomLookAndFeelPainter::GroupCaptionTailWidth(bool /*hasCaption*/,
                                                           TuiGroupCaptionPosition /*captionPosition*/) const {
    return 0;
}

void TuiCustomLookAndFeelPainter::PaintGroupContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    TuiGroupCaptionPosition /*captionPosition*/,
                                                    TuiBorders /*borders*/) const {
    PaintGroupBoxBackground(canvas, rect, rect);
}

void TuiCustomLookAndFeelPainter::PaintGroupPanel(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/) const {}

void TuiCustomLookAndFeelPainter::PaintGroupCaptionFor(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       TuiGroupCaptionPosition captionPosition) const {
    PaintGroupBoxCaption(canvas, rect, captionPosition);
}

void TuiCustomLookAndFeelPainter::PaintPanelFace(TuiCanvas& canvas, const vcl::TRect& rect,
                                                 TuiButtonState /*state*/) const {
    canvas.FillRectColor(rect, vcl::clBtnFace);
}

vcl::TRect TuiCustomLookAndFeelPainter::PanelInsets() const {
    return {};
}

vcl::TColor TuiCustomLookAndFeelPainter::GroupTextColor() const {
    return GroupCaptionTextColor(true, gcpTop);
}

// Track bar

void TuiCustomLookAndFeelPainter::TrackBarTrackRect(TuiCanvas& /*canvas*/, vcl::TRect& rect, bool /*horizontal*/,
                                                    int32_t /*shape*/) const {
    --rect.Right;
    --rect.Bottom;
}

void TuiCustomLookAndFeelPainter::PaintTrackBarTrack(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     const vcl::TRect& /*selectionRect*/, bool /*showSelection*/,
                                                     bool /*variant*/, bool /*horizontal*/, vcl::TColor color) const {
    canvas.FillRectColor(rect, color);
    PaintTrackBarTrackFrame(canvas, rect);
}

void TuiCustomLookAndFeelPainter::PaintTrackBarTrackFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/) const {}

void TuiCustomLookAndFeelPainter::PaintTrackBarThumb(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiButtonState /*state*/, bool horizontal, int32_t shape,
                                                     vcl::TColor color) const {
    canvas.SetBrushColor(color);
    canvas.Pen().SetColor(RgbColor(color));
    if (shape != 0 && shape != 1) {
        canvas.FillRectColor(rect, color);
        PaintTrackBarTicks(canvas, rect);
        return;
    }
    // Built for a horizontal bar; a vertical one takes the same points with the axes exchanged.
    const vcl::TRect r = horizontal ? rect : RotateRect(rect);
    const int32_t m = r.Left + r.Width() / 2;
    std::vector<vcl::TPoint> body;
    std::vector<vcl::TPoint> light;
    std::vector<vcl::TPoint> inner;
    std::vector<vcl::TPoint> outer;
    if (shape == 0) {
        const int32_t top = r.Top + r.Width() / 2 - 1;
        body = {
            {r.Right - 1, r.Bottom - 2}, {r.Left + 1, r.Bottom - 2}, {r.Left + 1, top}, {m, r.Top}, {r.Right - 1, top}};
        light = {{r.Left, r.Bottom - 1}, {r.Left, top}, {m, r.Top - 1}};
        inner = {{m, r.Top}, {r.Right - 1, top}, {r.Right - 1, r.Bottom - 2}, {r.Left, r.Bottom - 2}};
        outer = {{m, r.Top - 1}, {r.Right, top}, {r.Right, r.Bottom - 1}, {r.Left, r.Bottom - 1}};
    } else {
        const int32_t bottom = r.Bottom - r.Width() / 2;
        body = {{r.Right - 1, r.Top + 1},
                {r.Left + 1, r.Top + 1},
                {r.Left + 1, bottom},
                {m, r.Bottom - 1},
                {r.Right - 1, bottom}};
        light = {{r.Right, r.Top}, {r.Left, r.Top}, {r.Left, bottom}, {m, r.Bottom}};
        inner = {{m, r.Bottom - 1}, {r.Right - 1, bottom}, {r.Right - 1, r.Top}};
        outer = {{m, r.Bottom}, {r.Right, bottom}, {r.Right, r.Top}};
    }
    if (!horizontal) {
        for (std::vector<vcl::TPoint>* points : {&body, &light, &inner, &outer}) {
            for (vcl::TPoint& point : *points) {
                point = {point.Y, point.X};
            }
        }
    }
    canvas.Polygon(body);
    PaintTrackBarThumbFrame(canvas, light, inner, outer);
}

void TuiCustomLookAndFeelPainter::PaintTrackBarThumbFrame(TuiCanvas& /*canvas*/, std::span<const vcl::TPoint> /*light*/,
                                                          std::span<const vcl::TPoint> /*innerShadow*/,
                                                          std::span<const vcl::TPoint> /*outerShadow*/) const {}

void TuiCustomLookAndFeelPainter::PaintTrackBarTicks(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/) const {}

vcl::TSize TuiCustomLookAndFeelPainter::TrackBarThumbSize(bool /*horizontal*/) const {
    return {0, 0};
}

vcl::TColor TuiCustomLookAndFeelPainter::TrackBarTrackColor() const {
    return vcl::clDefault;
}

int32_t TuiCustomLookAndFeelPainter::TrackBarTrackWidth() const {
    return 0;
}

vcl::TColor TuiCustomLookAndFeelPainter::TrackBarThumbColor(bool /*highlighted*/) const {
    return vcl::clWhite;
}

// Splitter

vcl::TColor TuiCustomLookAndFeelPainter::SplitterEdgeColor(bool /*highlighted*/) const {
    return vcl::clBtnShadow;
}

void TuiCustomLookAndFeelPainter::PaintSplitter(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                                                bool horizontal) const {
    const vcl::TSize grip = SplitterGripSize(horizontal);
    const bool thick = (horizontal ? grip.cy : grip.cx) > 1;
    const int32_t across = horizontal ? (rect.Top + rect.Bottom - 1) / 2 : (rect.Left + rect.Right - 1) / 2;
    const int32_t start = horizontal ? rect.Left : rect.Top;
    const int32_t end = horizontal ? (thick ? rect.Right : rect.Right - 1) : rect.Bottom - 1;
    const int32_t m = (start + end) / 2 - 5;
    // The runs along the line, as [from, to): solid, four 2-pixel dashes after 1-pixel gaps, solid.
    const int32_t runs[][2] = {{start, m}, {m + 1, m + 3}, {m + 4, m + 6}, {m + 7, m + 9}, {m + 10, end}};
    const auto drawLine = [&](int32_t offset, vcl::TColor color) {
        for (const auto& run : runs) {
            const int32_t from = std::max(run[0], start);
            const int32_t to = std::min(run[1], end);
            if (from < to) {
                canvas.FillRectColor(horizontal
                                         ? vcl::TRect{from + offset, across + offset, to + offset, across + offset + 1}
                                         : vcl::TRect{across + offset, from + offset, across + offset + 1, to + offset},
                                     color);
            }
        }
    };
    // The second line, one pixel lower right, stays inside rect.
    canvas.PushClipRegion();
    canvas.IntersectClipArea(rect);
    drawLine(0, SplitterEdgeColor(highlighted));
    if (thick) {
        drawLine(1, TrackBarThumbColor(highlighted));
    }
    canvas.PopClipRegion();
}

vcl::TSize TuiCustomLookAndFeelPainter::SplitterGripSize(bool horizontal) const {
    return horizontal ? vcl::TSize{17, 2} : vcl::TSize{2, 17};
}

// Layout control

vcl::TColor TuiCustomLookAndFeelPainter::LayoutColor() const {
    return vcl::clBtnFace;
}

void TuiCustomLookAndFeelPainter::PaintLayoutBackground(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FillRectColor(rect, LayoutColor());
}

// Print preview

vcl::TRect TuiCustomLookAndFeelPainter::PreviewPageInsets() const {
    return {2, 2, 4, 4};
}

void TuiCustomLookAndFeelPainter::PaintPreviewBackground(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FillRectColor(rect, vcl::clBtnShadow);
}

void TuiCustomLookAndFeelPainter::PaintPreviewPage(TuiCanvas& canvas, const vcl::TRect& pageRect, bool fillContent,
                                                   bool selected, const vcl::TRect& contentRect) const {
    canvas.PushClipRegion();
    vcl::TRect frame{pageRect.Left, pageRect.Top, pageRect.Right - 2, pageRect.Bottom - 2};
    if (!selected) {
        frame = InflateRectBy(frame, -1, -1);
    }
    if (fillContent) {
        canvas.FillRectColor(contentRect, vcl::clWindow);
    }
    canvas.ExcludeClipArea(contentRect);
    canvas.FillRectColor(frame, selected ? vcl::clHighlight : vcl::clWindowText);
    canvas.ExcludeClipArea(frame);
    canvas.FillRectColor(vcl::OffsetRect(frame, 2, 2), vcl::clWindowText);
    canvas.PopClipRegion();
}

// Calculator

vcl::TColor TuiCustomLookAndFeelPainter::CalculatorTextColor(int32_t buttonKind) const {
    return buttonKind >= 3 ? vcl::clRed : vcl::clMaroon;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalculatorFaceColor() const {
    return vcl::clBtnFace;
}

} // namespace ui
