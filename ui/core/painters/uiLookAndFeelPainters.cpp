// The default painter: its instance, the common drawing operations and the colours.

#include "ui/core/painters/uiLookAndFeelPainters.h"

#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/painters/uiPainterShapes.h"
#include "ui/core/system/uxSystemInfo.h"
#include "vcl/graphics/Font.h"

namespace ui {

TuiLookAndFeelKind StyleKindToLookAndFeelKind(TuiPainterStyleKind styleKind) {
    switch (styleKind) {
    case pskFlat:
        return lfFlat;
    case pskUltraFlat:
        return lfUltraFlat;
    case pskOffice11:
        return lfOffice11;
    default:
        return lfStandard;
    }
}

uint16_t TextLayoutFlags(const TuiTextLayout& layout) {
    static constexpr uint16_t horizontal[] = {tfAlignLeft, tfAlignRight, tfAlignHCenter};
    static constexpr uint16_t vertical[] = {tfAlignTop, tfAlignBottom, tfAlignVCenter};
    return static_cast<uint16_t>(horizontal[layout.Horizontal] | vertical[layout.Vertical] |
                                 (layout.MultiLine ? tfWordBreak : tfSingleLine) |
                                 (layout.EndEllipsis ? tfShowEndEllipsis : 0));
}

const TuiCustomLookAndFeelPainter& TuiCustomLookAndFeelPainter::Instance() {
    static const TuiCustomLookAndFeelPainter instance;
    return instance;
}

// Common drawing

vcl::TColor TuiCustomLookAndFeelPainter::AccentTextColor() const {
    return OSFlags().IsWinVistaOrLater ? 0xCC6600 : vcl::clHighlightText; // RGB(0, 102, 204)
}

void TuiCustomLookAndFeelPainter::FillBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent,
                                                 vcl::TColor color, vcl::TBitmap* bitmap) const {
    if (!transparent) {
        canvas.FillRectColor(rect, color);
    } else if (bitmap) {
        canvas.FillRect(rect, bitmap);
    }
}

void TuiCustomLookAndFeelPainter::PaintDropTriangle(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    vcl::TColor color) const {
    int32_t w = rect.Width() / 2;
    if (w % 2 == 0) {
        ++w;
    }
    const int32_t h = w / 2 + 1;
    const int32_t x0 = (rect.Left + rect.Right - w) / 2;
    const int32_t y0 = MulDiv(rect.Top + rect.Bottom - h, 1, 2);
    DrawArrowTriangle(canvas, {{{x0, y0}, {x0 + w - 1, y0}, {x0 + w / 2, y0 + h - 1}}}, color);
}

void TuiCustomLookAndFeelPainter::PaintContentWithText(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       const vcl::TRect& textRect, TuiButtonState /*state*/,
                                                       const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                       vcl::TFont* font, vcl::TColor textColor,
                                                       vcl::TColor backgroundColor, const TuiBackgroundHook& hook,
                                                       bool /*plain*/) const {
    if (!hook || !hook(canvas, rect)) {
        canvas.FillRectColor(rect, backgroundColor);
    }
    DrawContentText(canvas, textRect, layout, text, font, textColor);
}

void TuiCustomLookAndFeelPainter::DrawContentText(TuiCanvas& canvas, const vcl::TRect& textRect,
                                                  const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                  vcl::TFont* font, vcl::TColor textColor) {
    if (text.empty()) {
        return;
    }
    canvas.Brush().SetStyle(vcl::bsClear);
    if (font) {
        canvas.SetFont(*font);
    }
    canvas.Font().SetColor(static_cast<vcl::TColor>(ColorToRGB(textColor)));
    canvas.DrawText(text, textRect, TextLayoutFlags(layout));
    canvas.Brush().SetStyle(vcl::bsSolid);
}

void TuiCustomLookAndFeelPainter::PaintFooterSeparator(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       TuiBorders /*edges*/) const {
    const int32_t width = FooterSeparatorWidth();
    FillFooterSeparator(canvas, {rect.Left, rect.Top, rect.Right, rect.Top + width});
    PaintFooterFrame(canvas, {rect.Left, rect.Top + width, rect.Right, rect.Bottom});
}

