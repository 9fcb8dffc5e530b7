#pragma once
// TuiCustomLabelViewInfo: the picture of a label's value: the text rectangle and the line rectangle the view data
// placed, copies of the label's effects, and the drawing: depth copies, the raised, lowered or outlined text, the
// turned text and the etched line.

#include "ui/editors/text/label/uiLabelPictureCache.h"
#include "ui/editors/text/label/uiLabelProperties.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TBitmap;
class TControl;
} // namespace vcl

namespace ui {

class TuiCustomLookAndFeelPainter;

class TuiCustomLabelViewInfo : public TuiCustomTextEditViewInfo {
    RTL_DECLARE_CLASS(TuiCustomLabelViewInfo, TuiCustomTextEditViewInfo)
public:
    TuiCustomLabelViewInfo();
    ~TuiCustomLabelViewInfo() override;

    // Background, border and buttons, then the label.
    void PaintContent(TuiCanvas& canvas) override;
    void Offset(int32_t dx, int32_t dy) override;
    virtual void DrawLabel(TuiCanvas& canvas);

    vcl::TAlignment LabelHorz = vcl::taLeftJustify;
    TuiEditVertAlignment LabelVert = taTopJustify;
    vcl::TRect TextBounds;
    vcl::TRect LineBounds;
    bool LineVertical = false;
    vcl::TSize DepthExtent;
    int32_t StyleOffset = 0;
    vcl::TRect TextOffsets;
    int32_t Angle = 0;
    uint16_t Depth = 0;
    TuiLabelEffect LabelEffect = uileNormal;
    TuiLabelStyle LabelStyle = uilsNormal;
    TuiLabelOrientation Orientation = uioRightBottom;
    int32_t PenWidth = 1;
    vcl::TColor ShadowedColor = vcl::clGrayText;
    bool ShowAccelChar = true;
    bool WordWrap = false;
    // A copy of the properties' picture that fills the letters; nullptr when they have none.
    std::unique_ptr<vcl::TBitmap> Glyph;
    vcl::TColor LineInnerColor = vcl::clDefault;
    vcl::TColor LineOuterColor = vcl::clDefault;
    const TuiCustomLookAndFeelPainter* Painter = nullptr; // not owned
    // The standalone label whose parent shows through a transparent one; nullptr in place.
    vcl::TControl* Control = nullptr; // not owned
    // The standalone label's picture, kept between paints and invalidated by the label; nullptr in place, where the
    // view info's own picture lasts until the next calculation.
    TuiLabelPictureCache* SharedCache = nullptr; // not owned
    // A new calculation or background colour makes the view info's own picture stale.
    void InvalidateOwnCache() { FOwnCache.Invalidate(); }
    TuiLabelPictureCache& PictureCache() { return SharedCache != nullptr ? *SharedCache : FOwnCache; }

protected:
    // The fill behind the label; a transparent one leaves what is there.
    virtual void PaintLabelBackground(TuiCanvas& canvas, const vcl::TRect& rect);

private:
    // An opaque label's picture, drawn again only when the cache no longer holds it, then copied onto canvas.
    void DrawCachedLabel(TuiCanvas& canvas, const vcl::TRect& textRect);
    void DrawLabelContent(TuiCanvas& canvas, const vcl::TRect& content, const vcl::TRect& textRect,
                          const vcl::TRect& lineRect);
    // Where the first copy goes and how each further copy steps.
    void CalculateOrigin(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle, vcl::TPoint& origin,
                         vcl::TPoint& step) const;
    void DrawDepthCopies(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle, vcl::TPoint& origin,
                         vcl::TPoint step);
    void DrawStyledText(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle, bool isTrueType,
                        vcl::TPoint origin);
    // The text in the text colour, or filled with the glyph where the font is TrueType and there is one.
    void DrawPlainOrGlyphText(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle, bool isTrueType,
                              vcl::TPoint at);
    void DrawGlyphText(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle, vcl::TPoint at);
    void DrawTextAt(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle, vcl::TPoint at, vcl::TColor color);
    void DrawLine(TuiCanvas& canvas, const vcl::TRect& textRect, const vcl::TRect& lineRect);
    // The caption as drawn turned: without accelerator marks when they are shown.
    rtl::UnicodeString TurnedText() const;

    TuiLabelPictureCache FOwnCache;
};

// The DrawText flags of a label's text.
uint32_t LabelTextFlags(vcl::TAlignment horz, TuiEditVertAlignment vert, bool endEllipsis, bool wordWrap,
                        bool showPrefix);

} // namespace ui
