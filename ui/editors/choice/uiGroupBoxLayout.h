#pragma once
// Where a group box puts its caption: the caption alignments and the position of the caption band they give, and the
// standard layout of the caption text in the box. Pure geometry over measured text sizes.

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

} // namespace ui