void TuiCustomLookAndFeelPainter::PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                        const vcl::TRect& arrowRect, bool isNext,
                                                        TuiButtonState state) const {
    canvas.FillRectColor(rect, vcl::clBtnFace);
    const TuiBorders sides = isNext ? TuiBorders{bLeft, bTop, bBottom} : TuiBorders{bTop, bRight, bBottom};
    canvas.FrameRect(rect, vcl::clBtnShadow, 1, sides);
    vcl::TRect inner = InflateRectSides(rect, isNext ? -1 : 0, -1, isNext ? 0 : -1, -1);
    const bool pressed = state == uibsPressed;
    canvas.DrawComplexFrame(inner, pressed ? vcl::clBtnShadow : vcl::clBtnHighlight,
                            pressed ? vcl::clBtnHighlight : vcl::clBtnFace, sides);
    PaintNavigationArrow(canvas, arrowRect, isNext, ButtonGlyphColor(state, vcl::clDefault));
}

vcl::TRect TuiCustomLookAndFeelPainter::FooterCellContentRect(const vcl::TRect& rect) const {
    const int32_t width = FooterCellFrameWidth();
    return InflateRectBy(rect, -width, -width);
}

vcl::TRect TuiCustomLookAndFeelPainter::FooterCellTextRect(const vcl::TRect& rect) const {
    return InflateRectBy(FooterCellContentRect(rect), -2, -2);
}

vcl::TRect TuiCustomLookAndFeelPainter::CenteredBandRect(const vcl::TRect& rect, int32_t thickness,
                                                         bool horizontal) const {
    const vcl::TPoint centre = GetRectCenterPoint(rect);
    if (horizontal) {
        const int32_t top = centre.Y - thickness / 2;
        return {rect.Left, top, rect.Right, top + thickness};
    }
    const int32_t left = centre.X - thickness / 2;
    return {left, rect.Top, left + thickness, rect.Bottom};
}

TuiPainterStyleKind TuiCustomLookAndFeelPainter::StyleKind() const {
    return pskStandard;
}

bool TuiCustomLookAndFeelPainter::IsThemedStyle() const {
    return false;
}

// Colours

vcl::TColor TuiCustomLookAndFeelPainter::ContentColor() const {
    return vcl::clWindow;
}

