#pragma once
// TuiUltraFlatLookAndFeelPainter: the look of lfUltraFlat, every look-and-feel's default: single-colour one-pixel
// lines, hot-tracked buttons and highlight-coloured frames. The Office 2003 look derives from it and recolours it
// through the four colour operations it adds.

#include "ui/core/painters/uiLookAndFeelPainters.h"

namespace ui {

class TuiUltraFlatLookAndFeelPainter : public TuiCustomLookAndFeelPainter {
public:
    static const TuiUltraFlatLookAndFeelPainter& Instance();

    TuiPainterStyleKind StyleKind() const override;

    // The frame colour of a control in state: the shadow when normal, else the highlight.
    virtual vcl::TColor UltraFlatStateColor(TuiButtonState state) const;
    virtual vcl::TColor UltraFlatShadowColor() const;
    virtual vcl::TColor UltraFlatTextColor() const;
    virtual vcl::TColor FrameHighlightColor() const;

protected:
    TuiUltraFlatLookAndFeelPainter() = default;
};

} // namespace ui
