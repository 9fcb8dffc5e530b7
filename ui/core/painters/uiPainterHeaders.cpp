// The default painter: headers, group-by box, layout views, footers, the filter box, window faces, tabs and row
// indicators.

#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiPainterImages.h"
#include "ui/core/painters/uiPainterShapes.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxOffice11.h"
#include "vcl/graphics/Font.h"
#include "vcl/imagelists/ImageList.h"

namespace ui {

namespace {

// rect moved outward by width on the sides named.
vcl::TRect GrowSides(const vcl::TRect& rect, TuiBorders sides, int32_t width) {
    return InflateRectSides(rect, sides.Contains(bLeft) ? width : 0, sides.Contains(bTop) ? width : 0,
                            sides.Contains(bRight) ? width : 0, sides.Contains(bBottom) ? width : 0);
}

} // namespace

// Headers

void TuiCustomLookAndFeelPainter::PaintHeaderCell(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                                  TuiBorders neighbours, TuiBorders edges, TuiButtonState state,
                                                  const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                  vcl::TFont* font, vcl::TColor textColor, vcl::TColor backgroundColor,
                                                  const TuiBackgroundHook& hook, bool /*rightmost*/,
                                                  bool /*special*/) const {
    PaintHeaderFrame(canvas, rect, neighbours, edges);
    PaintContentWithText(canvas, HeaderContentRect(rect, edges), textRect, state, layout, text, font, textColor,
                         backgroundColor, hook, false);
}

void TuiCustomLookAndFeelPainter::PaintHeaderCellPlain(
    TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect, TuiBorders neighbours, TuiBorders edges,
    TuiButtonState state, const TuiTextLayout& layout, rtl::UnicodeStringView text, vcl::TFont* font,
    vcl::TColor textColor, vcl::TColor backgroundColor, bool rightmost, bool special) const {
    PaintHeaderCell(canvas, rect, textRect, neighbours, edges, state, layout, text, font, textColor, backgroundColor,
                    {}, rightmost, special);
}

void TuiCustomLookAndFeelPainter::PaintHeaderFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                   TuiBorders /*neighbours*/, TuiBorders /*edges*/) const {}

void TuiCustomLookAndFeelPainter::PaintPressedHeader(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.InvertRect(rect);
}

void TuiCustomLookAndFeelPainter::PaintHeaderSection(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     const vcl::TRect& textRect, TuiBorders /*neighbours*/,
                                                     TuiBorders edges, TuiButtonState state,
                                                     const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                     vcl::TFont* font, vcl::TColor textColor,
                                                     vcl::TColor backgroundColor) const {
    PaintHeaderSectionFrame(canvas, rect, edges, state);
    PaintHeaderSectionContent(canvas, HeaderSectionInnerRect(rect, state), textRect, state, layout, text, font,
                              textColor, backgroundColor);
}

void TuiCustomLookAndFeelPainter::PaintHeaderSectionFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                          TuiBorders /*edges*/, TuiButtonState /*state*/) const {}

void TuiCustomLookAndFeelPainter::PaintHeaderSectionContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                                            const vcl::TRect& textRect, TuiButtonState state,
                                                            const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                            vcl::TFont* font, vcl::TColor textColor,
                                                            vcl::TColor backgroundColor) const {
    canvas.FillRectColor(rect, backgroundColor);
    PaintHeaderSectionText(canvas, HeaderSectionTextRect(textRect, state), state, layout, text, font, textColor);
}

void TuiCustomLookAndFeelPainter::PaintHeaderSectionText(TuiCanvas& canvas, const vcl::TRect& textRect,
                                                         TuiButtonState state, const TuiTextLayout& layout,
                                                         rtl::UnicodeStringView text, vcl::TFont* font,
                                                         vcl::TColor textColor) const {
    if (text.empty()) {
        return;
    }
    canvas.Brush().SetStyle(vcl::bsClear);
    if (font) {
        canvas.SetFont(*font);
    }
    const uint16_t flags = TextLayoutFlags(layout);
    if (state == uibsDisabled) {
        canvas.Font().SetColor(static_cast<vcl::TColor>(ColorToRGB(vcl::clBtnHighlight)));
        canvas.DrawText(text, vcl::OffsetRect(textRect, 1, 1), flags);
        canvas.Font().SetColor(static_cast<vcl::TColor>(ColorToRGB(vcl::clBtnShadow)));
    } else {
        canvas.Font().SetColor(static_cast<vcl::TColor>(ColorToRGB(textColor)));
    }
    canvas.DrawText(text, textRect, flags);
    canvas.Brush().SetStyle(vcl::bsSolid);
}