vcl::TColor TuiCustomLookAndFeelPainter::ContentEvenColor() const {
    return ContentColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::ContentOddColor() const {
    return ContentColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::ContentTextColor() const {
    return vcl::clWindowText;
}

vcl::TColor TuiCustomLookAndFeelPainter::EditorBackgroundColor(bool disabled) const {
    return EditorBackgroundColorForState(disabled ? 1 : 0);
}

vcl::TColor TuiCustomLookAndFeelPainter::EditorBackgroundColorForState(int32_t /*state*/) const {
    return vcl::clDefault;
}

vcl::TColor TuiCustomLookAndFeelPainter::EditorTextColor(bool disabled) const {
    return EditorTextColorForState(disabled ? 1 : 0);
}

vcl::TColor TuiCustomLookAndFeelPainter::EditorTextColorForState(int32_t /*state*/) const {
    return vcl::clDefault;
}

vcl::TColor TuiCustomLookAndFeelPainter::FilterBoxColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiCustomLookAndFeelPainter::FilterBoxTextColor() const {
    return vcl::clBtnHighlight;
}

vcl::TColor TuiCustomLookAndFeelPainter::FixedSeparatorColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiCustomLookAndFeelPainter::FooterColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::FooterTextColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiCustomLookAndFeelPainter::GridAreaColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::GridLineColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiCustomLookAndFeelPainter::GroupByBoxColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiCustomLookAndFeelPainter::GroupByBoxTextColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::GroupRowColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::GroupRowTextColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiCustomLookAndFeelPainter::HeaderBackgroundColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiCustomLookAndFeelPainter::HeaderBackgroundTextColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::HeaderColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::HeaderTextColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiCustomLookAndFeelPainter::HyperLinkTextColor() const {
    return vcl::clBlue;
}

vcl::TColor TuiCustomLookAndFeelPainter::FaceColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::FaceTextColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiCustomLookAndFeelPainter::LinkColor() const {
    return vcl::clBlue;
}

vcl::TColor TuiCustomLookAndFeelPainter::FixedGridLineColor() const {
    return GridLineColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::FormContentColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::BandBorderColor() const {
    return VerticalGridLineColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::CategoryColor() const {
    return HeaderColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::CategoryTextColor() const {
    return vcl::clDefault;
}

vcl::TColor TuiCustomLookAndFeelPainter::RowHeaderColor() const {
    return HeaderColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::RowHeaderTextColor() const {
    return HeaderTextColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::VerticalGridLineColor() const {
    return vcl::clBlack;
}

vcl::TColor TuiCustomLookAndFeelPainter::EditorOrContentColor() const {
    const vcl::TColor editor = EditorBackgroundColorForState(0);
    return editor == vcl::clDefault ? ContentColor() : editor;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarHeaderColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarHeaderTextColor(bool accent) const {
    return accent ? AccentTextColor() : HeaderTextColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarHolidayTextColor() const {
    return vcl::clRed;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarInactiveDayTextColor() const {
    return vcl::clGrayText;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarSelectedDayColor() const {
    return vcl::clHighlight;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarSelectedDayTextColor() const {
    return vcl::clHighlightText;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarSeparatorColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarSeparatorHighlightColor() const {
    return vcl::clWindow;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarDayTextColor() const {
    return vcl::clWindowText;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarTodayFrameColor() const {
    return vcl::clMaroon;
}

vcl::TColor TuiCustomLookAndFeelPainter::CalendarTodayTextColor() const {
    return vcl::clNavy;
}

vcl::TColor TuiCustomLookAndFeelPainter::ControlBackgroundColor() const {
    return vcl::clWindow;
}

vcl::TColor TuiCustomLookAndFeelPainter::ControlTextColor() const {
    return vcl::clWindowText;
}

vcl::TColor TuiCustomLookAndFeelPainter::ContainerFrameColor() const {
    return 0x9D9DA1; // RGB(161, 157, 157)
}

vcl::TColor TuiCustomLookAndFeelPainter::PaneColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::NavigatorPaneColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::RulerColor() const {
    return HeaderColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::RulerTextColor() const {
    return HeaderTextColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::EventContentColor() const {
    return 0xD5FFFF; // RGB(255, 255, 213)
}

vcl::TColor TuiCustomLookAndFeelPainter::EventTextColor() const {
    return SelectionTextColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::AppointmentTextColor() const {
    return vcl::clWindowText;
}

vcl::TColor TuiCustomLookAndFeelPainter::SelectionColor() const {
    return vcl::clHighlight;
}

vcl::TColor TuiCustomLookAndFeelPainter::SelectionTextColor() const {
    return vcl::clHighlightText;
}

vcl::TColor TuiCustomLookAndFeelPainter::CardSeparatorColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::AltFaceColor() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::AltTextColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiCustomLookAndFeelPainter::AltFace2Color() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::PaperColor() const {
    return vcl::clWhite;
}

vcl::TColor TuiCustomLookAndFeelPainter::TimeGridHeaderTextColor() const {
    return vcl::clBlack;
}

vcl::TColor TuiCustomLookAndFeelPainter::AltFace3Color() const {
    return vcl::clBtnFace;
}

vcl::TColor TuiCustomLookAndFeelPainter::AltText2Color() const {
    return vcl::clBtnText;
}

vcl::TColor TuiCustomLookAndFeelPainter::Paper2Color() const {
    return vcl::clWhite;
}

vcl::TColor TuiCustomLookAndFeelPainter::BlackColor() const {
    return vcl::clBlack;
}

vcl::TColor TuiCustomLookAndFeelPainter::Black2Color() const {
    return vcl::clBlack;
}

vcl::TColor TuiCustomLookAndFeelPainter::Black3Color() const {
    return vcl::clBlack;
}

vcl::TColor TuiCustomLookAndFeelPainter::SilverColor() const {
    return 0xCFCFCF; // RGB(207, 207, 207)
}

vcl::TColor TuiCustomLookAndFeelPainter::Paper3Color() const {
    return vcl::clWhite;
}

vcl::TColor TuiCustomLookAndFeelPainter::InfoFrameColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiCustomLookAndFeelPainter::SkyColor() const {
    return 0xF0CAA6; // RGB(166, 202, 240)
}

vcl::TColor TuiCustomLookAndFeelPainter::NavyColor() const {
    return vcl::clNavy;
}

vcl::TColor TuiCustomLookAndFeelPainter::AltShadowColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiCustomLookAndFeelPainter::AltShadow2Color() const {
    return vcl::clBtnShadow;
}

} // namespace ui
