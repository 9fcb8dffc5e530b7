#pragma once
// TuiOffice11LookAndFeelPainter: the look of lfOffice11: the ultra-flat geometry coloured from the Office 2003 colour
// scheme, with gradient headers and layout backgrounds, bitmap expand buttons, and the native scroll bars, group boxes
// and navigator buttons where visual styles allow them. The skin painter derives from it.

#include "ui/core/painters/looks/uiUltraFlatPainter.h"

namespace ui {

class TuiOffice11LookAndFeelPainter : public TuiUltraFlatLookAndFeelPainter {
public:
    static const TuiOffice11LookAndFeelPainter& Instance();

    vcl::TColor AccentTextColor() const override;
    void PaintContentWithText(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                              TuiButtonState state, const TuiTextLayout& layout, rtl::UnicodeStringView text,
                              vcl::TFont* font, vcl::TColor textColor, vcl::TColor backgroundColor,
                              const TuiBackgroundHook& hook, bool plain) const override;
    void PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& arrowRect, bool isNext,
                               TuiButtonState state) const override;
    TuiPainterStyleKind StyleKind() const override;
    bool IsThemedStyle() const override;
    vcl::TColor FilterBoxColor() const override;
    vcl::TColor FilterBoxTextColor() const override;
    vcl::TColor FooterColor() const override;
    vcl::TColor FooterTextColor() const override;
    vcl::TColor GroupByBoxColor() const override;
    vcl::TColor GroupByBoxTextColor() const override;
    vcl::TColor GroupRowColor() const override;
    vcl::TColor HeaderBackgroundColor() const override;
    vcl::TColor HeaderColor() const override;
    vcl::TColor CalendarHeaderColor() const override;
    vcl::TColor CalendarSelectedDayColor() const override;
    vcl::TColor CalendarSelectedDayTextColor() const override;
    vcl::TColor ContainerFrameColor() const override;
    vcl::TColor PaneColor() const override;
    vcl::TColor AltFaceColor() const override;
    vcl::TColor AltFace2Color() const override;
    vcl::TColor AltFace3Color() const override;
    vcl::TColor Paper2Color() const override;
    void PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const override;
    vcl::TColor ButtonFaceColor(TuiButtonState state) const override;
    vcl::TColor ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const override;
    void PaintButtonFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor color) const override;
    bool PaintsExpandBoxFirst() const override;
    void PaintSmallExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded, vcl::TColor borderColor,
                             vcl::TColor fillColor) const override;
    int32_t ExpandBoxSize() const override;
    int32_t SmallExpandBoxSize() const override;
    vcl::TColor CheckFaceColor(TuiButtonState state) const override;
    void PaintHeaderCell(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect, TuiBorders neighbours,
                         TuiBorders edges, TuiButtonState state, const TuiTextLayout& layout,
                         rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                         vcl::TColor backgroundColor, const TuiBackgroundHook& hook, bool rightmost,
                         bool special) const override;
    void PaintHeaderFrame(TuiCanvas& canvas, const vcl::TRect& rect, TuiBorders neighbours,
                          TuiBorders edges) const override;
    void PaintHeaderSection(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                            TuiBorders neighbours, TuiBorders edges, TuiButtonState state, const TuiTextLayout& layout,
                            rtl::UnicodeStringView text, vcl::TFont* font, vcl::TColor textColor,
                            vcl::TColor backgroundColor) const override;
    void PaintSortArrow(TuiCanvas& canvas, const vcl::TRect& rect, bool ascending) const override;
    TuiBorders HeaderEdges(TuiBorders neighbours) const override;
    int32_t HeaderFrameWidth() const override;
    bool HotTracksHeaders() const override;
    vcl::TColor FooterSeparatorColor() const override;
    void PaintLayoutRecordCaption(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                  TuiButtonState state) const override;
    void PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect, TuiScrollBarPart part,
                               TuiButtonState state) const override;
    void PaintSizeGripGlyph(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView text, TuiBorders neighbours,
                         const TuiDrawParams& viewParams, int32_t arrows, int32_t arrowOffset,
                         const TuiBackgroundHook& hook) const override;
    void PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const override;
    void PaintCalendarFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    vcl::TColor UltraFlatStateColor(TuiButtonState state) const override;
    vcl::TColor UltraFlatShadowColor() const override;
    vcl::TColor UltraFlatTextColor() const override;
    vcl::TColor FrameHighlightColor() const override;
    void PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                         TuiGroupCaptionPosition captionPosition, TuiBorders borders) const override;
    vcl::TColor GroupCaptionTextColor(bool enabled, TuiGroupCaptionPosition captionPosition) const override;
    void PaintTrackBarTrackFrame(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintTrackBarThumbFrame(TuiCanvas& canvas, std::span<const vcl::TPoint> light,
                                 std::span<const vcl::TPoint> innerShadow,
                                 std::span<const vcl::TPoint> outerShadow) const override;
    void PaintTrackBarTicks(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintLayoutBackground(TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const override;
    vcl::TColor TrackBarThumbColor(bool highlighted) const override;
    vcl::TColor SplitterEdgeColor(bool highlighted) const override;
    vcl::TSize SplitterGripSize(bool horizontal) const override;

    // The scheme's dark face, shadow and light, and the colour halfway between its pale and dark faces.
    virtual vcl::TColor Office11DarkColor() const;
    virtual vcl::TColor Office11ShadowColor() const;
    virtual vcl::TColor Office11LightColor() const;
    virtual vcl::TColor Office11MidColor() const;

protected:
    TuiOffice11LookAndFeelPainter() = default;
};

} // namespace ui
