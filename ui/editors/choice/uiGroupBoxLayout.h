#pragma once
// Where a group box puts its caption: the caption alignments and the position of the caption band they give, and the
// layouts of the caption text in the box (standard, panel and skinned). Pure geometry over measured text sizes.

#include "ui/core/painters/uiPainterTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

enum TuiCaptionAlignment : uint8_t {
    alTopLeft,
    alTopCenter,
    alTopRight,
    alBottomLeft,
    alBottomCenter,
    alBottomRight,
    alLeftTop,
    alLeftCenter,
    alLeftBottom,
    alRightTop,
    alRightCenter,
    alRightBottom,
    alCenterCenter,
};

// Where the caption and the frame of a group box lie, in the box's client coordinates.
struct TuiGroupBoxLayout {
    vcl::TRect CaptionRect;
    vcl::TRect TextRect;
    vcl::TRect FrameRect;
};

TuiGroupCaptionPosition AlignmentToCaptionPosition(TuiCaptionAlignment alignment);
// A caption on the left or right side (turned a quarter turn unless the box is a panel).
bool IsSideAlignment(TuiCaptionAlignment alignment);

// The caption text's rectangle in a box of size (width, height) with shadow depth shadow (0 or 3) for a caption
// measured as textSize (its length along the reading direction, its thickness across); empty for an empty size.
vcl::TRect StandardCaptionRect(TuiCaptionAlignment alignment, vcl::TSize box, int32_t shadow, vcl::TSize textSize);

// The area a panel's caption may take: bounds less indent on the sides the caption leans to (2 across a centred
// caption).
vcl::TRect PanelCaptionBounds(TuiCaptionAlignment alignment, const vcl::TRect& bounds, int32_t captionIndent);
// A measured text rectangle placed in the panel's caption bounds as the alignment says.
vcl::TRect PlacePanelCaption(TuiCaptionAlignment alignment, const vcl::TRect& bounds, vcl::TSize textSize);

// A skinned caption band across the box of size box for a caption measured as textSize (its length, its thickness)
// whose skin element has insets captionInsets. The band grows by the insets across it: outward into the window's
// non-client area when nonClient (the frame then ends where the client area does), else inward.
TuiGroupBoxLayout SkinCaptionLayout(TuiCaptionAlignment alignment, vcl::TSize box, vcl::TSize textSize,
                                    const vcl::TRect& captionInsets, bool nonClient);
// The caption rectangle's thickness across the band set to thickness, keeping its outer edge.
void SetCaptionThickness(vcl::TRect& captionRect, TuiGroupCaptionPosition position, int32_t thickness);
// The sum of the insets across the band on the caption's side (none for a centred caption).
int32_t CaptionInsetsAcross(const vcl::TRect& insets, TuiGroupCaptionPosition position);

} // namespace ui