void TuiCustomLookAndFeelPainter::PaintHeaderDivider(TuiCanvas& canvas, const vcl::TRect& bounds, int32_t indent,
                                                     vcl::TColor color, const TuiDrawParams& viewParams) const {
    canvas.FillRectWithParams({bounds.Left, bounds.Top, bounds.Left + indent, bounds.Bottom}, viewParams);
    canvas.FillRectWithParams({bounds.Right - indent, bounds.Top, bounds.Right, bounds.Bottom}, viewParams);
    canvas.FillRectColor({bounds.Left + indent, bounds.Top, bounds.Right - indent, bounds.Bottom}, color);
}

void TuiCustomLookAndFeelPainter::PaintSortArrow(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                 bool /*ascending*/) const {}

TuiBorders TuiCustomLookAndFeelPainter::HeaderEdges(TuiBorders /*neighbours*/) const {
    return uiAllBorders;
}

int32_t TuiCustomLookAndFeelPainter::HeaderFrameWidth() const {
    return 0;
}

vcl::TRect TuiCustomLookAndFeelPainter::HeaderRectWithBorders(const vcl::TRect& rect, TuiBorders neighbours,
                                                              TuiBorders edges) const {
    return GrowSides(rect, edges - HeaderEdges(neighbours), HeaderFrameWidth());
}

vcl::TRect TuiCustomLookAndFeelPainter::HeaderContentRect(const vcl::TRect& rect, TuiBorders edges) const {
    return GrowSides(rect, edges, -HeaderFrameWidth());
}

bool TuiCustomLookAndFeelPainter::HasOpaqueHeaders() const {
    return true;
}

int32_t TuiCustomLookAndFeelPainter::HeaderWidthFor(int32_t contentWidth) const {
    return contentWidth + 2 * HeaderFrameWidth() + 4;
}

int32_t TuiCustomLookAndFeelPainter::HeaderSectionFrameWidth(TuiButtonState /*state*/) const {
    return 1;
}

vcl::TRect TuiCustomLookAndFeelPainter::HeaderSectionTextRect(const vcl::TRect& rect, TuiButtonState state) const {
    return state == uibsPressed ? vcl::OffsetRect(rect, 1, 1) : rect;
}

vcl::TRect TuiCustomLookAndFeelPainter::HeaderSectionInnerRect(const vcl::TRect& rect, TuiButtonState state) const {
    const int32_t frame = HeaderSectionFrameWidth(state);
    return InflateRectBy(rect, -frame, -frame);
}

int32_t TuiCustomLookAndFeelPainter::HeaderWidthForText(TuiCanvas& canvas, TuiBorders edges,
                                                        rtl::UnicodeStringView text, vcl::TFont* font) const {
    if (font) {
        canvas.SetFont(*font);
    }
    // Each framed side, left and right alike, takes the frame's width, as HeaderWidthFor counts it.
    const int32_t framedSides = (edges.Contains(bLeft) ? 1 : 0) + (edges.Contains(bRight) ? 1 : 0);
    return canvas.GetTextWidth(text) + 4 + framedSides * HeaderFrameWidth();
}

bool TuiCustomLookAndFeelPainter::HotTracksHeaders() const {
    return false;
}

vcl::TSize TuiCustomLookAndFeelPainter::SortArrowAreaSize() const {
    return {16, SortArrowSize().cy};
}

vcl::TSize TuiCustomLookAndFeelPainter::SortArrowSize() const {
    return {0, 0};
}

// Grid group-by box and group rows

void TuiCustomLookAndFeelPainter::PaintGroupByBox(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent,
                                                  vcl::TColor color, vcl::TBitmap* bitmap) const {
    FillBackground(canvas, rect, transparent, color, bitmap);
}

vcl::TColor TuiCustomLookAndFeelPainter::Office11GroupRowColor(bool windowColor) const {
    return windowColor ? vcl::clWindow : Office11Colors().Office11GroupRowColor;
}

vcl::TColor TuiCustomLookAndFeelPainter::Office11GroupSeparatorColor() const {
    return Office11Colors().Office11GroupSeparatorColor;
}

vcl::TColor TuiCustomLookAndFeelPainter::Office11GroupTextColor() const {
    return Office11Colors().Office11GroupTextColor;
}

bool TuiCustomLookAndFeelPainter::IsHeaderOpaque() const {
    return HasOpaqueHeaders();
}

vcl::TColor TuiCustomLookAndFeelPainter::GroupByPanelColor() const {
    return HeaderBackgroundColor();
}

