#include "ui/editors/choice/uiGroupBoxLayout.h"

namespace ui {

namespace {

// The fixed distance of a caption from the box's corner.
constexpr int32_t captionCornerOffset = 8;

bool LeansLeft(TuiCaptionAlignment a) {
    return a == alTopLeft || a == alBottomLeft || a == alLeftTop || a == alLeftCenter || a == alLeftBottom;
}
bool LeansRight(TuiCaptionAlignment a) {
    return a == alTopRight || a == alBottomRight || a == alRightTop || a == alRightCenter || a == alRightBottom;
}
bool LeansUp(TuiCaptionAlignment a) {
    return a == alTopLeft || a == alTopCenter || a == alTopRight || a == alLeftTop || a == alRightTop;
}
bool LeansDown(TuiCaptionAlignment a) {
    return a == alBottomLeft || a == alBottomCenter || a == alBottomRight || a == alLeftBottom || a == alRightBottom;
}
bool CentredAcross(TuiCaptionAlignment a) {
    return a == alTopCenter || a == alBottomCenter || a == alCenterCenter;
}
bool CentredDown(TuiCaptionAlignment a) {
    return a == alLeftCenter || a == alRightCenter || a == alCenterCenter;
}

// A caption turned a quarter turn on the left or right side: thickness h across, length w along the side.
vcl::TRect SideCaptionRect(TuiCaptionAlignment alignment, vcl::TSize box, int32_t s, int32_t w, int32_t h) {
    const int32_t W = box.cx;
    const int32_t H = box.cy;
    switch (alignment) {
    case alLeftTop:
        return {0, captionCornerOffset, h, captionCornerOffset + 1 + w};
    case alLeftCenter: {
        const int32_t bottom = H - s - (H - s - w) / 2;
        return {0, bottom - w - 1, h, bottom};
    }
    case alLeftBottom: {
        const int32_t bottom = H - s - captionCornerOffset;
        return {0, bottom - w - 1, h, bottom};
    }
    case alRightTop:
        return {W - h, captionCornerOffset, W, captionCornerOffset + w};
    case alRightCenter: {
        const int32_t top = (H - w) / 2;
        return {W - h, top, W, top + w};
    }
    default:
        return {W - h, H - captionCornerOffset - w, W, H - captionCornerOffset};
    }
}

} // namespace

TuiGroupCaptionPosition AlignmentToCaptionPosition(TuiCaptionAlignment alignment) {
    if (alignment <= alTopRight) {
        return gcpTop;
    }
    if (alignment <= alBottomRight) {
        return gcpBottom;
    }
    if (alignment <= alLeftBottom) {
        return gcpLeft;
    }
    return alignment <= alRightBottom ? gcpRight : gcpNone;
}

bool IsSideAlignment(TuiCaptionAlignment alignment) {
    const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(alignment);
    return position == gcpLeft || position == gcpRight;
}

vcl::TRect StandardCaptionRect(TuiCaptionAlignment alignment, vcl::TSize box, int32_t shadow, vcl::TSize textSize) {
    const int32_t w = textSize.cx;
    const int32_t h = textSize.cy;
    if (w == 0 && h == 0) {
        return {};
    }
    if (IsSideAlignment(alignment)) {
        return SideCaptionRect(alignment, box, shadow, w, h);
    }
    vcl::TRect rect{captionCornerOffset, 0, captionCornerOffset + w, h};
    if (CentredAcross(alignment)) {
        rect.Left = (box.cx - shadow - w) / 2;
        rect.Right = rect.Left + w;
    } else if (alignment == alTopRight || alignment == alBottomRight) {
        rect.Right = box.cx - shadow - captionCornerOffset;
        rect.Left = rect.Right - w;
    }
    if (AlignmentToCaptionPosition(alignment) == gcpBottom) {
        rect.Top = box.cy - h;
        rect.Bottom = box.cy;
    } else if (alignment == alCenterCenter) {
        rect.Top = (box.cy - shadow - h) / 2;
        rect.Bottom = rect.Top + h;
    }
    return rect;
}

vcl::TRect PanelCaptionBounds(TuiCaptionAlignment alignment, const vcl::TRect& bounds, int32_t captionIndent) {
    const int32_t across = CentredAcross(alignment) ? 2 : captionIndent;
    const int32_t down = CentredDown(alignment) ? 2 : captionIndent;
    vcl::TRect result = bounds;
    if (LeansLeft(alignment) || CentredAcross(alignment)) {
        result.Left += across;
    }
    if (LeansRight(alignment) || CentredAcross(alignment)) {
        result.Right -= across;
    }
    if (LeansUp(alignment) || CentredDown(alignment)) {
        result.Top += down;
    }
    if (LeansDown(alignment) || CentredDown(alignment)) {
        result.Bottom -= down;
    }
    return result;
}

vcl::TRect PlacePanelCaption(TuiCaptionAlignment alignment, const vcl::TRect& bounds, vcl::TSize textSize) {
    vcl::TRect rect{bounds.Left, bounds.Top, bounds.Left + textSize.cx, bounds.Top + textSize.cy};
    if (CentredAcross(alignment)) {
        rect.Left = bounds.Left + (bounds.Width() - textSize.cx) / 2;
    } else if (LeansRight(alignment)) {
        rect.Left = bounds.Right - textSize.cx;
    }
    rect.Right = rect.Left + textSize.cx;
    if (CentredDown(alignment)) {
        rect.Top = bounds.Top + (bounds.Height() - textSize.cy) / 2;
    } else if (LeansDown(alignment)) {
        rect.Top = bounds.Bottom - textSize.cy;
    }
    rect.Bottom = rect.Top + textSize.cy;
    return rect;
}

int32_t CaptionInsetsAcross(const vcl::TRect& insets, TuiGroupCaptionPosition position) {
    switch (position) {
    case gcpTop:
    case gcpBottom:
        return insets.Top + insets.Bottom;
    case gcpLeft:
    case gcpRight:
        return insets.Left + insets.Right;
    default:
        return 0;
    }
}

namespace {

// The band on the caption's side: the text's thickness plus the insets across it, reaching outward past the box's
// edge by the insets when nonClient. A centred caption is the text's size in the middle.
vcl::TRect SkinCaptionBand(TuiGroupCaptionPosition position, vcl::TSize box, vcl::TSize textSize, int32_t extra,
                           bool nonClient) {
    vcl::TRect band{0, 0, box.cx, box.cy};
    const int32_t thick = textSize.cy;
    switch (position) {
    case gcpTop:
        band.Bottom = band.Top + thick;
        if (nonClient) {
            band.Top -= extra;
        } else {
            band.Bottom += extra;
        }
        return band;
    case gcpBottom:
        band.Top = band.Bottom - thick - extra;
        return band;
    case gcpLeft:
        band.Right = band.Left + thick;
        if (nonClient) {
            band.Left -= extra;
        } else {
            band.Right += extra;
        }
        return band;
    case gcpRight:
        band.Left = band.Right - thick - extra;
        return band;
    default:
        band.Left = (box.cx - textSize.cx) / 2;
        band.Top = (box.cy - thick) / 2;
        band.Right = band.Left + textSize.cx;
        band.Bottom = band.Top + thick;
        return band;
    }
}

// The text inside the band: along it as the alignment leans, w long.
vcl::TRect SkinCaptionText(TuiCaptionAlignment alignment, const vcl::TRect& band, const vcl::TRect& insets, int32_t w) {
    vcl::TRect text{band.Left + insets.Left, band.Top + insets.Top, band.Right - insets.Right,
                    band.Bottom - insets.Bottom};
    switch (alignment) {
    case alTopRight:
    case alBottomRight:
        text.Left = text.Right - w;
        break;
    case alTopCenter:
    case alBottomCenter:
        text.Left = (text.Left + text.Right - w) / 2;
        break;
    case alLeftTop:
    case alRightTop:
        text.Bottom = text.Top + w;
        break;
    case alLeftBottom:
    case alRightBottom:
        text.Top = text.Bottom - w;
        break;
    case alLeftCenter:
    case alRightCenter:
        text.Top = (text.Top + text.Bottom - w) / 2;
        text.Bottom = text.Top + w;
        break;
    default:
        break;
    }
    return text;
}

} // namespace

TuiGroupBoxLayout SkinCaptionLayout(TuiCaptionAlignment alignment, vcl::TSize box, vcl::TSize textSize,
                                    const vcl::TRect& captionInsets, bool nonClient) {
    const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(alignment);
    const int32_t extra = CaptionInsetsAcross(captionInsets, position);
    TuiGroupBoxLayout layout;
    layout.FrameRect = {0, 0, box.cx, box.cy};
    // With the band outside, the frame fills the client area, which ends short of the box on the far side.
    if (nonClient && (position == gcpTop || position == gcpBottom)) {
        layout.FrameRect.Bottom -= extra;
    } else if (nonClient && (position == gcpLeft || position == gcpRight)) {
        layout.FrameRect.Right -= extra;
    }
    layout.CaptionRect = SkinCaptionBand(position, box, textSize, extra, nonClient);
    layout.TextRect = SkinCaptionText(alignment, layout.CaptionRect, captionInsets, textSize.cx);
    return layout;
}

void SetCaptionThickness(vcl::TRect& captionRect, TuiGroupCaptionPosition position, int32_t thickness) {
    switch (position) {
    case gcpTop:
        captionRect.Bottom = captionRect.Top + thickness;
        return;
    case gcpBottom:
        captionRect.Top = captionRect.Bottom - thickness;
        return;
    case gcpLeft:
        captionRect.Right = captionRect.Left + thickness;
        return;
    case gcpRight:
        captionRect.Left = captionRect.Right - thickness;
        return;
    default:
        return;
    }
}

} // namespace ui
