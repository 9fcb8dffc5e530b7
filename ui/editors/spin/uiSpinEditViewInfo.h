#pragma once
// TuiSpinEditViewInfo: the picture of a spin editor. Its buttons share their edges (each border kind leaves out or
// lightens the edge a neighbour draws), show arrows (two on the fast buttons), are drawn by the spin theme's parts or
// the skin's spin glyphs, and a native editor draws a separating line between up and down in its background colour.
// To a hit test the buttons are part of the editor, so they have no hint or part of their own.

#include "ui/editors/spin/uiSpinEditProperties.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"

#include <cstdint>

namespace ui {

class TuiSpinEditViewInfo : public TuiCustomTextEditViewInfo {
    RTL_DECLARE_CLASS(TuiSpinEditViewInfo, TuiCustomTextEditViewInfo)
public:
    // The text editor's painting, then the separator line.
    void PaintContent(TuiCanvas& canvas) override;
    // ephtText inside the border rectangle, else ephtNone.
    int32_t GetPartAt(vcl::TPoint point) const override;
    // The border rectangle for ephtText, else an empty rectangle.
    vcl::TRect GetPartRect(int32_t part) const override;
    void Offset(int32_t dx, int32_t dy) override;

    // A handler of OnDrawButton takes the button.
    bool IsButtonCustomDrawn(int32_t index);
    // The line between a native editor's down and up buttons, both ends included.
    void SetSeparator(vcl::TPoint start, vcl::TPoint end);

    // The depth of an arrow, from the layout.
    int32_t ArrowSize = 0;
    TuiSpinEditButtonsPosition ButtonsPosition = sbpVert;
    bool HasSeparator = false;
    vcl::TPoint SeparatorStart;
    vcl::TPoint SeparatorEnd;

protected:
    void DrawButton(TuiCanvas& canvas, int32_t index) override;

private:
    // The 3D and hot-flat borders, and the ultra-flat ones; false leaves the button style's own border.
    bool DrawSpinButtonBorder(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                              const TuiEditButtonViewInfo& button, vcl::TColor& back, vcl::TColor& text,
                              vcl::TRect& content, vcl::TRect& face) const;
    void DrawUltraFlatBorder(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                             const TuiEditButtonViewInfo& button, vcl::TRect& content, vcl::TRect& face) const;
    void DrawArrows(TuiCanvas& canvas, const TuiEditButtonPaintContext& context, const TuiEditButtonViewInfo& button,
                    vcl::TColor color, const vcl::TRect& content) const;
};

} // namespace ui