vcl::TColor TuiCustomLookAndFeelPainter::GroupByPanelTextColor() const {
    return HeaderBackgroundTextColor();
}

// Layout views

void TuiCustomLookAndFeelPainter::PaintLayoutItemFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                      TuiBorders /*borders*/) const {
    canvas.FillRectColor(rect, state == uibsPressed ? SelectionColor() : GroupRowColor());
}

void TuiCustomLookAndFeelPainter::PaintLayoutRecordCaption(TuiCanvas& canvas, const vcl::TRect& rect, int32_t /*side*/,
                                                           TuiButtonState state) const {
    const vcl::TColor color = state == uibsHot ? SelectionColor() : GroupRowColor();
    PaintLayoutFrame(canvas, rect, state, uiAllBorders);
    canvas.FillRectColor(rect, color);
}

void TuiCustomLookAndFeelPainter::PaintLayoutFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                   TuiBorders edges) const {
    canvas.FrameRect(rect, state == uibsHot ? SelectionColor() : vcl::clBtnShadow, 1, edges, true);
}

void TuiCustomLookAndFeelPainter::PaintLayoutRecordBody(TuiCanvas& canvas, const vcl::TRect& rect, int32_t /*side*/,
                                                        TuiButtonState state, TuiBorders edges) const {
    PaintLayoutFrame(canvas, rect, state, edges);
    canvas.FillRectColor(rect, GroupRowColor());
}

void TuiCustomLookAndFeelPainter::PaintLayoutExpandButton(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                          TuiButtonState /*state*/, bool /*expanded*/) const {}

vcl::TRect TuiCustomLookAndFeelPainter::LayoutCaptionInsets(TuiButtonState /*state*/) const {
    return {};
}

vcl::TRect TuiCustomLookAndFeelPainter::LayoutBodyInsets(TuiButtonState /*state*/) const {
    return {};
}

// Header glyph and footer

int32_t TuiCustomLookAndFeelPainter::HeaderGlyphInset() const {
    return 15;
}

int32_t TuiCustomLookAndFeelPainter::FooterFrameWidth() const {
    return 0;
}

int32_t TuiCustomLookAndFeelPainter::FooterCellFrameWidth() const {
    return 0;
}

int32_t TuiCustomLookAndFeelPainter::FooterCellSpacing() const {
    return 0;
}

bool TuiCustomLookAndFeelPainter::PaintsFooterCellsFirst() const {
    return true;
}

vcl::TColor TuiCustomLookAndFeelPainter::FooterSeparatorColor() const {
    return vcl::clBtnShadow;
}

int32_t TuiCustomLookAndFeelPainter::FooterSeparatorWidth() const {
    return 1;
}

void TuiCustomLookAndFeelPainter::PaintFooterCell(TuiCanvas& canvas, const vcl::TRect& rect,
                                                  const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                  vcl::TFont* font, vcl::TColor textColor, vcl::TColor backgroundColor,
                                                  const TuiBackgroundHook& hook) const {
    PaintFooterCellFrame(canvas, rect);
    PaintFooterCellContent(canvas, rect, layout, text, font, textColor, backgroundColor, hook);
}

void TuiCustomLookAndFeelPainter::PaintFooterCellContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                                         const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                         vcl::TFont* font, vcl::TColor textColor,
                                                         vcl::TColor backgroundColor,
                                                         const TuiBackgroundHook& hook) const {
    TuiTextLayout withoutEllipsis = layout;
    withoutEllipsis.EndEllipsis = false;
    PaintContentWithText(canvas, FooterCellContentRect(rect), FooterCellTextRect(rect), uibsDefault, withoutEllipsis,
                         text, font, textColor, backgroundColor, hook, true);
}

void TuiCustomLookAndFeelPainter::PaintFooterFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/) const {}

void TuiCustomLookAndFeelPainter::PaintFooterCellFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/) const {}

void TuiCustomLookAndFeelPainter::PaintFooterBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                                                        const TuiDrawParams& viewParams) const {
    if (!rect.IsEmpty()) {
        canvas.FillRectWithParams(rect, viewParams);
    }
}

void TuiCustomLookAndFeelPainter::FillFooterSeparator(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FillRectColor(rect, FooterSeparatorColor());
}

// Filter box

void TuiCustomLookAndFeelPainter::PaintFilterActivateBox(TuiCanvas& canvas, const vcl::TRect& rect,
                                                         TuiButtonState state, bool checked) const {
    PaintCheckBoxForState(canvas, rect, state, checked);
}

void TuiCustomLookAndFeelPainter::PaintFilterCloseBox(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      TuiButtonState state) const {
    PaintButtonFrame(canvas, rect, state);
    const int32_t frame = ButtonFrameWidth(uibsNormal);
    const vcl::TRect inner = InflateRectBy(rect, -frame, -frame);
    canvas.FillRectColor(inner, ButtonFaceColor(state));
    DrawCloseCross(canvas, inner, FilterCloseBoxSize().cx / 2, ButtonGlyphState(state) == uibsPressed,
                   ButtonGlyphColor(state, vcl::clDefault));
}

void TuiCustomLookAndFeelPainter::PaintFilterDropDown(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                      TuiButtonState /*state*/, bool /*active*/) const {}

void TuiCustomLookAndFeelPainter::PaintFilterBoxBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent,
                                                           vcl::TColor color, vcl::TBitmap* bitmap) const {
    FillBackground(canvas, rect, transparent, color, bitmap);
}

vcl::TSize TuiCustomLookAndFeelPainter::FilterActivateBoxSize() const {
    return {13, 13};
}

vcl::TSize TuiCustomLookAndFeelPainter::FilterCloseBoxSize() const {
    return {16, 14};
}

vcl::TSize TuiCustomLookAndFeelPainter::FilterDropDownSize() const {
    return {15, 0};
}

// Window face and popup

void TuiCustomLookAndFeelPainter::PaintWindowFace(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FillRectColor(rect, vcl::clBtnFace);
}

int32_t TuiCustomLookAndFeelPainter::PopupFrameKind() const {
    return 1;
}

// Tabs: the default look draws none.

void TuiCustomLookAndFeelPainter::PaintTab(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/, TuiBorders /*borders*/,
                                           rtl::UnicodeStringView /*text*/, TuiButtonState /*state*/, bool /*vertical*/,
                                           vcl::TFont* /*font*/, vcl::TColor /*textColor*/,
                                           vcl::TColor /*backgroundColor*/, bool /*showPrefix*/) const {}

void TuiCustomLookAndFeelPainter::PaintTabFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/, int32_t /*side*/,
                                                TuiBorders /*edges*/, bool /*vertical*/) const {}

void TuiCustomLookAndFeelPainter::PaintTabStrip(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/, TuiBorders /*edges*/,
                                                bool /*vertical*/) const {}

bool TuiCustomLookAndFeelPainter::PaintsTabs(bool /*vertical*/) const {
    return false;
}

bool TuiCustomLookAndFeelPainter::HotTracksTabs(bool /*vertical*/) const {
    return false;
}

int32_t TuiCustomLookAndFeelPainter::TabFrameWidth(bool /*vertical*/) const {
    return 0;
}

// Row indicators

void TuiCustomLookAndFeelPainter::PaintIndicatorCustomizeMark(TuiCanvas& canvas, const vcl::TRect& rect,
                                                              vcl::TColor color) const {
    const int32_t top = (rect.Top + rect.Bottom - 9) / 2;
    const int32_t bullet = rect.Left + 3;
    for (int32_t line = 0; line < 5; ++line) {
        const int32_t y = top + 2 * line;
        canvas.FillRectColor({bullet + 2, y, bullet + rect.Width() - 6, y + 1}, color);
        if (line % 2 == 0) {
            canvas.FillRectColor({bullet, y, bullet + 1, y + 1}, color);
        }
    }
}

void TuiCustomLookAndFeelPainter::PaintIndicatorGlyph(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind) const {
    vcl::TCustomImageList* images = IndicatorImages();
    if (kind == 0 || !images) {
        return;
    }
    const int32_t index = (kind & 127) - 1;
    images->Draw(canvas.Canvas(), rect.Left + (rect.Width() - images->Width()) / 2,
                 rect.Top + (rect.Height() - images->Height()) / 2, index);
}

void TuiCustomLookAndFeelPainter::PaintIndicatorCell(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind,
                                                     vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const {
    PaintHeaderCell(canvas, rect, rect, {}, HeaderEdges({bTop, bBottom}), uibsNormal, {}, {}, nullptr, vcl::clNone,
                    backgroundColor, hook, false, false);
    PaintIndicatorGlyph(canvas, rect, kind);
}

void TuiCustomLookAndFeelPainter::PaintIndicatorCellPlain(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind,
                                                          vcl::TColor backgroundColor) const {
    PaintHeaderCellPlain(canvas, rect, rect, {}, uiAllBorders, uibsNormal, {}, {}, nullptr, vcl::clNone,
                         backgroundColor, false, false);
    PaintIndicatorGlyph(canvas, rect, kind);
}

bool TuiCustomLookAndFeelPainter::IndicatorFlag() const {
    return true;
}

} // namespace ui
